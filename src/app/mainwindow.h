// The program's one window: tabs with their pages, the mouse views, the
// profile controls, the connection and battery display, and the tray icon.
#pragma once

#include "connectiondisplay.h"
#include "kestmessagebox.h"
#include "lowbattery.h"
#include "profilecontroller.h"
#include "records.h"

#include <QPoint>
#include <QPointer>
#include <QStringList>
#include <QVector>

#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class AppFollower;
class MouseBus;
class DesktopPointerSpeed;
class AccessRuleInstall;
class MouseSession;
struct BatteryState;
struct MouseConnection;
class KestLabel;
class KestLineEdit;

class KestPushButton;
class OsdNotifier;
class QMenu;
class QTranslator;
class TrayIcon;
class TrayWatch;
class UnsentMark;
class LanguageSwitch;
class MouseChooser;
class MouseView;
class ProfileSlots;
class StartupSettings;
class StatusNote;
class TabPages;
class ProfilePanel;
class WindowChrome;
class QScreen;
class QTimer;

class MainWindow : public QWidget {
    Q_OBJECT
public:
    enum Tab { LightingTab = 0, CustomizeTab = 1, DpiTab = 2, MacroTab = 3 };

    // Builds what the first paint needs; the mouse is looked for afterwards.
    explicit MainWindow(QWidget* parent = nullptr);
    ~MainWindow() override;

    // The device side of start-up: enumeration, the mouse list, opening the
    // current mouse and its status thread, the tray, and the connection
    // warning when no mouse is there. Runs once, right after the window's
    // first paint (or at once when called; later calls do nothing).
    void startDevices();
    bool devicesStarted() const { return m_devicesStarted; }
    // Set before the window starts its devices: start in the tray (hidden,
    // no connection warning), as the desktop's autostart does.
    void setStartMinimized(bool on) { m_startMinimized = on; }
    // Another start of the program asked for the window: shown, no longer
    // minimised, raised and activated where the desktop lets a program do that.
    void bringForward();
    // What the autostart entry passes after the program's path.
    void setAutostartArguments(const QStringList& args) { m_autostartArguments = args; }

    // State the tests and the start-up code look at.
    int connectedMice() const { return m_connectedMice; }
    int connectionDisplayState() const { return m_display->state(); }
    // The mouse as the window has it, nullptr before the devices started.
    MouseSession* session() const { return m_session; }
    // The rules the profile follows the application in front by.
    AppFollower* follower() const { return m_follower; }
    int batteryLevelShown() const { return m_display->level(); }
    QString batteryText() const { return m_display->text(); }
    bool chargingIconVisible() const { return m_display->chargingIconVisible(); }
    double scale() const;
    int scaleIndex() const;
    // Lays the window out at a step of the scale ladder (as on a screen of
    // that scale) until the screen's own scale changes.
    void useScaleIndex(int index);
    int currentTab() const { return m_tab; }
    const DeviceSettings& editedSettings() const { return *m_edited; }
    DeviceSettings& editedSettings() { return *m_edited; }
    const DeviceSettings& sentSettings() const { return *m_sent; }
    QStringList profileList() const { return m_profileList; }
    QString nameEditText() const;
    bool warningBoxOpen() const { return m_warningBoxOpen; }
    // The "Dongle Disconnect!" box while it is open.
    KestMessageBox* warningBox() const { return m_warningBox; }
    // The page behind a tab exists (pages are built when first shown).
    bool pageBuilt(int tab) const;
    // An on-screen notice is still on its way to the companion.
    bool noticePending() const;
    // The window's skinned button with this object name (for tests and tools).
    KestPushButton* button(const QString& objectName) const;

    // Writes the edited settings to the mouse behind the progress dialog;
    // returns the worker's result (and shows the failure notice itself).
    int writeToMouse(bool force);
    // The "not yet on the mouse" mark is shown (on Apply and in the tray).
    bool unsentMarkShown() const;
    // What the window's status line says a command just did, empty when quiet.
    QString statusNote() const;

    void selectTab(int index);
    void refreshPages();
    void collectPages();
    void retranslate();
    void switchSlot(int index, bool reload);

public slots:
    void slotPopOneClickBox();
    void slotEnableButtons(bool bEnable);
    void slotLiftChange(quint8 iLift);
    void slotRefreshProfile(quint8 iProfile);
    void slotRefreshDPIStage(quint8 iDPI);
    void slotRefreshRate(quint8 iRate);
    void slotWarning();
    void onBatteryChanged(const BatteryState& battery);
    // The mouse's own buttons changed these (-1: not told).
    void onMouseChanged(int profile, int dpiStage, int rate);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private slots:
    void onSlotAction(int index);
    void onQuitRequested();
    // The command-line tool wrote while it had the mouse: the files are reread.
    void takeInToolWrite();
    // Whether the edited settings may not be on the mouse, and where that shows.
    bool settingsUnsentNow();
    void showUnsentMark(bool on);
    // Asks before unapplied changes would be left behind: true when the window
    // may go (applied or discarded), false to stay.
    bool confirmLeaving();

private:
    // Construction pieces, in the order the constructor runs them.
    void buildControls();
    void buildPages();
    // Builds the page behind `tab` if it is not built yet.
    void ensurePage(int tab);
    void setupTabOrder();
    // The tray icon once the desktop has a tray, now or when one appears.
    void buildTray();
    // The tray shows the program: the window may hide into it.
    bool trayShown() const;
    void layoutWindow();

    // The window's own buttons, one table: what each is called, says, where
    // it sits and what a click (or already the press) does.
    struct CommandButton;
    static const QVector<CommandButton>& commandButtons();

    // Device side.
    void connectSession();
    void onConnectionChanged(const MouseConnection& connection);
    // `outcome` goes before the notice's text: why a rule install did not help.
    void showAccessNotice(const QString& text, const QString& outcome = QString());
    void onAccessRuleInstalled(int outcome, const QString& detail);
    void updateConnectionDisplay();
    void reloadForMouse();
    // The settings and the profile list as the files hold them, edits dropped.
    void rereadSettings();
    // The slot, name and profile list as the edited settings have them.
    void showProfileChoice();
    void sendOsdMessage(const QString& text);
    // Says in the window (and on screen while it is in the tray) how a write ended.
    void reportWrite(int result);
    // Profiles that follow the application in front.
    void startFollowing();
    void updateFollowHold();
    void followSwitch(int profile);
    void followSwitchDone(int profile, int result);
    void showRulesPage();
    // The D-Bus interface: its requests and the state it shows.
    void startBus();
    void updateBusState();
    QString busSelectProfile(int profile, QString* errorName);
    // Sends the mouse's settings with `change` alone, as the tool would; the
    // window's unapplied edits stay as they are.
    QString busWrite(const std::function<void(DeviceSettings&)>& change, QString* errorName);
    // The mouse reports or confirms `profile` as its active one.
    void profileOnMouse(int profile);
    void warnLowBattery(LowBatteryWarning warning, int level);
    void startFirmwareUpdate(bool cableSeen);

    // What the command buttons do.
    // A tab already shown stays as it is: a click that also checked it ran once.
    template <int Tab> void showTab() {
        if (m_tab != Tab) selectTab(Tab);
    }
    template <int Slot> void chooseSlot() { onSlotAction(Slot); }
    void closeWindow();
    void applyAndClose();
    void cancelEdits();
    void apply();
    void updateFirmware();

    int showMessage(int kind, const QString& text, const QString& title = QString());
    // One notice for what the settings store met since the last one (damaged,
    // repaired or locked files) and, when given, the file a save could not write.
    void showFileNotices(const QString& unsavedFile = QString());

    QString m_appDir;
    WindowChrome* m_chrome = nullptr;
    std::unique_ptr<ConnectionDisplay> m_display;
    StartupSettings* m_startup = nullptr;
    std::unique_ptr<DeviceSettings> m_edited;
    std::unique_ptr<DeviceSettings> m_sent;
    MouseSession* m_session = nullptr;
    UnsentMark* m_unsent = nullptr;
    bool m_writing = false;         // the session's thread has the settings copies
    bool m_followSwitching = false; // a switch for the application in front runs
    AppFollower* m_follower = nullptr;
    MouseBus* m_bus = nullptr;
    bool m_leaveConfirmed = false; // Cancel closes without asking
    OsdNotifier* m_osd = nullptr;
    StatusNote* m_status = nullptr;
    AccessRuleInstall* m_ruleInstall = nullptr;
    int m_writes = 0; // writes begun, so closing can tell one ran on its way

    int m_tab = LightingTab;
    int m_connectedMice = 0;
    LowBatteryThresholds m_batteryThresholds{20, 10};
    LowBatteryState m_lowBattery;
    bool m_warningBoxOpen = false;
    bool m_connectionKnown = false; // the session told what is connected
    QPointer<KestMessageBox> m_warningBox;
    bool m_devicesStarted = false;
    bool m_painted = false;
    QStringList m_profileList;

    std::unique_ptr<ProfileController> m_profiles;
    std::unique_ptr<ProfilePanel> m_profilePanel;

    // Controls.
    QList<KestPushButton*> m_tabButtons;
    MouseView* m_mouseView = nullptr;
    std::unique_ptr<ProfileSlots> m_slots;
    std::unique_ptr<MouseChooser> m_mice;
    KestLineEdit* m_nameEdit = nullptr;
    KestLabel* m_versionLabel = nullptr;
    KestLabel* m_titleLabel = nullptr;
    LanguageSwitch* m_language = nullptr;
    std::unique_ptr<TrayIcon> m_tray;
    TrayWatch* m_trayWatch = nullptr;
    bool m_startMinimized = false;
    QStringList m_autostartArguments{QStringLiteral("--minimized")};

    std::unique_ptr<TabPages> m_pages;
    // The desktop's pointer speed; the user's own value goes back with it.
    std::unique_ptr<DesktopPointerSpeed> m_pointer;
};
