#include "frame_codec.h"

namespace FrameCodec {

unsigned char nibbleToHex(int value) {
    value &= 0x0F;
    return static_cast<unsigned char>(value < 10 ? '0' + value : 'A' + value - 10);
}

int hexDigitValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

unsigned char hexPairToByte(char high, char low) {
    auto digit = [](char c) { return hexDigitValue(c) < 0 ? 0 : hexDigitValue(c); };
    return static_cast<unsigned char>(digit(high) * 16 + digit(low));
}

QList<unsigned char> header(unsigned char destination, unsigned char type) {
    return {SOH, Controller, destination, Controller, type, '6', '3', STX};
}

unsigned char checksum(const QList<unsigned char>& bytes) {
    unsigned char check = 0;
    for (int i = 1; i < bytes.size(); ++i)
        check ^= bytes.at(i);
    return check;
}

int finish(QList<unsigned char>& message) {
    message.append(ETX);
    int length = -1;
    if (message.size() >= LengthOffset + 2) {
        length = message.size() - LengthOffset - 2;
        message[LengthOffset] = nibbleToHex(length >> 4);
        message[LengthOffset + 1] = nibbleToHex(length);
    }
    message.append(checksum(message));
    message.append(CR);
    return length;
}

QList<unsigned char> encode(unsigned char destination, unsigned char type,
                            const QList<unsigned char>& body) {
    QList<unsigned char> message = header(destination, type);
    message.append(body);
    finish(message);
    return message;
}

bool isBroadcast(unsigned char destination) {
    return destination == 0x2A || (destination >= 0x31 && destination <= 0x3A);
}

bool isNullMessage(const QList<unsigned char>& body) {
    return body.size() == 2 && body.at(0) == NullMessage[0] && body.at(1) == NullMessage[1];
}

} // namespace FrameCodec

using namespace FrameCodec;

FrameDecoder::FrameDecoder(unsigned char destination, bool accept_any_source)
    : destination(destination), accept_any_source(accept_any_source) {}

FrameDecoder::Step FrameDecoder::feed(unsigned char byte) {
    if (field == Field::Ended)
        return Step::Broken;
    received.append(byte);
    // The check code covers every byte after SOH through ETX.
    const unsigned char expected = check;
    if (field != Field::Soh)
        check ^= byte;
    switch (field) {
    case Field::Soh:
        return byte == SOH ? accept(Field::Reserved) : broken();
    case Field::Reserved:
        return byte == Controller ? accept(Field::Destination) : broken();
    case Field::Destination:
        return byte == Controller || accept_any_source ? accept(Field::Source) : broken();
    case Field::Source:
        accept(Field::Type);
        // Logged only: the reply is taken all the same.
        return !accept_any_source && !isBroadcast(destination) && byte != destination
                   ? Step::ForeignSource
                   : Step::More;
    case Field::Type:
        return accept(Field::LengthHigh);
    case Field::LengthHigh:
        return accept(Field::LengthLow);
    case Field::LengthLow:
        announced_length = hexPairToByte(char(received.at(LengthOffset)), char(byte));
        return accept(Field::Stx);
    case Field::Stx:
        if (byte != STX)
            return broken();
        return accept(announced_length > 2 ? Field::Body : Field::Etx);
    case Field::Body:
        body_bytes.append(byte);
        return body_bytes.size() < announced_length - 2 ? Step::More : accept(Field::Etx);
    case Field::Etx:
        return byte == ETX ? accept(Field::Check) : broken();
    case Field::Check:
        if (byte != expected) {
            field = Field::Ended;
            return Step::BadChecksum;
        }
        return accept(Field::Cr);
    case Field::Cr:
        if (byte != CR)
            return broken();
        field = Field::Ended;
        return Step::Complete;
    case Field::Ended:
        break;
    }
    return broken();
}
