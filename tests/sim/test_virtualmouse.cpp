// The virtual mouse model, driven through the in-process HID port.
#include "controlcommands.h"
#include "inprocessport.h"
#include "statedecoder.h"
#include "virtualmouse.h"

#include <QRegularExpression>
#include <QtTest>
#include <atomic>
#include <thread>

using namespace vm;

namespace {

Report makeReport(uint8_t code, uint16_t offset = 0, QByteArray data = {}, uint8_t op = 0,
                  bool wideOffset = false) {
    Report r{};
    r[kPosId] = kCommandReportId;
    r[kPosMarker] = kMarker;
    r[kPosCommand] = code;
    r[kPosParam1] = uint8_t(offset & 0xFF);
    r[kPosParam2] = wideOffset ? uint8_t(offset >> 8) : 0;
    r[kPosLength] = uint8_t(data.size());
    r[kPosOperation] = op;
    for (int i = 0; i < data.size(); ++i)
        r[size_t(kPosData + i)] = uint8_t(data[i]);
    r[kPosChecksum] = reportChecksum(r.data());
    return r;
}

QByteArray bytes(const Report& r) {
    return QByteArray(reinterpret_cast<const char*>(r.data()), int(r.size()));
}

QByteArray hex(const QByteArray& b) {
    return b.toHex(' ');
}

// Block write helpers in the host's packet forms.
Report first(uint8_t block, QByteArray data) {
    return makeReport(block, 0, data, kOpFirst, block == 5);
}
Report further(uint8_t block, uint16_t offset, QByteArray data) {
    return makeReport(block, offset, data, kOpFurther, block == 5);
}
Report commit(uint8_t block) {
    return block == 5
               ? makeReport(block, kMacroCommitOffset, QByteArray(1, char(kCommitData)), kOpCommit,
                            true)
               : makeReport(block, kCommitOffset, QByteArray(1, char(kCommitData)), kOpCommit);
}

// An open command handle on one link of a fresh mouse.
struct Session {
    explicit Session(Link link = Link::Receiver) : port(mouse) {
        mouse.plug(link);
        device = openCommand(link);
    }
    HidDevice* openCommand(Link link) {
        for (const auto& rec : port.enumerate(0, 0))
            if (rec.usage == 0 && rec.path.contains(link == Link::Cable ? "cable" : "receiver"))
                return port.openPath(rec.path.constData());
        return nullptr;
    }
    int send(const Report& r, HidDevice* dev = nullptr) {
        return port.write(dev ? dev : device, r.data(), r.size());
    }
    // The next report, "" on timeout, "fail" on a failed read.
    QByteArray read(HidDevice* dev = nullptr, int timeout = 20) {
        uint8_t buf[64] = {};
        const int n = port.readTimeout(dev ? dev : device, buf, 33, timeout);
        return n < 0 ? QByteArray("fail") : QByteArray(reinterpret_cast<char*>(buf), n);
    }
    // Sends and swallows the echo.
    void run(const Report& r) {
        QCOMPARE(send(r), 33);
        if (isVerifiedCommand(r[kPosCommand])) QCOMPARE(hex(read()), hex(bytes(r)));
    }
    VirtualMouse mouse;
    InProcessHidPort port;
    HidDevice* device = nullptr;
};

QByteArray blockBytes(const std::vector<uint8_t>& b) {
    return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size()));
}

} // namespace

class TestVirtualMouse : public QObject {
    Q_OBJECT
private slots:
    void enumerationPerLink();
    void handlesDieWithTheirLink();
    void verifiedCommandsEcho_data();
    void verifiedCommandsEcho();
    void blockWrites_data();
    void blockWrites();
    void profileSelectionAndSettings();
    void faults_data();
    void faults();
    void pulledCableFailsTheWrite();
    void batteryReport_data();
    void batteryReport();
    void sleepingMouse();
    void statusReports_data();
    void statusReports();
    void movementReportsComeFirstOnRequest();
    void everyOpenHandleGetsEachReport();
    void sharedHandleUnderTwoReaders();
    void logFormat();
    void decodedState();
    void blockDecoders_data();
    void blockDecoders();
    void lightingMarksModeInUse_data();
    void lightingMarksModeInUse();
    void controlCommands_data();
    void controlCommands();
};

void TestVirtualMouse::enumerationPerLink() {
    VirtualMouse mouse(UsbIdentity{0x1111, 0x2222, 0x3333, 0x4444});
    InProcessHidPort port(mouse);
    QCOMPARE(port.enumerate(0, 0).size(), size_t(0));
    mouse.plug(Link::Receiver);
    mouse.plug(Link::Cable);
    const auto all = port.enumerate(0, 0);
    QCOMPARE(all.size(), size_t(4));
    // Both collections of an interface share one path, as with hidraw.
    QCOMPARE(all[0].path, all[1].path);
    QVERIFY(all[0].path != all[2].path);
    // A replug is a new node.
    const QByteArray before = all[0].path;
    mouse.unplug(Link::Receiver);
    mouse.plug(Link::Receiver);
    QVERIFY(port.enumerate(0x1111, 0)[0].path != before);
    QCOMPARE(all[0].vendorId, uint16_t(0x1111));
    QCOMPARE(all[0].productId, uint16_t(0x2222));
    QCOMPARE(all[2].vendorId, uint16_t(0x3333));
    QCOMPARE(all[2].productId, uint16_t(0x4444));
    QCOMPARE(all[0].usagePage, uint16_t(1));
    QCOMPARE(all[0].usage, uint16_t(2));
    QCOMPARE(all[1].usagePage, uint16_t(1));
    QCOMPARE(all[1].usage, uint16_t(0));
    QCOMPARE(port.enumerate(0x3333, 0x4444).size(), size_t(2));
    QCOMPARE(port.enumerate(0x3333, 0x2222).size(), size_t(0));
    mouse.unplug(Link::Receiver);
    QCOMPARE(port.enumerate(0, 0).size(), size_t(2));
}

void TestVirtualMouse::handlesDieWithTheirLink() {
    Session s;
    QVERIFY(s.device);
    QCOMPARE(s.port.openPath("/dev/virtual-mouse/cable"), nullptr); // not plugged
    s.mouse.unplug(Link::Receiver);
    QCOMPARE(s.send(makeReport(0x46)), -1);
    QCOMPARE(s.read(), QByteArray("fail"));
    // A replug is a new device: the old handle stays dead, a new one works.
    s.mouse.plug(Link::Receiver);
    QCOMPARE(s.send(makeReport(0x46)), -1);
    HidDevice* fresh = s.openCommand(Link::Receiver);
    QVERIFY(fresh);
    QCOMPARE(s.send(makeReport(0x46), fresh), 33);
    QCOMPARE(hex(s.read(fresh)), hex(bytes(makeReport(0x46))));
    s.port.close(fresh);
    s.port.close(s.device);
    QCOMPARE(s.port.openCount(), 0);
}

void TestVirtualMouse::verifiedCommandsEcho_data() {
    QTest::addColumn<QByteArray>("report");
    QTest::addColumn<bool>("echoed");
    QTest::newRow("settings chunk") << bytes(first(1, "\x01\x02")) << true;
    QTest::newRow("apply") << bytes(makeReport(0x40, 0xF3)) << true;
    QTest::newRow("begin") << bytes(makeReport(0x46, 0)) << true;
    QTest::newRow("end") << bytes(makeReport(0x46, 1)) << true;
    QTest::newRow("code 0") << bytes(makeReport(0)) << true;
    QTest::newRow("code 10") << bytes(makeReport(10)) << true;
    QTest::newRow("code 11") << bytes(makeReport(11)) << false;
    QTest::newRow("select profile") << bytes(makeReport(0x44, 2)) << false;
    Report badSum = makeReport(0x46);
    badSum[kPosChecksum] ^= 1;
    QTest::newRow("wrong checksum is dropped") << bytes(badSum) << false;
    Report badMarker = makeReport(0x46);
    badMarker[kPosMarker] = 0xFB;
    badMarker[kPosChecksum] = reportChecksum(badMarker.data());
    QTest::newRow("wrong marker is dropped") << bytes(badMarker) << false;
}

void TestVirtualMouse::verifiedCommandsEcho() {
    QFETCH(QByteArray, report);
    QFETCH(bool, echoed);
    Session s;
    QCOMPARE(s.port.write(s.device, reinterpret_cast<const uint8_t*>(report.constData()), 33), 33);
    QCOMPARE(hex(s.read()), echoed ? hex(report) : QByteArray());
}

void TestVirtualMouse::blockWrites_data() {
    QTest::addColumn<int>("block");
    QTest::addColumn<QByteArrayList>("reports");
    QTest::addColumn<QByteArray>("held");
    QTest::newRow("one chunk") << 1
                               << QByteArrayList{bytes(first(1, "\x01\x02\x03")), bytes(commit(1))}
                               << QByteArray("\x01\x02\x03");
    QTest::newRow("further chunks at their offsets")
        << 2
        << QByteArrayList{bytes(first(2, "\x08")), bytes(further(2, 1, "\x01\x02")),
                          bytes(further(2, 4, "\x05")), bytes(commit(2))}
        << QByteArray("\x08\x01\x02\x00\x05", 5);
    QTest::newRow("write cut before its commit keeps the sealed block")
        << 3
        << QByteArrayList{bytes(first(3, QByteArray("\x0a\x00", 2))), bytes(commit(3)),
                          bytes(first(3, "\x09\x09")), bytes(further(3, 2, "\x07"))}
        << QByteArray("\x0a\x00", 2);
    QTest::newRow("a new first chunk starts over")
        << 4
        << QByteArrayList{bytes(first(4, "\x01\x01\x01")), bytes(first(4, "\x02")),
                          bytes(commit(4))}
        << QByteArray("\x02");
    QTest::newRow("commit with wrong data is ignored")
        << 1
        << QByteArrayList{bytes(first(1, "\x05")),
                          bytes(makeReport(1, kCommitOffset, "\x1b", kOpCommit))}
        << QByteArray();
    QTest::newRow("commit at the wrong offset is ignored")
        << 1
        << QByteArrayList{bytes(first(1, "\x05")), bytes(makeReport(1, 0x7E, "\x1a", kOpCommit))}
        << QByteArray();
    QTest::newRow("further chunk without a first one is not stored")
        << 2 << QByteArrayList{bytes(further(2, 0, "\x07")), bytes(commit(2))} << QByteArray();
    QTest::newRow("macro block with 16-bit offsets")
        << 5
        << QByteArrayList{bytes(first(5, "\x01")), bytes(further(5, 200, "\x02")),
                          bytes(further(5, 300, "\x03")), bytes(commit(5))}
        << QByteArray(1, 1) + QByteArray(199, 0) + QByteArray(1, 2) + QByteArray(99, 0) +
               QByteArray(1, 3);
    QTest::newRow("macro block needs the 0x0FFF commit")
        << 5 << QByteArrayList{bytes(first(5, "\x01")), bytes(commit(1)).replace(3, 1, "\x05")}
        << QByteArray();
}

void TestVirtualMouse::blockWrites() {
    QFETCH(int, block);
    QFETCH(QByteArrayList, reports);
    QFETCH(QByteArray, held);
    Session s;
    for (const QByteArray& r : reports) {
        Report report{};
        std::copy(r.begin(), r.end(), report.begin());
        report[kPosChecksum] = reportChecksum(report.data());
        s.run(report);
    }
    QCOMPARE(hex(blockBytes(s.mouse.block(0, block))), hex(held));
    for (int other = 1; other <= kBlockCount; ++other)
        if (other != block) QVERIFY(s.mouse.block(0, other).empty());
}

void TestVirtualMouse::profileSelectionAndSettings() {
    Session s;
    s.run(makeReport(kCmdSelectProfile, 2));
    QCOMPARE(s.mouse.activeProfile(), 2);
    s.run(first(2, "\x03"));
    s.run(commit(2));
    QCOMPARE(s.mouse.block(2, 2).size(), size_t(1));
    QVERIFY(s.mouse.block(0, 2).empty());
    s.run(makeReport(kCmdSelectProfile, 7)); // out of range: ignored
    QCOMPARE(s.mouse.activeProfile(), 2);

    // The settings block names the current profile, the rates and the DPI stage.
    QByteArray settings(19, 0);
    settings[6] = 3;
    const char rates[5] = {1, 2, 4, 8, 2};
    for (int p = 0; p < 5; ++p)
        settings[11 + p] = rates[p];
    settings[16] = 0x1F;
    settings[17] = 5;
    s.run(first(1, settings));
    s.run(commit(1));
    QCOMPARE(s.mouse.activeProfile(), 3);
    for (int p = 0; p < 5; ++p)
        QCOMPARE(s.mouse.reportRate(p), int(rates[p]));
    QCOMPARE(s.mouse.dpiStage(3), 5);
    QCOMPARE(hex(blockBytes(s.mouse.block(3, 1))), hex(settings));

    // Begin clears the write status until the matching end.
    s.run(makeReport(kCmdBeginEnd, 0));
    QVERIFY(s.mouse.writeOpen());
    QCOMPARE(s.mouse.writeStatus(), uint8_t(0));
    for (uint8_t bit : {0x04, 0x01, 0x02, 0x08, 0x10})
        s.run(makeReport(kCmdApply, uint16_t(0xF3 | bit << 8), "", 0, true));
    s.run(makeReport(kCmdApply, uint16_t(0xF2 | 0x40 << 8), "", 0, true)); // no marker: ignored
    QCOMPARE(s.mouse.appliedBits(), uint8_t(0x1F));
    s.run(makeReport(kCmdBeginEnd, 1));
    QVERIFY(!s.mouse.writeOpen());
    QCOMPARE(s.mouse.writeStatus(), uint8_t(1));
}

void TestVirtualMouse::faults_data() {
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("written");
    QTest::addColumn<QByteArray>("answer"); // "echo", "", "fail" or the exact bytes in hex
    const Report r = first(1, "\x11\x22");
    Report cmd = r;
    cmd[kPosParam2] ^= 0x5A;
    Report data = r;
    data[kPosData] ^= 0xFF;
    data[kPosChecksum] = reportChecksum(data.data());
    QTest::newRow("lost") << "lost" << 2 << 33 << QByteArray("");
    QTest::newRow("zero") << "zero" << 1 << 33 << hex(QByteArray(33, 0));
    QTest::newRow("corrupt command part") << "corrupt-command" << 3 << 33 << hex(bytes(cmd));
    QTest::newRow("corrupt data part") << "corrupt-data" << 1 << 33 << hex(bytes(data));
    QTest::newRow("failed read") << "read-fail" << 1 << 33 << QByteArray("fail");
    QTest::newRow("failed write") << "write-fail" << 1 << -1 << QByteArray("");
    QTest::newRow("zero count does nothing") << "lost" << 0 << 33 << QByteArray("echo");
}

void TestVirtualMouse::faults() {
    QFETCH(QString, kind);
    QFETCH(int, count);
    QFETCH(int, written);
    QFETCH(QByteArray, answer);
    Session s;
    Fault fault;
    QVERIFY(faultFromName(kind.toStdString(), &fault));
    s.mouse.injectFault(fault, count);
    const Report r = first(1, "\x11\x22");
    for (int i = 0; i < count; ++i) {
        QCOMPARE(s.send(r), written);
        const QByteArray got = s.read();
        QCOMPARE(got == "fail" ? got : hex(got), answer == "echo" ? hex(bytes(r)) : answer);
        if (fault == Fault::ReadFail)
            QCOMPARE(hex(s.read()), hex(bytes(r))); // the echo waits behind the failure
    }
    // Once the count is used up the mouse answers normally again.
    QCOMPARE(s.mouse.pendingFault(fault), 0);
    QCOMPARE(s.send(r), 33);
    QCOMPARE(hex(s.read()), hex(bytes(r)));
}

void TestVirtualMouse::pulledCableFailsTheWrite() {
    Session s(Link::Cable);
    s.mouse.plug(Link::Receiver);
    s.mouse.injectFault(Fault::PullCable, 3);
    s.run(makeReport(kCmdBeginEnd, 0));
    s.run(first(2, "\x08"));
    QCOMPARE(s.send(further(2, 1, "\x01")), -1);
    QVERIFY(!s.mouse.plugged(Link::Cable));
    QVERIFY(s.mouse.plugged(Link::Receiver));
    QCOMPARE(s.read(), QByteArray("fail"));
    QVERIFY(s.mouse.block(0, 2).empty());
    QCOMPARE(s.mouse.writeStatus(), uint8_t(0)); // the write was never closed
}

void TestVirtualMouse::batteryReport_data() {
    QTest::addColumn<int>("millivolts");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<int>("writeStatus");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("expected"); // first 12 bytes; the rest are zero
    QTest::newRow("full, charging")
        << 4200 << true << 1 << 0 << QByteArray("05 27 fa 48 fa 03 01 01 00 00 00 00");
    QTest::newRow("empty") << 0 << false << 0 << 0
                           << QByteArray("05 24 fa 48 00 00 00 00 00 00 00 00");
    QTest::newRow("variant 8") << 4001 << false << 0 << 8
                               << QByteArray("05 69 fa 48 ca 03 00 00 00 00 08 00");
}

void TestVirtualMouse::batteryReport() {
    QFETCH(int, millivolts);
    QFETCH(bool, charging);
    QFETCH(int, writeStatus);
    QFETCH(int, variant);
    QFETCH(QByteArray, expected);
    Session s;
    s.mouse.setBatteryMillivolts(millivolts);
    s.mouse.setCharging(charging);
    s.mouse.setWriteStatus(uint8_t(writeStatus));
    s.mouse.setVariant(uint8_t(variant));
    QCOMPARE(s.send(makeReport(kCmdPoll)), 33);
    const QByteArray answer = s.read();
    QCOMPARE(answer.size(), 33);
    QCOMPARE(hex(answer.left(12)), expected);
    QCOMPARE(answer.mid(12), QByteArray(21, 0));
    QCOMPARE(s.read(), QByteArray()); // the poll itself is not echoed
}

void TestVirtualMouse::sleepingMouse() {
    Session s;
    s.mouse.plug(Link::Cable);
    HidDevice* cable = s.openCommand(Link::Cable);
    s.mouse.setAsleep(true);
    // Behind the receiver: writes go out, nothing comes back.
    QCOMPARE(s.send(makeReport(kCmdPoll)), 33);
    QCOMPARE(s.read(), QByteArray());
    QCOMPARE(s.send(first(1, "\x01")), 33);
    QCOMPARE(s.read(), QByteArray());
    // Over the cable the mouse is powered and answers.
    QCOMPARE(s.send(makeReport(kCmdPoll), cable), 33);
    QCOMPARE(s.read(cable).at(3), char(kCmdPoll));
    s.mouse.setAsleep(false);
    QCOMPARE(s.send(makeReport(kCmdPoll)), 33);
    QCOMPARE(s.read().at(3), char(kCmdPoll));
    // A button press wakes it; the status report goes over the cable while plugged.
    s.mouse.setAsleep(true);
    s.mouse.pressProfileButton();
    QVERIFY(!s.mouse.asleep());
    QCOMPARE(s.read(), QByteArray());
    QCOMPARE(s.read(cable).mid(3, 2), QByteArray("\x49\x01", 2));
    s.mouse.unplug(Link::Cable);
    s.mouse.pressRateButton();
    QCOMPARE(s.read().mid(3, 4), QByteArray("\x49\x01\x00\x02", 4));
}

void TestVirtualMouse::statusReports_data() {
    QTest::addColumn<QString>("presses");
    QTest::addColumn<int>("dpiCount"); // 0: no DPI block written
    QTest::addColumn<QByteArray>("last");
    QTest::newRow("profile") << "p" << 0 << QByteArray("05 23 fa 49 01 00 01 00");
    QTest::newRow("dpi") << "d" << 0 << QByteArray("05 23 fa 49 00 01 01 00");
    QTest::newRow("rate") << "r" << 0 << QByteArray("05 23 fa 49 00 00 02 00");
    QTest::newRow("rate cycles 1 2 4 8") << "rrr" << 0 << QByteArray("05 2d fa 49 00 00 08 00");
    QTest::newRow("rate wraps") << "rrrr" << 0 << QByteArray("05 22 fa 49 00 00 01 00");
    QTest::newRow("dpi wraps at 8 without a DPI block")
        << "dddddddd" << 0 << QByteArray("05 22 fa 49 00 00 01 00");
    QTest::newRow("dpi wraps at the stored count")
        << "ddd" << 3 << QByteArray("05 22 fa 49 00 00 01 00");
    QTest::newRow("profile wraps at five") << "ppppp" << 0 << QByteArray("05 22 fa 49 00 00 01 00");
    QTest::newRow("stage and rate belong to the profile")
        << "ddp" << 0 << QByteArray("05 23 fa 49 01 00 01 00");
}

void TestVirtualMouse::statusReports() {
    QFETCH(QString, presses);
    QFETCH(int, dpiCount);
    QFETCH(QByteArray, last);
    Session s;
    if (dpiCount) {
        s.run(first(2, QByteArray(1, char(dpiCount))));
        s.run(commit(2));
    }
    QByteArray report;
    for (QChar c : presses) {
        if (c == 'p')
            s.mouse.pressProfileButton();
        else if (c == 'd')
            s.mouse.pressDpiButton();
        else
            s.mouse.pressRateButton();
        report = s.read();
        QCOMPARE(report.size(), 33);
    }
    QCOMPARE(hex(report.left(8)), last);
    QCOMPARE(report.mid(8), QByteArray(25, 0));
}

void TestVirtualMouse::movementReportsComeFirstOnRequest() {
    Session s;
    s.mouse.injectFault(Fault::Motion, 1);
    const Report r = makeReport(kCmdBeginEnd, 0);
    QCOMPARE(s.send(r), 33);
    const QByteArray motion = s.read();
    QCOMPARE(motion.size(), 8);
    QCOMPARE(motion.at(0), char(kMotionReportId));
    QCOMPARE(hex(s.read()), hex(bytes(r)));

    // Periodic movement while the host reads.
    s.mouse.setMotionInterval(1);
    QTest::qWait(5);
    QCOMPARE(s.read().at(0), char(kMotionReportId));
}

void TestVirtualMouse::everyOpenHandleGetsEachReport() {
    Session s;
    HidDevice* second = s.openCommand(Link::Receiver);
    const Report r = makeReport(kCmdApply, 0xF3, "", 0);
    QCOMPARE(s.send(r), 33);
    QCOMPARE(hex(s.read()), hex(bytes(r)));
    QCOMPARE(hex(s.read(second)), hex(bytes(r)));
}

void TestVirtualMouse::sharedHandleUnderTwoReaders() {
    // Like the status thread and the transport on one command handle: every
    // echo is taken by exactly one of the readers, none is lost or doubled.
    Session s;
    constexpr int kCommands = 200;
    std::atomic<bool> done{false};
    std::atomic<int> taken{0};
    std::vector<int> seen[2];
    auto reader = [&](int which) {
        uint8_t buf[64];
        for (;;) {
            const int n = s.port.readTimeout(s.device, buf, 33, 30);
            if (n == 33) {
                seen[which].push_back(buf[kPosParam2]);
                ++taken;
            } else if (done.load())
                break;
        }
    };
    std::thread a(reader, 0);
    std::thread b(reader, 1);
    for (int i = 0; i < kCommands; ++i) {
        QCOMPARE(s.send(makeReport(kCmdBeginEnd, uint16_t(2 | (i % 250) << 8), "", 0, true)), 33);
        // Stay within the 64 reports a device node keeps, as a real host does.
        for (int wait = 0; wait < 2000 && i + 1 - taken.load() > 32; ++wait)
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    done = true;
    a.join();
    b.join();
    std::vector<int> all = seen[0];
    all.insert(all.end(), seen[1].begin(), seen[1].end());
    std::sort(all.begin(), all.end());
    QCOMPARE(int(all.size()), kCommands);
    for (int i = 0; i < kCommands; ++i)
        QCOMPARE(all[size_t(i)], i % 250);
}

void TestVirtualMouse::logFormat() {
    Session s;
    s.mouse.plug(Link::Cable);
    HidDevice* cable = s.openCommand(Link::Cable);
    s.mouse.clearLog();
    s.send(makeReport(kCmdBeginEnd, 1));
    s.send(makeReport(kCmdPoll), cable);
    const auto lines = s.mouse.logLines();
    QCOMPARE(lines.size(), size_t(4));
    const QRegularExpression form("^\\d+ [RC] (out|in)( [0-9a-f]{2}){33}$");
    for (const std::string& line : lines)
        QVERIFY2(form.match(QString::fromStdString(line)).hasMatch(), line.c_str());
    const QString end = QString::fromLatin1(hex(bytes(makeReport(kCmdBeginEnd, 1))));
    const QStringList expectStart = {" R out " + end, " R in " + end, " C out 05 24 fa 48 00",
                                     " C in 05 "};
    for (size_t i = 0; i < lines.size(); ++i)
        QVERIFY2(QString::fromStdString(lines[i]).contains(expectStart[int(i)]), lines[i].c_str());
    QCOMPARE(QString::fromStdString(s.mouse.logText()).count('\n'), 4);
}

void TestVirtualMouse::decodedState() {
    Session s;
    QByteArray settings(19, 0);
    settings[5] = char(0x80 | 2);
    settings[11] = 2;
    settings[16] = 0x1F;
    s.run(first(1, settings));
    s.run(commit(1));
    s.run(first(5, QByteArray("\x01\x04\x00\x06\x01\x00", 6)));
    s.run(commit(5));
    s.mouse.unplug(Link::Receiver);
    const QString text = QString::fromStdString(s.mouse.describeState());
    QVERIFY2(text.contains("receiver: unplugged"), qPrintable(text));
    QVERIFY(text.contains("profile 0 (active)"));
    QVERIFY(text.contains("lift 2, motion sync"));
    QVERIFY(text.contains("report rates: 2 (500 Hz)"));
    QVERIFY(text.contains("macro 0: 2 steps: 01 04 00, 06 01 00"));
    QCOMPARE(text.count("(never written)"), 3 + 4 * 5);
}

void TestVirtualMouse::blockDecoders_data() {
    QTest::addColumn<int>("block");
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QString>("expected");
    QByteArray settings(19, 0);
    settings[5] = 0x62;
    settings[10] = char(0x83);
    settings[11] = 8;
    settings[12] = 4;
    settings[17] = 3;
    settings[18] = 7;
    QTest::newRow("settings flags")
        << 1 << settings << "sensor flags: 62 (lift 2, angle snapping off, jitter filter off)";
    QTest::newRow("settings wake") << 1 << settings << "sensor mode: 3, motion wake: on";
    QTest::newRow("settings rates")
        << 1 << settings << "report rates: 8 (125 Hz) 4 (250 Hz) 0 (unknown rate)";
    QTest::newRow("settings stage and mode") << 1 << settings << "DPI stage: 3, lighting mode: 7";
    QByteArray dpi(41, 0);
    dpi[0] = 6;
    dpi[1 + 5] = 1;
    dpi[1 + 5 + 1] = 0x20;
    dpi[1 + 5 + 2] = 0x03;
    dpi[1 + 5 + 3] = 0x04;
    dpi[1 + 5 + 4] = char(0x81);
    QTest::newRow("dpi count") << 2 << dpi << "stage count: 6";
    QTest::newRow("dpi stage") << 2 << dpi << "stage 1: used 1, x 20 03 (800), y 04 81 (33028)";
    QByteArray buttons(102, 0);
    buttons[0] = 0x0A;
    buttons[2] = char(0x81);
    buttons[2 + 4 * 22] = char(0x8F);
    buttons[2 + 4 * 22 + 1] = 3;
    buttons[2 + 4 * 22 + 2] = 6;
    buttons.replace(98, 4, QByteArray(4, char(0xFF)));
    QTest::newRow("button slot") << 3 << buttons << "slot  0: 81 00 00 00 (left button)";
    QTest::newRow("wheel slot") << 3 << buttons
                                << "slot 22: 8f 03 06 00 (key with modifiers, wheel up)";
    QTest::newRow("button trailer") << 3 << buttons << "trailer: ff ff ff ff";
    QByteArray light(80, 0);
    light[8] = char(0x80);
    light[9] = char(0xFF);
    QTest::newRow("lighting record") << 4 << light << "mode 2: 80 ff 00 00 00 00 00 00";
    // A cut block reads as zeros; which fields each record carries is checked
    // against the host's encoder in the device tests.
    QTest::newRow("cut lighting block")
        << 4 << QByteArray::fromHex("80000000000000008012")
        << "mode 2: 80 12 00 00 00 00 00 00\n      FULL LIGHTED: colour #120000, brightness 0\n";
    QTest::newRow("mode named") << 1 << settings << "lighting mode: 7 (REACTIVE)\n";
    settings[18] = 0;
    QTest::newRow("mode 0") << 1 << settings << "lighting mode: 0 (no such record)\n";
    settings[18] = 11;
    QTest::newRow("mode 11") << 1 << settings << "lighting mode: 11 (no such record)\n";
    QByteArray macros(4000, 0);
    macros.replace(400, 6, QByteArray("\x01\x04\x00\x02\x04\x00", 6));
    QTest::newRow("macro image 2") << 5 << macros << "macro 2: 2 steps: 01 04 00, 02 04 00";
    QTest::newRow("no macros") << 5 << QByteArray(200, 0) << "(no macros)";
    QTest::newRow("never written") << 4 << QByteArray() << "(never written)";
}

void TestVirtualMouse::blockDecoders() {
    QFETCH(int, block);
    QFETCH(QByteArray, data);
    QFETCH(QString, expected);
    using Describe = std::string (*)(const std::vector<uint8_t>&);
    const Describe decoders[] = {describeSettingsBlock, describeDpiBlock, describeButtonBlock,
                                 describeLightingBlock, describeMacroBlock};
    const std::vector<uint8_t> bytesIn(data.begin(), data.end());
    const QString text = QString::fromStdString(decoders[block - 1](bytesIn));
    QVERIFY2(text.contains(expected), qPrintable(text));
}

// The record the profile's own settings select is marked, and only that one.
void TestVirtualMouse::lightingMarksModeInUse_data() {
    QTest::addColumn<int>("mode"); // -1: no settings block
    QTest::addColumn<QString>("marked");
    QTest::newRow("first record") << 1 << "      OFF (current)\n";
    QTest::newRow("last record") << 10 << "      Marbles: brightness 0, speed 0 (current)\n";
    QTest::newRow("no such record") << 11 << "";
    QTest::newRow("mode 0") << 0 << "";
    QTest::newRow("settings never written") << -1 << "";
}

void TestVirtualMouse::lightingMarksModeInUse() {
    QFETCH(int, mode);
    QFETCH(QString, marked);
    MouseSnapshot snapshot;
    for (ProfileBlocks& p : snapshot.profiles) {
        p.blocks[kCmdLighting - 1].assign(80, 0);
        p.blocks[kCmdSettings - 1].assign(19, 0);
        p.blocks[kCmdSettings - 1][18] = 2; // other profiles use their own mode
    }
    std::vector<uint8_t>& settings = snapshot.profiles[3].blocks[kCmdSettings - 1];
    if (mode < 0)
        settings.clear();
    else
        settings[18] = uint8_t(mode);
    const QString all = QString::fromStdString(describeMouse(snapshot));
    const int from = all.indexOf("profile 3:");
    const QString profile = all.mid(from, all.indexOf("profile 4:") - from);
    QCOMPARE(profile.count("(current)"), marked.isEmpty() ? 0 : 1);
    QVERIFY2(profile.contains(marked), qPrintable(profile));
    QCOMPARE(all.count("      FULL LIGHTED: colour #000000, brightness 0 (current)\n"), 4);
}

void TestVirtualMouse::controlCommands_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("check"); // what to look at after the command
    QTest::newRow("plug cable") << QStringList{"plug", "cable"} << 0 << "cable";
    QTest::newRow("unplug receiver") << QStringList{"unplug", "receiver"} << 0 << "no receiver";
    QTest::newRow("plug what") << QStringList{"plug", "dongle"} << 2 << "";
    QTest::newRow("press profile") << QStringList{"press", "profile"} << 0 << "profile 1";
    QTest::newRow("press nothing") << QStringList{"press"} << 2 << "";
    QTest::newRow("battery charging")
        << QStringList{"battery", "3700", "charging"} << 0 << "raw 897";
    QTest::newRow("battery not a number") << QStringList{"battery", "37x"} << 2 << "";
    QTest::newRow("battery bad flag") << QStringList{"battery", "3700", "yes"} << 2 << "";
    QTest::newRow("sleep") << QStringList{"sleep"} << 0 << "asleep";
    QTest::newRow("fault lost") << QStringList{"fault", "lost", "4"} << 0 << "lost 4";
    QTest::newRow("fault unknown kind") << QStringList{"fault", "gremlins", "4"} << 2 << "";
    QTest::newRow("fault negative") << QStringList{"fault", "lost", "-1"} << 2 << "";
    QTest::newRow("variant too big") << QStringList{"variant", "256"} << 2 << "";
    QTest::newRow("write status") << QStringList{"write-status", "0"} << 0 << "write status 0";
    QTest::newRow("empty") << QStringList{} << 2 << "";
    QTest::newRow("unknown") << QStringList{"dance"} << 2 << "";
    QTest::newRow("stop") << QStringList{"stop"} << 0 << "stop";
}

void TestVirtualMouse::controlCommands() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, check);
    VirtualMouse mouse;
    mouse.plug(Link::Receiver);
    std::vector<std::string> argv;
    for (const QString& a : args)
        argv.push_back(a.toStdString());
    const ControlResult result = runControl(mouse, argv);
    QCOMPARE(result.status, status);
    QCOMPARE(result.stop, check == "stop");
    if (status != 0) QVERIFY(!result.text.empty());
    const QString state = QString::fromStdString(mouse.describeState());
    if (check == "cable")
        QVERIFY(mouse.plugged(Link::Cable));
    else if (check == "no receiver")
        QVERIFY(!mouse.plugged(Link::Receiver));
    else if (check == "profile 1")
        QCOMPARE(mouse.activeProfile(), 1);
    else if (check == "asleep")
        QVERIFY(mouse.asleep());
    else if (check == "lost 4")
        QCOMPARE(mouse.pendingFault(Fault::LostEcho), 4);
    else if (!check.isEmpty() && check != "stop")
        QVERIFY2(state.contains(check), qPrintable(state));
}

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "test_virtualmouse.moc"
