#include "auto_id_pages.h"
#include "display_families.h"
#include "result_codes.h"
#include "window_rig.h"

#include <QtTest>

namespace {
// A window on a display chain that sends `completion` on its own after an execute, unless it
// is empty.
struct ChainRig : WindowRig {
    DisplayFamilies families{model};
    QByteArray completion;
    explicit ChainRig(const char* address) : WindowRig(address) {
        fake.setHandler([this](const QByteArray& request) {
            FakeReply reply = model.answer(request);
            const QByteArray body = FakeDisplay::bodyOf(request);
            if (!completion.isEmpty() && (body.startsWith("CA0A01") || body.startsWith("CA0301"))) {
                reply.later = FakeDisplay::frame('B', completion, 'C', '0');
                reply.laterDelayMs = 100;
            }
            return reply;
        });
    }
};
} // namespace

// Loopback addresses 127.0.17.20 to 127.0.17.29 belong to this test.
class AutoIdPagesTest : public QObject {
    Q_OBJECT

    QVCommProtocol_retry* engine = new QVCommProtocol_retry;
    PauseRecorder clock{*engine, 50};
    WindowTestEnvironment env{engine};

    int paused() { return clock.total(); }

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // Execute + Complete: a refused execute ends it without waiting; otherwise the page waits
    // for the completion in a progress dialog, up to 60 s (here shortened), and shows it, with
    // the number of monitors only when the display accepted.
    void executeAndComplete_data() {
        QTest::addColumn<bool>("tileMatrix");
        QTest::addColumn<int>("executeStatus");
        QTest::addColumn<QByteArray>("completion");
        QTest::addColumn<QString>("line");
        QTest::addColumn<int>("result");
        QTest::newRow("auto ID completes")
            << false << 0 << QByteArray("CA0A0200") << "0 (OK) Num detected monitors: 0" << 0;
        QTest::newRow("auto ID completes with the number of monitors")
            << false << 0 << QByteArray("CA0A020004") << "0 (OK) Num detected monitors: 4" << 0;
        // A refusing display's count is no count of the chain.
        QTest::newRow("auto ID completes with status 3")
            << false << 0 << QByteArray("CA0A0203") << "3 (Error)" << 0;
        QTest::newRow("auto ID completes with status 3 and a number of monitors")
            << false << 0 << QByteArray("CA0A020304") << "3 (Error)" << 0;
        QTest::newRow("auto ID execute answers status 1: no wait")
            << false << 1 << QByteArray("CA0A0200") << "1 (Error)" << 0;
        QTest::newRow("auto ID never completes")
            << false << 0 << QByteArray() << "" << ResultCode::NoReply;
        QTest::newRow("tile matrix completes")
            << true << 0 << QByteArray("CA030200") << "0 (OK)" << 0;
        QTest::newRow("tile matrix execute answers status 1: no wait")
            << true << 1 << QByteArray("CA030200") << "1 (Error)" << 0;
        QTest::newRow("tile matrix never completes")
            << true << 0 << QByteArray() << "" << ResultCode::NoReply;
    }
    void executeAndComplete() {
        QFETCH(bool, tileMatrix);
        QFETCH(int, executeStatus);
        QFETCH(QByteArray, completion);
        QFETCH(QString, line);
        QFETCH(int, result);
        ChainRig rig("127.0.17.20");
        rig.completion = completion;
        const auto status = static_cast<unsigned char>(executeStatus);
        (tileMatrix ? rig.families.tileMatrixResult : rig.families.autoIdResult) = status;
        QLineEdit* shown =
            tileMatrix ? rig.w.ui.auto_tilematrix_lineEdit : rig.w.ui.auto_ID_lineEdit;
        shown->setText(QStringLiteral("old"));
        // A wait long enough to look at.
        ShownProgress progress(result != 0 ? QStringLiteral("auto_id_waiting") : QString());
        clock.pauses.clear();
        (tileMatrix ? rig.w.ui.auto_tilematrix_execute_get_complete_pushButton
                    : rig.w.ui.auto_id_execute_get_complete_pushButton)
            ->click();
        QCOMPARE(shown->text(), line);
        QCOMPARE(rig.fake.requests().size(), 1); // the wait sends nothing
        QCOMPARE(rig.w.ui.statusBar->currentMessage().contains(QString::number(result)),
                 result != 0);
        if (executeStatus != 0) {
            QCOMPARE(paused(), 0);
            return;
        }
        if (result != 0) {
            QCOMPARE(progress.steps(), 60000);
            QCOMPARE(paused(), 60000 - 240 * QVCommProtocol::WaitListenMs);
        }
        QVERIFY(!QApplication::activeModalWidget());
        if (QTest::currentDataTag() ==
            QByteArray("auto ID completes with the number of monitors")) {
            rig.showPage(23);
            rig.saveShot(QStringLiteral("auto_id"));
        }
    }

    // Showing the page reads H and V. A read the display answers with an error, or that
    // fails, leaves them greyed and sends them nowhere (Write, Execute) until a read succeeds;
    // a write the display refuses keeps the H entered, and the next Write sends it.
    void readHAndV() {
        ChainRig rig("127.0.17.21");
        auto& ui = rig.w.ui;
        const QList<QWidget*> senders{ui.auto_tilematrix_write_pushButton,
                                      ui.auto_tilematrix_execute_pushButton,
                                      ui.auto_tilematrix_execute_get_complete_pushButton};
        const QList<QWidget*> inputs{ui.auto_tilematrix_input_comboBox,
                                     ui.auto_tilematrix_memory_comboBox,
                                     ui.auto_tilematrix_lineEdit};
        rig.families.tileMatrixH = 4;
        rig.families.tileMatrixV = 3;
        rig.showPage(24);
        QCOMPARE(ui.auto_tilematrix_h_spinBox->value(), 4);
        QCOMPARE(ui.auto_tilematrix_v_spinBox->value(), 3);
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QStringLiteral("0 (OK)"));
        QCOMPARE(enabledMismatch(senders, "111"), QString());

        rig.families.tileMatrixResult = 1;
        ui.auto_tilematrix_h_spinBox->setValue(6);
        ui.auto_tilematrix_write_pushButton->click();
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(ui.auto_tilematrix_h_spinBox->value(), 6);
        rig.families.tileMatrixResult = 0;
        const int from = rig.fake.requests().size();
        ui.auto_tilematrix_write_pushButton->click();
        QCOMPARE(rig.bodies().mid(from), QList<QByteArray>{"CA03050603"});
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QStringLiteral("0 (OK)"));
        rig.families.tileMatrixResult = 1;

        rig.w.on_reload_settings_pushButton_clicked();
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(unreadShownAsCurrent(ui.auto_tile_matrix, inputs), QString());
        QCOMPARE(enabledMismatch(senders, "000"), QString());

        rig.families.tileMatrixResult = 0;
        rig.model.failNext(1);
        ui.auto_tilematrix_read_pushButton->click();
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QString());
        QCOMPARE(unreadShownAsCurrent(ui.auto_tile_matrix, inputs), QString());
        QVERIFY(rig.w.ui.statusBar->currentMessage().contains(
            QString::number(ResultCode::BadChecksum)));
        rig.saveShot(QStringLiteral("auto_tile_matrix"));
        ui.auto_tilematrix_read_pushButton->click();
        QCOMPARE(ui.auto_tilematrix_h_spinBox->value(), 6);
        QCOMPARE(enabledMismatch(senders, "111"), QString());
    }

    // H and V entered over those read, that Write or Execute could not send (the link does not
    // open, the display does not answer or answers a broken reply, or it refuses with status 1)
    // stay as entered, the failure shown; the next press, the display answering again, sends
    // them.
    void failedSendKeepsHAndV_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("line"); // the result line after the failure
        QTest::addColumn<QString>("bar");  // the status bar's, as statusMismatch takes it
        QTest::addColumn<int>("boxes");
        const QByteArray write = "CA03050602";
        const QByteArray execute = "CA03010602011201";
        QTest::newRow("write, link down") << "auto_tilematrix_write_pushButton"
                                          << "link" << write << ""
                                          << "(-3005)" << 1;
        QTest::newRow("write, no reply") << "auto_tilematrix_write_pushButton"
                                         << "silent" << write << ""
                                         << "(-3003)" << 0;
        QTest::newRow("write, refused") << "auto_tilematrix_write_pushButton"
                                        << "refused" << write << "1 (Error)"
                                        << "" << 0;
        QTest::newRow("execute, link down") << "auto_tilematrix_execute_pushButton"
                                            << "link" << execute << ""
                                            << "(-3005)" << 1;
        QTest::newRow("execute, broken reply")
            << "auto_tilematrix_execute_pushButton"
            << "broken" << execute << "" << QStringLiteral("(%1)").arg(ResultCode::BadChecksum)
            << 0;
        QTest::newRow("execute, refused") << "auto_tilematrix_execute_pushButton"
                                          << "refused" << execute << "1 (Error)"
                                          << "" << 0;
    }
    void failedSendKeepsHAndV() {
        QFETCH(QString, button);
        QFETCH(QString, fault);
        QFETCH(QByteArray, request);
        QFETCH(QString, line);
        QFETCH(QString, bar);
        QFETCH(int, boxes);
        ChainRig rig("127.0.17.23");
        auto& ui = rig.w.ui;
        rig.families.tileMatrixH = 4;
        rig.families.tileMatrixV = 3;
        rig.showPage(24);
        QCOMPARE(ui.auto_tilematrix_h_spinBox->value(), 4);
        ui.auto_tilematrix_h_spinBox->setValue(6);
        ui.auto_tilematrix_v_spinBox->setValue(2);
        ui.auto_tilematrix_memory_comboBox->setCurrentText(QStringLiteral("Input"));
        ui.auto_tilematrix_input_comboBox->setCurrentText(QStringLiteral("HDMI2"));
        if (fault == "link")
            ui.communications_interface_widget->set_interface_info(lanInterface("127.0.17.29"));
        else if (fault == "silent")
            rig.fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        else if (fault == "broken")
            rig.model.failNext(1);
        else
            rig.families.tileMatrixResult = 1;
        auto* send = rig.w.findChild<QPushButton*>(button);
        send->click();
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), line);
        QCOMPARE(statusMismatch(ui.statusBar->currentMessage(), bar), QString());
        QCOMPARE(env.boxTexts.size(), boxes);
        QCOMPARE(ui.auto_tilematrix_h_spinBox->value(), 6);
        QCOMPARE(ui.auto_tilematrix_v_spinBox->value(), 2);
        QVERIFY(send->isEnabled());

        rig.fake.setHandler(rig.model.handler());
        ui.communications_interface_widget->set_interface_info(lanInterface(rig.fake.address()));
        rig.families.tileMatrixResult = 0;
        const int from = rig.fake.requests().size();
        send->click();
        QCOMPARE(rig.bodies().mid(from), QList<QByteArray>{request});
        QCOMPARE(ui.auto_tilematrix_lineEdit->text(), QStringLiteral("0 (OK)"));
        QCOMPARE(int(rig.families.tileMatrixH), 6);
        QCOMPARE(int(rig.families.tileMatrixV), 2);
    }

    // The single commands, with what they send: the chosen input and memory by their codes,
    // whatever their places in the lists, and zeros as they stand. A refusal is the display's
    // answer, shown as an error on the result line.
    void commands_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("lineName");
        QTest::addColumn<int>("status"); // the display's status byte
        QTest::addColumn<QString>("line");
        QTest::newRow("auto ID execute") << "auto_id_execute_pushButton" << QByteArray("CA0A01")
                                         << "auto_ID_lineEdit" << 0 << "0 (OK)";
        QTest::newRow("auto ID reset") << "auto_id_reset_pushButton" << QByteArray("CA0A03")
                                       << "auto_ID_lineEdit" << 0 << "0 (OK)";
        QTest::newRow("tile matrix reset")
            << "auto_tilematrix_reset_pushButton" << QByteArray("CA0303")
            << "auto_tilematrix_lineEdit" << 0 << "0 (OK)";
        QTest::newRow("write H&V, zeros")
            << "auto_tilematrix_write_pushButton" << QByteArray("CA03050000")
            << "auto_tilematrix_lineEdit" << 0 << "0 (OK)";
        QTest::newRow("write H&V, refused")
            << "auto_tilematrix_write_pushButton" << QByteArray("CA03050000")
            << "auto_tilematrix_lineEdit" << 1 << "1 (Error)";
        QTest::newRow("execute: HDMI2 (18) into memory Input (1)")
            << "auto_tilematrix_execute_pushButton"
            << QByteArray("CA030100000112"
                          "01")
            << "auto_tilematrix_lineEdit" << 0 << "0 (OK)";
    }
    void commands() {
        QFETCH(QString, button);
        QFETCH(QByteArray, request);
        QFETCH(QString, lineName);
        QFETCH(int, status);
        QFETCH(QString, line);
        ChainRig rig("127.0.17.22");
        rig.families.autoIdResult = rig.families.tileMatrixResult =
            static_cast<unsigned char>(status);
        auto& ui = rig.w.ui;
        ui.auto_tilematrix_h_spinBox->setValue(0);
        ui.auto_tilematrix_v_spinBox->setValue(0);
        ui.auto_tilematrix_memory_comboBox->setCurrentText(QStringLiteral("Input"));
        ui.auto_tilematrix_input_comboBox->setCurrentText(QStringLiteral("HDMI2"));
        rig.w.findChild<QPushButton*>(button)->click();
        QCOMPARE(rig.bodies(), QList<QByteArray>{request});
        QCOMPARE(rig.w.findChild<QLineEdit*>(lineName)->text(), line);
        QVERIFY(rig.w.ui.statusBar->currentMessage().isEmpty());
    }
};

QTEST_MAIN(AutoIdPagesTest)
#include "tst_auto_id_pages.moc"
