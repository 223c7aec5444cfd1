// The window's language menu: one entry per configured language, the
// program's and Qt's catalogues installed for the language in use, and a new
// choice kept in the configuration.
#pragma once

#include <QObject>

class KestMenu;
class KestPushButton;
class QAction;
class QTranslator;

class LanguageSwitch : public QObject {
    Q_OBJECT
public:
    // Fills the menu of `button` (hidden with fewer than two languages) and
    // installs the catalogues of the language in use.
    explicit LanguageSwitch(KestPushButton* button);

    KestMenu* menu() const { return m_menu; }
    // Shows the name of the language in use on the button.
    void refreshLabel();

signals:
    // Another language was chosen: every text is to be set again.
    void changed();

private:
    void choose(QAction* action);
    void install(int index);

    KestPushButton* m_button;
    KestMenu* m_menu;
    QTranslator* m_translator;
    QTranslator* m_qtTranslator; // Qt's own dialogs
};
