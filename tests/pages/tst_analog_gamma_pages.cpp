#include "analog_sequences.h"
#include "monitor_rig.h"
#include "result_codes.h"

#include <QtTest>

// Loopback addresses 127.0.17.10 to 127.0.17.19 belong to this test.
class AnalogGammaPagesTest : public QObject {
    Q_OBJECT

private slots:
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
        const QStringList gainBias = {"cmd C01102", "set 031D=1", "pause 12000", "cmd C01100"};
        QTest::newRow("gain/bias, tile matrix on, maximum 3")
            << true << 2 << 3 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias + QStringList{"set 02D3=2"} << 0;
        QTest::newRow("gain/bias, tile matrix on, maximum 2")
            << true << 2 << 2 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=1"} + gainBias + QStringList{"set 02D3=2"} << 0;
        QTest::newRow("gain/bias, tile matrix off: left alone")
            << true << 1 << 3 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0;
        QTest::newRow("gain/bias, frame hidden: left alone")
            << true << 3 << 3 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0;
        QTest::newRow("gain/bias, no tile-matrix op code: no failure")
            << true << 0 << -1 << true << QByteArray() << 0 << QStringList{"get 02D3"} + gainBias
            << 0;
        QTest::newRow("gain/bias start refused: normal mode and tile matrix restored, reported")
            << true << 2 << 3 << false << QByteArray() << 0
            << QStringList{"get 02D3",   "set 02D3=3", "cmd C01102",
                           "set 031D=1", "cmd C01100", "set 02D3=2"}
            << ResultCode::Unsupported;
        QTest::newRow("gain/bias expert mode fails: first failure, the rest still runs")
            << true << 2 << 3 << true << QByteArray("C01102") << 1
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias + QStringList{"set 02D3=2"}
            << ResultCode::BadChecksum;
        QTest::newRow("gain/bias back to normal fails twice: tile matrix still restored")
            << true << 2 << 3 << true << QByteArray("C01100") << 2
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias +
                   QStringList{"pause 5000", "cmd C01100", "set 02D3=2"}
            << ResultCode::BadChecksum;
        QTest::newRow("gain/bias back to normal at the second try")
            << true << 1 << 3 << true << QByteArray("C01100") << 1
            << QStringList{"get 02D3"} + gainBias + QStringList{"pause 5000", "cmd C01100"} << 0;
        QTest::newRow("gain/bias restore at the second try")
            << true << 2 << 3 << true << QByteArray("02D30002") << 1
            << QStringList{"get 02D3", "set 02D3=3"} + gainBias +
                   QStringList{"set 02D3=2", "pause 5000", "set 02D3=2"}
            << 0;
        QTest::newRow("auto setup, tile matrix on")
            << false << 2 << 2 << true << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=1", "set 001E=1", "pause 11000", "set 02D3=2"}
            << 0;
        QTest::newRow("auto setup refused: tile matrix restored, refusal reported")
            << false << 2 << 3 << false << QByteArray() << 0
            << QStringList{"get 02D3", "set 02D3=3", "set 001E=1", "set 02D3=2"}
            << ResultCode::Unsupported;
        QTest::newRow("auto setup restore fails twice")
            << false << 2 << 3 << true << QByteArray("02D30002") << 2
            << QStringList{"get 02D3",   "set 02D3=3", "set 001E=1", "pause 11000",
                           "set 02D3=2", "pause 5000", "set 02D3=2"}
            << ResultCode::BadChecksum;
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
        MonitorRig rig(QStringLiteral("127.0.17.10"));
        QCOMPARE(rig.opened, 0);
        if (tileMax >= 0)
            rig.model.setParameter(AnalogSequences::TileMatrixModeOpcode,
                                   static_cast<unsigned short>(tileMode),
                                   static_cast<unsigned short>(tileMax));
        if (startSupported)
            rig.model.setParameter(gainBias ? AnalogSequences::AutoGainBiasOpcode
                                            : AnalogSequences::AutoSetupOpcode,
                                   0, 1);
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
};

QTEST_MAIN(AnalogGammaPagesTest)
#include "tst_analog_gamma_pages.moc"
