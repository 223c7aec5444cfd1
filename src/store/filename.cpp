#include "filename.h"

bool isValidFileName(const QString& name) {
    if (name.trimmed().isEmpty() || name.size() > kMaxFileNameLength) return false;
    if (name == QLatin1String(".") || name == QLatin1String("..")) return false;
    for (const QChar c : name) {
        if (c.category() == QChar::Other_Control) return false;
        switch (c.unicode()) {
        case '/':
        case '\\':
        case '<':
        case '>':
        case ':':
        case '"':
        case '|':
        case '?':
        case '*':
            return false;
        default:
            break;
        }
    }
    return true;
}
