// Feeds arbitrary text to the display-list line parser and checks what an accepted line promises.
#include "display_list.h"
#include "monitor_address.h"

#include <QString>

#include <cstdint>
#include <cstdlib>

static void require(bool condition) {
    if (!condition)
        abort();
}

// A destination that names one display, all of them or a group; never another byte.
static bool knownDestination(int address) {
    return address == 0x2A || (address >= 0x31 && address <= 0x3A) ||
           (address >= 0x41 && address <= 0xA4);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QString line =
        QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(size));
    DisplayListRow row;
    const int code = parse_display_list_line(line, &row);
    if (code != 0) {
        require(code >= DisplayListLine::BadMonitorId && code <= DisplayListLine::FieldCount);
        return 0;
    }
    require(row.type >= 1 && row.type <= 3);
    require(row.type != 3 || row.port.isEmpty());
    require(knownDestination(monitor_id_to_address(row.id)));
    // What the program writes for a row reads back as the same row.
    DisplayListRow again;
    require(parse_display_list_line(display_list_line(row), &again) == 0);
    require(again == row);
    return 0;
}
