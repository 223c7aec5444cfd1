#include "singleinstance.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QStandardPaths>

SingleInstance::SingleInstance(const QString& mutexName) {
    const QString path = lockPathFor(mutexName);
    QDir().mkpath(QFileInfo(path).absolutePath());
    m_lock = std::make_unique<QLockFile>(path);
    m_lock->setStaleLockTime(0); // only a dead owner makes a lock stale
    if (m_lock->tryLock(0)) {
        m_first = true;
        return;
    }
    // A failure other than "another process holds it" (no runtime folder, a
    // read-only disk, a directory or link planted at the lock's name) must not
    // stop the program: start as the first copy.
    const QFileInfo held(path);
    m_first = m_lock->error() != QLockFile::LockFailedError || !held.isFile() || held.isSymLink();
}

SingleInstance::~SingleInstance() = default;

QString SingleInstance::mutexNameFor(const QString& productName) {
    return productName + QStringLiteral(" Wireless Gaming Mouse Mutex1");
}

QString SingleInstance::lockPathFor(const QString& mutexName) {
    QString dir = QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation);
    if (dir.isEmpty()) dir = QDir::tempPath();
    QString file = mutexName;
    file.replace(QLatin1Char('/'), QLatin1Char('_'));
    return dir + QLatin1Char('/') + file + QStringLiteral(".lock");
}
