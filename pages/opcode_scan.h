#pragma once

#include <QList>
#include <QString>

class ControlDefinitions;

// One pass of the op-code scanner: the op codes read, in reading order, with their values.
struct OpcodeScanPass {
    struct Range {
        uint first, last;
    };
    // Op code 0000, page 01 and pages 03 to 0F are not scanned.
    static constexpr Range Ranges[] = {
        {0x0001, 0x00FF}, {0x0200, 0x02FF}, {0x1000, 0x10FF}, {0x1100, 0x11FF}};

    QList<uint> opcodes;
    QList<uint> values;
};

// What changed between two passes, one line per op code read on both passes whose value
// differs, named from the definitions; and how many op codes could not be compared.
QString opcode_scan_report(const OpcodeScanPass& first, const OpcodeScanPass& second,
                           const ControlDefinitions& definitions);
