// The verified command transport against the virtual mouse and its faults.
#include "devicetestutil.h"
#include "encoders.h"
#include "testutil.h"

#include <QtTest>

namespace {

// Passes every call to the virtual mouse's port, changing one byte of every
// command report read back.
class TweakingPort final : public HidPort {
public:
    TweakingPort(HidPort& inner, int position) : m_inner(inner), m_position(position) {}
    int init() override { return m_inner.init(); }
    int exit() override { return m_inner.exit(); }
    std::vector<HidDeviceRecord> enumerate(uint16_t vid, uint16_t pid) override {
        return m_inner.enumerate(vid, pid);
    }
    HidDevice* openPath(const char* path) override { return m_inner.openPath(path); }
    void close(HidDevice* device) override { m_inner.close(device); }
    int write(HidDevice* device, const uint8_t* data, size_t length) override {
        return m_inner.write(device, data, length);
    }
    int readTimeout(HidDevice* device, uint8_t* data, size_t length, int ms) override {
        const int r = m_inner.readTimeout(device, data, length, ms);
        if (r > m_position && data[0] == kReportId) data[m_position] ^= 0x01;
        return r;
    }

private:
    HidPort& m_inner;
    int m_position;
};

CommandReport withData(uint8_t command, int length) {
    uint8_t data[kMaxData];
    for (int i = 0; i < kMaxData; ++i)
        data[i] = uint8_t(0x30 + i);
    return makeReport(command, 0, 0, kOpFirstChunk, data, length);
}

struct FaultRow {
    vm::Fault fault;
    int count;
};

} // namespace

Q_DECLARE_METATYPE(std::vector<int>)

class TestTransport : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { m_app = std::make_unique<TempAppDir>(fixture(QStringLiteral("aero"))); }
    void cleanupTestCase() { m_app.reset(); }
    void faults_data();
    void faults();
    void echoBytes_data();
    void echoBytes();
    void callerChecksumIgnored();
    void cablePreferred();
    void noHandle();
    void productionTiming();

private:
    std::unique_ptr<TempAppDir> m_app;
};

void TestTransport::faults_data() {
    // Faults as (fault, count) pairs, injected before the one call.
    QTest::addColumn<std::vector<int>>("faults");
    QTest::addColumn<int>("command");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("asleep");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("writes");
    using F = vm::Fault;
    auto f = [](std::initializer_list<std::pair<F, int>> l) {
        std::vector<int> v;
        for (auto& p : l)
            v.insert(v.end(), {int(p.first), p.second});
        return v;
    };
    QTest::newRow("clean echo") << f({}) << 1 << 19 << false << 0 << 1;
    QTest::newRow("29 read failures") << f({{F::ReadFail, 29}}) << 1 << 19 << false << 0 << 1;
    QTest::newRow("30 read failures: a rewrite")
        << f({{F::ReadFail, 30}}) << 1 << 19 << false << 0 << 2;
    QTest::newRow("31 read failures") << f({{F::ReadFail, 31}}) << 1 << 19 << false << 0 << 3;
    QTest::newRow("32 read failures: gave up")
        << f({{F::ReadFail, 32}}) << 1 << 19 << false << 2 << 3;
    QTest::newRow("19 command mismatches")
        << f({{F::CorruptCommand, 19}}) << 1 << 19 << false << 0 << 20;
    QTest::newRow("20 command mismatches")
        << f({{F::CorruptCommand, 20}}) << 1 << 19 << false << 0 << 21;
    QTest::newRow("21 command mismatches")
        << f({{F::CorruptCommand, 21}}) << 1 << 19 << false << 0 << 22;
    QTest::newRow("22 command mismatches: gave up")
        << f({{F::CorruptCommand, 22}}) << 1 << 19 << false << 2 << 22;
    QTest::newRow("two data mismatches") << f({{F::CorruptData, 2}}) << 2 << 5 << false << 0 << 3;
    QTest::newRow("three data mismatches: gave up")
        << f({{F::CorruptData, 3}}) << 2 << 5 << false << 2 << 3;
    QTest::newRow("read failures and a data mismatch")
        << f({{F::ReadFail, 30}, {F::CorruptData, 1}}) << 3 << 24 << false << 0 << 3;
    QTest::newRow("read failures and two data mismatches")
        << f({{F::ReadFail, 30}, {F::CorruptData, 2}}) << 3 << 24 << false << 2 << 3;
    QTest::newRow("five all-zero answers") << f({{F::ZeroEcho, 5}}) << 1 << 19 << false << 0 << 6;
    QTest::newRow("six all-zero answers fail")
        << f({{F::ZeroEcho, 6}}) << 1 << 19 << false << 2 << 6;
    QTest::newRow("silent mouse fails") << f({}) << 0x46 << 0 << true << 2 << 6;
    QTest::newRow("lost echoes read as zeros")
        << f({{F::LostEcho, 3}}) << 4 << 24 << false << 0 << 4;
    QTest::newRow("data not compared above 10")
        << f({{F::CorruptData, 1}}) << 0x46 << 2 << false << 0 << 1;
    QTest::newRow("no data length, no data check")
        << f({{F::CorruptData, 1}}) << 1 << 0 << false << 0 << 1;
    QTest::newRow("selection never read back") << f({}) << 0x44 << 0 << true << 0 << 1;
    QTest::newRow("poll code never read back")
        << f({{F::ReadFail, 40}}) << 0x48 << 0 << false << 0 << 1;
    QTest::newRow("write failure") << f({{F::WriteFail, 1}}) << 1 << 19 << false << 4 << 0;
    QTest::newRow("movement reports skipped") << f({{F::Motion, 3}}) << 1 << 19 << false << 0 << 1;
}

void TestTransport::faults() {
    QFETCH(std::vector<int>, faults);
    QFETCH(int, command);
    QFETCH(int, length);
    QFETCH(bool, asleep);
    QFETCH(int, result);
    QFETCH(int, writes);
    VirtualLink link;
    link.mouse.setAsleep(asleep);
    for (size_t i = 0; i + 1 < faults.size(); i += 2)
        link.mouse.injectFault(vm::Fault(faults[i]), faults[i + 1]);
    QCOMPARE(int(SendCommand(withData(uint8_t(command), length))), result);
    QCOMPARE(int(link.sent().size()), writes);
}

void TestTransport::echoBytes_data() {
    QTest::addColumn<int>("position");
    QTest::addColumn<int>("result");
    QTest::newRow("checksum differs") << 1 << 0;
    QTest::newRow("operation differs") << 7 << 0;
    QTest::newRow("offset differs") << 4 << 2;
    QTest::newRow("length differs") << 6 << 2;
    QTest::newRow("data differs") << 9 << 2;
    QTest::newRow("past the data") << 30 << 0;
}

void TestTransport::echoBytes() {
    QFETCH(int, position);
    QFETCH(int, result);
    VirtualLink link;
    TweakingPort tweak(link.port, position);
    CloseDevices();
    setHidPort(&tweak);
    OpenDeviceByName(QByteArray("Qorv Aero"));
    QCOMPARE(int(SendCommand(withData(kCmdDpiBlock, 5))), result);
    CloseDevices();
    setHidPort(&link.port);
}

void TestTransport::callerChecksumIgnored() {
    VirtualLink link;
    CommandReport r = withData(kCmdSettingsBlock, 19);
    const uint8_t right = r[kPosChecksum];
    r[kPosChecksum] = uint8_t(right + 1);
    QCOMPARE(int(SendCommand(r)), 0);
    QCOMPARE(int(link.sent().size()), 1);
    QCOMPARE(int(uint8_t(link.sent()[0][kPosChecksum])), int(right));
}

void TestTransport::cablePreferred() {
    VirtualLink link(true, true);
    QCOMPARE(int(SendCommand(withData(kCmdSettingsBlock, 19))), 0);
    QCOMPARE(int(link.sent('C').size()), 1);
    QCOMPARE(int(link.sent('R').size()), 0);
    // With the cable gone the receiver carries the commands.
    deviceHandles().cableCommand.reset();
    QCOMPARE(int(SendCommand(withData(kCmdSettingsBlock, 19))), 0);
    QCOMPARE(int(link.sent('R').size()), 1);
}

void TestTransport::noHandle() {
    VirtualLink link;
    CloseDevices();
    QCOMPARE(int(SendCommand(withData(kCmdSettingsBlock, 19))), 1);
    QCOMPARE(int(link.sent().size()), 0);
}

void TestTransport::productionTiming() {
    // The protocol's own waits, as the program runs them.
    VirtualLink link(true, false, false);
    QCOMPARE(linkTiming().settleMs, 10);
    QCOMPARE(linkTiming().retryMs, 50);
    QCOMPARE(linkTiming().readTimeoutMs, 150);
    link.mouse.injectFault(vm::Fault::ZeroEcho, 2);
    link.mouse.injectFault(vm::Fault::Motion, 1);
    QCOMPARE(int(SendCommand(withData(kCmdSettingsBlock, 19))), 0);
    QCOMPARE(int(link.sent().size()), 3);
    link.mouse.injectFault(vm::Fault::CorruptCommand, 1);
    QCOMPARE(int(SendCommand(applyBlockReport(0x10))), 0);
}

QTEST_GUILESS_MAIN(TestTransport)
#include "test_transport.moc"
