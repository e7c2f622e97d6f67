#pragma once

#include <QFile>

// A memory figure of this process from the kernel's status file, in MB: "VmRSS:" the resident
// memory now, "VmHWM:" its peak so far; -1 when it cannot be read.
inline double processMegabytes(const char* key) {
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith(key))
            return line.mid(int(qstrlen(key))).trimmed().split(' ').first().toDouble() / 1024.0;
    return -1;
}
