// The MACRO page as a user drives it: its buttons, the step list, the files
// each operation leaves behind and the boxes it answers with.
#include "appconfig.h"
#include "buttonfunctions.h"
#include "gunfiledialog.h"
#include "kestlineedit.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "keycodes.h"
#include "macrolibrary.h"
#include "macropanel.h"
#include "mouseactiontree.h"
#include "paths.h"
#include "records.h"
#include "testutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMenu>
#include <QSignalSpy>
#include <QTableView>
#include <QTimer>
#include <QtTest>
#include <functional>

namespace {

// Runs `action` and answers every box it opens (accepting or not); returns
// the texts the boxes showed.
QStringList answering(const std::function<void()>& action, bool accept = true) {
    QStringList texts;
    QTimer timer;
    timer.setInterval(5);
    QObject::connect(&timer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<KestMessageBox*>(QApplication::activeModalWidget())) {
            texts << box->text();
            accept ? box->accept() : box->reject();
        }
    });
    timer.start();
    action();
    return texts;
}

void press(MacroPanel& page, const char* name) {
    auto* b = qobject_cast<KestPushButton*>(page.control(QLatin1String(name)));
    QVERIFY2(b, name);
    b->click();
}

QString stepsText(const std::vector<MacroStep>& steps) {
    QStringList out;
    for (const MacroStep& s : steps)
        out << QStringLiteral("%1,%2,%3").arg(s.map).arg(s.dataH).arg(s.dataL);
    return out.join(' ');
}

// A macro in MacroDB and the list.
void saveMacro(const QString& name, const std::vector<MacroStep>& steps) {
    MacroFile m;
    m.name = name;
    m.steps = steps;
    m.defaultDelay = QStringLiteral("10");
    m.loopTime = QStringLiteral("1");
    QVERIFY(writeMacroFile(m));
    QVERIFY(addToMacroList(name));
}

// Five steps told apart by their key.
const std::vector<MacroStep> kFive = {keyStep(1, true), keyStep(2, true), keyStep(3, true),
                                      keyStep(4, true), keyStep(5, true)};

// Scan codes of a, b.
constexpr quint32 kScanA = 0x1E, kScanB = 0x30;

} // namespace

class TestMacroPage : public QObject {
    Q_OBJECT
private slots:
    void init() {
        m_app = std::make_unique<TempAppDir>();
        ensureConfigFolders(QString());
    }
    void cleanup() { m_app.reset(); }

    void stepOperations_data();
    void stepOperations();
    void mouseStepsFollowTheDelayType();
    void handInsertionsStopAtWhatAButtonHolds();
    void editingSteps();
    void loopCountsStayInRange();
    void delaysAreStoredAsShown();
    void cancelRestoresTheFileAfterARename();
    void recordingFromTheHook();
    void macroListOperations();
    void deletingAMacroButtonsUse();
    void importAndExportTellWhatWasNotCopied();
    void gunFilesAreWrittenAndLoaded();

private:
    std::unique_ptr<TempAppDir> m_app;
};

void TestMacroPage::stepOperations_data() {
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("order"); // keys of the steps after the operation
    QTest::addColumn<int>("current");
    QTest::newRow("move up at the top") << 0 << "btnMoveUp"
                                        << "12345" << 0;
    QTest::newRow("move down at the end") << 4 << "btnMoveDown"
                                          << "12345" << 4;
    QTest::newRow("move up") << 2 << "btnMoveUp"
                             << "13245" << 1;
    QTest::newRow("move down") << 2 << "btnMoveDown"
                               << "12435" << 3;
    QTest::newRow("top") << 3 << "btnTop"
                         << "41235" << 0;
    QTest::newRow("bottom") << 1 << "btnBottom"
                            << "13452" << 4;
    QTest::newRow("delete the last") << 4 << "btnStepDelete"
                                     << "1234" << 3;
    QTest::newRow("delete row 1") << 1 << "btnStepDelete"
                                  << "1345" << 1;
    QTest::newRow("clear") << 2 << "btnClear"
                           << "" << -1;
    QTest::newRow("insert delay") << 1 << "btnInsertDelay"
                                  << "12d345" << 2;
}

void TestMacroPage::stepOperations() {
    QFETCH(int, row);
    QFETCH(QString, button);
    QFETCH(QString, order);
    QFETCH(int, current);
    saveMacro(QStringLiteral("m"), kFive);
    MacroPanel page;
    page.SelectRow(row);
    press(page, button.toLatin1().constData());
    QString got;
    for (const MacroStep& s : page.steps())
        got += stepKind(s) == kStepDelay ? QStringLiteral("d") : QString::number(s.dataL);
    QCOMPARE(got, order);
    QCOMPARE(page.currentRow(), current);
    if (button == QLatin1String("btnInsertDelay")) // 10 ms in units of 10
        QCOMPARE(stepsText({page.steps()[2]}), QStringLiteral("6,0,1"));
    // Nothing reaches the file before SAVE.
    QCOMPARE(stepsText(readMacroFile(QStringLiteral("m")).steps), stepsText(kFive));
}

void TestMacroPage::mouseStepsFollowTheDelayType() {
    struct Row {
        const char* unit;
        const char* delayBox; // the check box to tick, "" for none
        const char* defaultDelay;
        const char* expected;
    };
    const Row rows[] = {
        // Press, delay of the default field, release, delay again.
        {"10", "chkDefaultDelay", "50", "129,0,1 6,0,5 1,0,1 6,0,5"},
        {"10", "chkRecordDelays", "50", "129,0,1 6,0,1 1,0,1 6,0,1"},
        {"1", "chkRecordDelays", "50", "129,0,1 6,0,10 1,0,1 6,0,10"},
        {"10", "", "50", "129,0,1 1,0,1"},
    };
    for (const Row& r : rows) {
        TempAppDir app;
        ensureConfigFolders(QString());
        writeText(app.file(QStringLiteral("DefaultProfile.bin")),
                  QByteArray("[PROFILE]\nMinDelay=") + r.unit + "\n");
        saveMacro(QStringLiteral("m"), {});
        MacroPanel page;
        if (*r.delayBox) qobject_cast<QCheckBox*>(page.control(QLatin1String(r.delayBox)))->click();
        page.findChild<KestLineEdit*>(QStringLiteral("defaultDelay"))->setText(r.defaultDelay);
        MouseActionTree* tree = page.mouseTree();
        QTreeWidgetItem* left = tree->buttonItem(0);
        page.TreeitemClick(left, 0); // opens it
        QCOMPARE(int(page.steps().size()), 0);
        page.TreeitemClick(left, 0); // a full click
        QCOMPARE(stepsText(page.steps()), QLatin1String(r.expected));
        // A move from its row, distance as typed, then the same kind of delay.
        press(page, "btnClear");
        MouseActionItem* right = tree->moveRow(MoveDirection::Left);
        right->findChild<KestLineEdit*>()->setText(QStringLiteral("5"));
        page.KestItemPressed(right);
        QCOMPARE(stepsText({page.steps().front()}), QStringLiteral("2,0,251"));
    }
}

void TestMacroPage::handInsertionsStopAtWhatAButtonHolds() {
    saveMacro(QStringLiteral("m"), std::vector<MacroStep>(62, delayStep(1)));
    MacroPanel page;
    QTreeWidgetItem* left = page.mouseTree()->buttonItem(0);
    page.TreeitemClick(left, 0);
    // Press and release would make 64 steps: refused, nothing inserted.
    const QStringList boxes = answering([&] { page.TreeitemClick(left, 0); });
    QCOMPARE(boxes, QStringList{QStringLiteral("A macro holds at most 63 steps.")});
    QCOMPARE(int(page.steps().size()), 62);
    press(page, "btnInsertDelay");
    QCOMPARE(int(page.steps().size()), 63);
    QCOMPARE(answering([&] { press(page, "btnInsertDelay"); }).size(), 1);
    QCOMPARE(int(page.steps().size()), 63);
}

void TestMacroPage::editingSteps() {
    saveMacro(QStringLiteral("m"), {keyStep(4, true), delayStep(1),
                                    moveStep(MoveDirection::Left, 5), buttonStep(1, false)});
    MacroPanel page;
    QSignalSpy enable(&page, &MacroPanel::EnableButtonsSignal);
    page.SelectRow(1);
    press(page, "btnEdit");
    QVERIFY(page.editing());
    QCOMPARE(enable.count(), 1);
    QCOMPARE(enable.last().at(0).toBool(), false);
    QVERIFY(!page.control(QStringLiteral("btnNew"))->isEnabled());
    QVERIFY(page.control(QStringLiteral("btnSave"))->isEnabled());

    // The delay in ms, stored in units: 65535 ms is 6553 units.
    auto* delay = page.findChild<KestLineEdit*>(QStringLiteral("editDelay"));
    QCOMPARE(delay->text(), QStringLiteral("10"));
    page.EditDelayChanged(QStringLiteral("65535"));
    QCOMPARE(stepsText({page.steps()[1]}), QStringLiteral("6,25,153"));
    page.EditDelayChanged(QStringLiteral("6")); // on the way to another number
    QCOMPARE(stepsText({page.steps()[1]}), QStringLiteral("6,25,153"));

    // The move: a new distance keeps its direction, a new direction its distance.
    page.SelectRow(2);
    page.findChild<KestLineEdit*>(QStringLiteral("editDistance"))->setText(QStringLiteral("7"));
    page.EditMoveChanged(QStringLiteral("7"));
    QCOMPARE(stepsText({page.steps()[2]}), QStringLiteral("2,0,249"));
    auto* movement = qobject_cast<KestPushButton*>(page.control(QStringLiteral("btnMovement")));
    movement->menu()->actions().at(2)->trigger(); // MOVE UP
    QCOMPARE(stepsText({page.steps()[2]}), QStringLiteral("2,249,0"));

    // The button: release stays a release.
    page.SelectRow(3);
    auto* command = qobject_cast<KestPushButton*>(page.control(QStringLiteral("btnMouseCommand")));
    command->menu()->actions().at(1)->trigger(); // MIDDLE CLICK
    QCOMPARE(stepsText({page.steps()[3]}), QStringLiteral("1,0,4"));

    // The key: the next key pressed replaces it, press stays press.
    page.SelectRow(0);
    page.onHookKey(kScanB, 0);
    page.onHookKey(kScanB, kHookKeyUp);
    QCOMPARE(stepsText({page.steps()[0]}), QStringLiteral("132,0,5"));
    page.onHookKey(0x47, kHookAltDown); // keypad 7 with Alt held, not Home
    QCOMPARE(stepsText({page.steps()[0]}), QStringLiteral("132,0,95"));

    press(page, "btnSave");
    QVERIFY(!page.editing());
    QCOMPARE(enable.last().at(0).toBool(), true);
    QCOMPARE(stepsText(readMacroFile(QStringLiteral("m")).steps),
             QStringLiteral("132,0,95 6,25,153 2,249,0 1,0,4"));
}

void TestMacroPage::loopCountsStayInRange() {
    // LoopTime in the file, typed over it (nullptr: nothing), what shows and SAVE stores.
    const char* rows[][3] = {{"999", nullptr, "1"}, {"0", nullptr, "1"}, {"-4", nullptr, "1"},
                             {"12", nullptr, "12"}, {"3", "999", "99"},  {"3", "", "1"}};
    for (const auto& r : rows) {
        MacroFile m{QStringLiteral("m"), {}, {}, 0, 1, QLatin1String(r[0])};
        QVERIFY(writeMacroFile(m) && addToMacroList(m.name));
        MacroPanel page;
        auto* loops = page.findChild<KestLineEdit*>(QStringLiteral("loopTime"));
        if (r[1]) loops->clear(), QTest::keyClicks(loops, QLatin1String(r[1]));
        QCOMPARE(loops->text(), QLatin1String(r[1] && !*r[1] ? "" : r[2])); // emptied stays so
        press(page, "btnSave");
        QCOMPARE(readMacroFile(m.name).loopTime, QLatin1String(r[2]));
    }
}

void TestMacroPage::delaysAreStoredAsShown() {
    // Default delay in the file, typed delay, shown after Return, step stored ("": refused).
    const char* rows[][4] = {
        {"10", "123", "120", "6,0,12"}, {"10", "99999", "99990", "6,39,15"},
        {"10", "5", "5", ""},           {"0", "999999", "99990", "6,39,15"},
        {"999999", "20", "20", ""},     {"9", "655350", "655350", "6,255,255"}};
    for (const auto& r : rows) {
        MacroFile m{QStringLiteral("m"), {delayStep(1)}, QLatin1String(r[0]), 0, 0, {}};
        QVERIFY(writeMacroFile(m) && addToMacroList(m.name));
        MacroPanel page;
        press(page, "btnEdit");
        auto* delay = page.findChild<KestLineEdit*>(QStringLiteral("editDelay"));
        QSignalSpy changed(page.stepView()->model(), &QAbstractItemModel::dataChanged);
        QTest::keyClicks(delay, QStringLiteral("\b\b%1\r").arg(QLatin1String(r[1]))); // over "10"
        QCOMPARE(delay->text(), QLatin1String(r[2]));
        const QString told = answering([&] { press(page, "btnSave"); }).join(QString());
        QCOMPARE(told.contains(QLatin1String("655350 ms")), !*r[3]); // the limit is named
        QCOMPARE(stepsText(readMacroFile(m.name).steps), QLatin1String(*r[3] ? r[3] : "6,0,1"));
        // The list is last told of the whole row, so it shows what was stored at once.
        if (*r[3]) QCOMPARE(changed.last().at(0).toModelIndex().column(), 0);
    }
}

void TestMacroPage::cancelRestoresTheFileAfterARename() {
    saveMacro(QStringLiteral("m"), kFive);
    MacroPanel page;
    page.nameField()->setText(QStringLiteral("renamed"));
    press(page, "btnRename");
    QCOMPARE(page.currentMacro(), QStringLiteral("renamed"));
    const QString path = macroFilePath(QStringLiteral("renamed"));
    const QByteArray before = readText(path);
    page.SelectRow(2);
    press(page, "btnEdit");
    page.SelectRow(4);
    press(page, "btnStepDelete");
    press(page, "btnClear");
    press(page, "btnCancel");
    QVERIFY(!page.editing());
    QCOMPARE(stepsText(page.steps()), stepsText(kFive));
    QCOMPARE(readText(path), before);
}

void TestMacroPage::recordingFromTheHook() {
    saveMacro(QStringLiteral("m"), kFive);
    MacroPanel page;
    QSignalSpy enable(&page, &MacroPanel::EnableButtonsSignal);
    press(page, "btnStart");
    QVERIFY(page.recording());
    QVERIFY(page.steps().empty());
    QCOMPARE(enable.count(), 1);
    // a down, its auto-repeat, b down, a up: b is never released.
    page.onHookKey(kScanA, 0);
    page.onHookKey(kScanA, 0);
    page.onHookKey(kScanB, 0);
    page.onHookKey(kScanA, kHookKeyUp);
    const QStringList boxes = answering([&] { press(page, "btnStop"); });
    QCOMPARE(boxes, QStringList{QStringLiteral("ONE OR MORE KEYS HAS NOT BEEN RELEASED.")});
    QCOMPARE(enable.last().at(0).toBool(), true);
    const QString recorded = QStringLiteral("132,0,4 132,0,5 4,0,4");
    QCOMPARE(stepsText(page.steps()), recorded);
    QCOMPARE(stepsText(readMacroFile(QStringLiteral("m")).steps), recorded);
    QVERIFY(readText(macroFilePath(QStringLiteral("m"))).contains("WriteSign=1"));
}

void TestMacroPage::macroListOperations() {
    MacroPanel page;
    press(page, "btnNew");
    press(page, "btnNew");
    QCOMPARE(readMacroNames(), (QStringList{QStringLiteral("name_1"), QStringLiteral("name_2")}));
    QCOMPARE(page.currentMacro(), QStringLiteral("name_2"));
    const MacroFile fresh = readMacroFile(QStringLiteral("name_2"));
    QCOMPARE(fresh.defaultDelay, QStringLiteral("10"));
    QCOMPARE(fresh.loopTime, QStringLiteral("1"));

    // Names that are no plain file names are refused; nothing moves.
    for (const QString& bad : {QStringLiteral("../x"), QStringLiteral("a/b")}) {
        page.nameField()->setText(bad);
        QCOMPARE(answering([&] { press(page, "btnRename"); }),
                 QStringList{QStringLiteral("Invalid macro name.")});
        QCOMPARE(page.currentMacro(), QStringLiteral("name_2"));
    }
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("name_2"))));
    // Onto an existing name: a numbered one instead.
    page.nameField()->setText(QStringLiteral("name_1"));
    press(page, "btnRename");
    QCOMPARE(page.currentMacro(), QStringLiteral("name_1_2"));
    QCOMPARE(page.macroList()->count(), 2);

    // The list is full at 50.
    for (int i = 2; i < kMacroSlots; ++i)
        addToMacroList(QStringLiteral("x%1").arg(i));
    QCOMPARE(answering([&] { press(page, "btnNew"); }),
             QStringList{QStringLiteral("TOO MANY MACROS TO BE CREATE!")});
    QCOMPARE(answering([&] { press(page, "btnGunSet"); }),
             QStringList{QStringLiteral("TOO MANY MACROS TO BE CREATE!")});
    QCOMPARE(macroCount(), kMacroSlots);
}

void TestMacroPage::deletingAMacroButtonsUse() {
    saveMacro(QStringLiteral("a"), kFive);
    saveMacro(QStringLiteral("b"), {});
    DeviceSettings settings;
    settings.profiles[1].buttons[4].Fun = kMacroCode;
    settings.profiles[1].buttons[4].macroname = QStringLiteral("a");
    settings.profiles[3].buttons[7].Fun = kGunFileCode;
    settings.profiles[3].buttons[7].macroname = QStringLiteral("a");
    MacroPanel page;
    page.setSettings(&settings);
    page.macroList()->setCurrentRow(0);
    const QStringList asked = answering([&] { press(page, "btnMacroDelete"); }, false);
    QCOMPARE(asked.size(), 1);
    QVERIFY2(asked[0].contains(QLatin1String(": 2.")), qPrintable(asked[0]));
    QCOMPARE(readMacroNames().size(), 2);
    QVERIFY(QFile::exists(macroFilePath(QStringLiteral("a"))));
    answering([&] { press(page, "btnMacroDelete"); }, true);
    QCOMPARE(readMacroNames(), QStringList{QStringLiteral("b")});
    QVERIFY(!QFile::exists(macroFilePath(QStringLiteral("a"))));
    QCOMPARE(page.currentMacro(), QStringLiteral("b"));
    // Unused: no question.
    QVERIFY(answering([&] { press(page, "btnMacroDelete"); }).isEmpty());
    QVERIFY(readMacroNames().isEmpty());
    QVERIFY(page.steps().empty());
}

void TestMacroPage::importAndExportTellWhatWasNotCopied() {
    saveMacro(QStringLiteral("m"), kFive);
    QTemporaryDir outside;
    const QString other = outside.filePath(QStringLiteral("other.MSMACRO"));
    const QString same = outside.filePath(QStringLiteral("m.MSMACRO"));
    writeText(other, "[Setting]\nCount=1\nMap_0=6\nDataL_0=3\n");
    writeText(same, "[Setting]\nCount=0\n");
    const QByteArray mine = readText(macroFilePath(QStringLiteral("m")));

    MacroPanel page;
    MacroPanel::FileChooser files;
    QString openPath;
    QStringList openPaths;
    QString savePath;
    QString folder;
    files.open = [&](QWidget*, const QString&, const QString&) { return openPath; };
    files.openMany = [&](QWidget*, const QString&, const QString&) { return openPaths; };
    files.save = [&](QWidget*, const QString&, const QString&, const QString&) { return savePath; };
    files.folder = [&](QWidget*, const QString&) { return folder; };
    page.setFileChooser(files);

    openPath = same;
    QCOMPARE(answering([&] { press(page, "btnImport"); }),
             QStringList{QStringLiteral("Macro Exist!")});
    openPath = other;
    QVERIFY(answering([&] { press(page, "btnImport"); }).isEmpty());
    QCOMPARE(page.currentMacro(), QStringLiteral("other"));
    QCOMPARE(stepsText(page.steps()), QStringLiteral("6,0,3"));

    // A batch import copies what is new and names what it did not copy.
    qobject_cast<QCheckBox*>(page.control(QStringLiteral("chkBatch")))->click();
    QVERIFY(page.batchMode());
    const QString third = outside.filePath(QStringLiteral("third.MSMACRO"));
    writeText(third, "[Setting]\nCount=0\n");
    openPaths = QStringList{same, other, third};
    const QStringList told = answering([&] { press(page, "btnImport"); });
    QCOMPARE(told.size(), 1);
    QVERIFY(told[0].contains(QLatin1String("m.MSMACRO")) &&
            told[0].contains(QLatin1String("other")));
    QVERIFY(!told[0].contains(QLatin1String("third")));
    QCOMPARE(readMacroNames().join(','), QStringLiteral("m,other,third"));
    QCOMPARE(readText(macroFilePath(QStringLiteral("m"))), mine);

    // A batch export of the ticked macros, into a folder that is not there.
    page.macroList()->item(0)->setCheckState(Qt::Checked);
    folder = outside.filePath(QStringLiteral("missing"));
    QCOMPARE(answering([&] { press(page, "btnExport"); }).size(), 1);
    folder = outside.path();
    QVERIFY(answering([&] { press(page, "btnExport"); }).isEmpty());
    QCOMPARE(readText(same), mine);

    // A single export onto a path that cannot be written is told.
    qobject_cast<QCheckBox*>(page.control(QStringLiteral("chkBatch")))->click();
    savePath = outside.filePath(QStringLiteral("no/such/x.MSMACRO"));
    QCOMPARE(answering([&] { press(page, "btnExport"); }).size(), 1);
}

void TestMacroPage::gunFilesAreWrittenAndLoaded() {
    saveMacro(QStringLiteral("gun"), {});
    MacroPanel page;
    QTimer::singleShot(0, [&] {
        auto* dialog = page.findChild<GunFileDialog*>();
        QVERIFY(dialog);
        dialog->setFileName(QStringLiteral("gun"));
        dialog->setShotCount(2);
        dialog->setShot(0, {100, 5, 0});
        dialog->setShot(1, {100, -3, 0});
        dialog->OnYesClick();
    });
    press(page, "btnGunSet");
    QCOMPARE(page.currentMacro(), QStringLiteral("gun_2"));
    QCOMPARE(readMacroNames().join(','), QStringLiteral("gun,gun_2"));
    const QByteArray file = readText(macroFilePath(QStringLiteral("gun_2")));
    QVERIFY(file.contains("DefaultDelay=10\nDelayType=1\nLoopType=0\nLoopTime=1\nCount=8\n"));
    QVERIFY(!file.contains("WriteSign"));
    QCOMPARE(stepsText(page.steps()),
             QStringLiteral("1,0,1 129,0,1 2,5,0 6,0,10 1,0,1 129,0,1 2,253,0 6,0,10"));
}

QTEST_MAIN(TestMacroPage)
#include "test_macro_page.moc"
