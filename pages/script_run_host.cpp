#include "script_run_host.h"

#include "app_helpers.h"
#include "lm_information_dialog.h"
#include "page_host.h"
#include "program_globals.h"
#include "progress_dialog.h"
#include "script_description.h"
#include "script_description_model.h"
#include "script_runner.h"
#include "string_resource.h"
#include "terminal.h"

#include <QCoreApplication>
#include <QProgressDialog>

namespace {
constexpr int kMaxPendingEventsMs = 1000;

QString translated(const char* text) {
    return QCoreApplication::translate("CommandLineScriptHost", text);
}
} // namespace

ScriptRunHost::ScriptRunHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host)
    : ui(ui), host(host) {}

void ScriptRunHost::beginProgress(int) {
    host.set_long_operation(true);
}

void ScriptRunHost::endProgress() {
    host.set_long_operation(false);
}

void ScriptRunHost::processEvents() {
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kMaxPendingEventsMs);
}

bool ScriptRunHost::openForCommand() {
    return host.open_for_command();
}

bool ScriptRunHost::retryOption() {
    return ui.communications_retry_checkBox->isChecked();
}

void ScriptRunHost::showErrorStatus(int code) {
    host.show_error_status(code);
}

QString ScriptRunHost::errorText(int code) {
    QString text;
    errorCodeToMessage(code, &text, nullptr);
    return text;
}

void ScriptRunHost::appendLog(const QString& html) {
    if (g_information_dialog)
        g_information_dialog->append(html, 0);
}

WindowScriptHost::WindowScriptHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host,
                                   ScriptDescriptionModel& description)
    : ScriptRunHost(ui, host), description(description) {}

WindowScriptHost::~WindowScriptHost() = default;

void WindowScriptHost::beginProgress(int commandCount) {
    ScriptRunHost::beginProgress(commandCount);
    QWidget* window = host.dialog_parent();
    progress = std::make_unique<QProgressDialog>(QString::fromLatin1(ScriptRunner::ProgressLabel),
                                                 QString::fromLatin1(ScriptRunner::AbortText), 0,
                                                 commandCount, window);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    show_progress_dialog(*progress, window);
}

void WindowScriptHost::setProgress(int value) {
    progress->setValue(value);
}

bool WindowScriptHost::abortRequested() {
    return progress->wasCanceled();
}

void WindowScriptHost::endProgress() {
    progress->setValue(progress->maximum());
    progress->close();
    progress.reset();
    ScriptRunHost::endProgress();
}

void WindowScriptHost::runStarted(const ScriptCommandList& commands) {
    description.show(commands);
}

void WindowScriptHost::commandDone(const ScriptStep& step) {
    description.setStatus(step.index, step.command->status);
}

CommandLineScriptHost::CommandLineScriptHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host,
                                             const ScriptDefinitions& definitions)
    : ScriptRunHost(ui, host), definitions(definitions), terminal(standardErrorIsTerminal()) {
    host.set_unattended(true);
}

CommandLineScriptHost::~CommandLineScriptHost() {
    host.set_unattended(false);
}

void CommandLineScriptHost::endProgress() {
    clearProgress();
    ScriptRunHost::endProgress();
}

// "Failed: 4. Set OP Code 0x008c (Sharpness) to 10 at 10.0.3.7: No reply from the display
// (-3003)". A command that only kept an earlier command's failure (a WAIT after it) gets no
// line of its own.
void CommandLineScriptHost::commandDone(const ScriptStep& step) {
    const ScriptCommand& command = *step.command;
    if (command.status == ScriptCommand::Failed && step.line > 0 &&
        (step.ownResult || !step.sent)) {
        QString what = QStringLiteral("%1. %2").arg(
            QString::number(step.line), describeScriptCommandText(command, definitions));
        // SETPORT names its port itself.
        if (command.type != ScriptCommand::SetPort)
            what += translated(" at %1").arg(step.port);
        QString reason;
        if (!step.sent)
            reason = translated("not sent, there is no connection");
        else if (step.result == ScriptRunner::NotPerformed)
            reason = translated("the display refused it");
        writeLine(translated("Failed: %1").arg(failureLine(what, step.result, reason)));
    }
    if (!terminal)
        return;
    const bool last = step.index + 1 == step.commands;
    if (last || !sinceDrawn.isValid() || sinceDrawn.elapsed() >= ProgressLineMs)
        drawProgress(
            QStringLiteral("[%1/%2] %3").arg(step.index + 1).arg(step.commands).arg(step.port));
}

void CommandLineScriptHost::writeLine(const QString& line) {
    clearProgress();
    writeStandardError(line);
}

// Written over the line before it, padded to its length, with the cursor left at its start.
void CommandLineScriptHost::drawProgress(const QString& text) {
    const int padding = qMax(0, drawnLength - text.size());
    writeStandardErrorText(QLatin1Char('\r') + text + QString(padding, QLatin1Char(' ')) +
                           QLatin1Char('\r'));
    drawnLength = text.size();
    sinceDrawn.start();
}

void CommandLineScriptHost::clearProgress() {
    if (drawnLength == 0)
        return;
    writeStandardErrorText(QString(drawnLength, QLatin1Char(' ')) + QLatin1Char('\r'));
    drawnLength = 0;
}
