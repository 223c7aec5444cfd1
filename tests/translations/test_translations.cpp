// The shipped catalogues: they load from the staged lang/ folder under the
// names the configuration lists, carry the expected texts, are complete, keep
// every placeholder and accelerator, and cover every text the sources mark.
#include "testutil.h"

#include "language.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QStringList translations; // one, or one per plural form
    QString type;             // "", "unfinished", "vanished", "obsolete"
};

// Reads the messages of a .ts file; `error` is set when the XML is broken.
QList<Message> readTs(const QString& path, QString* error) {
    QList<Message> out;
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot open ") + path;
        return out;
    }
    QXmlStreamReader xml(&f);
    QString context;
    Message m;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!xml.isStartElement()) continue;
        const auto name = xml.name();
        if (name == QLatin1String("context")) {
            context.clear();
        } else if (name == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (name == QLatin1String("message")) {
            m = Message{context, {}, {}, {}};
        } else if (name == QLatin1String("source")) {
            m.source = xml.readElementText();
        } else if (name == QLatin1String("translation")) {
            m.type = xml.attributes().value(QLatin1String("type")).toString();
            // Plural messages hold their forms in child elements.
            QString text;
            bool numerus = false;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isCharacters()) text += xml.text();
                if (xml.isStartElement() && xml.name() == QLatin1String("numerusform")) {
                    numerus = true;
                    m.translations << xml.readElementText();
                }
                if (xml.isEndElement() && xml.name() == QLatin1String("translation")) break;
            }
            if (!numerus) m.translations << text;
            out << m;
        }
    }
    if (xml.hasError()) *error = xml.errorString();
    return out;
}

// Placeholders and accelerators that must survive translation, as a sorted
// list so that a dropped or doubled one is noticed.
QStringList markers(const QString& text) {
    static const QRegularExpression re(QStringLiteral(
        R"(%L?\d{1,2}|%p%|%[-+#0]*\d*(?:\.\d+)?(?:ll|l|h)?[diuxXfsc]|%n|\(\*\.[A-Za-z0-9]+\))"));
    QStringList found;
    auto it = re.globalMatch(text);
    while (it.hasNext())
        found << it.next().captured();
    QString stripped = text;
    stripped.remove(QStringLiteral("&&"));
    if (stripped.contains(QLatin1Char('&'))) found << QStringLiteral("&");
    found.sort();
    return found;
}

// Why a translation does not fit its source ("" when it does).
QString mismatch(const QString& source, const QString& translation) {
    if (translation.trimmed().isEmpty()) return QStringLiteral("empty translation");
    if (markers(source) != markers(translation))
        return QStringLiteral("markers %1 became %2")
            .arg(markers(source).join(' '), markers(translation).join(' '));
    // Texts glued to a number (" MINUTE") keep their leading space.
    if (source.startsWith(' ') != translation.startsWith(' '))
        return QStringLiteral("leading space differs");
    if (source.endsWith(' ') != translation.endsWith(' '))
        return QStringLiteral("trailing space differs");
    return QString();
}

QString tsPath(const QString& lang) {
    return QStringLiteral(TS_DIR "/mousecfg_") + lang + QStringLiteral(".ts");
}

const QStringList kTranslatedLanguages = {"fr", "de", "zh_CN"};
const QStringList kAllLanguages = {"en", "fr", "de", "zh_CN"};

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void checkerCatchesBrokenTranslations_data();
    void checkerCatchesBrokenTranslations();
    void stagedCatalogueTexts_data();
    void stagedCatalogueTexts();
    void configuredLanguagesLoad_data();
    void configuredLanguagesLoad();
    void cataloguesComplete_data();
    void cataloguesComplete();
    void cataloguesCoverSources_data();
    void cataloguesCoverSources();
};

void TestTranslations::checkerCatchesBrokenTranslations_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("translation");
    QTest::addColumn<bool>("ok");
    QTest::newRow("plain") << "Cancel"
                           << "Annuler" << true;
    QTest::newRow("empty") << "Cancel"
                           << "" << false;
    QTest::newRow("blank") << "Cancel"
                           << "  " << false;
    QTest::newRow("arg kept") << "Delete %1?"
                              << "%1 löschen?" << true;
    QTest::newRow("arg dropped") << "Delete %1?"
                                 << "Löschen?" << false;
    QTest::newRow("arg renumbered") << "%1 of %2"
                                    << "%1 von %3" << false;
    QTest::newRow("args reordered") << "%1 of %2"
                                    << "%2 的 %1" << true;
    QTest::newRow("printf kept") << "Mode %d"
                                 << "Modus %d" << true;
    QTest::newRow("printf dropped") << "Mode %d"
                                    << "Modus" << false;
    QTest::newRow("percent split") << "%p%"
                                   << "%p %" << false;
    QTest::newRow("percent bar") << "Battery %p%"
                                 << "Batterie %p%" << true;
    QTest::newRow("accelerator moved") << "&Quit"
                                       << "退出(&Q)" << true;
    QTest::newRow("accelerator lost") << "&Quit"
                                      << "Quitter" << false;
    QTest::newRow("literal ampersand") << "Drag && Drop"
                                       << "Glisser-déposer" << true;
    QTest::newRow("filter kept") << "Profile File(*.prof)"
                                 << "Profildatei (*.prof)" << true;
    QTest::newRow("filter changed") << "Profile File(*.prof)"
                                    << "Profildatei (*.pro)" << false;
    QTest::newRow("filter dropped") << "Config File(*.conf)"
                                    << "Konfigurationsdatei" << false;
    QTest::newRow("unit space kept") << " MINUTE"
                                     << " MIN" << true;
    QTest::newRow("unit space lost") << " MINUTE"
                                     << "MIN" << false;
}

void TestTranslations::checkerCatchesBrokenTranslations() {
    QFETCH(QString, source);
    QFETCH(QString, translation);
    QFETCH(bool, ok);
    QCOMPARE(mismatch(source, translation).isEmpty(), ok);
}

void TestTranslations::stagedCatalogueTexts_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("context");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("expected");
    const struct {
        const char* file;
        const char* context;
        const char* source;
        const char* expected;
    } rows[] = {
        {"mousecfg_en", "MainWindow", "LOAD1", "LOAD"},
        {"mousecfg_en", "MainWindow", "Profile Exist!", "Profile Exist!"},
        {"mousecfg_en", "KestMessageBox", "Ok", "Ok"},
        {"mousecfg_fr", "MainWindow", "LOAD1", "CHARGER"},
        {"mousecfg_fr", "MainWindow", "SAVE", "ENREGISTRER"},
        {"mousecfg_fr", "MainWindow", "MOUSE OFF", "ÉTEINTE"},
        // French sets its closing punctuation apart with a non-breaking space.
        {"mousecfg_fr", "MainWindow", "Profile Exist!", "Ce profil existe déjà\u00a0!"},
        {"mousecfg_fr", "MainWindow", "LIGHTING", "ÉCLAIRAGE"},
        {"mousecfg_fr", "MainWindow", "&Quit", "&Quitter"},
        {"mousecfg_fr", "MainWindow", "Profile File(*.prof)", "Fichier de profil (*.prof)"},
        {"mousecfg_fr", "KestMessageBox", "Yes", "Oui"},
        {"mousecfg_fr", "PointerSpeedPanel", "Lift Distance", "Dist. de levée"},
        {"mousecfg_fr", "DpiStagePanel", " MINUTE", " MIN"},
        {"mousecfg_de", "MainWindow", "LOAD1", "LADEN"},
        {"mousecfg_de", "MainWindow", "SAVE", "SPEICHERN"},
        {"mousecfg_de", "MainWindow", "Mode", "Modus"},
        {"mousecfg_de", "MainWindow", "Profile", "Profil"},
        {"mousecfg_de", "MainWindow", "MOUSE OFF", "MAUS AUS"},
        {"mousecfg_de", "MainWindow", "Profile Exist!", "Profil existiert bereits!"},
        {"mousecfg_de", "MainWindow", "Cancel", "Abbrechen"},
        {"mousecfg_de", "MainWindow", "Apply", "Übernehmen"},
        {"mousecfg_de", "MainWindow", "MACRO", "MAKRO"},
        {"mousecfg_de", "MainWindow", "Config File(*.conf)", "Konfigurationsdatei (*.conf)"},
        {"mousecfg_de", "KestMessageBox", "No", "Nein"},
        {"mousecfg_de", "ReportRatePanel", "REPORT RATE", "ABFRAGERATE"},
        {"mousecfg_de", "ReportRatePanel", "1000 HZ", "1000 Hz"},
        {"mousecfg_de", "DpiStageRow", "Link XY", "XY gleich"},
        {"mousecfg_zh_CN", "MainWindow", "LOAD1", "载入"},
        {"mousecfg_zh_CN", "MainWindow", "SAVE", "保存"},
        {"mousecfg_zh_CN", "MainWindow", "MOUSE OFF", "鼠标关闭"},
        {"mousecfg_zh_CN", "MainWindow", "Profile Exist!", "配置已存在！"},
        {"mousecfg_zh_CN", "MainWindow", "Warning", "警告"},
        {"mousecfg_zh_CN", "MainWindow", "CUSTOMIZE", "自定义"},
        {"mousecfg_zh_CN", "MainWindow", "&Load Config", "打开设置(&L)"},
        {"mousecfg_zh_CN", "MainWindow", "Firmware Update", "固件更新"},
        {"mousecfg_zh_CN", "KestMessageBox", "Ok", "确定"},
        {"mousecfg_zh_CN", "PointerSpeedPanel", "Sensor Mode", "传感器模式"},
        {"mousecfg_zh_CN", "DpiStagePanel", "SLEEP TIME", "休眠时间"},
        // The same source in two contexts gets each context's text; a
        // context that never uses a text has no translation for it.
        {"mousecfg_de", "ReportRatePanel", "Lift off Distance", "Abhebehöhe"},
        {"mousecfg_de", "PointerSpeedPanel", "Lift off Distance", ""},
        {"mousecfg_fr", "KestMessageBox", "Cancel", ""},
    };
    for (const auto& r : rows)
        QTest::addRow("%s %s %s", r.file, r.context, r.source)
            << r.file << r.context << r.source << QString::fromUtf8(r.expected);
}

void TestTranslations::stagedCatalogueTexts() {
    QFETCH(QString, file);
    QFETCH(QString, context);
    QFETCH(QString, source);
    QFETCH(QString, expected);
    QTranslator translator;
    const QString path = QStringLiteral(APP_DIR "/lang/") + file + QStringLiteral(".qm");
    QVERIFY2(translator.load(path), qPrintable(path));
    QCOMPARE(translator.translate(qPrintable(context), qPrintable(source)), expected);
}

void TestTranslations::configuredLanguagesLoad_data() {
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("loadText");
    QTest::newRow("English") << 0 << "LOAD";
    QTest::newRow("French") << 1 << "CHARGER";
    QTest::newRow("German") << 2 << "LADEN";
    QTest::newRow("Chinese") << 3 << QString::fromUtf8("载入");
}

// The product's own configuration names each catalogue; every language it
// offers must find its file in the staged lang/ folder.
void TestTranslations::configuredLanguagesLoad() {
    QFETCH(int, index);
    QFETCH(QString, loadText);
    TempAppDir app(dataDir());
    QVERIFY(copyTree(QStringLiteral(APP_DIR "/lang"), app.file(QStringLiteral("lang"))));
    const LanguageList list = readLanguageList();
    QVERIFY(index < list.count);
    QTranslator translator;
    QVERIFY2(loadCatalogue(translator, index), qPrintable(list.files[index]));
    QCOMPARE(translator.translate("MainWindow", "LOAD1"), loadText);
}

void TestTranslations::cataloguesComplete_data() {
    QTest::addColumn<QString>("lang");
    for (const QString& lang : kAllLanguages)
        QTest::newRow(qPrintable(lang)) << lang;
}

void TestTranslations::cataloguesComplete() {
    QFETCH(QString, lang);
    QString error;
    const QList<Message> messages = readTs(tsPath(lang), &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(messages.size() > 50);
    QStringList faults;
    QSet<QPair<QString, QString>> seen;
    for (const Message& m : messages) {
        const QString where = m.context + QStringLiteral(" / \"") + m.source + '"';
        if (!m.type.isEmpty()) faults << where + QStringLiteral(": ") + m.type;
        for (const QString& t : m.translations) {
            const QString why = mismatch(m.source, t);
            if (!why.isEmpty()) faults << where + QStringLiteral(": ") + why;
            // An ordinary space there lets a message box wrap the mark alone
            // onto the next line.
            static const QRegularExpression looseMark(QStringLiteral(" [!?;:]"));
            if (lang == QLatin1String("fr") && t.contains(looseMark))
                faults << where + QStringLiteral(": breaking space before punctuation");
        }
        if (m.translations.isEmpty()) faults << where + QStringLiteral(": no translation");
        if (seen.contains({m.context, m.source})) faults << where + QStringLiteral(": twice");
        seen.insert({m.context, m.source});
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join('\n')));
}

void TestTranslations::cataloguesCoverSources_data() {
    QTest::addColumn<QString>("lang");
    for (const QString& lang : kAllLanguages)
        QTest::newRow(qPrintable(lang)) << lang;
}

// A text marked in the sources but missing from a catalogue would show up in
// English in the middle of a translated window.
void TestTranslations::cataloguesCoverSources() {
    QFETCH(QString, lang);
    if (!QFile::exists(QStringLiteral(LUPDATE))) QSKIP("lupdate is not installed");
    QTemporaryDir tmp;
    const QString fresh = tmp.filePath(QStringLiteral("fresh.ts"));
    QProcess lupdate;
    lupdate.start(QStringLiteral(LUPDATE),
                  {QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                   QStringLiteral(SRC_DIR), QStringLiteral("-ts"), fresh});
    QVERIFY(lupdate.waitForFinished(120000));
    QCOMPARE(lupdate.exitCode(), 0);

    QString error;
    const QList<Message> wanted = readTs(fresh, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QVERIFY(!wanted.isEmpty());
    QSet<QPair<QString, QString>> have;
    for (const Message& m : readTs(tsPath(lang), &error))
        if (m.type.isEmpty()) have.insert({m.context, m.source});
    QVERIFY2(error.isEmpty(), qPrintable(error));

    QStringList missing;
    for (const Message& m : wanted)
        if (!have.contains({m.context, m.source}))
            missing << m.context + QStringLiteral(" / \"") + m.source + '"';
    QVERIFY2(missing.isEmpty(),
             qPrintable(
                 QStringLiteral("not in the catalogue (build the update_translations target, then "
                                "translate the new entries):\n") +
                 missing.join('\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "test_translations.moc"
