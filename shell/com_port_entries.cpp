#include "com_port_entries.h"

QList<ComPortEntry> comPortEntries(const QStringList& fixedNames,
                                   const QList<SerialPortInfo>& present, const QString& keep) {
    QStringList presentNames;
    for (const SerialPortInfo& p : present)
        presentNames << p.portName;
    QList<ComPortEntry> entries;
    if (!fixedNames.isEmpty()) {
        for (const QString& name : fixedNames)
            entries.append({name, presentNames.contains(name)});
        return entries;
    }
    for (const QString& name : presentNames)
        if (!name.isEmpty() && !entries.contains({name, true}))
            entries.append({name, true});
    if (!keep.isEmpty() && !presentNames.contains(keep))
        entries.append({keep, false});
    return entries;
}
