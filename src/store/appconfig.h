// The program's own configuration: "Configs/Config.ini", the per-product
// saved-profile list, and exported settings files (*.conf).
#pragma once

#include "records.h"

#include <QString>
#include <QStringList>

// Writers return false when their values did not reach the file.

// Bindings that are empty or no file name fall back to the slot's default name.
void loadSettings(DeviceSettings& settings);
// The same in two steps, so a window can show the profile in use before the
// other four are read: the options, the five names and the current profile;
// then, for a record the first step filled, the other profiles.
void loadCurrentSettings(DeviceSettings& settings);
void loadOtherProfiles(DeviceSettings& settings);
// Writes the options, all five names and every bound profile to its own file.
// `markUnsent` sets "Config/Diff" to 1 in the same save as the options. On
// failure `*failedFile` names the file that could not be written.
bool saveSettings(const DeviceSettings& settings, bool markUnsent = false,
                  QString* failedFile = nullptr);
bool saveProfileList(const DeviceSettings& settings);
bool saveCurrentProfileId(int id);
bool saveProfileDpi(const QString& profileName, int dpiStage);

int readDiff();
bool writeDiff(int diff);
QString readCurrentProductName();
bool writeCurrentProductName(const QString& name);
QString readModel();
QString readMouseList0();
int readGColorId();
int readBattery();
int readBatteryFull();
// Levels at or below which the user is warned (0: never); 20 and 10 unless
// the file holds a whole number from 0 to 100.
int readBatteryWarn();
int readBatteryCritical();
int readSensorModel();
bool writeBattery(int level);

// The saved-profile list of the current product.
QStringList readProfileList();
// The names of the saved macros ("MACRO_LIST/0" to "/49"), in list order,
// empty ones left out.
QStringList readMacroNames();
bool writeProfileList(const QStringList& names);

bool exportSettings(const DeviceSettings& settings, const QString& path);
// Leaves `settings` unchanged and returns false when the file is damaged.
bool importSettings(DeviceSettings& settings, const QString& path);
bool writeProductTag(const QString& path, const QString& name);

// Exported settings files as the user handles them: a fresh file carrying the
// product's name, replacing `path` only once it is whole.
bool exportSettingsFile(const DeviceSettings& settings, const QString& product,
                        const QString& path);
enum class SettingsImport { Done, Damaged, OtherProduct };
// Leaves `settings` unchanged unless the file is whole and of `product`.
SettingsImport importSettingsFile(DeviceSettings& settings, const QString& product,
                                  const QString& path);
QString readProductTag(const QString& path);
