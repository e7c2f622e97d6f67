#pragma once

#include "tcp_connect_probes.h"
#include "tlancomm.h"

#include <QElapsedTimer>
#include <QString>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class basic_monitor;

// What a scan found at one address.
struct IpScanRow {
    enum class Status { NoReply, PortReplied, Ok };
    quint32 address = 0;
    Status status = Status::NoReply;
    int result = 0; // the last failure of the address's exchanges, 0 when it answered fully
    QString mac;    // from the neighbour table; empty when it holds none
    QString model;
    QString serial;
    std::optional<uint> monitor_id; // only when the display supports the query
};

// The options a scan applies to the monitor object before each connection.
struct IpScanOptions {
    bool long_timeout = false;
    int retry_count = 0;
};

// One address the plain way: a blocking connection through the monitor object, then model name,
// serial number and monitor ID, then the link closed again.
IpScanRow scan_address(basic_monitor& monitor, quint32 address, const IpScanOptions& options);

// Scans an IPv4 range for displays. Connects to the control port of many addresses at once
// (a silent address costs its whole connect time-out, and they add up when taken one by one),
// then hands out the rows in ascending address order; only an address that accepted the
// connection gets the exchanges of scan_address.
class IpScanner {
public:
    static constexpr int DefaultInFlight = 64;
    // The longest wait between two calls of the caller's keep_going.
    static constexpr int SliceMs = 20;
    // How far connects may run ahead of the row handed out next.
    static constexpr quint64 Lookahead = 1024;

    struct Probing {
        int in_flight = DefaultInFlight;
        int connect_timeout_ms = TLANComm::ConnectTimeoutMs;
        quint16 port = TLANComm::Port;
    };

    // first <= last; the caller checks the range.
    IpScanner(basic_monitor& monitor, quint32 first, quint32 last, const IpScanOptions& options,
              const Probing& probing);
    IpScanner(basic_monitor& monitor, quint32 first, quint32 last, const IpScanOptions& options)
        : IpScanner(monitor, first, last, options, Probing()) {}

    quint64 count() const { return quint64(last) - first + 1; }
    bool at_end() const { return next_row >= count(); }
    // The row of the next address. While its connect is under way, calls keep_going at least
    // every SliceMs; when that returns false, returns nothing and the scan can go no further.
    std::optional<IpScanRow> next(const std::function<bool()>& keep_going);

private:
    struct Flying {
        int id;
        quint64 index;
        qint64 started_ms;
    };
    void probe_more();
    void collect(int wait_ms);
    std::optional<int>& result_of(quint64 index) { return results[index - next_row]; }

    basic_monitor& monitor;
    const quint32 first;
    const quint32 last;
    const IpScanOptions options;
    const Probing probing;
    TcpConnectProbes probes;
    QElapsedTimer clock;
    quint64 next_row = 0;
    quint64 next_probe = 0;
    // Connect results of the addresses next_row .. next_probe - 1: 0 accepted, else its code.
    std::deque<std::optional<int>> results;
    std::vector<Flying> flying;
};
