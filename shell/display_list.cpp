#include "display_list.h"

#include "lm_communications_interface_configure_widget.h"
#include "monitor_address.h"
#include "result_codes.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QFile>
#include <QStringList>

namespace {
const QString kType = QStringLiteral("TYPE=");
const QString kPort = QStringLiteral("PORT=");
const QString kId = QStringLiteral("ID=");

// The value after a prefix that is there in upper case; otherwise the whole field, which then
// fails its own check.
QString valueAfter(const QString& field, const QString& prefix) {
    return field.startsWith(prefix) ? field.mid(prefix.size()) : field;
}

struct Refusal {
    int code;
    const char* text;
};

const Refusal refusals[] = {
    {DisplayListLine::FieldCount, QT_TRANSLATE_NOOP("DisplayList", "not three fields")},
    {DisplayListLine::BadType, QT_TRANSLATE_NOOP("DisplayList", "TYPE is not 1, 2 or 3")},
    {DisplayListLine::NoType, QT_TRANSLATE_NOOP("DisplayList", "no TYPE= field")},
    {DisplayListLine::NoPort, QT_TRANSLATE_NOOP("DisplayList", "no PORT= field")},
    {DisplayListLine::NoId, QT_TRANSLATE_NOOP("DisplayList", "no ID= field")},
    {DisplayListLine::NotSerialPort,
     QT_TRANSLATE_NOOP("DisplayList", "PORT is not a serial port name")},
    {DisplayListLine::NotIPv4, QT_TRANSLATE_NOOP("DisplayList", "PORT is not an IPv4 address")},
    {DisplayListLine::BadMonitorId,
     QT_TRANSLATE_NOOP("DisplayList", "ID is not 1 to 100, ALL or Group A to Group J")},
};
} // namespace

int parse_display_list_line(const QString& line, DisplayListRow* row) {
    QString text = line;
    while (text.endsWith(QLatin1Char('\n')) || text.endsWith(QLatin1Char('\r')))
        text.chop(1);
    const QStringList fields = text.split(QLatin1Char(','));
    if (fields.size() != 3)
        return DisplayListLine::FieldCount;
    if (!fields[0].startsWith(kType, Qt::CaseInsensitive))
        return DisplayListLine::NoType;
    if (!fields[1].startsWith(kPort, Qt::CaseInsensitive))
        return DisplayListLine::NoPort;
    if (!fields[2].startsWith(kId, Qt::CaseInsensitive))
        return DisplayListLine::NoId;
    bool ok = false;
    const int type = valueAfter(fields[0], kType).toInt(&ok, 10);
    if (!ok || type < InterfaceType::Lan || type > InterfaceType::Dummy)
        return DisplayListLine::BadType;
    QString port = valueAfter(fields[1], kPort);
    // "COMn" as on Windows, or a port named this platform's own way.
    if (type == InterfaceType::Rs232 &&
        !port.startsWith(QLatin1String("COM"), Qt::CaseInsensitive) &&
        !isPlatformSerialPortName(port))
        return DisplayListLine::NotSerialPort;
    if (type == InterfaceType::Lan && !IP4Validator::isAcceptable(port))
        return DisplayListLine::NotIPv4;
    const QString id = valueAfter(fields[2], kId);
    // An ID outside the displays' range would address another display, a group or all of them.
    if (monitor_id_to_address(id) <= 0)
        return DisplayListLine::BadMonitorId;
    if (type == InterfaceType::Dummy)
        port.clear();
    *row = {type, port, id};
    return 0;
}

QString display_list_line(const DisplayListRow& row) {
    return kType + QString::number(row.type) + QLatin1Char(',') + kPort + row.port +
           QLatin1Char(',') + kId + row.id;
}

DisplayListFile read_display_list(const QString& path) {
    DisplayListFile list;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        list.result = ResultCode::FileOpenFailed;
        return list;
    }
    for (int number = 1; !file.atEnd(); ++number) {
        const QString line = QString::fromLocal8Bit(file.readLine());
        DisplayListRow row;
        const int code = parse_display_list_line(line, &row);
        if (code == 0)
            list.rows << row;
        else if (!line.trimmed().isEmpty())
            list.refused << DisplayListFile::Refused{number, code};
    }
    return list;
}

int write_display_list(const QString& path, const QList<DisplayListRow>& rows) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate | QIODevice::Text))
        return ResultCode::FileSaveFailed;
    for (const DisplayListRow& row : rows)
        file.write((display_list_line(row) + QLatin1Char('\n')).toLocal8Bit());
    file.close();
    return file.error() == QFileDevice::NoError ? 0 : ResultCode::FileSaveFailed;
}

QString display_list_refusal_text(int code) {
    for (const Refusal& r : refusals)
        if (r.code == code)
            return QCoreApplication::translate("DisplayList", r.text);
    return QString::number(code);
}
