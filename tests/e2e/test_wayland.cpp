// The real program on a Wayland compositor of its own: it runs there
// natively, takes keys typed into its dialogs, never takes the focus with a
// notice, and a second start brings the first window forward.
#include "waylandsession.h"

#include <QSet>
#include <QtTest>

namespace {

// Window-relative positions at scale 1.0.
const QPoint kCustomizeTab(300 + 96 + 46, 45);
const QPoint kApply(848 + 48, 578 + 16);
const QPoint kFourthButton(285 + 56 + 110, 342 + 3 + 12 + 28 * 3);

const char* const kAppId = "io.mousecfg.mousecfg";

QString name(const QJsonObject& view) {
    return view.value(QLatin1String("name")).toString();
}

// Distinct colours in the part of `picture` the view covers.
int colours(const QImage& picture, const QJsonObject& view) {
    const QJsonObject r = view.value(QLatin1String("rect")).toObject();
    const QImage part = picture.copy(
        r.value(QLatin1String("x")).toInt(), r.value(QLatin1String("y")).toInt(),
        r.value(QLatin1String("width")).toInt(), r.value(QLatin1String("height")).toInt());
    QSet<QRgb> seen;
    for (int y = 0; y < part.height(); y += 2)
        for (int x = 0; x < part.width(); x += 2)
            seen << part.pixel(x, y);
    return int(seen.size());
}

// Starts a window that takes the focus from the program; false when it did not.
bool focusElsewhere(WaylandSession& s, const QString& title) {
    s.startFocusWindow(title);
    return waitUntil([&] { return name(s.focusedView()) == title; }, 15000);
}

} // namespace

class TestE2eWayland : public QObject {
    Q_OBJECT
private slots:
    void startsNatively() {
        WaylandSession s;
        WAYLAND_START(s);
        QProcess* program = s.startProgram();
        const QJsonObject view = s.waitForView(E2eSession::productTitle(), 45000);
        SESSION_VERIFY(s, !view.isEmpty());
        QCOMPARE(view.value("app_id").toString(), QString(kAppId));
        QCOMPARE(view.value("shell").toString(), QString("xdg_shell"));
        QCOMPARE(qint64(view.value("pid").toDouble()), program->processId());
        QTest::qWait(1000); // drawn
        const QImage shot = s.picture("started.png");
        QVERIFY2(!shot.isNull(), qPrintable(s.workDir()));
        QVERIFY2(colours(shot, view) > 16, qPrintable(s.workDir()));
    }

    void typedKeyReachesTheMouse() {
        WaylandSession s;
        WAYLAND_START(s);
        const QJsonObject window = s.startProgramView();
        SESSION_VERIFY(s, !window.isEmpty());
        s.click(window, kCustomizeTab);
        s.click(window, kFourthButton);
        QStringList keys;
        for (int i = 0; i < 8; ++i)
            keys << "-k"
                 << "Down";
        s.type(keys + QStringList{"-k", "Right", "-k", "Return"}); // Advance, SINGLE KEY
        SESSION_VERIFY(s, !s.waitForView("Single Key", 5000).isEmpty());
        SESSION_VERIFY(s, waitUntil([&] { return name(s.focusedView()) == "Single Key"; }, 5000));
        // wtype makes a key map of its own, giving its n-th key the code n;
        // Escape and the top row in their order get the codes a keyboard sends.
        s.type({"-k", "Escape", "-k", "1", "-k", "2", "-k", "3"});
        const QJsonObject box = s.view("Single Key");
        const QJsonObject r = box.value("window_rect").toObject();
        s.click(box, {r.value("width").toInt() - 197, r.value("height").toInt() - 32}); // OK
        SESSION_VERIFY(s, waitUntil([&] { return s.view("Single Key").isEmpty(); }, 5000));

        s.vm({"log", "clear"});
        s.click(window, kApply);
        SESSION_VERIFY(
            s, waitUntil([&] { return sentCommands(s.vm({"log"})).contains("40"); }, 10000));
        QTest::qWait(500);
        const QString state = profileState(s.vm({"state"}), 0);
        QVERIFY2(state.contains("    slot  3: 90 00 20 00 (key)\n"), qPrintable(state)); // "3"
    }

    void noticeLeavesTheFocusAlone() {
        WaylandSession s;
        WAYLAND_START(s);
        SESSION_VERIFY(s, !s.startProgramView().isEmpty());
        SESSION_VERIFY(s, focusElsewhere(s, "holder"));
        const QImage before = s.picture("before.png");
        SESSION_VERIFY(s, hearsDpiButton(s));
        QTest::qWait(500); // the notice is up
        // Shown, not only received: the lower middle of the screen changed.
        const QRect band(320, 500, 640, 200);
        QVERIFY2(s.picture("notice.png").copy(band) != before.copy(band), qPrintable(s.workDir()));
        QCOMPARE(name(s.focusedView()), QString("holder"));
        // The other client's own view: it never lost the keyboard.
        QCOMPARE(readText(s.workDir() + "/holder.out"), QByteArray("active\n"));
    }

    void secondStartRaisesTheFirst() {
        WaylandSession s;
        WAYLAND_START(s);
        SESSION_VERIFY(s, !s.startProgramView().isEmpty());
        SESSION_VERIFY(s, focusElsewhere(s, "holder"));
        QProcess* second = s.startProgram();
        SESSION_VERIFY(s, second->waitForFinished(20000));
        QCOMPARE(second->exitCode(), 1);
        // No second window; sway's tree may briefly miss a view while it
        // moves the focus.
        SESSION_VERIFY(s, waitUntil([&] { return s.views().size() == 2; }, 5000));
        const bool raised =
            waitUntil([&] { return name(s.focusedView()) == E2eSession::productTitle(); }, 5000);
        QVERIFY(raised);
        QVERIFY(s.view(E2eSession::productTitle()).value("visible").toBool());
    }

    // The on-mouse profile follows the view in front, as sway tells it.
    void profileFollowsTheFocusedView() {
        WaylandSession s;
        WAYLAND_START(s);
        writeFollowRules(s);
        SESSION_VERIFY(s, !s.startProgramView().isEmpty());
        s.startFocusWindow("Game A", {"--app-id", "gamea"});
        s.startFocusWindow("Game B", {"--app-id", "org.example.GameB"});
        SESSION_VERIFY(s, !s.waitForView("Game A", 15000).isEmpty());
        SESSION_VERIFY(s, !s.waitForView("Game B", 15000).isEmpty());
        for (const auto& [title, profile] :
             {std::pair{"Game A", 1}, {"Game B", 2}, {"Game A", 1}}) {
            s.swaymsg({QStringLiteral("[title=\"%1\"] focus").arg(title)});
            SESSION_VERIFY(s, activeProfileBecomes(s, profile));
        }
        // The program's own window leaves the profile alone.
        s.swaymsg({QStringLiteral("[title=\"%1\"] focus").arg(E2eSession::productTitle())});
        QTest::qWait(1000);
        QCOMPARE(activeProfile(s), 1);
    }
};

QTEST_MAIN(TestE2eWayland)
#include "test_wayland.moc"
