#include "log_line_formatter.h"

namespace {
struct TrafficStart {
    int type;
    const char* start; // %1: the byte count
    int level;
};

const TrafficStart kTrafficStarts[] = {
    {1, "<b>Received %1 bytes:</b><br>", 0},
    {2, "<b>Sent %1 bytes:</b><br>", 0},
    {6, "<font COLOR=red><b>Error - No communications interface.</b></font>", 0},
    {7, "<font COLOR=red><b>Error - No reply.</b></font>", 0},
    {8, "<font COLOR=red><b>Error - Received unexpected reply:</b></font>", 0},
    {9, "<font COLOR=red><b>Error - Received bad checksum:</b></font>", 0},
    {10, "<font COLOR=red><b>Error - Received unexpected Monitor ID reply:</b></font>", 0},
    {11, "<b><font COLOR=green>Received (message payload only):</font></b><br>", 1},
    {12, "<font COLOR=red><b>Error - Unsupported Command (Null Message) reply:</b></font>", 0},
};

QString hexByte(unsigned char b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

int LogLineFormatter::commentLevel(int type) {
    return type == 2 || type == 3 || type == 5 ? 1 : 0;
}

LogLine LogLineFormatter::comment(const QString& text, int type) const {
    const QString safe = text.toHtmlEscaped();
    switch (type) {
    case 1:
        return {QStringLiteral("<b><font COLOR=blue>") + safe + QStringLiteral("</font></b>"), 0};
    case 2:
    case 3:
        return {QStringLiteral("<font COLOR=gray>") + safe + QStringLiteral("</font>"),
                commentLevel(type)};
    case 4: {
        bool ok = false;
        const int opcode = text.toInt(&ok, 16);
        const QString name = ok && controlName ? controlName(opcode) : QString();
        if (name.isEmpty())
            return {QString(), 0};
        return {QStringLiteral("<font COLOR=blue>OP Code Control Name: <b>") +
                    name.toHtmlEscaped() + QStringLiteral("</b></font>"),
                0};
    }
    case 5:
        return {QStringLiteral("<font COLOR=red>") + safe + QStringLiteral("</font>"),
                commentLevel(type)};
    default:
        return {QStringLiteral("<b><font COLOR=cyan>") + safe + QStringLiteral("</font></b>"), 0};
    }
}

LogLine LogLineFormatter::traffic(const QList<unsigned char>& bytes, int type, bool dummy) const {
    if (type == 7 && dummy)
        return {QString(), -1};
    LogLine line{QStringLiteral("Unknown:<br>"), 0};
    for (const TrafficStart& s : kTrafficStarts) {
        if (s.type == type) {
            line.html = QString::fromLatin1(s.start);
            if (line.html.contains(QLatin1String("%1")))
                line.html = line.html.arg(bytes.size());
            line.level = s.level;
            break;
        }
    }
    for (unsigned char b : bytes)
        line.html += hexByte(b) + QLatin1Char(' ');
    line.html += QStringLiteral("<br>");
    return line;
}

QString LogLineFormatter::frameTable(const QList<unsigned char>& bytes) {
    if (bytes.size() < 9 || bytes.first() != 0x01 || bytes.last() != 0x0D)
        return QString();
    // Field name and how many bytes it spans; the body takes what the fixed fields leave.
    const int body = bytes.size() - 11 < 0 ? 0 : bytes.size() - 11;
    const QList<QPair<QString, int>> fields = {
        {QStringLiteral("SOH"), 1},
        {QStringLiteral("Reserved"), 1},
        {QStringLiteral("Destination Address"), 1},
        {QStringLiteral("Source Address"), 1},
        {QStringLiteral("Message Type"), 1},
        {QStringLiteral("Message Length"), 2},
        {QStringLiteral("STX"), 1},
        {QStringLiteral("Data (Message payload)"), body},
        {QStringLiteral("ETX"), 1},
        {QStringLiteral("Check code"), 1},
        {QStringLiteral("Delimiter"), 1},
    };
    QString heads, cells;
    int at = 0;
    for (const auto& f : fields) {
        if (f.second == 0 || at >= bytes.size())
            continue;
        const int span = qMin(f.second, bytes.size() - at);
        heads += QStringLiteral("<th colspan=%1>%2</th>").arg(span).arg(f.first);
        for (int i = 0; i < span; ++i)
            cells += QStringLiteral("<td>%1</td>").arg(hexByte(bytes[at + i]));
        at += span;
    }
    return QStringLiteral("<table border=1 cellspacing=0 cellpadding=2><tr>") + heads +
           QStringLiteral("</tr><tr>") + cells + QStringLiteral("</tr></table>");
}
