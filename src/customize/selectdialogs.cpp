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

SniperDialog::SniperDialog(QWidget* parent, double scale, int sensorCode, quint8 step)
    : SkinDialog(parent, scale, QSize(400, 190)), m_range(sniperRangeFor(sensorCode)),
      m_sensor(sensorCode), m_slider(new KestSlider(Qt::Horizontal, this)),
      m_dpi(new KestLabel(this)), m_unit(new KestLabel(this)), m_min(new KestLabel(this)),
      m_max(new KestLabel(this)) {
    m_slider->setRange(m_range.minimum, m_range.maximum);
    m_slider->setPageStep(1);
    setKitFont(m_dpi, 20, true);
    m_dpi->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_unit->setText(QStringLiteral("DPI"));
    for (KestLabel* l : {m_min, m_max, m_unit}) {
        setKitFont(l, 11);
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
    connect(m_slider, &QSlider::valueChanged, this, &SniperDialog::onSliderChanged);
    m_slider->setFocus();
    setStep(step);
    retranslate();
}

void SniperDialog::retranslate() {
    setTitle(tr("Sniper Setting"));
}

void SniperDialog::setStep(int step) {
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

QString SniperDialog::dpiText() const {
    return QString::asprintf("%d", dpiFromStep(m_step, m_sensor));
}

void SniperDialog::onSliderChanged(int value) {
    m_step = quint8(value);
    m_dpi->setText(dpiText());
    emit SetSniperValue(m_step);
}

// ---------------------------------------------------------------------------

MacroSelectDialog::MacroSelectDialog(QWidget* parent, double scale, const QStringList& names,
                                     const QString& name, int loops, int mode)
    : SkinDialog(parent, scale, QSize(400, 356)), m_list(new QListWidget(this)),
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
    setKitFont(m_list, 13);
    m_list->setTextElideMode(Qt::ElideMiddle);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (const QString& n : names) {
        if (n.isEmpty()) continue;
        // A hand-edited list may hold line breaks or tabs; the row shows them
        // as spaces, the name stays as it is stored.
        QString shown = n;
        for (QChar& c : shown)
            if (c.category() == QChar::Other_Control) c = QLatin1Char(' ');
        auto* item = new QListWidgetItem(shown, m_list);
        item->setData(Qt::UserRole, n);
        item->setToolTip(shown);
        if (n == name && !m_list->currentItem()) m_list->setCurrentItem(item);
    }
    connect(m_list, &QListWidget::itemSelectionChanged, this, &MacroSelectDialog::updateOk);
    place(m_list, kMargin, kBodyTop, 400 - 2 * kMargin, 140);

    for (int i = 0; i < ModeCount; ++i) {
        m_boxes[i] = new QCheckBox(this);
        setKitLook(m_boxes[i], "roundBox");
        setKitFont(m_boxes[i], 12);
        m_group->addButton(m_boxes[i], i);
        place(m_boxes[i], kMargin, 206 + 28 * i, i == LoopMode ? 220 : 344, 24);
    }
    m_boxes[mode >= 0 && mode < ModeCount ? mode : LoopMode]->setChecked(true);

    m_loops->setValidator(new CountValidator(m_loops));
    m_loops->setMaxLength(3);
    setKitFont(m_loops, 13);
    m_loops->setText(QString::number(loops >= 1 && loops <= 255 ? loops : 1));
    connect(m_loops, &QLineEdit::textChanged, this, &MacroSelectDialog::updateOk);
    place(m_loops, 302, 204, 70, 28);

    // In the order they are seen.
    setTabOrder(m_list, m_boxes[LoopMode]);
    for (int i = 1; i < ModeCount; ++i)
        setTabOrder(m_boxes[i - 1], m_boxes[i]);
    setTabOrder(m_boxes[ModeCount - 1], m_loops);
    setTabOrder(m_loops, okButton());
    setTabOrder(okButton(), cancelButton());
    m_list->setFocus();
    updateOk();
    retranslate();
}

void MacroSelectDialog::retranslate() {
    setTitle(tr("Macro Manager"));
    m_boxes[LoopMode]->setText(tr("LOOPS TIME(1-255)"));
    m_boxes[WhileDownMode]->setText(tr("REPEAT RUN WHEN KEY DOWN"));
    m_boxes[UntilDownMode]->setText(tr("REPEAT RUN UNTILL THE KEY DOWN"));
}

QString MacroSelectDialog::name() const {
    const QList<QListWidgetItem*> selected = m_list->selectedItems();
    return selected.isEmpty() ? QString() : selected.first()->data(Qt::UserRole).toString();
}

int MacroSelectDialog::mode() const {
    return m_group->checkedId();
}

int MacroSelectDialog::loops() const {
    return CountValidator::countOf(m_loops->text());
}

void MacroSelectDialog::updateOk() {
    // Without a macro the button would be stored as a macro with no name.
    okButton()->setEnabled(!name().isEmpty() && loops() > 0);
}
