#include "serial_port_list.h"

int fillComPortList(QStringList& list) {
    list.clear();
    for (int i = 1; i <= 16; ++i)
        list << QStringLiteral("COM%1").arg(i);
    return list.size();
}

int listSerialPorts(QList<SerialPortInfo>& list) {
    list = availableSerialPorts();
    return list.size();
}
