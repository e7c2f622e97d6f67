#include "display_model.h"
#include "result_codes.h"
#include "transfer_probe.h"

#include <QtTest>

#include <functional>

// Loopback address 127.0.0.111 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.111");

namespace {
using Control = int (QVCommProtocol::*)();
using ChunkWrite = int (QVCommProtocol::*)(const unsigned int*, int, int);
using ChunkRead = int (QVCommProtocol::*)(unsigned int*, int, int);

QByteArray digits(const QVector<unsigned int>& values) {
    QByteArray out;
    for (unsigned int v : values)
        out += DisplayModel::hex4(v);
    return out;
}

QVector<unsigned int> ramp(int count, unsigned int from) {
    QVector<unsigned int> out;
    for (int i = 0; i < count; ++i)
        out << from + unsigned(i) * 0x0101;
    return out;
}

FakeReply typed(char type, const QByteArray& body) {
    FakeReply r;
    r.bytes = FakeDisplay::frame(type, body);
    return r;
}
} // namespace
Q_DECLARE_METATYPE(Control)
Q_DECLARE_METATYPE(ChunkWrite)
Q_DECLARE_METATYPE(ChunkRead)

class GammaTransfersTest : public QObject {
    Q_OBJECT

private slots:
    void tableCommands_data() {
        QTest::addColumn<Control>("op");
        QTest::addColumn<QByteArray>("request");
        QTest::addColumn<QString>("title");
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");

        const struct {
            const char* name;
            Control op;
            const char* request;
            const char* title;
            bool typeTested;
        } ops[] = {
            {"refresh", &QVCommProtocol::refresh_gamma_table, "C206", "RefreshGammaTable", false},
            {"save", &QVCommProtocol::save_gamma_table, "C207", "SaveGammaTable", true},
            {"init", &QVCommProtocol::init_gamma_table, "C208", "InitGammaTable", true},
            {"reset", &QVCommProtocol::reset_gamma_table, "C209", "ResetGammaTable", true},
        };
        for (const auto& o : ops) {
            const QByteArray code = "C3" + QByteArray(o.request).mid(2);
            auto row = [&](const char* what, char type, const QByteArray& reply, int result) {
                QTest::addRow("%s: %s", o.name, what)
                    << o.op << QByteArray(o.request) << QString::fromLatin1(o.title) << type
                    << reply << result;
            };
            row("accepted", 'B', "00" + code, 0);
            row("other reply type", 'D', "00" + code, o.typeTested ? -5000 : 0);
            row("result field", 'B', "01" + code, -5008);
            row("wrong code", 'B', "01C3FF", -5000);
            row("too short", 'B', "00" + code.left(3), -5002);
            row("too long", 'B', "00" + code + "0", -5002);
        }
    }
    void tableCommands() {
        QFETCH(Control, op);
        QFETCH(QByteArray, request);
        QFETCH(QString, title);
        QFETCH(char, type);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        TransferRig rig(kAddress);
        rig.fake.setHandler([&](const QByteArray&) { return typed(type, reply); });
        QCOMPARE((rig.p.*op)(), result);
        QCOMPARE(rig.bodies(), QList<QByteArray>{request});
        QCOMPARE(rig.p.titles(), QStringList{title});
        QVERIFY(rig.clock.pauses.isEmpty());
    }

    void chunkWrite_data() {
        QTest::addColumn<ChunkWrite>("op");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QString>("title");
        QTest::addColumn<int>("count");
        QTest::addColumn<QByteArray>("reply"); // empty: the display echoes what it stored
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("result");

        const ChunkWrite gamma = &QVCommProtocol::gamma_table_write_raw_chunk;
        const ChunkWrite curve = &QVCommProtocol::theoretical_curve_write_raw_chunk;
        const QString gammaTitle = QStringLiteral("gamma_table_write_raw_chunk offset=16X");
        const QString curveTitle = QStringLiteral("theoretical_curve_write_raw_chunk offset=16X");
        const QByteArray echo = "C3050010" + digits(ramp(16, 0x1234));
        QTest::newRow("gamma, 16 values")
            << gamma << QByteArray("C205") << gammaTitle << 16 << QByteArray() << 'B' << 0;
        QTest::newRow("curve, 1 value")
            << curve << QByteArray("C20B") << curveTitle << 1 << QByteArray() << 'B' << 0;
        QTest::newRow("echoed values are not compared")
            << gamma << QByteArray("C205") << gammaTitle << 16 << "C3050010" + QByteArray(64, '0')
            << 'B' << 0;
        QTest::newRow("reply type")
            << gamma << QByteArray("C205") << gammaTitle << 16 << echo << 'D' << -5000;
        QTest::newRow("too short") << gamma << QByteArray("C205") << gammaTitle << 16
                                   << QByteArray("C3050") << 'B' << -5002;
        QTest::newRow("reply code") << gamma << QByteArray("C205") << gammaTitle << 16
                                    << "C30B" + echo.mid(4) << 'B' << -5000;
        QTest::newRow("echoed offset") << gamma << QByteArray("C205") << gammaTitle << 16
                                       << "C3050011" + echo.mid(8) << 'B' << -5000;
        QTest::newRow("a value short") << gamma << QByteArray("C205") << gammaTitle << 16
                                       << echo.left(echo.size() - 4) << 'B' << -5000;
        QTest::newRow("a value more")
            << gamma << QByteArray("C205") << gammaTitle << 16 << echo + "0000" << 'B' << -5000;
    }
    void chunkWrite() {
        QFETCH(ChunkWrite, op);
        QFETCH(QByteArray, command);
        QFETCH(QString, title);
        QFETCH(int, count);
        QFETCH(QByteArray, reply);
        QFETCH(char, type);
        QFETCH(int, result);
        TransferRig rig(kAddress);
        if (!reply.isEmpty())
            rig.fake.setHandler([&](const QByteArray&) { return typed(type, reply); });
        const QVector<unsigned int> values = ramp(count, 0x1234);
        QCOMPARE((rig.p.*op)(values.constData(), 0x10, count), result);
        const QByteArray sent = command + "0010" + digits(values);
        QCOMPARE(rig.bodies(), QList<QByteArray>{sent});
        // Length field: body plus STX and ETX.
        QCOMPARE(rig.fake.requests().first().mid(5, 2),
                 QByteArray::number(sent.size() + 2, 16).toUpper().rightJustified(2, '0'));
        QCOMPARE(rig.p.titles(), QStringList{title});
        QCOMPARE(rig.clock.pauses, result == 0 ? QList<int>{50} : QList<int>{});
        if (reply.isEmpty()) {
            const QVector<unsigned int>& stored =
                command == "C205" ? rig.model.gamma : rig.model.curve;
            QCOMPARE(stored.mid(0x10, count), values);
        }
    }

    void chunkCountsAreRefusedUnsent_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("result");
        QTest::newRow("17 values") << 17 << -5005;
        QTest::newRow("no values") << 0 << -5006;
        QTest::newRow("negative") << -1 << -5006;
    }
    void chunkCountsAreRefusedUnsent() {
        QFETCH(int, count);
        QFETCH(int, result);
        TransferRig rig(kAddress);
        unsigned int values[32] = {};
        unsigned char bytes[64] = {};
        QCOMPARE(rig.p.gamma_table_write_raw_chunk(values, 0, count), result);
        QCOMPARE(rig.p.theoretical_curve_write_raw_chunk(values, 0, count), result);
        QCOMPARE(rig.p.gamma_table_read(values, 0, count), result);
        QCOMPARE(rig.p.theoretical_curve_read(values, 0, count), result);
        QCOMPARE(rig.p.gamma_table_read_raw_chunk(bytes, 0, count), result);
        QCOMPARE(rig.p.gamma_table_write_verified(values, 0, count), result);
        QVERIFY(rig.fake.requests().isEmpty());
    }

    void chunkRead_data() {
        QTest::addColumn<ChunkRead>("op");
        QTest::addColumn<QByteArray>("command");
        QTest::addColumn<QByteArray>("reply"); // empty: the display's stored values
        QTest::addColumn<char>("type");
        QTest::addColumn<int>("result");
        const ChunkRead gamma = &QVCommProtocol::gamma_table_read;
        const ChunkRead curve = &QVCommProtocol::theoretical_curve_read;
        const QByteArray good = "C304" + digits(ramp(16, 0xAB01));
        QTest::newRow("gamma") << gamma << QByteArray("C204") << QByteArray() << 'B' << 0;
        QTest::newRow("curve") << curve << QByteArray("C20A") << QByteArray() << 'B' << 0;
        QTest::newRow("lower-case digits")
            << gamma << QByteArray("C204") << good.toLower() << 'B' << 0;
        QTest::newRow("a value more")
            << gamma << QByteArray("C204") << good + "0000" << 'B' << -5000;
        QTest::newRow("a value short")
            << gamma << QByteArray("C204") << good.left(64) << 'B' << -5000;
        QTest::newRow("reply type") << gamma << QByteArray("C204") << good << 'F' << -5000;
        QTest::newRow("reply code")
            << gamma << QByteArray("C204") << "C30A" + good.mid(4) << 'B' << -5000;
        QTest::newRow("too short")
            << gamma << QByteArray("C204") << QByteArray("C30") << 'B' << -5002;
    }
    void chunkRead() {
        QFETCH(ChunkRead, op);
        QFETCH(QByteArray, command);
        QFETCH(QByteArray, reply);
        QFETCH(char, type);
        QFETCH(int, result);
        TransferRig rig(kAddress);
        const QVector<unsigned int> stored = ramp(16, 0xAB01);
        std::copy(stored.begin(), stored.end(),
                  (command == "C204" ? rig.model.gamma : rig.model.curve).begin() + 0x100);
        if (!reply.isEmpty())
            rig.fake.setHandler([&](const QByteArray&) { return typed(type, reply); });
        QVector<unsigned int> values(16, 7);
        QCOMPARE((rig.p.*op)(values.data(), 0x100, 16), result);
        QCOMPARE(rig.bodies(), QList<QByteArray>{command + "010010"});
        QCOMPARE(values, result == 0 ? stored : QVector<unsigned int>(16, 7));
        QCOMPARE(rig.clock.pauses, result == 0 ? QList<int>{50} : QList<int>{});
    }

    void verifiedWrite_data() {
        QTest::addColumn<int>("retries");
        QTest::addColumn<int>("badPasses"); // passes whose stored values the display spoils
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("passes");
        QTest::newRow("first pass") << 3 << 0 << 0 << 1;
        QTest::newRow("matches on the second pass") << 3 << 1 << 0 << 2;
        QTest::newRow("still differs after the last pass") << 3 << 99 << -5000 << 4;
        QTest::newRow("retry count 1") << 1 << 99 << -5000 << 2;
        QTest::newRow("retry count 0") << 0 << 99 << -5000 << 1;
    }
    void verifiedWrite() {
        QFETCH(int, retries);
        QFETCH(int, badPasses);
        QFETCH(int, result);
        QFETCH(int, passes);
        TransferRig rig(kAddress);
        rig.p.retry_count = retries;
        int writes = 0;
        rig.fake.setHandler([&](const QByteArray& request) {
            FakeReply r = rig.model.answer(request);
            if (FakeDisplay::bodyOf(request).startsWith("C205") && ++writes <= badPasses)
                rig.model.gamma[0x21] ^= 0x8000;
            return r;
        });
        const QVector<unsigned int> values = ramp(8, 0x0300);
        QCOMPARE(rig.p.gamma_table_write_verified(values.constData(), 0x20, 8), result);
        QList<QByteArray> expected;
        for (int i = 0; i < passes; ++i)
            expected << "C2050020" + digits(values) << "C204002008";
        QCOMPARE(rig.bodies(), expected);
    }

    void verifiedWriteRetriesAFailedRead() {
        TransferRig rig(kAddress);
        int reads = 0;
        rig.fake.setHandler([&](const QByteArray& request) {
            if (FakeDisplay::bodyOf(request).startsWith("C204") && ++reads == 1)
                return typed('B', "C304");
            return rig.model.answer(request);
        });
        const QVector<unsigned int> values = ramp(2, 0x0300);
        QCOMPARE(rig.p.gamma_table_write_verified(values.constData(), 0, 2), 0);
        QCOMPARE(rig.fake.requests().size(), 4);
    }

    void lutRead_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<QByteArray>>("requests");
        QTest::newRow("n = 1") << 1 << QList<QByteArray>{"C22E00000001"};
        QTest::newRow("n = 2") << 2 << QList<QByteArray>{"C22E00000008"};
        QTest::newRow("n = 3") << 3
                               << QList<QByteArray>{"C22E00000008", "C22E02020008", "C22E01020108",
                                                    "C22E00020203"};
        QTest::newRow("n = 0") << 0 << QList<QByteArray>{};
    }
    void lutRead() {
        QFETCH(int, n);
        QFETCH(QList<QByteArray>, requests);
        TransferRig rig(kAddress);
        rig.model.lutSize = n;
        rig.model.lut.resize(n * n * n);
        for (int i = 0; i < rig.model.lut.size(); ++i)
            rig.model.lut[i] = {i, 0x100 + i, 0xFFFF - i};
        // Exactly n cubed entries: the sanitizer sees any store beyond.
        std::vector<lut3d_entry> entries(size_t(n * n * n));
        QCOMPARE(rig.p.lut3d_read(entries.data(), n), 0);
        QCOMPARE(rig.bodies(), requests);
        for (int i = 0; i < n * n * n; ++i) {
            QCOMPARE(entries[size_t(i)].red, i);
            QCOMPARE(entries[size_t(i)].green, 0x100 + i);
            QCOMPARE(entries[size_t(i)].blue, 0xFFFF - i);
        }
    }

    void lutReadFaults_data() {
        QTest::addColumn<int>("n");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("requests");
        QTest::addColumn<int>("stored"); // entries written into the caller's array
        const QByteArray eight = "00C32E" + QByteArray(8 * 12, '1');
        QTest::newRow("reply without entries") << 2 << QByteArray("00C32E") << -5002 << 1 << 0;
        QTest::newRow("more entries than asked") << 1 << eight << 0 << 1 << 1;
        QTest::newRow("part of an entry is dropped")
            << 1 << QByteArray("05C32E11112222333") << -5002 << 1 << 0;
        QTest::newRow("status is not examined")
            << 1 << QByteArray("FFC32E111122223333") << 0 << 1 << 1;
        QTest::newRow("wrong command") << 2 << QByteArray("00C32F") << -5000 << 1 << 0;
        QTest::newRow("too short") << 2 << QByteArray("00C32") << -5002 << 1 << 0;
        QTest::newRow("n cubed overflows") << 1291 << QByteArray() << -5005 << 0 << 0;
        QTest::newRow("largest n whose cube fits, display silent")
            << 1290 << QByteArray("BE") << -5007 << 1 << 0;
    }
    void lutReadFaults() {
        QFETCH(int, n);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, requests);
        QFETCH(int, stored);
        TransferRig rig(kAddress);
        rig.fake.setHandler([&](const QByteArray&) { return typed('D', reply); });
        std::vector<lut3d_entry> entries(8, lut3d_entry{-1, -1, -1});
        QCOMPARE(rig.p.lut3d_read(n <= 2 ? entries.data() : nullptr, n), result);
        QCOMPARE(rig.fake.requests().size(), requests);
        for (int i = 0; i < 8; ++i)
            QCOMPARE(entries[size_t(i)].red, i < stored ? 0x1111 : -1);
    }

    void lutWriteSendsNothing() {
        TransferRig rig(kAddress);
        lut3d_entry entry;
        int count = 1;
        QCOMPARE(rig.p.lut3d_write_from_ram(&entry, 0, 0, 0, count), 0);
        QCOMPARE(rig.p.titles(), QStringList{"3D-LUT Write from RAM command"});
        QTest::qWait(50);
        QVERIFY(rig.fake.requests().isEmpty());
    }
};

QTEST_GUILESS_MAIN(GammaTransfersTest)
#include "tst_gamma_transfers.moc"
