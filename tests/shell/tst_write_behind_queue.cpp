#include "write_behind_queue.h"

#include <QElapsedTimer>
#include <QSpinBox>
#include <QtTest>

#include <map>
#include <memory>

// The queue behind the window's slider and spin-box writes, run as the window runs it: when its
// timer fires, every entry in turn, those whose widget is gone left out.
class WriteBehindQueueTest : public QObject {
    Q_OBJECT

    static constexpr int GapMs = 300;
    // A coarse timer may fire up to 5% early; twice that is allowed, still well short of a gap.
    static constexpr int SlackMs = WriteBehindQueue::WaitMs / 10;

private slots:
    // Changes GapMs apart, each of a key whose widget then holds the change's number (from 1):
    // what is written once the changes stop, in order.
    void changes_data() {
        QTest::addColumn<QList<uint>>("keys");
        QTest::addColumn<QStringList>("written"); // "key=value"
        QTest::newRow("one change") << QList<uint>{0x10} << QStringList{"16=1"};
        QTest::newRow("one key three times")
            << QList<uint>{0x10, 0x10, 0x10} << QStringList{"16=3"};
        QTest::newRow("first key again last")
            << QList<uint>{0x10, 0x12, 0x10} << QStringList{"16=3", "18=2"};
        QTest::newRow("keys interleaved, oldest first")
            << QList<uint>{0x12, 0x10, 0x12, 0x14, 0x10} << QStringList{"18=3", "16=5", "20=4"};
        QTest::newRow("key 0 and the highest key")
            << QList<uint>{0, 0xFFFFFFFF, 0} << QStringList{"0=3", "4294967295=2"};
    }
    void changes() {
        QFETCH(QList<uint>, keys);
        QFETCH(QStringList, written);
        QTimer timer;
        WriteBehindQueue queue(&timer);
        QStringList done;
        QElapsedTimer sinceLastChange;
        qint64 firedAfter = -1;
        connect(&timer, &QTimer::timeout, this, [&] {
            firedAfter = sinceLastChange.elapsed();
            queue.run();
        });
        std::map<uint, std::unique_ptr<QSpinBox>> widgets;
        for (int i = 0; i < keys.size(); ++i) {
            if (i > 0)
                QTest::qWait(GapMs);
            const uint key = keys[i];
            std::unique_ptr<QSpinBox>& widget = widgets[key];
            if (!widget) {
                widget = std::make_unique<QSpinBox>();
                widget->setRange(0, 99);
            }
            widget->setValue(i + 1);
            QSpinBox* box = widget.get();
            queue.queue(box, key, [&done, box, key] {
                done << QStringLiteral("%1=%2").arg(key).arg(box->value());
            });
            sinceLastChange.start();
            // Every change restarts the wait, whatever its key.
            QVERIFY(timer.isActive());
            QVERIFY2(timer.remainingTime() > WriteBehindQueue::WaitMs - SlackMs,
                     qPrintable(QString::number(timer.remainingTime())));
            QVERIFY(done.isEmpty());
        }
        QVERIFY(timer.isSingleShot());
        QTRY_VERIFY_WITH_TIMEOUT(!done.isEmpty(), 2 * WriteBehindQueue::WaitMs);
        QVERIFY2(firedAfter >= WriteBehindQueue::WaitMs - SlackMs,
                 qPrintable(QString::number(firedAfter)));
        QCOMPARE(done, written);
        QVERIFY(queue.isEmpty());
        QVERIFY(!timer.isActive());
    }

    // The entry of a widget deleted while it waited writes nothing; the others still do.
    void goneWidgetWritesNothing() {
        QTimer timer;
        WriteBehindQueue queue(&timer);
        QStringList done;
        auto gone = std::make_unique<QSpinBox>();
        QSpinBox kept;
        queue.queue(gone.get(), 0x10, [&done] { done << QStringLiteral("gone"); });
        queue.queue(&kept, 0x12, [&done] { done << QStringLiteral("kept"); });
        gone.reset();
        QCOMPARE(queue.size(), 2); // the gone widget's entry still waits
        queue.run();
        QCOMPARE(done, QStringList{"kept"});
        // The gone widget's entry left the queue too.
        QVERIFY(queue.isEmpty());
    }
};

QTEST_MAIN(WriteBehindQueueTest)
#include "tst_write_behind_queue.moc"
