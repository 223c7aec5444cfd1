// Turns what the virtual mouse holds into readable text, one section per profile.
#pragma once

#include "virtualmouse.h"

#include <string>
#include <vector>

namespace vm {

struct MouseSnapshot {
    bool receiverPlugged = false;
    bool cablePlugged = false;
    bool asleep = false;
    int activeProfile = 0;
    uint16_t batteryRaw = 0;
    bool charging = false;
    uint8_t writeStatus = 0;
    uint8_t variant = 0;
    ProfileBlocks profiles[5];
    int dpiStage[5] = {};
    int rate[5] = {};
};

std::string describeMouse(const MouseSnapshot& snapshot);

// The block decoders, one per block; an empty block reads "(never written)".
std::string describeSettingsBlock(const std::vector<uint8_t>& block);
std::string describeDpiBlock(const std::vector<uint8_t>& block);
std::string describeButtonBlock(const std::vector<uint8_t>& block);
std::string describeLightingBlock(const std::vector<uint8_t>& block);
// `currentMode`: the settings block's lighting mode (1-10), whose record is
// marked as the one in use; 0 marks none.
std::string describeLightingBlock(const std::vector<uint8_t>& block, int currentMode);
std::string describeMacroBlock(const std::vector<uint8_t>& block);

} // namespace vm
