#include "pointerspeed.h"

#include <QLoggingCategory>
#include <QProcess>
#include <QStandardPaths>
#include <QStringList>

#include <X11/Xlib.h>
#include <algorithm>
#include <cmath>
#include <memory>

Q_LOGGING_CATEGORY(lcPointer, "mousecfg.pointer")

namespace {

struct DisplayCloser {
    void operator()(Display* d) const { XCloseDisplay(d); }
};
using DisplayPtr = std::unique_ptr<Display, DisplayCloser>;

DisplayPtr openDisplay() {
    // Only an X11 session has a pointer acceleration to read.
    if (qEnvironmentVariableIsEmpty("DISPLAY")) return nullptr;
    return DisplayPtr(XOpenDisplay(nullptr));
}

} // namespace

int readPointerSpeed() {
    const DisplayPtr d = openDisplay();
    if (!d) return 0;
    int num = 0, denom = 0, threshold = 0;
    XGetPointerControl(d.get(), &num, &denom, &threshold);
    if (denom <= 0) return 10;
    // Speed 10 is acceleration 1/1; the scale is linear (speed / 10).
    const int speed = int(std::lround(10.0 * num / denom));
    return std::clamp(speed, 1, 20);
}

bool applyPointerSpeed(int speed) {
    const DisplayPtr d = openDisplay();
    if (!d) return false;
    speed = std::clamp(speed, 1, 20);
    XChangePointerControl(d.get(), True, False, speed, 10, 0);
    XSync(d.get(), False);
    qCDebug(lcPointer) << "pointer speed set to" << speed;
    return true;
}

bool openMouseSettings() {
    struct Program {
        const char* exe;
        QStringList args;
    };
    const Program programs[] = {
        {"gnome-control-center", {QStringLiteral("mouse")}},
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
