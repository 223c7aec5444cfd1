// Pointer speed on a real X server (Xvfb); skipped where none can be started.
#include "pointerspeed.h"
#include "testutil.h"

#include <QtTest>

class TestPointerSpeed : public QObject {
    Q_OBJECT
    XvfbServer m_xvfb;

private slots:
    void initTestCase() {
        if (!m_xvfb.start()) QSKIP(qPrintable(m_xvfb.error()));
        QVERIFY(readPointerSpeed() != 0);
    }

    void roundTrip_data() {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("read");
        QTest::newRow("14") << 14 << 14;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("clamped high") << 35 << 20;
        QTest::newRow("clamped low") << 0 << 1;
    }
    void roundTrip() {
        QFETCH(int, set);
        QFETCH(int, read);
        QVERIFY(applyPointerSpeed(set));
        QCOMPARE(readPointerSpeed(), read);
    }

    void noDisplay() {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        QCOMPARE(readPointerSpeed(), 0);
        QVERIFY(!applyPointerSpeed(12));
        qputenv("DISPLAY", display);
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "test_pointerspeed.moc"
