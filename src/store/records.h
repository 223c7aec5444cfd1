// The settings record: every value the program keeps for the mouse, as plain
// fixed-size structs that are copied as a whole.
#pragma once

#include <QColor>
#include <QString>
#include <cstdint>

constexpr int kProfileCount = 5;
constexpr int kDpiStageCount = 8;
constexpr int kButtonEntryCount = 42;
constexpr int kKeyStepCount = 63;
constexpr int kLedModeCount = 14;
constexpr int kProductButtonCount = 16;
// Entries 0-19 are the list buttons, 20-39 the second row, 40-41 the wheel.
constexpr int kSecondRowEntry = 20;
constexpr int kWheelUpEntry = 40;
constexpr int kWheelDownEntry = 41;

struct DpiStage {
    uint8_t used = 0;
    uint8_t link = 0;
    uint32_t xy = 0;
    uint32_t x = 0;
    uint32_t y = 0;
};

struct KeyInfo {
    uint8_t map = 0;
    uint8_t code = 0;
    uint8_t H = 0;
};

struct ButtonInfo {
    int32_t ID = 0;
    int32_t Fun = 0;
    int32_t LoopNumber = 0;
    int32_t KeyNumber = 0;
    ::KeyInfo KeyInfo[kKeyStepCount];
    uint8_t Res1 = 0;
    uint8_t Res2 = 0;
    uint8_t Res3 = 0;
    uint8_t Res4 = 0;
    QString macroname;
};

struct LedModeInfo {
    QColor RGB;
    uint32_t h = 0;
    uint32_t s = 0;
    uint32_t v = 0;
    uint32_t bright = 0;
    uint32_t breath = 0;
};

struct MouseProfile {
    uint8_t pollrate = 0;
    uint8_t dpi = 0;
    uint8_t LedMode = 0;
    uint8_t LedMoveOFF = 0;
    uint8_t LedSleepTime = 0;
    DpiStage stages[kDpiStageCount];
    uint8_t mousespeed = 0;
    uint8_t dbclickspeed = 0;
    uint8_t scrollispage = 0;
    uint8_t scrollspeed = 0;
    uint8_t accelenable = 0;
    uint8_t acee = 0;
    ButtonInfo buttons[kButtonEntryCount];
    LedModeInfo ledModes[kLedModeCount];
    QString ProfileName;
    QString ProfilePath;
};

struct DeviceSettings {
    uint8_t currentProfile = 0;
    MouseProfile profiles[kProfileCount];
    uint8_t AngleValue = 0;
    uint8_t LiftHigh = 0;
    uint8_t Sync = 0;
    uint8_t Count = 0;
    uint8_t Jitter = 0;
    uint8_t Debounce = 0;
    uint8_t Wake = 0;
    uint8_t SensorMode = 0;
    QString profileNames[kProfileCount];

    MouseProfile& current() { return profiles[currentProfile % kProfileCount]; }
    const MouseProfile& current() const { return profiles[currentProfile % kProfileCount]; }
};

// The factory profile of the product definition file; a temporary that is
// filled, copied into a profile and dropped.
struct ProductDefinition {
    struct Led {
        QColor RGB;
        int32_t bright = 0;
        int32_t breath = 0;
    };
    struct Button {
        int32_t Fun = 0;
        int32_t LoopNumber = 0;
        int32_t KeyNumber = 0;
        uint8_t Res1 = 0;
        uint8_t Res2 = 0;
        uint8_t Res3 = 0;
        uint8_t Res4 = 0;
    };
    uint8_t dpi = 0;
    int32_t dpiXy[kDpiStageCount] = {};
    int32_t pollrate = 0;
    uint8_t LedMode = 0;
    uint8_t LedMoveOFF = 0;
    Led ledModes[kLedModeCount];
    Button buttons[kProductButtonCount];
};

// The function code of the left click.
constexpr int32_t kFunLeftClick = 1;
// Whether any of the profile's button entries (list, second row or wheel)
// holds the left click, entry `exceptRecord` left aside.
bool hasLeftClick(const MouseProfile& profile, int exceptRecord = -1);

// Field-by-field equality, used by tests and by change detection helpers.
bool operator==(const KeyInfo& a, const KeyInfo& b);
bool operator==(const DpiStage& a, const DpiStage& b);
bool operator==(const ButtonInfo& a, const ButtonInfo& b);
bool operator==(const LedModeInfo& a, const LedModeInfo& b);
bool operator==(const MouseProfile& a, const MouseProfile& b);
inline bool operator!=(const MouseProfile& a, const MouseProfile& b) {
    return !(a == b);
}
