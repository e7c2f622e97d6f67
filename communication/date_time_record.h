#pragma once

// The display clock as the clock commands carry it.
struct date_time_record {
    int reserved = 0; // carried along, never read or written by the clock commands
    int year = 0;     // years since 2000; only the low byte travels
    unsigned char month = 0;
    unsigned char day = 0;
    unsigned char weekday = 0; // Sunday 0, Monday 1 .. Saturday 6
    unsigned char hour = 0;
    unsigned char minute = 0;
    bool daylight_saving = false;
};
