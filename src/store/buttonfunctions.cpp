#include "buttonfunctions.h"

#include "keycodes.h"
#include "macrofile.h"

#include <QtGlobal>
#include <algorithm>
#include <cstring>

namespace {
using M = FunctionMenu;
using K = FunctionKind;
} // namespace

const ButtonFunction kButtonFunctions[kFunctionCount] = {
    {1, QT_TRANSLATE_NOOP("ButtonPanel", "Left"), M::Top, true, K::Plain},
    {2, QT_TRANSLATE_NOOP("ButtonPanel", "Right"), M::Top, true, K::Plain},
    {3, QT_TRANSLATE_NOOP("ButtonPanel", "Middle"), M::Top, true, K::Plain},
    {4, QT_TRANSLATE_NOOP("ButtonPanel", "Forward"), M::Top, true, K::Plain},
    {5, QT_TRANSLATE_NOOP("ButtonPanel", "Back"), M::Top, true, K::Plain},
    {200, QT_TRANSLATE_NOOP("ButtonPanel", "Macro Manager"), M::Top, false, K::Macro},
    {510, QT_TRANSLATE_NOOP("ButtonPanel", "GunFile Manager"), M::Hidden, false, K::GunFile},
    {54, QT_TRANSLATE_NOOP("ButtonPanel", "Led Switch"), M::Top, false, K::Plain},
    {16, QT_TRANSLATE_NOOP("ButtonPanel", "Button Off"), M::Top, false, K::Plain},

    {17, QT_TRANSLATE_NOOP("ButtonPanel", "Cut"), M::Basic, false, K::Plain},
    {18, QT_TRANSLATE_NOOP("ButtonPanel", "Copy"), M::Basic, false, K::Plain},
    {19, QT_TRANSLATE_NOOP("ButtonPanel", "Paste"), M::Basic, false, K::Plain},
    {20, QT_TRANSLATE_NOOP("ButtonPanel", "All"), M::Basic, false, K::Plain},
    {21, QT_TRANSLATE_NOOP("ButtonPanel", "Find"), M::Basic, false, K::Plain},
    {22, QT_TRANSLATE_NOOP("ButtonPanel", "New"), M::Basic, false, K::Plain},
    {23, QT_TRANSLATE_NOOP("ButtonPanel", "Print"), M::Basic, false, K::Plain},
    {24, QT_TRANSLATE_NOOP("ButtonPanel", "Save"), M::Basic, false, K::Plain},

    {25, QT_TRANSLATE_NOOP("ButtonPanel", "Switch Window"), M::Windows, false, K::Plain},
    {26, QT_TRANSLATE_NOOP("ButtonPanel", "Close Window"), M::Windows, false, K::Plain},
    {27, QT_TRANSLATE_NOOP("ButtonPanel", "My Computer"), M::Windows, false, K::Plain},
    {28, QT_TRANSLATE_NOOP("ButtonPanel", "Run"), M::Windows, false, K::Plain},
    {29, QT_TRANSLATE_NOOP("ButtonPanel", "Show Desktop"), M::Windows, false, K::Plain},
    {30, QT_TRANSLATE_NOOP("ButtonPanel", "Lock PC"), M::Windows, false, K::Plain},
    {31, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Home"), M::Windows, false, K::Plain},
    {32, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Backward"), M::Windows, false, K::Plain},
    {33, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Forward"), M::Windows, false, K::Plain},
    {34, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Stop"), M::Windows, false, K::Plain},
    {35, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Refresh"), M::Windows, false, K::Plain},
    {36, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Search"), M::Windows, false, K::Plain},
    {37, QT_TRANSLATE_NOOP("ButtonPanel", "Browser Favorite"), M::Windows, false, K::Plain},
    {38, QT_TRANSLATE_NOOP("ButtonPanel", "Mail"), M::Windows, false, K::Plain},
    {62, QT_TRANSLATE_NOOP("ButtonPanel", "Boss Key"), M::Windows, false, K::Plain},

    {6, QT_TRANSLATE_NOOP("ButtonPanel", "SINGLE KEY"), M::Advance, true, K::SingleKey},
    {7, QT_TRANSLATE_NOOP("ButtonPanel", "COMBO KEY"), M::Advance, true, K::ComboKey},
    {12, QT_TRANSLATE_NOOP("ButtonPanel", "FIRE KEY"), M::Advance, false, K::FireKey},
    // Made with the advanced entries but never offered.
    {55, QT_TRANSLATE_NOOP("ButtonPanel", "SNIPER"), M::Hidden, false, K::Sniper},

    {39, QT_TRANSLATE_NOOP("ButtonPanel", "Play/Pause"), M::Media, false, K::Plain},
    {40, QT_TRANSLATE_NOOP("ButtonPanel", "Stop"), M::Media, false, K::Plain},
    {41, QT_TRANSLATE_NOOP("ButtonPanel", "Previous Track"), M::Media, false, K::Plain},
    {42, QT_TRANSLATE_NOOP("ButtonPanel", "Next Track"), M::Media, false, K::Plain},
    {43, QT_TRANSLATE_NOOP("ButtonPanel", "Volume Up"), M::Media, true, K::Plain},
    {44, QT_TRANSLATE_NOOP("ButtonPanel", "Volume Down"), M::Media, true, K::Plain},
    {45, QT_TRANSLATE_NOOP("ButtonPanel", "Mute"), M::Media, false, K::Plain},
    {46, QT_TRANSLATE_NOOP("ButtonPanel", "Media Player"), M::Media, false, K::Plain},

    {47, QT_TRANSLATE_NOOP("ButtonPanel", "DPI Switch"), M::Dpi, false, K::Plain},
    {48, QT_TRANSLATE_NOOP("ButtonPanel", "DPI +"), M::Dpi, false, K::Plain},
    {49, QT_TRANSLATE_NOOP("ButtonPanel", "DPI -"), M::Dpi, false, K::Plain},

    // A submenu of its own that the function menu does not offer.
    {59, QT_TRANSLATE_NOOP("ButtonPanel", "Profile Switch"), M::ProfileMenu, false, K::Plain},
    {57, QT_TRANSLATE_NOOP("ButtonPanel", "Profile +"), M::ProfileMenu, false, K::Plain},
    {58, QT_TRANSLATE_NOOP("ButtonPanel", "Profile -"), M::ProfileMenu, false, K::Plain},

    {63, QT_TRANSLATE_NOOP("ButtonPanel", "Rate Switch"), M::PollingRate, false, K::Plain},
    {50, QT_TRANSLATE_NOOP("ButtonPanel", "Rate +"), M::PollingRate, false, K::Plain},
    {51, QT_TRANSLATE_NOOP("ButtonPanel", "Rate -"), M::PollingRate, false, K::Plain},

    {52, QT_TRANSLATE_NOOP("ButtonPanel", "Scroll Up"), M::Hidden, true, K::Plain},
    {53, QT_TRANSLATE_NOOP("ButtonPanel", "Scroll Down"), M::Hidden, true, K::Plain},
};

const int kWheelMenuCodes[11] = {52, 53, 43, 44, 1, 2, 3, 4, 5, 6, 7};

const char* functionMenuTitle(FunctionMenu menu) {
    switch (menu) {
    case M::Basic:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Basic");
    case M::Windows:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Windows");
    case M::Advance:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Advance");
    case M::Media:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Media");
    case M::Dpi:
        return QT_TRANSLATE_NOOP("ButtonPanel", "DPI");
    case M::ProfileMenu:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Profile Menu");
    case M::PollingRate:
        return QT_TRANSLATE_NOOP("ButtonPanel", "Polling Rate");
    case M::Top:
    case M::Hidden:
        break;
    }
    return "";
}

int fireChoiceOf(uint8_t res1) {
    switch (res1) {
    case 0:
    case 0x81:
        return FireLeft;
    case 0x82:
        return FireRight;
    case 0x84:
        return FireMiddle;
    default:
        return FireKeyboard;
    }
}

int fireCountOrDefault(int stored, int fallback) {
    return stored >= 1 && stored <= 255 ? stored : fallback;
}

const ButtonFunction* functionForCode(int code) {
    for (const ButtonFunction& f : kButtonFunctions)
        if (f.code == code) return &f;
    return nullptr;
}

QString functionLabel(const ButtonInfo& button, int record) {
    if (button.Fun == kMacroCode || button.Fun == kGunFileCode) return button.macroname;
    const bool wheelRecord = record == kWheelUpEntry || record == kWheelDownEntry;
    if ((button.Fun == kScrollUpCode || button.Fun == kScrollDownCode) && !wheelRecord) return {};
    const ButtonFunction* f = functionForCode(button.Fun);
    return f ? QString::fromLatin1(f->label) : QString();
}

bool keepsLeftClick(const MouseProfile& profile, int record, int code) {
    return code == kLeftCode || profile.buttons[record].Fun != kLeftCode ||
           hasLeftClick(profile, record);
}

void assignPlain(ButtonInfo& button, int code) {
    button.Fun = code;
}

void assignSingleKey(ButtonInfo& button, uint8_t keyCode) {
    button.Fun = kSingleKeyCode;
    button.Res1 = keyCode;
}

void assignComboKey(ButtonInfo& button, const uint8_t (&held)[5], uint8_t keyCode) {
    // The left-hand key of each modifier, whichever side was held.
    static constexpr uint8_t kModifierKeys[4] = {0x2A, 0x1D, 0x5B, 0x38};
    KeyInfo* steps = button.KeyInfo;
    std::fill(steps, steps + kKeyStepCount, KeyInfo{});
    int inserted = 0;
    for (int slot = 0; slot < 5; ++slot) {
        if (held[slot] == 0) continue;
        uint8_t usage = 0;
        if (!keyCodeToUsage(slot < 4 ? kModifierKeys[slot] : keyCode, usage)) usage = 0;
        // Press and release go in at the middle, so the keys pressed first are
        // released last; what stood there moves two places back.
        const int n = inserted;
        std::copy_backward(steps + n, steps + kKeyStepCount - 2, steps + kKeyStepCount);
        steps[n] = {usage, 5, 0x80};
        steps[n + 1] = {usage, 5, 0x00};
        ++inserted;
    }
    button.Fun = kComboKeyCode;
}

void assignFireKey(ButtonInfo& button, int choice, uint8_t keyCode, int times, int delay) {
    static constexpr uint8_t kMouseButtons[3] = {0x81, 0x82, 0x84};
    uint8_t value = 0;
    if (choice >= 0 && choice < 3)
        value = kMouseButtons[choice];
    else if (!keyCodeToUsage(keyCode, value))
        value = 0;
    button.Fun = kFireKeyCode;
    button.Res1 = value;
    button.LoopNumber = times;
    button.KeyNumber = delay;
}

void assignSniper(ButtonInfo& button, uint8_t step) {
    button.Fun = kSniperCode;
    button.Res1 = step;
}

void assignMacro(ButtonInfo& button, int code, const QString& name, int loops, int mode) {
    button.Fun = code;
    button.LoopNumber = loops;
    button.Res1 = uint8_t(mode);
    button.macroname = name;
    // A file edited by hand may list more steps than the record holds.
    const std::vector<MacroStep> steps = readMacroSteps(name, kKeyStepCount);
    button.KeyNumber = int(steps.size());
    for (size_t j = 0; j < steps.size(); ++j)
        button.KeyInfo[j] = {steps[j].map, steps[j].dataL, steps[j].dataH};
}
