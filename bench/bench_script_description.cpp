// The cost of keeping a run's description up to date: a script over 256 addresses with two
// commands each runs against 256 fake displays on loopback (127.0.2.0 to 127.0.2.255, run it
// in a loopback-only namespace). The host shows the lines as the scripting page does: its
// description model in a list shown on the offscreen platform, one row marked per command and
// the view given its events after each. Prints the time spent on the description next to the
// run's total, and the cost of the plain way as a reference: describing the whole script again
// and rebuilding a text document of it after every command.
#include "controldefinitions.h"
#include "display_model.h"
#include "fake_display.h"
#include "monitor_rig.h"
#include "qvcommprotocol_retry.h"
#include "script_description.h"
#include "script_description_model.h"
#include "script_expansion.h"
#include "script_host.h"
#include "script_parser.h"
#include "script_runner.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTextCursor>
#include <QTextDocument>
#include <QTreeView>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int kDisplays = 256;

QString address(int i) {
    return QStringLiteral("127.0.2.%1").arg(i);
}

// The plain way's document.
void appendLines(QTextDocument& document, const QStringList& lines) {
    QTextCursor cursor(&document);
    for (int i = 0; i < lines.size(); ++i) {
        if (i > 0)
            cursor.insertBlock();
        cursor.insertHtml(lines[i]);
    }
}

// The page's side of a run, timed where it touches the description: the model and the view.
class ModelHost : public ScriptHost {
public:
    explicit ModelHost(const ScriptDefinitions& definitions) : model(definitions) {
        view.setUniformRowHeights(true);
        view.setRootIsDecorated(false);
        view.setHeaderHidden(true);
        view.setModel(&model);
        view.resize(400, 600);
        view.show();
    }
    void beginProgress(int) override {}
    void setProgress(int) override {}
    bool abortRequested() override { return false; }
    void endProgress() override {}
    void processEvents() override {
        QElapsedTimer timer;
        timer.start();
        QCoreApplication::processEvents();
        ns += timer.nsecsElapsed();
    }
    bool openForCommand() override { return false; }
    bool retryOption() override { return false; }
    void showErrorStatus(int code) override { failures += code != 0; }
    QString errorText(int code) override { return QString::number(code); }
    void appendLog(const QString&) override { ++failures; }
    void runStarted(const ScriptCommandList& commands) override {
        QElapsedTimer timer;
        timer.start();
        model.show(commands);
        QCoreApplication::processEvents();
        fillNs = timer.nsecsElapsed();
        ns += fillNs;
    }
    void commandDone(const ScriptStep& step) override {
        QElapsedTimer timer;
        timer.start();
        model.setStatus(step.index, step.command->status);
        ns += timer.nsecsElapsed();
    }

    ScriptDescriptionModel model;
    QTreeView view;
    qint64 ns = 0;
    qint64 fillNs = 0;
    int failures = 0;
};

// The plain way: after every command, every line described again and the document rebuilt.
qint64 wholeRebuildNs(const ScriptCommandList& done, const ScriptDefinitions& definitions) {
    QElapsedTimer timer;
    timer.start();
    ScriptCommandList list = done;
    for (ScriptCommand& c : list)
        c.status = ScriptCommand::NotRun;
    QTextDocument document;
    for (int i = 0; i < list.size(); ++i) {
        list[i].status = done[i].status;
        const QStringList lines = describeScriptCommands(list, definitions);
        QStringList numbered;
        for (int n = 0; n < lines.size(); ++n)
            numbered << numberedScriptLine(n + 1, lines[n]);
        document.clear();
        appendLines(document, numbered);
    }
    return timer.nsecsElapsed();
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    std::vector<std::unique_ptr<DisplayModel>> models;
    std::vector<std::unique_ptr<FakeDisplay>> displays;
    for (int i = 0; i < kDisplays; ++i) {
        models.push_back(std::make_unique<DisplayModel>());
        models.back()->setParameter(0x10, 0, 100);
        displays.push_back(std::make_unique<FakeDisplay>(FakeDisplay::Link::Tcp, address(i)));
        if (!displays.back()->isListening()) {
            std::printf("cannot listen on %s: run in a loopback-only namespace\n",
                        qPrintable(address(i)));
            return 1;
        }
        displays.back()->setHandler(models.back()->handler());
    }

    const ControlDefinitions definitions;
    int line = 0;
    ScriptCommandList parsed;
    parseScriptText("FOREACHPORT 127.0.2.0 TO 127.0.2.255\nSETOPCODE 10 TO 50\nSETPOWER ON\n"
                    "ENDFOREACHPORT\n",
                    &line, &parsed, definitions);
    const ScriptCommandList script = expandScriptLoops(parsed);

    // Once as the program runs (the engine pauses 50 ms after each success), once with those
    // pauses left out: the run is then as short as it gets, and the description's share as large.
    struct Run {
        const char* name;
        bool pauses;
    };
    for (const Run& r : {Run{"as the program runs", true}, Run{"engine pauses left out", false}}) {
        basic_monitor monitor(nullptr, r.pauses ? new QVCommProtocol_retry : quietEngine());
        ModelHost host(definitions);
        ScriptRunner runner(monitor, host);
        QElapsedTimer timer;
        timer.start();
        runner.run(script);
        const double runMs = timer.nsecsElapsed() / 1e6;
        if (!runner.allSucceeded() || host.failures != 0) {
            std::printf("the run failed\n");
            return 1;
        }
        const double totalMs = host.ns / 1e6;
        std::printf("run of %d addresses x 2 commands (%d records), %s: %.1f ms\n", kDisplays,
                    int(script.size()), r.name, runMs);
        std::printf("  description: %.1f ms (of it %.1f ms the first fill), %.2f%% of the run "
                    "(goal < 5%%)\n",
                    totalMs, host.fillNs / 1e6, 100.0 * totalMs / runMs);
        if (!r.pauses) {
            const double wholeMs = wholeRebuildNs(runner.commands(), definitions) / 1e6;
            std::printf("reference, whole description rebuilt after each command: %.1f ms, "
                        "%.0f x\n",
                        wholeMs, wholeMs / totalMs);
        }
    }
    return 0;
}
