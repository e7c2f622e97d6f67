#include "neighbour_table.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringList>

QString macFromArpTable(const QString& table, const QString& ipv4) {
    const QStringList lines = table.split(QLatin1Char('\n'));
    static const QRegularExpression blanks(QStringLiteral("\\s+"));
    static const QRegularExpression mac(QStringLiteral("^([0-9a-fA-F]{2}:){5}[0-9a-fA-F]{2}$"));
    for (int i = 1; i < lines.size(); ++i) { // the first line is the heading
        const QStringList fields = lines[i].trimmed().split(blanks, Qt::SkipEmptyParts);
        if (fields.size() < 4 || fields[0] != ipv4)
            continue;
        const QString hw = fields[3];
        bool flagsOk = false;
        const int flags = fields[2].toInt(&flagsOk, 16);
        // Flag 0x2 marks a completed entry; incomplete ones show a zero address.
        if (!flagsOk || !(flags & 0x2) || !mac.match(hw).hasMatch() ||
            hw == QLatin1String("00:00:00:00:00:00"))
            return QString();
        return hw.toLower().replace(QLatin1Char(':'), QLatin1Char('-'));
    }
    return QString();
}

QString neighbourMacAddress(const QString& ipv4) {
    QFile file(QStringLiteral("/proc/net/arp"));
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    return macFromArpTable(QString::fromLatin1(file.readAll()), ipv4);
}
