#include "result_codes.h"
#include "simple_command_page.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.17.60 to 127.0.17.69 belong to this test.
class SimpleCommandPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // A preset fills the text; editing the text by hand leaves the preset list on its empty row.
    void presetsAndText() {
        ZETQVToolMainWindow w;
        QComboBox* presets = w.ui.simple_command_comboBox;
        QLineEdit* text = w.ui.simple_command_send_lineEdit;
        QCOMPARE(presets->count(), 21);
        QCOMPARE(presets->itemText(2), QStringLiteral("Power Off: 00\""));
        QCOMPARE(presets->itemData(2).toString(), QStringLiteral("00\""));
        presets->setCurrentIndex(presets->findText(QStringLiteral("Read Power state: 00vP")));
        QCOMPARE(text->text(), QStringLiteral("00vP"));
        QTest::keyClick(text, Qt::Key_End);
        QTest::keyClicks(text, QStringLiteral("x"));
        QCOMPARE(presets->currentIndex(), 0);
        QCOMPARE(text->text(), QStringLiteral("00vPx"));
        presets->setCurrentIndex(20);
        presets->setCurrentIndex(0);
        QCOMPARE(text->text(), QString());
    }

    // The text and CR go out as they stand; the reply up to its CR is shown (the editor shows
    // the CR as a line end). A display that stays silent leaves the reply empty and the failure
    // on the status bar.
    void sendAndReceive_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QByteArray>("sent");
        QTest::addColumn<QString>("shown");
        QTest::newRow("a read") << "00vP" << QByteArray("00vP1\r") << QByteArray("00vP\r")
                                << "00vP1\n";
        QTest::newRow("Latin-1 both ways") << QString::fromUtf8("00é") << QByteArray("\xe9\r")
                                           << QByteArray("00\xe9\r") << QString::fromUtf8("é\n");
        QTest::newRow("empty: CR alone") << "" << QByteArray("OK\r") << QByteArray("\r") << "OK\n";
        QTest::newRow("silent display") << "00vP" << QByteArray() << QByteArray("00vP\r") << "";
    }
    void sendAndReceive() {
        QFETCH(QString, command);
        QFETCH(QByteArray, reply);
        QFETCH(QByteArray, sent);
        QFETCH(QString, shown);
        WindowRig rig("127.0.17.60");
        auto& [fake, model, w] = rig;
        fake.setHandler([reply](const QByteArray&) {
            FakeReply r;
            r.bytes = reply;
            return r;
        });
        w.ui.simple_command_receive_plainTextEdit->setPlainText(QStringLiteral("old reply"));
        w.ui.simple_command_send_lineEdit->setText(command);
        w.ui.simple_command_send_pushButton->click();
        QCOMPARE(fake.requests(), QList<QByteArray>{sent});
        QCOMPARE(w.ui.simple_command_receive_plainTextEdit->toPlainText(), shown);
        QCOMPARE(w.ui.statusBar->currentMessage().contains(QString::number(ResultCode::NoReply)),
                 reply.isEmpty());
        if (QTest::currentDataTag() == QByteArray("a read")) {
            w.ui.stackedWidget->setCurrentIndex(28);
            w.ui.main_groupBox->setTitle(QStringLiteral("Simple && ASCII Commands"));
            rig.saveShot(QStringLiteral("simple_commands"));
        }
    }
};

QTEST_MAIN(SimpleCommandPageTest)
#include "tst_simple_command_page.moc"
