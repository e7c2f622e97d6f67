#pragma once

#include "script_command.h"

#include <QStringList>

class ScriptDefinitions;

// The readable line of one command as an HTML fragment coloured by its status (black not run,
// green succeeded, red failed); empty for a command that has no line (ENDFOREACHPORT, unknown
// types). Text from the script or the definitions is escaped.
QString describeScriptCommand(const ScriptCommand& command, const ScriptDefinitions& definitions);
// The lines of the commands that have one, in order.
QStringList describeScriptCommands(const ScriptCommandList& commands,
                                   const ScriptDefinitions& definitions);
// Text made safe inside rich text: only the characters that would start markup are escaped, so
// quotes stay as they are.
QString richTextEscaped(QString text);
// A line as it is shown, numbered from 1: "3. <font ...>...</font>".
QString numberedScriptLine(int number, const QString& line);
// The plain text of a command's line, without colour or markup; empty when it has none.
QString describeScriptCommandText(const ScriptCommand& command,
                                  const ScriptDefinitions& definitions);
// Whether commands of this type have a line: a view can number a script's lines without
// describing them.
bool hasScriptLine(int type);
