// The window's side of the profile commands: the questions and file choices
// around them, what their outcomes ask for, and writing to the mouse behind
// the progress dialog.
#include "mainwindow.h"

#include "commands.h"
#include "kestaction.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "pointerspeed.h"
#include "protocol.h"
#include "settingswriteworker.h"

#include <QFileDialog>

namespace {
constexpr int kMaxProfileMenuEntries = 200;
}

int MainWindow::writeToMouse(bool force) {
    KestProcessDialog dialog(this);
    SettingsWriteWorker worker(m_edited.get(), m_sent.get(), m_status.get());
    worker.force = force;
    connect(&worker, &SettingsWriteWorker::DoProcessDlg, &dialog,
            &KestProcessDialog::slotProcessDlg);
    worker.start(QThread::InheritPriority);
    const int accepted = dialog.exec();
    worker.wait();
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

void MainWindow::rebuildProfileMenu() {
    m_profileMenu->clear();
    for (int i = 0; i < m_profileList.size() && i < kMaxProfileMenuEntries; ++i)
        m_profileMenu->addAction(new KestAction(m_profileList.at(i), m_profileMenu));
    m_profileMenu->refreshStyle();
    m_profileButton->setLabel(m_edited->profileNames[m_edited->currentProfile]);
}

void MainWindow::onSlotAction(QAction* action) {
    const int i = m_slotActions.indexOf(static_cast<KestAction*>(action));
    if (i < 0) return;
    switchSlot(i, false);
    rebuildProfileMenu();
    SelectProfile(uint8_t(i));
    ApplyAllBlocks();
    applyPointerSpeed(m_edited->current().mousespeed);
}

void MainWindow::slotProfileNameChange() {
    finishProfileCommand(m_profiles->rename(m_nameEdit->text(), true));
}

void MainWindow::finishProfileCommand(const ProfileController::Outcome& outcome) {
    if (!outcome.notice.isEmpty())
        showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.notice)));
    if (outcome.nameReset) m_nameEdit->setText(m_profiles->boundName());
    if (!outcome.done) return;
    m_nameEdit->setText(m_profiles->boundName());
    rebuildProfileMenu();
    if (outcome.reloaded) refreshPages();
    if (outcome.write != ProfileController::Outcome::Write::None)
        writeToMouse(outcome.write == ProfileController::Outcome::Write::Everything);
}

void MainWindow::deleteProfile() {
    const QString name = m_nameEdit->text();
    // A name that may not go is refused before the user is asked.
    if (const auto refused = m_profiles->checkRemovable(name); !refused.notice.isEmpty()) {
        finishProfileCommand(refused);
        return;
    }
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want delete this profile?")) ==
        1)
        finishProfileCommand(m_profiles->remove(name));
}

void MainWindow::resetProfile() {
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want reset this profile?")) != 1)
        return;
    const ProfileController::Outcome outcome = m_profiles->reset();
    retranslate();
    finishProfileCommand(outcome);
}

void MainWindow::resetAllProfiles() {
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want reset all profiles?")) == 1)
        finishProfileCommand(m_profiles->resetAll());
}

void MainWindow::addProfile() {
    finishProfileCommand(m_profiles->add());
}

void MainWindow::copyProfile() {
    finishProfileCommand(m_profiles->copy());
}

void MainWindow::renameProfile() {
    finishProfileCommand(m_profiles->rename(m_nameEdit->text(), false));
}

void MainWindow::exportProfile() {
    const QString path =
        chooseFile(true, QT_TR_NOOP("Save Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (!path.isEmpty()) finishProfileCommand(m_profiles->exportProfile(path));
}

void MainWindow::importProfile() {
    const QString path =
        chooseFile(false, QT_TR_NOOP("Load Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (!path.isEmpty()) finishProfileCommand(m_profiles->importProfile(path));
}

void MainWindow::exportConfig() {
    const QString path =
        chooseFile(true, QT_TR_NOOP("Save Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (!path.isEmpty()) finishProfileCommand(m_profiles->exportConfig(path));
}

QString MainWindow::chooseFile(bool save, const char* caption, const char* filter) {
    return save ? QFileDialog::getSaveFileName(this, tr(caption), QString(), tr(filter))
                : QFileDialog::getOpenFileName(this, tr(caption), QString(), tr(filter));
}

void MainWindow::importConfig() {
    const QString path =
        chooseFile(false, QT_TR_NOOP("Load Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (path.isEmpty()) return;
    const ProfileController::Outcome outcome = m_profiles->importConfig(path);
    if (outcome.done) {
        selectTab(LightingTab);
        applyButtonArt();
    }
    finishProfileCommand(outcome);
}
