#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <limits>

// Records that the calendar, proof-of-play and profile commands move between the display, the
// monitor object, the pages and the script engine. All are plain values, zero when built.

// The widest TV channel the channel command carries: the major channel as a signed 32-bit
// number, the minor in 16 bits.
struct TvChannelLimits {
    static constexpr unsigned MaxMajor = unsigned(std::numeric_limits<int>::max());
    static constexpr unsigned MaxMinor = 0xFFFF;
};

// One schedule program. The basic dialects use both times; an advanced program is one event,
// `type` 1 switching on at the on time, 2 switching off at the off time. A time that is not set
// is hour 24 with minute 60.
struct schedule_entry {
    unsigned char type = 0; // advanced event type; 0 for the basic dialects
    unsigned int off_hour = 0;
    unsigned char off_minute = 0;
    unsigned int on_hour = 0;
    unsigned char on_minute = 0;
    unsigned char input = 0;    // video input code
    unsigned char weekdays = 0; // Monday 01h .. Sunday 40h
    // 01h every day, 02h every week, 04h enabled; advanced also 08h weekdays, 10h weekend,
    // 20h holiday, 40h on a specific date
    unsigned char flags = 0;
    unsigned char picture_mode = 0;
    // The seven bytes after the picture mode on the wire: the date of an advanced event on a
    // specific date (year minus 2000), then bytes carried as they stand.
    unsigned char year = 0;
    unsigned char month = 0;
    unsigned char day = 0;
    unsigned char reserved[4] = {0, 0, 0, 0};

    static constexpr int TrailingBytes = 7;
    // Byte i (0..6) of those seven.
    unsigned char& trailing(int i) {
        switch (i) {
        case 0:
            return year;
        case 1:
            return month;
        case 2:
            return day;
        default:
            return reserved[i - 3];
        }
    }
};

// A time of a program that is not set.
constexpr unsigned int NoHour = 24;
constexpr unsigned char NoMinute = 60;
// A time counts only with its hour and its minute in range.
inline bool scheduleTimeSet(unsigned int hour, unsigned char minute) {
    return hour < NoHour && minute < NoMinute;
}

// Bits of schedule_entry::flags: when a program applies and whether it is on. The days of the
// advanced programs (weekdays, weekend, holidays, a date) are known to the advanced dialect only.
namespace ScheduleFlag {
constexpr unsigned char EveryDay = 0x01;
constexpr unsigned char EveryWeek = 0x02;
constexpr unsigned char Enabled = 0x04;
constexpr unsigned char OnWeekdays = 0x08;
constexpr unsigned char OnWeekend = 0x10;
constexpr unsigned char OnHolidays = 0x20;
constexpr unsigned char OnDate = 0x40;
} // namespace ScheduleFlag

// Bits of schedule_entry::weekdays.
namespace ScheduleDay {
constexpr unsigned char Monday = 0x01;
constexpr unsigned char Tuesday = 0x02;
constexpr unsigned char Wednesday = 0x04;
constexpr unsigned char Thursday = 0x08;
constexpr unsigned char Friday = 0x10;
constexpr unsigned char Saturday = 0x20;
constexpr unsigned char Sunday = 0x40;
} // namespace ScheduleDay

// One holiday program.
struct holiday_entry {
    unsigned char holiday_number = 0;
    // 02h by day of month, 01h with an end day (a period), 04h by week of month and weekday
    unsigned char type = 0;
    int year = 0; // one byte on the wire
    unsigned char month = 0;
    unsigned char day = 0;
    unsigned char weekofmonth = 0;
    unsigned char dayofweek = 0;
    unsigned char end_month = 0;
    unsigned char end_day = 0;
};

// The daylight-saving rule, in wire order.
struct daylight_saving_rule {
    unsigned char begin_month = 0;
    unsigned char begin_day1 = 0;
    unsigned char begin_day2 = 0;
    unsigned char begin_hour = 0;
    unsigned char begin_minute = 0;
    unsigned char end_month = 0;
    unsigned char end_day1 = 0;
    unsigned char end_day2 = 0;
    unsigned char end_hour = 0;
    unsigned char end_minute = 0;
    unsigned char time_difference = 0;

    static constexpr int Size = 11;
    static constexpr std::array<unsigned char daylight_saving_rule::*, Size> wireOrder() {
        return {&daylight_saving_rule::begin_month,    &daylight_saving_rule::begin_day1,
                &daylight_saving_rule::begin_day2,     &daylight_saving_rule::begin_hour,
                &daylight_saving_rule::begin_minute,   &daylight_saving_rule::end_month,
                &daylight_saving_rule::end_day1,       &daylight_saving_rule::end_day2,
                &daylight_saving_rule::end_hour,       &daylight_saving_rule::end_minute,
                &daylight_saving_rule::time_difference};
    }
};

// One proof-of-play log entry.
struct proof_of_play_log {
    int log_number = 0;
    unsigned char video_input = 0;
    unsigned char video_signal_status = 0; // 0 a signal, 1 none (size 0), 2 unknown (size FFFFh)
    int h_resolution = 0;
    int v_resolution = 0;
    unsigned char audio_input = 0;
    unsigned char audio_input_status = 0;
    unsigned char picture_status = 0;
    unsigned char audio_status = 0;
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    int second = 0;
    unsigned char extension = 0; // the kind of logged event
    unsigned char reserved_2 = 0;
    unsigned char reserved_3 = 0;
};

// The contents of one tile-matrix memory.
struct tile_matrix_profile {
    unsigned char h_monitors = 0; // displays across
    unsigned char v_monitors = 0; // displays down
    unsigned char position = 0;   // this display's place in the matrix
    unsigned char tile_comp = 0;  // 1 off, 2 on
};

// The contents of one PIP/PBP memory: 33 bytes in this order on the wire.
struct pip_pbp_profile {
    unsigned char mode = 0;
    unsigned char video_input[4] = {0, 0, 0, 0};
    unsigned char picture_size[4] = {0, 0, 0, 0};
    unsigned char aspect[4] = {0, 0, 0, 0};
    unsigned char h_position[4] = {0, 0, 0, 0};
    unsigned char v_position[4] = {0, 0, 0, 0};
    unsigned char reserved[12] = {};

    static constexpr int Size = 33;
    // Byte i (0..32) in wire order, with the label under which it is read.
    unsigned char& byte(int i) {
        if (i == 0)
            return mode;
        if (i <= 20) {
            unsigned char* groups[] = {video_input, picture_size, aspect, h_position, v_position};
            return groups[(i - 1) / 4][(i - 1) % 4];
        }
        return reserved[i - 21];
    }
    static QByteArray label(int i) {
        if (i == 0)
            return "mode";
        if (i <= 20) {
            static const char* const groups[] = {"video_input", "picture_size", "aspect",
                                                 "h_position", "v_position"};
            return QByteArray(groups[(i - 1) / 4]) + '_' + QByteArray::number((i - 1) % 4 + 1);
        }
        return "reserved_" + QByteArray::number(i - 10);
    }
};

// A password or passcode: always exactly four 8-bit characters. Text of another length, or
// with a character that does not fit in eight bits, gives an invalid one that no command sends.
class Passcode {
public:
    Passcode() = default;
    explicit Passcode(const QString& text) {
        if (text.size() != Size)
            return;
        for (int i = 0; i < Size; ++i) {
            const ushort c = text.at(i).unicode();
            if (c > 0xFF)
                return;
            chars[size_t(i)] = static_cast<unsigned char>(c);
        }
        valid = true;
    }
    static constexpr int Size = 4;
    bool isValid() const { return valid; }
    unsigned char at(int i) const { return chars[size_t(i)]; }

private:
    std::array<unsigned char, Size> chars{};
    bool valid = false;
};
