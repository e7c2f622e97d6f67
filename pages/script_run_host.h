#pragma once

#include "script_host.h"
#include "zetqvtoolmainwindow_ui.h"

#include <memory>

class PageHost;
class QProgressDialog;

// The window's side of a script run: the open step and the retry option of the window, the
// status bar, the log and the description pane of the scripting page. Attended, the progress
// shows in a window-modal dialog with Abort; unattended (a run from the command line) nothing
// modal is shown and every error also goes to standard error.
class ScriptRunHost : public ScriptHost {
public:
    ScriptRunHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host, bool unattended);
    ~ScriptRunHost() override;

    void beginProgress(int commandCount) override;
    void setProgress(int value) override;
    bool abortRequested() override;
    void endProgress() override;
    void processEvents() override;
    bool openForCommand() override;
    bool retryOption() override;
    void showErrorStatus(int code) override;
    QString errorText(int code) override;
    void appendLog(const QString& html) override;
    void showDescription(const QStringList& numberedLines) override;
    void updateDescriptionLine(int line, const QString& numberedLine) override;

private:
    Ui::ZETQVToolMainWindowClass& ui;
    PageHost& host;
    const bool unattended;
    std::unique_ptr<QProgressDialog> progress;
};

// Fills the description pane with numbered lines, one paragraph each.
void showScriptLines(QTextEdit* pane, const QStringList& numberedLines);

// The text of a line of the description, without its markup.
QString plainText(const QString& html);
