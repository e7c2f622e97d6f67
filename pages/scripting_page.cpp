#include "scripting_page.h"

#include "app_helpers.h"
#include "controldefinitions.h"
#include "exit_codes.h"
#include "program_globals.h"
#include "script_description.h"
#include "script_expansion.h"
#include "script_parser.h"
#include "script_run_host.h"
#include "script_runner.h"
#include "string_resource.h"

#include <QApplication>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

namespace {
constexpr int kScriptFolderId = 9; // "/SampleScripts/"
} // namespace

QString scriptFailureText(int code, int line, const QString& fileName) {
    QString message;
    errorCodeToMessage(code, &message, nullptr);
    const QString name = QFileInfo(fileName).fileName();
    if (line != 0)
        return ScriptingPage::tr("%1 at line %2 in file \"%3\"")
            .arg(message, QString::number(line), name);
    return ScriptingPage::tr("%1 in file \"%3\"").arg(message, name);
}

ScriptingPage::ScriptingPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    QTableWidget* table = ui.script_list_tableWidget;
    table->setRowCount(0);
    table->setColumnCount(1);
    table->setCornerButtonEnabled(false);
    table->setHorizontalHeaderLabels({tr("Script")});
    // The data folder as it is, not made here; none when it does not exist.
    const QString data = appDataFolder(false);
    if (!data.isEmpty())
        folder = data + StringResource(kScriptFolderId);
}

QList<QWidget*> ScriptingPage::pages() const {
    return {ui.scripting};
}

int ScriptingPage::add_script_file(const QString& file, int* line) {
    ScriptCommandList commands;
    const int code = parseScriptFile(file, line, &commands, controlDefinitions());
    if (code != 0)
        return code;
    scripts.append(expandScriptLoops(std::move(commands)));
    QTableWidget* table = ui.script_list_tableWidget;
    const int row = table->rowCount();
    table->insertRow(row);
    auto* item = new QTableWidgetItem(QFileInfo(file).baseName());
    item->setTextAlignment(Qt::AlignCenter);
    table->setItem(row, 0, item);
    return 0;
}

void ScriptingPage::fit_column() {
    QTableWidget* table = ui.script_list_tableWidget;
    int width = table->width() - table->verticalHeader()->width() - 2;
    if (table->verticalScrollBar()->isVisible())
        width -= table->verticalScrollBar()->width();
    table->setColumnWidth(0, width);
}

void ScriptingPage::on_script_list_tableWidget_currentCellChanged(int currentRow, int, int, int) {
    ui.delete_script_pushButton->setEnabled(currentRow >= 0);
    ui.run_script_pushButton->setEnabled(currentRow >= 0);
    if (currentRow < 0 || currentRow >= scripts.size()) {
        ui.script_decode_textEdit->clear();
        return;
    }
    ScriptDescription description(controlDefinitions());
    description.reset(scripts.at(currentRow));
    showScriptLines(ui.script_decode_textEdit, description.numberedLines());
}

void ScriptingPage::on_open_script_pushButton_clicked() {
    QFileDialog dialog(host.dialog_parent());
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(tr("Text files (*.txt)"));
    dialog.setViewMode(QFileDialog::Detail);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setWindowTitle(tr("Open script file"));
    if (!folder.isEmpty())
        dialog.setDirectory(folder);
    bool added = false;
    if (dialog.exec() == QDialog::Accepted) {
        for (const QString& file : dialog.selectedFiles()) {
            folder = QFileInfo(file).absolutePath();
            int line = 0;
            const int code = add_script_file(file, &line);
            if (code == 0)
                added = true;
            else
                showMessageBox(host.dialog_parent(), scriptFailureText(code, line, file),
                               MessageIcon::Critical);
        }
    }
    fit_column();
    if (added)
        ui.script_list_tableWidget->selectRow(ui.script_list_tableWidget->rowCount() - 1);
}

void ScriptingPage::on_delete_script_pushButton_clicked() {
    if (scripts.isEmpty())
        return;
    for (const QTableWidgetSelectionRange& range : ui.script_list_tableWidget->selectedRanges()) {
        const int row = range.topRow();
        ui.script_decode_textEdit->clear();
        // The table row goes first: the row that becomes current is described from the scripts
        // as they still stand, numbered as the table was.
        ui.script_list_tableWidget->removeRow(row);
        if (row >= 0 && row < scripts.size())
            scripts.removeAt(row);
    }
}

void ScriptingPage::on_run_script_pushButton_clicked() {
    if (scripts.isEmpty())
        return;
    for (const QTableWidgetSelectionRange& range : ui.script_list_tableWidget->selectedRanges())
        if (range.topRow() >= 0 && range.topRow() < scripts.size())
            runScript(scripts.at(range.topRow()));
}

void ScriptingPage::on_script_list_tableWidget_cellDoubleClicked(int row, int) {
    if (row >= 0 && row < scripts.size())
        runScript(scripts.at(row));
}

int ScriptingPage::runScript(ScriptCommandList commands) {
    return run(std::move(commands), false).result;
}

ScriptingPage::Outcome ScriptingPage::run(ScriptCommandList commands, bool unattended) {
    if (running)
        return {ScriptRunner::EmptyScript, false};
    running = true;
    // A write that waits for its timer goes to the display it was meant for now; inside the
    // run it would take over the run's connection.
    host.flush_queued_writes();
    ScriptRunHost runHost(ui, host, unattended);
    ScriptRunner runner(*monitor, runHost, controlDefinitions());
    const int result = runner.run(std::move(commands));
    // The window's frame ends with the run, so that writes held meanwhile can go.
    host.close_after_command();
    if (unattended && !runner.allSucceeded())
        report_failures(runner.commands());
    running = false;
    return {result, runner.allSucceeded()};
}

void ScriptingPage::report_failures(const ScriptCommandList& done) {
    if (done.isEmpty()) {
        writeStandardError(tr("The script has no commands."));
        return;
    }
    int number = 0;
    for (const ScriptCommand& command : done) {
        const QString line = describeScriptCommand(command, controlDefinitions());
        if (line.isEmpty())
            continue;
        ++number;
        if (command.status == ScriptCommand::Failed)
            writeStandardError(tr("Failed: %1").arg(plainText(numberedScriptLine(number, line))));
    }
}

void ScriptingPage::take_command_line(const QStringList& arguments) {
    if (arguments.size() < 2)
        return;
    bool allTaken = true;
    for (const QString& file : arguments.mid(1)) {
        if (!QFileInfo(file).isFile()) {
            writeStandardError(tr("No such script file: %1").arg(file));
            allTaken = false;
            continue;
        }
        int line = 0;
        const int code = add_script_file(file, &line);
        if (code != 0) {
            writeStandardError(scriptFailureText(code, line, file));
            allTaken = false;
        }
    }
    if (!allTaken)
        host.set_exit_code(ExitCode::ScriptNotTaken);
    if (!scripts.isEmpty()) {
        ui.script_list_tableWidget->selectRow(0);
        host.show_page(Page);
    }
    QTimer::singleShot(CommandLineRunMs, this, &ScriptingPage::run_command_line_script);
}

void ScriptingPage::run_command_line_script() {
    fit_column();
    if (scripts.size() > 1) {
        writeStandardError(tr("%1 scripts are listed; a script named on the command line runs "
                              "only when it is the only one.")
                               .arg(scripts.size()));
        return;
    }
    // Nothing could be taken: there is nothing to wait for either.
    if (scripts.size() == 1 && !run(scripts.constFirst(), true).allSucceeded)
        host.set_exit_code(ExitCode::CommandFailed);
    QApplication::closeAllWindows();
}
