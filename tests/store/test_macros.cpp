// Macro files and the macro list: the bytes on disk, the reading rules, and
// the library operations that turn names into files.
#include "appconfig.h"
#include "buttonfunctions.h"
#include "macrofile.h"
#include "macrolibrary.h"
#include "paths.h"
#include "records.h"
#include "testutil.h"

#include <QDir>
#include <QFile>
#include <QtTest>

Q_DECLARE_METATYPE(MacroStep)

namespace {
QByteArray steps(std::initializer_list<std::array<int, 3>> rows) {
    QByteArray t;
    int k = 0;
    for (const auto& r : rows) {
        t += QStringLiteral("Map_%1=%2\nDataH_%1=%3\nDataL_%1=%4\n")
                 .arg(k++)
                 .arg(r[0])
                 .arg(r[1])
                 .arg(r[2])
                 .toUtf8();
    }
    return "[Setting]\nCount=" + QByteArray::number(k) + "\n" + t;
}
} // namespace

class TestMacros : public QObject {
    Q_OBJECT
private slots:
    void fileTextInTableOrder();
    void encodings();
    void readingRules_data();
    void readingRules();
    void roundTripKeepsEveryKeptStep();
    void listSlotsAndNewNames();
    void renameAndNameChecks();
    void importExportNeverLoseOrOverwrite();
    void usersAcrossProfiles();
};

void TestMacros::fileTextInTableOrder() {
    MacroFile m;
    m.name = QStringLiteral("m");
    m.defaultDelay = QStringLiteral("50");
    m.delayType = 1;
    m.loopType = 2;
    m.loopTime = QStringLiteral("3");
    m.steps = {keyStep(0x04, true), delayStep(25), keyStep(0x04, false)};
    const QByteArray expected = "[Setting]\n"
                                "MacroFilePath=\"/x/m.MSMACRO\"\n"
                                "DefaultDelay=50\nDelayType=1\nLoopType=2\nLoopTime=3\nCount=3\n"
                                "Map_0=132\nDataH_0=0\nDataL_0=4\n"
                                "Map_1=6\nDataH_1=0\nDataL_1=25\n"
                                "Map_2=4\nDataH_2=0\nDataL_2=4\n"
                                "WriteSign=1\n";
    QCOMPARE(macroFileText(m, QStringLiteral("/x/m.MSMACRO"), true), expected);
    QVERIFY(!macroFileText(m, QStringLiteral("/x"), false).contains("WriteSign"));

    // Written through the program, the file is what the INI readers expect.
    TempAppDir app;
    QVERIFY(writeMacroFile(m));
    QSettings ini(macroFilePath(QStringLiteral("m")), QSettings::IniFormat);
    QCOMPARE(ini.value(QStringLiteral("Setting/MacroFilePath")).toString(),
             macroFilePath(QStringLiteral("m")));
    QCOMPARE(ini.value(QStringLiteral("Setting/WriteSign")).toInt(), 1);
    m.name = QStringLiteral("../evil");
    QVERIFY(!writeMacroFile(m));
}

void TestMacros::encodings() {
    struct Row {
        MacroStep step;
        MacroStep expected;
    };
    const Row rows[] = {
        {delayStep(delayCountFromMs(250, 10)), {6, 25, 0}},
        {delayStep(delayCountFromMs(250, 1)), {6, 250, 0}},
        {delayStep(delayCountFromMs(65535, 10)), {6, 153, 25}},         // count 6553
        {delayStep(delayCountFromMs(10 * 70000, 10)), {6, 0xFF, 0xFF}}, // clamped, not wrapped
        {moveStep(MoveDirection::Left, 5), {2, 251, 0}},
        {moveStep(MoveDirection::Right, 120), {2, 120, 0}},
        {moveStep(MoveDirection::Up, 3), {2, 0, 253}},
        {moveStep(MoveDirection::Down, 7), {2, 0, 7}},
        {buttonStep(buttonBitFromIndex(1), true), {0x81, 4, 0}},
        {buttonStep(buttonBitFromIndex(2), false), {0x01, 2, 0}},
    };
    for (const Row& r : rows)
        QCOMPARE(r.step, r.expected);
    QCOMPARE(moveDistance({2, 251, 0}), 5);
    QVERIFY(moveDirection({2, 251, 0}) == MoveDirection::Left);
    QVERIFY(moveDirection({2, 0, 253}) == MoveDirection::Up);
    const int reverse[][2] = {{1, 0}, {2, 2}, {4, 1}, {8, 3}, {16, 4}, {3, 0}, {0, 0}};
    for (const auto& r : reverse)
        QCOMPARE(buttonIndexFromBit(uint8_t(r[0])), r[1]);
}

void TestMacros::readingRules_data() {
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QByteArray>("expected"); // Map,DataH,DataL per kept step
    QTest::newRow("button with a bad bit is dropped")
        << steps({{0x81, 0, 3}, {0x81, 0, 1}, {0x01, 0, 16}}) << QByteArray("129,0,1 1,0,16");
    QTest::newRow("button kinds with other high bits are dropped")
        << steps({{0x41, 0, 1}, {0x01, 0, 8}}) << QByteArray("1,0,8");
    QTest::newRow("moves keep one axis by sign")
        << steps({{2, 0, 251}, {2, 5, 9}, {0x82, 0, 7}}) << QByteArray("2,0,251 2,5,0 2,0,7");
    QTest::newRow("delays keep both bytes")
        << steps({{6, 25, 153}, {0x86, 0, 1}}) << QByteArray("6,25,153 6,0,1");
    QTest::newRow("keys lose DataH")
        << steps({{0x84, 9, 4}, {4, 0, 4}}) << QByteArray("132,0,4 4,0,4");
    QTest::newRow("unknown kinds and junk are dropped")
        << steps({{3, 0, 0}, {0x85, 0, 0}, {7, 1, 1}}) << QByteArray("");
    QTest::newRow("values that are not numbers read as 0")
        << QByteArray("[Setting]\nCount=1\nMap_0=x\nDataH_0=1\nDataL_0=2\n") << QByteArray("");
    QTest::newRow("count past the steps")
        << QByteArray("[Setting]\nCount=2\nMap_0=6\nDataL_0=5\n") << QByteArray("6,0,5");
    QTest::newRow("hostile count") << QByteArray("[Setting]\nCount=2000000000\n") << QByteArray("");
}

void TestMacros::readingRules() {
    QFETCH(QByteArray, file);
    QFETCH(QByteArray, expected);
    TempAppDir app;
    QDir().mkpath(macroFolder());
    writeText(macroFilePath(QStringLiteral("m")), file);
    const MacroFile m = readMacroFile(QStringLiteral("m"));
    QStringList got;
    for (const MacroStep& s : m.steps)
        got << QStringLiteral("%1,%2,%3").arg(s.map).arg(s.dataH).arg(s.dataL);
    QCOMPARE(got.join(' ').toUtf8(), expected);
}

void TestMacros::roundTripKeepsEveryKeptStep() {
    TempAppDir app;
    QDir().mkpath(macroFolder());
    writeText(macroFilePath(QStringLiteral("r")),
              "[Setting]\nDefaultDelay=40\nDelayType=2\nLoopType=3\nLoopTime=9\n" +
                  steps({{0x84, 0, 0x5F},
                         {6, 0, 4},
                         {2, 0, 251},
                         {0x81, 0, 9},
                         {2, 253, 0},
                         {0x01, 0, 4},
                         {4, 0, 0x5F}})
                      .mid(10));
    const MacroFile first = readMacroFile(QStringLiteral("r"));
    QCOMPARE(int(first.steps.size()), 6);
    QCOMPARE(first.defaultDelay, QStringLiteral("40"));
    QCOMPARE(int(first.delayType), 2);
    QCOMPARE(first.loopType, 3);
    QVERIFY(writeMacroFile(first));
    const MacroFile second = readMacroFile(QStringLiteral("r"));
    QVERIFY(first.steps == second.steps);
    QCOMPARE(second.loopTime, QStringLiteral("9"));
    // The upload and the assignment read the raw steps of the same file.
    QCOMPARE(int(readMacroSteps(QStringLiteral("r")).size()), 6);
    // A missing file is an empty macro with empty fields.
    const MacroFile none = readMacroFile(QStringLiteral("missing"));
    QVERIFY(none.steps.empty() && none.defaultDelay.isEmpty() && none.loopType == 0);
}

void TestMacros::listSlotsAndNewNames() {
    TempAppDir app;
    ensureConfigFolders(QString());
    MacroFile m;
    for (int i = 0; i < 5; ++i) {
        m.name = newMacroName();
        QVERIFY(writeMacroFile(m));
        QVERIFY(addToMacroList(m.name));
    }
    QCOMPARE(readMacroNames().join(','), QStringLiteral("name_1,name_2,name_3,name_4,name_5"));
    QCOMPARE(deleteMacro(QStringLiteral("name_3")), MacroOp::Done);
    QCOMPARE(readMacroSlots().at(2), QString());
    QCOMPARE(readMacroSlots().at(3), QStringLiteral("name_4"));
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("name_3"))));
    // The gap in the files is the next name, and it takes the freed slot.
    QCOMPARE(newMacroName(), QStringLiteral("name_3"));
    QVERIFY(addToMacroList(QStringLiteral("name_3")));
    QCOMPARE(readMacroSlots().at(2), QStringLiteral("name_3"));
    QCOMPARE(macroCount(), 5);
    for (int i = 5; i < kMacroSlots; ++i)
        QVERIFY(addToMacroList(QStringLiteral("x%1").arg(i)));
    QVERIFY(!addToMacroList(QStringLiteral("one too many")));
    QCOMPARE(macroCount(), kMacroSlots);
}

void TestMacros::renameAndNameChecks() {
    TempAppDir app;
    ensureConfigFolders(QString());
    MacroFile m;
    for (const char* n : {"a", "b"}) {
        m.name = QLatin1String(n);
        QVERIFY(writeMacroFile(m));
        QVERIFY(addToMacroList(m.name));
    }
    QString renamed;
    QCOMPARE(renameMacro(QStringLiteral("a"), QStringLiteral("b"), &renamed), MacroOp::Done);
    QCOMPARE(renamed, QStringLiteral("b_2"));
    QCOMPARE(readMacroNames().join(','), QStringLiteral("b_2,b"));
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("b_2"))));
    // A name that is no plain file name never moves a file out of MacroDB.
    for (const QString& bad : {QStringLiteral("../x"), QStringLiteral("a/b"), QStringLiteral("")}) {
        QCOMPARE(renameMacro(QStringLiteral("b"), bad, &renamed), MacroOp::InvalidName);
        QCOMPARE(renamed, QStringLiteral("b"));
    }
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("b"))));
    QVERIFY(!QFile::exists(macroFolder() + QStringLiteral("../x.MSMACRO")));
    QCOMPARE(readMacroNames().join(','), QStringLiteral("b_2,b"));
}

void TestMacros::importExportNeverLoseOrOverwrite() {
    TempAppDir app;
    ensureConfigFolders(QString());
    QTemporaryDir outside;
    const QString mine = outside.filePath(QStringLiteral("mine.MSMACRO"));
    writeText(mine, steps({{0x84, 0, 4}}));
    QString name;
    QCOMPARE(importMacro(mine, &name), MacroOp::Done);
    QCOMPARE(name, QStringLiteral("mine"));
    QCOMPARE(readMacroNames(), QStringList{QStringLiteral("mine")});
    // Importing it again (the batch case too) neither overwrites nor adds twice.
    writeText(macroFilePath(QStringLiteral("mine")), "[Setting]\nCount=0\n");
    QCOMPARE(importMacro(mine, &name), MacroOp::Exists);
    QCOMPARE(readText(macroFilePath(QStringLiteral("mine"))), QByteArray("[Setting]\nCount=0\n"));
    QCOMPARE(readMacroNames(), QStringList{QStringLiteral("mine")});
    QCOMPARE(importMacro(outside.filePath(QStringLiteral("gone.MSMACRO")), &name), MacroOp::Failed);
    QCOMPARE(readMacroNames(), QStringList{QStringLiteral("mine")});

    QCOMPARE(exportMacro(QStringLiteral("mine"), outside.filePath(QStringLiteral("out.MSMACRO"))),
             MacroOp::Done);
    QCOMPARE(readText(outside.filePath(QStringLiteral("out.MSMACRO"))),
             QByteArray("[Setting]\nCount=0\n"));
    // A path that cannot be written is a failure, not a silent success.
    QCOMPARE(exportMacro(QStringLiteral("mine"), outside.filePath(QStringLiteral("no/such/x"))),
             MacroOp::Failed);
    QCOMPARE(exportMacro(QStringLiteral("absent"), outside.filePath(QStringLiteral("y"))),
             MacroOp::Failed);
}

void TestMacros::usersAcrossProfiles() {
    DeviceSettings s;
    s.profiles[0].buttons[3].Fun = kMacroCode;
    s.profiles[0].buttons[3].macroname = QStringLiteral("m");
    s.profiles[4].buttons[41].Fun = kGunFileCode;
    s.profiles[4].buttons[41].macroname = QStringLiteral("m");
    s.profiles[2].buttons[5].Fun = 1; // an old name left behind by another function
    s.profiles[2].buttons[5].macroname = QStringLiteral("m");
    QVERIFY((macroUsers(s, QStringLiteral("m")) == std::vector<MacroUser>{{0, 3}, {4, 41}}));
    QVERIFY(macroUsers(s, QStringLiteral("other")).empty());
}

QTEST_GUILESS_MAIN(TestMacros)
#include "test_macros.moc"
