#include "kitscale.h"

#include <atomic>
#include <cmath>

namespace {
// Read from paint code on the GUI thread and from worker-created dialogs; an
// atomic keeps the publish visible without a lock.
std::atomic<double> g_scale{1.0};
} // namespace

int scaleIndexForRatio(double ratio) {
    if (!(ratio >= 0.0)) return 0;
    for (int i = 0; i < kScaleStepCount; ++i)
        if (ratio < kScaleSteps[i].below) return i;
    return kScaleStepCount - 1;
}

double scaleForIndex(int index) {
    if (index < 0) index = 0;
    if (index >= kScaleStepCount) index = kScaleStepCount - 1;
    return kScaleSteps[index].scale;
}

double scaleForLogicalDpi(double logicalDpi) {
    return scaleForIndex(scaleIndexForRatio(logicalDpi / 96.0));
}

void setDisplayScale(double scale) {
    if (!(scale >= 1.0)) scale = 1.0;
    if (scale > 5.0) scale = 5.0;
    g_scale.store(scale);
}

double displayScale() {
    return g_scale.load();
}

int scaled(int logical, double scale) {
    return int(logical * scale);
}
int scaled(int logical) {
    return scaled(logical, displayScale());
}

QSize scaledSize(const QSize& logical, double scale) {
    return QSize(scaled(logical.width(), scale), scaled(logical.height(), scale));
}
QSize scaledSize(const QSize& logical) {
    return scaledSize(logical, displayScale());
}

QRect scaledRect(const QRect& logical, double scale) {
    return QRect(scaled(logical.x(), scale), scaled(logical.y(), scale),
                 scaled(logical.width(), scale), scaled(logical.height(), scale));
}
QRect scaledRect(const QRect& logical) {
    return scaledRect(logical, displayScale());
}
QRect scaledRect(int x, int y, int w, int h) {
    return scaledRect(QRect(x, y, w, h));
}

QFont scaledFont(const QFont& font, int logicalPixels, double scale) {
    QFont out(font);
    const int px = scaled(logicalPixels, scale);
    if (px > 0) out.setPixelSize(px);
    return out;
}
