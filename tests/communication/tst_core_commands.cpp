#include "display_model.h"
#include "fake_display.h"
#include "protocol_probe.h"
#include "result_codes.h"

#include <QtTest>

#include <cstring>
#include <functional>

// Loopback addresses 127.0.0.30 to 127.0.0.35 belong to this test.

namespace {
struct Outcome {
    int result;
    QString outputs;
};
using Command = std::function<Outcome(QVCommProtocol&)>;

QString clockText(const date_time_record& c) {
    return QStringLiteral("%1-%2-%3 wd%4 %5:%6 dst%7")
        .arg(c.year)
        .arg(c.month)
        .arg(c.day)
        .arg(c.weekday)
        .arg(c.hour)
        .arg(c.minute)
        .arg(int(c.daylight_saving));
}

QString parameterText(unsigned int current, unsigned int max, unsigned char result,
                      unsigned char type) {
    return QStringLiteral("current=%1 max=%2 result=%3 type=%4")
        .arg(current)
        .arg(max)
        .arg(result)
        .arg(type);
}

// Every core command with fixed inputs; outputs are written out as text so that one table
// column can hold them for any command.
const QMap<QString, Command>& commands() {
    static const QMap<QString, Command> table = {
        {"mode_change_request",
         [](QVCommProtocol& p) {
             unsigned char mode = 2;
             const int r = p.mode_change_request(mode);
             return Outcome{r, QStringLiteral("mode=%1").arg(mode)};
         }},
        {"power_control",
         [](QVCommProtocol& p) {
             unsigned char mode = 4;
             const int r = p.power_control(mode);
             return Outcome{r, QStringLiteral("mode=%1").arg(mode)};
         }},
        {"power_status_read",
         [](QVCommProtocol& p) {
             unsigned char mode = 77;
             const int r = p.power_status_read(mode);
             return Outcome{r, QStringLiteral("mode=%1").arg(mode)};
         }},
        {"save_current_settings",
         [](QVCommProtocol& p) {
             return Outcome{p.save_current_settings(), QString()};
         }},
        {"get_timing_report",
         [](QVCommProtocol& p) {
             unsigned char status = 9;
             float h = 9, v = 9;
             const int r = p.get_timing_report(status, h, v);
             return Outcome{r, QStringLiteral("status=%1 h=%2 v=%3").arg(status).arg(h).arg(v)};
         }},
        {"send_ir_remote_code",
         [](QVCommProtocol& p) {
             return Outcome{p.send_ir_remote_code(0x1234, 3), QString()};
         }},
        {"get_parameter",
         [](QVCommProtocol& p) {
             unsigned int current = 9, max = 9;
             unsigned char result = 9, type = 9;
             const int r = p.get_parameter(0x02, 0x68, current, max, result, type);
             return Outcome{r, parameterText(current, max, result, type)};
         }},
        {"get_vcp",
         [](QVCommProtocol& p) {
             unsigned int current = 9, max = 9;
             unsigned char result = 9, type = 9;
             const int r = p.get_vcp(0x0268, current, max, result, type);
             return Outcome{r, parameterText(current, max, result, type)};
         }},
        {"set_parameter",
         [](QVCommProtocol& p) {
             unsigned int value = 5, max = 9;
             unsigned char result = 9, type = 9;
             const int r = p.set_parameter(0x02, 0x68, value, max, result, type);
             return Outcome{r, parameterText(value, max, result, type)};
         }},
        {"set_vcp",
         [](QVCommProtocol& p) {
             unsigned int value = 5, max = 9;
             unsigned char result = 9, type = 9;
             const int r = p.set_vcp(0x0268, value, max, result, type);
             return Outcome{r, parameterText(value, max, result, type)};
         }},
        {"serial_number_read",
         [](QVCommProtocol& p) {
             char text[200];
             std::memset(text, 'x', sizeof text);
             const int r = p.serial_number_read(text, int(sizeof text));
             return Outcome{r, QStringLiteral("text=%1").arg(QLatin1String(text))};
         }},
        {"model_name_read",
         [](QVCommProtocol& p) {
             char text[200];
             std::memset(text, 'x', sizeof text);
             const int r = p.model_name_read(text, int(sizeof text));
             return Outcome{r, QStringLiteral("text=%1").arg(QLatin1String(text))};
         }},
        {"firmware_version_read",
         [](QVCommProtocol& p) {
             char text[200];
             std::memset(text, 'x', sizeof text);
             const int r = p.firmware_version_read(1, text, int(sizeof text));
             return Outcome{r, QStringLiteral("text=%1").arg(QLatin1String(text))};
         }},
        {"self_diagnosis_status_read",
         [](QVCommProtocol& p) {
             unsigned char codes[32];
             std::memset(codes, 0xEE, sizeof codes);
             int count = int(sizeof codes);
             const int r = p.self_diagnosis_status_read(codes, count);
             QStringList list;
             for (int i = 0; i <= count && i < int(sizeof codes); ++i)
                 list << QString::number(codes[i], 16);
             return Outcome{r, QStringLiteral("count=%1 codes=%2").arg(count).arg(list.join(','))};
         }},
        {"date_time_read",
         [](QVCommProtocol& p) {
             date_time_record when;
             when.year = 99;
             when.hour = 99;
             const int r = p.date_time_read(when);
             return Outcome{r, clockText(when)};
         }},
        {"date_time_write",
         [](QVCommProtocol& p) {
             date_time_record when;
             when.year = 26;
             when.month = 12;
             when.day = 10;
             when.weekday = 4;
             when.hour = 13;
             when.minute = 5;
             when.daylight_saving = true;
             const int r = p.date_time_write(when);
             return Outcome{r, clockText(when)};
         }},
    };
    return table;
}

Outcome run(const QString& name, QVCommProtocol& p) {
    Q_ASSERT(commands().contains(name));
    return commands().value(name)(p);
}
} // namespace

class CoreCommandsTest : public QObject {
    Q_OBJECT

private slots:
    // Each command against a display that answers as it should: what goes on the wire and what
    // comes back.
    void goodExchanges_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("request"); // message type, then the body
        QTest::addColumn<QString>("outputs");
        // The values logged as written; a command's own code is never among them.
        QTest::addColumn<QString>("written");
        QTest::newRow("mode change") << "mode_change_request" << QByteArray("AC01102") << "mode=2"
                                     << "02";
        QTest::newRow("power control") << "power_control" << QByteArray("AC203D60004") << "mode=4"
                                       << "0004";
        QTest::newRow("power status") << "power_status_read" << QByteArray("A01D6") << "mode=1"
                                      << "";
        QTest::newRow("save") << "save_current_settings" << QByteArray("A0C") << ""
                              << "";
        QTest::newRow("timing") << "get_timing_report" << QByteArray("A07") << "status=0 h=80 v=60"
                                << "";
        QTest::newRow("IR code") << "send_ir_remote_code" << QByteArray("AC210123403") << ""
                                 << "1234,03";
        QTest::newRow("get parameter")
            << "get_parameter" << QByteArray("C0268") << "current=1 max=6 result=0 type=2"
            << "02,68";
        QTest::newRow("get vcp splits the op code")
            << "get_vcp" << QByteArray("C0268") << "current=1 max=6 result=0 type=2"
            << "02,68";
        QTest::newRow("set parameter")
            << "set_parameter" << QByteArray("E02680005") << "current=5 max=6 result=0 type=2"
            << "02,68,0005";
        QTest::newRow("set vcp") << "set_vcp" << QByteArray("E02680005")
                                 << "current=5 max=6 result=0 type=2"
                                 << "02,68,0005";
        QTest::newRow("serial number")
            << "serial_number_read" << QByteArray("AC216") << "text=5A000123"
            << "";
        QTest::newRow("model name") << "model_name_read" << QByteArray("AC217") << "text=QV-55"
                                    << "";
        QTest::newRow("firmware") << "firmware_version_read" << QByteArray("ACA0201")
                                  << "text=R2.105"
                                  << "01";
        QTest::newRow("self-diagnosis")
            << "self_diagnosis_status_read" << QByteArray("AB1") << "count=2 codes=70,d0,0"
            << "";
        QTest::newRow("clock read")
            << "date_time_read" << QByteArray("AC211") << "25-7-31 wd4 23:59 dst1"
            << "";
        QTest::newRow("clock write")
            << "date_time_write" << QByteArray("AC2121A0C0A040D0501") << "26-12-10 wd4 13:5 dst1"
            << "1A,0C,0A,04,0D,05,01";
    }
    void goodExchanges() {
        QFETCH(QString, command);
        QFETCH(QByteArray, request);
        QFETCH(QString, outputs);
        QFETCH(QString, written);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.30"));
        DisplayModel model;
        model.setParameter(0x0268, 1, 6, 2);
        model.timingStatus = 0;
        model.horizontalHundredths = 0x1F40;
        model.verticalHundredths = 0x1770;
        model.serialNumber = "5A000123";
        model.modelName = "QV-55";
        model.firmwareVersions = {"R1.000", "R2.105"};
        model.diagnostics = {0x70, 0xD0};
        model.clock = {25, 7, 31, 4, 23, 59, 1};
        fake.setHandler(model.handler());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        const Outcome o = run(command, p);
        QCOMPARE(o.result, 0);
        QCOMPARE(o.outputs, outputs);
        QCOMPARE(fake.requests().size(), 1);
        const QByteArray sent = fake.requests().first();
        QCOMPARE(FakeDisplay::typeOf(sent) + FakeDisplay::bodyOf(sent), request);
        QCOMPARE(FakeDisplay::destinationOf(sent), 'A');
        QStringList values;
        const QRegularExpression write(QStringLiteral("^Write value \\d+ \\('([0-9A-F]+)h'"));
        for (const auto& comment : p.comments) {
            const QRegularExpressionMatch m = write.match(comment.second);
            if (m.hasMatch())
                values << m.captured(1);
        }
        QCOMPARE(values.join(QLatin1Char(',')), written);
    }

    // Replies that are short, of the wrong type, with a wrong echo, or that report an error in
    // their result field. -5008 still writes the outputs; -5000 keeps what was decoded before.
    void faultyReplies_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<char>("type");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<int>("result");
        QTest::addColumn<QString>("outputs");

        // Power and mode change: the reply type is tested.
        QTest::newRow("mode change, short")
            << "mode_change_request" << 'B' << QByteArray("00C111") << -5002 << "mode=2";
        QTest::newRow("mode change, type")
            << "mode_change_request" << 'D' << QByteArray("00C11105") << -5000 << "mode=2";
        QTest::newRow("mode change, code echo not compared")
            << "mode_change_request" << 'B' << QByteArray("00999902") << 0 << "mode=2";
        QTest::newRow("mode change, result byte")
            << "mode_change_request" << 'B' << QByteArray("01C11102") << -5008 << "mode=2";
        QTest::newRow("mode change, another mode echoed")
            << "mode_change_request" << 'B' << QByteArray("00C11105") << -5008 << "mode=5";
        QTest::newRow("power control, short")
            << "power_control" << 'B' << QByteArray("00C203D6000") << -5002 << "mode=4";
        QTest::newRow("power control, type")
            << "power_control" << 'F' << QByteArray("00C203D60001") << -5000 << "mode=4";
        QTest::newRow("power control, result byte")
            << "power_control" << 'B' << QByteArray("01C203D60001") << -5008 << "mode=1";
        QTest::newRow("power control, echo")
            << "power_control" << 'B' << QByteArray("00C303D60001") << -5000 << "mode=4";
        QTest::newRow("power control, D6 echo")
            << "power_control" << 'B' << QByteArray("00C203D70001") << -5000 << "mode=4";
        QTest::newRow("power status, short")
            << "power_status_read" << 'B' << QByteArray("0200D600000400") << -5002 << "mode=0";
        QTest::newRow("power status, type")
            << "power_status_read" << 'D' << QByteArray("0200D60000040001") << -5000 << "mode=0";
        QTest::newRow("power status, result byte")
            << "power_status_read" << 'B' << QByteArray("0201D60000040004") << -5008 << "mode=4";
        QTest::newRow("power status, D6")
            << "power_status_read" << 'B' << QByteArray("0200D50000040001") << -5000 << "mode=0";
        QTest::newRow("power status, 00")
            << "power_status_read" << 'B' << QByteArray("0200D60100040001") << -5000 << "mode=0";
        QTest::newRow("power status, lower case")
            << "power_status_read" << 'B' << QByteArray("0200d6000004000a") << 0 << "mode=10";

        // Settings, timing and IR: the reply type is not tested.
        QTest::newRow("save, short")
            << "save_current_settings" << 'B' << QByteArray("000") << -5002 << "";
        QTest::newRow("save, echo")
            << "save_current_settings" << 'B' << QByteArray("000D") << -5000 << "";
        QTest::newRow("save, any type")
            << "save_current_settings" << 'F' << QByteArray("990C") << 0 << "";
        QTest::newRow("timing, short") << "get_timing_report" << 'B' << QByteArray("4E001F40177")
                                       << -5002 << "status=0 h=0 v=0";
        QTest::newRow("timing, echo") << "get_timing_report" << 'B' << QByteArray("4F001F401770")
                                      << -5000 << "status=0 h=0 v=0";
        QTest::newRow("timing, highest frequencies")
            << "get_timing_report" << 'B' << QByteArray("4EffFFFFffff") << 0
            << "status=255 h=655.35 v=655.35";
        QTest::newRow("timing, any type")
            << "get_timing_report" << 'D' << QByteArray("4E011F401770") << 0
            << "status=1 h=80 v=60";
        QTest::newRow("IR, 8 characters")
            << "send_ir_remote_code" << 'B' << QByteArray("C3101234") << 0 << "";
        QTest::newRow("IR, 8 characters, other code")
            << "send_ir_remote_code" << 'B' << QByteArray("C3101235") << -5000 << "";
        QTest::newRow("IR, 8 characters, other reply code")
            << "send_ir_remote_code" << 'B' << QByteArray("C2101234") << -5000 << "";
        QTest::newRow("IR, 12 characters")
            << "send_ir_remote_code" << 'B' << QByteArray("00C210123403") << 0 << "";
        QTest::newRow("IR, 12 characters, other code")
            << "send_ir_remote_code" << 'B' << QByteArray("00C210FFFF03") << -5000 << "";
        QTest::newRow("IR, 12 characters, other reply code")
            << "send_ir_remote_code" << 'B' << QByteArray("00C310123403") << -5000 << "";
        QTest::newRow("IR, any type")
            << "send_ir_remote_code" << 'F' << QByteArray("C3101234") << 0 << "";
        QTest::newRow("IR, 10 characters")
            << "send_ir_remote_code" << 'B' << QByteArray("00C2101234") << -5002 << "";
        QTest::newRow("IR, 14 characters")
            << "send_ir_remote_code" << 'B' << QByteArray("0000C2101234") + "00" << -5002 << "";

        // Parameters: reply type D or F; the echo must name the op code asked for.
        const QString cleared = "current=0 max=0 result=0 type=0";
        QTest::newRow("get, short")
            << "get_parameter" << 'D' << QByteArray("000268020006000") << -5002 << cleared;
        QTest::newRow("get, type B")
            << "get_parameter" << 'B' << QByteArray("0002680200060001") << -5000 << cleared;
        QTest::newRow("get, type F") << "get_parameter" << 'F' << QByteArray("0002680200060001")
                                     << 0 << "current=1 max=6 result=0 type=2";
        QTest::newRow("get, unsupported is data")
            << "get_parameter" << 'D' << QByteArray("0102680000000000") << 0
            << "current=0 max=0 result=1 type=0";
        QTest::newRow("get, highest values")
            << "get_parameter" << 'D' << QByteArray("000268FFFFFFFFFF") << 0
            << "current=65535 max=65535 result=0 type=255";
        QTest::newRow("get, lower-case digits")
            << "get_parameter" << 'D' << QByteArray("ff0268020abc00ff") << 0
            << "current=255 max=2748 result=255 type=2";
        QTest::newRow("get, stale reply of another code")
            << "get_parameter" << 'D' << QByteArray("0002100000640032") << -5000 << cleared;
        QTest::newRow("get, stale reply of another page")
            << "get_parameter" << 'D' << QByteArray("0003680000640032") << -5000 << cleared;
        QTest::newRow("get vcp, stale reply")
            << "get_vcp" << 'D' << QByteArray("0000100000640032") << -5000 << cleared;
        QTest::newRow("set, short") << "set_parameter" << 'F' << QByteArray("000268020006000")
                                    << -5002 << "current=5 max=0 result=0 type=0";
        QTest::newRow("set, type D") << "set_parameter" << 'D' << QByteArray("0002680200060005")
                                     << 0 << "current=5 max=6 result=0 type=2";
        QTest::newRow("set, type B") << "set_parameter" << 'B' << QByteArray("0002680200060005")
                                     << -5000 << "current=5 max=0 result=0 type=0";
        QTest::newRow("set, stale reply")
            << "set_parameter" << 'F' << QByteArray("0000100000640032") << -5000
            << "current=5 max=0 result=0 type=0";
        QTest::newRow("set vcp, display keeps its own value")
            << "set_vcp" << 'F' << QByteArray("0002680200060003") << 0
            << "current=3 max=6 result=0 type=2";

        // Texts: hex-decoded identity texts, a plain firmware text.
        QTest::newRow("serial, short")
            << "serial_number_read" << 'B' << QByteArray("C31") << -5002 << "text=";
        QTest::newRow("serial, echo")
            << "serial_number_read" << 'B' << QByteArray("C31741") << -5000 << "text=";
        QTest::newRow("serial, line feed ends it")
            << "serial_number_read" << 'B' << QByteArray("C31641420A43") << 0 << "text=AB";
        QTest::newRow("serial, any type")
            << "serial_number_read" << 'D' << QByteArray("C3164142") << 0 << "text=AB";
        QTest::newRow("model, no text")
            << "model_name_read" << 'B' << QByteArray("C317") << 0 << "text=";
        QTest::newRow("model, odd digit ignored")
            << "model_name_read" << 'B' << QByteArray("C317414") << 0 << "text=A";
        QTest::newRow("model, echo")
            << "model_name_read" << 'B' << QByteArray("C31641") << -5000 << "text=";
        QTest::newRow("firmware, short")
            << "firmware_version_read" << 'B' << QByteArray("CB02000") << -5002 << "text=";
        QTest::newRow("firmware, echo")
            << "firmware_version_read" << 'B' << QByteArray("CB030001R1") << -5000 << "text=";
        QTest::newRow("firmware, result byte")
            << "firmware_version_read" << 'B' << QByteArray("CB020101R1") << -5008 << "text=R1";
        QTest::newRow("firmware, any type")
            << "firmware_version_read" << 'F' << QByteArray("CB020001R1") << 0 << "text=R1";
        QTest::newRow("firmware, line feed ends it")
            << "firmware_version_read" << 'B' << QByteArray("CB020001R1\nR2") << 0 << "text=R1";
        QTest::newRow("firmware, raw text")
            << "firmware_version_read" << 'B' << QByteArray("CB020001 4142") << 0 << "text= 4142";

        // Self-diagnosis: type B first, then the length.
        QTest::newRow("diagnosis, type") << "self_diagnosis_status_read" << 'D' << QByteArray("A1")
                                         << -5000 << "count=0 codes=0";
        QTest::newRow("diagnosis, short")
            << "self_diagnosis_status_read" << 'B' << QByteArray("A") << -5002 << "count=0 codes=0";
        QTest::newRow("diagnosis, echo") << "self_diagnosis_status_read" << 'B'
                                         << QByteArray("A270") << -5000 << "count=0 codes=0";
        QTest::newRow("diagnosis, none")
            << "self_diagnosis_status_read" << 'B' << QByteArray("A1") << 0 << "count=0 codes=0";

        // Clock.
        QTest::newRow("clock read, type")
            << "date_time_read" << 'D' << QByteArray("C3111A0C0A040D0501") << -5000
            << "0-0-0 wd0 0:0 dst0";
        QTest::newRow("clock read, short")
            << "date_time_read" << 'B' << QByteArray("C3111A0C0A040D050") << -5002
            << "0-0-0 wd0 0:0 dst0";
        QTest::newRow("clock read, echo")
            << "date_time_read" << 'B' << QByteArray("C3121A0C0A040D0501") << -5000
            << "0-0-0 wd0 0:0 dst0";
        QTest::newRow("clock read, daylight saving as read")
            << "date_time_read" << 'B' << QByteArray("C3111A0C0A040D0502") << 0
            << "26-12-10 wd4 13:5 dst1";
        QTest::newRow("clock write, short")
            << "date_time_write" << 'B' << QByteArray("C312001A0C0A040D050") << -5002
            << "26-12-10 wd4 13:5 dst1";
        QTest::newRow("clock write, type")
            << "date_time_write" << 'F' << QByteArray("C312001A0C0A040D0501") << -5000
            << "26-12-10 wd4 13:5 dst1";
        QTest::newRow("clock write, echo")
            << "date_time_write" << 'B' << QByteArray("C311001A0C0A040D0501") << -5000
            << "26-12-10 wd4 13:5 dst1";
        QTest::newRow("clock write, result byte, display's clock back")
            << "date_time_write" << 'B' << QByteArray("C31201190102030405FF") << -5008
            << "25-1-2 wd3 4:5 dst1";
    }
    void faultyReplies() {
        QFETCH(QString, command);
        QFETCH(char, type);
        QFETCH(QByteArray, body);
        QFETCH(int, result);
        QFETCH(QString, outputs);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.31"));
        fake.setHandler([&](const QByteArray&) {
            FakeReply r;
            r.bytes = FakeDisplay::frame(type, body);
            return r;
        });
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        const Outcome o = run(command, p);
        QCOMPARE(o.result, result);
        QCOMPARE(o.outputs, outputs);
    }

    // A failed write ends most commands at once; power and mode change wait for a reply anyway.
    void sendFailure_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<bool>("awaitsReply");
        for (const QString& name : commands().keys()) {
            const bool awaits = name == "mode_change_request" || name == "power_control" ||
                                name == "power_status_read";
            QTest::newRow(qPrintable(name)) << name << awaits;
        }
    }
    void sendFailure() {
        QFETCH(QString, command);
        QFETCH(bool, awaitsReply);
        ProtocolProbe p;
        // Nobody listens here: the transport stays closed, so writes and reads fail.
        QCOMPARE(p.open_interface(QStringLiteral("127.0.0.32"), 1), ResultCode::ConnectionRefused);
        const Outcome o = run(command, p);
        QCOMPARE(o.result, ResultCode::PortNotOpen);
        const QList<int> expected =
            awaitsReply ? QList<int>{QVCommProtocol::TrafficSent, QVCommProtocol::TrafficNoReply}
                        : QList<int>{QVCommProtocol::TrafficSent};
        QCOMPARE(p.trafficTypes(), expected);
    }

    void nullMessage() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.33"));
        DisplayModel model;
        model.powerMode = 1;
        fake.setHandler(model.handler());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        // The model knows the whole core set, so ask for something it does not.
        p.message('A', "FFFF");
        QCOMPARE(p.send_message(), 0);
        QCOMPARE(p.receive_reply(1000, false), ResultCode::NullMessage);
        // And a command after it runs as usual.
        unsigned char mode = 0;
        QCOMPARE(p.power_status_read(mode), 0);
        QCOMPARE(int(mode), 1);
    }

    // However long the reply, a read never writes past the caller's capacity.
    void textsHonourCapacity_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QByteArray>("body");
        QTest::addColumn<QByteArray>("text");
        const QByteArray longText(124, 'S');
        QTest::newRow("serial") << "serial" << QByteArray("C316") + DisplayModel::hexText(longText)
                                << QByteArray("SSSSSSS");
        QTest::newRow("model") << "model" << QByteArray("C317") + DisplayModel::hexText(longText)
                               << QByteArray("SSSSSSS");
        QTest::newRow("firmware") << "firmware" << QByteArray("CB020000") + QByteArray(245, 'F')
                                  << QByteArray("FFFFFFF");
        QTest::newRow("firmware fits")
            << "firmware" << QByteArray("CB020000ABCDEFG") << QByteArray("ABCDEFG");
    }
    void textsHonourCapacity() {
        QFETCH(QString, command);
        QFETCH(QByteArray, body);
        QFETCH(QByteArray, text);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.34"));
        fake.setHandler([&](const QByteArray&) {
            FakeReply r;
            r.bytes = FakeDisplay::frame('B', body);
            return r;
        });
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        char buffer[16];
        std::memset(buffer, '#', sizeof buffer);
        auto read = [&](char* text, int capacity) {
            if (command == "serial")
                return p.serial_number_read(text, capacity);
            if (command == "model")
                return p.model_name_read(text, capacity);
            return p.firmware_version_read(0, text, capacity);
        };
        const int capacity = 8;
        const int result = read(buffer, capacity);
        QCOMPARE(result, 0);
        QCOMPARE(QByteArray(buffer), text);
        QCOMPARE(QByteArray(buffer + capacity, int(sizeof buffer) - capacity),
                 QByteArray(int(sizeof buffer) - capacity, '#'));
        // The whole reply was consumed, so nothing spills into the next command.
        QVERIFY(p.reply_body.isEmpty());

        // A capacity of 0 writes nothing at all.
        std::memset(buffer, '#', sizeof buffer);
        QCOMPARE(read(buffer, 0), 0);
        QCOMPARE(QByteArray(buffer, int(sizeof buffer)), QByteArray(int(sizeof buffer), '#'));
    }

    void diagnosisHonoursCapacity() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.35"));
        DisplayModel model;
        for (int i = 1; i <= 125; ++i)
            model.diagnostics << static_cast<unsigned char>(i);
        fake.setHandler(model.handler());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned char codes[8];
        std::memset(codes, 0xEE, sizeof codes);
        int count = 4;
        QCOMPARE(p.self_diagnosis_status_read(codes, count), 0);
        QCOMPARE(count, 3);
        QCOMPARE(QByteArray(reinterpret_cast<char*>(codes), 8),
                 QByteArray("\x01\x02\x03\x00\xEE\xEE\xEE\xEE", 8));
        // Every code is still logged, with its position.
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentField),
                      QStringLiteral("Self-diagnosis Status Read command code #125=7dh"))));
    }

    void oversizeValueIsRefused() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.33"));
        DisplayModel model;
        model.setParameter(0x0010, 10, 100);
        fake.setHandler(model.handler());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int value = 0x10032, max = 7;
        unsigned char result = 7, type = 7;
        QCOMPARE(p.set_vcp(0x0010, value, max, result, type), ResultCode::TooManyValues);
        QCOMPARE(value, 0x10032u);
        QTest::qWait(50);
        QVERIFY(fake.requests().isEmpty());
        QCOMPARE(model.parameter(0x0010).current, (unsigned short)10);
        value = 0xFFFF;
        QCOMPARE(p.set_vcp(0x0010, value, max, result, type), 0);
        QCOMPARE(value, 0xFFFFu);
    }

    void parameterLogLines() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.33"));
        DisplayModel model;
        model.setParameter(0x1234, 3, 9, 1);
        fake.setHandler(model.handler());
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int current = 0, max = 0;
        unsigned char result = 0, type = 0;
        QCOMPARE(p.get_vcp(0x1234, current, max, result, type), 0);
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentTitle),
                      QStringLiteral("Get Parameter command OP Code Page=12h, OP Code=34h"))));
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentOpCode), QStringLiteral("1234"))));
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentField),
                      QStringLiteral("Read 'current value' value 3 (encoded as 4 bytes 30h 30h "
                                     "30h 33h -> '0003h')"))));
        p.comments.clear();
        unsigned int value = 7;
        QCOMPARE(p.set_parameter(0x00, 0x10, value, max, result, type), ResultCode::Ok);
        QCOMPARE(int(result), 1); // op code 0x0010 is not in the model's table
        QVERIFY(p.comments.contains(qMakePair(
            int(QVCommProtocol::CommentTitle),
            QStringLiteral("Set Parameter command OP Code Page=00h, OP Code=10h, Value=7"))));
        QVERIFY(p.comments.contains(
            qMakePair(int(QVCommProtocol::CommentOpCode), QStringLiteral("10"))));
    }
};

QTEST_GUILESS_MAIN(CoreCommandsTest)
#include "tst_core_commands.moc"
