#include "defaults.h"
#include "paths.h"
#include "profilefile.h"
#include "testutil.h"

#include <QRandomGenerator>
#include <QSettings>
#include <QtTest>
#include <unistd.h>

namespace {

MouseProfile randomProfile(QRandomGenerator& rng) {
    auto u8 = [&] { return uint8_t(rng.bounded(256)); };
    auto u32 = [&] { return uint32_t(rng.bounded(100000)); };
    auto i32 = [&] { return int32_t(rng.bounded(-1000, 1000)); };
    MouseProfile p;
    p.pollrate = u8(), p.dpi = u8(), p.LedMode = u8(), p.LedMoveOFF = u8(), p.LedSleepTime = u8();
    for (DpiStage& s : p.stages)
        s = {u8(), u8(), u32(), u32(), u32()};
    p.mousespeed = u8(), p.dbclickspeed = u8(), p.scrollispage = u8(), p.scrollspeed = u8();
    p.accelenable = u8(), p.acee = u8();
    for (ButtonInfo& b : p.buttons) {
        b.ID = i32(), b.Fun = i32(), b.LoopNumber = i32(), b.KeyNumber = i32();
        for (KeyInfo& k : b.KeyInfo)
            k = {u8(), u8(), u8()};
        b.Res1 = u8(), b.Res2 = u8(), b.Res3 = u8(), b.Res4 = u8();
        b.macroname =
            rng.bounded(3) ? QString() : QStringLiteral("macro %1, é=\"x\"").arg(rng.generate());
    }
    for (LedModeInfo& l : p.ledModes) {
        l.RGB = rng.bounded(5) ? QColor(rng.bounded(256), rng.bounded(256), rng.bounded(256))
                               : QColor();
        l.h = u32(), l.s = u32(), l.v = u32(), l.bright = u32(), l.breath = u32();
    }
    p.ProfileName = QStringLiteral("Name [%1]; a=b").arg(rng.generate());
    p.ProfilePath = QStringLiteral("C:\\path\\%1").arg(rng.generate());
    return p;
}

} // namespace

class TestProfileFile : public QObject {
    Q_OBJECT
private slots:
    void keyNamesAndOrder() {
        MouseProfile p;
        QStringList keys;
        forEachProfileKey(p, false, [&](const QString& k, const QVariant&) { keys << k; });
        QCOMPARE(keys.size(), kProfileKeyCount);
        QCOMPARE(keys.size(), 2 + 40 + 6 + 42 * 198 + 5 + 84);
        QCOMPARE(keys.mid(0, 7),
                 QStringList({"pollrate", "dpi", "DPI_INFO_0_used", "DPI_INFO_0_link",
                              "DPI_INFO_0_xy", "DPI_INFO_0_x", "DPI_INFO_0_y"}));
        QCOMPARE(keys.at(42), QStringLiteral("mousespeed"));
        QCOMPARE(keys.mid(48, 13),
                 QStringList({"BUTTON_INFO_0_ID", "BUTTON_INFO_0_Fun", "BUTTON_INFO_0_LoopNumber",
                              "BUTTON_INFO_0_KeyNumber", "BUTTON_INFO_0_Res1", "BUTTON_INFO_0_Res2",
                              "BUTTON_INFO_0_Res3", "BUTTON_INFO_0_Res4", "BUTTON_INFO_0_macroname",
                              "BUTTON_INFO_0_KeyInfo_0_map", "BUTTON_INFO_0_KeyInfo_0_",
                              "BUTTON_INFO_0_KeyInfo_0_H", "BUTTON_INFO_0_KeyInfo_1_map"}));
        const int tail = 48 + 42 * 198;
        QCOMPARE(keys.at(tail - 1), QStringLiteral("BUTTON_INFO_41_KeyInfo_62_H"));
        QCOMPARE(keys.mid(tail, 7),
                 QStringList({"ProfileName", "ProfilePath", "LedMode", "LedMoveOFF", "LedSleepTime",
                              "LedMode/LED_MODE_0_RGB", "LedMode/LED_MODE_0_h"}));
        QCOMPARE(keys.last(), QStringLiteral("LedMode/LED_MODE_13_breath"));
        QCOMPARE(keys.removeDuplicates(), 0);

        QStringList exported;
        forEachProfileKey(p, true, [&](const QString& k, const QVariant&) { exported << k; });
        QCOMPARE(exported.size(), kProfileKeyCount - 2);
        QVERIFY(!exported.contains("LedMoveOFF") && !exported.contains("LedSleepTime"));
    }

    void fileHoldsEveryKey() {
        TempAppDir app;
        MouseProfile p;
        makeDefaultProfile(p);
        const QString path = app.file("p.prof");
        writeProfile(p, path);
        QSettings ini(path, QSettings::IniFormat);
        QCOMPARE(ini.childGroups(), QStringList({"PROFILE"}));
        QCOMPARE(ini.allKeys().size(), kProfileKeyCount);
        const QByteArray text = readText(path);
        QVERIFY(text.startsWith("[PROFILE]\n"));
        QVERIFY(text.contains("\nBUTTON_INFO_3_KeyInfo_5_=0\n"));
        QVERIFY(text.contains("\nLedMode\\LED_MODE_0_RGB=@Variant("
                              "\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)\n"));
    }

    void roundTrips() {
        TempAppDir app;
        QRandomGenerator rng(1234);
        for (int i = 0; i < 5; ++i) {
            const MouseProfile p = randomProfile(rng);
            const QString path = app.file(QStringLiteral("r%1.prof").arg(i));
            writeProfile(p, path);
            MouseProfile back = randomProfile(rng);
            readProfile(back, path);
            QVERIFY(back == p);
        }
    }

    void absentKeysGiveDefaults() {
        TempAppDir app;
        const QString path = app.file("only.prof");
        writeText(path, "[PROFILE]\nLedMode=3\npollrate=300\n");
        QRandomGenerator rng(7);
        MouseProfile p = randomProfile(rng);
        readProfile(p, path);
        QCOMPARE(int(p.LedMode), 3);
        QCOMPARE(int(p.pollrate), 44); // low 8 bits
        QCOMPARE(int(p.LedMoveOFF), 255);
        QCOMPARE(int(p.LedSleepTime), 1);
        for (const DpiStage& s : p.stages)
            QVERIFY(s == DpiStage());
        for (const ButtonInfo& b : p.buttons)
            QVERIFY(b == ButtonInfo());
        for (const LedModeInfo& l : p.ledModes)
            QVERIFY(l == LedModeInfo());
        QVERIFY(!p.ledModes[0].RGB.isValid());
        QCOMPARE(p.ProfileName, QString());

        MouseProfile missing = randomProfile(rng);
        readProfile(missing, app.file("nope.prof"));
        MouseProfile expected;
        expected.LedMoveOFF = 255;
        expected.LedSleepTime = 1;
        QVERIFY(missing == expected);
    }

    void indicesOutsideTheTableAreNotRead() {
        TempAppDir app;
        const QString path = app.file("edge.prof");
        writeText(path, "[PROFILE]\nBUTTON_INFO_41_KeyInfo_62_H=9\nBUTTON_INFO_41_KeyInfo_63_H=8\n"
                        "BUTTON_INFO_42_Fun=5\nDPI_INFO_8_x=4\n");
        MouseProfile p;
        readProfile(p, path);
        QCOMPARE(int(p.buttons[41].KeyInfo[62].H), 9);
    }

    void exportedLayoutKeepsSleepFields() {
        TempAppDir app;
        QRandomGenerator rng(99);
        MouseProfile p = randomProfile(rng);
        const QString path = app.file("settings.conf");
        writeExportedProfile(3, p, path);
        QSettings ini(path, QSettings::IniFormat);
        QVERIFY(ini.contains("PROFILE_3/pollrate"));
        QVERIFY(!ini.contains("PROFILE_3/LedMoveOFF"));
        QVERIFY(!ini.contains("PROFILE_3/LedSleepTime"));
        MouseProfile back = randomProfile(rng);
        back.LedMoveOFF = 77;
        back.LedSleepTime = 66;
        readExportedProfile(3, back, path);
        QCOMPARE(int(back.LedMoveOFF), 77);
        QCOMPARE(int(back.LedSleepTime), 66);
        back.LedMoveOFF = p.LedMoveOFF;
        back.LedSleepTime = p.LedSleepTime;
        QVERIFY(back == p);
    }

    void garbageAndTruncatedFiles() {
        TempAppDir app;
        const QString path = app.file("bad.prof");
        writeText(path, "[PROFILE]\npollrate=fast\ndpi=2\nDPI_INFO_0_x=-5\nLedMode\\LED_MODE_0_RGB="
                        "@Variant(\\0\\0\\0\\x43\\x1\\xff"
                        "\nBUTTON_INFO_0_Fun=1\nBUTTON_INFO_0_macroname=\"unterminated\nProfileN");
        MouseProfile p;
        readProfile(p, path);
        QCOMPARE(int(p.pollrate), 0);
        QCOMPARE(int(p.dpi), 2);
        QCOMPARE(p.buttons[0].Fun, 1);
        QCOMPARE(p.stages[0].x, uint32_t(-5));

        // Binary noise must not crash the reader either.
        QRandomGenerator rng(5);
        QByteArray noise(20000, '\0');
        for (char& c : noise)
            c = char(rng.bounded(256));
        writeText(path, "[PROFILE]\n" + noise);
        readProfile(p, path);
    }

    void unwritablePlacesLoseNothing() {
        TempAppDir app;
        MouseProfile p;
        makeDefaultProfile(p);
        p.ProfileName = "Keep";
        QVERIFY(saveProfileByName(p, "Keep"));
        const QByteArray before = readText(profilePathForName("Keep"));

        // A directory where the file should be.
        QDir().mkpath(profilePathForName("Dir"));
        QVERIFY(!saveProfileByName(p, "Dir")); // reported, not lost quietly
        MouseProfile q;
        loadProfileByName(q, "Dir");
        QCOMPARE(q.ProfileName, QStringLiteral("Dir")); // default profile with that name
        QCOMPARE(q.buttons[0].Fun, 1);

        // A file where the profile folder should be: the write fails and says so.
        {
            TempAppDir blocked;
            writeText(blocked.file("Configs/Profile"), "not a folder");
            QVERIFY(!saveProfileByName(p, "Keep"));
            QCOMPARE(readText(blocked.file("Configs/Profile")), QByteArray("not a folder"));
        }
        setAppDirOverride(app.path());

        // A read-only folder (only testable without root): the old file stays.
        if (getuid() != 0) {
            QFile(profileFolder()).setPermissions(QFile::ReadOwner | QFile::ExeOwner);
            MouseProfile changed = p;
            changed.pollrate = 8;
            saveProfileByName(changed, "Keep");
            QCOMPARE(readText(profilePathForName("Keep")), before);
        }
    }

    void namesAreChecked() {
        TempAppDir app;
        MouseProfile p;
        for (const char* bad : {"../../x", "a/b", "a\\b", "", "  ", ".", "..", "a:b", "a*b"})
            QVERIFY(!saveProfileByName(p, QString::fromUtf8(bad)));
        QVERIFY(!QFile::exists(app.file("x.prof")));
        QVERIFY(!QFile::exists(app.path() + "/../x.prof"));
    }

    void missingFileForANameGivesADefaultProfile() {
        TempAppDir app(fixture("aero"));
        MouseProfile p;
        loadProfileByName(p, "Lost");
        QCOMPARE(p.ProfileName, QStringLiteral("Lost"));
        QCOMPARE(p.buttons[0].Fun, 1);
        QCOMPARE(int(p.stages[0].used), 1);
        QCOMPARE(p.stages[0].x, 4u);
    }

    void newEntryNames() {
        TempAppDir app;
        const QString folder = productProfileFolder("P");
        QCOMPARE(newListEntryName("P"), QStringLiteral("Profile 1"));
        writeText(folder + "Profile 1.prof", "");
        writeText(folder + "Profile 2.prof", "");
        writeText(folder + "Profile 4.prof", "");
        QCOMPARE(newListEntryName("P"), QStringLiteral("Profile 3"));
    }
};

QTEST_MAIN(TestProfileFile)
#include "test_profilefile.moc"
