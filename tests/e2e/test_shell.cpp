// The real program under a private X server against the virtual mouse: one
// instance only, the battery level it shows, and the mouse's own buttons
// followed and passed on to the companion as notices, and the window on a
// double-density screen.
#include "e2esession.h"

#include <QDir>
#include <QFileInfo>
#include <QtTest>

namespace {
// Mean difference of the grey levels of two pictures of one size.
double meanDifference(const QImage& a, const QImage& b) {
    double sum = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            sum += qAbs(qGray(a.pixel(x, y)) - qGray(b.pixel(x, y)));
    return sum / (double(a.width()) * a.height());
}

// The window with one tab shown, on a display of `dpi`; null on failure.
QImage windowAt(int dpi, const QPoint& logicalTab) {
    E2eSession s;
    s.setDpi(dpi);
    const QString window = s.startAll() ? s.startProgramWindow() : QString();
    if (window.isEmpty()) return QImage();
    QTest::qWait(1000); // the first battery report and the pictures settle
    s.click(window, logicalTab.x() * dpi / 96, logicalTab.y() * dpi / 96);
    return grab(s, window, QStringLiteral("window.png"));
}
} // namespace

class TestE2eShell : public QObject {
    Q_OBJECT
private slots:
    // On a screen of twice the density the window is twice the size and as
    // sharp as the screen allows: brought down to the normal size it is the
    // normal window, and it holds detail a normal picture blown up lacks. So
    // the toolkit's scaling and the window's own never multiply.
    void doubleDensityScreen_data() {
        QTest::addColumn<QPoint>("tab");
        QTest::newRow("LIGHTING") << QPoint(346, 45);
        QTest::newRow("DPI") << QPoint(538, 45);
        QTest::newRow("MACRO") << QPoint(634, 45);
    }
    void doubleDensityScreen() {
        QFETCH(QPoint, tab);
        const QImage normal = windowAt(96, tab);
        const QImage dense = windowAt(192, tab);
        QVERIFY(!normal.isNull() && !dense.isNull());
        QCOMPARE(dense.size(), normal.size() * 2);
        const QImage down =
            dense.scaled(normal.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const QImage blownUp =
            normal.scaled(dense.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        const double same = meanDifference(down, normal);
        // A blown-up normal window stays under 1.7 times `same`; sharp ones
        // measured 1.9 and more.
        const double detail = meanDifference(dense, blownUp);
        QVERIFY2(same < 4.0, qPrintable(QStringLiteral("%1 grey levels apart").arg(same)));
        QVERIFY2(detail > 1.8 * same,
                 qPrintable(QStringLiteral("%1 against %2").arg(detail).arg(same)));
    }

    void secondInstanceExits() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());

        QProcess* second = s.startProgram();
        SESSION_VERIFY(s, second->waitForFinished(10000));
        QCOMPARE(second->exitStatus(), QProcess::NormalExit);
        QCOMPARE(second->exitCode(), 1);

        // The first copy still runs, still shows its one window and still
        // hears the mouse.
        QTest::qWait(500);
        QCOMPARE(s.findWindows(E2eSession::productTitle()), QStringList{window});
        SESSION_VERIFY(s, hearsDpiButton(s));
    }

    // Without a session bus the program never forks a bus launcher (a
    // launcher forked from a threaded program can hang before it runs).
    void noBusLauncherWithoutABus() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString bin = s.workDir() + QStringLiteral("/bin");
        const QString mark = s.workDir() + QStringLiteral("/launcher-ran");
        QDir().mkpath(bin);
        writeText(bin + QStringLiteral("/dbus-launch"),
                  "#!/bin/sh\ntouch '" + mark.toUtf8() + "'\nexit 1\n");
        QFile(bin + QStringLiteral("/dbus-launch"))
            .setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        QProcessEnvironment env = s.childEnv();
        env.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env.insert(QStringLiteral("PATH"), bin + ':' + env.value(QStringLiteral("PATH")));
        QProcess* program = s.startProgram(env);
        SESSION_VERIFY(s, !s.waitForWindow(E2eSession::productTitle(), 45000).isEmpty());
        QTest::qWait(1500); // the tray comes after the first paint
        QVERIFY(program->state() == QProcess::Running);
        QVERIFY(!QFileInfo::exists(mark));
    }

    // The standard options answer at once and start nothing; a wrong one is
    // refused with the way to the help.
    void commandLineOptions_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("said");
        QTest::newRow("version") << QStringList{"--version"} << 0
                                 << "mousecfg " MOUSECFG_VERSION "\n";
        QTest::newRow("help") << QStringList{"-h"} << 0 << "--config-dir <folder>";
        QTest::newRow("unknown") << QStringList{"--bogus"} << 1 << "Try 'mousecfg --help'.";
        QTest::newRow("stray word") << QStringList{"now"} << 1 << "unexpected argument 'now'";
        QTest::newRow("no folder") << QStringList{"--config-dir"} << 1 << "Try 'mousecfg --help'.";
        QTest::newRow("no display") << QStringList{"DISPLAY="} << 1 << "no display to show";
    }
    void commandLineOptions() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(QString, said);
        E2eSession s;
        SESSION_VERIFY(s, s.startDisplay());
        QProcess p;
        QProcessEnvironment env = s.childEnv();
        if (args == QStringList{"DISPLAY="}) {
            for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
                env.remove(name);
            args.clear();
        }
        p.setProcessEnvironment(env);
        p.start(s.appFile("mousecfg"), args);
        QVERIFY(p.waitForFinished(30000));
        QCOMPARE(p.exitCode(), status);
        const QString out = QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        QVERIFY2(out.contains(said), qPrintable(out));
        QVERIFY(s.findWindows(E2eSession::productTitle()).isEmpty());
    }

    // Started with the desktop: the program finds its mouse and sits in the
    // tray without mapping its window or warning of anything.
    void minimizedStartStaysInTheTray() {
        E2eSession s;
        SESSION_START(s, QStringList());
        SESSION_VERIFY(s, s.startTray());
        QProcess* program = s.startProgram(s.childEnv(), {"--minimized"});
        SESSION_VERIFY(s, program->waitForStarted(5000));
        // Listening once it has asked the mouse for its state.
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(" out "); }, 45000));
        QTest::qWait(500);
        SESSION_VERIFY(s, hearsDpiButton(s));
        QVERIFY(s.findWindows(E2eSession::productTitle()).isEmpty());
        QVERIFY(s.findWindows(QStringLiteral("Warning")).isEmpty());
        QCOMPARE(program->state(), QProcess::Running);

        // Started again from the menu: the running copy shows its window,
        // the new one ends as a second copy does.
        QProcess* second = s.startProgram();
        SESSION_VERIFY(s, second->waitForFinished(10000));
        QCOMPARE(second->exitCode(), 1);
        SESSION_VERIFY(s, !s.waitForWindow(E2eSession::productTitle(), 10000).isEmpty());
    }

    // A notice on the screen leaves the keyboard where it was.
    void noticeLeavesTheFocus() {
        E2eSession s;
        SESSION_START(s, QStringList());
        // A window manager, which would hand the focus to a window that asks.
        if (!s.startWindowManager()) QSKIP(qPrintable(s.error()));
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.xdotool({"windowactivate", "--sync", window});
        QCOMPARE(s.xdotool({"getwindowfocus"}).trimmed(), window);
        // A slow (sanitizer) build may not have the mouse open yet at the
        // first press. The second then brings the mouse to the stage the
        // window already shows (the factory profile's third), which is no
        // change to tell of; the third press is heard.
        SESSION_VERIFY(s, hearsDpiButton(s) || hearsDpiButton(s) || hearsDpiButton(s));
        QTest::qWait(300); // the notice is up
        QCOMPARE(s.xdotool({"getwindowfocus"}).trimmed(), window);
    }

    void batteryLevel_data() {
        QTest::addColumn<int>("millivolts");
        QTest::addColumn<QString>("batteryFull"); // "" keeps the product's value
        QTest::addColumn<int>("level");
        QTest::newRow("full") << 4300 << QString() << 100;
        QTest::newRow("4050 mV") << 4050 << QString() << 80;
        QTest::newRow("3750 mV") << 3750 << QString() << 50;
        QTest::newRow("3650 mV: no 3600 step") << 3650 << QString() << 40;
        QTest::newRow("3300 mV") << 3300 << QString() << 20;
        QTest::newRow("lowered full value") << 4050 << QStringLiteral("4000") << 100;
    }
    void batteryLevel() {
        QFETCH(int, millivolts);
        QFETCH(QString, batteryFull);
        QFETCH(int, level);

        E2eSession s;
        // A stored level no battery gives, so a stale value cannot pass.
        setIniValue(configIni(s), "Config/Battery", 30);
        if (!batteryFull.isEmpty()) setIniValue(configIni(s), "Config/BatteryFull", batteryFull);
        SESSION_START(s, QStringList());
        QCOMPARE(s.vm({"battery", QString::number(millivolts)}), QString());
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        const bool shown = waitUntil(
            [&] { return iniValue(configIni(s), "Config/Battery") == QString::number(level); },
            8000);
        QVERIFY2(shown, qPrintable(QStringLiteral("Config/Battery is %1")
                                       .arg(iniValue(configIni(s), "Config/Battery"))));
    }

    void mouseButtonNotice_data() {
        QTest::addColumn<QStringList>("presses");
        QTest::addColumn<QStringList>("notices");
        QTest::addColumn<int>("dpiStage"); // stored in the profile file afterwards
        // The factory profile starts on stage 3 (index 2), the mouse on index 0:
        // the first status report also moves the window's stage.
        QTest::newRow("dpi once") << QStringList{"dpi"} << QStringList{"DPI 2:800"} << 1;
        QTest::newRow("dpi twice")
            << QStringList{"dpi", "dpi"} << QStringList{"DPI 2:800", "DPI 3:1600"} << 2;
        QTest::newRow("dpi three times")
            << QStringList{"dpi", "dpi", "dpi"}
            << QStringList{"DPI 2:800", "DPI 3:1600", "DPI 4:2400"} << 3;
        QTest::newRow("rate once")
            << QStringList{"rate"} << QStringList{"DPI 1:400", "500 HZ"} << 0;
        QTest::newRow("rate twice")
            << QStringList{"rate", "rate"} << QStringList{"DPI 1:400", "500 HZ", "250 HZ"} << 0;
        // The second profile's file stage differs from the mouse's: a notice.
        QTest::newRow("profile") << QStringList{"profile"} << QStringList{"DPI 1:400"} << -1;
    }
    void mouseButtonNotice() {
        QFETCH(QStringList, presses);
        QFETCH(QStringList, notices);
        QFETCH(int, dpiStage);

        E2eSession s;
        SESSION_START(s, QStringList());
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        QTest::qWait(500); // the status thread is listening
        for (const QString& button : presses) {
            QCOMPARE(s.vm({"press", button}), QString());
            QTest::qWait(300);
        }
        waitUntil([&] { return osdTexts(s).size() >= notices.size(); }, 6000);
        QTest::qWait(500); // and nothing more comes
        QCOMPARE(osdTexts(s), notices);
        if (dpiStage >= 0)
            QCOMPARE(iniValue(profileFile(s, 0), "PROFILE/dpi"), QString::number(dpiStage));
        else // the profile press moved the program to the second profile
            QTRY_COMPARE_WITH_TIMEOUT(iniValue(configIni(s), "Config/ProfileID"), QString("1"),
                                      5000);
    }
};

QTEST_GUILESS_MAIN(TestE2eShell)
#include "test_shell.moc"
