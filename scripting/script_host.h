#pragma once

#include "script_command.h"

#include <QString>

// One command of a run once it has run, as the runner tells its host.
struct ScriptStep {
    int index = 0;    // its place in the run's list, from 0
    int line = 0;     // its line in the description, from 1; 0 when it has none
    int commands = 0; // the number of commands of the run
    const ScriptCommand* command = nullptr; // with its status set
    int result = 0;                         // the result it was marked by
    bool ownResult = false; // the command made `result` itself, rather than keep an earlier one
    bool sent = true;       // false when it needed a display and there was no connection
    QString port;           // the port or address the run was connected to (or tried to be)
};

// What a script run needs of the window (or of the command line) that starts it. The runner
// calls these on the GUI thread, in the order a run takes:
//   beginProgress, runStarted, [retryOption] [openForCommand],
//   then per command: setProgress, abortRequested, ..., commandDone, processEvents;
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

    // The run's commands, all not run yet, before the first one runs. The list stays as it is
    // until the run ends; statuses come one by one through commandDone.
    virtual void runStarted(const ScriptCommandList& commands) = 0;
    // A command has run (or was not performed) and is marked: the one place a host learns of
    // it, at a cost that must not grow with the script.
    virtual void commandDone(const ScriptStep& step) = 0;
};
