#include "log_line_formatter.h"

namespace {
struct TrafficStart {
    LogKinds::TrafficType type;
    const char* start; // %1: the byte count
    int level;
};

const TrafficStart kTrafficStarts[] = {
    {LogKinds::TrafficReply, "<b>Received %1 bytes:</b><br>", 0},
    {LogKinds::TrafficSent, "<b>Sent %1 bytes:</b><br>", 0},
    {LogKinds::TrafficNoInterface,
     "<font COLOR=red><b>Error - No communications interface.</b></font>", 0},
    {LogKinds::TrafficNoReply, "<font COLOR=red><b>Error - No reply.</b></font>", 0},
    {LogKinds::TrafficUnexpectedReply,
     "<font COLOR=red><b>Error - Received unexpected reply:</b></font>", 0},
    {LogKinds::TrafficBadChecksum, "<font COLOR=red><b>Error - Received bad checksum:</b></font>",
     0},
    {LogKinds::TrafficUnexpectedSource,
     "<font COLOR=red><b>Error - Received unexpected Monitor ID reply:</b></font>", 0},
    {LogKinds::TrafficReplyPayload,
     "<b><font COLOR=green>Received (message payload only):</font></b><br>",
     LogLineFormatter::DecodingLevel},
    {LogKinds::TrafficNullMessage,
     "<font COLOR=red><b>Error - Unsupported Command (Null Message) reply:</b></font>", 0},
};

QString hexByte(unsigned char b) {
    return QStringLiteral("%1").arg(b, 2, 16, QLatin1Char('0')).toUpper();
}
} // namespace

int LogLineFormatter::commentLevel(int type) {
    switch (CommentType(type)) {
    case CommentConnection:
    case CommentField:
    case CommentError:
        return DecodingLevel;
    case CommentTitle:
    case CommentOpCode:
        break;
    }
    return 0;
}

LogLine LogLineFormatter::comment(const QString& text, int type) const {
    const QString safe = text.toHtmlEscaped();
    switch (CommentType(type)) {
    case CommentTitle:
        return {QStringLiteral("<b><font COLOR=blue>") + safe + QStringLiteral("</font></b>"), 0};
    case CommentConnection:
    case CommentField:
        return {QStringLiteral("<font COLOR=gray>") + safe + QStringLiteral("</font>"),
                commentLevel(type)};
    case CommentOpCode: {
        bool ok = false;
        const int opcode = text.toInt(&ok, 16);
        const QString name = ok && controlName ? controlName(opcode) : QString();
        if (name.isEmpty())
            return {QString(), 0};
        return {QStringLiteral("<font COLOR=blue>OP Code Control Name: <b>") +
                    name.toHtmlEscaped() + QStringLiteral("</b></font>"),
                0};
    }
    case CommentError:
        return {QStringLiteral("<font COLOR=red>") + safe + QStringLiteral("</font>"),
                commentLevel(type)};
    }
    return {QStringLiteral("<b><font COLOR=cyan>") + safe + QStringLiteral("</font></b>"), 0};
}

LogLine LogLineFormatter::failure(const QString& text) {
    return {QStringLiteral("<font COLOR=red><b>") + text.toHtmlEscaped() +
                QStringLiteral("</b></font><br>"),
            0};
}

LogLine LogLineFormatter::traffic(const QList<unsigned char>& bytes, int type, bool dummy) const {
    if (type == TrafficNoReply && dummy)
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

QString LogLineFormatter::bytes_to_html_table(const QList<unsigned char>& bytes) {
    constexpr int kMinimumFrame = 9;
    constexpr int kFirstLengthByte = 5; // shares its cell with the second
    constexpr int kFirstPayloadByte = 8;
    constexpr int kTrailerBytes = 4; // the last payload byte is at n - 4
    const int n = bytes.size();
    if (n < kMinimumFrame || bytes.first() != 0x01 || bytes.last() != 0x0D)
        return QString();
    QString html = QStringLiteral(
        "<table  border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"
        "<tr><td bgcolor=\"#F0F0F0\" colspan=\"6\"><p align=\"center\">Header</p></td>"
        "<td bgcolor=\"#F0F0F0\" colspan=\"3\"><p align=\"center\">Message</p></td>"
        "<td bgcolor=\"#F0F0F0\" rowspan=\"2\"><p align=\"center\">Check<br>code</p></td>"
        "<td bgcolor=\"#F0F0F0\" rowspan=\"2\"><p align=\"center\">Delimiter</p></td></tr>"
        "<tr><td bgcolor=\"#F0F0F0\"><p align=\"center\">SOH</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Reserved</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Destination<br>Address</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Source<br>Address</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Message<br>Type</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Message<br>Length</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">STX</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">Data (Message payload)</p></td>"
        "<td bgcolor=\"#F0F0F0\"><p align=\"center\">ETX</p></td></tr>");
    html += QStringLiteral("<tr><td><p align=\"center\">");
    for (int i = 0; i < n; ++i) {
        html += hexByte(bytes[i]);
        if (i == kFirstLengthByte || (i >= kFirstPayloadByte && i < n - kTrailerBytes))
            html += QLatin1Char(' ');
        else if (i == n - 1)
            html += QStringLiteral("</p></td>");
        else
            html += QStringLiteral("</p></td><td><p align=\"center\">");
    }
    html += QStringLiteral("</tr></table><br>");
    return html;
}
