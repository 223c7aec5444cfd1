#include "unsentmark.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

UnsentMark::UnsentMark(QWidget* window, std::function<bool()> unsent)
    : QObject(window), m_unsent(std::move(unsent)) {
    // Edits are made in the window's pages and in the dialogs they open, so
    // the whole program's input is watched, not one widget's.
    QCoreApplication::instance()->installEventFilter(this);
}

void UnsentMark::recheck() {
    if (m_queued) return;
    m_queued = true;
    QTimer::singleShot(0, this, &UnsentMark::look);
}

void UnsentMark::look() {
    m_queued = false;
    const bool on = m_unsent();
    if (on == m_on) return;
    m_on = on;
    emit changed(on);
}

bool UnsentMark::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonRelease:
    case QEvent::KeyRelease:
    case QEvent::Wheel:
        if (watched->isWidgetType()) recheck();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}
