// Damaged, hostile, locked and linked settings files: the program carries on,
// keeps the user's other files, and never loads zeros into a live profile.
#include "appconfig.h"
#include "defaults.h"
#include "inifile.h"
#include "language.h"
#include "paths.h"
#include "profilefile.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QTranslator>
#include <QtTest>
#include <sys/stat.h>

namespace {

const char* const kOwnColour = "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff((((\\0\\0)";
const char* const kLongColour =
    "@Variant(\\0\\0\\0\\x43\\x1\\xff\\xff\\xff\\xff\\x7f\\xff\\xff\\xff\\0\\0\\0\\0\\0\\0)";

QByteArray replaced(QByteArray text, const QByteArray& key, const QByteArray& line) {
    const int at = text.indexOf("\n" + key + "=");
    if (at < 0) return text;
    const int end = text.indexOf('\n', at + 1);
    return text.replace(at + 1, end - at - 1, line);
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
private slots:
    void init() {
        takeFileNotices();
        setIniLockWaitMs(200);
    }

    void variantCheck_data() {
        QTest::addColumn<QByteArray>("value");
        QTest::addColumn<bool>("safe");
        QTest::newRow("own colour") << QByteArray(kOwnColour) << true;
        QTest::newRow("invalid colour")
            << QByteArray("@Variant(\\0\\0\\0\\x43\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0\\0)") << true;
        QTest::newRow("plain text") << QByteArray("Variant of a mouse (2)") << true;
        QTest::newRow("cut colour") << QByteArray("@Variant(\\0\\0\\0\\x43\\x1\\xff") << true;
        QTest::newRow("string list") << kHostileStringList << false;
        QTest::newRow("polygon") << kHostilePolygon << false;
        QTest::newRow("colour too long") << QByteArray(kLongColour) << false;
        QTest::newRow("colour model past the fixed ones")
            << QByteArray("@Variant(\\0\\0\\0\\x43\\x5\\xff\\xff\\xff\\xff((((\\0\\0)") << false;
        QTest::newRow("escaped at sign")
            << QByteArray("\\x40Variant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)") << false;
        QTest::newRow("octal letters")
            << QByteArray("@\\126ariant(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)") << false;
        QTest::newRow("in a list") << ("1, " + kHostilePolygon) << false;
        QTest::newRow("empty hex escape first") << ("\\x" + kHostileStringList) << false;
        QTest::newRow("unknown escape first") << ("\\" + kHostileStringList) << false;
        QTest::newRow("comment after it") << (kHostileStringList + ";#(") << false;
        QTest::newRow("quoted") << ("\"" + kHostileStringList + "\"") << false;
        QTest::newRow("date time")
            << QByteArray("@DateTime(\\0\\0\\0\\xb\\x7f\\xff\\xff\\xff)") << false;
    }

    void variantCheck() {
        QFETCH(QByteArray, value);
        QFETCH(bool, safe);
        TempAppDir app;
        const QString path = app.file("x.ini");
        writeText(path, "[PROFILE]\nLedMode=3\nkey=" + value + "\nother=1\n");
        QCOMPARE(iniVariantsSafe(path), safe);
        // Repairing drops exactly the hostile line.
        const QByteArray kept = iniWithoutHostileLines(readText(path));
        QCOMPARE(kept.contains("key="), safe);
        QVERIFY(kept.contains("LedMode=3\n") && kept.contains("other=1\n"));
    }

    void ownWriterPassesTheCheck() {
        TempAppDir app;
        MouseProfile p;
        makeDefaultProfile(p);
        p.ledModes[3].RGB = QColor(1, 92, 255);
        p.ledModes[4].RGB = QColor();
        p.ProfileName = QStringLiteral("a, \"b\" @Variant(x)");
        const QString path = app.file("own.prof");
        QVERIFY(writeProfile(p, path));
        QVERIFY(iniVariantsSafe(path));
        MouseProfile back;
        QVERIFY(readProfile(back, path));
        QVERIFY(back == p);
    }

    // A save that changes nothing leaves the file as it was (no rewrite, no
    // disk sync); the last value given for a key is the one that counts.
    void unchangedSaveLeavesTheFile_data() {
        QTest::addColumn<QVariantList>("writes"); // values for Config/Key, in order
        QTest::addColumn<bool>("rewritten");
        QTest::addColumn<QString>("held");
        QTest::newRow("same number") << QVariantList{3} << false << "3";
        QTest::newRow("same text") << QVariantList{"3"} << false << "3";
        QTest::newRow("other value") << QVariantList{4} << true << "4";
        QTest::newRow("back to the held value") << QVariantList{4, 3} << false << "3";
        QTest::newRow("away from the held value") << QVariantList{3, 5} << true << "5";
    }
    void unchangedSaveLeavesTheFile() {
        QFETCH(QVariantList, writes);
        QFETCH(bool, rewritten);
        QFETCH(QString, held);
        TempAppDir app;
        const QString path = app.file("same.ini");
        writeText(path, "[Config]\nKey=3\nOther=x\n");
        struct stat before {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &before), 0);
        {
            IniFile ini(path, IniFile::Repair);
            for (const QVariant& v : writes)
                ini.setValue(QStringLiteral("Config/Key"), v);
            QVERIFY(ini.save());
        }
        struct stat after {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &after), 0);
        QCOMPARE(after.st_ino != before.st_ino, rewritten);
        const IniFile back(path, IniFile::Repair);
        QCOMPARE(back.value(QStringLiteral("Config/Key")).toString(), held);
        QCOMPARE(back.value(QStringLiteral("Config/Other")).toString(), QStringLiteral("x"));
    }

    // Each kind of damage in a live profile: the factory profile under its
    // name, the file kept aside, the other profiles untouched, one notice.
    void damagedLiveProfile_data() {
        QTest::addColumn<QString>("kind");
        for (const char* k : {"random bytes", "cut", "empty", "missing key", "300", "-1", "abc",
                              "list", "string list", "polygon", "long colour", "link elsewhere"})
            QTest::newRow(k) << QString::fromLatin1(k);
    }

    void damagedLiveProfile() {
        QFETCH(QString, kind);
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = profilePathForName("Profile 2");
        const QByteArray good = readText(path);
        QByteArray bad;
        if (kind == "random bytes") {
            bad = randomBytes(5000, 11);
        } else if (kind == "cut") {
            bad = good.left(good.size() / 2);
        } else if (kind == "missing key") {
            bad = replaced(good, "BUTTON_INFO_0_Fun", "");
        } else if (kind == "300" || kind == "-1" || kind == "abc") {
            bad = replaced(good, "pollrate", "pollrate=" + kind.toLatin1());
        } else if (kind == "list") {
            bad = replaced(good, "pollrate", "pollrate=1, 2");
        } else if (kind == "string list") {
            bad = replaced(good, "dpi", "dpi=" + kHostileStringList);
        } else if (kind == "polygon") {
            bad = good + "[Other]\nx=" + kHostilePolygon + "\n";
        } else if (kind == "long colour") {
            const QByteArray own = QByteArray(kOwnColour).mid(9);
            bad = QByteArray(good).replace(own, QByteArray(kLongColour).mid(9));
            QVERIFY(bad != good);
        }
        const QString outside = app.file("outside.txt");
        if (kind == "link elsewhere") {
            writeText(outside, "[PROFILE]\npollrate=1\n");
            QFile::remove(path);
            QVERIFY(QFile::link(outside, path));
        } else {
            writeText(path, bad);
            writeText(path + ".damaged", "an older one"); // never overwritten
        }
        const auto othersBefore = filesBelow(QDir::cleanPath(profileFolder()));

        DeviceSettings s;
        loadSettings(s);
        MouseProfile expected;
        makeDefaultProfile(expected);
        expected.ProfileName = QStringLiteral("Profile 2");
        QVERIFY(s.profiles[1] == expected);
        QCOMPARE(s.profiles[1].buttons[0].Fun, 1); // the left click survives
        QCOMPARE(s.profiles[0].ProfileName, QStringLiteral("Profile 1"));

        if (kind == "link elsewhere") {
            QVERIFY(QFileInfo(path + ".damaged").isSymLink());
            QCOMPARE(readText(outside), QByteArray("[PROFILE]\npollrate=1\n"));
        } else {
            QCOMPARE(readText(path + ".damaged"), QByteArray("an older one"));
            QCOMPARE(readText(path + ".damaged.2"), bad);
        }
        QVERIFY(!QFileInfo::exists(path));
        auto othersAfter = filesBelow(QDir::cleanPath(profileFolder()));
        for (auto it = othersBefore.begin(); it != othersBefore.end(); ++it)
            if (!it.key().startsWith("Profile 2.prof"))
                QCOMPARE(othersAfter.value(it.key()), it.value());

        const QList<FileNotice> notices = takeFileNotices();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(int(notices[0].kind), int(FileNotice::ProfileReset));
        QCOMPARE(notices[0].path, path);
    }

    // Without bindings the slots read the files of their default names.
    void unreadableMainFileKeepsProfiles_data() {
        QTest::addColumn<QString>("kind");
        for (const char* k : {"empty", "random bytes", "directory", "names blank"})
            QTest::newRow(k) << QString::fromLatin1(k);
    }

    void unreadableMainFileKeepsProfiles() {
        QFETCH(QString, kind);
        TempAppDir app(PRISTINE_DATA_DIR);
        MouseProfile files[kProfileCount];
        for (int i = 0; i < kProfileCount; ++i) {
            MouseProfile p;
            makeDefaultProfile(p);
            p.pollrate = uint8_t(i);
            p.ProfileName = defaultProfileName(i);
            QVERIFY(saveProfileByName(p, p.ProfileName));
            files[i] = p;
        }
        QByteArray text;
        if (kind == "random bytes") {
            text = randomBytes(4000, 9);
        } else if (kind == "names blank") {
            text = "[Config]\nProfile1=\nProfile2=\nProfile3= \nProfile4=\nProfile5=\n";
        }
        QFile::remove(mainConfigPath());
        if (kind == "directory")
            QDir().mkpath(mainConfigPath());
        else
            writeText(mainConfigPath(), text);

        DeviceSettings s;
        loadSettings(s);
        for (int i = 0; i < kProfileCount; ++i) {
            QCOMPARE(s.profileNames[i], defaultProfileName(i));
            QVERIFY(s.profiles[i] == files[i]);
        }
        QVERIFY(takeFileNotices().isEmpty());
    }

    // A hostile line in the program's own settings files costs that line only.
    void hostileSettingsFileIsRepaired_data() {
        QTest::addColumn<QString>("file");
        for (const char* file : {"main", "product", "language"})
            QTest::newRow(file) << QString::fromLatin1(file);
    }

    void hostileSettingsFileIsRepaired() {
        QFETCH(QString, file);
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = file == "main"      ? mainConfigPath()
                             : file == "product" ? productConfigPath("Qorv Stratos")
                                                 : languageConfigPath();
        const QByteArray original = readText(path) + "\n[Evil]\nx=" + kHostileStringList + "\n";
        writeText(path, original);

        DeviceSettings s;
        loadSettings(s);
        QCOMPARE(readCurrentProductName(), QStringLiteral("Qorv Stratos"));
        QCOMPARE(readProfileList(), QStringList({"FPS", "MOBA", "Office"}));
        QCOMPARE(readLanguageId(), 0);
        QCOMPARE(int(s.Debounce), 8);
        QCOMPARE(readText(path + ".damaged"), original);
        QVERIFY(!readText(path).contains("Variant"));
        const QList<FileNotice> notices = takeFileNotices();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(int(notices[0].kind), int(FileNotice::Repaired));
    }

    void damagedImportsChangeNothing_data() {
        QTest::addColumn<QByteArray>("damage");
        QTest::newRow("string list") << QByteArray("string list");
        QTest::newRow("out of range") << QByteArray("300");
        QTest::newRow("cut") << QByteArray("cut");
    }

    void damagedImportsChangeNothing() {
        QFETCH(QByteArray, damage);
        TempAppDir app(PRISTINE_DATA_DIR);
        DeviceSettings live;
        loadSettings(live);
        const QString conf = app.file("export.conf");
        QVERIFY(exportSettings(live, conf));
        QByteArray text = readText(conf);
        if (damage == "cut") text = text.left(text.size() * 3 / 4);
        if (damage == "300") text = replaced(text, "pollrate", "pollrate=300");
        if (damage == "string list") text += "\n[X]\nx=" + kHostileStringList + "\n";
        writeText(conf, text);

        DeviceSettings s = live;
        s.Wake = 77;
        const DeviceSettings before = s;
        QVERIFY(!importSettings(s, conf));
        QVERIFY(sameSettings(s, before));
    }

    void countsAreBounded() {
        TempAppDir app(PRISTINE_DATA_DIR);
        writeText(productConfigPath("Qorv Stratos"), "[PROFILE_LIST]\nCount=2147483647\n1=A\n");
        const QStringList list = readProfileList();
        QCOMPARE(list.size(), 200);
        QCOMPARE(list.first(), QStringLiteral("A"));
        writeText(mainConfigPath(), "[FONT_LIST]\nLANGNUM=2147483647\n");
        QCOMPARE(readLanguageList().count, kMaxLanguages);
    }

    // A directory named like the lock file: bounded wait, then read-only.
    void lockDirectory() {
        TempAppDir app(PRISTINE_DATA_DIR);
        const QByteArray before = readText(mainConfigPath());
        QVERIFY(QDir().mkpath(mainConfigPath() + ".lock"));
        DeviceSettings s;
        loadSettings(s);
        s.Wake = 3;
        QString failed;
        QVERIFY(!saveSettings(s, true, &failed));
        QCOMPARE(failed, mainConfigPath());
        QVERIFY(!writeDiff(0)); // no second wait: read-only from now on
        QCOMPARE(readText(mainConfigPath()), before);
        const QList<FileNotice> notices = takeFileNotices();
        QCOMPARE(notices.size(), 1);
        QCOMPARE(int(notices[0].kind), int(FileNotice::NotLocked));
    }

    void linksAreReplacedNotFollowed_data() {
        QTest::addColumn<QString>("file");
        QTest::newRow("profile") << "Profile 1.prof";
        QTest::newRow("default profile") << "DefaultProfile.prof";
        QTest::newRow("main file") << "../Config.ini";
    }

    void linksAreReplacedNotFollowed() {
        QFETCH(QString, file);
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = QDir::cleanPath(profileFolder() + file);
        const QString target = app.file("target.ini");
        QVERIFY(QFile::rename(path, target));
        const QByteArray targetBytes = readText(target);
        QVERIFY(QFile::link(target, path));

        DeviceSettings s;
        loadSettings(s);
        s.profiles[0].pollrate = 3;
        QVERIFY(saveSettings(s));
        writeDefaultProfileFile();
        QCOMPARE(readText(target), targetBytes);
        QVERIFY(!QFileInfo(path).isSymLink());
        QVERIFY(QFileInfo(path).isFile());
        if (file == "../Config.ini")
            QCOMPARE(readCurrentProductName(), QStringLiteral("Qorv Stratos"));
    }

    void catalogueStaysInTheLangFolder() {
        QTemporaryDir outer;
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString dir = outer.path() + "/app";
        QVERIFY(copyTree(app.path(), dir));
        QVERIFY(QDir().mkpath(dir + "/lang"));
        const QString qm = QStringLiteral(APP_DIR) + "/lang/mousecfg_fr.qm";
        QVERIFY(QFile::copy(qm, dir + "/lang/mousecfg_fr.qm"));
        QVERIFY(QFile::copy(qm, outer.path() + "/evil.qm"));
        setAppDirOverride(dir);
        writeText(mainConfigPath(), "[FONT_LIST]\nLANGNUM=2\nLangFile_0=../../evil\n"
                                    "LangFile_1=mousecfg_fr\n");
        QTranslator t;
        QVERIFY(!loadCatalogue(t, 0));
        QVERIFY(loadCatalogue(t, 1));
        setAppDirOverride(app.path());
    }

    // A save replaces the file, but who may read it stays as the user set it.
    void saveKeepsTheFileMode() {
        TempAppDir app;
        const QString path = app.file("mode.ini");
        writeText(path, "[Config]\nKey=3\n");
        QCOMPARE(::chmod(QFile::encodeName(path).constData(), 0644), 0);
        IniFile ini(path);
        ini.setValue(QStringLiteral("Config/Key"), 4);
        QVERIFY(ini.save());
        struct stat st {};
        QCOMPARE(::stat(QFile::encodeName(path).constData(), &st), 0);
        QCOMPARE(int(st.st_mode & 0777), 0644);
    }

    // A settings name that leads to a pipe or a device reads as empty at
    // once (reading one would never end) and is never written through.
    void noPlainFile_data() {
        QTest::addColumn<QString>("kind");
        QTest::newRow("pipe") << "pipe";
        QTest::newRow("link to a device") << "device";
    }
    void noPlainFile() {
        QFETCH(QString, kind);
        TempAppDir app(PRISTINE_DATA_DIR);
        const QString path = mainConfigPath();
        QVERIFY(QFile::remove(path));
        if (kind == "pipe")
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        else
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
        QCOMPARE(readCurrentProductName(), QString());
        QVERIFY(!writeDiff(1));
        const QFileInfo info(path);
        QCOMPARE(info.isSymLink(), kind == "device");
        QVERIFY(!info.isFile());
    }
};

QTEST_GUILESS_MAIN(TestIniFile)
#include "test_inifile.moc"
