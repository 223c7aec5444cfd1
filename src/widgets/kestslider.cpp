#include "kestslider.h"

#include "kittheme.h"

#include "qtcompat.h"
#include <QMouseEvent>
#include <QStyle>
#include <QStyleOptionSlider>

KestSlider::KestSlider(Qt::Orientation orientation, QWidget* parent)
    : QSlider(orientation, parent) {
    setSingleStep(1);
    setPageStep(1);
    refreshStyle();
}

void KestSlider::refreshStyle() {
    applyKitStyleSheet();
}

int KestSlider::valueAt(const QPoint& pos) const {
    QStyleOptionSlider opt;
    initStyleOption(&opt);
    const QRect groove =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderGroove, this);
    const QRect handle =
        style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
    int span, p;
    if (orientation() == Qt::Horizontal) {
        span = groove.width() - handle.width();
        p = pos.x() - groove.x() - handle.width() / 2;
    } else {
        span = groove.height() - handle.height();
        p = pos.y() - groove.y() - handle.height() / 2;
    }
    return QStyle::sliderValueFromPosition(minimum(), maximum(), p, qMax(span, 1), opt.upsideDown);
}

void KestSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && isEnabled()) {
        QStyleOptionSlider opt;
        initStyleOption(&opt);
        const QRect handle =
            style()->subControlRect(QStyle::CC_Slider, &opt, QStyle::SC_SliderHandle, this);
        if (!handle.contains(eventPos(event))) setValue(valueAt(eventPos(event)));
        emit SliderMouseSignal();
    }
    QSlider::mousePressEvent(event);
}

void KestSlider::mouseReleaseEvent(QMouseEvent* event) {
    QSlider::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled()) emit SliderMouseSignal();
}
