#pragma once

// What a start-up run reports of itself, the same way in every program that takes part.

#include "proc_status.h"

#include <QByteArray>
#include <QFile>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

// One clock for all processes of the machine.
inline qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}


// How long a run idles after its window is shown (past the splash screen) before it reports.
constexpr int kIdleMs = 3000;

// The line that bench_startup reads: when the window was shown, and the memory once idle.
inline void reportRun(qint64 shownNs) {
    std::printf("%lld %.2f\n", static_cast<long long>(shownNs), processMegabytes("VmRSS:"));
}
