// The report-rate and sensor-option panels: rate codes, lift values kept in
// step, the option byte mappings, key response, scroll speed and the layouts.
#include "kestaction.h"
#include "kestlabel.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "kitscale.h"
#include "pointerspeedpanel.h"
#include "reportratepanel.h"
#include "testutil.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QtTest>

class TestOptionPanels : public QObject {
    Q_OBJECT
private slots:
    void init() { m_app.reset(new TempAppDir(dataDir())); }
    void cleanup() {
        m_app.reset();
        setDisplayScale(1.0);
    }

    void rateShown_data();
    void rateShown();
    void rateChosen_data();
    void rateChosen();
    void reportRateLift_data();
    void reportRateLift();
    void optionBoxes_data();
    void optionBoxes();
    void sensorMode_data();
    void sensorMode();
    void pointSpeedLift_data();
    void pointSpeedLift();
    void keyResponse_data();
    void keyResponse();
    void scrollSpeed();
    void syncModeLayouts_data();
    void syncModeLayouts();
    void liftKeptInStep();
    void scaledGeometry();

private:
    std::unique_ptr<TempAppDir> m_app;
};

void TestOptionPanels::rateShown_data() {
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("8") << 8 << "125 HZ";
    QTest::newRow("4") << 4 << "250 HZ";
    QTest::newRow("2") << 2 << "500 HZ";
    QTest::newRow("1") << 1 << "1000 HZ";
    // A code outside the table leaves the previous text.
    QTest::newRow("3") << 3 << "250 HZ";
    QTest::newRow("0") << 0 << "250 HZ";
}

void TestOptionPanels::rateShown() {
    QFETCH(int, code);
    QFETCH(QString, text);
    ReportRatePanel panel;
    MouseProfile p;
    p.pollrate = 4;
    panel.loadProfile(p, 1);
    p.pollrate = quint8(code);
    panel.loadProfile(p, 1);
    QCOMPARE(panel.rateButton()->text(), text);
    QCOMPARE(panel.pollrate(), quint8(code));
}

void TestOptionPanels::rateChosen_data() {
    QTest::addColumn<int>("menuIndex");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("text");
    QTest::newRow("125") << 0 << 8 << "125 HZ";
    QTest::newRow("250") << 1 << 4 << "250 HZ";
    QTest::newRow("500") << 2 << 2 << "500 HZ";
    QTest::newRow("1000") << 3 << 1 << "1000 HZ";
}

void TestOptionPanels::rateChosen() {
    QFETCH(int, menuIndex);
    QFETCH(int, code);
    QFETCH(QString, text);
    ReportRatePanel panel;
    MouseProfile p;
    p.pollrate = menuIndex == 0 ? 1 : 8;
    panel.loadProfile(p, 2);
    QVERIFY(panel.rateButton()->menu());
    QCOMPARE(panel.rateButton()->menu()->actions().size(), 4);
    QCOMPARE(panel.rateAction(menuIndex)->text(), text);
    panel.rateAction(menuIndex)->trigger();
    QCOMPARE(panel.pollrate(), quint8(code));
    QCOMPARE(panel.profile().pollrate, quint8(code));
    QCOMPARE(panel.rateButton()->text(), text);
}

void TestOptionPanels::reportRateLift_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("clickId");
    QTest::addColumn<int>("emitted");
    QTest::newRow("1 mm") << 1 << 1 << 1 << 2;
    QTest::newRow("2 mm") << 2 << 2 << 0 << 1;
    QTest::newRow("stored 0 shows 2 mm") << 0 << 2 << 0 << 1;
    QTest::newRow("stored 3 shows 2 mm") << 3 << 2 << 0 << 1;
    QTest::newRow("stored 255 shows 2 mm") << 255 << 2 << 1 << 2;
}

void TestOptionPanels::reportRateLift() {
    QFETCH(int, stored);
    QFETCH(int, shown);
    QFETCH(int, clickId);
    QFETCH(int, emitted);
    ReportRatePanel panel;
    QSignalSpy spy(&panel, &ReportRatePanel::RefreshLift);
    panel.loadProfile(MouseProfile(), quint8(stored));
    QCOMPARE(spy.count(), 0);
    QCOMPARE(panel.lift(), quint8(shown));
    QVERIFY(panel.liftButton(shown - 1)->isChecked());
    QVERIFY(!panel.liftButton(2 - shown)->isChecked());
    QCOMPARE(panel.liftButton(0)->text(), QStringLiteral("1 mm"));
    QCOMPARE(panel.liftButton(1)->text(), QStringLiteral("2 mm"));

    panel.liftButton(clickId)->click();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(emitted));
    QCOMPARE(panel.lift(), quint8(emitted));
}

void TestOptionPanels::optionBoxes_data() {
    QTest::addColumn<QString>("box");
    QTest::addColumn<int>("loaded");
    QTest::addColumn<bool>("checkedAfterLoad");
    QTest::addColumn<int>("afterClick");
    QTest::addColumn<int>("afterSecondClick");
    // Sync is stored as checked; the other three as their inverse.
    QTest::newRow("sync off") << "syncBox" << 0 << false << 1 << 0;
    QTest::newRow("sync on") << "syncBox" << 1 << true << 0 << 1;
    QTest::newRow("sync any non-zero") << "syncBox" << 7 << true << 0 << 1;
    QTest::newRow("angle 1") << "angleBox" << 1 << false << 0 << 1;
    QTest::newRow("angle 0") << "angleBox" << 0 << true << 1 << 0;
    QTest::newRow("jitter 1") << "jitterBox" << 1 << false << 0 << 1;
    QTest::newRow("jitter 0") << "jitterBox" << 0 << true << 1 << 0;
    QTest::newRow("wake 1") << "wakeBox" << 1 << false << 0 << 1;
    QTest::newRow("wake 0") << "wakeBox" << 0 << true << 1 << 0;
}

void TestOptionPanels::optionBoxes() {
    QFETCH(QString, box);
    QFETCH(int, loaded);
    QFETCH(bool, checkedAfterLoad);
    QFETCH(int, afterClick);
    QFETCH(int, afterSecondClick);
    PointerSpeedPanel panel;
    MouseProfile profile;
    const quint8 v = quint8(loaded);
    const bool sync = box == QLatin1String("syncBox"), angle = box == QLatin1String("angleBox"),
               jitter = box == QLatin1String("jitterBox");
    // Every other byte gets a value that must survive the edit untouched.
    panel.loadProfile(&profile, sync ? v : 5, 1, angle ? v : 5, jitter ? v : 5, 30,
                      !sync && !angle && !jitter ? v : 5, 1);
    QCheckBox* target = panel.findChild<QCheckBox*>(box);
    QVERIFY(target);
    QCOMPARE(target->isChecked(), checkedAfterLoad);

    auto byteOf = [&](const SensorOptions& o) {
        return sync ? o.Sync : angle ? o.AngleValue : jitter ? o.Jitter : o.Wake;
    };
    target->click();
    QCOMPARE(int(byteOf(panel.options())), afterClick);
    target->click();
    QCOMPARE(int(byteOf(panel.options())), afterSecondClick);

    const SensorOptions o = panel.options();
    QCOMPARE(o.LiftHigh, quint8(1));
    QCOMPARE(o.Debounce, quint8(30));
    QCOMPARE(o.SensorMode, quint8(1));
    if (!sync) QCOMPARE(o.Sync, quint8(5));
    if (!angle) QCOMPARE(o.AngleValue, quint8(5));
    if (!jitter) QCOMPARE(o.Jitter, quint8(5));
    if (sync || angle || jitter) QCOMPARE(o.Wake, quint8(5));
}

void TestOptionPanels::sensorMode_data() {
    QTest::addColumn<int>("loaded");
    QTest::addColumn<int>("shown"); // -1: the boxes keep what they showed before
    QTest::addColumn<int>("clicked");
    QTest::newRow("eco") << 0 << 0 << 2;
    QTest::newRow("standard") << 1 << 1 << 0;
    QTest::newRow("competitive") << 2 << 2 << 1;
    QTest::newRow("out of range") << 3 << -1 << 2;
    QTest::newRow("click the checked one") << 1 << 1 << 1;
}

void TestOptionPanels::sensorMode() {
    QFETCH(int, loaded);
    QFETCH(int, shown);
    QFETCH(int, clicked);
    PointerSpeedPanel panel;
    MouseProfile profile;
    panel.loadProfile(&profile, 0, 1, 1, 1, 20, 1, 2); // competitive first
    panel.loadProfile(&profile, 0, 1, 1, 1, 20, 1, quint8(loaded));
    const int expectShown = shown < 0 ? 2 : shown;
    for (int i = 0; i < 3; ++i)
        QCOMPARE(panel.modeBox(i)->isChecked(), i == expectShown);
    QCOMPARE(panel.sensorMode(), quint8(loaded));

    panel.modeBox(clicked)->click();
    QCOMPARE(panel.sensorMode(), quint8(clicked));
    for (int i = 0; i < 3; ++i)
        QCOMPARE(panel.modeBox(i)->isChecked(), i == clicked);
}

void TestOptionPanels::pointSpeedLift_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<bool>("oneShown");
    QTest::addColumn<QString>("click");
    QTest::addColumn<int>("after");
    QTest::newRow("1 then 2mm") << 1 << true << "lift2Box" << 2;
    QTest::newRow("2 then 1mm") << 2 << false << "lift1Box" << 1;
    QTest::newRow("0 shows 2mm") << 0 << false << "lift1Box" << 1;
    QTest::newRow("click the checked one") << 1 << true << "lift1Box" << 1;
}

void TestOptionPanels::pointSpeedLift() {
    QFETCH(int, stored);
    QFETCH(bool, oneShown);
    QFETCH(QString, click);
    QFETCH(int, after);
    PointerSpeedPanel panel;
    MouseProfile profile;
    QSignalSpy spy(&panel, &PointerSpeedPanel::RefreshLift);
    panel.loadProfile(&profile, 0, quint8(stored), 1, 1, 20, 1, 1);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(panel.lift1Box()->isChecked(), oneShown);
    QCOMPARE(panel.lift2Box()->isChecked(), !oneShown);

    panel.findChild<QCheckBox*>(click)->click();
    QCOMPARE(panel.liftHigh(), quint8(after));
    QCOMPARE(panel.lift1Box()->isChecked(), after == 1);
    QCOMPARE(panel.lift2Box()->isChecked(), after == 2);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<quint8>(), quint8(after));
}

void TestOptionPanels::keyResponse_data() {
    QTest::addColumn<int>("set");
    QTest::addColumn<int>("stored");
    QTest::newRow("low end") << 1 << 1;
    QTest::newRow("middle") << 128 << 128;
    QTest::newRow("high end") << 255 << 255;
    QTest::newRow("below range") << 0 << 1;
    QTest::newRow("above range") << 300 << 255;
}

void TestOptionPanels::keyResponse() {
    QFETCH(int, set);
    QFETCH(int, stored);
    PointerSpeedPanel panel;
    MouseProfile profile;
    panel.loadProfile(&profile, 0, 1, 1, 1, 20, 1, 1);
    KestSlider* slider = panel.keyResponseSlider();
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(slider->maximum(), 255);
    QCOMPARE(slider->singleStep(), 1);
    QCOMPARE(slider->pageStep(), 1);
    QCOMPARE(slider->tickPosition(), QSlider::NoTicks);
    QCOMPARE(slider->value(), 20);
    QCOMPARE(panel.keyResponseLabel()->text(), QStringLiteral("20"));

    slider->setValue(set);
    QCOMPARE(panel.debounce(), quint8(stored));
    QCOMPARE(panel.keyResponseLabel()->text(), QString::number(stored));
}

void TestOptionPanels::scrollSpeed() {
    PointerSpeedPanel panel;
    MouseProfile profile;
    profile.scrollspeed = 3;
    profile.mousespeed = 14;
    panel.loadProfile(&profile, 0, 1, 1, 1, 20, 1, 1);
    QSpinBox* spin = panel.scrollSpin();
    QCOMPARE(spin->minimum(), 1);
    QCOMPARE(spin->maximum(), 20);
    QCOMPARE(spin->value(), 3);
    QCOMPARE(panel.mousespeed(), quint8(14));

    // Written straight into the profile, no apply step.
    spin->setValue(20);
    QCOMPARE(profile.scrollspeed, quint8(20));
    QCOMPARE(panel.scrollspeed(), quint8(20));

    // Typed values outside 1-20 never reach the profile.
    const struct {
        const char* typed;
        int expected;
    } typing[] = {{"0", 20}, {"21", 2}, {"7", 7}};
    QLineEdit* edit = spin->findChild<QLineEdit*>();
    QVERIFY(edit);
    for (const auto& t : typing) {
        edit->selectAll();
        QTest::keyClicks(edit, QString::fromLatin1(t.typed));
        QTest::keyClick(edit, Qt::Key_Return);
        QVERIFY2(profile.scrollspeed >= 1 && profile.scrollspeed <= 20, t.typed);
        QCOMPARE(int(profile.scrollspeed), t.expected);
    }
    spin->setValue(0);
    QCOMPARE(profile.scrollspeed, quint8(1));
    spin->setValue(21);
    QCOMPARE(profile.scrollspeed, quint8(20));
}

void TestOptionPanels::syncModeLayouts_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("variant");
    QTest::addColumn<QStringList>("hidden");
    const QStringList extra{"angleBox", "jitterBox", "wakeBox", "modeTitle",
                            "modeBox0", "modeBox1",  "modeBox2"};
    QTest::newRow("0") << dataDir() << 0 << (QStringList{"syncBox"} + extra);
    QTest::newRow("1") << fixture(QStringLiteral("syncmode1")) << 1 << extra;
    QTest::newRow("2") << fixture(QStringLiteral("syncmode2")) << 2 << QStringList();
    QTest::newRow("unknown 5") << QString() << 2 << QStringList();
}

void TestOptionPanels::syncModeLayouts() {
    QFETCH(QString, source);
    QFETCH(int, variant);
    QFETCH(QStringList, hidden);
    TempAppDir app(source.isEmpty() ? dataDir() : source);
    if (source.isEmpty()) {
        const QString def = app.file(QStringLiteral("DefaultProfile.bin"));
        writeText(def, readText(def).replace("SyncMode=0", "SyncMode=5"));
    }
    PointerSpeedPanel panel;
    panel.setDesktopSpeedReachable(false); // the note must find room too
    panel.resize(506, 95);
    QCOMPARE(panel.layoutVariant(), variant);
    // Only the full layout needs a fourth row for it.
    const QRect inside(0, 0, 506, variant == 2 ? 95 : 77);

    QList<QWidget*> shown;
    for (QWidget* w : panel.findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
        const bool expectHidden = hidden.contains(w->objectName());
        QVERIFY2(w->isVisibleTo(&panel) != expectHidden, qPrintable(w->objectName()));
        if (expectHidden) {
            QVERIFY(w->geometry().isEmpty());
            continue;
        }
        shown << w;
        // Everything inside the panel, nothing on top of anything else.
        QVERIFY2(inside.contains(w->geometry()), qPrintable(w->objectName()));
        for (QWidget* other : shown)
            if (other != w)
                QVERIFY2(!other->geometry().intersects(w->geometry()),
                         qPrintable(w->objectName() + " / " + other->objectName()));
    }
    QVERIFY(shown.contains(panel.scrollSpin()));
    QVERIFY(shown.contains(panel.mouseSettingButton()));
    QVERIFY(shown.contains(panel.keyResponseSlider()));
    QVERIFY(shown.contains(panel.lift1Box()));
    QVERIFY(shown.contains(panel.speedNote()));
}

void TestOptionPanels::liftKeptInStep() {
    QWidget host;
    ReportRatePanel* rate = new ReportRatePanel(&host);
    PointerSpeedPanel* speed = new PointerSpeedPanel(&host);
    linkLiftControls(rate, speed);
    MouseProfile profile;
    rate->loadProfile(profile, 2);
    speed->loadProfile(&profile, 0, 2, 1, 1, 20, 1, 1);
    QSignalSpy fromRate(rate, &ReportRatePanel::RefreshLift);
    QSignalSpy fromSpeed(speed, &PointerSpeedPanel::RefreshLift);

    const struct {
        bool inRate;
        int lift;
    } clicks[] = {{true, 1}, {false, 2}, {false, 1}, {true, 2}, {true, 2}};
    int rateCount = 0, speedCount = 0;
    for (const auto& c : clicks) {
        if (c.inRate) {
            rate->liftButton(c.lift - 1)->click();
            ++rateCount;
        } else {
            (c.lift == 1 ? speed->lift1Box() : speed->lift2Box())->click();
            ++speedCount;
        }
        QCOMPARE(rate->lift(), quint8(c.lift));
        QCOMPARE(speed->liftHigh(), quint8(c.lift));
        QVERIFY(rate->liftButton(c.lift - 1)->isChecked());
        QCOMPARE(speed->lift1Box()->isChecked(), c.lift == 1);
        QCOMPARE(speed->lift2Box()->isChecked(), c.lift == 2);
        // Pushing into the other panel must not bounce back as a new choice.
        QCOMPARE(fromRate.count(), rateCount);
        QCOMPARE(fromSpeed.count(), speedCount);
    }
}

void TestOptionPanels::scaledGeometry() {
    setDisplayScale(1.25);
    ReportRatePanel rate;
    PointerSpeedPanel speed;
    QCOMPARE(rate.rateButton()->geometry(), QRect(5, 35, 175, 40));
    QCOMPARE(speed.mouseSettingButton()->geometry(), QRect(480, 67, 152, 27));
}

QTEST_MAIN(TestOptionPanels)
#include "test_optionpanels.moc"
