#pragma once

#include <QObject>

class QSplashScreen;
class ZETQVToolMainWindow;

// Owns what lives for the whole run: the monitor object, the splash screen and the main window.
class MasterControl : public QObject {
    Q_OBJECT

public:
    static constexpr int SplashCloseMs = 2500;

    explicit MasterControl(QObject* parent = nullptr);
    ~MasterControl() override;

    // Shows the splash screen, builds the main window and the log window, shows the window.
    void start();
    void show_splash_message();

    ZETQVToolMainWindow* mainWindow() const { return main_window; }
    QSplashScreen* splashScreen() const { return splash; }

private:
    ZETQVToolMainWindow* main_window = nullptr;
    QSplashScreen* splash = nullptr;
};
