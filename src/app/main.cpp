// Process entry: one copy per product, then the main window and the event loop.
#include "inifile.h"
#include "kitaccessible.h"
#include "mainwindow.h"
#include "paths.h"
#include "productdef.h"
#include "quitsignals.h"
#include "singleinstance.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <fontconfig/fontconfig.h>
#include <future>

namespace {
constexpr int kDeviceStartFallbackMs = 500;

constexpr char kHelp[] =
    "Usage: mousecfg [options]\n"
    "Sets up the wireless gaming mouse: DPI, buttons, macros, lighting and profiles.\n"
    "\n"
    "Options:\n"
    "  -h, --help             Show this help and exit.\n"
    "  -v, --version          Show the version and exit.\n"
    "  --minimized            Start in the tray without showing the window\n"
    "                         (minimised where the desktop has no tray).\n"
    "  --config-dir <folder>  Keep the settings in <folder> (created and filled\n"
    "                         with the defaults when new).\n";

// Help and version are answered before the toolkit starts, so they work in a
// terminal without a display.
int answeredAtOnce(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i) {
        if (!std::strcmp(argv[i], "--help") || !std::strcmp(argv[i], "-h")) {
            std::fputs(kHelp, stdout);
            return 0;
        }
        if (!std::strcmp(argv[i], "--version") || !std::strcmp(argv[i], "-v")) {
            std::printf("mousecfg %s\n", MOUSECFG_VERSION);
            return 0;
        }
    }
    return -1;
}

// Without any display the toolkit would abort with a page about plugins; a
// user on a text console gets one line instead.
bool noDisplay(int argc, char* argv[]) {
    for (int i = 1; i < argc; ++i)
        if (!std::strcmp(argv[i], "-platform")) return false;
    return qEnvironmentVariableIsEmpty("DISPLAY") &&
           qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
           qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}
} // namespace

int main(int argc, char* argv[]) {
    const int answered = answeredAtOnce(argc, argv);
    if (answered >= 0) return answered;
    if (noDisplay(argc, argv)) {
        std::fputs("mousecfg: no display to show the window on (DISPLAY is not set).\n"
                   "The command-line tool mousecfg-cli works without one.\n",
                   stderr);
        return 1;
    }
    // fontconfig's first start (its configuration and every font cache) is a
    // large part of the time to the window; it runs here beside the
    // toolkit's own start, which does not need fonts yet. FcInit is safe to
    // meet the toolkit's later call from the other thread.
    std::future<void> fonts = std::async(std::launch::async, [] { FcInit(); });
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
    installKitAccessibility();
    QCoreApplication::setApplicationName(QStringLiteral("mousecfg"));
    QCoreApplication::setApplicationVersion(QStringLiteral(MOUSECFG_VERSION));
    // Lets the desktop match the window to the installed entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("io.mousecfg.mousecfg"));
    // The toolkit took its own options out of the arguments already.
    QCommandLineParser parser;
    const QCommandLineOption minimized(QStringLiteral("minimized"));
    const QCommandLineOption configDirOption(QStringLiteral("config-dir"), QString(),
                                             QStringLiteral("folder"));
    parser.addOptions({minimized, configDirOption});
    if (!parser.parse(QCoreApplication::arguments()) || !parser.positionalArguments().isEmpty()) {
        const QString error = parser.errorText().isEmpty()
                                  ? QStringLiteral("unexpected argument '%1'")
                                        .arg(parser.positionalArguments().value(0))
                                  : parser.errorText();
        std::fprintf(stderr, "mousecfg: %s\nTry 'mousecfg --help'.\n", qPrintable(error));
        return 1;
    }
    if (parser.isSet(configDirOption)) {
        const QString dir = parser.value(configDirOption);
        if (dir.isEmpty() || !QDir().mkpath(dir)) {
            std::fprintf(stderr, "mousecfg: cannot create the settings folder '%s'\n",
                         qPrintable(dir));
            return 1;
        }
        setConfigDirOverride(dir);
    }
    // Debug lines (the packet trace among them) stay quiet unless asked for
    // with QT_LOGGING_RULES, e.g. "mousecfg.*.debug=true".
    if (qEnvironmentVariableIsEmpty("QT_LOGGING_RULES"))
        QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    // Qt 5's own high-DPI scaling stays off: the window scales its geometry
    // and fonts itself from the screen's logical DPI. Qt 6 always scales by
    // itself; the window's scale is then only what is left over (screenScale).
    // Closing the window hides it into the tray; the program ends from the
    // tray's "Quit" (or from the window's own close where there is no tray).
    QApplication::setQuitOnLastWindowClosed(false);
    quitOnTerminationSignals();

    const QString product = productName();
    SingleInstance instance(SingleInstance::mutexNameFor(product));
    if (!instance.isFirst()) {
        // Starting the program again means "show it": the running copy
        // brings its window forward, and this one ends as before.
        instance.askFirstToRaise();
        return 1;
    }
    // An installed program's first start copies the default settings into
    // the user's folder. A folder that cannot be filled is named in the
    // window's first notice: nothing the user changes could be kept.
    if (!seedConfigDir())
        addFileNotice(FileNotice::NotSaved, QDir::toNativeSeparators(configDir()));

    int result = 0;
    {
        // The window comes first; the mouse is looked for right after its
        // first paint, and the connection warning follows when none is there.
        MainWindow window;
        window.setStartMinimized(parser.isSet(minimized));
        QStringList autostartArgs{QStringLiteral("--minimized")};
        if (parser.isSet(configDirOption))
            autostartArgs << QStringLiteral("--config-dir") << configDir();
        window.setAutostartArguments(autostartArgs);
        if (!parser.isSet(minimized)) window.show();
        instance.onRaiseRequest([&window] { window.bringForward(); });
        // The platform read it when the window was made; programs started
        // from here get the environment as it was.
        if (!glChosen) qunsetenv("QT_XCB_GL_INTEGRATION");
        // A window that is never painted (no screen to show it on) still
        // finds its mouse.
        QTimer::singleShot(kDeviceStartFallbackMs, &window, &MainWindow::startDevices);
        result = app.exec();
    }
    fonts.wait();
    return result;
}
