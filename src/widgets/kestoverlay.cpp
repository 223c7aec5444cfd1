#include "kestoverlay.h"

#include <QEvent>
#include <QPainter>

KestOverlay::KestOverlay(QWidget* parent, int alpha)
    : QWidget(parent), m_alpha(qBound(0, alpha, 255)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
    if (parent) {
        setGeometry(parent->rect());
        parent->installEventFilter(this);
    }
    raise();
}

void KestOverlay::setAlpha(int alpha) {
    m_alpha = qBound(0, alpha, 255);
    update();
}

bool KestOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}

void KestOverlay::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(8, 9, 11, m_alpha));
}
