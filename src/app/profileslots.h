// The window's on-mouse profile column: five buttons that show which profile
// the mouse uses and the menu under them; both switch it.
#pragma once

#include <QCoreApplication>
#include <QList>
#include <functional>

class KestAction;
class KestMenu;
class KestPushButton;
class QWidget;

class ProfileSlots {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    // Takes the window's buttons "slot0" to "slot4" and "btnSlotMenu";
    // `chosen` runs with the profile picked from the menu.
    ProfileSlots(QWidget* window, std::function<void(int)> chosen);

    // The button of the profile in use shows as selected.
    void select(int index);
    // The menu's button names the profile in use.
    void showChoice(int index);
    void retranslate(int current);
    KestMenu* menu() const { return m_menu; }

private:
    QList<KestPushButton*> m_buttons;
    QList<KestAction*> m_actions;
    KestMenu* m_menu;
    KestPushButton* m_menuButton;
};
