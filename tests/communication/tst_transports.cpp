#include "fake_display.h"
#include "ip_address.h"
#include "protocol_probe.h"
#include "result_codes.h"
#include "serial_port_list.h"
#include "tdummycomm.h"
#include "tlancomm.h"
#include "trs232comm.h"

#include <QElapsedTimer>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QtTest>
#include <memory>

// Loopback addresses 127.0.0.10 to 127.0.0.19 belong to this test.
class TransportsTest : public QObject {
    Q_OBJECT

    static FakeReply echo(const QByteArray& request) {
        FakeReply r;
        r.bytes = request;
        return r;
    }

private slots:
    void closedTransports() {
        TLANComm lan;
        TRS232Comm serial;
        for (TBasicComm* t : {static_cast<TBasicComm*>(&lan), static_cast<TBasicComm*>(&serial)}) {
            unsigned char b = 0;
            QCOMPARE(t->IsOpen(), 0);
            QCOMPARE(t->Write({}, 100), 0); // nothing to send is no failure, even when closed
            QCOMPARE(t->Write({1, 2}, 100), ResultCode::PortNotOpen);
            QCOMPARE(t->ReadByte(&b, 100), ResultCode::PortNotOpen);
        }
    }

    void dummyAcceptsAndNeverAnswers() {
        TDummyComm dummy;
        unsigned char b = 0;
        QCOMPARE(dummy.Open(QStringLiteral("anything")), 0);
        QCOMPARE(dummy.IsOpen(), 1);
        QCOMPARE(dummy.Write({1, 2, 3}, 100), 0);
        QElapsedTimer t;
        t.start();
        QCOMPARE(dummy.ReadByte(&b, 5000), ResultCode::NoReply);
        QVERIFY(t.elapsed() < 1000);
        QVERIFY(dummy.Name().isEmpty());
    }

    void lanConnectFailures_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<int>("result");
        QTest::newRow("nobody listening") << "127.0.0.11" << ResultCode::ConnectionRefused;
        // Digits and dots that make no address are refused without a name lookup.
        QTest::newRow("part above 255") << "999.1.1.1" << ResultCode::HostNotFound;
        QTest::newRow("three parts") << "127.0.11" << ResultCode::HostNotFound;
        QTest::newRow("empty masked line") << "..." << ResultCode::HostNotFound;
    }
    void lanConnectFailures() {
        QFETCH(QString, address);
        QFETCH(int, result);
        TLANComm lan;
        QCOMPARE(lan.Open(address), result);
        QCOMPARE(lan.IsOpen(), 0);
        QVERIFY(lan.Name().isEmpty());
    }

    // Digits and dots with a part above 255 are no address, and never a host name: they are
    // refused at once, and no name lookup starts. A name would go to the proxy the test puts on
    // loopback (which resolves names itself, so nothing is looked up here); the host name row
    // shows that it would.
    void lanTextThatIsNoAddressIsNeverLookedUp_data() {
        QTest::addColumn<QString>("address");
        QTest::addColumn<bool>("name");
        QTest::newRow("last part 256") << "10.0.0.256" << false;
        QTest::newRow("first part 256") << "256.0.0.1" << false;
        QTest::newRow("three digits above 255") << "10.0.999.1" << false;
        QTest::newRow("host name") << "display.invalid" << true;
    }
    void lanTextThatIsNoAddressIsNeverLookedUp() {
        QFETCH(QString, address);
        QFETCH(bool, name);
        QTcpServer proxy;
        QVERIFY(proxy.listen(QHostAddress(QStringLiteral("127.0.0.15"))));
        QNetworkProxy::setApplicationProxy(QNetworkProxy(
            QNetworkProxy::Socks5Proxy, proxy.serverAddress().toString(), proxy.serverPort()));
        TLANComm lan;
        QElapsedTimer t;
        t.start();
        const int result = lan.Open(address);
        const qint64 took = t.elapsed();
        QNetworkProxy::setApplicationProxy(QNetworkProxy(QNetworkProxy::NoProxy));
        QCOMPARE(proxy.waitForNewConnection(100), name);
        if (name)
            return;
        QCOMPARE(result, ResultCode::HostNotFound);
        // At once: no lookup, no connection attempt, no time-out.
        QVERIFY2(took < 500, qPrintable(QString::number(took)));
    }

    void lanConnectsReadsAndTimesOut() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.12"));
        fake.setHandler(echo);
        TLANComm lan;
        // Leading zeros are decimal: "127.000.000.012" is the fake's own address.
        QCOMPARE(lan.Open(QStringLiteral("127.000.000.012")), 0);
        QCOMPARE(lan.IsOpen(), 1);
        QCOMPARE(lan.Name(), QStringLiteral("127.000.000.012"));
        QCOMPARE(lan.Write(toList("hi\r"), 1000), 0);
        unsigned char b = 0;
        QByteArray got;
        while (got.size() < 3 && lan.ReadByte(&b, 1000) == 0)
            got += char(b);
        QCOMPARE(got, QByteArray("hi\r"));
        QElapsedTimer t;
        t.start();
        QCOMPARE(lan.ReadByte(&b, 150), ResultCode::NoReply);
        QVERIFY(t.elapsed() >= 140);
        QCOMPARE(fake.connectionCount(), 1);
        // Open again closes the old connection and makes a fresh one.
        QCOMPARE(lan.Open(fake.address()), 0);
        QTRY_COMPARE(fake.connectionCount(), 2);
    }

    void lanPeerClosesMidFrame() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.13"));
        fake.setHandler([](const QByteArray&) {
            FakeReply r;
            r.bytes = "abcdef";
            r.closeAfter = 3;
            return r;
        });
        TLANComm lan;
        QCOMPARE(lan.Open(fake.address()), 0);
        QCOMPARE(lan.Write(toList("x\r"), 1000), 0);
        unsigned char b = 0;
        QByteArray got;
        int result = 0;
        while ((result = lan.ReadByte(&b, 1000)) == 0)
            got += char(b);
        QCOMPARE(got, QByteArray("abc"));
        QCOMPARE(result, ResultCode::NoReply);
    }

    void normalisedAddresses_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("normal");
        QTest::newRow("leading zeros") << "192.168.000.010"
                                       << "192.168.0.10";
        QTest::newRow("plain") << "10.1.2.3"
                               << "10.1.2.3";
        QTest::newRow("spaces") << " 127.0.0.001 "
                                << "127.0.0.1";
        QTest::newRow("out of range") << "1.2.3.256"
                                      << "1.2.3.256";
        QTest::newRow("three parts") << "1.2.3"
                                     << "1.2.3";
        QTest::newRow("sign") << "1.2.3.+4"
                              << "1.2.3.+4";
        QTest::newRow("host name") << "display.local"
                                   << "display.local";
        QTest::newRow("lowest") << "000.00.0.0"
                                << "0.0.0.0";
        QTest::newRow("highest") << "255.255.255.255"
                                 << "255.255.255.255";
        QTest::newRow("four digits") << "1.2.3.0001"
                                     << "1.2.3.0001";
    }
    void normalisedAddresses() {
        QFETCH(QString, text);
        QFETCH(QString, normal);
        QCOMPARE(normalizedIPv4(text), normal);
    }

    void serialPortThatCannotBeConfiguredIsNotOpen_data() {
        QTest::addColumn<QString>("port");
        QTest::newRow("missing device") << "/dev/ttyNoSuchPort";
        QTest::newRow("not a serial device") << "/dev/null";
    }
    void serialPortThatCannotBeConfiguredIsNotOpen() {
        QFETCH(QString, port);
        TRS232Comm serial;
        QCOMPARE(serial.Open(port), ResultCode::SerialOpenFailed);
        QCOMPARE(serial.IsOpen(), 0);
        unsigned char b = 0;
        QCOMPARE(serial.ReadByte(&b, 10), ResultCode::PortNotOpen);
    }

    void serialCarriesEveryByteValue() {
        FakeDisplay fake(FakeDisplay::Link::Pty);
        QVERIFY(fake.isListening());
        fake.setHandler(echo);
        TRS232Comm serial;
        QCOMPARE(serial.Open(fake.portName()), 0);
        QCOMPARE(serial.IsOpen(), 1);
        QList<unsigned char> all;
        for (int i = 0; i < 256; ++i)
            all << static_cast<unsigned char>(i);
        all << 0x0D;
        QCOMPARE(serial.Write(all, 1000), 0);
        QList<unsigned char> back;
        unsigned char b = 0;
        while (back.size() < all.size() && serial.ReadByte(&b, 1000) == 0)
            back << b;
        QCOMPARE(back, all);
        QElapsedTimer t;
        t.start();
        QCOMPARE(serial.ReadByte(&b, 150), ResultCode::NoReply);
        QVERIFY(t.elapsed() >= 140);
    }

    // Bytes of an earlier reply, whether still in the system or already read ahead by the
    // transport, never count towards the next reply.
    void writeDiscardsStaleInput_data() {
        QTest::addColumn<bool>("lan");
        QTest::newRow("LAN") << true;
        QTest::newRow("serial") << false;
    }
    void writeDiscardsStaleInput() {
        QFETCH(bool, lan);
        FakeDisplay fake(lan ? FakeDisplay::Link::Tcp : FakeDisplay::Link::Pty,
                         QStringLiteral("127.0.0.14"));
        fake.setHandler([](const QByteArray& request) {
            FakeReply r;
            r.bytes = request == "first\r" ? QByteArray("stale1\rstale2\r") : request;
            return r;
        });
        std::unique_ptr<TBasicComm> link;
        if (lan)
            link.reset(new TLANComm);
        else
            link.reset(new TRS232Comm);
        QCOMPARE(link->Open(lan ? fake.address() : fake.portName()), 0);
        QCOMPARE(link->Write(toList("first\r"), 1000), 0);
        unsigned char b = 0;
        QCOMPARE(link->ReadByte(&b, 1000), 0); // the rest of the reply stays unread
        QCOMPARE(char(b), 's');
        QTest::qWait(100);
        QCOMPARE(link->Write(toList("second\r"), 1000), 0);
        QByteArray got;
        while (!got.endsWith('\r') && link->ReadByte(&b, 1000) == 0)
            got += char(b);
        QCOMPARE(got, QByteArray("second\r"));
    }

    void protocolOverSerial() {
        FakeDisplay fake(FakeDisplay::Link::Pty);
        fake.setHandler([](const QByteArray& request) {
            FakeReply r;
            if (FakeDisplay::bodyOf(request) == "01D6")
                r.bytes = FakeDisplay::frame('B', "0200D6000004");
            return r;
        });
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.portName(), 2), 0);
        QCOMPARE(p.comments.first().second,
                 QStringLiteral("Opening COM Port: %1").arg(fake.portName()));
        p.message('A', "01D6");
        QCOMPARE(p.send_message(), 0);
        QCOMPARE(p.receive_reply(1000, false), 0);
        QCOMPARE(p.body(), QByteArray("0200D6000004"));
    }

    void portLists() {
        QStringList names = {"old"};
        QCOMPARE(fillComPortList(names), 16);
        QCOMPARE(names.first(), QStringLiteral("COM1"));
        QCOMPARE(names.last(), QStringLiteral("COM16"));
        QList<SerialPortInfo> ports = {SerialPortInfo()};
        const int count = listSerialPorts(ports);
        QCOMPARE(count, ports.size());
        QVERIFY(!ports.contains(SerialPortInfo())); // the list is replaced, not added to
    }
};

QTEST_GUILESS_MAIN(TransportsTest)
#include "tst_transports.moc"
