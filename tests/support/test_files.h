#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QTemporaryDir>
#include <QtGlobal>

// Writes a file of a test into the test's own folder and returns its path; a test that cannot
// write its fixture cannot go on.
inline QString writeTestFile(const QTemporaryDir& dir, const QString& name,
                             const QByteArray& bytes) {
    QFile file(dir.filePath(name));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(name));
    return file.fileName();
}
