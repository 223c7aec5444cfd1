// The window and the desktop's pointer speed: left alone on a bare X server
// (core acceleration included), followed and then put back under GNOME.
#include "dpipage.h"
#include "inprocessport.h"
#include "kestlabel.h"
#include "mainwindow.h"
#include "pointerspeedpanel.h"
#include "profilefile.h"
#include "testutil.h"

#include <QtTest>

#include <X11/Xlib.h>

namespace {
struct Acceleration {
    int num = 0, denom = 0, threshold = 0;
};

Acceleration coreAcceleration() {
    Acceleration a;
    Display* d = XOpenDisplay(nullptr);
    if (!d) return a;
    XGetPointerControl(d, &a.num, &a.denom, &a.threshold);
    XCloseDisplay(d);
    return a;
}

// Starts the window, switches the mouse to profile 3 (speed 7) and reports
// the speed start-up took and whether the panel showed its note.
void startAndSwitch(int& startSpeed, bool& noteShown) {
    TempAppDir app(APP_DIR);
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    setHidPort(&port);
    mouse.plug(vm::Link::Receiver);
    {
        MainWindow w;
        w.startDevices();
        startSpeed = w.editedSettings().current().mousespeed;
        QCOMPARE(int(w.editedSettings().profiles[1].mousespeed), 10);
        w.selectTab(MainWindow::DpiTab);
        auto* panel = w.findChild<PointerSpeedPanel*>();
        QVERIFY(panel);
        noteShown = panel->speedNote()->isVisibleTo(panel);

        w.editedSettings().profiles[2].mousespeed = 7;
        const MouseProfile& p2 = w.editedSettings().profiles[2];
        w.onMouseChanged(2, p2.dpi, p2.pollrate);
        QCOMPARE(int(w.editedSettings().currentProfile), 2);
        if (!noteShown) QCOMPARE(gnomeMouseSpeed(), -3 / 9.0);
    }
    setHidPort(nullptr);
}
} // namespace

class TestPointerWindow : public QObject {
    Q_OBJECT
    XvfbServer m_xvfb;

private slots:
    void bareXServer() {
        if (!m_xvfb.start()) QSKIP(qPrintable(m_xvfb.error()));
        qunsetenv("XDG_CURRENT_DESKTOP");
        // A stock server's 2/1 is what the user has; it must stay.
        Display* d = XOpenDisplay(nullptr);
        QVERIFY(d);
        XChangePointerControl(d, True, True, 2, 1, 4);
        XCloseDisplay(d);

        int startSpeed = 0;
        bool noteShown = false;
        startAndSwitch(startSpeed, noteShown);
        QCOMPARE(startSpeed, 10); // the profile file's
        QVERIFY(noteShown);
        const Acceleration after = coreAcceleration();
        QCOMPARE(after.num, 2);
        QCOMPARE(after.denom, 1);
        QCOMPARE(after.threshold, 4);
    }

    void gnomeSession() {
        QTemporaryDir home;
        if (!gnomeSettingsIn(home.path())) QSKIP("gsettings or the GNOME schemas are missing");
        setGnomeMouseSpeed(0.4);
        int startSpeed = 0;
        bool noteShown = true;
        startAndSwitch(startSpeed, noteShown);
        QCOMPARE(startSpeed, 14);
        QVERIFY(!noteShown);
        QCOMPARE(gnomeMouseSpeed(), 0.4);
    }
};

QTEST_MAIN(TestPointerWindow)
#include "test_pointerwindow.moc"
