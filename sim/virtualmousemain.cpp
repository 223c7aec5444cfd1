// virtual-mouse: the daemon that owns one virtual mouse, and the command line
// that drives it (plug, press, battery, sleep, fault, log, state, stop).
#include "controlcommands.h"
#include "mouseserver.h"
#include "paths.h"
#include "productdef.h"
#include "wire.h"

#include <QColor>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <QTimer>
#include <csignal>
#include <cstdio>
#include <signal.h>
#include <unistd.h>

namespace {

volatile std::sig_atomic_t g_stopSignal = 0;
void onStopSignal(int) {
    g_stopSignal = 1;
}

constexpr int kStartWaitMs = 5000;
constexpr int kDefaultMotionMs = 700;

void printErr(const QString& text) {
    std::fprintf(stderr, "virtual-mouse: %s\n", qPrintable(text));
}

QString usage() {
    return QStringLiteral(
               "usage: virtual-mouse start <app dir> [--foreground] [--cable] [--no-receiver]\n"
               "                                     [--motion <ms>]\n"
               "       virtual-mouse <command> [arguments]\n") +
           QString::fromStdString(vm::controlUsage());
}

bool daemonAnswers(const std::string& path) {
    std::string text;
    return vmwire::control({"ping"}, &text, path) == 0;
}

struct StartOptions {
    QString appDir;
    bool foreground = false;
    bool receiver = true;
    bool cable = false;
    int motionMs = kDefaultMotionMs;
};

// Returns an error text, empty when the arguments are good.
QString parseStart(const QStringList& args, StartOptions* o) {
    for (int i = 2; i < args.size(); ++i) {
        const QString& a = args[i];
        if (a == "--foreground") {
            o->foreground = true;
        } else if (a == "--cable") {
            o->cable = true;
        } else if (a == "--no-receiver") {
            o->receiver = false;
        } else if (a == "--motion" && i + 1 < args.size()) {
            bool ok = false;
            o->motionMs = args[++i].toInt(&ok);
            if (!ok || o->motionMs < 0)
                return QStringLiteral("start: '%1' is not an interval in milliseconds")
                    .arg(args[i]);
        } else if (a.startsWith("--")) {
            return QStringLiteral("start: unknown option '%1'").arg(a);
        } else if (o->appDir.isEmpty()) {
            o->appDir = a;
        } else {
            return QStringLiteral("start: more than one application folder given");
        }
    }
    if (o->appDir.isEmpty()) return QStringLiteral("start: the application folder is missing");
    if (!QFileInfo(o->appDir).isDir())
        return QStringLiteral("start: '%1' is not a folder").arg(o->appDir);
    if (!QFileInfo::exists(QDir(o->appDir).filePath("DefaultProfile.bin")))
        return QStringLiteral("start: '%1' holds no DefaultProfile.bin").arg(o->appDir);
    return {};
}

int runForeground(QCoreApplication& app, const StartOptions& o, const std::string& path) {
    setAppDirOverride(QDir(o.appDir).absolutePath());
    const UsbIds ids = usbIds();
    vm::UsbIdentity identity;
    identity.receiverVid = uint16_t(ids.vid1);
    identity.receiverPid = uint16_t(ids.pid1);
    identity.cableVid = uint16_t(ids.vid2);
    identity.cablePid = uint16_t(ids.pid2);
    auto mouse = std::make_shared<vm::VirtualMouse>(identity);
    if (o.receiver) mouse->plug(vm::Link::Receiver);
    if (o.cable) mouse->plug(vm::Link::Cable);
    mouse->setMotionInterval(o.motionMs);

    MouseServer server(mouse);
    const QString name = QString::fromStdString(path);
    QLocalServer::removeServer(name); // a stale socket of a daemon that died
    if (!server.listen(name)) {
        printErr(QStringLiteral("cannot listen on %1: %2").arg(name, server.errorString()));
        return 1;
    }
    QObject::connect(&server, &MouseServer::stopRequested, &app, &QCoreApplication::quit);
    std::signal(SIGTERM, onStopSignal);
    std::signal(SIGINT, onStopSignal);
    std::signal(SIGHUP, onStopSignal);
    QTimer signalCheck;
    QObject::connect(&signalCheck, &QTimer::timeout, &app, [&app] {
        if (g_stopSignal) app.quit();
    });
    signalCheck.start(100);
    app.exec();
    server.close(); // removes the socket file
    // Client threads may still sit in blocking reads; end without unwinding them.
    std::fflush(nullptr);
    ::_exit(0);
}

int start(QCoreApplication& app, const QStringList& args) {
    StartOptions o;
    const QString error = parseStart(args, &o);
    if (!error.isEmpty()) {
        printErr(error);
        return 2;
    }
    const std::string path = vmwire::socketPath();
    if (daemonAnswers(path)) {
        printErr(QStringLiteral("a daemon is already listening on %1")
                     .arg(QString::fromStdString(path)));
        return 1;
    }
    if (o.foreground) return runForeground(app, o, path);

    // The daemon runs from "/", so it gets the folder as an absolute path.
    QStringList childArgs = {QStringLiteral("start"), QDir(o.appDir).absolutePath(),
                             QStringLiteral("--foreground"), QStringLiteral("--motion"),
                             QString::number(o.motionMs)};
    if (o.cable) childArgs << QStringLiteral("--cable");
    if (!o.receiver) childArgs << QStringLiteral("--no-receiver");
    QProcess child;
    child.setProgram(QCoreApplication::applicationFilePath());
    child.setArguments(childArgs);
    child.setStandardInputFile(QProcess::nullDevice());
    child.setStandardOutputFile(QProcess::nullDevice());
    child.setStandardErrorFile(QProcess::nullDevice());
    child.setWorkingDirectory(QStringLiteral("/"));
    qint64 pid = 0;
    if (!child.startDetached(&pid)) {
        printErr(QStringLiteral("cannot start the daemon"));
        return 1;
    }
    for (int waited = 0; waited < kStartWaitMs; waited += 20) {
        if (daemonAnswers(path)) return 0;
        if (::kill(pid_t(pid), 0) != 0) {
            printErr(QStringLiteral("the daemon ended at once; run 'virtual-mouse start %1 "
                                    "--foreground' to see why")
                         .arg(o.appDir));
            return 1;
        }
        QThread::msleep(20);
    }
    printErr(QStringLiteral("the daemon did not come up on %1").arg(QString::fromStdString(path)));
    return 1;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    // Colour entries of the product definition are read through QtGui's
    // variant handler, which is only registered once QtGui is loaded.
    static const QString loadGui = QColor(Qt::black).name();
    Q_UNUSED(loadGui);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fputs(qPrintable(usage()), stderr);
        return 2;
    }
    const QString sub = args[1];
    if (sub == "help" || sub == "--help" || sub == "-h") {
        std::fputs(qPrintable(usage()), stdout);
        return 0;
    }
    if (sub == "start") return start(app, args);

    std::vector<std::string> command;
    for (int i = 1; i < args.size(); ++i)
        command.push_back(args[i].toStdString());
    const std::string path = vmwire::socketPath();
    std::string text;
    const int status = vmwire::control(command, &text, path);
    if (status < 0) {
        printErr(QString::fromStdString(text) +
                 QStringLiteral(" (start one with: virtual-mouse start <app dir>)"));
        return 1;
    }
    if (status == 0 && sub == "stop") {
        // Return once the daemon is gone, so that a new start can follow at once.
        for (int waited = 0; waited < kStartWaitMs && ::access(path.c_str(), F_OK) == 0;
             waited += 20)
            QThread::msleep(20);
    }
    if (status != 0) text = "virtual-mouse: " + text;
    std::fputs(text.c_str(), status == 0 ? stdout : stderr);
    return status;
}
