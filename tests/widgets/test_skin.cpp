// The generated artwork: every image the program names is staged, loads,
// has a sane size, and the generator is deterministic; plus the GIF and
// icon writers on their own.
#include "gifwriter.h"
#include "paths.h"
#include "productdef.h"
#include "skinfiles.h"
#include "testutil.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QMovie>
#include <QtTest>

namespace {

QString staged(const QString& relative) {
    return QStringLiteral(APP_DIR "/") + relative;
}

QByteArray fileBytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Product {
    QString name;
    int buttons;
};

Product productIn(const QString& folder) {
    setAppDirOverride(folder);
    Product p{productName(), buttonCount()};
    setAppDirOverride(QString());
    return p;
}

// A fixed-seed generator so the noise images are the same every run.
quint32 lcg(quint32& state) {
    state = state * 1664525u + 1013904223u;
    return state >> 24;
}

} // namespace

class SkinTest : public QObject {
    Q_OBJECT
private slots:
    void namedImagesStaged_data();
    void namedImagesStaged();
    void productImages_data();
    void productImages();
    void deterministic();
    void gifRoundTrip_data();
    void gifRoundTrip();
    void gifRejectsBadFrames_data();
    void gifRejectsBadFrames();
    void iconHasEverySize();
    void themeIcons_data();
    void themeIcons();
    void loadingAnimationPlays();
};

void SkinTest::namedImagesStaged_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("logical");
    const struct {
        const char* name;
        int w, h;
    } images[] = {
        {"cfgMainback.png", 999, 640}, {"close-1.png", 19, 19},      {"close-2.png", 19, 19},
        {"close-3.png", 19, 19},       {"min-1.png", 19, 19},        {"min-2.png", 19, 19},
        {"min-3.png", 19, 19},         {"tabbutton-1.png", 100, 20}, {"tabbutton-2.png", 100, 20},
        {"tabbutton-3.png", 100, 20},  {"button-1.png", 220, 30},    {"button-2.png", 220, 30},
        {"button-3.png", 220, 30},     {"rate.png", 128, 26},        {"bat1.png", 86, 47},
        {"bat2.png", 86, 47},          {"lightning.png", 26, 40},    {"btn_up1.png", 26, 26},
        {"btn_up2.png", 26, 26},       {"btn_up3.png", 26, 26},      {"btn_up4.png", 26, 26},
        {"btn_down1.png", 26, 26},     {"btn_down2.png", 26, 26},    {"btn_down3.png", 26, 26},
        {"btn_down4.png", 26, 26},     {"checkbox1-1.png", 18, 18},  {"checkbox1-2.png", 18, 18},
        {"checkbox2-1.png", 16, 16},   {"checkbox2-2.png", 16, 16},  {"DPI-OFF.png", 40, 20},
        {"DPI-ON.png", 40, 20},        {"keybo.png", 20, 20},        {"keydown.png", 20, 20},
        {"keyup.png", 20, 20},         {"mouse_move.png", 20, 20},   {"delay.png", 20, 20},
        {"profilesel.png", 240, 24},   {"dlg.png", 420, 280},        {"process.png", 128, 128},
        {"dongle.png", 40, 24},        {"marker-1.png", 22, 22},     {"dlgbtn-1.png", 96, 28},
        {"msg_warning.png", 44, 44},   {"msg_question.png", 44, 44}, {"loading.gif", 96, 96},
        {"icon.ico", 16, 16},
    };
    for (const auto& i : images)
        QTest::newRow(i.name) << QString::fromLatin1(i.name) << QSize(i.w, i.h);
}

void SkinTest::namedImagesStaged() {
    QFETCH(QString, name);
    QFETCH(QSize, logical);
    const QString path = staged(QStringLiteral("skin/") + name);
    QImageReader reader(path);
    QVERIFY2(reader.canRead(), qPrintable(path));
    const QImage img = reader.read();
    QVERIFY(!img.isNull());
    // Drawn at twice the logical size (the icon's first entry is 16 px).
    const QSize expect = name.endsWith(QLatin1String(".ico")) ? logical : logical * 2;
    QCOMPARE(img.size(), expect);
    // Not an empty canvas: something was drawn.
    bool drawn = false;
    for (int y = 0; y < img.height() && !drawn; y += qMax(1, img.height() / 16))
        for (int x = 0; x < img.width() && !drawn; ++x)
            drawn = qAlpha(img.pixel(x, y)) > 0;
    QVERIFY(drawn);
}

void SkinTest::productImages_data() {
    QTest::addColumn<QString>("folder");
    QTest::newRow("data") << dataDir();
    QTest::newRow("aero") << fixture(QStringLiteral("aero"));
    QTest::newRow("pico") << fixture(QStringLiteral("pico"));
}

void SkinTest::productImages() {
    QFETCH(QString, folder);
    const Product p = productIn(folder);
    QVERIFY(!p.name.isEmpty());
    QVERIFY(p.buttons > 0);
    const QString dir = staged(QStringLiteral("skin/mouse/") + p.name);
    const QImage front(dir + QStringLiteral("/Mouse.png"));
    QCOMPARE(front.size(), QSize(600, 800));
    // The window tints the lights through this mask, pixel for pixel.
    QCOMPARE(QImage(dir + QStringLiteral("/Mouse_light.png")).size(), front.size());
    const QImage side(dir + QStringLiteral("_Side.png"));
    QCOMPARE(side.size(), QSize(600, 600));
    QList<QByteArray> seen{fileBytes(dir + QStringLiteral("/Mouse.png"))};
    for (int n = 1; n <= p.buttons; ++n) {
        const QString lit = dir + QStringLiteral("/mouse_%1.png").arg(n);
        QCOMPARE(QImage(lit).size(), front.size());
        // Each button lights a different area.
        const QByteArray bytes = fileBytes(lit);
        QVERIFY2(!seen.contains(bytes), qPrintable(lit));
        seen << bytes;
    }
    QVERIFY(!QFile::exists(dir + QStringLiteral("/mouse_%1.png").arg(p.buttons + 1)));
}

void SkinTest::deterministic() {
    // A fresh run in this process gives the same bytes as the build's run of
    // the generator (another process, another screen setup).
    QVector<skin::SkinFile> files = skin::commonFiles();
    for (const QString& folder : {dataDir(), fixture("aero"), fixture("pico")}) {
        const Product p = productIn(folder);
        files += skin::productFiles(p.name, p.buttons);
    }
    for (const skin::SkinFile& f : files) {
        const QByteArray first = f.make();
        QVERIFY2(!first.isEmpty(), qPrintable(f.path));
        QVERIFY2(first == fileBytes(staged(f.path)), qPrintable(f.path));
    }
}

void SkinTest::gifRoundTrip_data() {
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colours");
    QTest::addColumn<int>("frames");
    QTest::newRow("one pixel") << QSize(1, 1) << 2 << 1;
    QTest::newRow("flat") << QSize(40, 30) << 1 << 2;
    QTest::newRow("two colours") << QSize(64, 64) << 2 << 3;
    // Noise over 256 colours overflows the 4096-entry table many times.
    QTest::newRow("noise, table resets") << QSize(200, 150) << 256 << 2;
    QTest::newRow("odd width") << QSize(97, 13) << 17 << 4;
}

void SkinTest::gifRoundTrip() {
    QFETCH(QSize, size);
    QFETCH(int, colours);
    QFETCH(int, frames);
    GifAnimation anim;
    for (int i = 0; i < 256; ++i)
        anim.palette << qRgb(i, (i * 7) & 0xFF, 255 - i);
    quint32 seed = 12345;
    for (int f = 0; f < frames; ++f) {
        QImage img(size, QImage::Format_Indexed8);
        img.setColorTable(anim.palette);
        for (int y = 0; y < size.height(); ++y)
            for (int x = 0; x < size.width(); ++x)
                img.scanLine(y)[x] = uchar(colours == 1 ? 5 : lcg(seed) % quint32(colours));
        anim.frames << img;
    }
    const QByteArray gif = encodeGif(anim);
    QVERIFY(gif.startsWith("GIF89a"));
    QBuffer buffer;
    buffer.setData(gif);
    QImageReader reader(&buffer, "gif");
    QCOMPARE(reader.imageCount(), frames);
    for (int f = 0; f < frames; ++f) {
        const QImage got = reader.read().convertToFormat(QImage::Format_RGB32);
        QVERIFY2(!got.isNull(), qPrintable(reader.errorString()));
        const QImage want = anim.frames[f].convertToFormat(QImage::Format_RGB32);
        QCOMPARE(got, want);
    }
}

void SkinTest::gifRejectsBadFrames_data() {
    QTest::addColumn<QString>("fault");
    QTest::newRow("no frames") << "none";
    QTest::newRow("mixed sizes") << "sizes";
    QTest::newRow("not indexed") << "rgb";
    QTest::newRow("no palette") << "palette";
}

void SkinTest::gifRejectsBadFrames() {
    QFETCH(QString, fault);
    GifAnimation anim;
    anim.palette = {qRgb(0, 0, 0), qRgb(255, 255, 255)};
    QImage a(8, 8, QImage::Format_Indexed8);
    a.setColorTable(anim.palette);
    a.fill(0);
    if (fault == "sizes") {
        QImage b(9, 8, QImage::Format_Indexed8);
        b.setColorTable(anim.palette);
        b.fill(1);
        anim.frames << a << b;
    } else if (fault == "rgb") {
        anim.frames << QImage(8, 8, QImage::Format_RGB32);
    } else if (fault == "palette") {
        anim.palette.clear();
        anim.frames << a;
    }
    QVERIFY(encodeGif(anim).isEmpty());
}

void SkinTest::iconHasEverySize() {
    QImageReader reader(staged(QStringLiteral("skin/icon.ico")));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage img = reader.read();
        QVERIFY(!img.isNull());
        QCOMPARE(img.width(), img.height());
        sizes << img.width();
    }
    QCOMPARE(sizes, (QList<int>{16, 24, 32, 48, 64, 128, 256}));
}

void SkinTest::themeIcons_data() {
    QTest::addColumn<int>("px");
    for (int px : skin::kThemeIconSizes)
        QTest::newRow(qPrintable(QString::number(px))) << px;
}

// The icon theme finds an icon by its folder's size and trusts it.
void SkinTest::themeIcons() {
    QFETCH(int, px);
    QImageReader reader(QStringLiteral(ICON_DIR "/hicolor/%1x%1/apps/mousecfg.png").arg(px));
    QCOMPARE(reader.format(), QByteArray("png"));
    QCOMPARE(reader.read().size(), QSize(px, px));
}

void SkinTest::loadingAnimationPlays() {
    QMovie movie(staged(QStringLiteral("skin/loading.gif")));
    QVERIFY(movie.isValid());
    QCOMPARE(movie.frameCount(), 24);
    QImageReader reader(staged(QStringLiteral("skin/loading.gif")));
    QImage frame;
    for (int i = 0; i <= 12; ++i)
        frame = reader.read();
    QCOMPARE(frame.size(), QSize(192, 192));
    // Transparent corners, an opaque ring.
    QCOMPARE(qAlpha(frame.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(frame.pixel(96, 96 - 68)), 255);
}

QTEST_MAIN(SkinTest)
#include "test_skin.moc"
