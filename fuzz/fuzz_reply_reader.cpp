// The frame reader of the protocol engine, fed a display's reply byte by byte from a link that
// replays the fuzzer's bytes: whatever arrives, it stays inside the frame's bounds, never waits
// for more than a frame can hold, and hands on a body no longer than a frame can carry.
#include "replay_protocol.h"

#include <cstddef>
#include <cstdint>

// data[0]: the destination of the request; data[1]: bit 0 accepts any source, bit 1 reads a
// raw reply instead (up to the terminator in data[2]); the rest is what the display sends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    static ReplayProtocol protocol;
    protocol.set_destination(data[0]);
    protocol.answerWith(data + 3, size - 3);
    if (data[1] & 2) {
        QList<unsigned char> out;
        const int result = protocol.receive_raw(out, data[2]);
        if (out.size() > QVCommProtocol::MaxRawReplyLength ||
            (result == 0 && (out.isEmpty() || out.last() != data[2])))
            __builtin_trap();
        return 0;
    }
    const int result = protocol.receive_reply(2000, data[1] & 1);
    // A frame is at least SOH, reserved, two addresses, type, two length digits, STX, ETX,
    // check code and CR around the body.
    const int bodyRoom = int(size) - 3 - 11;
    if (protocol.reply_body.size() > QVCommProtocol::MaxBodyLength + 2 ||
        (result == 0 && protocol.reply_body.size() > bodyRoom))
        __builtin_trap();
    while (!protocol.reply_body.isEmpty())
        protocol.read_hex4("field");
    return 0;
}
