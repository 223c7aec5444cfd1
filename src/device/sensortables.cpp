#include "sensortables.h"

#include <iterator>

namespace {

// Calibration data of the sensors: for each step the value of the sensor's
// resolution register. Only the table lengths, index ranges, the first and the
// last entries are fixed by the device; the values between were filled in by
// linear interpolation between those fixed ends (rounded to the nearest
// integer), which matches the sensors' near-linear rise. Tables 4 and 11 have no
// fixed last entry: they continue the slope of their low-resolution partners
// (tables 3 and 10, about 1.2 per step) for 60 and 80 steps. Index 0 of
// tables 3, 8 and 10, and index 1 of table 8, are below the first step used.
constexpr uint8_t kSensorTable1[51] = {0,  2,  4,  6,  8,  11,  13,  15,  18,  20,  22,  25, 27,
                                       29, 32, 34, 36, 39, 41,  43,  46,  48,  50,  53,  55, 57,
                                       60, 62, 64, 66, 69, 71,  73,  76,  78,  80,  83,  85, 87,
                                       90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};
constexpr uint8_t kSensorTable2[25] = {59, 62, 64, 66, 69, 71,  73,  76,  78,  80,  83,  85, 87,
                                       90, 92, 94, 97, 99, 101, 104, 106, 108, 111, 113, 115};
constexpr uint8_t kSensorTable3[121] = {
    0,   0,   2,   3,   4,   5,   6,   7,   9,   10,  11,  13,  14,  15,  16,  17,  19,  20,
    21,  22,  23,  25,  26,  27,  28,  29,  31,  32,  33,  34,  35,  37,  38,  39,  40,  41,
    43,  44,  45,  46,  47,  49,  50,  51,  52,  53,  55,  56,  57,  58,  59,  61,  62,  63,
    64,  65,  67,  68,  69,  70,  71,  73,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,
    86,  87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,  100, 101, 102, 104, 105, 106,
    107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128,
    129, 130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143};
constexpr uint8_t kSensorTable4[60] = {72,  74,  75,  76,  77,  78,  80,  81,  82,  83,  84,  86,
                                       87,  88,  89,  90,  92,  93,  94,  95,  96,  98,  99,  100,
                                       101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114,
                                       116, 117, 118, 119, 120, 122, 123, 124, 125, 126, 128, 129,
                                       130, 131, 132, 134, 135, 136, 137, 138, 140, 141, 142, 143};
constexpr uint8_t kSensorTable5[62] = {
    0,   4,   6,   9,   11,  13,  16,  18,  20,  22,  25,  27,  29,  31,  34,  36,
    38,  40,  43,  45,  47,  50,  52,  54,  56,  59,  61,  63,  65,  68,  70,  72,
    74,  77,  79,  81,  84,  86,  88,  90,  93,  95,  97,  99,  102, 104, 106, 109,
    111, 113, 115, 118, 120, 122, 124, 127, 129, 131, 133, 136, 138, 140};
constexpr uint8_t kSensorTable6[31] = {72,  74,  77,  79,  82,  84,  86,  88,  91,  93,  95,
                                       97,  100, 102, 104, 106, 109, 111, 113, 115, 118, 120,
                                       122, 124, 127, 129, 131, 133, 136, 138, 140};
constexpr uint8_t kSensorTable7[21] = {95,  97,  99,  101, 104, 106, 108, 110, 113, 115, 117,
                                       120, 122, 124, 127, 129, 131, 133, 136, 138, 140};
constexpr uint8_t kSensorTable8[80] = {
    0,   2,   4,   6,   9,   11,  14,  16,  19,  21,  23,  26,  28,  30,  33,  35,
    37,  40,  42,  44,  47,  49,  51,  54,  56,  58,  61,  63,  65,  68,  70,  72,
    75,  77,  79,  82,  84,  86,  89,  91,  93,  96,  98,  100, 103, 105, 107, 110,
    112, 114, 117, 119, 121, 124, 126, 128, 131, 133, 135, 138, 140, 142, 145, 147,
    149, 152, 154, 156, 159, 161, 163, 166, 168, 170, 173, 175, 177, 180, 182, 185};
constexpr uint8_t kSensorTable9[40] = {93,  95,  98,  100, 103, 105, 107, 110, 112, 114,
                                       117, 119, 121, 124, 126, 128, 131, 133, 135, 138,
                                       140, 142, 145, 147, 149, 152, 154, 156, 159, 161,
                                       163, 166, 168, 170, 173, 175, 177, 180, 182, 185};
constexpr uint8_t kSensorTable10[161] = {
    0,   0,   2,   3,   4,   5,   6,   8,   9,   10,  11,  12,  13,  15,  16,  17,  18,  19,
    21,  22,  23,  24,  25,  27,  28,  29,  30,  31,  32,  34,  35,  36,  37,  38,  40,  41,
    42,  43,  44,  46,  47,  48,  49,  50,  51,  53,  54,  55,  56,  57,  59,  60,  61,  62,
    63,  65,  66,  67,  68,  69,  70,  72,  73,  74,  75,  76,  78,  79,  80,  81,  82,  84,
    85,  86,  87,  88,  89,  91,  92,  93,  94,  95,  97,  98,  99,  100, 101, 103, 104, 105,
    106, 107, 108, 110, 111, 112, 113, 114, 116, 117, 118, 119, 120, 122, 123, 124, 125, 126,
    127, 129, 130, 131, 132, 133, 135, 136, 137, 138, 139, 141, 142, 143, 144, 145, 146, 148,
    149, 150, 151, 152, 154, 155, 156, 157, 158, 160, 161, 162, 163, 164, 165, 167, 168, 169,
    170, 171, 173, 174, 175, 176, 177, 179, 180, 181, 182, 183, 184, 186, 187, 188, 188};
constexpr uint8_t kSensorTable11[80] = {
    96,  98,  99,  100, 101, 102, 104, 105, 106, 107, 108, 110, 111, 112, 113, 114,
    115, 117, 118, 119, 120, 121, 123, 124, 125, 126, 127, 129, 130, 131, 132, 133,
    135, 136, 137, 138, 139, 140, 142, 143, 144, 145, 146, 148, 149, 150, 151, 152,
    154, 155, 156, 157, 158, 160, 161, 162, 163, 164, 165, 167, 168, 169, 170, 171,
    173, 174, 175, 176, 177, 179, 180, 181, 182, 183, 184, 186, 187, 188, 189, 190};

} // namespace

SensorTable sensorTable(int number) {
    switch (number) {
    case 1:
        return {kSensorTable1, int(std::size(kSensorTable1))};
    case 2:
        return {kSensorTable2, int(std::size(kSensorTable2))};
    case 3:
        return {kSensorTable3, int(std::size(kSensorTable3))};
    case 4:
        return {kSensorTable4, int(std::size(kSensorTable4))};
    case 5:
        return {kSensorTable5, int(std::size(kSensorTable5))};
    case 6:
        return {kSensorTable6, int(std::size(kSensorTable6))};
    case 7:
        return {kSensorTable7, int(std::size(kSensorTable7))};
    case 8:
        return {kSensorTable8, int(std::size(kSensorTable8))};
    case 9:
        return {kSensorTable9, int(std::size(kSensorTable9))};
    case 10:
        return {kSensorTable10, int(std::size(kSensorTable10))};
    case 11:
        return {kSensorTable11, int(std::size(kSensorTable11))};
    default:
        return {nullptr, 0};
    }
}

uint8_t sensorTableValue(int number, long long index) {
    const SensorTable t = sensorTable(number);
    if (t.size == 0) return 0;
    if (index < 0) index = 0;
    if (index >= t.size) index = t.size - 1;
    return t.values[index];
}
