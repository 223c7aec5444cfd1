// The window's mouse chooser: a menu of the connected mice, shown only while
// there is more than one to choose from.
#pragma once

#include <functional>

class KestMenu;
class KestPushButton;
class QString;
struct MouseConnection;

class MouseChooser {
public:
    // `chosen` runs with the product picked from the menu.
    MouseChooser(KestPushButton* button, std::function<void(const QString&)> chosen);

    void show(const MouseConnection& connection);

private:
    KestPushButton* m_button;
    KestMenu* m_menu = nullptr;
    std::function<void(const QString&)> m_chosen;
};
