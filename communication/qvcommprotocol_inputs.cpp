#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

int QVCommProtocol::input_name_reset(int* result) {
    return one_byte_command(QStringLiteral("Input Name Reset command"), CommandCode::InputName,
                            {0x02}, BodyLength::exactly(8), result);
}

int QVCommProtocol::input_name_read(char* name, int capacity) {
    clear_text(name, capacity);
    begin_command(QStringLiteral("Input Name Read command"), CommandCode::InputName);
    put_hex2(0x00);
    const int result = exchange(BodyLength::atLeast(6));
    if (result != 0)
        return result;
    if (!expect_reply(CommandCode::InputName, 0x00))
        return ResultCode::IncorrectReply;
    read_hex_text(name, capacity);
    return 0;
}

int QVCommProtocol::input_name_write(const char* name, int* result) {
    *result = 0;
    begin_command(QStringLiteral("Input Name Write command"), CommandCode::InputName);
    put_hex2(0x01);
    return name_write_reply(name, 0x01, result);
}

int QVCommProtocol::terminal_input_name_reset(unsigned char terminal, int* result) {
    return one_byte_command(QStringLiteral("Input Name Of Designated Terminal Reset command"),
                            CommandCode::InputName, {0x05, terminal}, BodyLength::exactly(8),
                            result);
}

int QVCommProtocol::terminal_input_name_read(unsigned char terminal, char* name, int capacity,
                                             int* result) {
    clear_text(name, capacity);
    begin_command(QStringLiteral("Input Name Of Designated Terminal Read command"),
                  CommandCode::InputName);
    put_hex2(0x03);
    put_hex2(terminal);
    const int status = exchange(BodyLength::atLeast(10));
    if (status != 0)
        return status;
    if (!expect_reply(CommandCode::InputName, 0x03))
        return ResultCode::IncorrectReply;
    *result = read_hex2();
    if (!expect_hex2(terminal))
        return ResultCode::IncorrectReply;
    read_hex_text(name, capacity);
    return *result != 0 ? ResultCode::ReplyError : 0;
}

int QVCommProtocol::terminal_input_name_write(unsigned char terminal, const char* name,
                                              int* result) {
    *result = 0;
    begin_command(QStringLiteral("Input Name Of Designated Terminal Write command"),
                  CommandCode::InputName);
    put_hex2(0x04);
    put_hex2(terminal);
    return name_write_reply(name, 0x04, result);
}

// At most the first fourteen characters go out, two hexadecimal digits each, and only when
// they are printable Latin-1.
int QVCommProtocol::name_write_reply(const char* name, unsigned char sub_command, int* result) {
    const int length = static_cast<int>(qstrnlen(name, InputNameLength));
    if (!is_printable_latin1(name, length))
        return ResultCode::TooManyValues;
    for (int i = 0; i < length; ++i)
        put_hex2(static_cast<unsigned char>(name[i]));
    const int status = exchange(BodyLength::exactly(8));
    if (status != 0)
        return status;
    if (!expect_reply(CommandCode::InputName, sub_command))
        return ResultCode::IncorrectReply;
    *result = read_hex2();
    return 0;
}

int QVCommProtocol::power_save_mode_read(unsigned char* mode) {
    return repeatable(RetriedOperation::PowerSaveModeRead, [&]() -> int {
        return one_byte_command(QStringLiteral("Power Save Mode Read command"),
                                CommandCode::PowerSave, {0x00}, BodyLength::atLeast(8), mode);
    });
}

int QVCommProtocol::power_save_mode_write(unsigned char mode, int* result) {
    return repeatable(RetriedOperation::PowerSaveModeWrite, [&]() -> int {
        return one_byte_command(QStringLiteral("Power Save Mode Write command"),
                                CommandCode::PowerSave, {0x01, mode}, BodyLength::atLeast(8),
                                result);
    });
}

int QVCommProtocol::power_save_time_read(unsigned char* time) {
    return repeatable(RetriedOperation::PowerSaveTimeRead, [&]() -> int {
        return one_byte_command(QStringLiteral("Power Save Time Read command"),
                                CommandCode::PowerSave, {0x02}, BodyLength::atLeast(8), time);
    });
}

int QVCommProtocol::power_save_time_write(unsigned char time, int* result) {
    return repeatable(RetriedOperation::PowerSaveTimeWrite, [&]() -> int {
        return one_byte_command(QStringLiteral("Power Save Time Write command"),
                                CommandCode::PowerSave, {0x03, time}, BodyLength::atLeast(8),
                                result);
    });
}

int QVCommProtocol::auto_standby_time_read(unsigned char* time) {
    return repeatable(RetriedOperation::AutoStandbyTimeRead, [&]() -> int {
        return one_byte_command(QStringLiteral("Auto Standby Time Read command"),
                                CommandCode::PowerSave, {0x04}, BodyLength::atLeast(8), time);
    });
}

int QVCommProtocol::auto_standby_time_write(unsigned char time, int* result) {
    return repeatable(RetriedOperation::AutoStandbyTimeWrite, [&]() -> int {
        return one_byte_command(QStringLiteral("Auto Standby Time Write command"),
                                CommandCode::PowerSave, {0x05, time}, BodyLength::atLeast(8),
                                result);
    });
}
