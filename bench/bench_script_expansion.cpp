// Parsing and expanding the widest FOREACHPORT range a script may give: 65,536 addresses with
// three commands each. Prints the time and the peak memory, next to a plain reference: the same
// number of records copied into a list, without parsing or address texts.
#include "controldefinitions.h"
#include "proc_status.h"
#include "script_expansion.h"
#include "script_parser.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <cstdio>

namespace {
const QByteArray kScript = "FOREACHPORT 10.0.0.0 TO 10.0.255.255\n"
                           "SETOPCODE 10 TO 50%\n"
                           "SETPOWER ON\n"
                           "WAIT 100\n"
                           "ENDFOREACHPORT\n";
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const ControlDefinitions definitions; // the script names no op code
    const double before = processMegabytes("VmHWM:");

    QElapsedTimer timer;
    timer.start();
    int line = 0;
    ScriptCommandList parsed;
    const int result = parseScriptText(kScript, &line, &parsed, definitions);
    const ScriptCommandList expanded = expandScriptLoops(parsed);
    const double ms = timer.nsecsElapsed() / 1e6;
    const double peak = processMegabytes("VmHWM:");
    if (result != 0 || expanded.size() != 65536 * 4) {
        std::printf("unexpected result %d, %d records\n", result, int(expanded.size()));
        return 1;
    }

    timer.restart();
    ScriptCommandList reference;
    reference.reserve(expanded.size());
    for (int i = 0; i < expanded.size(); ++i)
        reference.append(parsed[1 + i % 3]);
    const double referenceMs = timer.nsecsElapsed() / 1e6;

    std::printf("parse and expand 65,536 addresses x 3 commands: %d records in %.1f ms "
                "(goal < 1000 ms)\n",
                int(expanded.size()), ms);
    std::printf("peak memory: %.1f MB, of which %.1f MB for the script (goal < 100 MB)\n", peak,
                peak - before);
    std::printf("reference, the same number of records copied: %.1f ms; ratio %.1f\n", referenceMs,
                ms / referenceMs);
    return 0;
}
