// The key table, and the hook's event filter as it runs where no X display is
// recorded (offscreen here).
#include "keyboardhook.h"
#include "keycodes.h"

#include <QLineEdit>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

using Pair = QPair<quint32, quint32>; // scan code, flags
using Pairs = QVector<Pair>;

namespace {

enum class How { Click, Press, Release, WindowEvent };
struct Step {
    How how;
    int key;
    Qt::KeyboardModifiers mods = Qt::NoModifier;
    QEvent::Type type = QEvent::KeyPress; // WindowEvent only
    quint32 native = 0;
    bool autoRepeat = false;
};

} // namespace

Q_DECLARE_METATYPE(Step)
Q_DECLARE_METATYPE(QVector<Step>)

class TestKeyboardHook : public QObject {
    Q_OBJECT

private slots:
    // Every key of the key table has a Linux key that leads to it, down and
    // up; the mouse buttons are no keys.
    void everyKeyReachable_data() {
        QTest::addColumn<int>("code");
        for (const KeyRow& row : kKeyRows)
            if (row.code < 0xF0) QTest::newRow(row.name) << int(row.code);
    }
    void everyKeyReachable() {
        QFETCH(int, code);
        int found = -1;
        for (int evdev = 0; evdev < 256 && found < 0; ++evdev) {
            uint32_t scan = 0;
            bool extended = false;
            if (!hookKeyFromEvdev(evdev, scan, extended)) continue;
            const uint32_t flags = extended ? kHookExtended : 0;
            if (keyCodeFromHook(scan, flags) == code &&
                keyCodeFromHook(scan, flags | kHookKeyUp) == code)
                found = evdev;
        }
        QVERIFY2(found >= 0, "no key leads to this code");
    }

    void namedKeys_data() {
        QTest::addColumn<int>("evdev");
        QTest::addColumn<bool>("known");
        QTest::addColumn<uint>("scan");
        QTest::addColumn<bool>("extended");
        QTest::addColumn<int>("code");
        QTest::newRow("right Ctrl") << 97 << true << 0x1Du << true << 0xEE;
        QTest::newRow("keypad 7") << 71 << true << 0x47u << false << 0xEB;
        QTest::newRow("Home") << 102 << true << 0x47u << true << 0x47;
        QTest::newRow("Num Lock") << 69 << true << 0x45u << true << 0xE1;
        QTest::newRow("Pause") << 119 << true << 0x45u << false << 0x45;
        QTest::newRow("Print Screen") << 99 << true << 0x37u << true << 0x37;
        QTest::newRow("keypad *") << 55 << true << 0x37u << false << 0xE3;
        QTest::newRow("keypad Enter") << 96 << true << 0x1Cu << true << 0xE5;
        QTest::newRow("keypad /") << 98 << true << 0x35u << true << 0xE2;
        QTest::newRow("right Alt") << 100 << true << 0x38u << true << 0xEF;
        QTest::newRow("102nd key") << 86 << false << 0u << false << 0;
        QTest::newRow("reserved") << 0 << false << 0u << false << 0;
        QTest::newRow("huge") << 0x10000 << false << 0u << false << 0;
    }
    void namedKeys() {
        QFETCH(int, evdev);
        QFETCH(bool, known);
        QFETCH(uint, scan);
        QFETCH(bool, extended);
        QFETCH(int, code);
        uint32_t gotScan = 0;
        bool gotExtended = false;
        QCOMPARE(hookKeyFromEvdev(evdev, gotScan, gotExtended), known);
        if (!known) return;
        QCOMPARE(gotScan, scan);
        QCOMPARE(gotExtended, extended);
        QCOMPARE(int(keyCodeFromHook(gotScan, gotExtended ? kHookExtended : 0)), code);
    }

    void filter_data() {
        QTest::addColumn<QVector<Step>>("steps");
        QTest::addColumn<Pairs>("expected");
        const auto window = [](QEvent::Type t, int key, quint32 native, bool rep = false) {
            return Step{How::WindowEvent, key, Qt::NoModifier, t, native, rep};
        };
        QTest::newRow("Home") << QVector<Step>{{How::Click, Qt::Key_Home}}
                              << Pairs{{0x47, 0x01}, {0x47, 0x81}};
        // The line edit ignores F5, which goes on to its parent.
        QTest::newRow("passed to the parent")
            << QVector<Step>{{How::Click, Qt::Key_F5}} << Pairs{{0x3F, 0x00}, {0x3F, 0x80}};
        QTest::newRow("keypad 7") << QVector<Step>{{How::Click, Qt::Key_7, Qt::KeypadModifier}}
                                  << Pairs{{0x47, 0x00}, {0x47, 0x80}};
        QTest::newRow("keypad 7, NumLock off")
            << QVector<Step>{{How::Click, Qt::Key_Home, Qt::KeypadModifier}}
            << Pairs{{0x47, 0x00}, {0x47, 0x80}};
        QTest::newRow("Alt held") << QVector<Step>{{How::Press, Qt::Key_Alt},
                                                   {How::Click, Qt::Key_K},
                                                   {How::Release, Qt::Key_Alt}}
                                  << Pairs{{0x38, 0x20}, {0x25, 0x20}, {0x25, 0xA0}, {0x38, 0x80}};
        QTest::newRow("right Alt held")
            << QVector<Step>{window(QEvent::KeyPress, Qt::Key_AltGr, 108),
                             {How::Click, Qt::Key_K},
                             window(QEvent::KeyRelease, Qt::Key_AltGr, 108)}
            << Pairs{{0x38, 0x21}, {0x25, 0x20}, {0x25, 0xA0}, {0x38, 0x81}};
        // The native code wins over a Qt key that cannot tell the sides apart.
        QTest::newRow("native right Ctrl")
            << QVector<Step>{window(QEvent::KeyPress, Qt::Key_Control, 105),
                             window(QEvent::KeyRelease, Qt::Key_Control, 105)}
            << Pairs{{0x1D, 0x01}, {0x1D, 0x81}};
        // A virtual keyboard's own key map puts "k" where Escape is on a PC
        // keyboard; Escape there is still Escape.
        QTest::newRow("made-up key map")
            << QVector<Step>{window(QEvent::KeyPress, Qt::Key_K, 9),
                             window(QEvent::KeyRelease, Qt::Key_K, 9),
                             window(QEvent::KeyPress, Qt::Key_Escape, 9)}
            << Pairs{{0x25, 0x00}, {0x25, 0x80}, {0x01, 0x00}};
        QTest::newRow("auto-repeat")
            << QVector<Step>{window(QEvent::KeyPress, Qt::Key_X, 53),
                             window(QEvent::KeyRelease, Qt::Key_X, 53, true),
                             window(QEvent::KeyPress, Qt::Key_X, 53, true),
                             window(QEvent::KeyRelease, Qt::Key_X, 53, true),
                             window(QEvent::KeyPress, Qt::Key_X, 53, true),
                             window(QEvent::KeyRelease, Qt::Key_X, 53)}
            << Pairs{{0x2D, 0x00}, {0x2D, 0x00}, {0x2D, 0x00}, {0x2D, 0x80}};
        QTest::newRow("unknown keys")
            << QVector<Step>{{How::Click, Qt::Key_VolumeUp},
                             window(QEvent::KeyPress, Qt::Key_unknown, 94)}
            << Pairs{};
    }
    void filter() {
        QFETCH(QVector<Step>, steps);
        QFETCH(Pairs, expected);

        QWidget top;
        auto* edit = new QLineEdit(&top);
        (new QVBoxLayout(&top))->addWidget(edit);
        top.show();
        top.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&top));
        edit->setFocus();

        KeyboardHook hook;
        QVERIFY(hook.isActive());
        Pairs seen;
        connect(&hook, &KeyboardHook::keyEvent, [&seen](quint32 scan, quint32 flags) {
            seen.append({scan, flags});
        });
        for (const Step& s : steps) {
            switch (s.how) {
            case How::Click:
                QTest::keyClick(edit, Qt::Key(s.key), s.mods);
                break;
            case How::Press:
                QTest::keyPress(edit, Qt::Key(s.key), s.mods);
                break;
            case How::Release:
                QTest::keyRelease(edit, Qt::Key(s.key), s.mods);
                break;
            case How::WindowEvent: {
                QKeyEvent e(s.type, s.key, s.mods, s.native, 0, 0, QString(), s.autoRepeat);
                QCoreApplication::sendEvent(top.windowHandle(), &e);
                break;
            }
            }
        }
        QCOMPARE(seen, expected);
    }

    // A receiver may end the hook on the key it is told of.
    void destroyedByReceiver() {
        QWidget top;
        top.show();
        auto* hook = new KeyboardHook;
        int seen = 0;
        connect(hook, &KeyboardHook::keyEvent, [&] {
            ++seen;
            delete hook;
        });
        QTest::keyClick(&top, Qt::Key_A);
        QTest::keyClick(&top, Qt::Key_B);
        QCOMPARE(seen, 1);
    }
};

QTEST_MAIN(TestKeyboardHook)
#include "test_keyboardhook.moc"
