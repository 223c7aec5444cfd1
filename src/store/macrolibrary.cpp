#include "macrolibrary.h"

#include "appconfig.h"
#include "buttonfunctions.h"
#include "filename.h"
#include "inifile.h"
#include "paths.h"
#include "records.h"

#include <QFile>
#include <QFileInfo>

namespace {
// Macro files are a few kilobytes; anything far larger is not one.
constexpr qint64 kMaxMacroFileBytes = 1 << 20;

QString slotKey(int i) {
    return QStringLiteral("MACRO_LIST/%1").arg(i);
}

bool readSmallFile(const QString& path, QByteArray* bytes) {
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly) || f.size() > kMaxMacroFileBytes) return false;
    *bytes = f.read(kMaxMacroFileBytes + 1);
    return bytes->size() <= kMaxMacroFileBytes && f.error() == QFile::NoError;
}
} // namespace

QStringList readMacroSlots() {
    const IniFile ini(mainConfigPath(), IniFile::Repair);
    QStringList names;
    for (int i = 0; i < kMacroSlots; ++i)
        names << ini.value(slotKey(i), QString()).toString();
    return names;
}

int macroCount() {
    return readMacroNames().size();
}

bool addToMacroList(const QString& name) {
    const int free = readMacroSlots().indexOf(QString());
    if (free < 0) return false;
    IniFile ini(mainConfigPath(), IniFile::Repair);
    ini.setValue(slotKey(free), name);
    return ini.save();
}

bool removeFromMacroList(const QString& name) {
    const int at = readMacroSlots().indexOf(name);
    if (at < 0) return true;
    IniFile ini(mainConfigPath(), IniFile::Repair);
    ini.setValue(slotKey(at), QString());
    return ini.save();
}

bool renameInMacroList(const QString& from, const QString& to) {
    const QStringList names = readMacroSlots();
    IniFile ini(mainConfigPath(), IniFile::Repair);
    for (int i = 0; i < names.size(); ++i)
        if (names[i] == from) ini.setValue(slotKey(i), to);
    return ini.save();
}

QString newMacroName() {
    for (int n = 1;; ++n) {
        const QString name = QStringLiteral("name_%1").arg(n);
        if (!QFileInfo::exists(macroFilePath(name))) return name;
    }
}

QString uniqueMacroName(const QString& typed) {
    QString name = typed;
    for (int n = 2;
         QFileInfo::exists(macroFilePath(name)) || QFileInfo(macroFilePath(name)).isSymLink(); ++n)
        name = QStringLiteral("%1_%2").arg(typed).arg(n);
    return name;
}

MacroOp renameMacro(const QString& from, const QString& typed, QString* renamed) {
    *renamed = from;
    if (typed == from) return MacroOp::Done;
    // The suffix may push a long name past the limit: check what is used.
    if (!isValidFileName(typed) || !isValidFileName(from)) return MacroOp::InvalidName;
    const QString to = uniqueMacroName(typed);
    if (!isValidFileName(to)) return MacroOp::InvalidName;
    if (QFileInfo::exists(macroFilePath(from)) &&
        !QFile::rename(macroFilePath(from), macroFilePath(to)))
        return MacroOp::Failed;
    *renamed = to;
    return renameInMacroList(from, to) ? MacroOp::Done : MacroOp::Failed;
}

MacroOp deleteMacro(const QString& name) {
    if (!isValidFileName(name)) {
        // A hostile list entry is dropped from the list, no file is touched.
        return removeFromMacroList(name) ? MacroOp::Done : MacroOp::Failed;
    }
    if (!removeFromMacroList(name)) return MacroOp::Failed;
    const QString path = macroFilePath(name);
    if ((QFileInfo::exists(path) || QFileInfo(path).isSymLink()) && !QFile::remove(path))
        return MacroOp::Failed;
    return MacroOp::Done;
}

MacroOp importMacro(const QString& path, QString* imported) {
    const QString name = QFileInfo(path).completeBaseName();
    *imported = name;
    if (!isValidFileName(name)) return MacroOp::InvalidName;
    const QString target = macroFilePath(name);
    if (QFileInfo::exists(target) || QFileInfo(target).isSymLink() ||
        readMacroNames().contains(name))
        return MacroOp::Exists;
    if (macroCount() >= kMacroSlots) return MacroOp::Full;
    QByteArray bytes;
    if (!readSmallFile(path, &bytes) || !ensureParentFolder(target) || !writeIniText(target, bytes))
        return MacroOp::Failed;
    return addToMacroList(name) ? MacroOp::Done : MacroOp::Failed;
}

MacroOp exportMacro(const QString& name, const QString& path) {
    if (!isValidFileName(name)) return MacroOp::InvalidName;
    QByteArray bytes;
    if (!readSmallFile(macroFilePath(name), &bytes) || !writeFileAtomic(path, bytes))
        return MacroOp::Failed;
    return MacroOp::Done;
}

std::vector<MacroUser> macroUsers(const DeviceSettings& settings, const QString& name) {
    std::vector<MacroUser> users;
    for (int p = 0; p < kProfileCount; ++p)
        for (int r = 0; r < kButtonEntryCount; ++r) {
            const ButtonInfo& b = settings.profiles[p].buttons[r];
            if ((b.Fun == kMacroCode || b.Fun == kGunFileCode) && b.macroname == name)
                users.push_back({p, r});
        }
    return users;
}
