#include "defaults.h"

#include "buttonfunctions.h"
#include "filename.h"
#include "inifile.h"
#include "lightinggroup.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"

#include <algorithm>
#include <iterator>

namespace {

void makeBuiltInProfile(MouseProfile& p) {
    p.LedMode = 9;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 1;
    constexpr uint32_t stageSteps[kDpiStageCount] = {8, 12, 16, 24, 50, 75, 0, 0};
    for (int i = 0; i < kDpiStageCount; ++i)
        p.stages[i] = {1, 1, stageSteps[i], stageSteps[i], stageSteps[i]};
    constexpr int32_t funs[7] = {1, 2, 3, 4, 5, 4, 5};
    for (int i = 0; i < 20; ++i)
        p.buttons[i].Fun = i < 7 ? funs[i] : 0;
    for (int i = 0; i < kLedModeCount; ++i) {
        LedModeInfo& led = p.ledModes[i];
        led.RGB = QColor(255, 0, 0);
        led.h = 360;
        led.s = 0;
        led.v = 0;
        led.bright = 3;
        led.breath = 3;
    }
    p.ledModes[4].breath = 2;
    p.ledModes[9].breath = 4;
    p.ledModes[10].RGB = QColor(0, 255, 0);
    p.ledModes[10].breath = 5;
    p.ledModes[12].breath = 1;
}

void makeProductProfile(MouseProfile& p, const ProductDefinition& def) {
    p.pollrate = uint8_t(def.pollrate);
    p.dpi = def.dpi;
    p.LedMode = def.LedMode;
    p.LedMoveOFF = def.LedMoveOFF;
    p.LedSleepTime = 1;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const auto v = uint32_t(def.dpiXy[i]);
        p.stages[i] = {1, 1, v, v, v};
    }
    for (int i = 0; i < kProductButtonCount; ++i) {
        const ProductDefinition::Button& src = def.buttons[i];
        ButtonInfo& b = p.buttons[i];
        b.Fun = src.Fun;
        b.LoopNumber = src.LoopNumber;
        b.KeyNumber = src.KeyNumber;
        b.Res1 = src.Res1;
        b.Res2 = src.Res2;
        b.Res3 = src.Res3;
        b.Res4 = src.Res4;
    }
    for (int i = 0; i < kLedModeCount; ++i) {
        LedModeInfo& led = p.ledModes[i];
        led.RGB = def.ledModes[i].RGB;
        led.bright = uint32_t(def.ledModes[i].bright);
        led.breath = uint32_t(def.ledModes[i].breath);
        led.h = 360;
        led.s = 0;
        led.v = 0;
    }
}

bool stepsDiffer(const ButtonInfo& a, const ButtonInfo& b) {
    return !std::equal(std::begin(a.KeyInfo), std::end(a.KeyInfo), std::begin(b.KeyInfo));
}

// Reads and clears the "changed" sign that the macro editor leaves in a file.
bool takeMacroWriteSign(const QString& macroName) {
    if (!isValidFileName(macroName)) return false;
    IniFile ini(macroFilePath(macroName));
    if (ini.value(QStringLiteral("Setting/WriteSign"), 0).toInt() == 0) return false;
    ini.setValue(QStringLiteral("Setting/WriteSign"), 0);
    return true;
}

bool buttonChanged(const ButtonInfo& a, const ButtonInfo& b) {
    if (a.ID != b.ID || a.Fun != b.Fun || a.LoopNumber != b.LoopNumber ||
        a.KeyNumber != b.KeyNumber || a.Res1 != b.Res1 || a.Res2 != b.Res2 || a.Res3 != b.Res3 ||
        a.Res4 != b.Res4 || stepsDiffer(a, b))
        return true;
    if (a.Fun == kMacroCode && b.Fun == kMacroCode)
        return a.macroname != b.macroname || takeMacroWriteSign(a.macroname);
    return false;
}

} // namespace

void makeDefaultProfile(MouseProfile& profile) {
    MouseProfile p;
    p.pollrate = 1;
    p.dpi = 1;
    p.LedMode = 1;
    p.mousespeed = 10;
    p.dbclickspeed = 5;
    p.scrollispage = 0;
    p.scrollspeed = 1;
    p.accelenable = 1;
    p.acee = 1;
    p.LedMoveOFF = 0;
    p.LedSleepTime = 0;
    ProductDefinition def;
    if (loadProductDefinition(def) == 0)
        makeProductProfile(p, def);
    else
        makeBuiltInProfile(p);
    p.buttons[kWheelUpEntry].Fun = kScrollUpCode;
    p.buttons[kWheelDownEntry].Fun = kScrollDownCode;
    profile = p;
}

void resetAll(DeviceSettings& s) {
    s.currentProfile = 0;
    uint8_t opt[7];
    if (factoryOptions(opt) != 0) {
        // Without a product definition the factory options are the readers' own
        // defaults, so Reset All gives the same values with or without the file.
        opt[0] = 0, opt[1] = 0, opt[2] = 20, opt[3] = 0, opt[4] = 0, opt[5] = 1, opt[6] = 0;
    }
    s.LiftHigh = opt[0];
    s.AngleValue = opt[1];
    s.Debounce = opt[2];
    s.Jitter = opt[3];
    s.Wake = opt[4];
    s.SensorMode = opt[5];
    s.Sync = opt[6];
    makeDefaultProfile(s.profiles[0]);
    for (int i = 0; i < kProfileCount; ++i)
        s.profileNames[i] = defaultProfileName(i);
}

QString defaultProfileName(int slot) {
    return QStringLiteral("Profile %1").arg(slot + 1);
}

void writeDefaultProfileFile() {
    MouseProfile p;
    makeDefaultProfile(p);
    writeProfile(p, profilePathForName(QStringLiteral("DefaultProfile")));
}

int compareSettings(const DeviceSettings& live, const DeviceSettings& sent) {
    int mask = 0;

    bool general = live.AngleValue != sent.AngleValue || live.LiftHigh != sent.LiftHigh ||
                   live.Sync != sent.Sync || live.Jitter != sent.Jitter ||
                   live.Debounce != sent.Debounce || live.Wake != sent.Wake ||
                   live.SensorMode != sent.SensorMode || live.currentProfile != sent.currentProfile;
    for (int i = 0; i < kProfileCount && !general; ++i)
        general = live.profiles[i].pollrate != sent.profiles[i].pollrate ||
                  live.profiles[i].scrollspeed != sent.profiles[i].scrollspeed;
    if (!general) {
        const MouseProfile& a = live.current();
        const MouseProfile& b = sent.current();
        const MouseProfile& la = lightingProfile(live);
        const MouseProfile& lb = lightingProfile(sent);
        general = a.dpi != b.dpi || la.LedMode != lb.LedMode || la.LedMoveOFF != lb.LedMoveOFF ||
                  la.LedSleepTime != lb.LedSleepTime;
    }
    if (general) mask |= ChangeGeneral;

    [&] {
        for (int p = 0; p < kProfileCount; ++p)
            for (int s = 0; s < kDpiStageCount; ++s) {
                const DpiStage& a = live.profiles[p].stages[s];
                const DpiStage& b = sent.profiles[p].stages[s];
                if (a.used != b.used || a.x != b.x || a.y != b.y) {
                    mask |= ChangeDpi;
                    return;
                }
            }
    }();

    [&] {
        for (int p = 0; p < kProfileCount; ++p)
            for (int e = 0; e < kButtonEntryCount; ++e)
                if (buttonChanged(live.profiles[p].buttons[e], sent.profiles[p].buttons[e])) {
                    mask |= ChangeButtons;
                    return;
                }
    }();

    for (int p = 0; p < kProfileCount; ++p) {
        const MouseProfile& a = live.profiles[p];
        const MouseProfile& b = sent.profiles[p];
        bool lighting = a.LedMode != b.LedMode;
        if (!lighting && a.LedMode < kLedModeCount) {
            const LedModeInfo& x = a.ledModes[a.LedMode];
            const LedModeInfo& y = b.ledModes[a.LedMode];
            lighting = x.RGB != y.RGB || x.h != y.h || x.s != y.s || x.v != y.v ||
                       x.bright != y.bright || x.breath != y.breath;
        }
        if (lighting) {
            mask |= ChangeLighting;
            break;
        }
    }
    return mask;
}
