#include "analog_gamma_pages.h"
#include "analog_sequences.h"
#include "monitor_rig.h"
#include "opcodes.h"
#include "result_codes.h"
#include "string_resource.h"
#include "window_rig.h"

#include <QtTest>

namespace {
// A window rig whose display also holds the gamma tables and the 3D LUT.
struct GammaRig : WindowRig {
    TransferDisplay transfers;
    explicit GammaRig(const char* address) : WindowRig(address) { transfers.attach(model); }
};
} // namespace

// Loopback addresses 127.0.17.10 to 127.0.17.19 belong to this test.
class AnalogGammaPagesTest : public QObject {
    Q_OBJECT

    QVCommProtocol_retry* engine = new QVCommProtocol_retry;
    PauseRecorder clock{*engine, 50};
    WindowTestEnvironment env{engine};

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // The set-up sequences against a display: the commands and pauses in order, and the
    // result. "none" for a tile-matrix maximum leaves the op code out (a display without it).
    void setUpSequences_data() {
        QTest::addColumn<bool>("gainBias");
        QTest::addColumn<int>("tileMode");
        QTest::addColumn<int>("tileMax");
        QTest::addColumn<bool>("startSupported");
        QTest::addColumn<QByteArray>("brokenBody"); // requests answered with a bad check byte
        QTest::addColumn<int>("brokenTimes");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("refusedMode"); // the display stays in its mode; -1 none
        const QStringList gainBias = {"cmd C01102", "set 031D=1", "pause 12000", "cmd C01100"};
        QTest::newRow("gain/bias, tile matrix on, maximum 3")
            << true << 2 << 3 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias + QStringList{"set 02D3=2"} << 0
            << -1;
        QTest::newRow("gain/bias, tile matrix on, maximum 2")
            << true << 2 << 2 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=1"} + gainBias + QStringList{"set 02D3=2"} << 0
            << -1;
        QTest::newRow("gain/bias, tile matrix off: left alone")
            << true << 1 << 3 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0 << -1;
        QTest::newRow("gain/bias, frame hidden: left alone")
            << true << 3 << 3 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0 << -1;
        QTest::newRow("gain/bias, no tile-matrix op code: no failure")
            << true << 0 << -1 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0 << -1;
        QTest::newRow("gain/bias start refused: normal mode and tile matrix restored, reported")
            << true << 2 << 3 << false << QByteArray() << 0
            << QStringList{"get 02D3",   "set 02D3=3", "cmd C01102",
                           "set 031D=1", "cmd C01100", "set 02D3=2"}
            << ResultCode::Unsupported << -1;
        QTest::newRow("gain/bias expert mode fails: first failure, the rest still runs")
            << true << 2 << 3 << true << QByteArray("C01102") << 1
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias + QStringList{"set 02D3=2"}
            << ResultCode::BadChecksum << -1;
        QTest::newRow("gain/bias back to normal fails twice: tile matrix still restored")
            << true << 2 << 3 << true << QByteArray("C01100") << 2
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias +
                   QStringList{"pause 5000", "cmd C01100", "set 02D3=2"}
            << ResultCode::BadChecksum << -1;
        QTest::newRow("gain/bias back to normal at the second try")
            << true << 1 << 3 << true << QByteArray("C01100") << 1
            << QStringList{"get 02D3"} + gainBias + QStringList{"pause 5000", "cmd C01100"} << 0
            << -1;
        QTest::newRow("gain/bias expert mode refused: reported, the rest still runs")
            << true << 2 << 3 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias + QStringList{"set 02D3=2"}
            << ResultCode::ReplyError << 2;
        QTest::newRow("gain/bias normal mode refused twice: tile matrix still restored")
            << true << 2 << 3 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias +
                   QStringList{"pause 5000", "cmd C01100", "set 02D3=2"}
            << ResultCode::ReplyError << 0;
        QTest::newRow("gain/bias restore at the second try")
            << true << 2 << 3 << true << QByteArray("02D30002") << 1
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias +
                   QStringList{"set 02D3=2", "pause 5000", "set 02D3=2"}
            << 0 << -1;
        QTest::newRow("auto setup, tile matrix on")
            << false << 2 << 2 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=1", "set 001E=1", "pause 11000", "set 02D3=2"} << 0
            << -1;
        QTest::newRow("auto setup refused: tile matrix restored, refusal reported")
            << false << 2 << 3 << false << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3", "set 001E=1", "set 02D3=2"}
            << ResultCode::Unsupported << -1;
        QTest::newRow("auto setup restore fails twice")
            << false << 2 << 3 << true << QByteArray("02D30002") << 2
            << QStringList{"get 02D3",   "set 02D3=3", "set 001E=1", "pause 11000",
                           "set 02D3=2", "pause 5000", "set 02D3=2"}
            << ResultCode::BadChecksum << -1;
    }
    void setUpSequences() {
        QFETCH(bool, gainBias);
        QFETCH(int, tileMode);
        QFETCH(int, tileMax);
        QFETCH(bool, startSupported);
        QFETCH(QByteArray, brokenBody);
        QFETCH(int, brokenTimes);
        QFETCH(QStringList, events);
        QFETCH(int, result);
        QFETCH(int, refusedMode);
        MonitorRig rig(QStringLiteral("127.0.17.10"));
        QCOMPARE(rig.opened, 0);
        if (refusedMode >= 0)
            rig.model.refuseMode(static_cast<unsigned char>(refusedMode));
        if (tileMax >= 0)
            rig.model.setParameter(OpCode::TileMatrixMode, static_cast<unsigned short>(tileMode),
                                   static_cast<unsigned short>(tileMax));
        if (startSupported)
            rig.model.setParameter(gainBias ? OpCode::AutoGainBias : OpCode::AutoSetup, 0, 1);
        int broken = 0;
        rig.breakReplies([&](const QByteArray& body, int) {
            return !brokenBody.isEmpty() && body.startsWith(brokenBody) && broken++ < brokenTimes;
        });
        const auto wait = [&rig](unsigned int ms) { rig.monitor.delay(ms); };
        QCOMPARE(gainBias ? AnalogSequences::auto_gain_bias(rig.monitor, wait)
                          : AnalogSequences::auto_setup(rig.monitor, wait),
                 result);
        QCOMPARE(rig.log.take(), events);
    }

    void rawTestTableIsTheRampFourTimes() {
        const QVector<int> table = AnalogSequences::raw_test_table();
        QCOMPARE(table.size(), 1024);
        for (int i = 0; i < table.size(); ++i)
            QCOMPARE(table[i], i % 256);
    }

    // Each analog button asks first; Cancel sends nothing and opens no link.
    void analogButtonsAskFirst_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("question");
        QTest::newRow("auto setup") << "auto_setup_pushButton" << 712;
        QTest::newRow("auto gain/bias") << "auto_gain_bias_pushButton" << 713;
        QTest::newRow("normal LUT") << "normal_lut_pushButton" << 714;
        QTest::newRow("black LUT") << "black_lut_pushButton" << 715;
        QTest::newRow("white LUT") << "white_lut_pushButton" << 716;
    }
    void analogButtonsAskFirst() {
        QFETCH(QString, button);
        QFETCH(int, question);
        WindowRig rig("127.0.17.11");
        rig.w.findChild<QPushButton*>(button)->click();
        QCOMPARE(env.boxTexts, QStringList{StringResource(question)});
        QCOMPARE(rig.fake.connectionCount(), 0);
    }

    // Auto gain/bias from its button: the guarded sequence on one link, the 12 s pause shown
    // in a progress dialog while the window stays painted, and the first failure reported; it
    // is done only when the display also took the switch to expert mode.
    void autoGainBiasFromThePage_data() {
        QTest::addColumn<bool>("startSupported");
        QTest::addColumn<bool>("expertRefused");
        QTest::addColumn<int>("result");
        QTest::newRow("display runs it") << true << false << 0;
        QTest::newRow("display refuses it") << false << false << ResultCode::Unsupported;
        QTest::newRow("display refuses expert mode") << true << true << ResultCode::ReplyError;
    }
    void autoGainBiasFromThePage() {
        QFETCH(bool, startSupported);
        QFETCH(bool, expertRefused);
        QFETCH(int, result);
        GammaRig rig("127.0.17.12");
        rig.model.setParameter(OpCode::TileMatrixMode, 2, 3);
        if (expertRefused)
            rig.model.refuseMode(2);
        if (startSupported)
            rig.model.setParameter(OpCode::AutoGainBias, 0, 1);
        rig.showPage(29);
        env.answers << WindowTestEnvironment::Answer{QMessageBox::Ok};
        ShownProgress shown(QStringLiteral("analog_waiting"));
        clock.pauses.clear();
        rig.w.ui.auto_gain_bias_pushButton->click();
        rig.saveShot(QStringLiteral("analog"));
        QCOMPARE(rig.fake.connectionCount(), 1);
        QList<QByteArray> sent;
        for (const QByteArray& body : rig.bodies())
            sent << body.left(6);
        QCOMPARE(sent,
                 (QList<QByteArray>{"02D3", "02D300", "C01102", "031D00", "C01100", "02D300"}));
        QCOMPARE(rig.model.parameter(OpCode::TileMatrixMode).current, 2);
        int paused = 0;
        for (int ms : clock.pauses)
            paused += ms == QVCommProtocol_retry::SuccessPauseMs ? 0 : ms;
        QCOMPARE(paused, startSupported ? 12000 : 0);
        // The pause fills the bar by its time; a refused start has no pause to show.
        if (startSupported) {
            QVERIFY(shown.label.contains(QStringLiteral("12 s")));
            QCOMPARE(shown.steps(), 12000);
        } else {
            QVERIFY(shown.label.isEmpty());
        }
        QCOMPARE(rig.w.ui.statusBar->currentMessage().contains(QString::number(result)),
                 result != 0);
        QCOMPARE(rig.w.ui.statusBar->currentMessage() ==
                     QStringLiteral("Analog auto bias/gain setup done."),
                 result == 0);
        QVERIFY(!QApplication::activeModalWidget());
    }

    // A LUT button loads its table into the programmable gamma under a progress dialog that
    // counts its steps (the gamma mode, 96 chunks, the refresh and the save), and the status
    // bar says when it is done.
    void lutButtonLoadsTheTable() {
        GammaRig rig("127.0.17.13");
        rig.model.setParameter(0x0268, 1, 8);
        rig.model.setParameter(0x02F9, 0, 1); // the three-channel table of 768
        rig.showPage(29);
        env.answers << WindowTestEnvironment::Answer{QMessageBox::Ok};
        ShownProgress shown("analog_lut_progress");
        rig.w.ui.normal_lut_pushButton->click();
        QCOMPARE(shown.label, QStringLiteral("Loading the normal LUT into the display..."));
        QCOMPARE(shown.steps(), 768 / 8 + 3);
        QVERIFY(!QApplication::activeModalWidget());
        QCOMPARE(rig.w.ui.statusBar->currentMessage(),
                 QStringLiteral("Normal LUT loaded; the gamma is Programmable."));
        QCOMPARE(rig.model.parameter(0x0268).current, 6);
        // A linear ramp per channel, the channels 1024 apart.
        for (int channel = 0; channel < 3; ++channel) {
            QCOMPARE(rig.transfers.gamma[channel * 1024], 0u);
            QCOMPARE(rig.transfers.gamma[channel * 1024 + 255], 4080u);
        }
        QVERIFY(rig.bodies().contains("C206") && rig.bodies().contains("C207"));
        rig.saveShot(QStringLiteral("analog_lut_done"));
    }

    // The gamma page's single commands: one command each, on a link of its own.
    void gammaCommands_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("done");
        QTest::newRow("refresh") << "gamma_refresh_pushButton" << QByteArray("C206")
                                 << "Gamma table refreshed.";
        QTest::newRow("save") << "gamma_save_pushButton" << QByteArray("C207")
                              << "Gamma table saved in the display.";
        QTest::newRow("init") << "gamma_init_pushButton" << QByteArray("C208")
                              << "Gamma table initialised.";
        QTest::newRow("reset") << "gamma_reset_pushButton" << QByteArray("C209")
                               << "Gamma table reset.";
    }
    void gammaCommands() {
        QFETCH(QString, button);
        QFETCH(QByteArray, command);
        GammaRig rig("127.0.17.14");
        rig.showPage(42, QStringLiteral("Gamma"));
        rig.w.findChild<QPushButton*>(button)->click();
        QCOMPARE(rig.bodies(), QList<QByteArray>{command});
        QCOMPARE(rig.fake.connectionCount(), 1);
        QTEST(rig.w.ui.statusBar->currentMessage(), "done");
        rig.saveShot(QStringLiteral("gamma"));
    }

    // The two test writes put the ramp, four times over, into the display's table or curve;
    // a display that stops answering shows on the status bar.
    void testWritesReachTheDisplay() {
        GammaRig rig("127.0.17.15");
        rig.w.ui.test_gamma_lut_write_pushButton->click();
        QCOMPARE(rig.w.ui.statusBar->currentMessage(),
                 QStringLiteral("Test gamma table written (1,024 values)."));
        rig.w.ui.test_theoretical_lut_write_pushButton->click();
        QCOMPARE(rig.w.ui.statusBar->currentMessage(),
                 QStringLiteral("Test theoretical curve written (1,024 values)."));
        for (int i = 0; i < 1024; ++i) {
            QCOMPARE(rig.transfers.gamma[i], unsigned(i % 256));
            QCOMPARE(rig.transfers.curve[i], unsigned(i % 256));
        }
        QCOMPARE(rig.transfers.gamma[1024], 0u);
        rig.model.failNext(100);
        rig.w.ui.test_gamma_lut_write_pushButton->click();
        QVERIFY(rig.w.ui.statusBar->currentMessage().contains(
            QString::number(ResultCode::BadChecksum)));
    }

    // The 3D LUT read asks for every entry of the 17-cube once, eight at a time.
    void lut3dReadCoversTheCube() {
        GammaRig rig("127.0.17.16");
        constexpr int n = AnalogSequences::LutGrid;
        rig.transfers.lutSize = n;
        rig.transfers.lut.resize(n * n * n);
        rig.showPage(43, QStringLiteral("3D LUT"));
        ShownProgress shown;
        rig.w.ui.gamma_read_3d_LUT_from_RAM_pushButton->click();
        QCOMPARE(shown.steps(), n * n * n);
        QCOMPARE(shown.values.size(), (n * n * n + 7) / 8 + 1); // 0, then every chunk
        QVERIFY(rig.w.ui.statusBar->currentMessage().startsWith(QStringLiteral("3D LUT read")));
        QVector<int> asked(n * n * n, 0);
        for (const QByteArray& body : rig.bodies()) {
            QVERIFY(body.startsWith("C22E"));
            const int first = int(DisplayModel::field(body, 4, 2)),
                      second = int(DisplayModel::field(body, 6, 2)),
                      third = int(DisplayModel::field(body, 8, 2)),
                      count = int(DisplayModel::field(body, 10, 2));
            QVERIFY(count >= 1 && count <= 8);
            for (int i = 0; i < count; ++i)
                ++asked[first + second * n + third * n * n + i];
        }
        QCOMPARE(asked, QVector<int>(n * n * n, 1));
        rig.saveShot(QStringLiteral("luts3d"));
    }
};

QTEST_MAIN(AnalogGammaPagesTest)
#include "tst_analog_gamma_pages.moc"
