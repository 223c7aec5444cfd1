// What the mouse's battery and status reports mean, shared by the window and
// the command-line tool so both show the same figures.
#pragma once

#include <cstdint>

// Battery level 10-100 shown for a raw battery value (high*256 + low);
// `fullMillivolts` is "Config/BatteryFull".
int batteryLevel(int raw, int fullMillivolts);

// Connection display state 0-3 from the command interfaces present and the
// charging flag: 0 cable only, 1 receiver while charging or also cabled,
// 2 wireless through the receiver, 3 nothing.
int connectionState(bool cable, bool receiver, bool charging);

// Report rate in Hz for the codes 8, 4, 2, 1; 0 for any other code.
int reportRateHz(int code);

// The fields of one battery report (the answer to the status poll).
struct BatteryReport {
    uint8_t charge = 0; // non-zero while charging
    uint8_t low = 0;
    uint8_t high = 0;
    uint8_t writeStatus = 0;
    uint8_t variant = 0;

    int raw() const { return high * 256 + low; }
    // All zeros: the mouse is asleep or off behind its receiver.
    bool mouseOff() const { return charge == 0 && low == 0 && high == 0; }
};
BatteryReport batteryReportFrom(const uint8_t* report);
