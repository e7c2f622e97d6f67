#include "mastercontrol.h"
#include "single_instance.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("ZET DISPLAY SOLUTIONS"));
    QCoreApplication::setOrganizationDomain(QStringLiteral("zet-display-solutions.example"));
    QCoreApplication::setApplicationName(QStringLiteral("ZET QV Comms Tool"));
    QObject::connect(&app, &QApplication::lastWindowClosed, &app, &QApplication::quit);

    const SingleInstanceGuard guard(
        QStringLiteral("zetqvtool-6f1c2e58-3b0d-4a57-9f2e-8c41d7a0b913"));
    if (guard.alreadyRunning()) {
        QApplication::beep();
        return 0;
    }
    MasterControl control(nullptr);
    control.start();
    return app.exec();
}
