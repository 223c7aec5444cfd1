// The application in front, as the program's focus watch sees it on a real
// X server with a window manager and on sway, through its IPC and through its
// toplevel list: two windows of different applications take the focus in
// turn, and the watch names each in order.
#include "waylandsession.h"

namespace {

// The instance (X11) or app id (Wayland) of each "focus" line the probe
// printed, and its last list of running applications.
struct Seen {
    QStringList focus;
    QStringList running;
    QStringList executables;
};

Seen parse(const QByteArray& out) {
    Seen seen;
    for (const QByteArray& raw : out.split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.startsWith(QLatin1String("focus "))) {
            const QStringList f = line.mid(6).split('|');
            seen.focus << (f.value(0).isEmpty() ? f.value(2) : f.value(0));
            seen.executables << f.value(3);
        } else if (line.startsWith(QLatin1String("running "))) {
            seen.running = line.mid(8).split(';');
        }
    }
    return seen;
}

// Focuses each app with `focus` and checks the probe named it last, with no
// line repeated for the same application, and `executable` as its program.
void focusInTurn(const std::function<void(const QString&)>& focus,
                 const std::function<QByteArray()>& output, const E2eSession& s,
                 const QString& executable = QStringLiteral("focus-window")) {
    for (const QString app : {"focus-one", "focus-two", "focus-one"}) {
        focus(app);
        SESSION_VERIFY(s, waitUntil(
                              [&] {
                                  const QStringList f = parse(output()).focus;
                                  return !f.isEmpty() && f.constLast() == app;
                              },
                              10000));
    }
    const Seen seen = parse(output());
    for (int i = 1; i < seen.focus.size(); ++i)
        QVERIFY2(seen.focus[i] != seen.focus[i - 1], qPrintable(seen.focus.join(',')));
    QCOMPARE(seen.focus.mid(seen.focus.size() - 3),
             QStringList({"focus-one", "focus-two", "focus-one"}));
    QCOMPARE(seen.executables.constLast(), executable);
    QVERIFY2(seen.running.contains("focus-one") && seen.running.contains("focus-two"),
             qPrintable(seen.running.join(';')));
}

} // namespace

class TestFocus : public QObject {
    Q_OBJECT
private slots:
    void x11() {
        E2eSession s;
        if (!s.startDisplay()) QSKIP(qPrintable(s.error()));
        if (!s.startWindowManager()) QSKIP(qPrintable(s.error()));
        std::vector<std::unique_ptr<QProcess>> clients;
        const auto start = [&](const QString& program, const QStringList& args) {
            clients.push_back(std::make_unique<QProcess>());
            clients.back()->setProcessEnvironment(s.childEnv());
            clients.back()->start(program, args);
            return clients.back().get();
        };
        QProcess* probe = start(QStringLiteral(FOCUS_PROBE), {});
        QByteArray out;
        const auto output = [&] { return out += probe->readAllStandardOutput(); };
        QVERIFY(waitUntil([&] { return output().contains("source x11"); }, 10000));
        QMap<QString, QString> windows;
        for (const QString app : {"focus-one", "focus-two"}) {
            start(QStringLiteral(FOCUS_WINDOW), {app, "--app-id", app});
            windows[app] = s.waitForWindow(app, 10000);
            QVERIFY(!windows[app].isEmpty());
        }
        focusInTurn(
            [&](const QString& app) {
                s.xdotool({"windowactivate", "--sync", windows[app]});
            },
            output, s);
        for (auto& c : clients)
            E2eSession::stop(c.get());
    }

    void sway() { onSway(QStringLiteral("sway"), {}); }

    // The toplevel list names no process: no executable is found.
    void wlroots() { onSway(QStringLiteral("wlroots"), {"SWAYSOCK", "I3SOCK"}); }

private:
    void onSway(const QString& source, const QStringList& unset) {
        WaylandSession w;
        WAYLAND_START(w);
        for (const QString app : {"focus-one", "focus-two"}) {
            w.startFocusWindow(app, {"--app-id", app});
            QVERIFY(!w.waitForView(app, 10000).isEmpty());
        }
        w.startHelper(QStringLiteral("probe"), QStringLiteral(FOCUS_PROBE), {}, unset);
        const auto output = [&] { return readText(w.workDir() + QStringLiteral("/probe.out")); };
        SESSION_VERIFY(
            w, waitUntil([&] { return output().contains("source " + source.toUtf8()); }, 10000));
        focusInTurn(
            [&](const QString& app) {
                w.swaymsg({"[app_id=" + app + "]", "focus"});
            },
            output, w, unset.isEmpty() ? QStringLiteral("focus-window") : QString());
    }
};

QTEST_GUILESS_MAIN(TestFocus)
#include "test_focus.moc"
