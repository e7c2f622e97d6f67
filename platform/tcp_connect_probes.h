#pragma once

#include <QtGlobal>

#include <vector>

// Non-blocking TCP connects to many IPv4 addresses at once. It only learns whether each address
// accepts the connection: a connection that is made is closed at once.
class TcpConnectProbes {
public:
    enum class Outcome { Accepted, Refused, Unreachable, Failed };
    struct Finished {
        int id;
        Outcome outcome;
    };

    TcpConnectProbes() = default;
    ~TcpConnectProbes();
    TcpConnectProbes(const TcpConnectProbes&) = delete;
    TcpConnectProbes& operator=(const TcpConnectProbes&) = delete;

    // Starts a connect to ipv4:port and returns its id. A connect that ends at once is handed
    // back by the next wait().
    int start(quint32 ipv4, quint16 port);
    // Gives up a connect that is still under way.
    void cancel(int id);
    // Waits at most timeout_ms (0: only looks) until connects end; returns those that ended.
    std::vector<Finished> wait(int timeout_ms);
    int in_flight() const { return int(pending.size()); }

private:
    struct Pending {
        int id;
        int fd;
    };
    std::vector<Pending> pending;
    std::vector<Finished> ended_at_once;
    int next_id = 0;
};
