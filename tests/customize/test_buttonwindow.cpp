// The function catalogue as the menus offer it, what each choice writes into
// a button's record, and the button window's rows and refusals.
#include "testutil.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSignalSpy>
#include <QtTest>
#include <buttonfunctions.h>
#include <buttonpanel.h>
#include <kestmenu.h>
#include <kestpushbutton.h>
#include <keycodes.h>
#include <macrolibrary.h>
#include <paths.h>

namespace {

QByteArray product(int count, int disableMacro, int ledDisable, const QList<int>& map = {}) {
    QByteArray text = "[PROFILE]\nButtonCount=" + QByteArray::number(count) +
                      "\nDisableMacro=" + QByteArray::number(disableMacro) +
                      "\nledDisable=" + QByteArray::number(ledDisable) + '\n';
    for (int i = 0; i < map.size(); ++i)
        text += "BUTTON_INFO_" + QByteArray::number(i) +
                "_Matrix2=" + QByteArray::number(map[i] & 0xFF) + '\n';
    return text;
}

QStringList texts(const QMenu* menu) {
    QStringList out;
    for (QAction* a : menu->actions())
        out << (a->menu() ? a->menu()->title() : a->text());
    return out;
}

const QMenu* submenu(const QMenu* top, const QString& title) {
    for (QAction* a : top->actions())
        if (a->menu() && a->menu()->title() == title) return a->menu();
    return nullptr;
}

MouseProfile leftOnlyProfile() {
    MouseProfile p;
    for (ButtonInfo& b : p.buttons)
        b.Fun = 16;
    p.buttons[0].Fun = 1;
    return p;
}

void writeMacro(const QString& name, int count, int firstMap) {
    QByteArray text = "[Setting]\nCount=" + QByteArray::number(count) + '\n';
    for (int j = 0; j < count; ++j)
        text += "Map_" + QByteArray::number(j) + '=' + QByteArray::number(firstMap + j) +
                "\nDataL_" + QByteArray::number(j) + "=2\nDataH_" + QByteArray::number(j) + "=3\n";
    QDir().mkpath(macroFolder());
    writeText(macroFilePath(name), text);
}

} // namespace

class TestButtonWindow : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { qRegisterMetaType<KestPushButton*>(); }
    void menus_data() {
        QTest::addColumn<int>("disableMacro");
        QTest::addColumn<int>("ledDisable");
        QTest::addColumn<QStringList>("tail");
        QTest::newRow("everything")
            << 0 << 0 << QStringList{"Macro Manager", "Led Switch", "Button Off"};
        QTest::newRow("no macros") << 1 << 0 << QStringList{"Led Switch", "Button Off"};
        QTest::newRow("no lighting") << 0 << 1 << QStringList{"Macro Manager", "Button Off"};
        QTest::newRow("neither") << 1 << 1 << QStringList{"Button Off"};
    }
    void menus() {
        QFETCH(int, disableMacro);
        QFETCH(int, ledDisable);
        QFETCH(QStringList, tail);
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"), product(7, disableMacro, ledDisable));
        MouseProfile profile = leftOnlyProfile();
        ButtonPanel w(&profile, nullptr, 1.0);
        for (int round = 0; round < 2; ++round) { // as built, then after a language change
            const QStringList top =
                QStringList{"Left",    "Right",   "Middle", "Forward", "Back",        "Basic",
                            "Windows", "Advance", "Media",  "DPI",     "Polling Rate"} +
                tail;
            QCOMPARE(texts(w.topMenu()), top);
            const QMap<QString, QStringList> subs = {
                {"Basic", {"Cut", "Copy", "Paste", "All", "Find", "New", "Print", "Save"}},
                {"Windows",
                 {"Switch Window", "Close Window", "My Computer", "Run", "Show Desktop", "Lock PC",
                  "Browser Home", "Browser Backward", "Browser Forward", "Browser Stop",
                  "Browser Refresh", "Browser Search", "Browser Favorite", "Mail", "Boss Key"}},
                {"Advance", {"SINGLE KEY", "COMBO KEY", "FIRE KEY"}},
                {"Media",
                 {"Play/Pause", "Stop", "Previous Track", "Next Track", "Volume Up", "Volume Down",
                  "Mute", "Media Player"}},
                {"DPI", {"DPI Switch", "DPI +", "DPI -"}},
                {"Polling Rate", {"Rate Switch", "Rate +", "Rate -"}}};
            for (auto it = subs.cbegin(); it != subs.cend(); ++it) {
                const QMenu* sub = submenu(w.topMenu(), it.key());
                QVERIFY2(sub, qPrintable(it.key()));
                QCOMPARE(texts(sub), it.value());
            }
            QCOMPARE(
                texts(w.wheelMenu()),
                (QStringList{"Scroll Up", "Scroll Down", "Volume Up", "Volume Down", "Left",
                             "Right", "Middle", "Forward", "Back", "SINGLE KEY", "COMBO KEY"}));
            // The same action stands in both menus.
            QVERIFY(w.wheelMenu()->actions().contains(w.actionFor(43)));
            QVERIFY(submenu(w.topMenu(), "Media")->actions().contains(w.actionFor(43)));
            w.retranslate();
        }
    }

    // The catalogue's codes and the ones no menu offers but a stored
    // profile may carry.
    void labels_data() {
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("code");
        QTest::addColumn<QString>("label");
        QTest::newRow("led switch without lighting") << 3 << 54 << "Led Switch";
        QTest::newRow("sniper") << 3 << 55 << "SNIPER";
        QTest::newRow("profile +") << 3 << 57 << "Profile +";
        QTest::newRow("profile -") << 3 << 58 << "Profile -";
        QTest::newRow("profile switch") << 3 << 59 << "Profile Switch";
        QTest::newRow("gun file") << 3 << 510 << "gun one";
        QTest::newRow("macro") << 3 << 200 << "gun one";
        QTest::newRow("macro deleted") << 3 << 200 << "gone (macro missing)";
        QTest::newRow("scroll on a list row") << 3 << 52 << "";
        QTest::newRow("scroll on the wheel") << 41 << 53 << "Scroll Down";
        QTest::newRow("no entry") << 3 << 56 << "";
        QTest::newRow("boss key") << 40 << 62 << "Boss Key";
    }
    void labels() {
        QFETCH(int, record);
        QFETCH(int, code);
        QFETCH(QString, label);
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"), product(7, 0, 1));
        MouseProfile profile = leftOnlyProfile();
        profile.buttons[record].Fun = code;
        QDir().mkpath(app.file("Configs"));
        QVERIFY(addToMacroList(QStringLiteral("gun one")));
        profile.buttons[record].macroname = label.startsWith(QLatin1String("gone"))
                                                ? QStringLiteral("gone")
                                                : QStringLiteral("gun one");
        ButtonPanel w(&profile, nullptr, 1.0);
        QCOMPARE(w.buttonForRecord(record)->label(), label);
    }

    void leftClickRetention_data() {
        QTest::addColumn<int>("otherLeft"); // a second record at "Left", -1 for none
        QTest::addColumn<int>("record");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("allowed");
        QTest::newRow("last left to right") << -1 << 0 << 2 << false;
        QTest::newRow("last left to left") << -1 << 0 << 1 << true;
        QTest::newRow("another list row keeps it") << 5 << 0 << 2 << true;
        QTest::newRow("a second-row record keeps it") << 25 << 0 << 16 << true;
        QTest::newRow("a wheel record keeps it") << 41 << 0 << 200 << true;
        QTest::newRow("a row without left") << -1 << 3 << 2 << true;
    }
    void leftClickRetention() {
        QFETCH(int, otherLeft);
        QFETCH(int, record);
        QFETCH(int, code);
        QFETCH(bool, allowed);
        MouseProfile p = leftOnlyProfile();
        if (otherLeft >= 0) p.buttons[otherLeft].Fun = 1;
        QCOMPARE(keepsLeftClick(p, record, code), allowed);
    }

    // Modifiers go in as their left-hand keys; presses nest around the key.
    void comboKey_data() {
        QTest::addColumn<QByteArray>("held"); // Shift, Ctrl, Windows, Alt, key
        QTest::addColumn<int>("key");
        QTest::addColumn<QByteArray>("usages"); // in step order, press and release
        QTest::newRow("right shift and K")
            << QByteArray("\x02\x00\x00\x00\x01", 5) << 0x25 << QByteArray("\xE1\x0E\x0E\xE1");
        QTest::newRow("ctrl, alt and K") << QByteArray("\x00\x01\x00\x01\x01", 5) << 0x25
                                         << QByteArray("\xE0\xE2\x0E\x0E\xE2\xE0");
        QTest::newRow("all four and Q") << QByteArray("\x01\x02\x01\x02\x01", 5) << 0x10
                                        << QByteArray("\xE1\xE0\xE3\xE2\x14\x14\xE2\xE3\xE0\xE1");
        QTest::newRow("a key without a usage")
            << QByteArray("\x00\x00\x00\x00\x01", 5) << 0x00 << QByteArray("\x00\x00", 2);
    }
    void comboKey() {
        QFETCH(QByteArray, held);
        QFETCH(int, key);
        QFETCH(QByteArray, usages);
        ButtonInfo b;
        b.LoopNumber = 7;
        b.KeyNumber = 9;
        for (KeyInfo& k : b.KeyInfo)
            k = {0x55, 0x55, 0x55};
        uint8_t held5[5];
        std::copy(held.begin(), held.end(), held5);
        assignComboKey(b, held5, uint8_t(key));
        QCOMPARE(b.Fun, 7);
        const int n = usages.size();
        for (int i = 0; i < kKeyStepCount; ++i) {
            const KeyInfo expected =
                i < n ? KeyInfo{uint8_t(usages[i]), 5, uint8_t(i < n / 2 ? 0x80 : 0x00)}
                      : KeyInfo{};
            QVERIFY2(b.KeyInfo[i].map == expected.map && b.KeyInfo[i].code == expected.code &&
                         b.KeyInfo[i].H == expected.H,
                     qPrintable(QString::number(i)));
        }
        QCOMPARE(b.LoopNumber, 7);
        QCOMPARE(b.KeyNumber, 9);
    }

    void fireKey_data() {
        QTest::addColumn<int>("choice");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("res1");
        QTest::newRow("left") << 0 << 0 << 0x81;
        QTest::newRow("right") << 1 << 0x25 << 0x82;
        QTest::newRow("middle") << 2 << 0 << 0x84;
        QTest::newRow("key K") << 3 << 0x25 << 0x0E;
        QTest::newRow("key without usage") << 3 << 0x00 << 0;
    }
    void fireKey() {
        QFETCH(int, choice);
        QFETCH(int, key);
        QFETCH(int, res1);
        ButtonInfo b;
        b.macroname = QStringLiteral("kept");
        assignFireKey(b, choice, uint8_t(key), 5, 20);
        QCOMPARE(b.Fun, 12);
        QCOMPARE(int(b.Res1), res1);
        QCOMPARE(b.LoopNumber, 5);
        QCOMPARE(b.KeyNumber, 20);
        QCOMPARE(b.macroname, QStringLiteral("kept"));
    }

    void macroCopy_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count"); // -1: no file
        QTest::addColumn<int>("copied");
        QTest::newRow("four steps") << "four" << 4 << 4;
        QTest::newRow("more steps than the record holds") << "long" << 100 << 63;
        QTest::newRow("missing file") << "absent" << -1 << 0;
        QTest::newRow("a name out of the folder") << "../four" << -1 << 0;
    }
    void macroCopy() {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, copied);
        TempAppDir app;
        if (count >= 0) writeMacro(name, count, 10);
        writeMacro(QStringLiteral("four"), 4, 10); // what "../four" must not reach
        ButtonInfo b;
        for (KeyInfo& k : b.KeyInfo)
            k = {0x77, 0x77, 0x77};
        assignMacro(b, kMacroCode, name, 12, 2);
        QCOMPARE(b.Fun, kMacroCode);
        QCOMPARE(b.LoopNumber, 12);
        QCOMPARE(int(b.Res1), 2);
        QCOMPARE(b.macroname, name);
        QCOMPARE(b.KeyNumber, copied);
        for (int j = 0; j < kKeyStepCount; ++j) {
            const bool fromFile = j < copied;
            QCOMPARE(int(b.KeyInfo[j].map), fromFile ? 10 + j : 0x77);
            QCOMPARE(int(b.KeyInfo[j].H), fromFile ? 3 : 0x77);
        }
    }

    void layout_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("map");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QList<int>>("records"); // the visible rows' records, in order
        QTest::newRow("a hidden row")
            << 6 << QList<int>{0, 1, -1, 3, 4, 5} << 1.0 << QList<int>{0, 1, 3, 4, 5};
        QTest::newRow("eleven rows")
            << 11 << QList<int>{} << 1.5 << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
        QTest::newRow("more rows than the window has")
            << 40 << QList<int>{} << 1.0
            << QList<int>{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15};
    }
    void layout() {
        QFETCH(int, count);
        QFETCH(QList<int>, map);
        QFETCH(double, scale);
        QFETCH(QList<int>, records);
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"), product(count, 0, 0, map));
        MouseProfile profile = leftOnlyProfile();
        ButtonPanel w(&profile, nullptr, scale);
        w.resize(600, 400);
        w.layoutButtons();
        const int row = int(30 * scale);
        const int v = records.size();
        const int top = v > 9 ? 30 : (400 - row * v) / (v + 1);
        const int step = v > 9 ? 20 : top;
        for (int c = 0; c < v; ++c) {
            const int r = w.recordOfRow(c + 1);
            QCOMPARE(r, records[c]);
            QCOMPARE(w.buttonForRecord(r)->geometry(),
                     QRect(int(56 * scale), top + (step + row) * c, int(220 * scale), row));
        }
        QCOMPARE(w.recordOfRow(v + 1), -1);
        if (!map.isEmpty()) QVERIFY(w.buttonForRecord(2)->geometry().isEmpty());
    }

    // The paths a pick takes through the window: a plain entry, a refusal,
    // the macro page when there is no macro yet.
    void picks() {
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"), product(7, 0, 0));
        MouseProfile profile = leftOnlyProfile();
        ButtonPanel w(&profile, nullptr, 1.0);
        QSignalSpy control(&w, &ButtonPanel::SelBtnControl);
        QSignalSpy oneClick(&w, &ButtonPanel::PopOneClickBox);
        QSignalSpy macroTab(&w, &ButtonPanel::macroNeeded);
        KestPushButton* first = w.buttonForRecord(0);

        w.slotMouseEnter(first);
        w.actionFor(2)->trigger(); // the last left click
        QCOMPARE(oneClick.count(), 1);
        QCOMPARE(profile.buttons[0].Fun, 1);
        QCOMPARE(first->label(), QStringLiteral("Left"));
        QCOMPARE(int(w.currentIndex()), 0); // still the pick in hand
        QCOMPARE(control.count(), 1);

        w.slotMouseEnter(w.buttonForRecord(3));
        w.actionFor(kMacroCode)->trigger();
        QTRY_COMPARE(macroTab.count(), 1);
        QCOMPARE(profile.buttons[3].Fun, 16);

        w.slotMouseEnter(w.buttonForRecord(kWheelDownEntry));
        w.actionFor(44)->trigger();
        QCOMPARE(profile.buttons[kWheelDownEntry].Fun, 44);
        QCOMPARE(w.buttonForRecord(kWheelDownEntry)->label(), QStringLiteral("Volume Down"));
        QCOMPARE(control.last().at(0).value<KestPushButton*>(), w.buttonForRecord(kWheelDownEntry));
        QCOMPARE(control.last().at(1).toBool(), false);
        QCOMPARE(int(w.currentIndex()), int(ButtonPanel::kNone));
        // Nothing else moved.
        for (int r = 0; r < kButtonEntryCount; ++r)
            if (r != kWheelDownEntry) QCOMPARE(profile.buttons[r].Fun, r == 0 ? 1 : 16);
    }
};

QTEST_MAIN(TestButtonWindow)
#include "test_buttonwindow.moc"
