// The window's side of the mouse: handles and the status thread, device
// arrivals and removals, the battery and connection display, on-mouse
// changes, the tray, on-screen notices and the firmware updater.
#include "mainwindow.h"

#include "customizepage.h"

#include "appconfig.h"
#include "autostart.h"
#include "commands.h"
#include "defaults.h"
#include "deviceaccess.h"
#include "devicelender.h"
#include "devicenotifier.h"
#include "devicetable.h"
#include "dpi.h"
#include "filename.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestprogressbar.h"
#include "kestpushbutton.h"
#include "kittheme.h"
#include "language.h"
#include "linkstate.h"
#include "mousestatus.h"
#include "osdclient.h"
#include "paths.h"
#include "pointerspeed.h"
#include "productdef.h"
#include "profilefile.h"
#include "statuspollthread.h"
#include "tabpage.h"

#include <QCoreApplication>
#include <QDebug>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>
#include <QThread>
#include <QTimer>

namespace {
const DeviceEntry& firstEntry() {
    return deviceTable().entries[0];
}
} // namespace

// ---- handles and the status thread -------------------------------------------

void MainWindow::connectStatusThread(StatusPollThread* thread) {
    connect(thread, &StatusPollThread::RefreshBatteryStatus, this,
            &MainWindow::slotRefreshBatteryStatus);
    connect(thread, &StatusPollThread::RefreshStatus, this, &MainWindow::slotRefreshStatus);
    connect(thread, &StatusPollThread::RefreshWriteStatus, this,
            &MainWindow::slotRefreshWriteStatus);
}

void MainWindow::startStatusThread() {
    m_status->start();
}

void MainWindow::stopStatusThread() {
    m_status->stop();
}

void MainWindow::openCurrentDevice() {
    OpenDeviceByName(readCurrentProductName().toLatin1());
    checkMouseAccess();
}

void MainWindow::checkMouseAccess() {
    m_accessDenied = lastOpenDiagnosis().access == MouseAccess::Denied;
    if (!m_accessDenied) {
        m_accessNoticeShown = false;
        if (m_accessRetry) m_accessRetry->stop();
        return;
    }
    if (!m_accessRetry) {
        m_accessRetry = new QTimer(this);
        m_accessRetry->setInterval(DeviceNotifier::kDefaultFallbackMs);
        connect(m_accessRetry, &QTimer::timeout, this, &MainWindow::retryDeniedOpen);
    }
    if (!m_accessRetry->isActive()) m_accessRetry->start();
    if (m_accessNoticeShown) return;
    m_accessNoticeShown = true;
    // Posted: opens happen inside device-change handling, which a modal box
    // must not interrupt.
    QTimer::singleShot(0, this, &MainWindow::showAccessNotice);
}

void MainWindow::showAccessNotice() {
    const AccessDiagnosis d = lastOpenDiagnosis();
    if (d.access != MouseAccess::Denied) return; // granted meanwhile
    show();
    const QString text = accessDeniedText(d.deniedPaths, currentUserName());
    KestMessageBox box(this, tr("Access denied"), text, KestMessageBox::Notice);
    box.setTextSelectable(true); // the command is there to be copied
    box.exec();
}

void MainWindow::retryDeniedOpen() {
    if (!m_accessDenied || m_connectedMice == 0) {
        m_accessRetry->stop();
        return;
    }
    // Nothing is open while access is denied, so there is nothing to close.
    openCurrentDevice();
    if (m_accessDenied) return;
    startStatusThread();
    updateConnectionDisplay();
}

void MainWindow::rebuildMouseList() {
    m_mouseNames.clear();
    auto* menu = new KestMenu(this, 150);
    const DeviceTable& table = deviceTable();
    for (uint32_t i = 0; i < table.count && i < uint32_t(kDeviceTableCapacity); ++i) {
        const DeviceEntry& e = table.entries[i];
        if (!e.receiverConnected() && !e.cableConnected()) continue;
        const QString name = QString::fromLatin1(e.mouseName);
        m_mouseNames << name;
        menu->addAction(new KestAction(name, menu));
    }
    m_connectedMice = m_mouseNames.size();
    // A mouse plugged in again deserves the access notice again.
    if (m_connectedMice == 0) m_accessNoticeShown = false;
    if (m_mouseNames.size() < 2) {
        m_mouseButton->hide();
        delete menu;
        // With no mouse the last product stays current: profile commands keep
        // working in its folder and its picture stays for the replug. A kept
        // name becomes part of paths, so one that could lead out of the
        // program's folders is dropped.
        if (m_mouseNames.size() == 1) {
            qDebug() << "RefreshMouseList " << m_mouseNames.first();
            writeCurrentProductName(m_mouseNames.first());
        } else if (!isValidFileName(readCurrentProductName())) {
            writeCurrentProductName(QString());
        }
        return;
    }
    m_mouseButton->show();
    QString current = readCurrentProductName();
    if (!m_mouseNames.contains(current)) current = m_mouseNames.first();
    writeCurrentProductName(current);
    m_mouseButton->setLabel(current);
    connect(menu, &QMenu::triggered, this, &MainWindow::slot_show_mousename);
    delete m_mouseMenu;
    m_mouseMenu = menu;
    m_mouseButton->setMenu(menu);
}

void MainWindow::slot_show_mousename(QAction* action) {
    stopStatusThread();
    QThread::msleep(50);
    CloseDevices();
    QThread::msleep(50);
    m_frontView = true;
    for (int& s : m_selectedMarker)
        s = 0;
    m_mouseButton->setLabel(action->text());
    writeCurrentProductName(action->text());
    OpenDeviceByName(action->text().toLatin1());
    checkMouseAccess();
    QThread::msleep(50);
    reloadForMouse();
    startStatusThread();
}

void MainWindow::lendDevice() {
    stopStatusThread();
    CloseDevices();
    m_lender->confirmLent();
}

void MainWindow::takeDeviceBack() {
    openCurrentDevice();
    // What the tool wrote is in the files now, an imported profile perhaps in
    // the list too; the window shows it and keeps it when it next saves.
    rereadSettings();
    refreshPages();
    if (m_connectedMice > 0 && !m_accessDenied) startStatusThread();
    updateConnectionDisplay();
}

void MainWindow::rereadSettings() {
    loadSettings(*m_sent);
    *m_edited = *m_sent;
    m_slotMenuButton->setLabel(m_slotActions[m_edited->currentProfile]->text());
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);
    m_profileList = readProfileList();
    rebuildProfileMenu();
}

void MainWindow::reloadForMouse() {
    // Another mouse, or the same one back after a while: its battery is told
    // afresh.
    m_lowBattery = LowBatteryState();
    loadMouseImages();
    rereadSettings();
    writeDefaultProfileFile();
    selectTab(LightingTab);
    applyButtonArt();
    if (m_pages[CustomizeTab]->built())
        static_cast<CustomizePage*>(m_pages[CustomizeTab]->page())->relayout();
    refreshPages();
    layoutWindow();
}

// ---- device arrivals and removals ---------------------------------------------

void MainWindow::onDeviceInterface(const QString& name, bool arrived) {
    qDebug() << (arrived ? "DBT_DEVICEARRIVAL" : "DBT_DEVICEREMOVECOMPLETE") << name;
    const int before = m_connectedMice;
    const DeviceChange change =
        applyDeviceChange(deviceTable(), name, arrived, readCurrentProductName().toLatin1());
    for (const EntryReaction& r : change.entries) {
        bool reopened = false;
        if (arrived && r.connectionCompleted) {
            rebuildMouseList();
            // The warning goes the moment the mouse is back; nothing polls for it.
            if (m_warningBox && m_connectedMice > 0) m_warningBox->recheckConnection();
            if (before == 0) {
                QTimer::singleShot(200, this, &MainWindow::slotWarnClose);
                reopened = true; // the reinitialisation opens the device
            }
        }
        if (!arrived && r.entryCleared) {
            rebuildMouseList();
            if (m_connectedMice == 0) {
                stopStatusThread();
                CloseDevices();
                m_warningBoxOpen = true;
                QTimer::singleShot(200, this, &MainWindow::slotWarning);
                reopened = true;
            } else if (r.currentMouse) {
                stopStatusThread();
                CloseDevices();
                openCurrentDevice();
                startStatusThread();
                for (int& s : m_selectedMarker)
                    s = 0;
                m_frontView = true;
                reloadForMouse();
                reopened = true;
            }
        }
        if (!reopened && r.currentMouse && r.reopen) {
            stopStatusThread();
            CloseDevices();
            QThread::msleep(500);
            openCurrentDevice();
            startStatusThread();
        }
    }
    if (change.collectionAppeared) writeDiff(1);
    updateConnectionDisplay();
    stopStatusThread();
    startStatusThread();
}

void MainWindow::slotWarnClose() {
    openCurrentDevice();
    startStatusThread();
    reloadForMouse();
}

void MainWindow::slotWarning() {
    show();
    if (m_connectedMice > 0) {
        activateWindow();
        return;
    }
    m_warningBoxOpen = true;
    KestMessageBox box(this, tr("Warning"), tr("Dongle Disconnect!"), KestMessageBox::Disconnect);
    box.setConnectionProbe([this] { return m_connectedMice > 0; });
    m_warningBox = &box;
    box.exec();
    m_warningBox = nullptr;
    if (m_connectedMice == 0) {
        // Without a tray a hidden window could not be reached again.
        if (m_tray && QSystemTrayIcon::isSystemTrayAvailable())
            hide();
        else
            showMinimized();
    }
    m_warningBoxOpen = false;
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick) return;
    if (isHidden())
        slotWarning();
    else if (!m_warningBoxOpen)
        hide();
}

// ---- battery and connection display ------------------------------------------

QString MainWindow::batteryText() const {
    if (!m_battery->isTextVisible()) return QString();
    return m_battery->text();
}

bool MainWindow::chargingIconVisible() const {
    return m_chargeIcon->isVisible();
}

void MainWindow::slotRefreshBatteryStatus(quint8 iCharge, quint8 iLowByte, quint8 iHiByte) {
    if (iCharge == 0 && iLowByte == 0 && iHiByte == 0) {
        setMouseOffFlag(true);
        m_batteryKnown = true;
        m_battery->setOffLook(true);
        m_battery->setCaption(tr("MOUSE OFF"));
        m_battery->setTextVisible(true);
        m_chargeIcon->hide();
        return;
    }
    setMouseOffFlag(false);
    m_batteryKnown = true;
    const bool wired = firstEntry().cableCommandFound != 0;
    m_battery->setOffLook(false);
    m_battery->setCaption(wired ? QString() : QStringLiteral("%p%"));
    m_battery->setTextVisible(!wired);
    m_charging = iCharge != 0;
    const int level = batteryLevel(iHiByte * 256 + iLowByte, m_batteryFull);
    if (level != m_batteryLevel) {
        m_batteryLevel = level;
        writeBattery(level);
    }
    m_battery->setValue(wired ? 100 : level);
    updateConnectionDisplay();
    // On the cable the mouse runs on it and charges.
    warnLowBattery(
        nextLowBatteryWarning(m_lowBattery, m_batteryThresholds, level, m_charging || wired),
        level);
}

void MainWindow::warnLowBattery(LowBatteryWarning warning, int level) {
    if (warning == LowBatteryWarning::None) return;
    const QString text = warning == LowBatteryWarning::Critical
                             ? tr("Mouse battery very low: %1%, charge it now").arg(level)
                             : tr("Mouse battery low: %1%").arg(level);
    if (m_tray && QSystemTrayIcon::isSystemTrayAvailable())
        m_tray->showMessage(readCurrentProductName(), text, QSystemTrayIcon::Warning);
    else
        sendOsdMessage(text);
}

void MainWindow::updateConnectionDisplay() {
    const DeviceEntry& e = firstEntry();
    m_connectionState =
        connectionState(e.cableCommandFound != 0, e.receiverCommandFound != 0, m_charging);
    // Nothing is shown before the mouse was looked for, and no level before
    // one was reported.
    m_battery->setVisible(m_connectionState >= 2 && m_batteryKnown);
    m_dongleIcon->setVisible(m_devicesStarted &&
                             (m_connectionState == 1 || m_connectionState == 2));
    m_chargeIcon->hide();
    update();
}

// ---- on-mouse changes ---------------------------------------------------------

void MainWindow::slotRefreshStatus(quint8 iProfile, quint8 iDPI, quint8 iRate, quint8) {
    // The pages hold the user's unsaved edits; take them in first so only
    // what the mouse changed is replaced when the pages are shown again.
    collectPages();
    if (iProfile < kProfileCount && iProfile != m_edited->currentProfile)
        slotRefreshProfile(iProfile);
    if (iDPI < kDpiStageCount && iDPI != m_edited->current().dpi) slotRefreshDPIStage(iDPI);
    if (iRate != m_edited->current().pollrate) slotRefreshRate(iRate);
}

void MainWindow::slotRefreshProfile(quint8 iProfile) {
    switchSlot(iProfile, false);
    rebuildProfileMenu();
    applyPointerSpeed(m_edited->current().mousespeed);
}

void MainWindow::slotRefreshDPIStage(quint8 iDPI) {
    if (iDPI >= kDpiStageCount) return;
    collectPages();
    MouseProfile& p = m_edited->current();
    p.dpi = iDPI;
    m_pages[DpiTab]->refresh(*m_edited);
    saveProfileDpi(m_edited->profileNames[m_edited->currentProfile], iDPI);
    const int dpi = dpiFromStep(p.stages[iDPI].y, readSensorModel());
    sendOsdMessage(tr("DPI") + QStringLiteral(" %1:%2").arg(iDPI + 1).arg(dpi));
}

void MainWindow::slotRefreshRate(quint8 iRate) {
    collectPages();
    m_edited->current().pollrate = iRate;
    m_pages[DpiTab]->refresh(*m_edited);
    const char* text = reportRateText(iRate);
    sendOsdMessage(*text ? tr(text) : QString());
}

void MainWindow::slotRefreshWriteStatus(quint8 iStatus) {
    if (iStatus == 0) writeDiff(1);
}

// ---- tray, notices, firmware -----------------------------------------------------

void MainWindow::buildTray() {
    if (m_tray) return;
    m_trayMenu = new QMenu(this);
    m_loadAction = new KestAction(tr("&Load Config"), m_trayMenu);
    m_autostartAction = new KestAction(tr("&Start with the desktop"), m_trayMenu);
    m_autostartAction->setCheckable(true);
    m_autostartAction->setChecked(autostartEnabled());
    m_quitAction = new KestAction(tr("&Quit"), m_trayMenu);
    m_trayMenu->addAction(m_loadAction);
    m_trayMenu->addAction(m_autostartAction);
    m_trayMenu->addSeparator();
    m_trayMenu->addAction(m_quitAction);
    connect(m_loadAction, &QAction::triggered, this, &MainWindow::slotWarning);
    connect(m_autostartAction, &QAction::toggled, this, &MainWindow::setStartWithDesktop);
    connect(m_quitAction, &QAction::triggered, this, &MainWindow::onQuitRequested);
    // The menu opens on the entry as it is now: the user may have removed it
    // in the desktop's own settings meanwhile.
    connect(m_trayMenu, &QMenu::aboutToShow, this, [this] {
        const QSignalBlocker block(m_autostartAction);
        m_autostartAction->setChecked(autostartEnabled());
    });
    m_tray = new QSystemTrayIcon(QIcon(skinPixmap(QStringLiteral("/skin/icon.png"))), this);
    m_tray->setContextMenu(m_trayMenu);
    m_tray->setToolTip(readCurrentProductName());
    connect(m_tray, &QSystemTrayIcon::activated, this, &MainWindow::iconActivated);
    m_tray->show();
}

void MainWindow::setStartWithDesktop(bool on) {
    if (setAutostart(on, QCoreApplication::applicationFilePath(), m_autostartArguments)) return;
    const QSignalBlocker block(m_autostartAction);
    m_autostartAction->setChecked(autostartEnabled());
    showMessage(KestMessageBox::Notice,
                tr("%1 could not be saved.").arg(QDir::toNativeSeparators(autostartEntryPath())));
}

void MainWindow::sendOsdMessage(const QString& text) {
    if (!m_osd) m_osd = new OsdNotifier(companionDir(), osdServerName(), this);
    m_osd->post(text, themeColor());
}

bool MainWindow::noticePending() const {
    return m_osd && m_osd->busy();
}

void MainWindow::watchDevices() {
    m_notifier = new DeviceNotifier(
        [] {
            std::vector<HidCollectionInfo> out;
            for (const HidDeviceRecord& r : hidPort().enumerate(0, 0))
                out.push_back({r.path, r.vendorId, r.productId, r.usagePage, r.usage});
            return out;
        },
        this);
    connect(m_notifier, &DeviceNotifier::interfaceArrived, this,
            [this](const QString& name) { onDeviceInterface(name, true); });
    connect(m_notifier, &DeviceNotifier::interfaceRemoved, this,
            [this](const QString& name) { onDeviceInterface(name, false); });
    m_notifier->start();
}

void MainWindow::startFirmwareUpdate(bool cableSeen) {
    const bool cable = cableSeen ? cableReleaseNumber() != 0 : firstEntry().cableMouseFound != 0;
    if (!cable) {
        showMessage(KestMessageBox::Notice,
                    tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (showMessage(KestMessageBox::Question, tr("Do you want to upgrade the firmware?")) != 1)
        return;
    stopStatusThread();
    const QString updater = m_appDir + "/skin/mouse/bin/" + readCurrentProductName() + " Updater";
    if (!QFileInfo(updater).isExecutable() || !QProcess::startDetached(updater, {})) {
        // Ending the program without an updater would leave the user with neither.
        showMessage(KestMessageBox::Notice, tr("The firmware updater could not be started."));
        startStatusThread();
        return;
    }
    ::exit(0);
}
