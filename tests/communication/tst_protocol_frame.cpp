#include "fake_display.h"
#include "protocol_probe.h"
#include "result_codes.h"

#include <QElapsedTimer>
#include <QThread>
#include <QtTest>

// Loopback addresses 127.0.0.20 to 127.0.0.29 belong to this test.
static const QString kAddress = QStringLiteral("127.0.0.20");

class ProtocolFrameTest : public QObject {
    Q_OBJECT

    // Sends one command and lets the fake display answer with the given bytes.
    int exchange(ProtocolProbe& p, FakeDisplay& fake, const FakeReply& reply, int destination = 'A',
                 bool acceptAny = false, int timeoutMs = 300) {
        fake.setHandler([reply](const QByteArray&) { return reply; });
        p.set_destination(destination);
        if (!p.is_connected() || p.interface_name().isEmpty())
            p.open_interface(fake.address(), 1);
        p.message('A', "01D6");
        p.traffic.clear();
        const int sent = p.send_message();
        if (sent != 0)
            return sent;
        return p.receive_reply(timeoutMs, acceptAny);
    }

private slots:
    void goldenCommandFrames_data() {
        QTest::addColumn<int>("destination");
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("empty body")
            << int('A') << 'A' << QByteArray()
            << QByteArray("\x01\x30\x41\x30\x41\x30\x32\x02\x03\x03\x0D", 11);
        QTest::newRow("check byte is CR")
            << int('A') << 'A' << QByteArray("08")
            << QByteArray("\x01\x30\x41\x30\x41\x30\x34\x02\x30\x38\x03\x0D\x0D", 13);
        QTest::newRow("get parameter, monitor 100")
            << 0xA4 << 'C' << QByteArray("0010")
            << QByteArray("\x01\x30\xA4\x30\x43\x30\x36\x02\x30\x30\x31\x30\x03\xE1\x0D", 15);
        QTest::newRow("all displays, only the low byte of the destination")
            << 0x12A << 'A' << QByteArray("C203D60001")
            << QByteArray("\x01\x30\x2A\x30\x41\x30\x43\x02"
                          "C203D60001"
                          "\x03\x18\x0D",
                          21);
    }
    void goldenCommandFrames() {
        QFETCH(int, destination);
        QFETCH(char, type);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, wire);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.21"));
        QVERIFY(fake.isListening());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.set_destination(destination);
        p.message(type, body);
        QCOMPARE(p.send_message(), 0);
        QCOMPARE(toByteArray(p.traffic.last().second), wire);
        QCOMPARE(p.traffic.last().first, int(QVCommProtocol::TrafficSent));
        QTRY_COMPARE(fake.requests().size(), 1);
        QCOMPARE(fake.requests().first(), wire);
    }

    void fieldWritersAndReaders() {
        ProtocolProbe p;
        p.begin_message('A');
        QCOMPARE(toByteArray(p.write_hex2(0xAB)), QByteArray("AB"));
        QCOMPARE(p.comments.last().second,
                 QStringLiteral("Write value 171 ('ABh' encoded as 2 bytes -> 41h 42h)"));
        QCOMPARE(toByteArray(p.write_hex4(0x10CB)), QByteArray("10CB"));
        QCOMPARE(
            p.comments.last().second,
            QStringLiteral("Write value 4299 ('10CBh' encoded as 4 bytes -> 31h 30h 43h 42h)"));
        p.reply_body = toList("0aFf12cZ");
        QCOMPARE(int(p.read_hex2("x")), 0x0A);
        QCOMPARE(p.comments.last().second,
                 QStringLiteral("Read 'x' value 10 (encoded as 2 bytes 30h 61h -> '0ah')"));
        QCOMPARE(int(p.read_hex2()), 0xFF);
        QCOMPARE(p.comments.last().second,
                 QStringLiteral("Read value 255 (encoded as 2 bytes 46h 66h -> 'Ffh')"));
        QCOMPARE(int(p.read_hex4()), 0x12C0); // a non-hex character counts as 0
        QCOMPARE(p.comments.last().second,
                 QStringLiteral("Read value 4800 (encoded as 4 bytes 31h 32h 63h 5ah -> '12cZh')"));
        // Past the end of the body the readers give 0 and never read beyond.
        QCOMPARE(int(p.read_hex4()), 0);
        QCOMPARE(int(p.read_hex2()), 0);
        QVERIFY(p.reply_body.isEmpty());
    }

    // Reply digits in either case; a character beside the hex digits counts as 0.
    void replyDigits_data() {
        QTest::addColumn<QByteArray>("digits");
        QTest::addColumn<int>("value");
        QTest::newRow("lowest") << QByteArray("00") << 0;
        QTest::newRow("upper case") << QByteArray("FF") << 0xFF;
        QTest::newRow("lower case") << QByteArray("ff") << 0xFF;
        QTest::newRow("9 and A") << QByteArray("9A") << 0x9A;
        QTest::newRow("a and F") << QByteArray("aF") << 0xAF;
        QTest::newRow("beside 0 and 9") << QByteArray("/:") << 0;
        QTest::newRow("beside A and F") << QByteArray("@G") << 0;
        QTest::newRow("beside a and f") << QByteArray("`g") << 0;
        QTest::newRow("four, highest") << QByteArray("FFFF") << 0xFFFF;
        QTest::newRow("four, lower case") << QByteArray("fa0b") << 0xFA0B;
        QTest::newRow("four, lowest") << QByteArray("0000") << 0;
    }
    void replyDigits() {
        QFETCH(QByteArray, digits);
        QFETCH(int, value);
        ProtocolProbe p;
        p.reply_body = toList(digits);
        QCOMPARE(int(digits.size() == 2 ? p.read_hex2() : p.read_hex4()), value);
        QVERIFY(p.reply_body.isEmpty());
    }

    void addressTexts() {
        ProtocolProbe p;
        const QList<QPair<int, QString>> cases = {
            {0x41, "1"},       {0xA4, "100"},     {0xA5, "Unknown"}, {0x2A, "All"},
            {0x31, "A"},       {0x3A, "J"},       {0x30, "0"},       {0x3B, "Unknown"},
            {0x40, "Unknown"}, {0x2F, "Unknown"}, {0x29, "Unknown"}, {0x2B, "Unknown"},
            {0x00, "Unknown"}, {0xFF, "Unknown"}};
        for (const auto& c : cases)
            QCOMPARE(p.address_text(static_cast<unsigned char>(c.first)), c.second);
    }

    void sentLengthIsLogged() {
        ProtocolProbe p;
        p.message('C', "0010");
        QCOMPARE(p.send_message(), 0); // dummy transport swallows it
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentConnection),
                      QStringLiteral("Sent message length=6 (encoded as 30h 36h -> '06')"))));
    }

    void overlongBodyIsRefused() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.22"));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.message('A', QByteArray(253, '0'));
        QCOMPARE(p.send_message(), 0);
        p.message('A', QByteArray(254, '0'));
        QCOMPARE(p.send_message(), ResultCode::TooManyValues);
        QTest::qWait(100);
        QCOMPARE(fake.requests().size(), 1);
        QCOMPARE(fake.requests().first().mid(5, 2), QByteArray("FF"));
    }

    void receiveReply_data() {
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<int>("destination");
        QTest::addColumn<bool>("acceptAny");
        QTest::addColumn<int>("result");
        QTest::addColumn<QList<int>>("traffic");
        QTest::addColumn<QByteArray>("body");

        const QByteArray good = FakeDisplay::frame('B', "0200D6000004");
        const QList<int> ok = {1, 11};
        auto with = [&](int index, char value) {
            QByteArray r = good;
            r[index] = value;
            return r;
        };
        QTest::newRow("good") << good << int('A') << false << 0 << ok << QByteArray("0200D6000004");
        QTest::newRow("byte 0 not SOH")
            << with(0, 0x02) << int('A') << false << -5000 << QList<int>{8} << QByteArray();
        QTest::newRow("garbage before SOH") << (QByteArray("xx") + good) << int('A') << false
                                            << -5000 << QList<int>{8} << QByteArray();
        QTest::newRow("reserved byte")
            << with(1, '1') << int('A') << false << -5000 << QList<int>{8} << QByteArray();
        QTest::newRow("reply destination not controller")
            << FakeDisplay::frame('B', "00", 'A', 'A') << int('A') << false << -5000
            << QList<int>{8} << QByteArray();
        QTest::newRow("reply destination, any source accepted")
            << FakeDisplay::frame('B', "00", 'A', 'A') << int('A') << true << 0 << ok
            << QByteArray("00");
        QTest::newRow("other source is only logged")
            << FakeDisplay::frame('B', "00", 'B') << int('A') << false << 0 << QList<int>{10, 1, 11}
            << QByteArray("00");
        QTest::newRow("other source, all displays")
            << FakeDisplay::frame('B', "00", 'B') << int('*') << false << 0 << ok
            << QByteArray("00");
        QTest::newRow("other source, group A")
            << FakeDisplay::frame('B', "00", 'B') << 0x31 << false << 0 << ok << QByteArray("00");
        QTest::newRow("other source, group J")
            << FakeDisplay::frame('B', "00", 'B') << 0x3A << false << 0 << ok << QByteArray("00");
        QTest::newRow("other source, destination 30h is no group")
            << FakeDisplay::frame('B', "00", 'B') << 0x30 << false << 0 << QList<int>{10, 1, 11}
            << QByteArray("00");
        QTest::newRow("other source, destination 3Bh is no group")
            << FakeDisplay::frame('B', "00", 'B') << 0x3B << false << 0 << QList<int>{10, 1, 11}
            << QByteArray("00");
        QTest::newRow("other source, accept any") << FakeDisplay::frame('B', "00", 'B') << int('A')
                                                  << true << 0 << ok << QByteArray("00");
        QTest::newRow("STX") << with(7, 0x03) << int('A') << false << -5000 << QList<int>{8}
                             << QByteArray();
        QTest::newRow("ETX") << with(good.size() - 3, 0x02) << int('A') << false << -5000
                             << QList<int>{8} << QByteArray();
        QTest::newRow("check byte") << with(good.size() - 2, good[good.size() - 2] ^ 0x40)
                                    << int('A') << false << -5004 << QList<int>{9} << QByteArray();
        QTest::newRow("delimiter") << with(good.size() - 1, 0x0A) << int('A') << false << -5000
                                   << QList<int>{8} << QByteArray();
        QTest::newRow("null message") << FakeDisplay::frame('B', "BE") << int('A') << false << -5007
                                      << QList<int>{1, 11, 12} << QByteArray("BE");
        QTest::newRow("empty body")
            << FakeDisplay::frame('B', "") << int('A') << false << 0 << ok << QByteArray();
        // Hand-made: length "01" reads no body bytes.
        QTest::newRow("length below 2")
            << QByteArray("\x01\x30\x30\x41\x42\x30\x31\x02\x03\x03\x0D", 11) << int('A') << false
            << 0 << ok << QByteArray();
        // Hand-made: lower-case length digits.
        QTest::newRow("lower-case length")
            << QByteArray("\x01\x30\x30\x41\x42\x30\x63\x02"
                          "0123456789"
                          "\x03\x50\x0D",
                          21)
            << int('A') << false << 0 << ok << QByteArray("0123456789");
        QByteArray shortLength = good;
        shortLength[6] = shortLength[6] - 1; // one body byte too few: ETX lands on a body digit
        QTest::newRow("length one short")
            << shortLength << int('A') << false << -5000 << QList<int>{8} << QByteArray();
        QByteArray longLength = FakeDisplay::frame('B', "0201"); // its check byte is not ETX
        longLength[6] = longLength[6] + 1; // one too many: the ETX is read as body
        QTest::newRow("length one long")
            << longLength << int('A') << false << -5000 << QList<int>{8} << QByteArray();
        QByteArray oversize = FakeDisplay::frame('B', "00");
        oversize.insert(9, "00"); // more body bytes than the length says
        QTest::newRow("oversize body")
            << oversize << int('A') << false << -5000 << QList<int>{8} << QByteArray();
        QTest::newRow("maximum body") << FakeDisplay::frame('B', QByteArray(253, '7')) << int('A')
                                      << false << 0 << ok << QByteArray(253, '7');
        for (int cut : {1, 4, 7, 8, 12, 21, 22})
            QTest::newRow(qPrintable(QStringLiteral("cut after %1 bytes").arg(cut)))
                << good.left(cut) << int('A') << false << -3003 << QList<int>{7} << QByteArray();
        QTest::newRow("silence") << QByteArray() << int('A') << false << -3003 << QList<int>{7}
                                 << QByteArray();
    }
    void receiveReply() {
        QFETCH(QByteArray, reply);
        QFETCH(int, destination);
        QFETCH(bool, acceptAny);
        QFETCH(int, result);
        QFETCH(QList<int>, traffic);
        QFETCH(QByteArray, body);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.23"));
        ProtocolProbe p;
        FakeReply r;
        r.bytes = reply;
        QCOMPARE(exchange(p, fake, r, destination, acceptAny), result);
        QCOMPARE(p.trafficTypes().mid(1), traffic); // after the sent message
        if (result == 0 || result == -5007)
            QCOMPARE(p.body(), body);
        if (result == 0)
            QCOMPARE(p.reply_message_type, static_cast<unsigned char>('B'));
    }

    void faultsOnTheWire() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.24"));
        ProtocolProbe p;
        const QByteArray good = FakeDisplay::frame('B', "0200D6000004");

        FakeReply split;
        split.bytes = good;
        split.byteGapMs = 5;
        QCOMPARE(exchange(p, fake, split), 0);
        QCOMPARE(p.body(), QByteArray("0200D6000004"));

        FakeReply closing;
        closing.bytes = good;
        closing.closeAfter = 10;
        QCOMPARE(exchange(p, fake, closing), ResultCode::NoReply);
        QCOMPARE(p.trafficTypes().last(), int(QVCommProtocol::TrafficNoReply));
        QCOMPARE(toByteArray(p.traffic.last().second), good.left(10));
    }

    void lateReplyIsNotTakenForTheNext() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.25"));
        ProtocolProbe p;
        FakeReply late;
        late.bytes = FakeDisplay::frame('B', "LATE");
        late.delayMs = 300;
        QCOMPARE(exchange(p, fake, late, 'A', false, 100), ResultCode::NoReply);
        QThread::msleep(400); // the late reply now waits in the socket
        FakeReply fresh;
        fresh.bytes = FakeDisplay::frame('B', "FRESH1");
        QCOMPARE(exchange(p, fake, fresh), 0);
        QCOMPARE(p.body(), QByteArray("FRESH1"));
    }

    void secondReplyOfOneRequestIsDiscarded() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.26"));
        ProtocolProbe p;
        FakeReply doubled;
        doubled.bytes = FakeDisplay::frame('B', "01") + FakeDisplay::frame('B', "02");
        QCOMPARE(exchange(p, fake, doubled), 0);
        QCOMPARE(p.body(), QByteArray("01"));
        QThread::msleep(50);
        FakeReply next;
        next.bytes = FakeDisplay::frame('B', "03");
        QCOMPARE(exchange(p, fake, next), 0);
        QCOMPARE(p.body(), QByteArray("03"));
    }

    void withoutTransport() {
        ProtocolProbe p;
        // LAN open that fails leaves a closed transport: a read then reports it is not open.
        QCOMPARE(p.open_interface(QStringLiteral("127.0.0.27"), 1), ResultCode::ConnectionRefused);
        QVERIFY(!p.is_connected());
        p.message('A', "00");
        QCOMPARE(p.send_message(), ResultCode::PortNotOpen);
        QCOMPARE(p.receive_reply(100, false), ResultCode::PortNotOpen);
    }

    void dummyInterfaceEndsWithNoReply() {
        ProtocolProbe p;
        QCOMPARE(p.open_interface(QString(), 3), 0);
        QVERIFY(p.is_connected());
        QCOMPARE(p.comments.last().second, QStringLiteral("Connecting to Dummy interface"));
        p.message('A', "01D6");
        QCOMPARE(p.send_message(), 0);
        QElapsedTimer t;
        t.start();
        QCOMPARE(p.receive_reply(2000, false), ResultCode::NoReply);
        QVERIFY(t.elapsed() < 1000); // the dummy fails the read at once
    }

    void rawExchange() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.28"));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        fake.setHandler([](const QByteArray& request) {
            FakeReply r;
            if (request == "00vP\r")
                r.bytes = "00vP001\r";
            else if (request == "long\r") // the longest reply: its last byte the terminator
                r.bytes = QByteArray(QVCommProtocol::MaxRawReplyLength - 1, 'x') + '\r';
            else
                r.bytes = QByteArray(2000, 'x');
            return r;
        });
        QCOMPARE(p.send_raw(toList("00vP\r")), 0);
        QList<unsigned char> out = toList("kept");
        QCOMPARE(p.receive_raw(out, '\r'), 0);
        QCOMPARE(toByteArray(out), QByteArray("kept00vP001\r"));
        QCOMPARE(p.trafficTypes().last(), int(QVCommProtocol::TrafficReply));

        QCOMPARE(p.send_raw(toList("long\r")), 0);
        out.clear();
        QCOMPARE(p.receive_raw(out, '\r'), 0);
        QCOMPARE(out.size(), int(QVCommProtocol::MaxRawReplyLength));

        // A stream without the terminator is cut off instead of growing without bound.
        QCOMPARE(p.send_raw(toList("other\r")), 0);
        out.clear();
        QCOMPARE(p.receive_raw(out, '\r'), ResultCode::IncorrectReply);
        QCOMPARE(out.size(), int(QVCommProtocol::MaxRawReplyLength));

        // Silence after a partial answer ends with the no-reply result.
        fake.setHandler([](const QByteArray&) {
            FakeReply r;
            r.bytes = "abc";
            return r;
        });
        QCOMPARE(p.send_raw(toList("x\r")), 0);
        out.clear();
        QCOMPARE(p.receive_raw(out, '\r'), ResultCode::NoReply);
        QCOMPARE(p.trafficTypes().last(), int(QVCommProtocol::TrafficNoReply));
    }
};

QTEST_GUILESS_MAIN(ProtocolFrameTest)
#include "tst_protocol_frame.moc"
