// Products whose one lighting setting serves all five profiles: their
// lighting (effect, colours, sleep time, lights off while moving) is kept in
// profile 0 whichever profile is current.
#pragma once

#include <QString>
#include <string_view>

struct DeviceSettings;
struct MouseProfile;

constexpr std::string_view kGlobalLightingProducts[] = {
    "Qorv Halo",
};

bool isGlobalLightingProduct(const QString& product);
// The profile whose lighting the page edits and the mouse is sent, for the
// current product ("Config/CurrentProductName").
MouseProfile& lightingProfile(DeviceSettings& settings);
const MouseProfile& lightingProfile(const DeviceSettings& settings);
