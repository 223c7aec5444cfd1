// The profile commands without a window: what each does to the bindings, the
// profile list and the files, the notice of each refusal (which changes
// nothing), and what each asks the window to send.
#include "appconfig.h"
#include "profilecontroller.h"
#include "profilefile.h"
#include "profilelibrary.h"
#include "testutil.h"

#include <QFile>
#include <QtTest>

namespace {
using Write = ProfileController::Outcome::Write;

struct Rig {
    Rig() : app(APP_DIR) {
        loadSettings(sent);
        edited = sent;
        list = readProfileList();
    }
    TempAppDir app;
    DeviceSettings edited, sent;
    QStringList list;
    ProfileController c{edited, sent, list};
};
} // namespace

class TestProfileController : public QObject {
    Q_OBJECT
private slots:
    void refusalsChangeNothing_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("argument");
        QTest::addColumn<QString>("notice");
        QTest::newRow("choose a name bound elsewhere") << "choose"
                                                       << "FPS"
                                                       << "Profile is Already Used!";
        QTest::newRow("rename to an unsafe name") << "rename"
                                                  << "../../evil"
                                                  << "Invalid profile name.";
        QTest::newRow("rename onto a profile") << "rename"
                                               << "MOBA"
                                               << "Profile Exist!";
        QTest::newRow("rename a default by Enter")
            << "enter"
            << "Other"
            << "The default Profile cannot be deleted or renamed.";
        QTest::newRow("delete what is not listed") << "remove"
                                                   << "Nobody"
                                                   << "The profile does not exist.";
        QTest::newRow("import another mouse's profile") << "importProfile"
                                                        << "foreign"
                                                        << "The file is not match current mouse!";
        QTest::newRow("import a damaged configuration")
            << "importConfig"
            << "damaged"
            << "The file is damaged and was not loaded.";
        QTest::newRow("import another mouse's configuration") << "importConfig"
                                                              << "foreign"
                                                              << "";
    }
    void refusalsChangeNothing() {
        QFETCH(QString, command);
        QFETCH(QString, argument);
        QFETCH(QString, notice);
        Rig r;
        r.edited.profileNames[2] = "FPS";
        r.edited.profileNames[0] = command == "enter" ? "Profile 3" : "Sniper";
        const QString file = r.app.file(argument + ".conf");
        QVERIFY(r.c.exportConfig(file).notice.isEmpty());
        if (argument == "foreign") writeProductTag(file, "Someone Else");
        if (argument == "damaged")
            writeText(file, readText(file) + "\n[X]\nx=" + kHostileStringList);
        const DeviceSettings edited = r.edited, sent = r.sent;
        const QStringList list = r.list;
        const QMap<QString, QByteArray> files = filesBelow(r.app.path());

        ProfileController::Outcome o;
        if (command == "choose") o = r.c.choose(argument);
        if (command == "rename" || command == "enter") o = r.c.rename(argument, command == "enter");
        if (command == "remove") o = r.c.remove(argument);
        if (command == "importProfile") o = r.c.importProfile(file);
        if (command == "importConfig") o = r.c.importConfig(file);
        QCOMPARE(o.notice, notice);
        QVERIFY(!o.done && o.write == Write::None);
        QCOMPARE(o.nameReset, command == "enter");
        QVERIFY(sameSettings(r.edited, edited) && sameSettings(r.sent, sent));
        QCOMPARE(r.list, list);
        QCOMPARE(filesBelow(r.app.path()), files);
    }

    void commandsBindLoadAndSend() {
        Rig r;
        DeviceSettings& s = r.edited;
        // Add: "Profile N" with a file, bound and read.
        const auto added = r.c.add();
        QVERIFY(added.done && added.reloaded && added.write == Write::None);
        const QString name = r.c.boundName();
        QVERIFY(name.startsWith("Profile ") && r.list.contains(name));
        QVERIFY(QFile::exists(ProfileLibrary::pathFor(name)));

        // Copy and rename: the binding follows in both records, the file moves.
        QVERIFY(r.c.copy().done);
        QCOMPARE(r.c.boundName(), name + " copy");
        QVERIFY(r.c.rename("Sniper", false).done);
        QCOMPARE(r.sent.profileNames[0], QStringLiteral("Sniper"));
        QVERIFY(!QFile::exists(ProfileLibrary::pathFor(name + " copy")));
        QVERIFY(QFile::exists(ProfileLibrary::pathFor("Sniper")));

        // Delete: another name is bound and read in its place.
        const auto removed = r.c.remove("Sniper");
        QVERIFY(removed.done && removed.reloaded);
        QVERIFY(!QFile::exists(ProfileLibrary::pathFor("Sniper")));
        QVERIFY(r.c.boundName() != "Sniper" && r.list.contains(r.c.boundName()));

        // Choose: bound in both records, its file read.
        MouseProfile moba;
        loadProfileByName(moba, "MOBA");
        s.current().pollrate = moba.pollrate == 8 ? 1 : 8;
        QVERIFY(r.c.choose("MOBA").reloaded);
        QCOMPARE(r.sent.profileNames[0], QStringLiteral("MOBA"));
        QCOMPARE(s.current().pollrate, moba.pollrate);

        // Reset sends the changes, Reset All everything.
        s.profileNames[3] = "Mine";
        QCOMPARE(r.c.reset().write, Write::Changes);
        QCOMPARE(r.c.resetAll().write, Write::Everything);
        QCOMPARE(s.profileNames[3], QStringLiteral("Profile 4"));
    }

    // A fresh install binds names never saved to the library: export and
    // import of such a profile go through the live profile.
    void profileFilesRoundTrip() {
        Rig r;
        const QString bound = r.c.boundName();
        QVERIFY(!QFile::exists(ProfileLibrary::pathFor(bound)));
        r.edited.current().pollrate = 2;
        const QString out = r.app.file("Travel.prof");
        QVERIFY(r.c.exportProfile(out).notice.isEmpty());
        QCOMPARE(readProductTag(out), readCurrentProductName());

        r.edited.current().pollrate = 8;
        const auto imported = r.c.importProfile(out);
        QVERIFY(imported.done && imported.write == Write::Changes);
        QCOMPARE(r.c.boundName(), QStringLiteral("Travel"));
        QVERIFY(r.list.contains("Travel"));
        QCOMPARE(int(r.edited.current().pollrate), 2);
    }
};

QTEST_MAIN(TestProfileController)
#include "test_profilecontroller.moc"
