#include "clock_page.h"
#include "display_families.h"
#include "transfer_display.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.16.20 to 127.0.16.29 and 127.0.27.20 to 127.0.27.29 belong to this
// test.

// Nothing listens here: a link that does not open.
const QString kUnanswered = QStringLiteral("127.0.16.28");

namespace {
QList<QByteArray> bodies(const FakeDisplay& fake) {
    return TransferDisplay::bodies(fake.requests());
}

// The item data of a combo box's current item, "-" with none.
QString shown(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? QStringLiteral("-") : combo->currentData().toString();
}

// A reply that no clock or rule command accepts: too short.
QByteArray tooShort(const QByteArray&) {
    return "C311";
}

} // namespace

class ClockPageTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() { QVERIFY(env.isValid()); }
    void init() { env.reset(); }

    // The year travels as years since 2000 and the weekday with Sunday as 0; the page shows
    // what the display took and then reads the clock back.
    void clockToWireAndBack_data() {
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<bool>("daylightSaving");
        QTest::addColumn<QByteArray>("wire");
        QTest::newRow("first Sunday of 2000") << QDateTime(QDate(2000, 1, 2), QTime(3, 4)) << true
                                              << QByteArray("C21200010200030401");
        QTest::newRow("last minute of 2099") << QDateTime(QDate(2099, 12, 31), QTime(23, 59))
                                             << false << QByteArray("C212630C1F04173B00");
    }
    void clockToWireAndBack() {
        QFETCH(QDateTime, when);
        QFETCH(bool, daylightSaving);
        QFETCH(QByteArray, wire);
        WindowRig rig("127.0.16.20");
        auto& [fake, model, w] = rig;
        w.ui.clock_set_time_dateTimeEdit->setDateTime(when);
        w.ui.daylight_savings_checkBox->setChecked(daylightSaving);
        w.ui.set_to_custom_date_pushButton->click();
        QCOMPARE(bodies(fake), QList<QByteArray>({wire, "C211"}));
        QCOMPARE(w.ui.clock_get_time_dateTimeEdit->dateTime(), when);
        QCOMPARE(w.ui.daylight_savings_checkBox->isChecked(), daylightSaving);
        QCOMPARE(w.ui.clock_set_time_dateTimeEdit->dateTime(), when);
    }

    void clockRead() {
        WindowRig rig("127.0.16.21");
        auto& [fake, model, w] = rig;
        model.clock = {25, 7, 31, 4, 23, 59, 0};
        w.ui.daylight_savings_checkBox->setChecked(true);
        w.ui.stackedWidget->setCurrentIndex(12);
        QCOMPARE(w.ui.clock_get_time_dateTimeEdit->dateTime(),
                 QDateTime(QDate(2025, 7, 31), QTime(23, 59)));
        QVERIFY(!w.ui.daylight_savings_checkBox->isChecked());
        rig.saveShot(QStringLiteral("clock"));
        // A set that fails keeps the flag as ticked, and the next set sends it.
        w.ui.daylight_savings_checkBox->setChecked(true);
        model.failNext(1);
        w.ui.set_to_custom_date_pushButton->click();
        QVERIFY(w.ui.daylight_savings_checkBox->isChecked());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5004)")));
        const int from = fake.requests().size();
        w.ui.set_to_custom_date_pushButton->click();
        QVERIFY(bodies(fake).at(from).startsWith("C212"));
        QVERIFY(bodies(fake).at(from).endsWith("01"));
        QCOMPARE(int(model.clock[6]), 1);
    }

    // A set that fails keeps the time and the flag entered, not the flag the display reported;
    // the failure shows as ever, and the next set sends what was entered.
    void clockSetKeepsWhatWasEntered_data() {
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        QTest::newRow("link down") << WriteFault::LinkDown << "(-3005)";
        QTest::newRow("no reply") << WriteFault::NoReply << "(-3003)";
        QTest::newRow("refused") << WriteFault::Refused << "(-5008)";
    }
    void clockSetKeepsWhatWasEntered() {
        QFETCH(WriteFault, fault);
        QFETCH(QString, status);
        WindowRig rig("127.0.16.26");
        auto& [fake, model, w] = rig;
        const QList<unsigned char> reported{25, 7, 31, 4, 23, 59, 0};
        model.clock = reported;
        w.ui.stackedWidget->setCurrentIndex(12);
        QVERIFY(!w.ui.daylight_savings_checkBox->isChecked());
        const QDateTime when(QDate(2031, 3, 4), QTime(5, 6));
        w.ui.clock_set_time_dateTimeEdit->setDateTime(when);
        w.ui.daylight_savings_checkBox->setChecked(true);

        rig.failWrites(fault, kUnanswered, "C212",
                       [](const QByteArray& body) { return "C31201" + body.mid(4); });
        w.ui.set_to_custom_date_pushButton->click();
        QCOMPARE(w.ui.clock_set_time_dateTimeEdit->dateTime(), when);
        QVERIFY(w.ui.daylight_savings_checkBox->isChecked());
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(env.boxTexts.size(), fault == WriteFault::LinkDown ? 1 : 0);
        QCOMPARE(model.clock, reported);

        rig.answerAgain();
        const int from = fake.requests().size();
        w.ui.set_to_custom_date_pushButton->click();
        QCOMPARE(bodies(fake).mid(from), QList<QByteArray>({"C2121F030402050601", "C211"}));
        QCOMPARE(w.ui.clock_get_time_dateTimeEdit->dateTime(), when);
        QVERIFY(w.ui.daylight_savings_checkBox->isChecked());
        QCOMPARE(w.ui.statusBar->currentMessage(), QString());
    }

    // The computer's own time goes out and stays in the field to send.
    void clockFromTheSystem() {
        WindowRig rig("127.0.16.22");
        auto& [fake, model, w] = rig;
        const QDateTime before = QDateTime::currentDateTime();
        w.ui.set_to_system_date_pushButton->click();
        const QDateTime after = QDateTime::currentDateTime();
        const QDateTime sent(QDate(2000 + model.clock[0], model.clock[1], model.clock[2]),
                             QTime(model.clock[4], model.clock[5]));
        auto minute = [](const QDateTime& t) {
            return QDateTime(t.date(), QTime(t.time().hour(), t.time().minute()));
        };
        QVERIFY(sent >= minute(before) && sent <= after);
        QCOMPARE(w.ui.clock_set_time_dateTimeEdit->dateTime(), sent);
        QCOMPARE(int(model.clock[3]), sent.date().dayOfWeek() % 7);
    }

    // After a write the display took, a failed read-back reports its own code; the fields show
    // what the write's echo gave.
    void failedReadBackReportsItsCode() {
        WindowRig rig("127.0.16.23");
        auto& [fake, model, w] = rig;
        model.addCommand('A', "C211", tooShort);
        const QDateTime when(QDate(2031, 3, 4), QTime(5, 6));
        w.ui.clock_set_time_dateTimeEdit->setDateTime(when);
        w.ui.set_to_custom_date_pushButton->click();
        QCOMPARE(w.ui.clock_get_time_dateTimeEdit->dateTime(), when);
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5002)")));
    }

    void daylightSavingRead() {
        WindowRig rig("127.0.16.24");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        // Begins in March on the Last Sunday at 2:00, ends in a month 13 on the 1st Saturday at
        // 3:30, one hour.
        families.daylightSavingRule = "0305010200"
                                      "0D0107031E"
                                      "00";
        families.daylightSaving = 1;
        w.ui.stackedWidget->setCurrentIndex(13);
        QCOMPARE(bodies(fake), QList<QByteArray>({"CA0100", "CA0102"}));
        QCOMPARE(w.ui.daylight_savings_begin_month_comboBox->currentText(),
                 QStringLiteral("March (3)"));
        QCOMPARE(w.ui.daylight_savings_begin_day1_comboBox->currentText(), QStringLiteral("Last"));
        QCOMPARE(w.ui.daylight_savings_begin_day2_comboBox->currentText(),
                 QStringLiteral("Sunday"));
        QCOMPARE(w.ui.daylight_savings_begin_time_timeEdit->time(), QTime(2, 0));
        QCOMPARE(shown(w.ui.daylight_savings_end_month_comboBox), QStringLiteral("-"));
        QCOMPARE(w.ui.daylight_savings_end_day2_comboBox->currentText(),
                 QStringLiteral("Saturday"));
        QCOMPARE(w.ui.daylight_savings_end_time_timeEdit->time(), QTime(3, 30));
        QCOMPARE(w.ui.daylight_savings_time_difference_comboBox->currentText(),
                 QStringLiteral("+1:00"));
        QVERIFY(w.ui.daylight_savings_enable_checkBox->isChecked());
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("0 (OK)"));
        rig.saveShot(QStringLiteral("daylight_savings"));

        // The on/off read fails after a good rule read: the rule stays, the switch shows no
        // state and cannot be clicked, and the line does not say OK.
        families.daylightSavingRule = "0A0201030000000000"
                                      "0003";
        families.daylightSaving = 0;
        model.addCommand('A', "CA0102", tooShort);
        w.ui.daylight_savings_read_pushButton->click();
        QCOMPARE(shown(w.ui.daylight_savings_begin_month_comboBox), QStringLiteral("10"));
        QCOMPARE(shown(w.ui.daylight_savings_time_difference_comboBox), QStringLiteral("3"));
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QString());
        QVERIFY(!w.ui.daylight_savings_enable_checkBox->isChecked());
        QVERIFY(!w.ui.daylight_savings_enable_checkBox->isEnabled());
        QVERIFY(w.ui.daylight_savings_write_pushButton->isEnabled());
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5002)")));
    }

    // Read asks for the rule, then for the switch; the line answers for both: OK only when
    // both were read, a refusal's status (the rule's first), and nothing when a read got no
    // usable reply, which the status bar names.
    void daylightSavingReadLine_data() {
        QTest::addColumn<QByteArray>("ruleReply");   // empty: the display's own
        QTest::addColumn<QByteArray>("switchReply"); // empty: the display's own
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        QTest::addColumn<bool>("switchRead");
        const QByteArray ruleRefused = "CB010001" + QByteArray(22, '0');
        const QByteArray switchRefused = "CB01020200";
        const QByteArray broken = "C311";
        QTest::newRow("both read") << QByteArray() << QByteArray() << "0 (OK)"
                                   << "" << true;
        QTest::newRow("rule not read") << broken << QByteArray() << ""
                                       << "(-5002)" << false;
        QTest::newRow("rule refused") << ruleRefused << QByteArray() << "1 (Error)"
                                      << "" << true;
        QTest::newRow("switch not read") << QByteArray() << broken << ""
                                         << "(-5002)" << false;
        QTest::newRow("switch refused") << QByteArray() << switchRefused << "2 (Error)"
                                        << "" << false;
        QTest::newRow("both refused") << ruleRefused << switchRefused << "1 (Error)"
                                      << "" << false;
        QTest::newRow("rule refused, switch not read") << ruleRefused << broken << "1 (Error)"
                                                       << "(-5002)" << false;
    }
    void daylightSavingReadLine() {
        QFETCH(QByteArray, ruleReply);
        QFETCH(QByteArray, switchReply);
        QFETCH(QString, line);
        QFETCH(QString, status);
        QFETCH(bool, switchRead);
        WindowRig rig("127.0.27.21");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.daylightSaving = 1;
        for (const auto& [request, reply] : {qMakePair(QByteArray("CA0100"), ruleReply),
                                             qMakePair(QByteArray("CA0102"), switchReply)})
            if (!reply.isEmpty())
                model.addCommand('A', request,
                                 [reply = reply](const QByteArray&) { return reply; });
        w.ui.daylight_savings_lineEdit->setText(QStringLiteral("old"));
        w.ui.daylight_savings_read_pushButton->click();
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), line);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(w.ui.daylight_savings_enable_checkBox->isChecked(), switchRead);
        QCOMPARE(w.ui.daylight_savings_enable_checkBox->isEnabled(), switchRead);
    }

    // A read against a display that stops answering leaves nothing that looks read, and
    // nothing that would send what was not read: the clock's flag goes out with a clock set,
    // the rule with Write.
    void failedReadLeavesNothingShown_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("senders");
        QTest::newRow("clock") << 12
                               << QStringList{"set_to_custom_date_pushButton",
                                              "set_to_system_date_pushButton"};
        QTest::newRow("daylight saving") << 13 << QStringList{"daylight_savings_write_pushButton"};
    }
    void failedReadLeavesNothingShown() {
        QFETCH(int, page);
        QFETCH(QStringList, senders);
        WindowRig rig("127.0.27.20");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.daylightSaving = 1;
        model.clock = {25, 7, 31, 4, 23, 59, 1};
        QList<QWidget*> buttons;
        for (const QString& name : senders)
            buttons << w.findChild<QPushButton*>(name);
        rig.showPage(page);
        QCOMPARE(rig.silentReadFault({w.ui.clock_set_time_dateTimeEdit}, buttons), QString());
    }

    void daylightSavingWrite() {
        WindowRig rig("127.0.16.25");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.daylightSavingRule = "0305010200"
                                      "0B01010300"
                                      "01";
        w.ui.stackedWidget->setCurrentIndex(13);
        w.ui.daylight_savings_end_time_timeEdit->setTime(QTime(4, 15));
        w.ui.daylight_savings_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA0101"
                                                 "0305010200"
                                                 "0B0101040F"
                                                 "01"));
        QCOMPARE(families.daylightSavingRule, QByteArray("0305010200"
                                                         "0B0101040F"
                                                         "01"));
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("0 (OK)"));
        // The switch is written on each click, as it stands after the click.
        w.ui.daylight_savings_enable_checkBox->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA010301"));
        QCOMPARE(int(families.daylightSaving), 1);
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("0 (OK)"));

        // The display refuses both (result value 1): the line says so, the rule keeps what was
        // entered and the next Write sends it, and the switch, written as it is clicked, goes
        // back to what the display holds.
        for (const char* write : {"CA0101", "CA0103"})
            model.addCommand('A', write,
                             [](const QByteArray& body) { return "CB" + body.mid(2, 4) + "01"; });
        w.ui.daylight_savings_end_time_timeEdit->setTime(QTime(5, 0));
        w.ui.daylight_savings_write_pushButton->click();
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(w.ui.daylight_savings_end_time_timeEdit->time(), QTime(5, 0));
        QCOMPARE(families.daylightSavingRule, QByteArray("0305010200"
                                                         "0B0101040F"
                                                         "01"));
        w.ui.daylight_savings_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA0101"
                                                 "0305010200"
                                                 "0B01010500"
                                                 "01"));
        w.ui.daylight_savings_enable_checkBox->click();
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("1 (Error)"));
        QVERIFY(w.ui.daylight_savings_enable_checkBox->isChecked());
        QCOMPARE(int(families.daylightSaving), 1);
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
    }

    // A Write that fails keeps the rule entered, not the one the display reported; the failure
    // shows as ever (a refusal on the page's line), and the next Write sends what was entered.
    void daylightSavingWriteKeepsWhatWasEntered_data() {
        QTest::addColumn<WriteFault>("fault");
        QTest::addColumn<QString>("line");
        QTest::addColumn<QString>("status"); // as statusMismatch takes it
        // The link did not open: nothing was sent, and the line shows no answer.
        QTest::newRow("link down") << WriteFault::LinkDown << ""
                                   << "(-3005)";
        QTest::newRow("no reply") << WriteFault::NoReply << ""
                                  << "(-3003)";
        QTest::newRow("refused") << WriteFault::Refused << "1 (Error)"
                                 << "";
    }
    void daylightSavingWriteKeepsWhatWasEntered() {
        QFETCH(WriteFault, fault);
        QFETCH(QString, line);
        QFETCH(QString, status);
        WindowRig rig("127.0.16.27");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        const QByteArray reported = "0305010200"
                                    "0B01010300"
                                    "01";
        families.daylightSavingRule = reported;
        families.daylightSaving = 1;
        w.ui.stackedWidget->setCurrentIndex(13);
        QCOMPARE(shown(w.ui.daylight_savings_begin_month_comboBox), QStringLiteral("3"));
        auto pick = [](QComboBox* combo, int data) {
            combo->setCurrentIndex(combo->findData(data));
        };
        pick(w.ui.daylight_savings_begin_month_comboBox, 4);
        w.ui.daylight_savings_end_time_timeEdit->setTime(QTime(4, 15));
        pick(w.ui.daylight_savings_time_difference_comboBox, 3);
        auto entered = [&w = w] {
            return QStringList{shown(w.ui.daylight_savings_begin_month_comboBox),
                               w.ui.daylight_savings_end_time_timeEdit->time().toString(),
                               shown(w.ui.daylight_savings_time_difference_comboBox)};
        };
        const QStringList expected{"4", "04:15:00", "3"};
        QCOMPARE(entered(), expected);

        rig.failWrites(fault, kUnanswered, "CA0101",
                       [](const QByteArray& body) { return "CB" + body.mid(2, 4) + "01"; });
        w.ui.daylight_savings_write_pushButton->click();
        QCOMPARE(entered(), expected);
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), line);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), status), QString());
        QCOMPARE(env.boxTexts.size(), fault == WriteFault::LinkDown ? 1 : 0);
        QCOMPARE(families.daylightSavingRule, reported);

        rig.answerAgain();
        const int from = fake.requests().size();
        w.ui.daylight_savings_write_pushButton->click();
        QCOMPARE(bodies(fake).mid(from), QList<QByteArray>{"CA0101"
                                                           "0405010200"
                                                           "0B0101040F"
                                                           "03"});
        QCOMPARE(families.daylightSavingRule, QByteArray("0405010200"
                                                         "0B0101040F"
                                                         "03"));
        QCOMPARE(entered(), expected);
        QCOMPARE(w.ui.daylight_savings_lineEdit->text(), QStringLiteral("0 (OK)"));
    }
};

QTEST_MAIN(ClockPageTest)
#include "tst_clock_page.moc"
