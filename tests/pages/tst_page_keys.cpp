#include "window_rig.h"

#include <QtTest>

// Keys that the pages add to the form's own shortcuts.
class PageKeysTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }

    // Both Enter keys press the IR keypad's Enter button, and only while its page is shown.
    void bothEnterKeysPressTheIrEnterKey() {
        ZETQVToolMainWindow w;
        w.ui.communications_interface_widget->set_interface_info(
            monitor_data{0x41, "1", InterfaceType::Dummy, ""});
        w.show();
        QVERIFY(QTest::qWaitForWindowActive(&w));
        QPushButton* enter = w.ui.ir_remote_ent_pushButton;
        QSignalSpy clicks(enter, &QAbstractButton::clicked);
        const QList<QPair<Qt::Key, Qt::KeyboardModifiers>> keys{
            {Qt::Key_Return, Qt::NoModifier}, {Qt::Key_Enter, Qt::KeypadModifier}};
        int expected = 0;
        for (int page : {10, 11}) {
            w.ui.stackedWidget->setCurrentIndex(page);
            // The status page's read-out shows a progress dialog; offscreen no window manager
            // hands the activation back to the window when it closes.
            w.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&w));
            for (const auto& key : keys) {
                w.ui.treeWidget->setFocus();
                QTest::keyClick(&w, key.first, key.second);
                QCOMPARE(enter->isDown(), page == 11);
                expected += page == 11 ? 1 : 0;
                QTRY_COMPARE(clicks.count(), expected);
            }
        }
    }
};

QTEST_MAIN(PageKeysTest)
#include "tst_page_keys.moc"
