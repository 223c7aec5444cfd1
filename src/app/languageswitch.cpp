#include "languageswitch.h"

#include "kestaction.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "language.h"

#include "qtcompat.h"
#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

LanguageSwitch::LanguageSwitch(KestPushButton* button)
    : QObject(button), m_button(button), m_menu(new KestMenu(button->parentWidget(), 120)),
      m_translator(new QTranslator(this)), m_qtTranslator(new QTranslator(this)) {
    const LanguageList languages = readLanguageList();
    for (int i = 0; i < languages.count && i < kMaxLanguages; ++i)
        m_menu->addAction(new KestAction(languages.names[i], m_menu));
    connect(m_menu, &QMenu::triggered, this, &LanguageSwitch::choose);
    button->setMenu(m_menu);
    button->setVisible(languages.count >= 2);
    refreshLabel();
    install(currentLanguageIndex());
}

void LanguageSwitch::refreshLabel() {
    const LanguageList languages = readLanguageList();
    const int lang = currentLanguageIndex();
    if (lang >= 0 && lang < kMaxLanguages) m_button->setLabel(languages.names[lang]);
}

void LanguageSwitch::choose(QAction* action) {
    const int i = m_menu->actions().indexOf(action);
    if (i < 0) return;
    install(i);
    setCurrentLanguageIndex(i);
    m_button->setLabel(action->text());
    writeLanguageId(i);
    // The fonts and key names follow the index even without a catalogue.
    emit changed();
}

void LanguageSwitch::install(int index) {
    // Qt's catalogue goes too, so its file dialogs speak the same language;
    // one that did not load must not leave the previous language behind.
    if (loadCatalogue(*m_translator, index)) QCoreApplication::installTranslator(m_translator);
    if (loadQtCatalogue(*m_qtTranslator, index, qtTranslationsPath()))
        QCoreApplication::installTranslator(m_qtTranslator);
    else
        QCoreApplication::removeTranslator(m_qtTranslator);
}
