#include "profilelibrary.h"

#include "appconfig.h"
#include "defaults.h"
#include "filename.h"
#include "inifile.h"
#include "paths.h"
#include "profilefile.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

namespace ProfileLibrary {

namespace {
// Notices are returned untranslated; the window translates them (the marker
// lets the translation tools find them).
QString notice(const char* text) {
    return QString::fromLatin1(text);
}

// Replaces `target` with a copy of `source`; the old target survives a failed copy.
bool replaceWithCopy(const QString& source, const QString& target) {
    const QString temp = target + QStringLiteral(".part");
    QFile::remove(temp);
    if (!QFile::copy(source, temp)) return false;
    if (QFileInfo::exists(target) && !QFile::remove(target)) {
        QFile::remove(temp);
        return false;
    }
    return QFile::rename(temp, target);
}
} // namespace

bool isProtectedName(const QString& name) {
    for (int i = 1; i <= 5; ++i)
        if (name == QStringLiteral("Profile %1").arg(i)) return true;
    return false;
}

QString folder() {
    return productProfileFolder(readCurrentProductName());
}

QString pathFor(const QString& name) {
    return folder() + name + QStringLiteral(".prof");
}

QString add(QStringList& list) {
    const QString name = newListEntryName(readCurrentProductName());
    ensureParentFolder(pathFor(name));
    const QString templ = pathFor(QStringLiteral("DefaultProfile"));
    if (!QFileInfo(templ).isFile() || !QFile::copy(templ, pathFor(name))) {
        MouseProfile p;
        makeDefaultProfile(p);
        p.ProfileName = name;
        writeProfile(p, pathFor(name));
    }
    list << name;
    writeProfileList(list);
    return name;
}

QString copyTargetName(const QString& base) {
    QString target = base + QStringLiteral(" copy");
    for (int k = 2; QFileInfo::exists(pathFor(target)); ++k)
        target = base + QStringLiteral(" copy %1").arg(k);
    return target;
}

Outcome copy(QStringList& list, const QString& base, QString* newName) {
    const QString target = copyTargetName(base);
    if (!isValidFileName(base) || !isValidFileName(target))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Invalid profile name."))};
    if (!QFile::copy(pathFor(base), pathFor(target)))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The profile file could not be copied."))};
    list << target;
    writeProfileList(list);
    if (newName) *newName = target;
    return {};
}

Outcome rename(QStringList& list, const QString& from, const QString& to, bool checkProtected) {
    if (checkProtected && isProtectedName(from))
        return {notice(
            QT_TRANSLATE_NOOP("MainWindow", "The default Profile cannot be deleted or renamed."))};
    if (!isValidFileName(to))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Invalid profile name."))};
    if (QFileInfo::exists(pathFor(to)))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Profile Exist!"))};
    const int i = list.indexOf(from);
    if (i >= 0) {
        list[i] = to;
        writeProfileList(list);
    }
    if (isValidFileName(from)) QFile::rename(pathFor(from), pathFor(to));
    return {};
}

int deleteReplacement(const QStringList& list, int index, const QStringList& otherBindings) {
    const int n = list.size();
    if (n < 2 || index < 0 || index >= n) return -1;
    int candidate = index + 1 == n ? n - 2 : index + 1;
    while (candidate >= 0 && otherBindings.contains(list.at(candidate)))
        --candidate;
    if (candidate >= 0 && candidate != index) return candidate;
    // The downward search ran onto the deleted name or off the list.
    for (int i = 0; i < n; ++i)
        if (i != index && list.at(i) != list.at(index) && !otherBindings.contains(list.at(i)))
            return i;
    return -1;
}

Outcome checkRemovable(const QStringList& list, const QString& name) {
    if (isProtectedName(name))
        return {notice(
            QT_TRANSLATE_NOOP("MainWindow", "The default Profile cannot be deleted or renamed."))};
    if (!list.contains(name))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The profile does not exist."))};
    if (list.size() <= 1)
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "AT LEAST ONE PROFILE TO BE RETAINED."))};
    return {};
}

Outcome remove(QStringList& list, const QString& name, const QStringList& otherBindings,
               QString* replacement) {
    if (const Outcome refused = checkRemovable(list, name); !refused.ok()) return refused;
    const int index = list.indexOf(name);
    const int r = deleteReplacement(list, index, otherBindings);
    if (r < 0)
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "AT LEAST ONE PROFILE TO BE RETAINED."))};
    const QString next = list.at(r);
    list.removeAt(index);
    if (isValidFileName(name)) QFile::remove(pathFor(name));
    writeProfileList(list);
    if (replacement) *replacement = next;
    return {};
}

Outcome importFile(QStringList& list, const QString& sourcePath, const QString& product,
                   QString* name) {
    const Outcome damaged = {
        notice(QT_TRANSLATE_NOOP("MainWindow", "The file is damaged and was not loaded."))};
    if (!iniVariantsSafe(sourcePath)) return damaged;
    if (readProductTag(sourcePath) != product)
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The file is not match current mouse!"))};
    MouseProfile probe;
    if (!readProfile(probe, sourcePath)) return damaged;
    const QString base = QFileInfo(sourcePath).completeBaseName();
    if (!isValidFileName(base))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Invalid profile name."))};
    const QString target = pathFor(base);
    if (QFileInfo::exists(target))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Profile Exist!"))};
    ensureParentFolder(target);
    if (!QFile::copy(sourcePath, target))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The profile file could not be copied."))};
    list << base;
    writeProfileList(list);
    if (name) *name = base;
    return {};
}

bool ensureFile(const QString& name, const MouseProfile& live) {
    if (!isValidFileName(name)) return false;
    const QString path = pathFor(name);
    if (QFileInfo(path).isFile()) return true;
    if (QFileInfo::exists(path) || !ensureParentFolder(path)) return false;
    MouseProfile p = live;
    p.ProfileName = name;
    writeProfile(p, path);
    return QFileInfo(path).isFile();
}

Outcome exportFile(const QString& name, const QString& product, const QString& target) {
    if (!isValidFileName(name))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "Invalid profile name."))};
    const QString source = pathFor(name);
    if (!QFileInfo(source).isFile())
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The profile file could not be saved."))};
    writeProductTag(source, product);
    if (QFileInfo(source).absoluteFilePath() == QFileInfo(target).absoluteFilePath()) return {};
    if (!replaceWithCopy(source, target))
        return {notice(QT_TRANSLATE_NOOP("MainWindow", "The profile file could not be saved."))};
    return {};
}

} // namespace ProfileLibrary
