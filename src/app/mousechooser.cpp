#include "mousechooser.h"

#include "kestaction.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "mousesession.h"

MouseChooser::MouseChooser(KestPushButton* button, std::function<void(const QString&)> chosen)
    : m_button(button), m_chosen(std::move(chosen)) {
    m_button->hide();
}

void MouseChooser::show(const MouseConnection& c) {
    if (c.mice.size() < 2) {
        m_button->hide();
        return;
    }
    auto* menu = new KestMenu(m_button->parentWidget(), 150);
    for (const QString& name : c.mice)
        menu->addAction(new KestAction(name, menu));
    m_button->show();
    m_button->setLabel(c.product);
    QObject::connect(menu, &QMenu::triggered, menu, [this](QAction* action) {
        m_button->setLabel(action->text());
        m_chosen(action->text());
    });
    delete m_menu;
    m_menu = menu;
    m_button->setMenu(menu);
}
