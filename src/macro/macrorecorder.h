// Turns keyboard hook events into macro steps while a macro records.
#pragma once

#include "macrofile.h"

#include <QElapsedTimer>
#include <QtGlobal>
#include <cstdint>
#include <vector>

class MacroRecorder {
public:
    // delayType 0 none, 1 record the pauses, 2 insert the default delay;
    // `unit` is the delay unit in ms, `defaultDelayMs` the default-delay field.
    // Starts the clock afresh and forgets the keys held so far.
    void start(uint8_t delayType, int unit, int defaultDelayMs);
    void stop();
    bool recording() const { return m_recording; }

    // What one event adds to the step list: nothing, the key step, or a delay
    // step followed by the key step.
    struct Result {
        int count = 0;
        MacroStep steps[2];
        uint8_t keyCode = 0; // of the event, also when nothing is added
        bool press = false;
    };
    // One hook event (set-1 scan code and hook flags, as KeyboardHook reports
    // them); `stepCount` is the number of steps the list holds now.
    Result keyEvent(quint32 scanCode, quint32 flags, int stepCount);
    // The same at `nowMs` on the recorder's clock (ms since start()).
    Result keyEventAt(quint32 scanCode, quint32 flags, int stepCount, qint64 nowMs);

    // Where a key code stands in the list of keys held; -1 when it is not held.
    int heldIndex(uint8_t keyCode) const;

private:
    bool m_recording = false;
    uint8_t m_delayType = 0;
    int m_unit = 10;
    int m_defaultDelayMs = 0;
    QElapsedTimer m_clock;
    qint64 m_previousMs = -1; // -1: no key yet since start()
    std::vector<uint8_t> m_held;
};

// The pause recorded for `elapsedMs` between two keys: whole units, at least
// one unit, at most the longest delay a step holds.
int recordedDelayMs(qint64 elapsedMs, int unit);

// The check at the end of a recording: false when a key or button pressed in
// `steps` is not released by a later step.
bool allKeysReleased(const std::vector<MacroStep>& steps);
