// Appends 100,000 traffic lines to the communications log, with the window shown and hidden,
// and the same lines to a plain shown QTextEdit with append() as the reference. The three take
// turns block by block and count the processor time of the thread, so that the machine's load
// weighs little. Prints the cost per line of each block of 10,000, the ratio of the shown log to
// the reference, and the ratio of the shown log's last block to its first (appending must stay
// flat).
#include "lm_information_dialog.h"
#include "log_line_formatter.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTextEdit>

#include <cstdio>
#include <ctime>
#include <functional>
#include <vector>

namespace {
constexpr int kBlocks = 10;
constexpr int kLinesPerBlock = 10000;

struct Target {
    const char* title;
    std::function<void(const QString& html, int level)> append;
    std::vector<double> us; // per line, of each block
};

// The time this thread has run: other programs on a busy machine do not count.
double threadCpuUs() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) * 1e6 + double(now.tv_nsec) / 1e3;
}

double mean(const std::vector<double>& values) {
    double sum = 0;
    for (double v : values)
        sum += v;
    return sum / double(values.size());
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QStandardPaths::setTestModeEnabled(true);
    QApplication app(argc, argv);

    LM_Information_Dialog shownLog, hiddenLog;
    QTextEdit plain;
    plain.resize(shownLog.ui.data_textEdit->size());
    plain.show();
    shownLog.show();
    std::vector<Target> targets = {
        {"plain append", [&](const QString& html, int) { plain.append(html); }, {}},
        {"log shown", [&](const QString& html, int level) { shownLog.append(html, level); }, {}},
        {"log hidden", [&](const QString& html, int level) { hiddenLog.append(html, level); }, {}},
    };

    LogLineFormatter formatter;
    const QList<unsigned char> frame = {0x01, 0x30, 0x41, 0x30, 0x43, 0x30, 0x36, 0x02,
                                        0x30, 0x30, 0x31, 0x30, 0x03, 0x77, 0x0D};
    QList<LogLine> lines;
    for (int type : {2, 1})
        lines << formatter.traffic(frame, type, false);
    for (int b = 0; b < kBlocks; ++b) {
        for (Target& t : targets) {
            const double start = threadCpuUs();
            for (int i = 0; i < kLinesPerBlock; ++i) {
                const LogLine& line = lines[i & 1];
                t.append(line.html, line.level);
            }
            t.us.push_back((threadCpuUs() - start) / kLinesPerBlock);
        }
        QApplication::processEvents(); // what the event loop does between user actions
    }

    std::printf("us of processor time per line, in blocks of %d lines:\n", kLinesPerBlock);
    for (const Target& t : targets) {
        std::printf("%-13s", t.title);
        for (double v : t.us)
            std::printf(" %6.1f", v);
        std::printf("  mean %6.1f\n", mean(t.us));
    }
    const Target& reference = targets[0];
    const Target& shown = targets[1];
    std::printf("log shown: %.2f times the plain append (goal: at most 1.20); last block %.2f "
                "times the first (goal: at most 1.20)\n",
                mean(shown.us) / mean(reference.us), shown.us.back() / shown.us.front());
    return 0;
}
