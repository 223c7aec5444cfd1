// One running copy per product: a lock file named after the product's mutex
// name in the user's runtime directory, and beside it a local socket through
// which a second start asks the first to bring its window forward.
#pragma once

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;
class QLockFile;

class SingleInstance {
public:
    // `mutexName` is the product name followed by " Wireless Gaming Mouse Mutex1".
    // The first copy starts listening for raise requests at once, so a second
    // start that comes before the window exists is not lost.
    explicit SingleInstance(const QString& mutexName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another live process holds the lock. A lock left by a dead
    // process is taken over.
    bool isFirst() const { return m_first; }

    // The first copy: `raise` runs on the GUI thread for every request. A
    // request that came before the handler was set is passed on now.
    void onRaiseRequest(std::function<void()> raise);
    // A second copy: asks the first to show its window. False when nobody
    // answered within `timeoutMs`.
    bool askFirstToRaise(int timeoutMs = 1000) const;

    static QString mutexNameFor(const QString& productName);
    static QString lockPathFor(const QString& mutexName);
    static QString socketPathFor(const QString& mutexName);

private:
    void listen();
    void readRequest(class QLocalSocket* socket);

    QString m_mutexName;
    std::unique_ptr<QLockFile> m_lock;
    std::unique_ptr<QLocalServer> m_server;
    std::function<void()> m_raise;
    bool m_raisePending = false;
    bool m_first = false;
};
