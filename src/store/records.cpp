#include "records.h"

bool hasLeftClick(const MouseProfile& profile, int exceptRecord) {
    for (int i = 0; i < kButtonEntryCount; ++i)
        if (i != exceptRecord && profile.buttons[i].Fun == kFunLeftClick) return true;
    return false;
}

bool operator==(const KeyInfo& a, const KeyInfo& b) {
    return a.map == b.map && a.code == b.code && a.H == b.H;
}

bool operator==(const DpiStage& a, const DpiStage& b) {
    return a.used == b.used && a.link == b.link && a.xy == b.xy && a.x == b.x && a.y == b.y;
}

bool operator==(const ButtonInfo& a, const ButtonInfo& b) {
    return a.ID == b.ID && a.Fun == b.Fun && a.LoopNumber == b.LoopNumber &&
           a.KeyNumber == b.KeyNumber &&
           std::equal(std::begin(a.KeyInfo), std::end(a.KeyInfo), std::begin(b.KeyInfo)) &&
           a.Res1 == b.Res1 && a.Res2 == b.Res2 && a.Res3 == b.Res3 && a.Res4 == b.Res4 &&
           a.macroname == b.macroname;
}

bool operator==(const LedModeInfo& a, const LedModeInfo& b) {
    return a.RGB == b.RGB && a.h == b.h && a.s == b.s && a.v == b.v && a.bright == b.bright &&
           a.breath == b.breath;
}

bool operator==(const MouseProfile& a, const MouseProfile& b) {
    return a.pollrate == b.pollrate && a.dpi == b.dpi && a.LedMode == b.LedMode &&
           a.LedMoveOFF == b.LedMoveOFF && a.LedSleepTime == b.LedSleepTime &&
           std::equal(std::begin(a.stages), std::end(a.stages), std::begin(b.stages)) &&
           a.mousespeed == b.mousespeed && a.dbclickspeed == b.dbclickspeed &&
           a.scrollispage == b.scrollispage && a.scrollspeed == b.scrollspeed &&
           a.accelenable == b.accelenable && a.acee == b.acee &&
           std::equal(std::begin(a.buttons), std::end(a.buttons), std::begin(b.buttons)) &&
           std::equal(std::begin(a.ledModes), std::end(a.ledModes), std::begin(b.ledModes)) &&
           a.ProfileName == b.ProfileName && a.ProfilePath == b.ProfilePath;
}
