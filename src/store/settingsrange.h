// Bringing loaded settings into the ranges the window can show, so that what
// the mouse is sent is always what the user saw.
#pragma once

#include "productdef.h"
#include "records.h"
#include "sliderrange.h"

#include <cstdint>
#include <optional>

// Report-rate codes the window offers (125, 250, 500 and 1000 Hz).
constexpr uint8_t kReportRateCodes[] = {8, 4, 2, 1};

struct ValueRange {
    int min;
    int max;
};
constexpr ValueRange kBrightnessRange{1, 3};
constexpr ValueRange kLightSpeedRange{1, 5};
constexpr ValueRange kPointerSpeedRange{1, 20};
constexpr ValueRange kScrollSpeedRange{1, 20};
constexpr ValueRange kKeyResponseRange{1, 255};

// What the valid ranges depend on: the product, its sensor and its factory values.
struct SettingsLimits {
    int stageCount = kDpiStageCount;
    std::optional<SliderRange> steps; // nothing for a sensor without a range row
    SleepRange sleep;
    // Stand-ins for enumerations with no nearest value.
    uint8_t pollrate = 1;
    uint8_t ledMode = 9;
    uint8_t sensorMode = 1;
    QColor colours[kLedModeCount];
};
// The limits of the product in use, read from its files.
SettingsLimits currentSettingsLimits();

// Moves every value the window edits into its range: the nearest valid value,
// or the factory value for an enumeration.
void bringIntoRange(MouseProfile& profile, const SettingsLimits& limits);
void bringIntoRange(DeviceSettings& settings, const SettingsLimits& limits);
void bringIntoRange(DeviceSettings& settings);
