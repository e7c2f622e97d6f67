// The reading of a display's reply: the frame decoder fed the fuzzer's bytes one at a time, and
// the engine's raw reader on a link that replays them. Whatever arrives, the decoder stays
// inside the frame's bounds, ends the frame where its length says, and hands on a body no
// longer than a frame can carry; the raw reader never waits for more than it may hold.
#include "frame_codec.h"
#include "replay_protocol.h"

#include <cstddef>
#include <cstdint>

// data[0]: the destination of the request; data[1]: bit 0 accepts any source, bit 1 reads a
// raw reply instead (up to the terminator in data[2]); the rest is what the display sends.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    if (data[1] & 2) {
        static ReplayProtocol protocol;
        protocol.answerWith(data + 3, size - 3);
        QList<unsigned char> out;
        const int result = protocol.receive_raw(out, data[2]);
        if (out.size() > QVCommProtocol::MaxRawReplyLength ||
            (result == 0 && (out.isEmpty() || out.last() != data[2])))
            __builtin_trap();
        return 0;
    }
    FrameDecoder decoder(data[0], data[1] & 1);
    FrameDecoder::Step step = FrameDecoder::Step::More;
    std::size_t fed = 3;
    while (fed < size &&
           (step == FrameDecoder::Step::More || step == FrameDecoder::Step::ForeignSource))
        step = decoder.feed(data[fed++]);
    const int taken = decoder.bytes().size();
    if (taken != int(fed - 3) || decoder.body().size() > FrameCodec::MaxBodyLength ||
        taken > FrameCodec::MaxBodyLength + FrameCodec::FrameOverhead)
        __builtin_trap();
    // A whole frame is its header, body and end, nothing else, and its check code holds.
    if (step == FrameDecoder::Step::Complete) {
        const QList<unsigned char>& bytes = decoder.bytes();
        if (taken != decoder.body().size() + FrameCodec::FrameOverhead ||
            bytes.first() != FrameCodec::SOH || bytes.last() != FrameCodec::CR ||
            FrameCodec::checksum(bytes.mid(0, taken - 2)) != bytes.at(taken - 2))
            __builtin_trap();
    }
    // Once the frame ended, nothing more is taken.
    if (step != FrameDecoder::Step::More && step != FrameDecoder::Step::ForeignSource &&
        (decoder.feed(FrameCodec::SOH) != FrameDecoder::Step::Broken ||
         decoder.bytes().size() != taken))
        __builtin_trap();
    return 0;
}
