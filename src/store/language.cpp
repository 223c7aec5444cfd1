#include "language.h"

#include "paths.h"

#include <QSettings>
#include <QTranslator>
#include <atomic>

namespace {
std::atomic<int> g_currentLanguage{0};
std::atomic<int> g_frenchLanguage{-1};
} // namespace

int readLanguageId()
{
    return QSettings(languageConfigPath(), QSettings::IniFormat)
        .value(QStringLiteral("Config/LangID"), 0)
        .toInt();
}

void writeLanguageId(int id)
{
    ensureParentFolder(languageConfigPath());
    QSettings(languageConfigPath(), QSettings::IniFormat).setValue(QStringLiteral("Config/LangID"), id);
}

LanguageList readLanguageList()
{
    const QSettings ini(mainConfigPath(), QSettings::IniFormat);
    LanguageList list;
    list.count = ini.value(QStringLiteral("FONT_LIST/LANGNUM"), 0).toInt();
    for (int i = 0; i < kMaxLanguages; ++i) {
        list.names[i] = ini.value(QStringLiteral("FONT_LIST/LangName_%1").arg(i), QString()).toString();
        list.files[i] = ini.value(QStringLiteral("FONT_LIST/LangFile_%1").arg(i), QString()).toString();
    }
    return list;
}

bool loadCatalogue(QTranslator& translator, int index)
{
    if (index < 0 || index >= kMaxLanguages) return false;
    const LanguageList list = readLanguageList();
    if (list.files[index].isEmpty()) return false;
    return translator.load(appDir() + "/lang/" + list.files[index] + ".qm");
}

QFont fontFor(int languageIndex, double scale)
{
    const QSettings ini(mainConfigPath(), QSettings::IniFormat);
    const QString family =
        ini.value(QStringLiteral("FONT_LIST/FONT_%1").arg(languageIndex), QString()).toString();
    const uint size = ini.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(languageIndex), 0).toUInt();
    QFont font(family);
    const int pixels = int(size * scale);
    if (pixels > 0) font.setPixelSize(pixels);
    return font;
}

int currentLanguageIndex() { return g_currentLanguage; }
void setCurrentLanguageIndex(int index) { g_currentLanguage = index; }
void setFrenchLanguageIndex(int index) { g_frenchLanguage = index; }

bool frenchNameSetActive()
{
    const int french = g_frenchLanguage;
    return french != -1 && french == g_currentLanguage;
}
