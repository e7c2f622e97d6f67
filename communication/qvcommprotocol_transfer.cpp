// Capability string and asset data: longer than one reply, so moved in chunks of raw text.
#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

#include <QByteArray>

#include <algorithm>
#include <cstring>

namespace {
constexpr int ChunkTimeoutMs = 2000;
constexpr int AssetWriteTimeoutMs = 6000;
constexpr int OffsetMismatchPauseMs = 50;
constexpr int AssetReadPauseMs = 500;
constexpr int AssetWritePauseMs = 400;
// A chunk whose echoed offset differs from the one asked for, yet carries text.
constexpr int OffsetMismatch = -1;
// The asset read asks for no further chunk once the room left is this or less.
constexpr int AssetMinimumRoom = 35;
} // namespace

bool QVCommProtocol::take_reply_text(char* out, int room, int& count) {
    const int length = reply_body.size();
    count = read_plain_text(out, room);
    return count == length;
}

int QVCommProtocol::get_capability_string_chunk(int offset, char* out, int& count) {
    const int room = count;
    log.title(QStringLiteral("Get Capability Strings command offset=%1").arg(offset));
    count = 0;
    clear_text(out, room);
    begin_message('A');
    put_hex2(0xF3);
    put_hex4(static_cast<unsigned short>(offset));
    const int result = send_and_receive(ChunkTimeoutMs);
    if (result != 0)
        return result;
    if (reply_body.size() < 6)
        return ResultCode::ReplyTooShort;
    if (!expect_hex2(0xE3))
        return ResultCode::IncorrectReply;
    if (!expect_hex4(static_cast<unsigned short>(offset), "offset")) {
        delay(OffsetMismatchPauseMs);
        return reply_body.size() == 0 ? 0 : OffsetMismatch;
    }
    return take_reply_text(out, room, count) ? 0 : ResultCode::TooManyValues;
}

int QVCommProtocol::read_capability_string(char* text, int& capacity) {
    // Each try starts again from the caller's room.
    const int size = std::max(capacity, 0);
    return repeatable(RetriedOperation::ReadCapabilityString, [&]() -> int {
        clear_text(text, size);
        int offset = 0;
        int result = 0;
        for (;;) {
            int count = size - offset;
            result = get_capability_string_chunk(offset, text + offset, count);
            offset += count;
            if (result != 0 || count == 0)
                break;
        }
        capacity = offset;
        // The display ends the string with a reply too short to carry a chunk header.
        if (result == ResultCode::ReplyTooShort)
            result = 0;
        log.field(QStringLiteral("Capability String: %1")
                      .arg(QString::fromLatin1(size > 0 ? text : "", offset)));
        return result;
    });
}

int QVCommProtocol::asset_data_read_request(int offset, char* out, int& count) {
    const int room = count;
    count = 0;
    clear_text(out, room);
    begin_command(QStringLiteral("Asset Data Read Request command offset=%1").arg(offset),
                  CommandCode::AssetDataRead);
    put_hex2(static_cast<unsigned char>(offset));
    put_hex2(AssetChunk);
    const int result = send_and_receive(ChunkTimeoutMs);
    if (result != 0)
        return result;
    if (reply_body.size() < 4)
        return ResultCode::ReplyTooShort;
    if (!expect_reply(CommandCode::AssetDataRead))
        return ResultCode::IncorrectReply;
    return take_reply_text(out, room, count) ? 0 : ResultCode::TooManyValues;
}

int QVCommProtocol::read_asset_data(char* data, int& capacity) {
    // Each try starts again from the caller's room.
    const int size = std::max(capacity, 0);
    return repeatable(RetriedOperation::ReadAssetData, [&]() -> int {
        int offset = 0;
        int result = 0;
        bool any = false;
        do {
            int count = size - offset;
            result = asset_data_read_request(offset, data + offset, count);
            offset += count; // the part of an oversize chunk that fitted is kept
            if (result != 0)
                break;
            any = true;
            if (count == 0 || size - offset <= AssetMinimumRoom)
                break;
        } while (offset < AssetSize);
        capacity = offset;
        if (size > 0)
            data[std::min(offset, size - 1)] = '\0';
        delay(AssetReadPauseMs);
        // Once a chunk came, a display that has no more ends with a short or a null reply.
        if (any && (result == ResultCode::ReplyTooShort || result == ResultCode::NullMessage))
            result = 0;
        return result;
    });
}

int QVCommProtocol::asset_data_write(int offset, const char* data, int length) {
    QByteArray block(AssetChunk, '\0');
    const int used = std::clamp(length, 0, int(AssetChunk));
    if (used > 0)
        std::memcpy(block.data(), data, size_t(used));
    begin_command(QStringLiteral("Asset Data Write offset=%1, length=%2").arg(offset).arg(length),
                  CommandCode::AssetDataWrite);
    put_hex2(static_cast<unsigned char>(offset));
    for (char c : block)
        send_buffer.append(static_cast<unsigned char>(c));
    const int result = send_and_receive(AssetWriteTimeoutMs);
    if (result != 0)
        return result;
    if (reply_body.size() < 6)
        return ResultCode::ReplyTooShort;
    const int field = read_hex2("result");
    if (!expect_hex4(CommandCode::AssetDataWrite) ||
        !expect_hex2(static_cast<unsigned char>(offset), "offset"))
        return ResultCode::IncorrectReply;
    if (reply_body.size() < AssetChunk)
        return ResultCode::ReplyTooShort;
    for (char c : block)
        if (take_reply_char() != static_cast<unsigned char>(c))
            return ResultCode::IncorrectReply;
    return field;
}

int QVCommProtocol::write_asset_data(const char* data, int length, int chunk) {
    return repeatable(RetriedOperation::WriteAssetData, [&]() -> int {
        // A chunk of nothing would never advance; one above 32 bytes would lose its tail.
        if (chunk <= 0)
            return ResultCode::NoValues;
        if (chunk > AssetChunk)
            return ResultCode::TooManyValues;
        int result = 0;
        for (int offset = 0; offset < length; offset += chunk) {
            result = asset_data_write(offset, data + offset, std::min(chunk, length - offset));
            if (result != 0)
                break;
            delay(AssetWritePauseMs);
        }
        return result;
    });
}
