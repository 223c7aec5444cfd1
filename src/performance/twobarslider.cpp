#include "twobarslider.h"

#include "kestslider.h"
#include "sliderrange.h"

#include <QSignalBlocker>

TwoBarSlider::TwoBarSlider(QWidget* parent)
    : QWidget(parent), m_xBar(new KestSlider(Qt::Horizontal, this)),
      m_yBar(new KestSlider(Qt::Horizontal, this)), m_single(new KestSlider(Qt::Horizontal, this)) {
    m_xBar->setObjectName(QStringLiteral("xBar"));
    m_yBar->setObjectName(QStringLiteral("yBar"));
    m_single->setObjectName(QStringLiteral("singleBar"));
    setRange(kPlaceholderMaxStep, kPlaceholderMinStep);
    connect(m_xBar, &QSlider::valueChanged, this, &TwoBarSlider::onAxisChanged);
    connect(m_yBar, &QSlider::valueChanged, this, &TwoBarSlider::onAxisChanged);
    connect(m_single, &QSlider::valueChanged, this, &TwoBarSlider::onSingleChanged);
    setLinked(false);
}

void TwoBarSlider::setLinked(bool linked) {
    m_linked = linked;
    m_single->setVisible(linked);
    m_xBar->setVisible(!linked);
    m_yBar->setVisible(!linked);
}

void TwoBarSlider::setValues(int x, int y) {
    const QSignalBlocker bx(m_xBar), by(m_yBar), bs(m_single);
    if (m_linked) m_single->setValue(x);
    m_xBar->setValue(x);
    m_yBar->setValue(y);
}

void TwoBarSlider::setRange(int maxStep, int minStep) {
    m_min = minStep;
    m_max = maxStep;
    const QSignalBlocker bx(m_xBar), by(m_yBar), bs(m_single);
    for (KestSlider* bar : {m_xBar, m_yBar, m_single})
        bar->setRange(minStep, maxStep);
}

int TwoBarSlider::xValue() const {
    return m_xBar->value();
}
int TwoBarSlider::yValue() const {
    return m_yBar->value();
}
int TwoBarSlider::singleValue() const {
    return m_single->value();
}

void TwoBarSlider::refreshStyle() {
    for (KestSlider* bar : {m_xBar, m_yBar, m_single})
        bar->refreshStyle();
    relayout();
}

void TwoBarSlider::onAxisChanged() {
    emit SliderChangedSignal(m_xBar->value(), m_yBar->value());
}

void TwoBarSlider::onSingleChanged(int value) {
    // The hidden axis bars follow, so unlinking later shows what the stage holds.
    {
        const QSignalBlocker bx(m_xBar), by(m_yBar);
        m_xBar->setValue(value);
        m_yBar->setValue(value);
    }
    emit SliderChangedSignal(value, value);
}

void TwoBarSlider::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void TwoBarSlider::relayout() {
    // The two axis bars share the height; the single bar sits centred.
    const int w = width(), h = height();
    m_xBar->setGeometry(0, 0, w, h / 2);
    m_yBar->setGeometry(0, h / 2, w, h - h / 2);
    m_single->setGeometry(0, 0, w, h);
}
