#include "fake_display.h"

#include "sleep.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

namespace {
int hexValue(char c) {
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}
} // namespace

FakeDisplay::FakeDisplay(Link l, const QString& address) : link(l), hostAddress(address) {
    if (pipe(wakePipe) != 0)
        return;
    if (link == Link::Tcp) {
        listenFd = socket(AF_INET, SOCK_STREAM, 0);
        int one = 1;
        setsockopt(listenFd, SOL_SOCKET, SO_REUSEADDR, &one, sizeof one);
        sockaddr_in addr{};
        addr.sin_family = AF_INET;
        addr.sin_port = htons(7142);
        const QByteArray text = address.toLatin1();
        // Only loopback: the tests never reach any other host.
        if (inet_pton(AF_INET, text.constData(), &addr.sin_addr) != 1 ||
            (ntohl(addr.sin_addr.s_addr) >> 24) != 127 ||
            bind(listenFd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0 ||
            listen(listenFd, 8) != 0) {
            close(listenFd);
            listenFd = -1;
            return;
        }
    } else {
        masterFd = posix_openpt(O_RDWR | O_NOCTTY);
        if (masterFd < 0 || grantpt(masterFd) != 0 || unlockpt(masterFd) != 0) {
            if (masterFd >= 0)
                close(masterFd);
            masterFd = -1;
            return;
        }
        ptyName = QString::fromLatin1(ptsname(masterFd));
        // Held open so that the master never sees a hang-up between the client's opens.
        slaveFd = open(ptsname(masterFd), O_RDWR | O_NOCTTY);
        termios raw{};
        tcgetattr(slaveFd, &raw);
        cfmakeraw(&raw);
        tcsetattr(slaveFd, TCSANOW, &raw);
    }
    thread = std::thread([this] { run(); });
}

FakeDisplay::~FakeDisplay() {
    stopping = true;
    if (wakePipe[1] >= 0 && write(wakePipe[1], "x", 1) < 0) {
    }
    if (thread.joinable())
        thread.join();
    for (int fd : {listenFd, clientFd, masterFd, slaveFd, wakePipe[0], wakePipe[1]})
        if (fd >= 0)
            close(fd);
}

void FakeDisplay::setHandler(Handler h) {
    std::lock_guard<std::mutex> lock(mutex);
    handler = std::move(h);
}

QList<QByteArray> FakeDisplay::requests() const {
    std::lock_guard<std::mutex> lock(mutex);
    return received;
}

void FakeDisplay::clearRequests() {
    std::lock_guard<std::mutex> lock(mutex);
    received.clear();
}

QByteArray FakeDisplay::frame(char type, const QByteArray& body, char source, char destination) {
    QByteArray out;
    out += char(0x01);
    out += '0';
    out += destination;
    out += source;
    out += type;
    out += QByteArray::number(body.size() + 2, 16).rightJustified(2, '0').toUpper();
    out += char(0x02);
    out += body;
    out += char(0x03);
    char check = 0;
    for (int i = 1; i < out.size(); ++i)
        check ^= out[i];
    out += check;
    out += char(0x0D);
    return out;
}

QByteArray FakeDisplay::bodyOf(const QByteArray& request) {
    if (request.size() < 11 || request[0] != char(0x01))
        return {};
    return request.mid(8, request.size() - 11);
}

char FakeDisplay::typeOf(const QByteArray& request) {
    return request.size() > 4 ? request[4] : 0;
}

char FakeDisplay::destinationOf(const QByteArray& request) {
    return request.size() > 2 ? request[2] : 0;
}

// Cuts one request off the front of the pending bytes: a frame by its length field (its check
// byte may itself be CR), or raw text up to CR.
bool FakeDisplay::takeRequest(QByteArray& request) {
    if (pending.isEmpty())
        return false;
    int end = -1;
    if (pending[0] == char(0x01)) {
        if (pending.size() < 7)
            return false;
        const int hi = hexValue(pending[5]), lo = hexValue(pending[6]);
        if (hi < 0 || lo < 0) {
            end = pending.indexOf(char(0x0D));
        } else {
            const int total = 7 + hi * 16 + lo + 2;
            if (pending.size() < total)
                return false;
            end = total - 1;
        }
    } else {
        end = pending.indexOf(char(0x0D));
    }
    if (end < 0)
        return false;
    request = pending.left(end + 1);
    pending.remove(0, end + 1);
    return true;
}

void FakeDisplay::sendReply(int fd, const FakeReply& reply) {
    sleepMs(reply.delayMs);
    int sent = 0;
    while (sent < reply.bytes.size() && !stopping) {
        if (reply.closeAfter >= 0 && sent >= reply.closeAfter)
            break;
        const int chunk = reply.byteGapMs > 0 ? 1 : reply.bytes.size() - sent;
        const int limit = reply.closeAfter >= 0 ? std::min(chunk, reply.closeAfter - sent) : chunk;
        const ssize_t n = write(fd, reply.bytes.constData() + sent, size_t(limit));
        if (n <= 0)
            return;
        sent += int(n);
        if (reply.byteGapMs > 0)
            sleepMs(reply.byteGapMs);
    }
    if (!reply.later.isEmpty() && !stopping) {
        sleepMs(reply.laterDelayMs);
        if (write(fd, reply.later.constData(), size_t(reply.later.size())) < 0)
            return;
    }
    if (reply.closeAfter >= 0 && link == Link::Tcp && fd == clientFd) {
        close(clientFd);
        clientFd = -1;
        pending.clear();
    }
}

void FakeDisplay::serveBytes(int fd, const char* data, int size) {
    pending.append(data, size);
    QByteArray request;
    while (fd >= 0 && takeRequest(request)) {
        Handler h;
        {
            std::lock_guard<std::mutex> lock(mutex);
            received << request;
            h = handler;
        }
        if (h)
            sendReply(fd, h(request));
        if (link == Link::Tcp)
            fd = clientFd;
    }
}

void FakeDisplay::run() {
    char buffer[4096];
    while (!stopping) {
        pollfd fds[3];
        int n = 0;
        fds[n++] = {wakePipe[0], POLLIN, 0};
        const int dataFd = link == Link::Tcp ? clientFd : masterFd;
        if (link == Link::Tcp)
            fds[n++] = {listenFd, POLLIN, 0};
        if (dataFd >= 0)
            fds[n++] = {dataFd, POLLIN, 0};
        if (poll(fds, nfds_t(n), 100) <= 0)
            continue;
        if (fds[0].revents)
            break;
        if (link == Link::Tcp && (fds[1].revents & POLLIN)) {
            const int fd = accept(listenFd, nullptr, nullptr);
            if (fd >= 0) {
                if (clientFd >= 0)
                    close(clientFd);
                int one = 1;
                setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
                clientFd = fd;
                pending.clear();
                ++connections;
            }
            continue;
        }
        if (dataFd >= 0 && fds[n - 1].revents) {
            const ssize_t got = read(dataFd, buffer, sizeof buffer);
            if (got > 0) {
                serveBytes(dataFd, buffer, int(got));
            } else if (link == Link::Tcp) {
                close(clientFd);
                clientFd = -1;
                pending.clear();
            } else {
                sleepMs(10); // the client side of the pseudo-terminal is closed for now
            }
        }
    }
}
