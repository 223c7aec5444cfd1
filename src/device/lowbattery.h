// When to tell the user the mouse's battery runs low: fed each battery
// reading, it names the warning due, so the window and a watching command
// warn alike.
#pragma once

enum class LowBatteryWarning { None, Low, Critical };

// Levels in percent at or below which a warning is due; 0 switches it off.
// The configuration holds them ("Config/BatteryWarn", "Config/BatteryCritical").
struct LowBatteryThresholds {
    int low;
    int critical;
};

// What was already said in the current discharge.
struct LowBatteryState {
    bool lowSent = false;
    bool criticalSent = false;
};

// `level` is the shown level (10-100); a report of a sleeping mouse is no
// reading and is not fed. Charging starts a new discharge.
LowBatteryWarning nextLowBatteryWarning(LowBatteryState& state,
                                        const LowBatteryThresholds& thresholds, int level,
                                        bool charging);
