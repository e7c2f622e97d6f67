#include "script_expansion.h"

#include "ip_address.h"

#include <climits>

namespace {
// A block found in the list: the FOREACHPORT at `begin`, its ENDFOREACHPORT at `end` (-1 when
// there is none) and its range. Addresses count in 64 bits, so a range ending at
// 255.255.255.255 ends there.
struct Block {
    int begin = 0;
    int end = -1;
    quint64 first = 0;
    quint64 last = 0;
    quint64 addresses() const { return last >= first ? last - first + 1 : 0; }
    int bodySize() const { return end - begin - 1; }
    bool expands() const { return end > begin + 1; }
};

Block blockAt(const ScriptCommandList& commands, int i) {
    Block block;
    block.begin = i;
    for (int j = i + 1; j < commands.size(); ++j)
        if (commands[j].type == ScriptCommand::EndForEachPort) {
            block.end = j;
            break;
        }
    block.first = ipTextToUInt(commands[i].text);
    block.last = ipTextToUInt(commands[i].text2);
    return block;
}

// Walks the list as the expansion does: each record outside a block that expands goes to
// `plain`, each such block to `expanded`.
template <typename Plain, typename Expanded>
void walk(const ScriptCommandList& commands, Plain plain, Expanded expanded) {
    for (int i = 0; i < commands.size();) {
        if (commands[i].type != ScriptCommand::ForEachPort) {
            plain(commands[i]);
            ++i;
            continue;
        }
        const Block block = blockAt(commands, i);
        if (!block.expands()) {
            ++i; // no end, or no commands: the records after the FOREACHPORT stay as they are
            continue;
        }
        expanded(block);
        i = block.end + 1;
    }
}
} // namespace

ScriptCommandList expandScriptLoops(ScriptCommandList commands) {
    // Counted first, so that a wide range is allocated once and not regrown.
    quint64 size = 0;
    walk(
        commands, [&](const ScriptCommand&) { ++size; },
        [&](const Block& b) { size += b.addresses() * quint64(1 + b.bodySize()); });
    ScriptCommandList out;
    out.reserve(int(qMin<quint64>(size, quint64(INT_MAX))));
    walk(
        commands, [&](const ScriptCommand& c) { out.append(c); },
        [&](const Block& b) {
            ScriptCommand port;
            port.type = ScriptCommand::SetPort;
            port.port_kind = InterfaceType::Lan;
            for (quint64 address = b.first; address <= b.last; ++address) {
                port.text = ipUIntToText(uint(address));
                out.append(port);
                for (int k = b.begin + 1; k < b.end; ++k)
                    out.append(commands[k]);
            }
        });
    return out;
}
