#include "single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QLockFile>
#include <QStandardPaths>
#include <QSysInfo>

namespace {
QString lockFolder() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (QDir::isAbsolutePath(folder))
        return folder;
    // A relative configuration folder is not to be trusted: it would put the lock in whatever
    // folder the copy was started from.
    return QDir::home().filePath(
        QStringLiteral(".config/%1/%2")
            .arg(QCoreApplication::organizationName(), QCoreApplication::applicationName()));
}
} // namespace

QString SingleInstanceGuard::lockFilePath(const QString& key) {
    return QDir(lockFolder())
        .filePath(QStringLiteral("%1-%2.lock").arg(key, QSysInfo::machineHostName()));
}

SingleInstanceGuard::SingleInstanceGuard(const QString& key)
    : lock(new QLockFile(lockFilePath(key))) {
    QDir().mkpath(lockFolder());
    // A lock left by a crashed copy names a process that no longer exists; QLockFile
    // recognises that and takes the lock over.
    lock->setStaleLockTime(0);
    // Only a lock that another copy holds keeps this one from starting; a folder that cannot
    // be written leaves the program unguarded rather than not starting at all.
    otherCopy = !lock->tryLock(0) && lock->error() == QLockFile::LockFailedError;
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (!otherCopy)
        lock->unlock();
}
