// The floor for the start-up benchmark: a bare Qt Widgets window, shown the
// way any Qt program shows one, with nothing in it, on the same platform
// settings the program gives itself before its toolkit starts.
#include <QApplication>
#include <QFileInfo>
#include <QWidget>

int main(int argc, char* argv[]) {
    // The program paints with the raster engine only and keeps the OpenGL
    // integration unloaded; a floor that loads it would flatter the program.
    if (qEnvironmentVariableIsEmpty("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    // Nor does it look for a session bus that is not there.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFileInfo::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus")))
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/dev/null/no-session-bus");
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("Bare Window"));
    window.show();
    return app.exec();
}
