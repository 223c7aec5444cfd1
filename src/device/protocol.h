// Byte layout of the 33-byte command reports and the command set's constants.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

constexpr int kReportSize = 33;
constexpr uint8_t kReportId = 0x05;
constexpr uint8_t kReportMarker = 0xFA;
constexpr uint8_t kChecksumXor = 0x66;

// Field positions inside a report.
constexpr int kPosId = 0;
constexpr int kPosChecksum = 1;
constexpr int kPosMarker = 2;
constexpr int kPosCommand = 3;
constexpr int kPosParam1 = 4; // block writes: offset of the chunk
constexpr int kPosParam2 = 5;
constexpr int kPosLength = 6; // data bytes the echo must repeat
constexpr int kPosOperation = 7;
constexpr int kPosData = 8;
constexpr int kMaxData = kReportSize - kPosData;
static_assert(kMaxData == 25, "a report carries at most 25 data bytes");

// Command codes.
constexpr uint8_t kCmdSettingsBlock = 0x01;
constexpr uint8_t kCmdDpiBlock = 0x02;
constexpr uint8_t kCmdButtonBlock = 0x03;
constexpr uint8_t kCmdLightingBlock = 0x04;
constexpr uint8_t kCmdMacroBlock = 0x05;
constexpr uint8_t kCmdApplyBlock = 0x40;
constexpr uint8_t kCmdSelectProfile = 0x44;
constexpr uint8_t kCmdProfileWrite = 0x46;
constexpr uint8_t kCmdStatusPoll = 0x48; // also the battery report's code
constexpr uint8_t kCmdStatusReport = 0x49;

// Block write operations.
constexpr uint8_t kOpFirstChunk = 0xD1;
constexpr uint8_t kOpFurtherChunk = 0xD2;
constexpr uint8_t kOpCommit = 0xD3;
constexpr uint8_t kCommitOffset = 0x7F;
constexpr uint8_t kCommitData = 0x1A;
constexpr uint16_t kMacroCommitOffset = 0x0FFF;
constexpr uint8_t kApplyParam = 0xF3;

// Block sizes.
constexpr int kSettingsBlockSize = 19;
constexpr int kDpiBlockSize = 1 + 5 * 8;
constexpr int kButtonRecordCount = 24;
constexpr int kButtonBlockSize = 2 + 4 * kButtonRecordCount + 4;
constexpr int kLightingRecordCount = 10;
constexpr int kLightingBlockSize = 8 * kLightingRecordCount;
constexpr int kMacroImageSize = 200;
constexpr int kMacroImageCount = 20;
constexpr int kMacroChunk = 20;
constexpr int kMaxMacroIndex = 11; // the mouse keeps twelve macros
static_assert(kButtonBlockSize == 102, "the button block is 102 bytes");
static_assert(kDpiBlockSize == 41, "the DPI block is 41 bytes");
static_assert(kMacroImageSize % kMacroChunk == 0, "macro images go out in whole chunks");

// Result codes of device operations.
constexpr uint8_t kResultOk = 0;
constexpr uint8_t kResultNoDevice = 1;
constexpr uint8_t kResultGaveUp = 2;
constexpr uint8_t kResultWriteFailed = 4;
constexpr uint8_t kResultMouseOff = 5;
constexpr uint8_t kResultMacroOverflow = 6; // too many macros, or one too long to store
constexpr uint8_t kResultNoLeftClick = 7;   // refused: the profile has no left click

struct CommandReport {
    std::array<uint8_t, kReportSize> bytes{};

    uint8_t& operator[](int i) { return bytes[size_t(i)]; }
    uint8_t operator[](int i) const { return bytes[size_t(i)]; }
    uint8_t command() const { return bytes[kPosCommand]; }
    bool operator==(const CommandReport& o) const { return bytes == o.bytes; }
};
static_assert(sizeof(CommandReport) == kReportSize, "a command report is 33 bytes");

inline void putLe16(uint8_t* p, uint16_t v) {
    p[0] = uint8_t(v & 0xFF);
    p[1] = uint8_t(v >> 8);
}
inline uint16_t getLe16(const uint8_t* p) {
    return uint16_t(p[0] | (p[1] << 8));
}

// (bytes 2..7 summed, modulo 256) xor 0x66.
uint8_t reportChecksum(const CommandReport& report);

// A report with the header filled in and `length` data bytes copied from `data`;
// byte 6 is `length`. The checksum is set as well.
CommandReport makeReport(uint8_t command, uint8_t param1, uint8_t param2, uint8_t operation,
                         const uint8_t* data = nullptr, int length = 0);

// The battery poll the status thread sends.
CommandReport statusPollReport();
