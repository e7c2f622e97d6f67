#include "lm_information_dialog.h"
#include "log_line_formatter.h"

#include <QApplication>
#include <QClipboard>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSettings>
#include <QStandardPaths>
#include <QtTest>

class LogWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(QStringLiteral("zqv-test"));
        QCoreApplication::setApplicationName(QStringLiteral("log-window"));
        QSettings().clear();
    }

    void comments_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("level");
        QTest::newRow("title") << 1 << "Power Status Read command"
                               << "<b><font COLOR=blue>Power Status Read command</font></b>" << 0;
        QTest::newRow("connection") << 2 << "Connecting"
                                    << "<font COLOR=gray>Connecting</font>" << 1;
        QTest::newRow("field") << 3 << "Read value 1"
                               << "<font COLOR=gray>Read value 1</font>" << 1;
        QTest::newRow("op code with a name")
            << 4 << "10cb"
            << "<font COLOR=blue>OP Code Control Name: <b>Model ID</b></font>" << 0;
        QTest::newRow("op code without a name") << 4 << "7777"
                                                << "" << 0;
        QTest::newRow("error") << 5 << "Error: No reply from the display."
                               << "<font COLOR=red>Error: No reply from the display.</font>" << 1;
        QTest::newRow("other") << 9 << "x"
                               << "<b><font COLOR=cyan>x</font></b>" << 0;
        QTest::newRow("display text is escaped")
            << 3 << "Model <script>&\""
            << "<font COLOR=gray>Model &lt;script&gt;&amp;&quot;</font>" << 1;
    }
    void comments() {
        QFETCH(int, type);
        QFETCH(QString, text);
        QFETCH(QString, html);
        QFETCH(int, level);
        LogLineFormatter f(
            [](int opcode) { return opcode == 0x10CB ? QStringLiteral("Model ID") : QString(); });
        QCOMPARE(f.comment(text, type), (LogLine{html, level}));
    }

    void traffic_data() {
        QTest::addColumn<int>("type");
        QTest::addColumn<bool>("dummy");
        QTest::addColumn<QString>("html");
        QTest::addColumn<int>("level");
        QTest::newRow("received") << 1 << false << "<b>Received 3 bytes:</b><br>01 0A FF <br>" << 0;
        QTest::newRow("sent") << 2 << false << "<b>Sent 3 bytes:</b><br>01 0A FF <br>" << 0;
        QTest::newRow("no interface")
            << 6 << false
            << "<font COLOR=red><b>Error - No communications interface.</b></font>01 0A FF <br>"
            << 0;
        QTest::newRow("no reply") << 7 << false
                                  << "<font COLOR=red><b>Error - No reply.</b></font>01 0A FF <br>"
                                  << 0;
        QTest::newRow("no reply on the dummy interface") << 7 << true << "" << -1;
        QTest::newRow("unexpected")
            << 8 << false
            << "<font COLOR=red><b>Error - Received unexpected reply:</b></font>01 0A FF <br>" << 0;
        QTest::newRow("checksum")
            << 9 << false
            << "<font COLOR=red><b>Error - Received bad checksum:</b></font>01 0A FF <br>" << 0;
        QTest::newRow("monitor id") << 10 << false
                                    << "<font COLOR=red><b>Error - Received unexpected Monitor ID "
                                       "reply:</b></font>01 0A FF <br>"
                                    << 0;
        QTest::newRow("payload")
            << 11 << false
            << "<b><font COLOR=green>Received (message payload only):</font></b><br>01 0A FF <br>"
            << 1;
        QTest::newRow("null") << 12 << false
                              << "<font COLOR=red><b>Error - Unsupported Command (Null Message) "
                                 "reply:</b></font>01 0A FF <br>"
                              << 0;
        QTest::newRow("unknown") << 3 << false << "Unknown:<br>01 0A FF <br>" << 0;
    }
    void traffic() {
        QFETCH(int, type);
        QFETCH(bool, dummy);
        QFETCH(QString, html);
        QFETCH(int, level);
        QCOMPARE(LogLineFormatter().traffic({0x01, 0x0A, 0xFF}, type, dummy),
                 (LogLine{html, level}));
    }

    // The data row of a frame table: its cells' texts; no table gives no cells.
    static QStringList dataCells(const QString& table) {
        const int row = table.lastIndexOf(QLatin1String("<tr>"));
        QStringList cells;
        if (row < 0)
            return cells;
        QRegularExpression cell(QStringLiteral("<td><p align=\"center\">([^<]*)</p></td>"));
        for (auto m = cell.globalMatch(table.mid(row)); m.hasNext();)
            cells << m.next().captured(1);
        return cells;
    }

    void bytesToHtmlTable_data() {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("cells");
        const QByteArray request = QByteArray::fromHex("0130413041303602303003770d");
        QTest::newRow("payload of two")
            << request
            << QStringList{"01", "30", "41", "30", "41", "30 36", "02", "30 30", "03", "77", "0D"};
        QTest::newRow("no payload: ETX follows STX")
            << QByteArray::fromHex("0130413041303202037f0d")
            << QStringList{"01", "30", "41", "30", "41", "30 32", "02", "03", "7F", "0D"};
        QTest::newRow("nine bytes, SOH to CR")
            << QByteArray::fromHex("01304130413032020d")
            << QStringList{"01", "30", "41", "30", "41", "30 32", "02", "0D"};
        QTest::newRow("last byte not CR") << request.left(12) << QStringList();
        QTest::newRow("first byte not SOH") << request.mid(1) << QStringList();
        QTest::newRow("eight bytes") << request.left(7) + "\r" << QStringList();
        QTest::newRow("empty") << QByteArray() << QStringList();
    }
    void bytesToHtmlTable() {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, cells);
        QList<unsigned char> list;
        for (char c : bytes)
            list << static_cast<unsigned char>(c);
        const QString table = LogLineFormatter::bytes_to_html_table(list);
        QCOMPARE(dataCells(table), cells);
        if (cells.isEmpty()) {
            QCOMPARE(table, QString());
            return;
        }
        QVERIFY(table.startsWith("<table  border=\"1\" cellspacing=\"0\" cellpadding=\"2\">"));
        QVERIFY(table.endsWith("</tr></table><br>"));
        // Eleven columns of captions over the bytes, the two-word ones broken in two.
        for (const char* caption :
             {">Header<", ">Message<", ">Check<br>code<", ">Delimiter<", ">SOH<", ">Reserved<",
              ">Destination<br>Address<", ">Source<br>Address<", ">Message<br>Type<",
              ">Message<br>Length<", ">STX<", ">Data (Message payload)<", ">ETX<"})
            QVERIFY2(table.contains(QLatin1String(caption)), caption);
        QCOMPARE(table.count("bgcolor=\"#F0F0F0\""), 13);
    }

    void decodingFilterDropsLevelOneLines() {
        LM_Information_Dialog log;
        log.append("always", 0);
        log.append("detail", 1);
        log.ui.show_message_decoding_checkBox->setChecked(true);
        log.append("shown", 1);
        const QString text = log.ui.data_textEdit->toPlainText();
        QCOMPARE(text, QStringLiteral("always\nshown")); // the dropped line does not come back
    }

    // With the window shown a line in view is painted at once, before the event loop runs (an
    // exchange may be blocking it); a line below the view costs no painting.
    void shownLogPaintsLinesInViewAtOnce() {
        struct PaintCounter : QObject {
            int count = 0;
            bool eventFilter(QObject*, QEvent* e) override {
                count += e->type() == QEvent::Paint;
                return false;
            }
        } paints;
        LM_Information_Dialog log;
        log.show();
        QVERIFY(QTest::qWaitForWindowExposed(&log));
        QApplication::processEvents();
        log.ui.data_textEdit->viewport()->installEventFilter(&paints);
        log.append("<b>Sent 2 bytes:</b><br>01 0D <br>", 0);
        QCOMPARE(paints.count, 1);
        while (log.ui.data_textEdit->verticalScrollBar()->maximum() == 0)
            log.append("more", 0);
        paints.count = 0;
        log.append("below the view", 0);
        QCOMPARE(paints.count, 0);
    }

    void copyAndClear() {
        LM_Information_Dialog log;
        log.append("<b>Sent 2 bytes:</b><br>01 0D <br>", 0);
        log.on_copy_pushButton_clicked();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("Sent 2 bytes:\n01 0D \n"));
        log.on_clear_pushbutton_clicked();
        log.on_copy_pushButton_clicked();
        QCOMPARE(QApplication::clipboard()->text(), QString());
    }

    void decodingSettingSurvivesARestart() {
        QSettings().clear();
        {
            LM_Information_Dialog log;
            QVERIFY(!log.ui.show_message_decoding_checkBox->isChecked());
            log.ui.show_message_decoding_checkBox->setChecked(true);
        }
        QCOMPARE(QSettings().value("show_message_decoding").toBool(), true);
        LM_Information_Dialog again;
        QVERIFY(again.ui.show_message_decoding_checkBox->isChecked());
        QCOMPARE(again.windowTitle(), QStringLiteral("Communications Send/Receive Log"));
        QVERIFY(again.windowFlags() & Qt::Tool);
    }
};

QTEST_MAIN(LogWindowTest)
#include "tst_log_window.moc"
