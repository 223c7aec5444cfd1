// The mouse picture in its lighting's colours: which look each effect gets,
// what happens to a pixel under and outside the mask, and the staged
// artwork's masks covering every light the pictures draw.
#include "mousetint.h"
#include "paths.h"
#include "productdef.h"
#include "testutil.h"

#include <QtTest>
#include <functional>

Q_DECLARE_METATYPE(LightTint::Kind)

namespace {

QImage filled(const QSize& size, QRgb pixel) {
    QImage img(size, QImage::Format_ARGB32);
    img.fill(pixel);
    return img;
}

// A light of the artwork's drawn colour: cyan, clearly saturated and lit.
bool looksLikeDrawnLight(QRgb px) {
    const QColor c = QColor::fromRgba(px);
    return qAlpha(px) >= 128 && c.hsvHue() >= 170 && c.hsvHue() <= 210 &&
           c.hsvSaturation() >= 100 && c.value() >= 100;
}

int countPixels(const QImage& img, const std::function<bool(QRgb)>& test) {
    int n = 0;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            n += test(img.pixel(x, y)) ? 1 : 0;
    return n;
}

QString productIn(const QString& folder) {
    setAppDirOverride(folder);
    const QString name = productName();
    setAppDirOverride(QString());
    return name;
}

} // namespace

class MouseTintTest : public QObject {
    Q_OBJECT
private slots:
    void effectLooks_data();
    void effectLooks();
    void pixels_data();
    void pixels();
    void artworkMasksEveryLight_data();
    void artworkMasksEveryLight();
};

void MouseTintTest::effectLooks_data() {
    QTest::addColumn<int>("effect");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<LightTint::Kind>("kind");
    QTest::addColumn<QColor>("shown"); // for Colour
    const QColor teal(0x12, 0xab, 0x34);
    QTest::newRow("OFF") << 0 << teal << LightTint::Dark << QColor();
    QTest::newRow("FULL LIGHTED") << 1 << teal << LightTint::Colour << teal;
    QTest::newRow("BREATHING") << 2 << teal << LightTint::Colour << teal;
    QTest::newRow("FULL LIGHTED, colour half transparent")
        << 1 << QColor(0x12, 0xab, 0x34, 0x40) << LightTint::Colour << teal;
    QTest::newRow("BREATHING, colour given as HSV")
        << 2 << QColor::fromHsv(0, 255, 255) << LightTint::Colour << QColor(255, 0, 0);
    QTest::newRow("FULL LIGHTED, no colour")
        << 1 << QColor() << LightTint::Colour << QColor(0, 0, 0);
    for (int e : {3, 4, 5, 8, 9, 10, 11, 12, 13})
        QTest::addRow("effect %d: no colour of its own", e)
            << e << teal << LightTint::Spectrum << QColor();
    for (int e : {14, 255, -1})
        QTest::addRow("effect %d: unknown, shown as OFF", e)
            << e << teal << LightTint::Dark << QColor();
}

void MouseTintTest::effectLooks() {
    QFETCH(int, effect);
    QFETCH(QColor, colour);
    QFETCH(LightTint::Kind, kind);
    QFETCH(QColor, shown);
    const LightTint tint = lightTintFor(effect, colour);
    QCOMPARE(tint.kind, kind);
    if (kind == LightTint::Colour) QCOMPARE(tint.colour.rgba(), shown.rgba());
}

// A 3 × 2 picture of one pixel value; the mask covers the top-left pixel only.
void MouseTintTest::pixels_data() {
    QTest::addColumn<LightTint::Kind>("kind");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<uint>("pixel");
    QTest::addColumn<int>("maskAlpha"); // -1: no mask at all
    QTest::addColumn<int>("maskScale"); // the mask drawn at this multiple of the picture
    QTest::addColumn<uint>("expected");
    const QRgb light = qRgb(52, 196, 226);
    const QColor red(255, 0, 0);
    QTest::newRow("colour takes the light's brightness")
        << LightTint::Colour << red << uint(light) << 255 << 1 << uint(qRgb(226, 0, 0));
    QTest::newRow("dim part of the light stays dim")
        << LightTint::Colour << QColor(0, 0, 255) << uint(qRgb(0, 100, 50)) << 255 << 1
        << uint(qRgb(0, 0, 100));
    QTest::newRow("black colour: the light is out")
        << LightTint::Colour << QColor(0, 0, 0) << uint(light) << 255 << 1 << uint(qRgb(0, 0, 0));
    QTest::newRow("see-through pixel keeps its alpha")
        << LightTint::Colour << red << uint(qRgba(52, 196, 226, 90)) << 255 << 1
        << uint(qRgba(226, 0, 0, 90));
    QTest::newRow("soft mask edge: half of each")
        << LightTint::Colour << red << uint(light) << 128 << 1 << uint(qRgb(139, 98, 113));
    QTest::newRow("off: dark grey")
        << LightTint::Dark << QColor() << uint(light) << 255 << 1 << uint(qRgb(67, 67, 67));
    QTest::newRow("no mask: as drawn")
        << LightTint::Colour << red << uint(light) << -1 << 1 << uint(light);
    QTest::newRow("mask at twice the size")
        << LightTint::Colour << red << uint(light) << 255 << 2 << uint(qRgb(226, 0, 0));
}

void MouseTintTest::pixels() {
    QFETCH(LightTint::Kind, kind);
    QFETCH(QColor, colour);
    QFETCH(uint, pixel);
    QFETCH(int, maskAlpha);
    QFETCH(int, maskScale);
    QFETCH(uint, expected);
    const QImage base = filled(QSize(3, 2), pixel);
    QImage mask = filled(QSize(3, 2) * maskScale, qRgba(255, 255, 255, 0));
    for (int y = 0; y < maskScale; ++y)
        for (int x = 0; x < maskScale; ++x)
            mask.setPixel(x, y, qRgba(255, 255, 255, qMax(0, maskAlpha)));
    if (maskAlpha < 0) mask = QImage();
    const QImage out = tintedMouse(base, mask, LightTint{kind, colour});
    QCOMPARE(out.size(), base.size());
    QCOMPARE(QString::number(out.pixel(0, 0), 16), QString::number(expected, 16));
    // Outside the mask nothing changes.
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            if (x || y) QCOMPARE(QString::number(out.pixel(x, y), 16), QString::number(pixel, 16));
}

void MouseTintTest::artworkMasksEveryLight_data() {
    QTest::addColumn<QString>("product");
    QTest::newRow("data") << productIn(dataDir());
    QTest::newRow("aero") << productIn(fixture(QStringLiteral("aero")));
    QTest::newRow("pico") << productIn(fixture(QStringLiteral("pico")));
}

// Every light the picture draws lies under its mask: tinted, none keeps the
// drawn colour, and off, nothing of it is lit.
void MouseTintTest::artworkMasksEveryLight() {
    QFETCH(QString, product);
    const QString dir = QStringLiteral(APP_DIR "/skin/mouse/") + product;
    const QImage base(dir + QStringLiteral("/Mouse.png"));
    const QImage mask(dir + QStringLiteral("/Mouse_light.png"));
    QVERIFY(!base.isNull());
    QCOMPARE(mask.size(), base.size());
    QVERIFY(countPixels(base, looksLikeDrawnLight) > 100);
    const QImage red = tintedMouse(base, mask, LightTint{LightTint::Colour, QColor(255, 0, 0)});
    QCOMPARE(countPixels(red, looksLikeDrawnLight), 0);
    QVERIFY(countPixels(red, [](QRgb px) {
                return qAlpha(px) >= 128 && qRed(px) > 150 && qGreen(px) < 40 && qBlue(px) < 40;
            }) > 100);
    const QImage off = tintedMouse(base, mask, LightTint{LightTint::Dark, QColor()});
    QCOMPARE(countPixels(off,
                         [](QRgb px) {
                             return qAlpha(px) >= 128 &&
                                    QColor::fromRgba(px).hsvSaturation() >= 100 &&
                                    QColor::fromRgba(px).value() >= 100;
                         }),
             0);
    // The shell itself is no light: most of the picture is left as drawn.
    QVERIFY(countPixels(mask, [](QRgb px) { return qAlpha(px) > 0; }) <
            base.width() * base.height() / 4);
}

QTEST_MAIN(MouseTintTest)
#include "test_mousetint.moc"
