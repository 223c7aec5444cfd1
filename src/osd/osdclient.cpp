#include "osdclient.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalSocket>
#include <QProcess>
#include <QThread>

namespace {

bool companionListening(const QString& serverName) {
    QLocalSocket probe;
    probe.connectToServer(serverName);
    const bool up = probe.waitForConnected(100);
    probe.abort();
    return up;
}

} // namespace

OsdSendResult sendOsdPayload(const QByteArray& payload, const QString& serverName, int timeoutMs) {
    QLocalSocket socket;
    socket.connectToServer(serverName);
    if (!socket.waitForConnected(qMin(timeoutMs, 500))) return OsdSendResult::NoCompanion;
    QElapsedTimer clock;
    clock.start();
    socket.write(payload);
    while (socket.bytesToWrite() > 0)
        if (!socket.waitForBytesWritten(qMax(1, timeoutMs - int(clock.elapsed()))))
            return OsdSendResult::Failed;
    while (socket.bytesAvailable() < 1) {
        const int left = timeoutMs - int(clock.elapsed());
        if (left <= 0 || !socket.waitForReadyRead(left)) return OsdSendResult::Failed;
    }
    const bool ok = socket.read(1) == QByteArray(1, '\x01');
    socket.disconnectFromServer();
    return ok ? OsdSendResult::Sent : OsdSendResult::Failed;
}

QString osdCompanionPath(const QString& appDir) {
    return appDir + QStringLiteral("/OSD");
}

OsdSendResult sendOsdNotice(const QString& appDir, const QString& text, const QColor& colour,
                            const QString& serverName, qint64* startedPid) {
    const QString companionPath = osdCompanionPath(appDir);
    if (startedPid) *startedPid = 0;
    if (!companionListening(serverName)) {
        if (!QFileInfo(companionPath).isExecutable()) return OsdSendResult::NoCompanion;
        bool up = false;
        for (int attempt = 0; attempt < kOsdStartAttempts && !up; ++attempt) {
            QStringList args;
            if (serverName != osdServerName()) args << QStringLiteral("--name") << serverName;
            qint64 pid = 0;
            if (QProcess::startDetached(companionPath, args, QString(), &pid) && startedPid)
                *startedPid = pid;
            QElapsedTimer wait;
            wait.start();
            // Look again as soon as it may be up rather than sleeping the
            // whole interval.
            while (!(up = companionListening(serverName)) && wait.elapsed() < kOsdStartWaitMs)
                QThread::msleep(25);
        }
        if (!up) return OsdSendResult::NoCompanion;
    }
    return sendOsdPayload(encodeOsdPayload(makeOsdNotice(text, colour)), serverName);
}
