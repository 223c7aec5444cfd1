// Profile files (*.prof): one MouseProfile as INI text, and the same layout in
// the numbered groups of an exported settings file.
#pragma once

#include "records.h"

#include <QString>
#include <QVariant>
#include <functional>

constexpr int kProfileKeyCount = 8453;

// Calls `sink` once per key of a profile file in the order the writer writes
// them, with the key name after the group and the value. The exported layout
// leaves out LedMoveOFF and LedSleepTime.
void forEachProfileKey(const MouseProfile& profile, bool exportedLayout,
                       const std::function<void(const QString&, const QVariant&)>& sink);

// False when the values did not reach the file.
bool writeProfile(const MouseProfile& profile, const QString& path);
// Fields whose keys are absent get the file defaults. True only when the file
// is whole: every key present with a value its field can hold.
bool readProfile(MouseProfile& profile, const QString& path);
// What made a file not whole: the first key (after the group) at fault.
struct ProfileFault {
    QString key;
    QString what; // "is missing", "holds 'x', not a number from 0 to 255", ...
};
bool readProfile(MouseProfile& profile, const QString& path, ProfileFault* fault);

bool writeExportedProfile(int index, const MouseProfile& profile, const QString& path);
bool readExportedProfile(int index, MouseProfile& profile, const QString& path);

QString profilePathForName(const QString& name); // <profile folder>/<name>.prof

// Writes into the live-profile folder; refuses names that fail the file-name
// check and creates the folder when it is missing. False when nothing was written.
bool saveProfileByName(const MouseProfile& profile, const QString& name);

// Reads <profile folder>/<name>.prof. When no such file exists for a usable
// name, or when the file is not whole, the profile becomes a new default
// profile carrying that name, so a lost file never leaves the mouse without
// buttons. A damaged file is renamed "<file>.damaged" and a notice recorded.
void loadProfileByName(MouseProfile& profile, const QString& name);

// Reads the profile file at `path` (of the live folder or the library) for the
// profile `name`; a file that is not whole is renamed "<file>.damaged", a
// notice recorded, and the profile becomes a new default profile named `name`.
// False when that happened.
bool loadWholeProfile(MouseProfile& profile, const QString& path, const QString& name);

// The first "Profile N" with no "<name>.prof" in the product's profile folder.
QString newListEntryName(const QString& product);
