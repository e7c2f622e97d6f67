// Cost per command of an unattended script run, as a scheduler starts it: the program itself,
// started from the command line with a FOREACHPORT over 1,024 to 65,536 addresses and one
// SETOPCODE each, against addresses that refuse at once (127.24.0.0 on, inside a loopback-only
// namespace). Every command then fails and says so in a line on standard error, which the
// benchmark reads through a pipe as it comes: the time from the line of the first command to
// that of the last is the run's own, free of the program's start and close. The sizes take
// turns, five rounds; printed are the medians of the time per command, the ratio of the largest
// size to the smallest, and the peak resident memory of each size.
#include "process_figures.h"

#include <QFile>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <vector>

extern char** environ;

namespace {
constexpr int kRounds = 5;
constexpr int kSizes[] = {1024, 4096, 16384, 65536};
constexpr int kCommandsPerAddress = 2; // the SETPORT of the expansion and the SETOPCODE

struct Run {
    double usPerCommand = 0; // from the first command's line to the last one's
    double ms = 0;           // from start to exit
    double peakMb = 0;
    int commandLines = 0; // "Failed: <n>. ..." lines
};

// The script over `addresses` addresses from 127.24.0.0.
QByteArray script(int addresses) {
    const int last = addresses - 1;
    return QStringLiteral("FOREACHPORT 127.24.0.0 TO 127.24.%1.%2\nSETOPCODE 10 TO 50\n"
                          "ENDFOREACHPORT\n")
        .arg(last / 256)
        .arg(last % 256)
        .toLatin1();
}

// The environment of a run: a home of its own (settings, lock), the offscreen platform.
std::vector<QByteArray> environment(const QTemporaryDir& home) {
    std::vector<QByteArray> env;
    for (char** e = environ; *e; ++e)
        if (!QByteArray(*e).startsWith("HOME=") && !QByteArray(*e).startsWith("XDG_"))
            env.emplace_back(*e);
    env.push_back("HOME=" + home.path().toLocal8Bit());
    env.push_back("XDG_CONFIG_HOME=" + home.path().toLocal8Bit() + "/config");
    env.push_back("XDG_RUNTIME_DIR=" + home.path().toLocal8Bit());
    env.push_back("QT_QPA_PLATFORM=offscreen");
    return env;
}

// Reads standard error until it closes, timing the numbered failure lines: when the first came,
// when the last came, and how many.
void readLines(int fd, Run& run) {
    QByteArray pending;
    char buffer[65536];
    qint64 first = 0, last = 0;
    for (;;) {
        const ssize_t got = read(fd, buffer, sizeof buffer);
        if (got <= 0)
            break;
        const qint64 now = monotonicNs();
        pending.append(buffer, int(got));
        int from = 0;
        for (int end = pending.indexOf('\n'); end >= 0; end = pending.indexOf('\n', from)) {
            const QByteArray line = pending.mid(from, end - from);
            from = end + 1;
            if (!line.startsWith("Failed: ") || !std::isdigit(uchar(line.at(8))))
                continue;
            if (run.commandLines++ == 0)
                first = now;
            last = now;
        }
        pending.remove(0, from);
    }
    if (run.commandLines > 1)
        run.usPerCommand = double(last - first) / 1e3 / (run.commandLines - 1);
}

// One run of the program; false when it could not be started or did not end as a run with
// failed commands does (exit code 1).
bool runProgram(const QTemporaryDir& work, int addresses, Run& run) {
    const QString file = work.filePath(QStringLiteral("sweep.txt"));
    QFile out(file);
    if (!out.open(QIODevice::WriteOnly) || out.write(script(addresses)) < 0)
        return false;
    out.close();
    QTemporaryDir home;
    std::vector<QByteArray> env = environment(home);
    std::vector<char*> envp;
    for (QByteArray& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);
    QByteArray program = ZQV_PROGRAM;
    QByteArray argument = file.toLocal8Bit();
    char* argv[] = {program.data(), argument.data(), nullptr};

    int errors[2];
    if (pipe(errors) != 0)
        return false;
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_adddup2(&actions, errors[1], 2);
    posix_spawn_file_actions_addclose(&actions, errors[0]);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const qint64 start = monotonicNs();
    const int spawned =
        posix_spawn(&pid, program.constData(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(errors[1]);
    if (spawned != 0) {
        close(errors[0]);
        return false;
    }
    readLines(errors[0], run);
    close(errors[0]);
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid)
        return false;
    run.ms = double(monotonicNs() - start) / 1e6;
    run.peakMb = double(usage.ru_maxrss) / 1024.0;
    return WIFEXITED(status) && WEXITSTATUS(status) == 1 &&
           run.commandLines == addresses * kCommandsPerAddress;
}

double median(std::vector<Run>& runs, double Run::*field) {
    std::sort(runs.begin(), runs.end(),
              [field](const Run& a, const Run& b) { return a.*field < b.*field; });
    return runs[runs.size() / 2].*field;
}
} // namespace

int main() {
    QTemporaryDir work;
    // The sizes take turns, round after round, so that a change in the machine's load falls on
    // all of them alike.
    std::vector<std::vector<Run>> runs(std::size(kSizes));
    for (int round = 0; round < kRounds; ++round)
        for (size_t i = 0; i < std::size(kSizes); ++i) {
            Run run;
            if (!runProgram(work, kSizes[i], run)) {
                std::printf("the run over %d addresses did not end as expected: exit code 1 and "
                            "a line for each command (%d lines)\n",
                            kSizes[i], run.commandLines);
                return 1;
            }
            runs[i].push_back(run);
        }
    std::printf("command-line run of FOREACHPORT, one SETOPCODE per address, every connection "
                "refused; median of %d runs:\n",
                kRounds);
    std::printf("%9s %9s %11s %14s %9s\n", "addresses", "commands", "us/command", "start to exit",
                "peak MB");
    std::vector<double> perCommand;
    double peak = 0;
    for (size_t i = 0; i < std::size(kSizes); ++i) {
        double mostMb = 0;
        for (const Run& r : runs[i])
            mostMb = std::max(mostMb, r.peakMb);
        perCommand.push_back(median(runs[i], &Run::usPerCommand));
        peak = std::max(peak, mostMb);
        std::printf("%9d %9d %11.1f %11.1f ms %9.1f\n", kSizes[i], kSizes[i] * kCommandsPerAddress,
                    perCommand.back(), median(runs[i], &Run::ms), mostMb);
    }
    std::printf("time per command, %d addresses against %d: %.2f times (goal: at most 1.50)\n",
                kSizes[std::size(kSizes) - 1], kSizes[0], perCommand.back() / perCommand.front());
    std::printf("peak resident memory: %.1f MB (goal: under 100 MB)\n", peak);
    return 0;
}
