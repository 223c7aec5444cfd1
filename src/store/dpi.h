// DPI numbers for the sensor step codes that DPI stages hold.
#pragma once

#include <cstdint>

// The DPI shown for step code `a` on sensor model `sensor` ("MouseSenSor/1");
// 0 for a sensor the program does not know.
int dpiFromStep(uint32_t a, int sensor);
