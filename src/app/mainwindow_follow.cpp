// The on-mouse profile that follows the application in front: when a switch
// may go, what it shows, and the rules page.
#include "mainwindow.h"

#include "appfollower.h"
#include "apprulesdialog.h"
#include "kestpushbutton.h"
#include "mousesession.h"
#include "profilepanel.h"
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
    m_follower->start();
    // A damaged rules file is told with the other files' notices.
    showFileNotices();
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
    // Shown as a switch the mouse made itself, with a notice since the user
    // did not ask for it here.
    slotRefreshProfile(quint8(profile));
    sendOsdMessage(tr("Profile") + QStringLiteral(" %1").arg(profile + 1));
    m_followSwitching = true;
    m_session->selectProfile(profile);
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
}

void MainWindow::showRulesPage() {
    if (!m_follower) return;
    show();
    raise();
    AppRulesDialog dialog(m_follower, this, scale());
    dialog.exec();
}
