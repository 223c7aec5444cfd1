#include "paths.h"
#include "testutil.h"

#include <QtTest>

class TestPaths : public QObject {
    Q_OBJECT
private slots:
    // A user's folder is filled once from the shipped defaults: what is
    // missing is copied, what the user has is kept, links are not followed,
    // and a first start cut short is completed by the next one.
    void seedingFillsButNeverOverwrites() {
        TempAppDir app(QStringLiteral(PRISTINE_DATA_DIR));
        QTemporaryDir user;
        setConfigDirOverride(user.path() + "/cfg");
        const QMap<QString, QByteArray> shipped = filesBelow(app.file("Configs"));
        QVERIFY(shipped.contains("Config.ini"));

        QVERIFY(seedConfigDir());
        QCOMPARE(filesBelow(configDir()), shipped);
        QCOMPARE(filesBelow(app.file("Configs")), shipped);

        // The user's change survives the next start.
        writeText(mainConfigPath(), "[Config]\nLanguage=2\n");
        QFile::remove(languageConfigPath());
        QVERIFY(seedConfigDir());
        QCOMPARE(readText(mainConfigPath()), QByteArray("[Config]\nLanguage=2\n"));
        QVERIFY(!QFile::exists(languageConfigPath())); // seeded folders are left alone

        // Interrupted first start: no Config.ini yet, so the rest is filled in.
        QFile::remove(mainConfigPath());
        QVERIFY(seedConfigDir());
        QCOMPARE(filesBelow(configDir()), shipped);

        // A link planted in place of a file is neither followed nor replaced.
        QDir(configDir()).removeRecursively();
        QDir().mkpath(configDir());
        const QString outside = user.path() + "/outside.ini";
        writeText(outside, "mine");
        QVERIFY(QFile::link(outside, languageConfigPath()));
        seedConfigDir();
        QCOMPARE(readText(outside), QByteArray("mine"));

        // A folder that cannot be made is reported, not taken as seeded.
        setConfigDirOverride(outside + "/cfg");
        QVERIFY(!seedConfigDir());
        setConfigDirOverride(QString());
    }
};

QTEST_GUILESS_MAIN(TestPaths)
#include "test_paths.moc"
