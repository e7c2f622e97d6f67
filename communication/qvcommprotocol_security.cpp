#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

// The password goes out doubled: each of its characters as two hexadecimal digits, and each of
// those digits again as the two hexadecimal digits of its character code.
int QVCommProtocol::security_enable_write(unsigned char enable, const Passcode& password,
                                          int* result) {
    *result = 0;
    if (!password.isValid())
        return ResultCode::TooManyValues;
    begin_command(QStringLiteral("Security Enable Write command"), CommandCode::SecurityEnable);
    put_hex2(0x01);
    put_hex2(enable);
    send_buffer << '0' << '0';
    for (int i = 0; i < Passcode::Size; ++i) {
        for (unsigned char digit : write_hex2(password.at(i)))
            put_hex2(digit);
    }
    const int status = exchange(BodyLength::exactly(8));
    if (status != 0)
        return status;
    if (!expect_reply(CommandCode::SecurityEnable, 0x01))
        return ResultCode::IncorrectReply;
    *result = read_hex2();
    return 0;
}

int QVCommProtocol::security_enable_read(unsigned char* enable) {
    return one_byte_command(QStringLiteral("Security Enable Read command"),
                            CommandCode::SecurityEnable, {0x02}, BodyLength::exactly(8), enable);
}

int QVCommProtocol::security_lock_control(unsigned char* enable, const Passcode& password,
                                          int* status) {
    return security_lock("Security Lock Control command", CommandCode::SecurityLock, enable,
                         password, status);
}

int QVCommProtocol::compute_module_setting_lock(unsigned char* enable, const Passcode& passcode,
                                                int* status) {
    return security_lock("Setting Lock Of Compute Module command", CommandCode::ComputeModuleLock,
                         enable, passcode, status);
}

// Each character of the passcode goes out as one byte, its code minus 30h, so that the digits
// "0" to "9" become 00 to 09.
int QVCommProtocol::security_lock(const char* title, unsigned short code, unsigned char* enable,
                                  const Passcode& passcode, int* status) {
    *status = 0;
    if (!passcode.isValid())
        return ResultCode::TooManyValues;
    begin_command(QString::fromLatin1(title), code, QStringLiteral("Enable=%1").arg(*enable));
    put_hex2(*enable);
    for (int i = 0; i < Passcode::Size; ++i)
        put_hex2(static_cast<unsigned char>(passcode.at(i) - 0x30));
    const int result = exchange(BodyLength::exactly(8));
    if (result != 0)
        return result;
    if (!expect_reply(code))
        return ResultCode::IncorrectReply;
    *status = read_hex2();
    *enable = read_hex2();
    log.detail(QStringLiteral("Status (reply)=%1").arg(*status));
    log.detail(QStringLiteral("Enable (reply)=%1").arg(*enable));
    return 0;
}
