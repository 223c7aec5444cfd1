#include "profilepanel.h"

#include "filename.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kitaccessible.h"

#include <QDir>
#include <QFileDialog>
#include <QVector>

namespace {
constexpr int kMaxMenuEntries = 200;
const QStringList kCommandImages = {"/skin/dlgbtn-1.png", "/skin/dlgbtn-3.png",
                                    "/skin/dlgbtn-2.png"};
const QStringList kDropDownImages = {"/skin/rate.png"};
} // namespace

struct ProfilePanel::Command {
    const char* name;
    const char* text; // nullptr: labelled otherwise
    const char* tip;  // nullptr: the label
    QRect rect;
    void (ProfilePanel::*run)();
};

const QVector<ProfilePanel::Command>& ProfilePanel::commands() {
    using P = ProfilePanel;
    static const QVector<Command> table = {
        {"btnAdd", QT_TR_NOOP("ADD"), nullptr, {24, 406, 78, 28}, &P::add},
        {"btnCopy", QT_TR_NOOP("COPY"), nullptr, {108, 406, 78, 28}, &P::copy},
        {"btnDelete", QT_TR_NOOP("DELETE"), nullptr, {192, 406, 78, 28}, &P::remove},
        {"btnReset", QT_TR_NOOP("RESET"), nullptr, {24, 438, 120, 28}, &P::reset},
        {"btnResetAll", QT_TR_NOOP("Reset All"), nullptr, {150, 438, 120, 28}, &P::resetAll},
        {"btnLoadConfig", QT_TR_NOOP("LOAD1"), nullptr, {24, 470, 120, 28}, &P::importConfig},
        {"btnSaveConfig", QT_TR_NOOP("SAVE"), nullptr, {150, 470, 120, 28}, &P::exportConfig},
        {"btnImportProfile",
         QT_TR_NOOP("IMPORT"),
         QT_TR_NOOP("Load Profile File"),
         {24, 502, 120, 28},
         &P::importProfile},
        {"btnExportProfile",
         QT_TR_NOOP("EXPORT"),
         QT_TR_NOOP("Save Profile File"),
         {150, 502, 120, 28},
         &P::exportProfile},
        {"btnApplyName",
         "\u2713",
         QT_TR_NOOP("Press Enter To Apply"),
         {244, 368, 26, 28},
         &P::renameByButton},
        // Opens the library menu; labelled with the bound name.
        {"btnProfileList", nullptr, nullptr, {24, 312, 246, 28}, nullptr},
    };
    return table;
}

ProfilePanel::ProfilePanel(QWidget* window, ProfileController& profiles, const QStringList& list,
                           Hooks hooks)
    : m_window(window), m_profiles(profiles), m_list(list), m_hooks(std::move(hooks)),
      m_menu(new KestMenu(window, 152)), m_nameCaption(new KestLabel(window)),
      m_nameEdit(new KestLineEdit(window)) {
    for (const Command& c : commands()) {
        auto* b = new KestPushButton(c.run ? kCommandImages : kDropDownImages, window);
        b->setObjectName(QLatin1String(c.name));
        b->setProperty("logicalRect", c.rect);
        QObject::connect(b, &QPushButton::clicked, window, [this, run = c.run] {
            if (run) (this->*run)();
            if (m_hooks.clicked) m_hooks.clicked();
        });
        m_buttons << b;
        if (!c.run) m_menuButton = b;
    }
    m_menuButton->setMenu(m_menu);
    QObject::connect(m_menu, &QMenu::triggered, window,
                     [this](QAction* a) { finish(m_profiles.choose(a->text())); });
    m_nameCaption->setProperty("logicalRect", QRect(26, 344, 100, 20));
    m_nameEdit->setMaxLength(kMaxFileNameLength);
    m_nameEdit->setProperty("logicalRect", QRect(24, 368, 214, 28));
    QObject::connect(m_nameEdit, &QLineEdit::returnPressed, window, [this] { renameByEnter(); });
}

void ProfilePanel::rebuildMenu() {
    m_menu->clear();
    for (int i = 0; i < m_list.size() && i < kMaxMenuEntries; ++i)
        m_menu->addAction(new KestAction(m_list.at(i), m_menu));
    m_menu->refreshStyle();
    m_menuButton->setLabel(m_profiles.boundName());
}

void ProfilePanel::retranslate() {
    for (int i = 0; i < m_buttons.size(); ++i) {
        const Command& c = commands()[i];
        if (c.text) m_buttons[i]->setLabel(tr(c.text));
        if (c.tip) m_buttons[i]->setToolTip(tr(c.tip));
    }
    m_menuButton->setLabel(m_profiles.boundName());
    setAccessibleLabel(m_menuButton, tr("Profile settings"));
    for (int i = 0; i < m_buttons.size(); ++i)
        if (qstrcmp(commands()[i].name, "btnApplyName") == 0)
            m_buttons[i]->setAccessibleName(tr("Apply the name"));
    m_nameCaption->setText(tr("NAME"));
    m_nameEdit->setAccessibleName(tr("Profile name"));
    m_nameEdit->setToolTip(tr("Press Enter To Apply"));
}

void ProfilePanel::setHeld(bool held) {
    for (KestPushButton* b : std::as_const(m_buttons))
        b->setEnabled(!held);
    m_nameEdit->setEnabled(!held);
}

void ProfilePanel::finish(const ProfileController::Outcome& outcome) {
    if (!outcome.notice.isEmpty()) {
        KestMessageBox box(m_window, tr("Warning"), tr(qPrintable(outcome.notice)),
                           KestMessageBox::Notice);
        box.exec();
    }
    if (outcome.nameReset) m_nameEdit->setText(m_profiles.boundName());
    if (!outcome.done) return;
    m_nameEdit->setText(m_profiles.boundName());
    rebuildMenu();
    if (outcome.reloaded) m_hooks.refreshPages();
    if (outcome.write != ProfileController::Outcome::Write::None)
        m_hooks.write(outcome.write == ProfileController::Outcome::Write::Everything);
}

int ProfilePanel::ask(const QString& question) {
    KestMessageBox box(m_window, tr("Warning"), question, KestMessageBox::Question);
    return box.exec();
}

QString ProfilePanel::chooseFile(bool save, const char* caption, const char* filter) {
    return save ? QFileDialog::getSaveFileName(m_window, tr(caption), QString(), tr(filter))
                : QFileDialog::getOpenFileName(m_window, tr(caption), QString(), tr(filter));
}

void ProfilePanel::add() {
    finish(m_profiles.add());
}

void ProfilePanel::copy() {
    const ProfileController::Outcome outcome = m_profiles.copy();
    finish(outcome);
    if (outcome.done && m_hooks.done)
        m_hooks.done(tr("Copied as \u201c%1\u201d").arg(m_profiles.boundName()));
}

void ProfilePanel::saved(const ProfileController::Outcome& outcome, const QString& path) {
    finish(outcome);
    if (outcome.notice.isEmpty() && m_hooks.done)
        m_hooks.done(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
}

void ProfilePanel::renameByButton() {
    finish(m_profiles.rename(m_nameEdit->text(), false));
}

void ProfilePanel::renameByEnter() {
    finish(m_profiles.rename(m_nameEdit->text(), true));
}

void ProfilePanel::remove() {
    const QString name = m_nameEdit->text();
    // A name that may not go is refused before the user is asked.
    if (const auto refused = m_profiles.checkRemovable(name); !refused.notice.isEmpty())
        finish(refused);
    else if (ask(tr("Are you sure you want delete this profile?")) == 1)
        finish(m_profiles.remove(name));
}

void ProfilePanel::reset() {
    if (ask(tr("Are you sure you want reset this profile?")) != 1) return;
    const ProfileController::Outcome outcome = m_profiles.reset();
    m_hooks.retranslate();
    finish(outcome);
}

void ProfilePanel::resetAll() {
    if (ask(tr("Are you sure you want reset all profiles?")) == 1) finish(m_profiles.resetAll());
}

void ProfilePanel::exportProfile() {
    const QString path =
        chooseFile(true, QT_TR_NOOP("Save Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (!path.isEmpty()) saved(m_profiles.exportProfile(path), path);
}

void ProfilePanel::importProfile() {
    const QString path =
        chooseFile(false, QT_TR_NOOP("Load Profile File"), QT_TR_NOOP("Profile File(*.prof)"));
    if (!path.isEmpty()) finish(m_profiles.importProfile(path));
}

void ProfilePanel::exportConfig() {
    const QString path =
        chooseFile(true, QT_TR_NOOP("Save Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (!path.isEmpty()) saved(m_profiles.exportConfig(path), path);
}

void ProfilePanel::importConfig() {
    const QString path =
        chooseFile(false, QT_TR_NOOP("Load Config File"), QT_TR_NOOP("Config File(*.conf)"));
    if (path.isEmpty()) return;
    const ProfileController::Outcome outcome = m_profiles.importConfig(path);
    if (outcome.done) m_hooks.freshStart();
    finish(outcome);
}
