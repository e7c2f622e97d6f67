#include "networkinterfacecard.h"

#include <QNetworkInterface>
#include <QtTest>

// Adapter entries here are synthetic records; nothing is sent anywhere.
class NetworkAdaptersTest : public QObject {
    Q_OBJECT

private slots:
    void filter_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("netmask");
        QTest::addColumn<bool>("kept");
        QTest::newRow("IPv4 adapter") << "Ethernet"
                                      << "192.168.0.5"
                                      << "255.255.255.0" << true;
        QTest::newRow("IPv6 entry") << "Ethernet"
                                    << "fe80::1"
                                    << "ffff:ffff::" << false;
        QTest::newRow("loopback host") << "lo"
                                       << "127.0.0.1"
                                       << "255.0.0.0" << false;
        QTest::newRow("other loopback address") << "lo"
                                                << "127.0.0.2"
                                                << "255.0.0.0" << true;
        QTest::newRow("no address") << "Ethernet"
                                    << ""
                                    << "255.255.255.0" << false;
        QTest::newRow("no netmask") << "Ethernet"
                                    << "10.0.0.7"
                                    << "" << false;
        QTest::newRow("zero netmask") << "Ethernet"
                                      << "10.0.0.7"
                                      << "0.0.0.0" << false;
        QTest::newRow("no name") << ""
                                 << "10.0.0.7"
                                 << "255.0.0.0" << false;
    }

    void filter() {
        QFETCH(QString, name);
        QFETCH(QString, ip);
        QFETCH(QString, netmask);
        QFETCH(bool, kept);
        const NetworkAdapter entry{name, QHostAddress(ip), QHostAddress(netmask),
                                   QHostAddress(QStringLiteral("10.255.255.255"))};
        QCOMPARE(NetworkInterfaceCard::usable({entry}).size(), kept ? 1 : 0);
    }

    void filterKeepsOrderAndSeveralAddressesOfOneAdapter() {
        const QHostAddress mask(QStringLiteral("255.255.255.0"));
        const QList<NetworkAdapter> entries{
            {"Wi-Fi", QHostAddress("192.168.1.20"), mask, QHostAddress("192.168.1.255")},
            {"Wi-Fi", QHostAddress("fe80::2"), QHostAddress("ffff::"), QHostAddress()},
            {"Ethernet", QHostAddress("10.1.2.3"), mask, QHostAddress("10.1.2.255")},
            {"Ethernet", QHostAddress("10.1.3.3"), mask, QHostAddress("10.1.3.255")},
        };
        const QList<NetworkAdapter> kept = NetworkInterfaceCard::usable(entries);
        QCOMPARE(kept.size(), 3);
        QCOMPARE(kept[0].ip, entries[0].ip);
        QCOMPARE(kept[0].broadcast, entries[0].broadcast);
        QCOMPARE(kept[1].ip, entries[2].ip);
        QCOMPARE(kept[2].name, QStringLiteral("Ethernet"));
        QCOMPARE(kept[2].netmask, mask);
    }

    // The list as the program reads it, from adapters given to it: a namespace with loopback
    // only has none of its own.
    void list() {
        const QHostAddress mask(QStringLiteral("255.255.255.0"));
        QList<NetworkAdapter> entries{
            {"Ethernet", QHostAddress("10.1.2.3"), mask, QHostAddress("10.1.2.255")},
            {"lo", QHostAddress("127.0.0.1"), QHostAddress("255.0.0.0"), QHostAddress()},
            {"Wi-Fi", QHostAddress("192.168.1.20"), mask, QHostAddress("192.168.1.255")},
        };
        NetworkInterfaceCard card;
        card.setSource([&] { return entries; });
        card.enumerate();
        card.enumerate();
        QCOMPARE(card.count(), 2); // rebuilt, not doubled
        QString name;
        QHostAddress ip, broadcast;
        QVERIFY(card.name(1, name) && card.ipAddress(1, ip) && card.broadcastAddress(1, broadcast));
        QCOMPARE(name, QStringLiteral("Wi-Fi"));
        QCOMPARE(ip, QHostAddress("192.168.1.20"));
        QCOMPARE(broadcast, QHostAddress("192.168.1.255"));
        QVERIFY(card.name(0, name));
        QCOMPARE(name, QStringLiteral("Ethernet"));

        name = QStringLiteral("keep");
        QHostAddress address(QStringLiteral("127.0.0.55"));
        for (int i : {-1, card.count()}) {
            QVERIFY(!card.name(i, name));
            QVERIFY(!card.ipAddress(i, address));
            QVERIFY(!card.broadcastAddress(i, address));
        }
        QCOMPARE(name, QStringLiteral("keep"));
        QCOMPARE(address, QHostAddress(QStringLiteral("127.0.0.55")));

        entries.removeFirst(); // an adapter went away
        card.enumerate();
        QCOMPARE(card.count(), 1);
    }

    // The system's own list: with loopback only, none is usable.
    void systemList() {
        NetworkInterfaceCard card;
        bool onlyLoopback = true;
        for (const QNetworkInterface& iface : QNetworkInterface::allInterfaces())
            onlyLoopback &= bool(iface.flags() & QNetworkInterface::IsLoopBack);
        if (onlyLoopback)
            QCOMPARE(card.count(), 0);
    }
};

QTEST_GUILESS_MAIN(NetworkAdaptersTest)
#include "tst_network_adapters.moc"
