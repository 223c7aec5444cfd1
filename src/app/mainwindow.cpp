// The window itself: construction, layout and scale, tabs, the command
// buttons, painting, texts.
#include "mainwindow.h"

#include "appconfig.h"
#include "filenotices.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kitaccessible.h"
#include "kittheme.h"
#include "kitthemewatcher.h"
#include "language.h"
#include "languageswitch.h"
#include "mousechooser.h"
#include "mousesession.h"
#include "mousestatus.h"
#include "mouseview.h"
#include "paths.h"
#include "pointerspeed.h"
#include "profilefile.h"
#include "profilepanel.h"
#include "profileslots.h"
#include "settingsrange.h"
#include "singleinstance.h"
#include "startupsettings.h"
#include "statusnote.h"
#include "tabpages.h"
#include "trayicon.h"
#include "unsentmark.h"
#include "windowchrome.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QPainter>
#include <QTimer>

namespace {

// The skin image families of the window's buttons.
const QStringList kCommand = {"/skin/dlgbtn-1.png", "/skin/dlgbtn-3.png", "/skin/dlgbtn-2.png"};
const QStringList kTab = {"/skin/tabbutton-1.png", "/skin/tabbutton-3.png",
                          "/skin/tabbutton-2.png"};
const QStringList kSlot = {"/skin/button-1.png", "/skin/button-3.png", "/skin/button-2.png"};
const QStringList kDropDown = {"/skin/rate.png"};
const QStringList kClose = {"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"};
const QStringList kMin = {"/skin/min-1.png", "/skin/min-2.png", "/skin/min-3.png"};

} // namespace

// What a command button does besides being clicked.
enum CommandFlags {
    kHeld = 1,    // waits while the macro page records or edits a step
    kOnPress = 2, // acts on the press already, not on the click
};

struct MainWindow::CommandButton {
    const char* name;
    const char* text; // translated in retranslate(); nullptr: labelled elsewhere
    QRect rect;
    const QStringList* images;
    void (MainWindow::*run)();
    int flags;
};

const QVector<MainWindow::CommandButton>& MainWindow::commandButtons() {
    using W = MainWindow;
    static const QVector<CommandButton> table = {
        {"btnClose", nullptr, {924, 33, 19, 19}, &kClose, &W::closeWindow, 0},
        {"btnMin", nullptr, {898, 33, 19, 19}, &kMin, &W::showMinimized, 0},
        {"btnMouse", nullptr, {670, 33, 100, 20}, &kTab, nullptr, kHeld},
        {"tab0",
         QT_TR_NOOP("LIGHTING"),
         {300, 30, 92, 30},
         &kTab,
         &W::showTab<LightingTab>,
         kHeld | kOnPress},
        {"tab1",
         QT_TR_NOOP("CUSTOMIZE"),
         {396, 30, 92, 30},
         &kTab,
         &W::showTab<CustomizeTab>,
         kHeld | kOnPress},
        {"tab2",
         QT_TR_NOOP("DPI"),
         {492, 30, 92, 30},
         &kTab,
         &W::showTab<DpiTab>,
         kHeld | kOnPress},
        {"tab3",
         QT_TR_NOOP("MACRO"),
         {588, 30, 92, 30},
         &kTab,
         &W::showTab<MacroTab>,
         kHeld | kOnPress},
        {"btnOk", QT_TR_NOOP("OK"), {636, 578, 96, 32}, &kCommand, &W::applyAndClose, kHeld},
        {"btnCancel", QT_TR_NOOP("Cancel"), {742, 578, 96, 32}, &kCommand, &W::cancelEdits, kHeld},
        {"btnApply", QT_TR_NOOP("Apply"), {848, 578, 96, 32}, &kCommand, &W::apply, kHeld},
        {"btnFirmware",
         QT_TR_NOOP("Firmware Update"),
         {300, 578, 150, 32},
         &kCommand,
         &W::updateFirmware,
         kHeld | kOnPress},
        // The five on-mouse profiles: each shows whether it is in use and
        // switches to it, as its entry in the menu below them does.
        {"slot0", nullptr, {24, 84, 246, 32}, &kSlot, &W::chooseSlot<0>, kHeld},
        {"slot1", nullptr, {24, 122, 246, 32}, &kSlot, &W::chooseSlot<1>, kHeld},
        {"slot2", nullptr, {24, 160, 246, 32}, &kSlot, &W::chooseSlot<2>, kHeld},
        {"slot3", nullptr, {24, 198, 246, 32}, &kSlot, &W::chooseSlot<3>, kHeld},
        {"slot4", nullptr, {24, 236, 246, 32}, &kSlot, &W::chooseSlot<4>, kHeld},
        {"btnSlotMenu", nullptr, {24, 278, 246, 28}, &kDropDown, nullptr, kHeld},
        {"btnAppRules",
         QT_TR_NOOP("Profiles by Application"),
         {460, 578, 166, 32},
         &kCommand,
         &W::showRulesPage,
         0},
        {"btnLanguage", nullptr, {770, 30, 116, 26}, &kDropDown, nullptr, 0},
    };
    return table;
}

MainWindow::MainWindow(QWidget* parent)
    : QWidget(parent), m_edited(std::make_unique<DeviceSettings>()),
      m_sent(std::make_unique<DeviceSettings>()) {
    setObjectName(QStringLiteral("MainWindow"));
    // The product's name from the first map on, not the class name.
    setWindowTitle(productName());
    m_appDir = productDataDir();
    // The slow reads of start-up run beside the rest of the construction:
    // the settings with the profile in use, and the large background image.
    // The other four profiles follow after the first paint.
    m_startup = new StartupSettings(this);
    m_chrome = new WindowChrome(this, m_appDir);
    // Set before any child exists, so each child is polished once.
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    initKitResources();

    // Before any child exists too: a control built before the shared sheet
    // would be styled twice.
    applyKitStyleSheet();
    m_chrome->frameWindow();

    setCurrentLanguageIndex(readLanguageId());
    setFrenchLanguageIndex(frenchLanguage());
    buildControls();

    m_profileList = readProfileList();
    m_batteryThresholds = {readBatteryWarn(), readBatteryCritical()};
    m_sent = m_startup->takeCurrent();
    *m_edited = *m_sent;
    m_profiles = std::make_unique<ProfileController>(*m_edited, *m_sent, m_profileList);
    ProfilePanel::Hooks hooks;
    hooks.refreshPages = [this] { refreshPages(); };
    hooks.retranslate = [this] { retranslate(); };
    hooks.freshStart = [this] {
        selectTab(LightingTab);
        m_mouseView->applyButtonArt();
    };
    hooks.write = [this](bool everything) { writeToMouse(everything); };
    hooks.clicked = [this] { showFileNotices(); };
    hooks.done = [this](const QString& text) { m_status->showNote(text); };
    m_profilePanel = std::make_unique<ProfilePanel>(this, *m_profiles, m_profileList, hooks);
    m_nameEdit = m_profilePanel->nameEdit();
    m_startup->readOthers(*m_sent, *m_edited, [this] { refreshPages(); });
    // On this thread: a second Xlib connection opened on a worker while the
    // toolkit makes its window is a risk the few milliseconds do not pay for.
    m_pointer = std::make_unique<DesktopPointerSpeed>();
    // Put back on every way out, before the window's parts are torn down.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_pointer->restore(); });
    if (const int speed = m_pointer->read(); speed > 0)
        m_edited->current().mousespeed = uint8_t(speed);
    m_profilePanel->rebuildMenu();

    buildPages();
    refreshPages(); // brings the settings into range before a page shows them
    selectTab(ledDisable() ? CustomizeTab : LightingTab);
    // The keyboard starts on the tab shown, never on the window's close
    // button: Enter right after the start must not end the program.
    m_tabButtons[m_tab]->setFocus(Qt::OtherFocusReason);
    retranslate();
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);

    setWindowIcon(QIcon(skinPixmap(QStringLiteral("/skin/icon.png"))));
    // The layout is done (by retranslate); only the background comes in.
    if (!m_chrome->takeStartupBackground()) layoutWindow(); // the scale changed meanwhile
    // Until the mouse is found and reports, the connection and battery show
    // nothing rather than a level no battery gave.
    updateConnectionDisplay();
}

void MainWindow::startDevices() {
    m_startup->complete();
    if (m_devicesStarted) return;
    m_devicesStarted = true;
    // The mouse is looked for on the session's thread; what it finds comes
    // back as signals, the disconnect warning among the reactions.
    if (!m_session) m_session = new MouseSession(this);
    connectSession();
    // The mark follows every click and key, every load and every write.
    m_unsent = new UnsentMark(this, [this] { return settingsUnsentNow(); });
    connect(m_unsent, &UnsentMark::changed, this, &MainWindow::showUnsentMark);
    connect(m_session, &MouseSession::writeLost, m_unsent, &UnsentMark::recheck);
    connect(m_session, &MouseSession::connectionChanged, m_unsent, &UnsentMark::recheck);
    m_unsent->recheck();
    m_session->start(MouseSession::Options());
    updateConnectionDisplay();
    buildTray();
    // Writes from the command-line tool come through here while the window
    // runs, so the two never talk to the mouse at once.
    m_session->lendTo(SingleInstance::mutexNameFor(productName()));
    startFollowing();
    // A new accent or font in Config.ini restyles the window the way a
    // language change does.
    connect(new KitThemeWatcher(this), &KitThemeWatcher::themeChanged, this,
            &MainWindow::retranslate);
    m_startup->tidyUpLater();
    QTimer::singleShot(300, this, [this] { showFileNotices(); });
    if (m_startMinimized) {
        // Started with the desktop: stay in the tray, and say nothing of a
        // mouse that is not there yet. Without a tray the window waits
        // minimised instead.
        if (!trayShown()) showMinimized();
    }
}

MainWindow::~MainWindow() {
    // The session lets go of the mouse before the window's parts go.
    delete m_session;
}

// ---- scale and layout -------------------------------------------------------

void MainWindow::buildControls() {
    for (const CommandButton& c : commandButtons()) {
        auto* b = new KestPushButton(*c.images, this);
        b->setObjectName(QLatin1String(c.name));
        b->setProperty("logicalRect", c.rect);
        const auto run = c.run;
        const bool onPress = c.flags & kOnPress;
        // The press signal also comes for a click without a press (an
        // assistive tool's "Press"), once either way.
        if (run && onPress)
            connect(b, &KestPushButton::EnterSignal, this, [this, run] { (this->*run)(); });
        // Whatever a click did may have met a file the user should hear of.
        connect(b, &QPushButton::clicked, this, [this, run, onPress] {
            if (run && !onPress) (this->*run)();
            showFileNotices();
        });
    }
    m_mice = std::make_unique<MouseChooser>(
        button(QStringLiteral("btnMouse")),
        [this](const QString& product) { m_session->switchMouse(product); });
    // Checked is the selected tab, which assistive tools read; their
    // "Toggle" checks a tab without a click.
    auto* tabs = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        m_tabButtons << button(QStringLiteral("tab%1").arg(i));
        m_tabButtons.last()->setCheckable(true);
        tabs->addButton(m_tabButtons.last(), i);
    }
    connect(tabs, &QButtonGroup::idToggled, this, [this](int tab, bool checked) {
        if (checked && tab != m_tab) selectTab(tab);
    });
    m_slots = std::make_unique<ProfileSlots>(this, [this](int i) { onSlotAction(i); });

    m_titleLabel = new KestLabel(readMouseList0(), this);
    m_titleLabel->setProperty("logicalRect", QRect(62, 18, 210, 26));
    m_versionLabel = new KestLabel(productVersion(), this);
    m_versionLabel->setProperty("logicalRect", QRect(62, 44, 210, 18));
    m_status = new StatusNote(this);

    m_language = new LanguageSwitch(button(QStringLiteral("btnLanguage")));
    connect(m_language, &LanguageSwitch::changed, this, &MainWindow::retranslate);

    // The mouse picture and its markers (LIGHTING and CUSTOMIZE).
    m_mouseView = new MouseView(this);
    for (KestPushButton* b : {m_mouseView->frontButton(), m_mouseView->sideButton()})
        connect(b, &QPushButton::clicked, this, [this] { showFileNotices(); });
    connect(m_mouseView, &MouseView::markerClicked, this, [this] { showFileNotices(); });

    m_display = std::make_unique<ConnectionDisplay>(this);
}

void MainWindow::buildPages() {
    m_pages = std::make_unique<TabPages>(this, m_mouseView, *m_edited, m_pointer->reachable());
    connect(m_pages.get(), &TabPages::lightingChanged, this,
            [this] { m_mouseView->setLighting(*m_edited); });
    connect(m_pages.get(), &TabPages::macroNeeded, this, [this] { selectTab(MacroTab); });
    connect(m_pages.get(), &TabPages::oneClickNeeded, this, &MainWindow::slotPopOneClickBox);
    connect(m_pages.get(), &TabPages::liftChanged, this, &MainWindow::slotLiftChange);
    connect(m_pages.get(), &TabPages::editableChanged, this, &MainWindow::slotEnableButtons);
    connect(m_pages.get(), &TabPages::done, this,
            [this](const QString& text) { m_status->showNote(text); });
}

void MainWindow::ensurePage(int tab) {
    if (m_pages->ensure(tab, scale())) setupTabOrder();
}

bool MainWindow::pageBuilt(int tab) const {
    return m_pages->built(tab);
}

void MainWindow::setupTabOrder() {
    // Down the left column, through the page, then the window's own commands.
    QList<QWidget*> order;
    auto add = [&](std::initializer_list<const char*> names) {
        for (const char* name : names)
            order << button(QLatin1String(name));
    };
    add({"tab0", "tab1", "tab2", "tab3", "slot0", "slot1", "slot2", "slot3", "slot4", "btnSlotMenu",
         "btnProfileList"});
    order << m_nameEdit;
    add({"btnApplyName", "btnAdd", "btnCopy", "btnDelete", "btnReset", "btnResetAll",
         "btnLoadConfig", "btnSaveConfig", "btnImportProfile", "btnExportProfile"});
    order << m_pages->focusChain();
    order << m_mouseView->frontButton() << m_mouseView->sideButton();
    add({"btnFirmware", "btnAppRules", "btnOk", "btnCancel", "btnApply", "btnLanguage", "btnMouse",
         "btnMin", "btnClose"});
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::layoutWindow() {
    // A new scale or accent rebuilds the shared sheet before any control is
    // given its new font: restyling resets what was set before it.
    applyKitStyleSheet();
    m_chrome->placeChildren();
    for (KestPushButton* b : findChildren<KestPushButton*>(QString(), Qt::FindDirectChildrenOnly))
        b->refreshFont();
    m_nameEdit->refreshStyle();
    m_status->refreshFont();
    m_display->refreshStyle();
    for (KestMenu* menu : {m_profilePanel->menu(), m_slots->menu(), m_language->menu()})
        menu->refreshStyle();
    m_pages->applyScale(scale());
    m_mouseView->reload();

    m_chrome->ensureBackground();
    update();
}

double MainWindow::scale() const {
    return m_chrome->scale();
}

void MainWindow::useScaleIndex(int index) {
    m_chrome->useScaleIndex(index);
    layoutWindow();
}

int MainWindow::scaleIndex() const {
    return m_chrome->scaleIndex();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (m_chrome->followScreen()) layoutWindow();
}

// ---- tabs, pages and views --------------------------------------------------

void MainWindow::selectTab(int index) {
    if (index == LightingTab && ledDisable()) index = CustomizeTab;
    if (index < 0 || index > MacroTab) return;
    ensurePage(index);
    // Set first: checking the tab's button below comes back here.
    m_tab = index;
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setSelected(i == index);
    m_pages->show(index);
    // LIGHTING shows the front view too, with the lights in their colour.
    m_mouseView->show(index == CustomizeTab  ? MouseView::Mode::Customize
                      : index == LightingTab ? MouseView::Mode::Lighting
                                             : MouseView::Mode::Hidden);
}

void MainWindow::refreshPages() {
    // Every load into the edited settings ends here: what the pages show is
    // then exactly what Apply sends.
    bringIntoRange(*m_edited);
    const int current = m_edited->currentProfile;
    m_slots->select(current);
    m_pages->refresh();
    m_mouseView->setLighting(*m_edited);
    if (m_unsent) m_unsent->recheck();
}

void MainWindow::collectPages() {
    m_pages->collect();
}

void MainWindow::switchSlot(int index, bool reload) {
    if (index < 0 || index >= kProfileCount) return;
    m_slots->showChoice(index);
    m_edited->currentProfile = uint8_t(index);
    if (reload) {
        const QString name = m_edited->profileNames[index];
        loadProfileByName(m_edited->profiles[index], name);
        m_sent->profileNames[index] = name;
    }
    m_nameEdit->setText(m_edited->profileNames[index]);
    refreshPages();
    saveCurrentProfileId(index);
}

void MainWindow::retranslate() {
    for (const CommandButton& c : commandButtons())
        if (c.text) button(QLatin1String(c.name))->setLabel(tr(c.text));
    // The icon buttons say what they do; the menu buttons what they choose.
    button(QStringLiteral("btnClose"))->setAccessibleName(tr("Close"));
    button(QStringLiteral("btnMin"))->setAccessibleName(tr("Minimize"));
    setAccessibleLabel(button(QStringLiteral("btnMouse")), tr("Mouse"));
    setAccessibleLabel(button(QStringLiteral("btnLanguage")), tr("Language"));
    m_mouseView->frontButton()->setLabel(tr("Front"));
    m_mouseView->sideButton()->setLabel(tr("Side"));
    m_slots->retranslate(m_edited->currentProfile);
    m_profilePanel->retranslate();
    m_language->refreshLabel();
    if (m_tray) m_tray->retranslate();
    m_pages->retranslate();
    if (m_unsent) showUnsentMark(m_unsent->isOn());
    updateConnectionDisplay();
    layoutWindow();
}

// ---- painting --------------------------------------------------

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    m_chrome->paintBackground(p);
    m_display->paintFrame(p);
    // The mouse is looked for once the window is on screen.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, m_mouseView, &MouseView::windowPainted);
        QTimer::singleShot(0, this, &MainWindow::startDevices);
    }
}

// ---- buttons ----------------------------------------------------------------

void MainWindow::closeWindow() {
    close();
}

void MainWindow::applyAndClose() {
    // OK means "apply and close": the pages' edits go with it, or a user
    // who pressed OK after editing would see the mouse keep its old values.
    apply();
    const int writes = m_writes;
    close();
    // Gone to the tray: what Apply said goes on screen, unless closing wrote
    // again and said so itself.
    if (isHidden() && trayShown() && m_writes == writes && !m_status->note().isEmpty())
        sendOsdMessage(m_status->note());
}

void MainWindow::cancelEdits() {
    // Cancel is the answer to "keep these edits?"; the mark told what is not sent.
    m_leaveConfirmed = true;
    close();
    m_leaveConfirmed = false;
    switchSlot(m_edited->currentProfile, true);
}

void MainWindow::apply() {
    collectPages();
    writeToMouse(false);
}

void MainWindow::updateFirmware() {
    startFirmwareUpdate(false);
}

KestPushButton* MainWindow::button(const QString& objectName) const {
    return findChild<KestPushButton*>(objectName, Qt::FindDirectChildrenOnly);
}

QString MainWindow::nameEditText() const {
    return m_nameEdit->text();
}

void MainWindow::slotPopOneClickBox() {
    showMessage(KestMessageBox::Notice, tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void MainWindow::slotEnableButtons(bool bEnable) {
    for (const CommandButton& c : commandButtons())
        if (c.flags & kHeld) button(QLatin1String(c.name))->setEnabled(bEnable);
    m_profilePanel->setHeld(!bEnable);
    m_pages->setEditable(bEnable);
}

void MainWindow::slotLiftChange(quint8 iLift) {
    m_edited->LiftHigh = iLift;
}

int MainWindow::showMessage(int kind, const QString& text, const QString& title) {
    KestMessageBox box(this, title.isEmpty() ? tr("Warning") : title, text, kind);
    return box.exec();
}

void MainWindow::showFileNotices(const QString& unsavedFile) {
    const QString text = fileNoticeText(takeFileNotices(), m_appDir, unsavedFile);
    if (!text.isEmpty()) showMessage(KestMessageBox::Notice, text);
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing hides the window into the tray; without a tray nothing could
    // bring it back, so closing quits.
    event->ignore();
    const int writes = m_writes;
    if (!confirmLeaving()) return;
    if (trayShown()) {
        hide();
        // The write the question offered ended while the window showed.
        if (m_writes != writes && !m_status->note().isEmpty()) sendOsdMessage(m_status->note());
    } else
        QCoreApplication::quit();
}

void MainWindow::onQuitRequested() {
    if (confirmLeaving()) QCoreApplication::quit();
}
