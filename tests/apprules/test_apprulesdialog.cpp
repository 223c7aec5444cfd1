// The rules dialog: a rule typed from the keyboard reaches the rules file, a
// refused name says why and changes nothing, and every text fits in every
// language and for every focus source.
#include "appfollower.h"
#include "apprulesdialog.h"
#include "dialoglayout.h"
#include "kestlabel.h"
#include "language.h"
#include "paths.h"

#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

namespace {
// In the order of the program's language list, which picks each one's font.
const char* const kLanguages[] = {"en", "fr", "de", "zh_CN"};

// A follower over a rules file in a folder of its own.
struct Rules {
    QTemporaryDir config;
    AppFollower follower;
    Rules() {
        setConfigDirOverride(config.path());
        follower.start();
    }
    ~Rules() { setConfigDirOverride(QString()); }
    QByteArray file() const {
        QFile f(appProfilesPath());
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};
} // namespace

class AppRulesDialogTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { setAppDirOverride(QStringLiteral(APP_DIR)); }
    void addAndRemoveByKeyboard();
    void refusedNameChangesNothing_data();
    void refusedNameChangesNothing();
    void textsFit_data();
    void textsFit();
};

void AppRulesDialogTest::addAndRemoveByKeyboard() {
    Rules rules;
    AppRulesDialog dialog(&rules.follower, nullptr, 1.0);
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QWidget* field = dialog.newApp();
    QCOMPARE(dialog.focusWidget(), field);
    QTest::keyClicks(field, QStringLiteral("Steam.desktop"));
    QTest::keyClick(field, Qt::Key_Tab);
    QCOMPARE(dialog.focusWidget(), dialog.newProfile());
    QTest::keyClick(dialog.newProfile(), Qt::Key_Down);
    QTest::keyClick(dialog.newProfile(), Qt::Key_Down);
    QTest::keyClick(dialog.newProfile(), Qt::Key_Tab, Qt::ShiftModifier);
    QTest::keyClick(field, Qt::Key_Return);
    QVERIFY(dialog.isVisible());

    AppProfiles read;
    QCOMPARE(readAppProfiles(read), AppProfilesRead::Read);
    QCOMPARE(read.rules, (QList<AppRule>{{QStringLiteral("steam"), 2}}));
    QVERIFY(dialog.newApp()->currentText().isEmpty());
    QVERIFY(dialog.problemLabel()->text().isEmpty());

    // An edit from elsewhere (the tool) shows at once.
    QVERIFY(!rules.follower.setRule(QStringLiteral("gimp"), 4));
    QCOMPARE(dialog.ruleList()->topLevelItemCount(), 2);

    dialog.ruleList()->setFocus();
    QCOMPARE(dialog.ruleList()->currentItem()->text(0), QStringLiteral("steam"));
    QTest::keyClick(dialog.ruleList(), Qt::Key_Delete);
    QCOMPARE(readAppProfiles(read), AppProfilesRead::Read);
    QCOMPARE(read.rules, (QList<AppRule>{{QStringLiteral("gimp"), 4}}));
}

void AppRulesDialogTest::refusedNameChangesNothing_data() {
    QTest::addColumn<QString>("name");
    QTest::newRow("empty") << "";
    QTest::newRow("blank") << "   ";
    QTest::newRow("control character") << "a\tb";
    QTest::newRow("too long") << QString(kMaxAppIdLength + 1, QLatin1Char('a'));
}

void AppRulesDialogTest::refusedNameChangesNothing() {
    QFETCH(QString, name);
    Rules rules;
    QVERIFY(!rules.follower.setRule(QStringLiteral("steam"), 0));
    const QByteArray before = rules.file();
    AppRulesDialog dialog(&rules.follower, nullptr, 1.0);
    dialog.newApp()->setEditText(name);
    QTest::keyClick(dialog.newApp()->lineEdit(), Qt::Key_Return);
    const char* problem = appIdProblem(name);
    QVERIFY(problem);
    QCOMPARE(dialog.problemLabel()->text(), QCoreApplication::translate("AppProfiles", problem));
    QCOMPARE(rules.file(), before);
    QCOMPARE(dialog.ruleList()->topLevelItemCount(), 1);
}

void AppRulesDialogTest::textsFit_data() {
    QTest::addColumn<int>("language");
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("gnome");
    using S = FocusWatch::Source;
    using G = GnomeExtensionState;
    const QPair<S, G> sources[] = {{S::X11, G::NotGnome},  {S::Sway, G::NotGnome},
                                   {S::KWin, G::NotGnome}, {S::Gnome, G::Enabled},
                                   {S::None, G::NotGnome}, {S::None, G::Disabled},
                                   {S::None, G::Missing}};
    for (int language = 0; language < 4; ++language)
        for (double scale : {1.0, 1.5})
            for (const auto& [source, gnome] : sources)
                QTest::addRow("%s %.1f %d/%d", kLanguages[language], scale, int(source), int(gnome))
                    << language << scale << int(source) << int(gnome);
}

void AppRulesDialogTest::textsFit() {
    QFETCH(int, language);
    QFETCH(double, scale);
    QFETCH(int, source);
    QFETCH(int, gnome);
    setDisplayScale(scale);
    setCurrentLanguageIndex(language);
    Rules rules;
    QVERIFY(!rules.follower.setRule(QStringLiteral("org.example.SomeLongApplicationName"), 4));
    AppRulesDialog dialog(&rules.follower, nullptr, scale);
    dialog.showSource(FocusWatch::Source(source), GnomeExtensionState(gnome));
    // A refused name puts the store's longest kind of text on show.
    dialog.newApp()->setEditText(QString(kMaxAppIdLength + 1, QLatin1Char('a')));
    QTest::keyClick(dialog.newApp()->lineEdit(), Qt::Key_Return);
    dialog.show();

    const QString code = QString::fromLatin1(kLanguages[language]);
    QTranslator translator;
    QVERIFY(translator.load(QStringLiteral(APP_DIR "/lang/mousecfg_%1.qm").arg(code)));
    QCoreApplication::installTranslator(&translator);
    QCoreApplication::sendPostedEvents();
    QCoreApplication::sendPostedEvents();
    QCOMPARE(dialog.title(),
             QCoreApplication::translate("AppRulesDialog", "Profiles for Applications"));
    const QString problem = dialogLayoutProblem(dialog, scale);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));

    // For a look at it: MOUSECFG_DIALOG_SHOTS=<folder>.
    const QString shots = qEnvironmentVariable("MOUSECFG_DIALOG_SHOTS");
    if (!shots.isEmpty() && QDir().mkpath(shots))
        dialog.grab().save(QStringLiteral("%1/apprules-%2-%3-%4%5.png")
                               .arg(shots, code, QString::number(scale), QString::number(source),
                                    QString::number(gnome)));
    QCoreApplication::removeTranslator(&translator);
    setCurrentLanguageIndex(0);
}

QTEST_MAIN(AppRulesDialogTest)
#include "test_apprulesdialog.moc"
