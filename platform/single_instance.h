#pragma once

#include <QString>

#include <memory>

class QLockFile;

// Keeps a second copy of the program from starting: the first copy holds a lock that others
// find; the lock goes with the process, also when it crashes.
class SingleInstanceGuard {
public:
    // key: a fixed text that names the program (a GUID, say).
    explicit SingleInstanceGuard(const QString& key);
    ~SingleInstanceGuard();
    // True when another running copy already holds the lock.
    bool alreadyRunning() const { return !held; }

private:
    std::unique_ptr<QLockFile> lock;
    bool held = false;
};
