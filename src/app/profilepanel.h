// The window's profile column: the library menu, the name field and the
// profile command buttons. It asks what a command needs (a question, a file),
// runs it on the profile controller and shows the answer; what an outcome asks
// of the window (pages, a write) goes through the hooks.
#pragma once

#include "profilecontroller.h"

#include <QCoreApplication>
#include <QList>
#include <functional>

class KestLabel;
class KestLineEdit;
class KestMenu;
class KestPushButton;
class QWidget;

class ProfilePanel {
    // Its texts are the window's.
    Q_DECLARE_TR_FUNCTIONS(MainWindow)

public:
    struct Hooks {
        std::function<void()> refreshPages;
        std::function<void()> retranslate; // after a reset, before the pages show it
        std::function<void()> freshStart;  // after a configuration import
        std::function<void(bool everything)> write;
        std::function<void()> clicked;            // after every command button
        std::function<void(const QString&)> done; // what a command made, and where
    };

    // The controls are made as children of `window`, placed by "logicalRect".
    ProfilePanel(QWidget* window, ProfileController& profiles, const QStringList& list,
                 Hooks hooks);

    KestLineEdit* nameEdit() const { return m_nameEdit; }
    KestMenu* menu() const { return m_menu; }
    // The command buttons, top to bottom.
    QList<KestPushButton*> buttons() const { return m_buttons; }

    // The menu from the profile list, the bound name on its button.
    void rebuildMenu();
    void retranslate();
    // Held while the macro page records: nothing here takes input.
    void setHeld(bool held);
    // The name field's Enter.
    void renameByEnter();

private:
    struct Command;
    static const QVector<Command>& commands();

    void finish(const ProfileController::Outcome& outcome);
    // An export's outcome, and where its file went when it went through.
    void saved(const ProfileController::Outcome& outcome, const QString& path);
    int ask(const QString& question);
    // The chosen file, or empty; `save` asks for a new one.
    QString chooseFile(bool save, const char* caption, const char* filter);

    void add();
    void copy();
    void renameByButton();
    void remove();
    void reset();
    void resetAll();
    void exportProfile();
    void importProfile();
    void exportConfig();
    void importConfig();

    QWidget* m_window;
    ProfileController& m_profiles;
    const QStringList& m_list;
    Hooks m_hooks;
    QList<KestPushButton*> m_buttons;
    KestPushButton* m_menuButton = nullptr;
    KestMenu* m_menu;
    KestLabel* m_nameCaption;
    KestLineEdit* m_nameEdit;
};
