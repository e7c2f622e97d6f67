#include "script_parser.h"

#include "display_records.h"
#include "ip_address.h"
#include "latin1_text.h"
#include "monitor_address.h"
#include "opcodes.h"
#include "result_codes.h"
#include "schedule_options.h"
#include "script_definitions.h"
#include "script_tokenizer.h"
#include "serial_port.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

#include <initializer_list>

namespace {
using Code = int;
// A row that leaves the line's preset code in place (FOREACHPORT without TO).
constexpr Code KeepPreset = 1;

struct Line {
    const QStringList& tokens;
    const ScriptDefinitions& definitions;
    bool inBlock;
    QString* sentence; // says more than the fault's code, where a row has more to say
    int count() const { return tokens.size(); }
    const QString& at(int i) const { return tokens[i]; }
};

struct Word {
    const char* word;
    int value;
};

bool isWord(const QString& token, const char* word) {
    return token.compare(QLatin1String(word), Qt::CaseInsensitive) == 0;
}

// The value of the word the token names, without regard to case.
bool lookUpWord(const QString& token, std::initializer_list<Word> words, int* value) {
    for (const Word& w : words)
        if (isWord(token, w.word)) {
            *value = w.value;
            return true;
        }
    return false;
}

// A whole token of digits of the base that fits in 32 bits: no sign, no prefix, no spaces.
bool readUnsigned(const QString& token, int base, unsigned int* value) {
    static const QRegularExpression decimal(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9]+")));
    static const QRegularExpression hexadecimal(
        QRegularExpression::anchoredPattern(QStringLiteral("[0-9A-Fa-f]+")));
    if (!(base == 16 ? hexadecimal : decimal).match(token).hasMatch())
        return false;
    bool ok = false;
    *value = token.toUInt(&ok, base);
    return ok;
}

bool readDecimal(const QString& token, unsigned int* value) {
    return readUnsigned(token, 10, value);
}

QString withoutQuotes(QString token) {
    return token.remove(QLatin1Char('"'));
}

QString translated(const char* text) {
    return QCoreApplication::translate("parseScriptFile", text);
}

// Text that goes to the display as Latin-1 bytes: a character outside Latin-1 refuses the line,
// with a sentence that names it, rather than arrive as "?".
bool fitsLatin1(const Line& line, const char* what, const QString& text) {
    const QString character = firstCharacterOutsideLatin1(text);
    if (character.isEmpty())
        return true;
    *line.sentence = outsideLatin1Sentence(translated(what), character);
    return false;
}

Code parseSetPort(const Line& line, ScriptCommand& c) {
    const QString& port = line.at(1);
    const bool serial = port.toUpper().startsWith(QLatin1String("COM")) || isSerialDevicePath(port);
    if (!serial && port.split(QLatin1Char('.')).size() != 4)
        return ResultCode::ScriptParameterCount;
    c.type = ScriptCommand::SetPort;
    c.text = port;
    c.port_kind = serial ? InterfaceType::Rs232 : InterfaceType::Lan;
    return 0;
}

Code parseForEachPort(const Line& line, ScriptCommand& c) {
    if (!isWord(line.at(2), "TO"))
        return KeepPreset;
    if (line.inBlock)
        return ResultCode::ScriptInvalidCommand;
    const quint64 first = ipTextToUInt(line.at(1));
    const quint64 last = ipTextToUInt(line.at(3));
    if (first == 0 || last == 0 || last <= first)
        return ResultCode::ScriptInvalidIpRange;
    if (last - first + 1 > ScriptLimits::MaxRangeAddresses) {
        *line.sentence = translated("A range holds at most 65,536 addresses.");
        return ResultCode::ScriptInvalidIpRange;
    }
    c.type = ScriptCommand::ForEachPort;
    c.port_kind = InterfaceType::Lan;
    c.text = line.at(1);
    c.text2 = line.at(3);
    return 0;
}

Code parseEndForEachPort(const Line& line, ScriptCommand& c) {
    if (!line.inBlock)
        return ResultCode::ScriptInvalidCommand;
    c.type = ScriptCommand::EndForEachPort;
    return 0;
}

Code parseSetAssetTag(const Line& line, ScriptCommand& c) {
    c.text = withoutQuotes(line.at(1));
    if (!fitsLatin1(line, "The asset tag", c.text))
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetAssetTag;
    return 0;
}

Code parseSetMonitorId(const Line& line, ScriptCommand& c) {
    c.text = withoutQuotes(line.at(1));
    // An ID the runner could not address would send the following commands to the last one.
    if (monitor_id_to_address(c.text) == 0)
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetMonitorId;
    return 0;
}

// A new input name of at most 14 Latin-1 characters, or the reset (empty) when there is no
// token.
bool readInputName(const Line& line, int index, QString* name) {
    *name = index < line.count() ? withoutQuotes(line.at(index)) : QString();
    return name->size() <= ScriptLimits::MaxInputNameLength &&
           fitsLatin1(line, "The input name", *name);
}

Code parseSetInputName(const Line& line, ScriptCommand& c) {
    if (!readInputName(line, 1, &c.text))
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetInputName;
    return 0;
}

Code parseSetInputNameByInput(const Line& line, ScriptCommand& c) {
    if (!readInputName(line, 2, &c.text))
        return ResultCode::ScriptInvalidParameter;
    c.value = line.definitions.valueForLabel(OpCode::VideoInput, withoutQuotes(line.at(1)));
    if (c.value < 0)
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetInputNameByInput;
    return 0;
}

Code parseSetTvChannel(const Line& line, ScriptCommand& c) {
    const QStringList parts = line.at(1).split(QLatin1Char('-'));
    unsigned int major = 0;
    unsigned int minor = 0;
    if (parts.size() != 2 || !readDecimal(parts[0], &major) || !readDecimal(parts[1], &minor))
        return ResultCode::ScriptParameterCount;
    // A wider number would reach the display cut to its field, as another channel.
    if (major > TvChannelLimits::MaxMajor || minor > TvChannelLimits::MaxMinor)
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetTvChannel;
    c.tv_major = int(major);
    c.tv_minor = int(minor);
    return 0;
}

// "h:m" with hour 0-23 and minute 0-59, or "Clear" for no time.
bool readTime(const QString& token, unsigned int* hour, unsigned char* minute) {
    if (isWord(token, "Clear")) {
        *hour = NoHour;
        *minute = NoMinute;
        return true;
    }
    const int colon = token.indexOf(QLatin1Char(':'));
    unsigned int h = 0;
    unsigned int m = 0;
    if (colon < 0 || !readDecimal(token.left(colon), &h) ||
        !readDecimal(token.mid(colon + 1), &m) || h > 23 || m > 59)
        return false;
    *hour = h;
    *minute = static_cast<unsigned char>(m);
    return true;
}

// A decimal number's low 8 bits, or the code of a name of the table.
bool readCode(const QString& token, std::initializer_list<Word> names, unsigned char* code) {
    unsigned int number = 0;
    int named = 0;
    if (readDecimal(token, &number))
        *code = static_cast<unsigned char>(number);
    else if (lookUpWord(token, names, &named))
        *code = static_cast<unsigned char>(named);
    else
        return false;
    return true;
}

const std::initializer_list<Word> inputNames = {{"LASTINPUT", 0},     {"VGA", 1},
                                                {"RGB/HV", 2},        {"DVI", 3},
                                                {"VIDEO1", 5},        {"VIDEO2", 6},
                                                {"S-VIDEO", 7},       {"TV", 10},
                                                {"DVD/HD1", 12},      {"OPTION", 13},
                                                {"DVD/HD2", 14},      {"DISPLAYPORT", 15},
                                                {"DISPLAYPORT2", 16}, {"DISPLAYPORT3", 128},
                                                {"HDMI", 17},         {"HDMI2", 18},
                                                {"HDMI3", 130},       {"HDMI4", 131}};

const std::initializer_list<Word> pictureModeNames = {
    {"LASTSETTING", 0}, {"SRGB", 1},      {"HIBRIGHT", 3},   {"STANDARD", 4},   {"CINEMA", 5},
    {"ISF-DAY", 6},     {"ISF-NIGHT", 7}, {"AMBIENT-1", 11}, {"AMBIENT-2", 12}, {"LME-1", 13},
    {"LME-2", 14},      {"LME-3", 15},    {"LME-4", 16},     {"LME-5", 17}};

// The options from token 2 on; false at the first fault.
bool readScheduleOptions(const Line& line, ScriptCommand& c) {
    schedule_entry& s = c.schedule;
    for (int i = 2; i < line.count(); ++i) {
        const QString& option = line.at(i);
        if (isWord(option, "ENABLE") || isWord(option, "DISABLE")) {
            if (c.enable_given)
                return false;
            c.enable_given = true;
            if (isWord(option, "ENABLE"))
                s.flags |= ScheduleFlag::Enabled;
            continue;
        }
        // Every other option takes the next token as its value.
        if (i + 1 >= line.count())
            return false;
        const QString& value = line.at(++i);
        bool known = false;
        for (const ScheduleBitOption& bitOption : scheduleBitOptions()) {
            if (!isWord(option, bitOption.name))
                continue;
            int set = 0;
            if (c.*bitOption.given || !lookUpWord(value, {{"SET", 1}, {"CLEAR", 0}}, &set))
                return false;
            c.*bitOption.given = true;
            if (set)
                s.*bitOption.field |= bitOption.bit;
            known = true;
        }
        if (known)
            continue;
        if (isWord(option, "ONTIME")) {
            if (!readTime(value, &s.on_hour, &s.on_minute))
                return false;
            c.on_time_given = true;
        } else if (isWord(option, "OFFTIME")) {
            if (!readTime(value, &s.off_hour, &s.off_minute))
                return false;
            c.off_time_given = true;
        } else if (isWord(option, "INPUT")) {
            if (!readCode(value, inputNames, &s.input))
                return false;
            c.input_given = true;
        } else if (isWord(option, "PICTUREMODE")) {
            if (!readCode(value, pictureModeNames, &s.picture_mode))
                return false;
            c.picture_mode_given = true;
        } else {
            return false;
        }
    }
    return true;
}

Code parseSchedule(const Line& line, ScriptCommand& c) {
    unsigned int number = 0;
    if (!readDecimal(line.at(1), &number) || number < 1 || number > 7)
        return ResultCode::ScriptInvalidParameter;
    c.schedule_number = int(number);
    if (!readScheduleOptions(line, c))
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::Schedule;
    return 0;
}

Code parseSetDateTime(const Line&, ScriptCommand& c) {
    c.type = ScriptCommand::SetDateTime;
    return 0;
}

Code parseSaveSettings(const Line&, ScriptCommand& c) {
    c.type = ScriptCommand::SaveSettings;
    return 0;
}

// A keyword with one word argument that names a value.
Code parseWordCommand(const Line& line, ScriptCommand& c, int type,
                      std::initializer_list<Word> words) {
    if (!lookUpWord(line.at(1), words, &c.value))
        return ResultCode::ScriptInvalidParameter;
    c.type = type;
    return 0;
}

Code parseSetPower(const Line& line, ScriptCommand& c) {
    return parseWordCommand(line, c, ScriptCommand::SetPower,
                            {{"ON", 1}, {"OFF", 4}, {"STANDBY", 4}});
}

Code parseSetOperatingMode(const Line& line, ScriptCommand& c) {
    return parseWordCommand(line, c, ScriptCommand::SetOperatingMode,
                            {{"NORMAL", 0}, {"EXPERT", 2}, {"FACTORY", 3}});
}

Code parseSetSecurity(const Line& line, ScriptCommand& c) {
    static const QRegularExpression password(
        QRegularExpression::anchoredPattern(QStringLiteral("\"[0-9]{4}\"")));
    if (!lookUpWord(line.at(1), {{"ENABLE", 1}, {"DISABLE", 0}}, &c.value) ||
        !password.match(line.at(2)).hasMatch())
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::SetSecurity;
    c.text = withoutQuotes(line.at(2));
    return 0;
}

bool isQuoted(const QString& token) {
    return token.startsWith(QLatin1Char('"'));
}

Code parseSetOpcode(const Line& line, ScriptCommand& c) {
    if (!isWord(line.at(2), "TO"))
        return ResultCode::ScriptInvalidParameter;
    const QString& code = line.at(1);
    unsigned int opcode = 0;
    if (isQuoted(code)) {
        const int found = line.definitions.opcodeForShortName(withoutQuotes(code));
        if (found < 0)
            return ResultCode::ScriptInvalidParameter;
        opcode = unsigned(found);
    } else if (!readUnsigned(code, 16, &opcode)) {
        return ResultCode::ScriptInvalidParameter;
    }
    if (opcode > ScriptLimits::MaxOpcode)
        return ResultCode::ScriptInvalidParameter;
    const QString& token = line.at(3);
    unsigned int value = 0;
    int type = ScriptCommand::SetOpcodeValue;
    if (token.endsWith(QLatin1Char('%'))) {
        type = ScriptCommand::SetOpcodePercent;
        if (!readDecimal(QString(token).remove(QLatin1Char('%')), &value) || value > 100)
            return ResultCode::ScriptInvalidParameter;
    } else if (isQuoted(token)) {
        const int found = line.definitions.valueForLabel(int(opcode), withoutQuotes(token));
        if (found < 0)
            return ResultCode::ScriptInvalidParameter;
        value = unsigned(found);
    } else if (!readDecimal(token, &value)) {
        return ResultCode::ScriptInvalidParameter;
    }
    if (value > ScriptLimits::MaxOpcodeValue)
        return ResultCode::ScriptInvalidParameter;
    c.type = type;
    c.opcode = int(opcode);
    c.value = int(value);
    return 0;
}

Code parseWait(const Line& line, ScriptCommand& c) {
    unsigned int ms = 0;
    if (!readDecimal(line.at(1), &ms) || ms == 0 || ms > ScriptLimits::MaxWaitMs)
        return ResultCode::ScriptInvalidParameter;
    c.type = ScriptCommand::Wait;
    c.value = int(ms);
    return 0;
}

Code parseSendIr(const Line& line, ScriptCommand& c) {
    for (int i = 1; i < line.count(); ++i) {
        unsigned int code = 0;
        if (!readUnsigned(line.at(i), 16, &code))
            return ResultCode::ScriptInvalidParameter;
        c.ir_codes << static_cast<unsigned char>(code);
    }
    c.type = ScriptCommand::SendIr;
    return 0;
}

constexpr int Any = 0x7FFFFFFF;

// A keyword, the number of tokens its line may have (the keyword included) and the reading of
// its arguments, which runs once the count is right.
struct Keyword {
    const char* name;
    int least;
    int most;
    Code (*parse)(const Line&, ScriptCommand&);
};

// In the order the keywords are tried; SETPORT is not one inside a block.
const Keyword keywords[] = {
    {"SETPORT", 2, Any, parseSetPort},
    {"FOREACHPORT", 4, 4, parseForEachPort},
    {"ENDFOREACHPORT", 1, 1, parseEndForEachPort},
    {"SETASSETTAG", 2, 2, parseSetAssetTag},
    {"SETMONITORID", 2, 2, parseSetMonitorId},
    {"SETINPUTNAME", 1, 2, parseSetInputName},
    {"SETINPUTNAMEBYINPUT", 2, 3, parseSetInputNameByInput},
    {"SETTVCHANNEL", 2, 2, parseSetTvChannel},
    {"SCHEDULE", 3, Any, parseSchedule},
    {"SETDATETIME", 1, Any, parseSetDateTime},
    {"SAVESETTINGS", 1, Any, parseSaveSettings},
    {"SETPOWER", 2, 2, parseSetPower},
    {"SETSECURITY", 3, 3, parseSetSecurity},
    {"SETOPERATINGMODE", 2, 2, parseSetOperatingMode},
    {"SETOPCODE", 4, 4, parseSetOpcode},
    {"WAIT", 2, 2, parseWait},
    {"SENDIR", 2, Any, parseSendIr},
};

// One command line: 0 with the command appended, or the line's fault.
Code parseLine(const QString& text, bool inBlock, const ScriptDefinitions& definitions,
               ScriptCommandList* commands, QString* sentence) {
    const Code preset =
        inBlock ? ResultCode::ScriptInvalidCommand : ResultCode::ScriptUnknownCommand;
    const QStringList tokens = tokenizeScriptLine(text);
    if (tokens.isEmpty())
        return ResultCode::ScriptUnknownCommand;
    const Line line{tokens, definitions, inBlock, sentence};
    for (const Keyword& keyword : keywords) {
        if (!isWord(tokens[0], keyword.name) || (inBlock && keyword.parse == parseSetPort))
            continue;
        if (line.count() < keyword.least || line.count() > keyword.most)
            return ResultCode::ScriptParameterCount;
        ScriptCommand command;
        const Code code = keyword.parse(line, command);
        if (code == KeepPreset)
            return preset;
        if (code == 0)
            commands->append(command);
        return code;
    }
    return preset;
}
} // namespace

int parseScriptText(const QByteArray& text, int* lineNumber, ScriptCommandList* commands,
                    const ScriptDefinitions& definitions, QString* sentence) {
    QString unused;
    if (!sentence)
        sentence = &unused;
    sentence->clear();
    commands->clear();
    *lineNumber = 0;
    int counted = 0;
    bool inBlock = false;
    for (int from = 0; from < text.size();) {
        int end = text.indexOf('\n', from);
        if (end < 0)
            end = text.size();
        int length = end - from;
        if (length > 0 && text[end - 1] == '\r')
            --length;
        const int start = from;
        from = end + 1;
        if (length == 0)
            continue;
        *lineNumber = ++counted;
        if (text[start] == '#')
            continue;
        const Code code = parseLine(QString::fromLocal8Bit(text.constData() + start, length),
                                    inBlock, definitions, commands, sentence);
        if (code != 0)
            return code;
        const int type = commands->constLast().type;
        if (type == ScriptCommand::ForEachPort)
            inBlock = true;
        else if (type == ScriptCommand::EndForEachPort)
            inBlock = false;
    }
    if (inBlock)
        return ScriptUnclosedBlock;
    *lineNumber = 0;
    return 0;
}

int parseScriptFile(const QString& fileName, int* lineNumber, ScriptCommandList* commands,
                    const ScriptDefinitions& definitions, QString* sentence) {
    QFile file(fileName);
    const bool folder = QFileInfo(fileName).isDir();
    if (folder || !file.open(QIODevice::ReadOnly)) {
        commands->clear();
        *lineNumber = 0;
        if (sentence)
            *sentence =
                folder ? translated("%1 is a folder, not a script file.").arg(fileName) : QString();
        return ResultCode::FileOpenFailed;
    }
    return parseScriptText(file.readAll(), lineNumber, commands, definitions, sentence);
}
