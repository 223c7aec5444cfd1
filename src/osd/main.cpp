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

int main(int argc, char* argv[]) {
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
    if (!server.listen(parser.value(nameOption))) {
        // Another companion already serves the notices (or the socket cannot
        // be made); one is enough.
        return 0;
    }
    return app.exec();
}
