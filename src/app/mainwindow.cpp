// The window itself: construction, layout and scale, tabs and pages, mouse
// views and markers, painting and dragging, texts.
#include "mainwindow.h"

#include "appconfig.h"
#include "buttonpanel.h"
#include "customizepage.h"
#include "defaults.h"
#include "devicetable.h"
#include "dpipage.h"
#include "filename.h"
#include "inifile.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestprogressbar.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"
#include "kitthemewatcher.h"
#include "language.h"
#include "lightinggroup.h"
#include "lightingpage.h"
#include "lightingpanel.h"
#include "macropage.h"
#include "macropanel.h"
#include "mousesession.h"
#include "mousestatus.h"
#include "mousetint.h"
#include "paths.h"
#include "pointerspeed.h"
#include "productdef.h"
#include "profilefile.h"
#include "settingsrange.h"
#include "singleinstance.h"
#include "tabpage.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QLibraryInfo>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QTranslator>
#include <future>
#include <malloc.h>

namespace {

// Logical window size; every geometry below is in these units.
constexpr int kWidth = 999;
constexpr int kHeight = 640;

struct ButtonSpec {
    const char* name;
    const char* text; // translated in retranslate()
    QRect rect;
};

// The profile and write buttons; their click handling is in onButtonClicked.
const ButtonSpec kCommandButtons[] = {
    {"btnAdd", QT_TRANSLATE_NOOP("MainWindow", "ADD"), {24, 406, 78, 28}},
    {"btnCopy", QT_TRANSLATE_NOOP("MainWindow", "COPY"), {108, 406, 78, 28}},
    {"btnDelete", QT_TRANSLATE_NOOP("MainWindow", "DELETE"), {192, 406, 78, 28}},
    {"btnReset", QT_TRANSLATE_NOOP("MainWindow", "RESET"), {24, 438, 120, 28}},
    {"btnResetAll", QT_TRANSLATE_NOOP("MainWindow", "Reset All"), {150, 438, 120, 28}},
    {"btnLoadConfig", QT_TRANSLATE_NOOP("MainWindow", "LOAD1"), {24, 470, 120, 28}},
    {"btnSaveConfig", QT_TRANSLATE_NOOP("MainWindow", "SAVE"), {150, 470, 120, 28}},
    {"btnImportProfile", QT_TRANSLATE_NOOP("MainWindow", "IMPORT"), {24, 502, 120, 28}},
    {"btnExportProfile", QT_TRANSLATE_NOOP("MainWindow", "EXPORT"), {150, 502, 120, 28}},
    {"btnOk", QT_TRANSLATE_NOOP("MainWindow", "OK"), {636, 578, 96, 32}},
    {"btnCancel", QT_TRANSLATE_NOOP("MainWindow", "Cancel"), {742, 578, 96, 32}},
    {"btnApply", QT_TRANSLATE_NOOP("MainWindow", "Apply"), {848, 578, 96, 32}},
    {"btnFirmware", QT_TRANSLATE_NOOP("MainWindow", "Firmware Update"), {300, 578, 150, 32}},
};

const char* const kTabTexts[4] = {
    QT_TRANSLATE_NOOP("MainWindow", "LIGHTING"),
    QT_TRANSLATE_NOOP("MainWindow", "CUSTOMIZE"),
    QT_TRANSLATE_NOOP("MainWindow", "DPI"),
    QT_TRANSLATE_NOOP("MainWindow", "MACRO"),
};

const QStringList kCommandImages = {"/skin/dlgbtn-1.png", "/skin/dlgbtn-3.png",
                                    "/skin/dlgbtn-2.png"};
const QStringList kSlotImages = {"/skin/button-1.png", "/skin/button-3.png", "/skin/button-2.png"};
const QStringList kDropDownImages = {"/skin/rate.png"};
const QStringList kTabImages = {"/skin/tabbutton-1.png", "/skin/tabbutton-3.png",
                                "/skin/tabbutton-2.png"};

// Where the pages sit (logical), from the window's fixed design.
const QRect kMouseViewRect(300, 74, 300, 266);
// On LIGHTING the picture stands right of the effect controls.
const QRect kLightingMouseViewRect(640, 96, 300, 420);
constexpr int kMarkerCount = 20;

// Products whose wheel markers use the second set of arrow images.
constexpr const char* kAlternateWheelArtProducts[] = {"Qorv Pico"};

bool usesAlternateWheelArt(const QString& product) {
    for (const char* name : kAlternateWheelArtProducts)
        if (product == QLatin1String(name)) return true;
    return false;
}

// The window's background at `size`; null when the image is missing. At the
// logical size the artwork has its own copy, a quarter of the pixels to decode.
QImage scaledBackground(const QString& appDir, const QSize& size) {
    if (size == QSize(kWidth, kHeight)) {
        QImage exact = readSkinImage(appDir + QStringLiteral("/skin/cfgMainback-1x.png"));
        if (exact.size() == size) return exact;
    }
    const QImage source = readSkinImage(appDir + QStringLiteral("/skin/cfgMainback.png"));
    if (source.isNull()) return QImage();
    return source.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

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
    auto settingsLoad = std::async(std::launch::async, [] {
        auto settings = std::make_unique<DeviceSettings>();
        loadCurrentSettings(*settings);
        return settings;
    });
    applyScaleFromScreen(QGuiApplication::primaryScreen());
    // The background is kept only at the size it is shown: the double-size
    // source is decoded and scaled on the worker and then let go.
    const QSize shownSize(int(kWidth * m_scale), int(kHeight * m_scale));
    auto backgroundLoad = std::async(std::launch::async, [dir = m_appDir, shownSize] {
        return scaledBackground(dir, shownSize);
    });
    // Set before any child exists, so each child is polished once.
    setStyleSheet(QStringLiteral("*{outline:0px;}"));
    initKitResources();

    m_bat1 = skinPixmap(QStringLiteral("/skin/bat1.png"));
    m_bat2 = skinPixmap(QStringLiteral("/skin/bat2.png"));

    // Before any child exists too: a control built before the shared sheet
    // would be styled twice.
    applyKitStyleSheet();
    setBaseSize(kWidth, kHeight);
    setMinimumSize(kWidth, kHeight);
    resize(shownSize);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());

    setWindowFlag(Qt::FramelessWindowHint);
    setAttribute(Qt::WA_TranslucentBackground);

    setCurrentLanguageIndex(readLanguageId());
    setFrenchLanguageIndex(frenchLanguage());
    m_translator = new QTranslator(this);
    m_qtTranslator = new QTranslator(this);
    buildControls();
    loadLanguage(currentLanguageIndex());

    m_profileList = readProfileList();
    m_batteryThresholds = {readBatteryWarn(), readBatteryCritical()};
    m_batteryLevel = qBound(10, readBattery(), 100);
    m_sent = settingsLoad.get();
    *m_edited = *m_sent;
    auto rest = std::make_unique<DeviceSettings>();
    rest->currentProfile = m_sent->currentProfile;
    std::copy(std::begin(m_sent->profileNames), std::end(m_sent->profileNames),
              std::begin(rest->profileNames));
    m_otherProfiles = std::async(std::launch::async, [rest = std::move(rest)]() mutable {
        loadOtherProfiles(*rest);
        return std::move(rest);
    });
    // Input that comes before they are in waits for them (see eventFilter).
    qApp->installEventFilter(this);
    // On this thread: a second Xlib connection opened on a worker while the
    // toolkit makes its window is a risk the few milliseconds do not pay for.
    if (const int speed = readPointerSpeed(); speed > 0)
        m_edited->current().mousespeed = uint8_t(speed);
    rebuildProfileMenu();
    m_frontView = true;

    buildPages();
    refreshPages(); // brings the settings into range before a page shows them
    selectTab(ledDisable() ? CustomizeTab : LightingTab);
    retranslate();
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);

    setWindowIcon(QIcon(skinPixmap(QStringLiteral("/skin/icon.png"))));
    // The layout is done (by retranslate); only the background comes in.
    QImage shown = backgroundLoad.get();
    m_backgroundPending = false;
    if (shown.size() == size())
        m_backgrounds[size_t(qBound(0, m_scaleIndex, 16))] = QPixmap::fromImage(std::move(shown));
    else
        layoutWindow(); // the scale changed meanwhile
    // Until the mouse is found and reports, the connection and battery show
    // nothing rather than a level no battery gave.
    updateConnectionDisplay();
}

void MainWindow::joinOtherProfiles() {
    if (!m_otherProfiles.valid()) return;
    qApp->removeEventFilter(this);
    const std::unique_ptr<DeviceSettings> rest = m_otherProfiles.get();
    for (int i = 0; i < kProfileCount; ++i) {
        if (i == m_sent->currentProfile) continue;
        m_sent->profiles[i] = rest->profiles[i];
        m_edited->profiles[i] = rest->profiles[i];
    }
    refreshPages();
}

void MainWindow::startDevices() {
    joinOtherProfiles();
    if (m_devicesStarted) return;
    m_devicesStarted = true;
    // The mouse is looked for on the session's thread; what it finds comes
    // back as signals, the disconnect warning among the reactions.
    if (!m_session) m_session = new MouseSession(this);
    connectSession();
    m_session->start(MouseSession::Options());
    updateConnectionDisplay();
    buildTray();
    // Writes from the command-line tool come through here while the window
    // runs, so the two never talk to the mouse at once.
    m_session->lendTo(SingleInstance::mutexNameFor(productName()));
    // A new accent or font in Config.ini restyles the window the way a
    // language change does.
    connect(new KitThemeWatcher(this), &KitThemeWatcher::themeChanged, this,
            &MainWindow::retranslate);
    // Nothing reads the default profile file during start-up: rewrite it once
    // the window is up instead of making the user wait for it.
    QTimer::singleShot(1000, this, [] {
        writeDefaultProfileFile();
        // Start-up parsed six large profile files on worker threads; hand the
        // memory they freed back rather than keep it for a tray program's life.
        malloc_trim(0);
    });
    QTimer::singleShot(300, this, [this] { showFileNotices(); });
    if (m_startMinimized) {
        // Started with the desktop: stay in the tray, and say nothing of a
        // mouse that is not there yet. Without a tray the window waits
        // minimised instead.
        if (!(m_tray && QSystemTrayIcon::isSystemTrayAvailable())) showMinimized();
    }
}

MainWindow::~MainWindow() {
    // The session lets go of the mouse before the window's parts go.
    delete m_session;
}

// ---- scale and layout -------------------------------------------------------

void MainWindow::applyScaleFromScreen(const QScreen* screen) {
    const double dpi = screen ? screen->logicalDotsPerInch() : 96.0;
    m_scaleIndex = scaleIndexForRatio(dpi / 96.0);
    m_scale = scaleForIndex(m_scaleIndex);
    setDisplayScale(m_scale);
}

KestPushButton* MainWindow::makeButton(const QString& objectName, const QStringList& images,
                                       const QRect& logical) {
    auto* b = new KestPushButton(images, this);
    b->setObjectName(objectName);
    b->setProperty("logicalRect", logical);
    connect(b, &QPushButton::clicked, this, &MainWindow::onButtonClicked);
    m_buttons << b;
    return b;
}

void MainWindow::buildControls() {
    makeButton(QStringLiteral("btnClose"),
               {"/skin/close-1.png", "/skin/close-2.png", "/skin/close-3.png"},
               QRect(924, 33, 19, 19));
    makeButton(QStringLiteral("btnMin"), {"/skin/min-1.png", "/skin/min-2.png", "/skin/min-3.png"},
               QRect(898, 33, 19, 19));

    m_mouseButton = makeButton(QStringLiteral("btnMouse"), kTabImages, QRect(670, 33, 100, 20));
    m_mouseButton->hide();

    for (int i = 0; i < 4; ++i) {
        KestPushButton* tab =
            makeButton(QStringLiteral("tab%1").arg(i), kTabImages, QRect(300 + 96 * i, 30, 92, 30));
        connect(tab, &KestPushButton::EnterSignal, this, &MainWindow::onButtonPressed);
        m_tabButtons << tab;
    }

    for (const ButtonSpec& s : kCommandButtons) {
        KestPushButton* b = makeButton(QLatin1String(s.name), kCommandImages, s.rect);
        if (qstrcmp(s.name, "btnFirmware") == 0)
            connect(b, &KestPushButton::EnterSignal, this, &MainWindow::onButtonPressed);
    }
    makeButton(QStringLiteral("btnApplyName"), kCommandImages, QRect(244, 368, 26, 28));

    // The five on-mouse profiles: slot buttons, and the menu that switches.
    for (int i = 0; i < kProfileCount; ++i) {
        m_slotButtons << makeButton(QStringLiteral("slot%1").arg(i), kSlotImages,
                                    QRect(24, 84 + 38 * i, 246, 32));
        // They show the profile in use; the menu below them is what switches.
        m_slotButtons.last()->setFocusPolicy(Qt::NoFocus);
    }
    m_slotMenu = new KestMenu(this, 150);
    for (int i = 0; i < kProfileCount; ++i) {
        auto* a = new KestAction(m_slotMenu);
        m_slotMenu->addAction(a);
        m_slotActions << a;
    }
    connect(m_slotMenu, &QMenu::triggered, this, &MainWindow::onSlotAction);
    m_slotMenuButton =
        makeButton(QStringLiteral("btnSlotMenu"), kDropDownImages, QRect(24, 278, 246, 28));
    m_slotMenuButton->setMenu(m_slotMenu);

    m_profileMenu = new KestMenu(this, 152);
    connect(m_profileMenu, &QMenu::triggered, this,
            [this](QAction* a) { chooseProfile(a->text()); });
    m_profileButton =
        makeButton(QStringLiteral("btnProfileList"), kDropDownImages, QRect(24, 312, 246, 28));
    m_profileButton->setMenu(m_profileMenu);

    m_nameCaption = new KestLabel(this);
    m_nameCaption->setProperty("logicalRect", QRect(26, 344, 100, 20));
    m_nameEdit = new KestLineEdit(this);
    m_nameEdit->setMaxLength(kMaxFileNameLength);
    m_nameEdit->setProperty("logicalRect", QRect(24, 368, 214, 28));
    connect(m_nameEdit, &QLineEdit::returnPressed, this, &MainWindow::slotProfileNameChange);

    m_titleLabel = new KestLabel(readMouseList0(), this);
    m_titleLabel->setProperty("logicalRect", QRect(62, 18, 210, 26));
    m_versionLabel = new KestLabel(productVersion(), this);
    m_versionLabel->setProperty("logicalRect", QRect(62, 44, 210, 18));

    // Language menu: one action per configured language.
    const LanguageList languages = readLanguageList();
    m_languageMenu = new KestMenu(this, 120);
    for (int i = 0; i < languages.count && i < kMaxLanguages; ++i)
        m_languageMenu->addAction(new KestAction(languages.names[i], m_languageMenu));
    connect(m_languageMenu, &QMenu::triggered, this, &MainWindow::onLanguageAction);
    m_languageButton =
        makeButton(QStringLiteral("btnLanguage"), kDropDownImages, QRect(770, 30, 116, 26));
    m_languageButton->setMenu(m_languageMenu);
    const int lang = currentLanguageIndex();
    if (lang >= 0 && lang < kMaxLanguages) m_languageButton->setLabel(languages.names[lang]);
    m_languageButton->setVisible(languages.count >= 2);

    // The mouse views and their markers (customise tab).
    m_mouseImage = new KestLabel(this);
    m_mouseImage->setObjectName(QStringLiteral("mouseView"));
    m_mouseImage->setAlignment(Qt::AlignCenter);
    m_mouseImage->setProperty("logicalRect", kMouseViewRect);
    makeButton(QStringLiteral("btnFront"), kTabImages, QRect(620, 300, 80, 26));
    makeButton(QStringLiteral("btnSide"), kTabImages, QRect(706, 300, 80, 26));
    const int count = qBound(0, buttonCount(), kMarkerCount);
    for (int i = 0; i < kMarkerCount; ++i) {
        KestPushButton* m =
            makeButton(QStringLiteral("marker%1").arg(i),
                       {"/skin/marker-1.png", "/skin/marker-2.png", "/skin/marker-3.png"},
                       QRect(620 + 36 * (i % 9), 90 + 40 * (i / 9), 30, 30));
        m->setNumber(i + 1);
        m->setFocusPolicy(Qt::NoFocus); // pointers onto the picture, not commands
        connect(m, &KestPushButton::OverSignal, this, &MainWindow::slotMouseOver);
        m->setProperty("available", i < count);
        m_frontMarkers << m;
    }
    m_frontMarkers.first()->installEventFilter(this);
    for (int i = 0; i < 2; ++i) {
        KestPushButton* m =
            makeButton(QStringLiteral("sideMarker%1").arg(i),
                       {"/skin/marker-1.png", "/skin/marker-2.png", "/skin/marker-3.png"},
                       QRect(620 + 36 * i, 90, 30, 30));
        m->setNumber(i + 1);
        m->setFocusPolicy(Qt::NoFocus);
        m_sideMarkers << m;
    }
    m_extraMarkers << makeButton(QStringLiteral("wheelUp"), {}, QRect(620, 220, 34, 34));
    m_extraMarkers << makeButton(QStringLiteral("wheelDown"), {}, QRect(660, 220, 34, 34));
    for (KestPushButton* m : std::as_const(m_extraMarkers))
        m->setFocusPolicy(Qt::NoFocus);
    applyButtonArt();

    // Connection and battery.
    m_battery = new KestProgressBar(this);
    m_battery->setRange(0, 100);
    m_battery->setValue(0); // hidden until a report; a first "off" report still shows its caption
    m_battery->setProperty("logicalRect", QRect(79, 592, 62, 25));
    m_dongleIcon = new KestLabel(this);
    m_dongleIcon->setSkinImage(QStringLiteral("/skin/dongle.png"));
    m_dongleIcon->setProperty("logicalRect", QRect(24, 588, 36, 36));
    m_chargeIcon = new KestLabel(this);
    m_chargeIcon->setSkinImage(QStringLiteral("/skin/lightning.png"));
    m_chargeIcon->setProperty("logicalRect", QRect(164, 584, 26, 40));
    m_chargeIcon->hide();
}

void MainWindow::buildPages() {
    m_pages.clear();
    m_pages.push_back(std::make_unique<LazyPage>([this]() -> std::unique_ptr<TabPage> {
        auto page = std::make_unique<LightingPage>(this);
        connect(page->window(), &LightingPanel::lightingChanged, this,
                &MainWindow::onLightingChanged);
        return page;
    }));
    m_pages.push_back(std::make_unique<LazyPage>([this]() -> std::unique_ptr<TabPage> {
        auto page = std::make_unique<CustomizePage>(this);
        ButtonPanel* w = page->buttonWindow();
        connect(w, SIGNAL(GotoMacroTab(quint8)), this, SLOT(slotGotoMacro(quint8)));
        connect(w, SIGNAL(PopOneClickBox()), this, SLOT(slotPopOneClickBox()));
        connect(w, &ButtonPanel::SelBtnControl, this, &MainWindow::slotMouseOver);
        connect(w, &ButtonPanel::assignmentChanged, this, &MainWindow::refreshMarkers);
        w->setEnabled(m_pageButtonsEnabled);
        return page;
    }));
    m_pages.push_back(std::make_unique<LazyPage>([this]() -> std::unique_ptr<TabPage> {
        auto dpi = std::make_unique<DpiPage>(this);
        connect(dpi.get(), &DpiPage::liftChanged, this, &MainWindow::slotLiftChange);
        return dpi;
    }));
    m_pages.push_back(std::make_unique<LazyPage>([this]() -> std::unique_ptr<TabPage> {
        auto page = std::make_unique<MacroPage>(this);
        connect(page->dialog(), SIGNAL(EnableButtonsSignal(bool)), this,
                SLOT(slotEnableButtons(bool)));
        return page;
    }));
}

void MainWindow::ensurePage(int tab) {
    if (tab < 0 || size_t(tab) >= m_pages.size()) return;
    LazyPage& page = *m_pages[size_t(tab)];
    if (page.built()) return;
    // The page starts from the edited settings as they stand, edits of the
    // pages already built included.
    collectPages();
    if (page.build(*m_edited, m_scale)) {
        setupTabOrder();
        if (tab == CustomizeTab) refreshMarkers();
    }
}

ButtonPanel* MainWindow::buttonWindow() const {
    const auto* page = static_cast<const CustomizePage*>(m_pages[CustomizeTab]->page());
    return page ? page->buttonWindow() : nullptr;
}

bool MainWindow::pageBuilt(int tab) const {
    return tab >= 0 && size_t(tab) < m_pages.size() && m_pages[size_t(tab)]->built();
}

void MainWindow::setupTabOrder() {
    // Down the left column, through the page, then the window's own commands.
    QList<QWidget*> order;
    for (KestPushButton* t : std::as_const(m_tabButtons))
        order << t;
    order << m_slotMenuButton << m_profileButton << m_nameEdit << button("btnApplyName");
    // The profile commands come first in the table, up to OK.
    for (const ButtonSpec& s : kCommandButtons) {
        if (qstrcmp(s.name, "btnOk") == 0) break;
        order << button(QLatin1String(s.name));
    }
    // A page's own controls, in the order they were made (top to bottom); the
    // insides of a compound control (a spin box's editor) are its own affair.
    auto takesTab = [](const QWidget* w) { return (w->focusPolicy() & Qt::TabFocus) != 0; };
    for (auto& page : m_pages)
        for (QWidget* part : page->widgets())
            for (QWidget* w : part->findChildren<QWidget*>()) {
                bool inner = false;
                for (QWidget* up = w->parentWidget(); up && up != part; up = up->parentWidget())
                    inner = inner || takesTab(up);
                if (takesTab(w) && !inner) order << w;
            }
    order << button("btnFront") << button("btnSide") << button("btnFirmware") << button("btnOk")
          << button("btnCancel") << button("btnApply") << m_languageButton << m_mouseButton
          << button("btnMin") << button("btnClose");
    for (int i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);
}

void MainWindow::layoutWindow() {
    // A new scale or accent rebuilds the shared sheet before any control is
    // given its new font: restyling resets what was set before it.
    applyKitStyleSheet();
    const auto children = findChildren<QWidget*>();
    for (QWidget* w : children) {
        const QVariant r = w->property("logicalRect");
        if (r.isValid()) w->setGeometry(scaledRect(r.toRect(), m_scale));
    }
    for (KestPushButton* b : std::as_const(m_buttons))
        b->refreshFont();
    m_nameEdit->refreshStyle();
    m_battery->refreshStyle();
    for (KestMenu* menu : {m_profileMenu, m_slotMenu, m_languageMenu})
        menu->refreshStyle();
    for (auto& page : m_pages)
        page->applyScale(m_scale);
    loadMouseImages();

    const int index = qBound(0, m_scaleIndex, int(m_backgrounds.size()) - 1);
    // The first layout comes before the start-up copy is in (it is made on a
    // worker); later scales read the source again, which is rare.
    if (m_backgrounds[size_t(index)].isNull() && !m_backgroundPending)
        m_backgrounds[size_t(index)] = QPixmap::fromImage(scaledBackground(m_appDir, size()));
    update();
}

void MainWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    const QScreen* screen = QGuiApplication::screenAt(geometry().center());
    if (!screen) screen = QGuiApplication::primaryScreen();
    const int previous = m_scaleIndex;
    const int index = scaleIndexForRatio((screen ? screen->logicalDotsPerInch() : 96.0) / 96.0);
    if (index != previous) {
        m_scaleIndex = index;
        m_scale = scaleForIndex(index);
        setDisplayScale(m_scale);
        layoutWindow();
    } else if (size() == QSize(int(kWidth * m_scale), int(kHeight * m_scale))) {
        qDebug("singleShot\n");
        const int snapped = scaleIndexForWidth(width());
        if (snapped >= 0 && snapped != m_scaleIndex) {
            m_scaleIndex = snapped;
            m_scale = scaleForIndex(snapped);
            setDisplayScale(m_scale);
            layoutWindow();
        }
    }
    qDebug("width = %d, height = %d m_iDpiVal = %d\n", width(), height(), m_scaleIndex);
}

// ---- tabs, pages and views --------------------------------------------------

void MainWindow::selectTab(int index) {
    if (index == LightingTab && ledDisable()) index = CustomizeTab;
    if (index < 0 || index > MacroTab) return;
    ensurePage(index);
    const int shownTab = m_tab;
    m_tab = index;
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setSelected(i == index);
    for (size_t i = 0; i < m_pages.size(); ++i)
        for (QWidget* w : m_pages[i]->widgets())
            w->setVisible(int(i) == index);
    const bool customise = index == CustomizeTab;
    // LIGHTING shows the front view too, with the lights in their colour.
    const bool pictured = customise || index == LightingTab;
    const QRect view = index == LightingTab ? kLightingMouseViewRect : kMouseViewRect;
    if (m_mouseImage->property("logicalRect").toRect() != view) {
        m_mouseImage->setProperty("logicalRect", view);
        m_mouseImage->setGeometry(scaledRect(view, m_scale));
        m_mouseImageStale = true;
    }
    if (pictured && (m_mouseImageStale || index != shownTab)) loadMouseImages();
    m_mouseImage->setVisible(pictured);
    button(QStringLiteral("btnFront"))->setVisible(customise);
    button(QStringLiteral("btnSide"))->setVisible(customise);
    for (KestPushButton* m : std::as_const(m_frontMarkers))
        m->setVisible(customise && m_frontView && m->property("available").toBool());
    for (KestPushButton* m : std::as_const(m_sideMarkers))
        m->setVisible(customise && !m_frontView);
    for (KestPushButton* m : std::as_const(m_extraMarkers))
        m->setVisible(customise && m_frontView);
}

void MainWindow::applyButtonArt() {
    const bool alt = usesAlternateWheelArt(readCurrentProductName());
    const QString up1 = alt ? "/skin/btn_up4.png" : "/skin/btn_up2.png";
    const QString up2 = alt ? "/skin/btn_up3.png" : "/skin/btn_up1.png";
    const QString down1 = alt ? "/skin/btn_down4.png" : "/skin/btn_down2.png";
    const QString down2 = alt ? "/skin/btn_down3.png" : "/skin/btn_down1.png";
    m_extraMarkers[0]->setStateImages({up1, up2, up2});
    m_extraMarkers[1]->setStateImages({down1, down2, down2});
}

void MainWindow::showMouseView(bool front) {
    m_frontView = front;
    loadMouseImages();
    selectTab(m_tab);
    SelBtnChanged(quint8(m_selectedMarker[front ? 0 : 1]), front ? 0 : 1);
}

void MainWindow::loadMouseImages() {
    if (!m_mouseImage) return;
    // Decoded when a tab shows them, not before; the first page shown waits
    // for the first paint.
    const bool lighting = m_tab == LightingTab;
    m_mouseImageStale = m_tab != CustomizeTab && !(lighting && m_painted);
    if (m_mouseImageStale) return;
    const QString product = readCurrentProductName();
    m_mouseLit = ledDisable() == 0;
    if (m_frontView || lighting)
        setMouseImage(QStringLiteral("/skin/mouse/%1/Mouse.png").arg(product));
    else
        setMouseImage(QStringLiteral("/skin/mouse/%1_Side.png").arg(product));
}

void MainWindow::setMouseImage(const QString& file) {
    m_mouseFile = file;
    const bool front = m_frontView || m_tab == LightingTab;
    const QSize box = front ? QSize(300, 400) : QSize(300, 300);
    const QSize target = scaledSize(box, m_scale).boundedTo(m_mouseImage->size());
    if (!front || !m_mouseLit) {
        m_mouseImage->setPixmap(scaledSkinPixmap(file, target));
        return;
    }
    // The lights in the lighting Apply sends; the mask lies beside the picture.
    const MouseProfile& p = lightingProfile(*m_edited);
    const QColor colour = p.LedMode < kLedModeCount ? p.ledModes[p.LedMode].RGB : QColor();
    m_mouseImage->setPixmap(tintedSkinPixmap(file, QFileInfo(file).path() + "/Mouse_light.png",
                                             target, lightTintFor(p.LedMode, colour)));
}

void MainWindow::refreshMouseTint() {
    // A view still to be loaded takes the lighting of its time.
    if (!m_mouseImageStale && !m_mouseFile.isEmpty() && (m_frontView || m_tab == LightingTab))
        setMouseImage(m_mouseFile);
}

void MainWindow::refreshPages() {
    // Every load into the edited settings ends here: what the pages show is
    // then exactly what Apply sends.
    bringIntoRange(*m_edited);
    const int current = m_edited->currentProfile;
    for (int i = 0; i < m_slotButtons.size(); ++i)
        m_slotButtons[i]->setSelected(i == current);
    for (auto& page : m_pages)
        page->refresh(*m_edited);
    refreshMarkers();
    refreshMouseTint();
}

void MainWindow::collectPages() {
    for (auto& page : m_pages)
        page->collect(*m_edited);
}

void MainWindow::switchSlot(int index, bool reload) {
    if (index < 0 || index >= kProfileCount) return;
    m_slotMenuButton->setLabel(m_slotActions[index]->text());
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
    for (int i = 0; i < m_tabButtons.size(); ++i)
        m_tabButtons[i]->setLabel(tr(kTabTexts[i]));
    for (const ButtonSpec& s : kCommandButtons)
        if (KestPushButton* b = button(QLatin1String(s.name))) b->setLabel(tr(s.text));
    button(QStringLiteral("btnFront"))->setLabel(tr("Front"));
    button(QStringLiteral("btnSide"))->setLabel(tr("Side"));
    button(QStringLiteral("btnExportProfile"))->setToolTip(tr("Save Profile File"));
    button(QStringLiteral("btnImportProfile"))->setToolTip(tr("Load Profile File"));
    button(QStringLiteral("btnApplyName"))->setLabel(QStringLiteral("\u2713"));
    button(QStringLiteral("btnApplyName"))->setToolTip(tr("Press Enter To Apply"));
    for (int i = 0; i < kProfileCount; ++i) {
        m_slotActions[i]->setText(tr("Mode") + QStringLiteral(" %1").arg(i + 1));
        m_slotButtons[i]->setLabel(tr("Profile") + QStringLiteral(" %1").arg(i + 1));
    }
    m_slotMenuButton->setLabel(m_slotActions[m_edited->currentProfile % kProfileCount]->text());
    m_profileButton->setLabel(m_edited->profileNames[m_edited->currentProfile % kProfileCount]);
    m_nameCaption->setText(tr("NAME"));
    m_nameEdit->setToolTip(tr("Press Enter To Apply"));
    const LanguageList languages = readLanguageList();
    const int lang = currentLanguageIndex();
    if (lang >= 0 && lang < kMaxLanguages) m_languageButton->setLabel(languages.names[lang]);
    if (m_trayMenu) {
        m_loadAction->setText(tr("&Load Config"));
        m_autostartAction->setText(tr("&Start with the desktop"));
        m_quitAction->setText(tr("&Quit"));
    }
    for (auto& page : m_pages)
        page->retranslate();
    refreshMarkers();
    updateConnectionDisplay();
    layoutWindow();
}

void MainWindow::onLanguageAction(QAction* action) {
    const int i = m_languageMenu->actions().indexOf(action);
    if (i < 0) return;
    loadLanguage(i);
    setCurrentLanguageIndex(i);
    m_languageButton->setLabel(action->text());
    writeLanguageId(i);
    // The fonts and key names follow the index even without a catalogue.
    retranslate();
}

void MainWindow::loadLanguage(int index) {
    // Qt's catalogue goes too, so its file dialogs speak the same language;
    // one that did not load must not leave the previous language behind.
    if (loadCatalogue(*m_translator, index)) QCoreApplication::installTranslator(m_translator);
    if (loadQtCatalogue(*m_qtTranslator, index,
                        QLibraryInfo::location(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(m_qtTranslator);
    else
        QCoreApplication::removeTranslator(m_qtTranslator);
}

// ---- markers ----------------------------------------------------------------

void MainWindow::SelBtnChanged(quint8 iBtn, quint8 iType) {
    const QList<KestPushButton*>& group = iType == 0   ? m_frontMarkers
                                          : iType == 1 ? m_sideMarkers
                                                       : m_extraMarkers;
    if (iType <= 2) m_selectedMarker[iType] = iBtn;
    for (int i = 0; i < group.size(); ++i)
        group[i]->setSelected(i == iBtn);
}

int MainWindow::markerRecord(const KestPushButton* marker) const {
    const ButtonPanel* w = buttonWindow();
    if (!w) return -1;
    int i = m_frontMarkers.indexOf(const_cast<KestPushButton*>(marker));
    if (i >= 0) return w->recordOfRow(i + 1);
    // The side picture shows the two thumb buttons, rows 4 and 5.
    i = m_sideMarkers.indexOf(const_cast<KestPushButton*>(marker));
    if (i >= 0) return w->recordOfRow(i + 4);
    i = m_extraMarkers.indexOf(const_cast<KestPushButton*>(marker));
    return i >= 0 ? kWheelUpEntry + i : -1;
}

void MainWindow::refreshMarkers() {
    const ButtonPanel* w = buttonWindow();
    if (!w) return;
    for (QList<KestPushButton*>* group : {&m_frontMarkers, &m_sideMarkers, &m_extraMarkers})
        for (KestPushButton* m : *group) {
            const KestPushButton* row = w->buttonForRecord(markerRecord(m));
            m->setToolTip(row ? row->label() : QString());
            if (group == &m_frontMarkers) m->setProperty("available", row != nullptr);
        }
    if (m_tab == CustomizeTab) selectTab(m_tab);
}

void MainWindow::slotMouseOver(KestPushButton* btn, bool bType) {
    // A row of the button window lights the marker it stands for.
    if (const ButtonPanel* w = buttonWindow(); w && btn && w->recordOf(btn) >= 0) {
        const int record = w->recordOf(btn);
        for (QList<KestPushButton*>* group : {&m_frontMarkers, &m_extraMarkers})
            for (KestPushButton* m : *group)
                if (markerRecord(m) == record) btn = m;
        if (m_extraMarkers.contains(btn)) {
            btn->setHoverLook(bType);
            return;
        }
    }
    const int index = m_frontMarkers.indexOf(btn);
    if (index < 0) return;
    btn->setHoverLook(bType);
    if (!m_frontView) return;
    const QString product = readCurrentProductName();
    if (bType)
        setMouseImage(QStringLiteral("/skin/mouse/%1/mouse_%2.png").arg(product).arg(index + 1));
    else
        setMouseImage(QStringLiteral("/skin/mouse/%1/Mouse.png").arg(product));
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
    if (m_otherProfiles.valid()) {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::Wheel:
            joinOtherProfiles();
            break;
        default:
            break;
        }
    }
    if (!m_frontMarkers.isEmpty() && watched == m_frontMarkers.first()) {
        if (event->type() == QEvent::Enter) m_frontMarkers.first()->setHoverLook(true);
        if (event->type() == QEvent::Leave) m_frontMarkers.first()->setHoverLook(false);
    }
    return QWidget::eventFilter(watched, event);
}

// ---- painting and dragging --------------------------------------------------

void MainWindow::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QPixmap& bg = m_backgrounds[size_t(qBound(0, m_scaleIndex, 16))];
    if (!bg.isNull())
        p.drawPixmap(rect(), bg);
    else
        p.fillRect(rect(), QColor(24, 26, 30));
    const QPixmap& frame = m_connectionState <= 1 ? m_bat2 : m_bat1;
    if (!frame.isNull()) p.drawPixmap(scaledRect(69, 581, 86, 47), frame);
    // The mouse is looked for once the window is on screen.
    if (!m_painted) {
        m_painted = true;
        QTimer::singleShot(0, this, [this] {
            if (m_mouseImageStale && m_tab == LightingTab) loadMouseImages();
        });
        QTimer::singleShot(0, this, &MainWindow::startDevices);
    }
}

void MainWindow::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        m_dragging = true;
        m_dragStart = event->globalPos();
        m_frameStart = frameGeometry().topLeft();
    }
    QWidget::mousePressEvent(event);
}

void MainWindow::mouseMoveEvent(QMouseEvent* event) {
    if (m_dragging) {
        const QPoint d = event->globalPos() - m_dragStart;
        if (qAbs(d.x()) + qAbs(d.y()) > 4) move(m_frameStart + d);
    }
    QWidget::mouseMoveEvent(event);
}

void MainWindow::mouseReleaseEvent(QMouseEvent* event) {
    m_dragging = false;
    QWidget::mouseReleaseEvent(event);
}

// ---- buttons ----------------------------------------------------------------

KestPushButton* MainWindow::button(const QString& objectName) const {
    for (KestPushButton* b : m_buttons)
        if (b->objectName() == objectName) return b;
    return nullptr;
}

QString MainWindow::nameEditText() const {
    return m_nameEdit->text();
}

void MainWindow::onButtonPressed(KestPushButton* b) {
    const int tab = m_tabButtons.indexOf(b);
    if (tab >= 0) {
        selectTab(tab);
        return;
    }
    if (b->objectName() == QLatin1String("btnFirmware")) startFirmwareUpdate(false);
}

void MainWindow::onButtonClicked() {
    auto* b = qobject_cast<KestPushButton*>(sender());
    if (!b) return;
    const QString n = b->objectName();
    if (n == QLatin1String("btnClose")) {
        close();
    } else if (n == QLatin1String("btnMin")) {
        showMinimized();
    } else if (n == QLatin1String("btnAdd")) {
        addProfile();
    } else if (n == QLatin1String("btnCopy")) {
        copyProfile();
    } else if (n == QLatin1String("btnDelete")) {
        deleteProfile();
    } else if (n == QLatin1String("btnReset")) {
        resetProfile();
    } else if (n == QLatin1String("btnResetAll")) {
        resetAllProfiles();
    } else if (n == QLatin1String("btnLoadConfig")) {
        importConfig();
    } else if (n == QLatin1String("btnSaveConfig")) {
        exportConfig();
    } else if (n == QLatin1String("btnExportProfile")) {
        exportProfile();
    } else if (n == QLatin1String("btnImportProfile")) {
        importProfile();
    } else if (n == QLatin1String("btnApplyName")) {
        renameProfile(false);
    } else if (n == QLatin1String("btnOk")) {
        // OK means "apply and close": the pages' edits go with it, or a user
        // who pressed OK after editing would see the mouse keep its old values.
        collectPages();
        writeToMouse(false);
        close();
    } else if (n == QLatin1String("btnCancel")) {
        close();
        switchSlot(m_edited->currentProfile, true);
    } else if (n == QLatin1String("btnApply")) {
        collectPages();
        writeToMouse(false);
    } else if (n == QLatin1String("btnFront")) {
        showMouseView(true);
    } else if (n == QLatin1String("btnSide")) {
        showMouseView(false);
    } else if (n.startsWith(QLatin1String("slot"))) {
        // The slot buttons only show which profile is in use.
        refreshPages();
    } else if (n.startsWith(QLatin1String("marker"))) {
        SelBtnChanged(quint8(m_frontMarkers.indexOf(b)), 0);
        if (ButtonPanel* w = buttonWindow()) w->openMenu(markerRecord(b));
    } else if (n.startsWith(QLatin1String("sideMarker"))) {
        SelBtnChanged(quint8(m_sideMarkers.indexOf(b)), 1);
        if (ButtonPanel* w = buttonWindow()) w->openMenu(markerRecord(b));
    } else if (n == QLatin1String("wheelUp") || n == QLatin1String("wheelDown")) {
        SelBtnChanged(quint8(m_extraMarkers.indexOf(b)), 2);
        if (ButtonPanel* w = buttonWindow()) w->openMenu(markerRecord(b));
    }
    showFileNotices();
}

void MainWindow::slotGotoMacro(quint8 iBtn) {
    selectTab(iBtn);
}

void MainWindow::onLightingChanged() {
    refreshMouseTint();
}

void MainWindow::slotPopOneClickBox() {
    showMessage(KestMessageBox::Notice, tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
}

void MainWindow::OnProfileMenuCheck(QWidget*) {}

void MainWindow::slotEnableButtons(bool bEnable) {
    for (KestPushButton* b : std::as_const(m_buttons)) {
        const QString n = b->objectName();
        if (n == QLatin1String("btnClose") || n == QLatin1String("btnMin") ||
            n.startsWith(QLatin1String("marker")) || n.startsWith(QLatin1String("sideMarker")) ||
            n.startsWith(QLatin1String("wheel")) || n == QLatin1String("btnLanguage") ||
            n == QLatin1String("btnFront") || n == QLatin1String("btnSide"))
            continue;
        b->setEnabled(bEnable);
    }
    m_nameEdit->setEnabled(bEnable);
    m_pageButtonsEnabled = bEnable;
    if (ButtonPanel* w = buttonWindow()) w->setEnabled(bEnable);
}

void MainWindow::slotLiftChange(quint8 iLift) {
    m_edited->LiftHigh = iLift;
}

void MainWindow::slotRefreshLightMode(quint8) {}

int MainWindow::showMessage(int kind, const QString& text, const QString& title) {
    KestMessageBox box(this, title.isEmpty() ? tr("Warning") : title, text, kind);
    return box.exec();
}

void MainWindow::showFileNotices(const QString& unsavedFile) {
    // Settings beside the program are named from its folder, the user's own
    // from their home.
    const QDir app(m_appDir);
    const QString home = QDir::homePath() + QLatin1Char('/');
    auto shown = [&](const QString& path) {
        if (path.startsWith(m_appDir + QLatin1Char('/')))
            return QDir::toNativeSeparators(app.relativeFilePath(path));
        if (path.startsWith(home)) return QStringLiteral("~/") + path.mid(home.size());
        return QDir::toNativeSeparators(path);
    };
    QStringList lines;
    for (const FileNotice& n : takeFileNotices()) {
        switch (n.kind) {
        case FileNotice::ProfileReset:
            lines << tr("Profile \"%1\" was damaged and has been reset.")
                         .arg(QFileInfo(n.path).completeBaseName());
            break;
        case FileNotice::NotLocked:
            lines << tr("%1 is locked; changes to it are not saved.").arg(shown(n.path));
            break;
        case FileNotice::Repaired:
            lines << tr("%1 was damaged; the damaged lines were removed.").arg(shown(n.path));
            break;
        case FileNotice::NotSaved:
            lines << tr("%1 could not be saved.").arg(shown(n.path));
            break;
        }
    }
    // The write just asked for is reported each time, not only the first.
    const QString unsaved = tr("%1 could not be saved.").arg(shown(unsavedFile));
    if (!unsavedFile.isEmpty() && !lines.contains(unsaved)) lines << unsaved;
    if (!lines.isEmpty()) showMessage(KestMessageBox::Notice, lines.join(QLatin1Char('\n')));
}

void MainWindow::closeEvent(QCloseEvent* event) {
    // Closing hides the window into the tray; without a tray nothing could
    // bring it back, so closing quits.
    event->ignore();
    if (m_tray && QSystemTrayIcon::isSystemTrayAvailable())
        hide();
    else
        onQuitRequested();
}

void MainWindow::onQuitRequested() {
    QCoreApplication::quit();
}
