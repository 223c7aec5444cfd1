#include "dpistagerow.h"

#include "dpi.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestslider.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"
#include "perflog.h"
#include "radiostyle.h"
#include "sliderrange.h"
#include "twobarslider.h"

#include <QCheckBox>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QSignalBlocker>
#include <QTimer>
#include <QToolTip>

namespace {

// Row content is drawn in a band this tall, centred in the row, so a page
// with many stages can close its rows up to this height.
constexpr int kBandHeight = 34;

const QColor kReadoutColor(150, 155, 163);

// Two values of up to six digits and what stands between them.
constexpr int kMaxTypedLength = 16;

bool isEnterKey(int key) {
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

DpiStageRow::DpiStageRow(quint8 index, QWidget* parent)
    : QWidget(parent), m_index(index), m_minLabel(new KestLabel(this)),
      m_maxLabel(new KestLabel(this)), m_linkBox(new QCheckBox(this)),
      m_enableBox(new QCheckBox(this)), m_slider(new TwoBarSlider(this)),
      m_xLabel(new KestLabel(this)), m_yLabel(new KestLabel(this)), m_dpiLabel(new KestLabel(this)),
      m_dpiEdit(new KestLineEdit(this)) {
    setObjectName(QStringLiteral("dpiRow%1").arg(index));
    // The end labels hug the slider's ends.
    m_minLabel->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_maxLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (KestLabel* l : {m_minLabel, m_maxLabel, m_xLabel, m_yLabel})
        l->setTextColor(kReadoutColor);
    m_minLabel->setText(QString::number(kPlaceholderMinLabel));
    m_maxLabel->setText(QString::number(kPlaceholderMaxLabel));
    m_linkBox->setVisible(false);
    // The DPI read-out is a Tab stop: Enter, F2 or a digit opens the field.
    m_dpiLabel->setFocusPolicy(Qt::StrongFocus);
    m_dpiLabel->installEventFilter(this);
    m_dpiEdit->setMaxLength(kMaxTypedLength);
    m_dpiEdit->installEventFilter(this);
    m_dpiEdit->hide();

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
    // A stage shown anew drops what was half typed over the old one.
    cancelDpiEdit();
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
    m_dpiEdit->setAccessibleName(tr("DPI stage %1 value").arg(m_index + 1));
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
    bold.setUnderline(m_dpiLabel->hasFocus());
    m_dpiLabel->setFont(bold);
    m_dpiEdit->refreshStyle();
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

void DpiStageRow::slotLabelClick(KestLabel* label) {
    emit MouseinSignal(m_index);
    if (label == m_dpiLabel) openDpiEdit();
}

QString DpiStageRow::dpiHint() const {
    const int low = dpiFromStep(uint32_t(qMax(m_slider->minimum(), 0)), m_sensor);
    const int high = dpiFromStep(uint32_t(qMax(m_slider->maximum(), 0)), m_sensor);
    return m_link == 1
               ? tr("Type a DPI from %1 to %2").arg(low).arg(high)
               : tr("Type a DPI from %1 to %2; two values set X and Y apart").arg(low).arg(high);
}

void DpiStageRow::openDpiEdit(const QString& typed) {
    // A sensor the program does not know has no DPI to type.
    if (dpiFromStep(uint32_t(qMax(m_slider->maximum(), 0)), m_sensor) <= 0) return;
    const int dpiX = dpiFromStep(uint32_t(qMax(m_x, 0)), m_sensor);
    const int dpiY = dpiFromStep(uint32_t(qMax(m_y, 0)), m_sensor);
    QString text = typed;
    if (text.isEmpty())
        text = m_link == 1 || dpiX == dpiY ? QString::number(dpiY)
                                           : QStringLiteral("%1 %2").arg(dpiX).arg(dpiY);
    m_dpiEdit->setText(text);
    m_dpiEdit->setToolTip(dpiHint());
    m_dpiEdit->setGeometry(m_dpiLabel->geometry());
    m_dpiEdit->show();
    m_dpiEdit->raise();
    m_dpiEdit->setFocus(Qt::OtherFocusReason);
    if (typed.isEmpty())
        m_dpiEdit->selectAll();
    else
        m_dpiEdit->end(false);
}

bool DpiStageRow::commitDpiEdit() {
    const TypedDpi typed = readTypedDpi(m_dpiEdit->text(), m_sensor, m_slider->minimum(),
                                        m_slider->maximum(), m_link != 1);
    if (!typed.ok()) {
        QToolTip::showText(m_dpiEdit->mapToGlobal(QPoint(0, m_dpiEdit->height())), dpiHint(),
                           m_dpiEdit);
        m_dpiEdit->selectAll();
        return false;
    }
    cancelDpiEdit();
    // The path a drag takes, so the profile and the unsent mark see it.
    onSliderChanged(int(typed.x), int(typed.y));
    return true;
}

void DpiStageRow::cancelDpiEdit() {
    if (m_dpiEdit->isHidden()) return;
    if (m_dpiEdit->hasFocus()) m_dpiLabel->setFocus(Qt::OtherFocusReason);
    m_dpiEdit->hide();
    QToolTip::hideText();
}

bool DpiStageRow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_dpiEdit) {
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (isEnterKey(key)) {
                commitDpiEdit();
                return true;
            }
            if (key == Qt::Key_Escape) {
                cancelDpiEdit();
                return true;
            }
        } else if (event->type() == QEvent::FocusOut) {
            // Leaving the field drops what was half typed.
            QTimer::singleShot(0, this, [this] {
                if (!m_dpiEdit->hasFocus()) cancelDpiEdit();
            });
        }
    } else if (watched == m_dpiLabel) {
        if (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) {
            // The read-out has no frame: an underline shows it has the keyboard.
            QFont f = m_dpiLabel->font();
            f.setUnderline(event->type() == QEvent::FocusIn);
            m_dpiLabel->setFont(f);
        } else if (event->type() == QEvent::KeyPress) {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (isEnterKey(key->key()) || key->key() == Qt::Key_F2) {
                openDpiEdit();
                return true;
            }
            if (key->text().size() == 1 && key->text().at(0).isDigit()) {
                openDpiEdit(key->text());
                return true;
            }
        }
    }
    return QWidget::eventFilter(watched, event);
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
    m_dpiEdit->setGeometry(m_dpiLabel->geometry());
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
