#include "appconfig.h"
#include "defaults.h"
#include "filename.h"
#include "inifile.h"
#include "paths.h"
#include "productdef.h"
#include "profilefile.h"
#include "testutil.h"

#include <QSettings>
#include <QtTest>

namespace {
// Parsed afresh: QSettings keeps a parsed copy while the file's size and
// time stay the same, which two quick writes of one digit can keep.
QVariant mainValue(const QString& key) {
    return IniFile(mainConfigPath()).value(key);
}
} // namespace

class TestAppConfig : public QObject {
    Q_OBJECT
private slots:
    void emptyMainFile() {
        TempAppDir app;
        writeText(mainConfigPath(), "");
        DeviceSettings s;
        s.currentProfile = 3;
        s.Wake = 4;
        loadSettings(s);
        QCOMPARE(int(s.currentProfile), 0);
        QCOMPARE(int(s.Wake), 0);
        QCOMPARE(int(s.Count), 0);
        // No bindings: the default names, whose (missing) files give new
        // default profiles rather than all-zero ones.
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            MouseProfile expected;
            makeDefaultProfile(expected);
            expected.ProfileName = s.profileNames[i];
            QVERIFY(s.profiles[i] == expected);
        }
        QCOMPARE(readBatteryFull(), 4200);
        QCOMPARE(readDiff(), 0);
        QCOMPARE(readSensorModel(), 0);
    }

    // The two-step load (the profile in use first, the other four after)
    // gives the record the one-step load gives, damaged files included.
    void twoStepLoadMatchesOneStep_data() {
        QTest::addColumn<int>("current");
        QTest::addColumn<int>("damaged"); // profile file emptied of its keys; -1 none
        QTest::newRow("first in use") << 0 << -1;
        QTest::newRow("fourth in use") << 3 << -1;
        QTest::newRow("damaged one in use") << 2 << 2;
        QTest::newRow("damaged one not in use") << 1 << 4;
    }
    void twoStepLoadMatchesOneStep() {
        QFETCH(int, current);
        QFETCH(int, damaged);
        TempAppDir app(APP_DIR);
        QVERIFY(saveCurrentProfileId(current));
        if (damaged >= 0)
            writeText(profilePathForName(QStringLiteral("Profile %1").arg(damaged + 1)),
                      "[PROFILE]\n");
        DeviceSettings twoSteps;
        loadCurrentSettings(twoSteps);
        QCOMPARE(int(twoSteps.currentProfile), current);
        loadOtherProfiles(twoSteps);
        DeviceSettings oneStep;
        loadSettings(oneStep);
        QVERIFY(sameSettings(twoSteps, oneStep));
    }

    void shippedConfiguration() {
        TempAppDir app(APP_DIR); // the staged build output
        DeviceSettings s;
        loadSettings(s);
        QCOMPARE(readCurrentProductName(), QStringLiteral("Qorv Stratos"));
        QCOMPARE(readMouseList0(), QStringLiteral("Qorv Stratos"));
        QCOMPARE(readSensorModel(), 3395);
        QCOMPARE(readBatteryFull(), 4200);
        QCOMPARE(readProfileList(), QStringList({"FPS", "MOBA", "Office"}));
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(s.profileNames[i], QStringLiteral("Profile %1").arg(i + 1));
            QCOMPARE(s.profiles[i].ProfileName, s.profileNames[i]);
            QCOMPARE(s.profiles[i].buttons[0].Fun, 1);
        }
        QVERIFY(QFile::exists(profilePathForName("DefaultProfile")));
        QVERIFY(QFile::exists(productProfileFolder("Qorv Stratos") + "DefaultProfile.prof"));
        QVERIFY(QFile::exists(productProfileFolder("Qorv Stratos") + "MOBA.prof"));
        QVERIFY(QFileInfo(macroFolder()).isDir());
        uint8_t slotTable[16] = {};
        buttonSlotMap(slotTable);
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(globalButtonSlotMap()), 16),
                 QByteArray(reinterpret_cast<const char*>(slotTable), 16));
    }

    void saveWritesEveryProfileAndName() {
        TempAppDir app(fixture("aero"));
        DeviceSettings s;
        loadSettings(s);
        for (int i = 0; i < 5; ++i) {
            s.profileNames[i] = QStringLiteral("Slot %1").arg(i);
            makeDefaultProfile(s.profiles[i]);
            s.profiles[i].pollrate = uint8_t(1 << (i % 4));
            s.profiles[i].buttons[7].Fun = 40 + i;
        }
        s.profileNames[4].clear(); // unbound: no file
        s.currentProfile = 3;
        s.Jitter = 0;
        s.Count = 4;
        saveSettings(s);

        QCOMPARE(mainValue("Config/ProfileID").toInt(), 3);
        QCOMPARE(mainValue("Config/Profile4").toString(), QStringLiteral("Slot 3"));
        QCOMPARE(mainValue("Config/Profile5").toString(), QString());
        QVERIFY(!QFile::exists(profilePathForName("")));
        DeviceSettings back;
        loadSettings(back);
        QCOMPARE(int(back.currentProfile), 3);
        QCOMPARE(int(back.Count), 4);
        QCOMPARE(int(back.Jitter), 0);
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(back.profileNames[i], s.profileNames[i]);
            QVERIFY(back.profiles[i] == s.profiles[i]);
        }
    }

    void missingFolderIsCreated() {
        TempAppDir app; // not even Configs/
        DeviceSettings s;
        resetAll(s);
        saveSettings(s);
        QVERIFY(QFile::exists(mainConfigPath()));
        QVERIFY(QFile::exists(profilePathForName("Profile 1")));
        QVERIFY(QFileInfo(macroFolder()).isDir());
        writeProfileList({"A"});
        saveProfileDpi("Profile 1", 4);
        MouseProfile p;
        loadProfileByName(p, "Profile 1");
        QCOMPARE(int(p.dpi), 4);
        writeCurrentProductName("New Product");
        writeProfileList({"X", "Y"});
        QCOMPARE(readProfileList(), QStringList({"X", "Y"}));
        QVERIFY(QFile::exists(productConfigPath("New Product")));
    }

    void boundNameWithoutFile() {
        TempAppDir app(fixture("pico"));
        writeText(mainConfigPath(), "[Config]\nProfile1=Gone\nProfile2=../../evil\nProfileID=9\n");
        DeviceSettings s;
        loadSettings(s);
        QCOMPARE(s.profileNames[0], QStringLiteral("Gone"));
        QCOMPARE(s.profiles[0].ProfileName, QStringLiteral("Gone"));
        QCOMPARE(s.profiles[0].buttons[0].Fun, 1);
        QCOMPARE(int(s.profiles[0].stages[0].used), 1);
        QCOMPARE(s.profileNames[1], QStringLiteral("Profile 2"));
        QCOMPARE(int(s.currentProfile), 0);
        saveSettings(s);
        QVERIFY(!QFile::exists(app.path() + "/evil.prof"));
        QVERIFY(QFile::exists(profilePathForName("Gone")));
    }

    void profileList() {
        TempAppDir app;
        writeText(productConfigPath(""), "[PROFILE_LIST]\nCount=0\n1=Ghost\n");
        QCOMPARE(readProfileList(), QStringList());
        writeProfileList({"a", "b", "c"});
        QCOMPARE(readProfileList(), QStringList({"a", "b", "c"}));
        writeProfileList({"z"});
        QCOMPARE(readProfileList(), QStringList({"z"}));
    }

    void saveProfileListAndSmallKeys() {
        TempAppDir app;
        DeviceSettings s;
        s.currentProfile = 2;
        s.Count = 5;
        for (int i = 0; i < 5; ++i)
            s.profileNames[i] = QString("N%1").arg(i);
        saveProfileList(s);
        QCOMPARE(mainValue("Config/ProfileID").toInt(), 2);
        QCOMPARE(mainValue("Config/Profile5").toString(), QStringLiteral("N4"));
        saveCurrentProfileId(4);
        QCOMPARE(mainValue("Config/ProfileID").toInt(), 4);
        writeDiff(1);
        QCOMPARE(readDiff(), 1);
        writeBattery(70);
        QCOMPARE(readBattery(), 70);
    }

    // Hand-written thresholds: what the file says and what the warning uses.
    void batteryThresholds_data() {
        QTest::addColumn<QByteArray>("lines"); // the [Config] group's lines
        QTest::addColumn<int>("warn");
        QTest::addColumn<int>("critical");
        QTest::newRow("absent") << QByteArray() << 20 << 10;
        QTest::newRow("set") << QByteArray("BatteryWarn=35\nBatteryCritical=15\n") << 35 << 15;
        QTest::newRow("switched off") << QByteArray("BatteryWarn=0\nBatteryCritical=0\n") << 0 << 0;
        QTest::newRow("bounds") << QByteArray("BatteryWarn=100\nBatteryCritical=101\n") << 100
                                << 10;
        QTest::newRow("negative or huge")
            << QByteArray("BatteryWarn=-5\nBatteryCritical=4294967306\n") << 20 << 10;
        QTest::newRow("not a number")
            << QByteArray("BatteryWarn=low\nBatteryCritical=1e1\n") << 20 << 10;
        QTest::newRow("empty or a list")
            << QByteArray("BatteryWarn=\nBatteryCritical=5, 6\n") << 20 << 10;
    }
    void batteryThresholds() {
        QFETCH(QByteArray, lines);
        QFETCH(int, warn);
        QFETCH(int, critical);
        TempAppDir app;
        writeText(mainConfigPath(), "[Config]\nBattery=50\n" + lines);
        QCOMPARE(readBatteryWarn(), warn);
        QCOMPARE(readBatteryCritical(), critical);
        QCOMPARE(readBattery(), 50); // a bad line costs no other setting
    }

    void exportImport() {
        TempAppDir app(fixture("aero"));
        DeviceSettings s;
        loadSettings(s);
        for (int i = 0; i < 5; ++i) {
            s.profiles[i].ProfileName = QStringLiteral("Mine %1").arg(i);
            s.profiles[i].LedSleepTime = 5;
            s.profiles[i].scrollspeed = uint8_t(i + 1);
        }
        s.profiles[2].ProfileName.clear();
        s.currentProfile = 1;
        s.Wake = 0;
        const QString path = app.file("out/export.conf");
        QDir().mkpath(app.file("out"));
        writeProductTag(path, readCurrentProductName());
        exportSettings(s, path);
        QSettings ini(path, QSettings::IniFormat);
        QCOMPARE(ini.value("MouseName/Name").toString(), QStringLiteral("Qorv Aero"));
        QVERIFY(!ini.contains("Config/Profile1"));
        QCOMPARE(ini.value("Config/ProfileID").toInt(), 1);
        QVERIFY(ini.contains("PROFILE_4/BUTTON_INFO_41_KeyInfo_62_H"));
        QCOMPARE(readProductTag(path), QStringLiteral("Qorv Aero"));

        DeviceSettings t;
        loadSettings(t);
        t.Wake = 1;
        for (MouseProfile& p : t.profiles)
            p.LedSleepTime = 9, p.LedMoveOFF = 3;
        importSettings(t, path);
        QCOMPARE(int(t.currentProfile), 1);
        QCOMPARE(int(t.Wake), 0);
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(int(t.profiles[i].LedSleepTime), 9);
            QCOMPARE(int(t.profiles[i].LedMoveOFF), 3);
            QCOMPARE(int(t.profiles[i].scrollspeed), i + 1);
            QVERIFY(!t.profileNames[i].isEmpty());
        }
        QCOMPARE(t.profileNames[0], QStringLiteral("Mine 0"));
        QCOMPARE(t.profileNames[2], QStringLiteral("Profile 3")); // kept binding
        QCOMPARE(t.profileNames[4], QStringLiteral("Mine 4"));

        // A profile whose own name is unusable keeps the binding too.
        QSettings(path, QSettings::IniFormat).setValue("PROFILE_0/ProfileName", "a/b");
        importSettings(t, path);
        QCOMPARE(t.profileNames[0], QStringLiteral("Mine 0"));
    }

    void fileNameCheck_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("ok");
        QTest::newRow("plain") << "Profile 1" << true;
        QTest::newRow("unicode") << QString::fromUtf8("Réglage 中文") << true;
        QTest::newRow("padded") << " x " << true;
        QTest::newRow("100") << QString(100, 'a') << true;
        QTest::newRow("101") << QString(101, 'a') << false;
        QTest::newRow("empty") << "" << false;
        QTest::newRow("blank") << "   " << false;
        QTest::newRow("dot") << "." << false;
        QTest::newRow("dotdot") << ".." << false;
        QTest::newRow("three dots") << "..." << true;
        QTest::newRow("traversal") << "../../x" << false;
        QTest::newRow("backslash") << "a\\b" << false;
        QTest::newRow("tab") << "a\tb" << false;
        QTest::newRow("newline") << "a\nb" << false;
        QTest::newRow("del") << "a\x7f" << false;
        for (const char c : QByteArray("<>:\"|?*"))
            QTest::addRow("char %c", c) << QStringLiteral("a%1b").arg(QLatin1Char(c)) << false;
    }
    void fileNameCheck() {
        QFETCH(QString, name);
        QFETCH(bool, ok);
        QCOMPARE(isValidFileName(name), ok);
    }
};

QTEST_MAIN(TestAppConfig)
#include "test_appconfig.moc"
