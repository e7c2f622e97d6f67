#pragma once

#include "opcodes.h"
#include "script_definitions.h"

#include <QHash>
#include <QList>
#include <QString>

class QIODevice;

// One named value of a discrete op code.
struct ControlValueItem {
    QString label;
    int value = 0;
};

// One op code: its "|"-separated category path and either a range or a set of named values.
struct ControlDefinition {
    enum Type { Range = 0, Discrete = 1 };

    QString name;
    int opcode = 0;
    int type = Range;
    QString high_label = QStringLiteral("Max");
    QString low_label = QStringLiteral("Min");
    QList<ControlValueItem> items; // Discrete only, in file order
};

// The op-code definitions read from a definitions file. The list keeps file order and
// duplicates; the index maps each op code to its last definition in the list. Scripts look their
// op-code, value and input names up here.
class ControlDefinitions : public ScriptDefinitions {
public:
    // Result of a line in error; a file that cannot be opened gives ResultCode::FileOpenFailed,
    // and one in which no line defines an op code (a script, a text) NoDefinitions.
    enum LineError {
        BadValue = -1,
        TooFewFields = -2,
        OpcodeOutOfRange = -3,
        OpcodeNotHex = -4,
        NoDefinitions = -5
    };
    static constexpr unsigned MaxOpcode = OpCode::Last;

    ControlDefinitions() = default;
    // The index points into the list, so a copy would point into the wrong list.
    ControlDefinitions(const ControlDefinitions&) = delete;
    ControlDefinitions& operator=(const ControlDefinitions&) = delete;

    // Replaces the content by the file's definitions, only when the whole file is good and
    // defines at least one op code; otherwise the content stays as it was. *line_no is the line
    // in error, or 0.
    int load(QString path, int* line_no);
    // The same for a device already open for reading.
    int read(QIODevice& device, int* line_no);

    QString opcodeName(int opcode, bool last_part_only) const override;
    int opcodeForShortName(QString name) const override;
    int opcodeForName(QString name) const;
    ControlDefinition* find(int opcode) const;
    int valueForLabel(int opcode, QString label) const override;
    QString valueLabel(int opcode, int value) const override;

    QList<ControlDefinition> list;
    QHash<int, ControlDefinition*> index;

private:
    void rebuildIndex();
};
