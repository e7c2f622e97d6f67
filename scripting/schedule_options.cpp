#include "schedule_options.h"

const std::array<ScheduleBitOption, 9>& scheduleBitOptions() {
    using C = ScriptCommand;
    using E = schedule_entry;
    static const std::array<ScheduleBitOption, 9> options = {{
        {"EVERYDAY", &C::every_day_given, &E::flags, ScheduleFlag::EveryDay},
        {"EVERYWEEK", &C::every_week_given, &E::flags, ScheduleFlag::EveryWeek},
        {"MONDAY", &C::monday_given, &E::weekdays, ScheduleDay::Monday},
        {"TUESDAY", &C::tuesday_given, &E::weekdays, ScheduleDay::Tuesday},
        {"WEDNESDAY", &C::wednesday_given, &E::weekdays, ScheduleDay::Wednesday},
        {"THURSDAY", &C::thursday_given, &E::weekdays, ScheduleDay::Thursday},
        {"FRIDAY", &C::friday_given, &E::weekdays, ScheduleDay::Friday},
        {"SATURDAY", &C::saturday_given, &E::weekdays, ScheduleDay::Saturday},
        {"SUNDAY", &C::sunday_given, &E::weekdays, ScheduleDay::Sunday},
    }};
    return options;
}

namespace {
void copyBit(const schedule_entry& from, schedule_entry& to, unsigned char schedule_entry::*field,
             unsigned char bit) {
    to.*field = static_cast<unsigned char>((to.*field & ~bit) | (from.*field & bit));
}
} // namespace

void mergeScheduleOptions(const ScriptCommand& command, schedule_entry& program) {
    const schedule_entry& given = command.schedule;
    if (command.on_time_given) {
        program.on_hour = given.on_hour;
        program.on_minute = given.on_minute;
    }
    if (command.off_time_given) {
        program.off_hour = given.off_hour;
        program.off_minute = given.off_minute;
    }
    if (command.picture_mode_given)
        program.picture_mode = given.picture_mode;
    if (command.input_given)
        program.input = given.input;
    if (command.enable_given)
        copyBit(given, program, &schedule_entry::flags, ScheduleFlag::Enabled);
    for (const ScheduleBitOption& option : scheduleBitOptions())
        if (command.*option.given)
            copyBit(given, program, option.field, option.bit);
}
