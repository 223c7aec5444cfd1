// Low-battery notices from the real program against the virtual mouse. The
// display has no tray, so the notices go to the companion.
#include "e2esession.h"

#include <QDBusConnection>
#include <QtTest>

// A status-notifier watcher with a host: to the program, a desktop whose tray
// goes over the session bus.
class FakeTrayWatcher : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.StatusNotifierWatcher")
    Q_PROPERTY(bool IsStatusNotifierHostRegistered READ hostRegistered)
public:
    bool hostRegistered() const { return true; }
public slots:
    void RegisterStatusNotifierItem(const QString&) {}
};

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

    // A tray over the session bus shows its messages through the desktop's
    // notification service; where none runs, the warning is the companion's.
    void noNotificationServiceNoticeTakesTheWarning() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString address = s.startBus();
        if (address.isEmpty()) QSKIP("dbus-daemon is not installed");
        QDBusConnection connection = QDBusConnection::connectToBus(address, "fake-tray");
        FakeTrayWatcher watcher;
        QVERIFY(connection.registerObject("/StatusNotifierWatcher", &watcher,
                                          QDBusConnection::ExportAllContents));
        QVERIFY(connection.registerService("org.kde.StatusNotifierWatcher"));

        QCOMPARE(s.vm({"battery", "3300"}), QString());
        SESSION_VERIFY(s, s.startProgram()->waitForStarted(5000));
        SESSION_VERIFY(
            s, waitUntil(
                   [&] { return osdTexts(s).contains(QStringLiteral("Mouse battery low: 20%")); },
                   45000));
        s.stopPrograms();
        QDBusConnection::disconnectFromBus("fake-tray");
    }
};

QTEST_GUILESS_MAIN(TestE2eBattery)
#include "test_battery.moc"
