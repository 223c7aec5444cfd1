// What a button holds, in words: the labels of the window's button page and
// the tool's button list.
#pragma once

#include "records.h"

#include <QString>
#include <QStringList>
#include <cstdint>

// A stored combination as the combo key dialog holds it: for each modifier
// (Shift, Ctrl, Windows, Alt) 0 when unused, 1 for the left-hand, 2 for the
// right-hand key; and the other key's code (0 for none).
struct ComboKeys {
    uint8_t sides[4] = {};
    uint8_t key = 0;
};
// The keys of a combination record: a press and a release per key, so the
// first five steps name every key of the widest one.
ComboKeys comboKeysOf(const ButtonInfo& button);
// "Shift + Ctrl + Q": modifiers in the dialog's order, then the key by its
// name in the current key-name set.
QString comboKeysText(const ComboKeys& keys);

// What record `record` does, translated (the tool, which loads no
// translation, gets the English): the catalogue label; a single key, a
// combination and a rapid fire their keys and counts; a macro its name, or
// that it is missing when `macroNames` (the macro list) lacks it. "" for a
// code without a catalogue entry.
QString buttonDescription(const ButtonInfo& button, int record, const QStringList& macroNames);
