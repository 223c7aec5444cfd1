// The colour editor: the hexadecimal field's length rules, the square's
// value/position mapping, the presets, one change per user action, the
// keyboard path, the result, and its texts in every language.
#include "coloreditordialog.h"
#include "dialoglayout.h"
#include "kestlineedit.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "paths.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTranslator>
#include <QtTest>

namespace {

QString rgb(const QColor& c) {
    return QStringLiteral("%1,%2,%3").arg(c.red()).arg(c.green()).arg(c.blue());
}

// Where the controls disagree with the colour the editor holds ("" when they
// all agree). The hexadecimal text is left out while it is being typed.
QString disagreement(const ColorEditorDialog& d, bool withHex = true) {
    const QColor c = d.color();
    if (rgb(QColor(d.rField()->value(), d.gField()->value(), d.bField()->value())) != rgb(c))
        return QStringLiteral("R G B fields");
    if (withHex && d.hexEdit()->text() != hexTextOf(c)) return QStringLiteral("hex text");
    const QColor fromHsv =
        QColor::fromHsv(d.hField()->value() % 360, d.sField()->value(), d.vField()->value());
    // The H/S/V triple names the colour up to the rounding between the two models.
    if (qAbs(fromHsv.red() - c.red()) > 3 || qAbs(fromHsv.green() - c.green()) > 3 ||
        qAbs(fromHsv.blue() - c.blue()) > 3)
        return QStringLiteral("H S V fields %1 for %2").arg(rgb(fromHsv), rgb(c));
    return QString();
}

void open(ColorEditorDialog& dialog) {
    dialog.show();
    QApplication::setActiveWindow(&dialog);
}

void retype(QWidget* field, const QString& keys) {
    field->setFocus();
    if (auto* spin = qobject_cast<QSpinBox*>(field)) spin->selectAll();
    if (auto* edit = qobject_cast<QLineEdit*>(field)) edit->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    QTest::keyClicks(field, keys);
}

} // namespace

class ColorAreaTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void cleanupTestCase() { setAppDirOverride(QString()); }
    void cleanup() { setDisplayScale(1.0); }

    void hexLengths_data();
    void hexLengths();
    void mapping_data();
    void mapping();
    void hueEdges();
    void presets_data();
    void presets();
    void oneChangePerAction_data();
    void oneChangePerAction();
    void keyboardReachesEverything();
    void result_data();
    void result();
    void swatchAnySize();
    void textsFit_data();
    void textsFit();
};

void ColorAreaTest::hexLengths_data() {
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QString>("field"); // "": the text goes to the rules directly
    QTest::addColumn<QString>("live");
    QTest::addColumn<QString>("finished");
    const auto row = [](const char* name, const char* keys, const char* field, const char* live,
                        const char* finished) {
        QTest::newRow(name) << QString(keys) << QString(field) << QString(live)
                            << QString(finished);
    };
    row("0 digits", "", "", "0,0,0", "000000");
    row("1 digit", "f", "f", "0,0,15", "00000f");
    row("2 digits", "1a", "1a", "0,0,26", "00001a");
    row("3 digits", "abc", "abc", "170,187,204", "aabbcc");
    row("3 capitals", "ABC", "ABC", "170,187,204", "aabbcc");
    row("4 digits", "12ab", "12ab", "0,18,171", "0012ab");
    row("5 digits", "12ab3", "12ab3", "1,42,179", "012ab3");
    row("6 digits", "12AB34", "12AB34", "18,171,52", "12ab34");
    row("7th digit refused", "12ab345", "12ab34", "18,171,52", "12ab34");
    row("not hexadecimal refused", "g1#z2", "12", "0,0,18", "000012");
    // The field holds six digits; longer or signed text only reaches the rules directly.
    row("7 digits", "12ab345", "", "0,0,0", "000000");
    row("a sign", "-f", "", "0,0,0", "000000");
}

void ColorAreaTest::hexLengths() {
    QFETCH(QString, keys);
    QFETCH(QString, field);
    QFETCH(QString, live);
    QFETCH(QString, finished);
    if (field.isEmpty() && !keys.isEmpty()) {
        QCOMPARE(rgb(colorFromHexText(keys)), live);
        QCOMPARE(normalizedHexText(keys), finished);
        return;
    }
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    dialog.setColor(QColor(9, 9, 9));
    QSignalSpy changes(&dialog, &ColorEditorDialog::KestChangeColor);
    QSignalSpy edits(dialog.hexEdit(), &QLineEdit::textEdited);
    retype(dialog.hexEdit(), keys);
    QCOMPARE(dialog.hexEdit()->text(), field);
    QCOMPARE(rgb(dialog.color()), live);
    // One change per keystroke that changed the text, the last one the colour.
    QCOMPARE(changes.count(), edits.count());
    QCOMPARE(rgb(changes.last().at(0).value<QColor>()), live);
    QCOMPARE(disagreement(dialog, false), QString());

    QTest::keyClick(dialog.hexEdit(), Qt::Key_Tab);
    QCOMPARE(dialog.hexEdit()->text(), finished);
    QCOMPARE(rgb(dialog.color()), live);
    QCOMPARE(rgb(colorFromHexText(finished)), live);
    QCOMPARE(changes.count(), edits.count());
}

void ColorAreaTest::mapping_data() {
    QTest::addColumn<double>("scale");
    QTest::addColumn<bool>("toPosition");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("to");
    const auto forward = [](const char* name, double scale, int value, int position) {
        QTest::newRow(name) << scale << true << value << position;
    };
    const auto back = [](const char* name, double scale, int position, int value) {
        QTest::newRow(name) << scale << false << position << value;
    };
    forward("1.0 value 0", 1.0, 0, 0);
    forward("1.0 value 128", 1.0, 128, 64);
    forward("1.0 value 255", 1.0, 255, 127);
    forward("1.25 value 255", 1.25, 255, 159);
    forward("1.5 value 255 is x 191 of 192", 1.5, 255, 191);
    forward("2.0 value 255", 2.0, 255, 255);
    back("1.0 position 0", 1.0, 0, 0);
    back("1.0 position 127", 1.0, 127, 254);
    back("1.0 position 128 is full", 1.0, 128, 255);
    back("1.25 position 158", 1.25, 158, 252);
    back("1.25 position 159 is full", 1.25, 159, 255);
    back("1.5 position 190", 1.5, 190, 253);
    back("1.5 position 191 is full", 1.5, 191, 255);
    back("2.0 position 254", 2.0, 254, 254);
    back("2.0 position 255 is full", 2.0, 255, 255);
}

void ColorAreaTest::mapping() {
    QFETCH(double, scale);
    QFETCH(bool, toPosition);
    QFETCH(int, from);
    QFETCH(int, to);
    setDisplayScale(scale);
    ColorEditorDialog dialog(nullptr, scale);
    open(dialog);
    SVColorArea* square = dialog.square();
    QCOMPARE(square->side(), scaled(128, scale));
    QCOMPARE(square->size(), QSize(square->side(), square->side()));
    if (toPosition) {
        QCOMPARE(svPositionFromValue(from, scale), to);
        dialog.vField()->setValue(from);
        dialog.sField()->setValue(from);
        QCOMPARE(square->markerCenter(), QPoint(to, square->side() - to));
    } else {
        QCOMPARE(svValueFromPosition(from, scale), to);
        QTest::mouseClick(square, Qt::LeftButton, {}, QPoint(from, square->side() - from));
        QCOMPARE(dialog.sField()->value(), to);
        QCOMPARE(dialog.vField()->value(), to);
        QCOMPARE(disagreement(dialog), QString());
    }
}

void ColorAreaTest::hueEdges() {
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    const HColorArea* strip = dialog.hueStrip();
    dialog.setColor(QColor(0, 0, 255));
    retype(dialog.hField(), QStringLiteral("360"));
    QCOMPARE(dialog.hField()->value(), 360);
    QCOMPARE(rgb(dialog.color()), QStringLiteral("255,0,0"));
    QCOMPARE(strip->markerY(), strip->stripTop());

    // A grey has no hue: the marker sits at the bottom, and saturating the
    // grey gives the red the strip and the H field show.
    dialog.setColor(QColor(128, 128, 128));
    QCOMPARE(dialog.color().hue(), -1);
    QCOMPARE(strip->markerY(), strip->stripTop() + strip->stripHeight());
    QCOMPARE(dialog.hField()->value(), 0);
    dialog.sField()->setValue(255);
    QCOMPARE(rgb(dialog.color()), QStringLiteral("128,0,0"));
    QCOMPARE(disagreement(dialog), QString());

    // The strip's top sends 360; the preview takes it as red.
    QSignalSpy sent(dialog.preview(), &PreviewColorArea::svChangedSignal);
    dialog.preview()->svChangedSlot(360, 128, 128);
    QCOMPARE(rgb(dialog.preview()->color()), QStringLiteral("255,0,0"));
    QCOMPARE(sent.takeFirst(), (QVariantList{0, 255, 255}));
}

void ColorAreaTest::presets_data() {
    QTest::addColumn<QString>("start");
    QTest::addColumn<int>("preset");
    QTest::addColumn<int>("key"); // 0: mouse click
    QTest::addColumn<QString>("ends");
    QTest::newRow("white from black") << "0,0,0" << 6 << 0 << "255,255,255";
    QTest::newRow("white from white") << "255,255,255" << 6 << int(Qt::Key_Space) << "255,255,255";
    // Blue already holds R and B: only G changes, and it must still count.
    QTest::newRow("cyan from blue") << "0,0,255" << 3 << int(Qt::Key_Enter) << "0,255,255";
    QTest::newRow("red from grey") << "128,128,128" << 0 << int(Qt::Key_Return) << "255,0,0";
    QTest::newRow("magenta from yellow") << "255,255,0" << 5 << 0 << "255,0,255";
}

void ColorAreaTest::presets() {
    QFETCH(QString, start);
    QFETCH(int, preset);
    QFETCH(int, key);
    QFETCH(QString, ends);
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    const QStringList c = start.split(QLatin1Char(','));
    dialog.setColor(QColor(c.at(0).toInt(), c.at(1).toInt(), c.at(2).toInt()));
    QSignalSpy changes(&dialog, &ColorEditorDialog::KestChangeColor);
    QSignalSpy applied(&dialog, &ColorEditorDialog::ApplyColor);
    DefaultColorArea* swatch = dialog.preset(preset);
    QCOMPARE(rgb(swatch->color()), ends);
    if (key == 0) {
        QTest::mouseClick(swatch, Qt::LeftButton);
    } else {
        swatch->setFocus();
        QTest::keyClick(swatch, Qt::Key(key));
    }
    QCOMPARE(rgb(dialog.color()), ends);
    QCOMPARE(changes.count(), 1);
    QCOMPARE(rgb(changes.first().at(0).value<QColor>()), ends);
    QCOMPARE(applied.count(), 1);
    QCOMPARE(disagreement(dialog), QString());
}

void ColorAreaTest::oneChangePerAction_data() {
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("ends"); // "" where only agreement is checked
    // From (10, 20, 30): hue 210, saturation 170, value 30. The R, G and B
    // fields keep what was typed, not a round trip through H, S and V.
    const char* rows[][3] = {{"R field", "r", "11,20,30"},
                             {"G field", "g", "10,21,30"},
                             {"B field", "b", "10,20,31"},
                             {"H field", "h", ""},
                             {"S field", "s", ""},
                             {"V field", "v", ""},
                             {"hex keystroke", "hex", "0,0,1"},
                             {"square press", "square", ""},
                             {"strip press", "strip", ""}};
    for (const auto& r : rows)
        QTest::newRow(r[0]) << QString(r[1]) << QString(r[2]);
}

void ColorAreaTest::oneChangePerAction() {
    QFETCH(QString, action);
    QFETCH(QString, ends);
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    dialog.setColor(QColor(10, 20, 30));
    QSignalSpy changes(&dialog, &ColorEditorDialog::KestChangeColor);
    QSignalSpy applied(&dialog, &ColorEditorDialog::ApplyColor);
    const QMap<QString, QSpinBox*> fields{{"r", dialog.rField()}, {"g", dialog.gField()},
                                          {"b", dialog.bField()}, {"h", dialog.hField()},
                                          {"s", dialog.sField()}, {"v", dialog.vField()}};
    if (QSpinBox* field = fields.value(action)) {
        field->setFocus();
        QTest::keyClick(field, Qt::Key_Up);
    } else if (action == QLatin1String("hex")) {
        dialog.hexEdit()->setFocus();
        dialog.hexEdit()->selectAll();
        QTest::keyClick(dialog.hexEdit(), Qt::Key_1);
    } else {
        QWidget* area = action == QLatin1String("square") ? static_cast<QWidget*>(dialog.square())
                                                          : dialog.hueStrip();
        QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(20, 40));
        // Letting go of an area applies the colour.
        QCOMPARE(applied.count(), 1);
    }
    QCOMPARE(changes.count(), 1);
    QCOMPARE(changes.first().at(0).value<QColor>(), dialog.color());
    if (!ends.isEmpty()) QCOMPARE(rgb(dialog.color()), ends);
    QCOMPARE(disagreement(dialog, action != QLatin1String("hex")), QString());
}

void ColorAreaTest::keyboardReachesEverything() {
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    QList<QWidget*> expected{dialog.sField(), dialog.vField(), dialog.rField(),
                             dialog.gField(), dialog.bField(), dialog.hexEdit()};
    for (int i = 0; i < kPresetCount; ++i)
        expected << dialog.preset(i);
    expected << dialog.yesButton() << dialog.noButton() << dialog.hField();
    dialog.hField()->setFocus();
    for (QWidget* next : expected) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), next);
    }
    // Back to the white preset and take it with the keyboard alone.
    for (int i = 0; i < 3; ++i)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    QCOMPARE(QApplication::focusWidget(), dialog.preset(6));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(rgb(dialog.color()), QStringLiteral("255,255,255"));
}

void ColorAreaTest::result_data() {
    QTest::addColumn<QString>("how");
    QTest::addColumn<int>("result");
    QTest::newRow("OK") << "ok" << int(QDialog::Accepted);
    QTest::newRow("Enter in the hex field") << "enter" << int(QDialog::Accepted);
    QTest::newRow("Cancel") << "cancel" << int(QDialog::Rejected);
    QTest::newRow("Escape") << "escape" << int(QDialog::Rejected);
}

void ColorAreaTest::result() {
    QFETCH(QString, how);
    QFETCH(int, result);
    ColorEditorDialog dialog(nullptr, 1.0);
    open(dialog);
    dialog.setColor(QColor(1, 2, 3));
    retype(dialog.hexEdit(), QStringLiteral("abc"));
    if (how == QLatin1String("ok"))
        dialog.yesButton()->click();
    else if (how == QLatin1String("cancel"))
        dialog.noButton()->click();
    else
        QTest::keyClick(dialog.hexEdit(),
                        how == QLatin1String("enter") ? Qt::Key_Return : Qt::Key_Escape);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), result);
    if (result == QDialog::Accepted) QCOMPARE(rgb(dialog.color()), QStringLiteral("170,187,204"));
    // Enter finishes the text before it accepts.
    if (how == QLatin1String("enter")) QCOMPARE(dialog.hexEdit()->text(), QStringLiteral("aabbcc"));
}

// The page's swatch is the same widget at 64 x 64 units, at any scale.
void ColorAreaTest::swatchAnySize() {
    for (const QSize size : {QSize(1, 1), QSize(3, 3), QSize(64, 64), QSize(320, 320)}) {
        DefaultColorArea swatch;
        swatch.setColor(QColor(18, 171, 52));
        swatch.resize(size);
        const QImage image = swatch.grab().toImage();
        QCOMPARE(image.size(), size);
        QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
        if (size.width() > 2)
            QCOMPARE(image.pixelColor(size.width() / 2, size.height() / 2), QColor(18, 171, 52));
    }
}

void ColorAreaTest::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char* language : {"en", "fr", "de", "zh_CN"})
        for (double scale : {1.0, 1.5})
            QTest::addRow("%s %.1f", language, scale) << QString::fromLatin1(language) << scale;
}

void ColorAreaTest::textsFit() {
    QFETCH(QString, language);
    QFETCH(double, scale);
    setDisplayScale(scale);
    ColorEditorDialog dialog(nullptr, scale);
    dialog.setColor(QColor(18, 171, 52));
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(APP_DIR "/lang/mousecfg_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(dialog.heading(), QCoreApplication::translate("ColorEditorDialog", "Color Edit"));
    if (language != QLatin1String("en")) QVERIFY(dialog.heading() != QLatin1String("Color Edit"));

    const QString problem = dialogLayoutProblem(dialog, scale);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // For a look at it: MOUSECFG_DIALOG_SHOTS=<folder>.
    const QString shots = qEnvironmentVariable("MOUSECFG_DIALOG_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        dialog.grab().save(QStringLiteral("%1/color-%2-%3.png").arg(shots, language).arg(scale));
    dialog.hField()->setValue(360);
    for (QSpinBox* f : {dialog.hField(), dialog.rField()})
        QVERIFY(f->sizeHint().width() <= f->width());

    QCoreApplication::removeTranslator(&translator);
}

QTEST_MAIN(ColorAreaTest)
#include "test_colorarea.moc"
