#pragma once

#include <QList>

// The frame of the display control protocol, with no I/O and no logging: a message is encoded
// into the bytes that go on the wire, and a reply is decoded from the bytes that come in, one
// at a time. The link that moves the bytes (transport, time-outs) drives it.
namespace FrameCodec {
enum : unsigned char { SOH = 0x01, STX = 0x02, ETX = 0x03, CR = 0x0D, Controller = 0x30 };
// SOH through STX.
constexpr int HeaderLength = 8;
// SOH, reserved, destination, source and type come before the two length digits.
constexpr int LengthOffset = 5;
// The one-byte length counts STX through ETX, so a body holds at most 253 characters.
constexpr int MaxBodyLength = 253;
// The bytes around the body: the header, ETX, the check code and CR.
constexpr int FrameOverhead = HeaderLength + 3;
// The body of the display's null message (an unsupported command or a wrong monitor ID).
constexpr unsigned char NullMessage[2] = {'B', 'E'};

// One upper-case hexadecimal digit of the low four bits.
unsigned char nibbleToHex(int value);
// The value of a hexadecimal digit in either case; -1 for any other character.
int hexDigitValue(char c);
// "0"-"9", "A"-"F" and "a"-"f" give their values; any other character counts as 0.
unsigned char hexPairToByte(char high, char low);
// The first eight bytes of a command, with "63" standing in for the length until finish().
QList<unsigned char> header(unsigned char destination, unsigned char type);
// The exclusive-or of every byte after the first.
unsigned char checksum(const QList<unsigned char>& bytes);
// Ends a message that header() began and its body filled: ETX, the length digits in place of
// the stand-in, the check code and CR.
// Returns the length written, or -1 when the message is too short to hold the length digits.
int finish(QList<unsigned char>& message);
// A whole command: header, body and end.
QList<unsigned char> encode(unsigned char destination, unsigned char type,
                            const QList<unsigned char>& body);
// All displays (0x2A) and the groups (0x31 to 0x3A): any display may answer.
bool isBroadcast(unsigned char destination);
bool isNullMessage(const QList<unsigned char>& body);
} // namespace FrameCodec

// Decodes one reply fed a byte at a time; it says after each byte whether the frame goes on,
// ended, or broke. What came so far stays readable whatever the outcome.
class FrameDecoder {
public:
    enum class Step {
        More,          // the frame goes on
        ForeignSource, // goes on, but another display answered than the one addressed
        Complete,      // a whole frame with a good check code
        Broken,        // a byte that breaks the frame
        BadChecksum,   // the check code does not match
    };

    // destination: the address of the request; with accept_any_source the reply may come from
    // any display and carry any destination byte.
    FrameDecoder(unsigned char destination, bool accept_any_source);

    // A byte fed after the frame ended is not taken: the step is Broken.
    Step feed(unsigned char byte);

    // Every byte fed.
    const QList<unsigned char>& bytes() const { return received; }
    // The body characters read so far.
    const QList<unsigned char>& body() const { return body_bytes; }
    // Whether the message-type byte came.
    bool has_type() const { return received.size() > TypeOffset; }
    unsigned char type() const { return has_type() ? received.at(TypeOffset) : 0; }
    unsigned char source() const {
        return received.size() > SourceOffset ? received.at(SourceOffset) : 0;
    }
    // The length the frame announced (STX through ETX).
    int length() const { return announced_length; }

private:
    static constexpr int SourceOffset = 3;
    static constexpr int TypeOffset = 4;
    enum class Field {
        Soh,
        Reserved,
        Destination,
        Source,
        Type,
        LengthHigh,
        LengthLow,
        Stx,
        Body,
        Etx,
        Check,
        Cr,
        Ended
    };
    Step accept(Field next) {
        field = next;
        return Step::More;
    }
    Step broken() {
        field = Field::Ended;
        return Step::Broken;
    }

    unsigned char destination;
    bool accept_any_source;
    Field field = Field::Soh;
    int announced_length = 0;
    unsigned char check = 0;
    QList<unsigned char> received;
    QList<unsigned char> body_bytes;
};
