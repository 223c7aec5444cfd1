#include "appconfig.h"
#include "defaults.h"
#include "paths.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "testutil.h"

#include <QSettings>
#include <QtTest>

using namespace ProfileLibrary;

class TestProfileLibrary : public QObject {
    Q_OBJECT
private slots:
    void addNames() {
        TempAppDir app(APP_DIR); // product folder with its template
        QStringList list = readProfileList();
        for (const char* n : {"Profile 1", "Profile 2", "Profile 3"})
            writeText(pathFor(n), "");
        QCOMPARE(add(list), QStringLiteral("Profile 4"));
        QCOMPARE(readProfileList().last(), QStringLiteral("Profile 4"));
        QCOMPARE(readText(pathFor("Profile 4")), readText(pathFor("DefaultProfile")));

        TempAppDir other(APP_DIR);
        writeText(pathFor("Profile 2"), "");
        QStringList l2;
        QCOMPARE(add(l2), QStringLiteral("Profile 1"));
    }

    void addWithoutTemplateWritesADefaultProfile() {
        TempAppDir app(APP_DIR);
        QFile::remove(pathFor("DefaultProfile"));
        QStringList list;
        const QString name = add(list);
        MouseProfile p;
        readProfile(p, pathFor(name));
        QCOMPARE(p.buttons[0].Fun, 1);
        QCOMPARE(int(p.stages[0].used), 1);
        QCOMPARE(list, QStringList({name}));
    }

    void copyNames() {
        TempAppDir app(APP_DIR);
        QStringList list = {"Game"};
        writeText(pathFor("Game"), "[PROFILE]\ndpi=3\n");
        writeText(pathFor("Game copy"), "");
        writeText(pathFor("Game copy 2"), "");
        QString made;
        QVERIFY(copy(list, "Game", &made).ok());
        QCOMPARE(made, QStringLiteral("Game copy 3"));
        QCOMPARE(readText(pathFor(made)), QByteArray("[PROFILE]\ndpi=3\n"));
        QCOMPARE(readProfileList(), QStringList({"Game", "Game copy 3"}));
        // A copy whose name would be too long is refused.
        const QString longName(98, 'x');
        QCOMPARE(copy(list, longName, &made).message, QStringLiteral("Invalid profile name."));
    }

    void renames() {
        TempAppDir app(APP_DIR);
        QStringList list = {"A", "Profile 3"};
        writeText(pathFor("A"), "a");
        writeText(pathFor("B"), "b");
        QCOMPARE(rename(list, "Profile 3", "X", true).message,
                 QStringLiteral("The default Profile cannot be deleted or renamed."));
        QCOMPARE(rename(list, "A", "B", true).message, QStringLiteral("Profile Exist!"));
        for (const char* bad : {"../../evil", "a/b", "", "a:b"})
            QCOMPARE(rename(list, "A", bad, true).message, QStringLiteral("Invalid profile name."));
        QVERIFY(QFile::exists(pathFor("A")));
        QVERIFY(rename(list, "A", "C", true).ok());
        QCOMPARE(list, QStringList({"C", "Profile 3"}));
        QCOMPARE(readText(pathFor("C")), QByteArray("a"));
        QVERIFY(!QFile::exists(pathFor("A")));
        // The button variant skips the protected test; an unlisted name keeps the list.
        writeText(pathFor("Profile 3"), "3");
        QVERIFY(rename(list, "Profile 3", "Three", false).ok());
        QCOMPARE(list, QStringList({"C", "Three"}));
        writeText(pathFor("Loose"), "l");
        QVERIFY(rename(list, "Loose", "Tight", false).ok());
        QCOMPARE(list, QStringList({"C", "Three"}));
        QVERIFY(QFile::exists(pathFor("Tight")));
    }

    void replacement_data() {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<int>("index");
        QTest::addColumn<QStringList>("bound");
        QTest::addColumn<int>("expected");
        QTest::newRow("next") << QStringList{"a", "b", "c"} << 0 << QStringList{} << 1;
        QTest::newRow("last takes previous")
            << QStringList{"a", "b", "c"} << 2 << QStringList{} << 1;
        QTest::newRow("middle bound, last deleted")
            << QStringList{"a", "b", "c"} << 2 << QStringList{"b"} << 0;
        QTest::newRow("steps down past bound")
            << QStringList{"a", "b", "c", "d"} << 1 << QStringList{"c"} << 0;
        // The downward search would land on the deleted entry itself.
        QTest::newRow("lands on deleted")
            << QStringList{"a", "b", "c"} << 1 << QStringList{"c"} << 0;
        // ... or run below the first index.
        QTest::newRow("below first") << QStringList{"a", "b", "c"} << 0 << QStringList{"b"} << 2;
        QTest::newRow("all bound") << QStringList{"a", "b"} << 0 << QStringList{"b"} << -1;
        QTest::newRow("one name") << QStringList{"a"} << 0 << QStringList{} << -1;
        QTest::newRow("duplicate of deleted")
            << QStringList{"a", "b", "a"} << 0 << QStringList{"b"} << -1;
    }
    void replacement() {
        QFETCH(QStringList, list);
        QFETCH(int, index);
        QFETCH(QStringList, bound);
        QFETCH(int, expected);
        QCOMPARE(deleteReplacement(list, index, bound), expected);
    }

    void removes() {
        TempAppDir app(APP_DIR);
        QStringList one = {"Solo"};
        QString r;
        QCOMPARE(remove(one, "Solo", {}, &r).message,
                 QStringLiteral("AT LEAST ONE PROFILE TO BE RETAINED."));
        QStringList list = {"Profile 1", "X", "Y"};
        QCOMPARE(remove(list, "Profile 1", {}, &r).message,
                 QStringLiteral("The default Profile cannot be deleted or renamed."));
        writeText(pathFor("Y"), "y");
        QVERIFY(remove(list, "Y", {}, &r).ok());
        QCOMPARE(r, QStringLiteral("X"));
        QCOMPARE(list, QStringList({"Profile 1", "X"}));
        QVERIFY(!QFile::exists(pathFor("Y")));
        QCOMPARE(readProfileList(), list);
    }

    void ensureFileFromLiveProfile_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("before"); // "none", "file", "dir"
        QTest::addColumn<bool>("ok");
        QTest::newRow("no library file") << "Profile 1"
                                         << "none" << true;
        QTest::newRow("library file kept") << "Profile 1"
                                           << "file" << true;
        QTest::newRow("directory in the way") << "Profile 1"
                                              << "dir" << false;
        QTest::newRow("unsafe name") << "../Profile 1"
                                     << "none" << false;
    }
    void ensureFileFromLiveProfile() {
        QFETCH(QString, name);
        QFETCH(QString, before);
        QFETCH(bool, ok);
        TempAppDir app(APP_DIR);
        if (before == "file") writeText(pathFor(name), "[PROFILE]\npollrate=4\n");
        if (before == "dir") QVERIFY(QDir().mkpath(pathFor(name)));
        MouseProfile live;
        makeDefaultProfile(live);
        live.pollrate = 2;
        live.ProfileName = QStringLiteral("something else");
        QCOMPARE(ensureFile(name, live), ok);
        if (before == "file") {
            QCOMPARE(readText(pathFor(name)), QByteArray("[PROFILE]\npollrate=4\n"));
        } else if (ok) {
            MouseProfile written;
            readProfile(written, pathFor(name));
            QCOMPARE(int(written.pollrate), 2);
            QCOMPARE(written.buttons[0].Fun, live.buttons[0].Fun);
        }
        if (!ok) QVERIFY(!QFileInfo(folder() + "../Profile 1.prof").exists());
    }

    void imports() {
        TempAppDir app(APP_DIR);
        const QString product = readCurrentProductName();
        QStringList list = readProfileList();
        const QString foreign = app.file("in/Other.prof");
        writeText(foreign, "[MouseName]\nName=Someone Else\n[PROFILE]\ndpi=2\n");
        QString name;
        QCOMPARE(importFile(list, foreign, product, &name).message,
                 QStringLiteral("The file is not match current mouse!"));
        QVERIFY(!QFile::exists(pathFor("Other")));

        // A file of this mouse that is not a whole profile changes nothing.
        const QString part = app.file("in/Part.prof");
        writeText(part, "[PROFILE]\ndpi=2\n");
        writeProductTag(part, product);
        QCOMPARE(importFile(list, part, product, &name).message,
                 QStringLiteral("The file is damaged and was not loaded."));
        QVERIFY(!QFile::exists(pathFor("Part")));
        const QString hostile = app.file("in/Hostile.prof");
        writeText(hostile, readText(part) + "x=" + kHostileStringList + "\n");
        QCOMPARE(importFile(list, hostile, product, &name).message,
                 QStringLiteral("The file is damaged and was not loaded."));
        QVERIFY(!QFile::exists(pathFor("Hostile")));

        const QString mine = app.file("in/Mine.prof");
        MouseProfile p;
        makeDefaultProfile(p);
        writeProfile(p, mine);
        writeProductTag(mine, product);
        QVERIFY(importFile(list, mine, product, &name).ok());
        QCOMPARE(name, QStringLiteral("Mine"));
        QCOMPARE(readProfileList().last(), QStringLiteral("Mine"));
        QCOMPARE(importFile(list, mine, product, &name).message, QStringLiteral("Profile Exist!"));
    }

    void exportsReplaceTheTarget() {
        TempAppDir app(APP_DIR);
        const QString product = readCurrentProductName();
        const QString target = app.file("out/fps.prof");
        writeText(target, "old content");
        QVERIFY(exportFile("FPS", product, target).ok());
        QCOMPARE(readProductTag(target), product);
        QVERIFY(readText(target).contains("[PROFILE]"));
        QCOMPARE(exportFile("Nope", product, target).message,
                 QStringLiteral("The profile file could not be saved."));
        QVERIFY(readText(target).contains("[PROFILE]")); // untouched
        QVERIFY(!exportFile("FPS", product, app.file("missing/dir/x.prof")).ok());
    }
};

QTEST_MAIN(TestProfileLibrary)
#include "test_profilelibrary.moc"
