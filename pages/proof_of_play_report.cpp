#include "proof_of_play_report.h"

#include "controldefinitions.h"
#include "opcodes.h"
#include "program_globals.h"

namespace {

struct EventKind {
    unsigned char kind;
    const char* text;
};
const EventKind kEventKinds[] = {
    {0x00, " (Normal event)"},
    {0x01, " (last known good power time)"},
    {0x02, " (Power On)"},
    {0x03, " (Power Off)"},
    {0x10, " (Media Player Stopped)"},
    {0x11, " (Media Player Started)"},
    {0x12, " (Media Player Paused)"},
    {0x13, " (Media Player Error)"},
    {0x20, " (Contents copied from USB)"},
    {0x21, " (Contents copied from network folder)"},
    {0x30, " (Contents copy success)"},
    {0x31, " (Contents copy error - no media)"},
    {0x32, " (Contents copy error - connect error)"},
    {0x33, " (Contents copy error - no space)"},
    {0x34, " (Contents copy error - R/W error)"},
    {0x40, " (Human sensor - triggered)"},
    {0x41, " (Human sensor - cleared)"},
};

QString eventKindText(unsigned char kind) {
    for (const EventKind& k : kEventKinds)
        if (k.kind == kind)
            return QLatin1String(k.text);
    return QStringLiteral(" (Unknown)");
}

// The record's fields are unsigned on the display: show them so.
QString number(int value) {
    return QString::number(uint(value));
}

QString twoDigits(int value) {
    return QStringLiteral("%1").arg(uint(value), 2, 10, QLatin1Char('0'));
}

// The text for a known value, or "" for any other.
QString named(int value, std::initializer_list<const char*> names) {
    int i = 0;
    for (const char* name : names)
        if (value == i++)
            return QLatin1String(name);
    return QString();
}
} // namespace

QString eventLogEntryText(proof_of_play_log entry) {
    return eventLogEntryText(entry, controlDefinitions());
}

QString eventLogEntryText(proof_of_play_log e, const ControlDefinitions& definitions) {
    QString text =
        QStringLiteral("Video Input: %1 [%2]\r\n")
            .arg(number(e.video_input), definitions.valueLabel(OpCode::VideoInput, e.video_input));
    if (e.video_signal_status != 0)
        text += e.video_signal_status == 1
                    ? QStringLiteral("video_signal_status: No signal\r\n")
                    : QStringLiteral("video_signal_status: Invalid signal\r\n");
    text += QStringLiteral("log number: %1\r\n").arg(number(e.log_number));
    text += QStringLiteral("video resolution: %1 x %2\r\n")
                .arg(number(e.h_resolution), number(e.v_resolution));
    text +=
        QStringLiteral("audio input: %1 [%2]\r\n")
            .arg(number(e.audio_input), definitions.valueLabel(OpCode::AudioInput, e.audio_input));
    text += QStringLiteral("audio input status: %1\r\n")
                .arg(e.audio_input_status == 0 ? QStringLiteral("Audio In")
                                               : QStringLiteral("No Audio In"));
    text += QStringLiteral("picture status: %1\r\n")
                .arg(e.picture_status == 0 ? QStringLiteral("Normal Picture")
                                           : QStringLiteral("No Picture"));
    text +=
        QStringLiteral("audio status: %1\r\n")
            .arg(e.audio_status == 0 ? QStringLiteral("Normal Audio") : QStringLiteral("No Audio"));
    text += QStringLiteral("year: %1 ").arg(number(e.year));
    text += QStringLiteral("month: %1 ").arg(number(e.month));
    text += QStringLiteral("day: %1, ").arg(number(e.day));
    text += QStringLiteral("Time: %1:%2:%3\r\n")
                .arg(twoDigits(e.hour), twoDigits(e.minute), twoDigits(e.second));
    text += QStringLiteral("extension: 0x%1").arg(uint(e.extension), 2, 16, QLatin1Char('0')) +
            eventKindText(e.extension);
    text += QStringLiteral("\r\nreserved_2: %1\r\n").arg(uint(e.reserved_2));
    text += QStringLiteral("reserved_3: %1\r\n").arg(uint(e.reserved_3));
    return text;
}

QString ProofOfPlayText::range(int from, const proof_of_play_log* entries, int count,
                               const ControlDefinitions& definitions) {
    QString text = QStringLiteral("Logs read: %1\r\n").arg(number(count));
    for (int i = 0; i < count; ++i)
        text += QStringLiteral("Log #%1\r\n").arg(number(from + i)) +
                eventLogEntryText(entries[i], definitions) + QStringLiteral("\r\n");
    return text;
}

QString ProofOfPlayText::status(int error, int total, int maximum, int current) {
    return QStringLiteral("Error status: %1 %2\r\n")
               .arg(number(error), named(error, {"(No error)", "(Memory Full)", "(Other error)"})) +
           QStringLiteral("Total number of logs: %1\r\n").arg(number(total)) +
           QStringLiteral("Maximum number of logs: %1\r\n").arg(number(maximum)) +
           QStringLiteral("Current Proof Of Play status: %1 %2\r\n")
               .arg(number(current), named(current, {"(Stopped)", "(Started)", "(Other)"}));
}
