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
#include "traywatch.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

void MainWindow::buildTray() {
    if (m_tray) return;
    if (!m_trayWatch) {
        m_trayWatch = new TrayWatch(this);
        connect(m_trayWatch, &TrayWatch::trayAppeared, this, &MainWindow::buildTray);
    }
    // The toolkit's tray is made only once a tray is there: it looks for one
    // once and keeps the answer.
    if (!m_trayWatch->trayAvailable()) return;
    TrayIcon::Hooks hooks;
    hooks.showWindow = [this] { slotWarning(); };
    hooks.toggleWindow = [this] {
        if (isHidden())
            slotWarning();
        else if (!m_warningBoxOpen)
            hide();
    };
    hooks.showRules = [this] { showRulesPage(); };
    hooks.quit = [this] { onQuitRequested(); };
    m_tray = std::make_unique<TrayIcon>(this, m_autostartArguments, hooks);
    m_tray->setUnsent(unsentMarkShown());
}

bool MainWindow::trayShown() const {
    return m_tray && m_tray->shown();
}

void MainWindow::bringForward() {
    if (m_warningBox) {
        m_warningBox->raise();
        m_warningBox->activateWindow();
        return;
    }
    setWindowState(windowState() & ~Qt::WindowMinimized);
    // A Wayland program may not take the focus for itself, but the
    // compositor gives it to a window mapped anew. Whether the window is
    // active is not asked: the compositor's word that it lost the keyboard
    // may still be on its way.
    if (isVisible() && QGuiApplication::platformName().startsWith(QLatin1String("wayland"))) hide();
    show();
    raise();
    activateWindow();
    // As the tray's entry does: without a mouse, the window says so.
    if (m_devicesStarted && !m_warningBoxOpen) slotWarning();
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
    // A message the desktop would not show goes to the on-screen notice.
    if (trayShown() && (!m_trayWatch->trayOverBus() || m_trayWatch->notificationsAvailable()))
        m_tray->warn(text);
    else
        sendOsdMessage(text);
}
