#pragma once

#include "script_host.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QElapsedTimer>

#include <memory>

class PageHost;
class QProgressDialog;
class ScriptDefinitions;
class ScriptDescriptionModel;

// The window's side of every script run: its open step and retry option, the status bar and
// the log. While a run lasts, the window counts it as a long operation.
class ScriptRunHost : public ScriptHost {
public:
    ScriptRunHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host);

    void beginProgress(int commandCount) override;
    void endProgress() override;
    void processEvents() override;
    bool openForCommand() override;
    bool retryOption() override;
    void showErrorStatus(int code) override;
    QString errorText(int code) override;
    void appendLog(const QString& html) override;

protected:
    Ui::ZETQVToolMainWindowClass& ui;
    PageHost& host;
};

// A run started in the window: a window-modal progress dialog with Abort, and the page's
// description marking each command as it runs.
class WindowScriptHost : public ScriptRunHost {
public:
    WindowScriptHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host,
                     ScriptDescriptionModel& description);
    ~WindowScriptHost() override;

    void beginProgress(int commandCount) override;
    void setProgress(int value) override;
    bool abortRequested() override;
    void endProgress() override;
    void runStarted(const ScriptCommandList& commands) override;
    void commandDone(const ScriptStep& step) override;

private:
    ScriptDescriptionModel& description;
    std::unique_ptr<QProgressDialog> progress;
};

// A run from the command line, with nobody to answer a dialog: nothing modal, no description,
// nothing kept in the status bar or the log. Each failed command is one line on standard error
// that names its address or port and its result code; on a terminal, one progress line is
// rewritten in place as the run goes.
class CommandLineScriptHost : public ScriptRunHost {
public:
    // At most this often the progress line is rewritten.
    static constexpr int ProgressLineMs = 100;

    // The window is unattended from here on, until the host is gone.
    CommandLineScriptHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host,
                          const ScriptDefinitions& definitions);
    ~CommandLineScriptHost() override;

    void setProgress(int) override {}
    bool abortRequested() override { return false; }
    void endProgress() override;
    void showErrorStatus(int) override {}
    void appendLog(const QString&) override {}
    void runStarted(const ScriptCommandList&) override {}
    void commandDone(const ScriptStep& step) override;

private:
    // A whole line on standard error, the progress line cleared first.
    void writeLine(const QString& line);
    void drawProgress(const QString& text);
    void clearProgress();

    const ScriptDefinitions& definitions;
    const bool terminal;
    QElapsedTimer sinceDrawn;
    int drawnLength = 0; // characters of the progress line on the terminal now
};
