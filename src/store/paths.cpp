#include "paths.h"

#include "inifile.h"

#include <QCoreApplication>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace {
QString& overrideDir() {
    static QString dir;
    return dir;
}

QString& configOverride() {
    static QString dir;
    return dir;
}

// A staged or portable folder carries the product definition beside the
// executable; an installed program keeps it in share/.
bool staged(const QString& app) {
    return QFileInfo::exists(app + "/DefaultProfile.bin");
}

QString installedDir(const QString& app, const char* relative) {
    return QDir::cleanPath(app + "/" + QString::fromUtf8(relative));
}

// Decided once per process: the answer cannot change while it runs, and the
// check touches the file system.
QString userOrStagedConfigDir() {
    static const QString dir = [] {
        const QString app = appDir();
        const QFileInfo stagedConfigs(app + "/Configs");
        if (staged(app) &&
            (stagedConfigs.exists() ? stagedConfigs.isWritable() : QFileInfo(app).isWritable()))
            return app + "/Configs";
        QString user = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
        // Without an application name the location would be the shared
        // configuration folder itself.
        if (QCoreApplication::applicationName().isEmpty() || user.isEmpty())
            user = QDir::homePath() + "/.config/mousecfg";
        return user;
    }();
    return dir;
}

// The largest default file copied when seeding; the shipped ones are a few
// kilobytes.
constexpr qint64 kMaxSeedFileBytes = 4 * 1024 * 1024;
} // namespace

QString appDir() {
    if (!overrideDir().isEmpty()) return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setAppDirOverride(const QString& dir) {
    overrideDir() = dir;
}

QString productDataDir() {
    const QString app = appDir();
    if (!overrideDir().isEmpty() || staged(app)) return app;
    return installedDir(app, MOUSECFG_DATA_FROM_BIN);
}

QString companionDir() {
    const QString app = appDir();
    if (!overrideDir().isEmpty() || staged(app)) return app;
    return installedDir(app, MOUSECFG_LIBEXEC_FROM_BIN);
}

QString configDir() {
    if (!configOverride().isEmpty()) return configOverride();
    if (!overrideDir().isEmpty()) return overrideDir() + "/Configs";
    return userOrStagedConfigDir();
}

void setConfigDirOverride(const QString& dir) {
    configOverride() = dir.isEmpty() ? QString() : QDir::cleanPath(QDir(dir).absolutePath());
}

QString defaultConfigDir() {
    return productDataDir() + "/Configs";
}

bool seedConfigDir() {
    const QString target = configDir();
    const QString source = defaultConfigDir();
    if (QFileInfo(target).canonicalFilePath() == QFileInfo(source).canonicalFilePath() &&
        QFileInfo::exists(source))
        return true;
    if (QFileInfo::exists(target + "/Config.ini")) return true;
    if (!QDir().mkpath(target)) return false;
    bool ok = true;
    const QDir from(source);
    const auto copyOne = [&](const QString& path) {
        const QString copy = target + "/" + from.relativeFilePath(path);
        if (QFileInfo::exists(copy) || QFileInfo(copy).isSymLink()) return true;
        QFile in(path);
        if (!in.open(QIODevice::ReadOnly) || in.size() > kMaxSeedFileBytes) return false;
        return ensureParentFolder(copy) && writeFileAtomic(copy, in.readAll());
    };
    QDirIterator it(source, QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot | QDir::NoSymLinks,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileInfo().isDir())
            ok = QDir().mkpath(target + "/" + from.relativeFilePath(path)) && ok;
        else if (path != source + "/Config.ini")
            ok = copyOne(path) && ok;
    }
    // Config.ini last: it marks the folder as seeded, so a first start cut
    // short while copying fills in the rest next time.
    if (ok && QFileInfo::exists(source + "/Config.ini")) ok = copyOne(source + "/Config.ini");
    return ok;
}

QString productDefinitionPath() {
    return productDataDir() + "/DefaultProfile.bin";
}
QString mainConfigPath() {
    return configDir() + "/Config.ini";
}
QString languageConfigPath() {
    return configDir() + "/LangConfig.ini";
}
QString profileFolder() {
    return configDir() + "/Profile/";
}
QString macroFolder() {
    return configDir() + "/MacroDB/";
}

QString productConfigPath(const QString& product) {
    return configDir() + "/" + product + "/Config.ini";
}

QString productProfileFolder(const QString& product) {
    return configDir() + "/" + product + "/Profile/";
}

QString macroFilePath(const QString& name) {
    return macroFolder() + name + ".MSMACRO";
}

bool ensureConfigFolders(const QString& product) {
    QDir dir;
    bool ok = dir.mkpath(profileFolder());
    ok = dir.mkpath(macroFolder()) && ok;
    if (!product.isEmpty()) ok = dir.mkpath(productProfileFolder(product)) && ok;
    return ok;
}

bool ensureParentFolder(const QString& filePath) {
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}
