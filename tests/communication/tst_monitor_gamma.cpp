#include "monitor_rig.h"
#include "result_codes.h"

#include <QtTest>

#include <cstring>

// Loopback address 127.0.0.113 belongs to this test.
static const QString kAddress = QStringLiteral("127.0.0.113");

namespace {
QVector<int> table(int size) {
    QVector<int> out(size);
    for (int i = 0; i < size; ++i)
        out[i] = (i * 37) % 4096;
    return out;
}

// The events of writing a table in chunks with command `code`, to the given offsets.
QStringList chunkEvents(const char* code, const QList<int>& offsets) {
    QStringList out;
    for (int offset : offsets)
        out << QStringLiteral("cmd ") + QLatin1String(code) +
                   QStringLiteral("%1").arg(offset, 4, 16, QLatin1Char('0')).toUpper()
            << QStringLiteral("progress 1 0");
    return out;
}

QList<int> offsets(int from, int to) {
    QList<int> out;
    for (int o = from; o < to; o += 8)
        out << o;
    return out;
}

const QList<int> kSmallOffsets = offsets(0, 256) + offsets(1024, 1280) + offsets(2048, 2304);

} // namespace

class MonitorGammaTest : public QObject {
    Q_OBJECT

private slots:
    void capabilityString_data() {
        QTest::addColumn<QByteArray>("text");
        QTest::addColumn<int>("result");
        QTest::addColumn<bool>("parsed");
        QTest::newRow("well formed") << QByteArray("model(ZQ-1)vcp(10 12 60(01 11))") << 0 << true;
        QTest::newRow("no op codes") << QByteArray("model(ZQ-1)") << -1 << false;
        QTest::newRow("unbalanced") << QByteArray("model(ZQ-1)vcp(10))") << -2 << false;
        QTest::newRow("longer than the cache") << QByteArray(9000, 'v') << -5005 << false;
    }
    void capabilityString() {
        QFETCH(QByteArray, text);
        QFETCH(int, result);
        QFETCH(bool, parsed);
        MonitorRig rig(kAddress);
        rig.transfers.capability = text;
        rig.transfers.capabilityChunk = 240;
        QCOMPARE(rig.monitor.read_capability_string(), result);
        QCOMPARE(rig.monitor.capabilities().valid, parsed);
        QCOMPARE(rig.monitor.capabilities().hasVcpValue(0x60, 0x11), parsed);
        const QByteArray cached = text.left(basic_monitor::CapabilityStringSize - 1);
        QCOMPARE(rig.monitor.capability_string(), QString::fromLatin1(cached));

        // The copy has strncpy's semantics.
        char copy[12];
        std::memset(copy, '#', sizeof copy);
        QCOMPARE(rig.monitor.copy_capability_string(copy, 6), 0);
        QCOMPARE(QByteArray(copy, 7), cached.left(6) + '#');
    }

    void capabilityReadFailureClearsTheParsedForm() {
        MonitorRig rig(kAddress);
        rig.transfers.capability = "vcp(10)";
        QCOMPARE(rig.monitor.read_capability_string(), 0);
        QVERIFY(rig.monitor.capabilities().hasVcpCode(0x10));
        rig.model.failNext(1);
        QCOMPARE(rig.monitor.read_capability_string(), ResultCode::BadChecksum);
        QVERIFY(!rig.monitor.capabilities().valid);
        QVERIFY(rig.monitor.capabilities().vcp_codes.isEmpty());
    }

    // A repeated read starts over with the whole cache: a try that failed half-way has not
    // used up the room.
    void capabilityReadIsRetriedWhole() {
        MonitorRig rig(kAddress);
        rig.monitor.set_retry_count(3);
        rig.transfers.capability = "model(ZQ-1)mpu_ver(R2)vcp(10 12 14 16 18 1A 60(01 11))";
        rig.transfers.capabilityChunk = 16;
        rig.breakReplies([](const QByteArray&, int index) { return index == 1; });
        QCOMPARE(rig.monitor.read_capability_string(), 0);
        QCOMPARE(rig.monitor.capability_string(), QString::fromLatin1(rig.transfers.capability));
        QCOMPARE(rig.bodies().mid(0, 3), (QList<QByteArray>{"F30000", "F30010", "F30000"}));
    }

    void gammaTableCommandsPause_data() {
        QTest::addColumn<QString>("op");
        QTest::addColumn<bool>("fail");
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("result");
        QTest::newRow("refresh") << "refresh" << false << QStringList{"cmd C206", "pause 100"} << 0;
        QTest::newRow("refresh failed")
            << "refresh" << true << QStringList{"cmd C206", "pause 100"} << -5004;
        QTest::newRow("save") << "save" << false << QStringList{"cmd C207", "pause 1000"} << 0;
        QTest::newRow("save failed")
            << "save" << true << QStringList{"cmd C207", "pause 1000"} << -5004;
        QTest::newRow("init") << "init" << false << QStringList{"cmd C208", "pause 1000"} << 0;
        QTest::newRow("reset failed")
            << "reset" << true << QStringList{"cmd C209", "pause 1000"} << -5004;
    }
    void gammaTableCommandsPause() {
        QFETCH(QString, op);
        QFETCH(bool, fail);
        QFETCH(QStringList, events);
        QFETCH(int, result);
        MonitorRig rig(kAddress);
        if (fail)
            rig.model.failNext(1);
        const QMap<QString, int (basic_monitor::*)()> ops = {
            {"refresh", &basic_monitor::refresh_gamma_table},
            {"save", &basic_monitor::save_gamma_table},
            {"init", &basic_monitor::init_gamma_table},
            {"reset", &basic_monitor::reset_gamma_table}};
        QCOMPARE((rig.monitor.*ops.value(op))(), result);
        QCOMPARE(rig.log.take(), events);
    }

    // The commands that the retry layer repeats, and its pause before each repetition.
    void retriedCommands() {
        MonitorRig rig(kAddress);
        rig.monitor.set_retry_count(2);
        struct Case {
            QByteArray prefix;
            std::function<int()> run;
            int tries;
        };
        QVector<int> t = table(8);
        const QList<Case> cases = {
            {"C206", [&] { return rig.monitor.refresh_gamma_table(); }, 2},
            {"C207", [&] { return rig.monitor.save_gamma_table(); }, 2},
            {"C208", [&] { return rig.monitor.init_gamma_table(); }, 1},
            {"C209", [&] { return rig.monitor.reset_gamma_table(); }, 1},
            {"C205", [&] { return rig.monitor.write_gamma_table(t); }, 2},
            {"C20B", [&] { return rig.monitor.write_theoretical_curve(t); }, 1},
            {"C00E", [&] { return rig.monitor.write_asset_data(QStringLiteral("x")); }, 2},
            {"C00B",
             [&] {
                 QString text;
                 return rig.monitor.read_asset_data(text);
             },
             2},
            {"F3", [&] { return rig.monitor.read_capability_string(); }, 2},
        };
        for (const Case& c : cases) {
            rig.breakReplies(
                [&](const QByteArray& body, int) { return body.startsWith(c.prefix); });
            rig.fake.clearRequests();
            QCOMPARE(c.run(), ResultCode::BadChecksum);
            QCOMPARE(rig.bodies().size(), c.tries);
        }
    }

    void lutTableSize() {
        MonitorRig rig(kAddress);
        unsigned int size = 0;
        QCOMPARE(rig.monitor.lut_table_size(&size), 0);
        QCOMPARE(size, 3072u);
        rig.model.setParameter(0x02F9, 0, 1);
        QCOMPARE(rig.monitor.lut_table_size(&size), 0);
        QCOMPARE(size, 768u);
        QCOMPARE(rig.log.take(), (QStringList{"get 02F9", "get 02F9"}));
    }

    void lutTestTables_data() {
        QTest::addColumn<bool>("small");
        QTest::addColumn<int>("pattern");
        QTest::addColumn<QList<int>>("head"); // a channel's first values
        QTest::addColumn<QList<int>>("tail"); // and its last eight
        QTest::newRow("black test, 768")
            << true << 1 << QList<int>{816, 4080, 4080, 1360, 816, 816, 816, 816, 816, 816, 0, 0}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
        QTest::newRow("white test, 768") << true << 2 << QList<int>{0, 0, 0}
                                         << QList<int>{0, 1360, 1360, 4080, 4080, 1360, 1360, 1360};
        QTest::newRow("ramp, 768") << true << 0 << QList<int>{0, 16, 32, 48}
                                   << QList<int>{3968, 3984, 4000, 4016, 4032, 4048, 4064, 4080};
        QTest::newRow("ramp, 3072") << false << 3 << QList<int>{0, 4, 8, 12}
                                    << QList<int>{4052, 4056, 4060, 4064, 4068, 4072, 4076, 4080};
        QTest::newRow("black test, 3072")
            << false << 1 << QList<int>{816, 4080, 4080, 1360, 816, 816, 816, 816, 816, 816, 0}
            << QList<int>{0, 0, 0, 0, 0, 0, 0, 0};
    }
    void lutTestTables() {
        QFETCH(bool, small);
        QFETCH(int, pattern);
        QFETCH(QList<int>, head);
        QFETCH(QList<int>, tail);
        MonitorRig rig(kAddress);
        if (small)
            rig.model.setParameter(0x02F9, 0, 1);
        QVector<int> t(5, 1);
        QCOMPARE(rig.monitor.build_lut_test_table(pattern, t), 0);
        const int n = small ? 768 : 3072, m = n / 3;
        QCOMPARE(t.size(), n);
        for (int channel = 0; channel < 3; ++channel) {
            const QVector<int> values = t.mid(channel * m, m);
            QCOMPARE(values.mid(0, head.size()).toList(), head);
            QCOMPARE(values.mid(m - 8).toList(), tail);
        }
    }

    void writeGammaTable_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("curve");
        QTest::addColumn<QList<int>>("offsets");
        QTest::newRow("768 in three channels") << 768 << false << kSmallOffsets;
        QTest::newRow("3072 in a row") << 3072 << false << offsets(0, 3072);
        QTest::newRow("16 in a row") << 16 << false << QList<int>{0, 8};
        QTest::newRow("theoretical curve, 768") << 768 << true << kSmallOffsets;
        QTest::newRow("empty") << 0 << false << QList<int>{};
    }
    void writeGammaTable() {
        QFETCH(int, size);
        QFETCH(bool, curve);
        QFETCH(QList<int>, offsets);
        MonitorRig rig(kAddress);
        QVector<int> t = table(size);
        QCOMPARE(curve ? rig.monitor.write_theoretical_curve(t) : rig.monitor.write_gamma_table(t),
                 0);
        QCOMPARE(rig.log.take(), chunkEvents(curve ? "C20B" : "C205", offsets));
        const QVector<unsigned int>& stored = curve ? rig.transfers.curve : rig.transfers.gamma;
        for (int k = 0; k < size; ++k) {
            const int offset = offsets.at(k / 8) + k % 8;
            QCOMPARE(int(stored.at(offset)), t.at(k));
        }
    }

    void writeGammaTableRefusals() {
        MonitorRig rig(kAddress);
        QVector<int> ragged = table(20);
        QCOMPARE(rig.monitor.write_gamma_table(ragged), ResultCode::TooManyValues);
        QCOMPARE(rig.monitor.write_theoretical_curve(ragged), ResultCode::TooManyValues);
        QVERIFY(rig.log.take().isEmpty());

        rig.breakReplies([](const QByteArray& body, int) { return body.startsWith("C2050010"); });
        QVector<int> t = table(768);
        QCOMPARE(rig.monitor.write_gamma_table(t), ResultCode::BadChecksum);
        QCOMPARE(rig.log.take(), QStringList(chunkEvents("C205", {0, 8}) << "cmd C2050010"));
    }

    void programmableGamma_data() {
        QTest::addColumn<int>("size");
        QTest::addColumn<QList<unsigned int>>("unknown");
        QTest::addColumn<QByteArray>("broken"); // requests answered with a broken reply
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("result");
        const QStringList tail = {"cmd C206", "pause 100",  "progress 1 0",
                                  "cmd C207", "pause 1000", "progress 1 0"};
        const QStringList head = {"set 0268=6", "pause 1000", "progress 1 0"};
        QTest::newRow("768 selects the small table")
            << 768 << QList<unsigned int>{} << QByteArray()
            << head + QStringList{"set 02F9=1", "pause 500"} + chunkEvents("C205", kSmallOffsets) +
                   tail
            << 0;
        QTest::newRow("selector refused, the write goes on")
            << 768 << QList<unsigned int>{0x02F9} << QByteArray()
            << head + QStringList{"set 02F9=1", "pause 500"} + chunkEvents("C205", kSmallOffsets) +
                   tail
            << 0;
        QTest::newRow("3072") << 3072 << QList<unsigned int>{} << QByteArray()
                              << head + chunkEvents("C205", offsets(0, 3072)) + tail << 0;
        QTest::newRow("programmable gamma refused")
            << 768 << QList<unsigned int>{0x0268} << QByteArray()
            << QStringList{"set 0268=6", "pause 1000"} << -1027;
        QTest::newRow("refresh fails")
            << 16 << QList<unsigned int>{} << QByteArray("C206")
            << head + chunkEvents("C205", {0, 8}) + QStringList{"cmd C206", "pause 100"} << -5004;
        QTest::newRow("save fails") << 16 << QList<unsigned int>{} << QByteArray("C207")
                                    << head + chunkEvents("C205", {0, 8}) + tail.mid(0, 3) +
                                           QStringList{"cmd C207", "pause 1000"}
                                    << -5004;
    }
    void programmableGamma() {
        QFETCH(int, size);
        QFETCH(QList<unsigned int>, unknown);
        QFETCH(QByteArray, broken);
        QFETCH(QStringList, events);
        QFETCH(int, result);
        MonitorRig rig(kAddress);
        for (unsigned int op : {0x0268u, 0x02F9u})
            if (!unknown.contains(op))
                rig.model.setParameter(op, 1, 6);
        if (!broken.isEmpty())
            rig.breakReplies([&](const QByteArray& body, int) { return body.startsWith(broken); });
        QVector<int> t = table(size);
        QList<int> steps; // done, one a step; each of the same total
        QSet<int> totals;
        connect(&rig.monitor, &basic_monitor::progress, this, [&](int done, int total) {
            steps << done;
            totals << total;
        });
        QCOMPARE(rig.monitor.write_programmable_gamma(t), result);
        QCOMPARE(rig.log.take(), events);
        // Step 0 before the gamma mode's pause, then the gamma mode, each chunk, the refresh
        // and the save: one step each, in turn.
        const int ran = events.count("progress 1 0");
        QCOMPARE(steps.size(), ran + 1);
        for (int i = 0; i < steps.size(); ++i)
            QCOMPARE(steps[i], i);
        QCOMPARE(totals, QSet<int>{size / 8 + 3});
    }

    void lut3d() {
        MonitorRig rig(kAddress);
        lut3d_entry entries[8];
        QList<QPair<int, int>> progress;
        connect(&rig.monitor, &basic_monitor::progress, this,
                [&progress](int done, int total) { progress << qMakePair(done, total); });
        QCOMPARE(rig.monitor.lut3d_read(entries, 2), 0);
        QCOMPARE(progress, (QList<QPair<int, int>>{{8, 8}}));
        QCOMPARE(rig.log.take(), QStringList{"cmd C22E0000"});
        QCOMPARE(entries[7].red, 7);
        QCOMPARE(entries[7].green, 0x107);
        QCOMPARE(entries[7].blue, 0x207);
    }

    void assetText() {
        MonitorRig rig(kAddress);
        QCOMPARE(rig.monitor.write_asset_data(QStringLiteral("Lobby \u00e9cran")), 0);
        const QByteArray block = QByteArray("Lobby \xe9"
                                            "cran") +
                                 QByteArray(64 - 11, '\0');
        QCOMPARE(rig.transfers.asset, block);
        QCOMPARE(rig.bodies(),
                 (QList<QByteArray>{"C00E00" + block.left(32), "C00E20" + block.mid(32)}));
        QString text = QStringLiteral("old");
        QCOMPARE(rig.monitor.read_asset_data(text), 0);
        QCOMPARE(text, QStringLiteral("Lobby \u00e9cran"));

        const QString longer(70, QLatin1Char('z'));
        QCOMPARE(rig.monitor.write_asset_data(longer), 0);
        QCOMPARE(rig.transfers.asset, QByteArray(64, 'z'));
        QCOMPARE(rig.monitor.read_asset_data(text), 0);
        QCOMPARE(text, QString(64, QLatin1Char('z')));

        rig.model.failNext(1);
        QCOMPARE(rig.monitor.read_asset_data(text), ResultCode::BadChecksum);
        QCOMPARE(text, QString(64, QLatin1Char('z'))); // left as it was
    }
};

QTEST_GUILESS_MAIN(MonitorGammaTest)
#include "tst_monitor_gamma.moc"
