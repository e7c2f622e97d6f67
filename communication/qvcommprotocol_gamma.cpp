// The programmable gamma table, the theoretical curve and the 3D LUT, moved in small chunks.
#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

#include <algorithm>
#include <limits>

namespace {
constexpr int TableTimeoutMs = 6000;
constexpr int LutTimeoutMs = 2000;
constexpr int ChunkPauseMs = 50;

struct CurveCommands {
    const char* write_title;
    unsigned short write;
    const char* read_title;
    unsigned short read;
};
const CurveCommands gammaTable = {"gamma_table_write_raw_chunk", CommandCode::GammaTableWrite,
                                  "gamma_table_read_raw_chunk", CommandCode::GammaTableRead};
const CurveCommands theoreticalCurve = {
    "theoretical_curve_write_raw_chunk", CommandCode::TheoreticalCurveWrite,
    "theoretical_curve_read_raw_chunk", CommandCode::TheoreticalCurveRead};

QString chunkTitle(const char* name, int offset) {
    return QStringLiteral("%1 offset=%2X").arg(QLatin1String(name)).arg(offset);
}

int checkChunkCount(int count) {
    if (count > QVCommProtocol::MaxCurveChunk)
        return ResultCode::TooManyValues;
    return count <= 0 ? ResultCode::NoValues : 0;
}
} // namespace

int QVCommProtocol::table_command(const char* title, unsigned short command, bool check_type) {
    begin_command(QString::fromLatin1(title), command);
    const int result = send_and_receive(TableTimeoutMs);
    if (result != 0)
        return result;
    if (reply_body.size() != 6)
        return ResultCode::ReplyTooShort;
    if (check_type && reply_message_type != 'B')
        return ResultCode::IncorrectReply;
    const unsigned char field = read_hex2("result");
    if (!expect_reply(command))
        return ResultCode::IncorrectReply;
    return field != 0 ? ResultCode::ReplyError : 0;
}

int QVCommProtocol::refresh_gamma_table() {
    return repeatable(RetriedOperation::RefreshGammaTable, [&]() -> int {
        return table_command("RefreshGammaTable", CommandCode::GammaTableRefresh, false);
    });
}

int QVCommProtocol::save_gamma_table() {
    return repeatable(RetriedOperation::SaveGammaTable, [&]() -> int {
        return table_command("SaveGammaTable", CommandCode::GammaTableSave, true);
    });
}

int QVCommProtocol::init_gamma_table() {
    return table_command("InitGammaTable", CommandCode::GammaTableInit, true);
}

int QVCommProtocol::reset_gamma_table() {
    return table_command("ResetGammaTable", CommandCode::GammaTableReset, true);
}

int QVCommProtocol::curve_write_chunk(Curve curve, const unsigned int* values, int offset,
                                      int count) {
    const CurveCommands& c = curve == Curve::Gamma ? gammaTable : theoreticalCurve;
    if (const int refused = checkChunkCount(count))
        return refused;
    begin_command(chunkTitle(c.write_title, offset), c.write);
    put_hex4(static_cast<unsigned short>(offset));
    for (int i = 0; i < count; ++i) {
        put_hex2(static_cast<unsigned char>(values[i] >> 8));
        put_hex2(static_cast<unsigned char>(values[i]));
    }
    const int result = send_and_receive(TableTimeoutMs);
    if (result != 0)
        return result;
    if (reply_message_type != 'B')
        return ResultCode::IncorrectReply;
    if (reply_body.size() < 8)
        return ResultCode::ReplyTooShort;
    if (!expect_reply(c.write) || !expect_hex4(static_cast<unsigned short>(offset), "offset") ||
        reply_body.size() != 4 * count)
        return ResultCode::IncorrectReply;
    for (int i = 0; i < 2 * count; ++i)
        read_hex2();
    delay(ChunkPauseMs);
    return 0;
}

int QVCommProtocol::curve_read_chunk(Curve curve, unsigned char* bytes, int offset, int count) {
    const CurveCommands& c = curve == Curve::Gamma ? gammaTable : theoreticalCurve;
    if (const int refused = checkChunkCount(count))
        return refused;
    begin_command(chunkTitle(c.read_title, offset), c.read);
    put_hex4(static_cast<unsigned short>(offset));
    put_hex2(static_cast<unsigned char>(count));
    const int result = send_and_receive(TableTimeoutMs);
    if (result != 0)
        return result;
    if (reply_message_type != 'B')
        return ResultCode::IncorrectReply;
    if (reply_body.size() < 4)
        return ResultCode::ReplyTooShort;
    if (!expect_reply(c.read) || reply_body.size() != 4 * count)
        return ResultCode::IncorrectReply;
    for (int i = 0; i < 2 * count; ++i)
        bytes[i] = read_hex2();
    delay(ChunkPauseMs);
    return 0;
}

int QVCommProtocol::gamma_table_write_raw_chunk(const unsigned int* values, int offset, int count) {
    return repeatable(RetriedOperation::GammaTableWriteRawChunk, [&]() -> int {
        return curve_write_chunk(Curve::Gamma, values, offset, count);
    });
}

int QVCommProtocol::theoretical_curve_write_raw_chunk(const unsigned int* values, int offset,
                                                      int count) {
    return curve_write_chunk(Curve::Theoretical, values, offset, count);
}

int QVCommProtocol::gamma_table_read_raw_chunk(unsigned char* bytes, int offset, int count) {
    return curve_read_chunk(Curve::Gamma, bytes, offset, count);
}

int QVCommProtocol::theoretical_curve_read_raw_chunk(unsigned char* bytes, int offset, int count) {
    return curve_read_chunk(Curve::Theoretical, bytes, offset, count);
}

namespace {
// Two bytes a value, high byte first.
template <typename ReadChunk>
int readValues(unsigned int* values, int offset, int count, ReadChunk readChunk) {
    if (const int refused = checkChunkCount(count))
        return refused;
    unsigned char bytes[2 * QVCommProtocol::MaxCurveChunk];
    const int result = readChunk(bytes, offset, count);
    if (result == 0)
        for (int i = 0; i < count; ++i)
            values[i] = bytes[2 * i] * 256u + bytes[2 * i + 1];
    return result;
}
} // namespace

int QVCommProtocol::gamma_table_read(unsigned int* values, int offset, int count) {
    return readValues(values, offset, count, [this](unsigned char* b, int o, int n) {
        return gamma_table_read_raw_chunk(b, o, n);
    });
}

int QVCommProtocol::theoretical_curve_read(unsigned int* values, int offset, int count) {
    return readValues(values, offset, count, [this](unsigned char* b, int o, int n) {
        return theoretical_curve_read_raw_chunk(b, o, n);
    });
}

int QVCommProtocol::gamma_table_write_verified(const unsigned int* values, int offset, int count) {
    unsigned int readBack[MaxCurveChunk];
    int result = 0;
    for (int attempt = 0;; ++attempt) {
        result = gamma_table_write_raw_chunk(values, offset, count);
        if (result == 0) {
            result = gamma_table_read(readBack, offset, count);
            if (result == 0) {
                if (std::equal(values, values + count, readBack))
                    return 0;
                result = ResultCode::IncorrectReply;
            }
        }
        if (attempt >= retry_count)
            return result;
    }
}

int QVCommProtocol::lut3d_read_from_ram(lut3d_entry* out, int first, int second, int third,
                                        int& count) {
    const int wanted = count;
    count = 0;
    begin_command(QStringLiteral("3D-LUT Read from RAM command"), CommandCode::Lut3dRead);
    for (int field : {first, second, third, wanted})
        put_hex2(static_cast<unsigned char>(field));
    const int result = send_and_receive(LutTimeoutMs);
    if (result != 0)
        return result;
    if (reply_body.size() < 6)
        return ResultCode::ReplyTooShort;
    read_hex2("status");
    if (!expect_reply(CommandCode::Lut3dRead, -1, "command"))
        return ResultCode::IncorrectReply;
    // Never more entries than asked for: that is the room the caller gave.
    for (; count < wanted && reply_body.size() >= 12; ++count) {
        out[count].red = read_hex4("red");
        out[count].green = read_hex4("green");
        out[count].blue = read_hex4("blue");
    }
    return 0;
}

int QVCommProtocol::lut3d_write_from_ram(lut3d_entry*, int, int, int, int&) {
    log.title(QStringLiteral("3D-LUT Write from RAM command"));
    return 0;
}

int QVCommProtocol::lut3d_read(lut3d_entry* entries, int n) {
    if (n <= 0)
        return 0;
    const long long total = static_cast<long long>(n) * n * n;
    if (total > std::numeric_limits<int>::max())
        return ResultCode::TooManyValues;
    const int square = n * n;
    for (int i = 0, remaining = int(total); remaining > 0;) {
        int got = std::min(int(MaxLutChunk), remaining);
        const int result =
            lut3d_read_from_ram(entries + i, i % n, (i / n) % n, (i / square) % n, got);
        if (result != 0)
            return result;
        // A reply without entries would leave the read where it is for ever.
        if (got <= 0)
            return ResultCode::ReplyTooShort;
        remaining -= got;
        i += got;
        emit progress(i, int(total));
    }
    return 0;
}
