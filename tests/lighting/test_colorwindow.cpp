// The LIGHTING page against the effect table it must show, on real profile
// records: what each effect shows, where the rows go, what each control
// stores, and the damaged values it must not write back.
#include "coloreditordialog.h"
#include "kestlabel.h"
#include "kestmenu.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "lightinggroup.h"
#include "lightingpanel.h"
#include "records.h"
#include "testutil.h"

#include <QApplication>
#include <QCheckBox>
#include <QTimer>
#include <QtTest>

namespace {
struct Expected {
    const char* text;
    bool brightness, speed, colour;
};
// The effects as the reference lists them, by stored index.
const Expected kExpected[14] = {
    {"OFF", false, false, false},
    {"FULL LIGHTED", true, false, true},
    {"BREATHING", false, true, true},
    {"7 COLOR BREATHING", false, true, false},
    {"RAINBOW", true, true, false},
    {"FLASH", true, true, false},
    {"Horizontal WAVE", true, true, false},
    {"Horizontal GO WITHOUT TRACE", true, true, false},
    {"Raindrop", true, true, false},
    {"WAVE", true, true, false},
    {"GO WITHOUT TRACE", true, true, false},
    {"REACTIVE", true, false, false},
    {"yo-yo", true, true, false},
    {"Marbles", true, true, false},
};

MouseProfile sampleProfile() {
    MouseProfile p;
    for (int i = 0; i < 14; ++i) {
        p.ledModes[i].bright = 2;
        p.ledModes[i].breath = 3;
        p.ledModes[i].RGB = QColor(10 * i, 20, 30);
    }
    p.LedSleepTime = 4;
    p.LedMoveOFF = 255;
    return p;
}
} // namespace

class TestColorWindow : public QObject {
    Q_OBJECT
private slots:
    void effects_data();
    void effects();
    void menuOffersTheTenInOrder();
    void controlsStoreIntoTheProfile();
    void damagedValuesAreShownNotWritten();
    void sleepRangeFromTheProduct();
    void sharedLightingEditsProfileZero();
    void cancellingTheEditorKeepsTheColour();
};

void TestColorWindow::effects_data() {
    QTest::addColumn<int>("effect");
    for (int i = 0; i < 14; ++i)
        QTest::addRow("%s", kExpected[i].text) << i;
}

void TestColorWindow::effects() {
    QFETCH(int, effect);
    TempAppDir app(dataDir());
    MouseProfile p = sampleProfile();
    p.LedMode = uint8_t(effect);
    LightingPanel w;
    w.setScale(1.0);
    w.showProfile(&p);
    const Expected& e = kExpected[effect];
    QCOMPARE(w.effectButton()->label(), QString::fromLatin1(e.text));
    QCOMPARE(w.brightnessSlider()->isVisibleTo(&w), e.brightness);
    QCOMPARE(w.labelFor(w.brightnessSlider())->isVisibleTo(&w), e.brightness);
    QCOMPARE(w.speedSlider()->isVisibleTo(&w), e.speed);
    QCOMPARE(w.labelFor(w.speedSlider())->isVisibleTo(&w), e.speed);
    QCOMPARE(w.swatch()->isVisibleTo(&w), e.colour);
    QCOMPARE(w.labelFor(w.swatch())->isVisibleTo(&w), e.colour);
    // Speed takes the first row where brightness is hidden.
    const int speedY = (effect == 2 || effect == 3) ? 97 : 156;
    QCOMPARE(w.speedSlider()->geometry().y(), speedY);
    if (e.colour) QCOMPARE(w.swatch()->geometry(), QRect(30, 215, 64, 64));
}

void TestColorWindow::menuOffersTheTenInOrder() {
    TempAppDir app(dataDir());
    MouseProfile p = sampleProfile();
    p.LedMode = 6; // shown, though not offered
    LightingPanel w;
    w.showProfile(&p);
    QStringList texts;
    for (QAction* a : w.effectMenu()->actions())
        texts << a->text();
    QCOMPARE(texts,
             (QStringList{"FULL LIGHTED", "BREATHING", "7 COLOR BREATHING", "RAINBOW", "WAVE",
                          "REACTIVE", "GO WITHOUT TRACE", "yo-yo", "Marbles", "OFF"}));
    QCOMPARE(w.effectButton()->label(), QStringLiteral("Horizontal WAVE"));
    // Choosing from the menu stores the effect and shows its values.
    p.ledModes[9].bright = 1;
    w.effectMenu()->actions().at(4)->trigger(); // WAVE
    QCOMPARE(int(p.LedMode), 9);
    QCOMPARE(w.brightnessSlider()->value(), 1);
    QCOMPARE(w.effectButton()->label(), QStringLiteral("WAVE"));
}

void TestColorWindow::controlsStoreIntoTheProfile() {
    TempAppDir app(dataDir());
    MouseProfile p = sampleProfile();
    p.LedMode = 4;
    LightingPanel w;
    w.showProfile(&p);
    QSignalSpy changed(&w, &LightingPanel::lightingChanged);
    w.brightnessSlider()->setValue(3);
    w.speedSlider()->setValue(5);
    w.sleepSlider()->setValue(6);
    QCOMPARE(p.ledModes[4].bright, 3u);
    QCOMPARE(p.ledModes[4].breath, 5u);
    QCOMPARE(int(p.LedSleepTime), 6);
    QVERIFY(w.sleepValue()->text().startsWith(QLatin1String("6")));
    QVERIFY(changed.count() >= 2);
    // Unticked is 255, ticked 0.
    QVERIFY(!w.moveOffBox()->isChecked());
    w.moveOffBox()->click();
    QCOMPARE(int(p.LedMoveOFF), 0);
    w.moveOffBox()->click();
    QCOMPARE(int(p.LedMoveOFF), 255);
    // Nothing but the effect's own record changed.
    for (int i = 0; i < 14; ++i)
        if (i != 4) QCOMPARE(p.ledModes[i].bright, 2u);
}

void TestColorWindow::damagedValuesAreShownNotWritten() {
    TempAppDir app(dataDir());
    MouseProfile p = sampleProfile();
    p.LedMode = 4;
    p.ledModes[4].bright = 9;
    p.ledModes[4].breath = 0;
    LightingPanel w;
    w.showProfile(&p);
    QCOMPARE(w.brightnessSlider()->value(), 3);
    QCOMPARE(w.speedSlider()->value(), 1);
    QCOMPARE(p.ledModes[4].bright, 9u);
    QCOMPARE(p.ledModes[4].breath, 0u);
    w.brightnessSlider()->setValue(2);
    QCOMPARE(p.ledModes[4].bright, 2u);
    QCOMPARE(p.ledModes[4].breath, 0u);

    // An effect past the table reads as OFF and stays as stored.
    MouseProfile q = sampleProfile();
    q.LedMode = 20;
    const MouseProfile before = q;
    w.showProfile(&q);
    QCOMPARE(w.effect(), 0);
    QCOMPARE(w.effectButton()->label(), QStringLiteral("OFF"));
    QVERIFY(!w.brightnessSlider()->isVisibleTo(&w) && !w.swatch()->isVisibleTo(&w));
    QVERIFY(q == before);
    w.effectMenu()->actions().at(1)->trigger(); // BREATHING
    QCOMPARE(int(q.LedMode), 2);
}

void TestColorWindow::sleepRangeFromTheProduct() {
    TempAppDir app;
    writeText(app.file("DefaultProfile.bin"), "[PROFILE]\nShowSleep=1\nSleepMin=2\nSleepMax=5\n");
    MouseProfile p = sampleProfile();
    p.LedSleepTime = 9; // past the range: shown at its end, kept
    LightingPanel w;
    w.showProfile(&p);
    QCOMPARE(w.sleepSlider()->minimum(), 2);
    QCOMPARE(w.sleepSlider()->maximum(), 5);
    QCOMPARE(w.sleepSlider()->value(), 5);
    QCOMPARE(int(p.LedSleepTime), 9);
    w.sleepSlider()->setValue(1);
    QCOMPARE(int(p.LedSleepTime), 2);
    // Without ShowSleep there are no sleep controls.
    writeText(app.file("DefaultProfile.bin"), "[PROFILE]\nShowSleep=0\n");
    LightingPanel plain;
    plain.showProfile(&p);
    QVERIFY(!plain.sleepSlider()->isVisibleTo(&plain) && !plain.moveOffBox()->isVisibleTo(&plain));
}

void TestColorWindow::sharedLightingEditsProfileZero() {
    for (const char* product : {"halo", "aero"}) {
        TempAppDir app(fixture(product));
        DeviceSettings s;
        for (MouseProfile& p : s.profiles)
            p = sampleProfile();
        s.currentProfile = 2;
        LightingPanel w;
        w.showProfile(&lightingProfile(s));
        w.speedSlider()->setValue(5);
        const int edited = QByteArray(product) == "halo" ? 0 : 2;
        for (int i = 0; i < kProfileCount; ++i)
            QCOMPARE(s.profiles[i].ledModes[0].breath, i == edited ? 5u : 3u);
    }
}

void TestColorWindow::cancellingTheEditorKeepsTheColour() {
    TempAppDir app(dataDir());
    MouseProfile p = sampleProfile();
    p.LedMode = 1;
    LightingPanel w;
    w.showProfile(&p);
    for (bool accept : {false, true}) {
        QTimer::singleShot(0, [accept] {
            auto* editor = qobject_cast<ColorEditorDialog*>(QApplication::activeModalWidget());
            QVERIFY(editor);
            editor->setColor(QColor(1, 2, 3));
            accept ? editor->accept() : editor->reject();
        });
        emit w.swatch()->ClickedSignal();
        QCOMPARE(p.ledModes[1].RGB, accept ? QColor(1, 2, 3) : QColor(10, 20, 30));
    }
}

QTEST_MAIN(TestColorWindow)
#include "test_colorwindow.moc"
