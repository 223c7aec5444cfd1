#include "dpistagerow.h"

#include "dpi.h"
#include "kestlabel.h"
#include "kestslider.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "perflog.h"
#include "radiostyle.h"
#include "sliderrange.h"
#include "twobarslider.h"

#include <QCheckBox>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>

namespace {

// Row content is drawn in a band this tall, centred in the row, so a page
// with many stages can close its rows up to this height.
constexpr int kBandHeight = 34;

const QColor kReadoutColor(150, 155, 163);

} // namespace

DpiStageRow::DpiStageRow(quint8 index, QWidget* parent)
    : QWidget(parent), m_index(index), m_minLabel(new KestLabel(this)),
      m_maxLabel(new KestLabel(this)), m_linkBox(new QCheckBox(this)),
      m_enableBox(new QCheckBox(this)), m_slider(new TwoBarSlider(this)),
      m_xLabel(new KestLabel(this)), m_yLabel(new KestLabel(this)),
      m_dpiLabel(new KestLabel(this)) {
    setObjectName(QStringLiteral("dpiRow%1").arg(index));
    // The end labels hug the slider's ends.
    m_minLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (KestLabel* l : {m_minLabel, m_maxLabel, m_xLabel, m_yLabel})
        l->setTextColor(kReadoutColor);
    m_minLabel->setText(QString::number(kPlaceholderMinLabel));
    m_maxLabel->setText(QString::number(kPlaceholderMaxLabel));
    m_linkBox->setVisible(false);

    connect(m_linkBox, &QCheckBox::stateChanged, this, &DpiStageRow::onStateChanged);
    connect(m_enableBox, &QCheckBox::stateChanged, this, &DpiStageRow::onStateChanged);
    connect(m_slider, &TwoBarSlider::SliderChangedSignal, this, &DpiStageRow::onSliderChanged);
    for (KestLabel* l : {m_minLabel, m_maxLabel, m_xLabel, m_yLabel, m_dpiLabel})
        connect(l, &KestLabel::LabelClickSignal, this, &DpiStageRow::slotLabelClick);

    // Assistive tools read and set the bars in DPI, through the table the
    // read-outs use.
    const KitValueMap inDpi{
        [this](int step) { return dpiFromStep(uint32_t(qMax(step, 0)), m_sensor); },
        [this](int dpi) {
            return int(stepForDpi(dpi, m_sensor, m_slider->minimum(), m_slider->maximum()));
        }};
    for (KestSlider* bar : {m_slider->singleBar(), m_slider->xBar(), m_slider->yBar()})
        setAccessibleValueMap(bar, inDpi);

    retranslate();
    updateReadouts();
    applyScale();
}

void DpiStageRow::setSensorType(int sensor) {
    m_sensor = sensor;
    const std::optional<SliderRange> range = sliderRangeFor(sensor, currentRangeContext());
    if (range) {
        m_slider->setRange(range->maxStep, range->minStep);
        m_minLabel->setText(QString::number(range->minLabel));
        m_maxLabel->setText(QString::number(range->maxLabel));
        m_showLink = range->showLink;
        m_linkBox->setVisible(m_showLink);
        // Re-seat the bars: the new range may clamp what they showed.
        m_slider->setValues(m_x, m_y);
        relayout();
    }
    updateReadouts();
}

void DpiStageRow::setLink(quint8 link) {
    m_link = link == 1 ? 1 : 0;
    const QSignalBlocker block(m_linkBox);
    m_linkBox->setChecked(m_link == 1);
    m_slider->setLinked(m_link == 1);
    m_slider->setValues(m_x, m_y);
}

void DpiStageRow::setUsed(quint8 used) {
    m_used = used == 1 ? 1 : 0;
    const QSignalBlocker block(m_enableBox);
    m_enableBox->setChecked(m_used == 1);
}

void DpiStageRow::setValues(int x, int y) {
    m_x = x;
    m_y = y;
    m_slider->setValues(x, y);
    updateReadouts();
}

void DpiStageRow::setHighlighted(bool on) {
    m_highlighted = on;
    QPalette pal = parentWidget() ? parentWidget()->palette() : QPalette();
    if (on) pal.setColor(QPalette::Window, themeColor());
    setPalette(pal);
    update();
    describe();
}

void DpiStageRow::retranslate() {
    m_linkBox->setText(tr("Link XY"));
    m_enableBox->setToolTip(tr("Enable"));
    const QString stage = tr("DPI stage %1").arg(m_index + 1);
    m_linkBox->setAccessibleName(tr("%1, link X and Y").arg(stage));
    m_slider->singleBar()->setAccessibleName(stage);
    m_slider->xBar()->setAccessibleName(tr("%1, X").arg(stage));
    m_slider->yBar()->setAccessibleName(tr("%1, Y").arg(stage));
    describe();
}

void DpiStageRow::describe() {
    QString name = tr("DPI stage %1, %2 DPI")
                       .arg(m_index + 1)
                       .arg(dpiFromStep(uint32_t(qMax(m_y, 0)), m_sensor));
    if (m_highlighted) name += tr(", current");
    m_enableBox->setAccessibleName(name);
}

void DpiStageRow::applyScale() {
    const double s = displayScale();
    for (KestLabel* l : {m_minLabel, m_maxLabel, m_xLabel, m_yLabel})
        l->refreshFont(10);
    m_dpiLabel->refreshFont(13);
    QFont bold = m_dpiLabel->font();
    bold.setBold(true);
    m_dpiLabel->setFont(bold);
    setKitLook(m_enableBox, "squareBox");
    setKitLook(m_linkBox, "squareBox");
    m_linkBox->setFont(scaledFont(kitFont(), 10, s));
    m_slider->refreshStyle();
    relayout();
}

void DpiStageRow::onStateChanged(int state) {
    const bool checked = state == Qt::Checked;
    if (sender() == m_linkBox) {
        m_link = checked ? 1 : 0;
        m_slider->setLinked(checked);
        emit LinkSignal(m_link, m_index);
        // A linked stage carries one value on both axes; without this the
        // single bar would show X while the stage still sent a different Y.
        if (checked && m_x != m_y)
            onSliderChanged(m_x, m_x);
        else
            m_slider->setValues(m_x, m_y);
    } else if (sender() == m_enableBox) {
        m_used = checked ? 1 : 0;
        emit EnableSignal(m_used, m_index);
    }
}

void DpiStageRow::onSliderChanged(int x, int y) {
    m_x = x;
    m_y = y;
    qCDebug(lcPerformance, "ix = %d", x);
    if (sender() != m_slider) m_slider->setValues(x, y);
    updateReadouts();
    emit DPISignal(x, y, m_index);
}

void DpiStageRow::slotLabelClick(KestLabel*) {
    emit MouseinSignal(m_index);
}

void DpiStageRow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) emit MouseinSignal(m_index);
    QWidget::mousePressEvent(event);
}

void DpiStageRow::paintEvent(QPaintEvent*) {
    // A card per stage; the current one takes the accent as a tint and an edge.
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double s = displayScale();
    const qreal radius = 6 * s;
    const QRectF card = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    if (m_highlighted) {
        QColor tint = palette().color(QPalette::Window);
        tint.setAlpha(56);
        p.setPen(QPen(palette().color(QPalette::Window), qMax(1.0, s)));
        p.setBrush(tint);
    } else {
        p.setPen(QPen(QColor(48, 51, 57), qMax(1.0, s)));
        p.setBrush(QColor(30, 32, 36));
    }
    p.drawRoundedRect(card, radius, radius);
    if (m_highlighted) {
        p.setPen(Qt::NoPen);
        p.setBrush(palette().color(QPalette::Window));
        p.drawRoundedRect(QRectF(0, 6 * s, 3 * s, height() - 12 * s), 1.5 * s, 1.5 * s);
    }
}

void DpiStageRow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    relayout();
}

void DpiStageRow::updateReadouts() {
    m_xLabel->setText(QStringLiteral("X:%1").arg(dpiFromStep(uint32_t(qMax(m_x, 0)), m_sensor)));
    m_yLabel->setText(QStringLiteral("Y:%1").arg(dpiFromStep(uint32_t(qMax(m_y, 0)), m_sensor)));
    m_dpiLabel->setText(
        QStringLiteral("DPI : %1").arg(dpiFromStep(uint32_t(qMax(m_y, 0)), m_sensor)));
    describe();
}

void DpiStageRow::relayout() {
    const double s = displayScale();
    // Logical positions inside a 440-wide band, centred vertically in the row.
    const int top = qMax(0, (int(height() / s) - kBandHeight) / 2);
    auto place = [&](QWidget* w, int x, int y, int wd, int ht) {
        w->setGeometry(scaledRect(QRect(x, top + y, wd, ht), s));
    };
    place(m_enableBox, 10, 8, 18, 18);
    place(m_dpiLabel, 34, 0, 100, 18);
    place(m_xLabel, 34, 18, 48, 14);
    place(m_yLabel, 84, 18, 50, 14);
    // Without the "Link XY" box the slider takes its room.
    const int sliderWidth = m_showLink ? 146 : 214;
    place(m_minLabel, 134, 10, 38, 14);
    place(m_slider, 176, 3, sliderWidth, 28);
    place(m_maxLabel, 180 + sliderWidth, 10, 38, 14);
    place(m_linkBox, 370, 7, 68, 20);
    m_slider->relayout();
}
