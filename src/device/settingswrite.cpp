#include "settingswrite.h"

#include "commands.h"
#include "linkstate.h"
#include "profilewrite.h"
#include "protocol.h"

#include <appconfig.h>
#include <defaults.h>
#include <memory>

SettingsWriteResult writeSettingsToMouse(const DeviceSettings& edited, DeviceSettings& sent,
                                         const SettingsWriteOptions& options,
                                         StatusThreadControl* status) {
    SettingsWriteResult out;
    const int target = options.target >= 0 ? options.target : edited.currentProfile;
    // A profile without a left click would leave the user no way to click
    // back into the window; it is neither saved nor sent.
    if (!hasLeftClick(edited.profiles[target])) {
        out.result = kResultNoLeftClick;
        return out;
    }
    // The mark of a write that did not go through asks for every block.
    int flags = compareSettings(edited, sent) | options.forcedFlags;
    if (readDiff() == 1) flags = ChangeGeneral | ChangeDpi | ChangeButtons | ChangeLighting;
    // Anything to send is marked as not yet sent in the very save that
    // stores it, so a stop at any later moment leaves it pending. A failed
    // save still goes to the mouse: mouse and files then differ only in the
    // file named to the user.
    saveSettings(edited, flags != 0, &out.unsavedFile);
    uint8_t r = mouseOffFlag() ? kResultMouseOff : kResultOk;
    if (r == kResultOk && flags != 0) {
        // The mouse writes into its active profile.
        auto staged = std::make_unique<DeviceSettings>(edited);
        staged->currentProfile = uint8_t(target);
        r = ProfileWrite(*staged, flags, status);
        if (r == kResultOk && target != edited.currentProfile) {
            r = TrySelectProfile(edited.currentProfile);
            if (r == kResultOk) r = ApplyAllBlocks();
        }
    }
    out.result = r;
    if (r == kResultOk) {
        if (flags != 0) writeDiff(0);
        sent = edited;
    } else if (options.onFailure == SettingsWriteOptions::OnFailure::RestoreSent) {
        saveSettings(sent, true);
    } else {
        sent = edited;
    }
    return out;
}
