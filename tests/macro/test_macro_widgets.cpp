// The step list's painting and the mouse-action tree, on real widgets.
#include "kestlineedit.h"
#include "kestpushbutton.h"
#include "kittheme.h"
#include "macrostepdelegate.h"
#include "mouseactiontree.h"
#include "paths.h"

#include <QPainter>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QtTest>

using TreeAction = MouseActionTree::TreeAction;

namespace {

QString actionName(TreeAction a) {
    static const char* const names[] = {"None", "Press", "Release", "Click", "Expanded"};
    return QString::fromLatin1(names[int(a)]);
}

// "2" is the third button item, "2/1" its second child, "m0" the first move row.
QTreeWidgetItem* itemAt(MouseActionTree& tree, const QString& path) {
    if (path.startsWith('m')) return tree.topLevelItem(5 + path.mid(1).toInt());
    const QStringList parts = path.split('/');
    QTreeWidgetItem* item = tree.topLevelItem(parts[0].toInt());
    return parts.size() > 1 ? item->child(parts[1].toInt()) : item;
}

QStandardItemModel* stepModel(const QList<QStringList>& rows, QObject* parent) {
    auto* model = new QStandardItemModel(0, 3, parent);
    for (const QStringList& r : rows) {
        QList<QStandardItem*> items;
        for (const QString& v : r)
            items << new QStandardItem(v);
        model->appendRow(items);
    }
    return model;
}

// Saves a picture for looking at by hand when MOUSECFG_SHOTS names a folder,
// over the window's dark panel colour.
void keepShot(QWidget& w, const QString& name) {
    const QString dir = qEnvironmentVariable("MOUSECFG_SHOTS");
    if (dir.isEmpty()) return;
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(QColor(30, 32, 36));
    QPainter painter(&image);
    w.render(&painter, QPoint(), QRegion(), QWidget::DrawChildren);
    painter.end();
    image.save(dir + '/' + name);
}

} // namespace

class MacroWidgetsTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void cleanupTestCase() { setAppDirOverride(QString()); }

    void describeStep_data();
    void describeStep();
    void stepFromRow_data();
    void stepFromRow();
    void paintsSelection();
    void treeClicks_data();
    void treeClicks();
    void treeKeyboard();
    void moveRowDistance_data();
    void moveRowDistance();
};

// A step's look as "icon|name|state icon|state text|delay".
struct LookRow {
    const char* tag;
    int map, dataH, dataL, unit;
    const char* look;
};
constexpr LookRow kLookRows[] = {
    {"key a press", 0x84, 0, 0x04, 10, "/skin/keybo.png|A|/skin/keydown.png|Press|"},
    {"key a release", 0x04, 0, 0x04, 10, "/skin/keybo.png|A|/skin/keyup.png|Release|"},
    {"key without a name", 0x84, 0, 0xFF, 10, "/skin/keybo.png||/skin/keydown.png|Press|"},
    {"left press", 0x81, 0, 1, 10, "|LEFT CLICK|/skin/keydown.png|Press|"},
    {"left release", 0x01, 0, 1, 10, "|LEFT CLICK|/skin/keyup.png|Release|"},
    {"middle release", 0x01, 0, 4, 10, "|MIDDLE CLICK|/skin/keyup.png|Release|"},
    {"backward release", 0x01, 0, 16, 10, "|BACKWARD|/skin/keyup.png|Release|"},
    {"button of two bits", 0x81, 0, 3, 10, "||/skin/keydown.png|Press|"},
    {"move left 5", 0x02, 0, 251, 10, "/skin/mouse_move.png|MOVE LEFT||5|"},
    {"move up 120", 0x02, 136, 0, 10, "/skin/mouse_move.png|MOVE UP||120|"},
    {"move down 1", 0x02, 1, 0, 10, "/skin/mouse_move.png|MOVE DOWN||1|"},
    {"delay 25 unit 10", 0x06, 0, 25, 10, "/skin/delay.png|DELAY|||250"},
    {"delay 25 unit 1", 0x06, 0, 25, 1, "/skin/delay.png|DELAY|||25"},
    {"delay both bytes", 0x06, 25, 153, 10, "/skin/delay.png|DELAY|||65530"},
    {"longest delay", 0x06, 255, 255, 10, "/skin/delay.png|DELAY|||655350"},
    {"delay, no unit", 0x06, 0, 3, 0, "/skin/delay.png|DELAY|||30"},
    {"unknown kind", 0x87, 0, 4, 10, "||||"},
    {"empty step", 0, 0, 0, 10, "||||"},
};

void MacroWidgetsTest::describeStep_data() {
    QTest::addColumn<int>("map");
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::addColumn<int>("unit");
    QTest::addColumn<QString>("look");
    for (const LookRow& r : kLookRows)
        QTest::newRow(r.tag) << r.map << r.dataH << r.dataL << r.unit << QString(r.look);
}

void MacroWidgetsTest::describeStep() {
    QFETCH(int, map);
    QFETCH(int, dataH);
    QFETCH(int, dataL);
    QFETCH(int, unit);
    const StepLook l = ::describeStep({uint8_t(map), uint8_t(dataL), uint8_t(dataH)}, unit);
    QTEST(QStringList({l.icon, l.name, l.stateIcon, l.stateText, l.delay}).join('|'), "look");
}

void MacroWidgetsTest::stepFromRow_data() {
    QTest::addColumn<QStringList>("cells"); // Map, DataH, DataL
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("map");
    QTest::addColumn<int>("dataH");
    QTest::addColumn<int>("dataL");
    QTest::newRow("key") << QStringList{"132", "0", "4"} << true << 132 << 0 << 4;
    QTest::newRow("spaces") << QStringList{" 6", "0 ", "1"} << true << 6 << 0 << 1;
    QTest::newRow("empty cell") << QStringList{"6", "", "1"} << false << 0 << 0 << 0;
    QTest::newRow("over a byte") << QStringList{"6", "0", "256"} << false << 0 << 0 << 0;
    QTest::newRow("no number") << QStringList{"6", "x", "1"} << false << 0 << 0 << 0;
    QTest::newRow("missing column") << QStringList{"6", "0"} << false << 0 << 0 << 0;
}

void MacroWidgetsTest::stepFromRow() {
    QFETCH(QStringList, cells);
    QFETCH(bool, ok);
    QStandardItemModel* model = stepModel({{"6", "0", "9"}, cells}, this);
    // Any cell of the row tells the whole step.
    for (int column = 0; column < 3; ++column) {
        MacroStep step;
        QCOMPARE(MacroStepDelegate::stepAt(model->index(1, column), step), ok);
        if (!ok) continue;
        QTEST(int(step.map), "map");
        QTEST(int(step.dataH), "dataH");
        QTEST(int(step.dataL), "dataL");
    }
    delete model;
}

void MacroWidgetsTest::paintsSelection() {
    QTableView view;
    QStandardItemModel* model = stepModel({{"132", "0", "4"},
                                           {"6", "0", "25"},
                                           {"2", "0", "251"},
                                           {"129", "0", "4"},
                                           {"bad", "", ""}},
                                          &view);
    model->setHorizontalHeaderLabels({"ACTION", "DELAY(ms)", ""});
    auto* delegate = new MacroStepDelegate(10, &view);
    view.setModel(model);
    view.setItemDelegate(delegate);
    view.setColumnHidden(MacroStepDelegate::DataLColumn, true);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.setShowGrid(false);
    view.setColumnWidth(0, 260);
    view.setColumnWidth(1, 100);
    view.resize(400, 240);
    view.setStyleSheet("QTableView{background:rgb(30,32,36);gridline-color:rgb(30,32,36);}");
    view.show();
    view.selectRow(1);

    view.resizeRowsToContents();

    const QImage shot = view.viewport()->grab().toImage();
    keepShot(view, "steplist.png");
    // The selected row is filled with the theme colour, the others are not.
    const int x = view.columnViewportPosition(1) + view.columnWidth(1) - 4;
    const auto at = [&](int row) {
        return shot.pixelColor(x, view.rowViewportPosition(row) + 2).rgb();
    };
    QCOMPARE(at(1), themeColor().rgb());
    QVERIFY(at(0) != themeColor().rgb());
    QVERIFY(at(2) != themeColor().rgb());
}

void MacroWidgetsTest::treeClicks_data() {
    QTest::addColumn<QStringList>("clicks");
    QTest::addColumn<QStringList>("actions"); // action:button
    QTest::addColumn<QString>("expanded");    // the button item left open, "" for none
    QTest::newRow("collapsed expands") << QStringList{"1"} << QStringList{"Expanded:1"} << "1";
    QTest::newRow("expanded clicks")
        << QStringList{"1", "1", "1"} << QStringList{"Expanded:1", "Click:1", "Click:1"} << "1";
    QTest::newRow("middle press and release")
        << QStringList{"1", "1/0", "1/1"} << QStringList{"Expanded:1", "Press:1", "Release:1"}
        << "1";
    QTest::newRow("backward children") << QStringList{"4", "4/1", "4/0"}
                                       << QStringList{"Expanded:4", "Release:4", "Press:4"} << "4";
    QTest::newRow("another button closes the first")
        << QStringList{"0", "2", "0"} << QStringList{"Expanded:0", "Expanded:2", "Expanded:0"}
        << "0";
    QTest::newRow("move rows do nothing here")
        << QStringList{"m0", "m3"} << QStringList{"None:-1", "None:-1"} << "";
}

void MacroWidgetsTest::treeClicks() {
    QFETCH(QStringList, clicks);
    QFETCH(QStringList, actions);
    QFETCH(QString, expanded);
    MouseActionTree tree;
    tree.resize(260, 500);
    tree.show();
    QVERIFY(QTest::qWaitForWindowExposed(&tree));
    QStringList got;
    // Wired as the page wires it: the view's click, then the tree's reading of it.
    connect(&tree, &QTreeWidget::itemClicked, &tree, [&](QTreeWidgetItem* item, int) {
        int button = -1;
        const TreeAction action = tree.actionFor(item, &button);
        got << actionName(action) + ':' + QString::number(button);
    });
    for (const QString& c : clicks) {
        QTreeWidgetItem* item = itemAt(tree, c);
        const QRect r = tree.visualItemRect(item);
        QVERIFY2(r.isValid(), qPrintable(c + " is not shown"));
        // A move row's widget covers its item; click the strip it leaves free.
        const QPoint p = c.startsWith('m') ? QPoint(r.right() - 2, r.center().y()) : r.center();
        QTest::mouseClick(tree.viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(tree.viewport(), Qt::LeftButton, {}, QPoint(0, -10)); // off every item
    }
    QCOMPARE(got, actions);
    for (int i = 0; i < 5; ++i)
        QCOMPARE(tree.buttonItem(i)->isExpanded(), QString::number(i) == expanded);
    keepShot(tree, QStringLiteral("tree-%1.png").arg(QTest::currentDataTag()).replace(' ', '-'));
}

void MacroWidgetsTest::treeKeyboard() {
    MouseActionTree tree;
    tree.resize(260, 500);
    tree.show();
    tree.setFocus();
    QList<QTreeWidgetItem*> clicked;
    QSignalSpy moved(tree.moveRow(MoveDirection::Up), &MouseActionItem::pressed);
    connect(&tree, &QTreeWidget::itemClicked, &tree, [&](QTreeWidgetItem* item) {
        clicked << item;
        tree.actionFor(item, nullptr);
    });

    // Down from LEFT CLICK reaches MIDDLE CLICK; Enter opens it, Down enters its children.
    tree.setCurrentItem(tree.buttonItem(0));
    QTest::keyClick(&tree, Qt::Key_Down);
    QCOMPARE(tree.currentItem(), tree.buttonItem(1));
    QTest::keyClick(&tree, Qt::Key_Return);
    QCOMPARE(clicked.count(), 1);
    QVERIFY(tree.buttonItem(1)->isExpanded());
    QTest::keyClick(&tree, Qt::Key_Down);
    QCOMPARE(tree.currentItem(), tree.buttonItem(1)->child(0));
    QTest::keyClick(&tree, Qt::Key_Space);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clicked.last(), tree.buttonItem(1)->child(0));
    // Left and Right never fold the list behind the page's back.
    QTest::keyClick(&tree, Qt::Key_Left);
    QTest::keyClick(&tree, Qt::Key_Left);
    QVERIFY(tree.buttonItem(1)->isExpanded());

    tree.setCurrentItem(tree.moveItem(MoveDirection::Up));
    QTest::keyClick(&tree, Qt::Key_Enter);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(moved.count(), 1);
}

void MacroWidgetsTest::moveRowDistance_data() {
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("distance");
    const struct {
        const char *tag, *typed, *shown;
        int distance;
    } rows[] = {{"one", "1", "1", 1},
                {"most", "120", "120", 120},
                {"zero", "0", "0", 0},
                {"one too far", "121", "121", 0},
                {"four digits", "1000", "100", 100},
                {"letters", "ab7", "7", 7},
                {"sign", "-5", "5", 5},
                {"nothing", "", "", 0}};
    for (const auto& r : rows)
        QTest::newRow(r.tag) << QString(r.typed) << QString(r.shown) << r.distance;
}

void MacroWidgetsTest::moveRowDistance() {
    QFETCH(QString, typed);
    QFETCH(int, distance);
    MouseActionTree tree;
    tree.resize(260, 500);
    tree.show();
    const MoveDirection dirs[] = {MoveDirection::Left, MoveDirection::Right, MoveDirection::Up,
                                  MoveDirection::Down};
    for (MoveDirection d : dirs) {
        MouseActionItem* row = tree.moveRow(d);
        QVERIFY(row);
        QSignalSpy pressed(row, &MouseActionItem::pressed);
        row->distanceField()->clear();
        QTest::keyClicks(row->distanceField(), typed);
        QTEST(row->distanceField()->text(), "shown");
        QCOMPARE(row->distance(), distance);
        QTest::mouseClick(row->button(), Qt::LeftButton);
        QTest::keyClick(row->distanceField(), Qt::Key_Return);
        // Only a distance the step can carry is offered to the page.
        QCOMPARE(pressed.count(), distance > 0 ? 2 : 0);
        if (distance > 0) QCOMPARE(pressed.first().at(0).value<MouseActionItem*>(), row);
    }
}

QTEST_MAIN(MacroWidgetsTest)
#include "test_macro_widgets.moc"
