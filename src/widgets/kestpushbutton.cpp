#include "kestpushbutton.h"

#include "kitscale.h"
#include "kittheme.h"

#include <QAccessible>
#include <QButtonGroup>
#include <QEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>

KestPushButton::KestPushButton(QWidget* parent) : KestPushButton(QStringList(), parent) {}

KestPushButton::KestPushButton(const QStringList& images, QWidget* parent)
    : QPushButton(parent), m_images(images), m_textColor(214, 218, 224),
      m_activeTextColor(255, 255, 255) {
    setFlat(true);
    setAttribute(Qt::WA_Hover);
    setCursor(Qt::PointingHandCursor);
    // Reached with Tab; a click does not move the focus away from where the
    // user was typing.
    setFocusPolicy(Qt::TabFocus);
    refreshFont();
    // Connected first, so the press signal comes before anyone's click slot.
    connect(this, &QAbstractButton::clicked, this, [this] {
        if (!m_pressSignalled) announcePress();
        m_pressSignalled = false;
    });
}

void KestPushButton::setStateImages(const QStringList& images) {
    m_images = images;
    update();
}

QString KestPushButton::imageFor(VisualState state) const {
    if (m_images.isEmpty()) return QString();
    return m_images.at(qMin(int(state), m_images.size() - 1));
}

KestPushButton::VisualState KestPushButton::visualState() const {
    if (m_selected || isDown() || (isCheckable() && isChecked())) return Pressed;
    if ((m_hover || m_forcedHover) && isEnabled()) return Hover;
    return Normal;
}

void KestPushButton::setSelected(bool selected) {
    if (isCheckable()) setChecked(selected);
    if (m_selected == selected) return;
    m_selected = selected;
    update();
    if (QAccessible::isActive()) {
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(this, changed);
        QAccessible::updateAccessibility(&event);
    }
}

void KestPushButton::announcePress() {
    emit EnterSignal(this);
    // A menu that several buttons share reads as the one that opens it now.
    if (menu() && QAccessible::isActive())
        if (QAccessibleInterface* a = QAccessible::queryAccessibleInterface(this))
            menu()->setAccessibleName(a->text(QAccessible::Name));
}

void KestPushButton::setHoverLook(bool hover) {
    if (m_forcedHover == hover) return;
    m_forcedHover = hover;
    update();
}

void KestPushButton::setLabel(const QString& label) {
    setText(label);
    setToolTip(label);
}

void KestPushButton::setNumber(int number) {
    m_number = number;
    update();
}

void KestPushButton::setTextColor(const QColor& normal, const QColor& active) {
    m_textColor = normal;
    m_activeTextColor = active;
    update();
}

void KestPushButton::refreshFont(int logicalPixels) {
    if (logicalPixels > 0) m_fontPixels = logicalPixels;
    QFont f = kitFont();
    if (m_fontPixels > 0) f = scaledFont(f, m_fontPixels, displayScale());
    setFont(f);
}

namespace {
// Room kept between the label and what stands beside it (logical pixels).
constexpr int kTextPadding = 4;

// The drop-down artwork ends in a square arrow box (a separator and the
// arrow); drawn as wide as the button is high.
int arrowWidth(const KestPushButton* b) {
    return b->imageFor(KestPushButton::Normal) == QLatin1String("/skin/rate.png") ? b->height() : 0;
}
} // namespace

QRect KestPushButton::textRect() const {
    QRect r = rect();
    if (m_number > 0) r.setLeft(qMax(height(), scaled(24)));
    if (!icon().isNull() && !text().isEmpty())
        r.setLeft(r.left() + scaled(6) + qMin(iconSize().height(), height()) + scaled(4));
    r.setRight(r.right() - arrowWidth(this));
    return r.adjusted(scaled(kTextPadding), 0, -scaled(kTextPadding), 0);
}

QFont KestPushButton::textFont() const {
    QFont f = font();
    const int room = textRect().width();
    // Pixel sizes step down; a point-sized font is left as it is.
    const int full = f.pixelSize();
    for (int px = full; px > 0 && px * 4 >= full * 3; --px) {
        f.setPixelSize(px);
        if (QFontMetrics(f).horizontalAdvance(text()) <= room) return f;
    }
    return f;
}

void KestPushButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const VisualState state = visualState();
    const QPixmap image = skinPixmap(imageFor(state));
    const int arrow = arrowWidth(this);
    if (arrow > 0 && image.width() > image.height() * 2) {
        // The arrow box keeps its shape at any width; only the part before
        // it stretches, so the label's room ends where the box begins.
        const int side = image.height();
        drawSkinImage(p, QRect(0, 0, width() - arrow, height()),
                      image.copy(0, 0, image.width() - side, side));
        p.drawPixmap(QRect(width() - arrow, 0, arrow, height()), image,
                     QRect(image.width() - side, 0, side, side));
    } else {
        drawSkinImage(p, rect(), image);
    }
    if (!isEnabled()) p.fillRect(rect(), QColor(18, 19, 22, 110));

    p.setFont(font());
    QColor colour = state == Normal ? m_textColor : m_activeTextColor;
    if (!isEnabled()) colour = QColor(110, 114, 120);
    p.setPen(colour);
    if (m_number > 0) {
        const QRect numRect(0, 0, qMax(height(), scaled(24)), height());
        QFont nf = font();
        nf.setBold(true);
        p.setFont(nf);
        p.drawText(numRect, Qt::AlignCenter, QString::number(m_number));
    }
    const QRect textBox = textRect();
    if (!icon().isNull()) {
        const int s = qMin(iconSize().height(), height());
        const int left = m_number > 0 ? qMax(height(), scaled(24)) : 0;
        icon().paint(&p, QRect(left + scaled(6), (height() - s) / 2, s, s));
    }
    p.setFont(textFont());
    const QString shown = p.fontMetrics().elidedText(text(), Qt::ElideRight, textBox.width());
    p.drawText(textBox, Qt::AlignCenter, shown);
    if (hasFocus()) {
        // The keyboard's place, in the accent colour, inside the image's edge.
        const qreal pen = qMax(1.0, displayScale());
        p.setPen(QPen(themeColor().lighter(140), pen, Qt::DotLine));
        p.setBrush(Qt::NoBrush);
        const qreal inset = pen / 2 + qMax(1, scaled(2));
        p.drawRoundedRect(QRectF(rect()).adjusted(inset, inset, -inset, -inset), scaled(3),
                          scaled(3));
    }
}

void KestPushButton::enterEvent(EnterEvent* event) {
    m_hover = true;
    update();
    emit OverSignal(this, true);
    QPushButton::enterEvent(event);
}

void KestPushButton::leaveEvent(QEvent* event) {
    m_hover = false;
    update();
    emit OverSignal(this, false);
    QPushButton::leaveEvent(event);
}

void KestPushButton::mousePressEvent(QMouseEvent* event) {
    // Listeners must know the pressed button before its menu runs modally.
    if (event->button() == Qt::LeftButton && isEnabled()) {
        m_pressSignalled = true;
        announcePress();
    }
    QPushButton::mousePressEvent(event);
    // A menu ran from the press; no click follows it.
    if (menu()) m_pressSignalled = false;
}

// A press that ends without a click (released outside, focus lost) leaves
// the next click to send its own press signal; a key or button let go while
// another still holds the button down does not end it.
void KestPushButton::mouseReleaseEvent(QMouseEvent* event) {
    QPushButton::mouseReleaseEvent(event);
    if (!isDown()) m_pressSignalled = false;
}

void KestPushButton::keyReleaseEvent(QKeyEvent* event) {
    QPushButton::keyReleaseEvent(event);
    if (!isDown()) m_pressSignalled = false;
}

void KestPushButton::focusInEvent(QFocusEvent* event) {
    QPushButton::focusInEvent(event);
    // The toolkit leaves one Tab stop per button group; the window's tabs
    // are a group and each stays a stop.
    if (QButtonGroup* tabs = group())
        for (QAbstractButton* b : tabs->buttons())
            b->setFocusPolicy(focusPolicy());
}

void KestPushButton::focusOutEvent(QFocusEvent* event) {
    QPushButton::focusOutEvent(event);
    if (!isDown()) m_pressSignalled = false;
}

void KestPushButton::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    const bool activate = key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter;
    if (!activate || event->isAutoRepeat() || !isEnabled()) {
        QPushButton::keyPressEvent(event);
        return;
    }
    m_pressSignalled = true;
    announcePress();
    // Space clicks on release, as every button does; Enter clicks at once
    // (outside a dialog a plain button would ignore it).
    if (key == Qt::Key_Space)
        QPushButton::keyPressEvent(event);
    else
        click();
}

void KestPushButton::changeEvent(QEvent* event) {
    if (event->type() == QEvent::EnabledChange) update();
    QPushButton::changeEvent(event);
}
