// Start-up cost of the program against a minimal Qt program with the same navigation tree and
// 46 empty pages: the time from starting the process to its main window shown (the splash
// screen's fixed wait excluded) and the resident memory once idle. Each runs as a process of
// its own, several times by turns; the medians and their ratios are printed.
//   bench_startup                    the comparison
//   bench_startup program|minimal    one run of either; prints its figures for the comparison
#include "mastercontrol.h"
#include "process_figures.h"
#include "zetqvtoolmainwindow.h"

#include <QApplication>
#include <QFile>
#include <QPixmap>
#include <QProcess>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <memory>
#include <vector>

namespace {
constexpr int kRuns = 5;

// One run of the program: shows its window, idles, and reports.
int runProgram(int argc, char** argv) {
    QTemporaryDir home;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, home.path());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZET DISPLAY SOLUTIONS"));
    QCoreApplication::setApplicationName(QStringLiteral("ZET QV Comms Tool"));
    // Everything the program loads at start: the splash images, the icons and the op-code
    // definitions come from the compiled resources.
    if (!QFile::exists(QStringLiteral(":/text/Resources/controls.txt")) ||
        QPixmap(QStringLiteral(":/images/Resources/splash blank.png")).isNull()) {
        std::fprintf(stderr, "the resources are not linked in\n");
        return 1;
    }
    MasterControl control(nullptr);
    control.start();
    return idleAndReport(monotonicNs());
}

struct Figures {
    std::vector<double> ms, mb;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Starts a run and takes its figures; the time counts from just before the process starts.
bool measure(const QString& program, const QStringList& args, const QByteArray& input, Figures& f) {
    QProcess child;
    const qint64 start = monotonicNs();
    child.start(program, args);
    child.write(input);
    child.closeWriteChannel();
    if (!child.waitForFinished(60000) || child.exitCode() != 0) {
        std::fprintf(stderr, "%s failed: %s\n", qPrintable(program),
                     child.readAllStandardError().constData());
        return false;
    }
    const QList<QByteArray> out = child.readAllStandardOutput().trimmed().split(' ');
    f.ms.push_back(double(out.value(0).toLongLong() - start) / 1e6);
    f.mb.push_back(out.value(1).toDouble());
    return true;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc > 1 && QByteArray(argv[1]) == "program")
        return runProgram(argc, argv);

    QApplication app(argc, argv);
    QByteArray paths;
    for (const ZETQVToolMainWindow::PagePath& row : ZETQVToolMainWindow::pagePaths())
        if (row.path)
            paths += QByteArray(row.path) + '\n';
    const int pages = ZETQVToolMainWindow().ui.stackedWidget->count();
    Figures program, minimal;
    for (int i = 0; i < kRuns; ++i)
        if (!measure(QStringLiteral(ZQV_MINIMAL_WINDOW), {QString::number(pages)}, paths,
                     minimal) ||
            !measure(QCoreApplication::applicationFilePath(), {QStringLiteral("program")}, {},
                     program))
            return 1;
    const double programMs = median(program.ms), minimalMs = median(minimal.ms);
    const double programMb = median(program.mb), minimalMb = median(minimal.mb);
    std::printf("main window shown after process start (median of %d runs): program %.1f ms, "
                "minimal Qt program with the same tree and %d empty pages %.1f ms, ratio %.2f "
                "(goal: at most 2.00)\n",
                kRuns, programMs, pages, minimalMs, programMs / minimalMs);
    std::printf("resident memory when idle: program %.1f MB, minimal Qt program %.1f MB, ratio "
                "%.2f (goal: at most 1.50)\n",
                programMb, minimalMb, programMb / minimalMb);
    return 0;
}
