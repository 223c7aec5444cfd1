#include "osdserver.h"

#include "osdwindow.h"

#include <QLocalServer>
#include <QLocalSocket>

OsdServer::OsdServer(OsdWindow* window, QObject* parent)
    : QObject(parent), m_server(new QLocalServer(this)), m_window(window) {
    qRegisterMetaType<OsdNotice>();
    connect(m_server, &QLocalServer::newConnection, this, &OsdServer::onConnection);
}

OsdServer::Listen OsdServer::listen(const QString& name) {
    QLocalSocket probe;
    probe.connectToServer(name);
    if (probe.waitForConnected(200)) return Listen::AlreadyRunning;
    // Nobody answers: whatever socket file is left belongs to a dead process.
    QLocalServer::removeServer(name);
    return m_server->listen(name) ? Listen::Listening : Listen::Failed;
}

bool OsdServer::setLogFile(const QString& path) {
    if (m_log.isOpen()) m_log.close();
    if (path.isEmpty()) return true;
    m_log.setFileName(path);
    return m_log.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
}

QString OsdServer::logLine(const OsdNotice& n) {
    QString text = n.text;
    text.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    text.replace(QLatin1Char('\t'), QLatin1String("\\t"));
    text.replace(QLatin1Char('\n'), QLatin1String("\\n"));
    text.replace(QLatin1Char('\r'), QLatin1String("\\r"));
    return QStringLiteral("%1\t%2\t%3\t%4\t%5")
        .arg(text)
        .arg(n.durationMs)
        .arg(n.colour.name())
        .arg(n.fontFamily)
        .arg(n.fontSize);
}

void OsdServer::onConnection() {
    while (QLocalSocket* socket = m_server->nextPendingConnection()) {
        connect(socket, &QLocalSocket::readyRead, this, [this, socket] { onReadable(socket); });
        connect(socket, &QLocalSocket::disconnected, socket, &QObject::deleteLater);
        if (socket->bytesAvailable() > 0) onReadable(socket);
    }
}

void OsdServer::onReadable(QLocalSocket* socket) {
    // Notices are fixed-size records; a partial one waits for the rest.
    while (socket->bytesAvailable() >= kOsdPayloadSize) {
        const QByteArray payload = socket->read(kOsdPayloadSize);
        OsdNotice notice;
        if (!decodeOsdPayload(payload, &notice)) continue;
        const OsdNotice shown = sanitizedOsdNotice(notice);
        if (m_window) m_window->showNotice(shown);
        ++m_count;
        if (m_log.isOpen()) {
            m_log.write((logLine(shown) + QLatin1Char('\n')).toUtf8());
            m_log.flush();
        }
        emit noticeShown(shown);
        socket->write(QByteArray(1, '\x01'));
        socket->flush();
    }
}
