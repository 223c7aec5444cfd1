// The window's side of the mouse: its notices and warnings, the reload for
// another mouse, on-mouse changes. The mouse itself is the session's.
#include "mainwindow.h"

#include "mouseview.h"

#include "accessrule.h"
#include "appconfig.h"
#include "defaults.h"
#include "dpi.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "mousechooser.h"
#include "mousesession.h"
#include "mousestatus.h"
#include "paths.h"
#include "pointerspeed.h"
#include "profilefile.h"
#include "profilepanel.h"
#include "profileslots.h"
#include "statusnote.h"
#include "tabpages.h"
#include "unsentmark.h"

#include <QTimer>

// ---- the session's reports -----------------------------------------------------

void MainWindow::connectSession() {
    connect(m_session, &MouseSession::connectionChanged, this, &MainWindow::onConnectionChanged);
    connect(m_session, &MouseSession::batteryChanged, this, &MainWindow::onBatteryChanged);
    connect(m_session, &MouseSession::mouseChanged, this, &MainWindow::onMouseChanged);
    connect(m_session, &MouseSession::mouseReplaced, this, [this] {
        m_mouseView->resetView();
        reloadForMouse();
    });
    connect(m_session, &MouseSession::accessChanged, this,
            [this](bool denied, const QString& text) {
                // Posted: a modal box must not run inside the session's report.
                if (denied) QTimer::singleShot(0, this, [this, text] { showAccessNotice(text); });
            });
    connect(m_session, &MouseSession::lentMouseReturned, this, &MainWindow::takeInToolWrite);
    connect(m_session, &MouseSession::profileSelected, this, [this](int profile, int result) {
        // One switch at a time: the one for the application in front is
        // tried again later rather than reported.
        if (m_followSwitching) return followSwitchDone(profile, result);
        if (result == 0) profileOnMouse(profile);
        if (result != 0 && m_session->connection().open)
            showMessage(KestMessageBox::Question, tr("Send data failed, please try again."));
    });
}

void MainWindow::showAccessNotice(const QString& text, const QString& outcome) {
    if (!m_session->accessDenied()) return; // granted meanwhile
    show();
    KestMessageBox box(this, tr("Access denied"),
                       outcome.isEmpty() ? text : outcome + QLatin1Char('\n') + text,
                       KestMessageBox::Notice);
    box.setTextSelectable(true); // the command is there to be copied
    if (!m_ruleInstall) {
        m_ruleInstall = new AccessRuleInstall(this);
        connect(m_ruleInstall, &AccessRuleInstall::finished, this,
                [this](AccessRuleInstall::Outcome o, const QString& detail) {
                    onAccessRuleInstalled(o, detail);
                });
    }
    // Offered only where it can work; the command stays in the text either way.
    constexpr int kInstallRule = 3;
    if (m_ruleInstall->offered()) box.addButton(tr("Install access rule"), kInstallRule);
    if (box.exec() == kInstallRule) m_ruleInstall->start();
}

void MainWindow::onAccessRuleInstalled(int outcome, const QString& detail) {
    if (outcome == AccessRuleInstall::Installed) {
        // The session's next try opens the mouse; where udev could not apply
        // the rule to the devices plugged in, a replug does.
        m_status->showNote(tr("The access rule is installed."));
        QTimer::singleShot(5000, this, [this] {
            if (m_session->accessDenied())
                m_status->showNote(tr("The access rule is installed: plug the mouse in again."));
        });
        return;
    }
    const QString why = outcome == AccessRuleInstall::Declined
                            ? tr("The access rule was not installed.")
                            : tr("The access rule could not be installed: %1").arg(detail);
    QTimer::singleShot(0, this, [this, why] { showAccessNotice(m_session->accessText(), why); });
}

void MainWindow::onConnectionChanged(const MouseConnection& c) {
    const int before = m_connectedMice;
    m_connectedMice = c.mice.size();
    m_mice->show(c);
    if (m_connectedMice > 0) {
        // The warning goes the moment the mouse is back; nothing polls for it.
        if (m_warningBox) m_warningBox->recheckConnection();
    } else if (before > 0 || !m_connectionKnown) {
        // Started with the desktop: stay in the tray, and say nothing of a
        // mouse that is not there yet.
        if (m_connectionKnown || !m_startMinimized) {
            m_warningBoxOpen = true;
            QTimer::singleShot(m_connectionKnown ? 200 : 0, this, &MainWindow::slotWarning);
        }
    }
    m_connectionKnown = true;
    updateConnectionDisplay();
}

void MainWindow::rereadSettings() {
    loadSettings(*m_sent);
    *m_edited = *m_sent;
    showProfileChoice();
}

void MainWindow::showProfileChoice() {
    m_slots->showChoice(m_edited->currentProfile);
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile % kProfileCount]);
    m_profileList = readProfileList();
    m_profilePanel->rebuildMenu();
}

void MainWindow::reloadForMouse() {
    // Another mouse, or the same one back after a while: its battery is told
    // afresh.
    m_lowBattery = LowBatteryState();
    m_mouseView->reload();
    rereadSettings();
    writeDefaultProfileFile();
    selectTab(LightingTab);
    m_mouseView->applyButtonArt();
    m_pages->relayout(CustomizeTab);
    refreshPages();
    layoutWindow();
}

// ---- the disconnect warning -------------------------------------------------------

void MainWindow::slotWarning() {
    show();
    if (m_connectedMice > 0) {
        m_warningBoxOpen = false;
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
        if (trayShown())
            hide();
        else
            showMinimized();
    }
    m_warningBoxOpen = false;
}

// ---- battery and connection display ------------------------------------------

void MainWindow::onBatteryChanged(const BatteryState& b) {
    m_display->showBattery(b);
    if (b.off) return;
    updateConnectionDisplay();
    warnLowBattery(
        nextLowBatteryWarning(m_lowBattery, m_batteryThresholds, b.level, b.charging || b.wired),
        b.level);
}

void MainWindow::updateConnectionDisplay() {
    m_display->showConnection(m_session ? m_session->connection().state : 3, m_connectionKnown);
}

// ---- on-mouse changes ---------------------------------------------------------

void MainWindow::onMouseChanged(int profile, int dpiStage, int rate) {
    // The pages hold the user's unsaved edits; take them in first so only
    // what the mouse changed is replaced when the pages are shown again.
    collectPages();
    if (profile >= 0 && profile != m_edited->currentProfile) slotRefreshProfile(quint8(profile));
    if (profile >= 0) profileOnMouse(profile);
    if (dpiStage >= 0 && dpiStage != m_edited->current().dpi) slotRefreshDPIStage(quint8(dpiStage));
    if (rate >= 0 && rate != m_edited->current().pollrate) slotRefreshRate(quint8(rate));
    // What the mouse changed itself is on it: nothing is left to send for it.
    if (dpiStage >= 0 && dpiStage < kDpiStageCount) m_sent->current().dpi = uint8_t(dpiStage);
    if (rate >= 0) m_sent->current().pollrate = uint8_t(rate);
    if (m_unsent) m_unsent->recheck();
    updateBusState();
}

void MainWindow::slotRefreshProfile(quint8 iProfile) {
    switchSlot(iProfile, false);
    m_profilePanel->rebuildMenu();
    m_pointer->apply(m_edited->current().mousespeed);
}

void MainWindow::slotRefreshDPIStage(quint8 iDPI) {
    if (iDPI >= kDpiStageCount) return;
    collectPages();
    MouseProfile& p = m_edited->current();
    p.dpi = iDPI;
    m_pages->refresh(DpiTab);
    saveProfileDpi(m_edited->profileNames[m_edited->currentProfile], iDPI);
    const int dpi = dpiFromStep(p.stages[iDPI].y, readSensorModel());
    sendOsdMessage(tr("DPI") + QStringLiteral(" %1:%2").arg(iDPI + 1).arg(dpi));
}

void MainWindow::slotRefreshRate(quint8 iRate) {
    collectPages();
    m_edited->current().pollrate = iRate;
    m_pages->refresh(DpiTab);
    const char* text = reportRateText(iRate);
    sendOsdMessage(*text ? tr(text) : QString());
}
