// One running copy per product: a lock file named after the product's mutex
// name in the user's runtime directory.
#pragma once

#include <QString>
#include <memory>

class QLockFile;

class SingleInstance {
public:
    // `mutexName` is the product name followed by " Wireless Gaming Mouse Mutex1".
    explicit SingleInstance(const QString& mutexName);
    ~SingleInstance();
    SingleInstance(const SingleInstance&) = delete;
    SingleInstance& operator=(const SingleInstance&) = delete;

    // False when another live process holds the lock. A lock left by a dead
    // process is taken over.
    bool isFirst() const { return m_first; }

    static QString mutexNameFor(const QString& productName);
    static QString lockPathFor(const QString& mutexName);

private:
    std::unique_ptr<QLockFile> m_lock;
    bool m_first = false;
};
