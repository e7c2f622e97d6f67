#include "fake_search_responder.h"

#include <QtEndian>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

namespace {
bool isLoopback(const sockaddr_in& addr) {
    return (ntohl(addr.sin_addr.s_addr) >> 24) == 127;
}
} // namespace

FakeSearchResponder::FakeSearchResponder(const QString& address, quint16 port) {
    if (pipe(wakePipe) != 0)
        return;
    fd = socket(AF_INET, SOCK_DGRAM, 0);
    sockaddr_in addr{};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    const QByteArray text = address.toLatin1();
    if (fd < 0 || inet_pton(AF_INET, text.constData(), &addr.sin_addr) != 1 || !isLoopback(addr) ||
        bind(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        if (fd >= 0)
            close(fd);
        fd = -1;
        return;
    }
    thread = std::thread([this] { run(); });
}

FakeSearchResponder::~FakeSearchResponder() {
    stopping = true;
    if (wakePipe[1] >= 0 && write(wakePipe[1], "x", 1) < 0) {
    }
    if (thread.joinable())
        thread.join();
    for (int f : {fd, wakePipe[0], wakePipe[1]})
        if (f >= 0)
            close(f);
}

void FakeSearchResponder::setHandler(Handler h) {
    std::lock_guard<std::mutex> lock(mutex);
    handler = std::move(h);
}

QList<FakeSearchResponder::Received> FakeSearchResponder::received() const {
    std::lock_guard<std::mutex> lock(mutex);
    return log;
}

void FakeSearchResponder::sendTo(const QByteArray& bytes, const QString& address, quint16 port) {
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(port);
    const QByteArray text = address.toLatin1();
    if (fd >= 0 && inet_pton(AF_INET, text.constData(), &to.sin_addr) == 1 && isLoopback(to))
        sendto(fd, bytes.constData(), size_t(bytes.size()), 0, reinterpret_cast<sockaddr*>(&to),
               sizeof to);
}

void FakeSearchResponder::run() {
    char buffer[2048];
    while (!stopping) {
        pollfd fds[2] = {{fd, POLLIN, 0}, {wakePipe[0], POLLIN, 0}};
        if (poll(fds, 2, -1) <= 0 || (fds[1].revents & POLLIN))
            continue;
        sockaddr_in from{};
        socklen_t fromSize = sizeof from;
        const ssize_t n =
            recvfrom(fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from), &fromSize);
        if (n < 0)
            continue;
        const QByteArray datagram(buffer, int(n));
        char fromText[INET_ADDRSTRLEN] = {};
        inet_ntop(AF_INET, &from.sin_addr, fromText, sizeof fromText);
        Handler h;
        int index = 0;
        {
            std::lock_guard<std::mutex> lock(mutex);
            index = log.size();
            log.append({datagram, QString::fromLatin1(fromText), ntohs(from.sin_port)});
            h = handler;
        }
        // Replies go back to the sender, which on loopback is always a loopback address.
        if (!h || !isLoopback(from))
            continue;
        for (const Reply& r : h(datagram, index)) {
            if (r.delayMs > 0)
                std::this_thread::sleep_for(std::chrono::milliseconds(r.delayMs));
            sendto(fd, r.bytes.constData(), size_t(r.bytes.size()), 0,
                   reinterpret_cast<sockaddr*>(&from), sizeof from);
        }
    }
}

QByteArray FakeSearchResponder::reply(const ReplyFields& f) {
    QByteArray d(qMax(f.size, 256), '\0');
    d.replace(0, qMin(4, f.magic.size()), f.magic.left(4));
    qToLittleEndian<quint16>(f.sequence, d.data() + 8);
    qToLittleEndian<quint32>(f.type, d.data() + 16);
    qToLittleEndian<quint32>(f.value, d.data() + 20);
    d.replace(32, qMin(64, f.addressText.size()), f.addressText.left(64));
    qToLittleEndian<quint32>(f.filterA, d.data() + 144);
    qToLittleEndian<quint32>(f.filterB, d.data() + 148);
    // The name field overlaps the filter words; a long name overwrites them.
    if (!f.name.isEmpty())
        d.replace(96, qMin(160, f.name.size()), f.name.left(160));
    d.resize(f.size);
    return d;
}

quint16 FakeSearchResponder::sequenceOf(const QByteArray& request) {
    return request.size() >= 10 ? qFromLittleEndian<quint16>(request.constData() + 8) : 0;
}

quint32 FakeSearchResponder::typeOf(const QByteArray& request) {
    return request.size() >= 20 ? qFromLittleEndian<quint32>(request.constData() + 16) : 0;
}

quint32 FakeSearchResponder::timeStampOf(const QByteArray& request) {
    return request.size() >= 16 ? qFromLittleEndian<quint32>(request.constData() + 12) : 0;
}
