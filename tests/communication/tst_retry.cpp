#include "display_model.h"
#include "fake_display.h"
#include "pause_recorder.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"
#include "transfer_display.h"

#include <QtTest>

#include <functional>
#include <memory>

// Loopback addresses 127.0.0.36 to 127.0.0.41 belong to this test.

namespace {
using Command = std::function<int(QVCommProtocol&)>;

const QMap<QString, Command>& commands() {
    static unsigned int value, max;
    static unsigned char byte, result, type;
    static float h, v;
    static char text[64];
    static unsigned char codes[8];
    static date_time_record when;
    static char area[QVCommProtocol::AssetSize + 1];
    static const unsigned int gamma[2] = {0x0102, 0x0304};
    static const QMap<QString, Command> table = {
        {"power_control", [](QVCommProtocol& p) { return p.power_control(byte = 1); }},
        {"power_status_read", [](QVCommProtocol& p) { return p.power_status_read(byte); }},
        {"save_current_settings", [](QVCommProtocol& p) { return p.save_current_settings(); }},
        {"get_timing_report", [](QVCommProtocol& p) { return p.get_timing_report(byte, h, v); }},
        {"set_parameter",
         [](QVCommProtocol& p) { return p.set_parameter(0, 0x10, value = 1, max, result, type); }},
        {"get_parameter",
         [](QVCommProtocol& p) { return p.get_parameter(0, 0x10, value, max, result, type); }},
        {"serial_number_read",
         [](QVCommProtocol& p) { return p.serial_number_read(text, int(sizeof text)); }},
        {"model_name_read",
         [](QVCommProtocol& p) { return p.model_name_read(text, int(sizeof text)); }},
        {"self_diagnosis_status_read",
         [](QVCommProtocol& p) {
             int count = int(sizeof codes);
             return p.self_diagnosis_status_read(codes, count);
         }},
        {"date_time_read", [](QVCommProtocol& p) { return p.date_time_read(when); }},
        {"date_time_write", [](QVCommProtocol& p) { return p.date_time_write(when); }},
        {"firmware_version_read",
         [](QVCommProtocol& p) { return p.firmware_version_read(0, text, int(sizeof text)); }},
        {"mode_change_request", [](QVCommProtocol& p) { return p.mode_change_request(byte = 2); }},
        {"send_ir_remote_code", [](QVCommProtocol& p) { return p.send_ir_remote_code(0x10, 3); }},
        {"read_capability_string",
         [](QVCommProtocol& p) {
             int capacity = int(sizeof text);
             return p.read_capability_string(text, capacity);
         }},
        {"read_asset_data",
         [](QVCommProtocol& p) {
             int capacity = int(sizeof area);
             return p.read_asset_data(area, capacity);
         }},
        {"write_asset_data", [](QVCommProtocol& p) { return p.write_asset_data("x", 1, 1); }},
        {"refresh_gamma_table", [](QVCommProtocol& p) { return p.refresh_gamma_table(); }},
        {"save_gamma_table", [](QVCommProtocol& p) { return p.save_gamma_table(); }},
        {"gamma_table_write_raw_chunk",
         [](QVCommProtocol& p) { return p.gamma_table_write_raw_chunk(gamma, 0, 2); }},
    };
    return table;
}

// A display on `address` that answers from a filled model, its first `failures` replies
// broken, and a retry layer for it with its pauses recorded instead of slept.
struct Rig {
    explicit Rig(const char* address, int failures = 0)
        : fake(FakeDisplay::Link::Tcp, QString::fromLatin1(address)) {
        model.setParameter(0x0010, 50, 100);
        model.serialNumber = "123";
        model.modelName = "QV";
        model.firmwareVersions = {"R1"};
        model.failNext(failures);
        transfers.capability = "vcp(10)";
        transfers.attach(model);
        fake.setHandler(model.handler());
    }
    DisplayModel model;
    TransferDisplay transfers;
    FakeDisplay fake;
    QVCommProtocol_retry p;
    PauseRecorder clock{p};
};
} // namespace

class RetryTest : public QObject {
    Q_OBJECT

private slots:
    void defaultsAndRemembered() {
        QVCommProtocol_retry p;
        PauseRecorder clock(p);
        QCOMPARE(p.retry_count(), 3);
        QCOMPARE(p.interface_type(), 3);
        QVERIFY(p.address().isEmpty());
        QCOMPARE(p.open_interface(QStringLiteral("127.0.0.36"), 1), ResultCode::ConnectionRefused);
        QCOMPARE(p.address(), QStringLiteral("127.0.0.36"));
        QCOMPARE(p.interface_type(), 1);
        QVERIFY(clock.pauses.isEmpty()); // an open is never repeated
    }

    // The count is the number of tries in all; below 2, even negative, it is one try.
    void counts_data() {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("tries");
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("1") << 1 << 1;
        QTest::newRow("2") << 2 << 2;
        QTest::newRow("3") << 3 << 3;
        QTest::newRow("-1") << -1 << 1;
    }
    void counts() {
        QFETCH(int, count);
        QFETCH(int, tries);
        Rig rig("127.0.0.37", 100);
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        p.set_retry_count(count);
        QCOMPARE(p.retry_count(), count);
        unsigned int current = 7, max = 7;
        unsigned char result = 7, type = 7;
        QCOMPARE(p.get_parameter(0, 0x10, current, max, result, type), ResultCode::BadChecksum);
        QCOMPARE(fake.requests().size(), tries);
        QCOMPARE(clock.pauses, QList<int>() << QVector<int>(tries - 1, 1000).toList());
        // Every repetition runs on a fresh connection.
        QCOMPARE(fake.connectionCount(), tries);
    }

    // The dummy link never answers: every try ends with no reply at once.
    void noReplyEveryTime() {
        QVCommProtocol_retry p;
        PauseRecorder clock(p);
        QCOMPARE(p.open_interface(QString(), 3), 0);
        unsigned char mode = 0;
        QCOMPARE(p.power_status_read(mode), ResultCode::NoReply);
        QCOMPARE(clock.pauses, (QList<int>{1000, 1000}));
    }

    void secondTrySucceeds() {
        Rig rig("127.0.0.38", 1);
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int current = 0, max = 0;
        unsigned char result = 7, type = 7;
        QCOMPARE(p.get_parameter(0, 0x10, current, max, result, type), 0);
        QCOMPARE(current, 50u);
        QCOMPARE(max, 100u);
        QCOMPARE(clock.pauses, (QList<int>{1000, 50}));
        QCOMPARE(fake.requests().size(), 2);
        QCOMPARE(fake.connectionCount(), 2);
        QCOMPARE(p.address(), fake.address()); // re-opens leave the remembered values alone
        QCOMPARE(p.interface_type(), 1);

        // A first-time success costs the 50 ms pause alone.
        clock.pauses.clear();
        QCOMPARE(p.get_parameter(0, 0x10, current, max, result, type), 0);
        QCOMPARE(clock.pauses, QList<int>{50});
        QCOMPARE(fake.connectionCount(), 2);
    }

    void failedReopen() {
        QVCommProtocol_retry p;
        PauseRecorder clock(p);
        // Nothing listens: the first try fails on the closed link, both re-opens are refused.
        QCOMPARE(p.open_interface(QStringLiteral("127.0.0.39"), 1), ResultCode::ConnectionRefused);
        unsigned char mode = 0;
        QCOMPARE(p.power_status_read(mode), ResultCode::ConnectionRefused);
        QCOMPARE(clock.pauses, (QList<int>{1000, 1000}));

        // The display comes up during the first pause: the re-open and the command succeed.
        clock.pauses.clear();
        std::unique_ptr<FakeDisplay> fake;
        DisplayModel model;
        model.powerMode = 4;
        clock.onPause = [&] {
            if (!fake) {
                fake = std::make_unique<FakeDisplay>(FakeDisplay::Link::Tcp,
                                                     QStringLiteral("127.0.0.39"));
                fake->setHandler(model.handler());
            }
        };
        QCOMPARE(p.power_status_read(mode), 0);
        QCOMPARE(int(mode), 4);
        QCOMPARE(clock.pauses, (QList<int>{1000, 50}));
        QCOMPARE(fake->connectionCount(), 1);
    }

    // Which commands repeat, and every pause of a run whose first reply is broken: the pause
    // before the repetition, the command's own pauses and the pause after the success.
    void wrappedCommands_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QList<int>>("pauses"); // empty: runs once
        QTest::addColumn<int>("requests");
        // The transfers pause on their own too: the asset read 500 ms after each try, the asset
        // write 400 ms after each chunk, the gamma chunk 50 ms after its reply.
        const QMap<QString, QPair<QList<int>, int>> transferRuns = {
            {"read_capability_string", {{1000, 50}, 3}},
            {"read_asset_data", {{500, 1000, 500, 50}, 2}},
            {"write_asset_data", {{1000, 400, 50}, 2}},
            {"refresh_gamma_table", {{2000, 50}, 2}},
            {"save_gamma_table", {{2000, 50}, 2}},
            {"gamma_table_write_raw_chunk", {{2000, 50, 50}, 2}}};
        for (const QString& name : commands().keys()) {
            const bool once = name == "mode_change_request" || name == "send_ir_remote_code";
            QPair<QList<int>, int> run = {{1000, 50}, 2};
            if (once)
                run = {{}, 1};
            run = transferRuns.value(name, run);
            QTest::newRow(qPrintable(name)) << name << run.first << run.second;
        }
    }
    void wrappedCommands() {
        QFETCH(QString, command);
        QFETCH(QList<int>, pauses);
        QFETCH(int, requests);
        Rig rig("127.0.0.40", 1);
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        const int result = commands().value(command)(p);
        QCOMPARE(result, pauses.isEmpty() ? ResultCode::BadChecksum : 0);
        QCOMPARE(fake.requests().size(), requests);
        QCOMPARE(clock.pauses, pauses);
        QCOMPARE(fake.connectionCount(), pauses.isEmpty() ? 1 : 2);
    }

    // A repetition starts from the caller's inputs, not from what a failed try wrote back.
    void repetitionsStartFromTheCallersInputs() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.40"));
        DisplayModel model;
        model.diagnostics = {0x70, 0xD0};
        int calls = 0;
        fake.setHandler([&](const QByteArray& request) {
            FakeReply r = model.answer(request);
            if (calls++ == 0) // an error status with the display's old clock
                r.bytes = FakeDisplay::frame('B', "C31201" + QByteArray("01020304050600"));
            return r;
        });
        QVCommProtocol_retry p;
        PauseRecorder clock(p);
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        date_time_record when;
        when.year = 26;
        when.month = 12;
        when.day = 10;
        QCOMPARE(p.date_time_write(when), 0);
        QCOMPARE(fake.requests().size(), 2);
        QCOMPARE(FakeDisplay::bodyOf(fake.requests()[1]), FakeDisplay::bodyOf(fake.requests()[0]));
        QCOMPARE(when.year, 26);

        // Each try gets the caller's capacity again.
        model.failNext(1);
        unsigned char codes[4];
        int count = int(sizeof codes);
        QCOMPARE(p.self_diagnosis_status_read(codes, count), 0);
        QCOMPARE(count, 2);
        QCOMPARE(int(codes[1]), 0xD0);
    }

    // A request that the engine refuses before sending goes out on no try and waits for nothing.
    void refusedRequestsAreNotRepeated() {
        Rig rig("127.0.0.41");
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int value = 0x10032, max = 0;
        unsigned char result = 0, type = 0;
        QCOMPARE(p.set_parameter(0, 0x10, value, max, result, type), ResultCode::TooManyValues);
        value = 0x10032;
        QCOMPARE(p.set_vcp(0x0010, value, max, result, type), ResultCode::TooManyValues);
        QVERIFY(fake.requests().isEmpty());
        QVERIFY(clock.pauses.isEmpty());
    }

    // get_vcp and set_vcp repeat as a whole; the get_parameter and set_parameter they run are not
    // repeated again: a success pauses once.
    void nesting() {
        Rig rig("127.0.0.41");
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int value = 0, max = 0;
        unsigned char result = 0, type = 0;
        QCOMPARE(p.get_vcp(0x0010, value, max, result, type), 0);
        QCOMPARE(value, 50u);
        QCOMPARE(clock.pauses, QList<int>{50});
    }

    // The exchanges of one get_vcp or set_vcp with the retry count at 3, each on a connection of
    // its own, with the pause before every repetition.
    void vcpExchanges_data() {
        QTest::addColumn<QString>("command");
        QTest::addColumn<int>("broken"); // replies
        QTest::addColumn<int>("exchanges");
        QTest::newRow("get_vcp, exchanges with every reply broken") << "get_vcp" << 100 << 3;
        QTest::newRow("set_vcp, exchanges with every reply broken") << "set_vcp" << 100 << 3;
        QTest::newRow("get_vcp, exchanges with the first reply broken") << "get_vcp" << 1 << 2;
        QTest::newRow("set_vcp, exchanges with the first reply broken") << "set_vcp" << 1 << 2;
    }
    void vcpExchanges() {
        QFETCH(QString, command);
        QFETCH(int, broken);
        QFETCH(int, exchanges);
        Rig rig("127.0.0.41", broken);
        auto& [model, transfers, fake, p, clock] = rig;
        QCOMPARE(p.open_interface(fake.address(), 1), 0);
        unsigned int value = 60, max = 0;
        unsigned char result = 0, type = 0;
        const int code = command == "get_vcp" ? p.get_vcp(0x0010, value, max, result, type)
                                              : p.set_vcp(0x0010, value, max, result, type);
        const bool succeeds = broken < exchanges;
        QCOMPARE(code, succeeds ? 0 : ResultCode::BadChecksum);
        QCOMPARE(fake.requests().size(), exchanges);
        QCOMPARE(fake.connectionCount(), exchanges);
        QCOMPARE(clock.pauses.count(QVCommProtocol_retry::RetryPauseMs), exchanges - 1);
        if (succeeds) {
            QCOMPARE(value, command == "get_vcp" ? 50u : 60u);
            QCOMPARE(clock.pauses.last(), int(QVCommProtocol_retry::SuccessPauseMs));
        } else {
            QCOMPARE(clock.pauses, QVector<int>(exchanges - 1, 1000).toList());
        }
    }
};

QTEST_GUILESS_MAIN(RetryTest)
#include "tst_retry.moc"
