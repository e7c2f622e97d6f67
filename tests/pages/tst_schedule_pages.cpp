#include "display_families.h"
#include "holiday_description.h"
#include "result_codes.h"
#include "schedule_pages.h"
#include "string_resource.h"
#include "transfer_display.h"
#include "window_rig.h"

#include <QtTest>

// Loopback addresses 127.0.16.1 to 127.0.16.19 and 127.0.27.1 to 127.0.27.9 belong to this test;
// nothing listens on 127.0.16.9.

namespace {
// The locale every sentence below is written in.
const QLocale English(QLocale::English, QLocale::UnitedStates);

holiday_entry holiday(int type, int year, int month, int day, int week = 0, int weekday = 0,
                      int end_month = 0, int end_day = 0) {
    holiday_entry h;
    h.type = static_cast<unsigned char>(type);
    h.year = year;
    h.month = static_cast<unsigned char>(month);
    h.day = static_cast<unsigned char>(day);
    h.weekofmonth = static_cast<unsigned char>(week);
    h.dayofweek = static_cast<unsigned char>(weekday);
    h.end_month = static_cast<unsigned char>(end_month);
    h.end_day = static_cast<unsigned char>(end_day);
    return h;
}
QList<QByteArray> bodies(const FakeDisplay& fake) {
    return TransferDisplay::bodies(fake.requests());
}

void select(QComboBox* combo, uint data) {
    combo->setCurrentIndex(combo->findData(data));
}

// The item data of a combo box's current item, "-" with none.
QString shown(const QComboBox* combo) {
    return combo->currentIndex() < 0 ? QStringLiteral("-") : combo->currentData().toString();
}

// Every value the page shows, with whether it can be changed: list items, times, ticks.
QStringList fieldValues(QWidget* page) {
    QStringList values;
    for (QWidget* w : page->findChildren<QWidget*>()) {
        if (qobject_cast<QAbstractSpinBox*>(w->parentWidget()) ||
            qobject_cast<QComboBox*>(w->parentWidget()))
            continue;
        const auto* button = qobject_cast<QAbstractButton*>(w);
        const auto* group = qobject_cast<QGroupBox*>(w);
        QString value;
        if (const auto* combo = qobject_cast<QComboBox*>(w))
            value = shown(combo);
        else if (const auto* edit = qobject_cast<QTimeEdit*>(w))
            value = edit->time().toString(QStringLiteral("HH:mm"));
        else if (button && button->isCheckable())
            value = QString::number(button->isChecked());
        else if (group && group->isCheckable())
            value = QString::number(group->isChecked());
        else
            continue;
        values << QStringLiteral("%1=%2%3").arg(w->objectName(), value,
                                                w->isEnabled() ? "" : " (disabled)");
    }
    return values;
}

using Answer = WindowTestEnvironment::Answer;
} // namespace

Q_DECLARE_METATYPE(holiday_entry)

class SchedulePagesTest : public QObject {
    Q_OBJECT

    WindowTestEnvironment env;

private slots:
    void initTestCase() {
        QVERIFY(env.isValid());
        QLocale::setDefault(English); // month names in the lists and sentences
    }
    void init() { env.reset(); }

    void holidayDescription_data() {
        QTest::addColumn<holiday_entry>("entry");
        QTest::addColumn<QString>("sentence"); // empty: the entry cannot happen
        QTest::addColumn<bool>("disabled");
        // The n-th weekday: 04h with year, month, week and weekday.
        QTest::newRow("2nd Monday, every month, every year")
            << holiday(4, 0, 0, 0, 2, 1) << "The 2nd Monday of every month of every year" << false;
        QTest::newRow("2nd Monday in June, every year")
            << holiday(4, 0, 6, 0, 2, 1) << "The 2nd Monday in June of every year" << false;
        QTest::newRow("2nd Monday, every month in 2017")
            << holiday(4, 17, 0, 0, 2, 1) << "The 2nd Monday of every month in 2017" << false;
        QTest::newRow("5th Sunday in June 2017")
            << holiday(4, 17, 6, 0, 5, 7) << "The 5th Sunday in June 2017" << false;
        QTest::newRow("week without its number") << holiday(4, 0, 0, 0, 0, 1) << "" << false;
        QTest::newRow("week without its weekday") << holiday(4, 0, 0, 0, 2, 0) << "" << false;
        QTest::newRow("neither day nor week") << holiday(0, 0, 0, 0, 2, 1) << "" << false;
        QTest::newRow("end day without a day") << holiday(1, 0, 6, 1, 0, 0, 6, 5) << "" << false;
        // A day, a month or a year: 02h; "every" is 0.
        QTest::newRow("every day of everything") << holiday(2, 0, 0, 0) << "" << true;
        QTest::newRow("day 3 of every month, every year")
            << holiday(2, 0, 0, 3) << "Day 3 of every month of every year" << false;
        QTest::newRow("every day in June, every year")
            << holiday(2, 0, 6, 0) << "Every day in June of every year" << false;
        QTest::newRow("day 3 in June, every year")
            << holiday(2, 0, 6, 3) << "Day 3 in June of every year" << false;
        QTest::newRow("every day in 2017") << holiday(2, 17, 0, 0) << "Every day in 2017" << false;
        QTest::newRow("day 3 of every month in 2017")
            << holiday(2, 17, 0, 3) << "Day 3 of every month in 2017" << false;
        QTest::newRow("every day in June 2017")
            << holiday(2, 17, 6, 0) << "Every day in June 2017" << false;
        QTest::newRow("3 June 2017") << holiday(2, 17, 6, 3) << "6/3/17" << false;
        QTest::newRow("29 February 2016") << holiday(2, 16, 2, 29) << "2/29/16" << false;
        QTest::newRow("29 February 2017") << holiday(2, 17, 2, 29) << "" << false;
        QTest::newRow("month 13") << holiday(2, 0, 13, 1) << "" << false;
        // A period: 03h, from month and day to the end month and end day.
        QTest::newRow("1 March to 2 April, every year")
            << holiday(3, 0, 3, 1, 0, 0, 4, 2) << "March 1 to April 2 every year" << false;
        QTest::newRow("1 to 29 February, every year")
            << holiday(3, 0, 2, 1, 0, 0, 2, 29) << "February 1 to February 29 every year" << false;
        QTest::newRow("one day, every year") << holiday(3, 0, 6, 1, 0, 0, 6, 1) << "" << false;
        QTest::newRow("backwards in a month, every year")
            << holiday(3, 0, 6, 2, 0, 0, 6, 1) << "" << false;
        QTest::newRow("backwards over months, every year")
            << holiday(3, 0, 7, 1, 0, 0, 6, 30) << "" << false;
        QTest::newRow("to 31 April, every year") << holiday(3, 0, 4, 1, 0, 0, 4, 31) << "" << false;
        QTest::newRow("from 30 February, every year")
            << holiday(3, 0, 2, 30, 0, 0, 3, 2) << "" << false;
        QTest::newRow("every month as a start") << holiday(3, 0, 0, 1, 0, 0, 6, 5) << "" << false;
        QTest::newRow("1 to 5 June 2017")
            << holiday(3, 17, 6, 1, 0, 0, 6, 5) << "6/1/17 to 6/5/17" << false;
        QTest::newRow("one day in 2017")
            << holiday(3, 17, 6, 1, 0, 0, 6, 1) << "6/1/17 to 6/1/17" << false;
        QTest::newRow("backwards in 2017") << holiday(3, 17, 6, 2, 0, 0, 6, 1) << "" << false;
        QTest::newRow("to 31 February 2017") << holiday(3, 17, 2, 1, 0, 0, 2, 31) << "" << false;
        QTest::newRow("a period of everything") << holiday(3, 0, 0, 0, 0, 0, 6, 5) << "" << true;
    }
    void holidayDescription() {
        QFETCH(holiday_entry, entry);
        QFETCH(QString, sentence);
        QFETCH(bool, disabled);
        QCOMPARE(holiday_description(entry, English), sentence);
        QCOMPARE(holiday_is_disabled(entry), disabled);
    }

    // Month and day names come from the locale given; the sentence stays the program's own.
    void holidayNamesFollowTheLocale() {
        const QLocale german(QLocale::German, QLocale::Germany);
        QCOMPARE(holiday_description(holiday(4, 0, 6, 0, 1, 3), german),
                 QStringLiteral("The 1st Mittwoch in Juni of every year"));
        QCOMPARE(holiday_description(holiday(2, 17, 6, 3), german), QStringLiteral("03.06.17"));
    }
    void advancedScheduleReadAndWrite() {
        WindowRig rig("127.0.16.1");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        // Program 5: enabled, switches off at 23:15 on 3 June 2017 to HDMI, picture mode 4.
        families.advancedSchedules[4] = "02170F11004404110603000000";
        w.ui.stackedWidget->setCurrentIndex(15);
        QCOMPARE(bodies(fake), QList<QByteArray>{"C23D00"});
        w.ui.advanced_schedule_number_comboBox->setCurrentIndex(4);
        QCOMPARE(bodies(fake).last(), QByteArray("C23D04"));
        QCOMPARE(w.ui.advanced_schedule_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QVERIFY(w.ui.advanced_schedule_enable_checkBox->isChecked());
        QCOMPARE(shown(w.ui.advanced_schedule_on_off_type_comboBox), QStringLiteral("2"));
        QCOMPARE(w.ui.advanced_schedule_timeEdit->time(), QTime(23, 15));
        QCOMPARE(shown(w.ui.advanced_schedule_input_comboBox), QStringLiteral("17"));
        QCOMPARE(shown(w.ui.advanced_schedule_picture_mode_comboBox), QStringLiteral("4"));
        QVERIFY(w.ui.advanced_schedule_date_radioButton->isChecked());
        QCOMPARE(shown(w.ui.advanced_schedule_date_year_comboBox), QStringLiteral("17"));
        QCOMPARE(shown(w.ui.advanced_schedule_date_month_comboBox), QStringLiteral("6"));
        QCOMPARE(shown(w.ui.advanced_schedule_date_day_comboBox), QStringLiteral("3"));
        rig.saveShot(QStringLiteral("advanced_schedule"));

        // Back as an event that switches on at 6:30 every week on Mondays and Fridays: the
        // date goes out as zeros, since it is not the chosen day rule.
        select(w.ui.advanced_schedule_on_off_type_comboBox, 1);
        w.ui.advanced_schedule_timeEdit->setTime(QTime(6, 30));
        w.ui.advanced_schedule_every_week_radioButton->setChecked(true);
        QVERIFY(w.ui.advanced_schedule_monday_checkBox->isEnabled());
        QVERIFY(!w.ui.advanced_schedule_date_year_comboBox->isEnabled());
        w.ui.advanced_schedule_monday_checkBox->setChecked(true);
        w.ui.advanced_schedule_friday_checkBox->setChecked(true);
        w.ui.advanced_schedule_write_pushButton->click();
        QCOMPARE(families.advancedSchedules[4], QByteArray("01061E11110604000000000000"));
        QCOMPARE(w.ui.advanced_schedule_status_lineEdit->text(), QStringLiteral("0 (OK)"));

        // An off event carries its time as the off time; the on time stays 0.
        select(w.ui.advanced_schedule_on_off_type_comboBox, 2);
        const schedule_entry off = rig.page<SchedulePages>().advanced_schedule_from_ui();
        QCOMPARE(off.off_hour, 6u);
        QCOMPARE(int(off.off_minute), 30);
        QCOMPARE(off.on_hour, 0u);
        QCOMPARE(int(off.on_minute), 0);

        // The display refuses the write: its status in the line, the error on the status bar,
        // and the page keeps the program as entered (now an off event), to be written again.
        families.refusedSchedules << 4;
        w.ui.advanced_schedule_write_pushButton->click();
        QCOMPARE(families.advancedSchedules[4], QByteArray("01061E11110604000000000000"));
        QCOMPARE(w.ui.advanced_schedule_status_lineEdit->text(), QStringLiteral("-5008 (Error)"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5008)")));
        QCOMPARE(shown(w.ui.advanced_schedule_on_off_type_comboBox), QStringLiteral("2"));
        QCOMPARE(w.ui.advanced_schedule_timeEdit->time(), QTime(6, 30));
        QVERIFY(w.ui.advanced_schedule_every_week_radioButton->isChecked());
        QVERIFY(w.ui.advanced_schedule_friday_checkBox->isEnabled());
    }

    // The date lists change only with the date rule; "Every" has values of its own, and a value
    // that no item carries selects nothing.
    void advancedScheduleDate_data() {
        QTest::addColumn<QByteArray>("stored"); // fields after the program number
        QTest::addColumn<QString>("date");      // year/month/day as the lists show them
        QTest::newRow("another rule keeps the date")
            << QByteArray("01061E00000400110603000000") << "20/5/9";
        QTest::newRow("every year, month and day")
            << QByteArray("01061E00004000640D20000000") << "100/13/32";
        QTest::newRow("a year no item carries")
            << QByteArray("01061E00004000050603000000") << "-/6/3";
    }
    void advancedScheduleDate() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, date);
        WindowRig rig("127.0.16.2");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.advancedSchedules[0] = stored;
        select(w.ui.advanced_schedule_date_year_comboBox, 20);
        select(w.ui.advanced_schedule_date_month_comboBox, 5);
        select(w.ui.advanced_schedule_date_day_comboBox, 9);
        w.ui.stackedWidget->setCurrentIndex(15);
        QCOMPARE(QStringList({shown(w.ui.advanced_schedule_date_year_comboBox),
                              shown(w.ui.advanced_schedule_date_month_comboBox),
                              shown(w.ui.advanced_schedule_date_day_comboBox)})
                     .join(QLatin1Char('/')),
                 date);
    }

    // Both clears ask first, stop at the first program the display refuses and, when all went
    // through, read the chosen program again.
    void clearAll() {
        WindowRig rig("127.0.16.3");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.advancedSchedules[4] = "02170F11004404110603000000";
        families.holidays[4] = "02110603";
        const QByteArray clearedProgram = "01183C00000100000000000000";

        env.answers << Answer{QMessageBox::Cancel};
        w.ui.advanced_schedule_clear_all_pushButton->click();
        QCOMPARE(env.boxTexts, QStringList{StringResource(723)});
        QCOMPARE(fake.connectionCount(), 0);

        families.refusedSchedules << 3;
        env.answers << Answer{QMessageBox::Yes};
        w.ui.advanced_schedule_clear_all_pushButton->click();
        QCOMPARE(bodies(fake),
                 QList<QByteArray>({"C23E00" + clearedProgram, "C23E01" + clearedProgram,
                                    "C23E02" + clearedProgram, "C23E03" + clearedProgram}));
        QCOMPARE(families.advancedSchedules.value(2), clearedProgram);
        QCOMPARE(families.advancedSchedules.value(4), QByteArray("02170F11004404110603000000"));
        QCOMPARE(w.ui.advanced_schedule_status_lineEdit->text(), QStringLiteral("-5008 (Error)"));

        families.refusedSchedules.clear();
        fake.clearRequests();
        env.answers << Answer{QMessageBox::Yes};
        w.ui.advanced_schedule_clear_all_pushButton->click();
        QCOMPARE(bodies(fake).size(), SchedulePages::AdvancedPrograms + 1);
        QCOMPARE(bodies(fake).last(), QByteArray("C23D00"));
        QCOMPARE(families.advancedSchedules.value(29), clearedProgram);

        families.refusedHolidays << 3;
        fake.clearRequests();
        env.answers << Answer{QMessageBox::Yes};
        w.ui.holiday_clear_all_pushButton->click();
        QCOMPARE(env.boxTexts.last(), StringResource(722));
        QCOMPARE(bodies(fake),
                 QList<QByteArray>({"CA19010102000000", "CA19010202000000", "CA19010302000000"}));
        QCOMPARE(families.holidays.value(4), QByteArray("02110603"));
        QCOMPARE(w.ui.holiday_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(QStringLiteral("(-5008)")));

        families.refusedHolidays.clear();
        fake.clearRequests();
        env.answers << Answer{QMessageBox::Yes};
        w.ui.holiday_clear_all_pushButton->click();
        QCOMPARE(bodies(fake).size(), SchedulePages::Holidays + 1);
        QCOMPARE(bodies(fake).last(), QByteArray("CA190001"));
        QCOMPARE(families.holidays.value(50), QByteArray("02000000"));
        QCOMPARE(w.ui.holiday_description_label->text(), QStringLiteral("Disabled"));
    }

    // What the holiday page sends for each kind of entry; an entry that cannot happen is not
    // sent at all.
    void holidayWrite_data() {
        QTest::addColumn<bool>("byWeek");
        QTest::addColumn<QList<int>>("date"); // year, month, day
        QTest::addColumn<QList<int>>("end");  // end month and day; empty: no End Day
        QTest::addColumn<QByteArray>("wire");
        QTest::addColumn<QString>("label");
        QTest::newRow("a date") << false << QList<int>{17, 6, 3} << QList<int>{}
                                << QByteArray("CA19010502110603") << "6/3/17";
        QTest::newRow("a period") << false << QList<int>{17, 6, 1} << QList<int>{6, 5}
                                  << QByteArray("CA1901050311060100000605") << "6/1/17 to 6/5/17";
        QTest::newRow("a week") << true << QList<int>{0, 6, 0} << QList<int>{}
                                << QByteArray("CA190105040006000201")
                                << "The 2nd Monday in June of every year";
        QTest::newRow("a week with End Day ticked")
            << true << QList<int>{0, 6, 0} << QList<int>{6, 5} << QByteArray("CA190105040006000201")
            << "The 2nd Monday in June of every year";
        QTest::newRow("every day of everything") << false << QList<int>{0, 0, 0} << QList<int>{}
                                                 << QByteArray("CA19010502000000") << "Disabled";
        QTest::newRow("31 February 2017")
            << false << QList<int>{17, 2, 31} << QList<int>{} << QByteArray() << "Invalid";
    }
    void holidayWrite() {
        QFETCH(bool, byWeek);
        QFETCH(QList<int>, date);
        QFETCH(QList<int>, end);
        QFETCH(QByteArray, wire);
        QFETCH(QString, label);
        WindowRig rig("127.0.16.4");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        w.ui.holiday_program_comboBox->setCurrentIndex(4);
        select(w.ui.holiday_year_comboBox, uint(date[0]));
        select(w.ui.holiday_month_comboBox, uint(date[1]));
        select(w.ui.holiday_day_comboBox, uint(date[2]));
        w.ui.holiday_end_day_checkBox->setChecked(!end.isEmpty());
        if (!end.isEmpty()) {
            select(w.ui.holiday_end_day_month_comboBox, uint(end[0]));
            select(w.ui.holiday_end_day_day_comboBox, uint(end[1]));
        }
        if (byWeek) {
            w.ui.holiday_week_radioButton->setChecked(true);
            select(w.ui.holiday_week_nth_comboBox, 2);
            select(w.ui.holiday_week_weekday_comboBox, 1);
        } else {
            w.ui.holiday_day_radioButton->setChecked(true);
        }
        QCOMPARE(w.ui.holiday_description_label->text(), label);
        QCOMPARE(w.ui.holiday_write_pushButton->isEnabled(), !wire.isEmpty());
        fake.clearRequests();
        w.ui.holiday_write_pushButton->click();
        QCOMPARE(bodies(fake), wire.isEmpty() ? QList<QByteArray>() : QList<QByteArray>{wire});
        if (!wire.isEmpty())
            QCOMPARE(w.ui.holiday_status_lineEdit->text(), QStringLiteral("0 (OK)"));
    }

    // A read shows the entry with the widgets its kind uses; the description follows.
    void holidayRead_data() {
        QTest::addColumn<QByteArray>("stored"); // fields after the number
        QTest::addColumn<QString>("label");
        QTest::addColumn<QString>("enabled"); // day, End Day, end month, end day, nth, weekday
        QTest::newRow("a period") << QByteArray("0311060100000605") << "6/1/17 to 6/5/17"
                                  << "111100";
        QTest::newRow("a week") << QByteArray("040006000201")
                                << "The 2nd Monday in June of every year"
                                << "000011";
        QTest::newRow("a cleared entry") << QByteArray("02000000") << "Disabled"
                                         << "110000";
    }
    void holidayRead() {
        QFETCH(QByteArray, stored);
        QFETCH(QString, label);
        QFETCH(QString, enabled);
        WindowRig rig("127.0.16.5");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.holidays[1] = stored;
        w.ui.stackedWidget->setCurrentIndex(16);
        QCOMPARE(bodies(fake), QList<QByteArray>{"CA190001"});
        QCOMPARE(w.ui.holiday_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        QCOMPARE(w.ui.holiday_description_label->text(), label);
        QCOMPARE(
            enabledMismatch({w.ui.holiday_day_comboBox, w.ui.holiday_end_day_checkBox,
                             w.ui.holiday_end_day_month_comboBox, w.ui.holiday_end_day_day_comboBox,
                             w.ui.holiday_week_nth_comboBox, w.ui.holiday_week_weekday_comboBox},
                            enabled),
            QString());
        rig.saveShot(QStringLiteral("holiday_") + QTest::currentDataTag());
    }

    // A read that fails, of another number than the one shown or of the same, leaves nothing
    // on the page that looks read: no tick, the values greyed, and Write off until a read of
    // that number succeeds, so that an entry that was not read is never written back over the
    // display's own.
    void failedReadLeavesNothingToWrite_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("number"); // the list of numbers; empty: none
        QTest::addColumn<QString>("read");
        QTest::addColumn<QString>("write");
        QTest::newRow("advanced schedule") << 15 << "advanced_schedule_number_comboBox"
                                           << "advanced_schedule_read_pushButton"
                                           << "advanced_schedule_write_pushButton";
        QTest::newRow("holiday") << 16 << "holiday_program_comboBox"
                                 << "holiday_read_pushButton"
                                 << "holiday_write_pushButton";
        QTest::newRow("weekend") << 17 << ""
                                 << "weekend_read_pushButton"
                                 << "weekend_write_pushButton";
    }
    void failedReadLeavesNothingToWrite() {
        QFETCH(int, page);
        QFETCH(QString, number);
        QFETCH(QString, read);
        QFETCH(QString, write);
        WindowRig rig("127.0.27.1");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.advancedSchedules[0] = "02170F11004404110603000000";
        families.advancedSchedules[1] = "01061E11110604000000000000";
        families.holidays[1] = "0311060100000605";
        families.holidays[2] = "040006000201";
        QWidget* shown = w.ui.stackedWidget->widget(page);
        auto* list = w.findChild<QComboBox*>(number);
        QList<QWidget*> inputs;
        if (list)
            inputs << list;
        auto* writeButton = w.findChild<QPushButton*>(write);
        rig.showPage(page);
        QVERIFY(writeButton->isEnabled());
        QVERIFY(!unreadShownAsCurrent(shown, inputs).isEmpty());

        // The display stops answering: a read of the next number, or of the same.
        fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        if (list)
            list->setCurrentIndex(1);
        else
            w.findChild<QPushButton*>(read)->click();
        QVERIFY(w.ui.statusBar->currentMessage().endsWith(
            QStringLiteral("(%1)").arg(ResultCode::NoReply)));
        QCOMPARE(unreadShownAsCurrent(shown, inputs), QString());
        QVERIFY(!writeButton->isEnabled());
        if (list) {
            fake.setHandler(model.handler());
            list->setCurrentIndex(0);
            QVERIFY(writeButton->isEnabled());
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
            w.findChild<QPushButton*>(read)->click();
            QVERIFY(!writeButton->isEnabled());
            rig.saveShot(QStringLiteral("unread_") + shown->objectName());
        }

        // It answers again: reading that number brings the values and Write back.
        fake.setHandler(model.handler());
        fake.clearRequests();
        w.findChild<QPushButton*>(read)->click();
        QVERIFY(writeButton->isEnabled());
        QVERIFY(!unreadShownAsCurrent(shown, inputs).isEmpty());
        QVERIFY(w.ui.statusBar->currentMessage().isEmpty());
        writeButton->click();
        QCOMPARE(fake.requests().size(), 2);
    }

    // Each page's Write sends a form: when the link does not open, the display does not answer
    // or it refuses, the failure is shown and the page keeps what the user entered, never what
    // the display reported before; the next Write sends it.
    void failedWriteKeepsTheEntry_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("statusLine");
        QTest::addColumn<QString>("statusBar"); // as statusMismatch expects it
        const QString noLink = QStringLiteral("(%1)").arg(ResultCode::ConnectionRefused);
        const QString noReply = QStringLiteral("(%1)").arg(ResultCode::NoReply);
        const QString refused = QStringLiteral("(%1)").arg(ResultCode::ReplyError);
        for (const auto& [name, page, refusal] :
             {std::make_tuple("advanced schedule", 15, "-5008 (Error)"),
              std::make_tuple("holiday", 16, ""), std::make_tuple("weekend", 17, "1 (Error)")}) {
            QTest::addRow("%s, link does not open", name) << page << "link"
                                                          << "" << noLink;
            QTest::addRow("%s, no reply", name) << page << "silence"
                                                << "" << noReply;
            QTest::addRow("%s, refused", name)
                << page << "refused" << refusal << (page == 17 ? QString() : refused);
        }
    }
    void failedWriteKeepsTheEntry() {
        QFETCH(int, page);
        QFETCH(QString, fault);
        QFETCH(QString, statusLine);
        QFETCH(QString, statusBar);
        // Only the weekend has no refusal of its own: a display that answers its write with
        // status 1. It outlives the rig whose display may route to it.
        DisplayModel refusing;
        refusing.addCommand('A', "CA1A01",
                            [](const QByteArray& body) { return "CB1A0101" + body.mid(6, 2); });
        WindowRig rig("127.0.16.8");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        families.advancedSchedules[0] = "02170F11004404110603000000";
        families.holidays[1] = "0311060100000605";
        QPushButton* write = nullptr;
        QLineEdit* status = nullptr;
        QByteArray wire;                  // what Write sends for the entry below
        std::function<QByteArray()> held; // what the display holds
        rig.showPage(page);
        QWidget* shownPage = w.ui.stackedWidget->widget(page);
        const QStringList reported = fieldValues(shownPage);
        if (page == 15) {
            // An event that switches on at 6:30 every week on Mondays and Fridays, over one
            // that switches off on a date.
            write = w.ui.advanced_schedule_write_pushButton;
            status = w.ui.advanced_schedule_status_lineEdit;
            wire = "C23E0001061E11110604000000000000";
            held = [&families] { return families.advancedSchedules.value(0); };
            select(w.ui.advanced_schedule_on_off_type_comboBox, 1);
            w.ui.advanced_schedule_timeEdit->setTime(QTime(6, 30));
            w.ui.advanced_schedule_every_week_radioButton->setChecked(true);
            w.ui.advanced_schedule_monday_checkBox->setChecked(true);
            w.ui.advanced_schedule_friday_checkBox->setChecked(true);
        } else if (page == 16) {
            // The 2nd Monday in June of every year, over a period in June 2017.
            write = w.ui.holiday_write_pushButton;
            status = w.ui.holiday_status_lineEdit;
            wire = "CA190101040006000201";
            held = [&families] { return families.holidays.value(1); };
            select(w.ui.holiday_year_comboBox, 0);
            w.ui.holiday_week_radioButton->setChecked(true);
            select(w.ui.holiday_week_nth_comboBox, 2);
            select(w.ui.holiday_week_weekday_comboBox, 1);
        } else {
            // Monday and Sunday, over Saturday and Sunday.
            write = w.ui.weekend_write_pushButton;
            status = w.ui.weekend_status_lineEdit;
            wire = "CA1A0141";
            held = [&families] { return DisplayModel::hex2(families.weekend); };
            w.ui.weekend_monday_checkBox->setChecked(true);
            w.ui.weekend_saturday_checkBox->setChecked(false);
        }
        const QByteArray before = held();
        const QStringList entered = fieldValues(shownPage);
        QVERIFY(entered != reported);
        QVERIFY(write->isEnabled());

        if (fault == QLatin1String("link"))
            w.ui.communications_interface_widget->set_interface_info(lanInterface("127.0.16.9"));
        else if (fault == QLatin1String("silence"))
            fake.setHandler([](const QByteArray&) { return FakeReply::silence(); });
        else if (page == 17)
            fake.setHandler([&refusing, &model](const QByteArray& request) {
                return FakeDisplay::bodyOf(request).startsWith("CA1A01") ? refusing.answer(request)
                                                                         : model.answer(request);
            });
        else
            (page == 15 ? families.refusedSchedules : families.refusedHolidays) << page - 15;
        fake.clearRequests();
        write->click();
        QCOMPARE(fieldValues(shownPage), entered);
        QVERIFY(write->isEnabled());
        QCOMPARE(held(), before);
        QCOMPARE(status->text(), statusLine);
        QCOMPARE(statusMismatch(w.ui.statusBar->currentMessage(), statusBar), QString());
        QCOMPARE(env.boxTexts.size(), fault == QLatin1String("link") ? 1 : 0);
        QCOMPARE(bodies(fake),
                 fault == QLatin1String("link") ? QList<QByteArray>() : QList<QByteArray>{wire});

        // The display answers again: the next Write sends the entry as it stands.
        w.ui.communications_interface_widget->set_interface_info(lanInterface(fake.address()));
        fake.setHandler(model.handler());
        families.refusedSchedules.clear();
        families.refusedHolidays.clear();
        fake.clearRequests();
        write->click();
        QCOMPARE(bodies(fake), QList<QByteArray>{wire});
        QVERIFY(wire.endsWith(held()));
        QVERIFY(held() != before);
        QCOMPARE(status->text(), QStringLiteral("0 (OK)"));
    }

    void weekend() {
        WindowRig rig("127.0.16.7");
        auto& [fake, model, w] = rig;
        DisplayFamilies families(model);
        const QList<QCheckBox*> days = {
            w.ui.weekend_monday_checkBox,    w.ui.weekend_tuesday_checkBox,
            w.ui.weekend_wednesday_checkBox, w.ui.weekend_thursday_checkBox,
            w.ui.weekend_friday_checkBox,    w.ui.weekend_saturday_checkBox,
            w.ui.weekend_sunday_checkBox};
        auto checked = [&days] {
            QString mask;
            for (const QCheckBox* box : days)
                mask += box->isChecked() ? QLatin1Char('1') : QLatin1Char('0');
            return mask;
        };
        w.ui.stackedWidget->setCurrentIndex(17); // the display holds 60h
        QCOMPARE(checked(), QStringLiteral("0000011"));
        QCOMPARE(w.ui.weekend_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        rig.saveShot(QStringLiteral("weekend"));
        w.ui.weekend_monday_checkBox->setChecked(true);
        w.ui.weekend_saturday_checkBox->setChecked(false);
        w.ui.weekend_write_pushButton->click();
        QCOMPARE(bodies(fake).last(), QByteArray("CA1A0141"));
        QCOMPARE(int(families.weekend), 0x41);
        QCOMPARE(checked(), QStringLiteral("1000001"));
        QCOMPARE(w.ui.weekend_status_lineEdit->text(), QStringLiteral("0 (OK)"));
        // A write the display refuses (status 1) says so, and the days stay as ticked, to be
        // written again.
        model.addCommand('A', "CA1A01",
                         [](const QByteArray& body) { return "CB1A0101" + body.mid(6, 2); });
        w.ui.weekend_tuesday_checkBox->setChecked(true);
        w.ui.weekend_write_pushButton->click();
        QCOMPARE(w.ui.weekend_status_lineEdit->text(), QStringLiteral("1 (Error)"));
        QCOMPARE(checked(), QStringLiteral("1100001"));
        QCOMPARE(int(families.weekend), 0x41);
    }
};

QTEST_MAIN(SchedulePagesTest)
#include "tst_schedule_pages.moc"
