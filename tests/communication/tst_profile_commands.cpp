#include "command_table.h"
#include "result_codes.h"

// Loopback address 127.0.0.95 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.95");

namespace {
unsigned char byteAt(const QVariantList& in, int i) {
    return static_cast<unsigned char>(in[i].toInt());
}

// Profile bytes 1 to 33 in wire order, and their hexadecimal text.
pip_pbp_profile countingProfile() {
    pip_pbp_profile profile;
    for (int i = 0; i < pip_pbp_profile::Size; ++i)
        profile.byte(i) = static_cast<unsigned char>(i + 1);
    return profile;
}
QByteArray countingHex() {
    QByteArray hex;
    for (int i = 1; i <= pip_pbp_profile::Size; ++i)
        hex += QByteArray::number(i, 16).rightJustified(2, '0').toUpper();
    return hex;
}
QString text(pip_pbp_profile profile) {
    QStringList bytes;
    for (int i = 0; i < pip_pbp_profile::Size; ++i)
        bytes << QString::number(profile.byte(i));
    return bytes.join(',');
}

CommandOps profileOps() {
    CommandOps ops;
    ops["picture_mode_name_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        char name[QVCommProtocol::PictureModeNameLength + 1];
        std::fill(std::begin(name), std::end(name), 'x');
        int result = 99;
        const int r = p.picture_mode_name_read(byteAt(in, 0), name, int(sizeof name), &result);
        return CommandRun{r, outputs({{"result", result}, {"name", QString::fromLatin1(name)}})};
    };
    ops["picture_mode_name_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r =
            p.picture_mode_name_write(byteAt(in, 0), in[1].toByteArray().constData(), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["direct_tv_channel_read"] = [](QVCommProtocol& p, const QVariantList&) {
        int major = 99, minor = 99;
        const int r = p.direct_tv_channel_read(&major, &minor);
        return CommandRun{r, outputs({{"major", major}, {"minor", minor}})};
    };
    ops["direct_tv_channel_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int major = in[0].toInt(), minor = in[1].toInt();
        const int r = p.direct_tv_channel_write(&major, &minor);
        return CommandRun{r, outputs({{"major", major}, {"minor", minor}})};
    };
    ops["tile_matrix_profile_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        tile_matrix_profile t{9, 9, 9, 9};
        unsigned char status = 99;
        const int r = p.tile_matrix_profile_read(byteAt(in, 0), &t.h_monitors, &t.v_monitors,
                                                 &t.position, &t.tile_comp, &status);
        return CommandRun{r, outputs({{"status", status},
                                      {"matrix", QStringLiteral("%1x%2 at %3 comp %4")
                                                     .arg(t.h_monitors)
                                                     .arg(t.v_monitors)
                                                     .arg(t.position)
                                                     .arg(t.tile_comp)}})};
    };
    ops["tile_matrix_profile_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        unsigned char status = 99;
        const int r = p.tile_matrix_profile_write(byteAt(in, 0), byteAt(in, 1), byteAt(in, 2),
                                                  byteAt(in, 3), byteAt(in, 4), &status);
        return CommandRun{r, outputs({{"status", status}})};
    };
    ops["tile_matrix_profile_select"] = [](QVCommProtocol& p, const QVariantList& in) {
        unsigned char status = 99;
        const int r = p.tile_matrix_profile_select(byteAt(in, 0), &status);
        return CommandRun{r, outputs({{"status", status}})};
    };
    ops["pip_pbp_profile_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int status = 99;
        const int r = p.pip_pbp_profile_write(byteAt(in, 0), &status, countingProfile());
        return CommandRun{r, outputs({{"status", status}})};
    };
    ops["pip_pbp_profile_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        int status = 99;
        pip_pbp_profile profile;
        const int r = p.pip_pbp_profile_read(byteAt(in, 0), &status, &profile);
        return CommandRun{r, outputs({{"status", status}, {"profile", text(profile)}})};
    };
    ops["pip_pbp_profile_select"] = [](QVCommProtocol& p, const QVariantList& in) {
        int status = 99;
        const int r = p.pip_pbp_profile_select(byteAt(in, 0), &status);
        return CommandRun{r, outputs({{"status", status}})};
    };
    return ops;
}
} // namespace

class ProfileCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        const QString zeros = "0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0,0";
        const QString counting = "1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,"
                                 "24,25,26,27,28,29,30,31,32,33";

        QTest::newRow("picture-mode name read")
            << "picture_mode_name_read" << QVariantList{2} << QByteArray("C2262")
            << replyB("00C326"
                      "Cinema Custom")
            << 0 << "result=0 name=Cinema Custom";
        QTest::newRow("picture-mode name read, rejected: the name still delivered")
            << "picture_mode_name_read" << QVariantList{2} << QByteArray("C2262")
            << replyB("01C326"
                      "Night")
            << -5008 << "result=1 name=Night";
        QTest::newRow("picture-mode name read, wrong code after the result")
            << "picture_mode_name_read" << QVariantList{2} << QByteArray("C2262")
            << replyB("00C327"
                      "Night")
            << -5000 << "result=0 name=";
        QTest::newRow("picture-mode name read, maximum reply fits the buffer")
            << "picture_mode_name_read" << QVariantList{2} << QByteArray("C2262")
            << replyB("00C326" + QByteArray(247, 'M')) << 0 << "result=0 name=MMMMMMMMMMMMM";
        QTest::newRow("picture-mode name read, 4 characters")
            << "picture_mode_name_read" << QVariantList{2} << QByteArray("C2262") << replyB("00C3")
            << -5002 << "result=99 name=";
        QTest::newRow("picture-mode name read, a mode that is no printable character")
            << "picture_mode_name_read" << QVariantList{0xD3} << QByteArray() << replyB("00C326")
            << -5005 << "result=99 name=";
        QTest::newRow("picture-mode name write pads with spaces")
            << "picture_mode_name_write" << QVariantList{2, QByteArray("Vivid")}
            << QByteArray("C2272Vivid        ") << replyB("00C327000") << 0 << "result=0";
        QTest::newRow("picture-mode name write; the result byte is data")
            << "picture_mode_name_write" << QVariantList{78, QByteArray("ABCDEFGHIJKLMNOP")}
            << QByteArray("C227~ABCDEFGHIJKLM") << replyB("05C327000") << 0 << "result=5";
        QTest::newRow("picture-mode name write, 8 characters")
            << "picture_mode_name_write" << QVariantList{2, QByteArray("Vivid")}
            << QByteArray("C2272Vivid        ") << replyB("00C32700") << -5002 << "result=0";
        QTest::newRow("picture-mode name with a control character is not sent")
            << "picture_mode_name_write" << QVariantList{2, QByteArray("Viv\x03id")} << QByteArray()
            << replyB("00C327000") << -5005 << "result=0";
        QTest::newRow("picture-mode name with a byte above 7Fh is not sent")
            << "picture_mode_name_write" << QVariantList{2, QByteArray("Caf\xE9")} << QByteArray()
            << replyB("00C327000") << -5005 << "result=0";
        QTest::newRow("picture-mode name write, mode character DEL is not sent")
            << "picture_mode_name_write" << QVariantList{79, QByteArray("Vivid")} << QByteArray()
            << replyB("00C327000") << -5005 << "result=0";

        QTest::newRow("TV channel read")
            << "direct_tv_channel_read" << QVariantList{} << QByteArray("C22C")
            << replyB("C32C"
                      "0002"
                      "0003"
                      "0005")
            << 0 << "major=131075 minor=5";
        QTest::newRow("TV channel read, top half set")
            << "direct_tv_channel_read" << QVariantList{} << QByteArray("C22C")
            << replyB("C32C"
                      "FFFF"
                      "0001"
                      "FFFF")
            << 0 << "major=-65535 minor=65535";
        QTest::newRow("TV channel read, 14 characters")
            << "direct_tv_channel_read" << QVariantList{} << QByteArray("C22C")
            << replyB("C32C"
                      "0002"
                      "0003"
                      "00")
            << -5002 << "major=0 minor=0";
        QTest::newRow("TV channel read, wrong code")
            << "direct_tv_channel_read" << QVariantList{} << QByteArray("C22C")
            << replyB("C32D"
                      "0002"
                      "0003"
                      "0005")
            << -5000 << "major=0 minor=0";
        QTest::newRow("TV channel write")
            << "direct_tv_channel_write" << QVariantList{2 * 65536 + 3, 5}
            << QByteArray("C22D"
                          "0002"
                          "0003"
                          "0005")
            << replyB("C32D"
                      "0002"
                      "0003"
                      "0005")
            << 0 << "major=131075 minor=5";
        QTest::newRow("TV channel write, other minor echoed")
            << "direct_tv_channel_write" << QVariantList{2 * 65536 + 3, 5}
            << QByteArray("C22D"
                          "0002"
                          "0003"
                          "0005")
            << replyB("C32D"
                      "0002"
                      "0003"
                      "0006")
            << -5000 << "major=131075 minor=5";

        QTest::newRow("tile-matrix profile read")
            << "tile_matrix_profile_read" << QVariantList{3} << QByteArray("CA170103")
            << replyB("CB17010003"
                      "02020301")
            << 0 << "status=0 matrix=2x2 at 3 comp 1";
        QTest::newRow("tile-matrix profile read, rejected: the profile still delivered")
            << "tile_matrix_profile_read" << QVariantList{3} << QByteArray("CA170103")
            << replyB("CB17010203"
                      "02020301")
            << -5008 << "status=2 matrix=2x2 at 3 comp 1";
        QTest::newRow("tile-matrix profile read, other profile after the status")
            << "tile_matrix_profile_read" << QVariantList{3} << QByteArray("CA170103")
            << replyB("CB17010104"
                      "02020301")
            << -5000 << "status=1 matrix=9x9 at 9 comp 9";
        QTest::newRow("tile-matrix profile read, 16 characters")
            << "tile_matrix_profile_read" << QVariantList{3} << QByteArray("CA170103")
            << replyB("CB17010003"
                      "020203")
            << -5002 << "status=99 matrix=9x9 at 9 comp 9";
        QTest::newRow("tile-matrix profile write")
            << "tile_matrix_profile_write" << QVariantList{3, 2, 2, 3, 1}
            << QByteArray("CA170003"
                          "02020301")
            << replyB("CB170000") << 0 << "status=0";
        QTest::newRow("tile-matrix profile write, rejected")
            << "tile_matrix_profile_write" << QVariantList{3, 2, 2, 3, 1}
            << QByteArray("CA170003"
                          "02020301")
            << replyB("CB170001") << -5008 << "status=1";
        QTest::newRow("tile-matrix profile select")
            << "tile_matrix_profile_select" << QVariantList{4} << QByteArray("CA170204")
            << replyB("CB170200") << 0 << "status=0";
        QTest::newRow("tile-matrix profile select, rejected")
            << "tile_matrix_profile_select" << QVariantList{4} << QByteArray("CA170204")
            << replyB("CB170203") << -5008 << "status=3";
        QTest::newRow("tile-matrix profile write, 6 characters: the status stays")
            << "tile_matrix_profile_write" << QVariantList{3, 2, 2, 3, 1}
            << QByteArray("CA170003"
                          "02020301")
            << replyB("CB1700") << -5002 << "status=99";
        QTest::newRow("tile-matrix profile select, 6 characters: the status stays")
            << "tile_matrix_profile_select" << QVariantList{4} << QByteArray("CA170204")
            << replyB("CB1702") << -5002 << "status=99";

        QTest::newRow("PIP/PBP profile write")
            << "pip_pbp_profile_write" << QVariantList{1} << QByteArray("CA200001" + countingHex())
            << replyB("CB200004") << 0 << "status=4";
        QTest::newRow("PIP/PBP profile read")
            << "pip_pbp_profile_read" << QVariantList{1} << QByteArray("CA200101")
            << replyB("CB2001"
                      "00"
                      "01" +
                      countingHex())
            << 0 << "status=0 profile=" + counting;
        QTest::newRow("PIP/PBP profile read, maximum reply")
            << "pip_pbp_profile_read" << QVariantList{1} << QByteArray("CA200101")
            << replyB("CB2001"
                      "00"
                      "01" +
                      countingHex() + QByteArray(177, 'F'))
            << 0 << "status=0 profile=" + counting;
        QTest::newRow("PIP/PBP profile read, 74 characters decode nothing")
            << "pip_pbp_profile_read" << QVariantList{1} << QByteArray("CA200101")
            << replyB("CB2001"
                      "00"
                      "01" +
                      countingHex().left(64))
            << -5002 << "status=0 profile=" + zeros;
        QTest::newRow("PIP/PBP profile read, other profile")
            << "pip_pbp_profile_read" << QVariantList{1} << QByteArray("CA200101")
            << replyB("CB2001"
                      "06"
                      "02" +
                      countingHex())
            << -5000 << "status=6 profile=" + zeros;
        QTest::newRow("PIP/PBP profile select")
            << "pip_pbp_profile_select" << QVariantList{2} << QByteArray("CA200202")
            << replyB("CB200200") << 0 << "status=0";
        QTest::newRow("PIP/PBP profile select, wrong sub-command")
            << "pip_pbp_profile_select" << QVariantList{2} << QByteArray("CA200202")
            << replyB("CB200000") << -5000 << "status=0";
    }
    void commands() { runCommandRow(fake, profileOps()); }

    void titlesAndLabels() {
        fake.setHandler(answering(replyB("CB2001"
                                         "00"
                                         "01" +
                                         countingHex())));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        int status = 0;
        pip_pbp_profile profile;
        QCOMPARE(p.pip_pbp_profile_read(1, &status, &profile), 0);
        QStringList labels;
        for (const auto& c : p.comments)
            if (c.second.startsWith(QStringLiteral("Read '")))
                labels << c.second.section(QLatin1Char('\''), 1, 1);
        QCOMPARE(labels.mid(0, 5),
                 QStringList({"command", "command", "status", "profile_number", "mode"}));
        QCOMPARE(labels.value(5), QStringLiteral("video_input_1"));
        QCOMPARE(labels.value(24), QStringLiteral("v_position_4"));
        QCOMPARE(labels.value(25), QStringLiteral("reserved_11"));
        QCOMPARE(labels.last(), QStringLiteral("reserved_22"));

        fake.setHandler(answering(replyB("CB170000")));
        p.comments.clear();
        unsigned char tileStatus = 0;
        QCOMPARE(p.tile_matrix_profile_write(7, 1, 1, 1, 1, &tileStatus), 0);
        QCOMPARE(p.comments.first().second,
                 QStringLiteral("Tile Matrix Profile Contents Write:  Profile Number=7"));
        p.comments.clear();
        fake.setHandler(answering(replyB("C32D"
                                         "0002"
                                         "0003"
                                         "0005")));
        int major = 2 * 65536 + 3, minor = 5;
        QCOMPARE(p.direct_tv_channel_write(&major, &minor), 0);
        QCOMPARE(p.comments.first().second, QStringLiteral("Direct TV Channel Write 131075-5"));
    }
};

QTEST_GUILESS_MAIN(ProfileCommandsTest)
#include "tst_profile_commands.moc"
