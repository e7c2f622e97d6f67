#include "scripting_page.h"

#include "app_helpers.h"
#include "controldefinitions.h"
#include "exit_codes.h"
#include "program_globals.h"
#include "result_codes.h"
#include "script_description_model.h"
#include "script_expansion.h"
#include "script_parser.h"
#include "script_run_host.h"
#include "script_runner.h"
#include "status_bar_style.h"
#include "string_resource.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScrollBar>
#include <QTimer>

QString scriptFailureText(int code, int line, const QString& fileName, const QString& sentence) {
    const QString name = QFileInfo(fileName).fileName();
    if (!sentence.isEmpty()) {
        const QString said = QStringLiteral("%1 (%2)").arg(sentence, QString::number(code));
        if (line == 0)
            return said;
        return ScriptingPage::tr("Line %1 in file \"%2\": %3")
            .arg(QString::number(line), name, said);
    }
    QString message;
    errorCodeToMessage(code, &message, nullptr);
    if (line != 0)
        return ScriptingPage::tr("%1 at line %2 in file \"%3\"")
            .arg(message, QString::number(line), name);
    return ScriptingPage::tr("%1 in file \"%3\"").arg(message, name);
}

ScriptingPage::ScriptingPage(const PageContext& context, QObject* parent)
    : PageController(context, parent),
      lines(new ScriptDescriptionModel(controlDefinitions(), this)) {
    QTableWidget* table = ui.script_list_tableWidget;
    table->setRowCount(0);
    table->setColumnCount(1);
    table->setCornerButtonEnabled(false);
    table->setHorizontalHeaderLabels({tr("Script")});
    QTreeView* pane = ui.script_decode_treeView;
    pane->setModel(lines);
    auto* copy = new QAction(tr("Copy"), pane);
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    connect(copy, &QAction::triggered, this, &ScriptingPage::copy_description);
    pane->addAction(copy);
    pane->setContextMenuPolicy(Qt::ActionsContextMenu);
    // The data folder as it is, not made here; none when it does not exist.
    const QString data = appDataFolder(false);
    if (!data.isEmpty())
        folder = data + StringResource(StringId::ScriptFolder);
}

QList<QWidget*> ScriptingPage::pages() const {
    return {ui.scripting};
}

int ScriptingPage::add_script_file(const QString& file, int* line, QString* sentence) {
    ScriptCommandList commands;
    const int code = parseScriptFile(file, line, &commands, controlDefinitions(), sentence);
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

// The selected lines of the description, in their order, one a line.
void ScriptingPage::copy_description() const {
    QModelIndexList rows = ui.script_decode_treeView->selectionModel()->selectedRows();
    std::sort(rows.begin(), rows.end());
    QStringList text;
    for (const QModelIndex& row : rows)
        text << row.data().toString();
    if (!text.isEmpty())
        QApplication::clipboard()->setText(text.join(QLatin1Char('\n')));
}

void ScriptingPage::on_script_list_tableWidget_currentCellChanged(int currentRow, int, int, int) {
    ui.delete_script_pushButton->setEnabled(currentRow >= 0);
    ui.run_script_pushButton->setEnabled(currentRow >= 0);
    if (currentRow < 0 || currentRow >= scripts.size() || command_line_run)
        lines->clear();
    else
        lines->show(scripts.at(currentRow));
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
            QString sentence;
            const int code = add_script_file(file, &line, &sentence);
            if (code == 0)
                added = true;
            else
                showMessageBox(host.dialog_parent(), scriptFailureText(code, line, file, sentence),
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
        lines->clear();
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
    WindowScriptHost runHost(ui, host, *lines);
    ScriptRunner runner(*monitor, runHost);
    const int result = run(runner, std::move(commands));
    show_run_end(runner);
    return result;
}

int ScriptingPage::run(ScriptRunner& runner, ScriptCommandList commands) {
    if (running)
        return ScriptRunner::EmptyScript;
    running = true;
    // A write that waits for its timer goes to the display it was meant for now; inside the
    // run it would take over the run's connection.
    host.flush_queued_writes();
    const int result = runner.run(std::move(commands));
    // The window's frame ends with the run, so that writes held meanwhile can go.
    host.close_after_command();
    running = false;
    return result;
}

// A run ends with a word on the status bar, in red when a command failed; an error of the
// run's last command gives way to it.
void ScriptingPage::show_run_end(const ScriptRunner& runner) {
    if (runner.commands().isEmpty())
        return; // nothing ran
    const int total = lines->rowCount();
    const int failed = runner.failedCount();
    QString text;
    if (runner.aborted())
        text = tr("Script aborted: %1 of %2 commands ran, %3 of them failed.")
                   .arg(runner.ranCount())
                   .arg(total)
                   .arg(failed);
    else if (failed > 0)
        text = tr("Script finished: %1 of %2 commands failed.").arg(failed).arg(total);
    else if (total > 0)
        text = tr("Script finished: all %1 commands succeeded.").arg(total);
    else
        return;
    ui.statusBar->setStyleSheet(failed > 0 ? QLatin1String(kErrorStatusStyle) : QLatin1String());
    ui.statusBar->showMessage(text, kConfirmationMs);
}

void ScriptingPage::take_command_line(const QStringList& arguments, bool attended) {
    if (arguments.size() < 2)
        return;
    bool allTaken = true;
    for (const QString& file : arguments.mid(1)) {
        if (!QFileInfo::exists(file)) {
            writeStandardError(tr("No such script file: %1 (%2)")
                                   .arg(file, QString::number(ResultCode::FileOpenFailed)));
            allTaken = false;
            continue;
        }
        int line = 0;
        QString sentence;
        const int code = add_script_file(file, &line, &sentence);
        if (code != 0) {
            writeStandardError(scriptFailureText(code, line, file, sentence));
            allTaken = false;
        }
    }
    if (!allTaken)
        host.set_exit_code(ExitCode::ScriptNotTaken);
    command_line_run = scripts.size() == 1;
    if (!scripts.isEmpty()) {
        ui.script_list_tableWidget->selectRow(0);
        host.show_page(Page);
    }
    QTimer::singleShot(CommandLineRunMs, this,
                       [this, attended] { run_command_line_script(attended); });
}

void ScriptingPage::run_command_line_script(bool attended) {
    fit_column();
    if (scripts.size() > 1) {
        if (attended) {
            writeStandardError(tr("%1 scripts are listed; a script named on the command line "
                                  "runs only when it is the only one.")
                                   .arg(scripts.size()));
            return;
        }
        // Nobody can choose one of them here: waiting would be for ever.
        writeStandardError(tr("%1 scripts were named; without a desktop session nobody can "
                              "choose one, so none was run.")
                               .arg(scripts.size()));
        host.set_exit_code(ExitCode::ScriptNotTaken);
    } else if (scripts.size() == 1) {
        CommandLineScriptHost runHost(ui, host, controlDefinitions());
        ScriptRunner runner(*monitor, runHost);
        run(runner, scripts.constFirst());
        command_line_run = false;
        if (!runner.allSucceeded()) {
            if (runner.commands().isEmpty())
                writeStandardError(tr("The script has no commands."));
            host.set_exit_code(ExitCode::CommandFailed);
        }
    }
    // The single script has run, or none can: there is nothing left to wait for.
    QApplication::closeAllWindows();
}
