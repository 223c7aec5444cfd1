// Sends notices to the on-screen-display companion over its local socket,
// starting the companion when it is not running.
#pragma once

#include "osdpayload.h"

#include <QMutex>
#include <QObject>
#include <QProcessEnvironment>
#include <QThread>
#include <atomic>

enum class OsdSendResult {
    Sent,        // the companion took the notice
    Desktop,     // no companion can show it here: the desktop's notification service took it
    NoCompanion, // nobody listens and the companion could not be started
    Failed,      // connected, but the notice was not acknowledged
};
Q_DECLARE_METATYPE(OsdSendResult)

constexpr int kOsdStartWaitMs = 2500;
constexpr int kOsdReceiptWaitMs = 2000;

// Delivers one payload to a listening companion and waits up to `timeoutMs`
// for its one-byte receipt.
OsdSendResult sendOsdPayload(const QByteArray& payload, const QString& serverName = osdServerName(),
                             int timeoutMs = kOsdReceiptWaitMs);

// The companion program in an application directory: <appDir>/OSD.
QString osdCompanionPath(const QString& appDir);

// True in a Wayland session without XWayland: the companion, which runs on
// X11 where it can (it places itself and never takes the focus there), has
// no display, and a notice goes to the desktop's notification service.
bool noticeNeedsDesktop(const QProcessEnvironment& env);

// Hands `text` to the desktop's notification service, waiting up to
// `timeoutMs` for its answer; false when no service took it.
bool sendDesktopNotice(const QString& text, int durationMs, int timeoutMs = kOsdReceiptWaitMs);

// One notice, waiting as long as it takes: when no companion listens and
// `mayStart`, starts the one in `appDir` once, detached, and waits up to
// kOsdStartWaitMs for it; then sends `text` in `colour`. Where the companion
// could not keep off the keyboard (Wayland without XWayland), the notice
// goes to the desktop's notification service instead. A missing companion
// program gives NoCompanion at once. `startedPid`, when given, receives the
// id of the companion started (0 when none was).
OsdSendResult sendOsdNotice(const QString& appDir, const QString& text, const QColor& colour,
                            const QString& serverName = osdServerName(),
                            qint64* startedPid = nullptr, bool mayStart = true,
                            int receiptTimeoutMs = kOsdReceiptWaitMs);

// The window's notice path: notices go out from a worker thread, one at a
// time, so the window never waits for the companion. While one is on its way
// the newest posted waits behind it and older waiting ones are dropped. A
// companion that was started and never came up is not started again.
class OsdNotifier : public QObject {
    Q_OBJECT
public:
    explicit OsdNotifier(const QString& appDir, const QString& serverName = osdServerName(),
                         QObject* parent = nullptr);
    ~OsdNotifier() override;

    // Hands the notice to the worker and returns at once.
    void post(const QString& text, const QColor& colour);
    // A notice is on its way.
    bool busy() const;
    int dropped() const;
    int companionStarts() const { return m_starts; }
    void setReceiptTimeout(int ms) { m_receiptTimeoutMs = ms; }

signals:
    // From the worker thread, once per notice that went out.
    void delivered(OsdSendResult result);

private:
    struct Notice {
        QString text;
        QColor colour;
    };
    void deliver(Notice notice); // on the worker

    QString m_appDir;
    QString m_serverName;
    QThread m_thread;
    QObject m_worker;
    mutable QMutex m_mutex;
    bool m_inFlight = false;
    bool m_waiting = false;
    Notice m_next;
    int m_dropped = 0;
    std::atomic<int> m_starts{0};
    std::atomic<int> m_receiptTimeoutMs{kOsdReceiptWaitMs};
    bool m_startFailed = false; // the worker's own
};
