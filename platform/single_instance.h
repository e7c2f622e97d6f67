#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of the program from starting: the first copy holds a lock that others
// find; the lock goes with the process, also when it crashes. The lock is the user's and the
// machine's: it lies beside the user's settings (whatever the temp folder is) and names the
// machine, so that copies on other machines sharing the home folder do not count.
class SingleInstanceGuard {
public:
    // key: a fixed text that names the program (a GUID, say).
    explicit SingleInstanceGuard(const QString& key);
    ~SingleInstanceGuard();
    // True when another running copy already holds the lock.
    bool alreadyRunning() const { return otherCopy; }
    // Where the lock of the key lies for this user on this machine.
    static QString lockFilePath(const QString& key);

private:
    std::unique_ptr<QLockFile> lock;
    bool otherCopy = false;
};
