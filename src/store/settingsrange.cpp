#include "settingsrange.h"

#include "appconfig.h"
#include "defaults.h"

#include <algorithm>
#include <iterator>
#include <memory>

namespace {

template <typename T> void clampTo(T& value, int min, int max) {
    value = T(std::clamp<int64_t>(int64_t(value), min, max));
}
template <typename T> void clampTo(T& value, ValueRange range) {
    clampTo(value, range.min, range.max);
}

bool offeredRate(uint8_t code) {
    return std::find(std::begin(kReportRateCodes), std::end(kReportRateCodes), code) !=
           std::end(kReportRateCodes);
}

// The check boxes show 0 as one state and anything else as the other.
uint8_t asFlag(uint8_t value, uint8_t setValue) {
    return value == 0 ? 0 : setValue;
}

} // namespace

SettingsLimits currentSettingsLimits() {
    SettingsLimits limits;
    // A count the records cannot hold, or none at all, leaves every stage in use.
    const int stages = dpiStageCount();
    if (stages > 0) limits.stageCount = std::min(stages, kDpiStageCount);
    limits.steps = sliderRangeFor(readSensorModel(), currentRangeContext());
    // Shown the way the sleep slider shows it: a maximum below the minimum
    // collapses onto the minimum.
    const SleepRange sleep = sleepRange();
    limits.sleep.min = std::clamp(sleep.min, 0, 255);
    limits.sleep.max = std::clamp(sleep.max, limits.sleep.min, 255);

    auto factory = std::make_unique<MouseProfile>();
    makeDefaultProfile(*factory);
    // The product's own factory values may be damaged as well; the built-in
    // stand-ins stay then.
    if (offeredRate(factory->pollrate)) limits.pollrate = factory->pollrate;
    if (factory->LedMode < kLedModeCount) limits.ledMode = factory->LedMode;
    uint8_t options[7];
    if (factoryOptions(options) == 0 && options[5] <= 2) limits.sensorMode = options[5];
    for (int i = 0; i < kLedModeCount; ++i)
        limits.colours[i] = factory->ledModes[i].RGB;
    return limits;
}

void bringIntoRange(MouseProfile& p, const SettingsLimits& limits) {
    if (!offeredRate(p.pollrate)) p.pollrate = limits.pollrate;
    clampTo(p.dpi, 0, limits.stageCount - 1);
    for (DpiStage& stage : p.stages) {
        stage.used = stage.used == 1 ? 1 : 0;
        stage.link = stage.link == 1 ? 1 : 0;
        if (!limits.steps) continue;
        for (uint32_t* step : {&stage.x, &stage.y, &stage.xy})
            clampTo(*step, limits.steps->minStep, limits.steps->maxStep);
    }
    if (p.LedMode >= kLedModeCount) p.LedMode = limits.ledMode;
    p.LedMoveOFF = asFlag(p.LedMoveOFF, 255);
    clampTo(p.LedSleepTime, limits.sleep.min, limits.sleep.max);
    for (int i = 0; i < kLedModeCount; ++i) {
        LedModeInfo& led = p.ledModes[i];
        clampTo(led.bright, kBrightnessRange);
        clampTo(led.breath, kLightSpeedRange);
        if (!led.RGB.isValid()) led.RGB = limits.colours[i];
    }
    clampTo(p.mousespeed, kPointerSpeedRange);
    clampTo(p.scrollspeed, kScrollSpeedRange);
}

void bringIntoRange(DeviceSettings& s, const SettingsLimits& limits) {
    for (MouseProfile& p : s.profiles)
        bringIntoRange(p, limits);
    s.Sync = asFlag(s.Sync, 1);
    s.AngleValue = asFlag(s.AngleValue, 1);
    s.Jitter = asFlag(s.Jitter, 1);
    s.Wake = asFlag(s.Wake, 1);
    // Both lift controls show anything but 1 mm as 2 mm.
    if (s.LiftHigh != 1) s.LiftHigh = 2;
    clampTo(s.Debounce, kKeyResponseRange);
    if (s.SensorMode > 2) s.SensorMode = limits.sensorMode;
}

void bringIntoRange(DeviceSettings& settings) {
    bringIntoRange(settings, currentSettingsLimits());
}
