#pragma once

#include "controldefinitions.h"
#include "schedule_options.h"
#include "script_command.h"
#include "script_parser.h"

#include <QStringList>
#include <QtTest>

// The op-code definitions the program carries; scripts look their names up there.
inline const ControlDefinitions& builtInDefinitions() {
    static ControlDefinitions definitions;
    static bool loaded = false;
    if (!loaded) {
        int line = 0;
        loaded = true;
        if (definitions.load(QStringLiteral(":/text/Resources/controls.txt"), &line) != 0)
            qFatal("built-in definitions did not load");
    }
    return definitions;
}

inline int parseText(const QByteArray& text, int* line, ScriptCommandList* commands) {
    return parseScriptText(text, line, commands, builtInDefinitions());
}

// The fields of a record that hold something, to compare records in one line:
// "4 opcode=0010 value=50".
inline QString recordText(const ScriptCommand& c) {
    QStringList f{QString::number(c.type)};
    if (!c.text.isEmpty())
        f << QStringLiteral("text=") + c.text;
    if (!c.text2.isEmpty())
        f << QStringLiteral("text2=") + c.text2;
    if (c.value != 0)
        f << QStringLiteral("value=%1").arg(c.value);
    if (c.opcode != 0)
        f << QStringLiteral("opcode=%1").arg(c.opcode, 4, 16, QLatin1Char('0'));
    if (c.port_kind != 0)
        f << QStringLiteral("port=%1").arg(c.port_kind);
    if (!c.ir_codes.isEmpty()) {
        QStringList codes;
        for (unsigned char code : c.ir_codes)
            codes << QStringLiteral("%1").arg(code, 2, 16, QLatin1Char('0'));
        f << QStringLiteral("ir=") + codes.join(QLatin1Char(','));
    }
    if (c.type == ScriptCommand::Schedule) {
        const schedule_entry& s = c.schedule;
        f << QStringLiteral("number=%1 flags=%2 weekdays=%3")
                 .arg(c.schedule_number)
                 .arg(s.flags, 2, 16, QLatin1Char('0'))
                 .arg(s.weekdays, 2, 16, QLatin1Char('0'));
        QStringList given;
        if (c.enable_given)
            given << QStringLiteral("enable");
        for (const ScheduleBitOption& option : scheduleBitOptions())
            if (c.*option.given)
                given << QString::fromLatin1(option.name).toLower();
        if (c.on_time_given)
            f << QStringLiteral("on=%1:%2").arg(s.on_hour).arg(s.on_minute);
        if (c.off_time_given)
            f << QStringLiteral("off=%1:%2").arg(s.off_hour).arg(s.off_minute);
        if (c.input_given)
            f << QStringLiteral("input=%1").arg(s.input);
        if (c.picture_mode_given)
            f << QStringLiteral("picture=%1").arg(s.picture_mode);
        if (!given.isEmpty())
            f << QStringLiteral("given=") + given.join(QLatin1Char(','));
    }
    if (c.tv_major != 0 || c.tv_minor != 0)
        f << QStringLiteral("tv=%1-%2").arg(c.tv_major).arg(c.tv_minor);
    if (c.status != 0)
        f << QStringLiteral("status=%1").arg(c.status);
    return f.join(QLatin1Char(' '));
}

inline QStringList recordTexts(const ScriptCommandList& commands) {
    QStringList out;
    for (const ScriptCommand& c : commands)
        out << recordText(c);
    return out;
}
