#include "kestmenu.h"

#include "kitscale.h"
#include "kittheme.h"

#include <QApplication>

void styleMenu(QMenu* menu, int logicalWidth) {
    if (!menu) return;
    const double s = displayScale();
    if (logicalWidth > 0) menu->setFixedWidth(scaled(logicalWidth, s));
    setKitLook(menu, "menu");
    menu->setFont(kitFont());
    // Frameless translucent corners: the style sheet's rounded border.
    menu->setWindowFlags(menu->windowFlags() | Qt::FramelessWindowHint |
                         Qt::NoDropShadowWindowHint);
    menu->setAttribute(Qt::WA_TranslucentBackground);
}

KestMenu::KestMenu(QWidget* parent, int logicalWidth)
    : QMenu(parent), m_logicalWidth(logicalWidth) {
    refreshStyle();
    // An entry chosen without a click (an assistive tool's "Press") leaves
    // the menus open; a click has closed them by now.
    connect(this, &QMenu::triggered, this, [] {
        for (int i = 0; i < 8 && QApplication::activePopupWidget(); ++i)
            QApplication::activePopupWidget()->close();
    });
}

void KestMenu::setLogicalWidth(int logicalWidth) {
    m_logicalWidth = logicalWidth;
    refreshStyle();
}

void KestMenu::refreshStyle() {
    styleMenu(this, m_logicalWidth);
}
