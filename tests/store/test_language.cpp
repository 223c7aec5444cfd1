#include "language.h"
#include "paths.h"
#include "testutil.h"

#include "qtcompat.h"
#include <QLibraryInfo>
#include <QTranslator>
#include <QtTest>

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void languageId() {
        TempAppDir app;
        QCOMPARE(readLanguageId(), 0);
        writeLanguageId(3);
        QCOMPARE(readLanguageId(), 3);
        QVERIFY(readText(languageConfigPath()).contains("LangID=3"));
    }

    void languageList() {
        TempAppDir app(dataDir());
        const LanguageList list = readLanguageList();
        QCOMPARE(list.count, 4);
        QCOMPARE(list.names[1], QString::fromUtf8("Français"));
        QCOMPARE(list.names[3], QString::fromUtf8("简体中文"));
        QCOMPARE(list.files[2], QStringLiteral("mousecfg_de"));
        QCOMPARE(list.names[4], QString());

        TempAppDir bare;
        QCOMPARE(readLanguageList().count, 0);
    }

    void fontSizes() {
        TempAppDir app;
        writeText(mainConfigPath(), "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n");
        QCOMPARE(fontFor(0, 1.0).pixelSize(), 12);
        QCOMPARE(fontFor(0, 1.25).pixelSize(), 15);
        QCOMPARE(fontFor(0, 1.75).pixelSize(), 21);
        QCOMPARE(fontFor(0, 1.75).family(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(fontFor(1, 2.0).family(), QString()); // no entry: empty family
    }

    void catalogueLoading() {
        TempAppDir app;
        writeText(mainConfigPath(), "[FONT_LIST]\nLANGNUM=2\nLangFile_0=a\nLangFile_1=b\n");
        QTranslator t;
        QVERIFY(!loadCatalogue(t, 1)); // no lang/b.qm
        QVERIFY(!loadCatalogue(t, 12));
        // A real catalogue: an empty but valid .qm file.
        const QByteArray qm = QByteArray::fromHex("3cb86418caef9c95cd211cbf60a1bddd");
        writeText(app.file("lang/b.qm"), qm);
        QVERIFY(loadCatalogue(t, 1));
    }
    void qtCatalogues_data() {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("lookIn"); // Qt's file dialog text once loaded
        QTest::newRow("German") << "mousecfg_de"
                                << "Suchen in:";
        QTest::newRow("Chinese, with its region")
            << "mousecfg_zh_CN" << QString::fromUtf8("查找范围：");
        QTest::newRow("no locale in the name") << "mousecfg"
                                               << "";
        QTest::newRow("empty locale") << "mousecfg_"
                                      << "";
    }
    void qtCatalogues() {
        QFETCH(QString, file);
        QFETCH(QString, lookIn);
        TempAppDir app;
        writeText(mainConfigPath(), "[FONT_LIST]\nLANGNUM=1\nLangFile_0=" + file.toUtf8() + "\n");
        QTranslator t;
        QCOMPARE(loadQtCatalogue(t, 0, qtTranslationsPath()), !lookIn.isEmpty());
        if (!lookIn.isEmpty()) QCOMPARE(t.translate("QFileDialog", "Look in:"), lookIn);
        QVERIFY(!loadQtCatalogue(t, kMaxLanguages, QString()));
    }
};

QTEST_MAIN(TestLanguage)
#include "test_language.moc"
