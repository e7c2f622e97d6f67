#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

namespace {
// Writes characters into a caller's buffer of `capacity` bytes, dropping what does not fit
// and keeping room for the NUL.
class BoundedText {
public:
    BoundedText(char* out, int capacity) : out(out), capacity(capacity) {}
    void put(char c) {
        if (used < capacity - 1)
            out[used++] = c;
    }
    // Ends the text; returns the characters kept.
    int finish() {
        if (capacity > 0)
            out[used] = '\0';
        return used;
    }

private:
    char* out;
    int capacity;
    int used = 0;
};
} // namespace

void QVCommProtocol::begin_command(const QString& title, unsigned short code,
                                   const QString& detail) {
    log.title(title);
    if (!detail.isEmpty())
        log.detail(detail);
    begin_message('A');
    put_hex4(code);
}

int QVCommProtocol::check_length(BodyLength length) const {
    const int size = reply_body.size();
    return size < length.min || size > length.max ? ResultCode::ReplyTooShort : 0;
}

int QVCommProtocol::send_and_receive(int first_byte_timeout_ms, SendFailure send_failure) {
    const int sent = send_message();
    if (sent != 0 && send_failure == SendFailure::Returned)
        return sent;
    return receive_reply(first_byte_timeout_ms, false);
}

int QVCommProtocol::exchange(BodyLength length, bool command_reply) {
    const int result = send_and_receive(ReplyTimeoutMs);
    if (result != 0)
        return result;
    if (command_reply && reply_message_type != 'B')
        return ResultCode::IncorrectReply;
    return check_length(length);
}

int QVCommProtocol::await_message(int first_byte_timeout_ms, BodyLength length) {
    const int result = receive_message(first_byte_timeout_ms, true, true);
    return result != 0 ? result : check_length(length);
}

bool QVCommProtocol::expect_hex2(unsigned char expected, const char* label) {
    return read_hex2(label) == expected;
}

bool QVCommProtocol::expect_hex4(unsigned short expected, const char* label) {
    return read_hex4(label) == expected;
}

void QVCommProtocol::read_hex_text(char* out, int capacity) {
    BoundedText text(out, capacity);
    for (int n = reply_body.size() / 2; n > 0; --n)
        text.put(char(read_hex2()));
    text.finish();
}

int QVCommProtocol::read_plain_text(char* out, int capacity) {
    BoundedText text(out, capacity);
    while (!reply_body.isEmpty())
        text.put(char(reply_body.takeFirst()));
    return text.finish();
}

void QVCommProtocol::read_mac_text(char* out, int capacity) {
    BoundedText text(out, capacity);
    for (int i = 1; !reply_body.isEmpty(); ++i) {
        text.put(char(reply_body.takeFirst()));
        if (i % 2 == 0 && !reply_body.isEmpty())
            text.put('-');
    }
    text.finish();
}

bool QVCommProtocol::is_printable_text(const char* text, int length) {
    for (int i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c > 0x7E)
            return false;
    }
    return true;
}

bool QVCommProtocol::is_printable_latin1(const char* text, int length) {
    constexpr unsigned char FirstUpperPrintable = 0xA0;
    for (int i = 0; i < length; ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (c < FirstUpperPrintable && !is_printable_text(text + i, 1))
            return false;
    }
    return true;
}

bool QVCommProtocol::expect_reply(unsigned short request_code, int sub_command, const char* label) {
    if (!expect_hex4(static_cast<unsigned short>(request_code + CommandCode::ReplyOffset), label))
        return false;
    return sub_command < 0 || expect_hex2(static_cast<unsigned char>(sub_command), label);
}

int QVCommProtocol::one_byte_command(const QString& title, unsigned short code,
                                     const QList<unsigned char>& fields, BodyLength length,
                                     int* out, const char* label, const char* echo_label,
                                     OnFailure on_failure) {
    if (on_failure == OnFailure::Cleared)
        *out = 0;
    begin_command(title, code);
    for (unsigned char field : fields)
        put_hex2(field);
    const int result = exchange(length);
    if (result != 0)
        return result;
    if (!expect_reply(code, fields.isEmpty() ? -1 : fields.first(), echo_label))
        return ResultCode::IncorrectReply;
    *out = read_hex2(label);
    return 0;
}

int QVCommProtocol::one_byte_command(const QString& title, unsigned short code,
                                     const QList<unsigned char>& fields, BodyLength length,
                                     unsigned char* out, const char* label, const char* echo_label,
                                     OnFailure on_failure) {
    // Starts from the caller's value, so that a kept output is written back unchanged.
    int value = *out;
    const int result =
        one_byte_command(title, code, fields, length, &value, label, echo_label, on_failure);
    *out = static_cast<unsigned char>(value);
    return result;
}
