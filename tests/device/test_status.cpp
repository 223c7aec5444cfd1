// The status thread on the virtual mouse: polling rhythm, report decoding,
// and the rules that keep one thread at a time on the command handle.
#include "devicetestutil.h"
#include "encoders.h"
#include "linkstate.h"
#include "statuspollthread.h"
#include "testutil.h"

#include <QtTest>

namespace {

// Collects the thread's signals on the test's own thread.
class Recorder : public QObject {
    Q_OBJECT
public:
    QVector<QVector<int>> battery;
    QVector<QVector<int>> status;
    QVector<int> writeStatus;
public slots:
    void onBattery(quint8 c, quint8 lo, quint8 hi) { battery.push_back({c, lo, hi}); }
    void onStatus(quint8 p, quint8 d, quint8 r, quint8 m) { status.push_back({p, d, r, m}); }
    void onWriteStatus(quint8 s) { writeStatus.push_back(s); }
};

StatusThreadControl::Connector connectTo(Recorder* r) {
    return [r](StatusPollThread* t) {
        QObject::connect(t, &StatusPollThread::RefreshBatteryStatus, r, &Recorder::onBattery);
        QObject::connect(t, &StatusPollThread::RefreshStatus, r, &Recorder::onStatus);
        QObject::connect(t, &StatusPollThread::RefreshWriteStatus, r, &Recorder::onWriteStatus);
    };
}

const StatusTiming kFast{0, 5, 1, 1, 1};

} // namespace

class TestStatus : public QObject {
    Q_OBJECT
private slots:
    void init() { setStatusTiming(kFast); }
    void cleanup() { setStatusTiming(StatusTiming()); }
    void initTestCase() { m_app = std::make_unique<TempAppDir>(fixture(QStringLiteral("aero"))); }
    void cleanupTestCase() { m_app.reset(); }
    void pollEvery57Reads();
    void batteryReports_data();
    void batteryReports();
    void statusReports();
    void movementReportsIgnored();
    void endsWithoutHandle();
    void neverTwoAtOnce();
    void stopEndsThreadWithRealPauses();
    void commandsNotDisturbedByPolling();

private:
    std::unique_ptr<TempAppDir> m_app;
};

void TestStatus::pollEvery57Reads() {
    VirtualLink link;
    Recorder rec;
    StatusThreadControl control(connectTo(&rec));
    QVERIFY(control.start());
    StatusPollThread* t = control.thread();
    QTRY_VERIFY_WITH_TIMEOUT(t->readCount() >= 2 * kReadsPerPoll + 5, 20000);
    t->requestStop();
    QVERIFY(t->wait(2000));
    const int reads = t->readCount();
    control.stop();
    int polls = 0;
    for (const QByteArray& r : link.sent())
        if (uint8_t(r[kPosCommand]) == kCmdStatusPoll) ++polls;
    // The poll's own read, then 56 listening reads before the next poll.
    QCOMPARE(polls, (reads - 1) / kReadsPerPoll + 1);
    QCOMPARE(rec.battery.size() >= 3, true);
}

void TestStatus::batteryReports_data() {
    QTest::addColumn<int>("raw");
    QTest::addColumn<bool>("charging");
    QTest::addColumn<int>("writeStatus");
    QTest::addColumn<int>("variant");
    QTest::addColumn<bool>("asleep");
    QTest::addColumn<QVector<int>>("battery");
    QTest::addColumn<int>("writeSignal"); // -1: none
    QTest::newRow("charging, written")
        << 0x1234 << true << 1 << 8 << false << QVector<int>{1, 0x34, 0x12} << 1;
    QTest::newRow("not written") << 0x0300 << false << 0 << 0 << false
                                 << QVector<int>{0, 0x00, 0x03} << 0;
    QTest::newRow("all zeros") << 0 << false << 0 << 3 << false << QVector<int>{0, 0, 0} << -1;
    QTest::newRow("charging only") << 0 << true << 0 << 0 << false << QVector<int>{1, 0, 0} << 0;
    QTest::newRow("asleep: no answer")
        << 1000 << false << 1 << 0 << true << QVector<int>{0, 0, 0} << -1;
}

void TestStatus::batteryReports() {
    QFETCH(int, raw);
    QFETCH(bool, charging);
    QFETCH(int, writeStatus);
    QFETCH(int, variant);
    QFETCH(bool, asleep);
    QFETCH(QVector<int>, battery);
    QFETCH(int, writeSignal);
    VirtualLink link;
    link.mouse.setBatteryRaw(uint16_t(raw));
    link.mouse.setCharging(charging);
    link.mouse.setWriteStatus(uint8_t(writeStatus));
    link.mouse.setVariant(uint8_t(variant));
    link.mouse.setAsleep(asleep);
    setLastBatteryVariant(0xEE);
    Recorder rec;
    StatusThreadControl control(connectTo(&rec));
    QVERIFY(control.start());
    QTRY_VERIFY(!rec.battery.isEmpty());
    QTest::qWait(50);
    control.stop();
    QCoreApplication::processEvents();
    QCOMPARE(rec.battery.front(), battery);
    if (writeSignal < 0) {
        QVERIFY(rec.writeStatus.isEmpty());
    } else {
        QVERIFY(!rec.writeStatus.isEmpty());
        QCOMPARE(rec.writeStatus.front(), writeSignal);
    }
    QCOMPARE(int(lastBatteryVariant()), asleep ? 0xEE : variant);
    QVERIFY(rec.status.isEmpty());
}

void TestStatus::statusReports() {
    VirtualLink link;
    Recorder rec;
    StatusThreadControl control(connectTo(&rec));
    QVERIFY(control.start());
    QTRY_VERIFY(!rec.battery.isEmpty());
    link.mouse.pressProfileButton();
    QTRY_VERIFY(!rec.status.isEmpty());
    QCOMPARE(rec.status.front()[0], link.mouse.activeProfile());
    link.mouse.pressDpiButton();
    QTRY_COMPARE(rec.status.size(), 2);
    QCOMPARE(rec.status.back()[1], link.mouse.dpiStage(link.mouse.activeProfile()));
    link.mouse.pressRateButton();
    QTRY_COMPARE(rec.status.size(), 3);
    QCOMPARE(rec.status.back()[2], link.mouse.reportRate(link.mouse.activeProfile()));
    control.stop();
}

void TestStatus::movementReportsIgnored() {
    VirtualLink link;
    link.mouse.setMotionInterval(1);
    link.mouse.setBatteryRaw(0x0400);
    Recorder rec;
    StatusThreadControl control(connectTo(&rec));
    QVERIFY(control.start());
    QTRY_VERIFY(!rec.battery.isEmpty());
    QTest::qWait(100);
    control.stop();
    QCoreApplication::processEvents();
    QCOMPARE(rec.battery.front(), (QVector<int>{0, 0x00, 0x04}));
    QVERIFY(rec.status.isEmpty());
}

void TestStatus::endsWithoutHandle() {
    VirtualLink link;
    Recorder rec;
    StatusThreadControl control(connectTo(&rec));
    QVERIFY(control.start());
    QTRY_VERIFY(!rec.battery.isEmpty());
    CloseDevices();
    QTRY_VERIFY(!control.running());
    // Started with nothing open: ends at once, silently.
    rec.battery.clear();
    QVERIFY(control.start());
    QTRY_VERIFY(!control.running());
    QCoreApplication::processEvents();
    QVERIFY(rec.battery.isEmpty());
}

void TestStatus::neverTwoAtOnce() {
    VirtualLink link;
    std::atomic<int> active{0};
    std::atomic<bool> overlap{false};
    int created = 0;
    StatusThreadControl control([&](StatusPollThread* t) {
        ++created;
        QObject::connect(
            t, &QThread::started, t, [&] { overlap = overlap || ++active > 1; },
            Qt::DirectConnection);
        QObject::connect(
            t, &QThread::finished, t, [&] { --active; }, Qt::DirectConnection);
    });
    for (int i = 0; i < 5; ++i) {
        QVERIFY(control.start());
        QTest::qWait(5);
    }
    control.stop();
    QVERIFY(!overlap);
    QCOMPARE(created, 5);
    QCOMPARE(active.load(), 0);
    QVERIFY(!control.thread());
}

void TestStatus::stopEndsThreadWithRealPauses() {
    setStatusTiming(StatusTiming());
    VirtualLink link;
    StatusThreadControl control;
    QVERIFY(control.start());
    QTest::qWait(100); // inside its first 450 ms pause
    control.stop();
    QVERIFY(!control.thread()); // ended within the bound, not left behind
}

void TestStatus::commandsNotDisturbedByPolling() {
    // The status thread reads continuously; a verified command's echo must
    // never be taken by it.
    setStatusTiming({0, 5, 0, 0, 0});
    VirtualLink link;
    StatusThreadControl control;
    QVERIFY(control.start());
    int failures = 0;
    for (int i = 0; i < 100; ++i)
        if (SendCommand(applyBlockReport(uint8_t(1 << (i % 5)))) != 0) ++failures;
    control.stop();
    QCOMPARE(failures, 0);
    int applies = 0;
    for (const QByteArray& r : link.sent())
        if (uint8_t(r[kPosCommand]) == kCmdApplyBlock) ++applies;
    QCOMPARE(applies, 100); // no rewrites
}

QTEST_GUILESS_MAIN(TestStatus)
#include "test_status.moc"
