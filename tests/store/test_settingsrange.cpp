// Loaded settings brought into the ranges the window shows: each spoiled
// field lands on its nearest valid value (or the factory value), and nothing
// else moves.
#include "appconfig.h"
#include "paths.h"
#include "settingsrange.h"
#include "testutil.h"

#include <QtTest>
#include <memory>

namespace {

// A small product: four stages on a sensor stepping 2-480, sleep 2-5 minutes.
SettingsLimits testLimits() {
    SettingsLimits l;
    l.stageCount = 4;
    l.steps = sliderRangeFor(3389, RangeContext{});
    l.sleep = {2, 5};
    l.pollrate = 2;
    l.ledMode = 1;
    l.sensorMode = 1;
    for (QColor& c : l.colours)
        c = QColor(1, 2, 3);
    return l;
}

// Settings that are in range everywhere.
std::unique_ptr<DeviceSettings> validSettings() {
    auto s = std::make_unique<DeviceSettings>();
    for (MouseProfile& p : s->profiles) {
        p.pollrate = 4;
        p.dpi = 1;
        p.LedMode = 2;
        p.LedSleepTime = 3;
        for (DpiStage& st : p.stages)
            st = {1, 1, 100, 100, 100};
        for (LedModeInfo& led : p.ledModes) {
            led.RGB = QColor(200, 100, 50);
            led.bright = 2;
            led.breath = 2;
        }
        p.mousespeed = 10;
        p.scrollspeed = 3;
    }
    s->LiftHigh = 1;
    s->Debounce = 20;
    s->SensorMode = 2;
    return s;
}

// Calls `f` with the field a row names: in profile 2 (not the current one),
// stage 5 and effect 6 (neither the current stage nor the current effect).
template <typename F> void withField(DeviceSettings& s, const QString& name, F&& f) {
    MouseProfile& p = s.profiles[2];
    const std::pair<const char*, uint8_t*> bytes[] = {
        {"pollrate", &p.pollrate},
        {"dpi", &p.dpi},
        {"used", &p.stages[5].used},
        {"link", &p.stages[5].link},
        {"LedMode", &p.LedMode},
        {"LedMoveOFF", &p.LedMoveOFF},
        {"LedSleepTime", &p.LedSleepTime},
        {"mousespeed", &p.mousespeed},
        {"scrollspeed", &p.scrollspeed},
        {"Sync", &s.Sync},
        {"AngleValue", &s.AngleValue},
        {"Jitter", &s.Jitter},
        {"Wake", &s.Wake},
        {"LiftHigh", &s.LiftHigh},
        {"Debounce", &s.Debounce},
        {"SensorMode", &s.SensorMode},
    };
    const std::pair<const char*, uint32_t*> words[] = {
        {"x", &p.stages[5].x},
        {"y", &p.stages[5].y},
        {"xy", &p.stages[5].xy},
        {"bright", &p.ledModes[6].bright},
        {"breath", &p.ledModes[6].breath},
    };
    for (const auto& [n, f8] : bytes)
        if (name == QLatin1String(n)) return f(*f8);
    for (const auto& [n, f32] : words)
        if (name == QLatin1String(n)) return f(*f32);
    QFAIL(qPrintable("no field " + name));
}
void setField(DeviceSettings& s, const QString& name, int64_t v) {
    withField(s, name, [v](auto& f) { f = std::remove_reference_t<decltype(f)>(v); });
}
int64_t getField(DeviceSettings& s, const QString& name) {
    int64_t v = -1;
    withField(s, name, [&v](auto& f) { v = f; });
    return v;
}

} // namespace

class TestSettingsRange : public QObject {
    Q_OBJECT
private slots:
    void fieldsComeIntoRange_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<qint64>("stored");
        QTest::addColumn<qint64>("expected");
        auto row = [](const char* tag, const char* name, qint64 stored, qint64 expected) {
            QTest::newRow(tag) << QString::fromLatin1(name) << stored << expected;
        };
        row("rate 255: factory", "pollrate", 255, 2);
        row("rate 0: factory", "pollrate", 0, 2);
        row("rate 3, between codes: factory", "pollrate", 3, 2);
        row("rate 8 kept", "pollrate", 8, 8);
        row("stage past the product's count", "dpi", 7, 3);
        row("last stage kept", "dpi", 3, 3);
        row("step beyond the sensor", "x", 1000, 480);
        row("step below the sensor", "y", 0, 2);
        row("linked step beyond the sensor", "xy", 0xFFFFFFFF, 480);
        row("lowest step kept", "x", 2, 2);
        row("used 2 shows unchecked", "used", 2, 0);
        row("link 7 shows unlinked", "link", 7, 0);
        row("lighting mode 250: factory", "LedMode", 250, 1);
        row("lighting mode 14: factory", "LedMode", 14, 1);
        row("unoffered mode 6 kept", "LedMode", 6, 6);
        row("move-off 1 shows unchecked", "LedMoveOFF", 1, 255);
        row("move-off 0 kept", "LedMoveOFF", 0, 0);
        row("sleep below the product's minimum", "LedSleepTime", 0, 2);
        row("sleep above the product's maximum", "LedSleepTime", 9, 5);
        row("brightness 9", "bright", 9, 3);
        row("brightness 0", "bright", 0, 1);
        row("speed 6", "breath", 6, 5);
        row("speed 0", "breath", 0, 1);
        row("pointer speed 0", "mousespeed", 0, 1);
        row("pointer speed 21", "mousespeed", 21, 20);
        row("scroll speed 255", "scrollspeed", 255, 20);
        row("scroll speed 0", "scrollspeed", 0, 1);
        row("sync 5 shows on", "Sync", 5, 1);
        row("angle 2 shows off", "AngleValue", 2, 1);
        row("jitter 255 shows off", "Jitter", 255, 1);
        row("wake 0 kept", "Wake", 0, 0);
        row("lift 0 shows 2 mm", "LiftHigh", 0, 2);
        row("lift 3 shows 2 mm", "LiftHigh", 3, 2);
        row("key response 0", "Debounce", 0, 1);
        row("key response 255 kept", "Debounce", 255, 255);
        row("sensor mode 3: factory", "SensorMode", 3, 1);
        row("sensor mode 2 kept", "SensorMode", 2, 2);
    }
    void fieldsComeIntoRange() {
        QFETCH(QString, name);
        QFETCH(qint64, stored);
        QFETCH(qint64, expected);
        const SettingsLimits limits = testLimits();
        const auto valid = validSettings();
        auto s = std::make_unique<DeviceSettings>(*valid);
        setField(*s, name, stored);
        QCOMPARE(getField(*s, name), stored); // the row names a real field
        bringIntoRange(*s, limits);
        QCOMPARE(getField(*s, name), expected);
        // Everything else stays as it was.
        setField(*s, name, getField(*valid, name));
        QVERIFY(sameSettings(*s, *valid));
    }

    void unknownSensorKeepsSteps() {
        SettingsLimits limits = testLimits();
        limits.steps.reset();
        auto s = validSettings();
        s->profiles[0].stages[0].x = 100000;
        bringIntoRange(*s, limits);
        QCOMPARE(s->profiles[0].stages[0].x, 100000u);
    }

    void missingColourTakesFactory() {
        auto s = validSettings();
        s->profiles[4].ledModes[13].RGB = QColor();
        bringIntoRange(*s, testLimits());
        QCOMPARE(s->profiles[4].ledModes[13].RGB, QColor(1, 2, 3));
        QCOMPARE(s->profiles[4].ledModes[12].RGB, QColor(200, 100, 50));
    }

    // The limits read from a product definition that may itself be damaged.
    void limitsFromProduct_data() {
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("expected");
        auto row = [](const char* tag, const char* keys, const char* expected) {
            QTest::newRow(tag) << QString::fromLatin1(keys) << QString::fromLatin1(expected);
        };
        row("no product definition", "", "stages 8, sleep 1-9, rate 1, effect 9, mode 1");
        row("shipped product", "keep", "stages 8, sleep 1-9, rate 1, effect 0, mode 1");
        row("sleep range upside down", "SleepMin=7\nSleepMax=3",
            "stages 8, sleep 7-7, rate 1, effect 0, mode 1");
        row("sleep range beyond a byte", "SleepMin=-5\nSleepMax=900",
            "stages 8, sleep 0-255, rate 1, effect 0, mode 1");
        row("three stages", "DPICount=3", "stages 3, sleep 1-9, rate 1, effect 0, mode 1");
        row("stage count past the records", "DPICount=40",
            "stages 8, sleep 1-9, rate 1, effect 0, mode 1");
        row("negative stage count", "DPICount=-2", "stages 8, sleep 1-9, rate 1, effect 0, mode 1");
        row("factory values usable", "pollrate=4\nLedMode=5\nsensormode=2",
            "stages 8, sleep 1-9, rate 4, effect 5, mode 2");
        row("factory values damaged", "pollrate=3\nLedMode=250\nsensormode=7",
            "stages 8, sleep 1-9, rate 1, effect 9, mode 1");
    }
    void limitsFromProduct() {
        QFETCH(QString, keys);
        QFETCH(QString, expected);
        TempAppDir app(keys == "keep" ? dataDir() : QString());
        // The ranges must come from these keys, not from leftovers.
        if (!keys.isEmpty() && keys != "keep")
            writeText(productDefinitionPath(), "[PROFILE]\n" + keys.toUtf8() + "\n");
        const SettingsLimits l = currentSettingsLimits();
        const QString got = QStringLiteral("stages %1, sleep %2-%3, rate %4, effect %5, mode %6")
                                .arg(l.stageCount)
                                .arg(l.sleep.min)
                                .arg(l.sleep.max)
                                .arg(l.pollrate)
                                .arg(l.ledMode)
                                .arg(l.sensorMode);
        QCOMPARE(got, expected);
    }

    // A fresh install must not look edited: its own values are all in range.
    void shippedSettingsAlreadyInRange() {
        TempAppDir app(dataDir());
        auto loaded = std::make_unique<DeviceSettings>();
        loadSettings(*loaded);
        auto brought = std::make_unique<DeviceSettings>(*loaded);
        bringIntoRange(*brought);
        QVERIFY(sameSettings(*brought, *loaded));
    }
};

QTEST_GUILESS_MAIN(TestSettingsRange)
#include "test_settingsrange.moc"
