// The saved macros as a library: the 50-slot macro list of Config.ini and the
// file operations behind NEW, CHANGE NAME, DELETE, IMPORT, EXPORT and GUN SET.
#pragma once

#include <QStringList>
#include <vector>

struct DeviceSettings;

constexpr int kMacroSlots = 50;

// The 50 slots of "MACRO_LIST/0".."/49" (empty strings for free slots).
QStringList readMacroSlots();
// The names in use, in slot order (readMacroNames() of appconfig.h).
int macroCount();
// Writes `name` into the first free slot; false when none is free or the
// list could not be saved.
bool addToMacroList(const QString& name);
// Empties the first slot holding `name`; later slots keep their place.
bool removeFromMacroList(const QString& name);
// Writes `to` into every slot that holds `from`.
bool renameInMacroList(const QString& from, const QString& to);

// "name_N" with the smallest N from 1 whose file does not exist.
QString newMacroName();
// `typed`, or `typed` followed by "_2", "_3", ... while a file of that name exists.
QString uniqueMacroName(const QString& typed);

enum class MacroOp {
    Done,
    InvalidName, // the name cannot be a file name in MacroDB
    Exists,      // a macro of that name is already there
    Full,        // the list already names 50 macros
    Failed,      // the file could not be read or written
};

// Renames the macro `from` to `typed` (made unique) and its list slots; the
// new name in `renamed`. Renaming to the same name does nothing.
MacroOp renameMacro(const QString& from, const QString& typed, QString* renamed);
// Empties the slot of `name` and deletes its file.
MacroOp deleteMacro(const QString& name);
// Copies the macro file at `path` into MacroDB under its own base name and
// adds that name to the list; never overwrites a macro. The name in `imported`.
MacroOp importMacro(const QString& path, QString* imported);
// Copies the macro's file to `path` (replacing a file there, never through a
// symbolic link).
MacroOp exportMacro(const QString& name, const QString& path);

// A button assigned a macro: the profile (0-4) and the button record.
struct MacroUser {
    int profile;
    int record;
    bool operator==(const MacroUser& o) const { return profile == o.profile && record == o.record; }
};
// The buttons of the five profiles that are assigned the macro `name`, in
// profile and record order.
std::vector<MacroUser> macroUsers(const DeviceSettings& settings, const QString& name);
