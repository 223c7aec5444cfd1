// The window's writes to the mouse: the settings behind the progress dialog,
// and the switch of the on-mouse profile.
#include "mainwindow.h"

#include "commands.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "mousesession.h"
#include "pointerspeed.h"
#include "profilepanel.h"
#include "protocol.h"
#include "settingswriteworker.h"

#include <QCoreApplication>

int MainWindow::writeToMouse(bool force) {
    KestProcessDialog dialog(this);
    if (!m_session) m_session = new MouseSession(this);
    SettingsWriteWorker worker(m_edited.get(), m_sent.get());
    worker.force = force;
    connect(&worker, &SettingsWriteWorker::DoProcessDlg, &dialog,
            &KestProcessDialog::slotProcessDlg);
    bool written = false;
    connect(m_session, &MouseSession::writeFinished, &dialog, [&written] { written = true; });
    m_session->write(&worker);
    const int accepted = dialog.exec();
    // The worker is the session thread's until its write has ended.
    while (!written)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
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
    return result;
}

void MainWindow::onSlotAction(int i) {
    switchSlot(i, false);
    m_profilePanel->rebuildMenu();
    if (m_session) m_session->selectProfile(i);
    applyPointerSpeed(m_edited->current().mousespeed);
}
