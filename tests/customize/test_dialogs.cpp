// The key capture and selection dialogs of the button page: what each takes
// from a stored button, what the keys it sees make of it, what a user can and
// cannot type, keyboard use, and that every text fits in every language.
#include "dialoglayout.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "keycodes.h"
#include "keydialogs.h"
#include "kitscale.h"
#include "paths.h"
#include "records.h"
#include "selectdialogs.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QSignalSpy>
#include <QTranslator>
#include <QtTest>

namespace {

// Hook events written as "scan:flags" in hex, space separated.
void sendKeys(KeyCaptureDialog& dialog, const QString& script) {
    for (const QString& event : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = event.split(QLatin1Char(':'));
        dialog.onHookEvent(p.at(0).toUInt(nullptr, 16), p.at(1).toUInt(nullptr, 16));
    }
}

QString slotString(const quint8* state) {
    QString s;
    for (int i = 0; i < ComboKeyDialog::SlotCount; ++i)
        s += QString::number(state[i]);
    return s;
}

// Combination steps written as "usage:H" in hex; code 5 as stored ones have.
ButtonInfo comboButton(int fun, const QString& steps) {
    ButtonInfo b;
    b.Fun = fun;
    int i = 0;
    for (const QString& step : steps.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = step.split(QLatin1Char(':'));
        b.KeyInfo[i++] = {quint8(p.at(0).toUInt(nullptr, 16)), 5,
                          quint8(p.at(1).toUInt(nullptr, 16))};
    }
    return b;
}

QString signalString(const QList<QVariant>& args) {
    QStringList parts;
    for (const QVariant& v : args)
        parts << QString::number(v.toInt());
    return parts.join(QLatin1Char(','));
}

enum Kind { Single, Combo, Fire, Sniper, Macro };

// Each dialog as the button page opens it on an assigned button, OK usable.
std::unique_ptr<SkinDialog> makeDialog(int kind, double scale) {
    switch (kind) {
    case Single:
        return std::make_unique<SingleKeyDialog>(nullptr, scale, 0x10);
    case Combo:
        return std::make_unique<ComboKeyDialog>(
            nullptr, scale, comboButton(7, "E0:80 E2:80 0E:80 0E:00 E2:00 E0:00"));
    case Fire:
        return std::make_unique<FireKeyDialog>(nullptr, scale, 0x14, 5, 20);
    case Sniper:
        return std::make_unique<SniperDialog>(nullptr, scale, 3389, 6);
    default:
        return std::make_unique<MacroSelectDialog>(
            nullptr, scale,
            QStringList{"Reload", "Grenade throw and switch back to the rifle", "Crouch"}, "Reload",
            5, 0);
    }
}

const char* const kKindNames[] = {"single", "combo", "fire", "sniper", "macro"};

} // namespace

class DialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void cleanupTestCase() { setAppDirOverride(QString()); }
    void cleanup() { setDisplayScale(1.0); }

    void singleKey_data();
    void singleKey();
    void comboKey_data();
    void comboKey();
    void comboInitial_data();
    void comboInitial();
    void fireInitial_data();
    void fireInitial();
    void fireActions_data();
    void fireActions();
    void countFields_data();
    void countFields();
    void sniper_data();
    void sniper();
    void macroSelect_data();
    void macroSelect();
    void keyboardAlone_data();
    void keyboardAlone();
    void textsFit_data();
    void textsFit();
    void keysLoggedOnlyWhenAsked_data();
    void keysLoggedOnlyWhenAsked();
};

void DialogTest::singleKey_data() {
    QTest::addColumn<int>("initial");
    QTest::addColumn<QString>("events");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("emitted");
    QTest::newRow("right Ctrl") << 0 << "1D:01" << 0xEE << "RCtr" << true << 1;
    QTest::newRow("right Ctrl pressed and released")
        << 0 << "1D:01 1D:81" << 0xEE << "RCtr" << true << 2;
    QTest::newRow("keypad 7, NumLock off") << 0 << "47:00 47:80" << 0xEB << "Num 7" << true << 2;
    QTest::newRow("Home") << 0 << "47:01" << 0x47 << "Home" << true << 1;
    QTest::newRow("held key repeats") << 0 << "1E:00 1E:00 1E:00 1E:80" << 0x1E << "A" << true << 2;
    QTest::newRow("a release counts")
        << 0 << "2A:00 1E:00 1E:80 2A:80" << 0x2A << "LShift" << true << 4;
    QTest::newRow("Enter is a key") << 0 << "1C:00 1C:80" << 0x1C << "Enter" << true << 2;
    QTest::newRow("Esc is a key") << 0 << "01:00" << 0x01 << "Esc" << true << 1;
    QTest::newRow("release of a key down before opening")
        << 0x10 << "1C:80" << 0x10 << "Q" << true << 0;
    QTest::newRow("key without a name") << 0 << "56:00" << 0x56 << "" << true << 1;
    QTest::newRow("event for no key") << 0x10 << "00:00 100:80" << 0x10 << "Q" << true << 0;
    QTest::newRow("no key yet") << 0 << "" << 0 << "" << false << 0;
    QTest::newRow("stored key") << 0x3B << "" << 0x3B << "F1" << true << 0;
}

void DialogTest::singleKey() {
    QFETCH(int, initial);
    QFETCH(QString, events);
    SingleKeyDialog dialog(nullptr, 1.0, quint8(initial));
    QSignalSpy spy(&dialog, &SingleKeyDialog::SetSingleKeyValue);
    sendKeys(dialog, events);
    QTEST(int(dialog.keyCode()), "code");
    QTEST(dialog.keyField()->text(), "text");
    QTEST(dialog.okButton()->isEnabled(), "ok");
    QTEST(int(spy.count()), "emitted");
    QCOMPARE(dialog.title(), QStringLiteral("Single Key"));
}

void DialogTest::comboKey_data() {
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("slots");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("emitted");
    QTest::newRow("Ctrl, Shift, Q") << "1D:00 2A:00 10:00"
                                    << "11001" << 0x10 << "Shift + Ctrl + Q" << 3;
    QTest::newRow("Ctrl, Shift, Q, all released") << "1D:00 2A:00 10:00 10:80 2A:80 1D:80"
                                                  << "11001" << 0x10 << "Shift + Ctrl + Q" << 3;
    QTest::newRow("second key replaces the first") << "1D:00 10:00 11:00"
                                                   << "01001" << 0x11 << "Ctrl + W" << 3;
    QTest::newRow("next combination keeps what is held")
        << "1D:00 10:00 10:80 38:00 25:00"
        << "01011" << 0x25 << "Ctrl + Alt + K" << 4;
    QTest::newRow("new combination after everything was released")
        << "1D:00 10:00 10:80 1D:80 38:00 25:00"
        << "00011" << 0x25 << "Alt + K" << 4;
    QTest::newRow("right-hand modifiers") << "1D:01 36:00 5C:01 38:21 25:00"
                                          << "22221" << 0x25 << "Shift + Ctrl + Win + Alt + K" << 5;
    QTest::newRow("extended key with Alt held") << "38:20 48:21"
                                                << "00011" << 0x48 << "Alt + Up" << 2;
    QTest::newRow("both Ctrl keys released in turn") << "1D:00 1D:01 1D:80 1D:81 10:00"
                                                     << "00001" << 0x10 << "Q" << 3;
    QTest::newRow("modifier alone") << "1D:00 1D:80"
                                    << "01000" << 0 << "Ctrl" << 1;
    QTest::newRow("held keys repeat") << "1D:00 1D:00 1D:00 10:00 10:00"
                                      << "01001" << 0x10 << "Ctrl + Q" << 2;
    QTest::newRow("releases of keys down before opening") << "1D:80 10:80"
                                                          << "00000" << 0 << "" << 0;
    QTest::newRow("key without a name alone") << "56:00"
                                              << "00001" << 0x56 << "" << 1;
}

void DialogTest::comboKey() {
    QFETCH(QString, events);
    QFETCH(QString, text);
    ComboKeyDialog dialog(nullptr, 1.0, ButtonInfo());
    int emitted = 0;
    connect(&dialog, &ComboKeyDialog::SetComboKeyValue, this,
            [&](const quint8* state, const ComboHotKeys* keys) {
                ++emitted;
                QCOMPARE(state, dialog.comboSlots());
                QCOMPARE(keys, dialog.hotKeyCodes());
            });
    sendKeys(dialog, events);
    QTEST(slotString(dialog.comboSlots()), "slots");
    QTEST(int(dialog.keyCode()), "key");
    QCOMPARE(dialog.keyText(), text);
    QCOMPARE(dialog.keyField()->text(), text);
    // Nothing to store: a combination of no nameable key.
    QCOMPARE(dialog.okButton()->isEnabled(), !text.isEmpty());
    QTEST(emitted, "emitted");
    // Every used slot has the key code behind it, an unused one none.
    for (int slot = 0; slot < ComboKeyDialog::SlotCount; ++slot) {
        const bool used = dialog.comboSlots()[slot] != 0;
        const bool coded = dialog.hotKeyCodes()[slot][0] || dialog.hotKeyCodes()[slot][1];
        QCOMPARE(coded, used);
    }
}

void DialogTest::comboInitial_data() {
    QTest::addColumn<int>("fun");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("events");
    QTest::addColumn<QString>("slots");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("text");
    QTest::newRow("Ctrl + Alt + K") << 7 << "E0:80 E2:80 0E:80 0E:00 E2:00 E0:00"
                                    << ""
                                    << "01011" << 0x25 << "Ctrl + Alt + K";
    QTest::newRow("Ctrl + K, release within five steps") << 7 << "E0:80 0E:80 0E:00 E0:00"
                                                         << ""
                                                         << "01001" << 0x25 << "Ctrl + K";
    QTest::newRow("all five slots")
        << 7 << "E1:80 E0:80 E3:80 E2:80 0E:80 0E:00 E2:00 E3:00 E0:00 E1:00"
        << ""
        << "11111" << 0x25 << "Shift + Ctrl + Win + Alt + K";
    QTest::newRow("right-hand usages") << 7 << "E5:80 14:80 14:00 E5:00"
                                       << ""
                                       << "20001" << 0x10 << "Shift + Q";
    QTest::newRow("usage without a key") << 7 << "E0:80 32:80 32:00 E0:00"
                                         << ""
                                         << "01000" << 0 << "Ctrl";
    QTest::newRow("only the first five steps") << 7 << "00:00 00:00 00:00 00:00 00:00 0E:80"
                                               << ""
                                               << "00000" << 0 << "";
    QTest::newRow("not a combination") << 200 << "E0:80 0E:80 0E:00 E0:00"
                                       << ""
                                       << "00000" << 0 << "";
    QTest::newRow("a stray release keeps the stored value") << 7 << "E0:80 0E:80 0E:00 E0:00"
                                                            << "1D:80"
                                                            << "01001" << 0x25 << "Ctrl + K";
    QTest::newRow("the first key-down replaces it") << 7 << "E0:80 0E:80 0E:00 E0:00"
                                                    << "2A:00"
                                                    << "10000" << 0 << "Shift";
}

void DialogTest::comboInitial() {
    QFETCH(int, fun);
    QFETCH(QString, steps);
    QFETCH(QString, events);
    ComboKeyDialog dialog(nullptr, 1.0, comboButton(fun, steps));
    sendKeys(dialog, events);
    QTEST(slotString(dialog.comboSlots()), "slots");
    QTEST(int(dialog.keyCode()), "key");
    QTEST(dialog.keyField()->text(), "text");
}

void DialogTest::fireInitial_data() {
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("keys");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("times");
    QTest::addColumn<QString>("delay");
    QTest::addColumn<bool>("ok");
    QTest::newRow("never set") << 0 << 0 << 0 << 0 << 0 << "3"
                               << "10" << true;
    QTest::newRow("left") << 129 << 5 << 20 << 0 << 0 << "5"
                          << "20" << true;
    QTest::newRow("right") << 130 << 1 << 255 << 1 << 0 << "1"
                           << "255" << true;
    QTest::newRow("middle") << 132 << 5 << 20 << 2 << 0 << "5"
                            << "20" << true;
    QTest::newRow("key Q") << 0x14 << 5 << 20 << 3 << 0x10 << "5"
                           << "20" << true;
    QTest::newRow("keypad 7") << 0x5F << 5 << 20 << 3 << 0xEB << "5"
                              << "20" << true;
    QTest::newRow("usage without a key") << 0x32 << 5 << 20 << 3 << 0 << "5"
                                         << "20" << false;
    QTest::newRow("131") << 131 << 5 << 20 << 3 << 0 << "5"
                         << "20" << false;
    QTest::newRow("counts out of range") << 129 << 256 << -1 << 0 << 0 << "3"
                                         << "10" << true;
}

void DialogTest::fireInitial() {
    QFETCH(int, res1);
    QFETCH(int, loops);
    QFETCH(int, keys);
    QFETCH(int, choice);
    QFETCH(int, code);
    FireKeyDialog dialog(nullptr, 1.0, quint8(res1), loops, keys);
    QCOMPARE(dialog.choice(), choice);
    for (int i = 0; i < FireKeyDialog::ChoiceCount; ++i)
        QCOMPARE(dialog.choiceBox(i)->isChecked(), i == choice);
    QCOMPARE(int(dialog.keyCode()), code);
    QCOMPARE(dialog.keyField()->text(), keyName(quint8(code)));
    QCOMPARE(dialog.keyField()->isEnabled(), choice == FireKeyDialog::KeyboardChoice);
    QTEST(dialog.timesEdit()->text(), "times");
    QTEST(dialog.delayEdit()->text(), "delay");
    QTEST(dialog.okButton()->isEnabled(), "ok");
    QCOMPARE(dialog.title(), QStringLiteral("FireKey Setting"));
}

void DialogTest::fireActions_data() {
    QTest::addColumn<int>("res1");
    QTest::addColumn<QString>("script");
    QTest::addColumn<int>("choice");
    QTest::addColumn<int>("code");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<QString>("lastSignal"); // key code, choice, times, delay
    QTest::newRow("Keyboard Key captures")
        << 0 << "click:3 key:25:00 key:25:80" << 3 << 0x25 << true << "0,3,3,10";
    QTest::newRow("Right after a captured key")
        << 0 << "click:3 key:25:00 click:1" << 1 << 0 << true << "0,1,3,10";
    QTest::newRow("Left takes no key") << 0 << "key:25:00" << 0 << 0 << true << "";
    QTest::newRow("Middle") << 0x14 << "click:2" << 2 << 0 << true << "0,2,5,20";
    QTest::newRow("release of the key that ticked the box")
        << 0 << "click:3 key:39:80 key:25:00" << 3 << 0x25 << true << "0,3,3,10";
    QTest::newRow("typing in Delay")
        << 0x14 << "focus:delay key:06:00 type:delay:5" << 3 << 0x10 << true << "16,3,5,205";
    QTest::newRow("typing in Times") << 0x14 << "focus:times clear:times key:04:00 type:times:2"
                                     << 3 << 0x10 << true << "16,3,2,20";
    QTest::newRow("back in the key field")
        << 0x14 << "focus:delay focus:key key:25:00" << 3 << 0x25 << true << "";
    QTest::newRow("Times emptied") << 0 << "clear:times" << 0 << 0 << false << "0,0,0,10";
    QTest::newRow("Delay emptied") << 0 << "clear:delay" << 0 << 0 << false << "0,0,3,0";
    QTest::newRow("Times refilled")
        << 0 << "clear:times type:times:7" << 0 << 0 << true << "0,0,7,10";
    QTest::newRow("Return in a field") << 0 << "return:delay" << 0 << 0 << true << "0,0,3,10";
    QTest::newRow("Keyboard Key without a key") << 0 << "click:3" << 3 << 0 << false << "0,3,3,10";
    QTest::newRow("key without a usage")
        << 0 << "click:3 key:56:00" << 3 << 0x56 << false << "0,3,3,10";
}

void DialogTest::fireActions() {
    QFETCH(int, res1);
    QFETCH(QString, script);
    // A button never set starts on the default counts, 3 and 10.
    FireKeyDialog dialog(nullptr, 1.0, quint8(res1), res1 ? 5 : 0, res1 ? 20 : 0);
    QSignalSpy spy(&dialog, &FireKeyDialog::SetFireKeyValue);
    auto edit = [&](const QString& name) {
        return name == QLatin1String("times") ? dialog.timesEdit() : dialog.delayEdit();
    };
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = token.split(QLatin1Char(':'));
        if (p[0] == QLatin1String("click"))
            dialog.choiceBox(p[1].toInt())->click();
        else if (p[0] == QLatin1String("key"))
            sendKeys(dialog, p[1] + QLatin1Char(':') + p[2]);
        else if (p[0] == QLatin1String("focus"))
            (p[1] == QLatin1String("key") ? static_cast<QWidget*>(dialog.keyField()) : edit(p[1]))
                ->setFocus();
        else if (p[0] == QLatin1String("clear"))
            edit(p[1])->clear();
        else if (p[0] == QLatin1String("type"))
            QTest::keyClicks(edit(p[1]), p[2]);
        else if (p[0] == QLatin1String("return"))
            QTest::keyClick(edit(p[1]), Qt::Key_Return);
    }
    QTEST(dialog.choice(), "choice");
    QTEST(int(dialog.keyCode()), "code");
    QCOMPARE(dialog.keyField()->text(), keyName(dialog.keyCode()));
    QTEST(dialog.okButton()->isEnabled(), "ok");
    QTEST(spy.isEmpty() ? QString() : signalString(spy.last()), "lastSignal");
}

void DialogTest::countFields_data() {
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("text");
    const struct {
        const char* typed;
        const char* text;
    } cases[] = {{"0", ""},   {"256", "25"}, {"255", "255"}, {"1000", "100"},
                 {"-1", "1"}, {"+5", "5"},   {"12a", "12"},  {"007", "7"},
                 {" 9", "9"}, {"1", "1"},    {"300", "30"},  {"0x1", "1"}};
    for (const char* field : {"times", "delay", "loops"})
        for (const auto& c : cases)
            QTest::addRow("%s %s", field, c.typed) << field << c.typed << c.text;
}

void DialogTest::countFields() {
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(QString, text);
    FireKeyDialog fire(nullptr, 1.0, 129, 5, 20);
    MacroSelectDialog macro(nullptr, 1.0, {"Reload"}, "Reload", 5, 0);
    KestLineEdit* edit = field == QLatin1String("times")   ? fire.timesEdit()
                         : field == QLatin1String("delay") ? fire.delayEdit()
                                                           : macro.loopsEdit();
    SkinDialog& dialog = field == QLatin1String("loops") ? static_cast<SkinDialog&>(macro) : fire;
    edit->clear();
    QVERIFY(!dialog.okButton()->isEnabled());
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), text);
    QCOMPARE(edit->maxLength(), 3);
    // Whatever the field holds can be stored.
    QCOMPARE(dialog.okButton()->isEnabled(), !text.isEmpty());
    const int value = field == QLatin1String("times")   ? fire.times()
                      : field == QLatin1String("delay") ? fire.delay()
                                                        : macro.loops();
    QCOMPARE(value, text.toInt());
}

void DialogTest::sniper_data() {
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("moveTo"); // -1: the slider is left alone
    QTest::addColumn<int>("step");
    QTest::addColumn<QString>("dpi");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<int>("maximum");
    QTest::newRow("3325 stored 0") << 3325 << 0 << -1 << 3 << "300" << 1 << 10;
    QTest::newRow("3325 stored 11") << 3325 << 11 << -1 << 3 << "300" << 1 << 10;
    QTest::newRow("3327 stored 0") << 3327 << 0 << -1 << 3 << "400" << 1 << 10;
    QTest::newRow("3360 stored 200") << 3360 << 200 << -1 << 3 << "300" << 1 << 10;
    QTest::newRow("3335 stored 5") << 3335 << 5 << -1 << 5 << "500" << 1 << 10;
    QTest::newRow("3333 stored 0") << 3333 << 0 << -1 << 3 << "300" << 2 << 10;
    QTest::newRow("3333 stored 1") << 3333 << 1 << -1 << 2 << "200" << 2 << 10;
    QTest::newRow("3389 stored 0") << 3389 << 0 << -1 << 6 << "300" << 2 << 20;
    QTest::newRow("3389 stored 21") << 3389 << 21 << -1 << 6 << "300" << 2 << 20;
    QTest::newRow("3389 stored 20") << 3389 << 20 << -1 << 20 << "1000" << 2 << 20;
    QTest::newRow("3212 stored 16") << 3212 << 16 << -1 << 16 << "600" << 16 << 32;
    QTest::newRow("3212 stored 17") << 3212 << 17 << -1 << 17 << "640" << 16 << 32;
    QTest::newRow("3212 stored 32") << 3212 << 32 << -1 << 32 << "1200" << 16 << 32;
    QTest::newRow("3212 stored 33") << 3212 << 33 << -1 << 16 << "600" << 16 << 32;
    QTest::newRow("3104 stored 14") << 3104 << 14 << -1 << 14 << "500" << 14 << 26;
    QTest::newRow("3104 stored 15") << 3104 << 15 << -1 << 15 << "600" << 14 << 26;
    QTest::newRow("3104 stored 26") << 3104 << 26 << -1 << 26 << "1040" << 14 << 26;
    QTest::newRow("3104 stored 27") << 3104 << 27 << -1 << 14 << "500" << 14 << 26;
    QTest::newRow("unknown sensor keeps the step") << 9999 << 42 << -1 << 42 << "0" << 1 << 255;
    QTest::newRow("3389 moved to 20") << 3389 << 0 << 20 << 20 << "1000" << 2 << 20;
    QTest::newRow("3325 moved to 9") << 3325 << 5 << 9 << 9 << "900" << 1 << 10;
    QTest::newRow("3212 moved past its end") << 3212 << 20 << 40 << 32 << "1200" << 16 << 32;
}

void DialogTest::sniper() {
    QFETCH(int, sensor);
    QFETCH(int, stored);
    QFETCH(int, moveTo);
    QFETCH(int, step);
    QFETCH(QString, dpi);
    SniperDialog dialog(nullptr, 1.0, sensor, quint8(stored));
    QSignalSpy spy(&dialog, &SniperDialog::SetSniperValue);
    if (moveTo >= 0) {
        dialog.slider()->setValue(moveTo);
        QCOMPARE(spy.count(), 1);
        QCOMPARE(spy.last().at(0).toInt(), step);
    }
    QCOMPARE(int(dialog.step()), step);
    QCOMPARE(dialog.slider()->value(), step);
    QCOMPARE(dialog.dpiText(), dpi);
    QTEST(dialog.slider()->minimum(), "minimum");
    QTEST(dialog.slider()->maximum(), "maximum");
    QCOMPARE(dialog.title(), QStringLiteral("Sniper Setting"));
}

void DialogTest::macroSelect_data() {
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("loops");
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("listed");
    QTest::addColumn<QString>("selected");
    QTest::addColumn<int>("loopsShown");
    QTest::addColumn<int>("modeShown");
    QTest::addColumn<bool>("ok");
    const QStringList names = {"Reload", "", "Burst", "Crouch"};
    const QStringList listed = {"Reload", "Burst", "Crouch"};
    QTest::newRow("stored macro") << names << "Burst" << 12 << 1 << "" << listed << "Burst" << 12
                                  << 1 << true;
    QTest::newRow("not yet a macro")
        << names << "" << 1 << 0 << "" << listed << "" << 1 << 0 << false;
    QTest::newRow("macro since deleted")
        << names << "Gone" << 5 << 2 << "" << listed << "" << 5 << 2 << false;
    QTest::newRow("chosen") << names << "" << 1 << 0 << "select:Crouch" << listed << "Crouch" << 1
                            << 0 << true;
    QTest::newRow("loop count emptied")
        << names << "Burst" << 12 << 0 << "clear" << listed << "Burst" << 0 << 0 << false;
    QTest::newRow("loop count retyped")
        << names << "Burst" << 12 << 0 << "clear type:255" << listed << "Burst" << 255 << 0 << true;
    QTest::newRow("mode chosen") << names << "Burst" << 12 << 0 << "mode:2" << listed << "Burst"
                                 << 12 << 2 << true;
    QTest::newRow("stored counts out of range")
        << names << "Burst" << 0 << 7 << "" << listed << "Burst" << 1 << 0 << true;
    QTest::newRow("count above a byte")
        << names << "Burst" << 256 << -1 << "" << listed << "Burst" << 1 << 0 << true;
    QTest::newRow("line break in a stored name")
        << QStringList{"Reload\nnow", "Burst"} << "Reload\nnow" << 5 << 0 << ""
        << QStringList{"Reload now", "Burst"} << "Reload\nnow" << 5 << 0 << true;
    QTest::newRow("empty list") << QStringList() << "Burst" << 1 << 0 << "" << QStringList() << ""
                                << 1 << 0 << false;
}

void DialogTest::macroSelect() {
    QFETCH(QStringList, names);
    QFETCH(QString, name);
    QFETCH(int, loops);
    QFETCH(int, mode);
    QFETCH(QString, script);
    QFETCH(QStringList, listed);
    QFETCH(int, modeShown);
    MacroSelectDialog dialog(nullptr, 1.0, names, name, loops, mode);
    for (const QString& token : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = token.split(QLatin1Char(':'));
        if (p[0] == QLatin1String("select"))
            dialog.list()->setCurrentItem(
                dialog.list()->findItems(p[1], Qt::MatchExactly).value(0));
        else if (p[0] == QLatin1String("clear"))
            dialog.loopsEdit()->clear();
        else if (p[0] == QLatin1String("type"))
            QTest::keyClicks(dialog.loopsEdit(), p[1]);
        else if (p[0] == QLatin1String("mode"))
            dialog.modeBox(p[1].toInt())->click();
    }
    QStringList shown;
    for (int i = 0; i < dialog.list()->count(); ++i)
        shown << dialog.list()->item(i)->text();
    QCOMPARE(shown, listed);
    QTEST(dialog.name(), "selected");
    QTEST(dialog.loops(), "loopsShown");
    QCOMPARE(dialog.mode(), modeShown);
    for (int i = 0; i < MacroSelectDialog::ModeCount; ++i)
        QCOMPARE(dialog.modeBox(i)->isChecked(), i == modeShown);
    QTEST(dialog.okButton()->isEnabled(), "ok");
}

void DialogTest::keyboardAlone_data() {
    QTest::addColumn<int>("kind");
    for (int kind = Single; kind <= Macro; ++kind)
        QTest::newRow(kKindNames[kind]) << kind;
}

void DialogTest::keyboardAlone() {
    QFETCH(int, kind);
    std::unique_ptr<SkinDialog> dialog = makeDialog(kind, 1.0);
    auto* keyDialog = qobject_cast<KeyCaptureDialog*>(dialog.get());
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    // Tab reaches every control, a group of exclusive choices once.
    QSet<QWidget*> controls;
    QButtonGroup* group = nullptr;
    for (QWidget* w : dialog->findChildren<QWidget*>()) {
        if (w->parentWidget() != dialog.get() || !w->isVisibleTo(dialog.get()) || !w->isEnabled() ||
            w->focusPolicy() == Qt::NoFocus)
            continue;
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->group())
            group = button->group();
        else
            controls.insert(w);
    }
    QSet<QWidget*> reached;
    for (int i = 0; i < 3 * controls.size(); ++i) {
        reached.insert(dialog->focusWidget());
        QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
    }
    int groupStops = 0;
    for (QWidget* w : reached) {
        auto* button = qobject_cast<QAbstractButton*>(w);
        if (button && button->group()) ++groupStops;
    }
    QCOMPARE(groupStops, group ? 1 : 0);
    for (QWidget* w : controls)
        QVERIFY2(reached.contains(w), w->metaObject()->className());
    if (keyDialog) {
        // Typed into the key field, Enter and Escape are keys to capture.
        keyDialog->keyField()->setFocus();
        QTest::keyClick(keyDialog->keyField(), Qt::Key_Return);
        QTest::keyClick(keyDialog->keyField(), Qt::Key_Escape);
        QVERIFY(dialog->isVisible());
        // Keys that work the dialog's buttons are not captured.
        dialog->okButton()->setFocus();
        const QString before = keyDialog->keyField()->text();
        keyDialog->onHookEvent(0x1E, 0x00);
        QCOMPARE(keyDialog->keyField()->text(), before);
        // Tab moves on from the key field and is not captured either.
        keyDialog->keyField()->setFocus();
        keyDialog->onHookEvent(0x0F, 0x00);
        QCOMPARE(keyDialog->keyField()->text(), before);
    }

    // Arrow keys move through the choices.
    if (group) {
        QAbstractButton* checked = group->checkedButton();
        checked->setFocus();
        QTest::keyClick(checked, Qt::Key_Down);
        if (group->checkedButton() == checked) QTest::keyClick(checked, Qt::Key_Up);
        QVERIFY(group->checkedButton() != checked);
    }

    // Escape from any other control cancels.
    dialog->cancelButton()->setFocus();
    QTest::keyClick(dialog->cancelButton(), Qt::Key_Escape);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Rejected));

    // Enter accepts: from where the dialog opens, or, where keys are captured
    // there, from OK.
    dialog = makeDialog(kind, 1.0);
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
    if (keyDialog) {
        for (int i = 0; i < 10 && dialog->focusWidget() != dialog->okButton(); ++i)
            QTest::keyClick(dialog->focusWidget(), Qt::Key_Tab);
    }
    QTest::keyClick(dialog->focusWidget(), Qt::Key_Return);
    QVERIFY(!dialog->isVisible());
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
}

void DialogTest::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("kind");
    for (const char* language : {"en", "fr", "de", "zh_CN"})
        for (double scale : {1.0, 1.5, 2.0})
            for (int kind = Single; kind <= Macro; ++kind)
                QTest::addRow("%s %.1f %s", language, scale, kKindNames[kind])
                    << QString::fromLatin1(language) << scale << kind;
}

void DialogTest::textsFit() {
    QFETCH(QString, language);
    QFETCH(double, scale);
    QFETCH(int, kind);
    setDisplayScale(scale);
    std::unique_ptr<SkinDialog> dialog = makeDialog(kind, scale);
    // Offscreen only keys typed into the program are seen: the dialog says so,
    // and that line must fit too.
    if (auto* capture = qobject_cast<KeyCaptureDialog*>(dialog.get()))
        QVERIFY(capture->focusNote() && capture->focusNote()->isVisibleTo(capture));
    const QString englishTitle = dialog->title();
    const QString englishOk = dialog->okButton()->text();
    QList<QPair<KestLabel*, QColor>> colours;
    for (KestLabel* label : dialog->findChildren<KestLabel*>())
        colours.append({label, label->palette().color(QPalette::WindowText)});

    // Switching the language while the dialog is open retranslates it.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(APP_DIR "/lang/mousecfg_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    // The application passes the change on to each window in a second event.
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    const char* context = dialog->metaObject()->className();
    QCOMPARE(dialog->title(),
             QCoreApplication::translate(context, englishTitle.toUtf8().constData()));
    QCOMPARE(dialog->okButton()->text(),
             QCoreApplication::translate("SkinDialog", englishOk.toUtf8().constData()));
    if (language != QLatin1String("en")) QVERIFY(dialog->title() != englishTitle);
    for (const auto& [label, colour] : colours)
        QCOMPARE(label->palette().color(QPalette::WindowText), colour);

    const QStringList problems = textFitProblems(*dialog, scale);
    QVERIFY2(problems.isEmpty(), qPrintable(problems.join(QLatin1Char('\n'))));

    // For a look at them: MOUSECFG_DIALOG_SHOTS=<folder>.
    const QString shots = qEnvironmentVariable("MOUSECFG_DIALOG_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        dialog->grab().save(QStringLiteral("%1/%2-%3-%4.png")
                                .arg(shots, QLatin1String(kKindNames[kind]), language)
                                .arg(scale));
    QCoreApplication::removeTranslator(&translator);
}

void DialogTest::keysLoggedOnlyWhenAsked_data() {
    QTest::addColumn<QString>("rules");
    QTest::addColumn<int>("lines");
    QTest::newRow("by default") << "" << 0;
    QTest::newRow("all debug output on") << "*.debug=true" << 2;
    QTest::newRow("key capture debug on") << "mousecfg.keycapture.debug=true" << 2;
}

namespace {
QStringList loggedLines;
void keepMessage(QtMsgType, const QMessageLogContext&, const QString& text) {
    loggedLines << text;
}
} // namespace

void DialogTest::keysLoggedOnlyWhenAsked() {
    QFETCH(QString, rules);
    // What the user types is nobody's business unless debugging was asked for.
    ComboKeyDialog dialog(nullptr, 1.0, ButtonInfo());
    QLoggingCategory::setFilterRules(rules);
    loggedLines.clear();
    const QtMessageHandler previous = qInstallMessageHandler(keepMessage);
    sendKeys(dialog, "25:00 25:80");
    qInstallMessageHandler(previous);
    QLoggingCategory::setFilterRules(QString());
    QTEST(int(loggedLines.filter(QStringLiteral("dwVCode")).size()), "lines");
}

QTEST_MAIN(DialogTest)
#include "test_dialogs.moc"
