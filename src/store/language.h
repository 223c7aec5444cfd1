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

// The font of a language: "FONT_LIST/FONT_%d" with its pixel size
// "FONT_LIST/FONT_SIZE_%d" times the display scale, truncated.
QFont fontFor(int languageIndex, double scale);

// The process-wide current language index and the language whose key names
// come from the French set (-1: never).
int currentLanguageIndex();
void setCurrentLanguageIndex(int index);
void setFrenchLanguageIndex(int index);
bool frenchNameSetActive();
