// Opens the desktop's own mouse settings.
#pragma once

// Starts the first mouse-settings program the desktop has, detached; false
// when none is installed.
bool openMouseSettings();
