// Guarded access to the INI files the program reads and writes: every file may
// have been damaged or planted by someone else.
#pragma once

#include <QString>

// True when every variant-notation value ("@Variant(...)") in the file is a
// colour, the only form the program itself writes. QSettings' own parser
// trusts the lengths inside such values and aborts on hostile ones, so a file
// that fails this check must never be opened with QSettings.
bool iniVariantsSafe(const QString& path);
