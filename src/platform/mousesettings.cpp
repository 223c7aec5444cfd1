#include "mousesettings.h"

#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

bool openMouseSettings() {
    struct Program {
        const char* exe;
        QStringList args;
    };
    // Plasma 6 names its module kcm_mouse and its tools with a 6; a machine
    // may carry both generations, and the newer one is the running desktop.
    const Program programs[] = {
        {"gnome-control-center", {QStringLiteral("mouse")}},
        {"kcmshell6", {QStringLiteral("kcm_mouse")}},
        {"systemsettings", {QStringLiteral("kcm_mouse")}},
        {"kcmshell5", {QStringLiteral("mouse")}},
        {"systemsettings5", {QStringLiteral("mouse")}},
        {"xfce4-mouse-settings", {}},
        {"mate-mouse-properties", {}},
        {"lxinput", {}},
    };
    for (const Program& p : programs) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(p.exe));
        if (!path.isEmpty() && QProcess::startDetached(path, p.args)) return true;
    }
    return false;
}
