#pragma once

#include "display_records.h"

#include <QString>

class ControlDefinitions;

// The readable report of one proof-of-play log entry: its lines end with CR LF, the last one
// being the reserved_3 line. Inputs are named from the op-code definitions (video input 0060h,
// audio input 022Eh); a number without a label leaves its brackets empty.
QString eventLogEntryText(proof_of_play_log entry);
QString eventLogEntryText(proof_of_play_log entry, const ControlDefinitions& definitions);

// The page's texts around the entries.
namespace ProofOfPlayText {
// "Logs read: n", then per entry "Log #<from + i>", its report and an empty line.
QString range(int from, const proof_of_play_log* entries, int count,
              const ControlDefinitions& definitions);
// The four lines of a status read-out.
QString status(int error, int total, int maximum, int current);
} // namespace ProofOfPlayText
