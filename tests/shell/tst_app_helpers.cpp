#include "app_helpers.h"

#include <QTemporaryDir>
#include <QTreeWidgetItem>
#include <QtTest>

class AppHelpersTest : public QObject {
    Q_OBJECT

private slots:
    void manufactureDates_data() {
        QTest::addColumn<QString>("serial");
        QTest::addColumn<QDate>("date");
        const QDate none;
        QTest::newRow("October last year") << "5X0000001" << QDate(2025, 10, 1);
        QTest::newRow("March this year") << "630000001" << QDate(2026, 3, 1);
        QTest::newRow("December in the future goes back a decade")
            << "6Z0000001" << QDate(2016, 12, 1);
        QTest::newRow("this month") << "660000001" << QDate(2026, 6, 1);
        QTest::newRow("lower case, 10 characters") << "5y00000001" << QDate(2025, 11, 1);
        QTest::newRow("8 characters") << "63000001" << none;
        QTest::newRow("11 characters") << "63000000001" << none;
        QTest::newRow("starts with a letter") << "A30000001" << none;
        QTest::newRow("month 0") << "600000001" << none;
        QTest::newRow("month letter outside X-Z") << "6A0000001" << none;
    }
    void manufactureDates() {
        QFETCH(QString, serial);
        QFETCH(QDate, date);
        QCOMPARE(manufactureDateFromSerial(serial, QDate(2026, 6, 15)), date);
    }

    void dataFolder() {
        QTemporaryDir shared, user;
        QVERIFY(shared.isValid() && user.isValid());
        const QString expected = shared.path() + "/ZET Display Solutions/ZET QV Comms Tool";
        QCOMPARE(appDataFolderUnder(shared.path(), user.path(), false), QString());
        QCOMPARE(appDataFolderUnder(shared.path(), user.path(), true), expected);
        QCOMPARE(appDataFolderUnder(shared.path(), user.path(), false), expected);
    }

    void dataFolderFallsBackWhenSharedIsNotWritable() {
        QTemporaryDir user;
        const QString missing = user.path() + "/no/such/shared";
        QCOMPARE(appDataFolderUnder(missing, user.path(), true),
                 user.path() + "/ZET Display Solutions/ZET QV Comms Tool");
        QCOMPARE(appDataFolderUnder(QString(), QString(), true), QString());
    }

    void treeChildByText() {
        QTreeWidgetItem root;
        auto* a = new QTreeWidgetItem(&root, QStringList{"Controls"});
        auto* b = new QTreeWidgetItem(&root, QStringList{"Commands"});
        new QTreeWidgetItem(&root, QStringList{"Commands"});
        QCOMPARE(findTreeChildByText(&root, "Controls"), a);
        QCOMPARE(findTreeChildByText(&root, "Commands"), b); // the first match
        QCOMPARE(findTreeChildByText(&root, "controls"), nullptr);
        QCOMPARE(findTreeChildByText(nullptr, "Controls"), nullptr);
    }

    void version() { QCOMPARE(versionString(), QStringLiteral("Version 1.4.00.0 (Build 180105)")); }
};

QTEST_MAIN(AppHelpersTest)
#include "tst_app_helpers.moc"
