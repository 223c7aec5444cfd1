#include "defaults.h"
#include "paths.h"
#include "profilefile.h"
#include "testutil.h"

#include <QSettings>
#include <QtTest>

class TestDefaults : public QObject {
    Q_OBJECT
private slots:
    void builtInProfile() {
        TempAppDir app; // no product definition
        MouseProfile p;
        p.buttons[17].Fun = 99;
        makeDefaultProfile(p);
        QCOMPARE(int(p.pollrate), 1);
        QCOMPARE(int(p.dpi), 1);
        QCOMPARE(int(p.LedMode), 9);
        QCOMPARE(int(p.LedMoveOFF), 0);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(int(p.mousespeed), 10);
        QCOMPARE(int(p.dbclickspeed), 5);
        QCOMPARE(int(p.scrollspeed), 1);
        QCOMPARE(int(p.accelenable), 1);
        QCOMPARE(int(p.acee), 1);
        const uint32_t steps[8] = {8, 12, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < 8; ++i) {
            QVERIFY(p.stages[i] == (DpiStage{1, 1, steps[i], steps[i], steps[i]}));
        }
        const int funs[20] = {1, 2, 3, 4, 5, 4, 5};
        for (int i = 0; i < 20; ++i)
            QCOMPARE(p.buttons[i].Fun, funs[i]);
        QCOMPARE(p.buttons[40].Fun, 52);
        QCOMPARE(p.buttons[41].Fun, 53);
        for (int i = 0; i < 14; ++i) {
            const LedModeInfo& l = p.ledModes[i];
            QCOMPARE(l.RGB, i == 10 ? QColor(0, 255, 0) : QColor(255, 0, 0));
            QCOMPARE(l.h, 360u);
            QCOMPARE(l.bright, 3u);
            const uint32_t breath = i == 4 ? 2 : i == 9 ? 4 : i == 10 ? 5 : i == 12 ? 1 : 3;
            QCOMPARE(l.breath, breath);
        }
    }

    void productProfile() {
        TempAppDir app(fixture("aero"));
        MouseProfile p;
        p.buttons[3].KeyInfo[0].map = 9;
        p.buttons[18].Fun = 7;
        makeDefaultProfile(p);
        QCOMPARE(int(p.pollrate), 2);
        QCOMPARE(int(p.dpi), 1);
        QCOMPARE(int(p.LedMode), 3);
        QCOMPARE(int(p.LedSleepTime), 1);
        QCOMPARE(int(p.mousespeed), 10);
        const uint32_t xy[8] = {4, 8, 16, 24, 50, 75, 0, 0};
        for (int i = 0; i < 8; ++i)
            QVERIFY(p.stages[i] == (DpiStage{1, 1, xy[i], xy[i], xy[i]}));
        const int funs[8] = {1, 2, 3, 5, 4, 47, 48, 49};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(p.buttons[i].Fun, funs[i]);
        for (int i = 16; i < 40; ++i)
            QVERIFY(p.buttons[i] == ButtonInfo());
        QCOMPARE(int(p.buttons[3].KeyInfo[0].map), 0);
        QCOMPARE(p.buttons[40].Fun, 52);
        QCOMPARE(p.buttons[41].Fun, 53);
        for (const LedModeInfo& l : p.ledModes) {
            QCOMPARE(l.h, 360u);
            QCOMPARE(l.s, 0u);
            QVERIFY(l.RGB.isValid());
        }
        QCOMPARE(p.ledModes[10].breath, 5u);
    }

    void resetAllRenamesAllButResetsOne() {
        TempAppDir app(fixture("aero"));
        DeviceSettings s;
        s.currentProfile = 3;
        s.Count = 4;
        s.profiles[0].pollrate = 8;
        s.profiles[2].pollrate = 8;
        for (QString& n : s.profileNames)
            n = "x";
        resetAll(s);
        QCOMPARE(int(s.currentProfile), 0);
        QCOMPARE(int(s.Count), 4);
        QCOMPARE(int(s.profiles[0].pollrate), 2);
        QCOMPARE(int(s.profiles[2].pollrate), 8);
        QCOMPARE(int(s.LiftHigh), 1);
        QCOMPARE(int(s.AngleValue), 1);
        QCOMPARE(int(s.Debounce), 8);
        QCOMPARE(int(s.SensorMode), 1);
        for (int i = 0; i < 5; ++i)
            QCOMPARE(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));

        TempAppDir bare;
        resetAll(s);
        QCOMPARE(int(s.Debounce), 20);
        QCOMPARE(int(s.SensorMode), 1);
    }

    void defaultProfileFile() {
        TempAppDir app(fixture("pico"));
        writeDefaultProfileFile();
        MouseProfile p;
        readProfile(p, profilePathForName("DefaultProfile"));
        MouseProfile expected;
        makeDefaultProfile(expected);
        QVERIFY(p == expected);
    }

    void changeMask_data() {
        QTest::addColumn<int>("change");
        QTest::addColumn<int>("mask");
        const int rows[][2] = {
            {0, 0},  {1, 1},  {2, 1},  {3, 1},  {4, 0},  {5, 1},  {6, 0},  {7, 1},
            {8, 2},  {9, 0},  {10, 2}, {11, 4}, {12, 4}, {13, 4}, {14, 8}, {15, 8},
            {16, 0}, {17, 9}, {18, 4}, {19, 0}, {20, 1}, {21, 0},
        };
        for (const auto& r : rows)
            QTest::addRow("change %d", r[0]) << r[0] << r[1];
    }
    void changeMask() {
        QFETCH(int, change);
        QFETCH(int, mask);
        TempAppDir app;
        DeviceSettings sent;
        for (MouseProfile& p : sent.profiles)
            makeDefaultProfile(p);
        sent.currentProfile = 1;
        DeviceSettings live = sent;
        switch (change) {
        case 0:
            break;
        case 1:
            live.profiles[4].pollrate = 8;
            break;
        case 2:
            live.profiles[2].scrollspeed = 3;
            break;
        case 3:
            live.Wake = 1;
            break;
        case 4:
            live.Count = 3;
            break; // not compared
        case 5:
            live.profiles[1].dpi = 4;
            break; // current profile
        case 6:
            live.profiles[2].dpi = 4;
            break; // another profile
        case 7:
            live.currentProfile = 2;
            break;
        case 8:
            live.profiles[3].stages[7].y = 99;
            break;
        case 9:
            live.profiles[3].stages[2].link = 0, live.profiles[3].stages[2].xy = 1;
            break;
        case 10:
            live.profiles[0].stages[0].used = 0;
            break;
        case 11:
            live.profiles[4].buttons[41].Res3 = 1;
            break;
        case 12:
            live.profiles[0].buttons[20].KeyInfo[62].H = 1;
            break;
        case 13:
            live.profiles[0].buttons[2].Fun = sent.profiles[0].buttons[2].Fun = 200;
            live.profiles[0].buttons[2].macroname = "other";
            break;
        case 14:
            live.profiles[2].LedMode = 5;
            break; // also general only for the current one
        case 15:
            live.profiles[0].ledModes[9].breath = 1;
            break; // effect in use (LedMode 9)
        case 16:
            live.profiles[0].ledModes[2].breath = 1;
            break; // effect not in use
        case 17:
            live.profiles[1].LedMode = 5;
            break;
        case 18:
            live.profiles[1].buttons[0].ID = 7;
            break;
        case 19:
            live.profiles[1].ProfileName = "renamed";
            break;
        case 20:
            live.profiles[1].LedSleepTime = 9;
            break;
        case 21:
            live.profiles[0].LedSleepTime = 9;
            break;
        }
        QCOMPARE(compareSettings(live, sent), mask);
    }

    void changedMacroFileCountsOnce() {
        TempAppDir app;
        DeviceSettings sent;
        sent.profiles[2].buttons[4].Fun = 200;
        sent.profiles[2].buttons[4].macroname = "m1";
        const DeviceSettings live = sent;
        writeText(macroFilePath("m1"), "[Setting]\nCount=0\nWriteSign=1\n");
        QCOMPARE(compareSettings(live, sent), int(ChangeButtons));
        QCOMPARE(
            QSettings(macroFilePath("m1"), QSettings::IniFormat).value("Setting/WriteSign").toInt(),
            0);
        QCOMPARE(compareSettings(live, sent), 0);
        // A macro name that is not a file name is never opened.
        DeviceSettings odd = sent;
        odd.profiles[2].buttons[4].macroname = "../m1";
        DeviceSettings oddLive = odd;
        QCOMPARE(compareSettings(oddLive, odd), 0);
    }
};

QTEST_MAIN(TestDefaults)
#include "test_defaults.moc"
