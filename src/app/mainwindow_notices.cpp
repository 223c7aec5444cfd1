// The window's tray icon, its on-screen notices (the low-battery warning
// among them) and the firmware updater.
#include "mainwindow.h"

#include "appconfig.h"
#include "kestmessagebox.h"
#include "kittheme.h"
#include "mousesession.h"
#include "osdclient.h"
#include "paths.h"
#include "trayicon.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>

void MainWindow::buildTray() {
    if (m_tray) return;
    TrayIcon::Hooks hooks;
    hooks.showWindow = [this] { slotWarning(); };
    hooks.toggleWindow = [this] {
        if (isHidden())
            slotWarning();
        else if (!m_warningBoxOpen)
            hide();
    };
    hooks.quit = [this] { onQuitRequested(); };
    m_tray = std::make_unique<TrayIcon>(this, m_autostartArguments, hooks);
    m_tray->setUnsent(unsentMarkShown());
}

bool MainWindow::trayShown() const {
    return m_tray && m_tray->shown();
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

void MainWindow::warnLowBattery(LowBatteryWarning warning, int level) {
    if (warning == LowBatteryWarning::None) return;
    const QString text = warning == LowBatteryWarning::Critical
                             ? tr("Mouse battery very low: %1%, charge it now").arg(level)
                             : tr("Mouse battery low: %1%").arg(level);
    if (trayShown())
        m_tray->warn(text);
    else
        sendOsdMessage(text);
}
