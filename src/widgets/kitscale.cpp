#include "kitscale.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <atomic>
#include <cmath>

namespace {
// Read from paint code on the GUI thread and from worker-created dialogs; an
// atomic keeps the publish visible without a lock.
std::atomic<double> g_scale{1.0};
// 0 until published: the application's own ratio then.
std::atomic<double> g_ratio{0.0};
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

ScreenScale screenScale(double logicalDpi, double deviceRatio) {
    ScreenScale s;
    s.index = scaleIndexForRatio(logicalDpi / 96.0);
    s.scale = scaleForIndex(s.index);
    s.deviceRatio = deviceRatio >= 1.0 ? deviceRatio : 1.0;
    return s;
}

ScreenScale screenScale(const QScreen* screen) {
    if (!screen) return screenScale(96.0, 1.0);
    return screenScale(screen->logicalDotsPerInch(), screen->devicePixelRatio());
}

void setDisplayScale(double scale) {
    if (!(scale >= 1.0)) scale = 1.0;
    if (scale > 5.0) scale = 5.0;
    g_scale.store(scale);
}

double displayScale() {
    return g_scale.load();
}

void setDeviceRatio(double ratio) {
    if (!(ratio >= 1.0)) ratio = 1.0;
    if (ratio > 8.0) ratio = 8.0;
    g_ratio.store(ratio);
}

double deviceRatio() {
    const double published = g_ratio.load();
    if (published > 0.0) return published;
    const auto* app = qobject_cast<QGuiApplication*>(QCoreApplication::instance());
    return app ? qMax(1.0, double(app->devicePixelRatio())) : 1.0;
}

QSize devicePixelSize(const QSize& logical) {
    const double r = deviceRatio();
    return QSize(int(std::ceil(logical.width() * r)), int(std::ceil(logical.height() * r)));
}

QPixmap devicePixmap(const QSize& logical) {
    QPixmap pm(devicePixelSize(logical));
    pm.setDevicePixelRatio(deviceRatio());
    return pm;
}

QSize shownSize(const QPixmap& pm) {
    const double r = pm.devicePixelRatio();
    return QSize(int(pm.width() / r), int(pm.height() / r));
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
