// The 1044-byte notice record, byte for byte, and the decoder's handling of
// what a foreign sender might put on the socket.
#include "osdpayload.h"

#include <QtTest>

namespace {

QByteArray utf16le(const QString& s) {
    QByteArray out;
    for (QChar c : s) {
        out.append(char(c.unicode() & 0xFF));
        out.append(char(c.unicode() >> 8));
    }
    return out;
}

QByteArray le32(quint32 v) {
    QByteArray b;
    for (int i = 0; i < 4; ++i)
        b.append(char((v >> (8 * i)) & 0xFF));
    return b;
}

} // namespace

class PayloadTest : public QObject {
    Q_OBJECT
private slots:
    void layout();
    void fixedFields_data();
    void fixedFields();
    void colourRef_data();
    void colourRef();
    void textLength_data();
    void textLength();
    void roundTrip_data();
    void roundTrip();
    void wrongSizeRejected_data();
    void wrongSizeRejected();
    void unterminatedText();
    void sanitize_data();
    void sanitize();
};

void PayloadTest::layout() {
    const QByteArray p =
        encodeOsdPayload(makeOsdNotice(QStringLiteral("DPI 2:1600"), QColor(145, 145, 145)));
    QCOMPARE(p.size(), 1044);
    // Expected record built field by field.
    QByteArray want(1044, '\0');
    want.replace(0, 20, utf16le(QStringLiteral("DPI 2:1600")));
    want.replace(516, 4, le32(1500));
    want.replace(524, 4, QByteArray::fromHex("91919100"));
    want.replace(528, 4, le32(60));
    want.replace(532, 10, utf16le(QStringLiteral("Arial")));
    QCOMPARE(p.toHex(), want.toHex());
}

void PayloadTest::fixedFields_data() {
    QTest::addColumn<int>("offset");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("text terminator") << 20 << QByteArray::fromHex("0000");
    QTest::newRow("first int is 0") << 512 << QByteArray::fromHex("00000000");
    QTest::newRow("duration 1500") << 516 << QByteArray::fromHex("dc050000");
    QTest::newRow("third int is 0") << 520 << QByteArray::fromHex("00000000");
    QTest::newRow("colour ref") << 524 << QByteArray::fromHex("91919100");
    QTest::newRow("font size 60") << 528 << QByteArray::fromHex("3c000000");
    QTest::newRow("font A") << 532 << QByteArray::fromHex("4100");
    QTest::newRow("font terminator") << 542 << QByteArray::fromHex("0000");
    QTest::newRow("last byte") << 1043 << QByteArray::fromHex("00");
}

void PayloadTest::fixedFields() {
    QFETCH(int, offset);
    QFETCH(QByteArray, bytes);
    const QByteArray p =
        encodeOsdPayload(makeOsdNotice(QStringLiteral("DPI 2:1600"), QColor(145, 145, 145)));
    QCOMPARE(p.mid(offset, bytes.size()).toHex(), bytes.toHex());
}

void PayloadTest::colourRef_data() {
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("red") << QColor(255, 0, 0) << QByteArray::fromHex("ff000000");
    QTest::newRow("green") << QColor(0, 255, 0) << QByteArray::fromHex("00ff0000");
    QTest::newRow("blue") << QColor(0, 0, 255) << QByteArray::fromHex("0000ff00");
    QTest::newRow("mixed") << QColor(0x12, 0x34, 0x56) << QByteArray::fromHex("12345600");
    QTest::newRow("alpha ignored") << QColor(1, 2, 3, 4) << QByteArray::fromHex("01020300");
}

void PayloadTest::colourRef() {
    QFETCH(QColor, colour);
    QFETCH(QByteArray, bytes);
    const QByteArray p = encodeOsdPayload(makeOsdNotice(QString(), colour));
    QCOMPARE(p.mid(524, 4).toHex(), bytes.toHex());
    OsdNotice back;
    QVERIFY(decodeOsdPayload(p, &back));
    QCOMPARE(back.colour, QColor(colour.red(), colour.green(), colour.blue()));
}

void PayloadTest::textLength_data() {
    const QString smile = QString::fromUtf8("\xF0\x9F\x98\x80"); // two UTF-16 units
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("sentUnits");
    QTest::newRow("empty") << QString() << 0;
    QTest::newRow("one") << QStringLiteral("x") << 1;
    QTest::newRow("254") << QString(254, 'a') << 254;
    QTest::newRow("exactly 255 kept whole") << QString(255, 'b') << 255;
    QTest::newRow("256 cut to 255") << QString(256, 'c') << 255;
    QTest::newRow("1000 cut to 255") << QString(1000, 'd') << 255;
    // A pair straddling the limit is dropped whole, never halved.
    QTest::newRow("pair at the limit") << QString(254, 'e') + smile << 254;
    QTest::newRow("pair inside kept") << QString(253, 'f') + smile << 255;
}

void PayloadTest::textLength() {
    QFETCH(QString, text);
    QFETCH(int, sentUnits);
    const QByteArray p = encodeOsdPayload(makeOsdNotice(text, Qt::white));
    QCOMPARE(p.size(), 1044);
    // The terminator always follows the text, inside the 512-byte field.
    QCOMPARE(p.mid(2 * sentUnits, 2), QByteArray(2, '\0'));
    if (sentUnits > 0) QVERIFY(p.mid(2 * sentUnits - 2, 2) != QByteArray(2, '\0'));
    OsdNotice back;
    QVERIFY(decodeOsdPayload(p, &back));
    QCOMPARE(back.text, text.left(sentUnits));
    // The integer fields after the text are untouched by a long text.
    QCOMPARE(p.mid(516, 4).toHex(), QByteArray("dc050000"));
}

void PayloadTest::roundTrip_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<QString>("font");
    QTest::newRow("rate") << "1000 HZ" << 1500 << 60 << "Arial";
    QTest::newRow("accented") << QString::fromUtf8("Fréquence 500 HZ") << 800 << 40
                              << "DejaVu Sans";
    QTest::newRow("cjk") << QString::fromUtf8("\xE5\x9B\x9E\xE6\x8A\xA5\xE7\x8E\x87") << 2000 << 30
                         << QString::fromUtf8("\xE5\xAE\x8B\xE4\xBD\x93");
    QTest::newRow("negative ints") << "x" << -1 << -7 << "Arial";
}

void PayloadTest::roundTrip() {
    QFETCH(QString, text);
    QFETCH(int, duration);
    QFETCH(int, fontSize);
    QFETCH(QString, font);
    OsdNotice n = makeOsdNotice(text, QColor(10, 20, 30));
    n.durationMs = duration;
    n.fontSize = fontSize;
    n.fontFamily = font;
    OsdNotice back;
    QVERIFY(decodeOsdPayload(encodeOsdPayload(n), &back));
    QCOMPARE(back.text, text);
    QCOMPARE(back.durationMs, duration);
    QCOMPARE(back.fontSize, fontSize);
    QCOMPARE(back.fontFamily, font);
    QCOMPARE(back.colour, QColor(10, 20, 30));
    QCOMPARE(back.reserved0, 0);
    QCOMPARE(back.reserved2, 0);
}

void PayloadTest::wrongSizeRejected_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("empty") << 0;
    QTest::newRow("one short") << 1043;
    QTest::newRow("one long") << 1045;
    QTest::newRow("double") << 2088;
}

void PayloadTest::wrongSizeRejected() {
    QFETCH(int, size);
    OsdNotice n;
    n.text = QStringLiteral("unchanged");
    QVERIFY(!decodeOsdPayload(QByteArray(size, 'A'), &n));
    QCOMPARE(n.text, QStringLiteral("unchanged"));
    QVERIFY(!decodeOsdPayload(QByteArray(1044, 'A'), nullptr));
}

void PayloadTest::unterminatedText() {
    // A sender that fills the text field with no terminator must not make
    // the reader run into the integer fields.
    QByteArray p = encodeOsdPayload(makeOsdNotice(QString(), Qt::white));
    p.replace(0, 512, QByteArray(512, 'A')); // U+4141 x 256
    OsdNotice n;
    QVERIFY(decodeOsdPayload(p, &n));
    QCOMPARE(n.text.size(), 256);
    QCOMPARE(n.durationMs, 1500);
    QCOMPARE(sanitizedOsdNotice(n).text.size(), 255);
}

void PayloadTest::sanitize_data() {
    QTest::addColumn<int>("duration");
    QTest::addColumn<int>("fontSize");
    QTest::addColumn<QString>("font");
    QTest::addColumn<int>("wantDuration");
    QTest::addColumn<int>("wantSize");
    QTest::addColumn<QString>("wantFont");
    QTest::newRow("program values") << 1500 << 60 << "Arial" << 1500 << 60 << "Arial";
    QTest::newRow("zero means default") << 0 << 0 << "Arial" << 1500 << 60 << "Arial";
    QTest::newRow("negative") << -5 << -1 << "Arial" << 1500 << 60 << "Arial";
    QTest::newRow("too short") << 50 << 3 << "Arial" << 200 << 8 << "Arial";
    QTest::newRow("too long") << 100000 << 5000 << "Arial" << 10000 << 200 << "Arial";
    QTest::newRow("blank font") << 1500 << 60 << "   " << 1500 << 60 << "Arial";
}

void PayloadTest::sanitize() {
    QFETCH(int, duration);
    QFETCH(int, fontSize);
    QFETCH(QString, font);
    QFETCH(int, wantDuration);
    QFETCH(int, wantSize);
    QFETCH(QString, wantFont);
    OsdNotice n = makeOsdNotice(QStringLiteral("x") + QChar(0xD800) + QStringLiteral("y"),
                                QColor(1, 2, 3, 0));
    n.durationMs = duration;
    n.fontSize = fontSize;
    n.fontFamily = font;
    const OsdNotice s = sanitizedOsdNotice(n);
    QCOMPARE(s.durationMs, wantDuration);
    QCOMPARE(s.fontSize, wantSize);
    QCOMPARE(s.fontFamily, wantFont);
    QCOMPARE(s.colour.alpha(), 255);
    QCOMPARE(s.text, QStringLiteral("xy")); // the lone surrogate is dropped
}

QTEST_MAIN(PayloadTest)
#include "test_payload.moc"
