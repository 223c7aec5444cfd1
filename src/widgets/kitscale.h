// The display scale shared by every skinned widget: the main window publishes
// it, the kit reads it, and every logical size is multiplied by it.
#pragma once

#include <QFont>
#include <QRect>
#include <QSize>

class QPixmap;
class QScreen;

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

// The one rule from a screen to the program's own scale, which multiplies
// every logical size. The toolkit may scale by itself too (Qt 6 always does:
// its device pixel ratio is the desktop's DPI / 96 on X11, the output scale on
// Wayland); a screen then reports its logical DPI net of that ratio, so the
// ladder step of that DPI is what is left for the program, and the two never
// multiply. Where the toolkit does not scale (ratio 1) the step is the whole
// scale. A null screen counts as 96 DPI.
struct ScreenScale {
    int index = 0;            // ladder step of the program's own scale
    double scale = 1.0;       // scaleForIndex(index)
    double deviceRatio = 1.0; // the toolkit's device pixels per logical pixel
};
ScreenScale screenScale(double logicalDpi, double deviceRatio);
ScreenScale screenScale(const QScreen* screen);

// Publishes the process-wide scale; values outside 1.0-5.0 (or NaN) are
// clamped so a bad screen report can never collapse or explode the layout.
void setDisplayScale(double scale);
double displayScale();

// Publishes the toolkit's device pixel ratio that pictures made ahead of
// painting are made for (clamped to 1.0-8.0); until one is published it is the
// application's own (1.0 without an application).
void setDeviceRatio(double ratio);
double deviceRatio();
// The pixels a picture needs to show sharp at `logical` size: logical × the
// device ratio, rounded up. Such a picture carries the ratio
// (QPixmap::setDevicePixelRatio) so it is drawn at the logical size.
QSize devicePixelSize(const QSize& logical);
// An empty picture to paint ahead in logical coordinates: devicePixelSize
// pixels, carrying the device ratio.
QPixmap devicePixmap(const QSize& logical);
// The logical size a picture is drawn at: its pixels over its ratio.
QSize shownSize(const QPixmap& pm);

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
