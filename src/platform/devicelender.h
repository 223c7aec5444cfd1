// One writer to the mouse at a time while the window runs: the command-line
// tool borrows the window's device over a local socket named after the
// window's instance lock. The window lets go of the mouse, the tool writes,
// and the window takes the mouse back and rereads the settings it left.
#pragma once

#include <QObject>
#include <QString>
#include <memory>

class QLocalServer;
class QLocalSocket;
class QTimer;

// The socket of the window that holds the instance lock `mutexName`.
QString deviceLenderSocketFor(const QString& mutexName);

// The window's side. Borrowers are served one at a time, in order.
class DeviceLender : public QObject {
    Q_OBJECT
public:
    explicit DeviceLender(const QString& mutexName, QObject* parent = nullptr);
    ~DeviceLender() override;
    bool listening() const;
    // After lendRequested: the mouse is let go, the borrower may start.
    void confirmLent();
    // A borrower that neither finishes nor hangs up is cut off after this.
    static constexpr int kLendTimeoutMs = 60000;

signals:
    // Let go of the mouse (stop polling, close the handles), then call confirmLent().
    void lendRequested();
    // The borrower is done (or gone): open the mouse again and reread the settings.
    void returned();

private:
    void serveNext();
    void finish();

    QLocalServer* m_server;
    QTimer* m_timeout;
    QList<QLocalSocket*> m_queue;
    QLocalSocket* m_current = nullptr;
};

// The tool's side: holds the window's mouse while it lives.
class DeviceBorrow {
public:
    DeviceBorrow();
    ~DeviceBorrow();
    DeviceBorrow(const DeviceBorrow&) = delete;
    DeviceBorrow& operator=(const DeviceBorrow&) = delete;
    // Asks the window of `mutexName` for its mouse and waits for it. False
    // when no window answers within `timeoutMs`.
    bool borrow(const QString& mutexName, int timeoutMs);
    // Hands the mouse back (also done on destruction).
    void giveBack();

private:
    std::unique_ptr<QLocalSocket> m_socket;
};
