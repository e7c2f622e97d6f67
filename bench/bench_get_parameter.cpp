// Get-parameter exchanges over TCP loopback to the fake display: a bare blocking socket round
// trip of the same bytes (the reference) and the protocol engine alone (retry off: one try, no
// pauses), with the ratio of their medians; then the retry layer (retry on), whose measured
// total is set against the pauses it must take.

#include "byte_buffer.h"
#include "display_model.h"
#include "fake_display.h"
#include "qvcommprotocol_retry.h"

#include <QCoreApplication>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <cstdio>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
#include <vector>

namespace {
using Clock = std::chrono::steady_clock;

const QString kAddress = QStringLiteral("127.0.0.200");
constexpr int kPlainExchanges = 10000;
constexpr int kRounds = 10;
constexpr int kRetryExchanges = 100;
constexpr int kFailEvery = 20; // in the retry run, every 20th exchange fails once first

double micros(Clock::duration d) {
    return std::chrono::duration<double, std::micro>(d).count();
}

// Prints the figures and returns the median.
double report(const char* title, std::vector<double> us) {
    std::sort(us.begin(), us.end());
    const double median = us[us.size() / 2];
    const double p95 = us[std::min(us.size() - 1, us.size() * 95 / 100)];
    std::printf("%s: %zu exchanges, median %.1f us, 95th percentile %.1f us\n", title, us.size(),
                median, p95);
    return median;
}

// The reference: one blocking send of the request and blocking reads until the whole reply is
// in, on a plain socket.
bool bareRoundTrips(const QString& address, const QByteArray& request, int replySize, int count,
                    std::vector<double>& us) {
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in to{};
    to.sin_family = AF_INET;
    to.sin_port = htons(7142);
    ::inet_pton(AF_INET, qPrintable(address), &to.sin_addr);
    if (fd < 0 || ::connect(fd, reinterpret_cast<const sockaddr*>(&to), sizeof to) != 0)
        return false;
    char reply[512];
    bool ok = true;
    for (int i = 0; i < count && ok; ++i) {
        const Clock::time_point start = Clock::now();
        ok = ::send(fd, request.constData(), size_t(request.size()), 0) == request.size();
        for (int got = 0; ok && got < replySize;) {
            const ssize_t n = ::recv(fd, reply + got, sizeof reply - size_t(got), 0);
            ok = n > 0;
            got += int(n);
        }
        us.push_back(micros(Clock::now() - start));
    }
    ::close(fd);
    return ok;
}

// Runs count exchanges; false when one of them fails.
bool run(QVCommProtocol& protocol, DisplayModel& model, int count, int failEvery,
         std::vector<double>& us) {
    for (int i = 0; i < count; ++i) {
        if (failEvery > 0 && i % failEvery == failEvery - 1)
            model.failNext(1);
        unsigned int current = 0, max = 0;
        unsigned char result = 0, type = 0;
        const Clock::time_point start = Clock::now();
        const int code = protocol.get_parameter(0x00, 0x10, current, max, result, type);
        us.push_back(micros(Clock::now() - start));
        if (code != 0 || current != 50) {
            std::fprintf(stderr, "exchange %d failed: %d\n", i, code);
            return false;
        }
    }
    return true;
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DisplayModel model;
    model.setParameter(0x0010, 50, 100);
    FakeDisplay fake(FakeDisplay::Link::Tcp, kAddress);
    if (!fake.isListening()) {
        std::fprintf(stderr, "cannot listen on %s:7142\n", qPrintable(kAddress));
        return 1;
    }
    fake.setHandler(model.handler());

    QVCommProtocol plain;
    QByteArray request, reply;
    QObject::connect(&plain, &QVCommProtocol::transfer_data,
                     [&](const QList<unsigned char>& bytes, int type) {
                         if (type == QVCommProtocol::TrafficSent)
                             request = toByteArray(bytes);
                         else if (type == QVCommProtocol::TrafficReply)
                             reply = toByteArray(bytes);
                     });
    if (plain.open_interface(kAddress, 1) != 0)
        return 1;
    std::vector<double> plainUs;
    if (!run(plain, model, 1, 0, plainUs)) // learns the bytes of one exchange
        return 1;
    QObject::disconnect(&plain, &QVCommProtocol::transfer_data, nullptr, nullptr);

    // The two take turns in rounds, so that a change in the machine's load falls on both; the
    // display serves one connection at a time, so each round connects anew.
    std::vector<double> bareUs;
    plainUs.clear();
    for (int round = 0; round < kRounds; ++round) {
        if (!bareRoundTrips(kAddress, request, reply.size(), kPlainExchanges / kRounds, bareUs)) {
            std::fprintf(stderr, "bare round trip failed\n");
            return 1;
        }
        if (plain.open_interface(kAddress, 1) != 0 ||
            !run(plain, model, kPlainExchanges / kRounds, 0, plainUs))
            return 1;
    }
    const double bare = report("bare socket round trip", bareUs);
    const double engine = report("retry off", plainUs);
    std::printf("retry off: %.2f times the bare round trip (goal: at most 1.50)\n", engine / bare);
    plain.open_interface(QString(), 0);

    QVCommProtocol_retry retried;
    retried.set_retry_count(3);
    if (retried.open_interface(kAddress, 1) != 0)
        return 1;
    std::vector<double> retryUs;
    const Clock::time_point start = Clock::now();
    if (!run(retried, model, kRetryExchanges, kFailEvery, retryUs))
        return 1;
    const double totalMs = micros(Clock::now() - start) / 1000.0;
    report("retry on", retryUs);
    const int failures = kRetryExchanges / kFailEvery;
    const int pausesMs = kRetryExchanges * QVCommProtocol_retry::SuccessPauseMs +
                         failures * QVCommProtocol_retry::RetryPauseMs;
    std::printf("retry on: %d of them failed once; measured total %.1f ms, mandated pauses %d ms "
                "(%d x %d ms after success + %d x %d ms before a repetition), %+.2f%%\n",
                failures, totalMs, pausesMs, kRetryExchanges, QVCommProtocol_retry::SuccessPauseMs,
                failures, QVCommProtocol_retry::RetryPauseMs,
                (totalMs - pausesMs) * 100.0 / pausesMs);
    return 0;
}
