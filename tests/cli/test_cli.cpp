// The command-line tool end to end: the real executable with the drop-in HID
// library, a private virtual mouse daemon and a copy of the staged folder.
#include "deviceaccess.h"
#include "e2esession.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

struct CliRun {
    int status = -1;
    QString out;
    QString err;
};

QProcessEnvironment cliEnv(const E2eSession& s) {
    QProcessEnvironment env = s.childEnv();
    env.remove(QStringLiteral("DISPLAY")); // it must need none
    QString preload = s.appFile(QStringLiteral("libvirtual-mouse-hid.so"));
#ifdef SANITIZER_RUNTIMES
    preload.prepend(QStringLiteral(SANITIZER_RUNTIMES ":"));
#endif
    env.insert(QStringLiteral("LD_PRELOAD"), preload);
    return env;
}

// %W in an argument stands for the session's work folder.
CliRun runCli(const E2eSession& s, QStringList args) {
    for (QString& a : args)
        a.replace(QStringLiteral("%W"), s.workDir());
    QProcess p;
    p.setProcessEnvironment(cliEnv(s));
    p.start(s.appFile(QStringLiteral("mousecfg-cli")), args);
    CliRun r;
    if (!p.waitForFinished(15000)) {
        E2eSession::stop(&p, 500);
        return r;
    }
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

} // namespace

class TestCli : public QObject {
    Q_OBJECT
private slots:
    void commands_data() {
        QTest::addColumn<QStringList>("daemonArgs");
        QTest::addColumn<QStringList>("mouseSetup"); // `virtual-mouse` commands, ';' between
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out"); // regular expression over the whole stdout
        QTest::addColumn<QString>("err"); // regular expression stderr must contain

        const QStringList none;
        QTest::newRow("version") << none << none << QStringList{"--version"} << 0
                                 << QStringLiteral("mousecfg-cli " MOUSECFG_VERSION "\n")
                                 << QString();
        QTest::newRow("battery charging")
            << none << QStringList{"battery 4050 charging"} << QStringList{"battery"} << 0
            << QStringLiteral("80% charging\n") << QString();
        QTest::newRow("battery json")
            << none << QStringList{"battery 3750"} << QStringList{"--json", "battery"} << 0
            << QStringLiteral("\\{\"charging\":false,\"level\":50,\"off\":false\\}\n") << QString();
        QTest::newRow("asleep") << none << QStringList{"sleep"} << QStringList{"battery"} << 0
                                << QStringLiteral("off\n") << QString();
        QTest::newRow("status") << none << QStringList{"battery 4300"} << QStringList{"status"} << 0
                                << QStringLiteral("Qorv Stratos receiver 100% profile 4 dpi "
                                                  "\\d \\d+Hz\n")
                                << QString();
        QTest::newRow("list by cable")
            << QStringList{"--cable", "--no-receiver"} << none << QStringList{"list"} << 0
            << QStringLiteral("Qorv Stratos cable \\d+%.* profile 4 .*\n") << QString();
        QTest::newRow("status json")
            << none << QStringList{"battery 4300"} << QStringList{"status", "--json"} << 0
            << QStringLiteral("\\{.*\"connection\":\"receiver\",.*\"profile\":4,.*\\}\n")
            << QString();
        QTest::newRow("profile shown") << none << none << QStringList{"profile"} << 0
                                       << QStringLiteral("profile 4\n") << QString();
        QTest::newRow("no mouse") << none << QStringList{"unplug receiver"} << QStringList{"status"}
                                  << 2 << QString() << QStringLiteral("no mouse connected");
        QTest::newRow("write fails")
            << none << QStringList{"fault write-fail 100"} << QStringList{"profile", "3"} << 4
            << QString() << QStringLiteral("result 4");
        QTest::newRow("profile out of range") << none << none << QStringList{"profile", "6"} << 1
                                              << QString() << QStringLiteral("1 to 5");
        QTest::newRow("unknown command") << none << none << QStringList{"reboot"} << 1 << QString()
                                         << QStringLiteral("unknown command");
        QTest::newRow("no command")
            << none << none << QStringList{} << 1 << QString() << QStringLiteral("--help");
        QTest::newRow("read command with an argument")
            << none << none << QStringList{"battery", "2"} << 1 << QString()
            << QStringLiteral("wrong number");
    }
    void commands() {
        QFETCH(QStringList, daemonArgs);
        QFETCH(QStringList, mouseSetup);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);

        E2eSession s;
        // A recorded profile the shipped defaults do not have, so the
        // answer is seen to come from the settings folder.
        setIniValue(configIni(s), "Config/ProfileID", 3);
        SESSION_VERIFY(s, s.startMouse(daemonArgs));
        for (const QString& c : mouseSetup)
            QCOMPARE(s.vm(c.split(QLatin1Char(' '))), QString());
        const CliRun r = runCli(s, args);
        QVERIFY2(r.status == status, qPrintable(QStringLiteral("exit %1, stdout '%2', stderr '%3'")
                                                    .arg(r.status)
                                                    .arg(r.out, r.err)));
        const QRegularExpression whole(QLatin1Char('^') + out + QLatin1Char('$'),
                                       QRegularExpression::DotMatchesEverythingOption);
        QVERIFY2(whole.match(r.out).hasMatch(), qPrintable(r.out));
        QVERIFY2(r.err.contains(QRegularExpression(err)), qPrintable(r.err));
    }

    void selectsProfile() {
        E2eSession s;
        SESSION_VERIFY(s, s.startMouse());
        QCOMPARE(s.vm({"log", "clear"}), QString());
        const CliRun r = runCli(s, {"profile", "2"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("profile 2\n"));
        // The select command with profile index 1 went out, and the mouse took it.
        QVERIFY(s.vm({"log"}).contains(QRegularExpression(" out 05 [0-9a-f]{2} fa 44 01 ")));
        QVERIFY(s.vm({"state"}).contains(QStringLiteral("active profile: 1\n")));
        // Recorded where the window looks for it.
        QCOMPARE(iniValue(configIni(s), "Config/ProfileID"), QStringLiteral("1"));
        QCOMPARE(runCli(s, {"profile"}).out, QStringLiteral("profile 2\n"));

        // Another settings folder gets the record; the window's stays.
        QCOMPARE(runCli(s, {"--config-dir", "%W/cfg", "profile", "5"}).status, 0);
        QCOMPARE(iniValue(s.workDir() + QStringLiteral("/cfg/Config.ini"), "Config/ProfileID"),
                 QStringLiteral("4"));
        QCOMPARE(iniValue(configIni(s), "Config/ProfileID"), QStringLiteral("1"));
    }

    // `watch` while the mouse is used: each step's `virtual-mouse` commands,
    // then the lines they must bring, in order and nothing else; SIGTERM ends it.
    void watch_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QList<QStringList>>("steps"); // commands (';' between), lines...

        QTest::newRow("text")
            << QStringList{"watch"}
            << QList<QStringList>{
                   {"", "battery 20%", "discharging", "battery low 20%"},
                   // The new profile has its own stage.
                   {"press profile", "profile 2", "dpi 1"},
                   {"press dpi", "dpi 2"},
                   {"press rate", "rate 500Hz"},
                   {"battery 3100;unplug receiver", "unplugged receiver"},
                   {"plug receiver", "plugged receiver", "battery 10%", "battery very low 10%"},
                   {"battery 3900 charging;plug cable", "plugged cable", "battery 60%", "charging"},
                   {"sleep;unplug cable", "unplugged cable", "battery off"},
               };
        QTest::newRow("json") << QStringList{"--json", "watch"}
                              << QList<QStringList>{
                                     {"", R"({"event":"battery","level":20})",
                                      R"({"event":"discharging"})",
                                      R"({"event":"battery low","level":20})"},
                                     // The value the window shows for that stage.
                                     {"press dpi", R"({"dpi":800,"event":"dpi","stage":2})"},
                                     {"unplug receiver",
                                      R"({"connection":"receiver","event":"unplugged"})"},
                                 };
    }
    void watch() {
        QFETCH(QStringList, args);
        QFETCH(QList<QStringList>, steps);
        E2eSession s;
        SESSION_VERIFY(s, s.startMouse());
        QCOMPARE(s.vm({"battery", "3300"}), QString());
        QProcess p;
        p.setProcessEnvironment(cliEnv(s));
        p.start(s.appFile(QStringLiteral("mousecfg-cli")), args);
        QVERIFY(p.waitForStarted());
        QStringList expected;
        QByteArray out;
        for (const QStringList& step : steps) {
            for (const QString& c : step[0].split(QLatin1Char(';'), Qt::SkipEmptyParts))
                QCOMPARE(s.vm(c.split(QLatin1Char(' '))), QString());
            expected += step.mid(1);
            // The battery is polled at start and on plugging, plugging is
            // seen within 2 s: each step's lines come well within this.
            QElapsedTimer clock;
            clock.start();
            while (out.count('\n') < expected.size() && clock.elapsed() < 10000) {
                p.waitForReadyRead(100);
                out += p.readAllStandardOutput();
            }
            QCOMPARE(QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        }
        QTest::qWait(500); // and nothing more comes
        p.terminate();
        QVERIFY(p.waitForFinished(5000));
        out += p.readAllStandardOutput();
        QCOMPARE(QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts), expected);
        QCOMPARE(p.exitStatus(), QProcess::NormalExit);
        QCOMPARE(p.exitCode(), 0);
    }

    void accessDenied() {
        E2eSession s;
        SESSION_VERIFY(s, s.startMouse());
        QCOMPARE(s.vm({"access", "deny"}), QString());
        const CliRun r = runCli(s, {"battery"});
        QCOMPARE(r.status, 3);
        // The window's notice, its command naming the refused nodes.
        QVERIFY2(r.err.startsWith(accessDeniedText({}, currentUserName()) + QLatin1Char(' ')),
                 qPrintable(r.err));
        QVERIFY(r.out.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestCli)
#include "test_cli.moc"
