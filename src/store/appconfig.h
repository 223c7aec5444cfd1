// The program's own configuration: "Configs/Config.ini", the per-product
// saved-profile list, and exported settings files (*.conf).
#pragma once

#include "records.h"

#include <QString>
#include <QStringList>

void loadSettings(DeviceSettings& settings);
// Writes the options, all five names and every bound profile to its own file.
void saveSettings(const DeviceSettings& settings);
void saveProfileList(const DeviceSettings& settings);
void saveCurrentProfileId(int id);
void saveProfileDpi(const QString& profileName, int dpiStage);

int readDiff();
void writeDiff(int diff);
QString readCurrentProductName();
void writeCurrentProductName(const QString& name);
QString readModel();
QString readMouseList0();
int readGColorId();
int readBattery();
int readBatteryFull();
int readSensorModel();
void writeBattery(int level);

// The saved-profile list of the current product.
QStringList readProfileList();
void writeProfileList(const QStringList& names);

void exportSettings(const DeviceSettings& settings, const QString& path);
void importSettings(DeviceSettings& settings, const QString& path);
void writeProductTag(const QString& path, const QString& name);
QString readProductTag(const QString& path);
