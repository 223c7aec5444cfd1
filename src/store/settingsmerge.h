// Two writers of one settings folder: the window's unsent edits and what
// another writer (the command-line tool) saved meanwhile, taken together.
#pragma once

#include "records.h"

#include <vector>

// A value both writers changed; the one saved in the files was kept.
struct MergeClash {
    // English, with %1 the profile and %2 the stage or button number where
    // they apply; translated in the "SettingsMerge" context.
    const char* what;
    int profile = 0; // 1-based, 0 for the options shared by all profiles
    int index = 0;   // 1-based
};

// Takes into `mine` every value that differs between `base` (what both
// started from) and `theirs` (what the files hold now); the values only
// `mine` changed stay as they are. Returns the values both changed, where
// `theirs` won.
std::vector<MergeClash> mergeSavedChanges(const DeviceSettings& base, const DeviceSettings& theirs,
                                          DeviceSettings& mine);

// Whether the mouse may not hold what `edited` shows: it differs from what
// was last sent, or the files are marked as not sent yet.
bool settingsUnsent(const DeviceSettings& edited, const DeviceSettings& sent, bool markedUnsent);
