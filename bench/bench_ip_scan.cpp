// An IP scan of 256 loopback addresses where one holds a display, 32 never complete a connection
// (as empty addresses on a LAN) and the rest refuse it: the scanner, which connects to many
// addresses at once, against a plain sequential scan of the same range in the same run.

#include "basic_monitor.h"
#include "display_model.h"
#include "fake_display.h"
#include "ip_address.h"
#include "ip_scanner.h"
#include "result_codes.h"
#include "unanswered_address.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>
#include <memory>
#include <vector>

namespace {
const QString kFirst = QStringLiteral("127.0.151.0");
const QString kLast = QStringLiteral("127.0.151.255");
const QString kDisplay = QStringLiteral("127.0.151.77");
constexpr int kUnanswered = 32;
constexpr int kUnansweredStep = 8; // every 8th address, from .3 on

struct Tally {
    int ok = 0;
    int timedOut = 0;
    int refused = 0;
    int rows = 0;
};

void count(Tally& t, const IpScanRow& row) {
    ++t.rows;
    if (row.status == IpScanRow::Status::Ok)
        ++t.ok;
    else if (row.result == ResultCode::SocketTimeout)
        ++t.timedOut;
    else if (row.result == ResultCode::ConnectionRefused)
        ++t.refused;
}

bool expected(const Tally& t) {
    return t.rows == 256 && t.ok == 1 && t.timedOut == kUnanswered &&
           t.refused == 256 - 1 - kUnanswered;
}

void report(const char* title, const Tally& t, double ms) {
    std::printf("%s: %d addresses in %.0f ms (%d display, %d timed out, %d refused)\n", title,
                t.rows, ms, t.ok, t.timedOut, t.refused);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    DisplayModel model;
    model.modelName = "BENCH-1";
    model.serialNumber = "00000001";
    model.setParameter(0x023E, 1, 100);
    FakeDisplay fake(FakeDisplay::Link::Tcp, kDisplay);
    if (!fake.isListening()) {
        std::fprintf(stderr, "cannot listen on %s:7142\n", qPrintable(kDisplay));
        return 1;
    }
    fake.setHandler(model.handler());
    const quint32 first = ipTextToUInt(kFirst), last = ipTextToUInt(kLast);
    std::vector<std::unique_ptr<UnansweredAddress>> silent;
    for (int i = 0; i < kUnanswered; ++i) {
        silent.push_back(std::make_unique<UnansweredAddress>(
            ipUIntToText(first + 3 + quint32(i * kUnansweredStep))));
        if (!silent.back()->isReady()) {
            std::fprintf(stderr, "cannot make an unanswered address (run in a network namespace "
                                 "with only loopback)\n");
            return 1;
        }
    }
    basic_monitor monitor;
    const IpScanOptions options;

    Tally fast;
    QElapsedTimer timer;
    timer.start();
    IpScanner scanner(monitor, first, last, options);
    while (std::optional<IpScanRow> row = scanner.next([] { return true; }))
        count(fast, *row);
    const double fastMs = timer.elapsed();
    report("scanner", fast, fastMs);

    Tally plain;
    timer.restart();
    for (quint32 address = first; address <= last; ++address)
        count(plain, scan_address(monitor, address, options));
    const double plainMs = timer.elapsed();
    report("sequential", plain, plainMs);

    std::printf("scanner %.2f s (goal < 3 s), %.1fx faster than sequential (goal >= 20x)\n",
                fastMs / 1000.0, plainMs / fastMs);
    return expected(fast) && expected(plain) ? 0 : 1;
}
