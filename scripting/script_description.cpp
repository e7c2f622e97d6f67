#include "script_description.h"

#include "ip_address.h"
#include "opcodes.h"
#include "schedule_options.h"
#include "script_definitions.h"
#include "script_parser.h"

#include <array>

namespace {
QString colourPrefix(int status) {
    if (status < 0)
        return QStringLiteral("<font COLOR=red>");
    if (status > 0)
        return QStringLiteral("<font COLOR=green>");
    return QStringLiteral("<font COLOR=black>");
}

QString decimal(qint64 value) {
    return QString::number(value);
}

QString twoDigits(unsigned int value) {
    return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0'));
}

// " (label)", or nothing for an empty label.
QString inParentheses(const QString& label) {
    return label.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(label);
}

QString opcodeText(const ScriptCommand& c, const ScriptDefinitions& definitions) {
    return QStringLiteral("%1%2")
        .arg(c.opcode, 4, 16, QLatin1Char('0'))
        .arg(inParentheses(definitions.opcodeName(c.opcode, true)));
}

QString timePart(const char* name, unsigned int hour, unsigned char minute) {
    const QString value = hour < NoHour ? twoDigits(hour) + QLatin1Char(':') + twoDigits(minute)
                                        : QStringLiteral("Cleared");
    return QStringLiteral(" %1=%2").arg(QLatin1String(name), value);
}

QString codePart(const char* name, const QString& label, unsigned char code) {
    return QStringLiteral(" %1=%2 (%3)").arg(QLatin1String(name), label, decimal(code));
}

QString scheduleText(const ScriptCommand& c, const ScriptDefinitions& definitions) {
    const schedule_entry& s = c.schedule;
    QString text = QStringLiteral("Set Schedule #%1").arg(c.schedule_number);
    if (c.enable_given)
        text += (s.flags & ScheduleFlag::Enabled) ? " Enable" : " Disable";
    for (const ScheduleBitOption& option : scheduleBitOptions())
        if (c.*option.given)
            text += QStringLiteral(" %1=%2").arg(
                QLatin1String(option.name),
                QLatin1String(s.*option.field & option.bit ? "Set" : "Cleared"));
    if (c.input_given)
        text += codePart("Input", definitions.valueLabel(OpCode::VideoInput, s.input), s.input);
    if (c.picture_mode_given)
        text += codePart("PictureMode", definitions.valueLabel(OpCode::PictureMode, s.picture_mode),
                         s.picture_mode);
    if (c.on_time_given)
        text += timePart("ONTIME", s.on_hour, s.on_minute);
    if (c.off_time_given)
        text += timePart("OFFTIME", s.off_hour, s.off_minute);
    return text;
}

// The plain text of a command's line; empty when it has none. Placeholders are filled in one
// step, so a "%1" in a name stays as it is.
QString describedText(const ScriptCommand& c, const ScriptDefinitions& definitions) {
    switch (c.type) {
    case ScriptCommand::SetPort:
        return QStringLiteral("Set Port to %1").arg(c.text);
    case ScriptCommand::SetMonitorId:
        return QStringLiteral("Set Monitor ID to %1").arg(c.text);
    case ScriptCommand::SetOpcodeValue:
        return QStringLiteral("Set OP Code 0x%1 to %2%3")
            .arg(opcodeText(c, definitions), decimal(c.value),
                 inParentheses(definitions.valueLabel(c.opcode, c.value)));
    case ScriptCommand::SetOpcodePercent:
        return QStringLiteral("Set OP Code 0x%1 to %2%")
            .arg(opcodeText(c, definitions), decimal(c.value));
    case ScriptCommand::Wait:
        return QStringLiteral("Wait %1ms").arg(c.value);
    case ScriptCommand::SendIr: {
        QString text = QStringLiteral("Send IR Code: ");
        for (unsigned char code : c.ir_codes)
            text += QStringLiteral("%1 ").arg(code, 2, 16, QLatin1Char('0')).toUpper();
        return text;
    }
    case ScriptCommand::SetPower:
        return c.value == 1 ? QStringLiteral("Set Power On") : QStringLiteral("Set Standby");
    case ScriptCommand::ForEachPort:
        return QStringLiteral("FOR EACH IP FROM %1 TO %2 (%3 addresses)")
            .arg(c.text, c.text2, decimal(uint(ipTextToUInt(c.text2) - ipTextToUInt(c.text) + 1)));
    case ScriptCommand::Schedule:
        return scheduleText(c, definitions);
    case ScriptCommand::SetDateTime:
        return QStringLiteral("Set Time and Date to system time.");
    case ScriptCommand::SaveSettings:
        return QStringLiteral("Save Settings");
    case ScriptCommand::SetAssetTag:
        return QStringLiteral("Set Asset Tag to \"%1\"").arg(c.text);
    case ScriptCommand::SetTvChannel:
        return QStringLiteral("Set TV Channel to %1-%2")
            .arg(decimal(c.tv_major), decimal(c.tv_minor));
    case ScriptCommand::SetOperatingMode:
        return QStringLiteral("Set Operating Mode to \"%1\"").arg(c.value);
    case ScriptCommand::SetInputName:
        return c.text.isEmpty() ? QStringLiteral("Reset input name")
                                : QStringLiteral("Set current input name to \"%1\"").arg(c.text);
    case ScriptCommand::SetSecurity:
        return (c.value != 0 ? QStringLiteral("Enable Security with password \"%1\"")
                             : QStringLiteral("Disable Security with password \"%1\""))
            .arg(c.text);
    case ScriptCommand::SetInputNameByInput: {
        const QString input = definitions.valueLabel(OpCode::VideoInput, c.value);
        return c.text.isEmpty()
                   ? QStringLiteral("Reset name of input \"%1\"").arg(input)
                   : QStringLiteral("Set name of input \"%2\" to \"%1\"").arg(c.text, input);
    }
    default:
        return QString();
    }
}
} // namespace

QString describeScriptCommand(const ScriptCommand& command, const ScriptDefinitions& definitions) {
    const QString text = describedText(command, definitions);
    if (text.isEmpty())
        return text;
    return colourPrefix(command.status) + richTextEscaped(text) + QLatin1String("</font>");
}

QStringList describeScriptCommands(const ScriptCommandList& commands,
                                   const ScriptDefinitions& definitions) {
    QStringList lines;
    for (const ScriptCommand& command : commands) {
        const QString line = describeScriptCommand(command, definitions);
        if (!line.isEmpty())
            lines << line;
    }
    return lines;
}

QString richTextEscaped(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}

QString numberedScriptLine(int number, const QString& line) {
    return QStringLiteral("%1. %2").arg(decimal(number), line);
}

QString describeScriptCommandText(const ScriptCommand& command,
                                  const ScriptDefinitions& definitions) {
    return describedText(command, definitions);
}

bool hasScriptLine(int type) {
    // Told by the description itself: a blank record of each type, described once.
    struct NoDefinitions : ScriptDefinitions {
        int opcodeForShortName(QString) const override { return -1; }
        int valueForLabel(int, QString) const override { return -1; }
        QString opcodeName(int, bool) const override { return QString(); }
        QString valueLabel(int, int) const override { return QString(); }
    };
    static const std::array<bool, ScriptCommand::SetInputNameByInput + 1> described = [] {
        std::array<bool, ScriptCommand::SetInputNameByInput + 1> out{};
        const NoDefinitions none;
        for (int t = 0; t < int(out.size()); ++t) {
            ScriptCommand blank;
            blank.type = t;
            out[size_t(t)] = !describedText(blank, none).isEmpty();
        }
        return out;
    }();
    return type >= 0 && type < int(described.size()) && described[size_t(type)];
}
