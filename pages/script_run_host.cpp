#include "script_run_host.h"

#include "app_helpers.h"
#include "lm_information_dialog.h"
#include "page_host.h"
#include "program_globals.h"
#include "progress_dialog.h"
#include "script_runner.h"
#include "string_resource.h"

#include <QCoreApplication>
#include <QProgressDialog>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>

namespace {
constexpr int kMaxPendingEventsMs = 1000;
} // namespace

QString plainText(const QString& html) {
    return QTextDocumentFragment::fromHtml(html).toPlainText();
}

void showScriptLines(QTextEdit* pane, const QStringList& numberedLines) {
    pane->clear();
    // One edit block: a long script is laid out once, not once per line.
    QTextCursor cursor(pane->document());
    cursor.beginEditBlock();
    for (int i = 0; i < numberedLines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertHtml(numberedLines[i]);
    }
    cursor.endEditBlock();
}

ScriptRunHost::ScriptRunHost(Ui::ZETQVToolMainWindowClass& ui, PageHost& host, bool unattended)
    : ui(ui), host(host), unattended(unattended) {}

ScriptRunHost::~ScriptRunHost() = default;

void ScriptRunHost::beginProgress(int commandCount) {
    host.set_long_operation(true);
    host.set_unattended(unattended);
    if (unattended)
        return;
    QWidget* window = host.dialog_parent();
    progress = std::make_unique<QProgressDialog>(QString::fromLatin1(ScriptRunner::ProgressLabel),
                                                 QString::fromLatin1(ScriptRunner::AbortText), 0,
                                                 commandCount, window);
    progress->setAutoReset(false);
    progress->setAutoClose(false);
    show_progress_dialog(*progress, window);
}

void ScriptRunHost::setProgress(int value) {
    if (progress)
        progress->setValue(value);
}

bool ScriptRunHost::abortRequested() {
    return progress && progress->wasCanceled();
}

void ScriptRunHost::endProgress() {
    if (progress) {
        progress->setValue(progress->maximum());
        progress->close();
        progress.reset();
    }
    host.set_unattended(false);
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
    if (unattended && code != 0)
        writeStandardError(QStringLiteral("%2 (%1)").arg(code).arg(errorText(code)));
}

QString ScriptRunHost::errorText(int code) {
    QString text;
    errorCodeToMessage(code, &text, nullptr);
    return text;
}

void ScriptRunHost::appendLog(const QString& html) {
    if (g_information_dialog)
        g_information_dialog->append(html, 0);
    if (unattended)
        writeStandardError(plainText(html).trimmed());
}

void ScriptRunHost::showDescription(const QStringList& numberedLines) {
    showScriptLines(ui.script_decode_textEdit, numberedLines);
}

void ScriptRunHost::updateDescriptionLine(int line, const QString& numberedLine) {
    QTextCursor cursor(ui.script_decode_textEdit->document()->findBlockByNumber(line));
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.insertHtml(numberedLine);
}
