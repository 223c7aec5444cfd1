#include "windowchrome.h"

#include "kitscale.h"
#include "kittheme.h"
#include "mousestatus.h"
#include "windowdrag.h"

#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace {

// The window's background in `size` pixels; null when the image is missing.
// At the logical size the artwork has its own copy, a quarter of the pixels
// to decode.
QImage scaledBackground(const QString& appDir, const QSize& size) {
    if (size == QSize(WindowChrome::kWidth, WindowChrome::kHeight)) {
        QImage exact = readSkinImage(appDir + QStringLiteral("/skin/cfgMainback-1x.png"));
        if (exact.size() == size) return exact;
    }
    const QImage source = readSkinImage(appDir + QStringLiteral("/skin/cfgMainback.png"));
    if (source.isNull()) return QImage();
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

WindowChrome::WindowChrome(QWidget* window, const QString& appDir)
    : QObject(window), m_window(window), m_appDir(appDir) {
    setScreenScale(screenScale(QGuiApplication::primaryScreen()));
    m_screenIndex = m_index;
    // The background is kept only at the size it is shown: the double-size
    // source is decoded and scaled on the worker and then let go.
    m_startup = std::async(std::launch::async, [dir = appDir, size = backgroundPixels()] {
        return scaledBackground(dir, size);
    });
    window->installEventFilter(this);
}

WindowChrome::~WindowChrome() {
    if (m_startup.valid()) m_startup.wait();
}

QSize WindowChrome::scaledSize() const {
    return QSize(int(kWidth * m_scale), int(kHeight * m_scale));
}

QSize WindowChrome::backgroundPixels() const {
    return QSize(int(std::ceil(kWidth * m_scale * m_ratio)),
                 int(std::ceil(kHeight * m_scale * m_ratio)));
}

void WindowChrome::setScreenScale(const ScreenScale& s) {
    m_index = qBound(0, s.index, int(m_backgrounds.size()) - 1);
    m_scale = scaleForIndex(m_index);
    setDisplayScale(m_scale);
    if (s.deviceRatio != m_ratio) {
        // Every background was made for the old ratio.
        m_ratio = s.deviceRatio;
        for (QPixmap& bg : m_backgrounds)
            bg = QPixmap();
    }
    setDeviceRatio(m_ratio);
}

void WindowChrome::useScaleIndex(int index) {
    setScaleIndex(index);
    m_window->resize(scaledSize());
}

void WindowChrome::setScaleIndex(int index) {
    ScreenScale s;
    s.index = index;
    s.deviceRatio = m_ratio;
    setScreenScale(s);
}

QPixmap WindowChrome::backgroundPixmap(QImage image) const {
    QPixmap pm = QPixmap::fromImage(std::move(image));
    pm.setDevicePixelRatio(m_ratio);
    return pm;
}

void WindowChrome::frameWindow() {
    m_window->setBaseSize(kWidth, kHeight);
    m_window->setMinimumSize(kWidth, kHeight);
    m_window->resize(scaledSize());
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (screen && windowsPlaceThemselves())
        m_window->move(screen->geometry().center() - m_window->rect().center());
    m_window->setWindowFlag(Qt::FramelessWindowHint);
    m_window->setAttribute(Qt::WA_TranslucentBackground);
}

void WindowChrome::placeChildren() {
    const auto children = m_window->findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant r = w->property("logicalRect");
        if (r.isValid()) w->setGeometry(scaledRect(r.toRect(), m_scale));
    }
}

bool WindowChrome::takeStartupBackground() {
    QImage shown = m_startup.get();
    if (m_window->size() != scaledSize() || shown.size() != backgroundPixels()) return false;
    m_backgrounds[size_t(m_index)] = backgroundPixmap(std::move(shown));
    return true;
}

void WindowChrome::ensureBackground() {
    // The first layout comes before the start-up copy is in (it is made on a
    // worker); later scales read the source again, which is rare.
    if (m_backgrounds[size_t(m_index)].isNull() && !m_startup.valid()) {
        const QSize pixels(int(std::ceil(m_window->width() * m_ratio)),
                           int(std::ceil(m_window->height() * m_ratio)));
        m_backgrounds[size_t(m_index)] = backgroundPixmap(scaledBackground(m_appDir, pixels));
    }
}

void WindowChrome::paintBackground(QPainter& painter) const {
    const QPixmap& bg = m_backgrounds[size_t(m_index)];
    if (!bg.isNull())
        painter.drawPixmap(m_window->rect(), bg);
    else
        painter.fillRect(m_window->rect(), QColor(24, 26, 30));
}

bool WindowChrome::followScreen() {
    const QScreen* screen = QGuiApplication::screenAt(m_window->geometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const ScreenScale s = screenScale(screen);
    if (s.index != m_screenIndex || s.deviceRatio != m_ratio) {
        m_screenIndex = s.index;
        setScreenScale(s);
        return true;
    }
    if (m_window->size() != scaledSize()) return false;
    const int snapped = scaleIndexForWidth(m_window->width());
    if (snapped < 0 || snapped == m_index) return false;
    setScaleIndex(snapped);
    return true;
}

bool WindowChrome::eventFilter(QObject* watched, QEvent* event) {
    if (watched != m_window) return false;
    m_drag.handle(m_window, event);
    return false;
}
