// The tool's `app-profile` command: the rules that switch profiles with the
// application in front, edited through the running window or in their file.
#pragma once

#include "clicommands.h"

#include <QString>
#include <QStringList>
#include <cstdio>

// Why the arguments after `app-profile` are wrong, or "" when they are fine.
QString appProfileUsageError(const QStringList& args);

int runAppProfileCommand(const CliOptions& options, FILE* out, FILE* err);
