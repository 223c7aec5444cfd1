// The rules the window's button page and the command-line tool share: which
// functions a row is offered, what a button holds in words, macro steps in words.
#include "testutil.h"

#include "buttondescription.h"
#include "buttonfunctions.h"
#include "buttonrules.h"
#include "keycodes.h"
#include "macrostepwords.h"

#include <QtTest>

namespace {

uint8_t usage(uint8_t keyCode) {
    uint8_t u = 0;
    keyCodeToUsage(keyCode, u);
    return u;
}

struct OfferRow {
    const char* tag;
    bool macros, lighting;
    int record, code;
    bool offered;
};
const OfferRow kOfferRows[] = {
    {"led switch, lit", true, true, 3, kLedCode, true},
    {"led switch, unlit", true, false, 3, kLedCode, false},
    {"macro, second row", true, true, 25, kMacroCode, true},
    {"macro, withdrawn", false, true, 3, kMacroCode, false},
    {"profile switch", true, true, 5, 59, false},
    {"scroll on a row", true, true, 5, 52, false},
    {"fire on the wheel", true, true, kWheelDownEntry, 12, false},
};

// Key codes: 0x1D Ctrl, 0x38 Alt, 0x36 right Shift, 0x5C right Windows.
struct DescriptionRow {
    const char* tag;
    int record, code;
    std::vector<uint8_t> combo; // key codes pressed, in record order
    int res1, loops, keyNumber;
    const char* macro;
    const char* text;
};
const DescriptionRow kDescriptionRows[] = {
    {"single key", 3, 6, {}, 0x3F, 0, 0, "", "Key F5"},
    {"ctrl alt k", 3, 7, {0x1D, 0x38, 0x25}, 0, 0, 0, "", "Ctrl + Alt + K"},
    {"dialog's order", 3, 7, {0x5C, 0x36, 0x10}, 0, 0, 0, "", "Shift + Win + Q"},
    {"empty combo", 3, 7, {}, 0, 0, 0, "", "COMBO KEY"},
    {"fire middle", 3, 12, {}, 0x84, 5, 20, "", "Rapid fire Middle, 5 times, 20 ms"},
    {"fire never set", 3, 12, {}, 0, 0, 0, "", "Rapid fire Left, 3 times, 10 ms"},
    {"fire a key", 3, 12, {}, 0x04, 2, 30, "", "Rapid fire A, 2 times, 30 ms"},
    {"macro", 3, kMacroCode, {}, 0, 1, 0, "burst", "burst"},
    {"macro deleted", 3, kMacroCode, {}, 0, 1, 0, "gone", "gone (macro missing)"},
};

struct StepRow {
    const char* tag;
    MacroStep step;
    int unit;
    const char* line;
};
const StepRow kStepRows[] = {
    {"key press", {0x84, 0x15, 0}, 10, "R Press"},
    {"move", {0x02, 5, 0}, 10, "MOVE RIGHT 5"},
    {"delay", {0x06, 12, 0}, 10, "DELAY 120 ms"},
    {"delay, both bytes", {0x06, 1, 1}, 5, "DELAY 1285 ms"},
    {"unknown kind", {0x87, 4, 0}, 10, "? 135 4 0"},
};

} // namespace

class TestButtonRules : public QObject {
    Q_OBJECT
private slots:
    void offered_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kOfferRows)); ++i)
            QTest::newRow(kOfferRows[i].tag) << i;
    }
    void offered() {
        QFETCH(int, row);
        const OfferRow& r = kOfferRows[row];
        QCOMPARE(functionOffered(r.code, r.record, ProductFeatures{r.macros, r.lighting}),
                 r.offered);
    }

    void productFeatures() {
        TempAppDir app(fixture(QStringLiteral("nolight")));
        QVERIFY(currentProductFeatures().macros);
        QVERIFY(!currentProductFeatures().lighting);
    }

    void description_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kDescriptionRows)); ++i)
            QTest::newRow(kDescriptionRows[i].tag) << i;
    }
    void description() {
        QFETCH(int, row);
        const DescriptionRow& r = kDescriptionRows[row];
        ButtonInfo b;
        b.Fun = r.code;
        b.Res1 = uint8_t(r.res1);
        b.LoopNumber = r.loops;
        b.KeyNumber = r.keyNumber;
        b.macroname = QString::fromLatin1(r.macro);
        // Presses nest around the last key, as the combo assignment writes them.
        const int n = int(r.combo.size());
        for (int i = 0; i < n; ++i) {
            b.KeyInfo[i] = {usage(r.combo[size_t(i)]), 5, 0x80};
            b.KeyInfo[2 * n - 1 - i] = {usage(r.combo[size_t(i)]), 5, 0x00};
        }
        QCOMPARE(buttonDescription(b, r.record, {QStringLiteral("burst")}),
                 QString::fromUtf8(r.text));
    }

    void stepWords_data() {
        QTest::addColumn<int>("row");
        for (int i = 0; i < int(std::size(kStepRows)); ++i)
            QTest::newRow(kStepRows[i].tag) << i;
    }
    void stepWords() {
        QFETCH(int, row);
        QCOMPARE(macroStepLine(kStepRows[row].step, kStepRows[row].unit),
                 QString::fromLatin1(kStepRows[row].line));
    }
};

QTEST_GUILESS_MAIN(TestButtonRules)
#include "test_buttonrules.moc"
