// The udev rule that gives the seat's user the mouse, generated from the
// product definitions.
#include "paths.h"
#include "productdef.h"
#include "testutil.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
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
    const QStringList shipped{"248a:fa02", "248a:fb01"};
    // Another product's receiver changes the rule; its cable PID equals its
    // receiver's and is written once.
    QTest::newRow("other product") << QStringList{"@orbit"} << QStringList{"248a:fa03"};
    QTest::newRow("same IDs in two products") << QStringList{"@data", "@aero"} << shipped;
    QTest::newRow("two products") << QStringList{"@orbit", "@data"}
                                  << QStringList{"248a:fa03", "248a:fa02", "248a:fb01"};
    QTest::newRow("undeclared cable takes the default")
        << QStringList{"[PROFILE]\nvid1=4660\npid1=22136\n"}
        << QStringList{"1234:5678", "248a:fb01"};
    QTest::newRow("no IDs") << QStringList{"[PROFILE]\nProductName=X\n"} << QStringList();
    QTest::newRow("empty file") << QStringList{""} << QStringList();
    QTest::newRow("missing file") << QStringList{"@noproduct"} << QStringList();
    QTest::newRow("one bad of two") << QStringList{"@data", "[OTHER]\nvid1=1\n"} << QStringList();
    QTest::newRow("ID past 16 bits")
        << QStringList{"[PROFILE]\nvid1=9354\npid1=70000\n"} << QStringList();
    QTest::newRow("zero vendor") << QStringList{"[PROFILE]\nvid2=0\npid2=1\n"} << QStringList();
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

QTEST_MAIN(InstallFilesTest)
#include "test_installfiles.moc"
