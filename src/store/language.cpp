#include "language.h"

#include "filename.h"
#include "inifile.h"
#include "paths.h"

#include <QDateTime>
#include <QFileInfo>
#include <QTranslator>
#include <atomic>
#include <mutex>

namespace {
std::atomic<int> g_currentLanguage{0};
std::atomic<int> g_frenchLanguage{-1};
} // namespace

int readLanguageId()
{
    return IniFile(languageConfigPath(), IniFile::Repair)
        .value(QStringLiteral("Config/LangID"), 0)
        .toInt();
}

bool writeLanguageId(int id)
{
    ensureParentFolder(languageConfigPath());
    IniFile ini(languageConfigPath(), IniFile::Repair);
    ini.setValue(QStringLiteral("Config/LangID"), id);
    return ini.save();
}

LanguageList readLanguageList()
{
    const IniFile ini(mainConfigPath(), IniFile::Repair);
    LanguageList list;
    list.count =
        qBound(0, ini.value(QStringLiteral("FONT_LIST/LANGNUM"), 0).toInt(), kMaxLanguages);
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
    // The catalogue is a plain name inside the program's own lang folder.
    if (!isValidFileName(list.files[index])) return false;
    return translator.load(appDir() + "/lang/" + list.files[index] + ".qm");
}

QFont fontFor(int languageIndex, double scale)
{
    // Every skinned widget asks for its font, many times while a window is
    // built; the answer only changes with the file, so keep the last one.
    struct Cached {
        QString path;
        QDateTime modified;
        qint64 size = -1;
        int index = 0;
        double scale = 0;
        QFont font;
    };
    static Cached cache;
    static std::mutex mutex;
    const QString path = mainConfigPath();
    const QFileInfo info(path);
    const std::lock_guard<std::mutex> lock(mutex);
    if (cache.path == path && cache.modified == info.lastModified() && cache.size == info.size() &&
        cache.index == languageIndex && cache.scale == scale)
        return cache.font;

    const IniFile ini(path, IniFile::Repair);
    const QString family =
        ini.value(QStringLiteral("FONT_LIST/FONT_%1").arg(languageIndex), QString()).toString();
    const uint size = ini.value(QStringLiteral("FONT_LIST/FONT_SIZE_%1").arg(languageIndex), 0).toUInt();
    QFont font(family);
    const int pixels = int(size * scale);
    if (pixels > 0) font.setPixelSize(pixels);
    cache = {path, info.lastModified(), info.size(), languageIndex, scale, font};
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
