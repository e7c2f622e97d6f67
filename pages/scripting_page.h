#pragma once

#include "page_controller.h"
#include "script_command.h"

#include <QList>

// The scripting page: script files opened and listed by base name, the selected one described
// line by line, removed or run; and the scripts named on the command line, of which a single
// one runs shortly after start-up, after which the program closes.
class ScriptingPage : public PageController {
    Q_OBJECT

public:
    // The page in the stack, and the wait between start-up and a command-line run.
    static constexpr int Page = 30;
    static constexpr int CommandLineRunMs = 200;

    explicit ScriptingPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;

    // Parses each argument after the first that names a file and lists those that parse; what
    // cannot be taken is reported on standard error and makes the exit code non-zero.
    void take_command_line(const QStringList& arguments);
    // Runs a copy of a script in the window, under a progress dialog with Abort; returns the
    // latest command's result.
    int runScript(ScriptCommandList commands);

    const QList<ScriptCommandList>& loaded_scripts() const { return scripts; }
    QString script_folder() const { return folder; }

public slots:
    void on_open_script_pushButton_clicked();
    void on_delete_script_pushButton_clicked();
    void on_run_script_pushButton_clicked();
    void on_script_list_tableWidget_cellDoubleClicked(int row, int column);
    void on_script_list_tableWidget_currentCellChanged(int currentRow, int currentColumn,
                                                       int previousRow, int previousColumn);
    void run_command_line_script();

private:
    struct Outcome {
        int result;
        bool allSucceeded;
    };
    // Parses a file; on success lists its expanded commands and returns 0.
    int add_script_file(const QString& file, int* line);
    Outcome run(ScriptCommandList commands, bool unattended);
    // After a run from the command line, what failed, on standard error.
    void report_failures(const ScriptCommandList& done);
    void fit_column();

    QList<ScriptCommandList> scripts; // one per row of the table, in its order
    QString folder;                   // where the open dialog starts
    bool running = false;
};

// The message of a script file that did not parse: the result's text, the line when there is
// one, and the file's name.
QString scriptFailureText(int code, int line, const QString& fileName);
