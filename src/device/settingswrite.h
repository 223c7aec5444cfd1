// The one way the user's settings reach the mouse, for the window and the tool
// alike: check, compare, save with the unsent mark, write, verify, unmark.
#pragma once

#include <QString>
#include <cstdint>
#include <records.h>

class StatusThreadControl;

struct SettingsWriteOptions {
    // What the files hold after a write that did not go through (the mouse
    // off, or a block not verified); either way the unsent mark stays, so
    // the next write sends every block.
    enum class OnFailure {
        // The edited values stay saved and `sent` becomes them: the window
        // keeps showing what the user made and sends it whole next time.
        KeepEdited,
        // The files of `sent` are saved back, `sent` stays as it was: the
        // tool leaves the settings as they were before it ran.
        RestoreSent,
    };

    int target = -1;     // the on-mouse profile written; -1: the one in use
    int forcedFlags = 0; // ChangeBits sent whatever changed
    OnFailure onFailure = OnFailure::KeepEdited;
};

struct SettingsWriteResult {
    uint8_t result = 0;  // kResult*
    QString unsavedFile; // the settings file that could not be saved, "" when all were
};

// Writes `edited` over what `sent` holds (the copy last written). A profile
// without a left click is refused before anything is saved or sent. The
// blocks go to `target`, made the active profile for the write; the profile
// in use is selected again afterwards. `status`, when given, is stopped for
// the write and started again afterwards.
SettingsWriteResult writeSettingsToMouse(const DeviceSettings& edited, DeviceSettings& sent,
                                         const SettingsWriteOptions& options,
                                         StatusThreadControl* status);
