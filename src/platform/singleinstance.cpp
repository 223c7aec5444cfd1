#include "singleinstance.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLocalServer>
#include <QLocalSocket>
#include <QLockFile>
#include <QStandardPaths>
#include <QTimer>

namespace {
constexpr char kRaise[] = "raise";
constexpr char kReceipt = '\x01';
// A request is one short line; anything longer is not one of ours.
constexpr int kMaxRequest = 512;
constexpr int kRequestWaitMs = 2000;

QString runtimeDir() {
    return QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
}

QString fileNameFor(const QString& mutexName) {
    QString file = mutexName;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    return file;
}
} // namespace

SingleInstance::SingleInstance(const QString& mutexName) : m_mutexName(mutexName) {
    const QString path = lockPathFor(mutexName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_lock = std::make_unique<QLockFile>(path);
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    if (m_lock->tryLock(0)) {
        m_first = true;
    } else {
        // A failure other than "another process holds it" (no runtime folder, a
        // read-only disk, a directory or link planted at the lock's name) must not
        // stop the program: start as the first copy.
        const QFileInfo held(path);
        m_first =
            m_lock->error() != QLockFile::LockFailedError || !held.isFile() || held.isSymLink();
    }
    if (m_first) listen();
}

SingleInstance::~SingleInstance() = default;

void SingleInstance::listen() {
    const QString path = socketPathFor(m_mutexName);
    if (path.isEmpty()) return;
    m_server = std::make_unique<QLocalServer>();
    m_server->setSocketOptions(QLocalServer::UserAccessOption);
    // The lock is ours, so a socket file at the name was left by a copy that
    // died: nobody else may listen there.
    QLocalServer::removeServer(path);
    if (!m_server->listen(path)) {
        qWarning("cannot listen for other starts on %s: %s", qPrintable(path),
                 qPrintable(m_server->errorString()));
        m_server.reset();
        return;
    }
    QLocalServer* server = m_server.get();
    QObject::connect(server, &QLocalServer::newConnection, server, [this, server] {
        while (QLocalSocket* socket = server->nextPendingConnection()) {
            QObject::connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QLocalSocket::readyRead, socket,
                             [this, socket] { readRequest(socket); });
            // A caller that never finishes its line is not waited for.
            QTimer::singleShot(kRequestWaitMs, socket, [socket] { socket->abort(); });
            readRequest(socket);
        }
    });
}

void SingleInstance::readRequest(QLocalSocket* socket) {
    if (!socket->canReadLine()) {
        if (socket->bytesAvailable() > kMaxRequest) socket->abort();
        return;
    }
    if (socket->readLine(kMaxRequest).trimmed() != kRaise) {
        socket->abort();
        return;
    }
    socket->write(QByteArray(1, kReceipt));
    socket->flush();
    socket->disconnectFromServer();
    if (!m_raise) {
        m_raisePending = true;
        return;
    }
    // Raising may open a dialog with its own event loop: not from inside
    // this socket's signal.
    QTimer::singleShot(0, m_server.get(), [this] { m_raise(); });
}

void SingleInstance::onRaiseRequest(std::function<void()> raise) {
    m_raise = std::move(raise);
    if (!m_raisePending || !m_raise) return;
    m_raisePending = false;
    m_raise();
}

bool SingleInstance::askFirstToRaise(int timeoutMs) const {
    const QString path = socketPathFor(m_mutexName);
    if (path.isEmpty()) return false;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return qMax(0, timeoutMs - int(clock.elapsed())); };
    QLocalSocket socket;
    socket.connectToServer(path);
    if (!socket.waitForConnected(left())) return false;
    socket.write(QByteArray(kRaise) + '\n');
    socket.flush();
    while (socket.bytesAvailable() < 1)
        if (!socket.waitForReadyRead(left())) return false;
    char receipt = 0;
    return socket.getChar(&receipt) && receipt == kReceipt;
}

QString SingleInstance::mutexNameFor(const QString& productName) {
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstance::lockPathFor(const QString& mutexName) {
    QString dir = runtimeDir();
    if (dir.isEmpty()) dir = QDir::tempPath();
    return dir + QLatin1Char('/') + fileNameFor(mutexName) + QStringLiteral(".lock");
}

QString SingleInstance::socketPathFor(const QString& mutexName) {
    // Only the user's own runtime folder: in a shared temporary folder
    // another user could take the name first.
    const QString dir = runtimeDir();
    if (dir.isEmpty()) return QString();
    return dir + QLatin1Char('/') + fileNameFor(mutexName) + QStringLiteral(".sock");
}
