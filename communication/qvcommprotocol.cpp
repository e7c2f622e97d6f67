#include "qvcommprotocol.h"

#include "frame_codec.h"
#include "monitor_data.h"
#include "result_codes.h"
#include "tdummycomm.h"
#include "tlancomm.h"
#include "trs232comm.h"

#include <algorithm>

QVCommProtocol::QVCommProtocol(QObject* parent) : QObject(parent), transport(new TDummyComm) {
    registerByteBufferType();
}

QVCommProtocol::~QVCommProtocol() {
    delete transport;
}

int QVCommProtocol::open_interface(QString address, int interface_type) {
    delete transport;
    transport = nullptr;
    switch (interface_type) {
    case InterfaceType::Lan:
        log.detail(QStringLiteral("Connecting to TCP/IP address: %1, Port: 7142").arg(address));
        transport = new TLANComm;
        break;
    case InterfaceType::Rs232:
        log.detail(QStringLiteral("Opening COM Port: %1").arg(address));
        transport = new TRS232Comm;
        break;
    default:
        log.detail(QStringLiteral("Connecting to Dummy interface"));
        transport = new TDummyComm;
        return 0;
    }
    return transport->Open(address);
}

int QVCommProtocol::repeatable(RetriedOperation, const std::function<int()>& attempt) {
    return attempt();
}

QString QVCommProtocol::interface_name() {
    return transport ? transport->Name() : QStringLiteral("None");
}

void QVCommProtocol::set_long_timeout(bool on) {
    long_timeout = on;
}

void QVCommProtocol::set_destination(int destination) {
    destination_address = destination;
}

int QVCommProtocol::destination() {
    return destination_address;
}

bool QVCommProtocol::is_connected() {
    return transport && transport->IsOpen();
}

int QVCommProtocol::write_timeout() const {
    return long_timeout ? LongWriteTimeoutMs : WriteTimeoutMs;
}

QString QVCommProtocol::address_text(unsigned char address) {
    if (address >= 0x41 && address <= 0xA4)
        return QString::number(address - 0x40);
    if (address == 0x2A)
        return QStringLiteral("All");
    if (address >= 0x31 && address <= 0x3A)
        return QString(QLatin1Char(char(address + 0x10)));
    if (address == 0x30)
        return QStringLiteral("0");
    return QStringLiteral("Unknown");
}

unsigned char QVCommProtocol::checksum() {
    return FrameCodec::checksum(send_buffer);
}

QList<unsigned char> QVCommProtocol::build_header(unsigned char message_type) {
    const unsigned char dest = static_cast<unsigned char>(destination_address & 0xFF);
    log.header(dest, message_type);
    return FrameCodec::header(dest, message_type);
}

void QVCommProtocol::begin_message(unsigned char message_type) {
    send_buffer.clear();
    send_buffer.append(build_header(message_type));
}

unsigned char QVCommProtocol::nibble_to_hex(int value) {
    return FrameCodec::nibbleToHex(value);
}

QList<unsigned char> QVCommProtocol::byte_to_hex2(unsigned char value) {
    return {nibble_to_hex(value >> 4), nibble_to_hex(value)};
}

unsigned char QVCommProtocol::hex_pair_to_byte(char high, char low) {
    return FrameCodec::hexPairToByte(high, low);
}

QList<unsigned char> QVCommProtocol::write_digits(unsigned short value, int count) {
    unsigned char digits[4] = {};
    for (int i = 0; i < count; ++i)
        digits[i] = nibble_to_hex(value >> (4 * (count - 1 - i)));
    log.wrote(value, digits, count);
    QList<unsigned char> out;
    for (int i = 0; i < count; ++i)
        out << digits[i];
    return out;
}

QList<unsigned char> QVCommProtocol::write_hex2(unsigned char value) {
    return write_digits(value, 2);
}

QList<unsigned char> QVCommProtocol::write_hex4(unsigned short value) {
    return write_digits(value, 4);
}

// Past the end of the body a reader sees '0' digits, so it yields 0 and never reads beyond.
unsigned char QVCommProtocol::take_reply_char() {
    return reply_body.isEmpty() ? '0' : reply_body.takeFirst();
}

unsigned short QVCommProtocol::read_digits(int count, const char* label) {
    unsigned char digits[4] = {};
    unsigned short value = 0;
    for (int i = 0; i < count; i += 2) {
        digits[i] = take_reply_char();
        digits[i + 1] = take_reply_char();
        value = static_cast<unsigned short>(value * 256 +
                                            hex_pair_to_byte(char(digits[i]), char(digits[i + 1])));
    }
    log.read(label, value, digits, count);
    return value;
}

unsigned char QVCommProtocol::read_hex2(const char* label) {
    return static_cast<unsigned char>(read_digits(2, label));
}

unsigned short QVCommProtocol::read_hex4(const char* label) {
    return read_digits(4, label);
}

int QVCommProtocol::send_message() {
    if (!transport)
        return ResultCode::NotConnected;
    // A longer body would wrap the one-byte length and the display would misread the frame.
    if (send_buffer.size() - FrameCodec::HeaderLength > MaxBodyLength)
        return ResultCode::TooManyValues;
    const int length = FrameCodec::finish(send_buffer);
    if (length >= 0) {
        const unsigned char pair[2] = {send_buffer[FrameCodec::LengthOffset],
                                       send_buffer[FrameCodec::LengthOffset + 1]};
        log.sent_length(length, pair);
    }
    log.traffic(send_buffer, TrafficSent);
    ++messages_handed_over;
    return transport->Write(send_buffer, write_timeout());
}

int QVCommProtocol::receive_reply(int first_byte_timeout_ms, bool accept_any_source) {
    return receive_message(first_byte_timeout_ms, accept_any_source, false);
}

int QVCommProtocol::wait_for_first_byte(unsigned char& byte, int timeout_ms) {
    for (int waited = 0;;) {
        // Each slice listens a moment in real time, then pauses for the rest of it.
        const int step = std::min(WaitSliceMs, timeout_ms - waited);
        const int listen = std::min(WaitListenMs, step);
        const int result = transport->ReadByte(&byte, listen);
        if (result != ResultCode::NoReply || waited >= timeout_ms)
            return result;
        delay(step - listen);
        waited += step;
        emit waiting(waited, timeout_ms);
    }
}

int QVCommProtocol::receive_message(int first_byte_timeout_ms, bool accept_any_source,
                                    bool sliced) {
    reply_body.clear();
    if (!transport) {
        log.traffic({}, TrafficNoInterface);
        return ResultCode::NotConnected;
    }
    FrameDecoder decoder(static_cast<unsigned char>(destination_address & 0xFF), accept_any_source);
    const int result = read_frame(decoder, first_byte_timeout_ms, sliced);
    // What came stays readable even from a frame that broke off.
    reply_body = decoder.body();
    if (decoder.has_type())
        reply_message_type = decoder.type();
    if (result != 0)
        return result;

    const QList<unsigned char>& received = decoder.bytes();
    log.traffic(received, TrafficReply);
    log.traffic(reply_body, TrafficReplyPayload);
    log.reply_header(decoder.source());
    const unsigned char pair[2] = {received.at(FrameCodec::LengthOffset),
                                   received.at(FrameCodec::LengthOffset + 1)};
    log.received_length(decoder.length(), pair);
    if (FrameCodec::isNullMessage(reply_body)) {
        log.traffic(received, TrafficNullMessage);
        return ResultCode::NullMessage;
    }
    return 0;
}

int QVCommProtocol::read_frame(FrameDecoder& decoder, int first_byte_timeout_ms, bool sliced) {
    int timeout = first_byte_timeout_ms + (long_timeout ? LongFirstByteExtraMs : 0);
    for (;;) {
        unsigned char byte = 0;
        const int read = sliced && decoder.bytes().isEmpty() ? wait_for_first_byte(byte, timeout)
                                                             : transport->ReadByte(&byte, timeout);
        timeout = NextByteTimeoutMs;
        if (read != 0) {
            log.traffic(decoder.bytes(), TrafficNoReply);
            return read;
        }
        switch (decoder.feed(byte)) {
        case FrameDecoder::Step::More:
            break;
        case FrameDecoder::Step::ForeignSource:
            log.traffic(decoder.bytes(), TrafficUnexpectedSource);
            break;
        case FrameDecoder::Step::Complete:
            return 0;
        case FrameDecoder::Step::Broken:
            log.traffic(decoder.bytes(), TrafficUnexpectedReply);
            return ResultCode::IncorrectReply;
        case FrameDecoder::Step::BadChecksum:
            log.traffic(decoder.bytes(), TrafficBadChecksum);
            return ResultCode::BadChecksum;
        }
    }
}

int QVCommProtocol::send_raw(QList<unsigned char> bytes) {
    if (!transport)
        return ResultCode::NotConnected;
    ++messages_handed_over;
    const int result = transport->Write(bytes, write_timeout());
    log.traffic(bytes, TrafficSent);
    return result;
}

int QVCommProtocol::receive_raw(QList<unsigned char>& out, unsigned char terminator) {
    if (!transport) {
        log.traffic({}, TrafficNoInterface);
        return ResultCode::NotConnected;
    }
    int timeout = long_timeout ? LongRawFirstByteTimeoutMs : RawFirstByteTimeoutMs;
    for (int count = 0;; ++count) {
        if (count >= MaxRawReplyLength) {
            log.traffic(out, TrafficUnexpectedReply);
            return ResultCode::IncorrectReply;
        }
        unsigned char byte = 0;
        const int result = transport->ReadByte(&byte, timeout);
        timeout = NextByteTimeoutMs;
        if (result != 0) {
            log.traffic({}, TrafficNoReply);
            return result;
        }
        out.append(byte);
        if (byte == terminator)
            break;
    }
    log.traffic(out, TrafficReply);
    return 0;
}
