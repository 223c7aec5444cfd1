// The on-mouse profile that follows the application in front: when a switch
// may go, what it shows, and the rules page; and the D-Bus interface, which
// asks the window for what the mouse is to do.
#include "mainwindow.h"

#include "appfollower.h"
#include "apprulesdialog.h"
#include "batteryreading.h"
#include "mousebus.h"
#include "mousesession.h"
#include "productdef.h"
#include "protocol.h"
#include "settingsmerge.h"
#include "settingsrange.h"
#include "settingswrite.h"
#include "unsentmark.h"

void MainWindow::startFollowing() {
    m_follower = new AppFollower(this);
    m_follower->setMouseProfile(m_sent->currentProfile);
    connect(m_follower, &AppFollower::switchRequested, this, &MainWindow::followSwitch);
    // Whatever may make a switch wait is looked at again when it changes.
    connect(m_unsent, &UnsentMark::changed, this, &MainWindow::updateFollowHold);
    connect(m_session, &MouseSession::connectionChanged, this, &MainWindow::updateFollowHold);
    connect(m_session, &MouseSession::batteryChanged, this, &MainWindow::updateFollowHold);
    connect(m_session, &MouseSession::lentChanged, this, &MainWindow::updateFollowHold);
    updateFollowHold();
    // The bus name first: the desktop's script tells the window in front as
    // soon as it is loaded.
    startBus();
    // A damaged rules file is told with the other files' notices, shortly
    // after start.
    m_follower->start();
}

void MainWindow::updateFollowHold() {
    if (!m_follower) return;
    // A switch waits for the user's unapplied edits, a write, the tool, and a
    // mouse that can answer; the latest focus counts once nothing holds it.
    const bool held = m_writing || m_followSwitching || unsentMarkShown() || m_session->lentOut() ||
                      !m_session->connection().open || m_session->battery().off;
    m_follower->setHeld(held);
}

void MainWindow::followSwitch(int profile) {
    // The command goes first: the window's pages take longer to redraw than
    // the mouse takes to switch.
    m_followSwitching = true;
    m_session->selectProfile(profile);
    // Shown as a switch the mouse made itself, with a notice since the user
    // did not ask for it here.
    slotRefreshProfile(quint8(profile));
    sendOsdMessage(tr("Profile") + QStringLiteral(" %1").arg(profile + 1));
}

void MainWindow::followSwitchDone(int profile, int result) {
    m_followSwitching = false;
    if (result == 0) profileOnMouse(profile);
    m_follower->switchFinished(result == 0);
    updateFollowHold();
}

void MainWindow::profileOnMouse(int profile) {
    // The mouse has made it the active one: nothing is left to send for it.
    m_sent->currentProfile = uint8_t(profile);
    if (m_follower) m_follower->setMouseProfile(profile);
    if (m_unsent) m_unsent->recheck();
    updateBusState();
}

void MainWindow::showRulesPage() {
    if (!m_follower) return;
    show();
    raise();
    AppRulesDialog dialog(m_follower, this, scale());
    dialog.exec();
}

void MainWindow::startBus() {
    MouseBus::Hooks hooks;
    hooks.selectProfile = [this](int profile, QString* error) {
        return busSelectProfile(profile, error);
    };
    hooks.selectDpiStage = [this](int stage, QString* error) {
        return busWrite([stage](DeviceSettings& s) { s.current().dpi = uint8_t(stage); }, error);
    };
    hooks.setReportRate = [this](int hz, QString* error) {
        for (const uint8_t code : kReportRateCodes)
            if (reportRateHz(code) == hz)
                return busWrite([code](DeviceSettings& s) { s.current().pollrate = code; }, error);
        *error = QStringLiteral("InvalidArgument");
        return QStringLiteral("the report rate must be 125, 250, 500 or 1000 Hz, not %1").arg(hz);
    };
    hooks.dpiStageCount = [] { return dpiStageCount(); };
    m_bus = new MouseBus(m_session, m_follower, hooks, this);
    // Without a session bus (or with another window on it) the window works
    // on without its interface.
    m_bus->publish();
    updateBusState();
}

void MainWindow::updateBusState() {
    if (!m_bus) return;
    const MouseProfile& p = m_sent->current();
    m_bus->setMouseState(m_sent->currentProfile, p.dpi, reportRateHz(p.pollrate));
}

QString MainWindow::busSelectProfile(int profile, QString* errorName) {
    // A switch still on its way is no reason to refuse: the session's jobs
    // run in order.
    if (m_writing || m_session->lentOut()) {
        *errorName = QStringLiteral("Busy");
        return QStringLiteral("the mouse is being written to");
    }
    // As the profile menu does it.
    onSlotAction(profile);
    return QString();
}

QString MainWindow::busWrite(const std::function<void(DeviceSettings&)>& change,
                             QString* errorName) {
    if (m_writing || m_session->lentOut()) {
        *errorName = QStringLiteral("Busy");
        return QStringLiteral("the mouse is being written to");
    }
    collectPages();
    auto sent = std::make_unique<DeviceSettings>(*m_sent);
    // The profile the window shows: a selection still on its way to the
    // mouse goes first on the session's thread, and the value joins it.
    sent->currentProfile = m_edited->currentProfile;
    auto edited = std::make_unique<DeviceSettings>(*sent);
    change(*edited);
    SettingsWriteOptions options;
    options.onFailure = SettingsWriteOptions::OnFailure::RestoreSent;
    m_writing = true;
    updateFollowHold();
    const SettingsWriteResult r = m_session->writeAndWait(*edited, *sent, options);
    m_writing = false;
    if (r.result != kResultOk) {
        updateFollowHold();
        *errorName =
            r.result == kResultMouseOff ? QStringLiteral("NoMouse") : QStringLiteral("Busy");
        return r.result == kResultMouseOff
                   ? QStringLiteral("the mouse is asleep or not connected")
                   : QStringLiteral("writing to the mouse failed (result %1)").arg(r.result);
    }
    // What was written joins the window as a write of the tool's would.
    mergeSavedChanges(*m_sent, *sent, *m_edited);
    *m_sent = *sent;
    refreshPages();
    if (m_unsent) m_unsent->recheck();
    updateFollowHold();
    updateBusState();
    return QString();
}
