// The program's one-byte key codes: display names, HID usages, and the
// conversion of keyboard hook events.
#pragma once

#include <QString>
#include <cstdint>

// The display name of a key code, from the French set when `french` is true;
// "" for a code without a name.
QString keyName(uint8_t code, bool french);
// The same, with the name set chosen by the current language (see language.h).
QString keyName(uint8_t code);

bool keyCodeToUsage(uint8_t code, uint8_t& usage);
bool usageToKeyCode(uint8_t usage, uint8_t& code);

// Hook flags as a Windows low-level keyboard hook reports them.
constexpr uint32_t kHookExtended = 0x01;
constexpr uint32_t kHookAltDown = 0x20;
constexpr uint32_t kHookKeyUp = 0x80;

uint8_t keyCodeFromHook(uint32_t scanCode, uint32_t flags);

// The tables, for callers that list keys.
struct KeyRow {
    uint8_t code;
    const char* name;   // UTF-8
    const char* french; // UTF-8; nullptr when the same as name
    int usage;          // -1 when the key has no HID usage
};
extern const KeyRow kKeyRows[107];
struct UsagePair {
    uint8_t code;
    uint8_t usage;
};
extern const UsagePair kUsagePairs[104];
