// DeviceNotifier over the virtual mouse: interface names, the difference
// between enumerations, and the periodic re-enumeration.
#include "devicenotifier.h"
#include "inprocessport.h"
#include "virtualmouse.h"

#include <QRegularExpression>
#include <QSignalSpy>
#include <QtTest>

namespace {

DeviceNotifier::Enumerator enumeratorFor(HidPort& port) {
    return [&port] {
        std::vector<HidCollectionInfo> list;
        for (const HidDeviceRecord& r : port.enumerate(0, 0))
            list.push_back({r.path, r.vendorId, r.productId, r.usagePage, r.usage});
        return list;
    };
}

// "+name" for arrivals and "-name" for removals, in the order they came.
struct Recorder {
    explicit Recorder(DeviceNotifier& n) {
        QObject::connect(&n, &DeviceNotifier::interfaceArrived,
                         [this](const QString& name, const QByteArray& path) {
                             events << "+" + name;
                             paths << path;
                         });
        QObject::connect(&n, &DeviceNotifier::interfaceRemoved,
                         [this](const QString& name, const QByteArray& path) {
                             events << "-" + name;
                             paths << path;
                         });
    }
    QStringList events;
    QByteArrayList paths;
};

} // namespace

class TestDeviceNotifier : public QObject {
    Q_OBJECT
private slots:
    void interfaceNames_data();
    void interfaceNames();
    void differences_data();
    void differences();
    void startTakesPresentDevicesAsKnown();
    void removedNodeBackWithinOneScan();
    void fallbackReEnumeration();
    void stopEndsNotices();
};

void TestDeviceNotifier::interfaceNames_data() {
    QTest::addColumn<int>("usagePage");
    QTest::addColumn<int>("usage");
    QTest::addColumn<int>("vid");
    QTest::addColumn<int>("pid");
    QTest::addColumn<QString>("name");
    QTest::newRow("mouse") << 1 << 2 << 0x248A << 0xFA02 << "HID#VID_248A&PID_FA02&Col01";
    QTest::newRow("command") << 1 << 0 << 0x248A << 0xFB01 << "HID#VID_248A&PID_FB01&Col04";
    QTest::newRow("small IDs keep four digits")
        << 1 << 0 << 0xAB << 0x1 << "HID#VID_00AB&PID_0001&Col04";
    QTest::newRow("keyboard ignored") << 1 << 6 << 0x248A << 0xFA02 << "";
    QTest::newRow("consumer ignored") << 0x0C << 1 << 0x248A << 0xFA02 << "";
    QTest::newRow("vendor page ignored") << 0xFF00 << 0 << 0x248A << 0xFA02 << "";
}

void TestDeviceNotifier::interfaceNames() {
    QFETCH(int, usagePage);
    QFETCH(int, usage);
    QFETCH(int, vid);
    QFETCH(int, pid);
    QFETCH(QString, name);
    HidCollectionInfo c{"/dev/hidraw3", uint16_t(vid), uint16_t(pid), uint16_t(usagePage),
                        uint16_t(usage)};
    QCOMPARE(DeviceNotifier::interfaceName(c), name);
    if (name.isEmpty()) return;
    // The name reads back through the device-change rule's pattern.
    const QRegularExpression rule("HID#VID_(?<vid>\\w{4})&PID_(?<pid>\\w{4})&col0[14]",
                                  QRegularExpression::CaseInsensitiveOption);
    const auto m = rule.match(name);
    QVERIFY(m.hasMatch());
    QCOMPARE(m.captured("vid").toInt(nullptr, 16), vid);
    QCOMPARE(m.captured("pid").toInt(nullptr, 16), pid);
}

void TestDeviceNotifier::differences_data() {
    QTest::addColumn<QStringList>("steps"); // plug/unplug receiver/cable, then a rescan
    QTest::addColumn<QStringList>("events");
    const QString rMouse = "HID#VID_248A&PID_FA02&Col01";
    const QString rCmd = "HID#VID_248A&PID_FA02&Col04";
    const QString cMouse = "HID#VID_248A&PID_FB01&Col01";
    const QString cCmd = "HID#VID_248A&PID_FB01&Col04";
    QTest::newRow("nothing changes") << QStringList{""} << QStringList{};
    QTest::newRow("receiver arrives")
        << QStringList{"plug receiver"} << QStringList{"+" + rMouse, "+" + rCmd};
    QTest::newRow("receiver comes and goes")
        << QStringList{"plug receiver", "unplug receiver"}
        << QStringList{"+" + rMouse, "+" + rCmd, "-" + rMouse, "-" + rCmd};
    QTest::newRow("cable beside the receiver")
        << QStringList{"plug receiver", "plug cable", "unplug cable"}
        << QStringList{"+" + rMouse, "+" + rCmd,   "+" + cMouse,
                       "+" + cCmd,   "-" + cMouse, "-" + cCmd};
    QTest::newRow("a replug between two scans is a removal then an arrival")
        << QStringList{"plug cable", "unplug cable plug cable"}
        << QStringList{"+" + cMouse, "+" + cCmd,   "-" + cMouse,
                       "-" + cCmd,   "+" + cMouse, "+" + cCmd};
    QTest::newRow("both at once") << QStringList{"plug receiver plug cable",
                                                 "unplug receiver unplug cable"}
                                  << QStringList{"+" + rMouse, "+" + rCmd,   "+" + cMouse,
                                                 "+" + cCmd,   "-" + rMouse, "-" + rCmd,
                                                 "-" + cMouse, "-" + cCmd};
}

void TestDeviceNotifier::differences() {
    QFETCH(QStringList, steps);
    QFETCH(QStringList, events);
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    DeviceNotifier notifier(enumeratorFor(port));
    Recorder rec(notifier);
    for (const QString& step : steps) {
        const QStringList words = step.split(' ', Qt::SkipEmptyParts);
        for (int i = 0; i + 1 < words.size(); i += 2) {
            vm::Link link;
            QVERIFY(vm::linkFromName(words[i + 1].toStdString(), &link));
            if (words[i] == "plug")
                mouse.plug(link);
            else
                mouse.unplug(link);
        }
        notifier.rescan();
    }
    QCOMPARE(rec.events, events);
    // Each notice carries the HID library's path of that collection.
    for (int i = 0; i < rec.events.size(); ++i)
        QVERIFY(rec.paths[i].startsWith(rec.events[i].contains("FA02")
                                            ? "/dev/virtual-mouse/receiver"
                                            : "/dev/virtual-mouse/cable"));
}

void TestDeviceNotifier::startTakesPresentDevicesAsKnown() {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    mouse.plug(vm::Link::Receiver);
    DeviceNotifier notifier(enumeratorFor(port));
    Recorder rec(notifier);
    const bool monitor = notifier.start();
    QCOMPARE(monitor, notifier.monitorActive()); // with or without udev, the scan runs
    QVERIFY(notifier.running());
    notifier.rescan();
    QCOMPARE(rec.events, QStringList());
    mouse.unplug(vm::Link::Receiver);
    notifier.rescan();
    QCOMPARE(rec.events,
             (QStringList{"-HID#VID_248A&PID_FA02&Col01", "-HID#VID_248A&PID_FA02&Col04"}));
}

void TestDeviceNotifier::removedNodeBackWithinOneScan() {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    mouse.plug(vm::Link::Receiver);
    mouse.plug(vm::Link::Cable);
    DeviceNotifier notifier(enumeratorFor(port));
    Recorder rec(notifier);
    notifier.start();
    // The monitor saw the receiver's node go; by the scan it is back under
    // the same path. Its handles are dead, so it must read as removed and
    // arrived again; the cable is untouched.
    const QByteArray receiverPath = port.enumerate(0x248A, 0xFA02).at(0).path;
    notifier.noteRemovedPath(receiverPath);
    notifier.noteRemovedPath("/dev/hidraw99"); // a node of another device
    notifier.rescan();
    QCOMPARE(rec.events,
             (QStringList{"-HID#VID_248A&PID_FA02&Col01", "-HID#VID_248A&PID_FA02&Col04",
                          "+HID#VID_248A&PID_FA02&Col01", "+HID#VID_248A&PID_FA02&Col04"}));
    // The note is used once.
    rec.events.clear();
    notifier.rescan();
    QCOMPARE(rec.events, QStringList());
}

void TestDeviceNotifier::fallbackReEnumeration() {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    DeviceNotifier notifier(enumeratorFor(port));
    QCOMPARE(notifier.fallbackInterval(), 2000);
    QSignalSpy arrived(&notifier, &DeviceNotifier::interfaceArrived);
    QSignalSpy removed(&notifier, &DeviceNotifier::interfaceRemoved);
    notifier.start();
    // The virtual mouse makes no udev events: only the periodic scan sees it.
    mouse.plug(vm::Link::Cable);
    QVERIFY(arrived.wait(3000));
    if (arrived.size() < 2) QVERIFY(arrived.wait(100));
    QCOMPARE(arrived.size(), 2);
    QCOMPARE(arrived.at(1).at(0).toString(), QString("HID#VID_248A&PID_FB01&Col04"));
    mouse.unplug(vm::Link::Cable);
    QVERIFY(removed.wait(3000));
    QCOMPARE(arrived.size(), 2);
}

void TestDeviceNotifier::stopEndsNotices() {
    vm::VirtualMouse mouse;
    InProcessHidPort port(mouse);
    DeviceNotifier notifier(enumeratorFor(port));
    notifier.setFallbackInterval(20);
    QSignalSpy arrived(&notifier, &DeviceNotifier::interfaceArrived);
    notifier.start();
    notifier.stop();
    QVERIFY(!notifier.running());
    QVERIFY(!notifier.monitorActive());
    mouse.plug(vm::Link::Receiver);
    QTest::qWait(100);
    QCOMPARE(arrived.size(), 0);
}

QTEST_GUILESS_MAIN(TestDeviceNotifier)
#include "test_devicenotifier.moc"
