// The autostart entry: written where the desktop session looks, valid for the
// desktop's own validator whatever the program's path, and removed again.
#include "autostart.h"
#include "testutil.h"

#include <QStandardPaths>
#include <QtTest>

class TestAutostart : public QObject {
    Q_OBJECT
    QTemporaryDir m_home;

private slots:
    void initTestCase() { qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit()); }

    void toggleWritesValidEntry_data() {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("exec");
        QTest::newRow("installed")
            << "/usr/bin/mousecfg" << QStringList{"--minimized"} << "/usr/bin/mousecfg --minimized";
        QTest::newRow("blank and quote") << "/opt/my mouse/mousecfg" << QStringList{"--minimized"}
                                         << "\"/opt/my mouse/mousecfg\" --minimized";
        QTest::newRow("reserved characters")
            << "/home/a/$x`y\\z/mousecfg"
            << QStringList{"--minimized", "--config-dir", "/home/a/50% \"cfg\""}
            << "\"/home/a/\\\\$x\\\\`y\\\\\\\\z/mousecfg\" --minimized --config-dir "
               "\"/home/a/50%% \\\\\"cfg\\\\\"\"";
    }
    void toggleWritesValidEntry() {
        QFETCH(QString, program);
        QFETCH(QStringList, args);
        QFETCH(QString, exec);
        QCOMPARE(autostartEntryPath(), m_home.path() + "/autostart/io.mousecfg.mousecfg.desktop");
        QVERIFY(!autostartEnabled());
        QVERIFY(setAutostart(true, program, args));
        QVERIFY(autostartEnabled());
        const QByteArray text = readText(autostartEntryPath());
        QVERIFY2(text.contains("\nExec=" + exec.toUtf8() + "\n"), text.constData());

        const QString validator = QStandardPaths::findExecutable("desktop-file-validate");
        if (!validator.isEmpty()) {
            QProcess p;
            p.start(validator, {autostartEntryPath()});
            QVERIFY(p.waitForFinished(30000));
            const QByteArray said = p.readAll();
            QVERIFY2(p.exitCode() == 0 && !said.contains("error"), said.constData());
        }
        QVERIFY(setAutostart(false, program, args));
        QVERIFY(!QFile::exists(autostartEntryPath()));
        QVERIFY(setAutostart(false, program, args)); // already gone
    }

    // An entry the user switched off in the desktop's settings reads as off.
    void switchedOffEntryIsOff() {
        QVERIFY(setAutostart(true, "/usr/bin/mousecfg", {"--minimized"}));
        QFile f(autostartEntryPath());
        QVERIFY(f.open(QIODevice::Append));
        f.write("Hidden=true\n");
        f.close();
        QVERIFY(!autostartEnabled());
        QVERIFY(setAutostart(false, "", {}));
    }
};

QTEST_GUILESS_MAIN(TestAutostart)
#include "test_autostart.moc"
