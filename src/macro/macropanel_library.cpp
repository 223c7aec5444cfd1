#include "macropanel.h"

#include "appconfig.h"
#include "buttonrules.h"
#include "filename.h"
#include "gunfiledialog.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "macrolibrary.h"
#include "records.h"

#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QSignalBlocker>
#include <QStandardItemModel>
#include <algorithm>

// The macros as a library: the list, loading and saving, NEW, CHANGE NAME,
// DELETE, IMPORT, EXPORT and GUN SET.

namespace {
// Loop counts the mouse cannot hold (a damaged file, an emptied field) are 1.
QString loopCountText(const QString& text) {
    return QString::number(qMax(CountValidator::countOf(text), 1));
}
} // namespace

// ---- Macros -----------------------------------------------------------------

void MacroPanel::rebuildList(const QString& current) {
    const QSignalBlocker block(m_list);
    m_list->clear();
    for (const QString& name : readMacroNames()) {
        auto* item = new QListWidgetItem(name, m_list);
        if (m_batch) {
            item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
            item->setCheckState(Qt::Unchecked);
        }
        if (name == current) m_list->setCurrentItem(item);
    }
}

void MacroPanel::onListItemClicked(QListWidgetItem* item) {
    if (!item || m_recording || m_editing) return;
    if (item->text() == m_current && m_list->currentItem() == item && !m_current.isEmpty() &&
        m_nameEdit->text() == m_current)
        return;
    loadMacro(item->text());
}

void MacroPanel::loadMacro(const QString& name) {
    const MacroFile f = readMacroFile(name);
    m_current = name;
    m_nameEdit->setText(name);
    m_delayType = f.delayType <= 2 ? f.delayType : 0;
    {
        const QSignalBlocker a(m_recordDelays), b(m_defaultDelayBox);
        m_recordDelays->setChecked(m_delayType == 1);
        m_defaultDelayBox->setChecked(m_delayType == 2);
    }
    for (int i = 0; i < 3; ++i) {
        const QSignalBlocker block(m_loopBoxes[i]);
        m_loopBoxes[i]->setChecked(f.loopType == i + 1);
    }
    m_defaultDelay->setText(f.defaultDelay);
    m_loopTime->setText(loopCountText(f.loopTime));
    setSteps(f.steps);
    if (m_model->rowCount() > 0) SelectRow(m_model->rowCount() - 1);
}

MacroFile MacroPanel::editorMacro(const QString& name) const {
    MacroFile f;
    f.name = name;
    f.steps = steps();
    f.defaultDelay = m_defaultDelay->text();
    f.delayType = m_delayType;
    for (int i = 0; i < 3; ++i)
        if (m_loopBoxes[i]->isChecked()) f.loopType = i + 1;
    f.loopTime = loopCountText(m_loopTime->text());
    return f;
}

bool MacroPanel::saveMacro(const QString& name) {
    if (name.isEmpty()) return false;
    if (writeMacroFile(editorMacro(name))) return true;
    notice(tr("The macro \"%1\" could not be saved.").arg(name));
    return false;
}

bool MacroPanel::refuseWhenFull() {
    if (macroCount() < kMacroSlots) return false;
    notice(tr("TOO MANY MACROS TO BE CREATE!"), tr("WARNING"), KestMessageBox::Question);
    return true;
}

void MacroPanel::newMacro() {
    if (refuseWhenFull()) return;
    const QString name = newMacroName();
    {
        const QSignalBlocker a(m_recordDelays), b(m_defaultDelayBox);
        m_recordDelays->setChecked(false);
        m_defaultDelayBox->setChecked(false);
    }
    m_delayType = 0;
    for (QCheckBox* c : m_loopBoxes) {
        const QSignalBlocker block(c);
        c->setChecked(false);
    }
    setSteps({});
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    if (!saveMacro(name)) return;
    if (!addToMacroList(name)) {
        notice(tr("The macro list could not be saved."));
        return;
    }
    m_current = name;
    rebuildList(name);
    m_nameEdit->setText(name);
}

void MacroPanel::renameMacro() {
    if (m_list->count() == 0 || m_current.isEmpty()) return;
    const QString typed = m_nameEdit->text();
    QString renamed;
    switch (::renameMacro(m_current, typed, &renamed)) {
    case MacroOp::InvalidName:
        notice(tr("Invalid macro name."));
        m_nameEdit->setText(m_current);
        return;
    case MacroOp::Done:
        break;
    default:
        notice(tr("The macro \"%1\" could not be renamed.").arg(m_current));
        return;
    }
    m_current = renamed;
    rebuildList(renamed);
    m_nameEdit->setText(renamed);
}

QString MacroPanel::macroUsersText(const std::vector<MacroUser>& users) const {
    // The buttons as the button page numbers its rows.
    const std::vector<int> rows = numberedButtonRecords();
    QStringList places;
    for (const MacroUser& u : users) {
        const int profile = u.profile + 1;
        const auto row = std::find(rows.begin(), rows.end(), u.record);
        if (u.record == kWheelUpEntry)
            places << tr("profile %1 wheel up").arg(profile);
        else if (u.record == kWheelDownEntry)
            places << tr("profile %1 wheel down").arg(profile);
        else if (u.record >= kSecondRowEntry)
            places << tr("profile %1 second-row button %2")
                          .arg(profile)
                          .arg(u.record - kSecondRowEntry + 1);
        else
            places << tr("profile %1 button %2")
                          .arg(profile)
                          .arg(row != rows.end() ? int(row - rows.begin()) + 1 : u.record + 1);
    }
    return tr("Used by: %1").arg(places.join(QStringLiteral(", ")));
}

void MacroPanel::deleteMacro() {
    if (m_list->count() == 0 || !m_list->currentItem()) return;
    const QString name = m_list->currentItem()->text();
    if (name.isEmpty()) return;
    const std::vector<MacroUser> users =
        m_settings ? macroUsers(*m_settings, name) : std::vector<MacroUser>();
    if (!users.empty() &&
        notice(tr("Buttons using \"%1\": %2. They would send an empty macro. Delete it anyway?")
                       .arg(name)
                       .arg(users.size()) +
                   QLatin1Char('\n') + macroUsersText(users),
               tr("Warning"), KestMessageBox::Question) != QDialog::Accepted)
        return;
    if (::deleteMacro(name) != MacroOp::Done) {
        notice(tr("The macro \"%1\" could not be deleted.").arg(name));
        return;
    }
    const int row = m_list->currentRow();
    rebuildList(QString());
    if (m_list->count() == 0) {
        m_current.clear();
        m_nameEdit->clear();
        setSteps({});
        return;
    }
    QListWidgetItem* next = m_list->item(qMin(row, m_list->count() - 1));
    {
        const QSignalBlocker block(m_list);
        m_list->setCurrentItem(next);
    }
    loadMacro(next->text());
}

void MacroPanel::importMacros() {
    const QString caption = tr("Load Macro File");
    const QString filter = tr("Macro File(*.MSMACRO)");
    if (!m_batch) {
        const QString path = m_files.open(this, caption, filter);
        if (path.isEmpty()) return;
        QString name;
        switch (importMacro(path, &name)) {
        case MacroOp::Done:
            break;
        case MacroOp::Exists:
            notice(tr("Macro Exist!"));
            return;
        case MacroOp::InvalidName:
            notice(tr("Invalid macro name."));
            return;
        case MacroOp::Full:
            refuseWhenFull();
            return;
        case MacroOp::Failed:
            notice(tr("Not copied: %1").arg(QDir::toNativeSeparators(path)));
            return;
        }
        rebuildList(name);
        loadMacro(name);
        return;
    }
    const QStringList paths = m_files.openMany(this, caption, filter);
    QStringList notCopied;
    QString last;
    for (const QString& path : paths) {
        QString name;
        if (importMacro(path, &name) == MacroOp::Done)
            last = name;
        else
            notCopied << QDir::toNativeSeparators(path);
    }
    rebuildList(m_current);
    if (!notCopied.isEmpty())
        notice(tr("Not copied: %1").arg(notCopied.join(QStringLiteral(", "))));
}

void MacroPanel::exportMacros() {
    const QString filter = tr("Macro File(*.MSMACRO)");
    if (!m_batch) {
        if (m_current.isEmpty()) return;
        const QString path = m_files.save(this, tr("Save Macro File"), m_current, filter);
        if (path.isEmpty()) return;
        if (exportMacro(m_current, path) != MacroOp::Done)
            notice(tr("Not copied: %1").arg(QDir::toNativeSeparators(path)));
        else
            emit ExportedSignal(tr("Saved to %1").arg(QDir::toNativeSeparators(path)));
        return;
    }
    QStringList chosen;
    for (int i = 0; i < m_list->count(); ++i)
        if (m_list->item(i)->checkState() == Qt::Checked) chosen << m_list->item(i)->text();
    if (chosen.isEmpty()) return;
    const QString dir = m_files.folder(this, tr("Save Macro File"));
    if (dir.isEmpty()) return;
    QStringList notCopied;
    for (const QString& name : std::as_const(chosen))
        if (exportMacro(name, QDir(dir).filePath(name + QStringLiteral(".MSMACRO"))) !=
            MacroOp::Done)
            notCopied << name;
    if (!notCopied.isEmpty())
        notice(tr("Not copied: %1").arg(notCopied.join(QStringLiteral(", "))));
    else
        emit ExportedSignal(tr("%n macro(s) saved to %1", nullptr, int(chosen.size()))
                                .arg(QDir::toNativeSeparators(dir)));
}

void MacroPanel::gunSet() {
    if (refuseWhenFull()) return;
    GunFileDialog dialog(this, m_scale);
    if (dialog.exec() != QDialog::Accepted) return;
    const QString name = uniqueMacroName(dialog.name());
    if (!isValidFileName(name)) {
        notice(tr("Invalid macro name."));
        return;
    }
    setSteps({});
    m_defaultDelay->setText(QStringLiteral("10"));
    m_loopTime->setText(QStringLiteral("1"));
    MacroFile gun;
    gun.name = name;
    gun.steps = dialog.steps();
    gun.defaultDelay = QStringLiteral("10");
    gun.delayType = 1;
    gun.loopTime = QStringLiteral("1");
    if (!writeMacroFile(gun, false)) {
        notice(tr("The macro \"%1\" could not be saved.").arg(name));
        return;
    }
    addToMacroList(name);
    rebuildList(name);
    loadMacro(name);
}
