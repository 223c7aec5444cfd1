// How fast the on-mouse profile follows the application in front: the real
// program against the virtual mouse, with two client windows whose rules
// name profiles 2 and 3, the focus moved between them again and again on an
// X server with openbox and on headless sway. Prints the median and the
// slowest time from the focus request (the tool that asks for it included)
// to the virtual mouse reporting the profile active, and the program's
// wakeups per second while the focus stays where it is.
//
//   build/bench/app/bench_focus_switch [rounds]
//
// BENCH_TRACE=1 also prints the end of the program's focus and packet trace
// on X11, with times since its start.
#include "waylandsession.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// Context switches of every thread of `pid` so far.
long long wakeups(qint64 pid) {
    long long total = 0;
    const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
    for (const QString& t : tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile f(tasks.filePath(t + QStringLiteral("/status")));
        if (!f.open(QIODevice::ReadOnly)) continue;
        for (const QByteArray& line : f.readAll().split('\n'))
            if (line.contains("ctxt_switches:"))
                total += line.split(':').value(1).trimmed().toLongLong();
    }
    return total;
}

// Moves the focus `rounds` times and prints what it took.
void measure(const char* where, const E2eSession& s, qint64 pid, int rounds,
             const std::function<void(const QString&)>& focus) {
    std::vector<double> ms, asking, polls;
    for (int i = 0; i < rounds; ++i) {
        const bool first = i % 2 == 0;
        const int profile = first ? 1 : 2;
        QElapsedTimer clock;
        clock.start();
        focus(first ? QStringLiteral("Game A") : QStringLiteral("Game B"));
        asking.push_back(clock.nsecsElapsed() / 1e6);
        for (;;) {
            const qint64 before = clock.nsecsElapsed();
            const bool there = activeProfile(s) == profile;
            polls.push_back((clock.nsecsElapsed() - before) / 1e6);
            if (there || clock.elapsed() > 5000) break;
        }
        ms.push_back(clock.nsecsElapsed() / 1e6);
        // The mouse finishes the switch (the profile's blocks are applied
        // after the select) before the focus moves on, as a person's would.
        QElapsedTimer pause;
        pause.start();
        while (pause.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    for (auto* v : {&ms, &asking, &polls})
        std::sort(v->begin(), v->end());
    const long long before = wakeups(pid);
    QElapsedTimer idle;
    idle.start();
    while (idle.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 100);
    const double perSecond = (wakeups(pid) - before) / (idle.elapsed() / 1000.0);
    std::printf("%-6s focus to profile: median %.1f ms, slowest %.1f ms (%d switches; the "
                "request itself %.1f ms, one look at the mouse %.1f ms); idle wakeups %.1f/s\n",
                where, ms[ms.size() / 2], ms.back(), rounds, asking[asking.size() / 2],
                polls[polls.size() / 2], perSecond);
}

void onX11(int rounds) {
    E2eSession s;
    if (qEnvironmentVariableIsSet("BENCH_TRACE")) {
        s.setEnv("QT_LOGGING_RULES",
                 "mousecfg.follow.debug=true\nmousecfg.device.packets.debug=true\n"
                 "mousecfg.platform.focus.debug=true");
        s.setEnv("QT_MESSAGE_PATTERN", "%{time process} %{message}");
    }
    if (!s.startAll() || s.startBus().isEmpty() || !s.startWindowManager()) {
        std::printf("X11: cannot run: %s\n", qPrintable(s.error()));
        return;
    }
    writeFollowRules(s);
    QProcess* program = s.startProgram();
    if (s.waitForWindow(E2eSession::productTitle(), 45000).isEmpty()) return;
    QHash<QString, QString> ids;
    for (const char* app : {"gamea", "org.example.GameB"}) {
        const QString title = app[0] == 'g' ? QStringLiteral("Game A") : QStringLiteral("Game B");
        s.startProgram(QStringLiteral(FOCUS_WINDOW), {"--app-id", app, title}, s.childEnv());
        ids[title] = s.waitForWindow(title, 20000);
    }
    measure("X11", s, program->processId(), rounds, [&](const QString& title) {
        s.xdotool({"windowactivate", ids[title]});
    });
    if (qEnvironmentVariableIsSet("BENCH_TRACE")) {
        QFile f(s.workDir() + "/mousecfg.out");
        f.open(QIODevice::ReadOnly);
        std::printf("%s\n", f.readAll().right(5000).constData());
    }
}

void onSway(int rounds) {
    WaylandSession s;
    if (!s.startWayland()) {
        std::printf("sway: cannot run: %s\n", qPrintable(s.error()));
        return;
    }
    writeFollowRules(s);
    QProcess* program = s.startProgram();
    if (s.waitForView(E2eSession::productTitle(), 45000).isEmpty()) return;
    s.startFocusWindow(QStringLiteral("Game A"), {"--app-id", "gamea"});
    s.startFocusWindow(QStringLiteral("Game B"), {"--app-id", "org.example.GameB"});
    s.waitForView(QStringLiteral("Game A"), 15000);
    s.waitForView(QStringLiteral("Game B"), 15000);
    measure("sway", s, program->processId(), rounds, [&](const QString& title) {
        s.swaymsg({QStringLiteral("[title=\"%1\"] focus").arg(title)});
    });
}

} // namespace

int main(int argc, char* argv[]) {
    // The sessions only need an event loop of their own.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const int rounds = std::max(2, app.arguments().value(1, QStringLiteral("40")).toInt());
    onX11(rounds);
    onSway(rounds);
    return 0;
}
