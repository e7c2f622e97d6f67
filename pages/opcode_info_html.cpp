#include "opcode_info_html.h"

#include "capability_filter.h"
#include "controldefinitions.h"

namespace {
QString quoted(const QString& text) {
    return QLatin1Char('"') + text.toHtmlEscaped() + QLatin1Char('"');
}

// The quoted labels of the values that the filter lets through, separated by ", ".
QString valueNames(const ControlDefinition& def, const std::optional<DisplayCapabilities>& filter) {
    QString names;
    for (const ControlValueItem& item : def.items) {
        if (!CapabilityFilter::lists(filter, uint(def.opcode), uint(item.value)))
            continue;
        names += quoted(item.label);
        if (item.value != def.items.last().value)
            names += QLatin1String(", ");
    }
    if (names.endsWith(QLatin1String(", ")))
        names.chop(2);
    return names;
}
} // namespace

QString opcode_info_html(const QList<ControlDefinition>& definitions,
                         const std::optional<DisplayCapabilities>& filter) {
    QString html = QStringLiteral("<h3>OpCodes Names and Values");
    if (filter)
        html += QLatin1String(" (filtered by current monitor support)");
    html += QLatin1String(
        "</h3>The following table shows the names of the Op Codes that the software understands "
        "and that can be used in scripting with the \"SETOPCODE\" command. Note that not all "
        "models support all Op Codes. See the User's Guide and sample scripts for more "
        "information.<br>");
    html += QStringLiteral("<table border=\"1\" cellspacing=\"0\" cellpadding=\"3\">  "
                           "<tr><th>%1</th><th>%2</th><th>%3</th></tr>")
                .arg(QStringLiteral("OpCode Name"), QStringLiteral("OpCode HEX value"),
                     QStringLiteral("Discrete Value Names"));
    const QString row = QStringLiteral(
        "<tr><td align=\"center\">%1</td><td align=\"center\">%2</td><td>%3</td></tr>");
    for (const ControlDefinition& def : definitions) {
        if (!CapabilityFilter::lists(filter, uint(def.opcode)))
            continue;
        const QString name = def.name.section(QLatin1Char('|'), -1);
        if (name.contains(QLatin1String("read only"), Qt::CaseInsensitive))
            continue;
        html += row.arg(quoted(name),
                        QStringLiteral("%1").arg(def.opcode, 4, 16, QLatin1Char('0')).toUpper(),
                        valueNames(def, filter));
    }
    return html + QLatin1String("</table>");
}
