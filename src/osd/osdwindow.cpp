#include "osdwindow.h"

#include "kitscale.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

namespace {
constexpr int kPadX = 36;
constexpr int kPadY = 18;
} // namespace

OsdWindow::OsdWindow(QWidget* parent)
    : QWidget(parent, Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::Tool |
                          Qt::WindowTransparentForInput | Qt::WindowDoesNotAcceptFocus |
                          Qt::X11BypassWindowManagerHint) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    m_hideTimer.setSingleShot(true);
    m_fadeTimer.setInterval(kFadeMs / kFadeSteps);
    connect(&m_hideTimer, &QTimer::timeout, this, [this] {
        m_fadeLeft = kFadeSteps;
        m_fadeTimer.start();
    });
    connect(&m_fadeTimer, &QTimer::timeout, this, &OsdWindow::fadeStep);
}

QFont OsdWindow::noticeFont() const {
    QFont f(m_notice.fontFamily);
    // The size is meant for a 96 dpi screen; larger on denser ones.
    f.setPixelSize(int(m_notice.fontSize * m_screenFactor));
    f.setBold(true);
    return f;
}

void OsdWindow::showNotice(const OsdNotice& notice) {
    m_notice = sanitizedOsdNotice(notice);
    const QScreen* screen = QGuiApplication::primaryScreen();
    // The main window's own rule, so the notice grows with it and never on
    // top of the toolkit's own scaling.
    m_screenFactor = screenScale(screen).scale;
    const QFontMetrics fm(noticeFont());
    const QRect area = screen ? screen->availableGeometry() : QRect(0, 0, 1280, 800);
    const int w = qMin(area.width(), fm.horizontalAdvance(m_notice.text) + 2 * kPadX);
    const int h = fm.height() + 2 * kPadY;
    resize(w, h);
    // Centred, a sixth of the screen above the bottom edge.
    move(area.left() + (area.width() - w) / 2, area.bottom() - area.height() / 6 - h);
    update();
    m_fadeTimer.stop();
    setWindowOpacity(1.0);
    show();
    raise();
    m_hideTimer.start(qMax(0, m_notice.durationMs - kFadeMs));
}

void OsdWindow::fadeStep() {
    if (--m_fadeLeft <= 0) {
        m_fadeTimer.stop();
        hide();
        return;
    }
    setWindowOpacity(double(m_fadeLeft) / kFadeSteps);
}

void OsdWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    p.setPen(QPen(QColor(255, 255, 255, 34), 1));
    p.setBrush(QColor(14, 15, 18, 190));
    p.drawRoundedRect(r, height() / 4.0, height() / 4.0);
    p.setFont(noticeFont());
    p.setPen(QColor(0, 0, 0, 150));
    p.drawText(rect().translated(0, 2), Qt::AlignCenter, m_notice.text);
    p.setPen(m_notice.colour);
    p.drawText(rect(), Qt::AlignCenter, m_notice.text);
}
