#include "holiday_description.h"

#include <QtTest>

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
} // namespace

Q_DECLARE_METATYPE(holiday_entry)

class SchedulePagesTest : public QObject {
    Q_OBJECT

private slots:
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
};

QTEST_MAIN(SchedulePagesTest)
#include "tst_schedule_pages.moc"
