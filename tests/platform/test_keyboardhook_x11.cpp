// The hook on a real X display (Xvfb), typed into with xdotool: the keys of
// every program are seen, as the pairs of the key table.
#include "keyboardhook.h"
#include "keycodes.h"
#include "testutil.h"

#include <QGuiApplication>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QtTest>

using Pair = QPair<quint32, quint32>; // scan code, flags
using Pairs = QVector<Pair>;

namespace {

// F12, typed after a case's keys: once its release is seen, every earlier key
// has been handed over.
const Pair kEndDown{0x58, 0x00};
const Pair kEndUp{0x58, 0x80};

bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

// What `hook` reports for `args`, up to the closing F12.
bool typeAndCollect(KeyboardHook& hook, const QStringList& args, Pairs& seen) {
    Pairs all;
    const auto c = QObject::connect(&hook, &KeyboardHook::keyEvent, [&all](quint32 s, quint32 f) {
        all.append({s, f});
    });
    bool ok = xdotool(args + QStringList{"key", "F12"});
    if (ok) ok = QTest::qWaitFor([&] { return all.contains(kEndUp); });
    QObject::disconnect(c);
    seen = all.mid(0, all.indexOf(kEndDown));
    return ok;
}

} // namespace

class TestKeyboardHookX11 : public QObject {
    Q_OBJECT
public:
    explicit TestKeyboardHookX11(const QString& skipReason) : m_skipReason(skipReason) {}

private:
    QString m_skipReason;

private slots:
    void initTestCase() {
        if (!m_skipReason.isEmpty()) QSKIP(qPrintable(m_skipReason));
        QCOMPARE(QGuiApplication::platformName(), QStringLiteral("xcb"));
    }

    void keys_data() {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<Pairs>("expected");
        QTest::addColumn<int>("code"); // of the first pair
        // Right-hand modifiers by key code: by name xdotool adds the left one.
        QTest::newRow("right Ctrl")
            << QStringList{"key", "105"} << Pairs{{0x1D, 0x01}, {0x1D, 0x81}} << 0xEE;
        QTest::newRow("keypad Home")
            << QStringList{"key", "KP_Home"} << Pairs{{0x47, 0x00}, {0x47, 0x80}} << 0xEB;
        QTest::newRow("Home") << QStringList{"key", "Home"} << Pairs{{0x47, 0x01}, {0x47, 0x81}}
                              << 0x47;
        QTest::newRow("Alt held") << QStringList{"keydown", "Alt_L", "key", "k", "keyup", "Alt_L"}
                                  << Pairs{{0x38, 0x20}, {0x25, 0x20}, {0x25, 0xA0}, {0x38, 0x80}}
                                  << 0x38;
        QTest::newRow("right Alt held")
            << QStringList{"keydown", "108", "key", "k", "keyup", "108"}
            << Pairs{{0x38, 0x21}, {0x25, 0x20}, {0x25, 0xA0}, {0x38, 0x81}} << 0xEF;
        QTest::newRow("Ctrl Shift Q")
            << QStringList{"keydown", "Control_L", "keydown", "Shift_L", "key",
                           "q",       "keyup",     "Shift_L", "keyup",   "Control_L"}
            << Pairs{{0x1D, 0x00}, {0x2A, 0x00}, {0x10, 0x00},
                     {0x10, 0x80}, {0x2A, 0x80}, {0x1D, 0x80}}
            << 0x1D;
    }
    void keys() {
        QFETCH(QStringList, args);
        QFETCH(Pairs, expected);
        QFETCH(int, code);
        KeyboardHook hook;
        QVERIFY(hook.isActive());
        Pairs seen;
        QVERIFY(typeAndCollect(hook, args, seen));
        QCOMPARE(seen, expected);
        QCOMPARE(int(keyCodeFromHook(seen[0].first, seen[0].second)), code);
    }

    // A held key repeats as further key-downs, never as up/down pairs.
    void heldKeyRepeats() {
        KeyboardHook hook;
        Pairs seen;
        QVERIFY(typeAndCollect(hook, {"keydown", "x", "sleep", "2", "keyup", "x"}, seen));
        QVERIFY2(seen.size() > 2, "the key did not repeat");
        QCOMPARE(seen.count(Pair{0x2D, 0x00}), seen.size() - 1);
        QCOMPARE(seen.last(), Pair(0x2D, 0x80));
    }

    // Once a hook is gone nothing reaches it, even mid-delivery.
    void nothingAfterDestruction() {
        int afterEnd = 0;
        {
            KeyboardHook gone;
            connect(&gone, &KeyboardHook::keyEvent, [&] { ++afterEnd; });
        }
        int beforeDelete = 0;
        auto* selfDeleting = new KeyboardHook;
        connect(selfDeleting, &KeyboardHook::keyEvent, [&] {
            ++beforeDelete;
            delete selfDeleting;
        });
        KeyboardHook witness;
        Pairs seen;
        QVERIFY(typeAndCollect(witness, {"key", "a", "b", "c"}, seen));
        QCOMPARE(seen.size(), 6);
        QCOMPARE(afterEnd, 0);
        QCOMPARE(beforeDelete, 1);
    }
};

int main(int argc, char** argv) {
    // The application talks to the private display, so that is started first.
    XvfbServer xvfb;
    const QString skip = prepareXvfbTests(xvfb);
    QGuiApplication app(argc, argv);
    TestKeyboardHookX11 test(skip);
    return QTest::qExec(&test, argc, argv);
}

#include "test_keyboardhook_x11.moc"
