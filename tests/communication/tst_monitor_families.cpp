#include "basic_monitor.h"
#include "display_families.h"
#include "display_model.h"
#include "fake_display.h"
#include "family_operations.h"
#include "pause_recorder.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"

#include <QtTest>

#include <functional>

// Loopback addresses 127.0.0.96 to 127.0.0.99 belong to this test.

namespace {
// A display with every command family, a monitor connected to it over TCP, its engine's
// pauses recorded instead of slept.
struct Bench {
    explicit Bench(const QString& address) : fake(FakeDisplay::Link::Tcp, address) {
        fake.setHandler(model.handler());
        monitor_data data;
        data.m_monitor_id = 'A';
        data.communicationsInterfaceType = 1;
        data.s_communicationsInterfacePortName = address;
        opened = monitor.set_interface_info(data);
    }
    FakeDisplay fake;
    DisplayModel model;
    DisplayFamilies display{model};
    QVCommProtocol_retry* protocol = new QVCommProtocol_retry;
    PauseRecorder clock{*protocol};
    basic_monitor monitor{nullptr, protocol};
    int opened = -1;
};

} // namespace

class MonitorFamiliesTest : public QObject {
    Q_OBJECT

private slots:
    // Which commands repeat after a failure, and the pause before the repetition.
    void retried_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<int>("pause"); // 0: runs once
        const QMap<QString, int> pauses = {{"schedule_read_extended", 1000},
                                           {"schedule_write_extended", 1000},
                                           {"schedule_enable_write", 1000},
                                           {"set_proof_of_play_mode", 2000},
                                           {"get_proof_of_play_current", 2000},
                                           {"get_proof_of_play_status", 2000},
                                           {"get_proof_of_play_number_to_number", 2000},
                                           {"lan_mac_address_read_ipv4_ipv6", 2000},
                                           {"lan_mac_address_read", 2000},
                                           {"power_save_mode_read", 2000},
                                           {"power_save_mode_write", 2000},
                                           {"power_save_time_read", 2000},
                                           {"power_save_time_write", 2000},
                                           {"auto_standby_time_read", 2000},
                                           {"auto_standby_time_write", 2000},
                                           {"direct_tv_channel_read", 500},
                                           {"direct_tv_channel_write", 2000}};
        for (const QString& name : familyOperations().keys())
            QTest::newRow(qPrintable(name)) << name << pauses.value(name, 0);
    }
    void retried() {
        QFETCH(QString, operation);
        QFETCH(int, pause);
        Bench bench(QStringLiteral("127.0.0.96"));
        QCOMPARE(bench.opened, 0);
        bench.display.proofOfPlayLog = {QByteArray(38, '0')};
        bench.model.failNext(1);
        const int result = familyOperations().value(operation)(*bench.protocol);
        if (pause == 0) {
            QCOMPARE(result, ResultCode::BadChecksum);
            QCOMPARE(bench.fake.requests().size(), 1);
            QVERIFY(bench.clock.pauses.isEmpty());
        } else {
            QCOMPARE(result, 0);
            QCOMPARE(bench.fake.requests().size(), 2);
            QCOMPARE(bench.clock.pauses, (QList<int>{pause, 50}));
            QCOMPARE(bench.fake.connectionCount(), 2); // re-opened before the repetition
        }
    }

    // A repetition sends the caller's values again, not what a failed try wrote back.
    void repetitionsSendTheCallersValues() {
        Bench bench(QStringLiteral("127.0.0.97"));
        int calls = 0;
        bench.fake.setHandler([&](const QByteArray& request) {
            FakeReply r = bench.model.answer(request);
            if (calls++ == 0) // refused, with another program's times in the echo
                r.bytes = FakeDisplay::frame('B', "C3220101" + QByteArray(30, '1'));
            return r;
        });
        schedule_entry e;
        e.on_hour = 7;
        e.on_minute = 30;
        e.off_hour = 24;
        e.off_minute = 60;
        e.flags = 0x04;
        QCOMPARE(bench.protocol->schedule_write_extended(0, 1, &e), 0);
        QCOMPARE(bench.fake.requests().size(), 2);
        QCOMPARE(FakeDisplay::bodyOf(bench.fake.requests()[1]),
                 FakeDisplay::bodyOf(bench.fake.requests()[0]));
        QCOMPARE(e.on_hour, 7u);
        QCOMPARE(int(e.off_minute), 60);

        calls = 0;
        bench.fake.clearRequests();
        bench.fake.setHandler([&](const QByteArray& request) {
            FakeReply r = bench.model.answer(request);
            if (calls++ == 0) // a wrong echo of the channel
                r.bytes = FakeDisplay::frame('B', "C32D000000090001");
            return r;
        });
        int major = 0x20003, minor = 5;
        QCOMPARE(bench.protocol->direct_tv_channel_write(&major, &minor), 0);
        QCOMPARE(FakeDisplay::bodyOf(bench.fake.requests()[1]), QByteArray("C22D000200030005"));
        QCOMPARE(bench.display.tvMajor, 0x20003u);
    }

    // What the monitor writes, the display keeps, and the monitor reads it back.
    void roundTripsThroughTheMonitor() {
        Bench bench(QStringLiteral("127.0.0.98"));
        basic_monitor& m = bench.monitor;
        int result = 99, status = 99;

        daylight_saving_rule rule;
        rule.begin_month = 3;
        rule.end_month = 10;
        rule.time_difference = 60;
        QCOMPARE(m.daylight_saving_write(&rule, &result), 0);
        daylight_saving_rule back;
        QCOMPARE(m.daylight_saving_read(&back, &result), 0);
        QCOMPARE(int(back.end_month), 10);
        QCOMPARE(int(back.time_difference), 60);
        unsigned char on = 0;
        QCOMPARE(m.daylight_saving_onoff_write(1, &result), 0);
        QCOMPARE(m.daylight_saving_onoff_read(&on, &result), 0);
        QCOMPARE(int(on), 1);

        unsigned char bits = 0x41;
        QCOMPARE(m.weekend_write(&bits, &status), 0);
        bits = 0;
        QCOMPARE(m.weekend_read(&bits, &status), 0);
        QCOMPARE(int(bits), 0x41);

        holiday_entry h;
        h.type = 0x03;
        h.year = 26;
        h.month = 12;
        h.day = 24;
        h.end_month = 12;
        h.end_day = 26;
        QCOMPARE(m.holiday_write(2, &status, &h), 0);
        holiday_entry hb;
        QCOMPARE(m.holiday_read(2, &status, &hb), 0);
        QCOMPARE(int(hb.holiday_number), 2);
        QCOMPARE(int(hb.end_day), 26);
        QCOMPARE(int(hb.day), 24);

        QCOMPARE(m.set_proof_of_play_mode(&status, 1), 0);
        QCOMPARE(int(bench.display.proofOfPlayMode), 1);
        int total = 0, maximum = 0, current = 0;
        bench.display.proofOfPlayLog = {QByteArray("11") + QByteArray(36, '0'),
                                        QByteArray("12") + QByteArray(36, '0')};
        QCOMPARE(m.get_proof_of_play_status(&status, &total, &maximum, &current), 0);
        QCOMPARE(total, 2);
        proof_of_play_log entries[2];
        int count = 0;
        QCOMPARE(m.get_proof_of_play_number_to_number(1, 2, &status, &count, entries, 2), 0);
        QCOMPARE(count, 2);
        QCOMPARE(entries[1].log_number, 2);
        QCOMPARE(int(entries[1].video_input), 0x12);
        QCOMPARE(m.get_proof_of_play_current(&status, entries), 0);
        QCOMPARE(entries[0].log_number, 2);

        unsigned char hm = 0, vm = 0;
        QCOMPARE(m.auto_tile_matrix_write(3, 2, &result), 0);
        QCOMPARE(m.auto_tile_matrix_read(&hm, &vm, &result), 0);
        QCOMPARE(int(hm) * 10 + int(vm), 32);
        QCOMPARE(m.auto_id_reset(&result), 0);
        QCOMPARE(m.auto_tile_matrix_reset(&result), 0);

        const Passcode right(QStringLiteral("0000")), wrong(QStringLiteral("1234"));
        QCOMPARE(m.security_enable_write(1, wrong, &result), 0);
        QCOMPARE(result, 1); // refused: only the result byte says so
        QCOMPARE(m.security_enable_write(1, right, &result), 0);
        unsigned char enabled = 0;
        QCOMPARE(m.security_enable_read(&enabled), 0);
        QCOMPARE(int(enabled), 1);
        unsigned char lock = 1;
        QCOMPARE(m.security_lock_control(&lock, right, &status), 0);
        QCOMPARE(int(bench.display.locked), 1);
        lock = 1;
        QCOMPARE(m.compute_module_setting_lock(&lock, wrong, &status), 0);
        QCOMPARE(status, 1);
        QCOMPARE(int(bench.display.computeModuleLocked), 0);

        char name[QVCommProtocol::InputNameLength + 1];
        QCOMPARE(m.input_name_write("Lobby PC", &result), 0);
        QCOMPARE(m.input_name_read(name, int(sizeof name)), 0);
        QCOMPARE(QByteArray(name), QByteArray("Lobby PC"));
        QCOMPARE(m.input_name_reset(&result), 0);
        QCOMPARE(m.input_name_read(name, int(sizeof name)), 0);
        QCOMPARE(QByteArray(name), QByteArray());
        QCOMPARE(m.terminal_input_name_write(4, "Player", &result), 0);
        QCOMPARE(m.terminal_input_name_read(4, name, int(sizeof name), &result), 0);
        QCOMPARE(QByteArray(name), QByteArray("Player"));
        QCOMPARE(m.terminal_input_name_reset(4, &result), 0);
        QVERIFY(bench.display.terminalNames.isEmpty());

        unsigned char value = 0;
        QCOMPARE(m.power_save_mode_write(2, &result), 0);
        QCOMPARE(m.power_save_time_write(30, &result), 0);
        QCOMPARE(m.auto_standby_time_write(60, &result), 0);
        QCOMPARE(m.power_save_mode_read(&value), 0);
        QCOMPARE(int(value), 2);
        QCOMPARE(m.power_save_time_read(&value), 0);
        QCOMPARE(int(value), 30);
        QCOMPARE(m.auto_standby_time_read(&value), 0);
        QCOMPARE(int(value), 60);

        char mode[QVCommProtocol::PictureModeNameLength + 1];
        QCOMPARE(m.picture_mode_name_write(2, "Lobby", &result), 0);
        QCOMPARE(m.picture_mode_name_read(2, mode, int(sizeof mode), &result), 0);
        QCOMPARE(QByteArray(mode), QByteArray("Lobby        "));

        int major = 0x10002, minor = 3;
        QCOMPARE(m.direct_tv_channel_write(&major, &minor), 0);
        major = minor = 0;
        QCOMPARE(m.direct_tv_channel_read(&major, &minor), 0);
        QCOMPARE(major, 0x10002);
        QCOMPARE(minor, 3);

        unsigned char tileStatus = 0;
        tile_matrix_profile t;
        QCOMPARE(m.tile_matrix_profile_select(5, &tileStatus), ResultCode::ReplyError);
        QCOMPARE(m.tile_matrix_profile_write(5, 3, 2, 4, 2, &tileStatus), 0);
        QCOMPARE(m.tile_matrix_profile_select(5, &tileStatus), 0);
        QCOMPARE(m.tile_matrix_profile_read(5, &t.h_monitors, &t.v_monitors, &t.position,
                                            &t.tile_comp, &tileStatus),
                 0);
        QCOMPARE(int(t.position), 4);
        QCOMPARE(int(t.tile_comp), 2);

        pip_pbp_profile pip;
        pip.mode = 2;
        pip.video_input[1] = 17;
        pip.v_position[3] = 9;
        QCOMPARE(m.pip_pbp_profile_write(6, &status, pip), 0);
        QCOMPARE(m.pip_pbp_profile_select(6, &status), 0);
        pip_pbp_profile pipBack;
        QCOMPARE(m.pip_pbp_profile_read(6, &status, &pipBack), 0);
        QCOMPARE(int(pipBack.mode), 2);
        QCOMPARE(int(pipBack.video_input[1]), 17);
        QCOMPARE(int(pipBack.v_position[3]), 9);
    }

    // A wall 3 wide and 2 high: across goes first on the wire and comes back as across, for
    // the auto tile matrix and for the tile-matrix profiles.
    void nonSquareWallThroughTheMonitor() {
        Bench bench(QStringLiteral("127.0.0.98"));
        basic_monitor& m = bench.monitor;
        int result = 99;
        unsigned char status = 99;
        QCOMPARE(m.auto_tile_matrix_execute(3, 2, 1, 4, &result), 0);
        QCOMPARE(m.auto_tile_matrix_write(3, 2, &result), 0);
        QCOMPARE(m.tile_matrix_profile_write(5, 3, 2, 6, 1, &status), 0);
        const QList<QByteArray> requests = bench.fake.requests();
        QCOMPARE(requests.size(), 3);
        QCOMPARE(FakeDisplay::bodyOf(requests[0]), QByteArray("CA03010302010104"));
        QCOMPARE(FakeDisplay::bodyOf(requests[1]), QByteArray("CA03050302"));
        QCOMPARE(FakeDisplay::bodyOf(requests[2]), QByteArray("CA1700050302"
                                                              "0601"));

        unsigned char across = 0, down = 0, position = 0, comp = 0;
        QCOMPARE(m.auto_tile_matrix_read(&across, &down, &result), 0);
        QCOMPARE(QPair(int(across), int(down)), QPair(3, 2));
        across = down = 0;
        QCOMPARE(m.tile_matrix_profile_read(5, &across, &down, &position, &comp, &status), 0);
        QCOMPARE(QPair(int(across), int(down)), QPair(3, 2));
        QCOMPARE(QPair(int(position), int(comp)), QPair(6, 1));
    }

    // The execute-and-wait sequence: the completion arrives later and from another display.
    void autoIdCompletionThroughTheMonitor() {
        Bench bench(QStringLiteral("127.0.0.99"));
        bench.fake.setHandler([&](const QByteArray& request) {
            FakeReply r = bench.model.answer(request);
            r.later = FakeDisplay::frame('B', "CA0A0200", 'D', 'D');
            r.laterDelayMs = 200;
            return r;
        });
        int result = 99, value = 99;
        QCOMPARE(bench.monitor.auto_id_execute(&result), 0);
        QCOMPARE(bench.monitor.auto_id_get_complete(&result, &value), 0);
        QCOMPARE(result, 0);
        QCOMPARE(value, 0);
        bench.fake.setHandler([&](const QByteArray& request) {
            FakeReply r = bench.model.answer(request);
            r.later = FakeDisplay::frame('B', "CA030204", 'B');
            return r;
        });
        QCOMPARE(bench.monitor.auto_tile_matrix_execute(2, 2, 1, 1, &result), 0);
        QCOMPARE(bench.monitor.auto_tile_matrix_complete(&result), 0);
        QCOMPARE(result, 4);
        QCOMPARE(bench.fake.requests().size(), 2);
    }
};

QTEST_GUILESS_MAIN(MonitorFamiliesTest)
#include "tst_monitor_families.moc"
