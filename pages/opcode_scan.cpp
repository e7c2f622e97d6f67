#include "opcode_scan.h"

#include "controldefinitions.h"
#include "opcodes.h"

#include <QCoreApplication>
#include <QSet>

namespace {
int scannedCount() {
    int count = 0;
    for (const OpCode::Range& range : OpCode::ScannedPages)
        count += int(range.last - range.first + 1);
    return count;
}

QString hexOpcode(uint opcode) {
    return QStringLiteral("%1").arg(opcode, 4, 16, QLatin1Char('0'));
}

// " [label] ", or nothing for a value without a label.
QString labelField(const ControlDefinitions& definitions, uint opcode, uint value) {
    const QString label = definitions.valueLabel(int(opcode), int(value));
    return label.isEmpty() ? QString() : QStringLiteral(" [%1] ").arg(label.toHtmlEscaped());
}

QString changeLine(const ControlDefinitions& definitions, uint opcode, uint was, uint now) {
    const QString name = definitions.opcodeName(int(opcode), true);
    const QString wasLabel = labelField(definitions, opcode, was);
    const QString nowLabel = labelField(definitions, opcode, now);
    if (name.isEmpty())
        return QStringLiteral("Op Code %1 was value %2%4 and is now %3%5<br>")
            .arg(hexOpcode(opcode), QString::number(was), QString::number(now), wasLabel, nowLabel);
    return QStringLiteral("Op Code %1 (%4) was value %2%5 and is now %3%6<br>")
        .arg(hexOpcode(opcode), QString::number(was), QString::number(now), name.toHtmlEscaped(),
             wasLabel, nowLabel);
}
} // namespace

QString opcode_scan_report(const OpcodeScanPass& first, const OpcodeScanPass& second,
                           const ControlDefinitions& definitions) {
    QString lines;
    for (int i = 0; i < first.opcodes.size(); ++i) {
        const int j = second.opcodes.indexOf(first.opcodes[i]);
        if (j >= 0 && second.values[j] != first.values[i])
            lines += changeLine(definitions, first.opcodes[i], first.values[i], second.values[j]);
    }
    QString report = lines.isEmpty()
                         ? QStringLiteral("No changes to any Op Code values were found.")
                         : QStringLiteral("The following Op Codes have changed:<br>%1").arg(lines);
    // Op codes missing from either pass were not compared: say so, or "no changes" would claim
    // more than was seen.
    const QSet<uint> both =
        QSet<uint>(first.opcodes.begin(), first.opcodes.end())
            .intersect(QSet<uint>(second.opcodes.begin(), second.opcodes.end()));
    const int unread = scannedCount() - both.size();
    if (unread > 0)
        report += QCoreApplication::translate(
            "OpcodeScannerPage", "<br>%n Op Code(s) could not be read on one or both passes.",
            nullptr, unread);
    return report;
}
