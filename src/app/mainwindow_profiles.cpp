// The profile commands of the window: choosing, adding, copying, renaming,
// deleting, resetting, exporting and importing profiles and configurations,
// and writing to the mouse behind the progress dialog.
#include "mainwindow.h"

#include "appconfig.h"
#include "commands.h"
#include "defaults.h"
#include "filename.h"
#include "inifile.h"
#include "kestaction.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestprocessdialog.h"
#include "kestpushbutton.h"
#include "mousesession.h"
#include "paths.h"
#include "pointerspeed.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "protocol.h"
#include "settingswriteworker.h"

#include <QCoreApplication>
#include <QDebug>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>

namespace {
constexpr int kMaxProfileMenuEntries = 200;
}

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

void MainWindow::rebuildProfileMenu() {
    m_profileMenu->clear();
    for (int i = 0; i < m_profileList.size() && i < kMaxProfileMenuEntries; ++i)
        m_profileMenu->addAction(new KestAction(m_profileList.at(i), m_profileMenu));
    m_profileMenu->refreshStyle();
    m_profileButton->setLabel(m_edited->profileNames[m_edited->currentProfile]);
}

QStringList MainWindow::otherBindings() const {
    QStringList names;
    for (int i = 0; i < kProfileCount; ++i)
        if (i != m_edited->currentProfile) names << m_edited->profileNames[i];
    return names;
}

void MainWindow::bindCurrent(const QString& name) {
    const int c = m_edited->currentProfile;
    m_edited->profileNames[c] = name;
    m_nameEdit->setText(name);
}

void MainWindow::slot_show_profilename(QAction* action) {
    m_profileButton->setLabel(action->text());
    m_edited->profileNames[m_edited->currentProfile] = action->text();
}

void MainWindow::onSlotAction(QAction* action) {
    const int i = m_slotActions.indexOf(static_cast<KestAction*>(action));
    if (i < 0) return;
    switchSlot(i, false);
    rebuildProfileMenu();
    if (m_session) m_session->selectProfile(i);
    applyPointerSpeed(m_edited->current().mousespeed);
}

void MainWindow::chooseProfile(const QString& name) {
    if (otherBindings().contains(name)) {
        showMessage(KestMessageBox::Notice, tr("Profile is Already Used!"));
        return;
    }
    const int c = m_edited->currentProfile;
    bindCurrent(name);
    loadProfileByName(m_edited->profiles[c], name);
    m_sent->profileNames[c] = name;
    rebuildProfileMenu();
    refreshPages();
}

void MainWindow::addProfile() {
    const QString name = ProfileLibrary::add(m_profileList);
    bindCurrent(name);
    rebuildProfileMenu();
    MouseProfile& p = m_edited->current();
    loadWholeProfile(p, ProfileLibrary::pathFor(name), name);
    refreshPages();
}

void MainWindow::copyProfile() {
    const QString base = m_edited->profileNames[m_edited->currentProfile];
    ProfileLibrary::ensureFile(base, m_edited->current());
    QString made;
    const auto outcome = ProfileLibrary::copy(m_profileList, base, &made);
    if (!outcome.ok()) {
        showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.message)));
        return;
    }
    bindCurrent(made);
    rebuildProfileMenu();
}

void MainWindow::slotProfileNameChange() {
    renameProfile(true);
}

void MainWindow::renameProfile(bool byEnter) {
    const int c = m_edited->currentProfile;
    const QString from = m_edited->profileNames[c];
    const QString to = m_nameEdit->text();
    if (to == from) return;
    const auto outcome = ProfileLibrary::rename(m_profileList, from, to, byEnter);
    if (!outcome.ok()) {
        showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.message)));
        if (byEnter && ProfileLibrary::isProtectedName(from)) m_nameEdit->setText(from);
        return;
    }
    m_edited->profileNames[c] = to;
    m_sent->profileNames[c] = to;
    m_edited->profiles[c].ProfileName = to;
    rebuildProfileMenu();
    if (byEnter) saveProfileList(*m_edited);
}

void MainWindow::deleteProfile() {
    const QString name = m_nameEdit->text();
    if (const auto refused = ProfileLibrary::checkRemovable(m_profileList, name); !refused.ok()) {
        showMessage(KestMessageBox::Notice, tr(qPrintable(refused.message)));
        return;
    }
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want delete this profile?")) !=
        1)
        return;
    QString replacement;
    const auto outcome = ProfileLibrary::remove(m_profileList, name, otherBindings(), &replacement);
    if (!outcome.ok()) {
        showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.message)));
        return;
    }
    bindCurrent(replacement);
    rebuildProfileMenu();
    loadWholeProfile(m_edited->current(), ProfileLibrary::pathFor(replacement), replacement);
    refreshPages();
}

void MainWindow::resetProfile() {
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want reset this profile?")) != 1)
        return;
    qDebug("Accepted %d", m_edited->currentProfile);
    MouseProfile& p = m_edited->current();
    const QString name = p.ProfileName;
    makeDefaultProfile(p);
    p.ProfileName = name;
    retranslate();
    refreshPages();
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);
    writeToMouse(false);
}

void MainWindow::resetAllProfiles() {
    if (showMessage(KestMessageBox::Question, tr("Are you sure you want reset all profiles?")) != 1)
        return;
    resetAll(*m_edited);
    refreshPages();
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);
    rebuildProfileMenu();
    writeToMouse(true);
}

void MainWindow::exportProfile() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Profile File"), QString(),
                                                      tr("Profile File(*.prof)"));
    if (path.isEmpty()) return;
    const QString name = m_edited->profileNames[m_edited->currentProfile];
    ProfileLibrary::ensureFile(name, m_edited->current());
    const auto outcome = ProfileLibrary::exportFile(name, readCurrentProductName(), path);
    if (!outcome.ok()) showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.message)));
}

void MainWindow::importProfile() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Profile File"), QString(),
                                                      tr("Profile File(*.prof)"));
    if (path.isEmpty()) return;
    QString name;
    const auto outcome =
        ProfileLibrary::importFile(m_profileList, path, readCurrentProductName(), &name);
    if (!outcome.ok()) {
        showMessage(KestMessageBox::Notice, tr(qPrintable(outcome.message)));
        return;
    }
    qDebug() << "imported profile" << name;
    rebuildProfileMenu();
    readProfile(m_edited->current(), ProfileLibrary::pathFor(name));
    refreshPages();
    bindCurrent(name);
    rebuildProfileMenu();
    writeToMouse(false);
}

void MainWindow::exportConfig() {
    const QString path = QFileDialog::getSaveFileName(this, tr("Save Config File"), QString(),
                                                      tr("Config File(*.conf)"));
    if (path.isEmpty()) return;
    if (!exportSettingsFile(*m_edited, readCurrentProductName(), path))
        showMessage(KestMessageBox::Notice, tr("The configuration file could not be saved."));
}

void MainWindow::importConfig() {
    const QString path = QFileDialog::getOpenFileName(this, tr("Load Config File"), QString(),
                                                      tr("Config File(*.conf)"));
    if (path.isEmpty()) return;
    const SettingsImport read = importSettingsFile(*m_edited, readCurrentProductName(), path);
    if (read == SettingsImport::OtherProduct) return;
    if (read == SettingsImport::Damaged) {
        showMessage(KestMessageBox::Notice, tr("The file is damaged and was not loaded."));
        return;
    }
    selectTab(LightingTab);
    applyButtonArt();
    refreshPages();
    m_nameEdit->setText(m_edited->profileNames[m_edited->currentProfile]);
    rebuildProfileMenu();
    writeToMouse(false);
}
