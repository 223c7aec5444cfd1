#include "selectdialogs.h"

#include "dpi.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "kitscale.h"
#include "kittheme.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QListWidget>
#include <QSignalBlocker>

namespace {
const QColor kReadoutColor(150, 155, 163);
} // namespace

const SniperRange& sniperRangeFor(int sensor) {
    for (const SniperRange& r : kSniperRanges)
        if (r.sensor == sensor) return r;
    return kAnySensorRange;
}

KestSniperWindow::KestSniperWindow(QWidget* parent, double scale, int sensorCode, quint8 step)
    : KestSkinDialog(parent, scale, QSize(400, 190)), m_range(sniperRangeFor(sensorCode)),
      m_sensor(sensorCode), m_slider(new KestSlider(Qt::Horizontal, this)),
      m_dpi(new KestLabel(this)), m_unit(new KestLabel(this)), m_min(new KestLabel(this)),
      m_max(new KestLabel(this)) {
    m_slider->setRange(m_range.minimum, m_range.maximum);
    m_slider->setPageStep(1);
    m_dpi->setFont(scaledKitFont(20, true));
    m_dpi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_unit->setFont(scaledKitFont(12));
    m_unit->setText(QStringLiteral("DPI"));
    for (KestLabel* l : {m_min, m_max, m_unit}) {
        l->setFont(scaledKitFont(11));
        l->setTextColor(kReadoutColor);
    }
    m_max->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_min->setText(QString::number(dpiFromStep(uint32_t(m_range.minimum), sensorCode)));
    m_max->setText(QString::number(dpiFromStep(uint32_t(m_range.maximum), sensorCode)));
    place(m_slider, kMargin, 66, 240, 28);
    place(m_min, kMargin, 96, 100, 16);
    place(m_max, kMargin + 140, 96, 100, 16);
    place(m_dpi, 276, 62, 70, 34);
    place(m_unit, 348, 72, 30, 20);
    connect(m_slider, &QSlider::valueChanged, this, &KestSniperWindow::onSliderChanged);
    m_slider->setFocus();
    setStep(step);
    retranslate();
}

void KestSniperWindow::retranslate() {
    setTitle(tr("Sniper Setting"));
}

void KestSniperWindow::setStep(int step) {
    if (step < m_range.lowest || step > m_range.highest) step = m_range.fallback;
    // What the slider can show is the value: a step inside the stored range
    // but outside the slider's is moved to its end.
    step = qBound(m_range.minimum, step, m_range.maximum);
    m_step = quint8(step);
    {
        const QSignalBlocker block(m_slider);
        m_slider->setValue(step);
    }
    m_dpi->setText(dpiText());
    emit SetSniperValue(m_step);
}

QString KestSniperWindow::dpiText() const {
    return QString::asprintf("%d", dpiFromStep(m_step, m_sensor));
}

void KestSniperWindow::onSliderChanged(int value) {
    m_step = quint8(value);
    m_dpi->setText(dpiText());
    emit SetSniperValue(m_step);
}

// ---------------------------------------------------------------------------

KestMacroSelect::KestMacroSelect(QWidget* parent, double scale, const QStringList& names,
                                 const QString& name, int loops, int mode)
    : KestSkinDialog(parent, scale, QSize(400, 356)), m_list(new QListWidget(this)),
      m_loops(new KestLineEdit(this)), m_group(new QButtonGroup(this)) {
    static const QString listSheet = QStringLiteral(
        "QListWidget{background-color:rgb(22,24,27);color:rgb(214,218,224);"
        "border:1@px solid rgb(62,66,72);border-radius:3@px;outline:none;}"
        "QListWidget:focus{border-color:@accent@;}"
        "QListWidget::item{height:26@px;padding:0px 8@px;border:none;}"
        "QListWidget::item:selected{border-image:url(@skin@/profilesel.png);"
        "color:rgb(255,255,255);}"
        "QScrollBar:vertical{background:rgb(30,32,36);width:8@px;margin:0px;border:none;}"
        "QScrollBar::handle:vertical{background:@accent@;border-radius:4@px;min-height:20@px;}"
        "QScrollBar::add-line:vertical,QScrollBar::sub-line:vertical{height:0px;}"
        "QScrollBar::add-page:vertical,QScrollBar::sub-page:vertical{background:none;}");
    m_list->setStyleSheet(fillStyleTemplate(listSheet, themeColor(), this->scale()));
    m_list->setFont(scaledKitFont(13));
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QString& n : names)
        if (!n.isEmpty()) m_list->addItem(n);
    const QList<QListWidgetItem*> found =
        name.isEmpty() ? QList<QListWidgetItem*>() : m_list->findItems(name, Qt::MatchExactly);
    if (!found.isEmpty()) m_list->setCurrentItem(found.first());
    connect(m_list, &QListWidget::itemSelectionChanged, this, &KestMacroSelect::updateOk);
    place(m_list, kMargin, kBodyTop, 400 - 2 * kMargin, 140);

    for (int i = 0; i < ModeCount; ++i) {
        m_boxes[i] = new QCheckBox(this);
        setKitLook(m_boxes[i], "roundBox");
        m_boxes[i]->setFont(scaledKitFont(12));
        m_group->addButton(m_boxes[i], i);
        place(m_boxes[i], kMargin, 206 + 28 * i, i == LoopMode ? 220 : 344, 24);
    }
    m_mode = mode >= 0 && mode < ModeCount ? mode : LoopMode;
    m_boxes[m_mode]->setChecked(true);
    connect(m_group, &QButtonGroup::idClicked, this, [this](int id) { m_mode = id; });

    m_loops->setValidator(new CountValidator(m_loops));
    m_loops->setMaxLength(3);
    m_loops->setFont(scaledKitFont(13));
    m_loops->setText(QString::number(loops >= 1 && loops <= 255 ? loops : 1));
    connect(m_loops, &QLineEdit::textChanged, this, &KestMacroSelect::updateOk);
    place(m_loops, 302, 204, 70, 28);

    m_list->setFocus();
    updateOk();
    retranslate();
}

void KestMacroSelect::retranslate() {
    setTitle(tr("Macro Manager"));
    m_boxes[LoopMode]->setText(tr("LOOPS TIME(1-255)"));
    m_boxes[WhileDownMode]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_boxes[UntilDownMode]->setText(tr("REPEAT RUN UNTILL THE KEY DOWN"));
}

QString KestMacroSelect::name() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->text();
}

int KestMacroSelect::loops() const {
    return CountValidator::countOf(m_loops->text());
}

void KestMacroSelect::updateOk() {
    // Without a macro the button would be stored as a macro with no name.
    okButton()->setEnabled(!name().isEmpty() && loops() > 0);
}
