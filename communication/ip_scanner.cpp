#include "ip_scanner.h"

#include "basic_monitor.h"
#include "ip_address.h"
#include "monitor_address.h"
#include "monitor_data.h"
#include "neighbour_table.h"
#include "opcodes.h"
#include "result_codes.h"

#include <algorithm>

namespace {

monitor_data scanLink(int type, const QString& address) {
    monitor_data data;
    data.m_monitor_id = kAllDisplaysAddress;
    data.communicationsInterfaceType = type;
    data.s_communicationsInterfacePortName = address;
    return data;
}

void applyOptions(basic_monitor& monitor, const IpScanOptions& options) {
    monitor.set_long_timeout(options.long_timeout);
    monitor.set_retry_count(options.retry_count);
}

int resultOf(TcpConnectProbes::Outcome outcome) {
    switch (outcome) {
    case TcpConnectProbes::Outcome::Accepted:
        return ResultCode::Ok;
    case TcpConnectProbes::Outcome::Refused:
        return ResultCode::ConnectionRefused;
    case TcpConnectProbes::Outcome::Unreachable:
        return ResultCode::NetworkError;
    case TcpConnectProbes::Outcome::Failed:
        break;
    }
    return ResultCode::SocketOther;
}

// A row of the address with the MAC that the neighbour table holds for it.
IpScanRow rowFor(quint32 address) {
    IpScanRow row;
    row.address = address;
    row.mac = neighbourMacAddress(ipUIntToText(address));
    return row;
}
} // namespace

IpScanRow scan_address(basic_monitor& monitor, quint32 address, const IpScanOptions& options) {
    IpScanRow row = rowFor(address);
    const QString text = ipUIntToText(address);
    applyOptions(monitor, options);
    row.result = monitor.set_interface_info(scanLink(InterfaceType::Lan, text));
    if (row.result != 0)
        return row;
    // The port accepted; whether a display answers shows in the model name.
    row.result = monitor.model_name_read(row.model);
    const bool replied = row.result == 0;
    if (replied) {
        row.result = monitor.serial_number_read(row.serial);
        if (row.result == 0) {
            uint current = 0, max = 0;
            unsigned char display_result = 1, type = 0;
            row.result =
                monitor.get_parameter(OpCode::MonitorId, &current, &max, &display_result, &type);
            if (row.result == 0 && display_result == 0)
                row.monitor_id = current;
        }
    }
    row.status = replied ? IpScanRow::Status::Ok : IpScanRow::Status::PortReplied;
    monitor.set_interface_info(scanLink(0, QString()));
    return row;
}

IpScanner::IpScanner(basic_monitor& monitor, quint32 first, quint32 last,
                     const IpScanOptions& options, const Probing& probing)
    : monitor(monitor), first(first), last(std::max(first, last)), options(options),
      probing(probing) {
    // Even a scan that finds nothing leaves the options of the bottom bar applied.
    applyOptions(monitor, options);
    clock.start();
}

void IpScanner::probe_more() {
    while (int(flying.size()) < probing.in_flight && next_probe < count() &&
           next_probe - next_row < Lookahead) {
        const int id = probes.start(quint32(first + next_probe), probing.port);
        flying.push_back({id, next_probe, clock.elapsed()});
        results.emplace_back();
        ++next_probe;
    }
}

void IpScanner::collect(int wait_ms) {
    for (const TcpConnectProbes::Finished& f : probes.wait(wait_ms)) {
        const auto it = std::find_if(flying.begin(), flying.end(),
                                     [&f](const Flying& x) { return x.id == f.id; });
        if (it == flying.end())
            continue;
        result_of(it->index) = resultOf(f.outcome);
        flying.erase(it);
    }
    // Only after looking: a connect that succeeded while the caller was busy is no time-out.
    const qint64 now = clock.elapsed();
    for (auto it = flying.begin(); it != flying.end();) {
        if (now - it->started_ms < probing.connect_timeout_ms) {
            ++it;
            continue;
        }
        probes.cancel(it->id);
        result_of(it->index) = ResultCode::SocketTimeout;
        it = flying.erase(it);
    }
}

std::optional<IpScanRow> IpScanner::next(const std::function<bool()>& keep_going) {
    if (at_end())
        return std::nullopt;
    probe_more();
    collect(0);
    while (!results.front()) {
        if (!keep_going())
            return std::nullopt;
        collect(SliceMs);
        probe_more();
    }
    const int connected = *results.front();
    results.pop_front();
    const quint32 address = quint32(first + next_row);
    ++next_row;
    // Keep the connects going while this address is handled.
    probe_more();
    if (connected == 0)
        return scan_address(monitor, address, options);
    IpScanRow row = rowFor(address);
    row.result = connected;
    return row;
}
