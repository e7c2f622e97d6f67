#include "byte_buffer.h"
#include "fake_display.h"
#include "frame_codec.h"

#include <QtTest>

namespace {
QList<unsigned char> bytesOf(const QByteArray& text) {
    QList<unsigned char> out;
    for (char c : text)
        out << static_cast<unsigned char>(c);
    return out;
}

// A frame from SOH through ETX, completed with its check code and CR.
QByteArray withCheck(const QByteArray& start) {
    char check = 0;
    for (int i = 1; i < start.size(); ++i)
        check ^= start[i];
    return start + check + '\x0D';
}

// A reply as it comes in: the frame of FakeDisplay with one byte replaced (offset counted
// from the end when negative).
QByteArray changed(QByteArray frame, int offset, char byte) {
    frame[offset < 0 ? frame.size() + offset : offset] = byte;
    return frame;
}
} // namespace

// The frame codec alone, without a link: the bytes of a command, and the reading of a reply
// fed byte by byte, with the step at which it ends.
class FrameCodecTest : public QObject {
    Q_OBJECT

private slots:
    void goldenFrames_data() {
        QTest::addColumn<int>("destination");
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("empty body")
            << 0x41 << 'A' << QByteArray()
            << QByteArray("\x01\x30\x41\x30\x41\x30\x32\x02\x03\x03\x0D", 11);
        QTest::newRow("check byte is CR")
            << 0x41 << 'A' << QByteArray("08")
            << QByteArray("\x01\x30\x41\x30\x41\x30\x34\x02\x30\x38\x03\x0D\x0D", 13);
        QTest::newRow("get parameter, monitor 100")
            << 0xA4 << 'C' << QByteArray("0010")
            << QByteArray("\x01\x30\xA4\x30\x43\x30\x36\x02\x30\x30\x31\x30\x03\xE1\x0D", 15);
        QTest::newRow("all displays") << 0x2A << 'A' << QByteArray("C203D60001")
                                      << QByteArray("\x01\x30\x2A\x30\x41\x30\x43\x02"
                                                    "C203D60001"
                                                    "\x03\x18\x0D",
                                                    21);
        // The longest body: length FFh, upper-case digits.
        const QByteArray longest(FrameCodec::MaxBodyLength, '0');
        QByteArray wire = QByteArray("\x01\x30\x41\x30\x45\x46\x46\x02", 8) + longest + '\x03';
        char check = 0;
        for (int i = 1; i < wire.size(); ++i)
            check ^= wire[i];
        QTest::newRow("longest body") << 0x41 << 'E' << longest << wire + check + '\x0D';
    }
    void goldenFrames() {
        QFETCH(int, destination);
        QFETCH(char, type);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, wire);
        const QList<unsigned char> frame =
            FrameCodec::encode(static_cast<unsigned char>(destination),
                               static_cast<unsigned char>(type), bytesOf(body));
        QCOMPARE(toByteArray(frame), wire);
        // The header alone carries the stand-in length until the message is finished.
        QCOMPARE(toByteArray(FrameCodec::header(static_cast<unsigned char>(destination),
                                                static_cast<unsigned char>(type))),
                 wire.left(5) + "63\x02");
        // A display's answer to it reads back as the same body.
        FrameDecoder decoder(static_cast<unsigned char>(destination), true);
        FrameDecoder::Step step = FrameDecoder::Step::More;
        for (unsigned char byte : frame)
            step = decoder.feed(byte);
        QCOMPARE(int(step), int(FrameDecoder::Step::Complete));
        QCOMPARE(toByteArray(decoder.body()), body);
        QCOMPARE(int(decoder.type()), int(type));
    }

    void hexDigits() {
        QCOMPARE(int(FrameCodec::nibbleToHex(0x0)), int('0'));
        QCOMPARE(int(FrameCodec::nibbleToHex(0x9)), int('9'));
        QCOMPARE(int(FrameCodec::nibbleToHex(0xA)), int('A'));
        QCOMPARE(int(FrameCodec::nibbleToHex(0x1F)), int('F')); // the low four bits only
        QCOMPARE(int(FrameCodec::hexPairToByte('f', 'A')), 0xFA);
        QCOMPARE(int(FrameCodec::hexPairToByte('G', '9')), 0x09); // not a digit: 0
        QCOMPARE(int(FrameCodec::checksum(bytesOf("\x01\x30\x41"))), 0x71);
        QVERIFY(FrameCodec::isNullMessage(bytesOf("BE")));
        QVERIFY(!FrameCodec::isNullMessage(bytesOf("BE0")));
        QVERIFY(!FrameCodec::isNullMessage(bytesOf("be")));
    }

    // Each reply is fed until the decoder says the frame ended; the bytes it took, the body it
    // kept and whether it noted a foreign source.
    void decoding_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("destination");
        QTest::addColumn<bool>("acceptAny");
        QTest::addColumn<int>("end"); // the step that ends it
        QTest::addColumn<int>("taken");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("foreignAt"); // the byte count after which it was noted, or -1
        const int complete = int(FrameDecoder::Step::Complete);
        const int broken = int(FrameDecoder::Step::Broken);
        const int badCheck = int(FrameDecoder::Step::BadChecksum);
        const QByteArray good = FakeDisplay::frame('B', "00D6000004");
        const int n = good.size();
        QTest::newRow("good") << good << 0x41 << false << complete << n << QByteArray("00D6000004")
                              << -1;
        QTest::newRow("empty body")
            << FakeDisplay::frame('B', "") << 0x41 << false << complete << 11 << QByteArray() << -1;
        QTest::newRow("null message") << FakeDisplay::frame('B', "BE") << 0x41 << false << complete
                                      << 13 << QByteArray("BE") << -1;
        // Lengths below 2 read no body: ETX follows STX.
        QTest::newRow("length 00") << withCheck("\x01"
                                                "00AB00\x02\x03")
                                   << 0x41 << false << complete << 11 << QByteArray() << -1;
        QTest::newRow("length 01") << withCheck("\x01"
                                                "00AB01\x02\x03")
                                   << 0x41 << false << complete << 11 << QByteArray() << -1;
        QTest::newRow("length in lower case, 0ah")
            << withCheck("\x01"
                         "00AB0a\x02"
                         "00D60000\x03")
            << 0x41 << false << complete << 19 << QByteArray("00D60000") << -1;
        QTest::newRow("length digit not hexadecimal counts as 0")
            << withCheck("\x01"
                         "00ABx4\x02"
                         "00\x03")
            << 0x41 << false << complete << 13 << QByteArray("00") << -1;
        QTest::newRow("byte 0 not SOH")
            << good.mid(1) << 0x41 << false << broken << 1 << QByteArray() << -1;
        QTest::newRow("reserved byte not 0")
            << changed(good, 1, '1') << 0x41 << false << broken << 2 << QByteArray() << -1;
        QTest::newRow("destination byte not 0")
            << changed(good, 2, 'A') << 0x41 << false << broken << 3 << QByteArray() << -1;
        QTest::newRow("destination byte not 0, any source")
            << FakeDisplay::frame('B', "00", 'A', 'A') << 0x41 << true << complete << 13
            << QByteArray("00") << -1;
        QTest::newRow("foreign source") << FakeDisplay::frame('B', "00", 'C') << 0x41 << false
                                        << complete << 13 << QByteArray("00") << 4;
        QTest::newRow("foreign source, any source accepted")
            << FakeDisplay::frame('B', "00", 'C') << 0x41 << true << complete << 13
            << QByteArray("00") << -1;
        QTest::newRow("any source to all displays")
            << FakeDisplay::frame('B', "00", 'C') << 0x2A << false << complete << 13
            << QByteArray("00") << -1;
        QTest::newRow("any source to group A") << FakeDisplay::frame('B', "00", 'C') << 0x31
                                               << false << complete << 13 << QByteArray("00") << -1;
        QTest::newRow("any source to group J") << FakeDisplay::frame('B', "00", 'C') << 0x3A
                                               << false << complete << 13 << QByteArray("00") << -1;
        QTest::newRow("foreign source, beside the groups")
            << FakeDisplay::frame('B', "00", 'C') << 0x3B << false << complete << 13
            << QByteArray("00") << 4;
        QTest::newRow("no STX") << changed(good, 7, 'x') << 0x41 << false << broken << 8
                                << QByteArray() << -1;
        QTest::newRow("body longer than its length")
            << changed(good, 6, char(good[6] - 1)) << 0x41 << false << broken << n - 3
            << QByteArray("00D600000") << -1;
        QTest::newRow("bad check code") << changed(good, -2, char(good[n - 2] ^ 1)) << 0x41 << false
                                        << badCheck << n - 1 << QByteArray("00D6000004") << -1;
        QTest::newRow("no CR") << changed(good, -1, '\x0A') << 0x41 << false << broken << n
                               << QByteArray("00D6000004") << -1;
        QTest::newRow("bytes after the end")
            << good + "\x01" << 0x41 << false << complete << n << QByteArray("00D6000004") << -1;
    }
    void decoding() {
        QFETCH(QByteArray, reply);
        QFETCH(int, destination);
        QFETCH(bool, acceptAny);
        QFETCH(int, end);
        QFETCH(int, taken);
        QFETCH(QByteArray, body);
        QFETCH(int, foreignAt);
        FrameDecoder decoder(static_cast<unsigned char>(destination), acceptAny);
        int noted = -1;
        int step = int(FrameDecoder::Step::More);
        // Every byte is fed: those after the frame ended must not be taken.
        for (char c : reply) {
            const FrameDecoder::Step s = decoder.feed(static_cast<unsigned char>(c));
            if (s == FrameDecoder::Step::ForeignSource)
                noted = decoder.bytes().size();
            else if (s != FrameDecoder::Step::More && step == int(FrameDecoder::Step::More))
                step = int(s);
        }
        QCOMPARE(step, end);
        QCOMPARE(decoder.bytes().size(), taken);
        QCOMPARE(toByteArray(decoder.bytes()), reply.left(taken));
        QCOMPARE(toByteArray(decoder.body()), body);
        QCOMPARE(noted, foreignAt);
        if (taken > 4) {
            QCOMPARE(int(decoder.type()), int(reply[4]));
            QCOMPARE(int(decoder.source()), int(reply[3]));
        } else {
            QVERIFY(!decoder.has_type());
        }
        // Nothing more is taken once the frame ended.
        QCOMPARE(int(decoder.feed(0x01)), int(FrameDecoder::Step::Broken));
        QCOMPARE(decoder.bytes().size(), taken);
    }
};

QTEST_GUILESS_MAIN(FrameCodecTest)
#include "tst_frame_codec.moc"
