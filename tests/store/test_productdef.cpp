#include "productdef.h"
#include "testutil.h"

#include <QtTest>

class TestProductDef : public QObject {
    Q_OBJECT
private slots:
    void defaultsWithoutFile() {
        TempAppDir app;
        QCOMPARE(productName(), QString());
        QCOMPARE(buttonCount(), 0);
        QCOMPARE(dpiStageCount(), 0);
        QCOMPARE(minDelay(), 10);
        QCOMPARE(showSleep(), 1);
        QCOMPARE(frenchLanguage(), -1);
        QCOMPARE(sleepRange().min, 1);
        QCOMPARE(sleepRange().max, 9);
        const UsbIds ids = usbIds();
        QCOMPARE(ids.vid1, 0x248A);
        QCOMPARE(ids.pid1, 0xFA02);
        QCOMPARE(ids.vid2, 0x248A);
        QCOMPARE(ids.pid2, 0xFB01);

        uint8_t slotTable[16];
        std::fill(std::begin(slotTable), std::end(slotTable), 0xAA);
        int8_t layout[16] = {};
        uint8_t options[7] = {};
        ProductDefinition def;
        QCOMPARE(buttonSlotMap(slotTable), -1);
        QCOMPARE(int(slotTable[3]), 0xAA); // untouched
        QCOMPARE(buttonLayoutMap(layout), -1);
        QCOMPARE(factoryOptions(options), -1);
        QCOMPARE(loadProductDefinition(def), -1);
    }

    void xorCounts() {
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"),
                  "[PROFILE]\nButtonCount=3\nMouseDpi=10\nDPICount=1\n");
        QCOMPARE(buttonCount(), 9);
        QCOMPARE(dpiStageCount(), 8);
        // Missing keys in an existing file still give the table defaults.
        uint8_t options[7] = {};
        QCOMPARE(factoryOptions(options), 0);
        const uint8_t expected[7] = {0, 0, 20, 0, 0, 1, 0};
        for (int i = 0; i < 7; ++i)
            QCOMPARE(int(options[i]), int(expected[i]));
    }

    void shippedProducts_data() {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("stages");
        QTest::addColumn<int>("hiddenRow");
        QTest::newRow("stratos") << dataDir() << "Qorv Stratos" << 7 << 8 << -1;
        QTest::newRow("aero") << fixture("aero") << "Qorv Aero" << 8 << 6 << 5;
        QTest::newRow("pico") << fixture("pico") << "Qorv Pico" << 5 << 4 << -1;
    }
    void shippedProducts() {
        QFETCH(QString, dir);
        QFETCH(QString, name);
        QFETCH(int, buttons);
        QFETCH(int, stages);
        QFETCH(int, hiddenRow);
        TempAppDir app(dir);
        QCOMPARE(productName(), name);
        QCOMPARE(buttonCount(), buttons);
        QCOMPARE(dpiStageCount(), stages);
        int8_t layout[16] = {};
        QCOMPARE(buttonLayoutMap(layout), buttons);
        int visible = 0;
        for (int i = 0; i < buttons; ++i)
            visible += layout[i] == -1 ? 0 : 1;
        QCOMPARE(visible, hiddenRow < 0 ? buttons : buttons - 1);
        if (hiddenRow >= 0) QCOMPARE(int(layout[hiddenRow]), -1);

        ProductDefinition def;
        QCOMPARE(loadProductDefinition(def), 0);
        QCOMPARE(def.buttons[0].Fun, 1); // every product keeps a left click
        for (int i = 0; i < 14; ++i)
            QVERIFY(def.ledModes[i].RGB.isValid());
        for (int i = 0; i < stages; ++i)
            QVERIFY(def.dpiXy[i] > 0);
    }

    void narrowing() {
        TempAppDir app;
        writeText(app.file("DefaultProfile.bin"),
                  "[PROFILE]\nBUTTON_INFO_2_Matrix=258\nBUTTON_INFO_4_Matrix2=255\n"
                  "dpi=300\nbutondelay=x\nvid1=abc\n");
        uint8_t slotTable[16] = {};
        QCOMPARE(buttonSlotMap(slotTable), 0);
        QCOMPARE(int(slotTable[2]), 2);
        int8_t layout[16] = {};
        buttonLayoutMap(layout);
        QCOMPARE(int(layout[4]), -1);
        ProductDefinition def;
        loadProductDefinition(def);
        QCOMPARE(int(def.dpi), 44);
        uint8_t options[7] = {};
        factoryOptions(options);
        QCOMPARE(int(options[2]), 0); // not a number reads as 0
        QCOMPARE(usbIds().vid1, 0);
    }
};

QTEST_MAIN(TestProductDef)
#include "test_productdef.moc"
