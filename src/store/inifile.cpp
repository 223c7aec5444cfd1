#include "inifile.h"

bool iniVariantsSafe(const QString& path)
{
    Q_UNUSED(path);
    return true;
}
