#include "single_instance.h"

#include <QDir>
#include <QLockFile>

SingleInstanceGuard::SingleInstanceGuard(const QString& key)
    : lock(new QLockFile(QDir::temp().absoluteFilePath(key + QStringLiteral(".lock")))) {
    // A lock left by a crashed copy names a process that no longer exists; QLockFile
    // recognises that and takes the lock over.
    lock->setStaleLockTime(0);
    held = lock->tryLock(0);
}

SingleInstanceGuard::~SingleInstanceGuard() {
    if (held)
        lock->unlock();
}
