#include "ip_address.h"
#include "monitor_address.h"

#include <QtTest>

// The texts of addresses: IPv4 dotted text and monitor IDs.
class AddressTextTest : public QObject {
    Q_OBJECT

private slots:
    void ipConversions_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<uint>("ip");
        QTest::newRow("lan") << "192.168.0.10" << 0xC0A8000Au;
        QTest::newRow("top") << "255.255.255.255" << 0xFFFFFFFFu;
        QTest::newRow("zero") << "0.0.0.0" << 0u;
        QTest::newRow("three parts") << "192.168.0" << 0u;
        QTest::newRow("part above 255") << "192.168.0.256" << 0u;
        QTest::newRow("empty part") << "192.168..10" << 0u;
        QTest::newRow("five parts") << "1.2.3.4.5" << 0u;
        QTest::newRow("negative") << "1.2.3.-4" << 0u;
        QTest::newRow("letters") << "a.b.c.d" << 0u;
    }
    void ipConversions() {
        QFETCH(QString, text);
        QFETCH(uint, ip);
        QCOMPARE(ipTextToUInt(text), ip);
        if (ip != 0)
            QCOMPARE(ipUIntToText(ip), text);
    }

    void monitorIdToAddress_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("address");
        QTest::newRow("1") << "1" << 0x41;
        QTest::newRow("7") << "7" << 0x47;
        QTest::newRow("100") << "100" << 0xA4;
        QTest::newRow("ALL") << "ALL" << 0x2A;
        QTest::newRow("All") << "All" << 0x2A;
        QTest::newRow("group a") << "group a" << 0x31;
        QTest::newRow("Group J") << "Group J" << 0x3A;
        QTest::newRow("0") << "0" << 0;
        QTest::newRow("101") << "101" << 0;
        QTest::newRow("Group K") << "Group K" << 0;
        QTest::newRow("empty") << "" << 0;
        QTest::newRow("letters") << "abc" << 0;
        QTest::newRow("sign") << "+5" << 0;
        QTest::newRow("huge") << "4294967361" << 0;
        QTest::newRow("01") << "01" << 0x41;
        QTest::newRow("0100") << "0100" << 0xA4;
        QTest::newRow("00") << "00" << 0;
        QTest::newRow("0101") << "0101" << 0;
    }
    void monitorIdToAddress() {
        QFETCH(QString, text);
        QFETCH(int, address);
        QCOMPARE(monitor_id_to_address(text), address);
    }

    // A command may go out only when the ID names a destination and the byte is that one.
    void namesADestination_data() {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("byte");
        QTest::addColumn<bool>("names");
        QTest::newRow("1") << "1" << 0x41 << true;
        QTest::newRow("All") << "All" << 0x2A << true;
        QTest::newRow("Group J") << "Group J" << 0x3A << true;
        QTest::newRow("nothing chosen") << "" << 0 << false;
        QTest::newRow("byte of another ID") << "7" << 0x41 << false;
        QTest::newRow("101 with its byte") << "101" << 0xA5 << false;
    }
    void namesADestination() {
        QFETCH(QString, text);
        QFETCH(int, byte);
        QFETCH(bool, names);
        monitor_data choice;
        choice.m_monitor_id_string = text;
        choice.m_monitor_id = byte;
        QCOMPARE(names_a_destination(choice), names);
    }
};

QTEST_GUILESS_MAIN(AddressTextTest)
#include "tst_address_text.moc"
