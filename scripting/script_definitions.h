#pragma once

#include <QString>

// What the script engine looks up in the op-code definitions: names and value labels. The
// op-code definitions store implements it; a parsed script keeps what it found at parse time.
class ScriptDefinitions {
public:
    virtual ~ScriptDefinitions() = default;

    // The op code whose name ends in this part (after its last "|"), without regard to case;
    // -1 when none does.
    virtual int opcodeForShortName(QString name) const = 0;
    // The value of the op code's first label equal to this one without regard to case; -1 when
    // there is none.
    virtual int valueForLabel(int opcode, QString label) const = 0;
    // The op code's name, or only its last part; empty when the op code is unknown.
    virtual QString opcodeName(int opcode, bool last_part_only) const = 0;
    // The label of a value of the op code; empty when it has none.
    virtual QString valueLabel(int opcode, int value) const = 0;
};
