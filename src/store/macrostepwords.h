// The words for macro steps: what the macro page's step list shows and the
// tool's "macro show" prints.
#pragma once

#include "macrofile.h"

#include <QString>

// One step in words, translated (English where no translation is loaded).
// Empty strings for what the step has not; a step the list cannot show (an
// unknown kind, button bit or key) has no name.
struct MacroStepWords {
    QString name;  // key name, "LEFT CLICK" ..., "MOVE LEFT" ... or "DELAY"
    QString state; // "Press", "Release", or a move's distance
    QString delay; // a delay step's milliseconds
};

// `unitMs` is the product's smallest delay (minDelay()); a delay step lasts
// its count times that. A unit of 0 or less counts as 10 ms.
MacroStepWords macroStepWords(const MacroStep& step, int unitMs);
// The same as one line: "R Press", "MOVE UP 5", "DELAY 120 ms"; a step
// without a name shows its three bytes.
QString macroStepLine(const MacroStep& step, int unitMs);

// "LEFT CLICK" ... "BACKWARD" for a button bit, "" for any other byte.
QString buttonStepName(uint8_t bit);
QString moveStepName(MoveDirection direction);
