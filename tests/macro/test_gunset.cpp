// Gun files: the steps a recoil pattern becomes, the dialog's name checks,
// its shot rows as the user drives them, and its texts in every language.
#include "dialoglayout.h"
#include "gunfiledialog.h"
#include "kestaction.h"
#include "kestlabel.h"
#include "kestlineedit.h"
#include "kestmenu.h"
#include "kestmessagebox.h"
#include "kestpushbutton.h"
#include "kitscale.h"
#include "kittheme.h"
#include "paths.h"

#include <QApplication>
#include <QDir>
#include <QRegularExpression>
#include <QSpinBox>
#include <QTimer>
#include <QTranslator>
#include <QtTest>

namespace {

// Shots written as "delay,vertical,horizontal", space separated.
std::vector<GunShot> parseShots(const QString& script) {
    std::vector<GunShot> shots;
    for (const QString& shot : script.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = shot.split(QLatin1Char(','));
        shots.push_back({p.at(0).toInt(), p.at(1).toInt(), p.at(2).toInt()});
    }
    return shots;
}

// Steps written as "Map:DataH:DataL" in hex, as a macro file lists them.
QString stepString(const std::vector<MacroStep>& steps) {
    QStringList parts;
    for (const MacroStep& s : steps)
        parts << QString::asprintf("%02X:%02X:%02X", s.map, s.dataH, s.dataL);
    return parts.join(QLatin1Char(' '));
}

// What a message box opened during a click said, answered with its button.
struct SeenBox {
    int kind = 0;
    QString title;
    QString text;
};

SeenBox clickAndAnswer(KestPushButton* button) {
    SeenBox seen;
    // Posted before the click: it runs inside the box's own event loop.
    QTimer::singleShot(0, [&seen] {
        if (auto* box = qobject_cast<KestMessageBox*>(QApplication::activeModalWidget())) {
            seen = {box->kind(), box->title(), box->text()};
            box->acceptButton()->click();
        }
    });
    button->click();
    // No box: the posted check still has to run before the next one.
    QCoreApplication::processEvents();
    return seen;
}

} // namespace

class GunsetTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void cleanupTestCase() { setAppDirOverride(QString()); }
    void cleanup() { setDisplayScale(1.0); }

    void steps_data();
    void steps();
    void names_data();
    void names();
    void rows_data();
    void rows();
    void textsFit_data();
    void textsFit();
    void imagesStaged();
};

void GunsetTest::steps_data() {
    QTest::addColumn<QString>("shots");
    QTest::addColumn<QString>("steps");
    const QString click = QStringLiteral("01:00:01 81:00:01");
    QTest::newRow("two shots down 5 every 100 ms")
        << "100,5,0 100,5,0" << click + " 02:05:00 06:00:0A " + click + " 02:05:00 06:00:0A";
    QTest::newRow("up 3 is a signed byte") << "100,-3,0" << click + " 02:FD:00 06:00:0A";
    QTest::newRow("left 4 and right 7 in the low byte")
        << "100,0,-4 100,0,7" << click + " 02:00:FC 06:00:0A " + click + " 02:00:07 06:00:0A";
    QTest::newRow("vertical before horizontal")
        << "20,-1,1" << click + " 02:FF:00 02:00:01 06:00:02";
    QTest::newRow("5 ms keeps a delay of 0") << "5,0,0" << click + " 06:00:00";
    QTest::newRow("999 ms counts 99") << "999,0,0" << click + " 06:00:63";
    QTest::newRow("no pause, no delay step") << "0,2,0" << click + " 02:02:00";
    QTest::newRow("the ends of the fields")
        << "1,100,-100" << click + " 02:64:00 02:00:9C 06:00:00";
    // Values no field holds are clamped, not wrapped into the other direction.
    QTest::newRow("past the fields") << "5000,300,-300" << click + " 02:64:00 02:00:9C 06:00:63";
    QTest::newRow("a negative pause adds nothing") << "-50,0,0" << click;
}

void GunsetTest::steps() {
    QFETCH(QString, shots);
    QFETCH(QString, steps);
    QCOMPARE(stepString(gunSteps(parseShots(shots))), steps);
}

void GunsetTest::names_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("warning");
    const QString noName = QStringLiteral("Please input file name.");
    const QString invalid = QStringLiteral("Invalid macro name.");
    QTest::newRow("empty") << QString() << noName;
    QTest::newRow("blanks only") << QStringLiteral("   ") << noName;
    QTest::newRow("out of the folder") << QStringLiteral("../x") << invalid;
    QTest::newRow("into a sub-folder") << QStringLiteral("a/b") << invalid;
    QTest::newRow("plain") << QStringLiteral("spray recoil") << QString();
    QTest::newRow("not Latin") << QStringLiteral("压枪") << QString();
}

void GunsetTest::names() {
    QFETCH(QString, name);
    QFETCH(QString, warning);
    GunFileDialog dialog(nullptr, 1.0);
    dialog.setShotCount(2);
    dialog.setShot(0, {100, 5, 0});
    dialog.setShot(1, {100, 5, 0});
    dialog.setFileName(name);
    dialog.show();

    const SeenBox seen = clickAndAnswer(dialog.yesButton());
    if (warning.isEmpty()) {
        QCOMPARE(seen.kind, 0);
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.name(), name);
        QCOMPARE(stepString(dialog.steps()), stepString(gunSteps({{100, 5, 0}, {100, 5, 0}})));
    } else {
        QCOMPARE(seen.kind, int(KestMessageBox::Notice));
        QCOMPARE(seen.title, QStringLiteral("Warning"));
        QCOMPARE(seen.text, warning);
        QVERIFY(dialog.isVisible());
        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QVERIFY(dialog.name().isEmpty());
        QVERIFY(dialog.steps().empty());
    }
}

void GunsetTest::rows_data() {
    QTest::addColumn<int>("menuEntry");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("shotCount");
    QTest::addColumn<QString>("steps");
    const QString click = QStringLiteral("01:00:01 81:00:01");
    // `typed`: row:column:text, column 0 delay, 1 vertical, 2 horizontal.
    QTest::newRow("one shot as it opens") << 1 << "" << 1 << click + " 06:00:0A";
    QTest::newRow("three shots, the second edited")
        << 3 << "1:0:250 1:1:-3 1:2:12" << 3
        << click + " 06:00:0A " + click + " 02:FD:00 02:00:0C 06:00:19 " + click + " 06:00:0A";
    QTest::newRow("a row past the count is not sent")
        << 2 << "4:1:40 0:0:30" << 2 << click + " 06:00:03 " + click + " 06:00:0A";
    QTest::newRow("a digit past the range is refused")
        << 1 << "0:0:5000 0:1:150" << 1 << click + " 02:0F:00 06:00:32";
    QTest::newRow("five shots") << 5 << "4:2:-1" << 5
                                << click + " 06:00:0A " + click + " 06:00:0A " + click +
                                       " 06:00:0A " + click + " 06:00:0A " + click +
                                       " 02:00:FF 06:00:0A";
}

void GunsetTest::rows() {
    QFETCH(int, menuEntry);
    QFETCH(QString, typed);
    QFETCH(int, shotCount);
    QFETCH(QString, steps);
    GunFileDialog dialog(nullptr, 1.0);
    dialog.show();
    QCOMPARE(dialog.bulletsButton()->menu(), dialog.bulletsMenu());
    const QList<QAction*> entries = dialog.bulletsMenu()->actions();
    QCOMPARE(entries.size(), kMaxGunShots);
    QCOMPARE(entries.at(menuEntry - 1)->text(), QString::number(menuEntry));
    entries.at(menuEntry - 1)->trigger();
    QCOMPARE(dialog.shotCount(), shotCount);

    // Typing into a field past the count changes nothing the dialog sends.
    for (const QString& edit : typed.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QStringList p = edit.split(QLatin1Char(':'));
        const int row = p.at(0).toInt();
        QSpinBox* spin = p.at(1) == QLatin1String("0")   ? dialog.delaySpin(row)
                         : p.at(1) == QLatin1String("1") ? dialog.verticalSpin(row)
                                                         : dialog.horizontalSpin(row);
        if (!spin->isEnabled()) {
            QVERIFY(row >= shotCount);
            spin->setValue(p.at(2).toInt());
            continue;
        }
        spin->setFocus();
        spin->selectAll();
        QTest::keyClicks(spin, p.at(2));
        QTest::keyClick(spin, Qt::Key_Tab);
    }
    for (int i = 0; i < kMaxGunShots; ++i) {
        const bool used = i < shotCount;
        QCOMPARE(dialog.delaySpin(i)->isEnabled(), used);
        QCOMPARE(dialog.bulletImage(i)->skinImage(), used ? QStringLiteral("/skin/bullet.png")
                                                          : QStringLiteral("/skin/bullet_off.png"));
        QVERIFY(!dialog.bulletImage(i)->pixmap(Qt::ReturnByValue).isNull());
    }

    dialog.setFileName(QStringLiteral("spray"));
    QCOMPARE(clickAndAnswer(dialog.yesButton()).kind, 0);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(stepString(dialog.steps()), steps);
}

void GunsetTest::textsFit_data() {
    QTest::addColumn<QString>("language");
    QTest::addColumn<double>("scale");
    for (const char* language : {"en", "fr", "de", "zh_CN"})
        for (double scale : {1.0, 1.5})
            QTest::addRow("%s %.1f", language, scale) << QString::fromLatin1(language) << scale;
}

void GunsetTest::textsFit() {
    QFETCH(QString, language);
    QFETCH(double, scale);
    setDisplayScale(scale);
    GunFileDialog dialog(nullptr, scale);
    dialog.setShotCount(3);
    const QString englishHeading = dialog.heading();

    // Switching the language while the dialog is open retranslates it.
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(APP_DIR "/lang/mousecfg_%1.qm").arg(language)));
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(dialog.heading(), QCoreApplication::translate("GunFileDialog", "GUN SET"));
    if (language != QLatin1String("en")) QVERIFY(dialog.heading() != englishHeading);

    const QString problem = dialogLayoutProblem(dialog, scale);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
    // Three digits and a sign fit every field.
    QSpinBox* widest = dialog.verticalSpin(0);
    widest->setValue(-100);
    QVERIFY(widest->sizeHint().width() <= widest->width());

    // For a look at it: MOUSECFG_DIALOG_SHOTS=<folder>.
    const QString shots = qEnvironmentVariable("MOUSECFG_DIALOG_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        dialog.grab().save(QStringLiteral("%1/gunset-%2-%3.png").arg(shots, language).arg(scale));
    QCoreApplication::removeTranslator(&translator);
}

// Every image the dialog names, its fields' arrows included, is staged.
void GunsetTest::imagesStaged() {
    GunFileDialog dialog(nullptr, 1.0);
    // Opened with one shot: a lit bullet and dimmed ones.
    QStringList paths{skinPath(dialog.bulletImage(0)->skinImage()),
                      skinPath(dialog.bulletImage(kMaxGunShots - 1)->skinImage())};
    const QRegularExpression url(QStringLiteral("url\\(([^)]+)\\)"));
    for (auto it = url.globalMatch(dialog.delaySpin(0)->styleSheet()); it.hasNext();)
        paths << it.next().captured(1);
    QCOMPARE(paths.size(), 4);
    for (const QString& path : paths)
        QVERIFY2(!readSkinImage(path).isNull(), qPrintable(path));
}

QTEST_MAIN(GunsetTest)
#include "test_gunset.moc"
