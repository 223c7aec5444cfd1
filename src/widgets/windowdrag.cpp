#include "windowdrag.h"

#include "qtcompat.h"

#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

namespace {
// A click that wanders less than this is still a click.
constexpr int kDragThreshold = 4;
} // namespace

bool windowsPlaceThemselves() {
    return !QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool WindowDrag::handle(QWidget* window, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (e->button() != Qt::LeftButton) return false;
        m_pressed = true;
        m_moving = false;
        m_pressAt = eventGlobalPos(e);
        m_frameStart = window->frameGeometry().topLeft();
        return false;
    }
    case QEvent::MouseMove: {
        const auto* e = static_cast<QMouseEvent*>(event);
        if (!m_pressed || !(e->buttons() & Qt::LeftButton)) return false;
        const QPoint d = eventGlobalPos(e) - m_pressAt;
        if (!m_moving && d.manhattanLength() <= kDragThreshold) return false;
        if (!m_moving) {
            QWindow* handle = window->windowHandle();
            if (handle && handle->startSystemMove()) {
                // The desktop has the pointer until the button is let go.
                m_pressed = false;
                return true;
            }
            m_moving = true;
        }
        window->move(m_frameStart + d);
        return true;
    }
    case QEvent::MouseButtonRelease:
        m_pressed = false;
        m_moving = false;
        return false;
    default:
        return false;
    }
}
