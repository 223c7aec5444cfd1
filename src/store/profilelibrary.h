// The library of named profile files of the current product and the rules of
// the profile commands that manage it (add, copy, rename, delete, import).
#pragma once

#include "records.h"

#include <QString>
#include <QStringList>

namespace ProfileLibrary {

// "Profile 1" ... "Profile 5": the names Reset All gives; never deleted or renamed.
bool isProtectedName(const QString& name);

QString folder();                     // Configs/<current product>/Profile/
QString pathFor(const QString& name); // folder() + name + ".prof"

// Result of a command: an empty message means it went through; otherwise the
// (untranslated) notice to show and nothing changed.
struct Outcome {
    QString message;
    bool ok() const { return message.isEmpty(); }
};

// Adds "Profile N" (first N without a file): copies the product's template, or
// writes a new default profile when the template is missing. Appends the name
// to `list` and writes the list. Returns the new name.
QString add(QStringList& list);

// "B copy", then "B copy 2", "B copy 3", ... : the first without a file.
QString copyTargetName(const QString& base);
// Copies B's file to copyTargetName(B), appends it to `list` and writes the list.
Outcome copy(QStringList& list, const QString& base, QString* newName);

// Moves `from`'s file to `to` and renames the list entry (when listed).
// `checkProtected`: the Enter variant refuses the default names.
Outcome rename(QStringList& list, const QString& from, const QString& to, bool checkProtected);

// The replacement chosen when list entry `index` is deleted: the next entry
// (the one before when it is the last), stepping lower past names bound to the
// other on-mouse profiles; when that search fails, the first name that is
// neither the deleted one nor bound elsewhere. -1 when there is none.
int deleteReplacement(const QStringList& list, int index, const QStringList& otherBindings);

// Whether `name` may be deleted from `list`: an empty message when it may,
// otherwise the notice saying why not. Asked before the user is.
Outcome checkRemovable(const QStringList& list, const QString& name);

// Checks and deletes `name` (list and file). On success `*replacement` is the
// name the current profile is bound to next.
Outcome remove(QStringList& list, const QString& name, const QStringList& otherBindings,
               QString* replacement);

// Imports a profile file of this product into the library under its own base
// name. On success `*name` is that name (appended to `list`, list written).
Outcome importFile(QStringList& list, const QString& sourcePath, const QString& product,
                   QString* name);

// Gives a bound name its library file when it has none (a fresh install binds
// names that were never saved to the library): the window's profile `live`
// is written there. False when the name is unusable or the write failed.
bool ensureFile(const QString& name, const MouseProfile& live);

// Writes "MouseName/Name" into the bound file and copies it to `target`,
// replacing a file there (the save dialog already asked).
Outcome exportFile(const QString& name, const QString& product, const QString& target);

} // namespace ProfileLibrary
