#include "monitor_address.h"

int monitor_id_to_address(QString monitor_id) {
    if (monitor_id.compare(QLatin1String("ALL"), Qt::CaseInsensitive) == 0)
        return kAllDisplaysAddress;
    for (int g = 0; g < 10; ++g) {
        const QString group = QStringLiteral("Group %1").arg(QChar(QLatin1Char(char('A' + g))));
        if (monitor_id.compare(group, Qt::CaseInsensitive) == 0)
            return 0x31 + g;
    }
    for (QChar c : monitor_id)
        if (!c.isDigit())
            return 0;
    bool ok = false;
    const uint id = monitor_id.toUInt(&ok, 10);
    // Beyond 100 the byte would name no display, or a group or "all" by accident.
    if (!ok || id < 1 || id > 100)
        return 0;
    return int(id) + 0x40;
}

bool names_a_destination(const monitor_data& choice) {
    const int address = monitor_id_to_address(choice.m_monitor_id_string);
    return address != 0 && address == choice.m_monitor_id;
}
