// The virtual-mouse daemon and its subcommands run as processes, and the
// drop-in HID library under a plain hidapi client.
#include "testutil.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int code = -1;
    QString out;
    QString err;
};

Run run(const QString& program, const QStringList& args, const QProcessEnvironment& env) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    Run r;
    if (!p.waitForFinished(15000)) {
        p.kill();
        p.waitForFinished();
        r.err = "timed out";
        return r;
    }
    r.code = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

class TestDaemon : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void subcommands_data();
    void subcommands();
    void dropInLibrary_data();
    void dropInLibrary();
    void noDaemon_data();
    void noDaemon();
    void foregroundDaemonStops();
    void daemonThatCannotListen_data();
    void daemonThatCannotListen();

private:
    Run vm(const QStringList& args) { return run(VIRTUAL_MOUSE, args, m_env); }
    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

void TestDaemon::initTestCase() {
    QVERIFY(m_dir.isValid());
    m_env = QProcessEnvironment::systemEnvironment();
    m_env.insert("VIRTUAL_MOUSE_SOCKET", m_dir.filePath("vm.sock"));
    const Run started = vm({"start", dataDir()});
    QCOMPARE(started.err, QString());
    QCOMPARE(started.out, QString()); // silent on success
    QCOMPARE(started.code, 0);
    QCOMPARE(vm({"ping"}).code, 0); // ready as soon as start returns
    // Periodic movement reports would make the probe's counts vary; the
    // "motion" fault sends them where a row wants them.
    QCOMPARE(vm({"motion", "0"}).code, 0);
}

void TestDaemon::cleanupTestCase() {
    const Run stopped = vm({"stop"});
    QCOMPARE(stopped.code, 0);
    QVERIFY(!QFile::exists(m_dir.filePath("vm.sock")));
}

void TestDaemon::subcommands_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("out"); // a part of stdout
    QTest::addColumn<QString>("err"); // a part of stderr
    // Rows run in order against one daemon.
    QTest::newRow("state at start") << QStringList{"state"} << 0 << "receiver: plugged"
                                    << "";
    QTest::newRow("plug cable") << QStringList{"plug", "cable"} << 0 << ""
                                << "";
    QTest::newRow("state with cable") << QStringList{"state"} << 0 << "cable: plugged"
                                      << "";
    QTest::newRow("press dpi") << QStringList{"press", "dpi"} << 0 << ""
                               << "";
    QTest::newRow("status report went over the cable")
        << QStringList{"log"} << 0 << " C in 05 23 fa 49 00 01 01 00"
        << "";
    QTest::newRow("battery") << QStringList{"battery", "3900", "charging"} << 0 << ""
                             << "";
    QTest::newRow("battery in state") << QStringList{"state"} << 0 << "raw 945 (3898 mV), charging"
                                      << "";
    QTest::newRow("sleep") << QStringList{"sleep"} << 0 << ""
                           << "";
    QTest::newRow("asleep in state") << QStringList{"state"} << 0 << "mouse: asleep"
                                     << "";
    QTest::newRow("wake") << QStringList{"wake"} << 0 << ""
                          << "";
    QTest::newRow("fault") << QStringList{"fault", "zero", "2"} << 0 << ""
                           << "";
    QTest::newRow("fault clear") << QStringList{"fault", "clear"} << 0 << ""
                                 << "";
    QTest::newRow("unplug cable") << QStringList{"unplug", "cable"} << 0 << ""
                                  << "";
    QTest::newRow("log clear") << QStringList{"log", "clear"} << 0 << ""
                               << "";
    QTest::newRow("empty log") << QStringList{"log"} << 0 << ""
                               << "";
    QTest::newRow("bad voltage") << QStringList{"battery", "lots"} << 2 << ""
                                 << "'lots' is not a voltage";
    QTest::newRow("bad fault count") << QStringList{"fault", "lost", "x"} << 2 << ""
                                     << "count";
    QTest::newRow("bad link") << QStringList{"plug", "hub"} << 2 << ""
                              << "receiver or cable";
    QTest::newRow("bad access") << QStringList{"access", "maybe"} << 2 << ""
                                << "deny or allow";
    QTest::newRow("unknown command") << QStringList{"jump"} << 2 << ""
                                     << "unknown command";
    QTest::newRow("no command") << QStringList{} << 2 << ""
                                << "usage";
    QTest::newRow("second start") << QStringList{"start", dataDir()} << 1 << ""
                                  << "already";
    QTest::newRow("start without folder") << QStringList{"start"} << 2 << ""
                                          << "folder is missing";
    QTest::newRow("start with bad folder") << QStringList{"start", "/nonexistent/app"} << 2 << ""
                                           << "is not a folder";
    QTest::newRow("start with unknown option")
        << QStringList{"start", dataDir(), "--fast"} << 2 << ""
        << "unknown option";
    QTest::newRow("help") << QStringList{"help"} << 0 << "usage"
                          << "";
}

void TestDaemon::subcommands() {
    QFETCH(QStringList, args);
    QFETCH(int, code);
    QFETCH(QString, out);
    QFETCH(QString, err);
    const Run r = vm(args);
    QVERIFY2(r.code == code, qPrintable(QString("exit %1, stderr: %2").arg(r.code).arg(r.err)));
    QVERIFY2(r.out.contains(out), qPrintable(r.out));
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
    if (args == QStringList{"empty log"} || QTest::currentDataTag() == QString("empty log"))
        QCOMPARE(r.out, QString());
    if (code == 0 && out.isEmpty() && args.value(0) != "log") QCOMPARE(r.out, QString());
}

void TestDaemon::dropInLibrary_data() {
    QTest::addColumn<QStringList>("setup"); // daemon commands run first
    QTest::addColumn<QString>("pid");
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QStringList>("expected"); // starts of lines of the probe's output
    QTest::newRow("receiver")
        << QStringList{} << "fa02"
        << ""
        << QStringList{"product Virtual Mouse Receiver",
                       "device 248a:fa02 page 1 usage 2 path /dev/virtual-mouse/receiver-1",
                       "device 248a:fa02 page 1 usage 0 path /dev/virtual-mouse/receiver-1",
                       "write 33",
                       "read 33: 05 26 fa 46 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
                       "00 00 00 00 00 00 00 00 00 00 00 00",
                       "skipped 0"};
    QTest::newRow("movement reports are skipped") << QStringList{"fault motion 2"} << "fa02"
                                                  << "" << QStringList{"write 33", "skipped 2"};
    QTest::newRow("cable") << QStringList{"plug cable"} << "fb01"
                           << ""
                           << QStringList{"device 248a:fb01 page 1 usage 0 path "
                                          "/dev/virtual-mouse/cable-",
                                          "write 33", "skipped 0"};
    QTest::newRow("lost echo times out") << QStringList{"fault lost 1"} << "fa02"
                                         << "" << QStringList{"write 33", "read 0"};
    QTest::newRow("failed write") << QStringList{"fault write-fail 1"} << "fa02"
                                  << "" << QStringList{"write -1"};
    QTest::newRow("asleep") << QStringList{"unplug cable", "sleep"} << "fa02"
                            << "" << QStringList{"write 33", "read 0"};
    QTest::newRow("a waiting read gets the echo of a later write")
        << QStringList{} << "fa02"
        << "concurrent" << QStringList{"write 33", "waiting read 33: 05 46"};
}

void TestDaemon::dropInLibrary() {
    QFETCH(QStringList, setup);
    QFETCH(QString, pid);
    QFETCH(QString, mode);
    QFETCH(QStringList, expected);
    for (const QString& command : setup)
        QCOMPARE(vm(command.split(' ')).code, 0);
    QProcessEnvironment env = m_env;
    env.insert("LD_PRELOAD", DROPIN_LIB);
    QStringList probeArgs{"248a", pid};
    if (!mode.isEmpty()) probeArgs << mode;
    const Run r = run(HIDPROBE, probeArgs, env);
    QCOMPARE(r.code, 0);
    const QStringList lines = r.out.split('\n');
    // Each expected line starts one line of the output (device paths end in a plug count).
    for (const QString& line : expected) {
        const bool found = std::any_of(lines.begin(), lines.end(),
                                       [&](const QString& l) { return l.startsWith(line); });
        QVERIFY2(found, qPrintable(line + "\nnot in:\n" + r.out));
    }
    QCOMPARE(vm({"wake"}).code, 0);
    QCOMPARE(vm({"fault", "clear"}).code, 0);
}

void TestDaemon::noDaemon_data() {
    QTest::addColumn<QStringList>("args");
    QTest::newRow("state") << QStringList{"state"};
    QTest::newRow("plug") << QStringList{"plug", "cable"};
    QTest::newRow("stop") << QStringList{"stop"};
}

void TestDaemon::noDaemon() {
    QFETCH(QStringList, args);
    QProcessEnvironment env = m_env;
    env.insert("VIRTUAL_MOUSE_SOCKET", m_dir.filePath("nobody.sock"));
    const Run r = run(VIRTUAL_MOUSE, args, env);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains("no virtual mouse daemon is listening"), qPrintable(r.err));

    // The drop-in library then finds no devices instead of failing.
    env.insert("LD_PRELOAD", DROPIN_LIB);
    const Run probe = run(HIDPROBE, {"248a", "fa02"}, env);
    QCOMPARE(probe.code, 4);
    QCOMPARE(probe.out, QString("no command collection\n"));
}

void TestDaemon::foregroundDaemonStops() {
    QProcessEnvironment env = m_env;
    env.insert("VIRTUAL_MOUSE_SOCKET", m_dir.filePath("fg.sock"));
    TempAppDir app(fixture("pico"));
    QProcess daemon;
    daemon.setProcessEnvironment(env);
    daemon.start(VIRTUAL_MOUSE, {"start", app.path(), "--foreground", "--cable", "--no-receiver"});
    QVERIFY(daemon.waitForStarted());
    bool up = false;
    for (int i = 0; i < 250 && !up; ++i) {
        up = run(VIRTUAL_MOUSE, {"ping"}, env).code == 0;
        if (!up) QTest::qWait(20);
    }
    QVERIFY(up);
    const Run state = run(VIRTUAL_MOUSE, {"state"}, env);
    QVERIFY2(state.out.contains("receiver: unplugged\ncable: plugged"), qPrintable(state.out));
    QCOMPARE(run(VIRTUAL_MOUSE, {"stop"}, env).code, 0);
    QVERIFY(daemon.waitForFinished(5000));
    QCOMPARE(daemon.exitCode(), 0);
    QVERIFY(!QFile::exists(m_dir.filePath("fg.sock")));
}

void TestDaemon::daemonThatCannotListen_data() {
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QString>("err");
    QTest::newRow("in the background") << QStringList{} << "the daemon ended at once";
    QTest::newRow("in the foreground") << QStringList{"--foreground"} << "cannot listen on";
}

void TestDaemon::daemonThatCannotListen() {
    QFETCH(QStringList, options);
    QFETCH(QString, err);
    QProcessEnvironment env = m_env;
    env.insert("VIRTUAL_MOUSE_SOCKET", m_dir.filePath("missing-folder/vm.sock"));
    const Run r = run(VIRTUAL_MOUSE, QStringList{"start", dataDir()} + options, env);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(err), qPrintable(r.err));
}

QTEST_GUILESS_MAIN(TestDaemon)
#include "test_daemon.moc"
