#pragma once

#include "byte_buffer.h"

#include <QObject>
#include <QString>

class TBasicComm;

// The display control protocol engine: frames each command, writes it through the one
// transport it owns, reads and checks the reply, and leaves the reply body for the field
// readers. Every step is logged through transfer_data and comment_text.
class QVCommProtocol : public QObject {
    Q_OBJECT

public:
    // Second argument of transfer_data.
    enum TrafficType {
        TrafficReply = 1,
        TrafficSent = 2,
        TrafficNoInterface = 6,
        TrafficNoReply = 7,
        TrafficUnexpectedReply = 8,
        TrafficBadChecksum = 9,
        TrafficUnexpectedSource = 10,
        TrafficReplyPayload = 11,
        TrafficNullMessage = 12,
    };
    // Second argument of comment_text.
    enum CommentType {
        CommentTitle = 1,
        CommentConnection = 2,
        CommentField = 3,
        CommentOpCode = 4,
    };
    enum : unsigned char { SOH = 0x01, STX = 0x02, ETX = 0x03, CR = 0x0D, Controller = 0x30 };
    // The one-byte length counts STX through ETX, so a body holds at most 253 characters.
    static constexpr int MaxBodyLength = 253;
    // receive_raw gives up past this many bytes instead of growing while bytes trickle in.
    static constexpr int MaxRawReplyLength = 1024;
    static constexpr int WriteTimeoutMs = 1000;
    static constexpr int LongWriteTimeoutMs = 6000;
    static constexpr int NextByteTimeoutMs = 2000;
    static constexpr int LongFirstByteExtraMs = 8000;
    static constexpr int RawFirstByteTimeoutMs = 2000;
    static constexpr int LongRawFirstByteTimeoutMs = 8000;

    explicit QVCommProtocol(QObject* parent = nullptr);
    ~QVCommProtocol() override;

    virtual int open_interface(QString address, int interface_type);
    virtual QString interface_name();
    virtual void set_long_timeout(bool on);
    virtual void set_destination(int destination);
    virtual int destination();
    virtual int send_message();
    virtual int receive_reply(int first_byte_timeout_ms, bool accept_any_source);
    virtual int send_raw(QList<unsigned char> bytes);
    virtual int receive_raw(QList<unsigned char>& out, unsigned char terminator);

    virtual QString address_text(unsigned char address);
    virtual unsigned char checksum();

    bool is_connected();

signals:
    void transfer_data(QList<unsigned char> output_buffer, int type);
    void comment_text(QString text, int type);

protected:
    QList<unsigned char> build_header(unsigned char message_type);
    static QList<unsigned char> byte_to_hex2(unsigned char value);
    static unsigned char nibble_to_hex(int value);
    static unsigned char hex_pair_to_byte(char high, char low);
    QList<unsigned char> write_hex2(unsigned char value);
    QList<unsigned char> write_hex4(unsigned short value);
    unsigned char read_hex2(const char* label = "");
    unsigned short read_hex4(const char* label = "");

    // Starts a new message in the send buffer: its header, then the body text appended later.
    void begin_message(unsigned char message_type);
    int write_timeout() const;

    int retry_count = 3;
    TBasicComm* transport;
    int destination_address = 0x41;
    QList<unsigned char> send_buffer;
    QList<unsigned char> reply_body;
    unsigned char reply_message_type = 0;
    bool long_timeout = false;

private:
    unsigned char take_reply_char();
};
