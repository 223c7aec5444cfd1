// The mouse's command set: each operation sends its packets through the
// transport and returns the first failing result, or 0.
#pragma once

#include "encoders.h"

#include <records.h>

uint8_t BeginProfileWrite();
uint8_t EndProfileWrite();
// Selects an on-mouse profile and applies the settings block; the results are
// of no use to the callers, so this always returns 1.
uint8_t SelectProfile(uint8_t profile);
// The same packets, returning the first failing result, or 0.
uint8_t TrySelectProfile(uint8_t profile);
uint8_t ApplyBlock(uint8_t blockBit);
// Apply in the order buttons, settings, DPI, lighting, macros.
uint8_t ApplyAllBlocks();
uint8_t CommitBlock(uint8_t command);

uint8_t WriteSettingsBlock(const DeviceSettings& staged);
uint8_t WriteDpiBlock(const DeviceSettings& staged, int profile);
// Fills `macros` afresh from the current profile's buttons (and stores each
// macro's index in the button's Res4).
uint8_t WriteButtonBlock(DeviceSettings& staged, MacroIndexMap& macros);
uint8_t WriteLightingBlock(const DeviceSettings& staged);

// Sends packets in order, stopping at the first failure.
uint8_t sendPackets(const std::vector<CommandReport>& packets);

// The order ApplyAllBlocks applies the blocks in.
constexpr uint8_t kApplyOrder[5] = {0x04, 0x01, 0x02, 0x08, 0x10};
