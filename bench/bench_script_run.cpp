// Cost per command of an unattended script run, as a scheduler starts it: the program itself,
// started from the command line with a FOREACHPORT over 1,024 to 65,536 addresses and one
// SETOPCODE each, against addresses that refuse at once (127.24.0.0 on, inside a loopback-only
// namespace). Each size runs five times; the medians give the time per command once the
// program's start and close (a run over one address) are taken off, the ratio of the largest
// size to the smallest, and the peak resident memory of each run.
#include "process_figures.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <algorithm>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {
constexpr int kRuns = 5;
constexpr int kSizes[] = {1024, 4096, 16384, 65536};
constexpr int kCommandsPerAddress = 2; // the SETPORT of the expansion and the SETOPCODE

struct Run {
    double ms = 0;
    double peakMb = 0;
    int failedLines = 0;
};

// The script over `addresses` addresses from 127.24.0.0; a range holds two at least, so one
// address is a SETPORT of it.
QByteArray script(int addresses) {
    if (addresses == 1)
        return "SETPORT 127.24.0.0\nSETOPCODE 10 TO 50\n";
    const int last = addresses - 1;
    return QStringLiteral("FOREACHPORT 127.24.0.0 TO 127.24.%1.%2\nSETOPCODE 10 TO 50\n"
                          "ENDFOREACHPORT\n")
        .arg(last / 256)
        .arg(last % 256)
        .toLatin1();
}

// One run of the program in a home of its own, standard error to a file; false when it could
// not be started or did not end as a run with failed commands does (exit code 1).
bool runProgram(const QTemporaryDir& work, int addresses, Run& run) {
    const QString file = work.filePath(QStringLiteral("sweep.txt"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(script(addresses)) < 0)
        return false;
    out.close();
    QTemporaryDir home;
    const QByteArray errors = work.filePath(QStringLiteral("errors.txt")).toLocal8Bit();
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("HOME=") && !QByteArray(*e).startsWith("XDG_"))
            env.emplace_back(*e);
    env.push_back("HOME=" + home.path().toLocal8Bit());
    env.push_back("XDG_CONFIG_HOME=" + home.path().toLocal8Bit() + "/config");
    env.push_back("XDG_RUNTIME_DIR=" + home.path().toLocal8Bit());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    QByteArray program = ZQV_PROGRAM;
    QByteArray argument = file.toLocal8Bit();
    char* argv[] = {program.data(), argument.data(), nullptr};

    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, errors.constData(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0600);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const qint64 start = monotonicNs();
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return false;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    run.ms = double(monotonicNs() - start) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    QFile lines(QString::fromLocal8Bit(errors));
    if (!lines.open(QIODevice::ReadOnly))
        return false;
    run.failedLines = 0;
    for (const QByteArray& line : lines.readAll().split('\n'))
        run.failedLines += line.startsWith("Failed: ");
    return WIFEXITED(status) && WEXITSTATUS(status) == 1;
}

Run median(std::vector<Run> runs) {
    std::sort(runs.begin(), runs.end(), [](const Run& a, const Run& b) { return a.ms < b.ms; });
    Run m = runs[runs.size() / 2];
    for (const Run& r : runs)
        m.peakMb = std::max(m.peakMb, r.peakMb);
    return m;
}

bool measure(const QTemporaryDir& work, int addresses, Run& result) {
    std::vector<Run> runs(kRuns);
    for (Run& run : runs)
        if (!runProgram(work, addresses, run)) {
            std::printf("the run over %d addresses did not end as expected (exit code 1)\n",
                        addresses);
            return false;
        }
    result = median(runs);
    return true;
}
} // namespace

int main() {
    QTemporaryDir work;
    Run base;
    if (!measure(work, 1, base))
        return 1;
    std::printf("command-line run of FOREACHPORT, one SETOPCODE per address, every connection "
                "refused; median of %d runs:\n",
                kRuns);
    std::printf("start and close (a run over 1 address): %.1f ms, peak %.1f MB\n", base.ms,
                base.peakMb);
    std::printf("%9s %9s %10s %11s %9s %13s\n", "addresses", "commands", "run ms", "us/command",
                "peak MB", "failure lines");
    std::vector<double> perCommand;
    double peak = 0;
    for (int addresses : kSizes) {
        Run run;
        if (!measure(work, addresses, run))
            return 1;
        const int commands = addresses * kCommandsPerAddress;
        const double us = (run.ms - base.ms) * 1000.0 / (commands - kCommandsPerAddress);
        perCommand.push_back(us);
        peak = std::max(peak, run.peakMb);
        std::printf("%9d %9d %10.1f %11.1f %9.1f %13d\n", addresses, commands, run.ms, us,
                    run.peakMb, run.failedLines);
    }
    std::printf("time per command, %d addresses against %d: %.2f times (goal: at most 1.50)\n",
                kSizes[3], kSizes[0], perCommand.back() / perCommand.front());
    std::printf("peak resident memory: %.1f MB (goal: under 100 MB)\n", peak);
    return 0;
}
