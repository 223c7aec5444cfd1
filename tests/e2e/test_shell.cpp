// The real program under a private X server against the virtual mouse: one
// instance only, the battery it shows, the disconnect warning coming and
// going with the receiver, and on-mouse button presses reaching the companion.
#include "e2esession.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

QString configIni(const E2eSession& s) {
    return s.appFile(QStringLiteral("Configs/Config.ini"));
}

QString profileFile(const E2eSession& s, int slot) {
    return s.appFile(QStringLiteral("Configs/Profile/Profile %1.prof").arg(slot + 1));
}

// The companion's log lines: the notice text, then its tab-separated fields.
QStringList osdTexts(const E2eSession& s) {
    QStringList texts;
    for (const QByteArray& line : s.osdLog().split('\n'))
        if (!line.isEmpty()) texts << QString::fromUtf8(line.left(line.indexOf('\t')));
    return texts;
}

// The program follows an on-mouse DPI press: the companion gets a notice.
bool hearsDpiButton(const E2eSession& s) {
    const int before = osdTexts(s).size();
    s.vm({"press", "dpi"});
    return waitUntil([&] { return osdTexts(s).size() > before; }, 6000);
}

} // namespace

class TestE2eShell : public QObject {
    Q_OBJECT
private slots:
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

    void disconnectWarning_data() {
        QTest::addColumn<QStringList>("daemonArgs");
        QTest::addColumn<bool>("warns");
        QTest::newRow("receiver only") << QStringList() << true;
        QTest::newRow("cable still plugged") << QStringList{"--cable"} << false;
    }
    void disconnectWarning() {
        QFETCH(QStringList, daemonArgs);
        QFETCH(bool, warns);
        const QString title = QStringLiteral("Warning");

        E2eSession s;
        SESSION_START(s, daemonArgs);
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        QVERIFY(s.findWindows(title).isEmpty());

        s.vm({"unplug", "receiver"});
        if (!warns) {
            // The notifier looks every 2 s; give it two rounds to be wrong.
            QTest::qWait(4500);
            SESSION_VERIFY(s, s.findWindows(title).isEmpty());
            return;
        }
        const QString box = s.waitForWindow(title, 8000);
        SESSION_VERIFY(s, !box.isEmpty());

        // Plugging back in closes the box by itself; the program opens the
        // mouse again (its status poll is the sign) and follows its buttons.
        s.vm({"log", "clear"});
        s.vm({"plug", "receiver"});
        SESSION_VERIFY(s, s.waitForNoWindow(title, 8000));
        SESSION_VERIFY(s, !s.findWindows(E2eSession::productTitle()).isEmpty());
        const QRegularExpression poll(QStringLiteral(" out 05 [0-9a-f]{2} fa 48 "));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 5000));
        SESSION_VERIFY(s, hearsDpiButton(s));
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
