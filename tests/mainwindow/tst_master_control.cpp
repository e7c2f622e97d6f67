#include "basic_monitor.h"
#include "lm_information_dialog.h"
#include "mastercontrol.h"
#include "program_globals.h"
#include "zetqvtoolmainwindow.h"

#include <QSettings>
#include <QSplashScreen>
#include <QTemporaryDir>
#include <QtTest>

// The start of a run: the splash screen over the main window for 2.5 s, then the window alone.
class MasterControlTest : public QObject {
    Q_OBJECT

    QTemporaryDir settingsDir;

private slots:
    void initTestCase() {
        QVERIFY(settingsDir.isValid());
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
    }

    void splashStaysOnTopUntilItCloses() {
        MasterControl control(nullptr);
        QVERIFY(g_basic_monitor);
        QCOMPARE(g_basic_monitor->monitor_id(), 0x41);
        control.start();
        QSplashScreen* splash = control.splashScreen();
        QVERIFY(control.mainWindow()->isVisible());
        QVERIFY(g_information_dialog && !g_information_dialog->isVisible());
        QVERIFY(splash->isVisible());
        QVERIFY(splash->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
        const QPixmap logo(QStringLiteral(":/images/Resources/splash small.png"));
        QCOMPARE(splash->size(),
                 QSize(logo.width() + 10, logo.height() + 2 * splash->fontMetrics().height() + 10));
        QTRY_VERIFY_WITH_TIMEOUT(!splash->isVisible(), 2 * MasterControl::SplashCloseMs);
        QVERIFY(control.mainWindow()->isVisible());
    }
};

QTEST_MAIN(MasterControlTest)
#include "tst_master_control.moc"
