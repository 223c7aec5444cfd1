// The window's tray icon and menu, its on-screen notices (the low-battery
// warning among them) and the firmware updater.
#include "mainwindow.h"

#include "appconfig.h"
#include "autostart.h"
#include "kestaction.h"
#include "kestmessagebox.h"
#include "kittheme.h"
#include "mousesession.h"
#include "osdclient.h"
#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMenu>
#include <QProcess>

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
    updateTrayToolTip();
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

void MainWindow::startFirmwareUpdate(bool cableSeen) {
    const MouseConnection& c = m_session->connection();
    if (!(cableSeen ? c.cableRelease != 0 : c.cableMouse)) {
        showMessage(KestMessageBox::Notice,
                    tr("To update the firmware, please connect to the computer with a cable."));
        return;
    }
    if (showMessage(KestMessageBox::Question, tr("Do you want to upgrade the firmware?")) != 1)
        return;
    m_session->pausePolling();
    const QString updater = m_appDir + "/skin/mouse/bin/" + readCurrentProductName() + " Updater";
    if (!QFileInfo(updater).isExecutable() || !QProcess::startDetached(updater, {})) {
        // Ending the program without an updater would leave the user with neither.
        showMessage(KestMessageBox::Notice, tr("The firmware updater could not be started."));
        m_session->resumePolling();
        return;
    }
    ::exit(0);
}

void MainWindow::iconActivated(QSystemTrayIcon::ActivationReason reason) {
    if (reason != QSystemTrayIcon::Trigger && reason != QSystemTrayIcon::DoubleClick) return;
    if (isHidden())
        slotWarning();
    else if (!m_warningBoxOpen)
        hide();
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
