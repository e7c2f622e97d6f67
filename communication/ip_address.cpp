#include "ip_address.h"

#include <QStringList>

#include <algorithm>

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The four parts of a dotted decimal address in their plain reading, or an empty list.
QStringList dottedParts(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('.'));
    if (parts.size() != 4)
        return {};
    QStringList out;
    for (const QString& part : parts) {
        if (part.isEmpty() || part.size() > 3 || !std::all_of(part.begin(), part.end(), isDigit))
            return {};
        const int value = part.toInt(nullptr, 10);
        if (value > 255)
            return {};
        out << QString::number(value);
    }
    return out;
}
} // namespace

QString normalizedIPv4(const QString& text) {
    const QStringList parts = dottedParts(text);
    return parts.isEmpty() ? text : parts.join(QLatin1Char('.'));
}

bool namesNoHost(const QString& text) {
    const QString trimmed = text.trimmed();
    return std::all_of(trimmed.begin(), trimmed.end(),
                       [](QChar c) { return isDigit(c) || c == QLatin1Char('.'); }) &&
           dottedParts(trimmed).isEmpty();
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
