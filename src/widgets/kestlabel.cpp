#include "kestlabel.h"

#include "kitscale.h"
#include "kittheme.h"

#include "qtcompat.h"
#include <QMouseEvent>

KestLabel::KestLabel(QWidget* parent) : KestLabel(QString(), parent) {}

KestLabel::KestLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    applyKitStyleSheet();
    setTextColor(QColor(214, 218, 224));
    refreshFont();
}

void KestLabel::setSkinImage(const QString& name) {
    m_image = name;
    applyImage();
}

void KestLabel::setTextColor(const QColor& colour) {
    // The palette, not a sheet of its own: the shared sheet leaves the colour to it.
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    pal.setColor(QPalette::Text, colour);
    setPalette(pal);
}

void KestLabel::refreshFont(int logicalPixels) {
    if (logicalPixels > 0) m_fontPixels = logicalPixels;
    QFont f = kitFont();
    if (m_fontPixels > 0) f = scaledFont(f, m_fontPixels, displayScale());
    setFont(f);
}

void KestLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(eventPos(event)))
        emit LabelClickSignal(this);
    QLabel::mouseReleaseEvent(event);
}

void KestLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!m_image.isEmpty()) applyImage();
}

void KestLabel::applyImage() {
    setPixmap(scaledSkinPixmap(m_image, size()));
}
