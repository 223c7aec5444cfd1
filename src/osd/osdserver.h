// The companion's listening side: takes 1044-byte notices off the local
// socket, shows each one and acknowledges it with one byte.
#pragma once

#include "osdpayload.h"

#include <QFile>
#include <QObject>

class QLocalServer;
class QLocalSocket;
class OsdWindow;

class OsdServer : public QObject {
    Q_OBJECT
public:
    OsdServer(OsdWindow* window, QObject* parent = nullptr);
    enum class Listen { Listening, AlreadyRunning, Failed };
    // Listens on `name`, taking over a socket file left by a dead companion.
    Listen listen(const QString& name);
    // Appends one line per shown notice to `path` ("" for none).
    bool setLogFile(const QString& path);
    int noticeCount() const { return m_count; }

    // One log line: text (tabs, newlines and backslashes escaped), duration,
    // #rrggbb colour, font family, font size; tab-separated.
    static QString logLine(const OsdNotice& notice);

signals:
    void noticeShown(const OsdNotice& notice);

private:
    void onConnection();
    void onReadable(QLocalSocket* socket);

    QLocalServer* m_server;
    OsdWindow* m_window;
    QFile m_log;
    int m_count = 0;
};
