#include "kestprogressbar.h"

#include "kitscale.h"
#include "kittheme.h"

#include <QFontMetrics>
#include <QStyleOptionProgressBar>
#include <QStylePainter>

namespace {
constexpr int kCaptionPixels = 14; // logical; what a short text is drawn at
constexpr int kSmallestCaptionPixels = 6;
constexpr int kCaptionMargin = 4; // logical, each side: clear of the bar's rounded ends
} // namespace

KestProgressBar::KestProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setAlignment(Qt::AlignCenter);
    refreshStyle();
}

void KestProgressBar::setOffLook(bool off) {
    m_off = off;
    refreshStyle();
}

void KestProgressBar::setCaption(const QString& format) {
    setFormat(format);
    refreshStyle();
}

int KestProgressBar::fittingPixels() const {
    // The widest the format can show, so a later value still fits.
    QString shown = format();
    shown.replace(QLatin1String("%p"), QLatin1String("100"))
        .replace(QLatin1String("%v"), QString::number(maximum()))
        .replace(QLatin1String("%m"), QString::number(maximum()));
    const double scale = displayScale();
    const int room = width() - 2 * scaled(kCaptionMargin);
    for (int px = kCaptionPixels; px > kSmallestCaptionPixels; --px) {
        QFont f = font();
        f.setPixelSize(qMax(1, int(px * scale)));
        if (QFontMetrics(f).horizontalAdvance(shown) <= room) return px;
    }
    return kSmallestCaptionPixels;
}

void KestProgressBar::refreshStyle() {
    m_pixels = fittingPixels();
    const QString sheet = progressStyleSheet(themeColor(), displayScale(), m_off, m_pixels);
    if (sheet != styleSheet()) setStyleSheet(sheet);
}

void KestProgressBar::resizeEvent(QResizeEvent* event) {
    QProgressBar::resizeEvent(event);
    refreshStyle();
}

int KestProgressBar::fillEnd() const {
    const qint64 span = qint64(maximum()) - minimum();
    if (span <= 0) return width();
    const qint64 done = qBound<qint64>(0, qint64(value()) - minimum(), span);
    return int(done * width() / span);
}

void KestProgressBar::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionProgressBar option;
    initStyleOption(&option);
    const QString text = option.textVisible ? option.text : QString();
    option.textVisible = false;
    painter.drawControl(QStyle::CE_ProgressBar, option);
    if (text.isEmpty()) return;
    // One colour over the fill, another over the empty track.
    const int split = fillEnd();
    const QColor accent = themeColor();
    const struct {
        QRect part;
        QColor background;
    } parts[] = {{QRect(0, 0, split, height()), progressFillColor(accent, m_off)},
                 {QRect(split, 0, width() - split, height()), progressTrackColor(m_off)}};
    for (const auto& p : parts) {
        if (p.part.isEmpty()) continue;
        painter.setClipRect(p.part);
        painter.setPen(readableTextColor(p.background));
        painter.drawText(rect(), Qt::AlignCenter, text);
    }
}
