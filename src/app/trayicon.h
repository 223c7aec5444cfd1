// The program's tray icon and its menu (show the window, profiles by
// application, start with the desktop, quit); its tooltip names the mouse and any changes not yet
// on it.
#pragma once

#include <QCoreApplication>
#include <QStringList>
#include <functional>

class QAction;
class QMenu;
class QSystemTrayIcon;
class QWidget;

class TrayIcon {
    Q_DECLARE_TR_FUNCTIONS(MainWindow)
public:
    struct Hooks {
        std::function<void()> showWindow;   // "Load Config"
        std::function<void()> toggleWindow; // a click on the icon
        std::function<void()> showRules;    // profiles by application
        std::function<void()> quit;
    };
    // `autostartArguments` follow the program's path in the autostart entry.
    TrayIcon(QWidget* window, const QStringList& autostartArguments, Hooks hooks);

    // Whether the desktop shows it; without a tray the window must stay reachable.
    bool shown() const;
    void setUnsent(bool unsent);
    // A balloon from the icon.
    void warn(const QString& text);
    void retranslate();

private:
    void setStartWithDesktop(bool on);

    QWidget* m_window;
    QStringList m_autostartArguments;
    Hooks m_hooks;
    QSystemTrayIcon* m_icon;
    QMenu* m_menu;
    QAction* m_load;
    QAction* m_autostart;
    QAction* m_rules;
    QAction* m_quit;
    bool m_unsent = false;
};
