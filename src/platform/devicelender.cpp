#include "devicelender.h"

#include "singleinstance.h"

#include <QElapsedTimer>
#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QTimer>

namespace {
constexpr char kBorrow[] = "borrow\n";
constexpr char kGo[] = "go\n";
constexpr char kDone[] = "done\n";
} // namespace

QString deviceLenderSocketFor(const QString& mutexName) {
    QString path = SingleInstance::lockPathFor(mutexName);
    path.chop(int(qstrlen(".lock")));
    return path + QStringLiteral(".cli");
}

DeviceLender::DeviceLender(const QString& mutexName, QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)), m_timeout(new QTimer(this)) {
    const QString name = deviceLenderSocketFor(mutexName);
    // Only the instance lock's holder gets here: a socket left at the name
    // is a dead window's.
    QLocalServer::removeServer(name);
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    m_server->listen(name);
    m_timeout->setSingleShot(true);
    m_timeout->setInterval(kLendTimeoutMs);
    connect(m_timeout, &QTimer::timeout, this, &DeviceLender::finish);
    connect(m_server, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = m_server->nextPendingConnection()) {
            s->setParent(this);
            connect(s, &QLocalSocket::readyRead, this, [this, s] {
                // A borrower's request, or its "done"; anything else ends it.
                const QByteArray line = s->canReadLine() ? s->readLine(64) : QByteArray();
                if (line.isEmpty()) return;
                if (line == kBorrow && s != m_current && !m_queue.contains(s)) {
                    m_queue.append(s);
                    serveNext();
                } else if (s == m_current) {
                    finish();
                } else {
                    s->disconnectFromServer();
                }
            });
            connect(s, &QLocalSocket::disconnected, this, [this, s] {
                m_queue.removeAll(s);
                if (s == m_current)
                    finish();
                else
                    s->deleteLater();
            });
        }
    });
}

DeviceLender::~DeviceLender() = default;

bool DeviceLender::listening() const {
    return m_server->isListening();
}

void DeviceLender::serveNext() {
    if (m_current || m_queue.isEmpty()) return;
    m_current = m_queue.takeFirst();
    m_timeout->start();
    emit lendRequested();
}

void DeviceLender::confirmLent() {
    if (!m_current) return;
    m_current->write(kGo);
    m_current->flush();
}

void DeviceLender::finish() {
    if (!m_current) return;
    QLocalSocket* done = m_current;
    m_current = nullptr;
    m_timeout->stop();
    done->disconnect(this);
    done->disconnectFromServer();
    done->deleteLater();
    emit returned();
    serveNext();
}

DeviceBorrow::DeviceBorrow() = default;

DeviceBorrow::~DeviceBorrow() {
    giveBack();
}

bool DeviceBorrow::borrow(const QString& mutexName, int timeoutMs) {
    QElapsedTimer clock;
    clock.start();
    m_socket = std::make_unique<QLocalSocket>();
    m_socket->connectToServer(deviceLenderSocketFor(mutexName));
    if (!m_socket->waitForConnected(timeoutMs)) {
        m_socket.reset();
        return false;
    }
    m_socket->write(kBorrow);
    m_socket->flush();
    // Another borrower may be ahead in the queue.
    while (!m_socket->canReadLine()) {
        const qint64 left = timeoutMs - clock.elapsed();
        if (left <= 0 || !m_socket->waitForReadyRead(int(left))) {
            m_socket.reset();
            return false;
        }
    }
    if (m_socket->readLine(64) != kGo) {
        m_socket.reset();
        return false;
    }
    return true;
}

void DeviceBorrow::giveBack() {
    if (!m_socket) return;
    if (m_socket->state() == QLocalSocket::ConnectedState) {
        m_socket->write(kDone);
        m_socket->flush();
        m_socket->waitForBytesWritten(1000);
        m_socket->disconnectFromServer();
    }
    m_socket.reset();
}
