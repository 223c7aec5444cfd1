// The desktop's pointer speed: the 1-20 scale against the desktop's -1..1,
// and GNOME's key through the real gsettings keeping it in a key file.
#include "pointerspeed.h"
#include "pointerspeedbackend.h"
#include "testutil.h"

#include <QtTest>
#include <cmath>

class TestPointerSpeed : public QObject {
    Q_OBJECT

private slots:
    void scale_data() {
        QTest::addColumn<int>("speed");
        QTest::addColumn<double>("toDesktop");
        QTest::addColumn<double>("desktop");
        QTest::addColumn<int>("toSpeed");
        QTest::newRow("low end") << 1 << -1.0 << -1.0 << 1;
        QTest::newRow("neutral") << 10 << 0.0 << 0.0 << 10;
        QTest::newRow("high end") << 20 << 1.0 << 1.0 << 20;
        QTest::newRow("below neutral") << 4 << -6 / 9.0 << -6 / 9.0 << 4;
        QTest::newRow("above neutral") << 15 << 0.5 << 0.5 << 15;
        QTest::newRow("nearest below") << 9 << -1 / 9.0 << -0.06 << 9;
        QTest::newRow("nearest above") << 19 << 0.9 << 0.96 << 20;
        QTest::newRow("near neutral") << 11 << 0.1 << -0.04 << 10;
        QTest::newRow("clamped low") << 0 << -1.0 << -2.0 << 1;
        QTest::newRow("clamped high") << 35 << 1.0 << 3.0 << 20;
        QTest::newRow("not a number") << 10 << 0.0 << double(NAN) << 10;
    }
    void scale() {
        QFETCH(int, speed);
        QFETCH(double, toDesktop);
        QFETCH(double, desktop);
        QFETCH(int, toSpeed);
        QCOMPARE(desktopFromSpeed(speed), toDesktop);
        QCOMPARE(speedFromDesktop(desktop), toSpeed);
        // Every speed comes back as itself, each one above the last.
        for (int s = 1; s <= 20; ++s) {
            QCOMPARE(speedFromDesktop(desktopFromSpeed(s)), s);
            if (s > 1) QVERIFY(desktopFromSpeed(s) > desktopFromSpeed(s - 1));
        }
    }

    void nothingToReach() {
        QTemporaryDir runtime;
        qunsetenv("DISPLAY");
        qunsetenv("XDG_CURRENT_DESKTOP");
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
        DesktopPointerSpeed speed;
        QVERIFY(!speed.reachable());
        QCOMPARE(speed.read(), 0);
        QVERIFY(!speed.apply(12));
        QVERIFY(speed.restore());
    }

    void gnome() {
        QTemporaryDir home;
        if (!gnomeSettingsIn(home.path())) QSKIP("gsettings or the GNOME schemas are missing");
        setGnomeMouseSpeed(0.3);
        {
            DesktopPointerSpeed speed;
            QVERIFY(speed.reachable());
            QCOMPARE(speed.read(), 13);
            QVERIFY(speed.apply(4));
            QCOMPARE(gnomeMouseSpeed(), -6 / 9.0);
            QVERIFY(speed.apply(20));
            QCOMPARE(speed.read(), 20);
        }
        // The user's own value, not the first one applied, comes back.
        QCOMPARE(gnomeMouseSpeed(), 0.3);

        {
            DesktopPointerSpeed speed;
            QVERIFY(speed.apply(12));
            setGnomeMouseSpeed(-0.25); // the user chose another meanwhile
        }
        QCOMPARE(gnomeMouseSpeed(), -0.25);
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "test_pointerspeed.moc"
