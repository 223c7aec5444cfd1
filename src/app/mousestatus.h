// How the main window reads the mouse's reports and the screen: report-rate
// notices, and the width rule of the display scale.
#pragma once

#include "batteryreading.h"

#include <QString>

// "125 HZ", "250 HZ", "500 HZ", "1000 HZ" for the codes 8, 4, 2, 1; "" otherwise.
const char* reportRateText(int code);

// The scale index whose window width (999 * scale) lies within 9 pixels of
// `width`, among scales 1.0 to 1.75; -1 when none does.
int scaleIndexForWidth(int width);
