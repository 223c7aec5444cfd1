// The text that tells the user what the settings store met: damaged, repaired
// or locked files, and a file a save could not write.
#pragma once

#include "inifile.h"

#include <QList>
#include <QString>

// One line per notice, paths shown from the program's folder `appDir` or the
// home folder; `unsavedFile` (when given) is named even when told before.
// Empty when there is nothing to tell.
QString fileNoticeText(const QList<FileNotice>& notices, const QString& appDir,
                       const QString& unsavedFile = QString());
