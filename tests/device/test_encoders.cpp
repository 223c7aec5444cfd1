// Byte-exact checks of the block encoders, the packets that carry them and
// the sensor tables; no device involved.
#include "devicetestutil.h"
#include "encoders.h"
#include "sensortables.h"
#include "statedecoder.h"

#include <QtTest>

Q_DECLARE_METATYPE(std::vector<int>)

namespace {

// A block whose byte i holds i + 1.
template <class Block> Block counting() {
    Block b{};
    for (size_t i = 0; i < b.size(); ++i)
        b[i] = uint8_t(i + 1);
    return b;
}

ButtonInfo button(int fun, int res1 = 0, int loop = 0, int keyNumber = 0,
                  const QString& macro = QString()) {
    ButtonInfo b;
    b.Fun = fun;
    b.Res1 = uint8_t(res1);
    b.LoopNumber = loop;
    b.KeyNumber = keyNumber;
    b.macroname = macro;
    return b;
}

std::vector<MacroStep> keySteps(int n, uint8_t map = 0x84) {
    std::vector<MacroStep> s;
    for (int k = 0; k < n; ++k)
        s.push_back({map, uint8_t(4 + k), 0});
    return s;
}

} // namespace

class TestEncoders : public QObject {
    Q_OBJECT
private slots:
    void reportBasics_data();
    void reportBasics();
    void settingsBlock();
    void settingsSensorFlags_data();
    void settingsSensorFlags();
    void settingsLightingMode_data();
    void settingsLightingMode();
    void stageValues_data();
    void stageValues();
    void dpiBlockStageCount_data();
    void dpiBlockStageCount();
    void buttonRecords_data();
    void buttonRecords();
    void comboRecords_data();
    void comboRecords();
    void buttonBlockLayout_data();
    void buttonBlockLayout();
    void macroIndexesInOrderOfUse();
    void lightingBlock();
    void lightingAsTheMouseReadsIt_data();
    void lightingAsTheMouseReadsIt();
    void blockChunking_data();
    void blockChunking();
    void macroImages_data();
    void macroImages();
    void macroPacketLayout();
    void sensorTablesPinned_data();
    void sensorTablesPinned();
    void sensorTablesRise();
};

void TestEncoders::reportBasics_data() {
    QTest::addColumn<QByteArray>("actual");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray zeros29(29, '\0');
    QTest::newRow("status poll") << bytesOf(statusPollReport()) << hex("0524FA48") + zeros29;
    QTest::newRow("settings commit") << bytesOf(commitPacket(kCmdSettingsBlock))
                                     << hex("0528FA017F0001D31A") + QByteArray(24, '\0');
    QTest::newRow("macro commit") << bytesOf(commitPacket(kCmdMacroBlock))
                                  << report("05 00 FA 05 FF 0F 01 D3 1A");
    QTest::newRow("apply DPI") << bytesOf(applyBlockReport(0x02))
                               << report("05 00 FA 40 F3 02 00 00");
    QTest::newRow("begin") << bytesOf(profileWriteReport(false))
                           << report("05 00 FA 46 00 00 00 00");
    QTest::newRow("end") << bytesOf(profileWriteReport(true)) << report("05 00 FA 46 01 00 00 00");
    QTest::newRow("select 4") << bytesOf(selectProfileReport(4))
                              << report("05 00 FA 44 04 00 00 00");
    // (FA + 01 + 7F + 01 + D3) mod 256 = 4E, xor 66 = 28.
    QTest::newRow("checksum") << QByteArray(1, char(reportChecksum(commitPacket(1)))) << hex("28");
}

void TestEncoders::reportBasics() {
    QFETCH(QByteArray, actual);
    QFETCH(QByteArray, expected);
    QCOMPARE(actual.toHex(' '), expected.toHex(' '));
}

static DeviceSettings settingsSample() {
    DeviceSettings s;
    for (int p = 0; p < kProfileCount; ++p) {
        s.profiles[p].scrollspeed = uint8_t(p + 1);
        s.profiles[p].pollrate = uint8_t(10 + p);
        s.profiles[p].LedMoveOFF = 0;
        s.profiles[p].LedSleepTime = 2;
        s.profiles[p].dpi = 0;
        s.profiles[p].LedMode = 0;
    }
    s.currentProfile = 2;
    s.profiles[2].LedMoveOFF = 1;
    s.profiles[2].LedSleepTime = 7;
    s.profiles[2].dpi = 3;
    s.profiles[2].LedMode = 10;
    s.LiftHigh = 2;
    s.Debounce = 8;
    s.SensorMode = 1;
    s.Wake = 1;
    return s;
}

void TestEncoders::settingsBlock() {
    // Lighting-off-on-move, sleep time, DPI stage and lighting mode all come
    // from the current profile (2), not from profile 0.
    const SettingsBlock b = encodeSettingsBlock(settingsSample(), 0);
    QCOMPARE(bytesOf(b).toHex(' '),
             hex("01 02 03 04 05 02 02 01 07 08 81 0A 0B 0C 0D 0E 1F 03 08").toHex(' '));
    const auto packets = settingsPackets(b);
    QCOMPARE(int(packets.size()), 2);
    QCOMPARE(
        bytesOf(packets[0]).toHex(' '),
        report("05 00 FA 01 00 00 13 D1 01 02 03 04 05 02 02 01 07 08 81 0A 0B 0C 0D 0E 1F 03 08")
            .toHex(' '));
}

void TestEncoders::settingsSensorFlags_data() {
    QTest::addColumn<int>("syncMode");
    QTest::addColumn<int>("lift");
    QTest::addColumn<int>("sync");
    QTest::addColumn<int>("angle");
    QTest::addColumn<int>("jitter");
    QTest::addColumn<int>("expected");
    QTest::newRow("mode 0 ignores the flags") << 0 << 2 << 1 << 0 << 0 << 0x02;
    QTest::newRow("mode 1 all flags") << 1 << 2 << 1 << 0 << 0 << 0xE2;
    QTest::newRow("mode 1 no flags") << 1 << 2 << 0 << 1 << 1 << 0x02;
    QTest::newRow("mode 1 sync and jitter") << 1 << 3 << 1 << 1 << 0 << 0xA3;
    QTest::newRow("mode 2 angle only") << 2 << 1 << 0 << 0 << 1 << 0x41;
}

void TestEncoders::settingsSensorFlags() {
    QFETCH(int, syncMode);
    DeviceSettings s = settingsSample();
    QFETCH(int, lift);
    QFETCH(int, sync);
    QFETCH(int, angle);
    QFETCH(int, jitter);
    QFETCH(int, expected);
    s.LiftHigh = uint8_t(lift);
    s.Sync = uint8_t(sync);
    s.AngleValue = uint8_t(angle);
    s.Jitter = uint8_t(jitter);
    QCOMPARE(int(encodeSettingsBlock(s, syncMode)[5]), expected);
}

void TestEncoders::settingsLightingMode_data() {
    QTest::addColumn<int>("ledMode");
    QTest::addColumn<int>("expected");
    const int expected[] = {1, 2, 3, 4, 5, 6, 6, 6, 6, 6, 8, 7, 9, 10};
    for (int m = 0; m < 14; ++m)
        QTest::addRow("effect %d", m) << m << expected[m];
    QTest::newRow("effect 14") << 14 << 6;
    QTest::newRow("effect 255") << 255 << 6;
}

void TestEncoders::settingsLightingMode() {
    QFETCH(int, ledMode);
    QFETCH(int, expected);
    DeviceSettings s = settingsSample();
    s.profiles[2].LedMode = uint8_t(ledMode);
    QCOMPARE(int(encodeSettingsBlock(s, 0)[18]), expected);
}

void TestEncoders::stageValues_data() {
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("3325 low") << 3325 << 5 << 50 << 0 << hex("0B 00 73 00");
    QTest::newRow("3325 middle") << 3325 << 51 << 75 << 0 << hex("3B 01 73 01");
    QTest::newRow("3325 high") << 3325 << 76 << 78 << 0 << hex("3B 02 40 02");
    QTest::newRow("33252") << 33252 << 1 << 2 << 0 << hex("02 00 04 00");
    QTest::newRow("3311 low") << 3311 << 1 << 120 << 0 << hex("00 00 8F 00");
    QTest::newRow("33112 high") << 33112 << 8 << 121 << 0 << hex("09 00 48 01");
    QTest::newRow("3370") << 3370 << 200 << 201 << 0 << hex("C7 00 64 01");
    QTest::newRow("3327 low") << 3327 << 1 << 61 << 0 << hex("04 00 8C 00");
    QTest::newRow("3327 upper starts") << 3327 << 62 << 93 << 0 << hex("48 01 5F 04");
    QTest::newRow("3327 upper ends") << 3327 << 92 << 113 << 0 << hex("8C 01 8C 04");
    QTest::newRow("3360") << 3360 << 120 << 121 << 0 << hex("77 00 3C 01");
    QTest::newRow("3389 edge") << 3389 << 320 << 321 << 0 << hex("40 01 A1 80");
    QTest::newRow("3389 high") << 3389 << 640 << 1 << 0 << hex("E0 81 01 00");
    QTest::newRow("3212 low") << 3212 << 63 << 64 << 0 << hex("3F 00 20 01");
    QTest::newRow("3212 high") << 3212 << 94 << 95 << 0 << hex("3E 01 20 02");
    QTest::newRow("3104 swaps X and Y") << 3104 << 10 << 107 << 0 << hex("36 01 0A 00");
    QTest::newRow("31042 swaps X and Y") << 31042 << 106 << 1 << 0 << hex("01 00 6A 00");
    QTest::newRow("3333 low") << 3333 << 2 << 79 << 0 << hex("04 00 B9 00");
    QTest::newRow("3333 high") << 3333 << 80 << 119 << 0 << hex("5D 01 B9 01");
    QTest::newRow("3335 sends X twice") << 3335 << 160 << 3 << 0 << hex("BC 00 BC 00");
    QTest::newRow("33352 high X twice") << 33352 << 161 << 1 << 0 << hex("60 01 60 01");
    QTest::newRow("3395 plain") << 3395 << 519 << 400 << 0 << hex("07 02 90 01");
    QTest::newRow("3395 variant 8 limits") << 3395 << 519 << 400 << 8 << hex("8F 01 8F 01");
    QTest::newRow("3395 variant 8 below") << 3395 << 100 << 200 << 8 << hex("64 00 C8 00");
    QTest::newRow("3395 other variant") << 3395 << 519 << 519 << 7 << hex("07 02 07 02");
    QTest::newRow("33952 at 520") << 33952 << 520 << 520 << 0 << hex("04 81 08 02");
    QTest::newRow("33952 519/521") << 33952 << 519 << 521 << 0 << hex("07 02 05 81");
    QTest::newRow("33952 ignores variant") << 33952 << 500 << 500 << 8 << hex("F4 01 F4 01");
    QTest::newRow("unknown sensor") << 1234 << 50 << 50 << 0 << hex("00 00 00 00");
    QTest::newRow("no sensor") << 0 << 50 << 50 << 0 << hex("00 00 00 00");
    QTest::newRow("3325 past the table") << 3325 << 1000 << 0 << 0 << hex("73 02 00 00");
}

void TestEncoders::stageValues() {
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, variant);
    QFETCH(QByteArray, expected);
    QCOMPARE(
        bytesOf(encodeStageValues(uint32_t(x), uint32_t(y), sensor, uint8_t(variant))).toHex(' '),
        expected.toHex(' '));
}

void TestEncoders::dpiBlockStageCount_data() {
    QTest::addColumn<int>("stageCount");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray tail4 = hex("00 05 00 05 00 00 06 00 06 00 00 07 00 07 00 00 08 00 08 00");
    const QByteArray used4 = hex("01 01 00 01 00 01 02 00 02 00 01 03 00 03 00 01 04 00 04 00");
    const QByteArray all =
        used4 + hex("01 05 00 05 00 01 06 00 06 00 01 07 00 07 00 01 08 00 08 00");
    QTest::newRow("four stages") << 4 << hex("04") + used4 + tail4;
    QTest::newRow("none given") << 0 << hex("08") + all;
    QTest::newRow("too many") << 9 << hex("08") + all;
    QTest::newRow("negative") << -1 << hex("08") + all;
}

void TestEncoders::dpiBlockStageCount() {
    QFETCH(int, stageCount);
    QFETCH(QByteArray, expected);
    MouseProfile p;
    for (int i = 0; i < kDpiStageCount; ++i) {
        p.stages[i].used = 1;
        p.stages[i].x = p.stages[i].y = uint32_t(i + 1);
        p.stages[i].xy = 99; // never sent
    }
    QCOMPARE(bytesOf(encodeDpiBlock(p, stageCount, 3212, 0)).toHex(' '), expected.toHex(' '));
}

void TestEncoders::buttonRecords_data() {
    QTest::addColumn<int>("fun");
    QTest::addColumn<int>("res1");
    QTest::addColumn<int>("loop");
    QTest::addColumn<int>("keyNumber");
    QTest::addColumn<int>("sensor");
    QTest::addColumn<QByteArray>("expected");
    struct Fixed {
        int fun;
        const char* bytes;
    };
    const Fixed fixed[] = {
        {1, "81000000"},   {2, "82000000"},  {3, "83000000"},  {4, "85000000"},  {5, "84000000"},
        {13, "30000000"},  {49, "89000000"}, {48, "8A000000"}, {52, "8B000000"}, {53, "8C000000"},
        {47, "88000000"},  {17, "8F011B00"}, {18, "8F010600"}, {19, "8F011900"}, {20, "8F010400"},
        {21, "8F010900"},  {22, "8F011100"}, {23, "8F011300"}, {24, "8F011600"}, {25, "8F042B00"},
        {26, "8F043D00"},  {27, "8F080800"}, {28, "8F081500"}, {29, "8F080700"}, {62, "8F081000"},
        {30, "8F080F00"},  {31, "8E012302"}, {32, "8E012402"}, {33, "8E012502"}, {34, "8E012602"},
        {35, "8E012702"},  {36, "8E012102"}, {37, "8E012A02"}, {38, "8E018A01"}, {39, "8E01CD00"},
        {40, "8E01B700"},  {41, "8E01B600"}, {42, "8E01B500"}, {43, "8E01E900"}, {44, "8E01EA00"},
        {45, "8E01E200"},  {46, "8E018301"}, {16, "00000000"}, {63, "97010000"}, {50, "97000000"},
        {51, "98000000"},  {59, "8D000000"}, {57, "94000000"}, {58, "95000000"}, {54, "9B080000"},
        {60, "9F000000"},  {61, "A0000000"}, {0, "00000000"},  {8, "00000000"},  {56, "00000000"},
        {201, "00000000"}, {-3, "00000000"},
    };
    for (const Fixed& f : fixed)
        QTest::addRow("function %d", f.fun) << f.fun << 0 << 0 << 0 << 3395 << hex(f.bytes);
    QTest::newRow("single key A") << 6 << 0x1E << 0 << 0 << 3395 << hex("90 00 04 00");
    QTest::newRow("single key without usage") << 6 << 0xF0 << 0 << 0 << 3395 << hex("90 00 00 00");
    QTest::newRow("fire middle") << 12 << 0x84 << 5 << 20 << 3395 << hex("99 84 05 02");
    QTest::newRow("fire defaults") << 12 << 0 << 9 << 90 << 3395 << hex("99 81 03 00");
    QTest::newRow("fire wide values") << 12 << 0x04 << 300 << 255 << 3395 << hex("99 04 2C 19");
    const int sensors[] = {3104, 3212, 3389, 3325, 3327, 3335, 3360, 3395, 0};
    const char* sniper[] = {"9A010A0A", "9A010A0A", "9A010A0A", "9A011616", "9A011919",
                            "9A010B0B", "9A010909", "9A010404", "9A010404"};
    for (int i = 0; i < 9; ++i)
        QTest::addRow("sniper on %d", sensors[i])
            << 55 << 10 << 0 << 0 << sensors[i] << hex(sniper[i]);
    QTest::newRow("macro counted") << 200 << 0 << 0x0102 << 0 << 3395 << hex("91 00 02 01");
    QTest::newRow("macro while held") << 200 << 1 << 5 << 0 << 3395 << hex("91 80 FF FF");
    QTest::newRow("macro until pressed") << 200 << 2 << 5 << 0 << 3395 << hex("91 40 FF FF");
    QTest::newRow("gun counted") << 510 << 0 << 7 << 0 << 3395 << hex("9D 00 07 00");
    QTest::newRow("gun while held") << 510 << 1 << 7 << 0 << 3395 << hex("9D 80 FF FF");
}

void TestEncoders::buttonRecords() {
    QFETCH(int, fun);
    QFETCH(int, res1);
    QFETCH(int, loop);
    QFETCH(int, keyNumber);
    QFETCH(int, sensor);
    QFETCH(QByteArray, expected);
    ButtonInfo b = button(fun, res1, loop, keyNumber, QStringLiteral("m"));
    MacroIndexMap macros;
    QCOMPARE(bytesOf(encodeButton(b, sensor, macros)).toHex(), expected.toHex());
}

void TestEncoders::comboRecords_data() {
    QTest::addColumn<std::vector<int>>("steps"); // usage, direction (1 press) pairs
    QTest::addColumn<QByteArray>("expected");
    QTest::newRow("ctrl shift C") << std::vector<int>{0xE0, 1, 0xE1, 1, 0x06, 1,
                                                      0x06, 0, 0xE1, 0, 0xE0, 0}
                                  << hex("8F 03 06 00");
    QTest::newRow("shift K") << std::vector<int>{0xE1, 1, 0x0E, 1, 0x0E, 0, 0xE1, 0}
                             << hex("8F 02 0E 00");
    QTest::newRow("right shift right alt A")
        << std::vector<int>{0xE5, 1, 0xE6, 1, 0x04, 1, 0x04, 0, 0xE6, 0, 0xE5, 0}
        << hex("8F 06 04 00");
    QTest::newRow("windows D") << std::vector<int>{0xE3, 1, 0x07, 1, 0x07, 0, 0xE3, 0}
                               << hex("8F 08 07 00");
    QTest::newRow("right ctrl alone") << std::vector<int>{0xE4, 1, 0xE4, 0} << hex("8F 01 00 00");
    QTest::newRow("empty") << std::vector<int>{} << hex("8F 00 00 00");
}

void TestEncoders::comboRecords() {
    QFETCH(std::vector<int>, steps);
    QFETCH(QByteArray, expected);
    ButtonInfo b = button(7);
    for (size_t i = 0; i + 1 < steps.size(); i += 2)
        b.KeyInfo[i / 2] = {uint8_t(steps[i]), 5, uint8_t(steps[i + 1] ? 0x80 : 0)};
    MacroIndexMap macros;
    QCOMPARE(bytesOf(encodeButton(b, 3395, macros)).toHex(), expected.toHex());
}

void TestEncoders::buttonBlockLayout_data() {
    QTest::addColumn<int>("scrollReverse");
    QTest::addColumn<int>("buttonCount");
    QTest::addColumn<QByteArray>("expected");
    const QByteArray head = hex("0A00") + hex("82000000") + hex("91000100") + hex("81000000");
    const QByteArray middle(4 * 19, '\0');
    QTest::newRow("wheel in place") << 0 << 3 << head + middle + hex("8B000000 8C000000 FFFFFFFF");
    QTest::newRow("wheel reversed") << 1 << 3 << head + middle + hex("8C000000 8B000000 FFFFFFFF");
    QTest::newRow("other value keeps order")
        << 2 << 3 << head + middle + hex("8B000000 8C000000 FFFFFFFF");
    // Buttons past the slot map are not encoded; slot 30 does not exist.
    QTest::newRow("more buttons than slots")
        << 0 << 40 << head + middle + hex("8B000000 8C000000 FFFFFFFF");
}

void TestEncoders::buttonBlockLayout() {
    QFETCH(int, scrollReverse);
    QFETCH(int, buttonCount);
    QFETCH(QByteArray, expected);
    MouseProfile p;
    p.buttons[0] = button(1);
    p.buttons[1] = button(2);
    p.buttons[2] = button(200, 0, 1, 0, QStringLiteral("m"));
    for (int i = 3; i < kProductButtonCount; ++i)
        p.buttons[i] = button(0);
    p.buttons[3] = button(3); // slot 30: dropped
    p.buttons[40] = button(52);
    p.buttons[41] = button(53);
    EncodeContext ctx;
    ctx.buttonCount = buttonCount;
    ctx.scrollReverse = scrollReverse;
    const uint8_t slotTable[16] = {2, 0, 1, 30, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14};
    std::copy(std::begin(slotTable), std::end(slotTable), ctx.slotMap);
    MacroIndexMap macros;
    QCOMPARE(bytesOf(encodeButtonBlock(p, ctx, macros)).toHex(' '), expected.toHex(' '));
}

void TestEncoders::macroIndexesInOrderOfUse() {
    MouseProfile p;
    p.buttons[0] = button(1);
    p.buttons[1] = button(200, 0, 1, 0, QStringLiteral("zeta"));
    p.buttons[2] = button(510, 0, 1, 0, QStringLiteral("alpha"));
    p.buttons[3] = button(200, 1, 1, 0, QStringLiteral("zeta"));
    p.buttons[40] = button(200, 2, 1, 0, QStringLiteral("wheel"));
    EncodeContext ctx;
    ctx.buttonCount = 4;
    for (int i = 0; i < kProductButtonCount; ++i)
        ctx.slotMap[i] = uint8_t(i);
    MacroIndexMap macros;
    macros.insert(QStringLiteral("stale"), 9); // the caller empties the map first
    macros.clear();
    const ButtonBlock b = encodeButtonBlock(p, ctx, macros);
    QCOMPARE(macros.value(QStringLiteral("zeta")), 0);
    QCOMPARE(macros.value(QStringLiteral("alpha")), 1);
    QCOMPARE(macros.value(QStringLiteral("wheel")), 2);
    QCOMPARE(int(p.buttons[1].Res4), 0);
    QCOMPARE(int(p.buttons[2].Res4), 1);
    QCOMPARE(int(p.buttons[3].Res4), 0);
    QCOMPARE(int(p.buttons[40].Res4), 2);
    QCOMPARE(bytesOf(b).mid(2 + 12, 4).toHex(), hex("91 80 FF FF").toHex());
    QCOMPARE(bytesOf(b).mid(90, 4).toHex(), hex("91 42 FF FF").toHex());
}

void TestEncoders::lightingBlock() {
    MouseProfile p;
    for (int e = 0; e < kLedModeCount; ++e) {
        p.ledModes[e].RGB = QColor(e * 10, e * 10 + 1, e * 10 + 2);
        p.ledModes[e].bright = uint32_t(e + 1) | 0x100; // wider than a byte: cut
        p.ledModes[e].breath = uint32_t(e + 20);
    }
    const QByteArray expected = hex("80 00 00 00 00 00 00 00"
                                    "80 0A 0B 0C 01 00 02 02"
                                    "80 14 15 16 01 16 04 03"
                                    "80 00 00 00 01 17 01 03"
                                    "80 00 00 00 01 18 08 05"
                                    "80 00 00 00 05 1D 01 0A"
                                    "80 00 00 00 07 00 00 0C"
                                    "80 00 00 00 06 1E 00 0B"
                                    "80 00 00 00 08 20 00 0D"
                                    "80 00 00 00 09 21 00 0E");
    QCOMPARE(bytesOf(encodeLightingBlock(p)).toHex(' '), expected.toHex(' '));
}

// What the host sends for each effect is what the virtual mouse names as the
// lighting in use: the settings block's mode picks the record that carries
// the effect's own colour, brightness and speed.
void TestEncoders::lightingAsTheMouseReadsIt_data() {
    QTest::addColumn<int>("effect");
    QTest::addColumn<QString>("shown");
    const QString shared =
        "FLASH / Horizontal WAVE / Horizontal GO WITHOUT TRACE / Raindrop / WAVE: "
        "brightness 1, speed 5";
    const QString rows[] = {
        "OFF",
        "FULL LIGHTED: colour #112131, brightness 2",
        "BREATHING: colour #122232, speed 3",
        "7 COLOR BREATHING: speed 4",
        "RAINBOW: brightness 2, speed 5",
        shared,
        shared,
        shared,
        shared,
        shared,
        "GO WITHOUT TRACE: brightness 2, speed 1",
        "REACTIVE: brightness 3",
        "yo-yo: brightness 1, speed 3",
        "Marbles: brightness 2, speed 4",
    };
    for (int e = 0; e < kLedModeCount; ++e)
        QTest::addRow("effect %d", e) << e << rows[e];
    QTest::newRow("effect 200") << 200 << shared;
}

void TestEncoders::lightingAsTheMouseReadsIt() {
    QFETCH(int, effect);
    QFETCH(QString, shown);
    DeviceSettings s = settingsSample();
    MouseProfile& p = s.current();
    p.LedMode = uint8_t(effect);
    for (int e = 0; e < kLedModeCount; ++e) {
        p.ledModes[e].RGB = QColor(0x10 + e, 0x20 + e, 0x30 + e);
        p.ledModes[e].bright = uint32_t(1 + e % 3);
        p.ledModes[e].breath = uint32_t(1 + e % 5);
    }
    const LightingBlock light = encodeLightingBlock(p);
    const std::string text = vm::describeLightingBlock(
        std::vector<uint8_t>(light.begin(), light.end()), encodeSettingsBlock(s, 0)[18]);
    const QString all = QString::fromStdString(text);
    QCOMPARE(all.count("(current)"), 1);
    QVERIFY2(all.contains("      " + shown + " (current)\n"), qPrintable(all));
}

void TestEncoders::blockChunking_data() {
    QTest::addColumn<int>("command");
    QTest::addColumn<QString>("chunks"); // offset:length, first to last, then the commit
    QTest::newRow("settings") << 1 << "0:19";
    QTest::newRow("dpi") << 2 << "0:1 1:5 6:5 11:5 16:5 21:5 26:5 31:5 36:5";
    QTest::newRow("buttons") << 3 << "0:2 2:24 26:24 50:24 74:24 98:4";
    QTest::newRow("lighting") << 4 << "0:24 24:24 48:24 72:8";
}

void TestEncoders::blockChunking() {
    QFETCH(int, command);
    QFETCH(QString, chunks);
    std::array<uint8_t, 128> block{};
    for (size_t i = 0; i < block.size(); ++i)
        block[i] = uint8_t(i + 1);
    std::vector<CommandReport> packets;
    switch (command) {
    case 1:
        packets = settingsPackets(counting<SettingsBlock>());
        break;
    case 2:
        packets = dpiPackets(counting<DpiBlock>());
        break;
    case 3:
        packets = buttonPackets(counting<ButtonBlock>());
        break;
    default:
        packets = lightingPackets(counting<LightingBlock>());
        break;
    }
    const QStringList list = chunks.split(' ');
    QCOMPARE(int(packets.size()), list.size() + 1);
    for (int i = 0; i < list.size(); ++i) {
        const int offset = list[i].section(':', 0, 0).toInt();
        const int length = list[i].section(':', 1, 1).toInt();
        QByteArray header;
        header.append(char(5)).append('\0').append(char(0xFA)).append(char(command));
        header.append(char(offset)).append('\0').append(char(length));
        header.append(char(i == 0 ? 0xD1 : 0xD2));
        QByteArray expected =
            header + QByteArray(reinterpret_cast<const char*>(block.data()) + offset, length);
        CommandReport r;
        std::copy(expected.begin(), expected.end(), r.bytes.begin());
        r[kPosChecksum] = reportChecksum(r);
        QCOMPARE(bytesOf(packets[size_t(i)]).toHex(' '), bytesOf(r).toHex(' '));
    }
    QCOMPARE(bytesOf(packets.back()).toHex(' '),
             bytesOf(commitPacket(uint8_t(command))).toHex(' '));
    QCOMPARE(int(packets.back()[kPosParam1]), 0x7F);
}

void TestEncoders::macroImages_data() {
    QTest::addColumn<std::vector<int>>("steps"); // map, dataL, dataH triples
    QTest::addColumn<bool>("fits");
    QTest::addColumn<QByteArray>("expected");
    auto flat = [](const std::vector<MacroStep>& s) {
        std::vector<int> v;
        for (const MacroStep& m : s)
            v.insert(v.end(), {m.map, m.dataL, m.dataH});
        return v;
    };
    QTest::newRow("eight steps") << flat(keySteps(8)) << true
                                 << hex("840400 840500 840600 840700 060100 840800 840900 840A00 "
                                        "840B00 060100 060100 000000");
    QTest::newRow("five steps") << flat(keySteps(5)) << true
                                << hex("840400 840500 840600 840700 060100 840800 060100");
    QTest::newRow("empty macro") << std::vector<int>{} << true << hex("060100");
    QTest::newRow("own delays kept")
        << std::vector<int>{0x84, 4, 0, 6, 25, 0, 4, 4, 0} << true << hex("840400 061900 040400");
    QTest::newRow("51 steps fit") << flat(keySteps(51)) << true << QByteArray();
    QTest::newRow("52 steps do not") << flat(keySteps(52)) << false << QByteArray();
    auto delays = [](int n) {
        std::vector<int> v;
        for (int k = 0; k < n; ++k)
            v.insert(v.end(), {6, 1, 0});
        return v;
    };
    QTest::newRow("66 steps with delays fit") << delays(66) << true << QByteArray();
    QTest::newRow("67 steps with delays do not") << delays(67) << false << QByteArray();
}

void TestEncoders::macroImages() {
    QFETCH(std::vector<int>, steps);
    QFETCH(bool, fits);
    QFETCH(QByteArray, expected);
    std::vector<MacroStep> list;
    for (size_t i = 0; i + 2 < steps.size(); i += 3)
        list.push_back({uint8_t(steps[i]), uint8_t(steps[i + 1]), uint8_t(steps[i + 2])});
    MacroImage image;
    image.fill(0xEE);
    QCOMPARE(encodeMacroImage(list, image), fits);
    if (!fits) {
        QCOMPARE(bytesOf(image), QByteArray(kMacroImageSize, '\0'));
        return;
    }
    QVERIFY(macroImageBytes(list) <= kMacroImageSize);
    if (!expected.isEmpty()) {
        expected.append(QByteArray(kMacroImageSize - expected.size(), '\0'));
        QCOMPARE(bytesOf(image).toHex(' '), expected.toHex(' '));
    }
}

void TestEncoders::macroPacketLayout() {
    auto images = std::make_unique<MacroImages>();
    for (auto& img : *images)
        img.fill(0);
    QVERIFY(macroPackets(*images).empty());

    (*images)[0][0] = 6;
    (*images)[2][4] = 1; // only byte 4 set: still counts as in use
    (*images)[2][199] = 0x77;
    (*images)[3][5] = 1; // first five bytes zero: skipped
    const auto packets = macroPackets(*images);
    QCOMPARE(int(packets.size()), 21);
    QCOMPARE(bytesOf(packets[0]).left(8).toHex(' '),
             report("05 00 FA 05 00 00 14 D1").left(8).toHex(' '));
    QCOMPARE(bytesOf(packets[1]).left(8).toHex(' '),
             report("05 00 FA 05 14 00 14 D2").left(8).toHex(' '));
    QCOMPARE(bytesOf(packets[10]).left(8).toHex(' '),
             report("05 00 FA 05 90 01 14 D2").left(8).toHex(' '));
    const QByteArray last =
        report("05 00 FA 05 44 02 14 D2 00 00 00 00 00 00 00 00 00 00 00 00 00 00 "
               "00 00 00 00 00 77");
    QCOMPARE(bytesOf(packets[19]).toHex(' '), last.toHex(' '));
    QCOMPARE(bytesOf(packets[20]).toHex(' '), report("05 00 FA 05 FF 0F 01 D3 1A").toHex(' '));

    // Without image 0 no packet carries the first-chunk operation.
    (*images)[0].fill(0);
    const auto later = macroPackets(*images);
    QCOMPARE(int(later.size()), 11);
    QCOMPARE(int(later[0][kPosOperation]), 0xD2);
}

void TestEncoders::sensorTablesPinned_data() {
    QTest::addColumn<int>("table");
    QTest::addColumn<int>("size"); // 0: not fixed
    QTest::addColumn<int>("firstIndex");
    QTest::addColumn<std::vector<int>>("head");
    QTest::addColumn<std::vector<int>>("tail");
    QTest::newRow("1") << 1 << 51 << 0 << std::vector<int>{0, 2, 4, 6, 8, 11, 13}
                       << std::vector<int>{113, 115};
    QTest::newRow("2") << 2 << 25 << 0 << std::vector<int>{59, 62, 64}
                       << std::vector<int>{113, 115};
    QTest::newRow("3") << 3 << 121 << 1 << std::vector<int>{0, 2, 3, 4, 5, 6, 7, 9}
                       << std::vector<int>{142, 143};
    QTest::newRow("4") << 4 << 0 << 0 << std::vector<int>{72, 74, 75, 76} << std::vector<int>{};
    QTest::newRow("5") << 5 << 62 << 0 << std::vector<int>{0, 4, 6, 9, 11}
                       << std::vector<int>{138, 140};
    QTest::newRow("6") << 6 << 31 << 0 << std::vector<int>{72, 74, 77}
                       << std::vector<int>{138, 140};
    QTest::newRow("7") << 7 << 21 << 0 << std::vector<int>{95, 97, 99}
                       << std::vector<int>{138, 140};
    QTest::newRow("8") << 8 << 80 << 2 << std::vector<int>{4, 6, 9, 11, 14}
                       << std::vector<int>{182, 185};
    QTest::newRow("9") << 9 << 40 << 0 << std::vector<int>{93, 95, 98}
                       << std::vector<int>{182, 185};
    QTest::newRow("10") << 10 << 161 << 1 << std::vector<int>{0, 2, 3, 4}
                        << std::vector<int>{188, 188};
    QTest::newRow("11") << 11 << 0 << 0 << std::vector<int>{96, 98, 99, 100} << std::vector<int>{};
}

void TestEncoders::sensorTablesPinned() {
    QFETCH(int, table);
    QFETCH(int, size);
    QFETCH(int, firstIndex);
    QFETCH(std::vector<int>, head);
    QFETCH(std::vector<int>, tail);
    const SensorTable t = sensorTable(table);
    if (size) QCOMPARE(t.size, size);
    for (size_t i = 0; i < head.size(); ++i)
        QCOMPARE(int(t.values[firstIndex + int(i)]), head[i]);
    for (size_t i = 0; i < tail.size(); ++i)
        QCOMPARE(int(t.values[t.size - int(tail.size()) + int(i)]), tail[i]);
}

void TestEncoders::sensorTablesRise() {
    for (int n = 1; n <= 11; ++n) {
        const SensorTable t = sensorTable(n);
        QVERIFY2(t.size > 0, qPrintable(QString::number(n)));
        for (int i = 1; i < t.size; ++i) {
            QVERIFY2(t.values[i] >= t.values[i - 1],
                     qPrintable(QStringLiteral("table %1 at %2").arg(n).arg(i)));
            QVERIFY2(t.values[i] - t.values[i - 1] <= 4,
                     qPrintable(QStringLiteral("table %1 at %2").arg(n).arg(i)));
        }
        QCOMPARE(int(sensorTableValue(n, -5)), int(t.values[0]));
        QCOMPARE(int(sensorTableValue(n, 100000)), int(t.values[t.size - 1]));
    }
    QCOMPARE(sensorTable(12).size, 0);
    QCOMPARE(int(sensorTableValue(0, 3)), 0);
}

QTEST_GUILESS_MAIN(TestEncoders)
#include "test_encoders.moc"
