// Languages offered, their catalogues and fonts, and the current language.
#pragma once

#include <QFont>
#include <QString>

class QTranslator;

constexpr int kMaxLanguages = 10;

struct LanguageList {
    int count = 0;
    QString names[kMaxLanguages];
    QString files[kMaxLanguages];
};

int readLanguageId();
bool writeLanguageId(int id);
LanguageList readLanguageList();

// Loads <app>/lang/<files[index]>.qm into `translator`; a name that is no
// plain file name is refused.
bool loadCatalogue(QTranslator& translator, int index);

// What the window's look takes from Config.ini: the accent index
// ("Config/GColorID") and each language's font ("FONT_LIST/FONT_%d",
// "FONT_LIST/FONT_SIZE_%d" in logical pixels, 0 when unset or unusable).
struct ThemeSettings {
    int colorId = 0;
    QString fontFamily[kMaxLanguages];
    int fontPixels[kMaxLanguages] = {};
};
bool operator==(const ThemeSettings& a, const ThemeSettings& b);
inline bool operator!=(const ThemeSettings& a, const ThemeSettings& b) {
    return !(a == b);
}

// One read of Config.ini.
ThemeSettings readThemeSettings();
// The value every widget shares: read once per Config.ini path and then only
// again through reloadThemeSettings() (the kit's file watcher calls it), so
// building a window costs no file access per widget. Safe from any thread.
ThemeSettings themeSettings();
void reloadThemeSettings();

// The font of a language at a display scale: the family with its pixel size
// times the scale, truncated; an index outside the table gives the default font.
QFont fontFor(const ThemeSettings& theme, int languageIndex, double scale);
QFont fontFor(int languageIndex, double scale); // from themeSettings()

// The process-wide current language index and the language whose key names
// come from the French set (-1: never).
int currentLanguageIndex();
void setCurrentLanguageIndex(int index);
void setFrenchLanguageIndex(int index);
bool frenchNameSetActive();

// Loads Qt's own catalogue (the texts of its dialogs) for the language of
// entry `index` from `folder`: "qtbase_<locale>", the locale being what
// follows the first '_' of the entry's catalogue name ("mousecfg_zh_CN": zh_CN).
bool loadQtCatalogue(QTranslator& translator, int index, const QString& folder);
