#include "result_codes.h"
#include "transfer_probe.h"

#include <QtTest>

#include <vector>

// Loopback address 127.0.0.110 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.110");

namespace {
QByteArray text(int size) {
    QByteArray out;
    for (int i = 0; i < size; ++i)
        out += char('a' + i % 26);
    return out;
}

enum class Fault {
    None,
    ShortAtEnd,
    MismatchWithText,
    MismatchEmpty,
    NullReply,
    BadHeader,
    Endless
};
} // namespace
Q_DECLARE_METATYPE(Fault)

class TransfersTest : public QObject {
    Q_OBJECT

private slots:
    void capabilityRead_data() {
        QTest::addColumn<int>("length");
        QTest::addColumn<int>("chunk");
        QTest::addColumn<int>("capacity");
        QTest::addColumn<Fault>("fault");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("read");
        QTest::addColumn<QList<int>>("offsets");

        QTest::newRow("whole string, ends with an empty chunk")
            << 100 << 32 << 8192 << Fault::None << 0 << 100 << QList<int>{0, 32, 64, 96, 100};
        QTest::newRow("largest chunk the frame carries")
            << 300 << 247 << 8192 << Fault::None << 0 << 300 << QList<int>{0, 247, 300};
        QTest::newRow("ends with a reply too short for a header")
            << 64 << 32 << 8192 << Fault::ShortAtEnd << 0 << 64 << QList<int>{0, 32, 64};
        QTest::newRow("other offset echoed with text")
            << 100 << 32 << 8192 << Fault::MismatchWithText << -1 << 32 << QList<int>{0, 32};
        QTest::newRow("other offset echoed without text")
            << 100 << 32 << 8192 << Fault::MismatchEmpty << 0 << 32 << QList<int>{0, 32};
        QTest::newRow("null message")
            << 100 << 32 << 8192 << Fault::NullReply << -5007 << 32 << QList<int>{0, 32};
        QTest::newRow("wrong reply code")
            << 100 << 32 << 8192 << Fault::BadHeader << -5000 << 0 << QList<int>{0};
        QTest::newRow("fills the room exactly")
            << 100 << 32 << 101 << Fault::None << 0 << 100 << QList<int>{0, 32, 64, 96, 100};
        QTest::newRow("one character more than the room")
            << 101 << 32 << 101 << Fault::None << -5005 << 100 << QList<int>{0, 32, 64, 96};
        QTest::newRow("chunk beyond the room")
            << 100 << 32 << 50 << Fault::None << -5005 << 49 << QList<int>{0, 32};
        QTest::newRow("no room at all")
            << 10 << 32 << 0 << Fault::None << -5005 << 0 << QList<int>{0};
        QList<int> endless;
        for (int o = 0; o < 8192; o += 200)
            endless << o;
        QTest::newRow("a display that never ends")
            << 0 << 200 << 8192 << Fault::Endless << -5005 << 8191 << endless;
    }
    void capabilityRead() {
        QFETCH(int, length);
        QFETCH(int, chunk);
        QFETCH(int, capacity);
        QFETCH(Fault, fault);
        QFETCH(int, result);
        QFETCH(int, read);
        QFETCH(QList<int>, offsets);

        TransferRig rig(kAddress);
        QCOMPARE(rig.opened, 0);
        rig.model.capability = text(length);
        rig.model.capabilityChunk = chunk;
        rig.inject([&](const QByteArray& body) -> QByteArray {
            const QByteArray offset = body.mid(2, 4);
            switch (fault) {
            case Fault::ShortAtEnd:
                return offset.toInt(nullptr, 16) >= length ? QByteArray("E3") : QByteArray();
            case Fault::MismatchWithText:
                return offset == "0020" ? QByteArray("E30000xyz") : QByteArray();
            case Fault::MismatchEmpty:
                return offset == "0020" ? QByteArray("E30000") : QByteArray();
            case Fault::NullReply:
                return offset == "0020" ? QByteArray("BE") : QByteArray();
            case Fault::BadHeader:
                return "E4" + offset + "abc";
            case Fault::Endless:
                return "E3" + offset + QByteArray(chunk, 'z');
            default:
                return {};
            }
        });

        // Guard bytes after the room catch any write past it.
        std::vector<char> buffer(size_t(capacity) + 16, '#');
        int size = capacity;
        QCOMPARE(rig.p.read_capability_string(buffer.data(), size), result);
        QCOMPARE(size, read);
        if (capacity > 0) {
            const QByteArray expected =
                fault == Fault::Endless ? QByteArray(read, 'z') : text(length).left(read);
            QCOMPARE(QByteArray(buffer.data()), expected);
        }
        QCOMPARE(QByteArray(buffer.data() + capacity, 16), QByteArray(16, '#'));

        QList<int> sent;
        for (const QByteArray& body : rig.bodies()) {
            QVERIFY(body.startsWith("F3") && body.size() == 6);
            sent << body.mid(2).toInt(nullptr, 16);
        }
        QCOMPARE(sent, offsets);
        QCOMPARE(rig.clock.pauses, fault == Fault::MismatchWithText || fault == Fault::MismatchEmpty
                                       ? QList<int>{50}
                                       : QList<int>{});
        QCOMPARE(rig.p.comments.last(),
                 qMakePair(int(QVCommProtocol::CommentField),
                           QStringLiteral("Capability String: ") +
                               QString::fromLatin1(capacity > 0 ? buffer.data() : "")));
    }

    void capabilityChunkTitle() {
        TransferRig rig(kAddress);
        rig.model.capability = "vcp(10)";
        char out[64];
        int count = int(sizeof out);
        QCOMPARE(rig.p.get_capability_string_chunk(0x1234, out, count), 0);
        QCOMPARE(count, 0); // past the end
        QCOMPARE(rig.p.titles(), QStringList{"Get Capability Strings command offset=4660"});
        QCOMPARE(rig.bodies(), QList<QByteArray>{"F31234"});
    }

    void assetRead_data() {
        QTest::addColumn<int>("capacity");
        QTest::addColumn<QByteArray>("second"); // reply body to the second request
        QTest::addColumn<int>("result");
        QTest::addColumn<QByteArray>("expected");
        QTest::addColumn<QList<QByteArray>>("requests");

        const QByteArray first = text(64).left(32);
        const QList<QByteArray> both = {"C00B0020", "C00B2020"};
        QTest::newRow("whole area") << 127 << QByteArray() << 0 << text(64) << both;
        QTest::newRow("null message after a chunk")
            << 127 << QByteArray("BE") << 0 << first << both;
        QTest::newRow("short reply after a chunk") << 127 << QByteArray("C1") << 0 << first << both;
        QTest::newRow("empty chunk ends it") << 127 << QByteArray("C10B") << 0 << first << both;
        QTest::newRow("wrong code after a chunk")
            << 127 << QByteArray("C10C") << -5000 << first << both;
        QTest::newRow("oversize chunk beyond the room")
            << 70 << QByteArray("C10B" + QByteArray(40, 'q')) << -5005
            << first + QByteArray(37, 'q') << both;
        QTest::newRow("no second request with 35 left")
            << 67 << QByteArray() << 0 << first << QList<QByteArray>{"C00B0020"};
        QTest::newRow("room for one chunk only")
            << 20 << QByteArray() << -5005 << first.left(19) << QList<QByteArray>{"C00B0020"};
    }
    void assetRead() {
        QFETCH(int, capacity);
        QFETCH(QByteArray, second);
        QFETCH(int, result);
        QFETCH(QByteArray, expected);
        QFETCH(QList<QByteArray>, requests);

        TransferRig rig(kAddress);
        rig.model.asset = text(64);
        rig.inject(
            [&](const QByteArray& body) { return body.mid(4, 2) == "20" ? second : QByteArray(); });
        std::vector<char> buffer(size_t(capacity) + 16, '#');
        int size = capacity;
        QCOMPARE(rig.p.read_asset_data(buffer.data(), size), result);
        QCOMPARE(size, expected.size());
        QCOMPARE(QByteArray(buffer.data()), expected);
        QCOMPARE(QByteArray(buffer.data() + capacity, 16), QByteArray(16, '#'));
        QCOMPARE(rig.bodies(), requests);
        QCOMPARE(rig.clock.pauses, QList<int>{500});
    }

    void assetReadFailsWithoutAnyChunk_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::newRow("null message") << QByteArray("BE") << -5007;
        QTest::newRow("short") << QByteArray("C10") << -5002;
        QTest::newRow("wrong code") << QByteArray("C10A") << -5000;
    }
    void assetReadFailsWithoutAnyChunk() {
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        TransferRig rig(kAddress);
        rig.inject([&](const QByteArray&) { return reply; });
        char buffer[127];
        int size = int(sizeof buffer);
        QCOMPARE(rig.p.read_asset_data(buffer, size), result);
        QCOMPARE(size, 0);
        QCOMPARE(buffer[0], '\0');
    }

    void assetWrite() {
        TransferRig rig(kAddress);
        const QByteArray data = text(64);
        QCOMPARE(rig.p.write_asset_data(data.constData(), 64, 32), 0);
        QCOMPARE(rig.bodies(),
                 (QList<QByteArray>{"C00E00" + data.left(32), "C00E20" + data.mid(32)}));
        QCOMPARE(rig.model.asset, data);
        QCOMPARE(rig.clock.pauses, (QList<int>{400, 400}));
        QCOMPARE(rig.p.titles(), (QStringList{"Asset Data Write offset=0, length=32",
                                              "Asset Data Write offset=32, length=32"}));
    }

    // Data that ends inside a chunk goes out padded; nothing past its end is read (the sanitizer
    // watches the exact-size buffer).
    void assetWritePartialChunk() {
        TransferRig rig(kAddress);
        const QByteArray data = text(40);
        std::vector<char> exact(data.begin(), data.end());
        QCOMPARE(rig.p.write_asset_data(exact.data(), 40, 32), 0);
        QCOMPARE(rig.bodies(), (QList<QByteArray>{"C00E00" + data.left(32),
                                                  "C00E20" + data.mid(32) + QByteArray(24, '\0')}));

        rig.fake.clearRequests();
        QCOMPARE(rig.p.write_asset_data(exact.data(), 40, 16), 0);
        QCOMPARE(rig.bodies().size(), 3);
        QCOMPARE(rig.bodies().at(2), "C00E20" + data.mid(32) + QByteArray(24, '\0'));

        rig.fake.clearRequests();
        QCOMPARE(rig.p.write_asset_data(exact.data(), 0, 32), 0);
        QVERIFY(rig.fake.requests().isEmpty());
    }

    void assetWriteRefused_data() {
        QTest::addColumn<int>("chunk");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("requests");
        const QByteArray data = text(32);
        QTest::newRow("chunk of nothing") << 0 << QByteArray() << -5006 << 0;
        QTest::newRow("negative chunk") << -32 << QByteArray() << -5006 << 0;
        QTest::newRow("chunk too large") << 33 << QByteArray() << -5005 << 0;
        QTest::newRow("display refuses") << 32 << ("05C00E00" + data) << 5 << 1;
        QTest::newRow("echo differs") << 32 << ("00C00E00" + text(31) + "!") << -5000 << 1;
        QTest::newRow("echo of another offset") << 32 << ("00C00E20" + data) << -5000 << 1;
        QTest::newRow("wrong code") << 32 << ("00C00F00" + data) << -5000 << 1;
        QTest::newRow("short reply") << 32 << QByteArray("00C00") << -5002 << 1;
        QTest::newRow("echo cut short") << 32 << ("00C00E00" + text(31)) << -5002 << 1;
    }
    void assetWriteRefused() {
        QFETCH(int, chunk);
        QFETCH(QByteArray, reply);
        QFETCH(int, result);
        QFETCH(int, requests);
        TransferRig rig(kAddress);
        rig.inject(
            [&](const QByteArray& body) { return body.mid(4, 2) == "00" ? reply : QByteArray(); });
        const QByteArray data = text(64);
        QCOMPARE(rig.p.write_asset_data(data.constData(), 64, chunk), result);
        QCOMPARE(rig.fake.requests().size(), requests);
        QVERIFY(rig.clock.pauses.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TransfersTest)
#include "tst_transfers.moc"
