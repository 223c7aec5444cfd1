#include "dpi.h"

#include <QtTest>

class TestDpi : public QObject {
    Q_OBJECT
private slots:
    void steps_data() {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("step");
        QTest::addColumn<int>("dpi");
        struct Row {
            int sensor, step, dpi;
        };
        const Row rows[] = {
            // 3325 family: 100 / 200 / 400 per step, and the factory stages.
            {3325, 8, 800},
            {3325, 12, 1200},
            {3325, 16, 1600},
            {3325, 24, 2400},
            {3325, 50, 5000},
            {3325, 51, 5200},
            {3325, 75, 10000},
            {3325, 76, 10400},
            {33252, 50, 5000},
            {33252, 80, 12000},
            // 3327, with its one exception at 106.
            {3327, 0, 100},
            {3327, 61, 6200},
            {3327, 62, 6400},
            {3327, 92, 12400},
            {3327, 93, 12600},
            {3327, 105, 16200},
            {3327, 106, 16400},
            {3327, 107, 16800},
            {3311, 120, 12000},
            {3311, 121, 12200},
            {3360, 1, 100},
            {33112, 130, 14000},
            {3333, 80, 8000},
            {3333, 81, 8200},
            {3335, 160, 16000},
            {3335, 161, 16200},
            {33352, 10, 1000},
            {3370, 200, 10000},
            {3370, 201, 10100},
            {3370, 1, 50},
            {3389, 2, 100},
            {3389, 320, 16000},
            {3389, 321, 16100},
            {3389, 480, 32000},
            {3395, 0, 50},
            {3395, 519, 26000},
            {3395, 520, 26100},
            {33952, 31, 1600},
            {3399, 399, 20000},
            {3399, 400, 20100},
            {3399, 0, 50},
            // 3104: 40 per step with 560 shown as 500, then 80 per step.
            {3104, 14, 500},
            {3104, 13, 520},
            {3104, 15, 600},
            {3104, 106, 4240},
            {3104, 107, 4320},
            {31042, 14, 500},
            // 3212: rounded tens with its corrections.
            {3212, 21, 800},
            {3212, 32, 1200},
            {3212, 43, 1600},
            {3212, 63, 2400},
            {3212, 10, 380},
            {3212, 64, 2430},
            {3212, 94, 4710},
            {3212, 95, 4860},
            {3212, 111, 7200},
            {3212, 112, 7440},
            // Unknown sensors show nothing.
            {0, 50, 0},
            {3326, 50, 0},
        };
        for (const Row& r : rows)
            QTest::addRow("%d step %d", r.sensor, r.step) << r.sensor << r.step << r.dpi;
    }
    void steps() {
        QFETCH(int, sensor);
        QFETCH(int, step);
        QFETCH(int, dpi);
        QCOMPARE(dpiFromStep(uint32_t(step), sensor), dpi);
    }

    // A typed DPI becomes the step nearest to it within the slider's ends.
    void stepForDpi_data() {
        QTest::addColumn<int>("sensor");
        QTest::addColumn<int>("dpi");
        QTest::addColumn<int>("step");
        QTest::newRow("between, nearer the upper") << 3325 << 1660 << 17;
        QTest::newRow("a tie takes the lower") << 3325 << 1650 << 16;
        QTest::newRow("coarser steps above 5000") << 3325 << 5250 << 51;
        QTest::newRow("below the low end") << 3325 << 10 << 1;
        QTest::newRow("above the high end") << 3325 << 99999 << 90;
    }
    void stepForDpi() {
        QFETCH(int, sensor);
        QFETCH(int, dpi);
        QFETCH(int, step);
        QCOMPARE(::stepForDpi(dpi, sensor, 1, 90), uint32_t(step));
    }
};

QTEST_GUILESS_MAIN(TestDpi)
#include "test_dpi.moc"
