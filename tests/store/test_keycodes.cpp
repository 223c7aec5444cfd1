#include "keycodes.h"
#include "language.h"

#include <QtTest>

#include "expected_keys.inc"

namespace {
int expectedUsageOfName(const char* name) {
    for (const ExpectedKey& k : kExpectedKeys)
        if (qstrcmp(k.name, name) == 0) return k.usage;
    return -2;
}
int expectedCodeOfName(const char* name) {
    for (const ExpectedKey& k : kExpectedKeys)
        if (qstrcmp(k.name, name) == 0) return k.code;
    return -2;
}
} // namespace

class TestKeyCodes : public QObject {
    Q_OBJECT
private slots:
    void everyCodeHasItsNamesAndUsage() {
        int named = 0;
        for (int code = 0; code <= 0xFF; ++code) {
            const ExpectedKey* row = nullptr;
            for (const ExpectedKey& k : kExpectedKeys)
                if (k.code == code) row = &k;
            const QString name = keyName(uint8_t(code), false);
            const QString french = keyName(uint8_t(code), true);
            uint8_t usage = 0;
            const bool hasUsage = keyCodeToUsage(uint8_t(code), usage);
            if (!row) {
                QVERIFY2(name.isEmpty() && french.isEmpty(), qPrintable(QString::number(code, 16)));
                QVERIFY(!hasUsage);
                continue;
            }
            ++named;
            QCOMPARE(name, QString::fromUtf8(row->name));
            QCOMPARE(french, QString::fromUtf8(row->french));
            QCOMPARE(hasUsage, row->usage >= 0);
            if (hasUsage) {
                QCOMPARE(int(usage), row->usage);
                uint8_t back = 0;
                QVERIFY(usageToKeyCode(usage, back));
                QCOMPARE(int(back), code);
            }
        }
        QCOMPARE(named, 107);
    }

    void translationTableOrder() {
        // Letters, digits, then the fixed order of the remaining keys.
        QList<const char*> order;
        static const char* letters[] = {"A", "B", "C", "D", "E", "F", "G", "H", "I",
                                        "J", "K", "L", "M", "N", "O", "P", "Q", "R",
                                        "S", "T", "U", "V", "W", "X", "Y", "Z"};
        for (const char* l : letters)
            order << l;
        for (const char* d : {"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"})
            order << d;
        for (const char* k :
             {"Enter",       "Esc",         "Backspace", "Tab",   "Space",    "-",
              "=",           "[",           "]",         "\\",    ";",        "'",
              "`",           ",",           ".",         "/",     "CapsLock", "F1",
              "F2",          "F3",          "F4",        "F5",    "F6",       "F7",
              "F8",          "F9",          "F10",       "F11",   "F12",      "Print Screen",
              "Scroll Lock", "Pause Break", "Insert",    "Home",  "Page Up",  "Delete",
              "End",         "Page Down",   "Right",     "Left",  "Down",     "Up",
              "Num Lock",    "Num /",       "Num *",     "Num -", "Num +",    "Num Enter",
              "Num 1",       "Num 2",       "Num 3",     "Num 4", "Num 5",    "Num 6",
              "Num 7",       "Num 8",       "Num 9",     "Num 0", "Num De",   "App",
              "LShift",      "LCtr",        "LWindows",  "LAlt",  "RAlt",     "RWindows",
              "RCtr",        "RShift"})
            order << k;
        QCOMPARE(order.size(), 104);
        for (int i = 0; i < 104; ++i) {
            QCOMPARE(int(kUsagePairs[i].code), expectedCodeOfName(order[i]));
            QCOMPARE(int(kUsagePairs[i].usage), expectedUsageOfName(order[i]));
        }
        const QList<int> modifiers = {0xE1, 0xE0, 0xE3, 0xE2, 0xE6, 0xE7, 0xE4, 0xE5};
        for (int i = 0; i < 8; ++i)
            QCOMPARE(int(kUsagePairs[96 + i].usage), modifiers[i]);
        uint8_t code = 0;
        QVERIFY(!usageToKeyCode(0x32, code));
        QVERIFY(usageToKeyCode(0x63, code));
        QCOMPARE(int(code), 0xE0);
        uint8_t usage = 0;
        QVERIFY(!keyCodeToUsage(0xF0, usage));
        for (int c : {0x54, 0x55, 0x56, 0x59, 0x5A, 0x5E, 0x80, 0xDF})
            QVERIFY(!keyCodeToUsage(uint8_t(c), usage));
    }

    void hookConversion_data() {
        QTest::addColumn<int>("scan");
        QTest::addColumn<int>("flags");
        QTest::addColumn<int>("code");
        struct Row {
            int scan, flags, code;
        };
        // Extended-only rules: 0x01 and 0x81 convert (and 0x21 for Alt), nothing else.
        const Row rows[] = {
            {0x1C, 0x01, 0xE5},
            {0x1C, 0x81, 0xE5},
            {0x1C, 0x00, 0x1C},
            {0x1C, 0x21, 0x1C},
            {0x1D, 0x01, 0xEE},
            {0x1D, 0x81, 0xEE},
            {0x1D, 0x00, 0x1D},
            {0x1D, 0x80, 0x1D},
            {0x35, 0x01, 0xE2},
            {0x35, 0x81, 0xE2},
            {0x35, 0x00, 0x35},
            {0x38, 0x01, 0xEF},
            {0x38, 0x21, 0xEF},
            {0x38, 0x81, 0xEF},
            {0x38, 0x20, 0x38},
            {0x38, 0xA1, 0x38},
            {0x45, 0x01, 0xE1},
            {0x45, 0x81, 0xE1},
            {0x45, 0x00, 0x45},
            // Keypad rules: converted unless a flag other than key-up is set.
            {0x37, 0x00, 0xE3},
            {0x37, 0x80, 0xE3},
            {0x37, 0x01, 0x37},
            {0x37, 0x20, 0x37},
            {0x47, 0x00, 0xEB},
            {0x47, 0x01, 0x47},
            {0x48, 0x00, 0xEC},
            {0x48, 0x81, 0x48},
            {0x49, 0x00, 0xE4},
            {0x4B, 0x00, 0xE9},
            {0x4D, 0x00, 0xEA},
            {0x4F, 0x00, 0xE6},
            {0x50, 0x80, 0xE7},
            {0x51, 0x00, 0xE8},
            {0x52, 0x00, 0xED},
            {0x53, 0x00, 0xE0},
            {0x53, 0x01, 0x53},
            // Unchanged keys.
            {0x4C, 0x00, 0x4C},
            {0x4A, 0x00, 0x4A},
            {0x4E, 0x00, 0x4E},
            {0x1E, 0x01, 0x1E},
        };
        for (const Row& r : rows)
            QTest::addRow("scan %02x flags %02x", r.scan, r.flags) << r.scan << r.flags << r.code;
    }
    void hookConversion() {
        QFETCH(int, scan);
        QFETCH(int, flags);
        QFETCH(int, code);
        QCOMPARE(int(keyCodeFromHook(uint32_t(scan), uint32_t(flags))), code);
    }

    void frenchSetFollowsLanguage() {
        setFrenchLanguageIndex(-1);
        setCurrentLanguageIndex(0);
        QCOMPARE(keyName(0x1E), QStringLiteral("A"));
        setFrenchLanguageIndex(1);
        QCOMPARE(keyName(0x1E), QStringLiteral("A"));
        setCurrentLanguageIndex(1);
        QCOMPARE(keyName(0x1E), QStringLiteral("q"));
        QCOMPARE(keyName(0x03), QString::fromUtf8("é"));
        QCOMPARE(keyName(0x54), QString());
        QCOMPARE(keyName(0xF3), QString());
        setFrenchLanguageIndex(-1);
        setCurrentLanguageIndex(-1);
        QCOMPARE(keyName(0x1E), QStringLiteral("A")); // -1 never means French
    }
};

QTEST_GUILESS_MAIN(TestKeyCodes)
#include "test_keycodes.moc"
