#include "profileslots.h"

#include "kestaction.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "kitaccessible.h"
#include "records.h"

#include <QWidget>

ProfileSlots::ProfileSlots(QWidget* window, std::function<void(int)> chosen)
    : m_menu(new KestMenu(window, 150)),
      m_menuButton(window->findChild<KestPushButton*>(QStringLiteral("btnSlotMenu"),
                                                      Qt::FindDirectChildrenOnly)) {
    for (int i = 0; i < kProfileCount; ++i) {
        m_buttons << window->findChild<KestPushButton*>(QStringLiteral("slot%1").arg(i),
                                                        Qt::FindDirectChildrenOnly);
        // One of five, the lit one in use.
        setAccessibleRole(m_buttons.last(), QAccessible::RadioButton);
        auto* a = new KestAction(m_menu);
        m_menu->addAction(a);
        m_actions << a;
    }
    QObject::connect(m_menu, &QMenu::triggered, m_menu, [this, chosen](QAction* action) {
        const int i = m_actions.indexOf(static_cast<KestAction*>(action));
        if (i >= 0) chosen(i);
    });
    m_menuButton->setMenu(m_menu);
}

void ProfileSlots::select(int index) {
    for (int i = 0; i < m_buttons.size(); ++i)
        m_buttons[i]->setSelected(i == index);
}

void ProfileSlots::showChoice(int index) {
    m_menuButton->setLabel(m_actions[index % kProfileCount]->text());
}

void ProfileSlots::retranslate(int current) {
    for (int i = 0; i < kProfileCount; ++i) {
        m_actions[i]->setText(tr("Mode") + QStringLiteral(" %1").arg(i + 1));
        m_buttons[i]->setLabel(tr("Profile") + QStringLiteral(" %1").arg(i + 1));
    }
    setAccessibleLabel(m_menuButton, tr("Profile"));
    showChoice(current);
}
