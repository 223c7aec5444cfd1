#include "macrofile.h"

#include "filename.h"
#include "inifile.h"
#include "paths.h"

#include <algorithm>
#include <limits>

MacroStep keyStep(uint8_t usage, bool press) {
    return {uint8_t(press ? kStepPress | kStepKey : kStepKey), usage, 0};
}

MacroStep buttonStep(uint8_t bit, bool press) {
    return {uint8_t(press ? kStepPress | kStepButton : kStepButton), bit, 0};
}

namespace {
// Editor order LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD.
constexpr uint8_t kButtonBits[5] = {1, 4, 2, 8, 16};
} // namespace

uint8_t buttonBitFromIndex(int index) {
    return index >= 0 && index < 5 ? kButtonBits[index] : kButtonBits[0];
}

int buttonIndexFromBit(uint8_t bit) {
    for (int i = 0; i < 5; ++i)
        if (kButtonBits[i] == bit) return i;
    return 0;
}

bool isButtonBit(uint8_t bit) {
    return bit == 1 || bit == 2 || bit == 4 || bit == 8 || bit == 16;
}

MacroStep moveStep(MoveDirection direction, int distance) {
    const auto d = uint8_t(std::clamp(distance, 0, 255));
    const auto back = uint8_t(256 - d);
    switch (direction) {
    case MoveDirection::Left:
        return {kStepMove, back, 0};
    case MoveDirection::Right:
        return {kStepMove, d, 0};
    case MoveDirection::Up:
        return {kStepMove, 0, back};
    case MoveDirection::Down:
        return {kStepMove, 0, d};
    }
    return {kStepMove, 0, 0};
}

MoveDirection moveDirection(const MacroStep& step) {
    if (step.dataH == 0)
        return step.dataL <= kMaxMoveDistance ? MoveDirection::Right : MoveDirection::Left;
    return step.dataH <= kMaxMoveDistance ? MoveDirection::Down : MoveDirection::Up;
}

int moveDistance(const MacroStep& step) {
    const uint8_t b = step.dataH == 0 ? step.dataL : step.dataH;
    return b <= kMaxMoveDistance ? b : 256 - b;
}

MacroStep delayStep(int count) {
    const int c = std::clamp(count, 0, kMaxDelayCount);
    return {kStepDelay, uint8_t(c & 0xFF), uint8_t(c >> 8)};
}

int delayCount(const MacroStep& step) {
    return step.dataH * 256 + step.dataL;
}

int delayCountFromMs(int ms, int unit) {
    if (unit <= 0) unit = 10;
    return std::clamp(ms / unit, 0, kMaxDelayCount);
}

int maxDelayMs(int unit) {
    if (unit <= 0) unit = 10;
    // The unit comes from a product file: a huge one must not overflow.
    return int(std::min<qint64>(qint64(kMaxDelayCount) * unit, std::numeric_limits<int>::max()));
}

int storedDelayMs(int ms, int unit) {
    return delayCountFromMs(ms, unit) * (unit > 0 ? unit : 10);
}

namespace {
struct RawMacro {
    bool exists = false;
    QString defaultDelay, loopTime;
    int delayType = 0, loopType = 0;
    std::vector<MacroStep> steps;
};

RawMacro readRaw(const QString& name, int limit) {
    RawMacro raw;
    // A name that is no plain file name would read outside the macro folder.
    if (!isValidFileName(name)) return raw;
    // A file with hostile values reads as an empty macro.
    const IniFile ini(macroFilePath(name));
    if (!ini.contains(QStringLiteral("Setting/Count")) &&
        !ini.contains(QStringLiteral("Setting/DelayType")))
        return raw;
    raw.exists = true;
    raw.defaultDelay = ini.value(QStringLiteral("Setting/DefaultDelay")).toString();
    raw.loopTime = ini.value(QStringLiteral("Setting/LoopTime")).toString();
    raw.delayType = ini.value(QStringLiteral("Setting/DelayType"), 0).toInt();
    raw.loopType = ini.value(QStringLiteral("Setting/LoopType"), 0).toInt();
    const int count = std::min(ini.value(QStringLiteral("Setting/Count"), 0).toInt(), limit);
    raw.steps.reserve(size_t(std::max(count, 0)));
    for (int k = 0; k < count; ++k) {
        auto byte = [&](const char* key) {
            return uint8_t(
                ini.value(QStringLiteral("Setting/%1_%2").arg(QLatin1String(key)).arg(k), 0)
                    .toInt() &
                0xFF);
        };
        raw.steps.push_back({byte("Map"), byte("DataL"), byte("DataH")});
    }
    return raw;
}
} // namespace

std::vector<MacroStep> readMacroSteps(const QString& name, int limit) {
    return readRaw(name, limit).steps;
}

MacroFile readMacroFile(const QString& name) {
    const RawMacro raw = readRaw(name, kMaxFileSteps);
    MacroFile macro;
    macro.name = name;
    if (!raw.exists) return macro;
    macro.defaultDelay = raw.defaultDelay;
    macro.loopTime = raw.loopTime;
    macro.delayType = uint8_t(raw.delayType & 0xFF);
    macro.loopType = raw.loopType >= 0 && raw.loopType <= 3 ? raw.loopType : 0;
    for (const MacroStep& s : raw.steps) {
        switch (stepKind(s)) {
        case kStepButton:
            if ((s.map == 0x81 || s.map == 0x01) && isButtonBit(s.dataL))
                macro.steps.push_back(buttonStep(s.dataL, stepIsPress(s)));
            break;
        case kStepMove:
            // One axis only: a vertical byte wins, as the editor shows it.
            macro.steps.push_back(s.dataH == 0 ? MacroStep{kStepMove, s.dataL, 0}
                                               : MacroStep{kStepMove, 0, s.dataH});
            break;
        case kStepDelay:
            macro.steps.push_back({kStepDelay, s.dataL, s.dataH});
            break;
        case kStepKey:
            macro.steps.push_back(keyStep(s.dataL, stepIsPress(s)));
            break;
        default:
            break;
        }
    }
    return macro;
}

namespace {
// A string value as the INI library reads it back.
QByteArray iniString(const QString& value) {
    QByteArray out = "\"";
    for (const QChar c : value) {
        if (c == QLatin1Char('"') || c == QLatin1Char('\\')) out += '\\';
        if (c.unicode() < 0x20) continue;
        out += QString(c).toUtf8();
    }
    return out + '"';
}
} // namespace

QByteArray macroFileText(const MacroFile& macro, const QString& path, bool markChanged) {
    QByteArray t = "[Setting]\n";
    auto line = [&t](const char* key, const QByteArray& value) {
        t += key;
        t += '=';
        t += value;
        t += '\n';
    };
    auto number = [](int v) { return QByteArray::number(v); };
    line("MacroFilePath", iniString(path));
    line("DefaultDelay", number(macro.defaultDelay.toInt()));
    line("DelayType", number(macro.delayType));
    line("LoopType", number(macro.loopType));
    line("LoopTime", number(macro.loopTime.toInt()));
    line("Count", number(int(macro.steps.size())));
    for (size_t k = 0; k < macro.steps.size(); ++k) {
        const QByteArray n = QByteArray::number(qulonglong(k));
        t += "Map_" + n + '=' + number(macro.steps[k].map) + '\n';
        t += "DataH_" + n + '=' + number(macro.steps[k].dataH) + '\n';
        t += "DataL_" + n + '=' + number(macro.steps[k].dataL) + '\n';
    }
    if (markChanged) line("WriteSign", "1");
    return t;
}

bool writeMacroFile(const MacroFile& macro, bool markChanged) {
    if (!isValidFileName(macro.name)) return false;
    const QString path = macroFilePath(macro.name);
    if (!ensureParentFolder(path)) return false;
    return writeIniText(path, macroFileText(macro, path, markChanged));
}
