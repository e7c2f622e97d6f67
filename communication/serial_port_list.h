#pragma once

#include "serial_port.h"

#include <QList>
#include <QStringList>

// Fills the list with "COM1" to "COM16"; returns the count.
int fillComPortList(QStringList& list);
// Fills the list with the system's serial ports in order; returns the count.
int listSerialPorts(QList<SerialPortInfo>& list);
