#include "statusnote.h"

#include "kittheme.h"

#include <QRect>
#include <QTimer>
#include <QVariant>

namespace {
constexpr int kShowMs = 5000;
const QColor kFailedColor(236, 92, 84);
} // namespace

StatusNote::StatusNote(QWidget* window) : KestLabel(window), m_timer(new QTimer(this)) {
    setObjectName(QStringLiteral("statusNote"));
    setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Above Apply, in the strip between the page frame and the commands.
    setProperty("logicalRect", QRect(300, 554, 644, 22));
    refreshFont(12);
    m_timer->setSingleShot(true);
    m_timer->setInterval(kShowMs);
    connect(m_timer, &QTimer::timeout, this, [this] {
        m_note.clear();
        fit();
    });
}

void StatusNote::showNote(const QString& text, bool failed) {
    m_note = text;
    setTextColor(failed ? kFailedColor : themeColor());
    fit();
    m_timer->start();
}

void StatusNote::resizeEvent(QResizeEvent* event) {
    KestLabel::resizeEvent(event);
    fit();
}

void StatusNote::fit() {
    // A long path loses its middle, not its file name; the whole is the tip.
    setText(fontMetrics().elidedText(m_note, Qt::ElideMiddle, qMax(0, width())));
    setToolTip(m_note);
    setAccessibleName(m_note);
}
