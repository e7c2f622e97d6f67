#include "app_helpers.h"
#include "desktop_session.h"
#include "exit_codes.h"
#include "mastercontrol.h"
#include "single_instance.h"

#include <QApplication>

namespace {
// A run of scripts named on the command line needs no window to look at: without a desktop it
// runs on the offscreen platform instead of failing to start, and so can also say which named
// file is missing.
void chooseOffscreenForScripts(int argc) {
    if (argc > 1 && !hasDesktopSession() && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
}
} // namespace

int main(int argc, char* argv[]) {
    if (argc > 1)
        quietPlatformChatter();
    chooseOffscreenForScripts(argc);
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZET DISPLAY SOLUTIONS"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("zet-display-solutions.example"));
    QCoreApplication::setApplicationName(QStringLiteral("ZET QV Comms Tool"));
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);

    const SingleInstanceGuard guard(
        QStringLiteral("zetqvtool-6f1c2e58-3b0d-4a57-9f2e-8c41d7a0b913"));
    if (guard.alreadyRunning()) {
        QApplication::beep();
        const QStringList scripts = QCoreApplication::arguments().mid(1);
        if (scripts.isEmpty())
            return ExitCode::Success;
        // A caller that started this copy for a script must not take it for done.
        writeStandardError(QCoreApplication::translate(
                               "main", "Another copy of the program is running; not run: %1")
                               .arg(scripts.join(QLatin1String(", "))));
        return ExitCode::AlreadyRunning;
    }
    MasterControl control(nullptr);
    control.start(QCoreApplication::arguments());
    const int loopResult = app.exec();
    return loopResult != 0 ? loopResult : control.exitCode();
}
