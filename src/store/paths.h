// Where the program's files live. Product data (definition, skin, catalogues)
// is read-only and sits beside the executable in a staged or portable folder,
// or under share/ in an installed one; the settings the program writes live in
// the configuration folder, which configDir() alone decides.
#pragma once

#include <QString>

// The folder of the executable, or the folder set with setAppDirOverride
// (used by tools and tests that work on another application directory).
QString appDir();
void setAppDirOverride(const QString& dir);

// The read-only product data: the application directory when it holds the
// product definition, otherwise the installed share folder beside its bin/.
QString productDataDir();
// The folder of the companion programs (the notice window).
QString companionDir();

// The settings folder. In order: the folder set with setConfigDirOverride
// (--config-dir); <app>/Configs of an overridden application directory;
// <app>/Configs of a staged folder the user may write to; otherwise the
// user's own folder ($XDG_CONFIG_HOME/<program>), seeded by seedConfigDir().
QString configDir();
void setConfigDirOverride(const QString& dir);
// The defaults shipped with the product data ("<data>/Configs").
QString defaultConfigDir();

// Fills a configuration folder that is not the shipped one with the shipped
// defaults on first use: every default file missing from it is copied, none
// is overwritten. Does nothing when the folder already has its Config.ini or
// is the shipped folder itself. False when a file could not be copied.
bool seedConfigDir();

QString productDefinitionPath();                      // <data>/DefaultProfile.bin
QString mainConfigPath();                             // <config>/Config.ini
QString languageConfigPath();                         // <config>/LangConfig.ini
QString profileFolder();                              // <config>/Profile/
QString macroFolder();                                // <config>/MacroDB/
QString productConfigPath(const QString& product);    // <config>/<product>/Config.ini
QString productProfileFolder(const QString& product); // <config>/<product>/Profile/
QString macroFilePath(const QString& name);           // <config>/MacroDB/<name>.MSMACRO

// Creates the configuration directory and the folders the program writes into
// (Profile/, MacroDB/, and the product folder with its Profile/ when a product
// name is given). Returns false when one of them could not be created.
bool ensureConfigFolders(const QString& product);

// Creates the folder that will hold `filePath` if it is missing.
bool ensureParentFolder(const QString& filePath);
