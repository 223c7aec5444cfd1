// Reading the steps of a saved macro.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One macro step as the mouse stores it.
struct MacroStep {
    uint8_t map = 0;
    uint8_t dataL = 0;
    uint8_t dataH = 0;
};

// Reads a macro file's steps ("Setting/Count" of them); a missing file, a
// damaged one or a name that is no plain file name gives no steps. At most
// `limit` steps are read.
std::vector<MacroStep> readMacroSteps(const QString& name, int limit = 1000);
