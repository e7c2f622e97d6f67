#pragma once

#include "display_records.h"

#include <QLocale>
#include <QString>

// The one sentence that describes a holiday entry while the user edits it, in the locale's
// month names, day names and short date format. An entry that cannot happen (an end before its
// start, a day the month does not have) has no sentence: the text is empty.
QString holiday_description(const holiday_entry& h, const QLocale& locale = QLocale());
// A single day, a whole month or year, or every day of a month; year 0 is every year, month
// 0 every month, day 0 every day.
QString holiday_date_description(int year, int month, int day, const QLocale& locale = QLocale());
// The weeks of a month that a holiday can name.
constexpr int HolidayWeekNumbers = 5;
// "1st" to "5th"; empty for any other week number.
QString holiday_nth_text(int week);
// Type 02h with year, month and day all "every": the entry that clearing leaves.
bool holiday_is_disabled(const holiday_entry& h);

// Holiday type bits.
namespace HolidayType {
constexpr unsigned char EndDay = 0x01;
constexpr unsigned char Date = 0x02;
constexpr unsigned char Week = 0x04;
} // namespace HolidayType
