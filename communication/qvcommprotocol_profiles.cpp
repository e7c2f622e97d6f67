#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

namespace {

// The picture mode goes out as one character, "0" plus the number.
unsigned char modeCharacter(unsigned char mode) {
    return static_cast<unsigned char>('0' + mode);
}

QString tileMatrixTitle(const char* action, unsigned char profile) {
    return QStringLiteral("Tile Matrix Profile %1:  Profile Number=%2")
        .arg(QLatin1String(action))
        .arg(profile);
}
} // namespace

int QVCommProtocol::picture_mode_name_read(unsigned char mode, char* name, int capacity,
                                           int* result) {
    clear_text(name, capacity);
    const unsigned char character = modeCharacter(mode);
    if (!is_printable_text(reinterpret_cast<const char*>(&character), 1))
        return ResultCode::TooManyValues;
    begin_command(QStringLiteral("Get PictureMode Programmable,Name command"),
                  CommandCode::PictureModeNameRead);
    send_buffer << character;
    const int status = exchange(BodyLength::atLeast(6));
    if (status != 0)
        return status;
    // The result byte comes before the code here.
    *result = read_hex2();
    if (!expect_reply(CommandCode::PictureModeNameRead))
        return ResultCode::IncorrectReply;
    read_plain_text(name, capacity);
    return *result != 0 ? ResultCode::ReplyError : 0;
}

// The name goes out as its characters themselves, padded with spaces to thirteen, and only
// when they are printable ASCII.
int QVCommProtocol::picture_mode_name_write(unsigned char mode, const char* name, int* result) {
    *result = 0;
    const unsigned char character = modeCharacter(mode);
    const int length = static_cast<int>(qstrnlen(name, PictureModeNameLength));
    if (!is_printable_text(reinterpret_cast<const char*>(&character), 1) ||
        !is_printable_text(name, length))
        return ResultCode::TooManyValues;
    begin_command(QStringLiteral("Set Picture Mode Programmable Name command"),
                  CommandCode::PictureModeNameWrite);
    send_buffer << character;
    for (int i = 0; i < PictureModeNameLength; ++i)
        send_buffer << static_cast<unsigned char>(i < length ? name[i] : ' ');
    const int status = exchange(BodyLength::exactly(9));
    if (status != 0)
        return status;
    *result = read_hex2();
    if (!expect_reply(CommandCode::PictureModeNameWrite))
        return ResultCode::IncorrectReply;
    return 0;
}

// The major channel travels as two 16-bit halves.
int QVCommProtocol::direct_tv_channel_read(int* major, int* minor) {
    return repeatable(RetriedOperation::DirectTvChannelRead, [&]() -> int {
        *major = 0;
        *minor = 0;
        begin_command(QStringLiteral("Direct TV Channel Read"), CommandCode::TvChannelRead);
        const int status = exchange(BodyLength::exactly(16));
        if (status != 0)
            return status;
        if (!expect_reply(CommandCode::TvChannelRead, -1, "command code"))
            return ResultCode::IncorrectReply;
        const unsigned int high = read_hex4("major channel H");
        const unsigned int low = read_hex4("major channel L");
        *major = static_cast<int>(high << 16 | low);
        *minor = read_hex4("minor channel");
        return 0;
    });
}

int QVCommProtocol::direct_tv_channel_write(int* major, int* minor) {
    const int wanted_major = *major, wanted_minor = *minor;
    return repeatable(RetriedOperation::DirectTvChannelWrite, [&]() -> int {
        *major = wanted_major;
        *minor = wanted_minor;
        const unsigned int value = static_cast<unsigned int>(*major);
        const unsigned short high = static_cast<unsigned short>(value >> 16);
        const unsigned short low = static_cast<unsigned short>(value & 0xFFFF);
        const unsigned short second = static_cast<unsigned short>(*minor);
        begin_command(QStringLiteral("Direct TV Channel Write %1-%2").arg(*major).arg(*minor),
                      CommandCode::TvChannelWrite);
        put_hex4(high);
        put_hex4(low);
        put_hex4(second);
        const int status = exchange(BodyLength::exactly(16));
        if (status != 0)
            return status;
        if (!expect_reply(CommandCode::TvChannelWrite) || !expect_hex4(high) || !expect_hex4(low) ||
            !expect_hex4(second))
            return ResultCode::IncorrectReply;
        *major = static_cast<int>(value);
        *minor = second;
        return 0;
    });
}

int QVCommProtocol::tile_matrix_profile_read(unsigned char profile, unsigned char* h_monitors,
                                             unsigned char* v_monitors, unsigned char* position,
                                             unsigned char* tile_comp, unsigned char* status) {
    const int result =
        one_byte_command(tileMatrixTitle("Contents Read", profile), CommandCode::TileMatrixProfile,
                         {0x01, profile}, BodyLength::exactly(18), status, "", "", OnFailure::Kept);
    if (result != 0)
        return result;
    if (!expect_hex2(profile))
        return ResultCode::IncorrectReply;
    for (unsigned char* field : {h_monitors, v_monitors, position, tile_comp})
        *field = read_hex2();
    return *status != 0 ? ResultCode::ReplyError : 0;
}

int QVCommProtocol::tile_matrix_profile_write(unsigned char profile, unsigned char h_monitors,
                                              unsigned char v_monitors, unsigned char position,
                                              unsigned char tile_comp, unsigned char* status) {
    const int result =
        one_byte_command(tileMatrixTitle("Contents Write", profile), CommandCode::TileMatrixProfile,
                         {0x00, profile, h_monitors, v_monitors, position, tile_comp},
                         BodyLength::exactly(8), status, "", "", OnFailure::Kept);
    return result == 0 && *status != 0 ? ResultCode::ReplyError : result;
}

int QVCommProtocol::tile_matrix_profile_select(unsigned char profile, unsigned char* status) {
    const int result =
        one_byte_command(tileMatrixTitle("Select", profile), CommandCode::TileMatrixProfile,
                         {0x02, profile}, BodyLength::exactly(8), status, "", "", OnFailure::Kept);
    return result == 0 && *status != 0 ? ResultCode::ReplyError : result;
}

int QVCommProtocol::pip_pbp_profile_write(unsigned char profile, int* status,
                                          pip_pbp_profile contents) {
    QList<unsigned char> fields = {0x00, profile};
    for (int i = 0; i < pip_pbp_profile::Size; ++i)
        fields << contents.byte(i);
    return one_byte_command(QStringLiteral("PIP/PBP Profile Contents Write command"),
                            CommandCode::PipPbpProfile, fields, BodyLength::exactly(8), status,
                            "status", "command");
}

int QVCommProtocol::pip_pbp_profile_read(unsigned char profile, int* status,
                                         pip_pbp_profile* contents) {
    const int result = one_byte_command(QStringLiteral("PIP/PBP Profile Contents Read command"),
                                        CommandCode::PipPbpProfile, {0x01, profile},
                                        BodyLength::atLeast(76), status, "status", "command");
    if (result != 0)
        return result;
    if (!expect_hex2(profile, "profile_number"))
        return ResultCode::IncorrectReply;
    for (int i = 0; i < pip_pbp_profile::Size; ++i)
        contents->byte(i) = read_hex2(pip_pbp_profile::label(i).constData());
    return 0;
}

int QVCommProtocol::pip_pbp_profile_select(unsigned char profile, int* status) {
    return one_byte_command(QStringLiteral("PIP/PBP Profile Write (Select) command"),
                            CommandCode::PipPbpProfile, {0x02, profile}, BodyLength::exactly(8),
                            status, "status", "command");
}
