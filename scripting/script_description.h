#pragma once

#include "script_command.h"

#include <QStringList>
#include <QVector>

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

// The description of a script kept up to date while a run marks its commands: one command's
// line is redone without describing the others again.
class ScriptDescription {
public:
    explicit ScriptDescription(const ScriptDefinitions& definitions);

    // Describes every command of the list.
    void reset(const ScriptCommandList& commands);
    // Describes command `index` again (its status changed); returns the index of its line, or
    // -1 when it has none.
    int update(int index, const ScriptCommand& command);

    int lineCount() const { return lines.size(); }
    // Line `line` (from 0) with its number.
    QString numberedLine(int line) const;
    QStringList numberedLines() const;

private:
    const ScriptDefinitions& definitions;
    QStringList lines;
    QVector<int> lineOfCommand; // -1 for a command without a line
};
