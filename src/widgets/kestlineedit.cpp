#include "kestlineedit.h"

#include "kitscale.h"
#include "kittheme.h"

KestLineEdit::KestLineEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    refreshStyle();
}

void KestLineEdit::refreshStyle() {
    setStyleSheet(lineEditStyleSheet(themeColor(), displayScale()));
    setFont(kitFont());
}
