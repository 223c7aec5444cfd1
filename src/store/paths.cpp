#include "paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {
QString& overrideDir()
{
    static QString dir;
    return dir;
}
} // namespace

QString appDir()
{
    if (!overrideDir().isEmpty()) return overrideDir();
    return QCoreApplication::applicationDirPath();
}

void setAppDirOverride(const QString& dir) { overrideDir() = dir; }

QString productDefinitionPath() { return appDir() + "/DefaultProfile.bin"; }
QString configDir() { return appDir() + "/Configs"; }
QString mainConfigPath() { return configDir() + "/Config.ini"; }
QString languageConfigPath() { return configDir() + "/LangConfig.ini"; }
QString profileFolder() { return configDir() + "/Profile/"; }
QString macroFolder() { return configDir() + "/MacroDB/"; }

QString productConfigPath(const QString& product)
{
    return configDir() + "/" + product + "/Config.ini";
}

QString productProfileFolder(const QString& product)
{
    return configDir() + "/" + product + "/Profile/";
}

QString macroFilePath(const QString& name) { return macroFolder() + name + ".MSMACRO"; }

bool ensureConfigFolders(const QString& product)
{
    QDir dir;
    bool ok = dir.mkpath(profileFolder());
    ok = dir.mkpath(macroFolder()) && ok;
    if (!product.isEmpty()) ok = dir.mkpath(productProfileFolder(product)) && ok;
    return ok;
}

bool ensureParentFolder(const QString& filePath)
{
    return QDir().mkpath(QFileInfo(filePath).absolutePath());
}
