#include "neighbour_table.h"
#include "single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QHostInfo>
#include <QtTest>

class PlatformTest : public QObject {
    Q_OBJECT

private slots:
    void secondCopyFindsTheLock() {
        const QString key = QStringLiteral("zqv-test-%1").arg(QCoreApplication::applicationPid());
        {
            SingleInstanceGuard first(key);
            QVERIFY(!first.alreadyRunning());
            SingleInstanceGuard second(key);
            QVERIFY(second.alreadyRunning());
        }
        SingleInstanceGuard again(key); // released when the first copy went
        QVERIFY(!again.alreadyRunning());
    }

    void lockOfACrashedCopyIsTakenOver() {
        const QString key =
            QStringLiteral("zqv-test-crash-%1").arg(QCoreApplication::applicationPid());
        QFile stale(QDir::temp().absoluteFilePath(key + QStringLiteral(".lock")));
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // A lock whose process is gone: pid 2^22 + 1 is above Linux's pid limit.
        stale.write("4194305\nzetqvtool\n" + QHostInfo::localHostName().toUtf8() + "\n");
        stale.close();
        SingleInstanceGuard guard(key);
        QVERIFY(!guard.alreadyRunning());
    }

    void neighbourTable_data() {
        QTest::addColumn<QString>("ip");
        QTest::addColumn<QString>("mac");
        QTest::newRow("complete") << "127.0.0.5"
                                  << "00-1a-2b-3c-4d-5e";
        QTest::newRow("upper case becomes lower") << "127.0.0.6"
                                                  << "aa-bb-cc-dd-ee-ff";
        QTest::newRow("incomplete entry") << "127.0.0.7"
                                          << "";
        QTest::newRow("absent") << "127.0.0.4"
                                << "";
        QTest::newRow("prefix of another address") << "127.0.0.8"
                                                   << "";
        QTest::newRow("malformed address") << "127.0.0.9"
                                           << "";
    }
    void neighbourTable() {
        QFETCH(QString, ip);
        QFETCH(QString, mac);
        const QString table = QStringLiteral(
            "IP address       HW type     Flags       HW address            Mask     Device\n"
            "127.0.0.5        0x1         0x2         00:1a:2b:3c:4d:5e     *        lo\n"
            "127.0.0.6        0x1         0x2         AA:BB:CC:DD:EE:FF     *        lo\n"
            "127.0.0.7        0x1         0x0         00:00:00:00:00:00     *        lo\n"
            "127.0.0.88       0x1         0x2         00:1a:2b:3c:4d:5f     *        lo\n"
            "127.0.0.9        0x1         0x2         00:1a:2b:3c:4d        *        lo\n");
        QCOMPARE(macFromArpTable(table, ip), mac);
    }
};

QTEST_GUILESS_MAIN(PlatformTest)
#include "tst_platform.moc"
