#include "encoders.h"

#include "linkstate.h"
#include "sensortables.h"

#include <algorithm>
#include <appconfig.h>
#include <buttonfunctions.h>
#include <cstring>
#include <keycodes.h>
#include <productdef.h>

EncodeContext currentEncodeContext() {
    EncodeContext ctx;
    ctx.sensor = readSensorModel();
    ctx.syncMode = syncMode();
    ctx.dpiStageCount = dpiStageCount();
    ctx.buttonCount = buttonCount();
    std::memcpy(ctx.slotMap, globalButtonSlotMap(), sizeof ctx.slotMap);
    ctx.scrollReverse = scrollReverse();
    ctx.batteryVariant = lastBatteryVariant();
    return ctx;
}

// ---- settings block ----

namespace {
// Lighting effect index -> lighting record index (effects 5-8 share record 5).
constexpr uint8_t kLedModeRecord[kLedModeCount] = {0, 1, 2, 3, 4, 5, 5, 5, 5, 5, 7, 6, 8, 9};
} // namespace

uint8_t deviceLedMode(uint8_t ledMode) {
    if (ledMode >= kLedModeCount) return 6;
    return uint8_t(kLedModeRecord[ledMode] + 1);
}

SettingsBlock encodeSettingsBlock(const DeviceSettings& s, int syncMode,
                                  const MouseProfile* lighting) {
    SettingsBlock b{};
    const MouseProfile& cur = s.current();
    const MouseProfile& light = lighting ? *lighting : cur;
    for (int p = 0; p < kProfileCount; ++p) {
        b[size_t(p)] = s.profiles[p].scrollspeed;
        b[size_t(11 + p)] = s.profiles[p].pollrate;
    }
    uint8_t flags = s.LiftHigh;
    if (syncMode != 0) {
        if (s.Sync) flags |= 0x80;
        if (s.AngleValue == 0) flags |= 0x40;
        if (s.Jitter == 0) flags |= 0x20;
    }
    b[5] = flags;
    b[6] = s.currentProfile;
    b[7] = light.LedMoveOFF;
    b[8] = light.LedSleepTime;
    b[9] = s.Debounce;
    b[10] = uint8_t(s.SensorMode | (s.Wake ? 0x80 : 0));
    b[16] = 0x1F;
    b[17] = cur.dpi;
    b[18] = deviceLedMode(light.LedMode);
    return b;
}

// ---- DPI block ----

namespace {

struct Encoded {
    uint8_t lo = 0;
    uint8_t hi = 0;
};

Encoded le16(uint32_t v) {
    return {uint8_t(v & 0xFF), uint8_t((v >> 8) & 0xFF)};
}

// Above the sensor's plain range the value is sent reduced by `bias` with the
// high bit of the high byte set.
Encoded flagged(uint32_t v, uint32_t bias) {
    const uint32_t w = v - bias;
    return {uint8_t(w & 0xFF), uint8_t(((w >> 8) & 0x7F) | 0x80)};
}

Encoded table(int number, long long index, uint8_t hi) {
    return {sensorTableValue(number, index), hi};
}

// One step value for the sensors whose X and Y encode alike.
Encoded encodeValue(uint32_t v, int sensor) {
    const long long a = v;
    switch (sensor) {
    case 3325:
    case 33252:
        if (a <= 50) return table(1, a, 0);
        if (a <= 75) return table(2, a - 51, 1);
        return table(2, a - 76, 2);
    case 3311:
    case 33112:
        if (a <= 120) return table(3, a, 0);
        return table(4, a - 121, 1);
    case 3370:
        if (a <= 200) return {uint8_t(a - 1), 0};
        return {uint8_t(a - 101), 1};
    case 3327:
        if (a <= 61) return table(5, a, 0);
        if (a <= 92) return table(6, a - 62, 1);
        return table(7, a - 93, 4);
    case 3360:
        if (a <= 120) return {uint8_t(a - 1), 0};
        return {uint8_t(a - 61), 1};
    case 3389:
        if (a <= 320) return le16(v);
        return flagged(v, 160);
    case 3212:
        if (a <= 63) return {uint8_t(a), 0};
        if (a <= 94) return {uint8_t(a - 32), 1};
        return {uint8_t(a - 63), 2};
    case 3104:
    case 31042:
        if (a <= 106) return {uint8_t(a), 0};
        return {uint8_t(a - 53), 1};
    case 3333:
        if (a <= 79) return table(8, a, 0);
        return table(9, a - 80, 1);
    case 3335:
    case 33352:
        if (a <= 160) return table(10, a, 0);
        return table(11, a - 161, 1);
    case 3395:
        return le16(v);
    default:
        return {};
    }
}

} // namespace

std::array<uint8_t, 4> encodeStageValues(uint32_t x, uint32_t y, int sensor, uint8_t variant) {
    Encoded ex;
    Encoded ey;
    switch (sensor) {
    case 3104:
    case 31042: // this sensor takes Y first
        ex = encodeValue(y, sensor);
        ey = encodeValue(x, sensor);
        break;
    case 3335:
    case 33352: // one resolution for both axes: X twice
        ex = ey = encodeValue(x, sensor);
        break;
    case 3395:
        if (variant == 8) {
            x = std::min<uint32_t>(x, 399);
            y = std::min<uint32_t>(y, 399);
        }
        ex = le16(x);
        ey = le16(y);
        break;
    case 33952:
        ex = x <= 519 ? le16(x) : flagged(x, 260);
        ey = y <= 520 ? le16(y) : flagged(y, 260);
        break;
    default:
        ex = encodeValue(x, sensor);
        ey = encodeValue(y, sensor);
        break;
    }
    return {ex.lo, ex.hi, ey.lo, ey.hi};
}

DpiBlock encodeDpiBlock(const MouseProfile& profile, int stageCount, int sensor, uint8_t variant) {
    DpiBlock b{};
    const int n = (stageCount >= 1 && stageCount <= kDpiStageCount) ? stageCount : kDpiStageCount;
    b[0] = uint8_t(n);
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStage& st = profile.stages[i];
        uint8_t* rec = b.data() + 1 + 5 * i;
        rec[0] = i < n ? st.used : 0;
        const auto xy = encodeStageValues(st.x, st.y, sensor, variant);
        std::copy(xy.begin(), xy.end(), rec + 1);
    }
    return b;
}

// ---- button block ----

namespace {

struct Shortcut {
    int fun;
    uint8_t modifiers; // 1 Ctrl, 2 Shift, 4 Alt, 8 Windows
    uint8_t usage;
};
constexpr Shortcut kShortcuts[] = {
    {17, 1, 0x1B}, {18, 1, 0x06}, {19, 1, 0x19}, {20, 1, 0x04}, {21, 1, 0x09},
    {22, 1, 0x11}, {23, 1, 0x13}, {24, 1, 0x16}, {25, 4, 0x2B}, {26, 4, 0x3D},
    {27, 8, 0x08}, {28, 8, 0x15}, {29, 8, 0x07}, {62, 8, 0x10}, {30, 8, 0x0F},
};

struct ConsumerKey {
    int fun;
    uint16_t usage;
};
constexpr ConsumerKey kConsumerKeys[] = {
    {31, 0x0223}, {32, 0x0224}, {33, 0x0225}, {34, 0x0226}, {35, 0x0227}, {36, 0x0221},
    {37, 0x022A}, {38, 0x018A}, {39, 0x00CD}, {40, 0x00B7}, {41, 0x00B6}, {42, 0x00B5},
    {43, 0x00E9}, {44, 0x00EA}, {45, 0x00E2}, {46, 0x0183},
};

// Functions whose record is a fixed 4 bytes.
struct FixedRecord {
    int fun;
    ButtonRecord record;
};
constexpr FixedRecord kFixedRecords[] = {
    {1, {0x81, 0, 0, 0}},  {2, {0x82, 0, 0, 0}},  {3, {0x83, 0, 0, 0}},  {4, {0x85, 0, 0, 0}},
    {5, {0x84, 0, 0, 0}},  {13, {0x30, 0, 0, 0}}, {49, {0x89, 0, 0, 0}}, {48, {0x8A, 0, 0, 0}},
    {52, {0x8B, 0, 0, 0}}, {53, {0x8C, 0, 0, 0}}, {47, {0x88, 0, 0, 0}}, {16, {0, 0, 0, 0}},
    {63, {0x97, 1, 0, 0}}, {50, {0x97, 0, 0, 0}}, {51, {0x98, 0, 0, 0}}, {59, {0x8D, 0, 0, 0}},
    {57, {0x94, 0, 0, 0}}, {58, {0x95, 0, 0, 0}}, {54, {0x9B, 8, 0, 0}}, {60, {0x9F, 0, 0, 0}},
    {61, {0xA0, 0, 0, 0}},
};

// Modifier bit of a HID keyboard usage (left and right alike), 0 for other keys.
uint8_t modifierBit(uint8_t usage) {
    switch (usage) {
    case 0xE0:
    case 0xE4:
        return 1; // Ctrl
    case 0xE1:
    case 0xE5:
        return 2; // Shift
    case 0xE2:
    case 0xE6:
        return 4; // Alt
    case 0xE3:
    case 0xE7:
        return 8; // Windows
    default:
        return 0;
    }
}

ButtonRecord comboRecord(const ButtonInfo& b) {
    int modifiers = 0;
    uint8_t usage = 0;
    for (const KeyInfo& k : b.KeyInfo) {
        if (k.map == 0) continue;
        const uint8_t bit = modifierBit(k.map);
        if (bit)
            modifiers += bit;
        else
            usage = k.map;
    }
    // Every key appears twice, as a press and as a release.
    return {0x8F, uint8_t(modifiers / 2), usage, 0};
}

uint8_t sniperValue(uint8_t res1, int sensor) {
    switch (sensor) {
    case 3104:
    case 3212:
    case 3389:
        return res1;
    case 3325:
        return sensorTableValue(1, res1);
    case 3327:
        return sensorTableValue(5, res1);
    case 3335:
        return sensorTableValue(10, res1);
    case 3360:
        return uint8_t(res1 - 1);
    default:
        return 4;
    }
}

ButtonRecord macroRecord(ButtonInfo& b, MacroIndexMap& macros) {
    auto it = macros.find(b.macroname);
    if (it == macros.end()) it = macros.insert(b.macroname, macros.size());
    const uint8_t index = uint8_t(it.value());
    b.Res4 = index;
    const uint8_t type = b.Fun == kGunFileCode ? 0x9D : 0x91;
    switch (b.Res1) {
    case 1:
        return {type, uint8_t(index | 0x80), 0xFF, 0xFF};
    case 2:
        return {type, uint8_t(index | 0x40), 0xFF, 0xFF};
    default: // loop a counted number of times
        return {type, index, uint8_t(b.LoopNumber & 0xFF), uint8_t((b.LoopNumber >> 8) & 0xFF)};
    }
}

} // namespace

ButtonRecord encodeButton(ButtonInfo& b, int sensor, MacroIndexMap& macros) {
    for (const FixedRecord& f : kFixedRecords)
        if (f.fun == b.Fun) return f.record;
    for (const Shortcut& s : kShortcuts)
        if (s.fun == b.Fun) return {0x8F, s.modifiers, s.usage, 0};
    for (const ConsumerKey& c : kConsumerKeys)
        if (c.fun == b.Fun) return {0x8E, 1, uint8_t(c.usage & 0xFF), uint8_t(c.usage >> 8)};
    switch (b.Fun) {
    case kSingleKeyCode: {
        uint8_t usage = 0;
        if (!keyCodeToUsage(b.Res1, usage)) usage = 0;
        return {0x90, 0, usage, 0};
    }
    case kComboKeyCode:
        return comboRecord(b);
    case kFireKeyCode:
        if (b.Res1 == 0) return {0x99, 0x81, 3, 0};
        return {0x99, b.Res1, uint8_t(b.LoopNumber & 0xFF), uint8_t((b.KeyNumber / 10) & 0xFF)};
    case kSniperCode: {
        const uint8_t e = sniperValue(b.Res1, sensor);
        return {0x9A, 1, e, e};
    }
    case kMacroCode:
    case kGunFileCode:
        return macroRecord(b, macros);
    default:
        return {0, 0, 0, 0};
    }
}

ButtonBlock encodeButtonBlock(MouseProfile& profile, const EncodeContext& ctx,
                              MacroIndexMap& macros) {
    ButtonBlock b{};
    b[0] = 0x0A;
    b[1] = 0x00;
    auto put = [&b](int slot, const ButtonRecord& r) {
        if (slot < 0 || slot >= kButtonRecordCount) return; // a slot the block does not have
        std::copy(r.begin(), r.end(), b.begin() + 2 + 4 * slot);
    };
    const int count = std::clamp(ctx.buttonCount, 0, kProductButtonCount);
    for (int i = 0; i < count; ++i)
        put(ctx.slotMap[i], encodeButton(profile.buttons[i], ctx.sensor, macros));
    const ButtonRecord up = encodeButton(profile.buttons[kWheelUpEntry], ctx.sensor, macros);
    const ButtonRecord down = encodeButton(profile.buttons[kWheelDownEntry], ctx.sensor, macros);
    const bool reverse = ctx.scrollReverse == 1;
    put(reverse ? 23 : 22, up);
    put(reverse ? 22 : 23, down);
    std::fill(b.begin() + 98, b.end(), 0xFF);
    return b;
}

bool blockHasLeftClick(const ButtonBlock& block) {
    const ButtonRecord& left = kFixedRecords[0].record;
    static_assert(kFixedRecords[0].fun == kFunLeftClick);
    for (int slot = 0; slot < kButtonRecordCount; ++slot)
        if (std::equal(left.begin(), left.end(), block.begin() + 2 + 4 * slot)) return true;
    return false;
}

// ---- lighting block ----

LightingBlock encodeLightingBlock(const MouseProfile& p) {
    LightingBlock b{};
    auto led = [&p](int e) -> const LedModeInfo& { return p.ledModes[e]; };
    auto c8 = [](uint32_t v) { return uint8_t(v & 0xFF); };
    auto rgb = [&](int e) {
        const QColor& c = led(e).RGB;
        return std::array<uint8_t, 3>{uint8_t(c.red()), uint8_t(c.green()), uint8_t(c.blue())};
    };
    const auto c1 = rgb(1);
    const auto c2 = rgb(2);
    const std::array<std::array<uint8_t, 8>, kLightingRecordCount> records = {{
        {0x80, 0, 0, 0, 0, 0, 0, 0},
        {0x80, c1[0], c1[1], c1[2], 0x01, 0x00, 0x02, c8(led(1).bright)},
        {0x80, c2[0], c2[1], c2[2], 0x01, c8(led(2).breath), 0x04, 0x03},
        {0x80, 0, 0, 0, 0x01, c8(led(3).breath), 0x01, 0x03},
        {0x80, 0, 0, 0, 0x01, c8(led(4).breath), 0x08, c8(led(4).bright)},
        {0x80, 0, 0, 0, 0x05, c8(led(9).breath), 0x01, c8(led(9).bright)},
        {0x80, 0, 0, 0, 0x07, 0x00, 0x00, c8(led(11).bright)},
        {0x80, 0, 0, 0, 0x06, c8(led(10).breath), 0x00, c8(led(10).bright)},
        {0x80, 0, 0, 0, 0x08, c8(led(12).breath), 0x00, c8(led(12).bright)},
        {0x80, 0, 0, 0, 0x09, c8(led(13).breath), 0x00, c8(led(13).bright)},
    }};
    for (int k = 0; k < kLightingRecordCount; ++k)
        std::copy(records[size_t(k)].begin(), records[size_t(k)].end(), b.begin() + 8 * k);
    return b;
}

// ---- packets ----

std::vector<CommandReport> blockPackets(uint8_t command, const uint8_t* block,
                                        const std::vector<Chunk>& chunks) {
    std::vector<CommandReport> out;
    bool first = true;
    for (const Chunk& c : chunks) {
        out.push_back(makeReport(command, uint8_t(c.offset), 0,
                                 first ? kOpFirstChunk : kOpFurtherChunk, block + c.offset,
                                 c.length));
        first = false;
    }
    out.push_back(commitPacket(command));
    return out;
}

CommandReport commitPacket(uint8_t command) {
    const uint8_t data = kCommitData;
    if (command == kCmdMacroBlock)
        return makeReport(command, kMacroCommitOffset & 0xFF, kMacroCommitOffset >> 8, kOpCommit,
                          &data, 1);
    return makeReport(command, kCommitOffset, 0, kOpCommit, &data, 1);
}

std::vector<CommandReport> settingsPackets(const SettingsBlock& b) {
    return blockPackets(kCmdSettingsBlock, b.data(), {{0, kSettingsBlockSize}});
}

std::vector<CommandReport> dpiPackets(const DpiBlock& b) {
    std::vector<Chunk> chunks{{0, 1}};
    for (int i = 0; i < kDpiStageCount; ++i)
        chunks.push_back({1 + 5 * i, 5});
    return blockPackets(kCmdDpiBlock, b.data(), chunks);
}

std::vector<CommandReport> buttonPackets(const ButtonBlock& b) {
    return blockPackets(kCmdButtonBlock, b.data(),
                        {{0, 2}, {2, 24}, {26, 24}, {50, 24}, {74, 24}, {98, 4}});
}

std::vector<CommandReport> lightingPackets(const LightingBlock& b) {
    return blockPackets(kCmdLightingBlock, b.data(), {{0, 24}, {24, 24}, {48, 24}, {72, 8}});
}

CommandReport applyBlockReport(uint8_t blockBit) {
    return makeReport(kCmdApplyBlock, kApplyParam, blockBit, 0);
}

CommandReport profileWriteReport(bool end) {
    return makeReport(kCmdProfileWrite, end ? 1 : 0, 0, 0);
}

CommandReport selectProfileReport(uint8_t profile) {
    return makeReport(kCmdSelectProfile, profile, 0, 0);
}

// ---- macros ----

int macroImageBytes(const std::vector<MacroStep>& steps) {
    const int n = int(steps.size());
    const bool hasDelays =
        std::any_of(steps.begin(), steps.end(), [](const MacroStep& s) { return s.map == 6; });
    if (hasDelays) return 3 * n;
    return 3 * (n + n / 4 + 2);
}

bool encodeMacroImage(const std::vector<MacroStep>& steps, MacroImage& image) {
    image.fill(0);
    if (macroImageBytes(steps) > kMacroImageSize) return false;
    const bool hasDelays =
        std::any_of(steps.begin(), steps.end(), [](const MacroStep& s) { return s.map == 6; });
    size_t pos = 0;
    auto put = [&](const MacroStep& s) {
        image[pos++] = s.map;
        image[pos++] = s.dataL;
        image[pos++] = s.dataH;
    };
    // Without delays of its own the macro gets the shortest delay after
    // every four steps and at its end, followed by an empty step.
    const MacroStep pause{6, 1, 0};
    for (size_t i = 0; i < steps.size(); ++i) {
        put(steps[i]);
        if (!hasDelays && i % 4 == 3) put(pause);
    }
    if (!hasDelays) put(pause); // the empty step after it is already zero
    return true;
}

std::vector<CommandReport> macroPackets(const MacroImages& images) {
    std::vector<CommandReport> out;
    for (int i = 0; i < kMacroImageCount; ++i) {
        const MacroImage& img = images[size_t(i)];
        if (std::all_of(img.begin(), img.begin() + 5, [](uint8_t v) { return v == 0; })) continue;
        for (int j = 0; j < kMacroImageSize / kMacroChunk; ++j) {
            const uint16_t offset = uint16_t(kMacroImageSize * i + kMacroChunk * j);
            const uint8_t op = (i == 0 && j == 0) ? kOpFirstChunk : kOpFurtherChunk;
            out.push_back(makeReport(kCmdMacroBlock, uint8_t(offset & 0xFF), uint8_t(offset >> 8),
                                     op, img.data() + kMacroChunk * j, kMacroChunk));
        }
    }
    if (!out.empty()) out.push_back(commitPacket(kCmdMacroBlock));
    return out;
}
