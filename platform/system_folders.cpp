#include "system_folders.h"

#include <QStandardPaths>

#ifdef Q_OS_WIN
#include <shlobj.h>
#include <windows.h>
#endif

QString sharedDocumentsFolder() {
#ifdef Q_OS_WIN
    wchar_t path[MAX_PATH] = {};
    if (SUCCEEDED(SHGetFolderPathW(nullptr, CSIDL_COMMON_DOCUMENTS, nullptr, 0, path)))
        return QString::fromWCharArray(path);
    return QString();
#else
    // The system-wide data folder takes the place of the shared documents folder here.
    const QStringList dirs = QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation);
    return dirs.isEmpty() ? QString() : dirs.last();
#endif
}

QString userDocumentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}
