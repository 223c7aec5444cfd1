#include "mouseart.h"

#include "canvas.h"

#include <QtMath>

namespace skin {

namespace {

constexpr double kW = 300, kH = 400;

QPainterPath topBody() {
    QPainterPath b;
    b.moveTo(150, 22);
    b.cubicTo(200, 22, 228, 42, 231, 92);
    b.cubicTo(234, 150, 221, 192, 225, 240);
    b.cubicTo(231, 300, 222, 374, 150, 383);
    b.cubicTo(78, 374, 69, 300, 75, 240);
    b.cubicTo(79, 192, 66, 150, 69, 92);
    b.cubicTo(72, 42, 100, 22, 150, 22);
    b.closeSubpath();
    return b;
}

QPainterPath mainButtonZone(bool left) {
    QPainterPath z;
    if (left) {
        z.moveTo(0, 0);
        z.lineTo(148.6, 0);
        z.lineTo(148.6, 176);
        z.quadTo(110, 166, 0, 152);
    } else {
        z.moveTo(300, 0);
        z.lineTo(151.4, 0);
        z.lineTo(151.4, 176);
        z.quadTo(190, 166, 300, 152);
    }
    z.closeSubpath();
    return z;
}

QPainterPath wheelPath() {
    return roundedRect(QRectF(142.5, 58, 15, 54), 7);
}
QPainterPath wheelWell() {
    return roundedRect(QRectF(138.5, 52, 23, 66), 9);
}
QPainterPath dpiWell() {
    return roundedRect(QRectF(141, 121, 18, 46), 6);
}

// The recesses along the centre line that the main buttons wrap around.
QPainterPath centreWells() {
    return wheelWell().united(dpiWell());
}

// The area of button n (1-based) on the top view.
QPainterPath buttonArea(int n) {
    const QPainterPath body = topBody();
    switch (n) {
    case 1:
    case 2:
        return mainButtonZone(n == 1).intersected(body).subtracted(centreWells());
    case 3:
        return wheelPath();
    case 4:
        return roundedRect(QRectF(62, 188, 16, 42), 5);
    case 5:
        return roundedRect(QRectF(62, 234, 16, 42), 5);
    case 6:
        return roundedRect(QRectF(143.5, 124, 13, 18), 4);
    case 7:
        return roundedRect(QRectF(143.5, 146, 13, 18), 4);
    case 8:
        return roundedRect(QRectF(65, 140, 14, 34), 5);
    default: {
        // Further buttons line up along the right flank.
        const int k = qBound(0, n - 9, kMaxDrawnButtons - 9);
        return roundedRect(QRectF(222, 176 + 36.0 * (k % 5), 14, 30), 5);
    }
    }
}

bool isFlankButton(int n) {
    return n == 4 || n == 5 || n >= 8;
}

void drawButtonCap(QPainter& p, const QPainterPath& area) {
    QLinearGradient g(area.boundingRect().topLeft(), area.boundingRect().topRight());
    g.setColorAt(0, QColor(46, 50, 57));
    g.setColorAt(0.5, QColor(70, 75, 84));
    g.setColorAt(1, QColor(40, 43, 49));
    p.setPen(QPen(QColor(14, 15, 18), 1.2));
    p.setBrush(g);
    p.drawPath(area);
}

void lightUp(QPainter& p, const QPainterPath& area) {
    glow(p, area, withAlpha(accent(), 200), 9, 10);
    const QRectF b = area.boundingRect();
    QLinearGradient g(b.topLeft(), b.bottomLeft());
    g.setColorAt(0, withAlpha(accent().lighter(125), 175));
    g.setColorAt(1, withAlpha(accent(), 95));
    p.setPen(QPen(accent().lighter(150), 1.4));
    p.setBrush(g);
    p.drawPath(area);
}

// A hexagon standing on a point, as the honeycomb and the logo draw it.
QPainterPath hexagon(const QPointF& c, double r) {
    QPainterPath h;
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(60.0 * i - 90.0);
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        i == 0 ? h.moveTo(pt) : h.lineTo(pt);
    }
    h.closeSubpath();
    return h;
}

// The mask marks each hole whole: the light fills it to its dark rim.
void hexHoles(QPainter& p, const QPainterPath& clip, bool mask = false) {
    p.save();
    p.setClipPath(clip);
    const double r = 7.5;
    const double dx = r * std::sqrt(3.0) + 3.0;
    const double dy = r * 1.5 + 2.6;
    int row = 0;
    for (double y = 196; y < 372; y += dy, ++row) {
        for (double x = 84 + (row % 2 ? dx / 2 : 0); x < 220; x += dx) {
            const QPainterPath h = hexagon(QPointF(x, y), r);
            if (mask) {
                p.setPen(Qt::NoPen);
                p.setBrush(Qt::white);
                p.drawPath(h);
                continue;
            }
            QRadialGradient g(QPointF(x, y + 2), r * 1.2);
            g.setColorAt(0, withAlpha(accent(), 120));
            g.setColorAt(1, QColor(8, 9, 11));
            p.setPen(QPen(QColor(92, 98, 108, 160), 0.8));
            p.setBrush(g);
            p.drawPath(h);
        }
    }
    p.restore();
}

constexpr QPointF kLogoCentre(150, 300);
constexpr double kLogoRadius = 14;
constexpr double kStripGlow = 5;

void logoOn(QPainter& p, int alpha) {
    const QPointF& c = kLogoCentre;
    const double r = kLogoRadius;
    const QPainterPath hex = hexagon(c, r);
    glow(p, hex, withAlpha(accent(), alpha), r * 0.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(withAlpha(accent(), qMin(255, alpha + 60)), r * 0.16, Qt::SolidLine, Qt::RoundCap,
                  Qt::RoundJoin));
    p.drawPath(hex);
    QPainterPath v;
    v.moveTo(c.x() - r * 0.42, c.y() - r * 0.28);
    v.lineTo(c.x(), c.y() + r * 0.34);
    v.lineTo(c.x() + r * 0.42, c.y() - r * 0.28);
    p.setPen(
        QPen(QColor(220, 226, 232, alpha), r * 0.16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(v);
}

// The top view and its lighting mask are drawn through one transform.
void topTransform(QPainter& p, const MouseStyle& style) {
    p.translate(150, 205);
    p.scale(style.widthScale, style.lengthScale);
    p.translate(-150, -205);
}

// The parts of the top view that carry the mouse's lighting.
QPainterPath wheelRing() {
    return roundedRect(QRectF(140.5, 55, 19, 60), 8.5);
}

QPainterPath sideStrip(int side) {
    QPainterPath strip;
    const double x0 = side ? 217.5 : 82.5;
    const double bend = side ? 5.0 : -5.0;
    strip.moveTo(x0, 198);
    strip.cubicTo(x0 + bend, 240, x0 + bend, 300, x0 + bend * 2.2, 338);
    return strip;
}

// Where the honeycomb shows the light inside: the rear of the shell, short
// of its rim and of the logo.
QPainterPath perforatedArea() {
    const QPainterPath body = topBody();
    QPainterPath rear;
    rear.addRect(QRectF(0, 190, kW, kH));
    QPainterPathStroker rim;
    rim.setWidth(18);
    QPainterPath logoDisc;
    logoDisc.addEllipse(kLogoCentre, 24, 24);
    return rear.intersected(body).subtracted(rim.createStroke(body)).subtracted(logoDisc);
}

} // namespace

MouseStyle mouseStyleFor(const QString& product, int buttons) {
    MouseStyle s;
    s.product = product;
    s.buttons = qBound(1, buttons, kMaxDrawnButtons);
    const QString key = product.toLower();
    if (key.contains(QLatin1String("aero"))) {
        s.widthScale = 0.96;
        s.lengthScale = 1.02;
        s.perforated = true;
    } else if (key.contains(QLatin1String("pico"))) {
        s.widthScale = 0.88;
        s.lengthScale = 0.86;
    } else {
        s.sideStrips = true;
    }
    return s;
}

QImage mouseTop(const MouseStyle& style, int lit) {
    Canvas cv(kW, kH);
    QPainter& p = cv.p();
    topTransform(p, style);

    const QPainterPath body = topBody();
    const int count = qBound(1, style.buttons, kMaxDrawnButtons);

    // Shadow on the stage.
    p.save();
    p.translate(0, 9);
    glow(p, body, QColor(0, 0, 0, 170), 16, 12);
    p.restore();

    // Flank buttons stick out from under the shell.
    for (int n = 1; n <= count; ++n)
        if (isFlankButton(n)) drawButtonCap(p, buttonArea(n));

    // The shell: a ridge of light down the middle, darker flanks.
    QLinearGradient shell(69, 0, 231, 0);
    shell.setColorAt(0, QColor(30, 32, 37));
    shell.setColorAt(0.42, QColor(58, 62, 70));
    shell.setColorAt(0.5, QColor(66, 71, 80));
    shell.setColorAt(0.58, QColor(56, 60, 68));
    shell.setColorAt(1, QColor(27, 29, 33));
    p.setPen(Qt::NoPen);
    p.setBrush(shell);
    p.drawPath(body);
    QRadialGradient sheen(QPointF(128, 110), 150);
    sheen.setColorAt(0, QColor(255, 255, 255, 30));
    sheen.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(sheen);
    p.drawPath(body);

    if (style.perforated) hexHoles(p, perforatedArea());

    // Main buttons: separate caps with a groove between and behind them.
    for (int n = 1; n <= 2; ++n) {
        const QPainterPath cap = buttonArea(n);
        QLinearGradient g(0, 22, 0, 176);
        g.setColorAt(0, QColor(255, 255, 255, 16));
        g.setColorAt(1, QColor(255, 255, 255, 0));
        p.setPen(Qt::NoPen);
        p.setBrush(g);
        p.drawPath(cap);
    }
    QPainterPath groove;
    groove.moveTo(150, 24);
    groove.lineTo(150, 176);
    groove.moveTo(72, 152.5);
    groove.quadTo(110, 167, 148.6, 176.6);
    groove.moveTo(228, 152.5);
    groove.quadTo(190, 167, 151.4, 176.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 11, 13), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(groove);
    p.translate(0.9, 0.9);
    p.setPen(QPen(QColor(255, 255, 255, 22), 0.8, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(groove);
    p.translate(-0.9, -0.9);

    // Wheel well and wheel.
    p.setPen(QPen(QColor(8, 9, 11), 1));
    p.setBrush(QColor(12, 13, 15));
    p.drawPath(wheelWell());
    if (count >= 6) p.drawPath(dpiWell());
    if (count >= 3) {
        const QPainterPath wheel = wheelPath();
        QLinearGradient wg(142.5, 0, 157.5, 0);
        wg.setColorAt(0, QColor(40, 43, 48));
        wg.setColorAt(0.5, QColor(92, 98, 108));
        wg.setColorAt(1, QColor(36, 38, 43));
        p.setPen(Qt::NoPen);
        p.setBrush(wg);
        p.drawPath(wheel);
        p.save();
        p.setClipPath(wheel);
        for (double y = 60; y < 112; y += 4.0)
            p.fillRect(QRectF(142, y, 16, 1.2), QColor(14, 15, 17, 150));
        p.restore();
        p.setPen(QPen(withAlpha(accent(), 150), 1.0));
        p.setBrush(Qt::NoBrush);
        p.drawPath(wheelRing());
    }
    for (int n = 6; n <= qMin(count, 7); ++n)
        drawButtonCap(p, buttonArea(n));

    if (style.sideStrips) {
        for (int side = 0; side < 2; ++side) {
            const QPainterPath strip = sideStrip(side);
            glow(p, strip, withAlpha(accent(), 170), kStripGlow);
            p.setPen(QPen(accent().lighter(125), 1.6, Qt::SolidLine, Qt::RoundCap));
            p.drawPath(strip);
        }
    }
    logoOn(p, style.perforated ? 120 : 200);

    // Rim light and outline.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(98, 104, 115), 1.4));
    p.drawPath(body);

    if (lit >= 1 && lit <= count) lightUp(p, buttonArea(lit));
    return cv.finish();
}

QImage mouseLightMask(const MouseStyle& style) {
    Canvas cv(kW, kH);
    QPainter& p = cv.p();
    topTransform(p, style);
    const QColor white(255, 255, 255);
    // Solid over each light and its whole glow, fading just beyond: a glow
    // half tinted would keep a fringe of the drawn colour.
    auto light = [&p, &white](const QPainterPath& path, double width, double fade) {
        glow(p, path, white, width / 2 + fade);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(white, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(path);
    };
    if (style.perforated) hexHoles(p, perforatedArea(), true);
    if (qBound(1, style.buttons, kMaxDrawnButtons) >= 3) light(wheelRing(), 2.4, 1);
    if (style.sideStrips)
        for (int side = 0; side < 2; ++side)
            light(sideStrip(side), 2 * kStripGlow, 2);
    const QPainterPath hex = hexagon(kLogoCentre, kLogoRadius);
    p.setPen(Qt::NoPen);
    p.setBrush(white);
    p.drawPath(hex); // the sign inside lights up too
    light(hex, kLogoRadius, 3);
    return cv.finish();
}

QImage mouseSide(const MouseStyle& style) {
    Canvas cv(300, 300);
    QPainter& p = cv.p();
    p.translate(0, -10);
    p.translate(150, 214);
    p.scale(style.lengthScale, 0.5 + 0.5 * style.widthScale);
    p.translate(-150, -214);

    QPainterPath body;
    body.moveTo(44, 214);
    body.cubicTo(26, 214, 22, 188, 34, 176);
    body.cubicTo(60, 150, 110, 118, 170, 108);
    body.cubicTo(222, 100, 262, 118, 272, 160);
    body.cubicTo(278, 188, 272, 214, 250, 214);
    body.closeSubpath();

    // Under-glow on the desk.
    QPainterPath desk;
    desk.moveTo(48, 219);
    desk.lineTo(250, 219);
    glow(p, desk, withAlpha(accent(), 150), 9, 10);
    glow(p, body.translated(0, 6), QColor(0, 0, 0, 150), 10);

    // The wheel peeks over the front of the shell.
    QRadialGradient wg(QPointF(96, 140), 12);
    wg.setColorAt(0, QColor(70, 75, 84));
    wg.setColorAt(1, QColor(22, 24, 28));
    p.setPen(QPen(withAlpha(accent(), 140), 1.0));
    p.setBrush(wg);
    p.drawEllipse(QPointF(97, 143), 11, 11);

    QLinearGradient face(0, 104, 0, 214);
    face.setColorAt(0, QColor(66, 71, 80));
    face.setColorAt(0.35, QColor(46, 50, 57));
    face.setColorAt(1, QColor(22, 24, 28));
    p.setPen(Qt::NoPen);
    p.setBrush(face);
    p.drawPath(body);

    p.save();
    p.setClipPath(body);
    // Thumb rest: a shallow dark scoop.
    QPainterPath thumb;
    thumb.moveTo(52, 200);
    thumb.cubicTo(70, 168, 150, 160, 214, 178);
    thumb.cubicTo(232, 186, 236, 204, 226, 214);
    thumb.lineTo(52, 214);
    thumb.closeSubpath();
    QLinearGradient tg(0, 166, 0, 214);
    tg.setColorAt(0, QColor(20, 22, 25, 110));
    tg.setColorAt(1, QColor(12, 13, 15, 170));
    p.setBrush(tg);
    p.drawPath(thumb);
    p.setPen(QPen(QColor(255, 255, 255, 26), 1));
    p.setBrush(Qt::NoBrush);
    p.drawPath(thumb);
    if (style.perforated) {
        for (int i = 0; i < 9; ++i)
            for (int j = 0; j < 2; ++j) {
                const QPointF c(150 + 12.5 * i + (j ? 6 : 0), 132 + 11 * j + 0.9 * i);
                QRadialGradient hg(c, 5);
                hg.setColorAt(0, withAlpha(accent(), 130));
                hg.setColorAt(1, QColor(10, 11, 13));
                p.setPen(QPen(QColor(90, 96, 106, 150), 0.7));
                p.setBrush(hg);
                p.drawEllipse(c, 4.0, 4.0);
            }
    }
    // Base plate with glide feet.
    p.fillRect(QRectF(20, 206, 262, 8), QColor(12, 13, 15));
    p.restore();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 156, 166));
    p.drawRoundedRect(QRectF(54, 212.5, 40, 3), 1.5, 1.5);
    p.drawRoundedRect(QRectF(204, 212.5, 36, 3), 1.5, 1.5);

    // Side buttons follow the slope of the shell.
    const int flank = style.buttons >= 5 ? 2 : style.buttons >= 4 ? 1 : 0;
    for (int i = 0; i < flank; ++i) {
        p.save();
        p.translate(92 + 52 * i, 156 - 9 * i);
        p.rotate(-11);
        const QRectF r(0, 0, 46, 11);
        QLinearGradient bg(0, 0, 0, 11);
        bg.setColorAt(0, QColor(88, 94, 104));
        bg.setColorAt(1, QColor(34, 37, 42));
        p.setPen(QPen(QColor(12, 13, 15), 1));
        p.setBrush(bg);
        p.drawRoundedRect(r, 5, 5);
        p.restore();
    }
    if (style.sideStrips) {
        QPainterPath strip;
        strip.moveTo(60, 190);
        strip.cubicTo(110, 180, 190, 178, 244, 190);
        glow(p, strip, withAlpha(accent(), 170), 5);
        p.setPen(QPen(accent().lighter(125), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(strip);
    }
    // Specular ridge along the top and the outline.
    QPainterPath ridge;
    ridge.moveTo(46, 174);
    ridge.cubicTo(72, 152, 116, 126, 170, 116);
    ridge.cubicTo(214, 109, 248, 122, 262, 150);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 40), 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(ridge);
    p.setPen(QPen(QColor(98, 104, 115), 1.4));
    p.drawPath(body);
    return cv.finish();
}

} // namespace skin
