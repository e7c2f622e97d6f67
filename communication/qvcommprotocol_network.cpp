#include "qvcommprotocol.h"

#include "opcodes.h"
#include "result_codes.h"

#include <algorithm>

namespace {
// An entry on the wire without its log number, and with it.
constexpr int EntryLength = 38;
constexpr int NumberedEntryLength = 42;

// The image size of a proof-of-play entry: 0 means no signal, FFFFh an unknown one.
int resolution(unsigned short value, unsigned char* signal_status) {
    *signal_status = value == 0 ? 1 : value == 0xFFFF ? 2 : 0;
    return *signal_status == 0 ? value : 0;
}
} // namespace

int QVCommProtocol::set_proof_of_play_mode(int* status, unsigned char mode) {
    return repeatable(RetriedOperation::SetProofOfPlayMode, [&]() -> int {
        *status = 0;
        begin_command(QStringLiteral("Set Proof of Play Operation Mode command"),
                      CommandCode::ProofOfPlay,
                      QStringLiteral("Mode of Proof of Play=%1").arg(mode));
        put_hex2(0x00);
        put_hex2(mode);
        const int result = exchange(BodyLength::exactly(8));
        if (result != 0)
            return result;
        if (!expect_reply(CommandCode::ProofOfPlay, 0x00))
            return ResultCode::IncorrectReply;
        *status = read_hex2("status");
        return 0;
    });
}

int QVCommProtocol::get_proof_of_play_current(int* status, proof_of_play_log* entry) {
    return repeatable(RetriedOperation::GetProofOfPlayCurrent, [&]() -> int {
        const int result = one_byte_command(
            QStringLiteral("Get Proof of Play Current command"), CommandCode::ProofOfPlay, {0x01},
            BodyLength::atLeast(8), status, "status", "command", OnFailure::Kept);
        if (result != 0)
            return result;
        // A display with no entry to give (its log just cleared) answers with a non-zero status
        // alone: an answer, not a broken reply.
        if (reply_body.isEmpty() && *status != 0)
            return 0;
        if (reply_body.size() != NumberedEntryLength)
            return ResultCode::ReplyTooShort;
        entry->log_number = read_hex4("log number");
        read_proof_of_play_entry(entry);
        return 0;
    });
}

int QVCommProtocol::get_proof_of_play_status(int* status, int* total, int* maximum, int* current) {
    return repeatable(RetriedOperation::GetProofOfPlayStatus, [&]() -> int {
        *total = *maximum = *current = 0;
        const int result = one_byte_command(QStringLiteral("Get Proof of Play Status command"),
                                            CommandCode::ProofOfPlay, {0x02},
                                            BodyLength::exactly(18), status, "status", "command");
        if (result != 0)
            return result;
        *total = read_hex4("total number logs");
        *maximum = read_hex4("maximum number logs");
        *current = read_hex2("curent status");
        return 0;
    });
}

// Entries follow one another without their log numbers: entry i carries log number first + i.
int QVCommProtocol::get_proof_of_play_number_to_number(int from, int to, int* status, int* count,
                                                       proof_of_play_log* entries, int capacity) {
    return repeatable(RetriedOperation::GetProofOfPlayNumberToNumber, [&]() -> int {
        *count = 0;
        *status = 0;
        begin_command(QStringLiteral("Get Proof of Play Number to Number command"),
                      CommandCode::ProofOfPlay, QStringLiteral("From=%1 To=%2").arg(from).arg(to));
        put_hex2(0x03);
        put_hex4(static_cast<unsigned short>(from));
        put_hex4(static_cast<unsigned short>(to));
        const int result = exchange(BodyLength::atLeast(12));
        if (result != 0)
            return result;
        if (!expect_reply(CommandCode::ProofOfPlay, 0x03, "command"))
            return ResultCode::IncorrectReply;
        *status = read_hex2("status");
        const int first = read_hex4("log number");
        if (reply_body.size() < EntryLength)
            return ResultCode::ReplyTooShort;
        const int wanted = std::min(to - from + 1, capacity);
        for (int i = 0; i < wanted && reply_body.size() >= EntryLength; ++i) {
            entries[i].log_number = first + i;
            read_proof_of_play_entry(&entries[i]);
            *count = i + 1;
        }
        return 0;
    });
}

void QVCommProtocol::read_proof_of_play_entry(proof_of_play_log* entry) {
    entry->video_input = read_hex2("video input");
    entry->h_resolution = resolution(read_hex4("input signal h"), &entry->video_signal_status);
    entry->v_resolution = resolution(read_hex4("input signal v"), &entry->video_signal_status);
    entry->audio_input = read_hex2("audio input");
    entry->audio_input_status = read_hex2("audio input status");
    entry->picture_status = read_hex2("picture status");
    entry->audio_status = read_hex2("audio status");
    entry->year = read_hex4("year");
    entry->month = read_hex2("month");
    entry->day = read_hex2("day");
    entry->hour = read_hex2("hour");
    entry->minute = read_hex2("minute");
    entry->second = read_hex2("second");
    entry->extension = read_hex2("reserved_1");
    entry->reserved_2 = read_hex2("reserved_2");
    entry->reserved_3 = read_hex2("reserved_3");
}

int QVCommProtocol::lan_mac_address_read_ipv4_ipv6(int* result, int* value, char* text,
                                                   int capacity) {
    return repeatable(RetriedOperation::LanMacAddressReadIpv4Ipv6, [&]() -> int {
        clear_text(text, capacity);
        const int status =
            one_byte_command(QStringLiteral("LAN MAC Address command (IPv4 IPv6 support)"),
                             CommandCode::LanAddressRead, {0x02}, BodyLength::atLeast(12), result);
        if (status != 0)
            return status;
        read_hex2();
        *value = read_hex2();
        read_mac_text(text, capacity);
        return 0;
    });
}

int QVCommProtocol::lan_mac_address_read(int* inout, char* text, int capacity) {
    const int wanted = *inout;
    return repeatable(RetriedOperation::LanMacAddressRead, [&]() -> int {
        *inout = wanted;
        clear_text(text, capacity);
        begin_command(QStringLiteral("LAN MAC Address Read command"), CommandCode::MacAddressRead);
        put_hex2(static_cast<unsigned char>(*inout));
        const int status = exchange(BodyLength::atLeast(6));
        if (status != 0)
            return status;
        if (!expect_reply(CommandCode::MacAddressRead))
            return ResultCode::IncorrectReply;
        *inout = read_hex2();
        read_mac_text(text, capacity);
        return 0;
    });
}

int QVCommProtocol::lan_ip_address_status_request(int* result, int* status,
                                                  std::array<unsigned char, 4>* address) {
    *result = 0;
    *status = 0;
    address->fill(0);
    begin_command(QStringLiteral("LAN IP Address Status Request command"),
                  CommandCode::LanAddressRead);
    put_hex2(0x45);
    const int outcome = exchange(BodyLength::atLeast(18));
    if (outcome != 0)
        return outcome;
    if (!expect_reply(CommandCode::LanAddressRead))
        return ResultCode::IncorrectReply;
    *result = read_hex2();
    if (!expect_hex2(0x45))
        return ResultCode::IncorrectReply;
    *status = read_hex2();
    for (unsigned char& byte : *address)
        byte = read_hex2();
    return 0;
}
