// The basic commands for one display: power, mode change, parameters by op code, settings,
// timing, identity texts, self-diagnosis, IR codes and the clock.

#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"
#include "sleep.h"

using namespace ResultCode;

namespace {
// The display answers these only once the work is done.
constexpr int SlowReplyTimeoutMs = 6000;
constexpr int ParameterReplyLength = 16;
// The power mode's code after the power command and in the power status reply.
constexpr unsigned char PowerControlSubCode = 0xD6;
// The commands whose code is two digits.
constexpr unsigned char SaveSettingsCode = 0x0C;
constexpr unsigned char TimingReportCode = 0x07;
constexpr unsigned char SelfDiagnosisCode = 0xB1;

// Lower-case hexadecimal digits, zero-filled to the width (wider values keep every digit).
QString hex(int value, int width) {
    return QString::number(unsigned(value), 16).rightJustified(width, QLatin1Char('0'));
}
} // namespace

void QVCommProtocol::delay(int ms) {
    if (pause_clock)
        pause_clock(ms);
    else
        sleepMs(ms);
}

void QVCommProtocol::put_code(unsigned short code, int digits) {
    if (digits > 2)
        send_buffer.append(byte_to_hex2(static_cast<unsigned char>(code >> 8)));
    send_buffer.append(byte_to_hex2(static_cast<unsigned char>(code)));
}

void QVCommProtocol::end_at_line_feed(char* text, int capacity) {
    for (int i = 0; i < capacity && text[i] != '\0'; ++i)
        if (text[i] == '\n')
            text[i] = '\0';
}

int QVCommProtocol::mode_change_request(unsigned char& mode) {
    log.field(QStringLiteral("Mode Change Request Mode=%1").arg(hex(mode, 4)));
    begin_message('A');
    put_code(CommandCode::ModeChange);
    put_hex2(mode);
    const int result = send_and_receive(ReplyTimeoutMs, SendFailure::Ignored);
    if (result != 0)
        return result;
    if (reply_length() < 8)
        return ReplyTooShort;
    if (!reply_type_is('B'))
        return IncorrectReply;
    const unsigned char requested = mode;
    const unsigned char status = read_hex2();
    read_hex4();
    mode = read_hex2();
    log.field(QStringLiteral("Mode Change Request reply Mode=%1").arg(hex(mode, 4)));
    // The display took the command only when it says so and now is in the mode asked for;
    // otherwise `mode` is the mode it stays in.
    return status != 0 || mode != requested ? ReplyError : 0;
}

int QVCommProtocol::power_control(unsigned char& mode) {
    return repeatable(RetriedOperation::PowerControl, [&]() -> int {
        log.title(QStringLiteral("Power Control command Mode=%1").arg(mode));
        begin_message('A');
        put_code(CommandCode::PowerControl);
        put_code(PowerControlSubCode, 2);
        put_hex4(mode);
        const int result = send_and_receive(SlowReplyTimeoutMs, SendFailure::Ignored);
        if (result != 0)
            return result;
        if (reply_length() < 12)
            return ReplyTooShort;
        if (!reply_type_is('B'))
            return IncorrectReply;
        const unsigned char status = read_hex2();
        log.field(QStringLiteral("Power Control command reply Result Code=%1").arg(status));
        if (!expect_hex4(CommandCode::PowerControl) || !expect_hex2(PowerControlSubCode))
            return IncorrectReply;
        mode = static_cast<unsigned char>(read_hex4());
        log.field(
            QStringLiteral("Power Control command reply Result Power Mode=%1").arg(hex(mode, 4)));
        return status != 0 ? ReplyError : 0;
    });
}

int QVCommProtocol::power_status_read(unsigned char& mode) {
    return repeatable(RetriedOperation::PowerStatusRead, [&]() -> int {
        mode = 0;
        log.title(QStringLiteral("Power Status Read command"));
        begin_message('A');
        put_code(CommandCode::PowerStatusRead);
        const int result = send_and_receive(ReplyTimeoutMs, SendFailure::Ignored);
        if (result != 0)
            return result;
        if (reply_length() < 16)
            return ReplyTooShort;
        if (!reply_type_is('B'))
            return IncorrectReply;
        read_hex2();
        const unsigned char status = read_hex2();
        log.field(QStringLiteral("Power status read command reply Result Code=%1").arg(status));
        if (!expect_hex2(PowerControlSubCode) || !expect_hex2(0x00))
            return IncorrectReply;
        read_hex4();
        mode = static_cast<unsigned char>(read_hex4());
        log.field(QStringLiteral("Power status read command reply Result Power Mode=%1")
                      .arg(hex(mode, 4)));
        return status != 0 ? ReplyError : 0;
    });
}

int QVCommProtocol::save_current_settings() {
    return repeatable(RetriedOperation::SaveCurrentSettings, [&]() -> int {
        log.title(QStringLiteral("Save Current Settings command"));
        begin_message('A');
        put_code(SaveSettingsCode, 2);
        const int result = send_and_receive(SlowReplyTimeoutMs);
        if (result != 0)
            return result;
        if (reply_length() < 4)
            return ReplyTooShort;
        read_hex2();
        return expect_hex2(0x0C) ? 0 : IncorrectReply;
    });
}

int QVCommProtocol::get_timing_report(unsigned char& status, float& horizontal_khz,
                                      float& vertical_hz) {
    return repeatable(RetriedOperation::GetTimingReport, [&]() -> int {
        status = 0;
        horizontal_khz = 0;
        vertical_hz = 0;
        log.title(QStringLiteral("Get Timing Report command"));
        begin_message('A');
        put_code(TimingReportCode, 2);
        const int result = send_and_receive(ReplyTimeoutMs);
        if (result != 0)
            return result;
        if (reply_length() < 12)
            return ReplyTooShort;
        if (!expect_hex2(0x4E))
            return IncorrectReply;
        status = read_hex2();
        // Both frequencies travel in hundredths of their unit.
        horizontal_khz = read_hex4() / 100.0f;
        vertical_hz = read_hex4() / 100.0f;
        return 0;
    });
}

int QVCommProtocol::send_ir_remote_code(unsigned short code, unsigned char repeat) {
    log.title(QStringLiteral("Send IR Remote Control Code command code=%1h, repeat=%2")
                  .arg(hex(code & 0xFF, 2))
                  .arg(repeat));
    begin_message('A');
    put_code(CommandCode::IrRemoteCode);
    put_hex4(code);
    put_hex2(repeat);
    const int result = send_and_receive(ReplyTimeoutMs);
    if (result != 0)
        return result;
    // Two reply forms are in use: "C310" and the code, or a result field, "C210" and the code.
    bool known = false;
    if (reply_length() == 8) {
        known = expect_reply(CommandCode::IrRemoteCode);
    } else if (reply_length() == 12) {
        read_hex2();
        known = expect_hex4(CommandCode::IrRemoteCode);
    } else {
        return ReplyTooShort;
    }
    return known && expect_hex4(code) ? 0 : IncorrectReply;
}

int QVCommProtocol::set_vcp(unsigned int opcode, unsigned int& value, unsigned int& max,
                            unsigned char& result, unsigned char& type) {
    return set_parameter(static_cast<unsigned char>(opcode >> 8),
                         static_cast<unsigned char>(opcode), value, max, result, type);
}

int QVCommProtocol::set_parameter(unsigned char page, unsigned char code, unsigned int& value,
                                  unsigned int& max, unsigned char& result, unsigned char& type) {
    return repeatable(RetriedOperation::SetParameter, [&]() -> int {
        max = 0;
        result = 0;
        type = 0;
        // The field is 16 bits wide: a larger value would silently become another one.
        if (value > OpCode::FieldMax)
            return TooManyValues;
        log.title(QStringLiteral("Set Parameter command OP Code Page=%1h, OP Code=%2h, Value=%3")
                      .arg(hex(page, 2), hex(code, 2))
                      .arg(value));
        log.opcode(page, code);
        begin_message('E');
        put_hex2(page);
        put_hex2(code);
        put_hex4(static_cast<unsigned short>(value));
        const int sent = send_and_receive(SlowReplyTimeoutMs);
        if (sent != 0)
            return sent;
        return parameter_reply(page, code, value, max, result, type);
    });
}

int QVCommProtocol::get_vcp(unsigned int opcode, unsigned int& current, unsigned int& max,
                            unsigned char& result, unsigned char& type) {
    return get_parameter(static_cast<unsigned char>(opcode >> 8),
                         static_cast<unsigned char>(opcode), current, max, result, type);
}

int QVCommProtocol::get_parameter(unsigned char page, unsigned char code, unsigned int& current,
                                  unsigned int& max, unsigned char& result, unsigned char& type) {
    return repeatable(RetriedOperation::GetParameter, [&]() -> int {
        current = 0;
        max = 0;
        result = 0;
        type = 0;
        log.title(QStringLiteral("Get Parameter command OP Code Page=%1h, OP Code=%2h")
                      .arg(hex(page, 2), hex(code, 2)));
        log.opcode(page, code);
        begin_message('C');
        put_hex2(page);
        put_hex2(code);
        const int sent = send_and_receive(ReplyTimeoutMs);
        if (sent != 0)
            return sent;
        return parameter_reply(page, code, current, max, result, type);
    });
}

// The result field is handed to the caller unexamined: it reports an unsupported op code.
int QVCommProtocol::parameter_reply(unsigned char page, unsigned char code, unsigned int& current,
                                    unsigned int& max, unsigned char& result, unsigned char& type) {
    if (reply_length() < ParameterReplyLength)
        return ReplyTooShort;
    if (!reply_type_is('D') && !reply_type_is('F'))
        return IncorrectReply;
    result = read_hex2("result code");
    const unsigned char echoed_page = read_hex2("opcode page");
    const unsigned char echoed_code = read_hex2("opcode");
    // A reply about another op code is a stale one: its values belong to another control.
    if (echoed_page != page || echoed_code != code)
        return IncorrectReply;
    type = read_hex2("type");
    max = read_hex4("max value");
    current = read_hex4("current value");
    return 0;
}

int QVCommProtocol::serial_number_read(char* text, int capacity) {
    return repeatable(RetriedOperation::SerialNumberRead, [&]() -> int {
        return text_read("Serial No. Read Control command", CommandCode::SerialNumberRead, text,
                         capacity);
    });
}

int QVCommProtocol::model_name_read(char* text, int capacity) {
    return repeatable(RetriedOperation::ModelNameRead, [&]() -> int {
        return text_read("Model Name read command", CommandCode::ModelNameRead, text, capacity);
    });
}

int QVCommProtocol::text_read(const char* title, unsigned short command, char* text, int capacity) {
    clear_text(text, capacity);
    log.title(QString::fromLatin1(title));
    begin_message('A');
    put_code(command);
    const int result = send_and_receive(ReplyTimeoutMs);
    if (result != 0)
        return result;
    if (reply_length() < 4)
        return ReplyTooShort;
    if (!expect_reply(command))
        return IncorrectReply;
    read_hex_text(text, capacity);
    end_at_line_feed(text, capacity);
    return 0;
}

int QVCommProtocol::self_diagnosis_status_read(unsigned char* codes, int& count) {
    const int capacity = count;
    return repeatable(RetriedOperation::SelfDiagnosisStatusRead, [&]() -> int {
        count = 0;
        if (capacity > 0)
            codes[0] = 0;
        log.title(QStringLiteral("Self-diagnosis Status Read command"));
        begin_message('A');
        put_code(SelfDiagnosisCode, 2);
        const int result = send_and_receive(ReplyTimeoutMs);
        if (result != 0)
            return result;
        if (!reply_type_is('B'))
            return IncorrectReply;
        if (reply_length() < 2)
            return ReplyTooShort;
        if (!expect_hex2(0xA1))
            return IncorrectReply;
        for (int position = 1; reply_length() >= 2; ++position) {
            const unsigned char code = read_hex2();
            log.field(QStringLiteral("Self-diagnosis Status Read command code #%1=%2h")
                          .arg(position)
                          .arg(hex(code, 2)));
            if (count < capacity - 1)
                codes[count++] = code;
        }
        if (capacity > 0)
            codes[count] = 0;
        return 0;
    });
}

void QVCommProtocol::append_clock(const date_time_record& when) {
    put_hex2(static_cast<unsigned char>(when.year));
    put_hex2(when.month);
    put_hex2(when.day);
    put_hex2(when.weekday);
    put_hex2(when.hour);
    put_hex2(when.minute);
    put_hex2(when.daylight_saving ? 1 : 0);
}

void QVCommProtocol::read_clock(date_time_record& when) {
    when.year = read_hex2("year");
    when.month = read_hex2("month");
    when.day = read_hex2("day");
    when.weekday = read_hex2("weekday");
    when.hour = read_hex2("hour");
    when.minute = read_hex2("minute");
    when.daylight_saving = read_hex2("daylight savings") != 0;
}

int QVCommProtocol::date_time_read(date_time_record& when) {
    return repeatable(RetriedOperation::DateTimeRead, [&]() -> int {
        const int reserved = when.reserved;
        when = date_time_record();
        when.reserved = reserved;
        log.title(QStringLiteral("Date & Time Read command"));
        begin_message('A');
        put_code(CommandCode::DateTimeRead);
        const int result = send_and_receive(ReplyTimeoutMs);
        if (result != 0)
            return result;
        if (!reply_type_is('B'))
            return IncorrectReply;
        if (reply_length() < 18)
            return ReplyTooShort;
        if (!expect_reply(CommandCode::DateTimeRead))
            return IncorrectReply;
        read_clock(when);
        return 0;
    });
}

int QVCommProtocol::date_time_write(date_time_record& when) {
    // A failed try may have written part of the reply back: each try sends the caller's clock.
    const date_time_record wanted = when;
    return repeatable(RetriedOperation::DateTimeWrite, [&]() -> int {
        when = wanted;
        log.title(QStringLiteral("Date & Time Write command"));
        begin_message('A');
        put_code(CommandCode::DateTimeWrite);
        append_clock(when);
        const int result = send_and_receive(ReplyTimeoutMs);
        if (result != 0)
            return result;
        if (!reply_type_is('B'))
            return IncorrectReply;
        if (reply_length() < 20)
            return ReplyTooShort;
        if (!expect_reply(CommandCode::DateTimeWrite))
            return IncorrectReply;
        const unsigned char status = read_hex2("result code");
        read_clock(when);
        return status != 0 ? ReplyError : 0;
    });
}

int QVCommProtocol::firmware_version_read(unsigned char index, char* text, int capacity) {
    return repeatable(RetriedOperation::FirmwareVersionRead, [&]() -> int {
        clear_text(text, capacity);
        log.title(QStringLiteral("Firmware Version command"));
        begin_message('A');
        put_code(CommandCode::FirmwareVersion);
        put_hex2(index);
        const int result = send_and_receive(ReplyTimeoutMs);
        if (result != 0)
            return result;
        if (reply_length() < 8)
            return ReplyTooShort;
        if (!expect_reply(CommandCode::FirmwareVersion))
            return IncorrectReply;
        const unsigned char status = read_hex2("result code");
        read_hex2();
        // The version text travels as it is, not hex-encoded.
        read_plain_text(text, capacity);
        end_at_line_feed(text, capacity);
        return status != 0 ? ReplyError : 0;
    });
}
