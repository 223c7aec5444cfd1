#include "kestprogressbar.h"

#include "kitscale.h"
#include "kittheme.h"

KestProgressBar::KestProgressBar(QWidget* parent) : QProgressBar(parent) {
    setRange(0, 100);
    setAlignment(Qt::AlignCenter);
    refreshStyle();
}

void KestProgressBar::setOffLook(bool off) {
    m_off = off;
    refreshStyle();
}

void KestProgressBar::refreshStyle() {
    setStyleSheet(progressStyleSheet(themeColor(), displayScale(), m_off));
}
