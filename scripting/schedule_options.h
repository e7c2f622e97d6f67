#pragma once

#include "script_command.h"

#include <array>

// The SCHEDULE command's options that set or clear one bit of a program, in the order the
// description names them. ENABLE and DISABLE share the enable bit.
struct ScheduleBitOption {
    const char* name;
    bool ScriptCommand::*given;
    unsigned char schedule_entry::*field;
    unsigned char bit;
};

const std::array<ScheduleBitOption, 9>& scheduleBitOptions();

// Copies into a program read from the display the fields and bits that the command gave; the
// other bits of the flags and weekdays keep the display's values.
void mergeScheduleOptions(const ScriptCommand& command, schedule_entry& program);
