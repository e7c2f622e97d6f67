#include "basic_monitor.h"
#include "display_model.h"
#include "fake_display.h"
#include "ip_address.h"
#include "ip_scanner.h"
#include "result_codes.h"
#include "unanswered_address.h"

#include <QElapsedTimer>
#include <QtTest>

namespace {
using Status = IpScanRow::Status;

IpScanner::Probing quickProbing() {
    IpScanner::Probing p;
    p.connect_timeout_ms = 300;
    return p;
}

QList<IpScanRow> scanAll(IpScanner& scanner) {
    QList<IpScanRow> rows;
    while (std::optional<IpScanRow> row = scanner.next([] { return true; }))
        rows << *row;
    return rows;
}
} // namespace

// Loopback addresses 127.0.15.20 to 127.0.15.29 belong to this test.
class IpScannerTest : public QObject {
    Q_OBJECT

private slots:
    // Rows come in address order whatever order the connects end in; only an address that
    // accepted is asked for model, serial number and monitor ID, addressed to all displays.
    void rowsInAddressOrder() {
        DisplayModel answering;
        answering.modelName = "QV-55";
        answering.serialNumber = "7A001234";
        answering.setParameter(0x023E, 3, 100);
        FakeDisplay display(FakeDisplay::Link::Tcp, QStringLiteral("127.0.15.21"));
        display.setHandler(answering.handler());
        UnansweredAddress unanswered1(QStringLiteral("127.0.15.22"));
        FakeDisplay silent(FakeDisplay::Link::Tcp, QStringLiteral("127.0.15.23"));
        silent.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        DisplayModel noMonitorId; // answers, but not the monitor ID
        noMonitorId.modelName = "QV-40";
        FakeDisplay other(FakeDisplay::Link::Tcp, QStringLiteral("127.0.15.24"));
        other.setHandler(noMonitorId.handler());
        UnansweredAddress unanswered2(QStringLiteral("127.0.15.26"));
        QVERIFY(unanswered1.isReady() && unanswered2.isReady());

        basic_monitor monitor;
        IpScanner scanner(monitor, ipTextToUInt("127.0.15.20"), ipTextToUInt("127.0.15.26"),
                          IpScanOptions(), quickProbing());
        QCOMPARE(scanner.count(), 7u);
        const QList<IpScanRow> rows = scanAll(scanner);
        QVERIFY(scanner.at_end());
        QCOMPARE(rows.size(), 7);
        struct Expected {
            Status status;
            int result;
            const char* model;
            const char* serial;
            std::optional<uint> id;
        };
        const Expected expected[] = {
            {Status::NoReply, ResultCode::ConnectionRefused, "", "", {}},
            {Status::Ok, 0, "QV-55", "7A001234", 3u},
            {Status::NoReply, ResultCode::SocketTimeout, "", "", {}},
            {Status::PortReplied, ResultCode::NoReply, "", "", {}},
            {Status::Ok, 0, "QV-40", "", {}},
            {Status::NoReply, ResultCode::ConnectionRefused, "", "", {}},
            {Status::NoReply, ResultCode::SocketTimeout, "", "", {}},
        };
        for (int i = 0; i < rows.size(); ++i) {
            const IpScanRow& row = rows[i];
            QCOMPARE(ipUIntToText(row.address), QStringLiteral("127.0.15.%1").arg(20 + i));
            QCOMPARE(int(row.status), int(expected[i].status));
            QCOMPARE(row.result, expected[i].result);
            QCOMPARE(row.model, QString::fromLatin1(expected[i].model));
            QCOMPARE(row.serial, QString::fromLatin1(expected[i].serial));
            QCOMPARE(row.monitor_id, expected[i].id);
        }
        // The probe's connection, then the exchange's own.
        QCOMPARE(display.connectionCount(), 2);
        QCOMPARE(display.requests().size(), 3);
        for (const QByteArray& request : display.requests())
            QCOMPARE(FakeDisplay::destinationOf(request), '*');
        QCOMPARE(silent.requests().size(), 1); // no further question after the silence
        QVERIFY(monitor.interface_type() != InterfaceType::Lan); // the link is closed
    }

    // A caller that says stop ends the wait for a connect within a slice; a range that ends at
    // the top address counts its addresses without wrapping.
    void stopsWhenToldAndCountsToTheTop() {
        UnansweredAddress unanswered(QStringLiteral("127.0.15.27"));
        QVERIFY(unanswered.isReady());
        basic_monitor monitor;
        IpScanner scanner(monitor, ipTextToUInt("127.0.15.27"), ipTextToUInt("127.0.15.27"),
                          IpScanOptions());
        QElapsedTimer timer;
        timer.start();
        int calls = 0;
        const auto untilStopped = [&] {
            ++calls;
            return timer.elapsed() < 100;
        };
        QVERIFY(!scanner.next(untilStopped));
        // Well before the connect time-out, with room for a loaded machine's long slices.
        QVERIFY2(timer.elapsed() < TLANComm::ConnectTimeoutMs / 2,
                 qPrintable(QString::number(timer.elapsed())));
        QVERIFY(calls >= 2); // asked again after each slice, not once at the end

        IpScanner top(monitor, 0xFFFFFFFDu, 0xFFFFFFFFu, IpScanOptions());
        QCOMPARE(top.count(), 3u);
        QVERIFY(!top.at_end());
    }
};

QTEST_MAIN(IpScannerTest)
#include "tst_ip_scanner.moc"
