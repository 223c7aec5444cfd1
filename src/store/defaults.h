// How profiles get their first values, and change detection between the
// edited settings and the ones last written to the mouse.
#pragma once

#include "records.h"

// Fills `profile` with a new profile: the product definition's factory profile,
// or the built-in one when there is no product definition.
void makeDefaultProfile(MouseProfile& profile);

// "Profile 1" ... "Profile 5": the name slot i has when nothing else binds it.
QString defaultProfileName(int slot);

// "Reset All": factory options, profile 0 renewed, the five default names.
void resetAll(DeviceSettings& settings);

// Writes a new default profile as "DefaultProfile.prof" in the live-profile folder.
void writeDefaultProfileFile();

enum ChangeBits { ChangeGeneral = 1, ChangeDpi = 2, ChangeButtons = 4, ChangeLighting = 8 };

// The change mask between the live settings and those last written. A changed
// macro file (non-zero "Setting/WriteSign") counts as a button change and its
// sign is cleared.
int compareSettings(const DeviceSettings& live, const DeviceSettings& sent);
