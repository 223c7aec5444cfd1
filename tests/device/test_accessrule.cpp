// The guided rule install's helper, run through a stand-in pkexec with a
// private rules folder and sysfs: exactly the build's rule is written and
// applied to the mouse's devices only; any other argument does nothing.
#include "accessrule.h"
#include "paths.h"
#include "testutil.h"

#include <QtTest>

class AccessRuleTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        setAppDirOverride(QStringLiteral(APP_DIR));
        QVERIFY(!accessRuleHelper().isEmpty());
        writeText(m_bin.filePath("pkexec"), "#!/bin/sh\nexec \"$@\"\n");
        QFile::setPermissions(m_bin.filePath("pkexec"), QFile::ReadOwner | QFile::ExeOwner);
        qputenv("MOUSECFG_UDEV_RULES_DIR", m_bin.filePath("rules.d").toLocal8Bit());
        qputenv("MOUSECFG_SYSFS", m_bin.filePath("sys").toLocal8Bit());
    }

    // Without pkexec the notice keeps only its command.
    void offer() {
        const QByteArray path = qgetenv("PATH");
        qputenv("PATH", "/nonexistent");
        QVERIFY(!AccessRuleInstall().offered());
        qputenv("PATH", path);
        QVERIFY(!accessRuleInstalled({m_bin.path()}));
        writeText(m_bin.filePath("60-mousecfg.rules"), "");
        QVERIFY(accessRuleInstalled({QStringLiteral("/nonexistent"), m_bin.path()}));
        QFile::remove(m_bin.filePath("60-mousecfg.rules"));
    }

    void helper_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("status"); // 0: done, 2: refused
        QTest::addColumn<bool>("writes");
        QTest::newRow("install") << QStringList{"install"} << 0 << true;
        QTest::newRow("trigger") << QStringList{"trigger"} << 0 << false;
        QTest::newRow("none") << QStringList() << 2 << false;
        QTest::newRow("a file") << QStringList{"install", "/etc/passwd"} << 2 << false;
        QTest::newRow("an option") << QStringList{"--rules-dir=/tmp", "install"} << 2 << false;
        QTest::newRow("shell") << QStringList{"install; touch pwned"} << 2 << false;
        QTest::newRow("a path") << QStringList{"../install"} << 2 << false;
        QTest::newRow("a glob") << QStringList{"i*"} << 2 << false;
    }
    void helper() {
        QFETCH(QStringList, args);
        QFETCH(int, status);
        QFETCH(bool, writes);
        const QString sys = m_bin.filePath("sys"), rules = m_bin.filePath("rules.d");
        QDir(sys).removeRecursively();
        QDir(rules).removeRecursively();
        // The receiver, another maker's device, the cable.
        const QStringList ids{"0000248A:0000FA02", "0000046D:0000C52B", "0000248A:0000FB01"};
        for (int i = 0; i < ids.size(); ++i) {
            const QString node = sys + QStringLiteral("/class/hidraw/hidraw%1").arg(i);
            QDir().mkpath(node + "/device");
            writeText(node + "/device/uevent", "HID_ID=0003:" + ids[i].toLatin1() + "\n");
            writeText(node + "/uevent", "MAJOR=241\n");
        }
        QProcess p;
        p.setWorkingDirectory(m_bin.path());
        p.start(m_bin.filePath("pkexec"), QStringList{accessRuleHelper()} + args);
        QVERIFY(p.waitForFinished(20000));
        QVERIFY2(p.exitCode() == status, p.readAllStandardError().constData());

        const QString rule = rules + QStringLiteral("/60-mousecfg.rules");
        QCOMPARE(QDir(rules).entryList(QDir::Files | QDir::Hidden),
                 writes ? QStringList({"60-mousecfg.rules"}) : QStringList());
        if (writes) QCOMPARE(readText(rule), readText(QStringLiteral(UDEV_RULES)));
        if (writes) QCOMPARE(int(QFileInfo(rule).permissions() & 0xfff), 0x644);
        QVERIFY(!QFile::exists(m_bin.filePath("pwned")));
        QStringList applied;
        for (int i = 0; i < ids.size(); ++i)
            if (readText(sys + QStringLiteral("/class/hidraw/hidraw%1/uevent").arg(i)) ==
                "change\n")
                applied << ids[i];
        QCOMPARE(applied, status == 0 ? QStringList({ids[0], ids[2]}) : QStringList());
    }

private:
    QTemporaryDir m_bin;
};

QTEST_GUILESS_MAIN(AccessRuleTest)
#include "test_accessrule.moc"
