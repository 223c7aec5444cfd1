// Writing the user's settings to the mouse: the fixed block sequence and the
// macro transfer.
#pragma once

#include "encoders.h"

#include <QString>
#include <macrofile.h>
#include <records.h>
#include <vector>

class StatusThreadControl;

// Encodes the macros named in `macros` (filled by the button block) into
// `images`. Returns 6 when a macro index is past what the mouse keeps or a
// macro does not fit its image.
uint8_t encodeMacroImages(const DeviceSettings& staged, MacroIndexMap macros, MacroImages& images);

// Sends the images in use (nothing when none is).
uint8_t WriteMacroBlock(const MacroImages& images);

// The waits of the macro step; tests may shorten them.
void setMacroEncodeDelayMs(int ms);
int macroEncodeDelayMs();

// Writes the blocks named in `flags` (ChangeBits) from `working`. The status
// thread, when given, is stopped for the write and started again afterwards
// while a command handle is open.
uint8_t ProfileWrite(const DeviceSettings& working, int flags, StatusThreadControl* status);
