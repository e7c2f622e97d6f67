#pragma once

#include "log_kinds.h"

#include <QList>
#include <QString>

#include <functional>

// One line for the communications log: HTML text and its level (0 always shown, 1 only while
// message decoding is shown).
struct LogLine {
    QString html;
    int level = 0;
    bool operator==(const LogLine& o) const { return html == o.html && level == o.level; }
};

// Turns the protocol's traffic and comment signals (their kinds are those of LogKinds) into log
// lines. Text that came from a display is escaped, so it can never inject markup into the log.
class LogLineFormatter : public LogKinds {
public:
    // The level of the lines shown only while message decoding is shown.
    static constexpr int DecodingLevel = 1;
    // Gives the control name of an op code, or "" when it has no definition.
    using ControlNameLookup = std::function<QString(int opcode)>;

    explicit LogLineFormatter(ControlNameLookup lookup = {}) : controlName(std::move(lookup)) {}

    LogLine comment(const QString& text, int type) const;
    // The level of a comment line of that type, known before the line is built.
    static int commentLevel(int type);
    // The line for a traffic event; with dummy set, a no-reply event gives no line (empty html
    // and level -1), since the dummy interface never answers.
    LogLine traffic(const QList<unsigned char>& bytes, int type, bool dummy) const;
    // Whether a traffic line of that type is followed by the table of its frame.
    static bool hasFrameTable(int type) { return type == TrafficReply || type == TrafficSent; }
    // A failure of the window's own: red and bold, at every level.
    static LogLine failure(const QString& text);
    // A framed message as a table: its fields' captions over its bytes, the two length bytes
    // in one cell and the payload bytes in one cell. Anything but a whole message (SOH first,
    // CR last, at least 9 bytes) gives "".
    static QString bytes_to_html_table(const QList<unsigned char>& bytes);

private:
    ControlNameLookup controlName;
};
