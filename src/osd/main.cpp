// The on-screen-display companion: shows the program's short notices (DPI
// stage, report rate) on top of everything, for a moment, near the bottom of
// the screen.
//
//   OSD [--name <socket name>] [--log <file>]
//
// OSD_LOG=<file> in the environment does the same as --log.
#include "osdserver.h"
#include "osdwindow.h"

#include <QApplication>
#include <QCommandLineParser>
#include <cstdio>

namespace {

// A Wayland client cannot show a window that stays out of the keyboard focus:
// the compositor hands every new window the focus. Where the session has
// XWayland, the notice goes there instead, as a window the desktop leaves alone.
void preferXWayland() {
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if ((platform.isEmpty() || platform.startsWith("wayland")) &&
        !qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "xcb");
}

} // namespace

int main(int argc, char* argv[]) {
    preferXWayland();
    QApplication app(argc, argv);
    app.setQuitOnLastWindowClosed(false);
    QCommandLineParser parser;
    const QCommandLineOption nameOption(QStringLiteral("name"), QStringLiteral("Socket name."),
                                        QStringLiteral("name"), osdServerName());
    const QCommandLineOption logOption(QStringLiteral("log"), QStringLiteral("Log file."),
                                       QStringLiteral("file"));
    parser.addOption(nameOption);
    parser.addOption(logOption);
    parser.addHelpOption();
    parser.process(app);

    OsdWindow window;
    OsdServer server(&window);
    QString log = parser.value(logOption);
    if (log.isEmpty()) log = qEnvironmentVariable("OSD_LOG");
    if (!server.setLogFile(log))
        std::fprintf(stderr, "OSD: cannot open the log %s\n", qPrintable(log));
    switch (server.listen(parser.value(nameOption))) {
    case OsdServer::Listen::Listening:
        break;
    case OsdServer::Listen::AlreadyRunning:
        return 0; // one companion serves every notice
    case OsdServer::Listen::Failed:
        std::fprintf(stderr, "OSD: cannot listen on %s\n", qPrintable(parser.value(nameOption)));
        return 1;
    }
    return app.exec();
}
