#include "neighbour_table.h"
#include "single_instance.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHostInfo>
#include <QTemporaryDir>
#include <QtTest>

class PlatformTest : public QObject {
    Q_OBJECT

    // The user's settings folder of this test, apart from the real one and from other runs.
    QTemporaryDir config;

    static QString key(const char* name) {
        return QStringLiteral("zqv-test-%1-%2").arg(name).arg(QCoreApplication::applicationPid());
    }

private slots:
    void initTestCase() {
        QVERIFY(config.isValid());
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    }

    void secondCopyFindsTheLock() {
        {
            SingleInstanceGuard first(key("second"));
            QVERIFY(!first.alreadyRunning());
            SingleInstanceGuard second(key("second"));
            QVERIFY(second.alreadyRunning());
        }
        SingleInstanceGuard again(key("second")); // released when the first copy went
        QVERIFY(!again.alreadyRunning());
    }

    void lockOfACrashedCopyIsTakenOver() {
        const QString path = SingleInstanceGuard::lockFilePath(key("crash"));
        QVERIFY(QDir().mkpath(QFileInfo(path).path()));
        QFile stale(path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        // A lock whose process is gone: pid 2^22 + 1 is above Linux's pid limit.
        stale.write("4194305\nzetqvtool\n" + QHostInfo::localHostName().toUtf8() + "\n");
        stale.close();
        SingleInstanceGuard guard(key("crash"));
        QVERIFY(!guard.alreadyRunning());
    }

    // The temp folder has no say: copies started with different ones, or with none, find each
    // other, and nothing lands in the folder a copy was started from.
    void lockIgnoresTheTempFolder() {
        const QByteArray tmp = qgetenv("TMPDIR");
        const QString cwd = QDir::currentPath();
        QTemporaryDir a, b, work;
        qputenv("TMPDIR", a.path().toLocal8Bit());
        SingleInstanceGuard first(key("tmp"));
        qputenv("TMPDIR", b.path().toLocal8Bit());
        SingleInstanceGuard second(key("tmp"));
        qputenv("TMPDIR", "");
        QDir::setCurrent(work.path());
        SingleInstanceGuard third(key("tmp"));
        QDir::setCurrent(cwd);
        qputenv("TMPDIR", tmp);
        QVERIFY(!first.alreadyRunning());
        QVERIFY(second.alreadyRunning());
        QVERIFY(third.alreadyRunning());
        for (const QTemporaryDir* d : {&a, &b, &work})
            QVERIFY(QDir(d->path()).isEmpty());
    }

    // A settings folder that is relative, or that cannot be made, neither writes into the
    // working folder nor keeps the program from starting.
    void unusableSettingsFolder() {
        QTemporaryDir work;
        QFile file(work.filePath("file"));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        const QString cwd = QDir::currentPath();
        QDir::setCurrent(work.path());
        qputenv("XDG_CONFIG_HOME", "relative");
        const QString relativePath = SingleInstanceGuard::lockFilePath(key("relative"));
        qputenv("XDG_CONFIG_HOME", (work.path() + "/file/below").toLocal8Bit());
        SingleInstanceGuard unwritable(key("unwritable"));
        QDir::setCurrent(cwd);
        qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
        QVERIFY(QDir::isAbsolutePath(relativePath));
        QVERIFY(!relativePath.startsWith(work.path()));
        QVERIFY(!unwritable.alreadyRunning());
        QCOMPARE(QDir(work.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
                 QStringList{"file"});
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
