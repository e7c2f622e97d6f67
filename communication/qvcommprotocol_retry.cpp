#include "qvcommprotocol_retry.h"

#include <algorithm>
#include <iterator>

namespace {
using Op = RetriedOperation;
constexpr int Short = QVCommProtocol_retry::ShortRetryPauseMs;
constexpr int Normal = QVCommProtocol_retry::RetryPauseMs;
constexpr int Long = QVCommProtocol_retry::LongRetryPauseMs;

struct RetryRule {
    Op operation;
    int pause_ms; // before each repetition
};

// The operations that repeat after a failure, and their pauses.
constexpr RetryRule kRetryRules[] = {
    {Op::PowerControl, Normal},
    {Op::PowerStatusRead, Normal},
    {Op::SaveCurrentSettings, Normal},
    {Op::GetTimingReport, Normal},
    {Op::SetParameter, Normal},
    {Op::GetParameter, Normal},
    {Op::SerialNumberRead, Normal},
    {Op::ModelNameRead, Normal},
    {Op::SelfDiagnosisStatusRead, Normal},
    {Op::DateTimeRead, Normal},
    {Op::DateTimeWrite, Normal},
    {Op::FirmwareVersionRead, Normal},
    {Op::ScheduleReadExtended, Normal},
    {Op::ScheduleWriteExtended, Normal},
    {Op::ScheduleEnableWrite, Normal},
    {Op::SetProofOfPlayMode, Long},
    {Op::GetProofOfPlayCurrent, Long},
    {Op::GetProofOfPlayStatus, Long},
    {Op::GetProofOfPlayNumberToNumber, Long},
    {Op::LanMacAddressReadIpv4Ipv6, Long},
    {Op::LanMacAddressRead, Long},
    {Op::PowerSaveModeRead, Long},
    {Op::PowerSaveModeWrite, Long},
    {Op::PowerSaveTimeRead, Long},
    {Op::PowerSaveTimeWrite, Long},
    {Op::AutoStandbyTimeRead, Long},
    {Op::AutoStandbyTimeWrite, Long},
    {Op::DirectTvChannelRead, Short},
    {Op::DirectTvChannelWrite, Long},
    {Op::ReadCapabilityString, Normal},
    {Op::ReadAssetData, Normal},
    {Op::WriteAssetData, Normal},
    {Op::RefreshGammaTable, Long},
    {Op::SaveGammaTable, Long},
    {Op::GammaTableWriteRawChunk, Long},
};

constexpr bool oneRowEach() {
    for (int i = 0; i < int(std::size(kRetryRules)); ++i)
        if (kRetryRules[i].operation != Op(i))
            return false;
    return int(std::size(kRetryRules)) == int(Op::Count);
}
static_assert(oneRowEach(), "one row for each operation, in the order of RetriedOperation");
} // namespace

QVCommProtocol_retry::QVCommProtocol_retry(QObject* parent) : QVCommProtocol(parent) {}

int QVCommProtocol_retry::retry_pause(RetriedOperation operation) {
    return kRetryRules[int(operation)].pause_ms;
}

int QVCommProtocol_retry::repeatable(RetriedOperation operation,
                                     const std::function<int()>& attempt) {
    if (repeating)
        return attempt();
    repeating = true;
    const int tries = std::max(QVCommProtocol::retry_count, 1);
    int result = 0;
    for (int done = 0;;) {
        if (done > 0) {
            delay(retry_pause(operation));
            result = QVCommProtocol::open_interface(remembered_address, remembered_type);
        }
        if (result == 0) {
            const int handed_over = messages_handed_over;
            const bool connected = transport != nullptr;
            result = attempt();
            if (result != 0 && connected && messages_handed_over == handed_over)
                break;
        }
        ++done;
        if (result == 0) {
            delay(SuccessPauseMs);
            break;
        }
        if (done >= tries)
            break;
    }
    repeating = false;
    return result;
}

int QVCommProtocol_retry::open_interface(QString address, int interface_type) {
    remembered_address = address;
    remembered_type = interface_type;
    return QVCommProtocol::open_interface(address, interface_type);
}

void QVCommProtocol_retry::set_retry_count(int count) {
    QVCommProtocol::retry_count = count;
}

int QVCommProtocol_retry::retry_count() {
    return QVCommProtocol::retry_count;
}

int QVCommProtocol_retry::interface_type() {
    return remembered_type;
}
