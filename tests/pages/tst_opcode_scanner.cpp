#include "monitor_rig.h"
#include "opcode_scanner_page.h"
#include "window_rig.h"

#include <QProgressDialog>
#include <QTextEdit>
#include <QtTest>

#include <atomic>
#include <memory>

namespace {
constexpr int kPass = 1023; // op codes in the four ranges

// Replaces the program's monitor by one without the pause after each success, so that a
// run of 2046 exchanges takes seconds; set before the environment makes its own.
struct QuietMonitor {
    QuietMonitor() { g_basic_monitor = monitor.get(); }
    std::unique_ptr<basic_monitor> monitor{new basic_monitor(nullptr, quietEngine())};
};

bool connectionClosed() {
    return g_basic_monitor->interface_type() != InterfaceType::Lan;
}
} // namespace

// Loopback addresses 127.0.13.40 to 127.0.13.49 belong to this test.
class OpcodeScannerTest : public QObject {
    Q_OBJECT

    QuietMonitor quiet;
    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // The picture mode changes on the display between the passes: one line names it. Range 1 never
    // answers, so the report also says that 255 op codes were not compared.
    void changedValueIsReported() {
        WindowRig rig("127.0.13.40");
        auto& [fake, model, w] = rig;
        model.setParameter(0x021A, 3, 7);
        model.addCommand('C', "0001", [](const QByteArray&) { return QByteArray("00"); });
        env.answers = {{QMessageBox::Ok},
                       {QMessageBox::Ok, [&] { model.setParameter(0x021A, 6, 7); }}};
        w.ui.stackedWidget->setCurrentIndex(34);
        rig.page<OpcodeScannerPage>().on_opcode_scanner_pushButton_clicked();
        QCOMPARE(w.ui.opcode_results_textEdit->toPlainText(),
                 QString("The following Op Codes have changed:\nOp Code 021a (Picture Mode) was "
                         "value 3 [Standard] and is now 6 [Dynamic] \n\n255 Op Code(s) could "
                         "not be read on one or both passes."));
        QCOMPARE(env.boxTexts.size(), 2);
        QVERIFY(env.boxTexts[0].startsWith("This feature scans all available Op Codes"));
        QVERIFY(env.boxTexts[1].startsWith("Now change the control setting"));
        // Range 1 breaks at its first op code on each pass; one connection serves the run.
        QCOMPARE(fake.requests().size(), 2 * (kPass - 254));
        QCOMPARE(fake.connectionCount(), 1);
        QVERIFY(connectionClosed());
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
        w.ui.main_groupBox->setTitle("OpCode Scanner");
        rig.saveShot("opcode_scanner");
    }

    // The display stops answering in range 4 of the second pass: the error shows, no report.
    void silenceInTheLastRangeOfPassTwo() {
        WindowRig rig("127.0.13.41");
        auto& [fake, model, w] = rig;
        auto asked = std::make_shared<std::atomic<int>>(0);
        model.addCommand('C', "1180", [asked](const QByteArray&) {
            return ++*asked == 1 ? QByteArray("0011800000640005") : QByteArray();
        });
        env.answers = {{QMessageBox::Ok}, {QMessageBox::Ok}};
        rig.page<OpcodeScannerPage>().on_opcode_scanner_pushButton_clicked();
        QVERIFY(w.ui.opcode_results_textEdit->toPlainText().isEmpty());
        QVERIFY(w.ui.statusBar->currentMessage().contains("(-"));
        QCOMPARE(fake.requests().size(), kPass + kPass - (0x11FF - 0x1180));
        QVERIFY(connectionClosed());
    }

    // Abort in either pass, or Cancel in either question: the run ends with the connection
    // closed, nothing more sent and no report; a run cancelled before it began opens none.
    void stoppedRun_data() {
        QTest::addColumn<int>("abortAfter");     // requests; 0: no abort
        QTest::addColumn<QList<int>>("answers"); // Ok or Cancel, in turn
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("connections");
        QTest::newRow("abort in pass 1") << 100 << QList<int>{QMessageBox::Ok} << 100 << 1;
        QTest::newRow("abort in pass 2")
            << kPass + 10 << QList<int>{QMessageBox::Ok, QMessageBox::Ok} << kPass + 10 << 1;
        QTest::newRow("cancel first question") << 0 << QList<int>{QMessageBox::Cancel} << 0 << 0;
        QTest::newRow("cancel second question")
            << 0 << QList<int>{QMessageBox::Ok, QMessageBox::Cancel} << kPass << 1;
    }
    void stoppedRun() {
        QFETCH(int, abortAfter);
        QFETCH(QList<int>, answers);
        WindowRig rig("127.0.13.42");
        auto& [fake, model, w] = rig;
        for (int a : answers)
            env.answers << WindowTestEnvironment::Answer{QMessageBox::StandardButton(a)};
        QMetaObject::Connection abort;
        if (abortAfter > 0)
            abort = connect(g_basic_monitor, &basic_monitor::transfer_data_out, this,
                            [&fake = rig.fake, &w = rig.w, abortAfter] {
                                if (fake.requests().size() >= abortAfter)
                                    if (auto* progress = w.findChild<QProgressDialog*>())
                                        progress->cancel();
                            });
        rig.page<OpcodeScannerPage>().on_opcode_scanner_pushButton_clicked();
        disconnect(abort);
        QTEST(int(fake.requests().size()), "requests");
        QTEST(fake.connectionCount(), "connections");
        QCOMPARE(env.boxTexts.size(), answers.size());
        QVERIFY(w.ui.opcode_results_textEdit->toPlainText().isEmpty());
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
        QVERIFY(connectionClosed());
        QVERIFY(!w.findChild<QProgressDialog*>());
    }
};

QTEST_MAIN(OpcodeScannerTest)
#include "tst_opcode_scanner.moc"
