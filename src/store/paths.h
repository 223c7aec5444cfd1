// Where the program's files live: everything hangs off the application directory.
#pragma once

#include <QString>

// The folder of the executable, or the folder set with setAppDirOverride
// (used by tools and tests that work on another application directory).
QString appDir();
void setAppDirOverride(const QString& dir);

QString productDefinitionPath(); // <app>/DefaultProfile.bin
QString configDir();             // <app>/Configs
QString mainConfigPath();        // <app>/Configs/Config.ini
QString languageConfigPath();    // <app>/Configs/LangConfig.ini
QString profileFolder();         // <app>/Configs/Profile/
QString macroFolder();           // <app>/Configs/MacroDB/
QString productConfigPath(const QString& product);   // <app>/Configs/<product>/Config.ini
QString productProfileFolder(const QString& product); // <app>/Configs/<product>/Profile/
QString macroFilePath(const QString& name);          // <app>/Configs/MacroDB/<name>.MSMACRO

// Creates the configuration directory and the folders the program writes into
// (Profile/, MacroDB/, and the product folder with its Profile/ when a product
// name is given). Returns false when one of them could not be created.
bool ensureConfigFolders(const QString& product);

// Creates the folder that will hold `filePath` if it is missing.
bool ensureParentFolder(const QString& filePath);
