// The mouse session against the in-process virtual mouse, with no window:
// links plugged and pulled, the battery as told, access, and the one write
// path's failure handling.
#include "appconfig.h"
#include "defaults.h"
#include "devicetable.h"
#include "inprocessport.h"
#include "linkstate.h"
#include "mousesession.h"
#include "profilefile.h"
#include "protocol.h"
#include "testutil.h"

#include <QSignalSpy>
#include <QtTest>
#include <functional>
#include <memory>

namespace {

struct Rig {
    explicit Rig(const QString& links) : app(APP_DIR), port(mouse) {
        setHidPort(&port);
        if (links.contains('R')) mouse.plug(vm::Link::Receiver);
        if (links.contains('C')) mouse.plug(vm::Link::Cable);
    }
    ~Rig() {
        session.reset();
        setHidPort(nullptr);
    }
    // Started as the window starts it, but told of plugging by the test.
    MouseSession& start() {
        session = std::make_unique<MouseSession>();
        MouseSession::Options options;
        options.watchDevices = false;
        session->start(options);
        // A session that never reports fails the test at its first look.
        static_cast<void>(QTest::qWaitFor([this] { return session->known(); }));
        return *session;
    }
    // "+R", "-C", ...: the virtual mouse's link and the session's notices.
    void change(const QString& what) {
        const bool arrived = what[0] == '+';
        const bool receiver = what[1] == 'R';
        const vm::Link link = receiver ? vm::Link::Receiver : vm::Link::Cable;
        arrived ? mouse.plug(link) : mouse.unplug(link);
        const QString id = receiver ? "HID#VID_248A&PID_FA02" : "HID#VID_248A&PID_FB01";
        session->deviceInterface(id + "&Col01", arrived);
        session->deviceInterface(id + "&Col04", arrived);
    }
    TempAppDir app;
    vm::VirtualMouse mouse;
    InProcessHidPort port;
    std::unique_ptr<MouseSession> session;
};

} // namespace

class TestSession : public QObject {
    Q_OBJECT
private slots:
    void links_data() {
        QTest::addColumn<QString>("start");
        QTest::addColumn<QString>("change");
        QTest::addColumn<int>("mice");
        QTest::addColumn<bool>("receiverOpen");
        QTest::addColumn<bool>("cableOpen");
        QTest::addColumn<int>("state");
        QTest::addColumn<bool>("replaced");
        QTest::newRow("receiver") << "R"
                                  << "" << 1 << true << false << 2 << false;
        QTest::newRow("receiver pulled, cable stays") << "RC"
                                                      << "-R" << 1 << false << true << 0 << false;
        QTest::newRow("last link pulled") << "R"
                                          << "-R" << 0 << false << false << 3 << false;
        QTest::newRow("plugged after none") << ""
                                            << "+R" << 1 << true << false << 2 << true;
        QTest::newRow("cable added") << "R"
                                     << "+C" << 1 << true << true << 1 << false;
    }
    void links() {
        QFETCH(QString, start);
        QFETCH(QString, change);
        QFETCH(int, mice);
        QFETCH(bool, receiverOpen);
        QFETCH(bool, cableOpen);
        QFETCH(int, state);
        QFETCH(bool, replaced);
        Rig rig(start);
        writeDiff(0);
        MouseSession& s = rig.start();
        QSignalSpy replacedSpy(&s, &MouseSession::mouseReplaced);
        QSignalSpy connectionSpy(&s, &MouseSession::connectionChanged);
        if (!change.isEmpty()) {
            rig.change(change);
            QVERIFY(QTest::qWaitFor([&] { return connectionSpy.count() > 0; }));
            // The handles follow after the waits the mouse needs (longer on a
            // loaded machine).
            QTest::qWait(MouseSession::kReopenDelayMs);
            // The comparisons below say what did not follow.
            (void)QTest::qWaitFor([&] {
                return deviceHandles().receiverCommand.isOpen() == receiverOpen &&
                       deviceHandles().cableCommand.isOpen() == cableOpen;
            });
        }
        QCOMPARE(s.connection().mice.size(), mice);
        QCOMPARE(s.connection().product, QStringLiteral("Qorv Stratos"));
        QCOMPARE(deviceHandles().receiverCommand.isOpen(), receiverOpen);
        QCOMPARE(deviceHandles().cableCommand.isOpen(), cableOpen);
        QCOMPARE(s.connection().open, receiverOpen || cableOpen);
        QCOMPARE(s.connection().state, state);
        QCOMPARE(replacedSpy.count(), replaced ? 1 : 0);
        // A collection not seen before asks for a full write.
        QCOMPARE(readDiff(), change.startsWith('+') ? 1 : 0);
    }

    void battery_data() {
        QTest::addColumn<QString>("links");
        QTest::addColumn<int>("raw");
        QTest::addColumn<bool>("charging");
        QTest::addColumn<bool>("asleep");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("state");
        QTest::newRow("1018") << "R" << 1018 << false << false << 90 << 2;
        QTest::newRow("1019") << "R" << 1019 << false << false << 100 << 2;
        QTest::newRow("849") << "R" << 849 << false << false << 40 << 2;
        QTest::newRow("848") << "R" << 848 << false << false << 30 << 2;
        QTest::newRow("charging") << "R" << 1000 << true << false << 90 << 1;
        QTest::newRow("wired") << "C" << 848 << true << false << 30 << 0;
        QTest::newRow("asleep") << "R" << 1000 << false << true << 0 << 2;
    }
    void battery() {
        QFETCH(QString, links);
        QFETCH(int, raw);
        QFETCH(bool, charging);
        QFETCH(bool, asleep);
        QFETCH(int, level);
        QFETCH(int, state);
        Rig rig(links);
        rig.mouse.setBatteryRaw(uint16_t(raw));
        rig.mouse.setCharging(charging);
        rig.mouse.setAsleep(asleep);
        setMouseOffFlag(!asleep);
        auto session = std::make_unique<MouseSession>();
        QSignalSpy told(session.get(), &MouseSession::batteryChanged);
        rig.session = std::move(session);
        MouseSession::Options options;
        options.watchDevices = false;
        rig.session->start(options);
        QVERIFY(QTest::qWaitFor([&] { return told.count() > 0; }));
        const BatteryState b = told.first().first().value<BatteryState>();
        QCOMPARE(b.off, asleep);
        QCOMPARE(mouseOffFlag(), asleep);
        QCOMPARE(b.level, level);
        QCOMPARE(b.charging, charging && !asleep);
        QCOMPARE(b.wired, links == "C");
        QCOMPARE(rig.session->connection().state, state);
    }

    // The mouse's own buttons and its report of a lost write.
    void mouseReports() {
        Rig rig("R");
        writeDiff(0);
        MouseSession& s = rig.start();
        QSignalSpy changed(&s, &MouseSession::mouseChanged);
        QSignalSpy lost(&s, &MouseSession::writeLost);
        rig.mouse.pressDpiButton();
        QVERIFY(QTest::qWaitFor([&] { return changed.count() > 0; }));
        QCOMPARE(changed.last().at(1).toInt(), rig.mouse.dpiStage(rig.mouse.activeProfile()));
        rig.mouse.setWriteStatus(0);
        s.resumePolling(); // a fresh thread polls at once
        QVERIFY(QTest::qWaitFor([&] { return lost.count() > 0; }));
        QCOMPARE(readDiff(), 1);
    }

    // Refused nodes are told with the command that grants them, and tried
    // again until access is granted.
    void accessRetried() {
        Rig rig("R");
        rig.mouse.setAccessDenied(true);
        MouseSession& s = rig.start();
        QVERIFY(s.accessDenied());
        QVERIFY(!s.connection().open);
        QVERIFY(!s.accessText().isEmpty());
        rig.mouse.setAccessDenied(false);
        QVERIFY(QTest::qWaitFor([&] { return !s.accessDenied() && s.connection().open; }));
    }

    // The one write path: a write that does not go through keeps the full
    // write pending either way; the window keeps its edits in the files, the
    // tool puts back what was there.
    void writeFailure_data() {
        QTest::addColumn<bool>("restore");
        QTest::addColumn<bool>("fail");
        QTest::newRow("window, written") << false << false;
        QTest::newRow("window, failed") << false << true;
        QTest::newRow("tool, written") << true << false;
        QTest::newRow("tool, failed") << true << true;
    }
    void writeFailure() {
        QFETCH(bool, restore);
        QFETCH(bool, fail);
        Rig rig("R");
        writeDiff(0);
        MouseSession& s = rig.start();
        auto sent = std::make_unique<DeviceSettings>();
        loadSettings(*sent);
        auto edited = std::make_unique<DeviceSettings>(*sent);
        const uint8_t before = sent->profiles[1].pollrate;
        const uint8_t after = before == 1 ? 2 : 1;
        edited->profiles[1].pollrate = after;
        if (fail) rig.mouse.injectFault(vm::Fault::WriteFail, 1);
        SettingsWriteOptions options;
        options.target = 1; // not the profile in use
        options.onFailure = restore ? SettingsWriteOptions::OnFailure::RestoreSent
                                    : SettingsWriteOptions::OnFailure::KeepEdited;
        const SettingsWriteResult r = s.writeAndWait(*edited, *sent, options);
        QCOMPARE(int(r.result), fail ? int(kResultWriteFailed) : int(kResultOk));
        QCOMPARE(r.unsavedFile, QString());
        QCOMPARE(readDiff(), fail ? 1 : 0);
        MouseProfile onDisk;
        QVERIFY(readProfile(onDisk, profilePathForName(sent->profileNames[1])));
        const bool kept = !fail || !restore;
        QCOMPARE(onDisk.pollrate, kept ? after : before);
        QCOMPARE(sent->profiles[1].pollrate, kept ? after : before);
        if (!fail) {
            QCOMPARE(rig.mouse.reportRate(1), int(after));
            // The profile in use is active again.
            QCOMPARE(rig.mouse.activeProfile(), int(sent->currentProfile));
        }
    }
};

QTEST_GUILESS_MAIN(TestSession)
#include "test_session.moc"
