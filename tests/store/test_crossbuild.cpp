// Settings files mean the same to the Qt 5 and the Qt 6 build: what one
// writes, the other reads back key for key.
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class CrossBuildTest : public QObject {
    Q_OBJECT
private slots:
    void filesReadTheSameInBothBuilds_data();
    void filesReadTheSameInBothBuilds();
};

namespace {

QByteArray runProbe(const QString& probe, const QString& verb, const QString& dir) {
    QProcess p;
    p.start(probe, {verb, dir});
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0)
        return "failed: " + p.readAllStandardOutput() + p.readAllStandardError();
    return p.readAllStandardOutput();
}

} // namespace

void CrossBuildTest::filesReadTheSameInBothBuilds_data() {
    QTest::addColumn<QString>("writer");
    QTest::addColumn<QString>("reader");
    const QString self = QStringLiteral(SELF_PROBE), peer = QStringLiteral(PEER_PROBE);
    QTest::newRow("this build, itself") << self << self;
    QTest::newRow("other build writes, this one reads") << peer << self;
    QTest::newRow("this build writes, other one reads") << self << peer;
}

void CrossBuildTest::filesReadTheSameInBothBuilds() {
    QFETCH(QString, writer);
    QFETCH(QString, reader);
    if (writer.isEmpty() || reader.isEmpty() || !QFileInfo(writer).isExecutable() ||
        !QFileInfo(reader).isExecutable())
        QSKIP("no build of the other Qt version to compare with (MOUSECFG_PEER_PROBE)");
    QTemporaryDir own, theirs;
    QCOMPARE(runProbe(QStringLiteral(SELF_PROBE), QStringLiteral("write"), own.path()),
             QByteArray());
    const QByteArray expected =
        runProbe(QStringLiteral(SELF_PROBE), QStringLiteral("read"), own.path());
    QVERIFY2(expected.contains("colour #ff0c2238") && expected.contains("游戏 ☆"),
             expected.constData());
    QCOMPARE(runProbe(writer, QStringLiteral("write"), theirs.path()), QByteArray());
    QCOMPARE(runProbe(reader, QStringLiteral("read"), theirs.path()), expected);
}

QTEST_GUILESS_MAIN(CrossBuildTest)
#include "test_crossbuild.moc"
