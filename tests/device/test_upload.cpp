// The profile write on the virtual mouse: which packets go out for which
// changes, the macro transfer, and the results.
#include "commands.h"
#include "devicetestutil.h"
#include "linkstate.h"
#include "profilewrite.h"
#include "settingswriteworker.h"
#include "statuspollthread.h"
#include "testutil.h"

#include <QSettings>
#include <QtTest>
#include <appconfig.h>
#include <paths.h>
#include <productdef.h>
#include <profilefile.h>

namespace {

// The commands sent, runs of one command written "ccxN": "46 01x2 40x5 46".
QString sequence(const VirtualLink& link) {
    QStringList runs;
    int last = -1;
    int n = 0;
    auto flush = [&] {
        if (last < 0) return;
        QString s = QStringLiteral("%1").arg(last, 2, 16, QLatin1Char('0'));
        if (n > 1) s += QStringLiteral("x%1").arg(n);
        runs << s;
    };
    for (const QByteArray& r : link.sent()) {
        const int c = uint8_t(r[kPosCommand]);
        if (c == last) {
            ++n;
            continue;
        }
        flush();
        last = c;
        n = 1;
    }
    flush();
    return runs.join(' ');
}

void writeMacro(const QString& name, const std::vector<MacroStep>& steps) {
    ensureParentFolder(macroFilePath(name));
    QSettings ini(macroFilePath(name), QSettings::IniFormat);
    ini.setValue(QStringLiteral("Setting/Count"), int(steps.size()));
    for (size_t k = 0; k < steps.size(); ++k) {
        ini.setValue(QStringLiteral("Setting/Map_%1").arg(k), steps[k].map);
        ini.setValue(QStringLiteral("Setting/DataH_%1").arg(k), steps[k].dataH);
        ini.setValue(QStringLiteral("Setting/DataL_%1").arg(k), steps[k].dataL);
    }
}

std::vector<MacroStep> keySteps(int n) {
    std::vector<MacroStep> s;
    for (int k = 0; k < n; ++k)
        s.push_back({0x84, uint8_t(4 + k), 0});
    return s;
}

void assignMacro(ButtonInfo& b, const QString& name) {
    b.Fun = 200;
    b.Res1 = 0;
    b.LoopNumber = 1;
    b.macroname = name;
}

// Sixteen buttons, each in the slot of its own number.
void widenProduct() {
    QSettings def(productDefinitionPath(), QSettings::IniFormat);
    const int mouseDpi = def.value(QStringLiteral("PROFILE/MouseDpi")).toInt();
    def.setValue(QStringLiteral("PROFILE/ButtonCount"), 16 ^ mouseDpi);
    for (int i = 0; i < kProductButtonCount; ++i)
        def.setValue(QStringLiteral("PROFILE/BUTTON_INFO_%1_Matrix").arg(i), i);
}

struct Upload {
    Upload() : app(dataDir()) {
        widenProduct();
        link = std::make_unique<VirtualLink>();
        working = std::make_unique<DeviceSettings>();
        loadSettings(*working);
        sent = std::make_unique<DeviceSettings>(*working);
        writeDiff(0);
        setMouseOffFlag(false);
        setMacroEncodeDelayMs(1);
    }
    ~Upload() {
        link.reset();
        setMouseOffFlag(false);
        setMacroEncodeDelayMs(50);
    }
    // Runs the write worker to its end; returns its result.
    int run(bool force = false) {
        SettingsWriteWorker t(working.get(), sent.get(), nullptr);
        t.force = force;
        QSignalSpy done(&t, &SettingsWriteWorker::DoProcessDlg);
        t.run();
        if (done.count() != 1) return -1;
        return t.result();
    }
    MouseProfile& current() { return working->current(); }

    TempAppDir app;
    std::unique_ptr<VirtualLink> link;
    std::unique_ptr<DeviceSettings> working;
    std::unique_ptr<DeviceSettings> sent;
};

} // namespace

class TestUpload : public QObject {
    Q_OBJECT
private slots:
    void commandSet_data();
    void commandSet();
    void sequences_data();
    void sequences();
    void eightStepMacro();
    void repeatedMacro();
    void blocksFromCurrentProfile();
    void sharedLightingFromProfileZero();
    void statusThreadRestarted_data();
    void statusThreadRestarted();
    void stoppedWorkerSignalsNothing();
    void macroFileReading();
    void unsentMarkSurvives_data();
    void unsentMarkSurvives();
    void hostileMacroReadsEmpty();
};

void TestUpload::commandSet_data() {
    QTest::addColumn<int>("operation");
    QTest::addColumn<int>("result");
    QTest::addColumn<QString>("reports"); // bytes 3-6 of each report sent
    QTest::newRow("apply all, in order")
        << 0 << 0 << "40f30400 40f30100 40f30200 40f30800 40f31000";
    QTest::newRow("select profile") << 1 << 1 << "44030000 40f30100";
    QTest::newRow("select profile, no device") << 2 << 1 << "";
    QTest::newRow("begin") << 3 << 0 << "46000000";
    QTest::newRow("end") << 4 << 0 << "46010000";
}

void TestUpload::commandSet() {
    QFETCH(int, operation);
    QFETCH(int, result);
    QFETCH(QString, reports);
    Upload u;
    if (operation == 2) CloseDevices();
    const uint8_t r = operation == 0   ? ApplyAllBlocks()
                      : operation <= 2 ? SelectProfile(3)
                      : operation == 3 ? BeginProfileWrite()
                                       : EndProfileWrite();
    QCOMPARE(int(r), result);
    QStringList got;
    for (const QByteArray& b : u.link->sent())
        got << QString::fromLatin1(b.mid(3, 4).toHex());
    QCOMPARE(got.join(' '), reports);
}

void TestUpload::sequences_data() {
    QTest::addColumn<int>("scenario");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("result");
    QTest::addColumn<int>("diffAfter");
    QTest::newRow("report rate only") << 0 << "46 01x2 40x5 46" << 0 << 0;
    QTest::newRow("nothing changed") << 1 << "" << 0 << 0;
    QTest::newRow("full write pending") << 2 << "46 01x2 03x7 02x10 04x5 40x5 46" << 0 << 0;
    // Saved but not sent: still marked as pending.
    QTest::newRow("mouse off") << 3 << "" << 5 << 1;
    // Refused before the write is opened: no packet at all.
    QTest::newRow("thirteen macros") << 4 << "" << 6 << 1;
    QTest::newRow("macro too long") << 5 << "" << 6 << 1;
    QTest::newRow("first write fails") << 6 << "" << 4 << 1;
    QTest::newRow("silent mouse") << 7 << "46x6" << 2 << 1;
    QTest::newRow("lighting only") << 8 << "46 01x2 04x5 40x5 46" << 0 << 0;
    QTest::newRow("no left click") << 9 << "" << 7 << 1;
    // The second row is kept by the window but never reaches the mouse.
    QTest::newRow("left click only on second row") << 10 << "" << 7 << 1;
    QTest::newRow("left click on wheel") << 11 << "46 01x2 03x7 40x5 46" << 0 << 0;
    QTest::newRow("too long macro, past the twelfth") << 12 << "" << 6 << 1;
}

void TestUpload::sequences() {
    QFETCH(int, scenario);
    QFETCH(QString, expected);
    QFETCH(int, result);
    QFETCH(int, diffAfter);
    Upload u;
    switch (scenario) {
    case 0:
        u.current().pollrate = uint8_t(u.current().pollrate + 1);
        break;
    case 1:
        break;
    case 2:
        writeDiff(1);
        break;
    case 3:
        u.current().pollrate = uint8_t(u.current().pollrate + 1);
        setMouseOffFlag(true);
        break;
    case 4:
        for (int i = 1; i <= 13; ++i) {
            writeMacro(QStringLiteral("m%1").arg(i), keySteps(2));
            assignMacro(u.current().buttons[i], QStringLiteral("m%1").arg(i));
        }
        break;
    case 5:
        writeMacro(QStringLiteral("long"), keySteps(60));
        assignMacro(u.current().buttons[1], QStringLiteral("long"));
        break;
    case 6:
        writeDiff(1);
        u.link->mouse.injectFault(vm::Fault::WriteFail, 1);
        break;
    case 7:
        writeDiff(1);
        u.link->mouse.setAsleep(true);
        break;
    case 8:
        u.current().ledModes[u.current().LedMode].bright += 1;
        break;
    case 9:
        // A profile read as zeros; a pending full write must not send it.
        writeDiff(1);
        for (ButtonInfo& b : u.current().buttons)
            b.Fun = 0;
        break;
    case 10:
    case 11:
        for (ButtonInfo& b : u.current().buttons)
            b.Fun = 0;
        u.current().buttons[scenario == 10 ? 25 : kWheelDownEntry].Fun = kFunLeftClick;
        break;
    case 12:
        // Eleven good macros, then one too long: found only at the twelfth.
        for (int i = 1; i < 12; ++i) {
            writeMacro(QStringLiteral("m%1").arg(i), keySteps(2));
            assignMacro(u.current().buttons[i], QStringLiteral("m%1").arg(i));
        }
        writeMacro(QStringLiteral("long"), keySteps(60));
        assignMacro(u.current().buttons[12], QStringLiteral("long"));
        break;
    }
    const QString live = profilePathForName(u.working->profileNames[u.working->currentProfile]);
    const QByteArray profileBefore = readText(live);
    QCOMPARE(u.run(), result);
    QCOMPARE(sequence(*u.link), expected);
    QCOMPARE(readDiff(), diffAfter);
    QVERIFY(!u.link->mouse.writeOpen());
    if (result == kResultNoLeftClick && scenario == 9) {
        // No left click at all: neither sent nor saved over the file it came
        // from. A left click the mouse would not get is saved, not sent.
        QCOMPARE(readText(live), profileBefore);
        QVERIFY(u.working->current() != u.sent->current());
    } else if (result != 5) {
        QVERIFY(u.working->current() == u.sent->current());
    }
}

void TestUpload::eightStepMacro() {
    Upload u;
    writeMacro(QStringLiteral("eight"), keySteps(8));
    assignMacro(u.current().buttons[1], QStringLiteral("eight"));
    QCOMPARE(u.run(), 0);
    QCOMPARE(sequence(*u.link), QStringLiteral("46 01x2 03x7 40x5 05x11 46"));
    const std::vector<uint8_t> block = u.link->mouse.block(u.working->currentProfile, 5);
    QVERIFY(block.size() >= size_t(kMacroImageSize));
    QByteArray expected =
        hex("840400 840500 840600 840700 060100 840800 840900 840A00 840B00 060100 060100");
    expected.append(QByteArray(kMacroImageSize - expected.size(), '\0'));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()), kMacroImageSize).toHex(' '),
             expected.toHex(' '));
    QCOMPARE(int(uint8_t(u.link->sent()[15][kPosOperation])), 0xD1);
}

void TestUpload::repeatedMacro() {
    Upload u;
    writeMacro(QStringLiteral("a"), keySteps(1));
    writeMacro(QStringLiteral("b"), keySteps(2));
    assignMacro(u.current().buttons[1], QStringLiteral("a"));
    assignMacro(u.current().buttons[2], QStringLiteral("a"));
    assignMacro(u.current().buttons[3], QStringLiteral("b"));
    // Met after every listed macro was encoded: skipped, the images still go out.
    assignMacro(u.working->profiles[(u.working->currentProfile + 1) % kProfileCount].buttons[1],
                QStringLiteral("a"));
    QCOMPARE(u.run(true), 0);
    QCOMPARE(sequence(*u.link), QStringLiteral("46 01x2 03x7 02x10 04x5 40x5 05x21 46"));
    const std::vector<uint8_t> block = u.link->mouse.block(u.working->currentProfile, 5);
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()), 6).toHex(' '),
             hex("840400 060100").toHex(' '));
    QCOMPARE(QByteArray(reinterpret_cast<const char*>(block.data()) + 200, 9).toHex(' '),
             hex("840400 840500 060100").toHex(' '));
    const std::vector<uint8_t> buttons = u.link->mouse.block(u.working->currentProfile, 3);
    // Buttons 2 and 3 (slots 2 and 3) both name macro index 0, button 4 index 1.
    QCOMPARE(int(buttons[2 + 4 * 2 + 1]), 0);
    QCOMPARE(int(buttons[2 + 4 * 3 + 1]), 1);
}

void TestUpload::blocksFromCurrentProfile() {
    Upload u;
    u.working->currentProfile = 3;
    MouseProfile& p = u.working->profiles[3];
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.stages[i].used = 1;
        p.stages[i].x = uint32_t(40 + i);
        p.stages[i].y = uint32_t(60 + i);
    }
    p.ledModes[1].RGB = QColor(1, 2, 3);
    p.ledModes[1].bright = 4;
    p.buttons[1].Fun = 3;
    p.LedSleepTime = 9;
    p.LedMoveOFF = 1;
    QCOMPARE(u.run(true), 0);
    const EncodeContext ctx = currentEncodeContext();
    QCOMPARE(u.link->mouse.activeProfile(), 3);
    auto block = [&](int n) {
        const std::vector<uint8_t> b = u.link->mouse.block(3, n);
        return QByteArray(reinterpret_cast<const char*>(b.data()), int(b.size())).toHex(' ');
    };
    QCOMPARE(block(2), bytesOf(encodeDpiBlock(p, ctx.dpiStageCount, ctx.sensor, 0)).toHex(' '));
    QCOMPARE(block(4), bytesOf(encodeLightingBlock(p)).toHex(' '));
    MacroIndexMap macros;
    MouseProfile copy = p;
    QCOMPARE(block(3), bytesOf(encodeButtonBlock(copy, ctx, macros)).toHex(' '));
    const std::vector<uint8_t> settings = u.link->mouse.block(3, 1);
    QCOMPARE(int(settings[6]), 3);
    QCOMPARE(int(settings[7]), 1);
    QCOMPARE(int(settings[8]), 9);
    QVERIFY(u.link->mouse.block(0, 2).empty());
}

void TestUpload::sharedLightingFromProfileZero() {
    // A product whose one lighting setting serves every profile: whatever
    // profile is current, the lighting and its settings bytes come from
    // profile 0, and a change there alone is sent.
    Upload u;
    QVERIFY(writeCurrentProductName(QStringLiteral("Qorv Halo")));
    u.working->currentProfile = 3;
    MouseProfile& shared = u.working->profiles[0];
    shared.LedMode = 2;
    shared.ledModes[2].RGB = QColor(0x12, 0xab, 0x34);
    shared.ledModes[2].breath = 4;
    shared.LedSleepTime = 3;
    shared.LedMoveOFF = 0;
    MouseProfile& own = u.working->profiles[3];
    own.LedMode = 4;
    own.LedSleepTime = 7;
    own.LedMoveOFF = 255;
    QCOMPARE(u.run(true), 0);
    auto check = [&] {
        const std::vector<uint8_t> lighting = u.link->mouse.block(3, 4);
        const LightingBlock expected = encodeLightingBlock(shared);
        QVERIFY(std::equal(expected.begin(), expected.end(), lighting.begin(), lighting.end()));
        const std::vector<uint8_t> settings = u.link->mouse.block(3, 1);
        QCOMPARE(int(settings[7]), 0);
        QCOMPARE(int(settings[8]), int(shared.LedSleepTime));
        QCOMPARE(int(settings[18]), int(deviceLedMode(2)));
    };
    check();
    shared.LedSleepTime = 5;
    shared.ledModes[2].breath = 2;
    QCOMPARE(u.run(false), 0);
    check();
}

void TestUpload::statusThreadRestarted_data() {
    QTest::addColumn<bool>("fail");
    QTest::addColumn<bool>("open");
    QTest::addColumn<bool>("running");
    QTest::newRow("after success") << false << true << true;
    QTest::newRow("after a failure") << true << true << true;
    QTest::newRow("no handle open") << false << false << false;
}

void TestUpload::statusThreadRestarted() {
    QFETCH(bool, fail);
    QFETCH(bool, open);
    QFETCH(bool, running);
    Upload u;
    setStatusTiming({1, 5, 20, 20, 20});
    StatusThreadControl control;
    QVERIFY(control.start());
    if (fail) u.link->mouse.injectFault(vm::Fault::WriteFail, 1);
    if (!open) CloseDevices();
    const uint8_t r = ProfileWrite(*u.working, 15, &control);
    QCOMPARE(int(r), fail ? 4 : open ? 0 : 1);
    QTRY_COMPARE(control.running(), running);
    control.stop();
    QVERIFY(!control.running());
    setStatusTiming(StatusTiming());
}

void TestUpload::stoppedWorkerSignalsNothing() {
    Upload u;
    u.current().pollrate = uint8_t(u.current().pollrate + 1);
    SettingsWriteWorker t(u.working.get(), u.sent.get(), nullptr);
    t.isStop = 1;
    QSignalSpy done(&t, &SettingsWriteWorker::DoProcessDlg);
    t.run();
    QCOMPARE(done.count(), 0);
    QVERIFY(u.link->sent().empty());
}

void TestUpload::macroFileReading() {
    TempAppDir app(dataDir());
    writeMacro(QStringLiteral("x"), {{0x84, 4, 0}, {6, 25, 1}, {0x04, 4, 0}});
    const auto steps = readMacroSteps(QStringLiteral("x"));
    QCOMPARE(int(steps.size()), 3);
    QCOMPARE(int(steps[1].map), 6);
    QCOMPARE(int(steps[1].dataL), 25);
    QCOMPARE(int(steps[1].dataH), 1);
    QCOMPARE(int(readMacroSteps(QStringLiteral("x"), 2).size()), 2);
    QVERIFY(readMacroSteps(QStringLiteral("missing")).empty());
    writeText(app.file(QStringLiteral("Configs/outside.MSMACRO")),
              "[Setting]\nCount=1\nMap_0=132\n");
    QVERIFY(readMacroSteps(QStringLiteral("../outside")).empty());
    // A count far past what exists reads zero steps, bounded by the limit.
    QSettings(macroFilePath(QStringLiteral("x")), QSettings::IniFormat)
        .setValue(QStringLiteral("Setting/Count"), 100000000);
    QCOMPARE(int(readMacroSteps(QStringLiteral("x"), 67).size()), 67);
}

void TestUpload::unsentMarkSurvives_data() {
    QTest::addColumn<QString>("fault");
    QTest::addColumn<bool>("change");
    QTest::addColumn<int>("diff");
    QTest::newRow("device gone") << "unplugged" << true << 1;
    QTest::newRow("profile file unwritable") << "profile dir" << true << 0;
}

// Whatever stops a write, files and mouse never silently disagree: the new
// settings on disk are marked as not yet sent until the mouse has them.
void TestUpload::unsentMarkSurvives() {
    QFETCH(QString, fault);
    QFETCH(bool, change);
    QFETCH(int, diff);
    Upload u;
    if (change) u.current().pollrate = uint8_t(u.current().pollrate == 3 ? 2 : 3);
    const QString profilePath =
        profilePathForName(u.working->profileNames[u.working->currentProfile]);
    if (fault == "unplugged") u.link->mouse.unplug(vm::Link::Receiver);
    if (fault == "profile dir") {
        QFile::remove(profilePath);
        QDir().mkpath(profilePath);
    }
    SettingsWriteWorker t(u.working.get(), u.sent.get(), nullptr);
    t.run();
    QCOMPARE(readDiff(), diff);
    if (fault == "profile dir") {
        // Named to the user; the mouse still gets what the window shows.
        QCOMPARE(t.failedFile(), profilePath);
        QCOMPARE(int(t.result()), 0);
    } else {
        QCOMPARE(t.failedFile(), QString());
        MouseProfile onDisk;
        QVERIFY(readProfile(onDisk, profilePath));
        QCOMPARE(onDisk.pollrate, u.current().pollrate);
    }
}

void TestUpload::hostileMacroReadsEmpty() {
    TempAppDir app(dataDir());
    for (const QByteArray& value : {kHostileStringList, kHostilePolygon}) {
        writeText(macroFilePath("x"),
                  "[Setting]\nCount=2\nMap_0=132\nDataL_0=4\nName=" + value + "\n");
        QVERIFY(readMacroSteps(QStringLiteral("x")).empty());
    }
}

QTEST_GUILESS_MAIN(TestUpload)
#include "test_upload.moc"
