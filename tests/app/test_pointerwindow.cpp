// The window and the desktop's pointer speed, on a real X server: start-up
// takes the desktop's speed into the current profile, and an on-mouse profile
// switch applies that profile's speed.
#include "inprocessport.h"
#include "mainwindow.h"
#include "pointerspeed.h"
#include "profilefile.h"
#include "testutil.h"

#include <QtTest>

class TestPointerWindow : public QObject {
    Q_OBJECT
    XvfbServer m_xvfb;

private slots:
    void initTestCase() {
        if (!m_xvfb.start()) QSKIP(qPrintable(m_xvfb.error()));
    }

    void startupAndProfileSwitch() {
        TempAppDir app(APP_DIR);
        vm::VirtualMouse mouse;
        InProcessHidPort port(mouse);
        setHidPort(&port);
        mouse.plug(vm::Link::Receiver);

        MouseProfile stored;
        loadProfileByName(stored, QStringLiteral("Profile 1"));
        QCOMPARE(int(stored.mousespeed), 10);
        QVERIFY(applyPointerSpeed(14));
        {
            MainWindow w;
            w.startDevices();
            QCOMPARE(int(w.editedSettings().current().mousespeed), 14);
            QCOMPARE(int(w.editedSettings().profiles[1].mousespeed), 10);

            w.editedSettings().profiles[2].mousespeed = 7;
            const MouseProfile& p2 = w.editedSettings().profiles[2];
            w.onMouseChanged(2, p2.dpi, p2.pollrate);
            QCOMPARE(int(w.editedSettings().currentProfile), 2);
            QCOMPARE(readPointerSpeed(), 7);
        }
        setHidPort(nullptr);
    }
};

QTEST_MAIN(TestPointerWindow)
#include "test_pointerwindow.moc"
