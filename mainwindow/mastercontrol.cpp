#include "mastercontrol.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "lm_information_dialog.h"
#include "program_globals.h"
#include "string_resource.h"
#include "zetqvtoolmainwindow.h"

#include <QPixmap>
#include <QSplashScreen>
#include <QTimer>

MasterControl::MasterControl(QObject* parent) : QObject(parent) {
    g_information_dialog = nullptr;
    g_basic_monitor = new basic_monitor(this);
    monitor_data initial;
    initial.m_monitor_id = 0x41;
    initial.communicationsInterfaceType = InterfaceType::Dummy;
    initial.s_communicationsInterfacePortName = QLatin1String(kDefaultLanAddress);
    g_basic_monitor->set_interface_info(initial);
}

MasterControl::~MasterControl() {
    // The window writes the settings, then its child log window its own key.
    delete main_window;
    g_information_dialog = nullptr;
    delete splash;
    delete g_basic_monitor;
}

void MasterControl::start(const QStringList& arguments) {
    // On top of the main window, which is shown after it, until it closes.
    splash = new QSplashScreen(QPixmap(), Qt::WindowStaysOnTopHint);
    splash->setPixmap(QPixmap(QStringLiteral(":/images/Resources/splash blank.png")));
    const QPixmap logo(StringResource(StringId::SplashImage));
    const int line = splash->fontMetrics().height();
    splash->resize(logo.width() + 10, logo.height() + 2 * line + 10);
    show_splash_message();
    splash->show();

    main_window = new ZETQVToolMainWindow(nullptr);
    g_information_dialog = new LM_Information_Dialog(main_window);
    main_window->take_command_line_scripts(arguments);
    QTimer::singleShot(SplashCloseMs, splash, &QSplashScreen::close);
    main_window->show();
    splash->raise();
}

int MasterControl::exitCode() const {
    return main_window ? main_window->exit_code() : 0;
}

void MasterControl::show_splash_message() {
    if (!splash)
        return;
    splash->showMessage(QStringLiteral("<img src=\"") + StringResource(StringId::SplashImage) +
                            QStringLiteral("\"><br>") + versionString(),
                        Qt::AlignCenter, Qt::black);
}
