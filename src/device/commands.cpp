#include "commands.h"

#include "transport.h"

#include <lightinggroup.h>
#include <productdef.h>

uint8_t sendPackets(const std::vector<CommandReport>& packets) {
    for (const CommandReport& p : packets) {
        const uint8_t r = SendCommand(p);
        if (r != kResultOk) return r;
    }
    return kResultOk;
}

uint8_t BeginProfileWrite() {
    return SendCommand(profileWriteReport(false));
}
uint8_t EndProfileWrite() {
    return SendCommand(profileWriteReport(true));
}

uint8_t SelectProfile(uint8_t profile) {
    TrySelectProfile(profile);
    return 1;
}

uint8_t TrySelectProfile(uint8_t profile) {
    const uint8_t selected = SendCommand(selectProfileReport(profile));
    const uint8_t applied = ApplyBlock(0x01);
    return selected != kResultOk ? selected : applied;
}

uint8_t ApplyBlock(uint8_t blockBit) {
    return SendCommand(applyBlockReport(blockBit));
}

uint8_t ApplyAllBlocks() {
    for (uint8_t bit : kApplyOrder) {
        const uint8_t r = ApplyBlock(bit);
        if (r != kResultOk) return r;
    }
    return kResultOk;
}

uint8_t CommitBlock(uint8_t command) {
    return SendCommand(commitPacket(command));
}

uint8_t WriteSettingsBlock(const DeviceSettings& staged) {
    return sendPackets(
        settingsPackets(encodeSettingsBlock(staged, syncMode(), &lightingProfile(staged))));
}

uint8_t WriteDpiBlock(const DeviceSettings& staged, int profile) {
    const EncodeContext ctx = currentEncodeContext();
    const MouseProfile& p =
        staged.profiles[((profile % kProfileCount) + kProfileCount) % kProfileCount];
    return sendPackets(
        dpiPackets(encodeDpiBlock(p, ctx.dpiStageCount, ctx.sensor, ctx.batteryVariant)));
}

uint8_t WriteButtonBlock(DeviceSettings& staged, MacroIndexMap& macros) {
    macros.clear();
    const EncodeContext ctx = currentEncodeContext();
    return sendPackets(buttonPackets(encodeButtonBlock(staged.current(), ctx, macros)));
}

uint8_t WriteLightingBlock(const DeviceSettings& staged) {
    return sendPackets(lightingPackets(encodeLightingBlock(lightingProfile(staged))));
}
