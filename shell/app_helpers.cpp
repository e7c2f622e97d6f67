#include "app_helpers.h"

#include "ip_address.h"
#include "neighbour_table.h"
#include "string_resource.h"
#include "system_folders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QStringList>
#include <QTreeWidgetItem>

#include <cstdio>

namespace {
const char kVersion[] = "1.4.00.0";
const char kBuild[] = "180105";

bool isWritableFolder(const QString& path) {
    QFileInfo info(path);
    return info.isDir() && info.isWritable();
}
} // namespace

QString versionString() {
    return QCoreApplication::translate("versionString", "Version %1 (Build %2)",
                                       "software version and build number")
        .arg(QLatin1String(kVersion), QLatin1String(kBuild));
}

QString appDataFolderUnder(const QString& base, const QString& fallbackBase, bool create) {
    QString root = base;
    // A shared folder that this user cannot write would leave the program without scripts and
    // display lists: use the user's own folder instead.
    const QString company = StringResource(StringId::CompanyName);
    const QString shared = root + QLatin1Char('/') + company;
    if (root.isEmpty() || (!isWritableFolder(shared) && !isWritableFolder(root)))
        root = fallbackBase;
    if (root.isEmpty())
        return QString();
    const QString folder = root + QLatin1Char('/') + company + QLatin1Char('/') +
                           StringResource(StringId::ApplicationName);
    if (QFileInfo(folder).isDir())
        return folder;
    if (!create || !QDir().mkpath(folder))
        return QString();
    return folder;
}

QString appDataFolder(bool create) {
    QString shared = sharedDocumentsFolder();
    if (shared.isEmpty())
        shared = QCoreApplication::applicationFilePath();
    return appDataFolderUnder(shared, userDocumentsFolder(), create);
}

QString macAddressForIp(QString ip) {
    // Through the number and back, so the table is searched for the address's plain form.
    const uint address = ipTextToUInt(ip);
    return address == 0 ? QString() : neighbourMacAddress(ipUIntToText(address));
}

QTreeWidgetItem* findTreeChildByText(QTreeWidgetItem* parent, QString text) {
    if (!parent)
        return nullptr;
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    return nullptr;
}

void writeStandardErrorText(const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stderr);
    std::fflush(stderr);
}

void writeStandardError(const QString& line) {
    writeStandardErrorText(line + QLatin1Char('\n'));
}

namespace {
QtMessageHandler passedOn = nullptr;

bool isPlatformChatter(QtMsgType type, const QString& message) {
    if (type == QtCriticalMsg || type == QtFatalMsg)
        return false;
    return message.startsWith(QLatin1String("This plugin does not support ")) ||
           (message.startsWith(QLatin1String("QStandardPaths: ")) &&
            (message.contains(QLatin1String("XDG_RUNTIME_DIR")) ||
             message.contains(QLatin1String("runtime directory"))));
}

void dropPlatformChatter(QtMsgType type, const QMessageLogContext& context,
                         const QString& message) {
    if (!isPlatformChatter(type, message) && passedOn)
        passedOn(type, context, message);
}
} // namespace

void quietPlatformChatter() {
    passedOn = qInstallMessageHandler(dropPlatformChatter);
}

bool windowsAreSeen() {
    const QString platform = QGuiApplication::platformName();
    return !platform.startsWith(QLatin1String("offscreen")) &&
           !platform.startsWith(QLatin1String("minimal"));
}

QDate manufactureDateFromSerial(QString serial, const QDate& today) {
    serial = serial.toUpper();
    if ((serial.size() != 9 && serial.size() != 10) || !serial[0].isDigit())
        return QDate();
    const int y = serial[0].digitValue();
    const QChar m = serial[1];
    int month = 0;
    if (m >= QLatin1Char('1') && m <= QLatin1Char('9'))
        month = m.digitValue();
    else if (m == QLatin1Char('X'))
        month = 10;
    else if (m == QLatin1Char('Y'))
        month = 11;
    else if (m == QLatin1Char('Z'))
        month = 12;
    else
        return QDate();
    int year = today.year() / 10 * 10 + y;
    if (year > today.year() || (year == today.year() && month > today.month()))
        year -= 10;
    return QDate(year, month, 1);
}

QDate manufactureDateFromSerial(QString serial) {
    return manufactureDateFromSerial(serial, QDate::currentDate());
}
