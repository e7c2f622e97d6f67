#pragma once

#include "opcodes.h"
#include "script_command.h"

#include <QByteArray>
#include <QString>

class ScriptDefinitions;

namespace ScriptLimits {
// Above these a value would not reach the display as written.
constexpr unsigned int MaxOpcode = OpCode::FieldMax;
constexpr unsigned int MaxOpcodeValue = OpCode::FieldMax;
constexpr unsigned int MaxWaitMs = 0x7FFFFFFF;
// A wider FOREACHPORT range would fill memory with its copies.
constexpr unsigned int MaxRangeAddresses = 65536;
constexpr int MaxInputNameLength = 14;
} // namespace ScriptLimits

// The result of a script that ends inside a FOREACHPORT block; it has no text of its own.
constexpr int ScriptUnclosedBlock = -1;

// Parses a script file into its commands. Returns 0 when the whole file was accepted, else the
// first fault (ResultCode::Script..., ScriptUnclosedBlock, or ResultCode::FileOpenFailed) and
// nothing after it is read. *lineNumber is the fault's line counted among the non-empty lines
// from 1, or 0 when no line is to blame; *commands holds the commands of the lines before it.
// Where the code's own text would mislead or say too little (a range too wide, a name with a
// character Latin-1 lacks, a folder), *sentence says it; else it is empty.
// Names of op codes, values and inputs are looked up in the definitions as they are now.
int parseScriptFile(const QString& fileName, int* lineNumber, ScriptCommandList* commands,
                    const ScriptDefinitions& definitions, QString* sentence = nullptr);
// The same for the file's bytes.
int parseScriptText(const QByteArray& text, int* lineNumber, ScriptCommandList* commands,
                    const ScriptDefinitions& definitions, QString* sentence = nullptr);
