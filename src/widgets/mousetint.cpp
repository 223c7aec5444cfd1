#include "mousetint.h"

#include "kittheme.h"
#include "records.h"

#include <QPixmapCache>
#include <algorithm>

LightTint lightTintFor(int ledMode, const QColor& colour) {
    if (ledMode == 1 || ledMode == 2) {
        const QColor c = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
        return {LightTint::Colour, QColor(c.red(), c.green(), c.blue())};
    }
    if (ledMode > 2 && ledMode < kLedModeCount) return {LightTint::Spectrum, QColor()};
    return {LightTint::Dark, QColor()};
}

namespace {

int mix(int from, int to, int weight) {
    return (from * (255 - weight) + to * weight + 127) / 255;
}

// Twice round the colour circle from top to bottom, so even a short light
// strip shows several colours.
QRgb spectrumAt(int y, int height) {
    return QColor::fromHsv(int(720LL * y / std::max(1, height)) % 360, 255, 255).rgb();
}

} // namespace

QImage tintedMouse(const QImage& base, const QImage& mask, const LightTint& tint) {
    if (base.isNull() || mask.isNull() || tint.kind == LightTint::Plain) return base;
    QImage out = base.convertToFormat(QImage::Format_ARGB32);
    const QImage sized =
        mask.size() == base.size()
            ? mask
            : mask.scaled(base.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QImage alpha = sized.convertToFormat(QImage::Format_Alpha8);
    if (alpha.size() != out.size()) return base;
    const int h = out.height();
    for (int y = 0; y < h; ++y) {
        auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
        const uchar* weight = alpha.constScanLine(y);
        const QRgb light = tint.kind == LightTint::Spectrum ? spectrumAt(y, h) : tint.colour.rgb();
        for (int x = 0; x < out.width(); ++x) {
            const int k = weight[x];
            if (k == 0) continue;
            const QRgb px = row[x];
            // The light's brightness in the picture is the pixel's value; off,
            // the part keeps a little of it as dark grey plastic.
            const int v = std::max({qRed(px), qGreen(px), qBlue(px)});
            int r, g, b;
            if (tint.kind == LightTint::Dark) {
                r = g = b = v * 3 / 10;
            } else {
                r = qRed(light) * v / 255;
                g = qGreen(light) * v / 255;
                b = qBlue(light) * v / 255;
            }
            row[x] =
                qRgba(mix(qRed(px), r, k), mix(qGreen(px), g, k), mix(qBlue(px), b, k), qAlpha(px));
        }
    }
    return out;
}

QPixmap tintedSkinPixmap(const QString& picture, const QString& mask, const QSize& size,
                         const LightTint& tint) {
    const QPixmap plain = scaledSkinPixmap(picture, size);
    if (plain.isNull() || tint.kind == LightTint::Plain) return plain;
    // One look kept, not one per colour: a colour dragged through the editor
    // would fill the pixmap cache with looks never shown again.
    static const QString kLast = QStringLiteral("mousetint:last");
    static QString lastKey;
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6")
                            .arg(skinPath(picture), skinPath(mask))
                            .arg(size.width())
                            .arg(size.height())
                            .arg(int(tint.kind))
                            .arg(tint.colour.rgba(), 0, 16);
    QPixmap pm;
    if (key == lastKey && QPixmapCache::find(kLast, &pm)) return pm;
    const QPixmap lights = scaledSkinPixmap(mask, size);
    if (lights.isNull()) return plain;
    pm = QPixmap::fromImage(tintedMouse(plain.toImage(), lights.toImage(), tint));
    pm.setDevicePixelRatio(plain.devicePixelRatio());
    QPixmapCache::insert(kLast, pm);
    lastKey = key;
    return pm;
}
