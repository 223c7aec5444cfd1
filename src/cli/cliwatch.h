// The command-line tool's `watch`: one line per change of the mouse until
// SIGINT or SIGTERM, for status bars and scripts that follow it.
#pragma once

#include "clicommands.h"

// Runs until interrupted (exit 0); leaves early only when the product data
// cannot be read or the mouse's nodes are refused.
int runWatch(const CliOptions& options, FILE* out, FILE* err);
