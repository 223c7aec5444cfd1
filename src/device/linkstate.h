// Process-wide facts about the mouse learnt from its battery reports.
#pragma once

#include <cstdint>

// Byte 10 of the last battery report: the device variant (8 limits one
// sensor's DPI values).
uint8_t lastBatteryVariant();
void setLastBatteryVariant(uint8_t variant);

// Set while the last battery report was all zeros (mouse asleep or off); a
// profile write then fails at once with the mouse-off result.
bool mouseOffFlag();
void setMouseOffFlag(bool off);
