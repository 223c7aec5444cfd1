// What a screen reader sees and can do: the real program on the real
// accessibility bus, walked and driven by a script that uses nothing else.
#include "e2esession.h"

class TestE2eA11y : public QObject {
    Q_OBJECT
private slots:
    void screenReaderRemapsAndApplies() {
        QProcess walk;
        walk.start(QStringLiteral("/usr/bin/python3"), {"-c", "import pyatspi"});
        if (!walk.waitForFinished(15000) || walk.exitCode() != 0)
            QSKIP("python3-pyatspi is not installed");
        E2eSession s;
        SESSION_START(s, QStringList());
        SESSION_VERIFY(s, !s.startBus().isEmpty());
        if (!s.startAccessibility()) QSKIP(qPrintable(s.error()));
        const QString before = profileState(s.vm({"state"}), 0);
        walk.setProcessEnvironment(s.childEnv());
        walk.setProcessChannelMode(QProcess::MergedChannels);
        // Exit status 3: the registry did not list the program; a second start does.
        for (int attempt = 0; attempt < 2 && (attempt == 0 || walk.exitCode() == 3); ++attempt) {
            s.stopPrograms();
            SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
            s.vm({"log", "clear"});
            walk.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral(A11Y_WALK), E2eSession::productTitle()});
            if (!walk.waitForFinished(120000)) E2eSession::stop(&walk, 500);
        }
        const QString out = QString::fromUtf8(walk.readAll());
        QVERIFY2(out.endsWith("walked\n") && !out.contains("problem: "), qPrintable(out));

        // What the walk changed reached the mouse: the second stage, the
        // lift distance and the fourth button of the active profile.
        SESSION_VERIFY(
            s, waitUntil([&] { return sentCommands(s.vm({"log"})).contains("40"); }, 10000));
        QTest::qWait(500);
        const QString after = profileState(s.vm({"state"}), 0);
        for (const char* line : {"stage 1: used 1, x 1f 00 (31), y 1f 00 (31)",
                                 "sensor flags: 02 (lift 2)", "slot  3: 84 00 00 00 (back button)"})
            QVERIFY2(after.contains(line) && !before.contains(line), qPrintable(after));
    }
};

QTEST_MAIN(TestE2eA11y)
#include "test_a11y.moc"
