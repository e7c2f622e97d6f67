#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

namespace {
constexpr unsigned char CompletionSubCommand = 0x02;
// A completion is its code, sub-command and result byte; an auto ID completion may add the
// number of monitors the chain detected.
constexpr int CompletionLength = 8;
constexpr int CompletionWithCountLength = 10;
} // namespace

int QVCommProtocol::auto_id_execute(int* result) {
    return one_byte_command(QStringLiteral("Auto ID Execute command"), CommandCode::AutoId, {0x01},
                            BodyLength::exactly(8), result);
}

int QVCommProtocol::auto_id_reset(int* result) {
    return one_byte_command(QStringLiteral("Auto ID Reset command"), CommandCode::AutoId, {0x03},
                            BodyLength::exactly(8), result);
}

// Displays differ: some end the completion after the result byte, others add the number of
// monitors detected. Without it `value` stays 0; nothing is read past the message.
int QVCommProtocol::auto_id_get_complete(int* result, int* value) {
    *value = 0;
    const int status =
        await_completion(QStringLiteral("Auto ID Get Complete command"), CommandCode::AutoId,
                         {CompletionLength, CompletionWithCountLength}, result);
    if (status != 0)
        return status;
    if (reply_body.size() == CompletionWithCountLength - CompletionLength)
        *value = read_hex2("detected monitors");
    return 0;
}

int QVCommProtocol::auto_tile_matrix_execute(unsigned char h_monitors, unsigned char v_monitors,
                                             unsigned char input, unsigned char memory,
                                             int* result) {
    return one_byte_command(
        QStringLiteral("Auto Tile Matrix Execute command"), CommandCode::AutoTileMatrix,
        {0x01, h_monitors, v_monitors, 0x01, input, memory}, BodyLength::exactly(8), result);
}

int QVCommProtocol::auto_tile_matrix_reset(int* result) {
    return one_byte_command(QStringLiteral("Auto Tile Matrix Reset command"),
                            CommandCode::AutoTileMatrix, {0x03}, BodyLength::exactly(8), result);
}

int QVCommProtocol::auto_tile_matrix_complete(int* result) {
    return await_completion(QStringLiteral("Auto Tile Matrix Complete command"),
                            CommandCode::AutoTileMatrix, BodyLength::exactly(CompletionLength),
                            result);
}

int QVCommProtocol::auto_tile_matrix_read(unsigned char* h_monitors, unsigned char* v_monitors,
                                          int* result) {
    const int status =
        one_byte_command(QStringLiteral("Auto Tile Matrix Read command"),
                         CommandCode::AutoTileMatrix, {0x04}, BodyLength::exactly(12), result);
    if (status != 0)
        return status;
    *h_monitors = read_hex2();
    *v_monitors = read_hex2();
    return 0;
}

int QVCommProtocol::auto_tile_matrix_write(unsigned char h_monitors, unsigned char v_monitors,
                                           int* result) {
    return one_byte_command(QStringLiteral("Auto Tile Matrix Write command"),
                            CommandCode::AutoTileMatrix, {0x05, h_monitors, v_monitors},
                            BodyLength::exactly(8), result);
}

// The display sends the completion on its own, with the request code itself and from whichever
// display finished, so nothing is written and any source is taken.
int QVCommProtocol::await_completion(const QString& title, unsigned short code, BodyLength length,
                                     int* result) {
    log.title(title);
    *result = 0;
    const int status = await_message(CompletionTimeoutMs, length);
    if (status != 0)
        return status;
    // Whole bytes only: an odd character would be half a field.
    if (reply_body.size() % 2 != 0)
        return ResultCode::ReplyTooShort;
    if (!expect_hex4(code) || !expect_hex2(CompletionSubCommand))
        return ResultCode::IncorrectReply;
    *result = read_hex2();
    return 0;
}
