#pragma once

#include <QObject>
#include <QStringList>

class QSplashScreen;
class ZETQVToolMainWindow;

// Owns what lives for the whole run: the monitor object, the splash screen and the main window.
class MasterControl : public QObject {
    Q_OBJECT

public:
    static constexpr int SplashCloseMs = 2500;

    explicit MasterControl(QObject* parent = nullptr);
    ~MasterControl() override;

    // Shows the splash screen, builds the main window and the log window, hands the window
    // the scripts named on the command line (arguments as the application has them, its own
    // name first) and shows the window.
    void start(const QStringList& arguments = {});
    void show_splash_message();

    ZETQVToolMainWindow* mainWindow() const { return main_window; }
    // What the program returns once its windows have closed: a command-line run's result.
    int exitCode() const;
    QSplashScreen* splashScreen() const { return splash; }

private:
    ZETQVToolMainWindow* main_window = nullptr;
    QSplashScreen* splash = nullptr;
};
