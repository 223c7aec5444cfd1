// A macro recorded on the real program's MACRO tab, assigned to a button on
// the CUSTOMIZE tab and applied, reaches the virtual mouse step for step.
#include "e2esession.h"

#include <QRegularExpression>
#include <QSettings>
#include <QtTest>

namespace {

// Window-relative positions at scale 1.0 (the X server runs at 96 DPI).
const QPoint kMacroTab(300 + 96 * 3 + 46, 45);
const QPoint kCustomizeTab(300 + 96 + 46, 45);
const QPoint kApply(848 + 48, 578 + 16);
// On the MACRO page (its top left at 285, 74).
const QPoint kNew(285 + 10 + 36, 74 + 330 + 13);
const QPoint kRecordDelays(285 + 457 + 8, 74 + 198 + 11);
const QPoint kStartStop(285 + 170 + 137, 74 + 428 + 15);
// The second button row of the CUSTOMIZE page.
const QPoint kSecondRow(285 + 56 + 110, 342 + 3 + 12 + 28);

void click(const E2eSession& s, const QString& window, QPoint at) {
    s.click(window, at.x(), at.y());
}

// The steps of a macro file as the mouse's state shows them: Map, DataL, DataH.
QString fileSteps(const QString& path) {
    QSettings ini(path, QSettings::IniFormat);
    QStringList steps;
    const int count = ini.value(QStringLiteral("Setting/Count")).toInt();
    for (int i = 0; i < count; ++i) {
        QString step;
        for (const char* key : {"Map", "DataL", "DataH"})
            step += QStringLiteral(" %1").arg(
                ini.value(QStringLiteral("Setting/%1_%2").arg(QLatin1String(key)).arg(i)).toInt(),
                2, 16, QLatin1Char('0'));
        steps << step.mid(1);
    }
    return QStringLiteral("%1 steps: %2").arg(count).arg(steps.join(QStringLiteral(", ")));
}

} // namespace

class TestE2eMacro : public QObject {
    Q_OBJECT
private slots:
    void recordedMacroReachesTheMouse() {
        E2eSession s;
        SESSION_START(s, QStringList());
        const QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());

        click(s, window, kMacroTab);
        click(s, window, kNew);
        click(s, window, kRecordDelays);
        click(s, window, kStartStop);
        QTest::qWait(300);
        s.xdotool({"key", "a"});
        QTest::qWait(300);
        s.xdotool({"key", "b"});
        QTest::qWait(200);
        click(s, window, kStartStop);
        const QString file = s.appFile("Configs/MacroDB/name_1.MSMACRO");
        SESSION_VERIFY(s, waitUntil([&] { return fileSteps(file).startsWith("7 steps"); }, 5000));
        // a down, a pause, a up, ...: the first key has no pause before it.
        const QString steps = fileSteps(file);
        QVERIFY2(QRegularExpression(QStringLiteral("^7 steps: 84 04 00, 06 .. .., 04 04 00, "
                                                   "06 .. .., 84 05 00, 06 .. .., 04 05 00$"))
                     .match(steps)
                     .hasMatch(),
                 qPrintable(steps));
        grab(s, window, "recorded.png");

        // Assigned to the second button, three loops.
        click(s, window, kCustomizeTab);
        click(s, window, kSecondRow);
        s.keys({"Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down", "Down",
                "Down", "Down", "Return"}); // Macro Manager
        QString box;
        waitUntil(
            [&] {
                box = s.findWindows("Macro Manager").value(0);
                return !box.isEmpty();
            },
            5000);
        SESSION_VERIFY(s, !box.isEmpty());
        s.click(box, 80, 54 + 12);        // the list's first name
        s.click(box, 302 + 35, 204 + 14); // LOOPS TIME
        s.keys({"ctrl+a", "3"});
        const QString geometry = s.xdotool({"getwindowgeometry", "--shell", box});
        const int w =
            QRegularExpression(QStringLiteral("WIDTH=(\\d+)")).match(geometry).captured(1).toInt();
        const int h =
            QRegularExpression(QStringLiteral("HEIGHT=(\\d+)")).match(geometry).captured(1).toInt();
        s.click(box, w - 197, h - 32); // OK
        SESSION_VERIFY(s, s.waitForNoWindow("Macro Manager", 5000));

        s.vm({"log", "clear"});
        click(s, window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("    macro 0: 7 steps"); }, 10000));
        const QString state = s.vm({"state"});
        QVERIFY2(state.contains("    slot  1: 91 00 03 00 (macro)"), qPrintable(state));
        QVERIFY2(state.contains("    macro 0: " + fileSteps(file) + "\n"), qPrintable(state));
    }
};

QTEST_MAIN(TestE2eMacro)
#include "test_macro.moc"
