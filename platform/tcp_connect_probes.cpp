#include "tcp_connect_probes.h"

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>

namespace {
TcpConnectProbes::Outcome outcomeOf(int error) {
    switch (error) {
    case 0:
        return TcpConnectProbes::Outcome::Accepted;
    case ECONNREFUSED:
        return TcpConnectProbes::Outcome::Refused;
    case ENETUNREACH:
    case EHOSTUNREACH:
        return TcpConnectProbes::Outcome::Unreachable;
    default:
        return TcpConnectProbes::Outcome::Failed;
    }
}
} // namespace

TcpConnectProbes::~TcpConnectProbes() {
    for (const Pending& p : pending)
        ::close(p.fd);
}

int TcpConnectProbes::start(quint32 ipv4, quint16 port) {
    const int id = next_id++;
    const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        ended_at_once.push_back({id, Outcome::Failed});
        return id;
    }
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(ipv4);
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0) {
        ::close(fd);
        ended_at_once.push_back({id, Outcome::Accepted});
    } else if (errno == EINPROGRESS) {
        pending.push_back({id, fd});
    } else {
        ended_at_once.push_back({id, outcomeOf(errno)});
        ::close(fd);
    }
    return id;
}

void TcpConnectProbes::cancel(int id) {
    const auto it =
        std::find_if(pending.begin(), pending.end(), [id](const Pending& p) { return p.id == id; });
    if (it == pending.end())
        return;
    ::close(it->fd);
    pending.erase(it);
}

std::vector<TcpConnectProbes::Finished> TcpConnectProbes::wait(int timeout_ms) {
    std::vector<Finished> ended;
    ended.swap(ended_at_once);
    std::vector<pollfd> fds;
    for (const Pending& p : pending)
        fds.push_back({p.fd, POLLOUT, 0});
    // Connects that ended at once are news enough: only look at the others.
    const int wait_ms = ended.empty() ? std::max(timeout_ms, 0) : 0;
    if (fds.empty() || ::poll(fds.data(), fds.size(), wait_ms) <= 0)
        return ended;
    std::vector<Pending> still;
    for (size_t i = 0; i < fds.size(); ++i) {
        if (fds[i].revents == 0) {
            still.push_back(pending[i]);
            continue;
        }
        int error = 0;
        socklen_t size = sizeof error;
        if (::getsockopt(fds[i].fd, SOL_SOCKET, SO_ERROR, &error, &size) != 0)
            error = errno;
        ended.push_back({pending[i].id, outcomeOf(error)});
        ::close(fds[i].fd);
    }
    pending.swap(still);
    return ended;
}
