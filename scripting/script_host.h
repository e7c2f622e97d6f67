#pragma once

#include <QString>
#include <QStringList>

// What a script run needs of the window (or of the command line) that starts it. The runner
// calls these on the GUI thread, in the order a run takes:
//   beginProgress, showDescription, [retryOption] [openForCommand],
//   then per command: setProgress, abortRequested, ..., updateDescriptionLine, processEvents;
//   endProgress.
class ScriptHost {
public:
    virtual ~ScriptHost() = default;

    // Progress of a run over `commandCount` commands: shown at once with the runner's
    // ProgressLabel and AbortText, window-modal, starting at 0.
    virtual void beginProgress(int commandCount) = 0;
    // Before each command; a modal dialog takes the user's input (the Abort click) here.
    virtual void setProgress(int value) = 0;
    // True once the user asked to stop; asked before each command and after each WAIT slice.
    virtual bool abortRequested() = 0;
    // After the last command or the abort: the progress goes to its end and away.
    virtual void endProgress() = 0;
    // Lets pending events run, user input excluded, for at most a second.
    virtual void processEvents() = 0;

    // The shell's open step, used when a script does not begin with SETPORT (or that port did
    // not open): applies the retry and LAN time-out options and opens the interface, address and
    // monitor ID the user chose. On failure it has reported the error itself and returns false.
    virtual bool openForCommand() = 0;
    // Whether the user's retry option is on; a leading SETPORT applies it itself.
    virtual bool retryOption() = 0;

    // Reports a command's result code on the status bar: 0 clears it.
    virtual void showErrorStatus(int code) = 0;
    // The message text of a result code.
    virtual QString errorText(int code) = 0;
    // Appends an HTML line to the communications log, shown at every log level; a host without
    // a log drops it.
    virtual void appendLog(const QString& html) = 0;

    // The whole numbered description of the script being run, before its first command.
    virtual void showDescription(const QStringList& numberedLines) = 0;
    // Line `line` (from 0) of that description changed after its command ran.
    virtual void updateDescriptionLine(int line, const QString& numberedLine) = 0;
};
