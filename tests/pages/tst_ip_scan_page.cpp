#include "ip_scan_page.h"
#include "unanswered_address.h"
#include "window_rig.h"

#include <QElapsedTimer>
#include <QProgressDialog>
#include <QtTest>

namespace {
// Every row of the results table, its cells joined by "|".
QStringList tableRows(QTableWidget* table) {
    QStringList rows;
    for (int r = 0; r < table->rowCount(); ++r) {
        QStringList cells;
        for (int c = 0; c < table->columnCount(); ++c)
            cells << (table->item(r, c) ? table->item(r, c)->text() : QString());
        rows << cells.join(QLatin1Char('|'));
    }
    return rows;
}

void setRange(ZETQVToolMainWindow& w, const QString& from, const QString& to) {
    w.ui.ip_address_from_lineEdit->setText(from);
    w.ui.ip_address_to_lineEdit->setText(to);
}

// A display that answers model, serial number and, when it has one, its monitor ID.
struct ScanDisplay {
    DisplayModel model;
    FakeDisplay fake;
    ScanDisplay(const char* address, const QByteArray& name, const QByteArray& serial, int id)
        : fake(FakeDisplay::Link::Tcp, QLatin1String(address)) {
        model.modelName = name;
        model.serialNumber = serial;
        if (id > 0)
            model.setParameter(0x023E, static_cast<unsigned short>(id), 100);
        fake.setHandler(model.handler());
    }
};
} // namespace

// Loopback addresses 127.0.15.10 to 127.0.15.19 and 127.0.150.250 to 127.0.151.5 belong to this
// test.
class IpScanPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // A display that answers, one that accepts but stays silent, an address that refuses, a
    // display without a monitor ID and an address that never answers the connection.
    void scanRows() {
        ScanDisplay answering("127.0.15.10", "QV-55", "7A001234", 1);
        FakeDisplay silent(FakeDisplay::Link::Tcp, QStringLiteral("127.0.15.11"));
        silent.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        ScanDisplay noId("127.0.15.13", "QV-40", "7B000001", 0);
        UnansweredAddress unanswered(QStringLiteral("127.0.15.14"));
        QVERIFY(unanswered.isReady());
        ZETQVToolMainWindow w;
        QTableWidget* table = w.ui.ip_tableWidget;
        QStringList headers;
        for (int c = 0; c < table->columnCount(); ++c)
            headers << table->horizontalHeaderItem(c)->text();
        QCOMPARE(headers, (QStringList{"IP Address", "Status", "Model", "Serial#",
                                       "First Monitor ID", "MAC Address"}));
        setRange(w, "127.0.15.10", "127.0.15.14");
        QVERIFY(w.ui.detect_start_pushButton->isEnabled());
        w.ui.detect_start_pushButton->click();
        // Loopback has no neighbour table entries: no MAC address.
        QCOMPARE(tableRows(table),
                 (QStringList{"127.0.15.10|OK|QV-55|7A001234|1|", "127.0.15.11|IP Port Replied||||",
                              "127.0.15.12|No reply||||", "127.0.15.13|OK|QV-40|7B000001||",
                              "127.0.15.14|No reply||||"}));
        // The status bar carries the last address's failure.
        QVERIFY2(w.ui.statusBar->currentMessage().endsWith("(-3007)"),
                 qPrintable(w.ui.statusBar->currentMessage()));
        QCOMPARE(table->currentRow(), 4);
        QCOMPARE(table->item(0, 1)->flags(), Qt::ItemIsSelectable | Qt::ItemIsEnabled);
        QCOMPARE(table->item(0, 2)->textAlignment(), int(Qt::AlignCenter));
        QCOMPARE(answering.fake.requests().size(), 3); // model, serial, monitor ID
        QVERIFY(!w.findChild<QProgressDialog*>());     // gone with the scan
        w.ui.stackedWidget->setCurrentIndex(32);
        QCOMPARE(answering.fake.connectionCount(), 2); // showing the page reads nothing
        WindowRig::saveShotOf(w, QStringLiteral("ip_scan"));
    }

    // Abort while a connect is under way ends the scan at once; the rows it did not come to
    // show their address only.
    void abortMidway() {
        ScanDisplay answering("127.0.15.15", "QV-55", "7A001234", 2);
        UnansweredAddress unanswered(QStringLiteral("127.0.15.16"));
        QVERIFY(unanswered.isReady());
        ZETQVToolMainWindow w;
        setRange(w, "127.0.15.15", "127.0.15.17");
        QElapsedTimer clock;
        qint64 abortedAt = 0;
        QString label;
        int maximum = 0, value = 0;
        // Aborts as soon as the scan tries the unanswered address: on a loaded machine the
        // first display may take a while.
        QTimer poll;
        poll.setInterval(10);
        QObject::connect(&poll, &QTimer::timeout, &w, [&] {
            auto* dialog = w.findChild<QProgressDialog*>();
            if (!dialog || !dialog->labelText().endsWith(QLatin1String("127.0.15.16")))
                return;
            poll.stop();
            label = dialog->labelText();
            maximum = dialog->maximum();
            value = dialog->value();
            QCOMPARE(dialog->windowTitle(), w.windowTitle());
            QVERIFY(dialog->isModal());
            abortedAt = clock.elapsed();
            dialog->cancel();
        });
        clock.start();
        poll.start();
        w.ui.detect_start_pushButton->click();
        const qint64 took = clock.elapsed() - abortedAt;
        // Well before the connect time-out of 2 s, with room for a loaded machine.
        QVERIFY2(abortedAt > 0 && took < 500, qPrintable(QString::number(took)));
        QCOMPARE(label, QStringLiteral("Trying IP address: 127.0.15.16"));
        QCOMPARE(maximum, 4);
        QCOMPARE(value, 2);
        QCOMPARE(tableRows(w.ui.ip_tableWidget),
                 (QStringList{"127.0.15.15|OK|QV-55|7A001234|2|", "127.0.15.16|||||",
                              "127.0.15.17|||||"}));
    }

    // Addresses go in numeric order across the boundary of the third octet.
    void octetBoundary() {
        ScanDisplay answering("127.0.151.1", "QV-55", "7A001234", 5);
        ZETQVToolMainWindow w;
        setRange(w, "127.0.150.250", "127.0.151.5");
        w.ui.detect_start_pushButton->click();
        const QStringList rows = tableRows(w.ui.ip_tableWidget);
        QCOMPARE(rows.size(), 12);
        QStringList addresses;
        for (const QString& row : rows)
            addresses << row.section(QLatin1Char('|'), 0, 0);
        QCOMPARE(addresses.mid(4, 4),
                 (QStringList{"127.0.150.254", "127.0.150.255", "127.0.151.0", "127.0.151.1"}));
        QCOMPARE(rows[7], QStringLiteral("127.0.151.1|OK|QV-55|7A001234|5|"));
        QCOMPARE(rows.last(), QStringLiteral("127.0.151.5|No reply||||"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith("(-3005)"));
    }

    // The start button's state, and the range checked again when the scan is asked for: a
    // range too wide says how wide one may be.
    void rangeChecks_data() {
        QTest::addColumn<QString>("from");
        QTest::addColumn<QString>("to");
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<QString>("refusal"); // the status bar when asked for anyway
        const QString invalid = QStringLiteral("Error: Invalid IP address range (-2104)");
        QTest::newRow("one address") << "127.0.15.18"
                                     << "127.0.15.18" << true << QString();
        // Texts only: neither range is ever scanned (the first is not started, the second is
        // refused before any connection).
        QTest::newRow("1000 apart") << "192.168.0.0"
                                    << "192.168.3.232" << true << QString();
        QTest::newRow("1001 apart")
            << "192.168.0.0"
            << "192.168.3.233" << false << "A range holds at most 1001 addresses. (-2104)";
        QTest::newRow("first above last") << "127.0.15.14"
                                          << "127.0.15.10" << false << invalid;
        QTest::newRow("empty field") << ""
                                     << "127.0.15.10" << false << invalid;
        QTest::newRow("from 0.0.0.0") << "0.0.0.0"
                                      << "0.0.0.5" << false << invalid;
        QTest::newRow("unfinished") << "127.0.15"
                                    << "127.0.15.10" << false << invalid;
        QTest::newRow("part above 255") << "127.0.15.256"
                                        << "127.0.15.10" << false << invalid;
        QTest::newRow("up to the top") << "255.255.255.250"
                                       << "255.255.255.255" << true << QString();
    }
    void rangeChecks() {
        QFETCH(QString, from);
        QFETCH(QString, to);
        QFETCH(bool, enabled);
        QFETCH(QString, refusal);
        ZETQVToolMainWindow w;
        setRange(w, from, to);
        QCOMPARE(w.ui.detect_start_pushButton->isEnabled(), enabled);
        if (QTest::currentDataTag() == QLatin1String("one address")) {
            w.ui.detect_start_pushButton->click();
            QCOMPARE(tableRows(w.ui.ip_tableWidget), QStringList{"127.0.15.18|No reply||||"});
        }
        if (enabled)
            return; // the others would scan beyond this test's addresses
        // Asked for anyway (a button's state is no guarantee), the scan refuses the range.
        w.ui.ip_tableWidget->setRowCount(2);
        w.pages().find<IpScanPage>()->on_detect_start_pushButton_clicked();
        QCOMPARE(w.ui.ip_tableWidget->rowCount(), 2);
        QCOMPARE(w.ui.statusBar->currentMessage(), refusal);
        if (QTest::currentDataTag() == QLatin1String("1001 apart")) {
            w.ui.stackedWidget->setCurrentIndex(32);
            WindowRig::saveShotOf(w, QStringLiteral("ip_scan_range_too_wide"));
        }
    }

    // The range comes from the settings and goes back to them; the button follows the loaded
    // range at once.
    void storedRange() {
        {
            ZETQVToolMainWindow w;
            QCOMPARE(w.ui.ip_address_from_lineEdit->text(), QStringLiteral("192.168.0.10"));
            QCOMPARE(w.ui.ip_address_to_lineEdit->text(), QStringLiteral("192.168.0.20"));
            QVERIFY(w.ui.detect_start_pushButton->isEnabled());
            setRange(w, "127.0.15.19", "127.0.15.12");
        }
        QCOMPARE(QSettings().value("scan_ip_address_from").toString(),
                 QStringLiteral("127.0.15.19"));
        ZETQVToolMainWindow w;
        QCOMPARE(w.ui.ip_address_to_lineEdit->text(), QStringLiteral("127.0.15.12"));
        QVERIFY(!w.ui.detect_start_pushButton->isEnabled());
    }
};

QTEST_MAIN(IpScanPageTest)
#include "tst_ip_scan_page.moc"
