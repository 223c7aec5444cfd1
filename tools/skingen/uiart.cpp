#include "uiart.h"

#include "canvas.h"

#include <QtMath>

namespace skin {

namespace {

QPainterPath hexagon(const QPointF& c, double r) {
    QPainterPath path;
    for (int i = 0; i < 6; ++i) {
        const double a = qDegreesToRadians(60.0 * i - 90.0);
        const QPointF pt(c.x() + r * std::cos(a), c.y() + r * std::sin(a));
        if (i == 0)
            path.moveTo(pt);
        else
            path.lineTo(pt);
    }
    path.closeSubpath();
    return path;
}

void stroke(QPainter& p, const QPainterPath& path, const QColor& c, double w) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(path);
}

QPainterPath chevron(const QPointF& c, double w, double h, bool up) {
    QPainterPath path;
    const double dy = up ? -h / 2 : h / 2;
    path.moveTo(c.x() - w / 2, c.y() - dy);
    path.lineTo(c.x(), c.y() + dy);
    path.lineTo(c.x() + w / 2, c.y() - dy);
    return path;
}

// The program's mark: a hexagon around a forward chevron.
void logoMark(QPainter& p, const QPointF& c, double r) {
    glow(p, hexagon(c, r), withAlpha(accent(), 90), r * 0.35);
    stroke(p, hexagon(c, r), accent(), r * 0.16);
    QPainterPath v;
    v.moveTo(c.x() - r * 0.42, c.y() - r * 0.28);
    v.lineTo(c.x(), c.y() + r * 0.34);
    v.lineTo(c.x() + r * 0.42, c.y() - r * 0.28);
    stroke(p, v, textLight(), r * 0.16);
}

void cornerTicks(QPainter& p, const QRectF& r, double radius, double len) {
    // Accent brackets that follow the panel's rounded corners.
    QPainterPath tl;
    tl.moveTo(r.left(), r.top() + len);
    tl.lineTo(r.left(), r.top() + radius);
    tl.arcTo(QRectF(r.left(), r.top(), 2 * radius, 2 * radius), 180, -90);
    tl.lineTo(r.left() + len, r.top());
    QPainterPath br;
    br.moveTo(r.right(), r.bottom() - len);
    br.lineTo(r.right(), r.bottom() - radius);
    br.arcTo(QRectF(r.right() - 2 * radius, r.bottom() - 2 * radius, 2 * radius, 2 * radius), 0,
             -90);
    br.lineTo(r.right() - len, r.bottom());
    glow(p, tl, withAlpha(accent(), 120), 3);
    glow(p, br, withAlpha(accent(), 120), 3);
    stroke(p, tl, accent(), 1.5);
    stroke(p, br, accent(), 1.5);
}

} // namespace

QImage mainBackground(double oversample) {
    const double W = 999, H = 640;
    Canvas cv(W, H, oversample);
    QPainter& p = cv.p();
    const QRectF all(0, 0, W, H);

    QLinearGradient base(0, 0, 0, H);
    base.setColorAt(0, bgBase());
    base.setColorAt(1, bgDeep());
    p.setPen(Qt::NoPen);
    p.setBrush(base);
    p.drawRoundedRect(all, 12, 12);
    p.save();
    p.setClipPath(roundedRect(all, 12));

    // A faint cool light from the top left gives the surface depth.
    QRadialGradient wash(QPointF(120, 40), 620);
    wash.setColorAt(0, withAlpha(accent(), 20));
    wash.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(all, wash);

    // Title band.
    QLinearGradient band(0, 0, 0, 62);
    band.setColorAt(0, QColor(36, 39, 45));
    band.setColorAt(1, QColor(25, 27, 31));
    p.fillRect(QRectF(0, 0, W, 62), band);
    p.fillRect(QRectF(0, 61, W, 1), line());
    QLinearGradient rule(18, 0, 420, 0);
    rule.setColorAt(0, accent());
    rule.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(QRectF(18, 60.5, 402, 2), rule);
    p.restore();

    logoMark(p, QPointF(38, 31), 13);

    // The stage on the left, where the mouse picture sits.
    const QRectF stage(18, 76, 256, 476);
    panel(p, stage, 10, QColor(22, 24, 28), QColor(14, 15, 18), line());
    p.save();
    p.setClipPath(roundedRect(stage.adjusted(1, 1, -1, -1), 9));
    p.setPen(Qt::NoPen);
    for (double y = stage.top() + 12; y < stage.bottom() - 6; y += 16)
        for (double x = stage.left() + 12; x < stage.right() - 6; x += 16) {
            p.setBrush(QColor(255, 255, 255, 9));
            p.drawEllipse(QPointF(x, y), 0.8, 0.8);
        }
    QRadialGradient spot(QPointF(146, 300), 190);
    spot.setColorAt(0, withAlpha(accent(), 34));
    spot.setColorAt(0.6, withAlpha(accent(), 10));
    spot.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(stage, spot);
    QRadialGradient floorGlow(QPointF(146, 528), 110);
    floorGlow.setColorAt(0, withAlpha(accent(), 60));
    floorGlow.setColorAt(1, withAlpha(accent(), 0));
    p.save();
    p.translate(146, 528);
    p.scale(1.0, 0.16);
    p.translate(-146, -528);
    p.fillRect(QRectF(20, 400, 252, 260), floorGlow);
    p.restore();
    p.restore();

    // The content panel on the right.
    const QRectF content(282, 68, 699, 484);
    panel(p, content, 10, QColor(31, 34, 39), QColor(21, 23, 27), line());
    cornerTicks(p, content.adjusted(0.5, 0.5, -0.5, -0.5), 10, 34);

    // Footer: a hairline and a dark well behind the battery gauge.
    QLinearGradient foot(18, 0, W - 18, 0);
    foot.setColorAt(0, withAlpha(line(), 0));
    foot.setColorAt(0.2, line());
    foot.setColorAt(0.8, line());
    foot.setColorAt(1, withAlpha(line(), 0));
    p.fillRect(QRectF(18, 564, W - 36, 1), foot);
    panel(p, QRectF(58, 574, 214, 60), 8, QColor(20, 22, 25), QColor(16, 17, 20),
          QColor(44, 48, 54));

    // Outer rim.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(lineBright(), 1));
    p.drawRoundedRect(all.adjusted(0.5, 0.5, -0.5, -0.5), 12, 12);
    p.setPen(QPen(QColor(0, 0, 0, 120), 1));
    p.drawRoundedRect(all.adjusted(1.5, 1.5, -1.5, -1.5), 11, 11);
    return cv.finish();
}

QImage windowButton(Glyph glyph, Look look) {
    Canvas cv(19, 19);
    QPainter& p = cv.p();
    const QRectF r(0.5, 0.5, 18, 18);
    QColor ink = withAlpha(textLight(), 190);
    if (look == Look::Hover) {
        panel(p, r, 4, bgHigh().lighter(115), bgHigh(), lineBright());
        ink = QColor(255, 255, 255);
    } else if (look == Look::Active) {
        panel(p, r, 4, accent(), accentDeep(), accent().lighter(120));
        ink = bgDeep();
    }
    QPainterPath g;
    if (glyph == Glyph::Close) {
        g.moveTo(6, 6);
        g.lineTo(13, 13);
        g.moveTo(13, 6);
        g.lineTo(6, 13);
    } else {
        g.moveTo(5.5, 10);
        g.lineTo(13.5, 10);
    }
    stroke(p, g, ink, 1.6);
    return cv.finish();
}

QImage pillButton(const QSizeF& size, Look look, bool notch) {
    Canvas cv(size.width(), size.height());
    QPainter& p = cv.p();
    const QRectF r(0, 0, size.width(), size.height());
    const double radius = qMin(6.0, size.height() * 0.22);
    switch (look) {
    case Look::Normal:
        panel(p, r, radius, bgHigh(), bgRaised(), line());
        break;
    case Look::Hover:
        panel(p, r, radius, bgHigh().lighter(118), bgHigh(), withAlpha(accent(), 190));
        break;
    case Look::Active:
        panel(p, r, radius, accent(), accentDeep(), accent().lighter(125));
        break;
    }
    if (notch) {
        const double w = size.height();
        QPainterPath well;
        well.addRoundedRect(QRectF(1, 1, w - 1, size.height() - 2), radius - 1, radius - 1);
        QPainterPath clip;
        clip.addRect(QRectF(0, 0, w, size.height()));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0, 0, 0, look == Look::Active ? 50 : 70));
        p.drawPath(well.intersected(clip));
        p.fillRect(QRectF(w, 3, 1, size.height() - 6),
                   look == Look::Active ? withAlpha(bgDeep(), 90) : line());
    }
    if (look == Look::Active) {
        // A thin bright lip under the top edge: the lit state reads as raised.
        p.fillRect(QRectF(radius, 1, size.width() - 2 * radius, 1), QColor(255, 255, 255, 70));
    }
    return cv.finish();
}

QImage dropDownButton() {
    const QSizeF s(128, 26);
    Canvas cv(s.width(), s.height());
    QPainter& p = cv.p();
    panel(p, QRectF(QPointF(0, 0), s), 5, bgHigh(), bgRaised(), line());
    p.fillRect(QRectF(s.width() - 26, 5, 1, s.height() - 10), line());
    stroke(p, chevron(QPointF(s.width() - 13, s.height() / 2), 8, 4.5, false), accent(), 1.8);
    return cv.finish();
}

QImage selectionBar() {
    const QSizeF s(240, 24);
    Canvas cv(s.width(), s.height());
    QPainter& p = cv.p();
    QLinearGradient g(0, 0, s.width(), 0);
    g.setColorAt(0, withAlpha(accent(), 110));
    g.setColorAt(0.7, withAlpha(accent(), 30));
    g.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(QRectF(QPointF(0, 0), s), g);
    p.fillRect(QRectF(0, 0, 3, s.height()), accent());
    p.fillRect(QRectF(0, 0, s.width(), 1), withAlpha(accent(), 60));
    p.fillRect(QRectF(0, s.height() - 1, s.width(), 1), withAlpha(accent(), 60));
    return cv.finish();
}

QImage toggle(bool on) {
    Canvas cv(40, 20);
    QPainter& p = cv.p();
    const QRectF track(1, 3, 38, 14);
    if (on) {
        glow(p, roundedRect(track, 7), withAlpha(accent(), 120), 2.5);
        panel(p, track, 7, accent(), accentDeep(), accent().lighter(120));
    } else {
        panel(p, track, 7, QColor(20, 22, 25), QColor(28, 30, 35), line());
    }
    const QPointF knob(on ? 30 : 10, 10);
    QRadialGradient kg(knob - QPointF(2, 2), 9);
    kg.setColorAt(0, QColor(250, 251, 253));
    kg.setColorAt(1, QColor(180, 186, 194));
    p.setPen(QPen(QColor(0, 0, 0, 90), 1));
    p.setBrush(kg);
    p.drawEllipse(knob, 7.5, 7.5);
    return cv.finish();
}

QImage checkBox(bool checked) {
    Canvas cv(18, 18);
    QPainter& p = cv.p();
    const QRectF r(1, 1, 16, 16);
    if (checked) {
        panel(p, r, 3.5, accent(), accentDeep(), accent().lighter(120));
        QPainterPath tick;
        tick.moveTo(4.8, 9.2);
        tick.lineTo(7.8, 12.2);
        tick.lineTo(13.4, 5.8);
        stroke(p, tick, bgDeep(), 2.0);
    } else {
        panel(p, r, 3.5, QColor(20, 22, 25), QColor(28, 30, 35), lineBright());
    }
    return cv.finish();
}

QImage radio(bool checked) {
    Canvas cv(16, 16);
    QPainter& p = cv.p();
    p.setPen(QPen(checked ? accent() : lineBright(), 1.4));
    p.setBrush(QColor(20, 22, 25));
    p.drawEllipse(QPointF(8, 8), 6.6, 6.6);
    if (checked) {
        QPainterPath dot;
        dot.addEllipse(QPointF(8, 8), 3.4, 3.4);
        glow(p, dot, withAlpha(accent(), 150), 2);
        p.setPen(Qt::NoPen);
        p.setBrush(accent());
        p.drawPath(dot);
    }
    return cv.finish();
}

QImage batteryFrame(bool wired) {
    Canvas cv(86, 47);
    QPainter& p = cv.p();
    const QRectF body(4, 11, 72, 25);
    p.setPen(QPen(lineBright(), 1.6));
    p.setBrush(QColor(14, 15, 18));
    p.drawRoundedRect(body, 5, 5);
    p.setPen(Qt::NoPen);
    p.setBrush(lineBright());
    p.drawRoundedRect(QRectF(77.5, 18, 4.5, 11), 1.5, 1.5);
    if (wired) {
        // Powered by the cable: a full cell with a plug in it.
        QLinearGradient g(0, body.top(), 0, body.bottom());
        g.setColorAt(0, withAlpha(accent(), 90));
        g.setColorAt(1, withAlpha(accentDeep(), 90));
        p.setBrush(g);
        p.drawRoundedRect(body.adjusted(3, 3, -3, -3), 3, 3);
        const QPointF c = body.center();
        QPainterPath plug;
        plug.addRoundedRect(QRectF(c.x() - 7, c.y() - 4.5, 11, 9), 2, 2);
        p.setBrush(textLight());
        p.drawPath(plug);
        p.fillRect(QRectF(c.x() + 4, c.y() - 3.5, 4, 1.6), textLight());
        p.fillRect(QRectF(c.x() + 4, c.y() + 1.9, 4, 1.6), textLight());
        p.fillRect(QRectF(c.x() - 13, c.y() - 0.8, 6, 1.6), textLight());
    }
    return cv.finish();
}

QImage lightning() {
    Canvas cv(26, 40);
    QPainter& p = cv.p();
    QPainterPath bolt;
    bolt.moveTo(16, 2);
    bolt.lineTo(4, 22);
    bolt.lineTo(12, 22);
    bolt.lineTo(9, 38);
    bolt.lineTo(22, 16);
    bolt.lineTo(14, 16);
    bolt.closeSubpath();
    glow(p, bolt, withAlpha(accent(), 140), 3);
    QLinearGradient g(0, 2, 0, 38);
    g.setColorAt(0, accent().lighter(140));
    g.setColorAt(1, accent());
    p.setPen(QPen(accent().lighter(160), 0.8));
    p.setBrush(g);
    p.drawPath(bolt);
    return cv.finish();
}

QImage dongle() {
    Canvas cv(40, 24);
    QPainter& p = cv.p();
    // A nano receiver from the side: plug on the left, body on the right.
    p.setPen(QPen(lineBright(), 1.2));
    p.setBrush(QColor(26, 28, 32));
    p.drawRoundedRect(QRectF(4, 7, 14, 10), 1.5, 1.5);
    p.fillRect(QRectF(7, 9.5, 3, 2), lineBright());
    p.fillRect(QRectF(12, 9.5, 3, 2), lineBright());
    panel(p, QRectF(17, 4, 19, 16), 4, bgHigh(), bgRaised(), lineBright());
    QPainterPath led;
    led.addEllipse(QPointF(30, 12), 2.2, 2.2);
    glow(p, led, withAlpha(accent(), 160), 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(accent());
    p.drawPath(led);
    return cv.finish();
}

QImage marker(Look look) {
    Canvas cv(22, 22);
    QPainter& p = cv.p();
    const QPointF c(11, 11);
    QPainterPath ring;
    ring.addEllipse(c, 8.5, 8.5);
    if (look == Look::Active) {
        glow(p, ring, withAlpha(accent(), 170), 2.5);
        p.setPen(QPen(accent().lighter(130), 1.2));
        QRadialGradient g(c - QPointF(2, 2), 10);
        g.setColorAt(0, accent().lighter(120));
        g.setColorAt(1, accentDeep());
        p.setBrush(g);
        p.drawPath(ring);
    } else if (look == Look::Hover) {
        glow(p, ring, withAlpha(accent(), 110), 2);
        p.setPen(QPen(accent(), 1.6));
        p.setBrush(QColor(24, 26, 30, 235));
        p.drawPath(ring);
    } else {
        p.setPen(QPen(lineBright(), 1.2));
        p.setBrush(QColor(24, 26, 30, 225));
        p.drawPath(ring);
    }
    return cv.finish();
}

QImage wheelMarker(bool up, bool lit, bool square) {
    Canvas cv(26, 26);
    QPainter& p = cv.p();
    const QRectF r(2, 2, 22, 22);
    const QPainterPath shape = square ? roundedRect(r, 5) : [&] {
        QPainterPath e;
        e.addEllipse(r);
        return e;
    }();
    if (lit) glow(p, shape, withAlpha(accent(), 150), 2);
    p.setPen(QPen(lit ? accent() : lineBright(), 1.3));
    QLinearGradient g(0, r.top(), 0, r.bottom());
    g.setColorAt(0, lit ? bgHigh().lighter(115) : bgHigh());
    g.setColorAt(1, bgRaised());
    p.setBrush(g);
    p.drawPath(shape);
    stroke(p, chevron(QPointF(13, 13), 9, 5, up), lit ? accent().lighter(125) : textLight(), 2.0);
    return cv.finish();
}

QImage macroIcon(MacroIcon kind) {
    Canvas cv(20, 20);
    QPainter& p = cv.p();
    auto keycap = [&](const QColor& edge) {
        p.setPen(QPen(edge, 1.2));
        QLinearGradient g(0, 3, 0, 17);
        g.setColorAt(0, bgHigh().lighter(120));
        g.setColorAt(1, bgRaised());
        p.setBrush(g);
        p.drawRoundedRect(QRectF(2.5, 3.5, 15, 13), 3, 3);
        p.setPen(QPen(QColor(0, 0, 0, 80), 1));
        p.drawLine(QPointF(5, 14.5), QPointF(15, 14.5));
    };
    auto arrow = [&](bool down) {
        QPainterPath a;
        a.moveTo(10, down ? 6 : 14);
        a.lineTo(10, down ? 13 : 7);
        stroke(p, a, accent(), 1.8);
        stroke(p, chevron(QPointF(10, down ? 11.5 : 8.5), 7, 3.5, !down), accent(), 1.8);
    };
    switch (kind) {
    case MacroIcon::Key:
        keycap(lineBright());
        p.fillRect(QRectF(6, 8.5, 8, 1.6), textLight());
        break;
    case MacroIcon::KeyDown:
        keycap(accent());
        arrow(true);
        break;
    case MacroIcon::KeyUp:
        keycap(lineBright());
        arrow(false);
        break;
    case MacroIcon::MouseMove: {
        QPainterPath cross;
        cross.moveTo(10, 2.5);
        cross.lineTo(10, 17.5);
        cross.moveTo(2.5, 10);
        cross.lineTo(17.5, 10);
        stroke(p, cross, lineBright(), 1.4);
        for (int i = 0; i < 4; ++i) {
            p.save();
            p.translate(10, 10);
            p.rotate(90 * i);
            stroke(p, chevron(QPointF(0, -6), 5, 2.6, true), accent(), 1.6);
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(textLight());
        p.drawEllipse(QPointF(10, 10), 2, 2);
        break;
    }
    case MacroIcon::Delay: {
        p.setPen(QPen(lineBright(), 1.4));
        p.setBrush(QColor(24, 26, 30));
        p.drawEllipse(QPointF(10, 10.5), 7.2, 7.2);
        QPainterPath hands;
        hands.moveTo(10, 6);
        hands.lineTo(10, 10.5);
        hands.lineTo(13.2, 12.2);
        stroke(p, hands, accent(), 1.6);
        p.fillRect(QRectF(8, 1.2, 4, 1.6), lineBright());
        break;
    }
    }
    return cv.finish();
}

QImage bullet(bool used) {
    Canvas cv(14, 36);
    QPainter& p = cv.p();
    const QColor edge = used ? accent() : line();
    // The tip: an ogive over the case, lit from the left like the keycaps.
    QPainterPath tip;
    tip.moveTo(3, 14);
    tip.cubicTo(3, 8, 5, 4, 7, 1.5);
    tip.cubicTo(9, 4, 11, 8, 11, 14);
    tip.closeSubpath();
    QLinearGradient tipFill(3, 0, 11, 0);
    tipFill.setColorAt(0, used ? textLight() : bgHigh());
    tipFill.setColorAt(1, used ? lineBright() : bgRaised());
    p.setPen(QPen(edge, 1));
    p.setBrush(tipFill);
    p.drawPath(tip);
    // The case, in the accent when the shot is in use.
    QLinearGradient body(2.5, 0, 11.5, 0);
    body.setColorAt(0, used ? accent().lighter(130) : bgHigh());
    body.setColorAt(0.5, used ? accent() : bgRaised());
    body.setColorAt(1, used ? accentDeep() : bgBase());
    p.setBrush(body);
    p.drawRoundedRect(QRectF(2.5, 14, 9, 17), 1.2, 1.2);
    // The rim.
    p.setBrush(used ? accentDeep() : bgBase());
    p.drawRoundedRect(QRectF(2, 31, 10, 3.5), 1, 1);
    p.setPen(QPen(withAlpha(textLight(), used ? 90 : 30), 0.8));
    p.drawLine(QPointF(4, 16), QPointF(4, 29));
    return cv.finish();
}

QImage spinArrow(bool up) {
    Canvas cv(8, 5);
    QPainter& p = cv.p();
    QPainterPath t;
    t.moveTo(0.5, up ? 4.5 : 0.5);
    t.lineTo(7.5, up ? 4.5 : 0.5);
    t.lineTo(4, up ? 0.5 : 4.5);
    t.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(textLight().darker(115));
    p.drawPath(t);
    return cv.finish();
}

QImage dialogBackground() {
    Canvas cv(420, 280);
    QPainter& p = cv.p();
    const QRectF r(0, 0, 420, 280);
    panel(p, r, 12, QColor(34, 37, 43), QColor(20, 22, 26), lineBright());
    p.save();
    p.setClipPath(roundedRect(r.adjusted(1, 1, -1, -1), 11));
    QRadialGradient wash(QPointF(40, 0), 260);
    wash.setColorAt(0, withAlpha(accent(), 26));
    wash.setColorAt(1, withAlpha(accent(), 0));
    p.fillRect(r, wash);
    p.restore();
    return cv.finish();
}

QImage processBackground() {
    Canvas cv(128, 128);
    QPainter& p = cv.p();
    const QRectF r(2, 2, 124, 124);
    glow(p, roundedRect(r, 20), QColor(0, 0, 0, 110), 2);
    p.setPen(QPen(line(), 1));
    p.setBrush(QColor(27, 29, 34, 242));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 20, 20);
    return cv.finish();
}

QImage messageIcon(bool question) {
    Canvas cv(44, 44);
    QPainter& p = cv.p();
    QPainterPath shape;
    if (question) {
        shape.addEllipse(QPointF(22, 22), 17, 17);
    } else {
        shape.moveTo(22, 5);
        shape.lineTo(40, 37);
        shape.lineTo(4, 37);
        shape.closeSubpath();
    }
    glow(p, shape, withAlpha(accent(), 110), 3);
    p.setPen(QPen(accent(), 2.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(withAlpha(accent(), 34));
    p.drawPath(shape);
    p.setPen(Qt::NoPen);
    p.setBrush(textLight());
    if (question) {
        QPainterPath q;
        q.moveTo(16.5, 17);
        q.cubicTo(16.5, 10.5, 27.5, 10.5, 27.5, 16.5);
        q.cubicTo(27.5, 20.5, 22, 20.5, 22, 25.5);
        stroke(p, q, textLight(), 3.0);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(22, 31.5), 2.1, 2.1);
    } else {
        p.drawRoundedRect(QRectF(20.4, 15, 3.2, 12.5), 1.6, 1.6);
        p.drawEllipse(QPointF(22, 31.5), 2.1, 2.1);
    }
    return cv.finish();
}

QImage appIcon(int pixels) {
    Canvas cv(64, 64, pixels / 64.0);
    QPainter& p = cv.p();
    const QRectF r(2, 2, 60, 60);
    panel(p, r, 14, QColor(44, 48, 55), QColor(16, 17, 20), lineBright());
    // A mouse seen from above, lit in the accent colour.
    QPainterPath body;
    body.moveTo(32, 11);
    body.cubicTo(44, 11, 47, 20, 47, 30);
    body.cubicTo(47, 44, 42, 54, 32, 54);
    body.cubicTo(22, 54, 17, 44, 17, 30);
    body.cubicTo(17, 20, 20, 11, 32, 11);
    if (pixels >= 32) glow(p, body, withAlpha(accent(), 120), 3);
    QLinearGradient g(17, 0, 47, 0);
    g.setColorAt(0, accentDeep());
    g.setColorAt(0.5, accent().lighter(115));
    g.setColorAt(1, accentDeep());
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawPath(body);
    QPainterPath split;
    split.moveTo(32, 12);
    split.lineTo(32, 29);
    split.moveTo(19, 29);
    split.quadTo(32, 33, 45, 29);
    stroke(p, split, withAlpha(bgDeep(), 200), pixels >= 32 ? 1.6 : 2.4);
    p.setPen(Qt::NoPen);
    p.setBrush(bgDeep());
    p.drawRoundedRect(QRectF(30, 16, 4, 8), 2, 2);
    return cv.finish();
}

QImage confirmIcon(bool yes) {
    Canvas cv(28, 28);
    QPainter& p = cv.p();
    QPainterPath g;
    if (yes) {
        g.moveTo(6.5, 14.5);
        g.lineTo(11.5, 19.5);
        g.lineTo(21.5, 8.5);
    } else {
        g.moveTo(8, 8);
        g.lineTo(20, 20);
        g.moveTo(20, 8);
        g.lineTo(8, 20);
    }
    stroke(p, g, textLight(), 3.0);
    return cv.finish();
}

GifAnimation loadingAnimation() {
    // Drawn once per frame in the accent colour with varying opacity, then
    // each pixel is stored as its opacity over the panel colour: index 0 is
    // transparent, 1-255 blend from the panel towards the accent.
    constexpr int kFrames = 24;
    constexpr double kSide = 96;
    const QColor matte(27, 29, 34);
    GifAnimation anim;
    anim.delayCentiseconds = 4;
    anim.transparentIndex = 0;
    anim.palette.resize(256);
    anim.palette[0] = qRgb(matte.red(), matte.green(), matte.blue());
    for (int i = 1; i < 256; ++i) {
        const double t = (i - 1) / 254.0;
        anim.palette[i] = qRgb(int(matte.red() + (accent().red() - matte.red()) * t + 0.5),
                               int(matte.green() + (accent().green() - matte.green()) * t + 0.5),
                               int(matte.blue() + (accent().blue() - matte.blue()) * t + 0.5));
    }
    for (int f = 0; f < kFrames; ++f) {
        Canvas cv(kSide, kSide);
        QPainter& p = cv.p();
        const QPointF c(kSide / 2, kSide / 2);
        const double radius = 34;
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(QColor(255, 255, 255, 36), 6));
        p.drawEllipse(c, radius, radius);
        const double head = -90.0 + 360.0 * f / kFrames;
        constexpr int kSegments = 30;
        const QRectF box(c.x() - radius, c.y() - radius, 2 * radius, 2 * radius);
        for (int s = 0; s < kSegments; ++s) {
            const double t = double(s + 1) / kSegments;
            p.setPen(QPen(QColor(255, 255, 255, int(255 * t * t)), 6, Qt::SolidLine, Qt::FlatCap));
            const double start = head - 150.0 * (1.0 - double(s) / kSegments);
            p.drawArc(box, int(-start * 16), int(-5.0 * 16));
        }
        const double a = qDegreesToRadians(head);
        const QPointF tip(c.x() + radius * std::cos(a), c.y() + radius * std::sin(a));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(255, 255, 255, 255));
        p.drawEllipse(tip, 3.2, 3.2);
        // Three inner dots breathing in turn.
        for (int d = 0; d < 3; ++d) {
            const double phase = std::sin(2 * M_PI * (double(f) / kFrames - d / 6.0));
            const int alpha = int(90 + 110 * (0.5 + 0.5 * phase));
            p.setBrush(QColor(255, 255, 255, alpha));
            p.drawEllipse(QPointF(c.x() - 10 + 10 * d, c.y()), 2.6, 2.6);
        }
        const QImage rgba = cv.finish();
        QImage idx(rgba.size(), QImage::Format_Indexed8);
        idx.setColorTable(anim.palette);
        for (int y = 0; y < rgba.height(); ++y) {
            const QRgb* src = reinterpret_cast<const QRgb*>(rgba.constScanLine(y));
            uchar* dst = idx.scanLine(y);
            for (int x = 0; x < rgba.width(); ++x) {
                const int alpha = qAlpha(src[x]);
                dst[x] = alpha < 16 ? 0 : uchar(1 + (alpha * 254 + 127) / 255);
            }
        }
        anim.frames.append(idx);
    }
    return anim;
}

} // namespace skin
