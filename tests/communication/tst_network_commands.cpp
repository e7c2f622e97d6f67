#include "command_table.h"
#include "result_codes.h"

#include <vector>

// Loopback address 127.0.0.91 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.91");

namespace {
QString text(const proof_of_play_log& e) {
    return outputs(
        {{"n", e.log_number},
         {"in", e.video_input},
         {"signal", e.video_signal_status},
         {"size", QStringLiteral("%1x%2").arg(e.h_resolution).arg(e.v_resolution)},
         {"audio", QStringLiteral("%1/%2").arg(e.audio_input).arg(e.audio_input_status)},
         {"status", QStringLiteral("%1/%2").arg(e.picture_status).arg(e.audio_status)},
         {"at", QStringLiteral("%1-%2-%3 %4:%5:%6")
                    .arg(e.year)
                    .arg(e.month)
                    .arg(e.day)
                    .arg(e.hour)
                    .arg(e.minute)
                    .arg(e.second)},
         {"ext", QStringLiteral("%1/%2/%3").arg(e.extension).arg(e.reserved_2).arg(e.reserved_3)}});
}

// An entry without its log number: input 11h, 1920 x 1080, 2026-12-10 12:30:45, event 2.
const QByteArray kEntry = "11"
                          "07800438"
                          "01000100"
                          "07EA0C0A0C1E2D"
                          "020000";
const QString kEntryText = "in=17 signal=0 size=1920x1080 audio=1/0 status=1/0 "
                           "at=2026-12-10 12:30:45 ext=2/0/0";

CommandOps networkOps() {
    CommandOps ops;
    ops["set_proof_of_play_mode"] = [](QVCommProtocol& p, const QVariantList& in) {
        int status = 99;
        const int r = p.set_proof_of_play_mode(&status, static_cast<unsigned char>(in[0].toInt()));
        return CommandRun{r, outputs({{"status", status}})};
    };
    ops["get_proof_of_play_current"] = [](QVCommProtocol& p, const QVariantList&) {
        int status = 99;
        proof_of_play_log entry;
        const int r = p.get_proof_of_play_current(&status, &entry);
        return CommandRun{r, outputs({{"status", status}}) + ' ' + text(entry)};
    };
    ops["get_proof_of_play_status"] = [](QVCommProtocol& p, const QVariantList&) {
        int status = 99, total = 99, maximum = 99, current = 99;
        const int r = p.get_proof_of_play_status(&status, &total, &maximum, &current);
        return CommandRun{r, outputs({{"status", status},
                                      {"total", total},
                                      {"maximum", maximum},
                                      {"current", current}})};
    };
    // inputs: from, to, room for entries
    ops["get_proof_of_play_number_to_number"] = [](QVCommProtocol& p, const QVariantList& in) {
        int status = 99, count = 99;
        std::vector<proof_of_play_log> entries(size_t(in[2].toInt()));
        const int r = p.get_proof_of_play_number_to_number(in[0].toInt(), in[1].toInt(), &status,
                                                           &count, entries.data(), in[2].toInt());
        QStringList numbers;
        for (int i = 0; i < count; ++i)
            numbers << QStringLiteral("%1:%2")
                           .arg(entries[size_t(i)].log_number)
                           .arg(entries[size_t(i)].video_input);
        return CommandRun{
            r, outputs({{"status", status}, {"count", count}, {"entries", numbers.join(',')}})};
    };
    ops["lan_mac_address_read_ipv4_ipv6"] = [](QVCommProtocol& p, const QVariantList&) {
        int result = 99, value = 99;
        char mac[18];
        std::fill(mac, mac + sizeof mac, 'x');
        const int r = p.lan_mac_address_read_ipv4_ipv6(&result, &value, mac, int(sizeof mac));
        return CommandRun{
            r, outputs({{"result", result}, {"value", value}, {"text", QString::fromLatin1(mac)}})};
    };
    ops["lan_mac_address_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        int inout = in[0].toInt();
        char mac[18];
        std::fill(mac, mac + sizeof mac, 'x');
        const int r = p.lan_mac_address_read(&inout, mac, int(sizeof mac));
        return CommandRun{r, outputs({{"inout", inout}, {"text", QString::fromLatin1(mac)}})};
    };
    ops["lan_ip_address_status_request"] = [](QVCommProtocol& p, const QVariantList&) {
        int result = 99, status = 99;
        std::array<unsigned char, 4> address = {9, 9, 9, 9};
        const int r = p.lan_ip_address_status_request(&result, &status, &address);
        return CommandRun{r, outputs({{"result", result},
                                      {"status", status},
                                      {"address", QStringLiteral("%1.%2.%3.%4")
                                                      .arg(address[0])
                                                      .arg(address[1])
                                                      .arg(address[2])
                                                      .arg(address[3])}})};
    };
    return ops;
}
} // namespace

class NetworkCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        const QString blank = "n=0 in=0 signal=0 size=0x0 audio=0/0 status=0/0 at=0-0-0 0:0:0 "
                              "ext=0/0/0";

        QTest::newRow("proof-of-play mode; the status byte is data")
            << "set_proof_of_play_mode" << QVariantList{1} << QByteArray("CA150001")
            << replyB("CB150003") << 0 << "status=3";
        QTest::newRow("proof-of-play mode, wrong sub-command")
            << "set_proof_of_play_mode" << QVariantList{1} << QByteArray("CA150001")
            << replyB("CB150103") << -5000 << "status=0";
        QTest::newRow("current entry")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150100"
                      "0005" +
                      kEntry)
            << 0 << "status=0 n=5 " + kEntryText;
        QTest::newRow("current entry, no signal and unknown size")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150100"
                      "0005"
                      "11"
                      "0000"
                      "FFFF"
                      "01000100"
                      "07EA0C0A0C1E2D"
                      "020000")
            << 0
            << "status=0 n=5 in=17 signal=2 size=0x0 audio=1/0 status=1/0 at=2026-12-10 "
               "12:30:45 ext=2/0/0";
        QTest::newRow("current entry, vertical size decides the signal status")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150100"
                      "0005"
                      "11"
                      "0000"
                      "0438"
                      "01000100"
                      "07EA0C0A0C1E2D"
                      "020000")
            << 0
            << "status=0 n=5 in=17 signal=0 size=0x1080 audio=1/0 status=1/0 at=2026-12-10 "
               "12:30:45 ext=2/0/0";
        // A non-zero status alone is the display's answer that it has no entry to give.
        QTest::newRow("no current entry: the status alone")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150104") << 0 << "status=4 " + blank;
        QTest::newRow("current entry missing after status 0")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150100") << -5002 << "status=0 " + blank;
        QTest::newRow("current entry cut short after a non-zero status")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB1501040005") << -5002 << "status=4 " + blank;
        QTest::newRow("current entry one character long")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB150100"
                      "0005" +
                      kEntry + "0")
            << -5002 << "status=0 " + blank;
        QTest::newRow("current entry, 6 characters")
            << "get_proof_of_play_current" << QVariantList{} << QByteArray("CA1501")
            << replyB("CB1501") << -5002 << "status=99 " + blank;
        QTest::newRow("log status")
            << "get_proof_of_play_status" << QVariantList{} << QByteArray("CA1502")
            << replyB("CB1502000064"
                      "0BB801")
            << 0 << "status=0 total=100 maximum=3000 current=1";
        QTest::newRow("log status, 16 characters")
            << "get_proof_of_play_status" << QVariantList{} << QByteArray("CA1502")
            << replyB("CB1502000064"
                      "0BB8")
            << -5002 << "status=0 total=0 maximum=0 current=0";
        QTest::newRow("range: every entry gets its own log number")
            << "get_proof_of_play_number_to_number" << QVariantList{10, 12, 3}
            << QByteArray("CA1503000A000C")
            << replyB("CB150300000A" + kEntry + QByteArray(kEntry).replace(0, 2, "12")) << 0
            << "status=0 count=2 entries=10:17,11:18";
        QTest::newRow("range: 75 characters hold one entry")
            << "get_proof_of_play_number_to_number" << QVariantList{10, 12, 3}
            << QByteArray("CA1503000A000C") << replyB("CB150305000A" + kEntry + kEntry.left(37))
            << 0 << "status=5 count=1 entries=10:17";
        QTest::newRow("range: no whole entry")
            << "get_proof_of_play_number_to_number" << QVariantList{10, 12, 3}
            << QByteArray("CA1503000A000C") << replyB("CB150300000A" + kEntry.left(37)) << -5002
            << "status=0 count=0 entries=";
        QTest::newRow("range: no more entries than asked for")
            << "get_proof_of_play_number_to_number" << QVariantList{10, 10, 3}
            << QByteArray("CA1503000A000A") << replyB("CB150300000A" + kEntry + kEntry) << 0
            << "status=0 count=1 entries=10:17";
        QTest::newRow("range: no more entries than there is room for")
            << "get_proof_of_play_number_to_number" << QVariantList{1, 10, 2}
            << QByteArray("CA150300010"
                          "00A")
            << replyB("CB1503000001" + kEntry + kEntry + kEntry) << 0
            << "status=0 count=2 entries=1:17,2:17";
        QTest::newRow("range: maximum reply")
            << "get_proof_of_play_number_to_number" << QVariantList{1, 6, 6}
            << QByteArray("CA15030001"
                          "0006")
            << replyB("CB1503000001" + kEntry.repeated(6) + QByteArray(13, '0')) << 0
            << "status=0 count=6 entries=1:17,2:17,3:17,4:17,5:17,6:17";
        QTest::newRow("range, wrong code")
            << "get_proof_of_play_number_to_number" << QVariantList{10, 12, 3}
            << QByteArray("CA1503000A000C") << replyB("CB160300000A" + kEntry) << -5000
            << "status=0 count=0 entries=";

        QTest::newRow("MAC address, IPv4 and IPv6 command")
            << "lan_mac_address_read_ipv4_ipv6" << QVariantList{} << QByteArray("C22A02")
            << replyB("C32A02000104"
                      "0011223344aA")
            << 0 << "result=0 value=4 text=00-11-22-33-44-aA";
        QTest::newRow("MAC address, maximum reply fits the buffer")
            << "lan_mac_address_read_ipv4_ipv6" << QVariantList{} << QByteArray("C22A02")
            << replyB("C32A02030004" + QByteArray(241, 'F')) << 0
            << "result=3 value=4 text=FF-FF-FF-FF-FF-FF";
        QTest::newRow("MAC address, nothing after the fixed fields")
            << "lan_mac_address_read_ipv4_ipv6" << QVariantList{} << QByteArray("C22A02")
            << replyB("C32A02000104") << 0 << "result=0 value=4 text=";
        QTest::newRow("MAC address, 10 characters")
            << "lan_mac_address_read_ipv4_ipv6" << QVariantList{} << QByteArray("C22A02")
            << replyB("C32A020001") << -5002 << "result=0 value=99 text=";
        QTest::newRow("MAC address, wrong sub-command")
            << "lan_mac_address_read_ipv4_ipv6" << QVariantList{} << QByteArray("C22A02")
            << replyB("C32A45000104") << -5000 << "result=0 value=99 text=";
        QTest::newRow("MAC address read")
            << "lan_mac_address_read" << QVariantList{0x101} << QByteArray("C22001")
            << replyB("C32002"
                      "0011223344AA")
            << 0 << "inout=2 text=00-11-22-33-44-AA";
        QTest::newRow("MAC address read, odd character count")
            << "lan_mac_address_read" << QVariantList{1} << QByteArray("C22001")
            << replyB("C32001"
                      "ABC")
            << 0 << "inout=1 text=AB-C";
        QTest::newRow("MAC address read, maximum reply fits the buffer")
            << "lan_mac_address_read" << QVariantList{1} << QByteArray("C22001")
            << replyB("C32001" + QByteArray(247, '1')) << 0 << "inout=1 text=11-11-11-11-11-11";
        QTest::newRow("MAC address read, 4 characters")
            << "lan_mac_address_read" << QVariantList{1} << QByteArray("C22001") << replyB("C320")
            << -5002 << "inout=1 text=";
        QTest::newRow("LAN IP status")
            << "lan_ip_address_status_request" << QVariantList{} << QByteArray("C22A45")
            << replyB("C32A004501"
                      "C0A8000A")
            << 0 << "result=0 status=1 address=192.168.0.10";
        QTest::newRow("LAN IP status, other sub-command after the result")
            << "lan_ip_address_status_request" << QVariantList{} << QByteArray("C22A45")
            << replyB("C32A034601"
                      "C0A8000A")
            << -5000 << "result=3 status=0 address=0.0.0.0";
        QTest::newRow("LAN IP status, 16 characters")
            << "lan_ip_address_status_request" << QVariantList{} << QByteArray("C22A45")
            << replyB("C32A004501"
                      "C0A800")
            << -5002 << "result=0 status=0 address=0.0.0.0";
    }
    void commands() { runCommandRow(fake, networkOps()); }

    void titlesAndCommentLines() {
        fake.setHandler(answering(replyB("CB150300000A" + kEntry)));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.comments.clear();
        int status = 0, count = 0;
        proof_of_play_log entry;
        QCOMPARE(p.get_proof_of_play_number_to_number(10, 10, &status, &count, &entry, 1), 0);
        QCOMPARE(p.comments.value(0),
                 qMakePair(int(QVCommProtocol::CommentTitle),
                           QStringLiteral("Get Proof of Play Number to Number command")));
        QCOMPARE(p.comments.value(1), qMakePair(int(QVCommProtocol::CommentConnection),
                                                QStringLiteral("From=10 To=10")));
        bool labelled = false;
        for (const auto& c : p.comments)
            labelled |= c.second.startsWith(QStringLiteral("Read 'input signal h' value 1920"));
        QVERIFY(labelled);
    }
};

QTEST_GUILESS_MAIN(NetworkCommandsTest)
#include "tst_network_commands.moc"
