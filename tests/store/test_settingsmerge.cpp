#include "settingsmerge.h"

#include <QtTest>
#include <functional>
#include <memory>

using Edit = std::function<void(DeviceSettings&)>;
Q_DECLARE_METATYPE(Edit)

class TestSettingsMerge : public QObject {
    Q_OBJECT
private slots:
    // The window's unsent edits survive what the tool saved meanwhile; where
    // both changed one value, the saved one wins and is named.
    void merge_data() {
        QTest::addColumn<Edit>("tool");
        QTest::addColumn<Edit>("window");
        QTest::addColumn<Edit>("expected");
        QTest::addColumn<QStringList>("clashes");
        const Edit none = [](DeviceSettings&) {};
        const Edit toolStage = [](DeviceSettings& s) { s.profiles[0].stages[3].y = 96; };
        const Edit windowLight = [](DeviceSettings& s) { s.profiles[0].LedMode = 4; };
        const Edit windowStage = [](DeviceSettings& s) { s.profiles[0].stages[3].y = 40; };
        const Edit toolButton = [](DeviceSettings& s) { s.profiles[1].buttons[5].Fun = 16; };
        QTest::newRow("tool only") << toolStage << none << toolStage << QStringList();
        QTest::newRow("different fields")
            << toolStage << windowLight << Edit([=](DeviceSettings& s) {
                   toolStage(s);
                   windowLight(s);
               })
            << QStringList();
        QTest::newRow("same value both") << toolStage << toolStage << toolStage << QStringList();
        QTest::newRow("one field, two values")
            << toolStage << windowStage << toolStage
            << QStringList{QStringLiteral("DPI stage %2 of profile %1:1:4")};
        QTest::newRow("shared option") << Edit([](DeviceSettings& s) { s.LiftHigh = 2; })
                                       << Edit([](DeviceSettings& s) { s.LiftHigh = 1; })
                                       << Edit([](DeviceSettings& s) { s.LiftHigh = 2; })
                                       << QStringList{QStringLiteral("lift-off distance:0:0")};
        QTest::newRow("button of another profile")
            << toolButton << Edit([](DeviceSettings& s) { s.profiles[1].buttons[5].Fun = 3; })
            << toolButton << QStringList{QStringLiteral("button record %2 of profile %1:2:6")};
        QTest::newRow("window only") << none << windowLight << windowLight << QStringList();
    }
    void merge() {
        QFETCH(Edit, tool);
        QFETCH(Edit, window);
        QFETCH(Edit, expected);
        QFETCH(QStringList, clashes);
        auto base = std::make_unique<DeviceSettings>();
        auto theirs = std::make_unique<DeviceSettings>(*base);
        auto mine = std::make_unique<DeviceSettings>(*base);
        auto want = std::make_unique<DeviceSettings>(*base);
        tool(*theirs);
        window(*mine);
        expected(*want);
        QStringList got;
        for (const MergeClash& c : mergeSavedChanges(*base, *theirs, *mine))
            got << QLatin1String(c.what) + QStringLiteral(":%1:%2").arg(c.profile).arg(c.index);
        QCOMPARE(got, clashes);
        for (int p = 0; p < kProfileCount; ++p)
            QVERIFY(mine->profiles[p] == want->profiles[p]);
        QCOMPARE(mine->LiftHigh, want->LiftHigh);
    }
};

QTEST_GUILESS_MAIN(TestSettingsMerge)
#include "test_settingsmerge.moc"
