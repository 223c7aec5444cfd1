// The one check for names that become file names (profiles, macros).
#pragma once

#include <QString>

constexpr int kMaxFileNameLength = 100;

// True when `name` can safely become a file name in one of the program's
// folders: non-empty after trimming, at most 100 characters, not "." or "..",
// and free of path separators, control characters and <>:"|?*.
bool isValidFileName(const QString& name);
