// Pointer speed on a real X server (Xvfb); skipped where none can be started.
#include "pointerspeed.h"

#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

class TestPointerSpeed : public QObject {
    Q_OBJECT
    QProcess m_xvfb;
    QByteArray m_oldDisplay;

private slots:
    void initTestCase()
    {
        m_oldDisplay = qgetenv("DISPLAY");
        const QString xvfb = QStandardPaths::findExecutable("Xvfb");
        if (xvfb.isEmpty()) QSKIP("Xvfb is not installed");
        // -displayfd picks a free display and tells us its number; -noreset
        // keeps the server's settings when our short connections close.
        m_xvfb.start(xvfb, {"-displayfd", "1", "-noreset", "-nolisten", "tcp", "-screen", "0",
                            "640x480x24"});
        QVERIFY(m_xvfb.waitForStarted());
        QVERIFY(m_xvfb.waitForReadyRead(10000));
        const QString display = ":" + QString::fromLatin1(m_xvfb.readLine().trimmed());
        qputenv("DISPLAY", display.toLatin1());
        for (int i = 0; i < 50 && readPointerSpeed() == 0; ++i) QTest::qWait(100);
        QVERIFY2(readPointerSpeed() != 0, "Xvfb did not come up");
    }
    void cleanupTestCase()
    {
        m_xvfb.terminate();
        m_xvfb.waitForFinished(3000);
        qputenv("DISPLAY", m_oldDisplay);
    }

    void roundTrip_data()
    {
        QTest::addColumn<int>("set");
        QTest::addColumn<int>("read");
        QTest::newRow("14") << 14 << 14;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("10") << 10 << 10;
        QTest::newRow("20") << 20 << 20;
        QTest::newRow("clamped high") << 35 << 20;
        QTest::newRow("clamped low") << 0 << 1;
    }
    void roundTrip()
    {
        QFETCH(int, set);
        QFETCH(int, read);
        QVERIFY(applyPointerSpeed(set));
        QCOMPARE(readPointerSpeed(), read);
    }

    void noDisplay()
    {
        const QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        QCOMPARE(readPointerSpeed(), 0);
        QVERIFY(!applyPointerSpeed(12));
        qputenv("DISPLAY", display);
    }
};

QTEST_GUILESS_MAIN(TestPointerSpeed)
#include "test_pointerspeed.moc"
