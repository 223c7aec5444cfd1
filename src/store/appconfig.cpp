#include "appconfig.h"

#include "defaults.h"
#include "filename.h"
#include "inifile.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"

#include <QFile>
#include <QFileInfo>

namespace {

// More saved profiles than any menu can offer means a damaged list.
constexpr int kMaxProfileListCount = 200;
constexpr int kMacroListCount = 50;

// The program's own settings files are repaired rather than refused: the
// user's other settings in them must survive one hostile line.
int mainInt(const char* key, int def = 0) {
    return IniFile(mainConfigPath(), IniFile::Repair).value(QLatin1String(key), def).toInt();
}

// A percentage the user may have written by hand: anything that is no whole
// number from 0 to 100 gives the default, so a typo never silences a warning.
int mainPercent(const char* key, int def) {
    bool ok = false;
    const int v = IniFile(mainConfigPath(), IniFile::Repair)
                      .value(QLatin1String(key), def)
                      .toString()
                      .toInt(&ok);
    return ok && v >= 0 && v <= 100 ? v : def;
}

QString mainString(const char* key) {
    return IniFile(mainConfigPath(), IniFile::Repair)
        .value(QLatin1String(key), QString())
        .toString();
}

bool writeMain(const char* key, const QVariant& value) {
    ensureParentFolder(mainConfigPath());
    IniFile ini(mainConfigPath(), IniFile::Repair);
    ini.setValue(QLatin1String(key), value);
    return ini.save();
}

QString profileKey(int i) {
    return QStringLiteral("Config/Profile%1").arg(i + 1);
}

// The options in the order every reader and writer of the main file uses.
struct OptionKey {
    const char* key;
    uint8_t DeviceSettings::*field;
};
constexpr OptionKey kOptionKeys[] = {
    {"Config/AngleValue", &DeviceSettings::AngleValue},
    {"Config/LiftHigh", &DeviceSettings::LiftHigh},
    {"Config/Sync", &DeviceSettings::Sync},
    {"Config/Jitter", &DeviceSettings::Jitter},
    {"Config/Debounce", &DeviceSettings::Debounce},
    {"Config/Wake", &DeviceSettings::Wake},
    {"Config/SensorMode", &DeviceSettings::SensorMode},
    {"Config/Count", &DeviceSettings::Count},
};

void readOptions(const IniFile& ini, DeviceSettings& s) {
    s.currentProfile = uint8_t(ini.value(QStringLiteral("Config/ProfileID"), 0).toInt());
    // An index past the five profiles (a damaged file) selects the first.
    if (s.currentProfile >= kProfileCount) s.currentProfile = 0;
    for (const OptionKey& o : kOptionKeys)
        s.*o.field = uint8_t(ini.value(QLatin1String(o.key), 0).toInt());
}

void writeOptions(IniFile& ini, const DeviceSettings& s) {
    ini.setValue(QStringLiteral("Config/ProfileID"), int(s.currentProfile));
    for (const OptionKey& o : kOptionKeys)
        ini.setValue(QLatin1String(o.key), int(s.*o.field));
}

// A usable name for profile i: the first candidate that is a valid file name.
QString usableName(const QString& preferred, const QString& fallback, int i) {
    if (isValidFileName(preferred)) return preferred;
    if (isValidFileName(fallback)) return fallback;
    return defaultProfileName(i);
}

} // namespace

void loadCurrentSettings(DeviceSettings& s) {
    {
        const IniFile ini(mainConfigPath(), IniFile::Repair);
        readOptions(ini, s);
        for (int i = 0; i < kProfileCount; ++i)
            s.profileNames[i] = ini.value(profileKey(i), QString()).toString();
    }
    for (int i = 0; i < kProfileCount; ++i) {
        // No binding (an emptied file) or a name that would reach outside the
        // profile folder: the slot's default name, whose file is read instead.
        if (!isValidFileName(s.profileNames[i])) s.profileNames[i] = defaultProfileName(i);
    }
    loadProfileByName(s.current(), s.profileNames[s.currentProfile]);
    buttonSlotMap(globalButtonSlotMap());
}

void loadOtherProfiles(DeviceSettings& s) {
    for (int i = 0; i < kProfileCount; ++i)
        if (i != s.currentProfile) loadProfileByName(s.profiles[i], s.profileNames[i]);
}

void loadSettings(DeviceSettings& s) {
    loadCurrentSettings(s);
    loadOtherProfiles(s);
}

bool saveSettings(const DeviceSettings& s, bool markUnsent, QString* failedFile) {
    ensureConfigFolders(QString());
    auto fail = [&](const QString& path) {
        if (failedFile) *failedFile = path;
        return false;
    };
    {
        // The mark travels in the same save as the settings it is about, so
        // no moment exists where new settings are on disk without it.
        IniFile ini(mainConfigPath(), IniFile::Repair);
        writeOptions(ini, s);
        for (int i = 0; i < kProfileCount; ++i)
            ini.setValue(profileKey(i), s.profileNames[i]);
        if (markUnsent) ini.setValue(QStringLiteral("Config/Diff"), 1);
        if (!ini.save()) return fail(ini.path());
    }
    for (int i = 0; i < kProfileCount; ++i)
        if (isValidFileName(s.profileNames[i]) &&
            !saveProfileByName(s.profiles[i], s.profileNames[i]))
            return fail(profilePathForName(s.profileNames[i]));
    return true;
}

bool saveProfileList(const DeviceSettings& s) {
    ensureParentFolder(mainConfigPath());
    IniFile ini(mainConfigPath(), IniFile::Repair);
    ini.setValue(QStringLiteral("Config/ProfileID"), int(s.currentProfile));
    ini.setValue(QStringLiteral("Config/Count"), int(s.Count));
    for (int i = 0; i < kProfileCount; ++i)
        ini.setValue(profileKey(i), s.profileNames[i]);
    return ini.save();
}

bool saveCurrentProfileId(int id) {
    return writeMain("Config/ProfileID", id);
}

bool saveProfileDpi(const QString& profileName, int dpiStage) {
    if (!isValidFileName(profileName)) return false;
    const QString path = profilePathForName(profileName);
    ensureParentFolder(path);
    IniFile ini(path);
    ini.setValue(QStringLiteral("PROFILE/dpi"), dpiStage);
    return ini.save();
}

int readDiff() {
    return mainInt("Config/Diff");
}
bool writeDiff(int diff) {
    return writeMain("Config/Diff", diff);
}
QString readCurrentProductName() {
    return mainString("Config/CurrentProductName");
}
bool writeCurrentProductName(const QString& name) {
    return writeMain("Config/CurrentProductName", name);
}
QString readModel() {
    return mainString("Config/Model");
}
QString readMouseList0() {
    return mainString("Mouse_List/0");
}
int readGColorId() {
    return mainInt("Config/GColorID");
}
int readBattery() {
    return mainInt("Config/Battery");
}
int readBatteryFull() {
    return mainInt("Config/BatteryFull", 4200);
}
int readBatteryWarn() {
    return mainPercent("Config/BatteryWarn", 20);
}
int readBatteryCritical() {
    return mainPercent("Config/BatteryCritical", 10);
}
int readSensorModel() {
    return mainInt("MouseSenSor/1");
}
bool writeBattery(int level) {
    return writeMain("Config/Battery", level);
}

QStringList readMacroNames() {
    const IniFile ini(mainConfigPath(), IniFile::Repair);
    QStringList names;
    for (int i = 0; i < kMacroListCount; ++i) {
        const QString name =
            ini.value(QStringLiteral("MACRO_LIST/%1").arg(i), QString()).toString();
        if (!name.isEmpty()) names << name;
    }
    return names;
}

QStringList readProfileList() {
    const IniFile ini(productConfigPath(readCurrentProductName()), IniFile::Repair);
    QStringList names;
    const int n =
        qMin(ini.value(QStringLiteral("PROFILE_LIST/Count"), 0).toInt(), kMaxProfileListCount);
    for (int i = 1; i <= n; ++i)
        names << ini.value(QStringLiteral("PROFILE_LIST/%1").arg(i), QString()).toString();
    return names;
}

bool writeProfileList(const QStringList& names) {
    const QString path = productConfigPath(readCurrentProductName());
    ensureParentFolder(path);
    IniFile ini(path, IniFile::Repair);
    ini.setValue(QStringLiteral("PROFILE_LIST/Count"), names.size());
    for (int i = 0; i < names.size(); ++i)
        ini.setValue(QStringLiteral("PROFILE_LIST/%1").arg(i + 1), names.at(i));
    return ini.save();
}

bool exportSettings(const DeviceSettings& settings, const QString& path) {
    const DeviceSettings s = settings;
    {
        IniFile ini(path);
        writeOptions(ini, s);
        if (!ini.save()) return false;
    }
    for (int i = 0; i < kProfileCount; ++i)
        if (!writeExportedProfile(i, s.profiles[i], path)) return false;
    return true;
}

bool importSettings(DeviceSettings& settings, const QString& path) {
    DeviceSettings s = settings;
    {
        const IniFile ini(path);
        if (!ini.intact()) return false;
        readOptions(ini, s);
    }
    for (int i = 0; i < kProfileCount; ++i) {
        if (!readExportedProfile(i, s.profiles[i], path)) return false;
        // Exported files carry each profile's name inside the profile.
        s.profileNames[i] = usableName(s.profiles[i].ProfileName, s.profileNames[i], i);
    }
    settings = s;
    return true;
}

bool writeProductTag(const QString& path, const QString& name) {
    IniFile ini(path);
    ini.setValue(QStringLiteral("MouseName/Name"), name);
    return ini.save();
}

QString readProductTag(const QString& path) {
    return IniFile(path).value(QStringLiteral("MouseName/Name"), QString()).toString();
}

bool exportSettingsFile(const DeviceSettings& settings, const QString& product,
                        const QString& path) {
    // Write into a fresh file: stale groups of an older file must not survive.
    const QString temp = path + QStringLiteral(".part");
    QFile::remove(temp);
    const bool written = writeProductTag(temp, product) && exportSettings(settings, temp);
    const bool ok = written && QFileInfo::exists(temp) &&
                    (!QFileInfo::exists(path) || QFile::remove(path)) && QFile::rename(temp, path);
    if (!ok) QFile::remove(temp);
    return ok;
}

SettingsImport importSettingsFile(DeviceSettings& settings, const QString& product,
                                  const QString& path) {
    // A hostile file reads as carrying no product: it is called damaged instead.
    if (!iniVariantsSafe(path)) return SettingsImport::Damaged;
    if (readProductTag(path) != product) return SettingsImport::OtherProduct;
    return importSettings(settings, path) ? SettingsImport::Done : SettingsImport::Damaged;
}
