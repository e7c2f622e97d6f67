#include "chelptip.h"

#include <QSignalSpy>
#include <QWhatsThis>
#include <QtTest>

class CHelpTipTest : public QObject {
    Q_OBJECT

    static void send(QWidget& w, QEvent::Type type) {
        QEvent e(type);
        QApplication::sendEvent(&w, &e);
    }

private slots:
    void cleanup() { QWhatsThis::leaveWhatsThisMode(); }

    void isSmallFixedHelpButton() {
        QWidget parent;
        CHelpTip tip(&parent);
        QCOMPARE(tip.parentWidget(), &parent);
        QCOMPARE(tip.size(), QSize(16, 16));
        QCOMPARE(tip.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(tip.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
        QCOMPARE(tip.sizePolicy().horizontalStretch(), 0);
        QVERIFY(tip.whatsThis().isEmpty());
        QVERIFY(!tip.icon().isNull());
        QVERIFY(!tip.icon().pixmap(16, 16).isNull());
    }

    void enteringAndLeavingSwitchWhatsThisMode_data() {
        QTest::addColumn<bool>("enabled");
        QTest::newRow("enabled") << true;
        QTest::newRow("disabled") << false;
    }

    void enteringAndLeavingSwitchWhatsThisMode() {
        QFETCH(bool, enabled);
        CHelpTip tip;
        tip.setEnabled(enabled);
        send(tip, QEvent::Enter);
        QCOMPARE(QWhatsThis::inWhatsThisMode(), enabled);
        send(tip, QEvent::Leave);
        QVERIFY(!QWhatsThis::inWhatsThisMode());

        // Leaving ends the mode however it was entered.
        QWhatsThis::enterWhatsThisMode();
        send(tip, QEvent::Leave);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
    }

    void clickInModeShowsHelpInsteadOfClicking() {
        QWidget window;
        CHelpTip tip(&window);
        tip.setWhatsThis(QStringLiteral("<b>Help</b> for this page"));
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(&tip, &QAbstractButton::clicked);
        send(tip, QEvent::Enter);
        QVERIFY(QWhatsThis::inWhatsThisMode());
        QTest::mouseClick(&tip, Qt::LeftButton);
        QVERIFY(!QWhatsThis::inWhatsThisMode());
        QCOMPARE(clicked.size(), 0);
        QWhatsThis::hideText();
    }
};

QTEST_MAIN(CHelpTipTest)
#include "tst_chelptip.moc"
