#include "command_table.h"
#include "result_codes.h"

#include <QElapsedTimer>

// Loopback address 127.0.0.92 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.92");

namespace {
unsigned char byteAt(const QVariantList& in, int i) {
    return static_cast<unsigned char>(in[i].toInt());
}

CommandOps autoIdOps() {
    CommandOps ops;
    using ResultOp = int (QVCommProtocol::*)(int*);
    const QList<QPair<QString, ResultOp>> plain = {
        {"auto_id_execute", &QVCommProtocol::auto_id_execute},
        {"auto_id_reset", &QVCommProtocol::auto_id_reset},
        {"auto_tile_matrix_reset", &QVCommProtocol::auto_tile_matrix_reset}};
    for (const auto& op : plain) {
        const ResultOp call = op.second;
        ops[op.first] = [call](QVCommProtocol& p, const QVariantList&) {
            int result = 99;
            const int r = (p.*call)(&result);
            return CommandRun{r, outputs({{"result", result}})};
        };
    }
    ops["auto_tile_matrix_execute"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r = p.auto_tile_matrix_execute(byteAt(in, 0), byteAt(in, 1), byteAt(in, 2),
                                                 byteAt(in, 3), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["auto_tile_matrix_read"] = [](QVCommProtocol& p, const QVariantList&) {
        int result = 99;
        unsigned char h = 99, v = 99;
        const int r = p.auto_tile_matrix_read(&h, &v, &result);
        return CommandRun{r, outputs({{"result", result}, {"h", h}, {"v", v}})};
    };
    ops["auto_tile_matrix_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r = p.auto_tile_matrix_write(byteAt(in, 0), byteAt(in, 1), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    return ops;
}
} // namespace

class AutoIdCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        QTest::newRow("auto ID execute")
            << "auto_id_execute" << QVariantList{} << QByteArray("CA0A01") << replyB("CB0A0100")
            << 0 << "result=0";
        QTest::newRow("auto ID execute; the result byte is data")
            << "auto_id_execute" << QVariantList{} << QByteArray("CA0A01") << replyB("CB0A0103")
            << 0 << "result=3";
        QTest::newRow("auto ID execute, wrong sub-command")
            << "auto_id_execute" << QVariantList{} << QByteArray("CA0A01") << replyB("CB0A0300")
            << -5000 << "result=0";
        QTest::newRow("auto ID execute, 10 characters")
            << "auto_id_execute" << QVariantList{} << QByteArray("CA0A01") << replyB("CB0A010000")
            << -5002 << "result=0";
        QTest::newRow("auto ID reset") << "auto_id_reset" << QVariantList{} << QByteArray("CA0A03")
                                       << replyB("CB0A0301") << 0 << "result=1";
        QTest::newRow("auto tile matrix execute, 3 x 2, input 1, memory 2")
            << "auto_tile_matrix_execute" << QVariantList{3, 2, 1, 2}
            << QByteArray("CA03010302010102") << replyB("CB030100") << 0 << "result=0";
        QTest::newRow("auto tile matrix execute, wrong code")
            << "auto_tile_matrix_execute" << QVariantList{3, 2, 1, 2}
            << QByteArray("CA03010302010102") << replyB("CB0A0100") << -5000 << "result=0";
        QTest::newRow("auto tile matrix reset")
            << "auto_tile_matrix_reset" << QVariantList{} << QByteArray("CA0303")
            << replyB("CB030300") << 0 << "result=0";
        QTest::newRow("auto tile matrix read")
            << "auto_tile_matrix_read" << QVariantList{} << QByteArray("CA0304")
            << replyB("CB0304000302") << 0 << "result=0 h=3 v=2";
        QTest::newRow("auto tile matrix read, 10 characters")
            << "auto_tile_matrix_read" << QVariantList{} << QByteArray("CA0304")
            << replyB("CB03040003") << -5002 << "result=0 h=99 v=99";
        QTest::newRow("auto tile matrix write")
            << "auto_tile_matrix_write" << QVariantList{4, 4} << QByteArray("CA03050404")
            << replyB("CB030502") << 0 << "result=2";
    }
    void commands() { runCommandRow(fake, autoIdOps()); }

    // The completion comes on its own, later than an ordinary reply would, and from whichever
    // display finished; nothing is sent while waiting for it. An auto ID completion may carry
    // the number of monitors detected after its result byte.
    void completion_data() {
        QTest::addColumn<bool>("tileMatrix");
        QTest::addColumn<QByteArray>("message");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("resultByte");
        QTest::addColumn<int>("count"); // monitors detected (auto ID)
        QTest::addColumn<int>("reads"); // field reads logged while decoding
        QTest::newRow("auto ID, from another display, after 2.5 s")
            << false << FakeDisplay::frame('B', "CA0A0205", 'C', 'C') << 0 << 5 << 0 << 3;
        QTest::newRow("auto ID, with the number of monitors detected")
            << false << FakeDisplay::frame('B', "CA0A020007", 'C') << 0 << 0 << 7 << 4;
        QTest::newRow("auto ID, status 1 and 4 monitors")
            << false << FakeDisplay::frame('B', "CA0A020104", 'C') << 0 << 1 << 4 << 4;
        QTest::newRow("auto ID, 9 characters")
            << false << FakeDisplay::frame('B', "CA0A02000", 'C') << -5002 << 0 << 0 << 0;
        QTest::newRow("auto ID, 12 characters")
            << false << FakeDisplay::frame('B', "CA0A02000700", 'C') << -5002 << 0 << 0 << 0;
        QTest::newRow("auto ID, reply code instead of the request code")
            << false << FakeDisplay::frame('B', "CB0A0200", 'A') << -5000 << 0 << 0 << 1;
        QTest::newRow("auto tile matrix, from another display")
            << true << FakeDisplay::frame('B', "CA030201", 'D', '0') << 0 << 1 << 0 << 3;
        QTest::newRow("auto tile matrix, 10 characters")
            << true << FakeDisplay::frame('B', "CA03020104", 'D', '0') << -5002 << 0 << 0 << 0;
        QTest::newRow("auto tile matrix, reply code instead of the request code")
            << true << FakeDisplay::frame('B', "CB030201", 'A') << -5000 << 0 << 0 << 1;
        QTest::newRow("auto tile matrix, wrong sub-command")
            << true << FakeDisplay::frame('B', "CA030101", 'A') << -5000 << 0 << 0 << 2;
    }
    void completion() {
        QFETCH(bool, tileMatrix);
        QFETCH(QByteArray, message);
        QFETCH(int, result);
        QFETCH(int, resultByte);
        QFETCH(int, count);
        QFETCH(int, reads);
        const bool late =
            QTest::currentDataTag() == QByteArray("auto ID, from another display, after 2.5 s");
        fake.setHandler([=](const QByteArray&) {
            FakeReply r;
            r.bytes = replyB(tileMatrix ? "CB030100" : "CB0A0100");
            r.later = message;
            r.laterDelayMs = late ? 2500 : 50;
            return r;
        });
        fake.clearRequests();
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        int started = 99;
        QCOMPARE(tileMatrix ? p.auto_tile_matrix_execute(2, 2, 1, 1, &started)
                            : p.auto_id_execute(&started),
                 0);
        p.comments.clear();
        p.traffic.clear();
        int done = 99, value = 99;
        QElapsedTimer timer;
        timer.start();
        QCOMPARE(tileMatrix ? p.auto_tile_matrix_complete(&done)
                            : p.auto_id_get_complete(&done, &value),
                 result);
        if (late)
            QVERIFY(timer.elapsed() >= 2000);
        QCOMPARE(done, resultByte);
        if (!tileMatrix)
            QCOMPARE(value, count);
        QCOMPARE(p.comments.first().second,
                 tileMatrix ? QStringLiteral("Auto Tile Matrix Complete command")
                            : QStringLiteral("Auto ID Get Complete command"));
        int readLines = 0;
        for (const auto& c : p.comments)
            readLines += c.second.startsWith(QStringLiteral("Read ")) ? 1 : 0;
        QCOMPARE(readLines, reads);
        QVERIFY(!p.trafficTypes().contains(QVCommProtocol::TrafficSent));
        QCOMPARE(fake.requests().size(), 1);
    }
};

QTEST_GUILESS_MAIN(AutoIdCommandsTest)
#include "tst_autoid_commands.moc"
