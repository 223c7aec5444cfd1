// Recording from the hook on a real X display (Xvfb), typed into with
// xdotool: held keys, paused keys, keypad keys and the step limits.
#include "keyboardhook.h"
#include "keycodes.h"
#include "macrofile.h"
#include "macrorecorder.h"
#include "testutil.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QtTest>

using Steps = std::vector<MacroStep>;
Q_DECLARE_METATYPE(Steps)

namespace {

// F12 ends a case: it stops the recording the way STOP does, and once its
// release is seen every earlier key has been handed over.
constexpr quint32 kEndScan = 0x58;

bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

struct Recording {
    Steps steps;
    QVector<qint64> keyTimesMs; // when each recorded key step arrived
};

// Records what `args` types, then F12, into a fresh step list.
bool typeAndRecord(MacroRecorder& recorder, const QStringList& args, Recording& out) {
    KeyboardHook hook;
    if (!hook.isActive()) return false;
    QElapsedTimer clock;
    clock.start();
    bool ended = false;
    QObject::connect(&hook, &KeyboardHook::keyEvent, [&](quint32 scan, quint32 flags) {
        if (scan == kEndScan) {
            recorder.stop();
            ended = ended || (flags & kHookKeyUp);
            return;
        }
        const auto r = recorder.keyEvent(scan, flags, int(out.steps.size()));
        out.steps.insert(out.steps.end(), r.steps, r.steps + r.count);
        if (r.count > 0) out.keyTimesMs.append(clock.elapsed());
    });
    return xdotool(args + QStringList{"key", "F12"}) && QTest::qWaitFor([&] { return ended; });
}

MacroStep down(uint8_t usage) {
    return keyStep(usage, true);
}
MacroStep up(uint8_t usage) {
    return keyStep(usage, false);
}

QStringList manyKeys(int n) {
    QStringList keys{"key"};
    for (int i = 0; i < n; ++i)
        keys << QString(QChar('a' + i % 26));
    return keys;
}

} // namespace

class TestMacroRecordingX11 : public QObject {
    Q_OBJECT
public:
    explicit TestMacroRecordingX11(const QString& skipReason) : m_skipReason(skipReason) {}

private:
    QString m_skipReason;

private slots:
    void initTestCase() {
        if (!m_skipReason.isEmpty()) QSKIP(qPrintable(m_skipReason));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    // Recordings without delays, step for step.
    void keys_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Steps>("expected");
        QTest::addColumn<bool>("released");
        // Held long enough for the server to repeat it.
        QTest::newRow("held key") << QStringList{"keydown", "x", "sleep", "1", "keyup", "x"}
                                  << Steps{down(0x1B), up(0x1B)} << true;
        // By key code: by name xdotool would press Num Lock around it.
        QTest::newRow("keypad 7 and Home")
            << QStringList{"key", "79", "Home"} << Steps{down(0x5F), up(0x5F), down(0x4A), up(0x4A)}
            << true;
        // Shift goes up only after STOP.
        QTest::newRow("Shift still down")
            << QStringList{"keydown", "Shift_L", "key", "a", "key", "F12", "keyup", "Shift_L"}
            << Steps{down(0xE1), down(0x04), up(0x04)} << false;
    }
    void keys() {
        QFETCH(QStringList, args);
        QFETCH(Steps, expected);
        QFETCH(bool, released);
        MacroRecorder recorder;
        recorder.start(0, 10, 0);
        Recording rec;
        QVERIFY(typeAndRecord(recorder, args, rec));
        QCOMPARE(rec.steps, expected);
        QCOMPARE(allKeysReleased(rec.steps), released);
    }

    void pauses() {
        MacroRecorder recorder;
        recorder.start(1, 10, 0);
        Recording rec;
        QVERIFY(typeAndRecord(recorder, {"key", "a", "sleep", "0.6", "key", "b"}, rec));
        QCOMPARE(int(rec.steps.size()), 7);
        // The first key comes without a delay, every other one after one.
        const Steps keys{down(0x04), up(0x04), down(0x05), up(0x05)};
        for (int i = 0; i < 4; ++i) {
            QCOMPARE(rec.steps[size_t(2 * i)], keys[size_t(i)]);
            if (i > 0) QCOMPARE(stepKind(rec.steps[size_t(2 * i - 1)]), kStepDelay);
        }
        const int pauseMs = delayCount(rec.steps[3]) * 10;
        const qint64 measuredMs = rec.keyTimesMs[2] - rec.keyTimesMs[1];
        QVERIFY2(
            qAbs(pauseMs - measuredMs) <= 150,
            qPrintable(
                QStringLiteral("recorded %1 ms, measured %2 ms").arg(pauseMs).arg(measuredMs)));
        QVERIFY(delayCount(rec.steps[1]) >= 1);
    }

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
        recorder.start(uint8_t(delayType), 10, 50);
        Recording rec;
        QVERIFY(typeAndRecord(recorder, manyKeys(40), rec));
        QCOMPARE(int(rec.steps.size()), expected);
    }
};

int main(int argc, char** argv) {
    // The application talks to the private display, so that is started first.
    XvfbServer xvfb;
    const QString skip = prepareXvfbTests(xvfb);
    QGuiApplication app(argc, argv);
    TestMacroRecordingX11 test(skip);
    return QTest::qExec(&test, argc, argv);
}

#include "test_macro_recording_x11.moc"
