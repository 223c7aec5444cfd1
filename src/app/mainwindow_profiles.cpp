// The window's writes to the mouse: the settings behind the progress dialog,
// the switch of the on-mouse profile, and the mark of what is not on it yet.
#include "mainwindow.h"

#include "appconfig.h"
#include "commands.h"
#include "kestaction.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "mousesession.h"
#include "pointerspeed.h"
#include "profilepanel.h"
#include "protocol.h"
#include "settingsmerge.h"
#include "settingswriteworker.h"
#include "statusnote.h"
#include "trayicon.h"
#include "unsentmark.h"

#include <QCoreApplication>

int MainWindow::writeToMouse(bool force) {
    KestProcessDialog dialog(this);
    // What assistive tools announce while the box turns.
    dialog.setWindowTitle(tr("Writing the settings to the mouse"));
    if (!m_session) m_session = new MouseSession(this);
    SettingsWriteWorker worker(m_edited.get(), m_sent.get());
    worker.force = force;
    connect(&worker, &SettingsWriteWorker::DoProcessDlg, &dialog,
            &KestProcessDialog::slotProcessDlg);
    bool written = false;
    connect(m_session, &MouseSession::writeFinished, &dialog, [&written] { written = true; });
    m_writing = true;
    ++m_writes;
    updateFollowHold();
    m_session->write(&worker);
    const int accepted = dialog.exec();
    // The worker is the session thread's until its write has ended.
    while (!written)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    m_writing = false;
    updateFollowHold();
    if (m_unsent) m_unsent->recheck();
    const int result = worker.result();
    if (accepted == 1 && result != kResultOk) {
        if (result == kResultMouseOff)
            showMessage(KestMessageBox::Question, tr("Mouse is sleeping or not connected."));
        else if (result == kResultNoLeftClick)
            showMessage(KestMessageBox::Notice, tr("AT LEAST ONE CLICK FUNCTION TO BE RETAINED."));
        else if (result == kResultMacroOverflow)
            showMessage(KestMessageBox::Question, tr("Too many or too long macros for the mouse."));
        else
            showMessage(KestMessageBox::Question, tr("Send data failed, please try again."));
    }
    showFileNotices(worker.failedFile());
    reportWrite(result);
    return result;
}

void MainWindow::reportWrite(int result) {
    const QString text =
        result == kResultOk
            ? tr("Applied to Profile %1").arg(m_edited->currentProfile % kProfileCount + 1)
            : tr("Not applied: the mouse did not take the settings");
    m_status->showNote(text, result != kResultOk);
    if (isHidden() && trayShown()) sendOsdMessage(text);
}

QString MainWindow::statusNote() const {
    return m_status->note();
}

void MainWindow::onSlotAction(int i) {
    switchSlot(i, false);
    m_profilePanel->rebuildMenu();
    if (m_session) m_session->selectProfile(i);
    m_pointer->apply(m_edited->current().mousespeed);
}

bool MainWindow::settingsUnsentNow() {
    // While a write runs the copies are the session thread's; the mark waits.
    if (m_writing) return m_unsent && m_unsent->isOn();
    collectPages();
    return settingsUnsent(*m_edited, *m_sent, readDiff() == 1);
}

bool MainWindow::unsentMarkShown() const {
    return m_unsent && m_unsent->isOn();
}

void MainWindow::showUnsentMark(bool on) {
    KestPushButton* apply = button(QStringLiteral("btnApply"));
    const QString note = on ? tr("Changes not yet on the mouse") : QString();
    apply->setLabel(on ? tr("Apply") + QStringLiteral(" \u25cf") : tr("Apply"));
    apply->setToolTip(note);
    // The mark is read out as the description, not as part of the name.
    apply->setAccessibleName(tr("Apply"));
    apply->setAccessibleDescription(note);
    if (m_tray) m_tray->setUnsent(on);
}

bool MainWindow::confirmLeaving() {
    if (m_leaveConfirmed || !settingsUnsentNow()) return true;
    show();
    raise();
    KestMessageBox box(this, tr("Warning"),
                       tr("Your changes are not on the mouse yet. Apply them now?"),
                       KestMessageBox::ApplyDiscardStay);
    const int choice = box.exec();
    if (choice == KestMessageBox::kDiscarded) {
        *m_edited = *m_sent;
        refreshPages();
        return true;
    }
    // A write that fails keeps the window open with the changes still marked.
    return choice == QDialog::Accepted && writeToMouse(false) == kResultOk;
}

void MainWindow::takeInToolWrite() {
    // The tool saved what it wrote; the window takes in those values and
    // keeps its own unapplied edits of the others.
    collectPages();
    auto saved = std::make_unique<DeviceSettings>();
    loadSettings(*saved);
    const std::vector<MergeClash> clashes = mergeSavedChanges(*m_sent, *saved, *m_edited);
    *m_sent = *saved;
    showProfileChoice();
    refreshPages();
    updateConnectionDisplay();
    if (clashes.empty()) return;
    QStringList what;
    for (const MergeClash& c : clashes) {
        const QString text = QCoreApplication::translate("SettingsMerge", c.what)
                                 .replace(QLatin1String("%1"), QString::number(c.profile))
                                 .replace(QLatin1String("%2"), QString::number(c.index));
        if (!what.contains(text)) what << text;
    }
    showMessage(KestMessageBox::Notice,
                tr("The command-line tool changed what you were also editing here; its values "
                   "are kept: %1.")
                    .arg(what.join(QStringLiteral(", "))));
}
