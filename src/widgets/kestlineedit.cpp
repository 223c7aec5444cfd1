#include "kestlineedit.h"

#include "kittheme.h"

KestLineEdit::KestLineEdit(QWidget* parent) : QLineEdit(parent) {
    setContextMenuPolicy(Qt::NoContextMenu);
    refreshStyle();
}

void KestLineEdit::refreshStyle() {
    applyKitStyleSheet();
    setFont(kitFont());
}
