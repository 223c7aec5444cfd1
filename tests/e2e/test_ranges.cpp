// Values no control of the window can show, planted in the live profile and
// in Config.ini, never reach the virtual mouse: Apply sends what is shown.
#include "e2esession.h"

#include <QRegularExpression>
#include <QtTest>
#include <defaults.h>
#include <memory>
#include <profilefile.h>

namespace {

const QPoint kApply(848 + 48, 578 + 16);

} // namespace

class TestE2eRanges : public QObject {
    Q_OBJECT
private slots:
    void outOfRangeValuesSentInRange() {
        E2eSession s;
        SESSION_START(s, QStringList());
        // A whole profile, so only its values are wrong.
        auto p = std::make_unique<MouseProfile>();
        makeDefaultProfile(*p);
        p->ProfileName = QStringLiteral("Profile 1");
        p->pollrate = 255;
        p->dpi = 9;
        p->stages[0] = {1, 1, 600, 600, 600};
        p->LedMode = 250;
        p->LedSleepTime = 40;
        for (LedModeInfo& led : p->ledModes) {
            led.bright = 9;
            led.breath = 9;
        }
        p->ledModes[1].RGB = QColor(0x10, 0x20, 0x30);
        p->ledModes[2].RGB = QColor(0x40, 0x50, 0x60);
        const QString profile = s.appFile("Configs/Profile/Profile 1.prof");
        writeProfile(*p, profile);
        const QString config = configIni(s);
        setIniValue(config, "Config/Debounce", 0);
        setIniValue(config, "Config/LiftHigh", 7);
        setIniValue(config, "Config/SensorMode", 9);

        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.click(window, kApply.x(), kApply.y());
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("key response: 1\n"); }, 10000));
        QTest::qWait(500); // the end of the write
        const QString state = s.vm({"state"});
        for (const char* line :
             {"profile 0 (active): DPI stage 7, report rate 1 (1000 Hz)",
              "    report rates: 1 (1000 Hz)", "light sleep time: 9\n", "    sensor mode: 1,",
              "    stage 0: used 1, x 07 02 (519), y 07 02 (519)\n",
              "    mode 2: 80 10 20 30 01 00 02 03\n", "    mode 3: 80 40 50 60 01 05 04 03\n"})
            QVERIFY2(state.contains(QLatin1String(line)), qPrintable(line + ('\n' + state)));
        QVERIFY2(state.contains(QRegularExpression(QStringLiteral("sensor flags: .. \\(lift 2"))),
                 qPrintable(state));
        QVERIFY2(!state.contains(QLatin1String("unknown rate")), qPrintable(state));
        // The files now hold what the mouse was sent.
        QCOMPARE(iniValue(profile, "PROFILE/pollrate"), QString("1"));
        QCOMPARE(iniValue(config, "Config/Debounce"), QString("1"));
    }
};

QTEST_GUILESS_MAIN(TestE2eRanges)
#include "test_ranges.moc"
