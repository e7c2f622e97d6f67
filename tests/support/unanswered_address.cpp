#include "unanswered_address.h"

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {
constexpr int kMaxFillers = 8;
constexpr int kHangMs = 100; // a request not answered by then is taken as dropped
} // namespace

UnansweredAddress::UnansweredAddress(const QString& address, unsigned short port) {
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    const QByteArray text = address.toLatin1();
    // Only loopback: the tests never reach any other host.
    if (inet_pton(AF_INET, text.constData(), &addr.sin_addr) != 1 ||
        (ntohl(addr.sin_addr.s_addr) >> 24) != 127)
        return;
    listenFd = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (listenFd < 0 || bind(listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
        listen(listenFd, 0) != 0)
        return;
    // Fill the queue until a request hangs; that request is given up again.
    for (int i = 0; i < kMaxFillers && !ready; ++i) {
        const int fd = socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
        if (fd < 0)
            return;
        if (connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) == 0) {
            fillers.push_back(fd);
            continue;
        }
        if (errno != EINPROGRESS) {
            close(fd);
            return;
        }
        pollfd p{fd, POLLOUT, 0};
        if (poll(&p, 1, kHangMs) == 0) {
            ready = true;
            close(fd);
        } else {
            fillers.push_back(fd);
        }
    }
}

UnansweredAddress::~UnansweredAddress() {
    for (int fd : fillers)
        close(fd);
    if (listenFd >= 0)
        close(listenFd);
}
