#include "buttonpanel.h"

#include "keydialogs.h"
#include "selectdialogs.h"

#include <QCursor>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <appconfig.h>
#include <buttondescription.h>
#include <buttonfunctions.h>
#include <buttonrules.h>
#include <kestaction.h>
#include <kestmenu.h>
#include <kestmessagebox.h>
#include <kestpushbutton.h>
#include <kitaccessible.h>
#include <kitscale.h>
#include <productdef.h>

namespace {
const QStringList kButtonImages = {QStringLiteral("/skin/button-1.png"),
                                   QStringLiteral("/skin/button-3.png"),
                                   QStringLiteral("/skin/button-2.png")};
constexpr FunctionMenu kSubMenus[] = {
    FunctionMenu::Basic, FunctionMenu::Windows,     FunctionMenu::Advance,    FunctionMenu::Media,
    FunctionMenu::Dpi,   FunctionMenu::ProfileMenu, FunctionMenu::PollingRate};
// The menu entries the language change makes anew.
constexpr int kMouseButtonCodes[] = {1, 2, 3, 4, 5};
constexpr int kMenuWidth = 220;
// The smallest gap kept between rows; a list that would need less scrolls.
constexpr int kMinRowGap = 8;
// Rows are this tall where there is room; a crowded list goes down to the
// smallest height and gap that still hold a line of text.
constexpr int kRowHeight = 30;
constexpr int kMinRowHeight = 22;
constexpr int kTightRowGap = 3;
// The wheel buttons stand beside the list.
constexpr int kWheelColumnX = 316;

int rowsVisible(const int8_t (&map)[kProductButtonCount], int count) {
    int v = count;
    for (int i = 0; i < count; ++i)
        if (map[i] == -1) --v;
    return v;
}
} // namespace

ButtonPanel::ButtonPanel(MouseProfile* profile, QWidget* parent, double scale)
    : QWidget(parent), m_profile(profile), m_scale(scale) {
    setAttribute(Qt::WA_TranslucentBackground);
    setStyleSheet(QStringLiteral("background:transparent;"));

    m_topMenu = new KestMenu(this, 160);
    m_topMenu->installEventFilter(this);
    for (FunctionMenu menu : kSubMenus) {
        auto* sub = new KestMenu(this, 160);
        for (const ButtonFunction& f : kButtonFunctions)
            if (f.menu == menu) sub->addAction(makeAction(f.code));
        m_subMenus << sub;
    }
    // Entries offered nowhere (or only after a rebuild) still need their
    // action, so a stored code shows its label.
    for (const ButtonFunction& f : kButtonFunctions)
        if (!m_actions.contains(f.code)) makeAction(f.code);
    m_wheelMenu = new KestMenu(this, 160);

    for (int i = 0; i < kListButtons; ++i) {
        auto* b = new KestPushButton(kButtonImages, this);
        b->setObjectName(QStringLiteral("listButton%1").arg(i));
        b->setMenu(m_topMenu);
        b->setLabel(QStringLiteral("1"));
        b->setNumber(i + 1);
        m_list << b;
    }
    for (int i = 0; i < kListButtons; ++i) {
        auto* b = new KestPushButton(kButtonImages, this);
        b->setObjectName(QStringLiteral("secondButton%1").arg(i));
        b->setMenu(m_topMenu);
        b->setLabel(QStringLiteral("1"));
        b->setNumber(i + 1);
        b->setGeometry(29, 62 + 25 * i, 150, 20);
        m_second << b;
    }
    const char* arrows[2] = {"/skin/btn_up2.png", "/skin/btn_down2.png"};
    for (int i = 0; i < 2; ++i) {
        auto* b = new KestPushButton(kButtonImages, this);
        b->setObjectName(i == 0 ? QStringLiteral("wheelUpButton")
                                : QStringLiteral("wheelDownButton"));
        b->setMenu(m_wheelMenu);
        b->setLabel(QStringLiteral("1"));
        b->setGeometry(29, 62, 150, 20);
        m_wheel << b;
        // The wheel's arrows stand where the list paints its row numbers.
        auto* icon = new KestPushButton({QString::fromLatin1(arrows[i])}, this);
        icon->setFocusPolicy(Qt::NoFocus);
        icon->setAttribute(Qt::WA_TransparentForMouseEvents);
        setAccessibleRole(icon, QAccessible::Graphic);
        m_wheelIcons << icon;
    }
    for (const QList<KestPushButton*>* group : {&m_list, &m_second, &m_wheel})
        for (KestPushButton* b : *group) {
            connect(b, &KestPushButton::OverSignal, this, &ButtonPanel::slotMouseOver);
            connect(b, &KestPushButton::EnterSignal, this, &ButtonPanel::slotMouseEnter);
        }

    rescale(scale);
    applyGroupVisibility();
    retranslate();
}

KestAction* ButtonPanel::makeAction(int code) {
    const ButtonFunction* f = functionForCode(code);
    // Owned by the window, not a menu, so clearing a menu leaves it alive.
    auto* a = new KestAction(tr(f ? f->label : ""), this);
    connect(a, &QAction::triggered, this, &ButtonPanel::onActionTriggered);
    if (KestAction* old = m_actions.value(code)) old->deleteLater();
    m_actions.insert(code, a);
    return a;
}

QAction* ButtonPanel::actionFor(int code) const {
    return m_actions.value(code);
}

void ButtonPanel::setProfile(MouseProfile* profile) {
    m_profile = profile;
    refreshLabels();
}

void ButtonPanel::setCurrentButton(uint8_t index, uint8_t group) {
    m_index = index;
    m_group = group;
    applyGroupVisibility();
}

void ButtonPanel::applyGroupVisibility() {
    const bool second = m_group == 1;
    for (KestPushButton* b : std::as_const(m_list))
        b->setVisible(!second && !b->geometry().isEmpty());
    for (KestPushButton* b : std::as_const(m_second))
        b->setVisible(second && !b->geometry().isEmpty());
    for (int i = 0; i < m_wheel.size(); ++i) {
        const bool shown = !second && !m_wheel[i]->geometry().isEmpty();
        m_wheel[i]->setVisible(shown);
        m_wheelIcons[i]->setVisible(shown);
    }
}

void ButtonPanel::layoutButtons() {
    int8_t map[kProductButtonCount];
    const int count = qBound(0, buttonLayoutMap(map), kProductButtonCount);
    if (count == 0) return; // no product definition: the rows stay as they were
    const int v = rowsVisible(map, count);
    int row = scaled(kRowHeight, m_scale);
    int top = 30;
    int step = 20;
    if (v <= 9) {
        // Rows spread over the window's height. Where they do not fit, rows
        // and gaps get slimmer first, so the product's buttons and the wheel
        // show without scrolling; only a list too long even then scrolls.
        int h = qMax(height(), 1);
        if ((h - row * v) / (v + 1) < scaled(kMinRowGap, m_scale)) {
            const int gap = scaled(kTightRowGap, m_scale);
            row = qMax(scaled(kMinRowHeight, m_scale), (h - (v + 1) * gap) / qMax(v, 1));
            if ((h - row * v) / (v + 1) < gap) h = row * v + (v + 1) * gap;
        }
        step = top = (h - row * v) / (v + 1);
    }
    int c = 0;
    for (int i = 0; i < kListButtons; ++i) {
        KestPushButton* b = m_list[i];
        if (i >= count || map[i] == -1) {
            b->setGeometry(QRect());
            continue;
        }
        b->setGeometry(scaled(56, m_scale), top + step * c + row * c, scaled(220, m_scale), row);
        b->setNumber(c + 1);
        ++c;
    }
    const int wheelX = scaled(kWheelColumnX, m_scale);
    for (int i = 0; i < 2; ++i) {
        const int y = top + (step + row) * i;
        // The arrow covers the place where a list row paints its number.
        m_wheel[i]->setGeometry(wheelX, y, scaled(220, m_scale), row);
        m_wheelIcons[i]->setGeometry(wheelX, y, row, row);
        m_wheelIcons[i]->raise();
    }
    m_contentHeight = top + (step + row) * qMax(c, 2);
    applyGroupVisibility();
    nameRows();
}

void ButtonPanel::nameRows() {
    // Rows read "Button 4, Forward": the painted number, then the function.
    const QString row = tr("Button %1, %2");
    for (const QList<KestPushButton*>* group : {&m_list, &m_second})
        for (KestPushButton* b : *group)
            setAccessibleLabel(b, row.arg(QString::number(b->number()), QStringLiteral("%1")));
    setAccessibleLabel(m_wheel[0], tr("Scroll up, %1"));
    setAccessibleLabel(m_wheel[1], tr("Scroll down, %1"));
}

int ButtonPanel::contentHeight() const {
    return m_contentHeight;
}

void ButtonPanel::rescale(double scale) {
    m_scale = scale;
    for (const QList<KestPushButton*>* group : {&m_list, &m_second, &m_wheel})
        for (KestPushButton* b : *group) {
            b->setGeometry(QRect());
            b->refreshFont();
        }
    layoutButtons();
    m_topMenu->setLogicalWidth(kMenuWidth);
    m_wheelMenu->setLogicalWidth(kMenuWidth);
    for (KestMenu* m : std::as_const(m_subMenus))
        m->setLogicalWidth(kMenuWidth);
    for (KestAction* a : std::as_const(m_actions))
        a->refreshFont();
}

void ButtonPanel::retranslate() {
    for (int i = 0; i < m_subMenus.size(); ++i) {
        m_subMenus[i]->setTitle(tr(functionMenuTitle(kSubMenus[i])));
        m_subMenus[i]->refreshStyle();
    }
    rebuildMenus();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const ButtonFunction* f = functionForCode(it.key());
        if (f) it.value()->setText(tr(f->label));
    }
    m_topMenu->refreshStyle();
    m_wheelMenu->refreshStyle();
    nameRows();
    refreshLabels();
}

void ButtonPanel::rebuildMenus() {
    // The product's entries follow the rule the command-line tool checks too.
    const ProductFeatures features = currentProductFeatures();
    m_topMenu->clear();
    for (int code : kMouseButtonCodes)
        m_topMenu->addAction(makeAction(code));
    for (int i = 0; i < m_subMenus.size(); ++i)
        if (kSubMenus[i] != FunctionMenu::ProfileMenu) m_topMenu->addMenu(m_subMenus[i]);
    for (int code : {kMacroCode, kLedCode, kButtonOffCode})
        if (functionOffered(code, 0, features)) m_topMenu->addAction(makeAction(code));
    m_wheelMenu->clear();
    for (int code : kWheelMenuCodes)
        if (functionOffered(code, kWheelUpEntry, features))
            m_wheelMenu->addAction(m_actions.value(code));
}

void ButtonPanel::refreshLabels() {
    if (!m_profile) return;
    // A macro deleted on the macro page shows as missing.
    const QStringList macros = readMacroNames();
    for (int r = 0; r < kButtonEntryCount; ++r)
        if (KestPushButton* b = buttonForRecord(r))
            b->setLabel(buttonDescription(m_profile->buttons[r], r, macros));
}

void ButtonPanel::showEvent(QShowEvent* event) {
    // The macro list may have changed while another page was shown.
    refreshLabels();
    QWidget::showEvent(event);
}

int ButtonPanel::recordOf(const KestPushButton* button) const {
    int i = m_list.indexOf(const_cast<KestPushButton*>(button));
    if (i >= 0) return i;
    i = m_second.indexOf(const_cast<KestPushButton*>(button));
    if (i >= 0) return kListButtons + i;
    i = m_wheel.indexOf(const_cast<KestPushButton*>(button));
    return i >= 0 ? kWheelUpEntry + i : -1;
}

KestPushButton* ButtonPanel::buttonForRecord(int record) const {
    if (record >= 0 && record < kListButtons) return m_list[record];
    if (record >= kListButtons && record < 2 * kListButtons) return m_second[record - kListButtons];
    if (record == kWheelUpEntry || record == kWheelDownEntry)
        return m_wheel[record - kWheelUpEntry];
    return nullptr;
}

int ButtonPanel::recordOfRow(int number) const {
    for (int i = 0; i < kListButtons; ++i)
        if (!m_list[i]->geometry().isEmpty() && m_list[i]->number() == number) return i;
    return -1;
}

void ButtonPanel::openMenu(int record) {
    KestPushButton* b = buttonForRecord(record);
    if (!b || !b->isVisible() || !b->isEnabled() || !isEnabled()) return;
    b->setFocus(Qt::OtherFocusReason);
    slotMouseEnter(b);
    // At the pointer that clicked the marker: the button may be far from it.
    // A marker chosen with the keyboard gets the menu under the button.
    const QPoint pointer = QCursor::pos();
    QMenu* menu = b->menu();
    if (menu && window()->rect().contains(window()->mapFromGlobal(pointer)))
        menu->popup(pointer);
    else
        b->showMenu();
}

KestPushButton* ButtonPanel::currentButton() const {
    if (m_group > 2 || m_index == kNone) return nullptr;
    return buttonForRecord(m_index + kListButtons * m_group);
}

void ButtonPanel::OnMouseEnterSlot(KestPushButton* btn) {
    const int i = m_list.indexOf(btn);
    if (i >= 0) {
        m_index = uint8_t(i);
        m_group = 0;
        applyGroupVisibility();
    }
}

void ButtonPanel::slotMouseOver(KestPushButton* btn, bool bType) {
    if (recordOf(btn) >= 0) emit SelBtnControl(btn, bType);
}

void ButtonPanel::slotMouseEnter(KestPushButton* btn) {
    const int r = recordOf(btn);
    if (r < 0) return;
    if (r >= kWheelUpEntry) {
        m_group = 2;
        m_index = uint8_t(r - kWheelUpEntry);
    } else {
        m_group = uint8_t(r / kListButtons);
        m_index = uint8_t(r % kListButtons);
    }
}

bool ButtonPanel::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_topMenu && event->type() == QEvent::Close)
        emit SelBtnControl(currentButton(), false);
    return QWidget::eventFilter(watched, event);
}

void ButtonPanel::onActionTriggered() {
    auto* action = qobject_cast<KestAction*>(sender());
    const int code = m_actions.key(action, -1);
    KestPushButton* button = currentButton();
    if (code < 0 || !button || !m_profile) return;
    const ButtonFunction* f = functionForCode(code);
    if (f && f->kind != FunctionKind::Plain) {
        // These open a dialog or a page: not inside the trigger, whose
        // caller (an assistive tool's "press" on the entry) would otherwise
        // wait until the dialog closed.
        QTimer::singleShot(0, this, [this, code, button = QPointer<KestPushButton>(button)] {
            if (button && m_profile) pick(code, button);
        });
        return;
    }
    pick(code, button);
}

void ButtonPanel::pick(int code, KestPushButton* button) {
    emit SelBtnControl(button, true);
    const int record = recordOf(button);
    const Outcome outcome = assign(record, code);
    if (outcome == Outcome::Refused) return; // the pick stays recorded
    if (outcome == Outcome::Assigned) {
        refreshLabels();
        emit assignmentChanged(record);
    }
    emit SelBtnControl(button, false);
    m_index = kNone;
    m_group = kNone;
}

void ButtonPanel::showWarning(const QString& text) {
    KestMessageBox box(this, tr("Warning"), text, KestMessageBox::Notice);
    box.exec();
}

ButtonPanel::Outcome ButtonPanel::assign(int record, int code) {
    ButtonInfo& b = m_profile->buttons[record];
    if (!keepsLeftClick(*m_profile, record, code)) {
        emit PopOneClickBox();
        return Outcome::Refused;
    }
    const ButtonFunction* f = functionForCode(code);
    if (!f) return Outcome::Cancelled;
    switch (f->kind) {
    case FunctionKind::Plain:
        assignPlain(b, code);
        return Outcome::Assigned;
    case FunctionKind::SingleKey: {
        SingleKeyDialog dialog(this, m_scale, b.Fun == kSingleKeyCode ? b.Res1 : 0);
        if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
        assignSingleKey(b, dialog.keyCode());
        return Outcome::Assigned;
    }
    case FunctionKind::ComboKey: {
        ComboKeyDialog dialog(this, m_scale, b);
        if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
        uint8_t held[5];
        std::copy(dialog.comboSlots(), dialog.comboSlots() + 5, held);
        assignComboKey(b, held, dialog.keyCode());
        return Outcome::Assigned;
    }
    case FunctionKind::FireKey: {
        const bool fire = b.Fun == kFireKeyCode;
        FireKeyDialog dialog(this, m_scale, fire ? b.Res1 : 0, fire ? b.LoopNumber : 0,
                             fire ? b.KeyNumber : 0);
        if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
        assignFireKey(b, dialog.choice(), dialog.keyCode(), dialog.times(), dialog.delay());
        return Outcome::Assigned;
    }
    case FunctionKind::Sniper: {
        SniperDialog dialog(this, m_scale, readSensorModel(), b.Fun == kSniperCode ? b.Res1 : 0);
        if (dialog.exec() != QDialog::Accepted) return Outcome::Cancelled;
        assignSniper(b, dialog.step());
        return Outcome::Assigned;
    }
    case FunctionKind::Macro:
    case FunctionKind::GunFile: {
        if (f->kind == FunctionKind::GunFile && record == 0) {
            showWarning(tr("Left Button Can not be Gun Function."));
            return Outcome::Refused;
        }
        const QStringList names = readMacroNames();
        if (names.isEmpty()) {
            emit macroNeeded();
            return Outcome::Refused;
        }
        const bool same = b.Fun == code;
        MacroSelectDialog dialog(this, m_scale, names, same ? b.macroname : QString(),
                                 same ? b.LoopNumber : 1, same ? b.Res1 : 0);
        if (dialog.exec() != QDialog::Accepted || dialog.name().isEmpty())
            return Outcome::Cancelled;
        assignMacro(b, code, dialog.name(), dialog.loops(), dialog.mode());
        return Outcome::Assigned;
    }
    }
    return Outcome::Cancelled;
}
