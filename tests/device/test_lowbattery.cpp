// The low-battery rule over whole sequences of readings.
#include "lowbattery.h"

#include <QtTest>

class TestLowBattery : public QObject {
    Q_OBJECT
private slots:
    void warnings_data() {
        QTest::addColumn<int>("low");
        QTest::addColumn<int>("critical");
        // Levels in order; a leading "c" marks a reading while charging.
        QTest::addColumn<QString>("readings");
        // One mark per reading: "-" none, "L" low, "C" critical.
        QTest::addColumn<QString>("warnings");
        QTest::newRow("discharge through both") << 20 << 10 << "50 30 20 20 10 10"
                                                << "--L-C-";
        QTest::newRow("started low: once") << 20 << 10 << "10 10 10"
                                           << "C--";
        QTest::newRow("step skipped") << 20 << 10 << "30 10 20"
                                      << "-C-";
        QTest::newRow("wavering across") << 20 << 10 << "30 20 30 20 30 20"
                                         << "-L----";
        QTest::newRow("charging starts over") << 20 << 10 << "20 10 c10 c60 60 30 20 10"
                                              << "LC----LC";
        QTest::newRow("unplugged still low") << 20 << 10 << "10 c10 10"
                                             << "C-C";
        QTest::newRow("low while charging") << 20 << 10 << "c20 c10"
                                            << "--";
        QTest::newRow("first off") << 0 << 10 << "30 20 10"
                                   << "--C";
        QTest::newRow("second off") << 20 << 0 << "30 20 10"
                                    << "-L-";
        QTest::newRow("between the steps") << 25 << 15 << "30 20 10"
                                           << "-LC";
        QTest::newRow("below the lowest step") << 20 << 5 << "20 10 10"
                                               << "L--";
        QTest::newRow("second above first") << 10 << 20 << "30 20 10"
                                            << "-C-";
    }
    void warnings() {
        QFETCH(int, low);
        QFETCH(int, critical);
        QFETCH(QString, readings);
        QFETCH(QString, warnings);
        LowBatteryState state;
        QString got;
        for (QString r : readings.split(' ')) {
            const bool charging = r.startsWith('c');
            if (charging) r.remove(0, 1);
            switch (nextLowBatteryWarning(state, {low, critical}, r.toInt(), charging)) {
            case LowBatteryWarning::None:
                got += '-';
                break;
            case LowBatteryWarning::Low:
                got += 'L';
                break;
            case LowBatteryWarning::Critical:
                got += 'C';
                break;
            }
        }
        QCOMPARE(got, warnings);
    }
};

QTEST_GUILESS_MAIN(TestLowBattery)
#include "test_lowbattery.moc"
