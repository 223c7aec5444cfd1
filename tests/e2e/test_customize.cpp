// Buttons remapped in the real program's CUSTOMIZE tab reach the virtual
// mouse as exactly those button records, and show again after a restart.
#include "e2esession.h"

#include <QDir>
#include <QRegularExpression>
#include <QtTest>

namespace {

// Window-relative positions at scale 1.0 (the X server runs at 96 DPI).
const QPoint kCustomizeTab(300 + 96 + 46, 45);
const QPoint kApply(848 + 48, 578 + 16);
const QPoint kModeButton(146, 292);
const QPoint kWheelDown(285 + 316 + 110, 342 + 3 + 28 + 12);
// The button list: seven rows 25 high in a page 199 high, 3 apart.
const QRect kButtonRows(285, 342, 664, 199);
QPoint row(int number) {
    return {285 + 56 + 110, 342 + 3 + 12 + 28 * (number - 1)};
}
QPoint modeItem(int slot) {
    return {60, 323 + 25 * slot};
}

void click(const E2eSession& s, const QString& window, QPoint at) {
    s.click(window, at.x(), at.y());
}

// The dialog titled `title`, "" when it does not come up.
QString dialog(const E2eSession& s, const QString& title) {
    QString id;
    waitUntil(
        [&] {
            id = s.findWindows(title).value(0);
            return !id.isEmpty();
        },
        5000);
    return id;
}

// OK of a skinned dialog: 20 from the right, next to Cancel, 18 from the bottom.
void pressOk(const E2eSession& s, const QString& id) {
    const QString geometry = s.xdotool({"getwindowgeometry", "--shell", id});
    const int w =
        QRegularExpression(QStringLiteral("WIDTH=(\\d+)")).match(geometry).captured(1).toInt();
    const int h =
        QRegularExpression(QStringLiteral("HEIGHT=(\\d+)")).match(geometry).captured(1).toInt();
    s.click(id, w - 197, h - 32);
}

// Walks an open menu with the keyboard: `down` entries down from the top,
// then into the submenu and `subDown` entries down there when `subDown` >= 0.
void pick(const E2eSession& s, int down, int subDown = -1) {
    QStringList keys;
    for (int i = 0; i < down; ++i)
        keys << "Down";
    if (subDown >= 0) {
        keys << "Right";
        for (int i = 0; i < subDown; ++i)
            keys << "Down";
    }
    keys << "Return";
    s.keys(keys);
}

// What `mousecfg-cli button` prints, run as a user runs it beside the window.
QString cliButtons(const E2eSession& s) {
    QProcessEnvironment env = s.childEnv();
    QString preload = s.appFile(QStringLiteral("libvirtual-mouse-hid.so"));
#ifdef SANITIZER_RUNTIMES
    preload.prepend(QStringLiteral(SANITIZER_RUNTIMES ":"));
#endif
    env.insert(QStringLiteral("LD_PRELOAD"), preload);
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(s.appFile(QStringLiteral("mousecfg-cli")), {QStringLiteral("button")});
    if (!p.waitForFinished(15000)) E2eSession::stop(&p, 500);
    return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
}

// The button lines of one profile in the mouse's state.
QStringList buttonLines(const QString& state, int profile) {
    QStringList lines;
    for (const QString& line : profileState(state, profile).split('\n'))
        if (line.startsWith(QLatin1String("    slot"))) lines << line;
    return lines;
}

} // namespace

class TestE2eCustomize : public QObject {
    Q_OBJECT
private slots:
    void assignmentsReachTheMouseAndStay() {
        E2eSession s;
        SESSION_START(s, QStringList());
        // One saved macro of four steps: two key presses and releases.
        setIniValue(configIni(s), "MACRO_LIST/0", "burst");
        QDir().mkpath(s.appFile("Configs/MacroDB"));
        writeText(s.appFile("Configs/MacroDB/burst.MSMACRO"),
                  "[Setting]\nCount=4\nMap_0=4\nDataL_0=5\nDataH_0=128\nMap_1=4\nDataL_1=5\n"
                  "DataH_1=0\nMap_2=5\nDataL_2=5\nDataH_2=128\nMap_3=5\nDataL_3=5\nDataH_3=0\n");
        QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        // The on-mouse profile 3, so the write has to go to the right one.
        click(s, window, kModeButton);
        click(s, window, modeItem(2));
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("active profile: 2\n"); }, 5000));
        const QString before = s.vm({"state"});

        click(s, window, kCustomizeTab);
        click(s, window, row(3));
        pick(s, 9, 4); // Media, Volume Up
        click(s, window, kWheelDown);
        pick(s, 7); // Middle

        // Ctrl+Alt+K on the fourth button, typed into the combination dialog.
        click(s, window, row(4));
        pick(s, 8, 1); // Advance, COMBO KEY
        QString box = dialog(s, "Combo Key");
        SESSION_VERIFY(s, !box.isEmpty());
        s.xdotool({"keydown", "Control_L", "keydown", "Alt_L", "key", "k", "keyup", "Alt_L",
                   "keyup", "Control_L"});
        QTest::qWait(300);
        pressOk(s, box);
        SESSION_VERIFY(s, s.waitForNoWindow("Combo Key", 5000));

        // Rapid fire of the middle button, 5 times 20 apart, on the fifth.
        click(s, window, row(5));
        pick(s, 8, 2); // Advance, FIRE KEY
        box = dialog(s, "FireKey Setting");
        SESSION_VERIFY(s, !box.isEmpty());
        s.click(box, 28 + 224 + 30, 68); // "Middle"
        s.click(box, 135, 144);          // "Times:"
        s.keys({"ctrl+a", "5"});
        s.click(box, 337, 144); // "Delay:"
        s.keys({"ctrl+a", "2", "0"});
        pressOk(s, box);
        SESSION_VERIFY(s, s.waitForNoWindow("FireKey Setting", 5000));

        // The macro on the second button.
        click(s, window, row(2));
        pick(s, 12); // Macro Manager
        box = dialog(s, "Macro Manager");
        SESSION_VERIFY(s, !box.isEmpty());
        s.click(box, 80, 54 + 12); // the list's first name
        pressOk(s, box);
        SESSION_VERIFY(s, s.waitForNoWindow("Macro Manager", 5000));
        const QImage shown = grab(s, window, "assigned.png");
        QVERIFY(!shown.isNull());

        s.vm({"log", "clear"});
        click(s, window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return sentCommands(s.vm({"log"})).contains("40"); }, 10000));
        QTest::qWait(500);
        const QString state = s.vm({"state"});
        const QStringList lines = buttonLines(state, 2);
        QVERIFY2(!lines.isEmpty(), qPrintable(state));
        QStringList expected = {"    slot  0: 81 00 00 00 (left button)",
                                "    slot  1: 91 00 01 00 (macro)",
                                "    slot  2: 8e 01 e9 00 (media key)",
                                "    slot  3: 8f 05 0e 00 (key with modifiers)", // Ctrl+Alt, K
                                "    slot  4: 99 84 05 02 (fire key)", // middle, 5 times, 20 apart
                                "    slot  5: 88 00 00 00 (function 0x88)",
                                "    slot  6: 97 01 00 00 (function 0x97)"};
        for (int i = 7; i < 22; ++i)
            expected << QStringLiteral("    slot %1: 00 00 00 00 (off)").arg(i, 2);
        expected << "    slot 22: 8b 00 00 00 (function 0x8b, wheel up)"
                 << "    slot 23: 83 00 00 00 (middle button, wheel down)";
        QCOMPARE(lines.mid(0, expected.size()), expected);
        QVERIFY2(profileState(state, 2).contains(
                     "    macro 0: 6 steps: 04 05 80, 04 05 00, 05 05 80, 05 05 00,"),
                 qPrintable(state));
        // The tool names the buttons as the window's labels do.
        const QString listed = cliButtons(s);
        QVERIFY2(listed.startsWith("1 Left\n2 burst\n3 Volume Up\n4 Ctrl + Alt + K\n"
                                   "5 Rapid fire Middle, 5 times, 20 ms\n"),
                 qPrintable(listed));
        // Nothing reached the other profiles.
        for (int p : {0, 1, 3, 4})
            QCOMPARE(profileState(state, p), profileState(before, p));

        // Ended without a goodbye, started again: the same labels.
        s.stopPrograms();
        SESSION_VERIFY(s, s.waitForNoWindow(E2eSession::productTitle(), 5000));
        window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kCustomizeTab);
        const QImage again = grab(s, window, "restarted.png");
        QVERIFY2(sameLook(shown.copy(kButtonRows), again.copy(kButtonRows)),
                 qPrintable(s.workDir()));
    }
};

QTEST_MAIN(TestE2eCustomize)
#include "test_customize.moc"
