// The files installed for the desktop: the udev rule that gives the seat's
// user the mouse (generated from the product definitions) and the helper that
// installs it, the menu entry and the software-centre description.
#include "accessrule.h"
#include "desktopfocus.h"
#include "paths.h"
#include "productdef.h"
#include "testutil.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The only line form the rule may hold: no MODE, no GROUP, no other subsystem.
const char kRuleLine[] = R"re(^SUBSYSTEM=="hidraw", ATTRS\{idVendor\}=="([0-9a-f]{4})", )re"
                         R"re(ATTRS\{idProduct\}=="([0-9a-f]{4})", TAG\+="uaccess"$)re";

// The "vvvv:pppp" pairs of a rules file, in order; a line of any other form
// is returned as "bad: <line>" so the comparison shows it.
QStringList rulePairs(const QString& path) {
    QStringList pairs;
    for (const QByteArray& raw : readText(path).split('\n')) {
        const QString line = QString::fromUtf8(raw);
        if (line.isEmpty() || line.startsWith(QLatin1Char('#'))) continue;
        const QRegularExpressionMatch m = QRegularExpression(kRuleLine).match(line);
        pairs << (m.hasMatch() ? m.captured(1) + ':' + m.captured(2) : "bad: " + line);
    }
    return pairs;
}

QString pair(int vid, int pid) {
    return QString::asprintf("%04x:%04x", vid, pid);
}

} // namespace

class InstallFilesTest : public QObject {
    Q_OBJECT
private slots:
    void shippedRule();
    void generator_data();
    void generator();
    void validators_data();
    void validators();
    void metainfoMatchesBuild();
    void focusPackages();
    void ruleOffer();
    void ruleHelper_data();
    void ruleHelper();

private:
    QTemporaryDir m_copies;
};

// The rule that is installed names exactly the devices the program opens.
void InstallFilesTest::shippedRule() {
    setAppDirOverride(dataDir());
    const UsbIds ids = usbIds();
    setAppDirOverride(QString());
    QStringList expect{pair(ids.vid1, ids.pid1)};
    if (!expect.contains(pair(ids.vid2, ids.pid2))) expect << pair(ids.vid2, ids.pid2);
    QCOMPARE(rulePairs(QStringLiteral(UDEV_RULES)), expect);
}

void InstallFilesTest::generator_data() {
    QTest::addColumn<QStringList>("products"); // file contents, or a fixture folder
    QTest::addColumn<QStringList>("pairs");    // empty: the build must fail
    // Another product's receiver changes the rule; its cable PID equals its
    // receiver's and is written once.
    QTest::newRow("other product") << QStringList{"@orbit"} << QStringList{"248a:fa03"};
    QTest::newRow("same IDs in two products")
        << QStringList{"@data", "@aero"} << QStringList{"248a:fa02", "248a:fb01"};
    QTest::newRow("undeclared cable takes the default")
        << QStringList{"[PROFILE]\nvid1=4660\npid1=22136\n"}
        << QStringList{"1234:5678", "248a:fb01"};
    QTest::newRow("no IDs") << QStringList{"[PROFILE]\nProductName=X\n"} << QStringList();
    QTest::newRow("missing file") << QStringList{"@noproduct"} << QStringList();
    QTest::newRow("one bad of two") << QStringList{"@data", "[OTHER]\nvid1=1\n"} << QStringList();
    QTest::newRow("ID past 16 bits")
        << QStringList{"[PROFILE]\nvid1=9354\npid1=70000\n"} << QStringList();
    QTest::newRow("hostile value")
        << QStringList{"[PROFILE]\nvid1=9354\nName=" + kHostileStringList + '\n'} << QStringList();
}

void InstallFilesTest::generator() {
    QFETCH(QStringList, products);
    QFETCH(QStringList, pairs);
    QTemporaryDir dir;
    QStringList args{dir.filePath(QStringLiteral("60-mousecfg.rules"))};
    for (int i = 0; i < products.size(); ++i) {
        const QString& p = products[i];
        if (p.startsWith('@')) {
            const QString folder = p == "@data" ? dataDir() : fixture(p.mid(1));
            args << folder + QStringLiteral("/DefaultProfile.bin");
        } else {
            args << dir.filePath(QStringLiteral("product%1.bin").arg(i));
            writeText(args.last(), p.toUtf8());
        }
    }
    QProcess gen;
    gen.start(QStringLiteral(UDEVGEN), args);
    QVERIFY(gen.waitForFinished(30000));
    const QByteArray err = gen.readAllStandardError();
    if (pairs.isEmpty()) {
        QCOMPARE(gen.exitCode(), 1);
        QVERIFY2(err.startsWith("udevgen: "), err.constData()); // says why
        QVERIFY(!QFile::exists(args[0]));
        return;
    }
    QVERIFY2(gen.exitStatus() == QProcess::NormalExit && gen.exitCode() == 0, err.constData());
    QCOMPARE(rulePairs(args[0]), pairs);
}

void InstallFilesTest::validators_data() {
    QTest::addColumn<QString>("tool");
    QTest::addColumn<QStringList>("args");
    const QString desktop = QStringLiteral(DESKTOP_DIR "/io.mousecfg.mousecfg.desktop");
    QTest::newRow("desktop entry") << "desktop-file-validate" << QStringList{desktop};
    QTest::newRow("metainfo") << "appstreamcli"
                              << QStringList{"validate", "--strict", "--no-net",
                                             "--format", "yaml",     QStringLiteral(METAINFO)};
    // Node takes the extension as a module only by its ending.
    const QString extension = QStringLiteral(FOCUS_DIR "/gnome/") + kGnomeFocusExtension;
    const QString module = m_copies.filePath(QStringLiteral("extension.mjs"));
    QFile::copy(extension + "/extension.js", module);
    QTest::newRow("GNOME extension") << "node" << QStringList{"--check", module};
    QTest::newRow("KWin script") << "node"
                                 << QStringList{"--check", QStringLiteral(FOCUS_DIR "/kwin/") +
                                                               kKWinFocusScript +
                                                               "/contents/code/main.js"};
}

void InstallFilesTest::validators() {
    QFETCH(QString, tool);
    QFETCH(QStringList, args);
    const QString exe = QStandardPaths::findExecutable(tool);
    if (exe.isEmpty()) QSKIP(qPrintable(tool + " is not installed"));
    QProcess p;
    p.start(exe, args);
    QVERIFY(p.waitForFinished(60000));
    QByteArray out = p.readAllStandardOutput() + p.readAllStandardError();
    // Any finding fails (the YAML report passes infos with status 0). A
    // validator older than AppStream 1.0 does not know <developer> yet: that
    // one finding is allowed.
    if (out.contains("Validator: 0.")) {
        static const QRegularExpression developer(QStringLiteral(
            "- tag: unknown-tag\\n(  [^\\n]*\\n)*?  hint: developer\\n(  [^\\n]*\\n)*"));
        out = QString::fromUtf8(out).remove(developer).toUtf8();
    }
    QVERIFY2(!out.contains("- tag:"), out.constData());
    QVERIFY2(p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0, out.constData());
    // desktop-file-validate reports its hints with status 0.
    QVERIFY2(!out.contains("error:") && !out.contains("warning:"), out.constData());
}

// The description names this version as its newest release and the mice the
// rule opens, so a version bump or a new product cannot leave it behind.
void InstallFilesTest::metainfoMatchesBuild() {
    const QString xml = QString::fromUtf8(readText(QStringLiteral(METAINFO)));
    const QRegularExpressionMatch release =
        QRegularExpression(QStringLiteral("<release version=\"([^\"]+)\"")).match(xml);
    QVERIFY(release.hasMatch());
    QCOMPARE(release.captured(1), QStringLiteral(PROJECT_VERSION));
    QStringList aliases;
    auto it = QRegularExpression(QStringLiteral("<modalias>usb:v(\\w{4})p(\\w{4})d\\*</modalias>"))
                  .globalMatch(xml);
    while (it.hasNext()) {
        const QRegularExpressionMatch m = it.next();
        aliases << (m.captured(1) + ':' + m.captured(2)).toLower();
    }
    QCOMPARE(aliases, rulePairs(QStringLiteral(UDEV_RULES)));
}

// The desktop loads each by the name the program asks for.
void InstallFilesTest::focusPackages() {
    const QString extension = QStringLiteral(FOCUS_DIR "/gnome/") + kGnomeFocusExtension;
    const QJsonObject gnome =
        QJsonDocument::fromJson(readText(extension + "/metadata.json")).object();
    QCOMPARE(gnome.value("uuid").toString(), QString::fromLatin1(kGnomeFocusExtension));
    QVERIFY(!gnome.value("shell-version").toArray().isEmpty());
    QVERIFY(!gnome.value("name").toString().isEmpty());
    QVERIFY(!gnome.value("description").toString().isEmpty());

    const QString script = QStringLiteral(FOCUS_DIR "/kwin/") + kKWinFocusScript;
    const QJsonObject kwin = QJsonDocument::fromJson(readText(script + "/metadata.json")).object();
    QCOMPARE(kwin.value("KPlugin").toObject().value("Id").toString(),
             QString::fromLatin1(kKWinFocusScript));
    QCOMPARE(kwin.value("X-Plasma-API").toString(), QStringLiteral("javascript"));
    QVERIFY(
        QFileInfo(script + "/contents/" + kwin.value("X-Plasma-MainScript").toString()).isFile());
}

// Without pkexec the access notice keeps only its command; with a rule of
// ours in either folder it offers nothing.
void InstallFilesTest::ruleOffer() {
    setAppDirOverride(QStringLiteral(APP_DIR));
    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    QVERIFY(!AccessRuleInstall().offered());
    qputenv("PATH", path);
    QTemporaryDir dir;
    QVERIFY(!accessRuleInstalled({dir.path()}));
    writeText(dir.filePath("60-mousecfg.rules"), "");
    QVERIFY(accessRuleInstalled({QStringLiteral("/nonexistent"), dir.path()}));
}

void InstallFilesTest::ruleHelper_data() {
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status"); // 0: done, 2: refused
    QTest::addColumn<bool>("writes");
    QTest::newRow("install") << QStringList{"install"} << 0 << true;
    QTest::newRow("trigger") << QStringList{"trigger"} << 0 << false;
    QTest::newRow("none") << QStringList() << 2 << false;
    QTest::newRow("a file") << QStringList{"install", "/etc/passwd"} << 2 << false;
    QTest::newRow("an option") << QStringList{"--rules-dir=/tmp", "install"} << 2 << false;
    QTest::newRow("shell") << QStringList{"install; touch pwned"} << 2 << false;
    QTest::newRow("a path or glob") << QStringList{"../i*"} << 2 << false;
}

// The helper, run as pkexec would with a private rules folder and sysfs:
// exactly the build's rule, applied to the mouse's devices only; any other
// argument does nothing at all.
void InstallFilesTest::ruleHelper() {
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(bool, writes);
    setAppDirOverride(QStringLiteral(APP_DIR));
    QTemporaryDir dir;
    const QString sys = dir.filePath("sys"), rules = dir.filePath("rules.d");
    // The receiver, another maker's device, the cable.
    const QStringList ids{"0000248A:0000FA02", "0000046D:0000C52B", "0000248A:0000FB01"};
    for (int i = 0; i < ids.size(); ++i) {
        const QString node = sys + QStringLiteral("/class/hidraw/hidraw%1").arg(i);
        QDir().mkpath(node + "/device");
        writeText(node + "/device/uevent", "HID_ID=0003:" + ids[i].toLatin1() + "\n");
        writeText(node + "/uevent", "MAJOR=241\n");
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("MOUSECFG_UDEV_RULES_DIR"), rules);
    env.insert(QStringLiteral("MOUSECFG_SYSFS"), sys);
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(dir.path());
    p.start(accessRuleHelper(), args);
    QVERIFY(p.waitForFinished(20000));
    QVERIFY2(p.exitCode() == status, p.readAllStandardError().constData());

    QCOMPARE(QDir(rules).entryList(QDir::Files | QDir::Hidden),
             writes ? QStringList({"60-mousecfg.rules"}) : QStringList());
    if (writes) QCOMPARE(readText(rules + "/60-mousecfg.rules"), readText(UDEV_RULES));
    if (writes) QCOMPARE(int(QFile::permissions(rules + "/60-mousecfg.rules") & 0xfff), 0x644);
    QVERIFY(!QFile::exists(dir.filePath("pwned")));
    QStringList applied;
    for (int i = 0; i < ids.size(); ++i)
        if (readText(sys + QStringLiteral("/class/hidraw/hidraw%1/uevent").arg(i)) == "change\n")
            applied << ids[i];
    QCOMPARE(applied, status == 0 ? QStringList({ids[0], ids[2]}) : QStringList());
}

QTEST_MAIN(InstallFilesTest)
#include "test_installfiles.moc"
