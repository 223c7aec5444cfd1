// The LIGHTING tab of the real program: an effect, its speed and colour, the
// sleep time and lights off while moving, applied to on-mouse profile 3,
// reach the virtual mouse as exactly that lighting record and those settings
// bytes, and show again after a restart.
#include "e2esession.h"

#include <QRegularExpression>
#include <QtTest>

namespace {

// Window-relative positions at scale 1.0 (the X server runs at 96 DPI); the
// page's top left is at 285, 74.
const QPoint kApply(848 + 48, 578 + 16);
const QPoint kModeButton(146, 292);
const QPoint kEffect(285 + 30 + 105, 74 + 40 + 14);
const QPoint kFirstSlider(285 + 30 + 114, 74 + 97 + 12);
const QPoint kSwatch(285 + 30 + 32, 74 + 215 + 32);
const QPoint kSleep(285 + 30 + 114, 74 + 320 + 12);
const QPoint kMoveOff(285 + 30 + 8, 74 + 360 + 12);
const QRect kPage(285, 74, 664, 467);
QPoint modeItem(int slot) {
    return {60, 323 + 25 * slot};
}

void click(const E2eSession& s, const QString& window, QPoint at) {
    s.click(window, at.x(), at.y());
}

// One section ("  buttons:", "  lighting:", ...) of a profile in the state.
QString section(const QString& state, int profile, const QString& title) {
    const QString p = profileState(state, profile);
    const int from = p.indexOf('\n' + title + '\n');
    if (from < 0) return QString();
    const int to =
        p.indexOf(QRegularExpression(QStringLiteral("\n  \\S")), from + 1 + title.size());
    return p.mid(from, to < 0 ? -1 : to - from);
}

} // namespace

class TestE2eLighting : public QObject {
    Q_OBJECT
private slots:
    void lightingReachesTheMouseAndStays() {
        E2eSession s;
        SESSION_START(s, QStringList());
        QString window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        click(s, window, kModeButton);
        click(s, window, modeItem(2));
        SESSION_VERIFY(
            s, waitUntil([&] { return s.vm({"state"}).contains("active profile: 2\n"); }, 5000));
        const QString before = s.vm({"state"});

        // The window opens on LIGHTING.
        click(s, window, kEffect);
        s.keys({"Down", "Down", "Return"}); // BREATHING
        click(s, window, kFirstSlider);     // its speed, on the first row
        s.keys({"Home", "Right", "Right", "Right"});
        click(s, window, kSwatch);
        QString editor;
        waitUntil(
            [&] {
                editor = s.findWindows("Color Edit").value(0);
                return !editor.isEmpty();
            },
            5000);
        SESSION_VERIFY(s, !editor.isEmpty());
        s.keys({"ctrl+a", "1", "2", "a", "b", "3", "4", "Return"});
        SESSION_VERIFY(s, s.waitForNoWindow("Color Edit", 5000));
        click(s, window, kSleep);
        s.keys({"Home", "Right", "Right"});
        // Lights off while moving: off and on again, so it ends ticked.
        click(s, window, kMoveOff);
        click(s, window, kMoveOff);
        QTest::qWait(300);
        const QImage shown = grab(s, window, "chosen.png");

        click(s, window, kApply);
        SESSION_VERIFY(s, waitUntil(
                              [&] {
                                  return section(s.vm({"state"}), 2, "  lighting:")
                                      .contains("80 12 ab 34 01 04 04 03");
                              },
                              10000));
        QTest::qWait(500);
        const QString state = s.vm({"state"});
        const QString settings = section(state, 2, "  settings:");
        QVERIFY2(settings.contains("light off when moving: 0, light sleep time: 3"),
                 qPrintable(settings));
        QVERIFY2(settings.contains("lighting mode: 3"), qPrintable(settings));
        for (const char* title : {"  DPI stages:", "  buttons:", "  macros:"})
            QCOMPARE(section(state, 2, title), section(before, 2, title));
        for (int p : {0, 1, 3, 4})
            QCOMPARE(profileState(state, p), profileState(before, p));

        // Ended without a goodbye, started again: the same page.
        s.stopPrograms();
        SESSION_VERIFY(s, s.waitForNoWindow(E2eSession::productTitle(), 5000));
        window = s.startProgramWindow();
        SESSION_VERIFY(s, !window.isEmpty());
        QTest::qWait(500);
        const QImage again = grab(s, window, "restarted.png");
        QVERIFY2(sameLook(shown.copy(kPage), again.copy(kPage)), qPrintable(s.workDir()));
    }
};

QTEST_MAIN(TestE2eLighting)
#include "test_lighting.moc"
