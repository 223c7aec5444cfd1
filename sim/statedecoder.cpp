#include "statedecoder.h"

#include <cstdarg>
#include <cstdio>
#include <iterator>

namespace vm {

namespace {

std::string format(const char* fmt, ...) __attribute__((format(printf, 1, 2)));
std::string format(const char* fmt, ...) {
    char buffer[512];
    va_list args;
    va_start(args, fmt);
    std::vsnprintf(buffer, sizeof buffer, fmt, args);
    va_end(args);
    return buffer;
}

std::string hexBytes(const std::vector<uint8_t>& data, size_t from, size_t count) {
    std::string text;
    for (size_t i = from; i < from + count; ++i) {
        if (!text.empty()) text += ' ';
        text += format("%02x", i < data.size() ? data[i] : 0);
    }
    return text;
}

uint8_t at(const std::vector<uint8_t>& data, size_t i) {
    return i < data.size() ? data[i] : 0;
}

constexpr const char* kNever = "    (never written)\n";

// What the first byte of a button record makes the button do.
struct ButtonType {
    uint8_t type;
    const char* meaning;
};
constexpr ButtonType kButtonTypes[] = {
    {0x00, "off"},
    {0x30, "function 0x30"},
    {0x81, "left button"},
    {0x82, "right button"},
    {0x83, "middle button"},
    {0x84, "back button"},
    {0x85, "forward button"},
    {0x88, "function 0x88"},
    {0x89, "function 0x89"},
    {0x8A, "function 0x8a"},
    {0x8B, "function 0x8b"},
    {0x8C, "function 0x8c"},
    {0x8D, "function 0x8d"},
    {0x8E, "media key"},
    {0x8F, "key with modifiers"},
    {0x90, "key"},
    {0x91, "macro"},
    {0x94, "function 0x94"},
    {0x95, "function 0x95"},
    {0x97, "function 0x97"},
    {0x98, "function 0x98"},
    {0x99, "fire key"},
    {0x9A, "sniper"},
    {0x9B, "function 0x9b"},
    {0x9D, "gun file"},
    {0x9F, "function 0x9f"},
    {0xA0, "function 0xa0"},
};

const char* buttonMeaning(uint8_t type) {
    for (const ButtonType& t : kButtonTypes)
        if (t.type == type) return t.meaning;
    return "unknown";
}

// Report-rate codes as the host writes them.
const char* rateText(int code) {
    switch (code) {
    case 1:
        return "1000 Hz";
    case 2:
        return "500 Hz";
    case 4:
        return "250 Hz";
    case 8:
        return "125 Hz";
    default:
        return "unknown rate";
    }
}

// The lighting records as the mouse reads them: which effects each serves
// (the host sends effects 5 to 9 through one record) and which of the colour
// (bytes 1-3), speed (byte 5) and brightness (byte 7) it carries.
struct LightingRecord {
    const char* effects;
    bool colour;
    bool speed;
    bool brightness;
};
constexpr LightingRecord kLightingRecords[] = {
    {"OFF", false, false, false},
    {"FULL LIGHTED", true, false, true},
    {"BREATHING", true, true, false},
    {"7 COLOR BREATHING", false, true, false},
    {"RAINBOW", false, true, true},
    {"FLASH / Horizontal WAVE / Horizontal GO WITHOUT TRACE / Raindrop / WAVE", false, true, true},
    {"REACTIVE", false, false, true},
    {"GO WITHOUT TRACE", false, true, true},
    {"yo-yo", false, true, true},
    {"Marbles", false, true, true},
};
constexpr int kLightingRecordCount = int(std::size(kLightingRecords));
constexpr size_t kLightingRecordSize = 8;

// The settings block names records from 1; anything else selects none.
const char* lightingModeName(int mode) {
    return mode >= 1 && mode <= kLightingRecordCount ? kLightingRecords[mode - 1].effects
                                                     : "no such record";
}

} // namespace

std::string describeSettingsBlock(const std::vector<uint8_t>& b) {
    if (b.empty()) return kNever;
    std::string t;
    t += "    scroll speeds: " + hexBytes(b, 0, 5) + "\n";
    const uint8_t flags = at(b, 5);
    t += format("    sensor flags: %02x (lift %d%s%s%s)\n", flags, flags & 0x1F,
                flags & 0x80 ? ", motion sync" : "", flags & 0x40 ? ", angle snapping off" : "",
                flags & 0x20 ? ", jitter filter off" : "");
    t += format("    current profile: %d\n", at(b, 6));
    t += format("    light off when moving: %d, light sleep time: %d\n", at(b, 7), at(b, 8));
    t += format("    key response: %d\n", at(b, 9));
    t += format("    sensor mode: %d, motion wake: %s\n", at(b, 10) & 0x7F,
                at(b, 10) & 0x80 ? "on" : "off");
    t += "    report rates:";
    for (size_t i = 11; i < 16; ++i)
        t += format(" %d (%s)", at(b, i), rateText(at(b, i)));
    t += "\n";
    t += format("    marker: %02x, DPI stage: %d, lighting mode: %d (%s)\n", at(b, 16), at(b, 17),
                at(b, 18), lightingModeName(at(b, 18)));
    return t;
}

std::string describeDpiBlock(const std::vector<uint8_t>& b) {
    if (b.empty()) return kNever;
    std::string t = format("    stage count: %d\n", at(b, 0));
    for (int i = 0; i < 8; ++i) {
        const size_t o = 1 + 5 * size_t(i);
        t += format("    stage %d: used %d, x %02x %02x (%d), y %02x %02x (%d)\n", i, at(b, o),
                    at(b, o + 1), at(b, o + 2), at(b, o + 1) | at(b, o + 2) << 8, at(b, o + 3),
                    at(b, o + 4), at(b, o + 3) | at(b, o + 4) << 8);
    }
    return t;
}

std::string describeButtonBlock(const std::vector<uint8_t>& b) {
    if (b.empty()) return kNever;
    std::string t = "    header: " + hexBytes(b, 0, 2) + "\n";
    for (int s = 0; s < 24; ++s) {
        const size_t o = 2 + 4 * size_t(s);
        const char* note = s == 22 ? ", wheel up" : s == 23 ? ", wheel down" : "";
        t += format("    slot %2d: %s (%s%s)\n", s, hexBytes(b, o, 4).c_str(),
                    buttonMeaning(at(b, o)), note);
    }
    t += "    trailer: " + hexBytes(b, 98, 4) + "\n";
    return t;
}

std::string describeLightingBlock(const std::vector<uint8_t>& b) {
    return describeLightingBlock(b, 0);
}

std::string describeLightingBlock(const std::vector<uint8_t>& b, int currentMode) {
    if (b.empty()) return kNever;
    std::string t;
    for (int r = 0; r < kLightingRecordCount; ++r) {
        const LightingRecord& rec = kLightingRecords[r];
        const size_t o = kLightingRecordSize * size_t(r);
        t += format("    mode %d: %s\n", r + 1, hexBytes(b, o, kLightingRecordSize).c_str());
        std::string fields;
        if (rec.colour)
            fields += format(", colour #%02x%02x%02x", at(b, o + 1), at(b, o + 2), at(b, o + 3));
        if (rec.brightness) fields += format(", brightness %d", at(b, o + 7));
        if (rec.speed) fields += format(", speed %d", at(b, o + 5));
        if (!fields.empty()) fields[0] = ':';
        t += format("      %s%s%s\n", rec.effects, fields.c_str(),
                    r + 1 == currentMode ? " (current)" : "");
    }
    return t;
}

std::string describeMacroBlock(const std::vector<uint8_t>& b) {
    if (b.empty()) return kNever;
    std::string t;
    for (int i = 0; i < kMacroImageCount; ++i) {
        const size_t base = size_t(i) * kMacroImageSize;
        if (base >= b.size()) break;
        bool any = false;
        for (size_t k = base; k < base + kMacroImageSize && k < b.size(); ++k)
            any = any || b[k] != 0;
        if (!any) continue;
        // Steps of three bytes up to the first all-zero step.
        std::string steps;
        int count = 0;
        for (size_t k = base; k + 2 < base + kMacroImageSize; k += 3) {
            if (at(b, k) == 0 && at(b, k + 1) == 0 && at(b, k + 2) == 0) break;
            steps += (count ? ", " : "") + hexBytes(b, k, 3);
            ++count;
        }
        t += format("    macro %d: %d steps: %s\n", i, count, steps.c_str());
    }
    return t.empty() ? "    (no macros)\n" : t;
}

std::string describeMouse(const MouseSnapshot& s) {
    std::string t;
    t += format("receiver: %s\n", s.receiverPlugged ? "plugged" : "unplugged");
    t += format("cable: %s\n", s.cablePlugged ? "plugged" : "unplugged");
    t += format("mouse: %s\n", s.asleep ? "asleep" : "awake");
    t += format("battery: raw %d (%d mV), %s, write status %d, variant %d\n", s.batteryRaw,
                s.batteryRaw * 33 / 8, s.charging ? "charging" : "not charging", s.writeStatus,
                s.variant);
    t += format("active profile: %d\n", s.activeProfile);
    using Describe = std::string (*)(const std::vector<uint8_t>&);
    static constexpr struct {
        const char* title;
        Describe describe;
    } kSections[kBlockCount] = {
        {"settings", describeSettingsBlock}, {"DPI stages", describeDpiBlock},
        {"buttons", describeButtonBlock},    {"lighting", describeLightingBlock},
        {"macros", describeMacroBlock},
    };
    for (int p = 0; p < 5; ++p) {
        t += format("profile %d%s: DPI stage %d, report rate %d (%s)\n", p,
                    p == s.activeProfile ? " (active)" : "", s.dpiStage[p], s.rate[p],
                    rateText(s.rate[p]));
        const std::vector<uint8_t>& settings = s.profiles[p].blocks[kCmdSettings - 1];
        for (int k = 0; k < kBlockCount; ++k) {
            t += format("  %s:\n", kSections[k].title);
            // The lighting mode in use is kept with the settings.
            t += k == kCmdLighting - 1
                     ? describeLightingBlock(s.profiles[p].blocks[k],
                                             settings.empty() ? 0 : at(settings, 18))
                     : kSections[k].describe(s.profiles[p].blocks[k]);
        }
    }
    return t;
}

} // namespace vm
