#include "kestprogressbar.h"

#include "kitscale.h"
#include "kittheme.h"

#include <QFontMetrics>

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
