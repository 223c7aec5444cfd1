// The DPI page: slider ranges per sensor, DPI read-outs, a typed DPI, linking,
// the current stage, the product's stage count and the sleep controls.
#include "dpi.h"
#include "dpistagepanel.h"
#include "dpistagerow.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestslider.h"
#include "kitscale.h"
#include "kittheme.h"
#include "sliderrange.h"
#include "testutil.h"
#include "twobarslider.h"

#include <QCheckBox>
#include <QSignalSpy>
#include <QtTest>

namespace {

// The product folder whose definition selects a table row's condition.
QString sourceFor(RangeCondition condition) {
    switch (condition) {
    case RangeCondition::Flag33254:
        return fixture(QStringLiteral("syncmode2"));
    case RangeCondition::ReducedList:
        return fixture(QStringLiteral("reduced"));
    default:
        return dataDir();
    }
}

MouseProfile stagedProfile(quint8 dpi) {
    MouseProfile p;
    p.dpi = dpi;
    p.LedSleepTime = 5;
    p.LedMoveOFF = 0;
    for (int i = 0; i < kDpiStageCount; ++i) {
        DpiStage& st = p.stages[i];
        st.used = i % 3 == 2 ? 0 : 1;
        st.link = i % 2;
        st.xy = uint32_t(20 + i);
        st.x = uint32_t(10 + 10 * i);
        st.y = st.link ? st.x : uint32_t(15 + 10 * i);
    }
    return p;
}

} // namespace

class TestDpiPage : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setDisplayScale(1.0); }

    void rangeTable_data();
    void rangeTable();
    void readouts_data();
    void readouts();
    void unknownSensorKeepsRange();
    void typedDpi_data();
    void typedDpi();
    void linking();
    void stageEditsStoredPerStage_data();
    void stageEditsStoredPerStage();
    void loadingIsNotAnEdit();
    void selectingStage();
    void stageCount_data();
    void stageCount();
    void sleepControls_data();
    void sleepControls();
    void scaledGeometry();
};

void TestDpiPage::rangeTable_data() {
    QTest::addColumn<int>("row");
    for (int i = 0; i < int(std::size(kSliderRanges)); ++i)
        QTest::newRow(qPrintable(QStringLiteral("%1/%2").arg(kSliderRanges[i].sensor).arg(i))) << i;
}

void TestDpiPage::rangeTable() {
    QFETCH(int, row);
    const SliderRange& r = kSliderRanges[row];
    TempAppDir app(sourceFor(r.condition));

    // The end labels must be what the conversion gives for the end steps.
    QCOMPARE(dpiFromStep(uint32_t(r.minStep), r.sensor), r.minLabel);
    QCOMPARE(dpiFromStep(uint32_t(r.maxStep), r.sensor), r.maxLabel);

    QWidget host;
    DpiStageRow dpiRow(0, &host);
    dpiRow.setSensorType(r.sensor);
    for (KestSlider* bar :
         {dpiRow.slider()->xBar(), dpiRow.slider()->yBar(), dpiRow.slider()->singleBar()}) {
        QCOMPARE(bar->minimum(), r.minStep);
        QCOMPARE(bar->maximum(), r.maxStep);
    }
    QCOMPARE(dpiRow.minLabel()->text(), QString::number(r.minLabel));
    QCOMPARE(dpiRow.maxLabel()->text(), QString::number(r.maxLabel));
    QCOMPARE(dpiRow.linkBox()->isVisibleTo(&dpiRow), r.showLink);
}

void TestDpiPage::readouts_data() {
    QTest::addColumn<int>("sensor");
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<int>("dpiX");
    QTest::addColumn<int>("dpiY");
    QTest::newRow("3389 low end") << 3389 << 2 << 2 << 100 << 100;
    QTest::newRow("3389 last fine step") << 3389 << 320 << 320 << 16000 << 16000;
    QTest::newRow("3389 first coarse step") << 3389 << 321 << 321 << 16100 << 16100;
    QTest::newRow("3389 top") << 3389 << 480 << 480 << 32000 << 32000;
    QTest::newRow("3212 798 becomes 800") << 3212 << 21 << 21 << 800 << 800;
    QTest::newRow("3212 7290 becomes 7200") << 3212 << 111 << 111 << 7200 << 7200;
    QTest::newRow("3104 560 becomes 500") << 3104 << 14 << 14 << 500 << 500;
    QTest::newRow("3104 106") << 3104 << 106 << 106 << 4240 << 4240;
    QTest::newRow("3104 107") << 3104 << 107 << 107 << 4320 << 4320;
    QTest::newRow("3327 106 is 16400") << 3327 << 106 << 106 << 16400 << 16400;
    QTest::newRow("3327 105") << 3327 << 105 << 105 << 16200 << 16200;
    QTest::newRow("DPI follows Y") << 3389 << 2 << 480 << 100 << 32000;
    QTest::newRow("unknown sensor") << 4242 << 50 << 60 << 0 << 0;
}

void TestDpiPage::readouts() {
    QFETCH(int, sensor);
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    TempAppDir app(dataDir());
    DpiStageRow row(0);
    row.setSensorType(sensor);
    row.setValues(x, y);
    QCOMPARE(row.xLabel()->text(), QStringLiteral("X:%1").arg(dpiX));
    QCOMPARE(row.yLabel()->text(), QStringLiteral("Y:%1").arg(dpiY));
    QCOMPARE(row.dpiLabel()->text(), QStringLiteral("DPI : %1").arg(dpiY));
}

void TestDpiPage::unknownSensorKeepsRange() {
    TempAppDir app(dataDir());
    DpiStageRow fresh(0);
    fresh.setSensorType(9999);
    QCOMPARE(fresh.minLabel()->text(), QStringLiteral("100"));
    QCOMPARE(fresh.maxLabel()->text(), QStringLiteral("10000"));
    QCOMPARE(fresh.slider()->minimum(), kPlaceholderMinStep);
    QCOMPARE(fresh.slider()->maximum(), kPlaceholderMaxStep);

    DpiStageRow known(1);
    known.setSensorType(3389);
    known.setSensorType(9999);
    QCOMPARE(known.slider()->xBar()->maximum(), 480);
    QCOMPARE(known.minLabel()->text(), QStringLiteral("100"));
    QCOMPARE(known.maxLabel()->text(), QStringLiteral("32000"));
    known.setValues(100, 100);
    QCOMPARE(known.dpiLabel()->text(), QStringLiteral("DPI : 0"));
}

// Typed into a stage's field and Enter: the stage's DPI, or a refusal that
// keeps the field open and names the range (100 to 32000 on 3389).
void TestDpiPage::typedDpi_data() {
    QTest::addColumn<int>("link");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("dpiX"); // -1: refused
    QTest::addColumn<int>("dpiY");
    QTest::newRow("rounded to the nearest step") << 1 << "1234" << 1250 << 1250;
    QTest::newRow("coarse steps at the top") << 1 << "16070" << 16100 << 16100;
    QTest::newRow("low end") << 1 << " 100 " << 100 << 100;
    QTest::newRow("high end") << 1 << "32000" << 32000 << 32000;
    QTest::newRow("below the range") << 1 << "99" << -1 << -1;
    QTest::newRow("above the range") << 1 << "32001" << -1 << -1;
    QTest::newRow("negative") << 1 << "-800" << -1 << -1;
    QTest::newRow("not a number") << 1 << "fast" << -1 << -1;
    QTest::newRow("empty") << 1 << "" << -1 << -1;
    QTest::newRow("two values on linked axes") << 1 << "800 1600" << -1 << -1;
    QTest::newRow("two values on separate axes") << 0 << "800x1600" << 800 << 1600;
    QTest::newRow("one value on separate axes") << 0 << "900" << 900 << 900;
    QTest::newRow("one of two outside") << 0 << "800, 40000" << -1 << -1;
}

void TestDpiPage::typedDpi() {
    QFETCH(int, link);
    QFETCH(QString, text);
    QFETCH(int, dpiX);
    QFETCH(int, dpiY);
    TempAppDir app(dataDir());
    QWidget host;
    DpiStageRow row(2, &host);
    row.setSensorType(3389);
    row.setLink(quint8(link));
    row.setValues(40, 40);
    host.show();
    QSignalSpy dpi(&row, &DpiStageRow::DPISignal);

    // The read-out takes the keyboard; Enter opens the field with the value.
    row.dpiLabel()->setFocus();
    QTest::keyClick(row.dpiLabel(), Qt::Key_Return);
    QVERIFY(row.dpiEdit()->isVisible());
    QCOMPARE(row.dpiEdit()->text(), QStringLiteral("2000"));
    row.dpiEdit()->setText(text);
    QTest::keyClick(row.dpiEdit(), Qt::Key_Return);
    if (dpiX < 0) {
        QCOMPARE(dpi.count(), 0);
        QVERIFY(row.dpiEdit()->isVisible());
        QVERIFY(row.dpiEdit()->toolTip().contains(QStringLiteral("100 to 32000")));
        QTest::keyClick(row.dpiEdit(), Qt::Key_Escape);
        QVERIFY(!row.dpiEdit()->isVisible());
        QCOMPARE(row.x(), 40);
        return;
    }
    QCOMPARE(dpi.count(), 1);
    QVERIFY(!row.dpiEdit()->isVisible());
    QCOMPARE(dpiFromStep(uint32_t(row.x()), 3389), dpiX);
    QCOMPARE(dpiFromStep(uint32_t(row.y()), 3389), dpiY);
    QCOMPARE(row.dpiLabel()->text(), QStringLiteral("DPI : %1").arg(dpiY));
}

void TestDpiPage::linking() {
    TempAppDir app(dataDir());
    QWidget host;
    DpiStageRow row(3, &host);
    row.setSensorType(3389);
    row.setLink(1);
    row.setValues(40, 40);
    QSignalSpy dpi(&row, &DpiStageRow::DPISignal);
    QSignalSpy link(&row, &DpiStageRow::LinkSignal);

    // The single bar moves both axes.
    QVERIFY(row.slider()->singleBar()->isVisibleTo(&row));
    QVERIFY(!row.slider()->xBar()->isVisibleTo(&row));
    row.slider()->singleBar()->setValue(100);
    QCOMPARE(dpi.count(), 1);
    QCOMPARE(dpi.at(0), (QVariantList{100, 100, QVariant::fromValue<quint8>(3)}));
    QCOMPARE(row.xLabel()->text(), QStringLiteral("X:5000"));
    QCOMPARE(row.yLabel()->text(), QStringLiteral("Y:5000"));

    // Unlinking keeps x and y and shows the two bars at them.
    row.linkBox()->click();
    QCOMPARE(link.count(), 1);
    QCOMPARE(link.at(0),
             (QVariantList{QVariant::fromValue<quint8>(0), QVariant::fromValue<quint8>(3)}));
    QCOMPARE(row.x(), 100);
    QCOMPARE(row.y(), 100);
    QVERIFY(row.slider()->xBar()->isVisibleTo(&row));
    QVERIFY(row.slider()->yBar()->isVisibleTo(&row));
    QVERIFY(!row.slider()->singleBar()->isVisibleTo(&row));
    QCOMPARE(row.slider()->xValue(), 100);
    QCOMPARE(row.slider()->yValue(), 100);

    // Moving one axis reports both values.
    row.slider()->yBar()->setValue(300);
    QCOMPARE(dpi.last(), (QVariantList{100, 300, QVariant::fromValue<quint8>(3)}));

    // Linking again makes the stage carry one value, the X one.
    row.linkBox()->click();
    QCOMPARE(row.link(), quint8(1));
    QCOMPARE(dpi.last(), (QVariantList{100, 100, QVariant::fromValue<quint8>(3)}));
    QCOMPARE(row.slider()->singleValue(), 100);
    QCOMPARE(row.dpiLabel()->text(), QStringLiteral("DPI : 5000"));
}

void TestDpiPage::stageEditsStoredPerStage_data() {
    QTest::addColumn<int>("stage");
    QTest::addColumn<QString>("edit");
    for (int stage : {0, 3, 5})
        for (const char* edit : {"enable", "link", "xbar", "ybar"})
            QTest::newRow(qPrintable(QStringLiteral("%1 %2").arg(stage).arg(edit)))
                << stage << QString::fromLatin1(edit);
}

void TestDpiPage::stageEditsStoredPerStage() {
    QFETCH(int, stage);
    QFETCH(QString, edit);
    TempAppDir app(dataDir());
    DpiStagePanel page;
    MouseProfile loaded = stagedProfile(1);
    for (DpiStage& st : loaded.stages)
        st.link = 0; // both axis bars in use
    page.loadProfile(loaded, 3395);

    DpiStageRow* row = page.row(stage);
    MouseProfile expected = loaded;
    DpiStage& want = expected.stages[stage];
    if (edit == QLatin1String("enable")) {
        row->enableBox()->click();
        want.used = want.used ? 0 : 1;
    } else if (edit == QLatin1String("link")) {
        row->linkBox()->click();
        want.link = 1;
        want.y = want.x; // linking equalises the axes
    } else if (edit == QLatin1String("xbar")) {
        row->slider()->xBar()->setValue(400);
        want.x = 400;
    } else {
        row->slider()->yBar()->setValue(7);
        want.y = 7;
    }
    for (int i = 0; i < kDpiStageCount; ++i) {
        const DpiStage& got = page.stages()[i];
        const DpiStage& exp = expected.stages[i];
        QVERIFY2(got == exp, qPrintable(QStringLiteral("stage %1: used %2 link %3 xy %4 x %5 y %6")
                                            .arg(i)
                                            .arg(got.used)
                                            .arg(got.link)
                                            .arg(got.xy)
                                            .arg(got.x)
                                            .arg(got.y)));
    }
    QCOMPARE(page.dpi(), quint8(1));
}

void TestDpiPage::loadingIsNotAnEdit() {
    TempAppDir app(dataDir());
    DpiStagePanel page;
    QList<QSignalSpy*> spies;
    for (int i = 0; i < kDpiStageCount; ++i) {
        spies << new QSignalSpy(page.row(i), &DpiStageRow::DPISignal)
              << new QSignalSpy(page.row(i), &DpiStageRow::LinkSignal)
              << new QSignalSpy(page.row(i), &DpiStageRow::EnableSignal);
    }
    const MouseProfile loaded = stagedProfile(4);
    page.loadProfile(loaded, 3395);
    page.loadProfile(stagedProfile(2), 3389);
    page.loadProfile(loaded, 3395);
    for (QSignalSpy* spy : spies)
        QCOMPARE(spy->count(), 0);
    qDeleteAll(spies);
    QVERIFY(page.profile() == loaded);
    for (int i = 0; i < kDpiStageCount; ++i) {
        QCOMPARE(page.row(i)->enableBox()->isChecked(), loaded.stages[i].used == 1);
        QCOMPARE(page.row(i)->linkBox()->isChecked(), loaded.stages[i].link == 1);
        QCOMPARE(page.row(i)->slider()->isLinked(), loaded.stages[i].link == 1);
    }
}

void TestDpiPage::selectingStage() {
    TempAppDir app(fixture(QStringLiteral("syncmode1"))); // six stages
    DpiStagePanel page;
    page.resize(456, 386);
    page.loadProfile(stagedProfile(0), 3389);
    const QColor accent = themeColor();

    auto checkHighlight = [&](int current) {
        for (int i = 0; i < kDpiStageCount; ++i) {
            QCOMPARE(page.row(i)->isHighlighted(), i == current);
            QCOMPARE(page.row(i)->palette().color(QPalette::Window) == accent, i == current);
        }
    };
    checkHighlight(0);

    QTest::mouseClick(page.row(2), Qt::LeftButton, {}, QPoint(3, 3));
    QCOMPARE(page.dpi(), quint8(2));
    checkHighlight(2);

    // A click on a row's read-out selects that row too.
    QTest::mouseClick(page.row(4)->xLabel(), Qt::LeftButton);
    QCOMPARE(page.dpi(), quint8(4));
    checkHighlight(4);

    // Rows the product does not have cannot become current.
    emit page.row(7)->MouseinSignal(7);
    QCOMPARE(page.dpi(), quint8(4));

    // Neither can a stored stage beyond the product's count.
    page.loadProfile(stagedProfile(7), 3389);
    QCOMPARE(page.dpi(), quint8(0));
    checkHighlight(0);
}

void TestDpiPage::stageCount_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<QRect>("lastRow");
    // Six and eight stages would run under the sensor panel at the usual
    // pitch, so they close up.
    QTest::newRow("eight stages") << dataDir() << 8 << QRect(15, 43 + 36 * 7, 440, 34);
    QTest::newRow("six stages") << fixture(QStringLiteral("syncmode1")) << 6
                                << QRect(15, 43 + 49 * 5, 440, 47);
    QTest::newRow("five stages") << fixture(QStringLiteral("syncmode2")) << 5
                                 << QRect(15, 243, 440, 48);
    QTest::newRow("four stages, sleep controls")
        << fixture(QStringLiteral("nolight")) << 4 << QRect(15, 193, 440, 48);
}

void TestDpiPage::stageCount() {
    QFETCH(QString, source);
    QFETCH(int, count);
    QFETCH(QRect, lastRow);
    TempAppDir app(source);
    DpiStagePanel page;
    page.loadProfile(stagedProfile(0), 3389);
    QCOMPARE(page.stageCount(), count);
    for (int i = 0; i < kDpiStageCount; ++i) {
        QCOMPARE(page.row(i)->isVisibleTo(&page), i < count);
        if (i >= count) QVERIFY(page.row(i)->geometry().isEmpty());
    }
    QCOMPARE(page.row(count - 1)->geometry(), lastRow);
    QCOMPARE(page.row(0)->geometry(), QRect(15, 43, 440, lastRow.height()));
    // Nothing may reach under the sensor panel, which covers the page from 338.
    QWidget* lowest =
        page.hasSleepControls() ? static_cast<QWidget*>(page.moveOffBox()) : page.row(count - 1);
    QVERIFY(lowest->geometry().bottom() < 338);
    if (page.hasSleepControls()) QVERIFY(page.sleepSlider()->geometry().top() > lastRow.bottom());
}

void TestDpiPage::sleepControls_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<bool>("shown");
    QTest::newRow("no lighting, sleep shown") << fixture(QStringLiteral("nolight")) << true;
    QTest::newRow("with lighting") << dataDir() << false;
    QTest::newRow("no product file") << fixture(QStringLiteral("noproduct")) << false;
}

void TestDpiPage::sleepControls() {
    QFETCH(QString, source);
    QFETCH(bool, shown);
    TempAppDir app(source);
    DpiStagePanel page;
    page.loadProfile(stagedProfile(0), 3104);
    QCOMPARE(page.hasSleepControls(), shown);
    QCOMPARE(page.sleepSlider()->isVisibleTo(&page), shown);
    QCOMPARE(page.moveOffBox()->isVisibleTo(&page), shown);
    if (!shown) {
        // The lighting page owns the sleep time of these products.
        MouseProfile p = stagedProfile(0);
        p.LedSleepTime = 0;
        page.loadProfile(p, 3104);
        QCOMPARE(page.ledSleepTime(), quint8(0));
        QVERIFY(page.sleepSlider()->geometry().isEmpty());
        QVERIFY(page.sleepLabel()->geometry().isEmpty());
        QVERIFY(page.moveOffBox()->geometry().isEmpty());
        return;
    }
    QCOMPARE(page.sleepSlider()->geometry(), QRect(15, 267, 228, 25));
    QCOMPARE(page.sleepSlider()->minimum(), 2);
    QCOMPARE(page.sleepSlider()->maximum(), 15);
    QCOMPARE(page.sleepSlider()->value(), 5);
    QCOMPARE(page.sleepLabel()->text(), QStringLiteral("5 MINUTE"));
    QVERIFY(page.moveOffBox()->isChecked()); // LedMoveOFF 0

    page.sleepSlider()->setValue(12);
    QCOMPARE(page.ledSleepTime(), quint8(12));
    QCOMPARE(page.sleepLabel()->text(), QStringLiteral("12 MINUTE"));
    page.moveOffBox()->click();
    QCOMPARE(page.ledMoveOff(), quint8(255));
    page.moveOffBox()->click();
    QCOMPARE(page.ledMoveOff(), quint8(0));

    MouseProfile off = stagedProfile(0);
    off.LedMoveOFF = 255;
    off.LedSleepTime = 9;
    page.loadProfile(off, 3104);
    QVERIFY(!page.moveOffBox()->isChecked());
    QCOMPARE(page.sleepLabel()->text(), QStringLiteral("9 MINUTE"));

    // Stored times outside the product's 2-15 are shown and kept at the ends.
    const int stored[][2] = {{1, 2}, {0, 2}, {40, 15}, {15, 15}};
    for (const auto& t : stored) {
        off.LedSleepTime = quint8(t[0]);
        page.loadProfile(off, 3104);
        QCOMPARE(int(page.ledSleepTime()), t[1]);
        QCOMPARE(page.sleepLabel()->text(), QStringLiteral("%1 MINUTE").arg(t[1]));
    }
}

void TestDpiPage::scaledGeometry() {
    TempAppDir app(fixture(QStringLiteral("syncmode2")));
    setDisplayScale(1.75);
    DpiStagePanel page;
    page.loadProfile(stagedProfile(0), 3389);
    // Every logical value is multiplied and truncated on its own.
    QCOMPARE(page.row(1)->geometry(), QRect(26, 162, 770, 84));
    QCOMPARE(page.row(0)->slider()->geometry(), QRect(308, 17, 255, 49));
}

QTEST_MAIN(TestDpiPage)
#include "test_dpipage.moc"
