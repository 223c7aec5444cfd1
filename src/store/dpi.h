// DPI numbers for the sensor step codes that DPI stages hold.
#pragma once

#include <QString>
#include <cstdint>

// The DPI shown for step code `a` on sensor model `sensor` ("MouseSenSor/1");
// 0 for a sensor the program does not know.
int dpiFromStep(uint32_t a, int sensor);

// The step between `minStep` and `maxStep` whose DPI on `sensor` is nearest
// to `dpi` (the lower step on a tie): what a typed DPI value is stored as.
uint32_t stepForDpi(int dpi, int sensor, int minStep, int maxStep);

// A DPI value typed for a stage: one number for both axes, or, where the
// stage's axes are apart, two ("X Y"). Every value must lie in the DPI range
// of `minStep`..`maxStep` and is then stored as its nearest step, as above.
struct TypedDpi {
    enum class Outcome { Ok, NotANumber, OutOfRange };
    Outcome outcome = Outcome::NotANumber;
    uint32_t x = 0; // the steps to store
    uint32_t y = 0;
    int minDpi = 0; // the range a value must lie in, for the refusal
    int maxDpi = 0;
    bool ok() const { return outcome == Outcome::Ok; }
};
TypedDpi readTypedDpi(const QString& text, int sensor, int minStep, int maxStep, bool pair);
