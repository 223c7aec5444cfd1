#include "macrorecorder.h"

#include "keycodes.h"

#include <QLoggingCategory>
#include <algorithm>
#include <climits>
#include <utility>

Q_LOGGING_CATEGORY(lcRecord, "mousecfg.macro.record", QtWarningMsg)

namespace {

// The step limit of the recording counts the delay that comes with a key.
constexpr int kLastRoomWithDelays = kMaxMacroSteps - 2;
constexpr int kLastRoomUndelayed = kMaxUndelayedSteps - 1;

int validUnit(int unit) {
    return unit > 0 ? unit : 10;
}

} // namespace

void MacroRecorder::start(uint8_t delayType, int unit, int defaultDelayMs) {
    m_recording = true;
    m_delayType = delayType <= 2 ? delayType : 0;
    m_unit = validUnit(unit);
    m_defaultDelayMs = defaultDelayMs;
    m_previousMs = -1;
    m_held.clear();
    m_clock.start();
}

void MacroRecorder::stop() {
    m_recording = false;
    m_previousMs = -1;
}

int MacroRecorder::heldIndex(uint8_t keyCode) const {
    const auto it = std::find(m_held.begin(), m_held.end(), keyCode);
    return it == m_held.end() ? -1 : int(it - m_held.begin());
}

MacroRecorder::Result MacroRecorder::keyEvent(quint32 scanCode, quint32 flags, int stepCount) {
    return keyEventAt(scanCode, flags, stepCount, m_clock.isValid() ? m_clock.elapsed() : 0);
}

MacroRecorder::Result MacroRecorder::keyEventAt(quint32 scanCode, quint32 flags, int stepCount,
                                                qint64 nowMs) {
    Result r;
    // Only the side and the direction tell keys apart: a held Alt must not
    // turn keypad 7 into Home, nor a released right Alt into the left one.
    const quint32 sideAndDirection = flags & (kHookExtended | kHookKeyUp);
    r.keyCode = keyCodeFromHook(scanCode, sideAndDirection);
    r.press = (flags & kHookKeyUp) == 0;
    const int held = heldIndex(r.keyCode);
    qCDebug(lcRecord, "key 0x%02x flags 0x%02x held at %d", r.keyCode, flags, held);

    if (!m_recording) return r;
    if (r.press && held >= 0) return r; // auto-repeat
    if (stepCount > kLastRoomWithDelays || (m_delayType == 0 && stepCount > kLastRoomUndelayed))
        return r;

    if (m_previousMs >= 0) {
        if (m_delayType == 1)
            r.steps[r.count++] = delayStep(recordedDelayMs(nowMs - m_previousMs, m_unit) / m_unit);
        else if (m_delayType == 2)
            r.steps[r.count++] = delayStep(delayCountFromMs(m_defaultDelayMs, m_unit));
    }
    uint8_t usage = 0;
    if (!keyCodeToUsage(r.keyCode, usage)) usage = 0;
    r.steps[r.count++] = keyStep(usage, r.press);

    if (r.press)
        m_held.push_back(r.keyCode);
    else if (held >= 0)
        m_held.erase(m_held.begin() + held);
    m_previousMs = nowMs;
    return r;
}

int recordedDelayMs(qint64 elapsedMs, int unit) {
    unit = validUnit(unit);
    const qint64 count = std::clamp<qint64>(elapsedMs / unit, 1, kMaxDelayCount);
    return int(std::min<qint64>(count * unit, INT_MAX));
}

bool allKeysReleased(const std::vector<MacroStep>& steps) {
    // A release that comes before its press (the key was down at START)
    // leaves the later press unreleased.
    std::vector<std::pair<uint8_t, uint8_t>> held; // kind, DataL
    for (const MacroStep& s : steps) {
        const uint8_t kind = stepKind(s);
        if (kind < kStepButton || kind > kStepKey) continue;
        const std::pair<uint8_t, uint8_t> id{kind, s.dataL};
        if (stepIsPress(s)) {
            held.push_back(id);
        } else {
            const auto it = std::find(held.begin(), held.end(), id);
            if (it != held.end()) held.erase(it);
        }
    }
    return held.empty();
}
