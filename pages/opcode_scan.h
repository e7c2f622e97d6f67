#pragma once

#include <QList>
#include <QString>

class ControlDefinitions;

// One pass of the op-code scanner: the op codes read, in reading order, with their values.
struct OpcodeScanPass {
    QList<uint> opcodes;
    QList<uint> values;
};

// What changed between two passes, one line per op code read on both passes whose value
// differs, named from the definitions; and how many op codes could not be compared.
QString opcode_scan_report(const OpcodeScanPass& first, const OpcodeScanPass& second,
                           const ControlDefinitions& definitions);
