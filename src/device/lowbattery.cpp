#include "lowbattery.h"

LowBatteryWarning nextLowBatteryWarning(LowBatteryState& state,
                                        const LowBatteryThresholds& thresholds, int level,
                                        bool charging) {
    if (charging) {
        state = LowBatteryState();
        return LowBatteryWarning::None;
    }
    // The state only moves on, never back, so a level wavering across a
    // threshold under load warns once.
    if (thresholds.critical > 0 && level <= thresholds.critical && !state.criticalSent) {
        // Once it is critical the milder warning would only be noise.
        state.criticalSent = true;
        state.lowSent = true;
        return LowBatteryWarning::Critical;
    }
    if (thresholds.low > 0 && level <= thresholds.low && !state.lowSent) {
        state.lowSent = true;
        return LowBatteryWarning::Low;
    }
    return LowBatteryWarning::None;
}
