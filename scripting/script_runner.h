#pragma once

#include "script_command.h"

#include <QString>

class basic_monitor;
class ScriptHost;

// Runs an expanded script against the displays, command after command, through the monitor
// object. A failed command never stops the run; only the host's abort does. Each command is
// marked succeeded or failed in the runner's own copy of the list and handed to the host as it
// goes, at a cost that does not grow with the script. The run ends with its connection closed.
class ScriptRunner {
public:
    // Fixed English texts of the progress dialog.
    static const char* const ProgressLabel; // "Script progress..."
    static const char* const AbortText;     // "Abort"
    // Result of a command that was not performed for lack of a connection, or whose input-name
    // or security command the display refused with a non-zero result byte.
    static constexpr int NotPerformed = 1;
    // Result of a run of an empty script.
    static constexpr int EmptyScript = -1;
    // A WAIT sleeps in slices of at most this, so that an abort is seen.
    static constexpr int WaitSliceMs = 1000;
    // The retry option's number of tries; the destination a leading SETPORT starts with
    // (monitor ID 1).
    static constexpr int RetryTries = 3;
    static constexpr int FirstMonitorAddress = 0x41;

    ScriptRunner(basic_monitor& monitor, ScriptHost& host);

    // Runs a copy of the commands; returns the latest command's result code (0 success), or
    // EmptyScript at once, showing nothing, for an empty list and for a run started while this
    // runner is running (from the host's processEvents).
    int run(ScriptCommandList commands);

    // The run's copy with each command's status: 1 succeeded, -1 failed, 0 not run.
    const ScriptCommandList& commands() const { return list; }
    bool aborted() const { return wasAborted; }
    // True after a run that went to its end with every command succeeded.
    bool allSucceeded() const;
    // Commands of the last run that have a line in the description and ran, and of them those
    // that failed.
    int ranCount() const { return ran; }
    int failedCount() const { return failed; }

private:
    // Opens the first port, or the window's interface: the preamble of every run.
    void openFirstPort();
    void perform(const ScriptCommand& command);
    void openPort(const ScriptCommand& command);
    void wait(int ms);
    void setPercent(const ScriptCommand& command);
    void mergeSchedule(const ScriptCommand& command);
    void setInputName(const ScriptCommand& command, bool byInput);
    void setSecurity(const ScriptCommand& command);
    // A command that sends a mode byte (the display's answer is not used).
    int modeCommand(int (basic_monitor::*command)(unsigned char*), int value);

    basic_monitor& monitor;
    ScriptHost& host;
    ScriptCommandList list;
    QString port; // where the run is connected, or last tried to connect
    bool connected = false;
    bool wasAborted = false;
    bool running = false;
    int latest = 0;
    int ran = 0;
    int failed = 0;
};
