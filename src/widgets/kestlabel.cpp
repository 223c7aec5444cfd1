#include "kestlabel.h"

#include "kitscale.h"
#include "kittheme.h"

#include <QMouseEvent>

KestLabel::KestLabel(QWidget* parent) : KestLabel(QString(), parent) {}

KestLabel::KestLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setTextColor(QColor(214, 218, 224));
    refreshFont();
}

void KestLabel::setSkinImage(const QString& name) {
    m_image = name;
    applyImage();
}

void KestLabel::setTextColor(const QColor& colour) {
    setStyleSheet(QStringLiteral("QLabel{color:%1;background:transparent;}").arg(colour.name()));
}

void KestLabel::refreshFont(int logicalPixels) {
    if (logicalPixels > 0) m_fontPixels = logicalPixels;
    QFont f = kitFont();
    if (m_fontPixels > 0) f = scaledFont(f, m_fontPixels, displayScale());
    setFont(f);
}

void KestLabel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->pos()))
        emit LabelClickSignal(this);
    QLabel::mouseReleaseEvent(event);
}

void KestLabel::resizeEvent(QResizeEvent* event) {
    QLabel::resizeEvent(event);
    if (!m_image.isEmpty()) applyImage();
}

void KestLabel::applyImage() {
    const QPixmap pm = skinPixmap(m_image);
    if (pm.isNull() || size().isEmpty()) {
        setPixmap(QPixmap());
        return;
    }
    setPixmap(pm.scaled(size(), Qt::KeepAspectRatio, Qt::SmoothTransformation));
}
