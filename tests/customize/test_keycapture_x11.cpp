// The key dialogs on a real X display (Xvfb), typed into with xdotool: keys
// typed anywhere are captured while a dialog lives, and not after.
#include "keydialogs.h"
#include "records.h"
#include "testutil.h"

#include <QApplication>
#include <QProcess>
#include <QStandardPaths>
#include <QtTest>

namespace {
bool xdotool(const QStringList& args) {
    QProcess p;
    p.start(QStringLiteral("xdotool"), args);
    return p.waitForFinished(30000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}
} // namespace

class TestKeyCaptureX11 : public QObject {
    Q_OBJECT
public:
    explicit TestKeyCaptureX11(const QString& skipReason) : m_skipReason(skipReason) {}

private:
    QString m_skipReason;

private slots:
    void initTestCase() {
        if (!m_skipReason.isEmpty()) QSKIP(qPrintable(m_skipReason));
    }

    void singleKey_data() {
        QTest::addColumn<QStringList>("typed");
        QTest::addColumn<int>("code");
        // Right-hand modifiers by key code: by name xdotool adds the left one.
        QTest::newRow("right Ctrl") << QStringList{"keydown", "105"} << 0xEE;
        QTest::newRow("keypad 7, NumLock off") << QStringList{"keydown", "KP_Home"} << 0xEB;
        QTest::newRow("Home") << QStringList{"keydown", "Home"} << 0x47;
        QTest::newRow("held A") << QStringList{"keydown", "a", "sleep", "1"} << 0x1E;
    }
    void singleKey() {
        QFETCH(QStringList, typed);
        QFETCH(int, code);
        SingleKeyDialog dialog(nullptr, 1.0, 0);
        // Keys typed anywhere are seen: no word about the focus.
        QVERIFY(!dialog.focusNote());
        QSignalSpy values(&dialog, &SingleKeyDialog::SetSingleKeyValue);
        QVERIFY(xdotool(typed));
        QVERIFY(QTest::qWaitFor([&] { return dialog.keyCode() == code; }));
        // A held key's repeats change nothing after its first event.
        QTest::qWait(200);
        QCOMPARE(values.count(), 1);
        QVERIFY(xdotool({"keyup", typed[1]}));
    }

    void comboKeepsWhatWasHeldTogether() {
        ButtonInfo none;
        ComboKeyDialog dialog(nullptr, 1.0, none);
        QVERIFY(xdotool({"keydown", "Control_L", "keydown", "Shift_L", "keydown", "q"}));
        QVERIFY(QTest::qWaitFor([&] { return dialog.keyText() == "Shift + Ctrl + Q"; }));
        QVERIFY(xdotool({"keyup", "q", "keyup", "Shift_L", "keyup", "Control_L", "sleep", "0.3"}));
        QTest::qWait(300);
        QCOMPARE(dialog.keyText(), QStringLiteral("Shift + Ctrl + Q"));
        const quint8* held = dialog.comboSlots();
        QCOMPARE(QByteArray(reinterpret_cast<const char*>(held), 5),
                 QByteArray("\x01\x01\x00\x00\x01", 5));
        QCOMPARE(int(dialog.keyCode()), 0x10);
    }

    // The capture ends with the dialog: keys typed afterwards reach nothing.
    void nothingAfterTheDialog() {
        auto* dialog = new SingleKeyDialog(nullptr, 1.0, 0);
        int after = 0;
        connect(dialog, &SingleKeyDialog::SetSingleKeyValue, [&] { ++after; });
        delete dialog;
        SingleKeyDialog witness(nullptr, 1.0, 0);
        QVERIFY(xdotool({"key", "b"}));
        QVERIFY(QTest::qWaitFor([&] { return witness.keyCode() == 0x30; }));
        QCOMPARE(after, 0);
    }
};

int main(int argc, char** argv) {
    // The application talks to the private display, so that is started first.
    XvfbServer xvfb;
    const QString skip = prepareXvfbTests(xvfb);
    QApplication app(argc, argv);
    TestKeyCaptureX11 test(skip);
    return QTest::qExec(&test, argc, argv);
}

#include "test_keycapture_x11.moc"
