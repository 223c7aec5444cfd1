// The window in front on sway (or i3): window events on the compositor's IPC
// socket, framed as "i3-ipc", a length and a type in host byte order.
#include "focussources.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QLocalSocket>
#include <QTimer>
#include <cstring>

namespace {

constexpr char kMagic[] = "i3-ipc";
constexpr int kMagicSize = 6;
constexpr int kHeaderSize = kMagicSize + 8;
constexpr quint32 kSubscribe = 2;
constexpr quint32 kGetTree = 4;
constexpr quint32 kWindowEvent = 0x80000003;
constexpr int kMaxTreeDepth = 64;
constexpr int kMaxRetries = 8;
constexpr int kTreeTimeoutMs = 1000;

QString text(const QJsonValue& v) {
    return v.toString().left(kMaxFocusText);
}

// The views below `node`, depth first, bounded in depth and count.
void collectViews(const QJsonObject& node, int depth, QList<QJsonObject>& into) {
    if (depth > kMaxTreeDepth || into.size() >= kMaxFocusWindows) return;
    const QJsonValue pid = node.value(QLatin1String("pid"));
    if (pid.isDouble() &&
        node.value(QLatin1String("type")).toString() != QLatin1String("workspace"))
        into << node;
    for (const char* key : {"nodes", "floating_nodes"})
        for (const QJsonValue child : node.value(QLatin1String(key)).toArray())
            collectViews(child.toObject(), depth + 1, into);
}

// Splits whole messages off the front of `buffer`; false on a message that
// is not the protocol's or is larger than we take.
bool takeMessages(QByteArray& buffer, const std::function<void(quint32, QByteArray)>& each) {
    while (buffer.size() >= kHeaderSize) {
        if (std::memcmp(buffer.constData(), kMagic, kMagicSize) != 0) return false;
        quint32 length = 0, type = 0;
        std::memcpy(&length, buffer.constData() + kMagicSize, 4);
        std::memcpy(&type, buffer.constData() + kMagicSize + 4, 4);
        if (length > quint32(kMaxIpcMessage)) return false;
        if (buffer.size() < kHeaderSize + int(length)) break;
        const QByteArray payload = buffer.mid(kHeaderSize, int(length));
        buffer.remove(0, kHeaderSize + int(length));
        each(type, payload);
    }
    return true;
}

} // namespace

FocusedApp swayApp(const QJsonObject& node) {
    FocusedApp app;
    app.appId = text(node.value(QLatin1String("app_id")));
    const QJsonObject props = node.value(QLatin1String("window_properties")).toObject();
    app.windowClass = text(props.value(QLatin1String("class")));
    app.instance = text(props.value(QLatin1String("instance")));
    const double pid = node.value(QLatin1String("pid")).toDouble();
    app.pid = pid >= 1 && pid <= 4194304 ? qint64(pid) : 0;
    return app;
}

QByteArray SwayFocus::message(quint32 type, const QByteArray& payload) {
    const quint32 length = quint32(payload.size());
    QByteArray m(kMagic, kMagicSize);
    m.append(reinterpret_cast<const char*>(&length), 4);
    m.append(reinterpret_cast<const char*>(&type), 4);
    return m + payload;
}

SwayFocus::SwayFocus(const QString& socketPath, FocusSink sink, QObject* parent)
    : QObject(parent), m_path(socketPath), m_sink(std::move(sink)),
      m_socket(new QLocalSocket(this)), m_retry(new QTimer(this)) {
    m_retry->setSingleShot(true);
    connect(m_retry, &QTimer::timeout, this, &SwayFocus::connectNow);
    connect(m_socket, &QLocalSocket::connected, this, [this] {
        m_socket->write(message(kSubscribe, QByteArrayLiteral("[\"window\"]")));
        m_socket->write(message(kGetTree, {}));
    });
    connect(m_socket, &QLocalSocket::readyRead, this, &SwayFocus::readMessages);
    connect(m_socket, &QLocalSocket::disconnected, this, &SwayFocus::retryLater);
    connect(m_socket, &QLocalSocket::errorOccurred, this, [this] {
        if (m_socket->state() == QLocalSocket::UnconnectedState) retryLater();
    });
    connectNow();
}

SwayFocus::~SwayFocus() {
    m_socket->disconnect(this);
    m_socket->abort();
}

void SwayFocus::connectNow() {
    m_buffer.clear();
    m_socket->abort();
    m_socket->connectToServer(m_path);
}

void SwayFocus::retryLater() {
    if (m_retry->isActive()) return;
    if (++m_failures > kMaxRetries) {
        qCWarning(lcFocus) << "Gave up on the compositor's socket" << m_path;
        return;
    }
    // A compositor restarting, or one that sent us something we refuse.
    m_retry->start(500 << qMin(m_failures, 7));
}

void SwayFocus::readMessages() {
    m_buffer += m_socket->readAll();
    const bool ok = takeMessages(
        m_buffer, [this](quint32 type, const QByteArray& payload) { onMessage(type, payload); });
    if (!ok) {
        qCWarning(lcFocus) << "Refused a message on the compositor's socket; reconnecting later";
        m_buffer.clear();
        m_socket->abort();
        retryLater();
    }
}

void SwayFocus::onMessage(quint32 type, const QByteArray& payload) {
    const QJsonObject body = QJsonDocument::fromJson(payload).object();
    // Only a compositor that answers as it should earns new retries.
    m_failures = 0;
    if (type == kWindowEvent) {
        if (body.value(QLatin1String("change")).toString() != QLatin1String("focus")) return;
        const FocusedApp app = swayApp(body.value(QLatin1String("container")).toObject());
        if (app.pid > 0 || !app.appId.isEmpty() || !app.windowClass.isEmpty()) m_sink(app);
    } else if (type == kGetTree) {
        QList<QJsonObject> views;
        collectViews(body, 0, views);
        for (const QJsonObject& v : views)
            if (v.value(QLatin1String("focused")).toBool()) m_sink(swayApp(v));
    }
}

QList<FocusedApp> SwayFocus::running() const {
    QLocalSocket socket;
    socket.connectToServer(m_path);
    QList<FocusedApp> apps;
    if (!socket.waitForConnected(kTreeTimeoutMs)) return apps;
    socket.write(message(kGetTree, {}));
    QByteArray buffer;
    bool done = false;
    while (!done && socket.waitForReadyRead(kTreeTimeoutMs)) {
        buffer += socket.readAll();
        const bool ok = takeMessages(buffer, [&](quint32 t, const QByteArray& payload) {
            if (t != kGetTree) return;
            QList<QJsonObject> views;
            collectViews(QJsonDocument::fromJson(payload).object(), 0, views);
            for (const QJsonObject& v : views)
                apps << swayApp(v);
            done = true;
        });
        if (!ok) break;
    }
    return apps;
}
