#include "mousestatus.h"

#include <QtTest>

class TestMouseStatus : public QObject {
    Q_OBJECT
private slots:
    void battery_data() {
        QTest::addColumn<int>("raw");
        QTest::addColumn<int>("full");
        QTest::addColumn<int>("level");
        const int rows[][3] = {
            {1018, 4200, 90}, {1019, 4200, 100}, {849, 4200, 40},  {848, 4200, 30},
            {0, 4200, 10},    {775, 4200, 10},   {776, 4200, 20},  {800, 4200, 20},
            {825, 4200, 30},  {898, 4200, 50},   {922, 4200, 60},  {946, 4200, 70},
            {970, 4200, 80},  {994, 4200, 90},   {995, 4100, 100}, {65535, 4200, 100},
        };
        for (const auto& r : rows)
            QTest::addRow("raw %d full %d", r[0], r[1]) << r[0] << r[1] << r[2];
    }
    void battery() {
        QFETCH(int, raw);
        QFETCH(int, full);
        QFETCH(int, level);
        QCOMPARE(batteryLevel(raw, full), level);
    }

    void connectionStates() {
        QCOMPARE(connectionState(true, true, false), 1);
        QCOMPARE(connectionState(true, true, true), 1);
        QCOMPARE(connectionState(true, false, true), 0);
        QCOMPARE(connectionState(false, true, true), 1);
        QCOMPARE(connectionState(false, true, false), 2);
        QCOMPARE(connectionState(false, false, true), 3);
    }

    void rates() {
        QCOMPARE(QString(reportRateText(8)), QStringLiteral("125 HZ"));
        QCOMPARE(QString(reportRateText(4)), QStringLiteral("250 HZ"));
        QCOMPARE(QString(reportRateText(2)), QStringLiteral("500 HZ"));
        QCOMPARE(QString(reportRateText(1)), QStringLiteral("1000 HZ"));
        QCOMPARE(QString(reportRateText(3)), QString());
    }

    void widthSnap() {
        QCOMPARE(scaleIndexForWidth(999), 0);
        QCOMPARE(scaleIndexForWidth(990), 0);
        QCOMPARE(scaleIndexForWidth(1008), 0);
        QCOMPARE(scaleIndexForWidth(1009), -1);
        QCOMPARE(scaleIndexForWidth(1240), 1);
        QCOMPARE(scaleIndexForWidth(1498), 2);
        QCOMPARE(scaleIndexForWidth(1757), 3);
        QCOMPARE(scaleIndexForWidth(1998), -1);
    }
};

QTEST_GUILESS_MAIN(TestMouseStatus)
#include "test_mousestatus.moc"
