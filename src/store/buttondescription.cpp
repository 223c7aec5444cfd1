#include "buttondescription.h"

#include "buttonfunctions.h"
#include "keycodes.h"

#include <QCoreApplication>

namespace {

// The words are the button page's, so one catalogue translates both.
QString translatedLabel(const char* label) {
    return QCoreApplication::translate("ButtonPanel", label);
}

struct Modifier {
    uint8_t code;
    int slot;
    uint8_t side;
};
constexpr Modifier kModifiers[] = {
    {0x2A, 0, 1}, {0x36, 0, 2}, {0x1D, 1, 1}, {0xEE, 1, 2},
    {0x5B, 2, 1}, {0x5C, 2, 2}, {0x38, 3, 1}, {0xEF, 3, 2},
};
// Either hand's key is sent as the left-hand one, so the text names neither.
const char* const kModifierNames[4] = {"Shift", "Ctrl", "Win", "Alt"};

QString keyText(uint8_t code) {
    const QString name = keyName(code);
    return name.isEmpty() ? QStringLiteral("0x%1").arg(code, 2, 16, QLatin1Char('0')) : name;
}

QString fireText(const ButtonInfo& b) {
    static const int kButtonCodes[3] = {1, 2, 3};
    const int choice = fireChoiceOf(b.Res1);
    QString what;
    if (choice == FireKeyboard) {
        uint8_t code = 0;
        what = usageToKeyCode(b.Res1, code)
                   ? keyText(code)
                   : QStringLiteral("0x%1").arg(b.Res1, 2, 16, QLatin1Char('0'));
    } else {
        what = translatedLabel(functionForCode(kButtonCodes[choice])->label);
    }
    return QCoreApplication::translate("ButtonPanel", "Rapid fire %1, %2 times, %3 ms")
        .arg(what)
        .arg(fireCountOrDefault(b.LoopNumber, kDefaultFireTimes))
        .arg(fireCountOrDefault(b.KeyNumber, kDefaultFireDelay));
}

} // namespace

ComboKeys comboKeysOf(const ButtonInfo& button) {
    ComboKeys keys;
    for (int i = 0; i < 5; ++i) {
        uint8_t code = 0;
        if (button.KeyInfo[i].map == 0 || !usageToKeyCode(button.KeyInfo[i].map, code)) continue;
        const Modifier* m = nullptr;
        for (const Modifier& candidate : kModifiers)
            if (candidate.code == code) m = &candidate;
        if (m)
            keys.sides[m->slot] = m->side;
        else
            keys.key = code;
    }
    return keys;
}

QString comboKeysText(const ComboKeys& keys) {
    QStringList parts;
    for (int slot = 0; slot < 4; ++slot)
        if (keys.sides[slot]) parts << QLatin1String(kModifierNames[slot]);
    if (keys.key) {
        const QString name = keyName(keys.key);
        if (!name.isEmpty()) parts << name;
    }
    return parts.join(QStringLiteral(" + "));
}

QString buttonDescription(const ButtonInfo& b, int record, const QStringList& macroNames) {
    switch (b.Fun) {
    case kMacroCode:
    case kGunFileCode:
        if (b.macroname.isEmpty() || !macroNames.contains(b.macroname))
            return QCoreApplication::translate("ButtonPanel", "%1 (macro missing)")
                .arg(b.macroname)
                .trimmed();
        return b.macroname;
    case kSingleKeyCode:
        return QCoreApplication::translate("ButtonPanel", "Key %1").arg(keyText(b.Res1));
    case kComboKeyCode: {
        const QString keys = comboKeysText(comboKeysOf(b));
        return keys.isEmpty() ? translatedLabel(functionForCode(kComboKeyCode)->label) : keys;
    }
    case kFireKeyCode:
        return fireText(b);
    default:
        break;
    }
    const QString label = functionLabel(b, record);
    return label.isEmpty() ? QString() : translatedLabel(label.toLatin1().constData());
}
