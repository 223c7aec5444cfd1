#include "language.h"

#include "filename.h"
#include "inifile.h"
#include "paths.h"

#include <QTranslator>
#include <atomic>
#include <mutex>

namespace {
std::atomic<int> g_currentLanguage{0};
std::atomic<int> g_frenchLanguage{-1};
} // namespace

int readLanguageId() {
    return IniFile(languageConfigPath(), IniFile::Repair)
        .value(QStringLiteral("Config/LangID"), 0)
        .toInt();
}

bool writeLanguageId(int id) {
    ensureParentFolder(languageConfigPath());
    IniFile ini(languageConfigPath(), IniFile::Repair);
    ini.setValue(QStringLiteral("Config/LangID"), id);
    return ini.save();
}

LanguageList readLanguageList() {
    const IniFile ini(mainConfigPath(), IniFile::Repair);
    LanguageList list;
    list.count =
        qBound(0, ini.value(QStringLiteral("FONT_LIST/LANGNUM"), 0).toInt(), kMaxLanguages);
    for (int i = 0; i < kMaxLanguages; ++i) {
        list.names[i] =
            ini.value(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QString()).toString();
        list.files[i] =
            ini.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i), QString()).toString();
    }
    return list;
}

bool loadCatalogue(QTranslator& translator, int index) {
    if (index < 0 || index >= kMaxLanguages) return false;
    const LanguageList list = readLanguageList();
    // The catalogue is a plain name inside the program's own lang folder.
    if (!isValidFileName(list.files[index])) return false;
    return translator.load(productDataDir() + "/lang/" + list.files[index] + ".qm");
}

namespace {
// Larger sizes are no font size anyone set: the text would not fit anywhere.
constexpr uint kMaxFontPixels = 200;

struct SharedTheme {
    std::mutex mutex;
    QString path; // the Config.ini `value` was read from
    ThemeSettings value;
};

SharedTheme& sharedTheme() {
    static SharedTheme shared;
    return shared;
}
} // namespace

bool operator==(const ThemeSettings& a, const ThemeSettings& b) {
    if (a.colorId != b.colorId) return false;
    for (int i = 0; i < kMaxLanguages; ++i)
        if (a.fontFamily[i] != b.fontFamily[i] || a.fontPixels[i] != b.fontPixels[i]) return false;
    return true;
}

ThemeSettings readThemeSettings() {
    const IniFile ini(mainConfigPath(), IniFile::Repair);
    ThemeSettings theme;
    theme.colorId = ini.value(QStringLiteral("Config/GColorID"), 0).toInt();
    for (int i = 0; i < kMaxLanguages; ++i) {
        theme.fontFamily[i] =
            ini.value(QStringLiteral("FONT_LIST/FONT_%1").arg(i), QString()).toString();
        const uint size = ini.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(i), 0).toUInt();
        theme.fontPixels[i] = size <= kMaxFontPixels ? int(size) : 0;
    }
    return theme;
}

ThemeSettings themeSettings() {
    SharedTheme& shared = sharedTheme();
    const QString path = mainConfigPath();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    if (shared.path != path) {
        shared.value = readThemeSettings();
        shared.path = path;
    }
    return shared.value;
}

void reloadThemeSettings() {
    SharedTheme& shared = sharedTheme();
    const QString path = mainConfigPath();
    ThemeSettings fresh = readThemeSettings();
    const std::lock_guard<std::mutex> lock(shared.mutex);
    shared.value = std::move(fresh);
    shared.path = path;
}

QFont fontFor(const ThemeSettings& theme, int languageIndex, double scale) {
    if (languageIndex < 0 || languageIndex >= kMaxLanguages) return QFont(QString());
    QFont font(theme.fontFamily[languageIndex]);
    const int pixels = int(theme.fontPixels[languageIndex] * scale);
    if (pixels > 0) font.setPixelSize(pixels);
    return font;
}

QFont fontFor(int languageIndex, double scale) {
    return fontFor(themeSettings(), languageIndex, scale);
}

int currentLanguageIndex() {
    return g_currentLanguage;
}
void setCurrentLanguageIndex(int index) {
    g_currentLanguage = index;
}
void setFrenchLanguageIndex(int index) {
    g_frenchLanguage = index;
}

bool frenchNameSetActive() {
    const int french = g_frenchLanguage;
    return french != -1 && french == g_currentLanguage;
}

bool loadQtCatalogue(QTranslator& translator, int index, const QString& folder) {
    if (index < 0 || index >= kMaxLanguages) return false;
    const QString file = readLanguageList().files[index];
    const int cut = file.indexOf(QLatin1Char('_'));
    if (cut < 0) return false;
    const QString locale = file.mid(cut + 1);
    // A locale name only: nothing in it may lead out of the folder.
    if (locale.isEmpty() || locale.size() > 16) return false;
    for (const QChar c : locale)
        if (c != QLatin1Char('_') && !(c.unicode() < 128 && c.isLetter())) return false;
    return translator.load(QStringLiteral("qtbase_") + locale, folder);
}
