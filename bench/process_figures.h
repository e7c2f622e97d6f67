#pragma once

// What a start-up run reports of itself, the same way in every program that takes part.

#include "proc_status.h"

#include <QCoreApplication>
#include <QTimer>
#include <QtGlobal>

#include <cstdio>
#include <ctime>

// One clock for all processes of the machine.
inline qint64 monotonicNs() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
}

// Lets the run idle past the splash screen, then prints the line that bench_startup reads: when
// the window was shown, and the memory once idle.
inline int idleAndReport(qint64 shownNs) {
    constexpr int idleMs = 3000;
    QTimer::singleShot(idleMs, QCoreApplication::instance(), &QCoreApplication::quit);
    QCoreApplication::exec();
    std::printf("%lld %.2f\n", static_cast<long long>(shownNs), processMegabytes("VmRSS:"));
    return 0;
}
