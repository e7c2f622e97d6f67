#include "basic_monitor.h"
#include "display_model.h"
#include "fake_display.h"
#include "pause_recorder.h"
#include "protocol_probe.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"

#include <QtTest>

#include <cstring>

// Loopback addresses 127.0.0.42 to 127.0.0.48 belong to this test; nothing listens on .48.

namespace {
// The monitor's protocol engine with its long time-out switch opened up.
class TimeoutProbe : public QVCommProtocol_retry {
public:
    bool longTimeout() const { return long_timeout; }
};

// A monitor whose capability cache can be seeded, to see it emptied.
class SeededMonitor : public basic_monitor {
public:
    explicit SeededMonitor(QVCommProtocol_retry* protocol) : basic_monitor(nullptr, protocol) {}
    void seed(const char* text) { strncpy(m_capability_string, text, CapabilityStringSize - 1); }
};

monitor_data lan(const QString& address, int id = 'A') {
    monitor_data data;
    data.m_monitor_id = id;
    data.m_monitor_id_string = QStringLiteral("1");
    data.communicationsInterfaceType = 1;
    data.s_communicationsInterfacePortName = address;
    return data;
}
} // namespace

class BasicMonitorTest : public QObject {
    Q_OBJECT

private slots:
    // The value operations turn the display's refusal of an op code into Unsupported; the raw
    // parameter operations hand the refusal back as the result byte.
    void unsupportedOpCodes_data() {
        QTest::addColumn<QString>("operation");
        QTest::addColumn<unsigned int>("opcode");
        QTest::addColumn<int>("result");
        QTest::addColumn<unsigned int>("value");
        QTest::addColumn<int>("displayResult"); // -1: the operation does not report it
        const unsigned int known = 0x0010, unknown = 0x0099;
        QTest::newRow("get value") << "get_vcp_value" << known << 0 << 40u << -1;
        QTest::newRow("get value, unsupported") << "get_vcp_value" << unknown << -1027 << 0u << -1;
        QTest::newRow("get value max") << "get_vcp_value_max" << known << 0 << 40u << -1;
        QTest::newRow("get value max, unsupported")
            << "get_vcp_value_max" << unknown << -1027 << 0u << -1;
        QTest::newRow("set value") << "set_vcp_value" << known << 0 << 30u << -1;
        QTest::newRow("set value, unsupported") << "set_vcp_value" << unknown << -1027 << 0u << -1;
        QTest::newRow("get parameter") << "get_parameter" << known << 0 << 40u << 0;
        QTest::newRow("get parameter, unsupported") << "get_parameter" << unknown << 0 << 0u << 1;
        QTest::newRow("set parameter") << "set_parameter" << known << 0 << 30u << 0;
        QTest::newRow("set parameter, unsupported") << "set_parameter" << unknown << 0 << 0u << 1;
    }
    void unsupportedOpCodes() {
        QFETCH(QString, operation);
        QFETCH(unsigned int, opcode);
        QFETCH(int, result);
        QFETCH(unsigned int, value);
        QFETCH(int, displayResult);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.42"));
        DisplayModel model;
        model.setParameter(0x0010, 40, 100, 0);
        fake.setHandler(model.handler());
        basic_monitor monitor(nullptr, quietEngine());
        QCOMPARE(monitor.set_interface_info(lan(fake.address())), 0);

        unsigned int current = operation.startsWith("set") ? 30 : 7;
        unsigned int max = 7;
        unsigned char display = 7, type = 7;
        int got = 0;
        if (operation == "get_vcp_value")
            got = monitor.get_vcp_value(opcode, &current);
        else if (operation == "get_vcp_value_max")
            got = monitor.get_vcp_value_max(opcode, &current, &max);
        else if (operation == "set_vcp_value")
            got = monitor.set_vcp_value(opcode, &current);
        else if (operation == "get_parameter")
            got = monitor.get_parameter(opcode, &current, &max, &display, &type);
        else
            got = monitor.set_parameter(opcode, &current, &max, &display, &type);
        QCOMPARE(got, result);
        QCOMPARE(current, value);
        if (displayResult >= 0)
            QCOMPARE(int(display), displayResult);
        if (operation.endsWith("max") || displayResult >= 0)
            QCOMPARE(max, opcode == 0x0010 ? 100u : 0u);
        const QByteArray body = FakeDisplay::bodyOf(fake.requests().last());
        QCOMPARE(body.left(4), DisplayModel::hex4(opcode));
    }

    // A failed exchange keeps its own code: only a good reply can mean Unsupported.
    void failuresPassThrough() {
        basic_monitor monitor(nullptr, quietEngine());
        monitor.set_retry_count(0);
        unsigned int value = 5;
        // The dummy link accepts the request and never answers.
        QCOMPARE(monitor.get_vcp_value(0x0010, &value), ResultCode::NoReply);
        QCOMPARE(monitor.set_vcp_value(0x0010, &value), ResultCode::NoReply);
        value = 0x10000;
        QCOMPARE(monitor.set_vcp_value(0x0010, &value), ResultCode::TooManyValues);
    }

    void connectionCycle() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.43"));
        DisplayModel model;
        model.address = 'C';
        model.powerMode = 4;
        fake.setHandler(model.handler());
        auto* protocol = quietEngine();
        SeededMonitor monitor(protocol);

        QCOMPARE(monitor.set_interface_info(lan(fake.address(), 'C')), 0);
        QVERIFY(monitor.is_connected());
        QCOMPARE(monitor.port_name(), fake.address());
        QCOMPARE(monitor.interface_type(), 1);
        QCOMPARE(monitor.monitor_id(), int('C'));
        const monitor_data info = monitor.get_interface_info();
        QCOMPARE(info.m_monitor_id, int('C'));
        QCOMPARE(info.communicationsInterfaceType, 1);
        QCOMPARE(info.s_communicationsInterfacePortName, fake.address());
        QVERIFY(info.m_monitor_id_string.isEmpty());
        monitor_data filled = lan(QString(), 0);
        filled.m_monitor_id_string = QStringLiteral("kept");
        QCOMPARE(monitor.fill_interface_info(filled), 0);
        QCOMPARE(filled.m_monitor_id, int('C'));
        QCOMPARE(filled.m_monitor_id_string, QStringLiteral("kept"));

        unsigned char mode = 0;
        QCOMPARE(monitor.power_status_read(&mode), 0);
        QCOMPARE(int(mode), 4);
        QCOMPARE(FakeDisplay::destinationOf(fake.requests().last()), 'C');

        // The close request: an empty record selects the unopened dummy link.
        monitor.seed("vcp(10 12)");
        QCOMPARE(monitor.set_interface_info(monitor_data()), 0);
        QVERIFY(monitor.capability_string().isEmpty());
        QCOMPARE(monitor.interface_type(), 0);
        QCOMPARE(monitor.monitor_id(), 0);
        QVERIFY(monitor.port_name().isEmpty());
        QVERIFY(monitor.is_connected()); // the dummy link is always open
        QVERIFY(protocol->interface_name().isEmpty());
        fake.clearRequests();
        monitor.set_retry_count(0);
        QCOMPARE(monitor.power_status_read(&mode), ResultCode::NoReply);
        QTest::qWait(50);
        QVERIFY(fake.requests().isEmpty());

        // A failed open is returned and also empties the cache.
        monitor.seed("vcp(10)");
        QCOMPARE(monitor.open_interface(QStringLiteral("127.0.0.48"), 1),
                 ResultCode::ConnectionRefused);
        QVERIFY(!monitor.is_connected());
        QVERIFY(monitor.capability_string().isEmpty());
        monitor.seed("vcp(10)");
        monitor.set_monitor_id('B');
        QVERIFY(monitor.capability_string().isEmpty());
    }

    // The long time-out choice outlives the transports: every successful open applies it.
    void longTimeoutIsReapplied() {
        auto* protocol = new TimeoutProbe;
        basic_monitor monitor(nullptr, protocol);
        monitor.set_long_timeout(true);
        QVERIFY(protocol->longTimeout());
        protocol->set_long_timeout(false);
        QCOMPARE(monitor.open_interface(QString(), 3), 0);
        QVERIFY(protocol->longTimeout());
        protocol->set_long_timeout(false);
        QCOMPARE(monitor.open_interface(QStringLiteral("127.0.0.48"), 1),
                 ResultCode::ConnectionRefused);
        QVERIFY(!protocol->longTimeout());
    }

    void capabilityCopy() {
        SeededMonitor monitor(quietEngine());
        monitor.seed("abc");
        char out[8];
        std::memset(out, '#', sizeof out);
        QCOMPARE(monitor.copy_capability_string(out, 0), 0);
        QCOMPARE(QByteArray(out, 8), QByteArray("########"));
        QCOMPARE(monitor.copy_capability_string(out, 2), 0);
        QCOMPARE(QByteArray(out, 8), QByteArray("ab######"));
        QCOMPARE(monitor.copy_capability_string(out, 6), 0);
        QCOMPARE(QByteArray(out, 8), QByteArray("abc\0\0\0##", 8));
    }

    // Both log signals reach the window through the monitor unchanged.
    void logRelays() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.45"));
        DisplayModel model;
        model.modelName = "QV-55";
        fake.setHandler(model.handler());
        auto* protocol = quietEngine();
        basic_monitor monitor(nullptr, protocol);
        QList<QPair<int, QList<unsigned char>>> fromProtocol, relayed;
        QList<QPair<int, QString>> protocolText, relayedText;
        connect(protocol, &QVCommProtocol::transfer_data,
                [&](QList<unsigned char> b, int t) { fromProtocol << qMakePair(t, b); });
        connect(protocol, &QVCommProtocol::comment_text,
                [&](QString s, int t) { protocolText << qMakePair(t, s); });
        connect(&monitor, &basic_monitor::transfer_data_out,
                [&](QList<unsigned char> b, int t) { relayed << qMakePair(t, b); });
        connect(&monitor, &basic_monitor::comment_text_out,
                [&](QString s, int t) { relayedText << qMakePair(t, s); });
        QCOMPARE(monitor.set_interface_info(lan(fake.address())), 0);
        QString name;
        QCOMPARE(monitor.model_name_read(name), 0);
        QCOMPARE(name, QStringLiteral("QV-55"));
        QVERIFY(fromProtocol.size() >= 3); // sent, reply, payload
        QCOMPARE(relayed, fromProtocol);
        QVERIFY(protocolText.contains(qMakePair(int(QVCommProtocol::CommentTitle),
                                                QStringLiteral("Model Name read command"))));
        QCOMPARE(relayedText, protocolText);

        QList<QPair<unsigned int, unsigned int>> progress;
        connect(&monitor, &basic_monitor::Broadcast_MessageOut,
                [&](unsigned int m, unsigned int v) { progress << qMakePair(m, v); });
        monitor.broadcast_message(1, 0);
        QCOMPARE(progress, (QList<QPair<unsigned int, unsigned int>>{{1u, 0u}}));
    }

    void textReads() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.46"));
        DisplayModel model;
        model.serialNumber = QByteArray(124, 'S');
        model.modelName = "QV-55";
        fake.setHandler(model.handler());
        basic_monitor monitor(nullptr, quietEngine());
        QCOMPARE(monitor.set_interface_info(lan(fake.address())), 0);
        QString serial, name;
        QCOMPARE(monitor.serial_number_read(serial), 0);
        QCOMPARE(serial, QString(124, 'S'));
        QCOMPARE(monitor.model_name_read(name), 0);
        QCOMPARE(name, QStringLiteral("QV-55"));
        // On failure the text is emptied.
        model.failNext(100);
        monitor.set_retry_count(0);
        QCOMPARE(monitor.model_name_read(name), ResultCode::BadChecksum);
        QVERIFY(name.isEmpty());
        QCOMPARE(monitor.serial_number_read(serial), ResultCode::BadChecksum);
        QVERIFY(serial.isEmpty());
    }

    // Saving keeps the display busy: the pause follows whatever the result. The monitor's
    // pauses go to the engine in slices, each reported, so that a window stays painted.
    void savePause() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.47"));
        DisplayModel model;
        fake.setHandler(model.handler());
        auto* protocol = new QVCommProtocol_retry;
        PauseRecorder clock(*protocol);
        basic_monitor monitor(nullptr, protocol);
        QCOMPARE(monitor.set_interface_info(lan(fake.address())), 0);
        QCOMPARE(monitor.save_current_settings(), 0);
        QCOMPARE(model.saves, 1);
        QCOMPARE(clock.pauses, (QList<int>{50, 250, 250, 250, 250}));
        clock.pauses.clear();
        model.failNext(100);
        monitor.set_retry_count(2);
        QCOMPARE(monitor.save_current_settings(), ResultCode::BadChecksum);
        QCOMPARE(clock.pauses, (QList<int>{1000, 250, 250, 250, 250}));
        clock.pauses.clear();
        QSignalSpy waiting(&monitor, &basic_monitor::waiting);
        monitor.delay(25);
        QCOMPARE(clock.pauses, QList<int>{25});
        monitor.delay(600);
        QCOMPARE(clock.pauses, (QList<int>{25, 250, 250, 100}));
        QCOMPARE(waiting, (QList<QVariantList>{{25, 25}, {250, 600}, {500, 600}, {600, 600}}));
    }

    void forwarders() {
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.0.44"));
        DisplayModel model;
        model.diagnostics = {0x70};
        model.horizontalHundredths = 6750;
        model.verticalHundredths = 5994;
        fake.setHandler(model.handler());
        basic_monitor monitor(nullptr, quietEngine());
        QCOMPARE(monitor.set_interface_info(lan(fake.address())), 0);
        unsigned char mode = 4;
        QCOMPARE(monitor.power_control(&mode), 0);
        QCOMPARE(int(model.powerMode), 4);
        mode = 2;
        QCOMPARE(monitor.mode_change_request(&mode), 0);
        QCOMPARE(int(model.inputMode), 2);
        unsigned char codes[4];
        unsigned int count = 4;
        QCOMPARE(monitor.self_diagnosis_status_read(codes, &count), 0);
        QCOMPARE(count, 1u);
        QCOMPARE(int(codes[0]), 0x70);
        unsigned char status = 9;
        float h = 0, v = 0;
        QCOMPARE(monitor.get_timing_report(&status, &h, &v), 0);
        QCOMPARE(h, 67.5f);
        QCOMPARE(v, 59.94f);
        QList<unsigned char> out;
        QCOMPARE(monitor.send_raw({'x', '\r'}), 0);
        QCOMPARE(monitor.receive_raw(out, '\r'), 0);
        QCOMPARE(out.last(), (unsigned char)'\r');
    }
};

QTEST_GUILESS_MAIN(BasicMonitorTest)
#include "tst_basic_monitor.moc"
