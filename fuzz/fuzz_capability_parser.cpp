#include "display_capabilities.h"

#include <QByteArray>

#include <cstddef>
#include <cstdint>

// The capability string comes from the display, so every byte of it is untrusted.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray text(reinterpret_cast<const char*>(data), int(size)); // NUL-terminated copy
    DisplayCapabilities caps;
    const int result = caps.parse(text.constData());
    if (result != 0 && result != -1 && result != -2)
        __builtin_trap();
    if (caps.valid != (result == 0))
        __builtin_trap();
    for (const auto& e : caps.vcp_codes) {
        if (e.code > 0xFFFF || !caps.hasVcpCode(e.code))
            __builtin_trap();
        for (unsigned int v : e.values)
            if (v > 0xFF || !caps.hasVcpValue(e.code, v))
                __builtin_trap();
    }
    return 0;
}
