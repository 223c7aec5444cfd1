// Settings made in the real program's window reach the virtual mouse: an
// on-mouse profile picked from the menu, and the DPI tab's stages, report
// rate and sensor options applied, kept and shown again after a restart.
#include "e2esession.h"

#include <QImage>
#include <QRegularExpression>
#include <QSet>
#include <QtTest>

namespace {

// Window-relative positions at scale 1.0 (the X server runs at 96 DPI).
const QPoint kDpiTab(300 + 96 * 2 + 46, 45);
const QPoint kApply(848 + 48, 578 + 16);
const QPoint kOk(636 + 48, 578 + 16);
const QPoint kCancel(742 + 48, 578 + 16);
const QPoint kModeButton(146, 292);
const QPoint kRateButton(820, 119);
const QPoint kStage0Slider(560, 135); // first stage row's bar
const QPoint kStage1Dpi(368, 163);    // second stage row's "DPI : 800"
const QPoint kKeyResponse(450, 426);  // sensor panel's key response bar
const QPoint kLift2mm(448, 452);      // sensor panel's "2mm"
// "Mode n" (slot n - 1) in the open on-mouse profile menu.
QPoint modeItem(int slot) {
    return {60, 323 + 25 * slot};
}
// 125, 250, 500, 1000 HZ in the open report rate menu.
QPoint rateItem(int index) {
    return {786, 152 + 25 * index};
}

// "Yes" of a question box (380x190), relative to the box.
const QPoint kBoxYes(204, 158);

// Regions of the DPI tab that show the applied values.
const QRect kStage0Label(330, 118, 130, 34);
const QRect kRatePanel(746, 75, 149, 125);
const QRect kSensorPanel(286, 413, 300, 50);
// Apply, which carries the mark of changes not on the mouse yet.
const QRect kApplyButton(848, 578, 96, 32);
// The line above Apply that says what Apply did.
const QRect kStatusLine(600, 554, 344, 22);

void click(const E2eSession& s, const QString& window, QPoint at) {
    s.click(window, at.x(), at.y());
}

} // namespace

class TestE2eSettings : public QObject {
    Q_OBJECT
private slots:
    void profileMenuSelectsOnMouse_data() {
        QTest::addColumn<QStringList>("daemonArgs");
        QTest::addColumn<int>("slot");
        QTest::addColumn<QString>("link"); // the log's link letter the commands take
        QTest::newRow("Mode 2") << QStringList() << 1 << "R";
        QTest::newRow("Mode 3") << QStringList() << 2 << "R";
        QTest::newRow("Mode 5") << QStringList() << 4 << "R";
        // With both connected the cable carries the commands.
        QTest::newRow("Mode 3, cable and receiver") << QStringList{"--cable"} << 2 << "C";
        QTest::newRow("Mode 2, cable only") << QStringList{"--cable", "--no-receiver"} << 1 << "C";
    }
    void profileMenuSelectsOnMouse() {
        QFETCH(QStringList, daemonArgs);
        QFETCH(int, slot);
        QFETCH(QString, link);
        E2eSession s;
        SESSION_START(s, daemonArgs);
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        QVERIFY(s.vm({"state"}).contains("active profile: 0\n"));

        s.vm({"log", "clear"});
        click(s, window, kModeButton);
        click(s, window, modeItem(slot));
        const QString select = QStringLiteral(" %1 out 05 [0-9a-f]{2} fa 44 %2 ")
                                   .arg(link)
                                   .arg(slot, 2, 16, QLatin1Char('0'));
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"log"}).contains(QRegularExpression(select)); }, 5000));
        QVERIFY(s.vm({"state"}).contains(QStringLiteral("active profile: %1\n").arg(slot)));
        QCOMPARE(iniValue(s.appFile("Configs/Config.ini"), "Config/ProfileID"),
                 QString::number(slot));
        // Selecting a profile writes no settings.
        QCOMPARE(sentCommands(s.vm({"log"})), (QSet<QString>{"44", "40"}));
    }

    void dpiTabAppliedAndKept() {
        E2eSession s;
        SESSION_START(s, QStringList());
        QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        const QString before = s.vm({"state"});
        QVERIFY(before.contains("profile 0 (active): DPI stage 0, report rate 1 (1000 Hz)"));

        click(s, window, kDpiTab);
        // Stage 2 typed: 1234 DPI is stored as its nearest step, 1250 (24).
        click(s, window, kStage1Dpi);
        s.keys({"1", "2", "3", "4", "Return"});
        // Stage 1 down to its fourth step (200 DPI on this product's sensor).
        click(s, window, kStage0Slider);
        s.keys({"Home", "Right", "Right", "Right"});
        click(s, window, kRateButton);
        click(s, window, rateItem(2)); // 500 HZ
        click(s, window, kKeyResponse);
        s.keys({"Home", "Right", "Right", "Right", "Right"}); // 5
        click(s, window, kLift2mm);
        const QImage shown = grab(s, window, "applied.png");
        QVERIFY(!shown.isNull());

        s.vm({"log", "clear"});
        click(s, window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("key response: 5\n"); }, 10000));
        QTest::qWait(500); // the end of the write
        // Apply says it is done above itself, and the line goes again.
        SESSION_VERIFY(
            s, !sameLook(grab(s, window, "said.png").copy(kStatusLine), shown.copy(kStatusLine)));
        SESSION_VERIFY(s, waitUntil(
                              [&] {
                                  return sameLook(grab(s, window, "quiet.png").copy(kStatusLine),
                                                  shown.copy(kStatusLine));
                              },
                              8000));
        const QString state = s.vm({"state"});
        const QString p0 = profileState(state, 0);
        // The click on stage 2's read-out made it the current stage.
        QVERIFY2(p0.contains("profile 0 (active): DPI stage 1, report rate 2 (500 Hz)"),
                 qPrintable(p0));
        for (const char* line :
             {"    sensor flags: 02 (lift 2)\n", "    key response: 5\n",
              "    report rates: 2 (500 Hz) 1 (1000 Hz) 1 (1000 Hz)",
              "    stage 0: used 1, x 03 00 (3), y 03 00 (3)\n",
              "    stage 1: used 1, x 18 00 (24), y 18 00 (24)\n",
              "    stage 7: used 1, x 07 02 (519), y 07 02 (519)\n",
              "  buttons:\n    (never written)\n", "  lighting:\n    (never written)\n"})
            QVERIFY2(p0.contains(QLatin1String(line)), line);
        // Only the settings and DPI blocks went out, and only to profile 0.
        QCOMPARE(sentCommands(s.vm({"log"})), (QSet<QString>{"46", "01", "02", "40"}));
        for (int p = 1; p < 5; ++p)
            QCOMPARE(profileState(state, p), profileState(before, p));

        // The write was saved: the files hold the new values.
        const QString config = s.appFile("Configs/Config.ini");
        const QString profile = s.appFile("Configs/Profile/Profile 1.prof");
        QCOMPARE(iniValue(config, "Config/LiftHigh"), QString("2"));
        QCOMPARE(iniValue(config, "Config/Debounce"), QString("5"));
        QCOMPARE(iniValue(config, "Config/Diff"), QString("0"));
        QCOMPARE(iniValue(profile, "PROFILE/pollrate"), QString("2"));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_0_x"), QString("3"));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_0_y"), QString("3"));
        QCOMPARE(iniValue(profile, "PROFILE/DPI_INFO_1_x"), QString("24"));

        // Ended without a goodbye, started again: the DPI tab shows the same.
        const QByteArray profileBytes = readText(profile);
        s.stopPrograms();
        SESSION_VERIFY(s, s.waitForNoWindow(E2eSession::productTitle(), 5000));
        window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kDpiTab);
        const QImage again = grab(s, window, "restarted.png");
        QVERIFY(!again.isNull());
        for (const QRect& r : {kStage0Label, kRatePanel, kSensorPanel})
            QVERIFY2(sameLook(shown.copy(r), again.copy(r)),
                     qPrintable(QStringLiteral("region %1,%2 %3x%4 differs (see %5)")
                                    .arg(r.x())
                                    .arg(r.y())
                                    .arg(r.width())
                                    .arg(r.height())
                                    .arg(s.workDir())));
        // A start sends nothing and rewrites nothing of what was applied.
        QCOMPARE(profileState(s.vm({"state"}), 0), p0);
        QCOMPARE(iniValue(config, "Config/Debounce"), QString("5"));
        QCOMPARE(readText(profile), profileBytes);
    }

    void mouseDpiButtonKeepsDpiTabEdits() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kDpiTab);
        // Unsaved edits: stage 1 down to its fourth step, key response 5.
        click(s, window, kStage0Slider);
        s.keys({"Home", "Right", "Right", "Right"});
        click(s, window, kKeyResponse);
        s.keys({"Home", "Right", "Right", "Right", "Right"});
        // The mouse's own DPI button moves it to its next stage.
        SESSION_VERIFY(s, hearsDpiButton(s));
        QVERIFY(s.vm({"state"}).contains("profile 0 (active): DPI stage 1"));
        click(s, window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("key response: 5\n"); }, 10000));
        QTest::qWait(500); // the end of the write
        const QString p0 = profileState(s.vm({"state"}), 0);
        QVERIFY2(p0.contains("    stage 0: used 1, x 03 00 (3), y 03 00 (3)\n"), qPrintable(p0));
        QVERIFY2(p0.contains("profile 0 (active): DPI stage 1,"), qPrintable(p0));
    }

    void okKeepsDpiTabEdits() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kDpiTab);
        click(s, window, kRateButton);
        click(s, window, rateItem(2)); // 500 HZ
        click(s, window, kOk);
        // OK ends the editing (the window goes to the tray, or is minimised
        // where there is none) and what the user chose on the DPI tab must
        // not be thrown away.
        QTest::qWait(2000);
        QVERIFY(profileState(s.vm({"state"}), 0).contains("report rate 2 (500 Hz)"));
        QCOMPARE(iniValue(s.appFile("Configs/Profile/Profile 1.prof"), "PROFILE/pollrate"),
                 QString("2"));
    }

    void cancelDropsDpiTabEdits() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kDpiTab);
        click(s, window, kRateButton);
        click(s, window, rateItem(2)); // 500 HZ
        s.vm({"log", "clear"});
        click(s, window, kCancel);
        QTest::qWait(1000);
        // The profile came back from its file: a following Apply has nothing
        // to send, and the mouse and the files keep 1000 Hz.
        click(s, window, kApply);
        QTest::qWait(1500);
        QCOMPARE(sentCommands(s.vm({"log"})), QSet<QString>());
        QVERIFY(profileState(s.vm({"state"}), 0).contains("report rate 1 (1000 Hz)"));
        QCOMPARE(iniValue(s.appFile("Configs/Profile/Profile 1.prof"), "PROFILE/pollrate"),
                 QString("1"));
    }

    void applyFailures_data() {
        QTest::addColumn<QString>("trouble"); // "", "asleep" or "write-fail"
        QTest::newRow("no change, nothing to send") << QString();
        QTest::newRow("mouse asleep at start") << QStringLiteral("asleep");
        QTest::newRow("writes fail") << QStringLiteral("write-fail");
    }
    void applyFailures() {
        QFETCH(QString, trouble);
        const QString config = QStringLiteral("Configs/Config.ini");
        E2eSession s;
        SESSION_START(s, QStringList());
        // Asleep behind the receiver the mouse answers nothing, so the
        // program's first battery poll reads "mouse off".
        if (trouble == "asleep") s.vm({"sleep"});
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        QTest::qWait(700); // the first battery poll went unanswered
        const QImage clean = grab(s, window, "clean.png").copy(kApplyButton);
        const auto marked = [&] {
            return !sameLook(grab(s, window, "mark.png").copy(kApplyButton), clean);
        };

        click(s, window, kDpiTab);
        if (!trouble.isEmpty()) {
            click(s, window, kRateButton);
            click(s, window, rateItem(2)); // 500 HZ
            SESSION_VERIFY(s, waitUntil(marked, 3000));
        }
        // A failed write is not repeated: one failure ends the upload.
        if (trouble == "write-fail") s.vm({"fault", "write-fail", "1"});
        s.vm({"log", "clear"});
        click(s, window, kApply);
        const QString box =
            s.waitForWindow(QStringLiteral("Warning"), trouble.isEmpty() ? 2000 : 8000);
        if (trouble.isEmpty()) {
            QVERIFY(box.isEmpty());
            QCOMPARE(sentCommands(s.vm({"log"})), QSet<QString>());
            return;
        }
        SESSION_VERIFY(s, !box.isEmpty());
        s.screenshot(box, s.workDir() + "/box.png");
        if (trouble == "asleep") {
            // "Mouse is sleeping or not connected.": nothing was sent, so the
            // saved change stays marked for the next write.
            QCOMPARE(sentCommands(s.vm({"log"})), QSet<QString>());
            QCOMPARE(iniValue(s.appFile(config), "Config/Diff"), QString("1"));
            click(s, box, kBoxYes);
            SESSION_VERIFY(s, s.waitForNoWindow(QStringLiteral("Warning"), 3000));
            // A logout's SIGTERM ends it without a question; the change stays saved.
            QProcess::execute(QStringLiteral("pkill"), {"-TERM", "-f", s.appFile("mousecfg")});
            SESSION_VERIFY(s, s.waitForNoWindow(E2eSession::productTitle(), 5000));
            QCOMPARE(iniValue(s.appFile(config), "Config/Diff"), QString("1"));
            return;
        }
        // "Send data failed, please try again.": the next write sends all.
        QCOMPARE(iniValue(s.appFile(config), "Config/Diff"), QString("1"));
        s.vm({"fault", "clear"});
        click(s, box, kBoxYes);
        SESSION_VERIFY(s, s.waitForNoWindow(QStringLiteral("Warning"), 3000));
        QVERIFY(marked()); // the window does not pretend the mouse has it
        s.vm({"log", "clear"});
        click(s, window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return iniValue(s.appFile(config), "Config/Diff") == "0"; }, 10000));
        QTest::qWait(500);
        const QSet<QString> sent = sentCommands(s.vm({"log"}));
        for (const char* code : {"46", "01", "02", "03", "04", "40"})
            QVERIFY2(sent.contains(QLatin1String(code)), code);
        QVERIFY(s.findWindows(QStringLiteral("Warning")).isEmpty());
        SESSION_VERIFY(s, waitUntil([&] { return !marked(); }, 3000));
        const QString p0 = profileState(s.vm({"state"}), 0);
        QVERIFY2(p0.contains("report rate 2 (500 Hz)"), qPrintable(p0));
        QVERIFY2(!p0.contains("  buttons:\n    (never written)"), qPrintable(p0));
        QVERIFY2(!p0.contains("  lighting:\n    (never written)"), qPrintable(p0));
    }
};

QTEST_GUILESS_MAIN(TestE2eSettings)
#include "test_settings.moc"
