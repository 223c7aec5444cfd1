// What a screen reader sees and can do: the real program on the real
// accessibility bus, walked and driven by a script that uses nothing else.
#include "e2esession.h"

namespace {

// Runs the walk; its output, and in `status` its exit status.
QString walk(const E2eSession& s, int* status) {
    QProcess p;
    p.setProcessEnvironment(s.childEnv());
    p.setProcessChannelMode(QProcess::MergedChannels);
    p.start(QStringLiteral("/usr/bin/python3"),
            {QStringLiteral(A11Y_WALK), E2eSession::productTitle()});
    if (!p.waitForFinished(120000)) E2eSession::stop(&p, 500);
    *status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return QString::fromUtf8(p.readAll());
}

bool pythonHasAtspi() {
    QProcess p;
    p.start(QStringLiteral("/usr/bin/python3"), {"-c", "import pyatspi"});
    return p.waitForFinished(15000) && p.exitCode() == 0;
}

} // namespace

class TestE2eA11y : public QObject {
    Q_OBJECT
private slots:
    void screenReaderRemapsAndApplies() {
        if (!pythonHasAtspi()) QSKIP("python3-pyatspi is not installed");
        E2eSession s;
        SESSION_START(s, QStringList());
        SESSION_VERIFY(s, !s.startBus().isEmpty());
        if (!s.startAccessibility()) QSKIP(qPrintable(s.error()));
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        const QString before = s.vm({"state"});
        s.vm({"log", "clear"});

        int status = 0;
        QString out = walk(s, &status);
        if (status == 3) {
            // Not taken into the registry's list: once more, as a user would.
            s.stopPrograms();
            SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
            out = walk(s, &status);
        }
        const bool walked = status == 0 && out.contains("walked\n");
        if (!walked || out.contains("problem: ")) qInfo().noquote() << out;
        QVERIFY2(walked, "the walk did not go through");
        QVERIFY2(!out.contains("problem: "), "the walk met problems");

        // What the walk changed reached the mouse: the second stage, the
        // lift distance and the fourth button of the active profile.
        SESSION_VERIFY(
            s, waitUntil([&] { return sentCommands(s.vm({"log"})).contains("40"); }, 10000));
        QTest::qWait(500);
        const QString after = profileState(s.vm({"state"}), 0);
        for (const char* expected :
             {"stage 1: used 1, x 1f 00 (31), y 1f 00 (31)", "sensor flags: 02 (lift 2)",
              "slot  3: 84 00 00 00 (back button)"}) {
            const QString line = QString::fromLatin1(expected);
            QVERIFY2(after.contains(line), qPrintable(after));
            QVERIFY2(!profileState(before, 0).contains(line), expected);
        }
    }
};

QTEST_MAIN(TestE2eA11y)
#include "test_a11y.moc"
