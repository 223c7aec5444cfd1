// Low-battery notices from the real program against the virtual mouse. The
// display has no tray, so the notices go to the companion.
#include "e2esession.h"

#include <QtTest>

class TestE2eBattery : public QObject {
    Q_OBJECT
private slots:
    // Two discharges with a charge on the cable between: each warns at 20%
    // and at 10%, once. The program polls the battery about every 25 s;
    // plugging or pulling the cable makes it poll at once.
    void lowBatteryNotices() {
        E2eSession s;
        SESSION_START(s, QStringList());
        auto shows = [&](int level) {
            return waitUntil(
                [&] { return iniValue(configIni(s), "Config/Battery") == QString::number(level); },
                60000);
        };
        const QStringList discharge{"Mouse battery low: 20%",
                                    "Mouse battery very low: 10%, charge it now"};

        // Already low when the program starts: the user hears of it.
        QCOMPARE(s.vm({"battery", "3300"}), QString());
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        SESSION_VERIFY(s, shows(20));
        QCOMPARE(s.vm({"battery", "3100"}), QString());
        SESSION_VERIFY(s, shows(10));
        SESSION_VERIFY(s, waitUntil([&] { return osdTexts(s).size() >= 2; }, 6000));

        QCOMPARE(s.vm({"battery", "3900", "charging"}), QString());
        QCOMPARE(s.vm({"plug", "cable"}), QString());
        SESSION_VERIFY(s, shows(60));

        QCOMPARE(s.vm({"battery", "3300"}), QString());
        QCOMPARE(s.vm({"unplug", "cable"}), QString());
        SESSION_VERIFY(s, shows(20));
        QCOMPARE(s.vm({"battery", "3100"}), QString());
        SESSION_VERIFY(s, shows(10));
        SESSION_VERIFY(s, waitUntil([&] { return osdTexts(s).size() >= 4; }, 6000));
        QTest::qWait(1000); // and nothing more comes
        QCOMPARE(osdTexts(s), discharge + discharge);
    }

    // Where the desktop has a tray the warning is the tray's message; the
    // companion, which still takes the DPI notice, gets none.
    void trayTakesTheWarning() {
        E2eSession s;
        SESSION_START(s, QStringList());
        SESSION_VERIFY(s, s.startTray());
        QCOMPARE(s.vm({"battery", "3300"}), QString());
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        SESSION_VERIFY(
            s, waitUntil([&] { return iniValue(configIni(s), "Config/Battery") == "20"; }, 20000));
        SESSION_VERIFY(s, hearsDpiButton(s));
        QCOMPARE(osdTexts(s).filter(QStringLiteral("battery")), QStringList());
    }
};

QTEST_GUILESS_MAIN(TestE2eBattery)
#include "test_battery.moc"
