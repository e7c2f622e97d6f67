#include "../tests/support/family_operations.h"
#include "replay_protocol.h"

#include <QList>

#include <cstddef>
#include <cstdint>

namespace {
// The frame a display sends around a body of its choosing.
QList<unsigned char> frame(const std::uint8_t* body, int size) {
    QList<unsigned char> out = {0x01, '0', '0', 'A', 'B'};
    const char* digits = "0123456789ABCDEF";
    out << static_cast<unsigned char>(digits[(size + 2) >> 4])
        << static_cast<unsigned char>(digits[(size + 2) & 15]) << 0x02;
    for (int i = 0; i < size; ++i)
        out << body[i];
    out << 0x03;
    unsigned char check = 0;
    for (int i = 1; i < out.size(); ++i)
        check ^= out[i];
    out << check << 0x0D;
    return out;
}
} // namespace

// Replies come from the display, so every byte of them is untrusted: whatever the body, the
// decoders stay inside it and inside the caller's buffers. The first byte picks the command.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1)
        return 0;
    static ReplayProtocol protocol;
    const auto& operations = familyOperations();
    const int count = operations.size() + 2;
    const int pick = data[0] % count;
    const int body = int(std::min<std::size_t>(size - 1, QVCommProtocol::MaxBodyLength));
    protocol.answerWith(frame(data + 1, body));
    if (pick < operations.size()) {
        (*(operations.cbegin() + pick))(protocol);
    } else {
        int result = 0, value = 0;
        if (pick == operations.size())
            protocol.auto_id_get_complete(&result, &value);
        else
            protocol.auto_tile_matrix_complete(&result);
        if (value != 0)
            __builtin_trap();
    }
    return 0;
}
