// Start-up cost of the program: time from process start to the main window built and shown
// (the splash screen's fixed wait excluded) and the resident memory once idle.
#include "mastercontrol.h"
#include "proc_status.h"
#include "zetqvtoolmainwindow.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>
#include <ctime>
#include <unistd.h>

namespace {
// Milliseconds since this process started, from the kernel's record of its start.
double msSinceProcessStart() {
    QFile stat(QStringLiteral("/proc/self/stat"));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    const double startTicks = fields.value(19).toDouble(); // field 22 of the whole line
    timespec now{};
    clock_gettime(CLOCK_BOOTTIME, &now);
    return (now.tv_sec + now.tv_nsec / 1e9 - startTicks / sysconf(_SC_CLK_TCK)) * 1000.0;
}
} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZET DISPLAY SOLUTIONS"));
    QCoreApplication::setApplicationName(QStringLiteral("ZET QV Comms Tool"));
    QElapsedTimer inMain;
    inMain.start();
    MasterControl control(nullptr);
    control.start();
    const double built = msSinceProcessStart();
    const double fromMain = inMain.nsecsElapsed() / 1e6;
    QTimer::singleShot(3000, &app, &QApplication::quit); // past the splash, then idle
    app.exec();
    std::printf(
        "main window built: %.1f ms after process start (%.1f ms of it in main); goal < 300 ms\n",
        built, fromMain);
    std::printf("resident memory when idle: %.1f MB; goal < 80 MB\n", processMegabytes("VmRSS:"));
    return 0;
}
