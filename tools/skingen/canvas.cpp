#include "canvas.h"

#include <cmath>

namespace skin {

Canvas::Canvas(double w, double h, double oversample)
    : m_image(int(std::lround(w * oversample)), int(std::lround(h * oversample)),
              QImage::Format_ARGB32_Premultiplied),
      m_oversample(oversample) {
    m_image.fill(Qt::transparent);
    m_painter.begin(&m_image);
    m_painter.setRenderHint(QPainter::Antialiasing);
    m_painter.setRenderHint(QPainter::SmoothPixmapTransform);
    m_painter.scale(oversample, oversample);
}

QImage Canvas::finish() {
    m_painter.end();
    QImage out = m_image.convertToFormat(QImage::Format_ARGB32);
    // Fixed resolution (96 dpi times the oversampling): left alone, Qt takes
    // it from the screen and the files would differ between machines.
    const int dpm = int(std::lround(3780 * m_oversample));
    out.setDotsPerMeterX(dpm);
    out.setDotsPerMeterY(dpm);
    return out;
}

void glow(QPainter& p, const QPainterPath& path, const QColor& colour, double radius, int steps) {
    p.save();
    p.setBrush(Qt::NoBrush);
    for (int i = steps; i >= 1; --i) {
        const double w = radius * 2.0 * i / steps;
        QColor c = colour;
        c.setAlphaF(colour.alphaF() * (1.0 - double(i - 1) / steps) / steps * 1.6);
        p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    }
    p.restore();
}

QPainterPath roundedRect(const QRectF& r, double radius) {
    QPainterPath path;
    path.addRoundedRect(r, radius, radius);
    return path;
}

void panel(QPainter& p, const QRectF& r, double radius, const QColor& top, const QColor& bottom,
           const QColor& outline) {
    p.save();
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    const QRectF inner = r.adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(outline, 1.0));
    p.setBrush(g);
    p.drawRoundedRect(inner, radius, radius);
    // Light catches the top edge only.
    QLinearGradient hl(r.topLeft(), QPointF(r.left(), r.top() + qMin(r.height(), radius * 2 + 4)));
    hl.setColorAt(0, QColor(255, 255, 255, 22));
    hl.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(QPen(QBrush(hl), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(inner.adjusted(1, 1, -1, -1), qMax(0.0, radius - 1), qMax(0.0, radius - 1));
    p.restore();
}

} // namespace skin
