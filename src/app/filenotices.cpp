#include "filenotices.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStringList>

namespace {
QString translated(const char* text) {
    return QCoreApplication::translate("MainWindow", text);
}
} // namespace

QString fileNoticeText(const QList<FileNotice>& notices, const QString& appDir,
                       const QString& unsavedFile) {
    // Settings beside the program are named from its folder, the user's own
    // from their home.
    const QDir app(appDir);
    const QString home = QDir::homePath() + QLatin1Char('/');
    auto shown = [&](const QString& path) {
        if (path.startsWith(appDir + QLatin1Char('/')))
            return QDir::toNativeSeparators(app.relativeFilePath(path));
        if (path.startsWith(home)) return QStringLiteral("~/") + path.mid(home.size());
        return QDir::toNativeSeparators(path);
    };
    QStringList lines;
    for (const FileNotice& n : notices) {
        switch (n.kind) {
        case FileNotice::ProfileReset:
            lines << translated(QT_TRANSLATE_NOOP("MainWindow",
                                                  "Profile \"%1\" was damaged and has been reset."))
                         .arg(QFileInfo(n.path).completeBaseName());
            break;
        case FileNotice::NotLocked:
            lines << translated(QT_TRANSLATE_NOOP("MainWindow",
                                                  "%1 is locked; changes to it are not saved."))
                         .arg(shown(n.path));
            break;
        case FileNotice::Repaired:
            lines << translated(
                         QT_TRANSLATE_NOOP("MainWindow",
                                           "%1 was damaged; the damaged lines were removed."))
                         .arg(shown(n.path));
            break;
        case FileNotice::RulesSetAside:
            lines << translated(QT_TRANSLATE_NOOP("MainWindow",
                                                  "%1 was damaged and has been set aside; profiles "
                                                  "no longer follow the application in front."))
                         .arg(shown(n.path));
            break;
        case FileNotice::NotSaved:
            lines << translated(QT_TRANSLATE_NOOP("MainWindow", "%1 could not be saved."))
                         .arg(shown(n.path));
            break;
        }
    }
    // The write just asked for is reported each time, not only the first.
    const QString unsaved = translated(QT_TRANSLATE_NOOP("MainWindow", "%1 could not be saved."))
                                .arg(shown(unsavedFile));
    if (!unsavedFile.isEmpty() && !lines.contains(unsaved)) lines << unsaved;
    return lines.join(QLatin1Char('\n'));
}
