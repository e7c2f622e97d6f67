// Feeds arbitrary bytes to the script parser, expands what it accepts, describes the result,
// and checks what the parser and the expansion promise.
#include "controldefinitions.h"
#include "ip_address.h"
#include "result_codes.h"
#include "script_description.h"
#include "script_expansion.h"
#include "script_parser.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

static void require(bool condition) {
    if (!condition)
        abort();
}

// A few op codes with names and labels, so that the name lookups have something to find.
static const ControlDefinitions& definitions() {
    static ControlDefinitions store;
    static bool loaded = false;
    if (!loaded) {
        QByteArray text =
            "0010,\"Picture|Brightness\",0\n"
            "0014,\"Picture|Color|Select Color Preset\",1,9,\"10000K\",11,\"User 1\"\n"
            "0060,\"Input\",1,1,\"VGA\",15,\"DisplayPort\",17,\"HDMI\"\n"
            "021A,\"Picture|Picture Mode\",1,1,\"sRGB\",3,\"Standard\"\n";
        QBuffer file(&text);
        file.open(QIODevice::ReadOnly);
        int line = 0;
        require(store.read(file, &line) == 0);
        loaded = true;
    }
    return store;
}

// The number of records the expansion makes of a list the parser accepted.
static quint64 expandedSize(const ScriptCommandList& commands) {
    quint64 size = 0;
    for (int i = 0; i < commands.size(); ++i) {
        if (commands[i].type != ScriptCommand::ForEachPort) {
            ++size;
            continue;
        }
        int end = i + 1;
        while (commands[end].type != ScriptCommand::EndForEachPort)
            ++end;
        if (end == i + 1)
            continue; // the end record stays, counted as it comes
        const quint64 addresses =
            quint64(ipTextToUInt(commands[i].text2)) - ipTextToUInt(commands[i].text) + 1;
        size += addresses * quint64(end - i);
        i = end;
    }
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const QByteArray text = QByteArray::fromRawData(reinterpret_cast<const char*>(data), int(size));
    int line = -1;
    ScriptCommandList commands;
    const int result = parseScriptText(text, &line, &commands, definitions());
    require(result == 0 || result == ScriptUnclosedBlock ||
            (result <= ResultCode::ScriptUnknownCommand &&
             result >= ResultCode::ScriptInvalidParameter));
    require(result == 0 ? line == 0 : line >= 1);
    bool inBlock = false;
    for (const ScriptCommand& c : commands) {
        require(c.status == ScriptCommand::NotRun);
        require(c.type >= ScriptCommand::SetPort && c.type <= ScriptCommand::SetInputNameByInput);
        require(!(inBlock &&
                  (c.type == ScriptCommand::SetPort || c.type == ScriptCommand::ForEachPort)));
        if (c.type == ScriptCommand::ForEachPort) {
            const quint64 first = ipTextToUInt(c.text);
            const quint64 last = ipTextToUInt(c.text2);
            require(first > 0 && last > first && last - first < ScriptLimits::MaxRangeAddresses);
            inBlock = true;
        }
        if (c.type == ScriptCommand::EndForEachPort)
            inBlock = false;
        if (c.type == ScriptCommand::Wait)
            require(c.value > 0);
    }
    if (result != 0)
        return 0;
    require(!inBlock);
    describeScriptCommands(commands, definitions());

    // Several wide blocks together may ask for more than a fuzzing run's memory.
    const quint64 expected = expandedSize(commands);
    if (expected > 4000000)
        return 0;
    const ScriptCommandList expanded = expandScriptLoops(commands);
    require(quint64(expanded.size()) == expected);
    for (const ScriptCommand& c : expanded) {
        require(c.type != ScriptCommand::ForEachPort);
        require(c.status == ScriptCommand::NotRun);
    }
    return 0;
}
