#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

namespace {
bool isAdvanced(int kind) {
    return kind == QVCommProtocol::AdvancedScheduleKind;
}

QString programTitle(const char* text, int program) {
    return QString::fromLatin1(text).arg(program);
}
} // namespace

int QVCommProtocol::schedule_read_extended(int kind, int program, schedule_entry* e) {
    return repeatable(RetriedOperation::ScheduleReadExtended, [&]() -> int {
        const unsigned short code = isAdvanced(kind) ? CommandCode::AdvancedScheduleRead
                                                     : CommandCode::ExtendedScheduleRead;
        begin_command(programTitle("Schedule Read command (G/H/J series) Program No.=%1", program),
                      code);
        put_hex2(static_cast<unsigned char>(program));
        const int result = exchange(BodyLength::atLeast(0), true);
        return result != 0 ? result : parse_schedule_record(code, program, e);
    });
}

int QVCommProtocol::schedule_write_extended(int kind, int program, schedule_entry* e) {
    // A failed try may have stored the display's echo: each try sends the caller's entry.
    const schedule_entry wanted = *e;
    return repeatable(RetriedOperation::ScheduleWriteExtended, [&]() -> int {
        *e = wanted;
        const bool advanced = isAdvanced(kind);
        const unsigned short code =
            advanced ? CommandCode::AdvancedScheduleWrite : CommandCode::ExtendedScheduleWrite;
        begin_command(programTitle("Schedule Write command (G/H/J series) Program No.=%1", program),
                      code);
        put_hex2(static_cast<unsigned char>(program));
        // An advanced event carries only the time of its type: on for 1, off for 2.
        if (advanced) {
            if (e->type != 1 && e->type != 2)
                return ResultCode::IncorrectReply;
            put_hex2(e->type);
            put_hex2(static_cast<unsigned char>(e->type == 1 ? e->on_hour : e->off_hour));
            put_hex2(e->type == 1 ? e->on_minute : e->off_minute);
        } else {
            put_hex2(static_cast<unsigned char>(e->on_hour));
            put_hex2(e->on_minute);
            put_hex2(static_cast<unsigned char>(e->off_hour));
            put_hex2(e->off_minute);
        }
        for (unsigned char field : {e->input, e->weekdays, e->flags, e->picture_mode})
            put_hex2(field);
        const int trailing =
            advanced ? schedule_entry::TrailingBytes - 1 : schedule_entry::TrailingBytes;
        for (int i = 0; i < trailing; ++i)
            put_hex2(e->trailing(i));
        const int result = exchange(BodyLength::atLeast(0), true);
        return result != 0 ? result : parse_schedule_record(code, program, e);
    });
}

int QVCommProtocol::parse_schedule_record(int request_code, int program, schedule_entry* e) {
    const bool advanced = request_code == CommandCode::AdvancedScheduleRead ||
                          request_code == CommandCode::AdvancedScheduleWrite;
    const bool write = request_code == CommandCode::AdvancedScheduleWrite ||
                       request_code == CommandCode::ExtendedScheduleWrite;
    // An advanced read needs 34 characters, the extended dialect and a write's result byte 2 each.
    const int minimum = 34 + (advanced ? 0 : 2) + (write ? 2 : 0);
    if (reply_body.size() < minimum)
        return ResultCode::ReplyTooShort;
    if (!expect_reply(static_cast<unsigned short>(request_code)))
        return ResultCode::IncorrectReply;
    int result = 0;
    if (write && read_hex2() != 0)
        result = ResultCode::ReplyError;
    if (!expect_hex2(static_cast<unsigned char>(program)))
        return ResultCode::IncorrectReply;
    if (advanced) {
        e->on_hour = 24;
        e->on_minute = 60;
        e->off_hour = 24;
        e->off_minute = 60;
        e->type = read_hex2();
        if (e->type == 1) {
            e->on_hour = read_hex2();
            e->on_minute = read_hex2();
        } else if (e->type == 2) {
            e->off_hour = read_hex2();
            e->off_minute = read_hex2();
        } else {
            read_hex2();
            read_hex2();
        }
    } else {
        e->on_hour = read_hex2();
        e->on_minute = read_hex2();
        e->off_hour = read_hex2();
        e->off_minute = read_hex2();
        e->type = 0;
    }
    e->input = read_hex2();
    e->weekdays = read_hex2();
    e->flags = read_hex2();
    e->picture_mode = read_hex2();
    const int trailing =
        advanced ? schedule_entry::TrailingBytes - 1 : schedule_entry::TrailingBytes;
    for (int i = 0; i < trailing; ++i)
        e->trailing(i) = read_hex2();
    return result;
}

// The plain and legacy dialects: on time, off time, input, weekdays, flags and, in the plain
// one, the picture mode.
int QVCommProtocol::schedule_read_plain(const char* title, int program, schedule_entry* e,
                                        bool picture_mode) {
    begin_command(programTitle(title, program), CommandCode::ScheduleRead);
    put_hex2(static_cast<unsigned char>(program));
    const int result = exchange(BodyLength::atLeast(picture_mode ? 22 : 20), true);
    if (result != 0)
        return result;
    if (!expect_reply(CommandCode::ScheduleRead) ||
        !expect_hex2(static_cast<unsigned char>(program)))
        return ResultCode::IncorrectReply;
    read_plain_schedule_fields(e);
    if (picture_mode)
        e->picture_mode = read_hex2();
    return 0;
}

int QVCommProtocol::schedule_write_plain(const char* title, int program, schedule_entry* e,
                                         bool picture_mode) {
    begin_command(programTitle(title, program), CommandCode::ScheduleWrite);
    put_hex2(static_cast<unsigned char>(program));
    for (unsigned char field :
         {static_cast<unsigned char>(e->on_hour), e->on_minute,
          static_cast<unsigned char>(e->off_hour), e->off_minute, e->input, e->weekdays, e->flags})
        put_hex2(field);
    if (picture_mode)
        put_hex2(e->picture_mode);
    int result = exchange(BodyLength::atLeast(22), true);
    if (result != 0)
        return result;
    if (!expect_reply(CommandCode::ScheduleWrite))
        return ResultCode::IncorrectReply;
    if (read_hex2() != 0)
        result = ResultCode::ReplyError;
    if (!expect_hex2(static_cast<unsigned char>(program)))
        return ResultCode::IncorrectReply;
    read_plain_schedule_fields(e);
    if (picture_mode && reply_body.size() >= 2)
        e->picture_mode = read_hex2();
    return result;
}

void QVCommProtocol::read_plain_schedule_fields(schedule_entry* e) {
    e->on_hour = read_hex2();
    e->on_minute = read_hex2();
    e->off_hour = read_hex2();
    e->off_minute = read_hex2();
    e->input = read_hex2();
    e->weekdays = read_hex2();
    e->flags = read_hex2();
}

int QVCommProtocol::schedule_read_legacy(int program, schedule_entry* e) {
    return schedule_read_plain("Schedule Read command (legacy) Program No.=%1", program, e, false);
}

int QVCommProtocol::schedule_read(int program, schedule_entry* e) {
    return schedule_read_plain("Schedule Read command Program No.=%1", program, e, true);
}

int QVCommProtocol::schedule_write_legacy(int program, schedule_entry* e) {
    return schedule_write_plain("Schedule Write command (legacy) Program No.=%1", program, e,
                                false);
}

int QVCommProtocol::schedule_write(int program, schedule_entry* e) {
    return schedule_write_plain("Schedule Write command Program No.=%1", program, e, true);
}

int QVCommProtocol::schedule_enable_write(int kind, int program, int* enable,
                                          unsigned char* result) {
    const int wanted = *enable;
    return repeatable(RetriedOperation::ScheduleEnableWrite, [&]() -> int {
        *enable = wanted;
        const unsigned short code =
            isAdvanced(kind) ? CommandCode::AdvancedScheduleEnable : CommandCode::ScheduleEnable;
        begin_command(QStringLiteral("Schedule Enable Write command Program No.=%1, enable=%2")
                          .arg(program)
                          .arg(*enable),
                      code);
        put_hex2(static_cast<unsigned char>(program));
        put_hex2(static_cast<unsigned char>(*enable));
        const int status = exchange(BodyLength::exactly(10), true);
        if (status != 0)
            return status;
        if (!expect_reply(code))
            return ResultCode::IncorrectReply;
        *result = read_hex2();
        if (!expect_hex2(static_cast<unsigned char>(program)))
            return ResultCode::IncorrectReply;
        *enable = read_hex2();
        return 0;
    });
}

// Daylight saving: sub-command 00 reads the rule, 01 writes it, 02 reads the switch and 03
// writes it. The result byte is data.
int QVCommProtocol::daylight_saving_write(daylight_saving_rule* rule, int* result) {
    QList<unsigned char> fields = {0x01};
    for (auto field : daylight_saving_rule::wireOrder())
        fields << rule->*field;
    return one_byte_command(QStringLiteral("Daylight Saving Write command"),
                            CommandCode::DaylightSaving, fields, BodyLength::exactly(8), result);
}

int QVCommProtocol::daylight_saving_read(daylight_saving_rule* rule, int* result) {
    const int status =
        one_byte_command(QStringLiteral("Daylight Saving Read command"),
                         CommandCode::DaylightSaving, {0x00}, BodyLength::exactly(30), result);
    if (status == 0) {
        for (auto field : daylight_saving_rule::wireOrder())
            rule->*field = read_hex2();
    }
    return status;
}

int QVCommProtocol::daylight_saving_onoff_read(unsigned char* on, int* result) {
    *on = 0;
    const int status =
        one_byte_command(QStringLiteral("Daylight Saving OnOff Read command"),
                         CommandCode::DaylightSaving, {0x02}, BodyLength::exactly(10), result);
    if (status == 0)
        *on = read_hex2();
    return status;
}

int QVCommProtocol::daylight_saving_onoff_write(unsigned char on, int* result) {
    return one_byte_command(QStringLiteral("Daylight Saving OnOff Write command"),
                            CommandCode::DaylightSaving, {0x03, on}, BodyLength::exactly(8),
                            result);
}

int QVCommProtocol::weekend_write(unsigned char* bits, int* status) {
    const int result = one_byte_command(
        QStringLiteral("Weekend Write %1").arg(*bits), CommandCode::Weekend, {0x01, *bits},
        BodyLength::exactly(10), status, "status", "", OnFailure::Kept);
    if (result == 0)
        *bits = read_hex2("weekend_bitfield");
    return result;
}

// The reply carries the bit set and no status byte.
int QVCommProtocol::weekend_read(unsigned char* bits, int* status) {
    const int result =
        one_byte_command(QStringLiteral("Weekend Read %1").arg(*bits), CommandCode::Weekend, {0x00},
                         BodyLength::exactly(8), bits, "weekend_bitfield", "", OnFailure::Kept);
    if (result == 0)
        *status = 0;
    return result;
}

int QVCommProtocol::holiday_write(unsigned char number, int* status, holiday_entry* h) {
    *status = 0;
    begin_command(QStringLiteral("Holiday Write command"), CommandCode::Holiday);
    put_hex2(0x01);
    put_hex2(number);
    put_hex2(h->type);
    put_hex2(static_cast<unsigned char>(h->year));
    put_hex2(h->month);
    if (h->type & 0x02)
        put_hex2(h->day);
    if (h->type & 0x04) {
        for (unsigned char field : {static_cast<unsigned char>(0), h->weekofmonth, h->dayofweek})
            put_hex2(field);
    }
    if (h->type & 0x01) {
        for (unsigned char field : {static_cast<unsigned char>(0), static_cast<unsigned char>(0),
                                    h->end_month, h->end_day})
            put_hex2(field);
    }
    const int result = exchange(BodyLength::atLeast(0));
    return result != 0 ? result : parse_holiday_record(1, number, h);
}

int QVCommProtocol::holiday_read(unsigned char number, int* status, holiday_entry* h) {
    *status = 0;
    begin_command(QStringLiteral("Holiday Read command"), CommandCode::Holiday);
    put_hex2(0x00);
    put_hex2(number);
    const int result = exchange(BodyLength::atLeast(0));
    return result != 0 ? result : parse_holiday_record(0, number, h);
}

int QVCommProtocol::parse_holiday_record(int op, int number, holiday_entry* out) {
    if (reply_body.size() < (op == 0 ? 24 : 26))
        return ResultCode::ReplyTooShort;
    if (!expect_reply(CommandCode::Holiday, static_cast<unsigned char>(op)))
        return ResultCode::IncorrectReply;
    int result = 0;
    if (op == 1 && read_hex2("status") != 0)
        result = ResultCode::ReplyError;
    holiday_entry h;
    h.holiday_number = read_hex2("holiday_number");
    if (h.holiday_number != static_cast<unsigned char>(number))
        return ResultCode::IncorrectReply;
    h.type = read_hex2("type");
    h.year = read_hex2("year");
    h.month = read_hex2("month");
    if (h.type & 0x02) {
        h.day = read_hex2("day");
        if (h.type & 0x01) {
            read_hex2("undefined");
            read_hex2("undefined");
            h.end_month = read_hex2("end_month");
            h.end_day = read_hex2("end_day");
        }
    } else if (h.type & 0x04) {
        read_hex2("undefined");
        h.weekofmonth = read_hex2("weekofmonth");
        h.dayofweek = read_hex2("dayofweek");
    }
    *out = h;
    return result;
}
