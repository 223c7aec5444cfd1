// Process entry: one copy per product, then the main window and the event loop.
#include "mainwindow.h"
#include "productdef.h"
#include "singleinstance.h"

#include <QApplication>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>

namespace {
constexpr int kDeviceStartFallbackMs = 500;
} // namespace

int main(int argc, char* argv[])
{
    // The window paints with the raster engine only; without this the X11
    // platform loads the OpenGL stack (a software renderer on many machines)
    // when the first window is made, which costs more start-up time and
    // memory than the rest of the window. A value the user set is kept.
    const bool glChosen = !qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION");
    if (!glChosen) qputenv("QT_XCB_GL_INTEGRATION", "none");
    // With no session bus to be found, the toolkit's first accessibility and
    // tray lookups would fork a bus launcher from a program whose workers are
    // already running, and such a child can hang before it execs, taking the
    // window with it. Nothing this program talks to would be on a bus
    // launched that way, so the lookups are told at once that there is none.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/no-session-bus");
    QApplication app(argc, argv);
    // Debug lines (the packet trace among them) stay quiet unless asked for
    // with QT_LOGGING_RULES, e.g. "mousecfg.*.debug=true".
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    // Qt's own high-DPI scaling stays off: the window scales its geometry and
    // fonts itself from the screen's logical DPI.
    // Closing the window hides it; the program ends from the tray's "Quit".
    QApplication::setQuitOnLastWindowClosed(false);

    const QString product = productName();
    const SingleInstance instance(SingleInstance::mutexNameFor(product));
    if (!instance.isFirst()) return 1;

    int result = 0;
    {
        // The window comes first; the mouse is looked for right after its
        // first paint, and the connection warning follows when none is there.
        MousecfgWidget window;
        window.show();
        // The platform read it when the window was made; programs started
        // from here get the environment as it was.
        if (!glChosen) qunsetenv("QT_XCB_GL_INTEGRATION");
        // A window that is never painted (no screen to show it on) still
        // finds its mouse.
        QTimer::singleShot(kDeviceStartFallbackMs, &window, &MousecfgWidget::startDevices);
        result = app.exec();
    }
    return result;
}
