// The kit's scale arithmetic, style templates, skin paths and the skinned
// controls' states and signals.
#include "kestaction.h"
#include "kestlabel.h"
#include "kestmenu.h"
#include "kestprogressbar.h"
#include "kestpushbutton.h"
#include "kestslider.h"
#include "kitscale.h"
#include "kittheme.h"
#include "language.h"
#include "paths.h"
#include "testutil.h"

#include <QCheckBox>
#include <QPainter>
#include <QSignalSpy>
#include <QtTest>
#include <cmath>
#include <limits>

class KitTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { setDisplayScale(1.0); }

    void scaleLadder_data();
    void scaleLadder();
    void logicalDpi_data();
    void logicalDpi();
    void truncation_data();
    void truncation();
    void publishedScaleIsClamped_data();
    void publishedScaleIsClamped();
    void styleTemplate_data();
    void styleTemplate();
    void batteryLooks_data();
    void batteryLooks();
    void accentTable_data();
    void accentTable();
    void skinPaths_data();
    void skinPaths();
    void nineSliceKeepsCorners();
    void buttonStateImages_data();
    void buttonStateImages();
    void buttonSignals();
    void buttonKeys_data();
    void buttonKeys();
    void focusFrameDrawn_data();
    void focusFrameDrawn();
    void batteryTextReads();
    void batteryCaptionFits_data();
    void batteryCaptionFits();
    void buttonLabelSetsTooltip();
    void sliderJumpsToClick_data();
    void sliderJumpsToClick();
    void labelClicks();
    void languageFontFollowsScale_data();
    void languageFontFollowsScale();
};

void KitTest::scaleLadder_data() {
    QTest::addColumn<double>("ratio");
    QTest::addColumn<int>("index");
    QTest::addColumn<double>("scale");
    QTest::newRow("1.0") << 1.0 << 0 << 1.0;
    QTest::newRow("just under 1.1") << 1.0999 << 0 << 1.0;
    QTest::newRow("1.1 starts 1.25") << 1.1 << 1 << 1.25;
    QTest::newRow("110 dpi") << 110 / 96.0 << 1 << 1.25;
    QTest::newRow("1.5") << 1.5 << 2 << 1.5;
    QTest::newRow("1.6") << 1.6 << 3 << 1.75;
    QTest::newRow("2.0") << 2.0 << 4 << 2.0;
    QTest::newRow("2.29") << 2.29 << 5 << 2.25;
    QTest::newRow("3.75") << 3.75 << 11 << 3.75;
    QTest::newRow("4.79") << 4.79 << 15 << 4.75;
    QTest::newRow("4.8 tops out") << 4.8 << 16 << 5.0;
    QTest::newRow("huge") << 40.0 << 16 << 5.0;
    QTest::newRow("below 1") << 0.5 << 0 << 1.0;
    QTest::newRow("negative") << -3.0 << 0 << 1.0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 0 << 1.0;
}

void KitTest::scaleLadder() {
    QFETCH(double, ratio);
    QFETCH(int, index);
    QFETCH(double, scale);
    QCOMPARE(scaleIndexForRatio(ratio), index);
    QCOMPARE(scaleForIndex(scaleIndexForRatio(ratio)), scale);
}

void KitTest::logicalDpi_data() {
    QTest::addColumn<double>("dpi");
    QTest::addColumn<double>("scale");
    QTest::newRow("96") << 96.0 << 1.0;
    QTest::newRow("110") << 110.0 << 1.25;
    QTest::newRow("120") << 120.0 << 1.25;
    QTest::newRow("144") << 144.0 << 1.5;
    QTest::newRow("192") << 192.0 << 2.0;
    QTest::newRow("480") << 480.0 << 5.0;
}

void KitTest::logicalDpi() {
    QFETCH(double, dpi);
    QFETCH(double, scale);
    QCOMPARE(scaleForLogicalDpi(dpi), scale);
}

void KitTest::truncation_data() {
    QTest::addColumn<int>("logical");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("device");
    QTest::newRow("window width 1.25") << 999 << 1.25 << 1248;
    QTest::newRow("window width 1.75") << 999 << 1.75 << 1748;
    QTest::newRow("window height 1.25") << 640 << 1.25 << 800;
    QTest::newRow("font 12 at 1.25") << 12 << 1.25 << 15;
    QTest::newRow("font 12 at 1.75") << 12 << 1.75 << 21;
    QTest::newRow("font 14 at 1.75") << 14 << 1.75 << 24;
    QTest::newRow("close 19 at 1.5") << 19 << 1.5 << 28;
    QTest::newRow("odd at 2.25") << 7 << 2.25 << 15;
    QTest::newRow("zero") << 0 << 3.0 << 0;
}

void KitTest::truncation() {
    QFETCH(int, logical);
    QFETCH(double, scale);
    QFETCH(int, device);
    QCOMPARE(scaled(logical, scale), device);
    QCOMPARE(scaledSize(QSize(logical, logical), scale), QSize(device, device));
    QCOMPARE(scaledRect(QRect(logical, logical, logical, logical), scale),
             QRect(device, device, device, device));
    // The published scale feeds the one-argument helpers.
    setDisplayScale(scale < 1.0 ? 1.0 : scale);
    QCOMPARE(scaled(logical), scaled(logical, displayScale()));
    if (logical > 0)
        QCOMPARE(scaledFont(QFont(), logical, scale).pixelSize(), device > 0 ? device : -1);
}

void KitTest::publishedScaleIsClamped_data() {
    QTest::addColumn<double>("given");
    QTest::addColumn<double>("kept");
    QTest::newRow("normal") << 2.25 << 2.25;
    QTest::newRow("too small") << 0.5 << 1.0;
    QTest::newRow("zero") << 0.0 << 1.0;
    QTest::newRow("too large") << 7.0 << 5.0;
    QTest::newRow("nan") << std::numeric_limits<double>::quiet_NaN() << 1.0;
}

void KitTest::publishedScaleIsClamped() {
    QFETCH(double, given);
    QFETCH(double, kept);
    setDisplayScale(given);
    QCOMPARE(displayScale(), kept);
}

void KitTest::styleTemplate_data() {
    QTest::addColumn<QString>("tmpl");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("filled");
    QTest::newRow("size 1.75") << "a:14@px;" << 1.75 << "a:24px;";
    QTest::newRow("accent") << "c:@accent@;" << 1.0 << "c:rgb(145,145,145);";
    QTest::newRow("several") << "m:4@px 18@px;r:2@px" << 1.25 << "m:5px 22px;r:2px";
    QTest::newRow("zero") << "w:0@px" << 2.0 << "w:0px";
    QTest::newRow("plain px untouched") << "w:1px;h:3@px" << 2.5 << "w:1px;h:7px";
    QTest::newRow("no placeholders") << "QMenu{}" << 3.0 << "QMenu{}";
}

void KitTest::styleTemplate() {
    QFETCH(QString, tmpl);
    QFETCH(double, scale);
    QFETCH(QString, filled);
    QCOMPARE(fillStyleTemplate(tmpl, accentColor(0), scale), filled);
}

void KitTest::batteryLooks_data() {
    QTest::addColumn<bool>("off");
    QTest::addColumn<double>("scale");
    QTest::addColumn<QString>("background");
    QTest::addColumn<QString>("fontSize");
    QTest::newRow("normal 1.0") << false << 1.0 << "rgb(145,145,145)"
                                << "font-size:14px";
    QTest::newRow("normal 1.75") << false << 1.75 << "rgb(145,145,145)"
                                 << "font-size:24px";
    QTest::newRow("off 1.0") << true << 1.0 << "rgb(100,100,100)"
                             << "font-size:14px";
    QTest::newRow("off 1.25") << true << 1.25 << "rgb(100,100,100)"
                              << "font-size:17px";
}

void KitTest::batteryLooks() {
    QFETCH(bool, off);
    QFETCH(double, scale);
    QFETCH(QString, background);
    QFETCH(QString, fontSize);
    setDisplayScale(scale);
    KestProgressBar bar;
    bar.setOffLook(off);
    const QString css = bar.styleSheet();
    QVERIFY2(css.contains(fontSize), qPrintable(css));
    // Normal: the chunk carries the accent. Off: the whole bar is grey.
    const QString block = off ? QStringLiteral("QProgressBar\\{") : QStringLiteral("::chunk\\{");
    const QRegularExpression rule(block + QStringLiteral("[^}]*background-color:") +
                                  QRegularExpression::escape(background));
    QVERIFY2(rule.match(css).hasMatch(), qPrintable(css));
    QCOMPARE(bar.offLook(), off);
}

void KitTest::batteryTextReads() {
    setDisplayScale(2.0);
    for (int level : {0, 30, 50, 100, -1}) { // -1: the off look
        KestProgressBar bar;
        bar.resize(124, 50);
        bar.setOffLook(level < 0);
        bar.setCaption(level < 0 ? QStringLiteral("MOUSE OFF") : QStringLiteral("%p%"));
        bar.setValue(level < 0 ? 50 : level);
        bar.setTextVisible(false);
        const QImage bare = bar.grab().toImage();
        bar.setTextVisible(true);
        const QImage shown = bar.grab().toImage();
        // Over each background the text shows on, its strongest pixel reads at 4.5:1.
        QHash<QRgb, QPair<int, double>> text; // pixels, best contrast
        for (int i = 0; i < bare.width() * bare.height(); ++i) {
            const QPoint p(i % bare.width(), i / bare.width());
            auto& t = text[bare.pixel(p)];
            if (shown.pixel(p) != bare.pixel(p))
                t = {t.first + 1,
                     qMax(t.second, contrastRatio(shown.pixelColor(p), bare.pixelColor(p)))};
        }
        for (auto it = text.cbegin(); it != text.cend(); ++it)
            QVERIFY2(
                it->first < 10 || it->second >= 4.5,
                qPrintable(QStringLiteral("%1 on %2").arg(level).arg(QColor(it.key()).name())));
    }
}

void KitTest::accentTable_data() {
    QTest::addColumn<int>("id");
    for (int i = 0; i < kAccentCount; ++i)
        QTest::addRow("theme %d", i) << i;
    QTest::newRow("negative") << -1;
    QTest::newRow("past the table") << kAccentCount;
    QTest::newRow("far out") << 100000;
}

void KitTest::accentTable() {
    QFETCH(int, id);
    QCOMPARE(accentColor(id), QColor(145, 145, 145));
}

void KitTest::skinPaths_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("relative"); // expected path below the app dir, or "" for as-is
    QTest::newRow("program form") << "/skin/close-1.png"
                                  << "/skin/close-1.png";
    QTest::newRow("relative") << "skin/bat1.png"
                              << "/skin/bat1.png";
    QTest::newRow("resource") << ":/yes_Btn"
                              << "";
}

void KitTest::skinPaths() {
    QFETCH(QString, name);
    QFETCH(QString, relative);
    TempAppDir app;
    if (relative.isEmpty())
        QCOMPARE(skinPath(name), name);
    else
        QCOMPARE(skinPath(name), app.path() + relative);
    // An existing absolute file outside the skin folder is used as it is.
    const QString outside = app.file(QStringLiteral("elsewhere.png"));
    writeText(outside, "x");
    QCOMPARE(skinPath(outside), outside);
}

void KitTest::nineSliceKeepsCorners() {
    // Red 10 px corners on a blue 30 x 30 image, drawn 200 wide: a plain
    // stretch would smear the red corner across x 0-66.
    QImage src(30, 30, QImage::Format_ARGB32);
    src.fill(Qt::blue);
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x) {
            src.setPixel(x, y, qRgb(255, 0, 0));
            src.setPixel(29 - x, y, qRgb(255, 0, 0));
        }
    QImage out(200, 30, QImage::Format_ARGB32);
    out.fill(Qt::black);
    {
        QPainter p(&out);
        drawSkinImage(p, out.rect(), QPixmap::fromImage(src));
    }
    QCOMPARE(QColor(out.pixel(4, 4)), QColor(Qt::red));
    QCOMPARE(QColor(out.pixel(195, 4)), QColor(Qt::red));
    QCOMPARE(QColor(out.pixel(60, 4)), QColor(Qt::blue));
    QCOMPARE(QColor(out.pixel(100, 20)), QColor(Qt::blue));
}

void KitTest::buttonStateImages_data() {
    QTest::addColumn<QStringList>("images");
    QTest::addColumn<QString>("normal");
    QTest::addColumn<QString>("hover");
    QTest::addColumn<QString>("pressed");
    const QStringList three = {"/skin/button-1.png", "/skin/button-3.png", "/skin/button-2.png"};
    QTest::newRow("three in given order") << three << three[0] << three[1] << three[2];
    QTest::newRow("one image for all") << QStringList{"/skin/rate.png"} << "/skin/rate.png"
                                       << "/skin/rate.png"
                                       << "/skin/rate.png";
    QTest::newRow("two: pressed reuses hover") << QStringList{"a", "b"} << "a"
                                               << "b"
                                               << "b";
    QTest::newRow("none") << QStringList() << ""
                          << ""
                          << "";
}

void KitTest::buttonStateImages() {
    QFETCH(QStringList, images);
    QFETCH(QString, normal);
    QFETCH(QString, hover);
    QFETCH(QString, pressed);
    KestPushButton b(images);
    b.resize(100, 20);
    QCOMPARE(b.imageFor(b.visualState()), normal);
    b.setHoverLook(true);
    QCOMPARE(b.visualState(), KestPushButton::Hover);
    QCOMPARE(b.imageFor(b.visualState()), hover);
    b.setHoverLook(false);
    b.setSelected(true);
    QCOMPARE(b.visualState(), KestPushButton::Pressed);
    QCOMPARE(b.imageFor(b.visualState()), pressed);
    b.setSelected(false);
    b.setDown(true);
    QCOMPARE(b.imageFor(b.visualState()), pressed);
    b.setDown(false);
    QCOMPARE(b.visualState(), KestPushButton::Normal);
    // A disabled button never looks hovered.
    b.setEnabled(false);
    b.setHoverLook(true);
    QCOMPARE(b.visualState(), KestPushButton::Normal);
}

void KitTest::buttonSignals() {
    KestPushButton b({"/skin/button-1.png"});
    b.resize(120, 30);
    b.show();
    QVERIFY(QTest::qWaitForWindowExposed(&b));
    QStringList order;
    connect(&b, &KestPushButton::EnterSignal, this, [&](KestPushButton* who) {
        QCOMPARE(who, &b);
        order << "enter";
    });
    connect(&b, &QPushButton::pressed, this, [&] { order << "pressed"; });
    QSignalSpy over(&b, &KestPushButton::OverSignal);

    // The press signal comes before the button's own press handling.
    QTest::mousePress(&b, Qt::LeftButton);
    QCOMPARE(order, (QStringList{"enter", "pressed"}));
    QTest::mouseRelease(&b, Qt::LeftButton);

    // Other buttons and disabled buttons do not report a press.
    order.clear();
    QTest::mousePress(&b, Qt::RightButton);
    QTest::mouseRelease(&b, Qt::RightButton);
    b.setEnabled(false);
    QTest::mousePress(&b, Qt::LeftButton);
    QTest::mouseRelease(&b, Qt::LeftButton);
    QVERIFY(!order.contains("enter"));
    b.setEnabled(true);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&b, &enter);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&b, &leave);
    QCOMPARE(over.count(), 2);
    QCOMPARE(over.at(0).at(1).toBool(), true);
    QCOMPARE(over.at(1).at(1).toBool(), false);
    QCOMPARE(over.at(0).at(0).value<KestPushButton*>(), &b);
}

void KitTest::buttonKeys_data() {
    QTest::addColumn<int>("key");
    QTest::addColumn<bool>("enabled");
    QTest::addColumn<int>("clicks");
    QTest::newRow("space") << int(Qt::Key_Space) << true << 1;
    QTest::newRow("return") << int(Qt::Key_Return) << true << 1;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << true << 1;
    QTest::newRow("other key") << int(Qt::Key_A) << true << 0;
    QTest::newRow("disabled, return") << int(Qt::Key_Return) << false << 0;
    QTest::newRow("disabled, space") << int(Qt::Key_Space) << false << 0;
}

// The keyboard works a skinned button as a press of the left button does:
// the early press signal (tabs and menus listen to it), then the click.
void KitTest::buttonKeys() {
    QFETCH(int, key);
    QFETCH(bool, enabled);
    QFETCH(int, clicks);
    QWidget top;
    auto* b = new KestPushButton({"/skin/button-1.png"}, &top);
    b->resize(120, 30);
    b->setEnabled(enabled);
    QCOMPARE(b->focusPolicy(), Qt::TabFocus);
    QSignalSpy entered(b, &KestPushButton::EnterSignal);
    QSignalSpy clicked(b, &QPushButton::clicked);
    QTest::keyClick(b, Qt::Key(key));
    QCOMPARE(entered.count(), clicks);
    QCOMPARE(clicked.count(), clicks);
}

void KitTest::focusFrameDrawn_data() {
    QTest::addColumn<QString>("kind");
    QTest::newRow("button") << "button";
    QTest::newRow("slider") << "slider";
    QTest::newRow("check box") << "check box";
}

// Keyboard focus shows as a frame just inside the control's edge.
void KitTest::focusFrameDrawn() {
    QFETCH(QString, kind);
    QWidget top;
    QWidget* first = nullptr;
    if (kind == "button") first = new KestPushButton({"/skin/button-1.png"}, &top);
    if (kind == "slider") first = new KestSlider(Qt::Horizontal, &top);
    if (kind == "check box") {
        first = new QCheckBox(QStringLiteral("Sync"), &top);
        first->setStyleSheet(checkBoxStyleSheet("/skin/a.png", "/skin/b.png", 1.0));
    }
    auto* second = new KestPushButton({"/skin/button-1.png"}, &top);
    first->setGeometry(0, 0, 120, 30);
    second->setGeometry(0, 40, 120, 30);
    top.show();
    QApplication::setActiveWindow(&top);
    QVERIFY(QTest::qWaitForWindowActive(&top));
    first->setFocus(Qt::TabFocusReason);
    QVERIFY(first->hasFocus());
    const QImage focused = first->grab().toImage();
    second->setFocus(Qt::TabFocusReason);
    const QImage unfocused = first->grab().toImage();
    QCOMPARE(focused.size(), unfocused.size());
    int differ = 0;
    const int h = focused.height();
    for (int x = 0; x < focused.width(); ++x)
        for (int y : {0, 1, 2, 3, h - 1, h - 2, h - 3, h - 4})
            if (focused.pixel(x, y) != unfocused.pixel(x, y)) ++differ;
    QVERIFY2(differ > focused.width() / 2, qPrintable(QString::number(differ)));
}

void KitTest::batteryCaptionFits_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("fullSize"); // must keep the normal size
    QTest::newRow("level") << "%p%" << 1.0 << true;
    QTest::newRow("English off") << "MOUSE OFF" << 1.0 << false;
    QTest::newRow("English off, 1.5") << "MOUSE OFF" << 1.5 << false;
    QTest::newRow("Chinese off, 2.0") << QString::fromUtf8("鼠标关闭") << 2.0 << false;
}

void KitTest::batteryCaptionFits() {
    QFETCH(QString, text);
    QFETCH(double, scale);
    QFETCH(bool, fullSize);
    setDisplayScale(scale);
    // The window's battery bar: 62 x 25 logical.
    KestProgressBar bar;
    bar.resize(int(62 * scale), int(25 * scale));
    bar.setValue(100);
    bar.setCaption(text);
    bar.ensurePolished();
    if (!text.contains('%')) QCOMPARE(bar.text(), text);
    text = bar.text();
    QCOMPARE(bar.font().pixelSize(), int(bar.captionPixels() * scale));
    QVERIFY2(QFontMetrics(bar.font()).horizontalAdvance(text) <= bar.width(),
             qPrintable(QStringLiteral("%1 px").arg(bar.captionPixels())));
    if (fullSize) QCOMPARE(bar.captionPixels(), 14);
    // Never smaller than needed: one size up would not fit.
    if (bar.captionPixels() < 14) {
        QFont bigger = bar.font();
        bigger.setPixelSize(int((bar.captionPixels() + 1) * scale));
        QVERIFY(QFontMetrics(bigger).horizontalAdvance(text) > bar.width() - 2 * scaled(4));
    }
    // A wider bar takes the text back up.
    bar.show();
    bar.resize(int(200 * scale), int(25 * scale));
    QCOMPARE(bar.captionPixels(), 14);
}

void KitTest::buttonLabelSetsTooltip() {
    KestPushButton b;
    b.setLabel(QStringLiteral("Forward"));
    QCOMPARE(b.text(), QStringLiteral("Forward"));
    QCOMPARE(b.toolTip(), QStringLiteral("Forward"));
    b.setNumber(3);
    QCOMPARE(b.number(), 3);
}

void KitTest::sliderJumpsToClick_data() {
    QTest::addColumn<int>("min");
    QTest::addColumn<int>("max");
    QTest::addColumn<double>("where"); // fraction of the width
    QTest::addColumn<int>("value");
    QTest::newRow("right end") << 1 << 5 << 0.98 << 5;
    QTest::newRow("left end") << 1 << 5 << 0.02 << 1;
    QTest::newRow("middle") << 1 << 9 << 0.5 << 5;
    QTest::newRow("three steps right") << 1 << 3 << 0.9 << 3;
}

void KitTest::sliderJumpsToClick() {
    QFETCH(int, min);
    QFETCH(int, max);
    QFETCH(double, where);
    QFETCH(int, value);
    KestSlider s;
    s.setRange(min, max);
    s.setValue(max - min > 2 ? min + 1 : min);
    s.resize(200, 24);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QSignalSpy mouse(&s, &KestSlider::SliderMouseSignal);
    const QPoint at(int(200 * where), 12);
    QTest::mousePress(&s, Qt::LeftButton, {}, at);
    QTest::mouseRelease(&s, Qt::LeftButton, {}, at);
    QCOMPARE(s.value(), value);
    QCOMPARE(mouse.count(), 2);
}

void KitTest::labelClicks() {
    KestLabel l(QStringLiteral("X:100"));
    l.resize(80, 20);
    l.show();
    QVERIFY(QTest::qWaitForWindowExposed(&l));
    QSignalSpy spy(&l, &KestLabel::LabelClickSignal);
    QTest::mouseClick(&l, Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<KestLabel*>(), &l);
    QTest::mouseClick(&l, Qt::RightButton);
    QCOMPARE(spy.count(), 1);
    // A missing skin image leaves the label empty instead of failing.
    l.setSkinImage(QStringLiteral("/skin/not-there.png"));
    QVERIFY(l.pixmap(Qt::ReturnByValue).isNull());
}

void KitTest::languageFontFollowsScale_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("pixels");
    QTest::newRow("1.0") << 1.0 << 12;
    QTest::newRow("1.25") << 1.25 << 15;
    QTest::newRow("1.75") << 1.75 << 21;
}

void KitTest::languageFontFollowsScale() {
    QFETCH(double, scale);
    QFETCH(int, pixels);
    TempAppDir app;
    writeText(app.file(QStringLiteral("Configs/Config.ini")),
              "[FONT_LIST]\nFONT_0=DejaVu Sans\nFONT_SIZE_0=12\n");
    setCurrentLanguageIndex(0);
    setDisplayScale(scale);
    KestAction action(QStringLiteral("Left"));
    QCOMPARE(action.font().pixelSize(), pixels);
    QCOMPARE(action.font().family(), QStringLiteral("DejaVu Sans"));
    // Retranslating keeps the font.
    action.setText(QStringLiteral("Gauche"));
    QCOMPARE(action.font().pixelSize(), pixels);
    KestPushButton b;
    QCOMPARE(b.font().pixelSize(), pixels);
    QMenu menu;
    styleMenu(&menu, 150);
    QCOMPARE(menu.width(), scaled(150, scale));
    QCOMPARE(menu.font().pixelSize(), pixels);
}

QTEST_MAIN(KitTest)
#include "test_kit.moc"
