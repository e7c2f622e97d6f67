#include "command_table.h"
#include "result_codes.h"

// Loopback address 127.0.0.94 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.94");

namespace {
// A name buffer as the pages size it: the longest name and its NUL.
using NameBuffer = char[QVCommProtocol::InputNameLength + 1];

unsigned char byteAt(const QVariantList& in, int i) {
    return static_cast<unsigned char>(in[i].toInt());
}

CommandOps inputOps() {
    CommandOps ops;
    ops["input_name_reset"] = [](QVCommProtocol& p, const QVariantList&) {
        int result = 99;
        const int r = p.input_name_reset(&result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["input_name_read"] = [](QVCommProtocol& p, const QVariantList&) {
        NameBuffer name;
        std::fill(std::begin(name), std::end(name), 'x');
        const int r = p.input_name_read(name, int(sizeof name));
        return CommandRun{r, outputs({{"name", QString::fromLatin1(name)}})};
    };
    ops["input_name_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r = p.input_name_write(in[0].toByteArray().constData(), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["terminal_input_name_reset"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r = p.terminal_input_name_reset(byteAt(in, 0), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["terminal_input_name_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        NameBuffer name;
        std::fill(std::begin(name), std::end(name), 'x');
        int result = 99;
        const int r = p.terminal_input_name_read(byteAt(in, 0), name, int(sizeof name), &result);
        return CommandRun{r, outputs({{"result", result}, {"name", QString::fromLatin1(name)}})};
    };
    ops["terminal_input_name_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r =
            p.terminal_input_name_write(byteAt(in, 0), in[1].toByteArray().constData(), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    using ReadOp = int (QVCommProtocol::*)(unsigned char*);
    using WriteOp = int (QVCommProtocol::*)(unsigned char, int*);
    const QList<QPair<QString, ReadOp>> reads = {
        {"power_save_mode_read", &QVCommProtocol::power_save_mode_read},
        {"power_save_time_read", &QVCommProtocol::power_save_time_read},
        {"auto_standby_time_read", &QVCommProtocol::auto_standby_time_read}};
    const QList<QPair<QString, WriteOp>> writes = {
        {"power_save_mode_write", &QVCommProtocol::power_save_mode_write},
        {"power_save_time_write", &QVCommProtocol::power_save_time_write},
        {"auto_standby_time_write", &QVCommProtocol::auto_standby_time_write}};
    for (const auto& read : reads) {
        const ReadOp call = read.second;
        ops[read.first] = [call](QVCommProtocol& p, const QVariantList&) {
            unsigned char value = 99;
            const int r = (p.*call)(&value);
            return CommandRun{r, outputs({{"value", value}})};
        };
    }
    for (const auto& write : writes) {
        const WriteOp call = write.second;
        ops[write.first] = [call](QVCommProtocol& p, const QVariantList& in) {
            int result = 99;
            const int r = (p.*call)(byteAt(in, 0), &result);
            return CommandRun{r, outputs({{"result", result}})};
        };
    }
    return ops;
}
} // namespace

class InputCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        QTest::newRow("name reset") << "input_name_reset" << QVariantList{} << QByteArray("CA0402")
                                    << replyB("CB040201") << 0 << "result=1";
        QTest::newRow("name reset, wrong sub-command")
            << "input_name_reset" << QVariantList{} << QByteArray("CA0402") << replyB("CB040100")
            << -5000 << "result=0";
        QTest::newRow("name read") << "input_name_read" << QVariantList{} << QByteArray("CA0400")
                                   << replyB("CB0400"
                                             "445644")
                                   << 0 << "name=DVD";
        QTest::newRow("name read, no name")
            << "input_name_read" << QVariantList{} << QByteArray("CA0400") << replyB("CB0400") << 0
            << "name=";
        QTest::newRow("name read, odd digit dropped")
            << "input_name_read" << QVariantList{} << QByteArray("CA0400")
            << replyB("CB0400"
                      "4456443")
            << 0 << "name=DVD";
        QTest::newRow("name read, maximum reply fits the buffer")
            << "input_name_read" << QVariantList{} << QByteArray("CA0400")
            << replyB("CB0400" + QByteArray("41").repeated(123) + "4") << 0
            << "name=AAAAAAAAAAAAAA";
        QTest::newRow("name read, 4 characters")
            << "input_name_read" << QVariantList{} << QByteArray("CA0400") << replyB("CB04")
            << -5002 << "name=";
        QTest::newRow("name write \"DVD\"") << "input_name_write" << QVariantList{QByteArray("DVD")}
                                            << QByteArray("CA0401"
                                                          "445644")
                                            << replyB("CB040100") << 0 << "result=0";
        QTest::newRow("name write sends the first 14 of 20 characters")
            << "input_name_write" << QVariantList{QByteArray("ABCDEFGHIJKLMNOPQRST")}
            << QByteArray("CA0401"
                          "4142434445464748494A4B4C4D4E")
            << replyB("CB040102") << 0 << "result=2";
        QTest::newRow("name write, a control character after the 14th is never sent")
            << "input_name_write" << QVariantList{QByteArray("ABCDEFGHIJKLMN\x03")}
            << QByteArray("CA0401"
                          "4142434445464748494A4B4C4D4E")
            << replyB("CB040100") << 0 << "result=0";
        QTest::newRow("name write, empty name")
            << "input_name_write" << QVariantList{QByteArray()} << QByteArray("CA0401")
            << replyB("CB040100") << 0 << "result=0";
        QTest::newRow("name write with a control character is not sent")
            << "input_name_write" << QVariantList{QByteArray("DV\rD")} << QByteArray()
            << replyB("CB040100") << -5005 << "result=0";
        QTest::newRow("name write sends a Latin-1 letter as its byte")
            << "input_name_write" << QVariantList{QByteArray("Caf\xE9")}
            << QByteArray("CA0401"
                          "436166E9")
            << replyB("CB040100") << 0 << "result=0";
        QTest::newRow("name write with a control byte above 7Fh is not sent")
            << "input_name_write" << QVariantList{QByteArray("DV\x85")} << QByteArray()
            << replyB("CB040100") << -5005 << "result=0";
        QTest::newRow("name write, space and tilde are printable")
            << "input_name_write" << QVariantList{QByteArray(" ~")}
            << QByteArray("CA0401"
                          "207E")
            << replyB("CB040100") << 0 << "result=0";
        QTest::newRow("name write with 1Fh is not sent")
            << "input_name_write" << QVariantList{QByteArray("DV\x1F")} << QByteArray()
            << replyB("CB040100") << -5005 << "result=0";
        QTest::newRow("name write with 7Fh is not sent")
            << "input_name_write" << QVariantList{QByteArray("DV\x7F")} << QByteArray()
            << replyB("CB040100") << -5005 << "result=0";
        QTest::newRow("name write, 10 characters")
            << "input_name_write" << QVariantList{QByteArray("DVD")}
            << QByteArray("CA0401"
                          "445644")
            << replyB("CB04010000") << -5002 << "result=0";
        QTest::newRow("terminal name reset")
            << "terminal_input_name_reset" << QVariantList{5} << QByteArray("CA040505")
            << replyB("CB040500") << 0 << "result=0";
        QTest::newRow("terminal name read")
            << "terminal_input_name_read" << QVariantList{3} << QByteArray("CA040303")
            << replyB("CB04030003"
                      "445644")
            << 0 << "result=0 name=DVD";
        QTest::newRow("terminal name read, rejected: the name still delivered")
            << "terminal_input_name_read" << QVariantList{3} << QByteArray("CA040303")
            << replyB("CB04030103"
                      "445644")
            << -5008 << "result=1 name=DVD";
        QTest::newRow("terminal name read, other terminal: result byte kept")
            << "terminal_input_name_read" << QVariantList{3} << QByteArray("CA040303")
            << replyB("CB04030204"
                      "445644")
            << -5000 << "result=2 name=";
        QTest::newRow("terminal name read, maximum reply fits the buffer")
            << "terminal_input_name_read" << QVariantList{3} << QByteArray("CA040303")
            << replyB("CB04030003" + QByteArray("7E").repeated(121) + "7") << 0
            << "result=0 name=~~~~~~~~~~~~~~";
        QTest::newRow("terminal name read, 8 characters")
            << "terminal_input_name_read" << QVariantList{3} << QByteArray("CA040303")
            << replyB("CB040300") << -5002 << "result=99 name=";
        QTest::newRow("terminal name write")
            << "terminal_input_name_write" << QVariantList{3, QByteArray("PC")}
            << QByteArray("CA040403"
                          "5043")
            << replyB("CB040400") << 0 << "result=0";
        QTest::newRow("terminal name write with a tab is not sent")
            << "terminal_input_name_write" << QVariantList{3, QByteArray("P\tC")} << QByteArray()
            << replyB("CB040400") << -5005 << "result=0";

        QTest::newRow("power-save mode read")
            << "power_save_mode_read" << QVariantList{} << QByteArray("CA0B00")
            << replyB("CB0B0002") << 0 << "value=2";
        QTest::newRow("power-save mode read, longer reply")
            << "power_save_mode_read" << QVariantList{} << QByteArray("CA0B00")
            << replyB("CB0B000200") << 0 << "value=2";
        QTest::newRow("power-save mode read, wrong sub-command")
            << "power_save_mode_read" << QVariantList{} << QByteArray("CA0B00")
            << replyB("CB0B0202") << -5000 << "value=0";
        QTest::newRow("power-save mode write")
            << "power_save_mode_write" << QVariantList{3} << QByteArray("CA0B0103")
            << replyB("CB0B0100") << 0 << "result=0";
        QTest::newRow("power-save mode write, 6 characters")
            << "power_save_mode_write" << QVariantList{3} << QByteArray("CA0B0103")
            << replyB("CB0B01") << -5002 << "result=0";
        QTest::newRow("power-save time read")
            << "power_save_time_read" << QVariantList{} << QByteArray("CA0B02")
            << replyB("CB0B020A") << 0 << "value=10";
        QTest::newRow("power-save time write; the result byte is data")
            << "power_save_time_write" << QVariantList{20} << QByteArray("CA0B0314")
            << replyB("CB0B0301") << 0 << "result=1";
        QTest::newRow("auto-standby time read")
            << "auto_standby_time_read" << QVariantList{} << QByteArray("CA0B04")
            << replyB("CB0B04FF") << 0 << "value=255";
        QTest::newRow("auto-standby time write")
            << "auto_standby_time_write" << QVariantList{0} << QByteArray("CA0B0500")
            << replyB("CB0B0500") << 0 << "result=0";
        QTest::newRow("auto-standby time write, wrong code")
            << "auto_standby_time_write" << QVariantList{0} << QByteArray("CA0B0500")
            << replyB("CB0A0500") << -5000 << "result=0";
    }
    void commands() { runCommandRow(fake, inputOps()); }
};

QTEST_GUILESS_MAIN(InputCommandsTest)
#include "tst_input_commands.moc"
