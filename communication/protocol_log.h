#pragma once

#include "log_kinds.h"

#include <QLatin1String>
#include <QList>
#include <QString>

class QVCommProtocol;

// The protocol engine's one log channel: every line the engine logs goes out through here, as
// the engine's transfer_data and comment_text. It also builds the texts of the framing and
// field lines, so that the code that moves and decodes bytes only says what it did.
class ProtocolLog : public LogKinds {
public:
    explicit ProtocolLog(QVCommProtocol& engine) : engine(engine) {}

    void traffic(const QList<unsigned char>& bytes, TrafficType type);
    void comment(const QString& text, CommentType type);
    // A command's title line, its detail lines and the lines of its decoded fields.
    void title(const QString& text) { comment(text, CommentTitle); }
    void detail(const QString& text) { comment(text, CommentConnection); }
    void field(const QString& text) { comment(text, CommentField); }
    // The op code of a parameter command, for the log to name its control.
    void opcode(unsigned char page, unsigned char code);

    // The header of a command going out, and of a reply that came.
    void header(unsigned char destination, unsigned char type);
    void reply_header(unsigned char source);
    // A frame's length field: its value and its two digit characters.
    void sent_length(int length, const unsigned char* digits);
    void received_length(int length, const unsigned char* digits);
    // A field of `count` hexadecimal digit characters (2 or 4) written or read, with its value;
    // a read field may carry a label.
    void wrote(unsigned short value, const unsigned char* digits, int count);
    void read(const char* label, unsigned short value, const unsigned char* digits, int count);

private:
    void length_line(QLatin1String direction, int length, const unsigned char* digits);

    QVCommProtocol& engine;
};
