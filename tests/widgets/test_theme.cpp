// The theme value the widgets share: it follows Config.ini while the program
// runs and stays usable whatever the file holds.
#include "inifile.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kitscale.h"
#include "kittheme.h"
#include "kitthemewatcher.h"
#include "language.h"
#include "paths.h"
#include "testutil.h"

#include <QApplication>
#include <QFile>
#include <QSignalSpy>
#include <QtTest>

namespace {
const QByteArray kStartConfig = "[Config]\nGColorID=0\nBattery=50\n"
                                "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n";

// Through the store's own writer, which replaces the file on save.
void saveValue(const QString& key, const QVariant& value) {
    IniFile ini(mainConfigPath(), IniFile::Repair);
    ini.setValue(key, value);
    QVERIFY(ini.save());
}

QByteArray mappedImagePlugins() {
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly)) return {};
    QByteArray found;
    for (const QByteArray& line : maps.readAll().split('\n'))
        if (line.contains("imageformats/")) found += line.mid(line.lastIndexOf('/') + 1) + ' ';
    return found;
}

} // namespace

class ThemeTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        setDisplayScale(1.0);
        setCurrentLanguageIndex(0);
    }

    // First, while no other image has been read in this process.
    void skinImagesLoadNoPlugins() {
        TempAppDir app(QStringLiteral(APP_DIR));
        QVERIFY(!skinPixmap(QStringLiteral("/skin/icon.png")).isNull());
        QVERIFY(!skinPixmap(QStringLiteral(":/yes_Btn")).isNull());
        QCOMPARE(mappedImagePlugins(), QByteArray());
        // What is no PNG is still read, through the plugins.
        QVERIFY(!readSkinImage(QStringLiteral(":/skin/loading.gif")).isNull());
    }

    // The one sheet is made again when what its text depends on changes:
    // the scale and the application folder its image paths point into.
    void sharedSheetFollowsScaleAndFolder() {
        TempAppDir app(QStringLiteral(APP_DIR));
        applyKitStyleSheet();
        QCOMPARE(qApp->styleSheet(), kitStyleSheet(themeColor(), 1.0));
        setDisplayScale(1.75);
        applyKitStyleSheet();
        QCOMPARE(qApp->styleSheet(), kitStyleSheet(themeColor(), 1.75));
        {
            TempAppDir other(QStringLiteral(APP_DIR));
            applyKitStyleSheet();
            QVERIFY(
                qApp->styleSheet().contains(appDir() + QStringLiteral("/skin/checkbox1-1.png")));
        }
    }

    void followsConfigFile_data() {
        QTest::addColumn<QString>("key");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("restyle");
        QTest::addColumn<QString>("family");
        QTest::addColumn<int>("pixels");
        QTest::newRow("font family") << "FONT_LIST/FONT_0" << QVariant("Liberation Serif") << true
                                     << "Liberation Serif" << 12;
        QTest::newRow("font size")
            << "FONT_LIST/FONT_SIZE_0" << QVariant(17) << true << "DejaVu Sans" << 17;
        QTest::newRow("other language's font")
            << "FONT_LIST/FONT_SIZE_3" << QVariant(20) << true << "DejaVu Sans" << 12;
        // Every theme index has the same grey: nothing to restyle.
        QTest::newRow("theme of the same colour")
            << "Config/GColorID" << QVariant(4) << false << "DejaVu Sans" << 12;
    }

    void followsConfigFile() {
        QFETCH(QString, key);
        QFETCH(QVariant, value);
        QFETCH(bool, restyle);
        QFETCH(QString, family);
        QFETCH(int, pixels);
        TempAppDir app;
        writeText(mainConfigPath(), kStartConfig);
        KitThemeWatcher watcher;
        QSignalSpy restyled(&watcher, &KitThemeWatcher::themeChanged);
        QCOMPARE(kitFont().family(), QStringLiteral("DejaVu Sans"));

        // The program's own writes of other values never restyle.
        saveValue(QStringLiteral("Config/Battery"), 80);
        saveValue(key, value);
        QTRY_VERIFY(themeSettings() == readThemeSettings());
        QCOMPARE(restyled.count(), restyle ? 1 : 0);
        QCOMPARE(themeColor(), accentColor(readThemeSettings().colorId));
        KestLabel label(QStringLiteral("x"));
        QCOMPARE(label.font().family(), family);
        QCOMPARE(label.font().pixelSize(), pixels);

        // The save replaced the file: the watch must have followed it.
        saveValue(QStringLiteral("FONT_LIST/FONT_SIZE_0"), 9);
        QTRY_COMPARE(kitFont().pixelSize(), 9);
        QCOMPARE(restyled.count(), restyle ? 2 : 1);
    }

    // Building controls costs no file access: they take the shared value,
    // which only the watcher (or another application folder) replaces.
    void controlsShareOneRead() {
        TempAppDir app;
        writeText(mainConfigPath(), kStartConfig);
        QCOMPARE(kitFont().pixelSize(), 12);
        writeText(mainConfigPath(), "[FONT_LIST]\nFONT_0=Liberation Serif\nFONT_SIZE_0=30\n");
        KestLabel label(QStringLiteral("x"));
        KestLineEdit edit;
        for (QWidget* w : {static_cast<QWidget*>(&label), static_cast<QWidget*>(&edit)}) {
            QCOMPARE(w->font().family(), QStringLiteral("DejaVu Sans"));
            QCOMPARE(w->font().pixelSize(), 12);
        }
        reloadThemeSettings();
        QCOMPARE(kitFont().pixelSize(), 30);
    }

    void fileWrittenLater() {
        TempAppDir app;
        QDir().mkpath(configDir());
        KitThemeWatcher watcher;
        QSignalSpy restyled(&watcher, &KitThemeWatcher::themeChanged);
        QCOMPARE(kitFont().pixelSize(), -1);
        writeText(mainConfigPath(), kStartConfig);
        QVERIFY(restyled.wait());
        QCOMPARE(kitFont().pixelSize(), 12);
        saveValue(QStringLiteral("FONT_LIST/FONT_0"), QStringLiteral("Liberation Sans"));
        QTRY_COMPARE(kitFont().family(), QStringLiteral("Liberation Sans"));
    }

    void damagedFileGivesValidTheme_data() {
        QTest::addColumn<QByteArray>("config");
        QTest::addColumn<int>("pixels"); // the font's pixel size at scale 2
        QTest::newRow("hostile theme index")
            << "[Config]\nGColorID=" + kHostileStringList + "\n[FONT_LIST]\nFONT_SIZE_0=12\n"
            << 24;
        QTest::newRow("theme index past the table") << QByteArray("[Config]\nGColorID=99\n") << -1;
        QTest::newRow("negative theme index") << QByteArray("[Config]\nGColorID=-2\n") << -1;
        QTest::newRow("hostile font")
            << "[FONT_LIST]\nFONT_0=" + kHostileStringList + "\nFONT_SIZE_0=" + kHostilePolygon
            << -1;
        QTest::newRow("font size beyond any screen")
            << QByteArray("[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=100000\n") << -1;
        QTest::newRow("font size past 32 bits")
            << QByteArray("[FONT_LIST]\nFONT_SIZE_0=4294967295\n") << -1;
        QTest::newRow("negative font size") << QByteArray("[FONT_LIST]\nFONT_SIZE_0=-12\n") << -1;
        QTest::newRow("largest font size") << QByteArray("[FONT_LIST]\nFONT_SIZE_0=200\n") << 400;
        QTest::newRow("noise") << randomBytes(4096, 9) << -1;
    }

    void damagedFileGivesValidTheme() {
        QFETCH(QByteArray, config);
        QFETCH(int, pixels);
        TempAppDir app;
        writeText(mainConfigPath(), config);
        setDisplayScale(2.0);
        QCOMPARE(themeColor(), accentColor(0));
        QCOMPARE(kitFont().pixelSize(), pixels);
        for (int i = -1; i <= kMaxLanguages; ++i) {
            const int px = fontFor(i, 5.0).pixelSize();
            QVERIFY2(px == -1 || (px > 0 && px <= 1000), qPrintable(QString::number(px)));
        }
    }
};

QTEST_MAIN(ThemeTest)
#include "test_theme.moc"
