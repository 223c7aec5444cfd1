// Recording on a clock the test sets: delays, limits, auto-repeat, the key
// codes of the hook, and the release check.
#include "macrofile.h"
#include "macrorecorder.h"

#include <QtTest>

namespace {

struct Event {
    quint32 scan;
    quint32 flags;
    qint64 atMs = 0;
};
using Events = QVector<Event>;
using Steps = std::vector<MacroStep>;

// Feeds `events` the way the page does and returns the step list.
Steps record(MacroRecorder& recorder, const Events& events) {
    Steps steps;
    for (const Event& e : events) {
        const auto r = recorder.keyEventAt(e.scan, e.flags, int(steps.size()), e.atMs);
        steps.insert(steps.end(), r.steps, r.steps + r.count);
    }
    return steps;
}

MacroStep down(uint8_t usage) {
    return keyStep(usage, true);
}
MacroStep up(uint8_t usage) {
    return keyStep(usage, false);
}

// Hook scan codes and usages of the keys the cases type.
constexpr quint32 kA = 0x1E, kB = 0x30, kAlt = 0x38, kHomeScan = 0x47;
constexpr quint32 kUp = 0x80, kExt = 0x01, kAltDown = 0x20;
constexpr uint8_t kUsageA = 0x04, kUsageB = 0x05, kUsageLeftAlt = 0xE2, kUsageRightAlt = 0xE6;

} // namespace

Q_DECLARE_METATYPE(Events)
Q_DECLARE_METATYPE(Steps)

class TestMacroRecorder : public QObject {
    Q_OBJECT

private slots:
    void delayMs_data() {
        QTest::addColumn<qint64>("elapsed");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("expected");
        QTest::newRow("no time") << qint64(0) << 10 << 10;
        QTest::newRow("below a unit") << qint64(4) << 10 << 10;
        QTest::newRow("rounded down") << qint64(1234) << 10 << 1230;
        QTest::newRow("unit 1") << qint64(1234) << 1 << 1234;
        QTest::newRow("unit 1, no time") << qint64(0) << 1 << 1;
        QTest::newRow("longest count") << qint64(655359) << 10 << 655350;
        QTest::newRow("one unit past") << qint64(655360) << 10 << 655350;
        QTest::newRow("days") << qint64(1000) * 3600 * 24 * 40 << 10 << 655350;
        QTest::newRow("clock went back") << qint64(-5) << 10 << 10;
        QTest::newRow("no unit") << qint64(1234) << 0 << 1230;
    }
    void delayMs() {
        QFETCH(qint64, elapsed);
        QFETCH(int, unit);
        QFETCH(int, expected);
        QCOMPARE(recordedDelayMs(elapsed, unit), expected);
    }

    void sequences_data() {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("unit");
        QTest::addColumn<int>("defaultDelay");
        QTest::addColumn<Events>("events");
        QTest::addColumn<Steps>("expected");
        const Events aThenB{{kA, 0, 100}, {kA, kUp, 1334}, {kB, 0, 1338}, {kB, kUp, 1338}};

        QTest::newRow("pauses, unit 10")
            << 1 << 10 << 0 << aThenB
            << Steps{down(kUsageA), delayStep(123), up(kUsageA), delayStep(1),
                     down(kUsageB), delayStep(1),   up(kUsageB)};
        QTest::newRow("pauses, unit 1")
            << 1 << 1 << 0 << aThenB
            << Steps{down(kUsageA), delayStep(1234), up(kUsageA), delayStep(4),
                     down(kUsageB), delayStep(1),    up(kUsageB)};
        QTest::newRow("pause past two bytes")
            << 1 << 10 << 0 << Events{{kA, 0, 0}, {kA, kUp, qint64(1) << 40}}
            << Steps{down(kUsageA), delayStep(kMaxDelayCount), up(kUsageA)};
        QTest::newRow("default delay")
            << 2 << 10 << 250 << aThenB
            << Steps{down(kUsageA), delayStep(25), up(kUsageA), delayStep(25),
                     down(kUsageB), delayStep(25), up(kUsageB)};
        QTest::newRow("default delay, unit 1") << 2 << 1 << 250 << Events{{kA, 0}, {kA, kUp}}
                                               << Steps{down(kUsageA), delayStep(250), up(kUsageA)};
        QTest::newRow("default delay past two bytes")
            << 2 << 1 << 100000 << Events{{kA, 0}, {kA, kUp}}
            << Steps{down(kUsageA), delayStep(kMaxDelayCount), up(kUsageA)};
        QTest::newRow("no delays") << 0 << 10 << 250 << aThenB
                                   << Steps{down(kUsageA), up(kUsageA), down(kUsageB), up(kUsageB)};
        QTest::newRow("damaged delay type")
            << 7 << 10 << 250 << aThenB
            << Steps{down(kUsageA), up(kUsageA), down(kUsageB), up(kUsageB)};
        // A repeat leaves the clock alone: the pause runs from the first press.
        QTest::newRow("auto-repeat")
            << 1 << 10 << 0 << Events{{kA, 0, 0}, {kA, 0, 500}, {kA, 0, 530}, {kA, kUp, 800}}
            << Steps{down(kUsageA), delayStep(80), up(kUsageA)};
        QTest::newRow("pressed again after its release")
            << 0 << 10 << 0 << Events{{kA, 0}, {kA, kUp}, {kA, 0}, {kA, kUp}}
            << Steps{down(kUsageA), up(kUsageA), down(kUsageA), up(kUsageA)};
        QTest::newRow("keypad 7 and Home")
            << 0 << 10 << 0
            << Events{{kHomeScan, 0}, {kHomeScan, kUp}, {kHomeScan, kExt}, {kHomeScan, kExt | kUp}}
            << Steps{down(0x5F), up(0x5F), down(0x4A), up(0x4A)};
        QTest::newRow("keypad 7 with Alt held")
            << 0 << 10 << 0
            << Events{{kAlt, kAltDown},
                      {kHomeScan, kAltDown},
                      {kHomeScan, kAltDown | kUp},
                      {kAlt, kUp}}
            << Steps{down(kUsageLeftAlt), down(0x5F), up(0x5F), up(kUsageLeftAlt)};
        QTest::newRow("right Alt let go while left Alt is held")
            << 0 << 10 << 0
            << Events{{kAlt, kAltDown},
                      {kAlt, kAltDown | kExt},
                      {kAlt, kAltDown | kExt | kUp},
                      {kAlt, kUp}}
            << Steps{down(kUsageLeftAlt), down(kUsageRightAlt), up(kUsageRightAlt),
                     up(kUsageLeftAlt)};
        // Held since before the start, or no key of the keyboard's page.
        QTest::newRow("release without press")
            << 0 << 10 << 0 << Events{{kA, kUp}} << Steps{up(kUsageA)};
        QTest::newRow("no usage") << 0 << 10 << 0 << Events{{0x00, 0}, {0x00, kUp}}
                                  << Steps{down(0), up(0)};
    }
    void sequences() {
        QFETCH(int, delayType);
        QFETCH(int, unit);
        QFETCH(int, defaultDelay);
        QFETCH(Events, events);
        QFETCH(Steps, expected);
        MacroRecorder recorder;
        recorder.start(uint8_t(delayType), unit, defaultDelay);
        QCOMPARE(record(recorder, events), expected);
    }

    // Distinct keys pressed and released one after another until far past
    // what a macro holds.
    void limits_data() {
        QTest::addColumn<int>("delayType");
        QTest::addColumn<int>("expected");
        QTest::newRow("no delays") << 0 << kMaxUndelayedSteps;
        QTest::newRow("pauses") << 1 << kMaxMacroSteps;
        QTest::newRow("default delay") << 2 << kMaxMacroSteps;
    }
    void limits() {
        QFETCH(int, delayType);
        QFETCH(int, expected);
        MacroRecorder recorder;
        recorder.start(uint8_t(delayType), 10, 100);
        Events events;
        for (int i = 0; i < 100; ++i) {
            const quint32 scan = quint32(0x10 + i % 40);
            events << Event{scan, 0, i * 100} << Event{scan, kUp, i * 100 + 50};
        }
        const Steps steps = record(recorder, events);
        QCOMPARE(int(steps.size()), expected);
        // Delays only ever come before a key.
        QVERIFY(stepKind(steps.back()) == kStepKey);
        // An event past the limit is not taken as held: it still records
        // once the list has room again.
        const auto r = recorder.keyEventAt(events.back().scan, 0, 0, 20000);
        QVERIFY(r.count > 0);
        QVERIFY(r.press);
    }

    void startAndStop() {
        MacroRecorder recorder;
        QVERIFY(!recorder.recording());
        QCOMPARE(recorder.keyEventAt(kA, 0, 0, 0).count, 0);

        recorder.start(1, 10, 0);
        QVERIFY(recorder.recording());
        QCOMPARE(record(recorder, {{kA, 0, 0}, {kB, 0, 300}}).size(), size_t(3));
        QCOMPARE(recorder.heldIndex(0x1E), 0);
        QCOMPARE(recorder.heldIndex(0x30), 1);
        recorder.stop();
        QVERIFY(!recorder.recording());
        QCOMPARE(recorder.keyEventAt(kA, kUp, 3, 400).count, 0);

        // A new recording holds no key and starts without a delay.
        recorder.start(1, 10, 0);
        QCOMPARE(recorder.heldIndex(0x1E), -1);
        QCOMPARE(record(recorder, {{kA, 0, 5000}}), Steps{down(kUsageA)});
    }

    void released_data() {
        QTest::addColumn<Steps>("steps");
        QTest::addColumn<bool>("expected");
        const MacroStep middleDown = buttonStep(0x04, true), middleUp = buttonStep(0x04, false);
        QTest::newRow("empty") << Steps{} << true;
        QTest::newRow("a") << Steps{down(kUsageA), up(kUsageA)} << true;
        QTest::newRow("nested") << Steps{down(kUsageA), down(kUsageB), up(kUsageB), up(kUsageA)}
                                << true;
        QTest::newRow("crossed") << Steps{down(kUsageA), down(kUsageB), up(kUsageA), up(kUsageB)}
                                 << true;
        QTest::newRow("b left down") << Steps{down(kUsageA), down(kUsageB), up(kUsageA)} << false;
        QTest::newRow("a twice, up once")
            << Steps{down(kUsageA), down(kUsageA), up(kUsageA)} << false;
        QTest::newRow("other key released")
            << Steps{down(kUsageA), down(kUsageB), up(kUsageA), up(0x06)} << false;
        QTest::newRow("released before pressed") << Steps{up(kUsageA), down(kUsageA)} << false;
        QTest::newRow("only a release") << Steps{up(kUsageA)} << true;
        QTest::newRow("button") << Steps{middleDown, delayStep(10), middleUp} << true;
        QTest::newRow("button left down") << Steps{middleDown, delayStep(4)} << false;
        // The same byte of another kind of step releases nothing.
        QTest::newRow("button by a key") << Steps{middleDown, up(0x04)} << false;
        QTest::newRow("key by a move")
            << Steps{down(kUsageA), moveStep(MoveDirection::Right, 4)} << false;
        QTest::newRow("key by a delay") << Steps{down(kUsageA), delayStep(4)} << false;
    }
    void released() {
        QFETCH(Steps, steps);
        QFETCH(bool, expected);
        QCOMPARE(allKeysReleased(steps), expected);
    }
};

QTEST_GUILESS_MAIN(TestMacroRecorder)
#include "test_macro_recorder.moc"
