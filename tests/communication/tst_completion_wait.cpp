#include "basic_monitor.h"
#include "display_families.h"
#include "fake_display.h"
#include "pause_recorder.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"

#include <QElapsedTimer>
#include <QtTest>

// Loopback addresses 127.0.17.1 to 127.0.17.9 belong to this test.

// The completion waits listen for the display's own message in slices: each slice pauses
// through the engine's delay and is reported, so the wait keeps its 60 s while a caller keeps
// its window painted and a test shortens the pauses.
class CompletionWaitTest : public QObject {
    Q_OBJECT

private slots:
    void waits_data() {
        QTest::addColumn<bool>("completes");
        QTest::addColumn<bool>("longTimeout");
        QTest::addColumn<int>("result");
        QTest::addColumn<int>("waited");
        QTest::newRow("never completes: ends at 60 s")
            << false << false << ResultCode::NoReply << 60000;
        QTest::newRow("never completes, long time-out: 68 s")
            << false << true << ResultCode::NoReply << 68000;
        QTest::newRow("completes") << true << false << 0 << -1;
    }
    void waits() {
        QFETCH(bool, completes);
        QFETCH(bool, longTimeout);
        QFETCH(int, result);
        QFETCH(int, waited);
        FakeDisplay fake(FakeDisplay::Link::Tcp, QStringLiteral("127.0.17.1"));
        DisplayModel model;
        DisplayFamilies families(model);
        fake.setHandler([&](const QByteArray& request) {
            FakeReply reply = model.answer(request);
            if (completes)
                reply.later = FakeDisplay::frame('B', "CA0A0200", 'C', '0');
            reply.laterDelayMs = 300;
            return reply;
        });
        // The engine's pauses counted and made 20 times shorter than asked.
        auto* engine = new QVCommProtocol_retry;
        PauseRecorder recorder(*engine, 20);
        basic_monitor monitor(nullptr, engine);
        monitor.set_retry_count(0);
        monitor.set_long_timeout(longTimeout);
        QList<QPair<int, int>> reports;
        connect(&monitor, &basic_monitor::waiting,
                [&](int elapsed, int total) { reports << qMakePair(elapsed, total); });
        monitor_data data;
        data.m_monitor_id = 'A';
        data.communicationsInterfaceType = 1;
        data.s_communicationsInterfacePortName = fake.address();
        QCOMPARE(monitor.set_interface_info(data), 0);

        int status = 99;
        QCOMPARE(monitor.auto_id_execute(&status), 0);
        recorder.pauses.clear();
        int count = 99;
        QElapsedTimer clock;
        clock.start();
        QCOMPARE(monitor.auto_id_get_complete(&status, &count), result);
        QCOMPARE(fake.requests().size(), 1); // nothing sent while waiting
        if (!completes) {
            const int slices = waited / QVCommProtocol::WaitSliceMs;
            QCOMPARE(recorder.total(), waited - slices * QVCommProtocol::WaitListenMs);
            QCOMPARE(reports.last(), qMakePair(waited, waited));
            QCOMPARE(reports.size(), slices);
            QVERIFY(clock.elapsed() < waited / 4);
            return;
        }
        QCOMPARE(status, 0);
        QCOMPARE(count, 0);
        QVERIFY(recorder.total() > 0 && recorder.total() < 60000);
        for (int i = 0; i < reports.size(); ++i)
            QCOMPARE(reports[i], qMakePair((i + 1) * QVCommProtocol::WaitSliceMs, 60000));
    }
};

QTEST_GUILESS_MAIN(CompletionWaitTest)
#include "tst_completion_wait.moc"
