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
                            const QString& serverName, qint64* startedPid, bool mayStart,
                            int receiptTimeoutMs) {
    const QString companionPath = osdCompanionPath(appDir);
    if (startedPid) *startedPid = 0;
    if (!companionListening(serverName)) {
        if (!mayStart || !QFileInfo(companionPath).isExecutable())
            return OsdSendResult::NoCompanion;
        QStringList args;
        if (serverName != osdServerName()) args << QStringLiteral("--name") << serverName;
        qint64 pid = 0;
        if (!QProcess::startDetached(companionPath, args, QString(), &pid))
            return OsdSendResult::NoCompanion;
        if (startedPid) *startedPid = pid;
        QElapsedTimer wait;
        wait.start();
        // Look again as soon as it may be up rather than sleeping the
        // whole interval.
        bool up = false;
        while (!(up = companionListening(serverName)) && wait.elapsed() < kOsdStartWaitMs)
            QThread::msleep(25);
        if (!up) return OsdSendResult::NoCompanion;
    }
    return sendOsdPayload(encodeOsdPayload(makeOsdNotice(text, colour)), serverName,
                          receiptTimeoutMs);
}

OsdNotifier::OsdNotifier(const QString& appDir, const QString& serverName, QObject* parent)
    : QObject(parent), m_appDir(appDir), m_serverName(serverName) {
    qRegisterMetaType<OsdSendResult>();
    m_worker.moveToThread(&m_thread);
    m_thread.start();
}

OsdNotifier::~OsdNotifier() {
    m_thread.quit();
    m_thread.wait();
}

void OsdNotifier::post(const QString& text, const QColor& colour) {
    {
        QMutexLocker lock(&m_mutex);
        if (m_inFlight) {
            if (m_waiting) ++m_dropped;
            m_waiting = true;
            m_next = {text, colour};
            return;
        }
        m_inFlight = true;
    }
    QMetaObject::invokeMethod(
        &m_worker, [this, notice = Notice{text, colour}] { deliver(notice); },
        Qt::QueuedConnection);
}

bool OsdNotifier::busy() const {
    QMutexLocker lock(&m_mutex);
    return m_inFlight;
}

int OsdNotifier::dropped() const {
    QMutexLocker lock(&m_mutex);
    return m_dropped;
}

void OsdNotifier::deliver(Notice notice) {
    for (;;) {
        qint64 pid = 0;
        const OsdSendResult result =
            sendOsdNotice(m_appDir, notice.text, notice.colour, m_serverName, &pid,
                          !m_startFailed, m_receiptTimeoutMs);
        if (pid != 0) {
            ++m_starts;
            m_startFailed = result == OsdSendResult::NoCompanion;
        }
        {
            QMutexLocker lock(&m_mutex);
            if (!m_waiting) m_inFlight = false;
        }
        emit delivered(result);
        QMutexLocker lock(&m_mutex);
        if (!m_waiting) return;
        m_waiting = false;
        notice = m_next;
    }
}
