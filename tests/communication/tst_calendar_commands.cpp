#include "command_table.h"
#include "result_codes.h"

// Loopback address 127.0.0.90 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.90");

namespace {
// inputs: type, on hour, on minute, off hour, off minute, input, weekdays, flags, picture mode,
// then the seven trailing bytes.
schedule_entry entryFrom(const QVariantList& in, int at) {
    schedule_entry e;
    e.type = static_cast<unsigned char>(in.value(at).toInt());
    e.on_hour = in.value(at + 1).toUInt();
    e.on_minute = static_cast<unsigned char>(in.value(at + 2).toInt());
    e.off_hour = in.value(at + 3).toUInt();
    e.off_minute = static_cast<unsigned char>(in.value(at + 4).toInt());
    e.input = static_cast<unsigned char>(in.value(at + 5).toInt());
    e.weekdays = static_cast<unsigned char>(in.value(at + 6).toInt());
    e.flags = static_cast<unsigned char>(in.value(at + 7).toInt());
    e.picture_mode = static_cast<unsigned char>(in.value(at + 8).toInt());
    for (int i = 0; i < schedule_entry::TrailingBytes; ++i)
        e.trailing(i) = static_cast<unsigned char>(in.value(at + 9 + i).toInt());
    return e;
}

QString text(schedule_entry e) {
    QStringList trailing;
    for (int i = 0; i < schedule_entry::TrailingBytes; ++i)
        trailing << QString::number(e.trailing(i));
    return outputs({{"type", e.type},
                    {"on", QStringLiteral("%1:%2").arg(e.on_hour).arg(e.on_minute)},
                    {"off", QStringLiteral("%1:%2").arg(e.off_hour).arg(e.off_minute)},
                    {"input", e.input},
                    {"days", hexByte(e.weekdays)},
                    {"flags", hexByte(e.flags)},
                    {"pm", e.picture_mode},
                    {"trailing", trailing.join(',')}});
}

QString text(const holiday_entry& h) {
    return outputs({{"n", h.holiday_number},
                    {"type", h.type},
                    {"date", QStringLiteral("%1-%2-%3").arg(h.year).arg(h.month).arg(h.day)},
                    {"week", QStringLiteral("%1/%2").arg(h.weekofmonth).arg(h.dayofweek)},
                    {"end", QStringLiteral("%1-%2").arg(h.end_month).arg(h.end_day)}});
}

QString text(daylight_saving_rule r) {
    QStringList bytes;
    for (auto field : daylight_saving_rule::wireOrder())
        bytes << QString::number(r.*field);
    return bytes.join(',');
}

// An entry whose every field is set, so that an untouched field shows.
const QVariantList kFilled = {9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9, 9};

CommandOps calendarOps() {
    CommandOps ops;
    ops["schedule_read_extended"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(kFilled, 0);
        const int r = p.schedule_read_extended(in[0].toInt(), in[1].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_write_extended"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(in, 2);
        const int r = p.schedule_write_extended(in[0].toInt(), in[1].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_read_legacy"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(kFilled, 0);
        const int r = p.schedule_read_legacy(in[0].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(kFilled, 0);
        const int r = p.schedule_read(in[0].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_write_legacy"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(in, 1);
        const int r = p.schedule_write_legacy(in[0].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        schedule_entry e = entryFrom(in, 1);
        const int r = p.schedule_write(in[0].toInt(), &e);
        return CommandRun{r, text(e)};
    };
    ops["schedule_enable_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int enable = in[2].toInt();
        unsigned char result = 99;
        const int r = p.schedule_enable_write(in[0].toInt(), in[1].toInt(), &enable, &result);
        return CommandRun{r, outputs({{"result", result}, {"enable", enable}})};
    };
    ops["daylight_saving_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        daylight_saving_rule rule;
        int i = 0;
        for (auto field : daylight_saving_rule::wireOrder())
            rule.*field = static_cast<unsigned char>(in[i++].toInt());
        int result = 99;
        const int r = p.daylight_saving_write(&rule, &result);
        return CommandRun{r, outputs({{"result", result}, {"rule", text(rule)}})};
    };
    ops["daylight_saving_read"] = [](QVCommProtocol& p, const QVariantList&) {
        daylight_saving_rule rule;
        int result = 99;
        const int r = p.daylight_saving_read(&rule, &result);
        return CommandRun{r, outputs({{"result", result}, {"rule", text(rule)}})};
    };
    ops["daylight_saving_onoff_read"] = [](QVCommProtocol& p, const QVariantList&) {
        unsigned char on = 99;
        int result = 99;
        const int r = p.daylight_saving_onoff_read(&on, &result);
        return CommandRun{r, outputs({{"result", result}, {"on", on}})};
    };
    ops["daylight_saving_onoff_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        int result = 99;
        const int r =
            p.daylight_saving_onoff_write(static_cast<unsigned char>(in[0].toInt()), &result);
        return CommandRun{r, outputs({{"result", result}})};
    };
    ops["weekend_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        unsigned char bits = static_cast<unsigned char>(in[0].toInt());
        int status = 99;
        const int r = p.weekend_write(&bits, &status);
        return CommandRun{r, outputs({{"status", status}, {"bits", hexByte(bits)}})};
    };
    ops["weekend_read"] = [](QVCommProtocol& p, const QVariantList&) {
        unsigned char bits = 0x7F;
        int status = 99;
        const int r = p.weekend_read(&bits, &status);
        return CommandRun{r, outputs({{"status", status}, {"bits", hexByte(bits)}})};
    };
    ops["holiday_write"] = [](QVCommProtocol& p, const QVariantList& in) {
        holiday_entry h;
        h.type = static_cast<unsigned char>(in[1].toInt());
        h.year = in[2].toInt();
        h.month = static_cast<unsigned char>(in[3].toInt());
        h.day = static_cast<unsigned char>(in[4].toInt());
        h.weekofmonth = static_cast<unsigned char>(in[5].toInt());
        h.dayofweek = static_cast<unsigned char>(in[6].toInt());
        h.end_month = static_cast<unsigned char>(in[7].toInt());
        h.end_day = static_cast<unsigned char>(in[8].toInt());
        int status = 99;
        const int r = p.holiday_write(static_cast<unsigned char>(in[0].toInt()), &status, &h);
        return CommandRun{r, outputs({{"status", status}}) + ' ' + text(h)};
    };
    ops["holiday_read"] = [](QVCommProtocol& p, const QVariantList& in) {
        holiday_entry h;
        h.day = 77; // a read that fails leaves the caller's record alone
        int status = 99;
        const int r = p.holiday_read(static_cast<unsigned char>(in[0].toInt()), &status, &h);
        return CommandRun{r, outputs({{"status", status}}) + ' ' + text(h)};
    };
    return ops;
}

const QString kUntouched =
    "type=9 on=9:9 off=9:9 input=9 days=09 flags=09 pm=9 trailing=9,9,9,9,9,9,9";
} // namespace

class CalendarCommandsTest : public QObject {
    Q_OBJECT
    FakeDisplay fake{FakeDisplay::Link::Tcp, kAddress};

private slots:
    void commands_data() {
        addCommandColumns();
        const QVariantList entry = {1, 7, 30, 22, 0, 17, 0x1F, 0x45, 3, 23, 5, 17, 1, 2, 3, 4};
        auto with = [](QVariantList head, const QVariantList& tail) { return head + tail; };

        // Extended and advanced schedules.
        QTest::newRow("extended read")
            << "schedule_read_extended" << QVariantList{0, 3} << QByteArray("C22103")
            << replyB("C32103071E1600111F0503"
                      "01020304050607")
            << 0 << "type=0 on=7:30 off=22:0 input=17 days=1f flags=05 pm=3 trailing=1,2,3,4,5,6,7";
        QTest::newRow("advanced read, power-on event")
            << "schedule_read_extended" << QVariantList{12, 5} << QByteArray("C23D05")
            << replyB("C33D0501071E111F4503"
                      "170511010203"
                      "00")
            << 0
            << "type=1 on=7:30 off=24:60 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,9";
        QTest::newRow("advanced read, power-off event")
            << "schedule_read_extended" << QVariantList{12, 5} << QByteArray("C23D05")
            << replyB("C33D050216001100040000000000000000") << 0
            << "type=2 on=24:60 off=22:0 input=17 days=00 flags=04 pm=0 trailing=0,0,0,0,0,0,9";
        QTest::newRow("advanced read, unknown event type drops its time")
            << "schedule_read_extended" << QVariantList{12, 5} << QByteArray("C23D05")
            << replyB("C33D050316001100040000000000000000") << 0
            << "type=3 on=24:60 off=24:60 input=17 days=00 flags=04 pm=0 trailing=0,0,0,0,0,0,9";
        QTest::newRow("advanced read one character short")
            << "schedule_read_extended" << QVariantList{12, 5} << QByteArray("C23D05")
            << replyB("C33D05021600110004000000000000000") << -5002 << kUntouched;
        QTest::newRow("extended read, other program")
            << "schedule_read_extended" << QVariantList{0, 3} << QByteArray("C22103")
            << replyB("C32104071E1600111F050301020304050607") << -5000 << kUntouched;
        QTest::newRow("extended read, wrong code")
            << "schedule_read_extended" << QVariantList{0, 3} << QByteArray("C22103")
            << replyB("C33D03071E1600111F050301020304050607") << -5000 << kUntouched;
        QTest::newRow("extended read, reply type D before the length")
            << "schedule_read_extended" << QVariantList{0, 3} << QByteArray("C22103")
            << FakeDisplay::frame('D', "C321") << -5000 << kUntouched;
        QTest::newRow("extended read, null message")
            << "schedule_read_extended" << QVariantList{0, 3} << QByteArray("C22103")
            << replyB("BE") << -5007 << kUntouched;
        QTest::newRow("advanced write, power-on event sends only the on time")
            << "schedule_write_extended" << with({12, 5}, entry)
            << QByteArray("C23E0501071E111F4503170511010203")
            << replyB("C33E000501071E111F4503170511010203"
                      "00")
            << 0
            << "type=1 on=7:30 off=24:60 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("advanced write, power-off event sends only the off time")
            << "schedule_write_extended"
            << QVariantList{12, 5, 2, 7, 30, 22, 0, 17, 0x1F, 0x45, 3, 23, 5, 17, 1, 2, 3, 4}
            << QByteArray("C23E05021600111F4503170511010203")
            << replyB("C33E0005021600111F4503170511010203"
                      "00")
            << 0
            << "type=2 on=24:60 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("advanced write, rejected: echo still stored")
            << "schedule_write_extended" << with({12, 5}, entry)
            << QByteArray("C23E0501071E111F4503170511010203")
            << replyB("C33E010501080F111F4503170511010203"
                      "00")
            << -5008
            << "type=1 on=8:15 off=24:60 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("advanced write of another event type is not sent")
            << "schedule_write_extended"
            << QVariantList{12, 5, 0, 7, 30, 22, 0, 17, 0x1F, 0x45, 3, 23, 5, 17, 1, 2, 3, 4}
            << QByteArray() << replyB("C33E") << -5000
            << "type=0 on=7:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("extended write sends both times and seven trailing bytes")
            << "schedule_write_extended" << with({0, 2}, entry)
            << QByteArray("C22202071E1600111F450317051101020304")
            << replyB("C32200"
                      "02071E1600111F450317051101020304")
            << 0
            << "type=0 on=7:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("extended write reply one character short")
            << "schedule_write_extended" << with({0, 2}, entry)
            << QByteArray("C22202071E1600111F450317051101020304")
            << replyB("C32200"
                      "02071E1600111F45031705110102030")
            << -5002
            << "type=1 on=7:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";

        // Legacy and plain schedules.
        QTest::newRow("legacy read")
            << "schedule_read_legacy" << QVariantList{3} << QByteArray("C21303")
            << replyB("C31303071E1600011F05") << 0
            << "type=9 on=7:30 off=22:0 input=1 days=1f flags=05 pm=9 trailing=9,9,9,9,9,9,9";
        QTest::newRow("plain read with 20 characters")
            << "schedule_read" << QVariantList{3} << QByteArray("C21303")
            << replyB("C31303071E1600011F05") << -5002 << kUntouched;
        QTest::newRow("plain read with 22 characters fills the picture mode")
            << "schedule_read" << QVariantList{3} << QByteArray("C21303")
            << replyB("C31303071E1600011F0504") << 0
            << "type=9 on=7:30 off=22:0 input=1 days=1f flags=05 pm=4 trailing=9,9,9,9,9,9,9";
        QTest::newRow("plain read, other program")
            << "schedule_read" << QVariantList{3} << QByteArray("C21303")
            << replyB("C31302071E1600011F0504") << -5000 << kUntouched;
        QTest::newRow("legacy write")
            << "schedule_write_legacy" << with({1}, entry) << QByteArray("C21401071E1600111F45")
            << replyB("C3140001071E1600111F45") << 0
            << "type=1 on=7:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("plain write, 22 characters leave the picture mode")
            << "schedule_write" << with({1}, entry) << QByteArray("C21401071E1600111F4503")
            << replyB("C3140001081E1600111F45") << 0
            << "type=1 on=8:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("plain write, 24 characters carry the picture mode")
            << "schedule_write" << with({1}, entry) << QByteArray("C21401071E1600111F4503")
            << replyB("C3140001071E1600111F4506") << 0
            << "type=1 on=7:30 off=22:0 input=17 days=1f flags=45 pm=6 trailing=23,5,17,1,2,3,4";
        QTest::newRow("plain write rejected: echo still stored")
            << "schedule_write" << with({1}, entry) << QByteArray("C21401071E1600111F4503")
            << replyB("C3140101181E1600111F4506") << -5008
            << "type=1 on=24:30 off=22:0 input=17 days=1f flags=45 pm=6 trailing=23,5,17,1,2,3,4";
        QTest::newRow("plain write reply too short")
            << "schedule_write" << with({1}, entry) << QByteArray("C21401071E1600111F4503")
            << replyB("C3140001071E1600111F4") << -5002
            << "type=1 on=7:30 off=22:0 input=17 days=1f flags=45 pm=3 trailing=23,5,17,1,2,3,4";
        QTest::newRow("schedule enable, advanced")
            << "schedule_enable_write" << QVariantList{12, 5, 1} << QByteArray("C23F0501")
            << replyB("C33F000501") << 0 << "result=0 enable=1";
        QTest::newRow("schedule enable, basic; the result byte is data")
            << "schedule_enable_write" << QVariantList{0, 2, 0x100} << QByteArray("C2150200")
            << replyB("C315070200") << 0 << "result=7 enable=0";
        QTest::newRow("schedule enable, other program")
            << "schedule_enable_write" << QVariantList{0, 2, 1} << QByteArray("C2150201")
            << replyB("C315000301") << -5000 << "result=0 enable=1";
        QTest::newRow("schedule enable, 12 characters")
            << "schedule_enable_write" << QVariantList{0, 2, 1} << QByteArray("C2150201")
            << replyB("C31500020100") << -5002 << "result=99 enable=1";

        // Daylight saving, weekend, holidays.
        QTest::newRow("daylight saving write; the result byte is data")
            << "daylight_saving_write" << QVariantList{3, 2, 0, 2, 0, 10, 5, 0, 3, 0, 60}
            << QByteArray("CA010103020002000A050003003C") << replyB("CB010105") << 0
            << "result=5 rule=3,2,0,2,0,10,5,0,3,0,60";
        QTest::newRow("daylight saving write, wrong sub-command")
            << "daylight_saving_write" << QVariantList{3, 2, 0, 2, 0, 10, 5, 0, 3, 0, 60}
            << QByteArray("CA010103020002000A050003003C") << replyB("CB010005") << -5000
            << "result=0 rule=3,2,0,2,0,10,5,0,3,0,60";
        QTest::newRow("daylight saving read")
            << "daylight_saving_read" << QVariantList{} << QByteArray("CA0100")
            << replyB("CB010000"
                      "03020002000A050003003C")
            << 0 << "result=0 rule=3,2,0,2,0,10,5,0,3,0,60";
        QTest::newRow("daylight saving read, 28 characters")
            << "daylight_saving_read" << QVariantList{} << QByteArray("CA0100")
            << replyB("CB010000"
                      "03020002000A05000300")
            << -5002 << "result=0 rule=0,0,0,0,0,0,0,0,0,0,0";
        QTest::newRow("daylight saving switch read")
            << "daylight_saving_onoff_read" << QVariantList{} << QByteArray("CA0102")
            << replyB("CB01020001") << 0 << "result=0 on=1";
        QTest::newRow("daylight saving switch read, 8 characters clears both")
            << "daylight_saving_onoff_read" << QVariantList{} << QByteArray("CA0102")
            << replyB("CB010200") << -5002 << "result=0 on=0";
        QTest::newRow("daylight saving switch write")
            << "daylight_saving_onoff_write" << QVariantList{1} << QByteArray("CA010301")
            << replyB("CB010300") << 0 << "result=0";
        QTest::newRow("weekend write")
            << "weekend_write" << QVariantList{0x60} << QByteArray("CA1A0160")
            << replyB("CB1A010260") << 0 << "status=2 bits=60";
        QTest::newRow("weekend write, 8 characters: the outputs stay as they were")
            << "weekend_write" << QVariantList{0x60} << QByteArray("CA1A0160") << replyB("CB1A0102")
            << -5002 << "status=99 bits=60";
        QTest::newRow("weekend read") << "weekend_read" << QVariantList{} << QByteArray("CA1A00")
                                      << replyB("CB1A0041") << 0 << "status=0 bits=41";
        QTest::newRow("weekend read, 10 characters")
            << "weekend_read" << QVariantList{} << QByteArray("CA1A00") << replyB("CB1A004100")
            << -5002 << "status=99 bits=7f";
        QTest::newRow("holiday by day")
            << "holiday_write" << QVariantList{2, 0x02, 26, 12, 25, 1, 2, 3, 4}
            << QByteArray("CA190102021A0C19") << replyB("CB19010002021A0C1900000000") << 0
            << "status=0 n=2 type=2 date=26-12-25 week=0/0 end=0-0";
        QTest::newRow("holiday period")
            << "holiday_write" << QVariantList{2, 0x03, 26, 12, 24, 1, 2, 12, 31}
            << QByteArray("CA190102031A0C1800000C1F") << replyB("CB19010002031A0C1800000C1F") << 0
            << "status=0 n=2 type=3 date=26-12-24 week=0/0 end=12-31";
        QTest::newRow("holiday by week of month")
            << "holiday_write" << QVariantList{4, 0x04, 26, 5, 0, 2, 1, 0, 0}
            << QByteArray("CA190104041A05000201") << replyB("CB19010004041A05000201000000") << 0
            << "status=0 n=4 type=4 date=26-5-0 week=2/1 end=0-0";
        QTest::newRow("holiday with both groups: the writer sends both")
            << "holiday_write" << QVariantList{4, 0x06, 26, 5, 9, 2, 1, 0, 0}
            << QByteArray("CA190104061A0509000201") << replyB("CB19010004061A05090000000000") << 0
            << "status=0 n=4 type=6 date=26-5-9 week=0/0 end=0-0";
        QTest::newRow("holiday write rejected: status stays 0, record stored")
            << "holiday_write" << QVariantList{2, 0x02, 26, 12, 25, 0, 0, 0, 0}
            << QByteArray("CA190102021A0C19") << replyB("CB19010102021A0C1900000000") << -5008
            << "status=0 n=2 type=2 date=26-12-25 week=0/0 end=0-0";
        QTest::newRow("holiday write, 24 characters")
            << "holiday_write" << QVariantList{2, 0x02, 26, 12, 25, 0, 0, 0, 0}
            << QByteArray("CA190102021A0C19") << replyB("CB19010002021A0C19000000") << -5002
            << "status=0 n=0 type=2 date=26-12-25 week=0/0 end=0-0";
        QTest::newRow("holiday read") << "holiday_read" << QVariantList{3} << QByteArray("CA190003")
                                      << replyB("CB190003021A0C1900000000") << 0
                                      << "status=0 n=3 type=2 date=26-12-25 week=0/0 end=0-0";
        QTest::newRow("holiday read, other number leaves the record")
            << "holiday_read" << QVariantList{3} << QByteArray("CA190003")
            << replyB("CB190004021A0C1900000000") << -5000
            << "status=0 n=0 type=0 date=0-0-77 week=0/0 end=0-0";
        QTest::newRow("holiday read, wrong sub-command")
            << "holiday_read" << QVariantList{3} << QByteArray("CA190003")
            << replyB("CB190103021A0C1900000000") << -5000
            << "status=0 n=0 type=0 date=0-0-77 week=0/0 end=0-0";
        QTest::newRow("holiday read, 22 characters")
            << "holiday_read" << QVariantList{3} << QByteArray("CA190003")
            << replyB("CB190003021A0C19000000") << -5002
            << "status=0 n=0 type=0 date=0-0-77 week=0/0 end=0-0";
    }
    void commands() { runCommandRow(fake, calendarOps()); }

    // The title lines name the program and the dialect.
    void titles() {
        fake.setHandler(answering(replyB("C315000501")));
        ProtocolProbe p;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.comments.clear();
        int enable = 1;
        unsigned char result = 0;
        QCOMPARE(p.schedule_enable_write(0, 5, &enable, &result), 0);
        QCOMPARE(
            p.comments.first(),
            qMakePair(int(QVCommProtocol::CommentTitle),
                      QStringLiteral("Schedule Enable Write command Program No.=5, enable=1")));
        unsigned char bits = 0x41;
        int status = 0;
        p.comments.clear();
        p.weekend_read(&bits, &status);
        QCOMPARE(p.comments.first().second, QStringLiteral("Weekend Read 65"));
    }
};

QTEST_GUILESS_MAIN(CalendarCommandsTest)
#include "tst_calendar_commands.moc"
