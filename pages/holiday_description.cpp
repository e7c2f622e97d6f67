#include "holiday_description.h"

#include "string_resource.h"

#include <QCoreApplication>
#include <QDate>

namespace {
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(HolidayDescription)
};

constexpr int FirstYear = 2000;
// A year with 29 February: days of a month in "every year" are checked against it.
constexpr int LeapYear = 2000;
constexpr int Months = 12;
constexpr int MonthDays = 31;
constexpr int Weekdays = 7;

int full_year(int year) {
    return FirstYear + year;
}

// A period without a year: both days exist in some year, and it ends after it starts.
QString yearly_period(const holiday_entry& h, const QLocale& locale) {
    const QDate start(LeapYear, h.month, h.day), end(LeapYear, h.end_month, h.end_day);
    if (!start.isValid() || !end.isValid() || end <= start)
        return QString();
    return Texts::tr("%1 %2 to %3 %4 every year", "EX: March 1 to April 2 every year")
        .arg(locale.monthName(h.month))
        .arg(h.day)
        .arg(locale.monthName(h.end_month))
        .arg(h.end_day);
}

// A period in one year: both dates exist, and the end is not before the start.
QString period_in_year(const holiday_entry& h, const QLocale& locale) {
    const int year = full_year(h.year);
    const QDate start(year, h.month, h.day), end(year, h.end_month, h.end_day);
    if (!start.isValid() || !end.isValid() || end < start)
        return QString();
    return Texts::tr("%1 to %2", "EX: 6/1/2017 to 6/5/2017")
        .arg(locale.toString(start, QLocale::ShortFormat),
             locale.toString(end, QLocale::ShortFormat));
}

QString week_description(const holiday_entry& h, const QLocale& locale) {
    const QString nth = holiday_nth_text(h.weekofmonth);
    if (!(h.type & HolidayType::Week) || nth.isEmpty() || h.dayofweek < 1 ||
        h.dayofweek > Weekdays || h.month > Months)
        return QString();
    const QString day = locale.dayName(h.dayofweek);
    if (h.year == 0 && h.month == 0)
        return Texts::tr("The %1 %2 of every month of every year",
                         "EX: The 2nd Monday of every month of every year")
            .arg(nth, day);
    if (h.year == 0)
        return Texts::tr("The %1 %2 in %3 of every year",
                         "EX: The 2nd Monday in June of every year")
            .arg(nth, day, locale.monthName(h.month));
    if (h.month == 0)
        return Texts::tr("The %1 %2 of every month in %3",
                         "EX: The 2nd Monday of every month in 2017")
            .arg(nth, day)
            .arg(full_year(h.year));
    return Texts::tr("The %1 %2 in %3 %4", "EX: The 2nd Monday in June 2017")
        .arg(nth, day, locale.monthName(h.month))
        .arg(full_year(h.year));
}
} // namespace

QString holiday_nth_text(int week) {
    if (week < 1 || week > HolidayWeekNumbers)
        return QString();
    return StringResource(StringId::HolidayWeeks + week);
}

bool holiday_is_disabled(const holiday_entry& h) {
    return (h.type & HolidayType::Date) && h.year == 0 && h.month == 0 && h.day == 0;
}

QString holiday_date_description(int year, int month, int day, const QLocale& locale) {
    if (month < 0 || month > Months || day < 0 || day > MonthDays)
        return QString();
    if (year == 0 && month == 0 && day == 0)
        return QString();
    if (year == 0 && month == 0)
        return Texts::tr("Day %1 of every month of every year",
                         "EX: Day 3 of every month of every year")
            .arg(day);
    if (year == 0 && day == 0)
        return Texts::tr("Every day in %1 of every year", "EX: Every day in June of every year")
            .arg(locale.monthName(month));
    if (year == 0)
        return Texts::tr("Day %1 in %2 of every year", "EX: Day 3 in June of every year")
            .arg(day)
            .arg(locale.monthName(month));
    if (month == 0 && day == 0)
        return Texts::tr("Every day in %2", "EX: Every day in 2017").arg(full_year(year));
    if (month == 0)
        return Texts::tr("Day %1 of every month in %2", "EX: Day 3 of every month in 2017")
            .arg(day)
            .arg(full_year(year));
    if (day == 0)
        return Texts::tr("Every day in %1 %2", "EX: Every day in June 2017")
            .arg(locale.monthName(month))
            .arg(full_year(year));
    const QDate date(full_year(year), month, day);
    return date.isValid() ? locale.toString(date, QLocale::ShortFormat) : QString();
}

QString holiday_description(const holiday_entry& h, const QLocale& locale) {
    if (!(h.type & HolidayType::Date))
        return week_description(h, locale);
    if (!(h.type & HolidayType::EndDay))
        return holiday_date_description(h.year, h.month, h.day, locale);
    return h.year == 0 ? yearly_period(h, locale) : period_in_year(h, locale);
}
