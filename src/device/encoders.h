// Pure encoders of the mouse's configuration blocks and the packets that carry
// them: settings record in, bytes out, no device involved.
#pragma once

#include "protocol.h"

#include <QMap>
#include <QString>
#include <array>
#include <macrofile.h>
#include <records.h>
#include <vector>

// What the encoders need to know besides the settings record.
struct EncodeContext {
    int sensor = 0;        // "MouseSenSor/1" of the configuration
    int syncMode = 0;      // product definition
    int dpiStageCount = 8; // product definition
    int buttonCount = 0;   // product definition
    uint8_t slotMap[kProductButtonCount] = {};
    int scrollReverse = 0;      // product definition
    uint8_t batteryVariant = 0; // byte 10 of the last battery report
};
// The context from the product definition, configuration and the last battery report.
EncodeContext currentEncodeContext();

using SettingsBlock = std::array<uint8_t, kSettingsBlockSize>;
using DpiBlock = std::array<uint8_t, kDpiBlockSize>;
using ButtonBlock = std::array<uint8_t, kButtonBlockSize>;
using LightingBlock = std::array<uint8_t, kLightingBlockSize>;
using ButtonRecord = std::array<uint8_t, 4>;
using MacroImage = std::array<uint8_t, kMacroImageSize>;
using MacroImages = std::array<MacroImage, kMacroImageCount>;

// Macro name -> device macro index (0, 1, 2, ... in order of first use).
using MacroIndexMap = QMap<QString, int>;

// The device's lighting mode number for a lighting effect index.
uint8_t deviceLedMode(uint8_t ledMode);

// The settings block. The per-profile lighting values come from the current
// profile (the block itself makes that profile the mouse's active one), or
// from `lighting` for products whose one lighting setting serves every profile.
SettingsBlock encodeSettingsBlock(const DeviceSettings& settings, int syncMode,
                                  const MouseProfile* lighting = nullptr);

// Bytes 1-4 of a DPI stage record: the X and Y step values encoded for the
// sensor, in the order the sensor expects them.
std::array<uint8_t, 4> encodeStageValues(uint32_t x, uint32_t y, int sensor, uint8_t variant);
DpiBlock encodeDpiBlock(const MouseProfile& profile, int stageCount, int sensor, uint8_t variant);

// One button's 4-byte record. A macro assignment takes (or is given) its index
// in `macros` and the index is stored in the button's Res4.
ButtonRecord encodeButton(ButtonInfo& button, int sensor, MacroIndexMap& macros);
ButtonBlock encodeButtonBlock(MouseProfile& profile, const EncodeContext& ctx,
                              MacroIndexMap& macros);

LightingBlock encodeLightingBlock(const MouseProfile& profile);

// Block packets: the chunks (first one 0xD1, the others 0xD2) then the commit.
struct Chunk {
    int offset;
    int length;
};
std::vector<CommandReport> blockPackets(uint8_t command, const uint8_t* block,
                                        const std::vector<Chunk>& chunks);
CommandReport commitPacket(uint8_t command);
std::vector<CommandReport> settingsPackets(const SettingsBlock& block);
std::vector<CommandReport> dpiPackets(const DpiBlock& block);
std::vector<CommandReport> buttonPackets(const ButtonBlock& block);
// Whether any record of the block is the left click.
bool blockHasLeftClick(const ButtonBlock& block);
std::vector<CommandReport> lightingPackets(const LightingBlock& block);

CommandReport applyBlockReport(uint8_t blockBit);
CommandReport profileWriteReport(bool end);
CommandReport selectProfileReport(uint8_t profile);

// Steps that fit into one image; more cannot be stored.
int macroImageBytes(const std::vector<MacroStep>& steps);
// Encodes `steps` into `image` (zero-filled first). Returns false, leaving the
// image empty, when the macro does not fit into one image.
bool encodeMacroImage(const std::vector<MacroStep>& steps, MacroImage& image);
// The macro block packets for every image in use, then its commit; empty when
// no image is in use.
std::vector<CommandReport> macroPackets(const MacroImages& images);
