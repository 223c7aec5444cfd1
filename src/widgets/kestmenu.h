// The skinned drop-down menu and the shared builder that styles plain menus.
#pragma once

#include <QMenu>

// Gives any menu the kit's look: fixed width (logical units × scale), the
// accent-coloured style sheet and the current language's font.
void styleMenu(QMenu* menu, int logicalWidth);

class KestMenu : public QMenu {
    Q_OBJECT
public:
    explicit KestMenu(QWidget* parent = nullptr, int logicalWidth = 150);
    void setLogicalWidth(int logicalWidth);
    // Re-applies width, style and font after a scale or language change.
    void refreshStyle();

private:
    int m_logicalWidth;
};
