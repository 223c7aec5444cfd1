#include "macrofile.h"

#include "filename.h"
#include "inifile.h"
#include "paths.h"

#include <algorithm>

std::vector<MacroStep> readMacroSteps(const QString& name, int limit)
{
    // A name that is no plain file name would read outside the macro folder.
    if (!isValidFileName(name)) return {};
    // A file with hostile values reads as an empty macro.
    const IniFile ini(macroFilePath(name));
    const int count = std::min(ini.value(QStringLiteral("Setting/Count"), 0).toInt(), limit);
    std::vector<MacroStep> steps;
    for (int k = 0; k < count; ++k) {
        auto byte = [&](const char* key) {
            return uint8_t(
                ini.value(QStringLiteral("Setting/%1_%2").arg(QLatin1String(key)).arg(k), 0)
                    .toInt() &
                0xFF);
        };
        steps.push_back({byte("Map"), byte("DataL"), byte("DataH")});
    }
    return steps;
}
