#include "coloreditordialog.h"

#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestpushbutton.h"
#include "kitaccessible.h"
#include "kitscale.h"
#include "kittheme.h"

#include "qtcompat.h"
#include <QEvent>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QLoggingCategory>
#include <QMouseEvent>
#include <QPainter>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

Q_LOGGING_CATEGORY(lcColorEdit, "mousecfg.lighting.color", QtWarningMsg)

namespace {

// Logical sizes; the strip and the square are 128 units tall.
constexpr int kSquareUnits = 128;
constexpr int kStripWidth = 26;
constexpr int kStripMargin = 7;
constexpr int kStripAreaWidth = 34;
constexpr int kMarkerHeight = 13;
constexpr int kRingDiameter = 12;

constexpr int kWidth = 400;
constexpr int kHeight = 300;
constexpr int kMargin = 22;
constexpr int kAreaTop = 54;
constexpr int kSquareX = 64;
constexpr int kFieldX = 208;
constexpr int kFieldWidth = 80;
constexpr int kFieldPitch = 90;
constexpr int kFieldHeight = 26;
constexpr int kRowTop = 104;
constexpr int kRowPitch = 32;
constexpr int kBottomRowY = 210;
constexpr int kHexX = 96;
constexpr int kPresetSize = 23;
constexpr int kPresetPitch = 24;
constexpr int kButtonWidth = 110;
constexpr int kButtonHeight = 28;

const QColor kTitleColor(236, 238, 242);
const QColor kHeadingColor(150, 155, 163);

struct PresetRgb {
    int r, g, b;
};
constexpr PresetRgb kPresets[kPresetCount] = {{255, 0, 0},    {0, 255, 0},   {0, 0, 255},
                                              {0, 255, 255},  {255, 255, 0}, {255, 0, 255},
                                              {255, 255, 255}};

// QColor takes hues 0-359 (and -1 for grey); the fields and the strip also
// know 360, which is red again.
int colorHue(int h) {
    return h < 0 || h > 359 ? 0 : h;
}

QSpinBox* makeSpin(QWidget* parent, int maximum, const QString& prefix, double scale) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, maximum);
    spin->setPrefix(prefix);
    spin->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    spin->setStyleSheet(spinBoxStyleSheet(themeColor(), scale));
    spin->setContextMenuPolicy(Qt::NoContextMenu);
    return spin;
}

// One pixel of black round `r`, drawn as four edges so that it is there at
// any size, one pixel included.
void drawFrame(QPainter& p, const QRect& r) {
    p.fillRect(r.x(), r.y(), r.width(), 1, Qt::black);
    p.fillRect(r.x(), r.bottom(), r.width(), 1, Qt::black);
    p.fillRect(r.x(), r.y(), 1, r.height(), Qt::black);
    p.fillRect(r.right(), r.y(), 1, r.height(), Qt::black);
}

} // namespace

int svPositionFromValue(int value, double scale) {
    return int(value * scale / 2);
}

int svValueFromPosition(int position, double scale) {
    if (position > 127 * scale) return 255;
    return std::max(0, int(position * 2 / scale));
}

QColor colorFromHexText(const QString& text) {
    // Unsigned: a sign in a pasted text must not make a negative component.
    const auto digits = [&text](int from, int count) {
        return int(text.mid(from, count).toUInt(nullptr, 16));
    };
    int r = 0, g = 0, b = 0;
    switch (text.size()) {
    case 1:
    case 2:
        b = digits(0, 2);
        break;
    case 3:
        r = digits(0, 1) * 17;
        g = digits(1, 1) * 17;
        b = digits(2, 1) * 17;
        break;
    case 4:
        g = digits(0, 2);
        b = digits(2, 2);
        break;
    case 5:
        r = digits(0, 1);
        g = digits(1, 2);
        b = digits(3, 2);
        break;
    case 6:
        r = digits(0, 2);
        g = digits(2, 2);
        b = digits(4, 2);
        break;
    default:
        break;
    }
    return QColor(r, g, b);
}

QString normalizedHexText(const QString& text) {
    // The finished text names exactly the colour its last keystroke showed.
    return hexTextOf(colorFromHexText(text));
}

QString hexTextOf(const QColor& colour) {
    return QStringLiteral("%1%2%3")
        .arg(colour.red(), 2, 16, QLatin1Char('0'))
        .arg(colour.green(), 2, 16, QLatin1Char('0'))
        .arg(colour.blue(), 2, 16, QLatin1Char('0'));
}

// ---- hue strip ----

HColorArea::HColorArea(QWidget* parent, double scale) : QWidget(parent), m_scale(scale) {
    setFixedSize(scaledSize(QSize(kStripAreaWidth, kSquareUnits + 2 * kStripMargin), scale));
    buildStrip();
}

int HColorArea::stripTop() const {
    return scaled(kStripMargin, m_scale);
}

int HColorArea::stripHeight() const {
    return scaled(kSquareUnits, m_scale);
}

int HColorArea::markerY() const {
    return stripTop() + int(stripHeight() - stripHeight() * m_position);
}

void HColorArea::setHue(int h) {
    m_hue = h;
    // A grey's hue of -1 puts the marker at the bottom, on red.
    m_position = std::clamp(h / 360.0, 0.0, 1.0);
    update();
}

void HColorArea::buildStrip() {
    m_strip = devicePixmap(size());
    m_strip.fill(Qt::transparent);
    const int top = stripTop();
    const int height = stripHeight();
    // Aligned with the strip itself, so the colour beside the marker is the hue.
    QLinearGradient gradient(0, top + height, 0, top);
    for (int i = 0; i < 16; ++i)
        gradient.setColorAt(i / 16.0, QColor::fromHsvF(i / 16.0, 1, 1, 1));
    gradient.setColorAt(1, QColor::fromHsvF(0, 1, 1, 1));
    QPainter p(&m_strip);
    p.setPen(Qt::NoPen);
    p.fillRect(QRect(0, top, scaled(kStripWidth, m_scale), height), gradient);
}

void HColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_strip);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    const int a = markerY() - stripTop();
    const int tri = scaled(kMarkerHeight, m_scale);
    const QPointF corners[3] = {QPointF(scaled(kStripWidth, m_scale), stripTop() + a),
                                QPointF(width(), a), QPointF(width(), a + tri)};
    p.drawPolygon(corners, 3);
}

void HColorArea::pick(const QPointF& pos) {
    const int y = qRound(pos.y());
    m_position = std::clamp(1 - double(y - stripTop()) / stripHeight(), 0.0, 1.0);
    update();
    m_hue = int(m_position * 360);
    emit hueChangedSignal(m_hue);
}

void HColorArea::mousePressEvent(QMouseEvent* event) {
    pick(eventPosF(event));
}

void HColorArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) pick(eventPosF(event));
}

void HColorArea::mouseReleaseEvent(QMouseEvent*) {
    emit mouseReleaseSignal();
}

// ---- saturation/value square ----

SVColorArea::SVColorArea(QWidget* parent, double scale)
    : QWidget(parent), m_side(scaled(kSquareUnits, scale)), m_scale(scale) {
    setFixedSize(m_side, m_side);
    // Every pixel is painted: the dialog's background need not be drawn
    // under the square on each move of the marker.
    setAttribute(Qt::WA_OpaquePaintEvent);
    buildOverlay();
    buildBase();
}

void SVColorArea::setPositions(int h, int s, int v) {
    m_hue = h;
    m_satPos = std::clamp(svPositionFromValue(s, m_scale), 0, m_side);
    m_valPos = std::clamp(svPositionFromValue(v, m_scale), 0, m_side);
    buildBase();
    update();
}

void SVColorArea::rescale(double newScale) {
    if (!(newScale > 0) || newScale == m_scale) return;
    const double f = newScale / m_scale;
    m_scale = newScale;
    m_side = scaled(kSquareUnits, newScale);
    m_satPos = std::clamp(int(m_satPos * f), 0, m_side);
    m_valPos = std::clamp(int(m_valPos * f), 0, m_side);
    setFixedSize(m_side, m_side);
    buildOverlay();
    buildBase();
    update();
}

void SVColorArea::hueChangedSlot(int h) {
    m_hue = h;
    buildBase();
    emit svChangedSignal(m_hue, m_satPos, m_valPos);
    update();
}

void SVColorArea::buildBase() {
    m_base = devicePixmap(QSize(m_side, m_side));
    QLinearGradient gradient(0, 0, m_side, 0);
    gradient.setColorAt(0, QColor(0xff, 0xff, 0xff));
    gradient.setColorAt(1, QColor::fromHsv(colorHue(m_hue), 255, 255, 255));
    QPainter p(&m_base);
    p.fillRect(QRect(0, 0, m_side, m_side), gradient);
    // Darkened once per hue, not on every paint of a drag.
    p.drawPixmap(0, 0, m_overlay);
}

void SVColorArea::buildOverlay() {
    m_overlay = devicePixmap(QSize(m_side, m_side));
    m_overlay.fill(Qt::transparent);
    QLinearGradient gradient(0, 0, 0, m_side);
    gradient.setColorAt(0, QColor(0, 0, 0, 0));
    gradient.setColorAt(1, QColor(0, 0, 0, 255));
    QPainter p(&m_overlay);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(QRect(0, 0, m_side, m_side), gradient);
}

void SVColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawPixmap(0, 0, m_base);
    p.setRenderHint(QPainter::Antialiasing);
    // The ring stays visible on the light upper half and the dark lower half.
    p.setPen(QPen(m_valPos <= m_side / 2 ? Qt::white : Qt::black, scaled(2, m_scale)));
    p.setBrush(Qt::NoBrush);
    const double r = scaled(kRingDiameter, m_scale) / 2.0;
    p.drawEllipse(QPointF(markerCenter()), r, r);
}

void SVColorArea::pick(const QPoint& pos) {
    m_satPos = std::clamp(pos.x(), 0, m_side);
    m_valPos = std::clamp(m_side - pos.y(), 0, m_side);
    emit svChangedSignal(m_hue, m_satPos, m_valPos);
    update();
}

void SVColorArea::mousePressEvent(QMouseEvent* event) {
    qCDebug(lcColorEdit, "SVColorArea mousePressEvent %d %d\n", eventPos(event).x(),
            eventPos(event).y());
    pick(eventPos(event));
    qCDebug(lcColorEdit, "SVColorArea mousePressEvent %d %d\n", m_satPos, m_valPos);
}

void SVColorArea::mouseMoveEvent(QMouseEvent* event) {
    if (event->buttons() & Qt::LeftButton) pick(eventPos(event));
}

void SVColorArea::mouseReleaseEvent(QMouseEvent*) {
    emit mouseReleaseSignal();
}

// ---- preview ----

PreviewColorArea::PreviewColorArea(QWidget* parent, double scale)
    : QWidget(parent), m_scale(scale) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PreviewColorArea::setColor(const QColor& colour) {
    m_color = colour;
    update();
}

void PreviewColorArea::svChangedSlot(int h, int sPos, int vPos) {
    const int s = svValueFromPosition(sPos, m_scale);
    const int v = svValueFromPosition(vPos, m_scale);
    if (h >= 360) h = 0;
    setColor(QColor::fromHsv(std::max(h, -1), s, v, 255));
    emit svChangedSignal(h, s, v);
}

void PreviewColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
    drawFrame(p, rect());
}

// ---- swatch ----

DefaultColorArea::DefaultColorArea(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    // Space picks it, so an assistive tool's "Press" does too.
    setAccessibleRole(this, QAccessible::Button);
}

void DefaultColorArea::setColor(const QColor& colour) {
    m_color = colour;
    setAccessibleName(tr("Colour %1").arg(colour.name().toUpper()));
    update();
}

void DefaultColorArea::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), m_color);
    drawFrame(p, rect());
    // The keyboard's place, in whichever of black and white stands out.
    if (hasFocus() && width() > 6 && height() > 6) {
        p.setPen(QPen(m_color.lightness() > 128 ? Qt::black : Qt::white, 1, Qt::DotLine));
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

void DefaultColorArea::mousePressEvent(QMouseEvent*) {
    qCDebug(lcColorEdit, "DefaultColorArea mousePressEvent");
    emit ClickedSignal();
}

void DefaultColorArea::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!event->isAutoRepeat()) emit ClickedSignal();
        event->accept();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

// ---- the editor ----

ColorEditorDialog::~ColorEditorDialog() {
    // The children outlive this part of the dialog while the base classes
    // delete them; a field losing its focus then must not reach a slot here.
    for (QObject* child : findChildren<QObject*>())
        child->disconnect(this);
}

ColorEditorDialog::ColorEditorDialog(QWidget* parent, double scale)
    : KestDialogFrame(parent, scale), m_title(new KestLabel(this)),
      m_strip(new HColorArea(this, scale)), m_square(new SVColorArea(this, scale)),
      m_preview(new PreviewColorArea(this, scale)),
      m_h(makeSpin(this, 360, QStringLiteral("H "), scale)),
      m_s(makeSpin(this, 255, QStringLiteral("S "), scale)),
      m_v(makeSpin(this, 255, QStringLiteral("V "), scale)),
      m_r(makeSpin(this, 255, QStringLiteral("R "), scale)),
      m_g(makeSpin(this, 255, QStringLiteral("G "), scale)),
      m_b(makeSpin(this, 255, QStringLiteral("B "), scale)), m_colorLabel(new KestLabel(this)),
      m_hex(new KestLineEdit(this)),
      m_yes(makeButton(QStringLiteral("msgBoxYesBtn"), QStringLiteral(":/yes_Btn"))),
      m_no(makeButton(QStringLiteral("msgBoxNoBtn"), QStringLiteral(":/no_Btn"))) {
    setFixedSize(scaledSize(QSize(kWidth, kHeight), scale));
    m_title->setTextColor(kTitleColor);
    m_colorLabel->setTextColor(kHeadingColor);
    place(m_title, kMargin, 12, kWidth - 2 * kMargin, 26);

    place(m_strip, kMargin, kAreaTop, kStripAreaWidth, kSquareUnits + 2 * kStripMargin);
    m_square->move(scaled(kSquareX, scale), scaled(kAreaTop + kStripMargin, scale));
    place(m_preview, kFieldX, kAreaTop + kStripMargin, kFieldWidth + kFieldPitch, 34);
    QSpinBox* const fields[6] = {m_h, m_s, m_v, m_r, m_g, m_b};
    for (int i = 0; i < 6; ++i)
        place(fields[i], kFieldX + (i / 3) * kFieldPitch, kRowTop + (i % 3) * kRowPitch,
              kFieldWidth, kFieldHeight);

    place(m_colorLabel, kMargin, kBottomRowY, kHexX - kMargin - 2, kFieldHeight);
    m_colorLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    place(m_hex, kHexX, kBottomRowY, kSquareX + kSquareUnits - kHexX, kFieldHeight);
    m_hex->setMaxLength(6);
    m_hex->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9A-Fa-f]*")), m_hex));
    m_hex->setText(hexTextOf(m_current));
    for (int i = 0; i < kPresetCount; ++i) {
        m_presets[i] = new DefaultColorArea(this);
        m_presets[i]->setColor(presetColor(i));
        place(m_presets[i], kFieldX + kPresetPitch * i, kBottomRowY + 1, kPresetSize, kPresetSize);
        connect(m_presets[i], &DefaultColorArea::ClickedSignal, this,
                &ColorEditorDialog::color_clicked);
    }

    const int buttonY = kHeight - 18 - kButtonHeight;
    const int right = kWidth - 20 - kButtonWidth;
    place(m_no, right, buttonY, kButtonWidth, kButtonHeight);
    place(m_yes, right - kButtonWidth - 12, buttonY, kButtonWidth, kButtonHeight);
    m_yes->setDefault(true);
    // clicked, not released: a press dragged off the button takes nothing.
    connect(m_yes, &QPushButton::clicked, this, &QDialog::accept);
    connect(m_no, &QPushButton::clicked, this, &QDialog::reject);

    connect(m_strip, &HColorArea::hueChangedSignal, m_square, &SVColorArea::hueChangedSlot);
    connect(m_square, &SVColorArea::svChangedSignal, m_preview, &PreviewColorArea::svChangedSlot);
    connect(m_preview, &PreviewColorArea::svChangedSignal, this,
            &ColorEditorDialog::updateEditData);
    connect(m_hex, &QLineEdit::textEdited, this, &ColorEditorDialog::editChangedSlot);
    connect(m_hex, &QLineEdit::editingFinished, this, &ColorEditorDialog::editFinishedSlot);
    connect(m_h, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::hValueChangedSlot);
    connect(m_s, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::sValueChangedSlot);
    connect(m_v, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::vValueChangedSlot);
    connect(m_r, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::rValueChangedSlot);
    connect(m_g, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::gValueChangedSlot);
    connect(m_b, QOverload<int>::of(&QSpinBox::valueChanged), this,
            &ColorEditorDialog::bValueChangedSlot);
    connect(m_strip, &HColorArea::mouseReleaseSignal, this, &ColorEditorDialog::MouseReleaseSlot);
    connect(m_square, &SVColorArea::mouseReleaseSignal, this, &ColorEditorDialog::MouseReleaseSlot);

    // The keyboard walks the fields, the hexadecimal text, the presets left
    // to right and the buttons.
    QWidget* previous = m_h;
    const auto chain = [&previous](QWidget* next) {
        setTabOrder(previous, next);
        previous = next;
    };
    for (QSpinBox* f : {m_s, m_v, m_r, m_g, m_b})
        chain(f);
    chain(m_hex);
    for (DefaultColorArea* preset : m_presets)
        chain(preset);
    chain(m_yes);
    chain(m_no);
    m_hex->setFocus();

    applyFonts();
    retranslate();
}

QColor ColorEditorDialog::presetColor(int index) {
    if (index < 0 || index >= kPresetCount) return QColor();
    const PresetRgb& p = kPresets[index];
    return QColor(p.r, p.g, p.b);
}

void ColorEditorDialog::place(QWidget* widget, int x, int y, int w, int h) const {
    widget->setGeometry(scaledRect(QRect(x, y, w, h), scale()));
}

void ColorEditorDialog::applyFonts() {
    m_title->refreshFont(15);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    m_colorLabel->refreshFont(11);
    for (KestPushButton* b : {m_yes, m_no})
        b->refreshFont(13);
    const QFont field = scaledFont(kitFont(), 13, scale());
    m_hex->setFont(field);
    for (QSpinBox* s : {m_h, m_s, m_v, m_r, m_g, m_b})
        s->setFont(field);
}

void ColorEditorDialog::retranslate() {
    setWindowTitle(tr("Color Edit"));
    m_title->setText(tr("Color Edit"));
    m_colorLabel->setText(tr("COLOR"));
    m_yes->setText(tr("OK"));
    m_no->setText(tr("Cancel"));
    const char* names[6] = {QT_TR_NOOP("Hue"), QT_TR_NOOP("Saturation"), QT_TR_NOOP("Value"),
                            QT_TR_NOOP("Red"), QT_TR_NOOP("Green"),      QT_TR_NOOP("Blue")};
    QSpinBox* const fields[6] = {m_h, m_s, m_v, m_r, m_g, m_b};
    for (int i = 0; i < 6; ++i)
        fields[i]->setAccessibleName(tr(names[i]));
    m_hex->setAccessibleName(tr("Colour as hexadecimal RGB"));
}

void ColorEditorDialog::changeEvent(QEvent* event) {
    if (event->type() == QEvent::LanguageChange) {
        // The font follows the language.
        applyFonts();
        retranslate();
    }
    KestDialogFrame::changeEvent(event);
}

QString ColorEditorDialog::heading() const {
    return m_title->text();
}

bool ColorEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    return KestDialogFrame::eventFilter(watched, event);
}

QColor ColorEditorDialog::color() const {
    return m_preview->color();
}

void ColorEditorDialog::showColor(const QColor& colour, int h, int s, int v, From from) {
    // A grey has no hue: the fields and the square carry on from red, where
    // the strip's marker shows it.
    m_hue = std::max(h, 0);
    m_sat = s;
    m_val = v;
    if (from == From::Outside || from == From::RgbFields || from == From::HexText) {
        m_strip->setHue(h);
        m_square->setPositions(colorHue(h), s, v);
    }
    m_preview->setColor(colour);
    if (from != From::HsvFields) {
        m_h->setValue(m_hue);
        m_s->setValue(s);
        m_v->setValue(v);
    }
    if (from != From::RgbFields) {
        m_acceptSetColor = false;
        m_r->setValue(colour.red());
        m_g->setValue(colour.green());
        m_b->setValue(colour.blue());
        m_acceptSetColor = true;
    }
    if (from != From::HexText) m_hex->setText(hexTextOf(colour));
    m_current = colour;
    emit KestChangeColor(colour);
}

void ColorEditorDialog::setColor(const QColor& colour) {
    if (!m_acceptSetColor || m_busy) return;
    m_busy = true;
    // Only the three components count: an invalid colour is black, alpha is
    // not the editor's.
    const QColor c = colour.isValid() ? colour.toRgb() : QColor(Qt::black);
    const QColor opaque(c.red(), c.green(), c.blue());
    showColor(opaque, opaque.hue(), opaque.saturation(), opaque.value(), From::Outside);
    m_busy = false;
}

void ColorEditorDialog::hsvFieldChanged() {
    m_busy = true;
    showColor(QColor::fromHsv(colorHue(m_hue), m_sat, m_val, 255), m_hue, m_sat, m_val,
              From::HsvFields);
    m_busy = false;
}

void ColorEditorDialog::hValueChangedSlot(int h) {
    if (m_busy) return;
    m_busy = true;
    m_hue = h;
    m_strip->setHue(h);
    // Rebuilds the square's gradient; what it sends back is not taken while busy.
    m_square->hueChangedSlot(h);
    hsvFieldChanged();
}

void ColorEditorDialog::sValueChangedSlot(int s) {
    if (m_busy) return;
    m_busy = true;
    m_sat = s;
    m_square->setPositions(colorHue(m_hue), m_sat, m_val);
    hsvFieldChanged();
}

void ColorEditorDialog::vValueChangedSlot(int v) {
    if (m_busy) return;
    m_busy = true;
    m_val = v;
    m_square->setPositions(colorHue(m_hue), m_sat, m_val);
    hsvFieldChanged();
}

void ColorEditorDialog::rgbFieldChanged() {
    if (m_busy || !m_acceptSetColor) return;
    m_busy = true;
    const QColor c(m_r->value(), m_g->value(), m_b->value());
    showColor(c, c.hue(), c.saturation(), c.value(), From::RgbFields);
    m_busy = false;
}

void ColorEditorDialog::rValueChangedSlot(int) {
    rgbFieldChanged();
}

void ColorEditorDialog::gValueChangedSlot(int) {
    rgbFieldChanged();
}

void ColorEditorDialog::bValueChangedSlot(int) {
    rgbFieldChanged();
}

void ColorEditorDialog::updateEditData(int h, int s, int v) {
    if (m_busy) return;
    m_busy = true;
    h = colorHue(h);
    showColor(QColor::fromHsv(h, s, v, 255), h, s, v, From::Square);
    m_busy = false;
}

void ColorEditorDialog::editChangedSlot(const QString& text) {
    if (m_busy) return;
    m_busy = true;
    const QColor c = colorFromHexText(text);
    showColor(c, c.hue(), c.saturation(), c.value(), From::HexText);
    m_busy = false;
}

void ColorEditorDialog::editFinishedSlot() {
    const QString text = normalizedHexText(m_hex->text());
    if (text != m_hex->text()) m_hex->setText(text);
}

void ColorEditorDialog::color_clicked() {
    const auto* preset = qobject_cast<DefaultColorArea*>(sender());
    const auto it = std::find(std::begin(m_presets), std::end(m_presets), preset);
    if (it == std::end(m_presets) || m_busy) return;
    const QColor c = presetColor(int(it - std::begin(m_presets)));
    // The whole colour at once: writing the fields one by one would take a
    // half-written colour, and a field that already held its value would
    // recompute nothing.
    m_busy = true;
    showColor(c, c.hue(), c.saturation(), c.value(), From::Outside);
    m_busy = false;
    emit ApplyColor();
}

void ColorEditorDialog::MouseReleaseSlot() {
    emit ApplyColor();
}
