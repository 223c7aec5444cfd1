// Drawing helpers shared by the artwork: the palette, a canvas drawn in
// logical units at a fixed oversampling, and the recurring shapes.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

namespace skin {

// Every image is drawn at twice its logical size so it stays sharp at a
// display scale of 2 and is smoothed down below that.
constexpr double kOversample = 2.0;

// The palette: deep charcoal surfaces, cool grey lines, one accent.
inline QColor bgDeep() {
    return QColor(15, 16, 19);
}
inline QColor bgBase() {
    return QColor(23, 25, 29);
}
inline QColor bgRaised() {
    return QColor(33, 36, 41);
}
inline QColor bgHigh() {
    return QColor(45, 49, 56);
}
inline QColor line() {
    return QColor(58, 63, 71);
}
inline QColor lineBright() {
    return QColor(86, 92, 102);
}
inline QColor textLight() {
    return QColor(222, 226, 232);
}
inline QColor accent() {
    return QColor(52, 196, 226);
}
inline QColor accentDeep() {
    return QColor(22, 120, 150);
}
inline QColor withAlpha(QColor c, int alpha) {
    c.setAlpha(alpha);
    return c;
}

// A transparent image of logical size w × h, with a painter already scaled
// so that drawing happens in logical units.
class Canvas {
public:
    Canvas(double w, double h, double oversample = kOversample);
    QPainter& p() { return m_painter; }
    QImage finish();

private:
    QImage m_image;
    double m_oversample;
    QPainter m_painter;
};

// Soft shadow or glow around a path: the path stroked repeatedly with
// widening, fading pens (no blur filter, so the result is exact).
void glow(QPainter& p, const QPainterPath& path, const QColor& colour, double radius,
          int steps = 8);

// A rounded panel: vertical gradient fill, 1 px outline, faint top highlight.
void panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& outline);

QPainterPath roundedRect(const QRectF& r, double radius);

} // namespace skin
