#pragma once

#include <QString>

#include <optional>

// A direct TV channel as the page shows it: "major-minor" in decimal.
struct TvChannel {
    int major = 0;
    int minor = 0;
};

// The channel of a text "major-minor": two decimal numbers, the major channel up to 2^31 - 1 and
// the minor up to 65535 (the widths the display takes). Anything else (no dash, two dashes, a
// missing number, letters, a number too large) is no channel.
std::optional<TvChannel> parse_tv_channel(const QString& text);
QString tv_channel_text(int major, int minor);
