// The companion over the real local socket: the OSD program itself started
// as a process and logging what it shows, and the server and window in
// process for what the log cannot show.
#include "osdclient.h"
#include "osdserver.h"
#include "osdwindow.h"
#include "testutil.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <csignal>

namespace {

const QString kCompanion = osdCompanionPath(QStringLiteral(APP_DIR));

QString uniqueName(const char* tag) {
    return QStringLiteral("mousecfg-osd-test-%1-%2")
        .arg(tag)
        .arg(QCoreApplication::applicationPid());
}

bool waitListening(const QString& name, int ms = 5000) {
    QElapsedTimer t;
    t.start();
    while (t.elapsed() < ms) {
        QLocalSocket s;
        s.connectToServer(name);
        if (s.waitForConnected(100)) return true;
        QThread::msleep(25);
    }
    return false;
}

QStringList logLines(const QString& path) {
    QString text = QString::fromUtf8(readText(path));
    if (text.endsWith('\n')) text.chop(1);
    return text.isEmpty() ? QStringList() : text.split('\n');
}

// Sends from another thread so the in-process server can answer.
OsdSendResult sendFromThread(const QByteArray& payload, const QString& name) {
    OsdSendResult result = OsdSendResult::Failed;
    QThread* t = QThread::create([&] { result = sendOsdPayload(payload, name, 3000); });
    t->start();
    while (!t->wait(10))
        QCoreApplication::processEvents();
    delete t;
    return result;
}

// The first accepted connection holding a whole notice.
QLocalSocket* withNotice(QLocalServer& server, QList<QLocalSocket*>& connections) {
    while (server.hasPendingConnections())
        connections << server.nextPendingConnection();
    for (QLocalSocket* s : connections)
        if (s->bytesAvailable() >= kOsdPayloadSize) return s;
    return nullptr;
}

} // namespace

class CompanionTest : public QObject {
    Q_OBJECT
private slots:
    void programLogsNotices_data();
    void programLogsNotices();
    void secondCompanionLeaves();
    void noticeStartsCompanion();
    void missingCompanion();
    void windowShowsAndHides_data();
    void windowShowsAndHides();
    void partialAndRepeatedPayloads();
    void laterNoticeReplacesFadingOne();
    void listenOutcomes_data();
    void listenOutcomes();
    void serverNameIsPrivate();
    void noticeToSilentListenerLeavesCallerFree();
    void takenNameStartsOneCompanion_data();
    void takenNameStartsOneCompanion();
    void sendOutcomes_data();
    void sendOutcomes();

private:
    QTemporaryDir m_dir;
};

void CompanionTest::programLogsNotices_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<QString>("line");
    QTest::newRow("dpi") << "DPI 2:1600" << QColor(145, 145, 145)
                         << "DPI 2:1600\t1500\t#919191\tArial\t60";
    QTest::newRow("rate") << "1000 HZ" << QColor(255, 0, 16) << "1000 HZ\t1500\t#ff0010\tArial\t60";
    QTest::newRow("escaped") << "a\tb\nc\\" << QColor(0, 0, 0)
                             << "a\\tb\\nc\\\\\t1500\t#000000\tArial\t60";
    QTest::newRow("empty") << "" << QColor(1, 2, 3) << "\t1500\t#010203\tArial\t60";
}

void CompanionTest::programLogsNotices() {
    QFETCH(QString, text);
    QFETCH(QColor, colour);
    QFETCH(QString, line);
    const QString name = uniqueName("log");
    const QString log = m_dir.filePath(QStringLiteral("osd-%1.log").arg(QTest::currentDataTag()));
    QProcess osd;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("OSD_LOG"), log);
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    osd.setProcessEnvironment(env);
    osd.start(kCompanion, {QStringLiteral("--name"), name});
    QVERIFY(osd.waitForStarted());
    QVERIFY(waitListening(name));

    QCOMPARE(sendOsdPayload(encodeOsdPayload(makeOsdNotice(text, colour)), name),
             OsdSendResult::Sent);
    QCOMPARE(sendOsdPayload(encodeOsdPayload(makeOsdNotice(text, colour)), name),
             OsdSendResult::Sent);
    QCOMPARE(logLines(log), (QStringList{line, line}));

    osd.terminate();
    QVERIFY(osd.waitForFinished(5000));
}

void CompanionTest::secondCompanionLeaves() {
    const QString name = uniqueName("single");
    QProcess first;
    first.start(kCompanion, {QStringLiteral("--name"), name});
    QVERIFY(waitListening(name));
    QProcess second;
    second.start(kCompanion, {QStringLiteral("--name"), name});
    QVERIFY(second.waitForFinished(5000));
    QCOMPARE(second.exitCode(), 0);
    // The first one still serves.
    QCOMPARE(sendOsdPayload(encodeOsdPayload(makeOsdNotice("x", Qt::white)), name),
             OsdSendResult::Sent);
    first.terminate();
    QVERIFY(first.waitForFinished(5000));
}

void CompanionTest::noticeStartsCompanion() {
    const QString name = uniqueName("start");
    qint64 pid = 0;
    const OsdSendResult r = sendOsdNotice(QStringLiteral(APP_DIR), QStringLiteral("DPI 1:800"),
                                          QColor(145, 145, 145), name, &pid);
    if (pid > 0) ::kill(pid_t(pid), SIGTERM);
    QCOMPARE(r, OsdSendResult::Sent);
    QVERIFY(pid > 0);
}

void CompanionTest::missingCompanion() {
    qint64 pid = -1;
    const QString name = uniqueName("missing");
    QCOMPARE(sendOsdNotice(m_dir.path(), QStringLiteral("x"), Qt::white, name, &pid),
             OsdSendResult::NoCompanion);
    QCOMPARE(pid, 0);
    QCOMPARE(sendOsdPayload(encodeOsdPayload(makeOsdNotice("x", Qt::white)), name),
             OsdSendResult::NoCompanion);
}

void CompanionTest::windowShowsAndHides_data() {
    QTest::addColumn<QByteArray>("payload");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("duration");
    OsdNotice n = makeOsdNotice(QStringLiteral("500 HZ"), QColor(145, 145, 145));
    n.durationMs = 300;
    QTest::newRow("short notice") << encodeOsdPayload(n) << "500 HZ" << 300;
    // Garbage from another program: all 0xFF. Drawn with safe values.
    QTest::newRow("garbage") << QByteArray(kOsdPayloadSize, char(0xFF))
                             << QString(255, QChar(0xFFFF)) << kOsdDefaultDurationMs;
}

void CompanionTest::windowShowsAndHides() {
    QFETCH(QByteArray, payload);
    QFETCH(QString, text);
    QFETCH(int, duration);
    OsdWindow window;
    OsdServer server(&window);
    const QString name = uniqueName("window");
    QCOMPARE(server.listen(name), OsdServer::Listen::Listening);
    QCOMPARE(sendFromThread(payload, name), OsdSendResult::Sent);
    QVERIFY(window.isVisible());
    QCOMPARE(window.notice().text, text);
    QCOMPARE(window.notice().durationMs, duration);
    QVERIFY(window.windowFlags() & Qt::WindowStaysOnTopHint);
    QVERIFY(window.windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(window.testAttribute(Qt::WA_TranslucentBackground));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), duration + 3000);
}

void CompanionTest::partialAndRepeatedPayloads() {
    OsdWindow window;
    OsdServer server(&window);
    const QString name = uniqueName("partial");
    QCOMPARE(server.listen(name), OsdServer::Listen::Listening);
    QSignalSpy shown(&server, &OsdServer::noticeShown);
    const QByteArray a = encodeOsdPayload(makeOsdNotice(QStringLiteral("first"), Qt::white));
    const QByteArray b = encodeOsdPayload(makeOsdNotice(QStringLiteral("second"), Qt::white));
    QByteArray acks;
    QThread* t = QThread::create([&] {
        QLocalSocket s;
        s.connectToServer(name);
        if (!s.waitForConnected(2000)) return;
        // Half a notice, a pause, the rest glued to a whole second one.
        s.write(a.left(500));
        s.waitForBytesWritten(1000);
        QThread::msleep(100);
        s.write(a.mid(500) + b);
        s.waitForBytesWritten(1000);
        while (acks.size() < 2 && s.waitForReadyRead(2000))
            acks += s.readAll();
    });
    t->start();
    while (!t->wait(10))
        QCoreApplication::processEvents();
    delete t;
    QCOMPARE(acks, QByteArray(2, '\x01'));
    QCOMPARE(shown.count(), 2);
    QCOMPARE(shown.at(1).at(0).value<OsdNotice>().text, QStringLiteral("second"));
    QCOMPARE(window.notice().text, QStringLiteral("second"));
    QCOMPARE(server.noticeCount(), 2);
}

void CompanionTest::laterNoticeReplacesFadingOne() {
    OsdWindow window;
    OsdNotice first = makeOsdNotice(QStringLiteral("DPI 1:400"), Qt::white);
    first.durationMs = 300;
    window.showNotice(first);
    // Into the fade of the first notice, a second one arrives.
    QTRY_VERIFY_WITH_TIMEOUT(window.windowOpacity() < 1.0, 2000);
    OsdNotice second = makeOsdNotice(QStringLiteral("DPI 2:800"), Qt::white);
    second.durationMs = 1200;
    window.showNotice(second);
    QCOMPARE(window.windowOpacity(), 1.0);
    QTest::qWait(500);
    QVERIFY(window.isVisible());
    QCOMPARE(window.notice().text, QStringLiteral("DPI 2:800"));
    QTRY_VERIFY_WITH_TIMEOUT(!window.isVisible(), 4000);
}

void CompanionTest::listenOutcomes_data() {
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("outcome");
    QTest::newRow("free name") << "nothing" << int(OsdServer::Listen::Listening);
    // A crashed companion leaves its socket file behind; it is taken over.
    QTest::newRow("stale socket file") << "stale" << int(OsdServer::Listen::Listening);
    QTest::newRow("companion running") << "running" << int(OsdServer::Listen::AlreadyRunning);
}

void CompanionTest::listenOutcomes() {
    QFETCH(QString, before);
    QFETCH(int, outcome);
    const QString name = uniqueName("listen") + QTest::currentDataTag();
    OsdServer first(nullptr);
    if (before == "stale") writeText(QDir::tempPath() + QLatin1Char('/') + name, "");
    if (before == "running") QCOMPARE(first.listen(name), OsdServer::Listen::Listening);
    OsdServer second(nullptr);
    QCOMPARE(int(second.listen(name)), outcome);
}

void CompanionTest::serverNameIsPrivate() {
    qputenv("XDG_RUNTIME_DIR", m_dir.path().toLocal8Bit());
    const QString name = osdServerName();
    QCOMPARE(QFileInfo(name).absolutePath(), m_dir.path());
    // Unset, it is still a private folder, never the shared temporary one.
    qunsetenv("XDG_RUNTIME_DIR");
    QVERIFY(QFileInfo(osdServerName()).absolutePath() != QDir::tempPath());
}

// A listener that takes the notice and never answers: posting returns while
// the worker still waits, only the newest of the notices posted meanwhile
// waits its turn, and no companion is started beside the listener.
void CompanionTest::noticeToSilentListenerLeavesCallerFree() {
    const QString name = m_dir.filePath(QStringLiteral("silent"));
    QLocalServer silent;
    QVERIFY(silent.listen(name));
    OsdNotifier notifier(m_dir.path(), name);
    notifier.setReceiptTimeout(10 * 60 * 1000); // only the test ends each wait
    QSignalSpy delivered(&notifier, &OsdNotifier::delivered);
    notifier.post(QStringLiteral("DPI 1:800"), Qt::white);
    QVERIFY(notifier.busy());
    notifier.post(QStringLiteral("DPI 2:1600"), Qt::white);
    notifier.post(QStringLiteral("DPI 3:2400"), Qt::white);
    QCOMPARE(notifier.dropped(), 1);
    QList<QLocalSocket*> connections; // the sender's probes among them
    for (const char* expected : {"DPI 1:800", "DPI 3:2400"}) {
        QLocalSocket* socket = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT((socket = withNotice(silent, connections)), 10000);
        OsdNotice notice;
        QVERIFY(decodeOsdPayload(socket->read(kOsdPayloadSize), &notice));
        QCOMPARE(notice.text, QString::fromLatin1(expected));
        QVERIFY(notifier.busy());
        socket->abort();
    }
    QTRY_COMPARE_WITH_TIMEOUT(delivered.count(), 2, 10000);
    for (const QList<QVariant>& result : delivered)
        QCOMPARE(result.at(0).value<OsdSendResult>(), OsdSendResult::Failed);
    QTRY_VERIFY_WITH_TIMEOUT(!notifier.busy(), 10000);
    QCOMPARE(notifier.companionStarts(), 0);
}

void CompanionTest::takenNameStartsOneCompanion_data() {
    QTest::addColumn<QString>("taker"); // what holds the socket's name
    QTest::newRow("directory") << "dir";
    QTest::newRow("missing folder") << "missing";
}

// Whatever holds the name, the companion cannot listen there: it is started
// once, not once per notice or per retry.
void CompanionTest::takenNameStartsOneCompanion() {
    QFETCH(QString, taker);
    const QString name = m_dir.filePath(QStringLiteral("taken-") + taker) +
                         (taker == "missing" ? QStringLiteral("/osd") : QString());
    if (taker == "dir") QVERIFY(QDir().mkpath(name + "/inside"));
    OsdNotifier notifier(QStringLiteral(APP_DIR), name);
    QSignalSpy delivered(&notifier, &OsdNotifier::delivered);
    for (int i = 0; i < 3; ++i) {
        notifier.post(QStringLiteral("DPI %1:800").arg(i + 1), Qt::white);
        QTRY_COMPARE_WITH_TIMEOUT(delivered.count(), i + 1, 20000);
        QCOMPARE(delivered.at(i).at(0).value<OsdSendResult>(), OsdSendResult::NoCompanion);
    }
    QCOMPARE(notifier.companionStarts(), 1);
}

void CompanionTest::sendOutcomes_data() {
    QTest::addColumn<QString>("listener");
    QTest::addColumn<int>("payloadSize");
    QTest::addColumn<OsdSendResult>("result");
    QTest::newRow("receipt") << "ack" << kOsdPayloadSize << OsdSendResult::Sent;
    QTest::newRow("wrong receipt") << "nak" << kOsdPayloadSize << OsdSendResult::Failed;
    // More than the socket holds, so the sender is still writing when the
    // listener hangs up: a failed notice, not a killed program.
    QTest::newRow("hung up mid-write") << "hangup" << (4 << 20) << OsdSendResult::Failed;
    QTest::newRow("socket file, nobody listening")
        << "stale" << kOsdPayloadSize << OsdSendResult::NoCompanion;
    QTest::newRow("name too long for a socket")
        << "long" << kOsdPayloadSize << OsdSendResult::NoCompanion;
}

// One notice against a listener in this process that answers as told.
void CompanionTest::sendOutcomes() {
    QFETCH(QString, listener);
    QFETCH(int, payloadSize);
    QFETCH(OsdSendResult, result);
    const QString name = m_dir.filePath(listener == "long" ? QString(200, QLatin1Char('n'))
                                                           : QStringLiteral("send-") + listener);
    QLocalServer server;
    if (listener == "stale") {
        writeText(name, "");
    } else if (listener == "long") {
        // No server can listen at a name that long; the sender must say so,
        // not cut the name short and reach whoever listens at what is left.
        QVERIFY(server.listen(name.left(100)));
    } else {
        QVERIFY(server.listen(name));
    }
    QByteArray payload = encodeOsdPayload(makeOsdNotice(QStringLiteral("DPI 1:800"), Qt::white));
    payload.resize(payloadSize);
    // Qt's socket classes here ignore SIGPIPE for the whole process; the
    // program has none of them, so the sender must not rely on that.
    const auto pipeHandler = std::signal(SIGPIPE, SIG_DFL);
    OsdSendResult got = OsdSendResult::Sent;
    QThread* t = QThread::create([&] { got = sendOsdPayload(payload, name, 5000); });
    t->start();
    QLocalSocket* peer = nullptr;
    bool answered = false;
    while (!t->wait(10)) {
        QCoreApplication::processEvents();
        if (!peer && server.hasPendingConnections()) peer = server.nextPendingConnection();
        if (!peer || answered) continue;
        if (listener == "hangup") {
            peer->abort();
            answered = true;
        } else if (peer->bytesAvailable() >= payloadSize) {
            peer->write(QByteArray(1, listener == "nak" ? '\x02' : '\x01'));
            peer->flush();
            answered = true;
        }
    }
    delete t;
    std::signal(SIGPIPE, pipeHandler);
    QCOMPARE(got, result);
}

QTEST_MAIN(CompanionTest)
#include "test_companion.moc"
