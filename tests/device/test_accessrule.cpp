// The guided rule install: when the notice offers it, what pkexec's answers
// become, and the helper, which writes exactly the build's rule into the
// rules folder and applies it to the mouse's devices only, and does nothing
// for any other argument. pkexec is a stand-in that runs the helper as is,
// with a private rules folder and a private sysfs.
#include "accessrule.h"
#include "paths.h"
#include "testutil.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {
// A hidraw node in the private sysfs whose HID device has `hidId`.
void addNode(const QString& sysfs, const QString& node, const QString& hidId) {
    const QString dir = sysfs + "/class/hidraw/" + node;
    QDir().mkpath(dir + "/device");
    writeText(dir + "/device/uevent", "DRIVER=hid-generic\nHID_ID=" + hidId.toLatin1() + "\n");
    writeText(dir + "/uevent", "MAJOR=241\n");
}
} // namespace

class AccessRuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setAppDirOverride(QStringLiteral(APP_DIR));
        QVERIFY(!accessRuleHelper().isEmpty());
        m_path = qgetenv("PATH");
    }
    void init() {
        m_work.reset(new QTemporaryDir);
        m_rules = m_work->filePath(QStringLiteral("rules.d"));
        m_sysfs = m_work->filePath(QStringLiteral("sys"));
        addNode(m_sysfs, "hidraw0", "0003:0000248A:0000FA02"); // the receiver
        addNode(m_sysfs, "hidraw1", "0003:0000046D:0000C52B"); // another maker's
        addNode(m_sysfs, "hidraw2", "0003:0000248A:0000FB01"); // the cable
        qputenv("MOUSECFG_UDEV_RULES_DIR", m_rules.toLocal8Bit());
        qputenv("MOUSECFG_SYSFS", m_sysfs.toLocal8Bit());
        standInPkexec(QStringLiteral("exec \"$@\""));
    }
    void cleanupTestCase() { qputenv("PATH", m_path); }

    void offer() {
        AccessRuleInstall install;
        QCOMPARE(install.offered(), !accessRuleInstalled());
        qputenv("PATH", "/nonexistent");
        QVERIFY(!install.offered());
        qputenv("PATH", m_work->path().toLocal8Bit() + ':' + m_path);

        QVERIFY(!accessRuleInstalled({m_rules}));
        QDir().mkpath(m_rules);
        writeText(m_rules + "/60-other.rules", "");
        QVERIFY(!accessRuleInstalled({m_rules}));
        QVERIFY(accessRuleInstalled({m_work->path(), m_rules}) ==
                QFile::exists(m_work->filePath("60-mousecfg.rules")));
        writeText(m_rules + "/60-mousecfg.rules", "");
        QVERIFY(accessRuleInstalled({m_work->path(), m_rules}));
    }

    void helper_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status");
        QTest::addColumn<bool>("writes");
        QTest::addColumn<bool>("applies");
        QTest::newRow("install") << QStringList{"install"} << 0 << true << true;
        QTest::newRow("trigger") << QStringList{"trigger"} << 0 << false << true;
        QTest::newRow("no argument") << QStringList() << 2 << false << false;
        QTest::newRow("a file after install")
            << QStringList{"install", "/etc/passwd"} << 2 << false << false;
        QTest::newRow("a rules folder option")
            << QStringList{"--rules-dir=" + QDir::tempPath(), "install"} << 2 << false << false;
        QTest::newRow("shell in the argument")
            << QStringList{"install; touch pwned"} << 2 << false << false;
        QTest::newRow("a path") << QStringList{"../install"} << 2 << false << false;
        QTest::newRow("a line break") << QStringList{"install\n"} << 2 << false << false;
        QTest::newRow("a glob") << QStringList{"i*"} << 2 << false << false;
    }
    void helper() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(bool, writes);
        QFETCH(bool, applies);
        QProcess p;
        p.setWorkingDirectory(m_work->path());
        p.start(QStringLiteral("pkexec"), QStringList{accessRuleHelper()} + args);
        QVERIFY(p.waitForFinished(20000));
        const QByteArray err = p.readAllStandardError();
        QVERIFY2(p.exitCode() == status, err.constData());
        if (status != 0) QVERIFY2(err.startsWith("mousecfg-udev-rule: "), err.constData());

        const QString rule = m_rules + QStringLiteral("/60-mousecfg.rules");
        if (writes) {
            QCOMPARE(readText(rule), readText(QStringLiteral(UDEV_RULES)));
            QCOMPARE(int(QFileInfo(rule).permissions() & 0xfff), 0x644); // rw-r--r--
            QCOMPARE(QDir(m_rules).entryList(QDir::Files | QDir::Hidden),
                     QStringList{"60-mousecfg.rules"});
        } else {
            QVERIFY(!QFile::exists(m_rules) ||
                    QDir(m_rules).isEmpty(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot));
        }
        QVERIFY(!QFile::exists(m_work->filePath(QStringLiteral("pwned"))));
        const QByteArray change = applies ? "change\n" : "MAJOR=241\n";
        QCOMPARE(readText(m_sysfs + "/class/hidraw/hidraw0/uevent"), change);
        QCOMPARE(readText(m_sysfs + "/class/hidraw/hidraw2/uevent"), change);
        QCOMPARE(readText(m_sysfs + "/class/hidraw/hidraw1/uevent"), QByteArray("MAJOR=241\n"));
    }

    // What the window hears back: the rule in place, a dismissed password
    // prompt, or pkexec's or the helper's own reason.
    void outcome_data() {
        QTest::addColumn<QString>("pkexec");
        QTest::addColumn<QString>("rulesDir");
        QTest::addColumn<int>("outcome");
        QTest::addColumn<QString>("detail");
        QTest::newRow("installed")
            << "exec \"$@\"" << QString() << int(AccessRuleInstall::Installed) << QString();
        QTest::newRow("dismissed")
            << "exit 126" << QString() << int(AccessRuleInstall::Declined) << QString();
        QTest::newRow("not authorized")
            << "echo 'Error executing command as another user: Not authorized' >&2; exit 127"
            << QString() << int(AccessRuleInstall::Failed)
            << "Error executing command as another user: Not authorized";
        QTest::newRow("folder not writable")
            << "exec \"$@\""
            << "/proc/version/rules.d" << int(AccessRuleInstall::Failed)
            << "mousecfg-udev-rule: cannot create /proc/version/rules.d";
    }
    void outcome() {
        QFETCH(QString, pkexec);
        QFETCH(QString, rulesDir);
        QFETCH(int, outcome);
        QFETCH(QString, detail);
        standInPkexec(pkexec);
        if (!rulesDir.isEmpty()) qputenv("MOUSECFG_UDEV_RULES_DIR", rulesDir.toLocal8Bit());
        AccessRuleInstall install;
        QSignalSpy finished(&install, &AccessRuleInstall::finished);
        install.start();
        QVERIFY(install.running());
        QVERIFY(finished.wait(20000));
        QCOMPARE(finished.first().at(0).toInt(), outcome);
        QVERIFY2(finished.first().at(1).toString().startsWith(detail),
                 qPrintable(finished.first().at(1).toString()));
        QCOMPARE(QFile::exists(m_rules + "/60-mousecfg.rules"),
                 outcome == AccessRuleInstall::Installed);
    }

private:
    void standInPkexec(const QString& body) {
        const QString path = m_work->filePath(QStringLiteral("pkexec"));
        writeText(path, "#!/bin/sh\n" + body.toUtf8() + '\n');
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        qputenv("PATH", m_work->path().toLocal8Bit() + ':' + m_path);
    }

    std::unique_ptr<QTemporaryDir> m_work;
    QString m_rules, m_sysfs;
    QByteArray m_path;
};

QTEST_GUILESS_MAIN(AccessRuleTest)
#include "test_accessrule.moc"
