#include "profilewrite.h"

#include "commands.h"
#include "devicelog.h"
#include "devicetable.h"
#include "statuspollthread.h"

#include <QThread>
#include <atomic>
#include <buttonfunctions.h>
#include <defaults.h>
#include <filename.h>
#include <inifile.h>
#include <memory>
#include <paths.h>

namespace {
std::atomic<int> g_macroDelayMs{50};
// More steps than this can never fit into one image.
constexpr int kImageSteps = kMacroImageSize / 3;
} // namespace

void setMacroEncodeDelayMs(int ms) {
    g_macroDelayMs = ms;
}
int macroEncodeDelayMs() {
    return g_macroDelayMs.load();
}

uint8_t encodeMacroImages(const DeviceSettings& staged, MacroIndexMap macros, MacroImages& images) {
    for (MacroImage& img : images)
        img.fill(0);
    for (int index : macros) {
        if (index > kMaxMacroIndex) {
            qCDebug(lcDevice, "iIndex>=MAX_MACRO_NUMBER_560");
            return kResultMacroOverflow;
        }
    }
    for (const MouseProfile& p : staged.profiles) {
        for (const ButtonInfo& b : p.buttons) {
            if (b.Fun != kMacroCode && b.Fun != kGunFileCode) continue;
            // Every listed macro is encoded once; later buttons using one of
            // them (or any button once the map is empty) need nothing more.
            const auto it = macros.find(b.macroname);
            if (it == macros.end()) continue;
            const std::vector<MacroStep> steps = readMacroSteps(b.macroname, kImageSteps + 1);
            if (!encodeMacroImage(steps, images[size_t(it.value())])) {
                qCDebug(lcDevice) << "macro too long for the mouse:" << b.macroname;
                return kResultMacroOverflow;
            }
            QThread::msleep(unsigned(macroEncodeDelayMs()));
            macros.erase(it);
        }
    }
    return kResultOk;
}

uint8_t WriteMacroBlock(const MacroImages& images) {
    return sendPackets(macroPackets(images));
}

namespace {

uint8_t writeSequence(DeviceSettings& staged, int flags) {
    // The macros the button block will name are encoded before the write is
    // opened: a count or a macro the mouse cannot hold must fail with nothing
    // sent, not leave the mouse mid-write with buttons naming missing macros.
    MacroIndexMap macros;
    // What the mouse gets must keep a left click; the product's button count
    // decides which records go, so a damaged definition can leave none.
    if ((flags & ChangeButtons) &&
        !blockHasLeftClick(encodeButtonBlock(staged.current(), currentEncodeContext(), macros)))
        return kResultNoLeftClick;
    auto images = std::make_unique<MacroImages>();
    uint8_t r = encodeMacroImages(staged, macros, *images);
    if (r) return r;
    if ((r = BeginProfileWrite())) return r;
    if ((r = WriteSettingsBlock(staged))) return r;
    // The settings block has just made the current profile the mouse's
    // active one, so every per-profile block comes from that profile.
    if ((flags & ChangeButtons) && (r = WriteButtonBlock(staged, macros))) return r;
    if ((flags & ChangeDpi) && (r = WriteDpiBlock(staged, staged.currentProfile))) return r;
    if ((flags & ChangeLighting) && (r = WriteLightingBlock(staged))) return r;
    if (flags != 0 && (r = ApplyAllBlocks())) return r;
    if ((r = WriteMacroBlock(*images))) return r;
    return EndProfileWrite();
}

} // namespace

uint8_t ProfileWrite(const DeviceSettings& working, int flags, StatusThreadControl* status) {
    if (status) status->stop();
    auto staged = std::make_unique<DeviceSettings>(working);
    const uint8_t r = writeSequence(*staged, flags);
    // Polling resumes after any write, failed or not, while the mouse is open.
    if (status && commandHandleOpen()) status->start();
    return r;
}
