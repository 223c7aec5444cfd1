#include "osdclient.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

// A plain local stream socket: the companion's server is an ordinary unix
// socket, and talking to it this way keeps the network module (and the
// libraries it drags in) out of the program.
namespace {

class Fd {
public:
    explicit Fd(int fd) : m_fd(fd) {}
    ~Fd() {
        if (m_fd >= 0) ::close(m_fd);
    }
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    int get() const { return m_fd; }

private:
    int m_fd;
};

// The socket file a server name stands for; a bare name lives in the
// temporary folder, where the companion's server puts it too.
QByteArray socketPath(const QString& serverName) {
    if (serverName.startsWith(QLatin1Char('/'))) return QFile::encodeName(serverName);
    return QFile::encodeName(QDir::cleanPath(QDir::tempPath()) + QLatin1Char('/') + serverName);
}

// Waits up to `ms` for `events` on `fd`: false when the time ran out. A
// hang-up or error ends the wait too; the next call on the socket tells it.
bool waitFor(int fd, short events, int ms) {
    pollfd p{fd, events, 0};
    int n;
    while ((n = ::poll(&p, 1, qMax(0, ms))) < 0 && errno == EINTR) {
    }
    return n > 0;
}

// A connected non-blocking socket, or -1 when nobody listens at the name
// within `timeoutMs` (a name too long for a socket address included).
int connectLocal(const QString& serverName, int timeoutMs) {
    const QByteArray path = socketPath(serverName);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (serverName.isEmpty() || path.size() + 1 > int(sizeof(address.sun_path))) return -1;
    std::memcpy(address.sun_path, path.constData(), size_t(path.size()));
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) return -1;
    QElapsedTimer clock;
    clock.start();
    for (;;) {
        if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof(address)) == 0)
            return fd;
        const int error = errno;
        const int left = timeoutMs - int(clock.elapsed());
        if (error == EINTR) continue;
        if (error == EINPROGRESS) {
            int outcome = 0;
            socklen_t size = sizeof(outcome);
            if (waitFor(fd, POLLOUT, left) &&
                ::getsockopt(fd, SOL_SOCKET, SO_ERROR, &outcome, &size) == 0 && outcome == 0)
                return fd;
            break;
        }
        // A full backlog: the server is there but busy; try again shortly.
        if (error != EAGAIN || left <= 0) break;
        QThread::msleep(uint(qMin(left, 10)));
    }
    ::close(fd);
    return -1;
}

bool companionListening(const QString& serverName) {
    return Fd(connectLocal(serverName, 100)).get() >= 0;
}

} // namespace

OsdSendResult sendOsdPayload(const QByteArray& payload, const QString& serverName, int timeoutMs) {
    const Fd socket(connectLocal(serverName, qMin(timeoutMs, 500)));
    if (socket.get() < 0) return OsdSendResult::NoCompanion;
    QElapsedTimer clock;
    clock.start();
    const auto left = [&] { return timeoutMs - int(clock.elapsed()); };
    for (int sent = 0; sent < payload.size();) {
        // No SIGPIPE when the companion went away: a failed notice is enough.
        const ssize_t n = ::send(socket.get(), payload.constData() + sent,
                                 size_t(payload.size() - sent), MSG_NOSIGNAL);
        const int error = n < 0 ? errno : 0;
        if (n > 0)
            sent += int(n);
        else if (error != EINTR && (error != EAGAIN || !waitFor(socket.get(), POLLOUT, left())))
            return OsdSendResult::Failed;
    }
    for (;;) {
        char receipt = 0;
        const ssize_t n = ::recv(socket.get(), &receipt, 1, 0);
        const int error = n < 0 ? errno : 0;
        if (n == 1) return receipt == '\x01' ? OsdSendResult::Sent : OsdSendResult::Failed;
        if (n == 0 ||
            (error != EINTR && (error != EAGAIN || !waitFor(socket.get(), POLLIN, left()))))
            return OsdSendResult::Failed;
    }
}

QString osdCompanionPath(const QString& appDir) {
    return appDir + QStringLiteral("/OSD");
}

bool noticeNeedsDesktop(const QProcessEnvironment& env) {
    return !env.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty() &&
           env.value(QStringLiteral("DISPLAY")).isEmpty();
}

bool sendDesktopNotice(const QString& text, int durationMs, int timeoutMs) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return false;
    QDBusMessage m = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.Notifications"),
        QStringLiteral("/org/freedesktop/Notifications"),
        QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("Notify"));
    m << QCoreApplication::applicationName() << 0u << QString() << text << QString()
      << QStringList() << QVariantMap{{QStringLiteral("transient"), true}} << durationMs;
    return bus.call(m, QDBus::Block, timeoutMs).type() == QDBusMessage::ReplyMessage;
}

OsdSendResult sendOsdNotice(const QString& appDir, const QString& text, const QColor& colour,
                            const QString& serverName, qint64* startedPid, bool mayStart,
                            int receiptTimeoutMs) {
    const QString companionPath = osdCompanionPath(appDir);
    if (startedPid) *startedPid = 0;
    if (!companionListening(serverName)) {
        if (noticeNeedsDesktop(QProcessEnvironment::systemEnvironment()))
            return sendDesktopNotice(text, kOsdDefaultDurationMs, receiptTimeoutMs)
                       ? OsdSendResult::Desktop
                       : OsdSendResult::NoCompanion;
        if (!mayStart || !QFileInfo(companionPath).isExecutable())
            return OsdSendResult::NoCompanion;
        QStringList args;
        if (serverName != osdServerName()) args << QStringLiteral("--name") << serverName;
        qint64 pid = 0;
        QProcess companion;
        companion.setProgram(companionPath);
        companion.setArguments(args);
        if (!companion.startDetached(&pid)) return OsdSendResult::NoCompanion;
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
            sendOsdNotice(m_appDir, notice.text, notice.colour, m_serverName, &pid, !m_startFailed,
                          m_receiptTimeoutMs);
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
