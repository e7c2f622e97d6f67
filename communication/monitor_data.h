#pragma once

#include <QMetaType>
#include <QString>

// The kinds of link to a display, as stored in monitor_data and the settings.
namespace InterfaceType {
enum : int { Lan = 1, Rs232 = 2, Dummy = 3 };
}

// The address the program's stored settings start from.
constexpr char kDefaultLanAddress[] = "192.168.0.10";

// Which display to talk to and how; passed by value through signals, slots and operations.
struct monitor_data {
    int m_monitor_id = 0;                // destination byte: 41h + ID - 1, 2Ah all, 31h..3Ah groups
    QString m_monitor_id_string;         // "1".."100", "All", "Group A".."Group J"
    int communicationsInterfaceType = 0; // 1 LAN, 2 RS-232, 3 dummy; 0 only to close
    QString s_communicationsInterfacePortName; // IPv4 text, serial port name, or empty

    bool isDummy() const { return communicationsInterfaceType == InterfaceType::Dummy; }
};

Q_DECLARE_METATYPE(monitor_data)
