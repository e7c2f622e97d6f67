#pragma once

#include "page_controller.h"
#include "script_command.h"

#include <QList>

class ScriptDescriptionModel;
class ScriptRunner;

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
    // cannot be taken is reported on standard error and makes the exit code non-zero. With
    // `attended` false nobody can choose among several scripts: the program then closes.
    void take_command_line(const QStringList& arguments, bool attended);
    // Runs a copy of a script in the window, under a progress dialog with Abort; returns the
    // latest command's result. The status bar says how the run ended.
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
    // A single script runs unattended and the program closes; several stay listed while
    // someone can choose among them, else the program closes without running any.
    void run_command_line_script(bool attended);

private:
    // Parses a file; on success lists its expanded commands and returns 0, else the fault with
    // its line and, where the code's own text would not say it, a sentence of its own.
    int add_script_file(const QString& file, int* line, QString* sentence);
    // Runs the commands through the runner inside the window's frame; EmptyScript while a run
    // is going on.
    int run(ScriptRunner& runner, ScriptCommandList commands);
    // The status bar's word on a run from the window.
    void show_run_end(const ScriptRunner& runner);
    void fit_column();
    void copy_description() const;

    QList<ScriptCommandList> scripts; // one per row of the table, in its order
    QString folder;                   // where the open dialog starts
    ScriptDescriptionModel* lines;
    bool running = false;
    // While a single script waits to run from the command line, nobody reads its description:
    // none is made.
    bool command_line_run = false;
};

// The message of a script file that did not parse: the result's text, the line when there is
// one, and the file's name; a sentence of the parser's own takes the place of the code's text,
// followed by the code.
QString scriptFailureText(int code, int line, const QString& fileName,
                          const QString& sentence = QString());
