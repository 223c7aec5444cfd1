// How the main window reads the mouse's reports and the screen: connection
// display state, report-rate notices, and the width rule of the display scale.
#pragma once

#include "batteryreading.h"

#include <QString>

// Connection display state 0-3 from the command interfaces present and the
// charging flag: 0 cable only, 1 receiver while charging or also cabled,
// 2 wireless through the receiver, 3 nothing.
int connectionState(bool cable, bool receiver, bool charging);

// "125 HZ", "250 HZ", "500 HZ", "1000 HZ" for the codes 8, 4, 2, 1; "" otherwise.
const char* reportRateText(int code);

// The scale index whose window width (999 * scale) lies within 9 pixels of
// `width`, among scales 1.0 to 1.75; -1 when none does.
int scaleIndexForWidth(int width);
