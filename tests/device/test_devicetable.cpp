// The device table: the enumeration rule, the device-change rule, and opening
// and closing the handle set on the virtual mouse, and why an open failed.
#include "deviceaccess.h"
#include "devicetestutil.h"
#include "encoders.h"
#include "testutil.h"

#include <QtTest>
#include <cstring>

namespace {

DeviceEntry& entry() {
    return deviceTable().entries[0];
}

// Found flags as "receiver mouse, cable mouse, receiver command, cable command".
QString flags(const DeviceEntry& e) {
    return QStringLiteral("%1%2%3%4")
        .arg(e.receiverMouseFound)
        .arg(e.cableMouseFound)
        .arg(e.receiverCommandFound)
        .arg(e.cableCommandFound);
}

HidDeviceRecord record(uint16_t vid, uint16_t pid, uint16_t usage, uint16_t page, const char* path,
                       uint16_t release = 0) {
    HidDeviceRecord r;
    r.vendorId = vid;
    r.productId = pid;
    r.usage = usage;
    r.usagePage = page;
    r.path = path;
    r.releaseNumber = release;
    return r;
}

} // namespace

class TestDeviceTable : public QObject {
    Q_OBJECT
private slots:
    void loadTable();
    void interfaceNames_data();
    void interfaceNames();
    void enumerationRule_data();
    void enumerationRule();
    void deviceChanges_data();
    void deviceChanges();
    void identicalIdsTakenAsReceiver();
    void longPathsAreCut();
    void openOnVirtualMouse_data();
    void openOnVirtualMouse();
    void failedInitFindsNothing();
    void notifiedPathsReopenOnThisPlatform();
    void accessDiagnosis_data();
    void accessDiagnosis();
    void deniedCommand_data();
    void deniedCommand();
};

void TestDeviceTable::loadTable() {
    TempAppDir app(fixture(QStringLiteral("aero")));
    deviceTable().entries[3].receiverVid = 7; // cleared by the load
    LoadDeviceTable();
    QCOMPARE(deviceTable().count, 1u);
    QCOMPARE(entry().receiverVid, 0x248Au);
    QCOMPARE(entry().receiverPid, 0xFA02u);
    QCOMPARE(entry().cablePid, 0xFB01u);
    QCOMPARE(QByteArray(entry().mouseName), QByteArray("Qorv Aero"));
    QCOMPARE(entry().signature[0][0], 2u);
    QCOMPARE(entry().signature[1][0], 0u);
    QCOMPARE(entry().signature[3][1], 1u);
    QCOMPARE(deviceTable().entries[3].receiverVid, 0u);
    QCOMPARE(flags(entry()), QStringLiteral("0000"));
}

void TestDeviceTable::interfaceNames_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::addColumn<uint>("vid");
    QTest::addColumn<uint>("pid");
    const int none = int(CollectionKind::None);
    const int mouse = int(CollectionKind::Mouse);
    const int command = int(CollectionKind::Command);
    QTest::newRow("command") << "HID#VID_248A&PID_FA02&Col04#7&1a2b&0&0003#{4d1e55b2}" << command
                             << 0x248Au << 0xFA02u;
    QTest::newRow("mouse") << "HID#VID_248A&PID_FA02&col01#x" << mouse << 0x248Au << 0xFA02u;
    QTest::newRow("lower case") << "hid#vid_248a&pid_fb01&col04" << command << 0x248Au << 0xFB01u;
    QTest::newRow("interface mouse")
        << "HID#VID_248A&PID_FB01&MI_00&Col01#y" << mouse << 0x248Au << 0xFB01u;
    QTest::newRow("interface command")
        << "HID#VID_248A&PID_FB01&mi_00&COL04" << command << 0x248Au << 0xFB01u;
    QTest::newRow("other collection") << "HID#VID_248A&PID_FA02&Col02" << none << 0u << 0u;
    QTest::newRow("one collection only") << "HID#VID_248A&PID_FA02#7&abc" << none << 0u << 0u;
    QTest::newRow("other interface") << "HID#VID_248A&PID_FA02&MI_01&Col01" << none << 0u << 0u;
    QTest::newRow("not HID") << "USB#VID_248A&PID_FA02&Col01" << none << 0u << 0u;
    QTest::newRow("empty") << "" << none << 0u << 0u;
    QTest::newRow("hidraw path") << "/dev/hidraw3" << none << 0u << 0u;
}

void TestDeviceTable::interfaceNames() {
    QFETCH(QString, name);
    QFETCH(int, kind);
    QFETCH(uint, vid);
    QFETCH(uint, pid);
    const InterfaceName n = parseInterfaceName(name);
    QCOMPARE(int(n.kind), kind);
    QCOMPARE(n.vid, vid);
    QCOMPARE(n.pid, pid);
}

void TestDeviceTable::enumerationRule_data() {
    QTest::addColumn<uint>("pid");
    QTest::addColumn<uint>("usage");
    QTest::addColumn<uint>("page");
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<uint>("release");
    const QByteArray win = "\\\\?\\hid#vid_248a&pid_fa02&mi_00&col";
    QTest::newRow("receiver mouse") << 0xFA02u << 2u << 1u << win + "01#1"
                                    << "1000" << 0u;
    QTest::newRow("receiver command col04") << 0xFA02u << 0u << 1u << win + "04#1"
                                            << "0010" << 0u;
    QTest::newRow("receiver command Col04") << 0xFA02u << 0u << 1u << win.toUpper() + "04#1"
                                            << "0010" << 0u;
    QTest::newRow("receiver col02 is not the command") << 0xFA02u << 0u << 1u << win + "02#1"
                                                       << "0000" << 0u;
    QTest::newRow("hidraw command by usage")
        << 0xFA02u << 0u << 1u << QByteArray("/dev/hidraw4") << "0010" << 0u;
    QTest::newRow("vendor page ignored")
        << 0xFA02u << 0u << 0xFF00u << QByteArray("/dev/hidraw4") << "0000" << 0u;
    QTest::newRow("keyboard usage ignored")
        << 0xFA02u << 6u << 1u << QByteArray("/dev/hidraw4") << "0000" << 0u;
    QTest::newRow("cable mouse") << 0xFB01u << 2u << 1u << QByteArray("/dev/hidraw5") << "0100"
                                 << 0u;
    QTest::newRow("cable command without col test")
        << 0xFB01u << 0u << 1u << QByteArray("x&col02") << "0001" << 0x0123u;
    QTest::newRow("other product")
        << 0xFA03u << 0u << 1u << QByteArray("/dev/hidraw4") << "0000" << 0u;
}

void TestDeviceTable::enumerationRule() {
    QFETCH(uint, pid);
    QFETCH(uint, usage);
    QFETCH(uint, page);
    QFETCH(QByteArray, path);
    QFETCH(QString, flags);
    QFETCH(uint, release);
    TempAppDir app(fixture(QStringLiteral("aero")));
    LoadDeviceTable();
    recordEnumeratedDevice(deviceTable(),
                           record(0x248A, uint16_t(pid), uint16_t(usage), uint16_t(page),
                                  path.constData(), uint16_t(release)));
    QCOMPARE(::flags(entry()), flags);
    if (release) QCOMPARE(uint(cableReleaseNumber()), release);
    if (flags == QLatin1String("0010")) QCOMPARE(QByteArray(entry().receiverCommandPath), path);
}

void TestDeviceTable::deviceChanges_data() {
    // Events: "+" arrival / "-" removal, "R" receiver / "C" cable, "1" mouse / "4" command.
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("flags");
    QTest::addColumn<bool>("completed"); // of the last event
    QTest::addColumn<bool>("cleared");
    QTest::addColumn<bool>("reopen");
    QTest::addColumn<bool>("appeared");
    QTest::addColumn<int>("reactions");
    QTest::newRow("mouse collection alone") << "+R1"
                                            << "1000" << false << false << true << true << 1;
    QTest::newRow("receiver completed") << "+R1 +R4"
                                        << "1010" << true << false << true << true << 1;
    QTest::newRow("repeated arrival") << "+R1 +R4 +R4"
                                      << "1010" << true << false << true << false << 1;
    QTest::newRow("cable completed") << "+C4 +C1"
                                     << "0101" << true << false << true << true << 1;
    QTest::newRow("half removed") << "+R1 +R4 -R1"
                                  << "0010" << false << false << true << false << 1;
    QTest::newRow("all removed") << "+R1 +R4 -R1 -R4"
                                 << "0000" << false << true << false << false << 1;
    QTest::newRow("removal of a missing one") << "+R1 -R4"
                                              << "1000" << false << false << false << false << 0;
    QTest::newRow("receiver leaves, cable stays")
        << "+R1 +R4 +C1 +C4 -R1 -R4"
        << "0101" << false << false << false << false << 1;
    QTest::newRow("cable leaves, receiver stays") << "+R1 +R4 +C1 +C4 -C1"
                                                  << "1011" << false << false << true << false << 1;
    QTest::newRow("unknown device") << "+X4"
                                    << "0000" << false << false << false << false << 0;
}

void TestDeviceTable::deviceChanges() {
    QFETCH(QString, events);
    QFETCH(QString, flags);
    QFETCH(bool, completed);
    QFETCH(bool, cleared);
    QFETCH(bool, reopen);
    QFETCH(bool, appeared);
    QFETCH(int, reactions);
    TempAppDir app(fixture(QStringLiteral("aero")));
    LoadDeviceTable();
    DeviceChange last;
    for (const QString& ev : events.split(' ')) {
        const QString pid = ev[1] == 'R'   ? QStringLiteral("FA02")
                            : ev[1] == 'C' ? QStringLiteral("FB01")
                                           : QStringLiteral("1234");
        const QString name =
            QStringLiteral("HID#VID_248A&PID_%1&Col0%2#7&2f&0&000%2").arg(pid, ev.mid(2));
        last = applyDeviceChange(deviceTable(), name, ev[0] == '+', QByteArray("Qorv Aero"));
    }
    QCOMPARE(::flags(entry()), flags);
    QCOMPARE(int(last.entries.size()), reactions);
    QCOMPARE(last.collectionAppeared, appeared);
    if (reactions) {
        const EntryReaction& r = last.entries.front();
        QCOMPARE(r.connectionCompleted, completed);
        QCOMPARE(r.entryCleared, cleared);
        QCOMPARE(r.reopen, reopen);
        QVERIFY(r.currentMouse);
    }
    const bool receiverPair = flags[0] == '1' && flags[2] == '1';
    const bool cablePair = flags[1] == '1' && flags[3] == '1';
    QCOMPARE(connectedMouseCount(deviceTable()), receiverPair || cablePair ? 1 : 0);
    if (events == QLatin1String("+R1"))
        QCOMPARE(QByteArray(entry().receiverMousePath),
                 QByteArray("\\\\?\\HID#VID_248A&PID_FA02&Col01#7&2f&0&0001"));
    // Another mouse name: same table changes, but it is not the current mouse.
    const DeviceChange other = applyDeviceChange(
        deviceTable(), QStringLiteral("HID#VID_248A&PID_FA02&Col01"), true, QByteArray("Other"));
    QVERIFY(!other.entries.front().reopen);
}

void TestDeviceTable::identicalIdsTakenAsReceiver() {
    TempAppDir app(fixture(QStringLiteral("aero")));
    LoadDeviceTable();
    entry().cablePid = entry().receiverPid;
    for (const char* c : {"1", "4"}) {
        const DeviceChange ch = applyDeviceChange(
            deviceTable(), QStringLiteral("HID#VID_248A&PID_FA02&Col0%1").arg(QLatin1String(c)),
            true, QByteArray("Qorv Aero"));
        QVERIFY(ch.entries.front().receiver);
    }
    QCOMPARE(flags(entry()), QStringLiteral("1010"));
}

void TestDeviceTable::longPathsAreCut() {
    TempAppDir app(fixture(QStringLiteral("aero")));
    LoadDeviceTable();
    const QByteArray path(300, 'p');
    recordEnumeratedDevice(deviceTable(), record(0x248A, 0xFA02, 2, 1, path.constData()));
    QCOMPARE(QByteArray(entry().receiverMousePath), path.left(kDevicePathSize - 1));
}

void TestDeviceTable::openOnVirtualMouse_data() {
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("open");
    QTest::addColumn<char>("commandLink");
    QTest::newRow("receiver only") << true << false << "Qorv Aero" << 2 << 'R';
    QTest::newRow("cable only") << false << true << "Qorv Aero" << 2 << 'C';
    QTest::newRow("both: cable carries commands") << true << true << "Qorv Aero" << 4 << 'C';
    QTest::newRow("other name") << true << true << "Qorv Aer" << 0 << char(0);
    QTest::newRow("nothing plugged") << false << false << "Qorv Aero" << 0 << char(0);
}

void TestDeviceTable::openOnVirtualMouse() {
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(QString, name);
    QFETCH(int, open);
    QFETCH(char, commandLink);
    TempAppDir app(fixture(QStringLiteral("aero")));
    {
        VirtualLink link(receiver, cable);
        CloseDevices();
        OpenDeviceByName(name.toLatin1());
        QCOMPARE(link.port.openCount(), open);
        if (cable) QVERIFY(cableReleaseNumber() != 0);
        const uint8_t result = SendCommand(applyBlockReport(1));
        QCOMPARE(int(result), commandLink ? 0 : 1);
        const auto out = link.sent();
        QCOMPARE(int(out.size()), commandLink ? 1 : 0);
        if (commandLink) QCOMPARE(int(link.sent(commandLink).size()), 1);
        CloseDevices();
        QCOMPARE(link.port.openCount(), 0);
        QVERIFY(!commandHandle());
    }
}

void TestDeviceTable::failedInitFindsNothing() {
    TempAppDir app(fixture(QStringLiteral("aero")));
    VirtualLink link(true, false);
    CloseDevices();
    LoadDeviceTable();
    link.port.setInitFails(true);
    QCOMPARE(EnumerateDevices(), -1);
    QCOMPARE(flags(entry()), QStringLiteral("0000"));
    link.port.setInitFails(false);
    QCOMPARE(EnumerateDevices(), 0);
    QCOMPARE(flags(entry()), QStringLiteral("1010"));
    link.port.setInitFails(true);
    OpenDeviceByName(QByteArray("Qorv Aero"));
    QCOMPARE(link.port.openCount(), 0);
}

void TestDeviceTable::notifiedPathsReopenOnThisPlatform() {
    // A notification carries the Windows interface name, which no hidraw
    // device answers to; opening must still reach the device.
    TempAppDir app(fixture(QStringLiteral("aero")));
    VirtualLink link(false, false);
    CloseDevices();
    LoadDeviceTable();
    link.mouse.plug(vm::Link::Cable);
    for (const char* c : {"1", "4"})
        applyDeviceChange(deviceTable(),
                          QStringLiteral("HID#VID_248A&PID_FB01&Col0%1").arg(QLatin1String(c)),
                          true, QByteArray("Qorv Aero"));
    OpenDeviceByName(QByteArray("Qorv Aero"));
    QCOMPARE(link.port.openCount(), 2);
    QCOMPARE(int(SendCommand(profileWriteReport(false))), 0);
    QVERIFY(!QByteArray(entry().cableCommandPath).startsWith("\\\\?\\"));
}

void TestDeviceTable::accessDiagnosis_data() {
    QTest::addColumn<bool>("receiver");
    QTest::addColumn<bool>("cable");
    QTest::addColumn<bool>("denied");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("access");
    QTest::addColumn<QStringList>("paths");
    const int open = int(MouseAccess::Open), refused = int(MouseAccess::Denied),
              notFound = int(MouseAccess::NotFound);
    const QString r = QStringLiteral("/dev/virtual-mouse/receiver-1");
    const QString c = QStringLiteral("/dev/virtual-mouse/cable-1");
    QTest::newRow("allowed") << true << false << false << "Qorv Aero" << open << QStringList();
    // Both collections share one node: it is named once.
    QTest::newRow("receiver refused")
        << true << false << true << "Qorv Aero" << refused << QStringList{r};
    QTest::newRow("both links refused")
        << true << true << true << "Qorv Aero" << refused << QStringList{r, c};
    QTest::newRow("nothing plugged")
        << false << false << true << "Qorv Aero" << notFound << QStringList();
    QTest::newRow("other mouse") << true << false << true << "Qorv Aer" << notFound
                                 << QStringList();
}

void TestDeviceTable::accessDiagnosis() {
    QFETCH(bool, receiver);
    QFETCH(bool, cable);
    QFETCH(bool, denied);
    QFETCH(QString, name);
    QFETCH(int, access);
    QFETCH(QStringList, paths);
    TempAppDir app(fixture(QStringLiteral("aero")));
    VirtualLink link(receiver, cable);
    CloseDevices();
    link.mouse.setAccessDenied(denied);
    OpenDeviceByName(name.toLatin1());
    const AccessDiagnosis d = lastOpenDiagnosis();
    QCOMPARE(int(d.access), access);
    QCOMPARE(d.deniedPaths, paths);
    QCOMPARE(link.port.openCount(), access == int(MouseAccess::Open) ? 2 : 0);
}

void TestDeviceTable::deniedCommand_data() {
    QTest::addColumn<QStringList>("paths");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("command");
    QTest::newRow("hidraw nodes") << QStringList{"/dev/hidraw3", "/dev/hidraw4"} << "ann"
                                  << "sudo setfacl -m u:ann:rw /dev/hidraw3 /dev/hidraw4";
    // Pasted into a shell, odd names must stay one word each and run nothing.
    QTest::newRow("spaces and quotes") << QStringList{"/dev/a b", "/dev/it's;rm"} << "Jo Ann"
                                       << "sudo setfacl -m 'u:Jo Ann:rw' '/dev/a b' "
                                          "'/dev/it'\\''s;rm'";
}

void TestDeviceTable::deniedCommand() {
    QFETCH(QStringList, paths);
    QFETCH(QString, user);
    QFETCH(QString, command);
    const QStringList lines = accessDeniedText(paths, user).split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].contains(user));
    QVERIFY(lines[0].contains(QLatin1String(kUdevRulePath)));
    QCOMPARE(lines[1], command);
}

QTEST_GUILESS_MAIN(TestDeviceTable)
#include "test_devicetable.moc"
