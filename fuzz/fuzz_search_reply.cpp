// The LAN search's reading of a reply datagram, which any machine on the network may send:
// whatever its bytes and size, the reader stays inside the datagram and its fields.
#include "pjsearchudp.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// data[0]: the filter mode and whether the sender is a target; data[1..2]: the sequence of the
// search; the rest is the datagram.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 3)
        return 0;
    const int mode = data[0] % 3;
    const bool fromTarget = data[0] & 4;
    const quint16 sequence = quint16(data[1] | data[2] << 8);
    const QByteArray datagram(reinterpret_cast<const char*>(data + 3), int(size - 3));
    const PJSearchReply reply = PJSearchUdp::ParseReply(datagram, mode, sequence, fromTarget);
    // The name field holds 160 bytes, and no byte decodes to more than one character.
    if (reply.name.size() > 160 || (reply.verdict == PJSearchReply::Drop && !reply.name.isEmpty()))
        __builtin_trap();
    if (reply.verdict != PJSearchReply::Drop && !datagram.startsWith("VKRZ"))
        __builtin_trap();
    return 0;
}
