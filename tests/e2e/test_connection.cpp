// The real program under a private X server against the virtual mouse: the
// "Dongle Disconnect!" warning coming and going with the receiver, a start
// with no mouse, a mouse the user may not open, the command link following the
// cable and the receiver, and the companion started on demand or missing.
#include "e2esession.h"

#include "accessrule.h"

#include <QRegularExpression>
#include <QtTest>

namespace {
// Clicks a message box's button row (18 from the bottom) `fromRight` from
// its right edge; 68 is the rightmost button's middle.
void clickBox(const E2eSession& s, const QString& box, int fromRight = 68) {
    const QString geometry = s.xdotool({"getwindowgeometry", "--shell", box});
    auto value = [&](const char* key) {
        return QRegularExpression(QLatin1String(key) + QStringLiteral("=(\\d+)"))
            .match(geometry)
            .captured(1)
            .toInt();
    };
    const int w = value("WIDTH"), h = value("HEIGHT");
    s.click(box, w - fromRight, h - 32);
}
} // namespace

class TestE2eConnection : public QObject {
    Q_OBJECT
private slots:
    void disconnectWarning_data() {
        QTest::addColumn<QStringList>("daemonArgs");
        QTest::addColumn<bool>("warns");
        QTest::newRow("receiver only") << QStringList() << true;
        QTest::newRow("cable still plugged") << QStringList{"--cable"} << false;
    }
    void disconnectWarning() {
        QFETCH(QStringList, daemonArgs);
        QFETCH(bool, warns);
        const QString title = QStringLiteral("Warning");

        E2eSession s;
        SESSION_START(s, daemonArgs);
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        QVERIFY(s.findWindows(title).isEmpty());

        s.vm({"unplug", "receiver"});
        if (!warns) {
            // The notifier looks every 2 s; give it two rounds to be wrong.
            QTest::qWait(4500);
            SESSION_VERIFY(s, s.findWindows(title).isEmpty());
            return;
        }
        const QString box = s.waitForWindow(title, 8000);
        SESSION_VERIFY(s, !box.isEmpty());

        // Plugging back in closes the box by itself; the program opens the
        // mouse again (its status poll is the sign) and follows its buttons.
        s.vm({"log", "clear"});
        s.vm({"plug", "receiver"});
        SESSION_VERIFY(s, s.waitForNoWindow(title, 8000));
        SESSION_VERIFY(s, !s.findWindows(E2eSession::productTitle()).isEmpty());
        const QRegularExpression poll(QStringLiteral(" out 05 [0-9a-f]{2} fa 48 "));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 5000));
        SESSION_VERIFY(s, hearsDpiButton(s));
    }

    void startWithoutMouse() {
        E2eSession s;
        SESSION_START(s, QStringList{"--no-receiver"});
        QProcess* program = s.startProgram();
        SESSION_VERIFY(s, program->waitForStarted(5000));
        const QString box = s.waitForWindow(QStringLiteral("Warning"), 8000);
        SESSION_VERIFY(s, !box.isEmpty());

        // The receiver arriving closes the warning and the window works.
        s.vm({"log", "clear"});
        s.vm({"plug", "receiver"});
        SESSION_VERIFY(s, s.waitForNoWindow(QStringLiteral("Warning"), 8000));
        SESSION_VERIFY(s, !s.waitForWindow(E2eSession::productTitle(), 5000).isEmpty());
        const QRegularExpression poll(QStringLiteral(" out 05 [0-9a-f]{2} fa 48 "));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 5000));
        SESSION_VERIFY(s, hearsDpiButton(s));
        QCOMPARE(program->state(), QProcess::Running);
    }

    // A mouse whose nodes refuse the user: one notice naming the cause instead
    // of the disconnect warning, the mouse taken up once access is granted,
    // and the notice again when a replugged mouse is refused anew.
    void accessDenied() {
        const QString notice = QStringLiteral("Access denied");
        const QString warning = QStringLiteral("Warning");
        const QRegularExpression poll(QStringLiteral(" out 05 [0-9a-f]{2} fa 48 "));

        E2eSession s;
        SESSION_START(s, QStringList());
        s.vm({"access", "deny"});
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        const QString box = s.waitForWindow(notice, 8000);
        SESSION_VERIFY(s, !box.isEmpty());
        QVERIFY(s.findWindows(warning).isEmpty());
        clickBox(s, box);
        SESSION_VERIFY(s, s.waitForNoWindow(notice, 3000));
        // The program keeps trying every 2 s; two rounds bring no second notice.
        QTest::qWait(4500);
        QVERIFY(s.findWindows(notice).isEmpty());
        QVERIFY(s.findWindows(warning).isEmpty());
        QVERIFY(!s.vm({"log"}).contains(poll));

        s.vm({"access", "allow"});
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 6000));
        SESSION_VERIFY(s, hearsDpiButton(s));

        s.vm({"access", "deny"});
        s.vm({"unplug", "receiver"});
        SESSION_VERIFY(s, !s.waitForWindow(warning, 8000).isEmpty());
        s.vm({"plug", "receiver"});
        SESSION_VERIFY(s, s.waitForNoWindow(warning, 8000));
        SESSION_VERIFY(s, !s.waitForWindow(notice, 8000).isEmpty());
    }

    // The notice's "Install access rule", through a stand-in pkexec that runs
    // the helper with a private rules folder and, as udev would once the rule
    // is applied, hands the mouse to the user. Dismissing the password prompt
    // brings the notice back with its command.
    void installAccessRule_data() {
        QTest::addColumn<QByteArray>("pkexec"); // the stand-in's script
        // As pkexec, the helper gets a clean environment (a sanitizer's
        // preload would end it with a leak report), the test's folders aside.
        QTest::newRow("authorized") << QByteArray(
            "env -i PATH=/usr/bin:/bin MOUSECFG_UDEV_RULES_DIR=\"$MOUSECFG_UDEV_RULES_DIR\" "
            "MOUSECFG_SYSFS=\"$MOUSECFG_SYSFS\" \"$@\" && "
            "exec env -u LD_PRELOAD \"$VM\" access allow");
        QTest::newRow("dismissed") << QByteArray("exit 126");
        QTest::newRow("not authorized") << QByteArray("echo Not authorized >&2; exit 127");
    }
    void installAccessRule() {
        QFETCH(QByteArray, pkexec);
        if (accessRuleInstalled()) QSKIP("this machine has the rule installed");
        const QString notice = QStringLiteral("Access denied");
        E2eSession s;
        const QString bin = s.workDir() + QStringLiteral("/bin"), rules = bin + "/rules.d";
        QDir().mkpath(bin);
        writeText(bin + "/pkexec", "#!/bin/sh\n" + pkexec + '\n');
        QFile::setPermissions(bin + "/pkexec", QFile::ReadOwner | QFile::ExeOwner);
        s.setEnv(QStringLiteral("PATH"), bin + ':' + qEnvironmentVariable("PATH"));
        s.setEnv(QStringLiteral("VM"), s.appFile(QStringLiteral("virtual-mouse")));
        s.setEnv(QStringLiteral("MOUSECFG_UDEV_RULES_DIR"), rules);
        s.setEnv(QStringLiteral("MOUSECFG_SYSFS"), bin + "/sys");
        SESSION_START(s, QStringList());
        s.vm({"access", "deny"});
        SESSION_VERIFY(s, !s.startProgramWindow().isEmpty());
        const QString box = s.waitForWindow(notice, 8000);
        SESSION_VERIFY(s, !box.isEmpty());
        clickBox(s, box, 140); // the offer, left of "Ok"
        if (!pkexec.contains("allow")) {
            // A new notice, with the command still in it.
            SESSION_VERIFY(s, waitUntil(
                                  [&] {
                                      const QStringList boxes = s.findWindows(notice);
                                      return !boxes.isEmpty() && !boxes.contains(box);
                                  },
                                  8000));
            QVERIFY(!QFile::exists(rules));
            return;
        }
        const QRegularExpression poll(QStringLiteral(" out 05 [0-9a-f]{2} fa 48 "));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 8000));
        QCOMPARE(readText(rules + "/60-mousecfg.rules"), readText(QStringLiteral(UDEV_RULES)));
        QVERIFY(s.findWindows(notice).isEmpty());
    }

    void companionOnDemand_data() {
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QStringList>("notices");
        QTest::newRow("started by the program") << true << QStringList{"DPI 2:800"};
        QTest::newRow("missing: dropped") << false << QStringList();
    }
    void companionOnDemand() {
        QFETCH(bool, installed);
        QFETCH(QStringList, notices);

        E2eSession s;
        if (!installed) QVERIFY(QFile::remove(s.appFile("OSD")));
        s.setCompanion(false);
        SESSION_START(s, QStringList());
        QProcess* program = s.startProgram();
        SESSION_VERIFY(s, !s.waitForWindow(E2eSession::productTitle(), 15000).isEmpty());
        QTest::qWait(500);
        s.vm({"press", "dpi"});
        // The stage is followed either way; a missing companion costs time only.
        SESSION_VERIFY(
            s, waitUntil([&] { return iniValue(profileFile(s, 0), "PROFILE/dpi") == "1"; }, 8000));
        if (!notices.isEmpty())
            SESSION_VERIFY(s,
                           waitUntil([&] { return osdTexts(s).size() >= notices.size(); }, 8000));
        else
            QTest::qWait(3000); // longer than the program's five tries
        QCOMPARE(osdTexts(s), notices);
        QCOMPARE(program->state(), QProcess::Running);
        SESSION_VERIFY(s, hearsDpiButton(s) == installed);
    }

    void commandLinkFollowsPlugging_data() {
        QTest::addColumn<QStringList>("daemonArgs");
        QTest::addColumn<QStringList>("change"); // a virtual-mouse command
        QTest::addColumn<QString>("link");       // the log's link letter afterwards
        QTest::newRow("cable pulled: receiver")
            << QStringList{"--cable"} << QStringList{"unplug", "cable"} << "R";
        QTest::newRow("cable plugged: cable")
            << QStringList() << QStringList{"plug", "cable"} << "C";
        QTest::newRow("receiver pulled: cable")
            << QStringList{"--cable"} << QStringList{"unplug", "receiver"} << "C";
    }
    void commandLinkFollowsPlugging() {
        QFETCH(QStringList, daemonArgs);
        QFETCH(QStringList, change);
        QFETCH(QString, link);
        // The on-mouse profile menu and its third entry, relative to the window.
        const QPoint modeButton(146, 292);
        const QPoint mode3(60, 373);

        E2eSession s;
        SESSION_START(s, daemonArgs);
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        s.vm({"log", "clear"});
        QCOMPARE(s.vm(change), QString());
        // The notifier sees the change within 2 s; the program reopens and its
        // new status thread polls over the link it now uses.
        const QRegularExpression poll(QStringLiteral(" %1 out 05 [0-9a-f]{2} fa 48 ").arg(link));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(poll); }, 6000));
        QVERIFY(s.findWindows(QStringLiteral("Warning")).isEmpty());

        s.vm({"log", "clear"});
        s.click(window, modeButton.x(), modeButton.y());
        s.click(window, mode3.x(), mode3.y());
        const QRegularExpression select(
            QStringLiteral(" %1 out 05 [0-9a-f]{2} fa 44 02 ").arg(link));
        SESSION_VERIFY(s, waitUntil([&] { return s.vm({"log"}).contains(select); }, 5000));
        QVERIFY(s.vm({"state"}).contains("active profile: 2\n"));
    }
};

QTEST_GUILESS_MAIN(TestE2eConnection)
#include "test_connection.moc"
