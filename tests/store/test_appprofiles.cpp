#include "appprofiles.h"
#include "inifile.h"

#include <QtTest>

class TestAppProfiles : public QObject {
    Q_OBJECT
private slots:
    // Which profile an application in front gets: ids are matched without
    // case, ".desktop" or a reverse-DNS prefix; otherwise the default.
    void lookup_data() {
        QTest::addColumn<QString>("windowClass");
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("executable");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<int>("expected");
        QTest::newRow("class, other case") << "Firefox"
                                           << ""
                                           << "" << true << 1;
        QTest::newRow("reverse-DNS app id") << ""
                                            << "org.mozilla.firefox"
                                            << "" << true << 1;
        QTest::newRow("desktop-file id") << ""
                                         << "Firefox.desktop"
                                         << "" << true << 1;
        QTest::newRow("full app id rule first") << "firefox"
                                                << "com.Example.Game"
                                                << "" << true << 4;
        QTest::newRow("executable") << "Steam"
                                    << ""
                                    << "hl2_linux" << true << 2;
        QTest::newRow("no rule: default") << "xterm"
                                          << ""
                                          << "xterm" << true << 3;
        QTest::newRow("nothing in front: default") << ""
                                                   << ""
                                                   << "" << true << 3;
        QTest::newRow("switched off") << "firefox"
                                      << ""
                                      << "" << false << kLeaveProfile;
    }
    void lookup() {
        QFETCH(QString, windowClass);
        QFETCH(QString, appId);
        QFETCH(QString, executable);
        QFETCH(bool, enabled);
        QFETCH(int, expected);
        AppProfiles rules;
        rules.enabled = enabled;
        QCOMPARE(setDefaultAppProfile(rules, 3), nullptr);
        QCOMPARE(setAppRule(rules, QStringLiteral(" FIREFOX "), 1), nullptr);
        QCOMPARE(setAppRule(rules, QStringLiteral("HL2_LINUX"), 2), nullptr);
        QCOMPARE(setAppRule(rules, QStringLiteral("com.example.game.desktop"), 4), nullptr);
        FocusedApp app;
        app.windowClass = windowClass;
        app.appId = appId;
        app.executable = executable;
        QCOMPARE(profileForApp(rules, app), expected);
    }

    // Edits a caller may not make leave the rules as they were.
    void refusedEdits() {
        AppProfiles rules;
        for (int i = 0; i < kMaxAppRules; ++i)
            QCOMPARE(setAppRule(rules, QStringLiteral("game%1").arg(i), i % 5), nullptr);
        const AppProfiles before = rules;
        QVERIFY(setAppRule(rules, QStringLiteral("one more"), 0));
        QVERIFY(setAppRule(rules, QStringLiteral("game1"), 5));
        QVERIFY(setAppRule(rules, QStringLiteral("bad\nname"), 0));
        QVERIFY(setAppRule(rules, QString(kMaxAppIdLength + 1, QLatin1Char('a')), 0));
        QVERIFY(setAppRule(rules, QStringLiteral("../x"), 0));
        QVERIFY(removeAppRule(rules, QStringLiteral("nothing")));
        QVERIFY(setDefaultAppProfile(rules, 7));
        QVERIFY(rules == before);
    }

    // What is written reads back the same; a file the program would not
    // have written is set aside whole and the rules are off.
    void file_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<bool>("damaged");
        QTest::newRow("profile out of range")
            << QByteArray("[AppProfiles]\nEnabled=true\n[Rules]\n1\\App=a\n1\\Profile=9\nsize=1\n")
            << true;
        QTest::newRow("same app twice") << QByteArray("[Rules]\n1\\App=a\n1\\Profile=1\n2\\App=A\n"
                                                      "2\\Profile=2\nsize=2\n")
                                        << true;
        QTest::newRow("too many") << QByteArray("[Rules]\nsize=100000\n") << true;
        QTest::newRow("hostile value")
            << QByteArray("[AppProfiles]\nEnabled=@Variant(\\0\\0\\0\\x7f\\xff\\xff)\n") << true;
        QTest::newRow("not a switch") << QByteArray("[AppProfiles]\nEnabled=maybe\n") << true;
        QTest::newRow("empty") << QByteArray() << false;
    }
    void file() {
        QFETCH(QByteArray, text);
        QFETCH(bool, damaged);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("AppProfiles.ini"));
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) == text.size());
        f.close();
        takeFileNotices();
        AppProfiles rules;
        QCOMPARE(readAppProfiles(rules, path),
                 damaged ? AppProfilesRead::Damaged : AppProfilesRead::Read);
        QVERIFY(!rules.enabled && rules.rules.isEmpty());
        QCOMPARE(QFile::exists(path + QStringLiteral(".damaged")), damaged);
        QCOMPARE(takeFileNotices().size(), damaged ? 1 : 0);

        // Names with spaces, '=', ';', quotes and other scripts survive.
        rules.enabled = true;
        rules.defaultProfile = kLeaveProfile;
        for (const char* name : {"steam_app_570", "My Game = 2; \"x\"", "游戏", "#hash"})
            QCOMPARE(setAppRule(rules, QString::fromUtf8(name), 2), nullptr);
        QVERIFY(writeAppProfiles(rules, path));
        AppProfiles back;
        QCOMPARE(readAppProfiles(back, path), AppProfilesRead::Read);
        QVERIFY(back == rules);
    }
};

QTEST_GUILESS_MAIN(TestAppProfiles)
#include "test_appprofiles.moc"
