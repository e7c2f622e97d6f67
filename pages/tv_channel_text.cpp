#include "tv_channel_text.h"

#include "display_records.h"

#include <QStringList>

namespace {
// A decimal number of digits only, not above max.
std::optional<int> number(const QString& text, unsigned max) {
    if (text.isEmpty())
        return std::nullopt;
    for (const QChar c : text)
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
    bool ok = false;
    const qulonglong value = text.toULongLong(&ok);
    if (!ok || value > max)
        return std::nullopt;
    return int(value);
}
} // namespace

std::optional<TvChannel> parse_tv_channel(const QString& text) {
    const QStringList parts = text.trimmed().split(QLatin1Char('-'));
    if (parts.size() != 2)
        return std::nullopt;
    const std::optional<int> major = number(parts[0].trimmed(), TvChannelLimits::MaxMajor);
    const std::optional<int> minor = number(parts[1].trimmed(), TvChannelLimits::MaxMinor);
    if (!major || !minor)
        return std::nullopt;
    return TvChannel{*major, *minor};
}

QString tv_channel_text(int major, int minor) {
    return QStringLiteral("%1-%2").arg(major).arg(minor);
}
