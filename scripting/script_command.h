#pragma once

#include "display_records.h"
#include "monitor_data.h"

#include <QList>
#include <QString>
#include <QVector>

// One accepted line of a script, as the parser records it and the runner performs it. A plain
// value: a field that its command does not use carries no meaning.
struct ScriptCommand {
    // Type codes; 18 and 19 are unassigned.
    enum Type : int {
        SetPort = 1,
        SetMonitorId = 2,
        SetOpcodeValue = 3,
        SetOpcodePercent = 4,
        Wait = 5,
        SendIr = 6,
        SetPower = 7,
        ForEachPort = 8,
        EndForEachPort = 9,
        Schedule = 10,
        SetDateTime = 11,
        SaveSettings = 12,
        SetAssetTag = 13,
        SetTvChannel = 14,
        SetOperatingMode = 15,
        SetInputName = 16,
        SetSecurity = 17,
        SetInputNameByInput = 20,
    };
    // Values of `status`: only the runner sets Succeeded and Failed.
    enum Status : int { NotRun = 0, Succeeded = 1, Failed = -1 };

    int type = 0;
    QString text;  // port, start address, monitor ID, asset tag, input name, password digits
    QString text2; // FOREACHPORT: end address
    int value = 0; // op-code value or percent, milliseconds, power or operating mode, input code
    int opcode = 0;
    int port_kind = 0; // SETPORT, FOREACHPORT: InterfaceType::Lan or InterfaceType::Rs232
    QList<unsigned char> ir_codes;
    int status = NotRun;
    // SCHEDULE: only the fields whose given-mark is set hold a value.
    schedule_entry schedule;
    int schedule_number = 0; // 1 to 7 as written
    bool off_time_given = false;
    bool on_time_given = false;
    bool input_given = false;
    bool enable_given = false;
    bool picture_mode_given = false;
    bool monday_given = false;
    bool tuesday_given = false;
    bool wednesday_given = false;
    bool thursday_given = false;
    bool friday_given = false;
    bool saturday_given = false;
    bool sunday_given = false;
    bool every_day_given = false;
    bool every_week_given = false;
    int tv_major = 0;
    int tv_minor = 0;
};

// A script: its commands in order. Contiguous, since an expanded range holds many records.
using ScriptCommandList = QVector<ScriptCommand>;
