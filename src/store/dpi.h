// DPI numbers for the sensor step codes that DPI stages hold.
#pragma once

#include <cstdint>

// The DPI shown for step code `a` on sensor model `sensor` ("MouseSenSor/1");
// 0 for a sensor the program does not know.
int dpiFromStep(uint32_t a, int sensor);

// The step between `minStep` and `maxStep` whose DPI on `sensor` is nearest
// to `dpi` (the lower step on a tie): what a typed DPI value is stored as.
uint32_t stepForDpi(int dpi, int sensor, int minStep, int maxStep);
