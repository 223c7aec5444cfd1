// `mousecfg-cli battery` from process start to answer, beside the protocol's
// own wait for one status report and the time the virtual mouse took to
// answer the poll (from the daemon's report log).
#include "e2esession.h"
#include "statuspollthread.h"

#include <QElapsedTimer>
#include <QRegularExpression>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int kRuns = 20;

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

// Milliseconds from the poll going out to its answer coming in, per poll.
std::vector<double> pollAnswerTimes(const QString& log) {
    static const QRegularExpression line(
        QStringLiteral("^(\\d+) [RC] (out|in) 05 [0-9a-f]{2} fa 48 "),
        QRegularExpression::MultilineOption);
    std::vector<double> times;
    double sent = -1;
    for (auto it = line.globalMatch(log); it.hasNext();) {
        const auto m = it.next();
        const double ms = m.captured(1).toDouble();
        if (m.captured(2) == QLatin1String("out")) {
            sent = ms;
        } else if (sent >= 0) {
            times.push_back(ms - sent);
            sent = -1;
        }
    }
    return times;
}

} // namespace

int main(int argc, char* argv[]) {
    QCoreApplication app(argc, argv);
    E2eSession s;
    if (!s.startMouse({"--motion", "0"})) {
        std::fprintf(stderr, "%s\n", qPrintable(s.error()));
        return 1;
    }
    s.vm({"battery", "4000"});
    QProcessEnvironment env = s.childEnv();
    env.remove(QStringLiteral("DISPLAY"));
    env.insert(QStringLiteral("LD_PRELOAD"), s.appFile(QStringLiteral("libvirtual-mouse-hid.so")));
    std::vector<double> wall;
    for (int i = 0; i < kRuns; ++i) {
        QProcess p;
        p.setProcessEnvironment(env);
        QElapsedTimer t;
        t.start();
        p.start(s.appFile(QStringLiteral("mousecfg-cli")), {QStringLiteral("battery")});
        // The answer is the first line on stdout.
        while (!p.canReadLine() && p.waitForReadyRead(5000)) {
        }
        wall.push_back(t.nsecsElapsed() / 1e6);
        p.waitForFinished(5000);
        if (i == 0) std::printf("answer: %s", p.readAllStandardOutput().constData());
    }
    const std::vector<double> poll = pollAnswerTimes(s.vm({"log"}));
    std::printf("battery, process start to answer: median %.1f ms, max %.1f ms (%d runs, "
                "goal < 100 ms)\n",
                median(wall), *std::max_element(wall.begin(), wall.end()), kRuns);
    std::printf("the mouse's own answer to one poll: median %.1f ms (%zu polls)\n", median(poll),
                poll.size());
    const StatusTiming t = statusTiming();
    std::printf("the protocol's wait for one status report: %d ms settle after the poll, reads of "
                "up to %d ms\n",
                t.pollSettleMs, t.readTimeoutMs);
    return 0;
}
