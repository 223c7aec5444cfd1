#include "clisettings.h"

#include "devicelender.h"

#include "appconfig.h"
#include "batteryreading.h"
#include "buttonfunctions.h"
#include "commands.h"
#include "defaults.h"
#include "dpi.h"
#include "inifile.h"
#include "keycodes.h"
#include "macrofile.h"
#include "mousesession.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "protocol.h"
#include "records.h"
#include "settingsrange.h"
#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <algorithm>
#include <iterator>
#include <memory>

namespace {

// Another tool's write takes a few seconds at most; waiting longer means it hangs.
constexpr int kWriterWaitMs = 15000;

enum class OptionKind { Number, Switch, Mode };

// The sensor options of the DPI page; the mouse keeps one set for all profiles.
struct SensorOption {
    const char* name;
    uint8_t DeviceSettings::*field;
    OptionKind kind;
    int min;
    int max;
};
constexpr SensorOption kOptions[] = {
    {"lift", &DeviceSettings::LiftHigh, OptionKind::Number, 1, 2},
    {"debounce", &DeviceSettings::Debounce, OptionKind::Number, kKeyResponseRange.min,
     kKeyResponseRange.max},
    {"angle-snap", &DeviceSettings::AngleValue, OptionKind::Switch, 0, 1},
    {"motion-sync", &DeviceSettings::Sync, OptionKind::Switch, 0, 1},
    {"jitter", &DeviceSettings::Jitter, OptionKind::Switch, 0, 1},
    {"wake", &DeviceSettings::Wake, OptionKind::Switch, 0, 1},
    {"sensor-mode", &DeviceSettings::SensorMode, OptionKind::Mode, 0, 2},
};
constexpr const char* kSensorModes[] = {"eco", "standard", "competitive"};
constexpr const char* kSwitchWords[] = {"off", "on"};

const SensorOption* findOption(const QString& name) {
    for (const SensorOption& o : kOptions)
        if (name == QLatin1String(o.name)) return &o;
    return nullptr;
}

void print(FILE* f, const QString& text) {
    std::fputs(text.toUtf8().constData(), f);
}

QString optionText(const SensorOption& o, int value) {
    switch (o.kind) {
    case OptionKind::Switch:
        return QLatin1String(kSwitchWords[value ? 1 : 0]);
    case OptionKind::Mode:
        return value >= 0 && value <= 2 ? QLatin1String(kSensorModes[value])
                                        : QString::number(value);
    case OptionKind::Number:
        break;
    }
    return QString::number(value);
}

// The value of `text` for option `o`, or -1 with the message.
int parseOption(const SensorOption& o, const QString& text, QString* error) {
    const QString t = text.toLower();
    if (o.kind == OptionKind::Switch) {
        for (int i = 0; i < 2; ++i)
            if (t == QLatin1String(kSwitchWords[i])) return i;
        *error = QStringLiteral("%1: expected on or off, not '%2'").arg(o.name, text);
        return -1;
    }
    if (o.kind == OptionKind::Mode) {
        for (int i = 0; i < 3; ++i)
            if (t == QLatin1String(kSensorModes[i])) return i;
        *error =
            QStringLiteral("%1: expected eco, standard or competitive, not '%2'").arg(o.name, text);
        return -1;
    }
    bool ok = false;
    const int v = t.toInt(&ok);
    if (!ok || v < o.min || v > o.max) {
        *error = QStringLiteral("%1: expected a number from %2 to %3, not '%4'")
                     .arg(QLatin1String(o.name))
                     .arg(o.min)
                     .arg(o.max)
                     .arg(text);
        return -1;
    }
    return v;
}

struct DpiRange {
    int sensor = 0;
    int minStep = 0;
    int maxStep = 0;
    int stageCount = kDpiStageCount;
    int minDpi() const { return dpiFromStep(uint32_t(minStep), sensor); }
    int maxDpi() const { return dpiFromStep(uint32_t(maxStep), sensor); }
    // The step whose DPI is nearest to `dpi` (the lower one on a tie).
    uint32_t stepFor(int dpi) const {
        int best = minStep;
        for (int s = minStep; s <= maxStep; ++s)
            if (std::abs(dpiFromStep(uint32_t(s), sensor) - dpi) <
                std::abs(dpiFromStep(uint32_t(best), sensor) - dpi))
                best = s;
        return uint32_t(best);
    }
};

QString dpiLine(const MouseProfile& p, const DpiRange& r) {
    QStringList values;
    for (int i = 0; i < r.stageCount; ++i)
        if (p.stages[i].used) values << QString::number(dpiFromStep(p.stages[i].y, r.sensor));
    return values.join(QLatin1Char(' '));
}

QJsonObject dpiObject(const MouseProfile& p, const DpiRange& r, int profile) {
    QJsonArray stages;
    for (int i = 0; i < r.stageCount; ++i) {
        if (!p.stages[i].used) continue;
        stages.append(QJsonObject{{QStringLiteral("stage"), i + 1},
                                  {QStringLiteral("dpi"), dpiFromStep(p.stages[i].y, r.sensor)}});
    }
    return {{QStringLiteral("profile"), profile + 1},
            {QStringLiteral("stage"), p.dpi + 1},
            {QStringLiteral("stages"), stages}};
}

QString offeredRates() {
    QStringList rates;
    for (uint8_t code : kReportRateCodes)
        rates << QString::number(reportRateHz(code));
    return rates.join(QStringLiteral(", "));
}

// Sets the stage values of `p`; false with the message when one does not fit.
bool setDpi(MouseProfile& p, const CliOptions& o, const DpiRange& r, QString* error) {
    if (o.stage >= r.stageCount) {
        *error = QStringLiteral("dpi: this mouse has %1 stages").arg(r.stageCount);
        return false;
    }
    if (o.stage < 0 && o.args.size() > r.stageCount) {
        *error = QStringLiteral("dpi: this mouse has %1 stages, not %2")
                     .arg(r.stageCount)
                     .arg(o.args.size());
        return false;
    }
    std::vector<uint32_t> steps;
    for (const QString& a : o.args) {
        bool ok = false;
        const int dpi = a.toInt(&ok);
        if (!ok || dpi < r.minDpi() || dpi > r.maxDpi()) {
            *error = QStringLiteral("dpi: '%1' is outside the sensor's range %2 to %3")
                         .arg(a)
                         .arg(r.minDpi())
                         .arg(r.maxDpi());
            return false;
        }
        steps.push_back(r.stepFor(dpi));
    }
    const auto set = [&](int stage, uint32_t step) {
        DpiStage& s = p.stages[stage];
        s.used = 1;
        s.x = s.y = s.xy = step;
    };
    if (o.stage >= 0) {
        set(o.stage, steps.front());
        return true;
    }
    // The listed values become the stages in use, the others are switched off.
    for (int i = 0; i < r.stageCount; ++i) {
        if (i < int(steps.size()))
            set(i, steps[size_t(i)]);
        else
            p.stages[i].used = 0;
    }
    if (p.dpi >= int(steps.size())) p.dpi = 0;
    return true;
}

// Where in `text` the key `group/key` is set (1-based), 0 when nowhere.
int lineOfKey(const QByteArray& text, const QString& group, const QString& key) {
    const QList<QByteArray> lines = text.split('\n');
    QString section;
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = QString::fromUtf8(lines[i]).trimmed();
        if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
            section = line.mid(1, line.size() - 2);
            continue;
        }
        const int eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0 || section != group) continue;
        // Sub-groups are written with backslashes.
        QString k = line.left(eq).trimmed();
        k.replace(QLatin1Char('\\'), QLatin1Char('/'));
        if (k == key) return i + 1;
    }
    return 0;
}

// The first line the variant check refuses (1-based), 0 when none.
int firstHostileLine(const QByteArray& text) {
    const QList<QByteArray> all = text.split('\n');
    const QList<QByteArray> kept = iniWithoutHostileLines(text).split('\n');
    for (int i = 0; i < all.size(); ++i)
        if (i >= kept.size() || all[i] != kept[i]) return i + 1;
    return 0;
}

// Reads a whole profile file; false with "<file>:<line>: what" in `error`.
bool readProfileFile(const QString& path, MouseProfile& profile, QString* error) {
    const QString shown = QDir::toNativeSeparators(path);
    QFile f(path);
    if (!QFileInfo(path).isFile() || !f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("%1: cannot be read").arg(shown);
        return false;
    }
    // Profile files are a few hundred kilobytes; anything far larger is no profile.
    const QByteArray text = f.read(16 * 1024 * 1024);
    if (!iniVariantsSafe(path)) {
        *error = QStringLiteral("%1:%2: a value the program never writes")
                     .arg(shown)
                     .arg(firstHostileLine(text));
        return false;
    }
    ProfileFault fault;
    if (!readProfile(profile, path, &fault)) {
        const int line = lineOfKey(text, QStringLiteral("PROFILE"), fault.key);
        *error =
            line > 0
                ? QStringLiteral("%1:%2: '%3' %4").arg(shown).arg(line).arg(fault.key, fault.what)
                : QStringLiteral("%1: '%2' %3").arg(shown, fault.key, fault.what);
        return false;
    }
    const QString tag = readProductTag(path);
    if (!tag.isEmpty() && tag != readCurrentProductName()) {
        *error = QStringLiteral("%1: made for the %2, not this mouse").arg(shown, tag);
        return false;
    }
    if (!hasLeftClick(profile)) {
        *error = QStringLiteral("%1: no button keeps the left click").arg(shown);
        return false;
    }
    return true;
}

// Saves and sends `edited` through the window's write path. A failed write
// puts back the files of `sent`, still marked, so the window sends them whole
// on its next start.
int writeSettings(MouseSession& session, const DeviceSettings& edited, DeviceSettings& sent,
                  int target, int forcedFlags, FILE* err) {
    SettingsWriteOptions options;
    options.target = target;
    options.forcedFlags = forcedFlags;
    options.onFailure = SettingsWriteOptions::OnFailure::RestoreSent;
    const SettingsWriteResult r = session.writeAndWait(edited, sent, options);
    if (!r.unsavedFile.isEmpty())
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be saved\n")
                       .arg(QDir::toNativeSeparators(r.unsavedFile)));
    if (r.result != kResultOk) {
        print(err, QStringLiteral("mousecfg-cli: writing to the mouse failed (result %1)\n")
                       .arg(r.result));
        return kExitWriteFailed;
    }
    return kExitDone;
}

// The catalogue's label as one word for the command line: "Play/Pause" is
// play-pause, "DPI +" dpi-plus.
QString functionSlug(const ButtonFunction& f) {
    QString label = QString::fromLatin1(f.label).toLower();
    label.replace(QLatin1Char('+'), QStringLiteral(" plus"));
    label.replace(QLatin1Char('-'), QStringLiteral(" minus"));
    QString slug;
    for (const QChar c : label) {
        if (c.isLetterOrNumber())
            slug += c;
        else if (!slug.isEmpty() && !slug.endsWith(QLatin1Char('-')))
            slug += QLatin1Char('-');
    }
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    return slug;
}

// What the window's function menu offers a list button without a dialog.
bool settableFunction(const ButtonFunction& f) {
    return f.kind == FunctionKind::Plain && f.menu != FunctionMenu::Hidden &&
           f.menu != FunctionMenu::ProfileMenu;
}

QString settableSlugs() {
    QStringList slugs;
    for (const ButtonFunction& f : kButtonFunctions)
        if (settableFunction(f)) slugs << functionSlug(f);
    return slugs.join(QStringLiteral(", "));
}

// The records of the buttons the customize page numbers 1, 2, ...
std::vector<int> numberedButtons() {
    int8_t map[kProductButtonCount];
    const int count = std::clamp(buttonLayoutMap(map), 0, kProductButtonCount);
    std::vector<int> records;
    for (int i = 0; i < count; ++i)
        if (map[i] != -1) records.push_back(i);
    return records;
}

// The key code named `name` in either name set, case aside.
bool keyCodeNamed(const QString& name, uint8_t* code) {
    for (const KeyRow& k : kKeyRows) {
        if (k.usage < 0) continue; // the mouse cannot send it
        if (name.compare(QString::fromUtf8(k.name), Qt::CaseInsensitive) == 0 ||
            (k.french && name.compare(QString::fromUtf8(k.french), Qt::CaseInsensitive) == 0)) {
            *code = k.code;
            return true;
        }
    }
    return false;
}

QString buttonText(const ButtonInfo& b, int record) {
    if (b.Fun == kSingleKeyCode) {
        const QString key = keyName(b.Res1, false);
        return QStringLiteral("key:%1").arg(key.isEmpty() ? QString::number(b.Res1) : key);
    }
    const QString label = functionLabel(b, record);
    return label.isEmpty() ? QStringLiteral("code %1").arg(b.Fun) : label;
}

// Sets button `number` of `p` as the customize page would; false with why not.
bool setButton(MouseProfile& p, const QString& number, const QString& function, QString* error) {
    const std::vector<int> records = numberedButtons();
    bool ok = false;
    const int n = number.toInt(&ok);
    if (!ok || n < 1 || n > int(records.size())) {
        *error = QStringLiteral("button: expected a button number from 1 to %1, not '%2'")
                     .arg(records.size())
                     .arg(number);
        return false;
    }
    const int record = records[size_t(n - 1)];
    int code = -1;
    uint8_t key = 0;
    if (function.startsWith(QLatin1String("key:"), Qt::CaseInsensitive)) {
        if (!keyCodeNamed(function.mid(4), &key)) {
            *error = QStringLiteral("button: no key is named '%1'").arg(function.mid(4));
            return false;
        }
        code = kSingleKeyCode;
    } else {
        for (const ButtonFunction& f : kButtonFunctions)
            if (functionSlug(f) == function.toLower()) {
                if (!settableFunction(f)) {
                    *error = QStringLiteral("button: '%1' needs the window").arg(function);
                    return false;
                }
                code = f.code;
            }
        if (code < 0) {
            *error = QStringLiteral("button: unknown function '%1'; the functions are %2 and "
                                    "key:NAME")
                         .arg(function, settableSlugs());
            return false;
        }
    }
    if (!keepsLeftClick(p, record, code)) {
        *error = QStringLiteral("button: button %1 holds the last left click").arg(n);
        return false;
    }
    if (code == kSingleKeyCode)
        assignSingleKey(p.buttons[record], key);
    else
        assignPlain(p.buttons[record], code);
    return true;
}

QString stepText(const MacroStep& s) {
    const QString updown = stepIsPress(s) ? QStringLiteral("down") : QStringLiteral("up");
    switch (stepKind(s)) {
    case kStepKey: {
        uint8_t code = 0;
        const QString name = usageToKeyCode(s.dataL, code) ? keyName(code, false) : QString();
        return QStringLiteral("key %1 %2")
            .arg(name.isEmpty() ? QStringLiteral("0x%1").arg(s.dataL, 2, 16, QLatin1Char('0'))
                                : name,
                 updown);
    }
    case kStepButton: {
        static const char* const kNames[5] = {"left", "middle", "right", "forward", "back"};
        const QString name = isButtonBit(s.dataL)
                                 ? QLatin1String(kNames[buttonIndexFromBit(s.dataL)])
                                 : QStringLiteral("0x%1").arg(s.dataL, 2, 16, QLatin1Char('0'));
        return QStringLiteral("button %1 %2").arg(name, updown);
    }
    case kStepMove: {
        static const char* const kDirections[4] = {"left", "right", "up", "down"};
        return QStringLiteral("move %1 %2")
            .arg(QLatin1String(kDirections[int(moveDirection(s))]))
            .arg(moveDistance(s));
    }
    case kStepDelay:
        return QStringLiteral("delay %1").arg(delayCount(s));
    default:
        break;
    }
    return QStringLiteral("step %1 %2 %3").arg(s.map).arg(s.dataL).arg(s.dataH);
}

QByteArray compact(const QJsonObject& o) {
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace

WriterLock::WriterLock() = default;
WriterLock::~WriterLock() = default;

QString WriterLock::take() {
    const QString mutex = SingleInstance::mutexNameFor(productName());
    m_queue =
        std::make_unique<QLockFile>(SingleInstance::lockPathFor(mutex + QStringLiteral(" tool")));
    m_queue->setStaleLockTime(0);
    // As with the window's lock, only a live holder stops the write.
    if (!m_queue->tryLock(kWriterWaitMs) && m_queue->error() == QLockFile::LockFailedError)
        return QStringLiteral("another mousecfg-cli is still writing to the mouse");
    m_window = std::make_unique<SingleInstance>(mutex);
    if (m_window->isFirst()) return QString();
    // The window has the mouse: it lets go of it for the write, and shows
    // what was written when it takes it back.
    m_window.reset();
    m_borrow = std::make_unique<DeviceBorrow>();
    if (!m_borrow->borrow(mutex, kWriterWaitMs))
        return QStringLiteral("the mousecfg window is running but does not hand over the mouse: "
                              "change the setting there, or quit the window first");
    return QString();
}

bool isSettingCommand(const QString& name) {
    return findOption(name) || name == QLatin1String("dpi") || name == QLatin1String("rate") ||
           name == QLatin1String("apply") || name == QLatin1String("import") ||
           name == QLatin1String("button");
}

bool isProfileFile(const QString& path) {
    return path.endsWith(QLatin1String(".prof"), Qt::CaseInsensitive);
}

bool isSettingsFile(const QString& path) {
    return path.endsWith(QLatin1String(".conf"), Qt::CaseInsensitive);
}

int runExportCommand(const CliOptions& o, FILE* out, FILE* err) {
    const QString& path = o.args[0];
    auto s = std::make_unique<DeviceSettings>();
    loadSettings(*s);
    const int target = o.profile >= 0 ? o.profile : s->currentProfile;
    const QString product = readCurrentProductName();
    bool ok = false;
    if (isSettingsFile(path)) {
        ok = exportSettingsFile(*s, product, path);
    } else {
        // As the window exports: the bound library file, tagged and copied.
        const QString name = s->profileNames[target];
        ok = ProfileLibrary::ensureFile(name, s->profiles[target]) &&
             ProfileLibrary::exportFile(name, product, path).ok();
    }
    if (!ok) {
        print(err, QStringLiteral("mousecfg-cli: '%1' could not be written\n")
                       .arg(QDir::toNativeSeparators(path)));
        return kExitBadFile;
    }
    if (o.json)
        std::fputs(compact({{QStringLiteral("file"), path}}), out);
    else
        print(out, QStringLiteral("%1\n").arg(QDir::toNativeSeparators(path)));
    return kExitDone;
}

int runSettingCommand(const CliOptions& o, MouseSession& session, FILE* out, FILE* err) {
    // Held from reading the files to the end of the write, so two tools never
    // mix their changes.
    WriterLock lock;
    if (!o.args.isEmpty()) {
        const QString refused = lock.take();
        if (!refused.isEmpty()) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(refused));
            return kExitWriteFailed;
        }
    }
    auto sent = std::make_unique<DeviceSettings>();
    loadSettings(*sent);
    const SettingsLimits limits = currentSettingsLimits();
    bringIntoRange(*sent, limits);
    auto edited = std::make_unique<DeviceSettings>(*sent);
    int target = o.profile >= 0 ? o.profile : sent->currentProfile;
    MouseProfile& p = edited->profiles[target];
    const auto usage = [&](const QString& message) {
        print(err, QStringLiteral("mousecfg-cli: %1\n").arg(message));
        return kExitUsage;
    };
    int forced = 0;

    if (const SensorOption* opt = findOption(o.command)) {
        if (!o.args.isEmpty()) {
            QString error;
            const int v = parseOption(*opt, o.args[0], &error);
            if (v < 0) return usage(error);
            edited.get()->*opt->field = uint8_t(v);
        }
    } else if (o.command == QLatin1String("rate")) {
        if (!o.args.isEmpty()) {
            const int hz = o.args[0].toInt();
            const auto code = std::find_if(std::begin(kReportRateCodes), std::end(kReportRateCodes),
                                           [&](uint8_t c) { return reportRateHz(c) == hz; });
            if (code == std::end(kReportRateCodes))
                return usage(QStringLiteral("rate: '%1' is not offered; the rates are %2 Hz")
                                 .arg(o.args[0], offeredRates()));
            p.pollrate = *code;
        }
    } else if (o.command == QLatin1String("import") && isSettingsFile(o.args[0])) {
        const QString shown = QDir::toNativeSeparators(o.args[0]);
        switch (importSettingsFile(*edited, readCurrentProductName(), o.args[0])) {
        case SettingsImport::Damaged:
            print(err, QStringLiteral("mousecfg-cli: %1: damaged, nothing loaded\n").arg(shown));
            return kExitBadFile;
        case SettingsImport::OtherProduct:
            print(err, QStringLiteral("mousecfg-cli: %1: made for another mouse\n").arg(shown));
            return kExitBadFile;
        case SettingsImport::Done:
            break;
        }
        bringIntoRange(*edited, limits);
        target = edited->currentProfile;
    } else if (o.command == QLatin1String("import")) {
        // Checked whole first, so a damaged file is named with its line.
        QString error;
        auto read = std::make_unique<MouseProfile>();
        if (!readProfileFile(o.args[0], *read, &error)) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(error));
            return kExitBadFile;
        }
        // As the window imports: into the library under its own name, then
        // bound to the profile.
        QStringList list = readProfileList();
        QString name;
        const ProfileLibrary::Outcome added =
            ProfileLibrary::importFile(list, o.args[0], readCurrentProductName(), &name);
        if (!added.ok()) {
            print(err, QStringLiteral("mousecfg-cli: %1: %2\n")
                           .arg(QDir::toNativeSeparators(o.args[0]), added.message));
            return kExitBadFile;
        }
        bringIntoRange(*read, limits);
        read->ProfileName = name;
        p = *read;
        edited->profileNames[target] = name;
    } else if (o.command == QLatin1String("apply")) {
        QString error;
        auto read = std::make_unique<MouseProfile>();
        if (!readProfileFile(o.args[0], *read, &error)) {
            print(err, QStringLiteral("mousecfg-cli: %1\n").arg(error));
            return kExitBadFile;
        }
        bringIntoRange(*read, limits);
        // The values go to the file the slot is bound to, under its name.
        read->ProfileName = p.ProfileName;
        read->ProfilePath = p.ProfilePath;
        p = *read;
        // A profile file is a whole profile: all of its blocks are sent.
        forced = ChangeGeneral | ChangeDpi | ChangeButtons | ChangeLighting;
    }

    DpiRange range;
    range.sensor = readSensorModel();
    range.stageCount = limits.stageCount;
    if (limits.steps) {
        range.minStep = limits.steps->minStep;
        range.maxStep = limits.steps->maxStep;
    }
    if (o.command == QLatin1String("dpi") && !o.args.isEmpty()) {
        if (!limits.steps) return usage(QStringLiteral("dpi: the sensor's range is unknown"));
        QString error;
        if (!setDpi(p, o, range, &error)) return usage(error);
    }

    if (o.command == QLatin1String("button") && !o.args.isEmpty()) {
        QString error;
        if (!setButton(p, o.args[0], o.args[1], &error)) return usage(error);
    }

    if (!o.args.isEmpty()) {
        const int r = writeSettings(session, *edited, *sent, target, forced, err);
        if (r != kExitDone) return r;
    }

    // The values now on the mouse, as a script reads them back.
    if (const SensorOption* opt = findOption(o.command)) {
        const int v = edited.get()->*opt->field;
        if (o.json)
            std::fputs(compact({{QLatin1String(opt->name), opt->kind == OptionKind::Number
                                                               ? QJsonValue(v)
                                                               : QJsonValue(optionText(*opt, v))}}),
                       out);
        else
            print(out, optionText(*opt, v) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("rate")) {
        const int hz = reportRateHz(p.pollrate);
        if (o.json)
            std::fputs(
                compact({{QStringLiteral("profile"), target + 1}, {QStringLiteral("rate"), hz}}),
                out);
        else
            print(out, QStringLiteral("%1\n").arg(hz));
    } else if (o.command == QLatin1String("dpi")) {
        if (o.json)
            std::fputs(compact(dpiObject(p, range, target)), out);
        else
            print(out, dpiLine(p, range) + QLatin1Char('\n'));
    } else if (o.command == QLatin1String("import")) {
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1},
                                {QStringLiteral("name"), edited->profileNames[target]}}),
                       out);
        else
            print(out, QStringLiteral("profile %1: %2\n")
                           .arg(target + 1)
                           .arg(edited->profileNames[target]));
    } else if (o.command == QLatin1String("button")) {
        QJsonArray buttons;
        const std::vector<int> records = numberedButtons();
        for (size_t i = 0; i < records.size(); ++i) {
            const QString text = buttonText(p.buttons[records[i]], records[i]);
            if (o.json)
                buttons.append(QJsonObject{{QStringLiteral("button"), int(i) + 1},
                                           {QStringLiteral("function"), text}});
            else
                print(out, QStringLiteral("%1 %2\n").arg(i + 1).arg(text));
        }
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1},
                                {QStringLiteral("buttons"), buttons}}),
                       out);
    } else if (o.command == QLatin1String("apply")) {
        if (o.json)
            std::fputs(compact({{QStringLiteral("profile"), target + 1}}), out);
        else
            print(out, QStringLiteral("profile %1 written\n").arg(target + 1));
    }
    return kExitDone;
}

int runMacroCommand(const CliOptions& o, FILE* out, FILE* err) {
    const QStringList names = readMacroNames();
    if (o.args.isEmpty()) {
        if (o.json)
            std::fputs(
                QJsonDocument(QJsonArray::fromStringList(names)).toJson(QJsonDocument::Compact) +
                    '\n',
                out);
        else
            for (const QString& n : names)
                print(out, n + QLatin1Char('\n'));
        return kExitDone;
    }
    const QString& name = o.args[1];
    if (!names.contains(name) || !QFileInfo(macroFilePath(name)).isFile()) {
        print(err, QStringLiteral("mousecfg-cli: no macro is named '%1'\n").arg(name));
        return kExitBadFile;
    }
    const std::vector<MacroStep> steps = readMacroSteps(name);
    QJsonArray lines;
    for (const MacroStep& s : steps) {
        if (o.json)
            lines.append(stepText(s));
        else
            print(out, stepText(s) + QLatin1Char('\n'));
    }
    if (o.json)
        std::fputs(compact({{QStringLiteral("name"), name}, {QStringLiteral("steps"), lines}}),
                   out);
    return kExitDone;
}
