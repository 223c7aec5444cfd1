// Byte layout of the mouse's 33-byte command reports, as the device side sees it.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace vm {

constexpr size_t kReportSize = 33;
using Report = std::array<uint8_t, kReportSize>;
static_assert(sizeof(Report) == kReportSize, "a command report is 33 bytes");

constexpr uint8_t kCommandReportId = 0x05;
constexpr uint8_t kMotionReportId = 0x01;
constexpr uint8_t kMarker = 0xFA;
constexpr uint8_t kChecksumXor = 0x66;

// Field positions.
constexpr int kPosId = 0;
constexpr int kPosChecksum = 1;
constexpr int kPosMarker = 2;
constexpr int kPosCommand = 3;
constexpr int kPosParam1 = 4;
constexpr int kPosParam2 = 5;
constexpr int kPosLength = 6;
constexpr int kPosOperation = 7;
constexpr int kPosData = 8;
constexpr int kMaxChunk = int(kReportSize) - kPosData; // 25

// Command codes.
constexpr uint8_t kCmdSettings = 0x01;
constexpr uint8_t kCmdDpi = 0x02;
constexpr uint8_t kCmdButtons = 0x03;
constexpr uint8_t kCmdLighting = 0x04;
constexpr uint8_t kCmdMacro = 0x05;
constexpr uint8_t kCmdApply = 0x40;
constexpr uint8_t kCmdSelectProfile = 0x44;
constexpr uint8_t kCmdBeginEnd = 0x46;
constexpr uint8_t kCmdPoll = 0x48;
constexpr uint8_t kCmdStatus = 0x49;
constexpr uint8_t kApplyMarker = 0xF3; // first parameter of the apply command

// Block write operations.
constexpr uint8_t kOpFirst = 0xD1;
constexpr uint8_t kOpFurther = 0xD2;
constexpr uint8_t kOpCommit = 0xD3;
constexpr uint8_t kCommitData = 0x1A;
constexpr uint8_t kCommitOffset = 0x7F;
constexpr uint16_t kMacroCommitOffset = 0x0FFF;

constexpr int kBlockCount = 5;               // settings, DPI, buttons, lighting, macros
constexpr size_t kSmallBlockCapacity = 256;  // blocks 1-4: 8-bit offsets
constexpr size_t kMacroBlockCapacity = 4096; // 16-bit offsets below the commit marker
constexpr int kMacroImageSize = 200;
constexpr int kMacroImageCount = 20;

// Battery report fields.
constexpr int kPosBatteryLow = 4;
constexpr int kPosBatteryHigh = 5;
constexpr int kPosCharging = 6;
constexpr int kPosWriteStatus = 7;
constexpr int kPosVariant = 10;

// Status report fields.
constexpr int kPosStatusProfile = 4;
constexpr int kPosStatusDpi = 5;
constexpr int kPosStatusRate = 6;
constexpr int kPosStatusMode = 7;

// Sum of bytes 2..7, exclusive-or 0x66.
inline uint8_t reportChecksum(const uint8_t* report) {
    unsigned sum = 0;
    for (int i = kPosMarker; i <= kPosOperation; ++i)
        sum += report[i];
    return uint8_t((sum & 0xFF) ^ kChecksumXor);
}

// Commands whose echo the host reads back and compares.
inline bool isVerifiedCommand(uint8_t code) {
    return code <= 10 || code == kCmdApply || code == kCmdBeginEnd;
}

} // namespace vm
