#include "dpistagepanel.h"

#include "dpistagerow.h"
#include "kestlabel.h"
#include "kestslider.h"
#include "kitscale.h"
#include "kittheme.h"
#include "perflog.h"
#include "productdef.h"
#include "radiostyle.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QRadioButton>
#include <QSignalBlocker>

namespace {

constexpr int kRowX = 15;
constexpr int kRowTop = 43;
constexpr int kRowPitch = 50;
constexpr int kRowHeight = 48;
constexpr int kRowWidth = 440;
// On the DPI tab the sensor panel covers the page from this line down, so
// everything the page shows must end above it.
constexpr int kVisibleBottom = 338;
// The sleep title, slider with its label, and the "MOVE TO LIGHT OFF" box.
constexpr int kSleepBlockHeight = 84;

} // namespace

DpiStagePanel::DpiStagePanel(QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_title(new KestLabel(this)),
      m_sleepTitle(new KestLabel(this)), m_sleepSlider(new KestSlider(Qt::Horizontal, this)),
      m_sleepLabel(new KestLabel(this)), m_moveOffBox(new QCheckBox(this)) {
    setObjectName(QStringLiteral("DpiStagePanel"));
    m_group->setExclusive(true);
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiStageRow* row = new DpiStageRow(quint8(i), this);
        m_rows[i] = row;
        // The group tracks the current stage; its buttons are never shown.
        QRadioButton* marker = new QRadioButton(row);
        marker->hide();
        m_group->addButton(marker, i);
        connect(row, &DpiStageRow::DPISignal, this, &DpiStagePanel::onSliderChanged);
        connect(row, &DpiStageRow::LinkSignal, this, &DpiStagePanel::onLinkChanged);
        connect(row, &DpiStageRow::MouseinSignal, this, &DpiStagePanel::MouseinSignal);
        connect(row, &DpiStageRow::EnableSignal, this, &DpiStagePanel::onEnableChanged);
    }
    m_sleepSlider->setSingleStep(1);
    m_sleepSlider->setPageStep(1);
    connect(m_sleepSlider, &QSlider::valueChanged, this, &DpiStagePanel::slider_clicked);
    connect(m_sleepSlider, &KestSlider::SliderMouseSignal, this,
            &DpiStagePanel::slotSliderMouseChange);
    // Toggled, not clicked: assistive tools toggle without a click.
    connect(m_moveOffBox, &QCheckBox::toggled, this, &DpiStagePanel::checkbtn_clicked);

    readProduct();
    retranslate();
    applyScale();
}

DpiStageRow* DpiStagePanel::row(int index) const {
    return index >= 0 && index < kDpiStageCount ? m_rows[index] : nullptr;
}

void DpiStagePanel::loadProfile(const MouseProfile& profile, int sensorType) {
    readProduct();
    m_sensor = sensorType;
    for (DpiStageRow* row : m_rows)
        row->setSensorType(sensorType);
    m_profile = profile;
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStage& st = m_profile.stages[i];
        m_rows[i]->setLink(st.link);
        m_rows[i]->setUsed(st.used);
        m_rows[i]->setValues(int(qMin<uint32_t>(st.x, INT32_MAX)),
                             int(qMin<uint32_t>(st.y, INT32_MAX)));
    }
    selectStage(m_profile.dpi);
    {
        const QSignalBlocker block(m_sleepSlider);
        m_sleepSlider->setValue(m_profile.LedSleepTime);
    }
    // A stored time outside the product's range would be sent as it is while
    // the slider shows the nearest end; keep what is sent what is shown.
    if (m_sleepShown) m_profile.LedSleepTime = quint8(m_sleepSlider->value());
    showSleepValue();
    const QSignalBlocker block(m_moveOffBox);
    m_moveOffBox->setChecked(m_profile.LedMoveOFF == 0);
    layoutRows();
}

void DpiStagePanel::selectStage(int index) {
    // A stored stage the product does not have would reach the mouse as a
    // stage it cannot select; the first stage stands in.
    if (m_stageCount > 0 && (index < 0 || index >= m_stageCount)) index = 0;
    m_profile.dpi = quint8(index);
    if (QAbstractButton* b = m_group->button(index)) {
        const QSignalBlocker block(m_group);
        b->setChecked(true);
    }
    for (int i = 0; i < kDpiStageCount; ++i)
        m_rows[i]->setHighlighted(i == index);
}

void DpiStagePanel::applyScale() {
    m_title->refreshFont(15);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_sleepTitle->setFont(bold);
    m_sleepLabel->refreshFont(12);
    m_sleepSlider->refreshStyle();
    setKitLook(m_moveOffBox, "squareBox");
    m_moveOffBox->setFont(kitFont());
    for (DpiStageRow* row : m_rows)
        row->applyScale();
    layoutRows();
}

void DpiStagePanel::retranslate() {
    m_title->setText(tr("DPI"));
    m_sleepTitle->setText(tr("SLEEP TIME"));
    m_moveOffBox->setText(tr("MOVE TO LIGHT OFF"));
    m_moveOffBox->setAccessibleName(tr("Lights off while the mouse moves"));
    for (DpiStageRow* row : m_rows)
        row->retranslate();
    showSleepValue();
}

void DpiStagePanel::onRadioChanged() {
    const int id = m_group->checkedId();
    if (id < 0) return;
    m_profile.dpi = quint8(id);
    qCDebug(lcPerformance, "m_ProfileData.dpi = %d", id);
}

void DpiStagePanel::onStateChanged(int) {}

void DpiStagePanel::onLinkChanged(quint8 link, quint8 index) {
    if (index < kDpiStageCount) m_profile.stages[index].link = link;
}

void DpiStagePanel::onEnableChanged(quint8 used, quint8 index) {
    if (index < kDpiStageCount) m_profile.stages[index].used = used;
}

void DpiStagePanel::onSliderChanged(int x, int y, quint8 index) {
    if (index >= kDpiStageCount) return;
    m_profile.stages[index].x = uint32_t(qMax(x, 0));
    m_profile.stages[index].y = uint32_t(qMax(y, 0));
}

void DpiStagePanel::MouseinSignal(quint8 index) {
    if (index < m_stageCount) selectStage(index);
}

void DpiStagePanel::slotLabelClick(KestLabel*) {}

void DpiStagePanel::checkbtn_clicked() {
    m_profile.LedMoveOFF = m_moveOffBox->isChecked() ? 0 : 255;
}

void DpiStagePanel::slider_clicked(int iValue) {
    m_profile.LedSleepTime = quint8(iValue);
    showSleepValue();
}

void DpiStagePanel::slotSliderMouseChange() {
    showSleepValue();
}

void DpiStagePanel::readProduct() {
    // A damaged definition could claim more stages than a profile holds.
    m_stageCount = qBound(0, dpiStageCount(), kDpiStageCount);
    m_sleepShown = ledDisable() != 0 && showSleep() != 0;
    const SleepRange range = sleepRange();
    const QSignalBlocker block(m_sleepSlider);
    m_sleepSlider->setRange(range.min, qMax(range.min, range.max));
}

void DpiStagePanel::showSleepValue() {
    const int minutes = m_sleepSlider->value();
    m_sleepLabel->setText(QString::number(minutes) + tr(" MINUTE"));
    m_sleepSlider->setAccessibleName(minutes == 1 ? tr("Sleep time, 1 minute")
                                                  : tr("Sleep time, %1 minutes").arg(minutes));
}

void DpiStagePanel::layoutRows() {
    const double s = displayScale();
    m_title->setGeometry(scaledRect(QRect(3, 3, 80, 17), s));

    // The given pitch when every stage fits; otherwise the rows close up so
    // the last stage is never hidden under the sensor panel.
    const int bottom = kVisibleBottom - (m_sleepShown ? kSleepBlockHeight : 0);
    int pitch = kRowPitch, height = kRowHeight;
    if (m_stageCount > 0 && kRowTop + kRowPitch * (m_stageCount - 1) + kRowHeight > bottom) {
        pitch = (bottom - kRowTop) / m_stageCount;
        height = pitch - 2;
    }
    for (int i = 0; i < kDpiStageCount; ++i) {
        if (i < m_stageCount) {
            m_rows[i]->setGeometry(
                scaledRect(QRect(kRowX, kRowTop + pitch * i, kRowWidth, height), s));
            m_rows[i]->relayout();
            m_rows[i]->show();
        } else {
            m_rows[i]->setGeometry(QRect());
            m_rows[i]->hide();
        }
    }

    // The sleep controls follow the last row rather than sitting at the foot
    // of the page, where the sensor panel would cover them.
    QWidget* const sleepWidgets[] = {m_sleepTitle, m_sleepSlider, m_sleepLabel, m_moveOffBox};
    if (m_sleepShown) {
        const int top = kRowTop + pitch * qMax(m_stageCount - 1, 0) + height + 6;
        m_sleepTitle->setGeometry(scaledRect(QRect(15, top, 201, 18), s));
        m_sleepSlider->setGeometry(scaledRect(QRect(15, top + 20, 228, 25), s));
        m_sleepLabel->setGeometry(scaledRect(QRect(250, top + 23, 100, 18), s));
        m_moveOffBox->setGeometry(scaledRect(QRect(15, top + 52, 200, 25), s));
    } else {
        for (QWidget* w : sleepWidgets)
            w->setGeometry(QRect());
    }
    for (QWidget* w : sleepWidgets)
        w->setVisible(m_sleepShown);
}
