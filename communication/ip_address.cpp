#include "ip_address.h"

#include <QStringList>

QString normalizedIPv4(const QString& text) {
    const QString trimmed = text.trimmed();
    const QStringList parts = trimmed.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return text;
    QStringList out;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3)
            return text;
        for (QChar c : part)
            if (c < QLatin1Char('0') || c > QLatin1Char('9'))
                return text;
        bool ok = false;
        const int value = part.toInt(&ok, 10);
        if (!ok || value < 0 || value > 255)
            return text;
        out << QString::number(value);
    }
    return out.join(QLatin1Char('.'));
}

QString ipUIntToText(uint ip) {
    return QStringLiteral("%1.%2.%3.%4")
        .arg((ip >> 24) & 0xFF)
        .arg((ip >> 16) & 0xFF)
        .arg((ip >> 8) & 0xFF)
        .arg(ip & 0xFF);
}

uint ipTextToUInt(QString text) {
    const QStringList parts = text.split(QLatin1Char('.'));
    if (parts.size() != 4)
        return 0;
    uint ip = 0;
    for (const QString& part : parts) {
        bool ok = false;
        const uint value = part.toUInt(&ok, 10);
        if (!ok || value > 255)
            return 0;
        ip = (ip << 8) | value;
    }
    return ip;
}
