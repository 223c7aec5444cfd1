// The virtual mouse model, driven through the in-process HID port.
#include "inprocessport.h"
#include "virtualmouse.h"

#include <QtTest>

using namespace vm;

namespace {

Report makeReport(uint8_t code, uint8_t p1 = 0, uint8_t p2 = 0, QByteArray data = {},
                  uint8_t op = 0) {
    Report r{};
    r[kPosId] = kCommandReportId;
    r[kPosMarker] = kMarker;
    r[kPosCommand] = code;
    r[kPosParam1] = p1;
    r[kPosParam2] = p2;
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

// An open command handle on one link.
struct Session {
    explicit Session(Link link = Link::Receiver) : port(mouse) {
        mouse.plug(link);
        const auto records = port.enumerate(0, 0);
        for (const auto& rec : records)
            if (rec.usage == 0) device = port.openPath(rec.path.constData());
    }
    int send(const Report& r) { return port.write(device, r.data(), r.size()); }
    QByteArray read(int timeout = 20) {
        uint8_t buf[64] = {};
        const int n = port.readTimeout(device, buf, 33, timeout);
        return n < 0 ? QByteArray("fail") : QByteArray(reinterpret_cast<char*>(buf), n);
    }
    VirtualMouse mouse;
    InProcessHidPort port;
    HidDevice* device = nullptr;
};

} // namespace

class TestVirtualMouse : public QObject {
    Q_OBJECT
private slots:
    void enumerationPerLink();
    void verifiedCommandsEcho_data();
    void verifiedCommandsEcho();
};

void TestVirtualMouse::enumerationPerLink() {
    VirtualMouse mouse;
    InProcessHidPort port(mouse);
    QCOMPARE(port.enumerate(0, 0).size(), size_t(0));
    mouse.plug(Link::Receiver);
    mouse.plug(Link::Cable);
    const auto all = port.enumerate(0, 0);
    QCOMPARE(all.size(), size_t(4));
    QCOMPARE(all[0].path, all[1].path);
    QVERIFY(all[0].path != all[2].path);
    QCOMPARE(all[0].productId, uint16_t(0xFA02));
    QCOMPARE(all[2].productId, uint16_t(0xFB01));
    QCOMPARE(all[0].usagePage, uint16_t(1));
    QCOMPARE(all[0].usage, uint16_t(2));
    QCOMPARE(all[1].usage, uint16_t(0));
    QCOMPARE(port.enumerate(0x248A, 0xFB01).size(), size_t(2));
}

void TestVirtualMouse::verifiedCommandsEcho_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<int>("p1");
    QTest::addColumn<bool>("echoed");
    QTest::newRow("settings chunk") << 1 << 0 << true;
    QTest::newRow("apply") << 0x40 << 0xF3 << true;
    QTest::newRow("begin") << 0x46 << 0 << true;
    QTest::newRow("end") << 0x46 << 1 << true;
    QTest::newRow("code 10") << 10 << 0 << true;
    QTest::newRow("select profile") << 0x44 << 2 << false;
    QTest::newRow("unknown 0x30") << 0x30 << 0 << false;
}

void TestVirtualMouse::verifiedCommandsEcho() {
    QFETCH(int, code);
    QFETCH(int, p1);
    QFETCH(bool, echoed);
    Session s;
    const Report r =
        makeReport(uint8_t(code), uint8_t(p1), 0,
                   code <= 5 ? QByteArray("\x01\x02", 2) : QByteArray(), code <= 5 ? kOpFirst : 0);
    QCOMPARE(s.send(r), 33);
    const QByteArray answer = s.read();
    if (echoed)
        QCOMPARE(answer.toHex(' '), bytes(r).toHex(' '));
    else
        QCOMPARE(answer, QByteArray());
}

QTEST_GUILESS_MAIN(TestVirtualMouse)
#include "test_virtualmouse.moc"
