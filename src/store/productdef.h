// Readers of the product definition file "DefaultProfile.bin" (read only).
#pragma once

#include "records.h"

#include <QString>
#include <cstdint>
#include <optional>

constexpr int kDefaultVid = 0x248A;
constexpr int kDefaultPid1 = 0xFA02;
constexpr int kDefaultPid2 = 0xFB01;

QString productName();
QString productVersion();
int buttonCount();   // ButtonCount XOR MouseDpi
int dpiStageCount(); // DPICount XOR ButtonCount XOR MouseDpi
int disableMacro();
int showSleep();
int scrollReverse();
int minDelay();
int sensorFlag33254();
int colorMode();
int ledDisable();
int syncMode();
int frenchLanguage();

struct SleepRange {
    int min = 1;
    int max = 9;
};
SleepRange sleepRange();

struct UsbIds {
    int vid1 = kDefaultVid;
    int pid1 = kDefaultPid1;
    int vid2 = kDefaultVid;
    int pid2 = kDefaultPid2;
};
UsbIds usbIds();
// The IDs the program will look for with the product definition at `path`
// (undeclared ones take the defaults, as above); nothing when the file cannot
// be read or declares none of them.
std::optional<UsbIds> usbIdsIn(const QString& path);

// The table readers return -1 without touching their output when the file
// does not exist.
int buttonSlotMap(uint8_t (&slotTable)[kProductButtonCount]);
int buttonLayoutMap(int8_t (&layout)[kProductButtonCount]); // returns the button count
// Order: lift, angle, butondelay, jitter, wake, sensormode, sync.
int factoryOptions(uint8_t (&options)[7]);
int loadProductDefinition(ProductDefinition& def);

// The device's button slot for interface button i, loaded with the profiles.
uint8_t (&globalButtonSlotMap())[kProductButtonCount];
