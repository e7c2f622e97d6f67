#pragma once

#include "qvcommprotocol.h"

#include <QList>
#include <QPair>
#include <QString>

// The real protocol engine with its building blocks opened up for tests, and everything it
// logs recorded.
class ProtocolProbe : public QVCommProtocol {
public:
    ProtocolProbe() {
        connect(this, &QVCommProtocol::transfer_data, [this](QList<unsigned char> bytes, int type) {
            traffic << qMakePair(type, bytes);
        });
        connect(this, &QVCommProtocol::comment_text,
                [this](QString text, int type) { comments << qMakePair(type, text); });
    }
    using QVCommProtocol::begin_message;
    using QVCommProtocol::read_hex2;
    using QVCommProtocol::read_hex4;
    using QVCommProtocol::reply_body;
    using QVCommProtocol::reply_message_type;
    using QVCommProtocol::send_buffer;
    using QVCommProtocol::write_hex2;
    using QVCommProtocol::write_hex4;

    // Starts a message and appends the body text as it is.
    void message(char type, const QByteArray& body) {
        begin_message(static_cast<unsigned char>(type));
        for (char c : body)
            send_buffer.append(static_cast<unsigned char>(c));
    }
    QList<int> trafficTypes() const {
        QList<int> types;
        for (const auto& t : traffic)
            types << t.first;
        return types;
    }
    QByteArray body() const { return toByteArray(reply_body); }

    QList<QPair<int, QList<unsigned char>>> traffic;
    QList<QPair<int, QString>> comments;
};

inline QList<unsigned char> toList(const QByteArray& bytes) {
    QList<unsigned char> out;
    for (char c : bytes)
        out << static_cast<unsigned char>(c);
    return out;
}
