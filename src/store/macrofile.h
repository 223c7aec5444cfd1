// Macros: the step encoding, the macro files in MacroDB and their reading rules.
#pragma once

#include <QString>
#include <cstdint>
#include <vector>

// One macro step as the mouse stores it.
struct MacroStep {
    uint8_t map = 0;
    uint8_t dataL = 0;
    uint8_t dataH = 0;
    bool operator==(const MacroStep& o) const {
        return map == o.map && dataL == o.dataL && dataH == o.dataH;
    }
};

// Step kinds are the low seven bits of `map`; bit 7 marks a press.
constexpr uint8_t kStepPress = 0x80;
constexpr uint8_t kStepButton = 0x01;
constexpr uint8_t kStepMove = 0x02;
constexpr uint8_t kStepKey = 0x04;
constexpr uint8_t kStepDelay = 0x06;

// What a button holds, and what a recording without delays keeps.
constexpr int kMaxMacroSteps = 63;
constexpr int kMaxUndelayedSteps = 40;
// Longest delay in units of the delay unit (two bytes).
constexpr int kMaxDelayCount = 65535;
// Move distances the editor accepts.
constexpr int kMaxMoveDistance = 120;
// More steps than any file the program writes; bounds what a damaged file costs.
constexpr int kMaxFileSteps = 1000;

inline uint8_t stepKind(const MacroStep& s) {
    return s.map & 0x7F;
}
inline bool stepIsPress(const MacroStep& s) {
    return (s.map & kStepPress) != 0;
}

MacroStep keyStep(uint8_t usage, bool press);
// `bit` is one of the button bits below.
MacroStep buttonStep(uint8_t bit, bool press);

// The editor lists the buttons as LEFT, MIDDLE, RIGHT, FORWARD, BACKWARD; the
// mouse knows them by bit.
uint8_t buttonBitFromIndex(int index); // 0..4 -> 1, 4, 2, 8, 16
int buttonIndexFromBit(uint8_t bit);   // unknown bits -> 0
bool isButtonBit(uint8_t bit);

// In the editor's order: MOVE LEFT, MOVE RIGHT, MOVE UP, MOVE DOWN.
enum class MoveDirection { Left, Right, Up, Down };
inline MoveDirection moveDirectionAt(int index) {
    return MoveDirection(index < 0 ? 0 : index > 3 ? 3 : index);
}
// A move along one axis; the distance is a signed byte on the wire.
MacroStep moveStep(MoveDirection direction, int distance);
MoveDirection moveDirection(const MacroStep& step);
int moveDistance(const MacroStep& step);

// A delay of `count` units, clamped to what two bytes hold.
MacroStep delayStep(int count);
int delayCount(const MacroStep& step);
// Milliseconds to units (integer division), clamped to two bytes.
int delayCountFromMs(int ms, int unit);
// The longest delay a step can hold, in milliseconds.
int maxDelayMs(int unit);
// What a delay of `ms` becomes once stored: whole units, at most maxDelayMs().
int storedDelayMs(int ms, int unit);

// The macro as the editor shows it. The two number fields are kept as the
// text the file gives them, so that a missing file shows empty fields.
struct MacroFile {
    QString name;
    std::vector<MacroStep> steps;
    QString defaultDelay;
    uint8_t delayType = 0; // 0 none, 1 record the pauses, 2 insert the default delay
    int loopType = 0;      // 0 none, 1 loop count, 2 while held, 3 until pressed again
    QString loopTime;
};

// Reads a macro into the editor: steps the editor cannot show are dropped,
// moves come back as one-axis moves. A missing or unreadable file, or a name
// that is no plain file name, reads as an empty macro.
MacroFile readMacroFile(const QString& name);
// The editor settings and steps as they are stored, in file order; only the
// first `limit` steps are read (a damaged count costs nothing).
std::vector<MacroStep> readMacroSteps(const QString& name, int limit = kMaxFileSteps);

// Writes `macro` to its file in MacroDB: the settings, the steps interleaved
// per step, and "Setting/WriteSign"=1 when `markChanged` (the next upload
// then sends the buttons that use it again). Atomic; false when the file
// could not be written or the name is no plain file name.
bool writeMacroFile(const MacroFile& macro, bool markChanged = true);
// The exact text writeMacroFile puts into the file at `path`.
QByteArray macroFileText(const MacroFile& macro, const QString& path, bool markChanged);
