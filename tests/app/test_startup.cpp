// The real program, started twice: the second copy must leave at once with
// status 1 while the first keeps running.
#include "singleinstance.h"
#include "testutil.h"

#include <QDir>
#include <QProcess>
#include <QtTest>

class TestStartup : public QObject {
    Q_OBJECT
private slots:
    void secondInstanceExits() {
        TempAppDir app(APP_DIR); // the staged program with its data
        QVERIFY(QFileInfo(app.file("mousecfg")).isExecutable());
        // A product of its own, so a program running elsewhere on this machine
        // cannot hold the same lock.
        const QString product =
            QStringLiteral("Startup Test %1").arg(QCoreApplication::applicationPid());
        writeText(app.file("DefaultProfile.bin"),
                  "[PROFILE]\nProductName=" + product.toUtf8() + "\n");

        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess first;
        first.setProcessEnvironment(env);
        first.start(app.file("mousecfg"), QStringList());
        QVERIFY(first.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(first.state(), QProcess::Running);

        QProcess second;
        second.setProcessEnvironment(env);
        second.start(app.file("mousecfg"), QStringList());
        QVERIFY(second.waitForFinished(10000));
        QCOMPARE(second.exitStatus(), QProcess::NormalExit);
        QCOMPARE(second.exitCode(), 1);
        QCOMPARE(first.state(), QProcess::Running);

        first.terminate();
        QVERIFY(first.waitForFinished(5000));

        // The lock of a program that died is taken over.
        QProcess third;
        third.setProcessEnvironment(env);
        third.start(app.file("mousecfg"), QStringList());
        QVERIFY(third.waitForStarted());
        QTest::qWait(1000);
        QCOMPARE(third.state(), QProcess::Running);
        third.kill();
        third.waitForFinished(5000);
    }

    // A directory at the lock's name is no other copy: the program starts.
    void directoryAtTheLockPath() {
        TempAppDir app(APP_DIR);
        const QString product =
            QStringLiteral("Lock Dir Test %1").arg(QCoreApplication::applicationPid());
        writeText(app.file("DefaultProfile.bin"),
                  "[PROFILE]\nProductName=" + product.toUtf8() + "\n");
        const QString lock = SingleInstance::lockPathFor(SingleInstance::mutexNameFor(product));
        QVERIFY(QDir().mkpath(lock));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "offscreen");
        QProcess program;
        program.setProcessEnvironment(env);
        program.start(app.file("mousecfg"), QStringList());
        QVERIFY(program.waitForStarted());
        QTest::qWait(1500);
        QCOMPARE(program.state(), QProcess::Running);
        program.kill();
        program.waitForFinished(5000);
        QDir(lock).removeRecursively();
    }
};

QTEST_GUILESS_MAIN(TestStartup)
#include "test_startup.moc"
