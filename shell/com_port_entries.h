#pragma once

#include "serial_port.h"

#include <QList>
#include <QString>
#include <QStringList>

// One entry of the COM port list: a port name and whether such a port is present now.
struct ComPortEntry {
    QString name;
    bool present = false;
    bool operator==(const ComPortEntry& o) const { return name == o.name && present == o.present; }
};

// With fixed names (COM1..COM16 on Windows) the entries are those names, each marked present when
// a port of exactly that name is. Without fixed names (elsewhere) they are the present ports'
// names, followed by `keep` (the current choice, perhaps typed by hand) when it is not among them.
QList<ComPortEntry> comPortEntries(const QStringList& fixedNames,
                                   const QList<SerialPortInfo>& present, const QString& keep);
