#include "appconfig.h"

#include "filename.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"

#include <QSettings>

namespace {

int mainInt(const char* key, int def = 0)
{
    return QSettings(mainConfigPath(), QSettings::IniFormat).value(QLatin1String(key), def).toInt();
}

QString mainString(const char* key)
{
    return QSettings(mainConfigPath(), QSettings::IniFormat)
        .value(QLatin1String(key), QString())
        .toString();
}

void writeMain(const char* key, const QVariant& value)
{
    ensureParentFolder(mainConfigPath());
    QSettings(mainConfigPath(), QSettings::IniFormat).setValue(QLatin1String(key), value);
}

QString profileKey(int i) { return QStringLiteral("Config/Profile%1").arg(i + 1); }

// The options in the order every reader and writer of the main file uses.
struct OptionKey {
    const char* key;
    uint8_t DeviceSettings::*field;
};
constexpr OptionKey kOptionKeys[] = {
    {"Config/AngleValue", &DeviceSettings::AngleValue}, {"Config/LiftHigh", &DeviceSettings::LiftHigh},
    {"Config/Sync", &DeviceSettings::Sync},             {"Config/Jitter", &DeviceSettings::Jitter},
    {"Config/Debounce", &DeviceSettings::Debounce},     {"Config/Wake", &DeviceSettings::Wake},
    {"Config/SensorMode", &DeviceSettings::SensorMode}, {"Config/Count", &DeviceSettings::Count},
};

void readOptions(const QSettings& ini, DeviceSettings& s)
{
    s.currentProfile = uint8_t(ini.value(QStringLiteral("Config/ProfileID"), 0).toInt());
    // An index past the five profiles (a damaged file) selects the first.
    if (s.currentProfile >= kProfileCount) s.currentProfile = 0;
    for (const OptionKey& o : kOptionKeys)
        s.*o.field = uint8_t(ini.value(QLatin1String(o.key), 0).toInt());
}

void writeOptions(QSettings& ini, const DeviceSettings& s)
{
    ini.setValue(QStringLiteral("Config/ProfileID"), int(s.currentProfile));
    for (const OptionKey& o : kOptionKeys) ini.setValue(QLatin1String(o.key), int(s.*o.field));
}

// A usable name for profile i: the first candidate that is a valid file name.
QString usableName(const QString& preferred, const QString& fallback, int i)
{
    if (isValidFileName(preferred)) return preferred;
    if (isValidFileName(fallback)) return fallback;
    return QStringLiteral("Profile %1").arg(i + 1);
}

} // namespace

void loadSettings(DeviceSettings& s)
{
    {
        const QSettings ini(mainConfigPath(), QSettings::IniFormat);
        readOptions(ini, s);
        for (int i = 0; i < kProfileCount; ++i)
            s.profileNames[i] = ini.value(profileKey(i), QString()).toString();
    }
    for (int i = 0; i < kProfileCount; ++i) {
        // A name that cannot be a file name would reach outside the profile
        // folder; such a binding is replaced by the default name.
        if (!s.profileNames[i].isEmpty() && !isValidFileName(s.profileNames[i]))
            s.profileNames[i] = QStringLiteral("Profile %1").arg(i + 1);
        loadProfileByName(s.profiles[i], s.profileNames[i]);
    }
    buttonSlotMap(globalButtonSlotMap());
}

void saveSettings(const DeviceSettings& s)
{
    ensureConfigFolders(QString());
    {
        QSettings ini(mainConfigPath(), QSettings::IniFormat);
        writeOptions(ini, s);
        for (int i = 0; i < kProfileCount; ++i) ini.setValue(profileKey(i), s.profileNames[i]);
    }
    for (int i = 0; i < kProfileCount; ++i)
        if (!s.profileNames[i].isEmpty()) saveProfileByName(s.profiles[i], s.profileNames[i]);
}

void saveProfileList(const DeviceSettings& s)
{
    ensureParentFolder(mainConfigPath());
    QSettings ini(mainConfigPath(), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Config/ProfileID"), int(s.currentProfile));
    ini.setValue(QStringLiteral("Config/Count"), int(s.Count));
    for (int i = 0; i < kProfileCount; ++i) ini.setValue(profileKey(i), s.profileNames[i]);
}

void saveCurrentProfileId(int id) { writeMain("Config/ProfileID", id); }

void saveProfileDpi(const QString& profileName, int dpiStage)
{
    if (!isValidFileName(profileName)) return;
    const QString path = profilePathForName(profileName);
    ensureParentFolder(path);
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("PROFILE/dpi"), dpiStage);
}

int readDiff() { return mainInt("Config/Diff"); }
void writeDiff(int diff) { writeMain("Config/Diff", diff); }
QString readCurrentProductName() { return mainString("Config/CurrentProductName"); }
void writeCurrentProductName(const QString& name) { writeMain("Config/CurrentProductName", name); }
QString readModel() { return mainString("Config/Model"); }
QString readMouseList0() { return mainString("Mouse_List/0"); }
int readGColorId() { return mainInt("Config/GColorID"); }
int readBattery() { return mainInt("Config/Battery"); }
int readBatteryFull() { return mainInt("Config/BatteryFull", 4200); }
int readSensorModel() { return mainInt("MouseSenSor/1"); }
void writeBattery(int level) { writeMain("Config/Battery", level); }

QStringList readProfileList()
{
    const QSettings ini(productConfigPath(readCurrentProductName()), QSettings::IniFormat);
    QStringList names;
    const int n = ini.value(QStringLiteral("PROFILE_LIST/Count"), 0).toInt();
    for (int i = 1; i <= n; ++i)
        names << ini.value(QStringLiteral("PROFILE_LIST/%1").arg(i), QString()).toString();
    return names;
}

void writeProfileList(const QStringList& names)
{
    const QString path = productConfigPath(readCurrentProductName());
    ensureParentFolder(path);
    QSettings ini(path, QSettings::IniFormat);
    ini.setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        ini.setValue(QStringLiteral("PROFILE_LIST/%1").arg(i + 1), names.at(i));
}

void exportSettings(const DeviceSettings& settings, const QString& path)
{
    const DeviceSettings s = settings;
    {
        QSettings ini(path, QSettings::IniFormat);
        writeOptions(ini, s);
    }
    for (int i = 0; i < kProfileCount; ++i) writeExportedProfile(i, s.profiles[i], path);
}

void importSettings(DeviceSettings& s, const QString& path)
{
    {
        const QSettings ini(path, QSettings::IniFormat);
        readOptions(ini, s);
    }
    for (int i = 0; i < kProfileCount; ++i) {
        readExportedProfile(i, s.profiles[i], path);
        // Exported files carry each profile's name inside the profile.
        s.profileNames[i] = usableName(s.profiles[i].ProfileName, s.profileNames[i], i);
    }
}

void writeProductTag(const QString& path, const QString& name)
{
    QSettings(path, QSettings::IniFormat).setValue(QStringLiteral("MouseName/Name"), name);
}

QString readProductTag(const QString& path)
{
    return QSettings(path, QSettings::IniFormat)
        .value(QStringLiteral("MouseName/Name"), QString())
        .toString();
}
