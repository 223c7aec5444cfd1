// The desktop's pointer speed (1-20, 10 = unaccelerated) and its mouse
// settings program.
#pragma once

// The current pointer speed, 1-20; 0 when there is no X11 display.
int readPointerSpeed();
// Applies `speed` (clamped to 1-20); false when there is no X11 display.
bool applyPointerSpeed(int speed);
// Starts the first mouse-settings program the desktop has, detached; false
// when none is installed.
bool openMouseSettings();
