// The command-line tool end to end: the real executable with the drop-in HID
// library, a private virtual mouse daemon and a copy of the staged folder.
#include "deviceaccess.h"
#include "e2esession.h"
#include "macrofile.h"
#include "profilefile.h"
#include "singleinstance.h"

#include <QLockFile>
#include <QRegularExpression>
#include <QtTest>
#include <algorithm>

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

// The blocks (settings 01, DPI 02, buttons 03, lighting 04) the log shows sent.
QString blocksSent(const QString& log) {
    QStringList blocks;
    for (const QString& c : sentCommands(log))
        if (c >= QLatin1String("01") && c <= QLatin1String("04")) blocks << c;
    std::sort(blocks.begin(), blocks.end());
    return blocks.join(QLatin1Char(' '));
}

// A profile the factory never made: stages 800 and 3200 on the staged
// sensor (50 DPI a step from 50), stage 2 in use, 500 Hz.
void writeFixtureProfile(const QString& path) {
    auto p = std::make_unique<MouseProfile>();
    p->buttons[0].Fun = kFunLeftClick;
    p->pollrate = 2;
    p->dpi = 1;
    p->stages[0] = {1, 0, 15, 15, 15};
    p->stages[1] = {1, 0, 63, 63, 63};
    QVERIFY(writeProfile(*p, path));
}

// The same with one value no field can hold; returns its line.
int writeDamagedProfile(const QString& path) {
    writeFixtureProfile(path);
    QByteArray text = readText(path);
    const int at = text.indexOf("\nmousespeed=");
    text.insert(at + 12, "fast");
    writeText(path, text);
    return int(text.left(at + 1).count('\n')) + 1;
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
        QTest::newRow("buttons shown")
            << none << none << QStringList{"button"} << 0
            << QStringLiteral("1 Left\n2 Right\n3 Middle\n4 Forward\n5 Back\n6 DPI Switch\n.*")
            << QString();
        QTest::newRow("one button shown") << none << none << QStringList{"button", "6"} << 0
                                          << QStringLiteral("6 DPI Switch\n") << QString();
        QTest::newRow("dpi marks the current stage")
            << none << none << QStringList{"dpi"} << 0
            << QStringLiteral("(\\d+ )*\\d+\\*( \\d+)*\n") << QString();
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

    // The application rules without a window: the file edited, bad input refused.
    void appProfiles_data() {
        QTest::addColumn<QByteArray>("file"); // the rules file before, "" for none
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("out");
        QTest::addColumn<QString>("err");
        const QByteArray one = "[AppProfiles]\nEnabled=true\nDefault=0\n[Rules]\n1\\App=steam\n"
                               "1\\Profile=2\nsize=1\n";
        QTest::newRow("add") << one << QStringList{"add", "Game.desktop", "5"} << 0
                             << "enabled on\ndefault none\nrule steam 2\nrule game 5\n"
                             << "";
        QTest::newRow("remove, json") << one << QStringList{"--json", "remove", "STEAM"} << 0
                                      << "{\"default\":0,\"enabled\":true,\"rules\":[]}\n"
                                      << "";
        QTest::newRow("default, off")
            << QByteArray() << QStringList{"default", "3"} << 0 << "enabled off\ndefault 3\n"
            << "";
        QTest::newRow("profile 6") << one << QStringList{"add", "game", "6"} << 1 << ""
                                   << "from 1 to 5, not '6'";
        QTest::newRow("default word") << one << QStringList{"default", "all"} << 1 << ""
                                      << "1 to 5 or none, not 'all'";
        QTest::newRow("slash") << one << QStringList{"add", "../game", "1"} << 1 << ""
                               << "slashes";
        QTest::newRow("no such rule") << one << QStringList{"remove", "game"} << 1 << ""
                                      << "no rule";
        QTest::newRow("unknown action") << one << QStringList{"clear"} << 1 << ""
                                        << "expected list";
        QTest::newRow("damaged") << QByteArray("[AppProfiles]\nDefault=9\n") << QStringList{"list"}
                                 << 5 << "enabled off\ndefault none\n"
                                 << "damaged";
    }
    void appProfiles() {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, out);
        QFETCH(QString, err);
        E2eSession s;
        const QString path = s.appFile(QStringLiteral("Configs/AppProfiles.ini"));
        if (!file.isEmpty()) writeText(path, file);
        args.insert(args.startsWith("--json") ? 1 : 0, QStringLiteral("app-profile"));
        const CliRun r = runCli(s, args);
        QCOMPARE(r.status, status);
        QCOMPARE(r.out, out);
        QVERIFY2(r.err.contains(err), qPrintable(r.err));
        // Refused edits leave the file as it was; a damaged one is kept aside.
        if (status == 1) QCOMPARE(readText(path), file);
        if (status == 5) QCOMPARE(readText(path + ".damaged"), file);
        // What was written reads back as listed.
        if (status == 0)
            QCOMPARE(runCli(s, args.mid(0, args.indexOf("app-profile") + 1) << "list").out, out);
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

    void writes_data() {
        QTest::addColumn<QStringList>("mouseSetup");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("err");    // regular expression stderr must contain
        QTest::addColumn<QString>("blocks"); // blocksSent() of the log
        QTest::addColumn<QString>("state");  // text the mouse's state must contain

        const QStringList none;
        QTest::newRow("dpi on profile 3")
            << none << QStringList{"dpi", "--profile", "3", "400", "800", "1600"} << 0 << QString()
            << QStringLiteral("01 02")
            << QStringLiteral("profile 2: [^\n]*\n  settings:\n(    [^\n]*\n)*"
                              "  DPI stages:\n    stage count: \\d\n"
                              "    stage 0: used 1, x 07 00 \\(7\\), y 07 00 \\(7\\)\n"
                              "    stage 1: used 1, x 0f 00 \\(15\\), y 0f 00 \\(15\\)\n"
                              "    stage 2: used 1, x 1f 00 \\(31\\), y 1f 00 \\(31\\)\n"
                              "    stage 3: used 0,");
        QTest::newRow("one stage")
            << none << QStringList{"dpi", "--stage", "2", "3200"} << 0 << QString()
            << QStringLiteral("01 02") << QStringLiteral("    stage 1: used 1, x 3f 00 \\(63\\)");
        QTest::newRow("rate") << none << QStringList{"rate", "250"} << 0 << QString()
                              << QStringLiteral("01")
                              << QStringLiteral("profile 3 \\(active\\): DPI stage \\d, "
                                                "report rate 4 ");
        QTest::newRow("sensor mode")
            << none << QStringList{"sensor-mode", "eco"} << 0 << QString() << QStringLiteral("01")
            << QStringLiteral("    sensor mode: 0,");
        QTest::newRow("apply") << none << QStringList{"apply", "%W/fixture.prof", "--profile", "2"}
                               << 0 << QString() << QStringLiteral("01 02 03 04")
                               << QStringLiteral("profile 1: DPI stage 1, report rate 2 .*"
                                                 "    stage 1: used 1, x 3f 00 \\(63\\)");
        QTest::newRow("button") << none << QStringList{"button", "4", "dpi-switch"} << 0
                                << QString() << QStringLiteral("01 03")
                                << QStringLiteral(
                                       "profile 3 \\(active\\).*    slot  3: 88 00 00 00 "
                                       "\\(function 0x88\\)\n    slot  4: 84");
        QTest::newRow("button to a key")
            << none << QStringList{"button", "--profile", "4", "5", "key:f5"} << 0 << QString()
            << QStringLiteral("01 03") << QStringLiteral("    slot  4: 90 00 3e 00 \\(key\\)");
        QTest::newRow("button unknown function")
            << none << QStringList{"button", "4", "teleport"} << 1
            << QStringLiteral("unknown function 'teleport'.* dpi-switch,") << QString()
            << QString();
        QTest::newRow("button loses the last left click")
            << none << QStringList{"button", "1", "right"} << 1 << QStringLiteral("last left click")
            << QString() << QString();
        QTest::newRow("dpi out of range")
            << none << QStringList{"dpi", "400", "30000"} << 1 << QStringLiteral("50 to 26000")
            << QString() << QString();
        QTest::newRow("rate not offered")
            << none << QStringList{"rate", "300"} << 1 << QStringLiteral("125, 250, 500, 1000")
            << QString() << QString();
        QTest::newRow("damaged profile file")
            << none << QStringList{"apply", "%W/damaged.prof"} << 5
            << QStringLiteral("damaged.prof:%L: 'mousespeed' holds 'fast0'") << QString()
            << QString();
        QTest::newRow("write fails")
            << QStringList{"fault write-fail 100"} << QStringList{"dpi", "800"} << 4
            << QStringLiteral("result 4") << QString() << QString();
        QTest::newRow("window running")
            << QStringList{"window"} << QStringList{"rate", "500"} << 4
            << QStringLiteral("window is running") << QString() << QString();
        QTest::newRow("profile select, window running")
            << QStringList{"window"} << QStringList{"profile", "2"} << 4
            << QStringLiteral("window is running") << QString() << QString();
    }
    void writes() {
        QFETCH(QStringList, mouseSetup);
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, err);
        QFETCH(QString, blocks);
        QFETCH(QString, state);

        E2eSession s;
        setIniValue(configIni(s), "Config/ProfileID", 3);
        SESSION_VERIFY(s, s.startMouse());
        writeFixtureProfile(s.workDir() + QStringLiteral("/fixture.prof"));
        err.replace(QStringLiteral("%L"),
                    QString::number(writeDamagedProfile(s.workDir() + "/damaged.prof")));
        // The window's instance lock, held as a running window holds it.
        QLockFile window(s.childEnv().value(QStringLiteral("XDG_RUNTIME_DIR")) + QLatin1Char('/') +
                         SingleInstance::mutexNameFor(E2eSession::productTitle()) +
                         QStringLiteral(".lock"));
        for (const QString& c : mouseSetup) {
            if (c == QLatin1String("window"))
                QVERIFY(window.tryLock(0));
            else
                QCOMPARE(s.vm(c.split(QLatin1Char(' '))), QString());
        }
        QMap<QString, QByteArray> before = filesBelow(s.appFile(QStringLiteral("Configs")));
        QCOMPARE(s.vm({"log", "clear"}), QString());

        const CliRun r = runCli(s, args);
        QVERIFY2(r.status == status, qPrintable(QStringLiteral("exit %1, stdout '%2', stderr '%3'")
                                                    .arg(r.status)
                                                    .arg(r.out, r.err)));
        QVERIFY2(r.err.contains(QRegularExpression(err)), qPrintable(r.err));
        QCOMPARE(blocksSent(s.vm({"log"})), blocks);
        const QString mouse = s.vm({"state"});
        QVERIFY2(mouse.contains(
                     QRegularExpression(state, QRegularExpression::DotMatchesEverythingOption)),
                 qPrintable(mouse));
        QMap<QString, QByteArray> after = filesBelow(s.appFile(QStringLiteral("Configs")));
        if (status == 0) {
            // Saved where the window reads it, the value read back the same.
            QCOMPARE(iniValue(configIni(s), "Config/Diff"), QStringLiteral("0"));
            QVERIFY(after != before);
            if (args[0] != QLatin1String("apply"))
                QVERIFY(!runCli(s, args.mid(0, 1)).out.isEmpty());
            return;
        }
        // A failed write leaves the files as the mouse had them, marked unsent.
        if (r.err.contains(QStringLiteral("writing to the mouse failed"))) {
            QCOMPARE(iniValue(configIni(s), "Config/Diff"), QStringLiteral("1"));
            after.remove(QStringLiteral("Config.ini"));
            before.remove(QStringLiteral("Config.ini"));
        }
        QCOMPARE(after.keys(), before.keys());
        QVERIFY(after == before);
    }

    // A macro saved by the window, listed and shown step by step.
    void macros() {
        E2eSession s;
        MacroFile m;
        m.name = QStringLiteral("reload");
        m.steps = {keyStep(0x15, true), delayStep(12), keyStep(0x15, false),
                   buttonStep(buttonBitFromIndex(2), true)};
        const QString path = s.appFile(QStringLiteral("Configs/MacroDB/reload.MSMACRO"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(macroFileText(m, path, false));
        f.close();
        setIniValue(configIni(s), "MACRO_LIST/0", m.name);

        QCOMPARE(runCli(s, {"macro", "--json"}).out, QStringLiteral("[\"reload\"]\n"));
        const CliRun shown = runCli(s, {"macro", "show", "reload"});
        QCOMPARE(shown.status, 0);
        // The window's words, delays in milliseconds.
        QCOMPARE(shown.out,
                 QStringLiteral("R Press\nDELAY 120 ms\nR Release\nRIGHT CLICK Press\n"));
        QCOMPARE(runCli(s, {"macro", "show", "../Config"}).status, 5);
    }

    void exportsAndImports() {
        E2eSession s;
        SESSION_VERIFY(s, s.startMouse());
        QCOMPARE(runCli(s, {"rate", "500"}).status, 0);
        QCOMPARE(runCli(s, {"dpi", "--profile", "2", "1600", "3200"}).status, 0);
        // A settings file holds every profile; a profile file the one asked for.
        QCOMPARE(runCli(s, {"export", "%W/all.conf"}).status, 0);
        QCOMPARE(runCli(s, {"export", "--profile", "2", "%W/Travel.prof"}).status, 0);
        QCOMPARE(iniValue(s.workDir() + "/Travel.prof", "MouseName/Name"),
                 E2eSession::productTitle());

        QCOMPARE(runCli(s, {"rate", "125"}).status, 0);
        QCOMPARE(runCli(s, {"import", "%W/all.conf"}).out,
                 QStringLiteral("profile 1: Profile 1\n"));
        QCOMPARE(runCli(s, {"rate"}).out, QStringLiteral("500\n"));

        // The profile file joins the list and is bound where it was asked to go.
        QCOMPARE(s.vm({"log", "clear"}), QString());
        const CliRun r = runCli(s, {"import", "--profile", "4", "%W/Travel.prof"});
        QCOMPARE(r.status, 0);
        QCOMPARE(r.out, QStringLiteral("profile 4: Travel\n"));
        QCOMPARE(iniValue(configIni(s), "Config/Profile4"), QStringLiteral("Travel"));
        QVERIFY(s.vm({"state"}).contains(
            QRegularExpression("profile 3: .*    stage 1: used 1, x 3f 00 \\(63\\)",
                               QRegularExpression::DotMatchesEverythingOption)));
        QCOMPARE(runCli(s, {"dpi", "--profile", "4"}).out, QStringLiteral("1600* 3200\n"));
        // A second import of the same name is refused, nothing written.
        QCOMPARE(s.vm({"log", "clear"}), QString());
        QCOMPARE(runCli(s, {"import", "%W/Travel.prof"}).status, 5);
        QCOMPARE(blocksSent(s.vm({"log"})), QString());
    }

    // Two tools writing at once take turns: each write's begin and end come
    // together on the wire, never one inside the other.
    void writesTakeTurns() {
        E2eSession s;
        SESSION_VERIFY(s, s.startMouse());
        QProcess a, b;
        for (QProcess* p : {&a, &b})
            p->setProcessEnvironment(cliEnv(s));
        a.start(s.appFile(QStringLiteral("mousecfg-cli")), {"rate", "250"});
        b.start(s.appFile(QStringLiteral("mousecfg-cli")), {"dpi", "800", "1600"});
        QVERIFY(a.waitForFinished(30000) && b.waitForFinished(30000));
        QCOMPARE(a.exitCode() + b.exitCode(), 0);
        QString marks;
        const QRegularExpression write(QStringLiteral(" out 05 [0-9a-f]{2} fa 46 ([0-9a-f]{2})"));
        for (auto it = write.globalMatch(s.vm({"log"})); it.hasNext();)
            marks += it.next().captured(1) == QLatin1String("00") ? 'B' : 'E';
        QCOMPARE(marks, QStringLiteral("BEBE"));
    }

    // With the window running, a write goes through it: the window lets go
    // of the mouse, the tool writes, the window takes the mouse back and
    // keeps what was written.
    // A DPI stage set while the window runs reaches the mouse and the profile
    // file, and the window's DPI tab shows it as a fresh start would.
    void writeWhileTheWindowRuns() {
        const QPoint dpiTab(300 + 96 * 2 + 46, 45);
        const QRect stage0Label(330, 118, 130, 34);
        E2eSession s;
        SESSION_START(s, QStringList());
        QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.click(window, dpiTab.x(), dpiTab.y());
        const QImage before = grab(s, window, "before.png").copy(stage0Label);
        QVERIFY(!before.isNull());

        const CliRun r = runCli(s, {"dpi", "--stage", "1", "5000"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QRegularExpression stage0(QStringLiteral("stage 0: used 1, x .. .. \\((\\d+)\\)"));
        const QString raw = stage0.match(profileState(s.vm({"state"}), 0)).captured(1);
        QVERIFY(!raw.isEmpty());
        const QString profile = s.appFile(QStringLiteral("Configs/Profile/Profile 1.prof"));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_0_x"), raw);

        // The window takes its mouse back and rereads what was written.
        QImage shown;
        SESSION_VERIFY(s, waitUntil(
                              [&] {
                                  shown = grab(s, window, "written.png").copy(stage0Label);
                                  return !sameLook(shown, before);
                              },
                              10000));
        SESSION_VERIFY(s, hearsDpiButton(s) || hearsDpiButton(s));
        QTest::qWait(500); // the stage highlight follows the press
        shown = grab(s, window, "pressed.png").copy(stage0Label);

        // The window saved its own state since (the DPI press): the stage stays
        // the tool's, and a new start shows what the running window showed.
        s.stopPrograms();
        SESSION_VERIFY(s, s.waitForNoWindow(E2eSession::productTitle(), 5000));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_0_x"), raw);
        window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.click(window, dpiTab.x(), dpiTab.y());
        QVERIFY2(sameLook(grab(s, window, "restarted.png").copy(stage0Label), shown),
                 qPrintable(s.workDir()));

        // A profile imported through the window stays in the list when the
        // window next changes it (ADD).
        const QString list = s.appFile("Configs/" + E2eSession::productTitle() + "/Config.ini");
        const int count = iniValue(list, "PROFILE_LIST/Count").toInt();
        QCOMPARE(runCli(s, {"export", "%W/Travel.prof"}).status, 0);
        QCOMPARE(runCli(s, {"import", "%W/Travel.prof"}).status, 0);
        QTest::qWait(1000); // the window rereads the files
        s.click(window, 62, 420);
        SESSION_VERIFY(
            s, waitUntil([&] { return iniValue(list, "PROFILE_LIST/Count").toInt() == count + 2; },
                         5000));
        QCOMPARE(iniValue(list, QStringLiteral("PROFILE_LIST/%1").arg(count + 1)),
                 QStringLiteral("Travel"));
    }

    // An edit the window has not applied survives a write of the tool: the
    // window takes in the tool's stage and keeps its own report rate, and its
    // Apply sends that without undoing the tool's.
    void writeKeepsTheWindowsUnappliedEdit() {
        const QPoint dpiTab(300 + 96 * 2 + 46, 45);
        const QPoint rateButton(820, 119), rate500(786, 152 + 25 * 2), apply(848 + 48, 578 + 16);
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.click(window, dpiTab.x(), dpiTab.y());
        s.click(window, rateButton.x(), rateButton.y());
        s.click(window, rate500.x(), rate500.y());

        const CliRun r = runCli(s, {"dpi", "--stage", "4", "5000"});
        QVERIFY2(r.status == 0, qPrintable(r.err));
        const QRegularExpression stage3(QStringLiteral("stage 3: used 1, x .. .. \\((\\d+)\\)"));
        const QString state = profileState(s.vm({"state"}), 0);
        const QString raw = stage3.match(state).captured(1);
        QVERIFY2(!raw.isEmpty(), qPrintable(state));
        QVERIFY(profileState(s.vm({"state"}), 0).contains("report rate 1 (1000 Hz)"));

        QTest::qWait(1500); // the window takes its mouse back
        s.click(window, apply.x(), apply.y());
        SESSION_VERIFY(
            s,
            waitUntil(
                [&] { return profileState(s.vm({"state"}), 0).contains("report rate 2 (500 Hz)"); },
                10000));
        QVERIFY(stage3.match(profileState(s.vm({"state"}), 0)).captured(1) == raw);
        const QString profile = s.appFile(QStringLiteral("Configs/Profile/Profile 1.prof"));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_3_x"), raw);
        QCOMPARE(iniValue(profile, "PROFILE/pollrate"), QStringLiteral("2"));
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
