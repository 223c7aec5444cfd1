// The display scale shared by every skinned widget: the main window publishes
// it, the kit reads it, and every logical size is multiplied by it.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

constexpr int kScaleStepCount = 17;

// One step of the display-scale ladder: ratios below `below` get `scale`.
struct ScaleStep {
    double below;
    double scale;
};

// Screen ratio (logical DPI / 96) to scale, first match wins; the last step
// catches everything from 4.8 up.
constexpr ScaleStep kScaleSteps[kScaleStepCount] = {
    {1.1, 1.0}, {1.4, 1.25}, {1.6, 1.5}, {1.8, 1.75}, {2.1, 2.0},  {2.3, 2.25},
    {2.6, 2.5}, {2.8, 2.75}, {3.1, 3.0}, {3.3, 3.25}, {3.6, 3.5},  {3.8, 3.75},
    {4.1, 4.0}, {4.3, 4.25}, {4.6, 4.5}, {4.8, 4.75}, {1e300, 5.0}};

// Index 0-16 of the ladder step for a screen ratio (NaN and negatives give 0).
int scaleIndexForRatio(double ratio);
// The scale of a ladder index (clamped to the ladder).
double scaleForIndex(int index);
// The scale for a screen's logical DPI.
double scaleForLogicalDpi(double logicalDpi);

// Publishes the process-wide scale; values outside 1.0-5.0 (or NaN) are
// clamped so a bad screen report can never collapse or explode the layout.
void setDisplayScale(double scale);
double displayScale();

// Logical to device values, truncated toward zero like every geometry in the
// program.
int scaled(int logical, double scale);
int scaled(int logical);
QSize scaledSize(const QSize& logical, double scale);
QSize scaledSize(const QSize& logical);
QRect scaledRect(const QRect& logical, double scale);
QRect scaledRect(const QRect& logical);
QRect scaledRect(int x, int y, int w, int h);
// A copy of `font` with its pixel size set to logicalPixels × scale, truncated
// (left unchanged when that is not positive).
QFont scaledFont(const QFont& font, int logicalPixels, double scale);
