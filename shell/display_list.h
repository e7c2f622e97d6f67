#pragma once

#include <QList>
#include <QString>

// One display of a display list: how to reach it and which monitor ID it answers to.
struct DisplayListRow {
    int type = 0; // 1 LAN, 2 RS-232, 3 dummy
    QString port; // IPv4 text, serial port name, or empty for the dummy interface
    QString id;   // monitor-ID text as the interface widget shows it ("7", "All", "Group A")
    bool operator==(const DisplayListRow& o) const {
        return type == o.type && port == o.port && id == o.id;
    }
};

// Codes of a list line that is refused, named by the check that failed.
namespace DisplayListLine {
enum : int {
    FieldCount = -1,    // not three fields separated by ","
    BadType = -2,       // TYPE is not 1, 2 or 3
    NoType = -3,        // field 1 does not start with "TYPE="
    NoPort = -4,        // field 2 does not start with "PORT="
    NoId = -5,          // field 3 does not start with "ID="
    NotSerialPort = -6, // RS-232 with a port that is neither "COMn" nor a name of this platform
    NotIPv4 = -7,       // LAN with a port that is no complete IPv4 address
    BadMonitorId = -8,  // not 1 to 100, ALL or Group A to Group J
};
}

// Reads one line of a display-list file, "TYPE=1,PORT=192.168.0.10,ID=1": 0 with *row filled, or
// the code of the first failed check. A line end (LF or CR LF) is ignored. The prefixes are
// recognised in any case but read only in upper case, as files from the program write them.
int parse_display_list_line(const QString& line, DisplayListRow* row);
// The line of a row, without its line end.
QString display_list_line(const DisplayListRow& row);

struct DisplayListFile {
    struct Refused {
        int line; // from 1
        int code;
    };
    int result = 0; // 0, or -1500 when the file cannot be opened
    QList<DisplayListRow> rows;
    QList<Refused> refused; // lines that hold text but no display; empty lines are not listed
};

// Reads a list file in the local 8-bit encoding.
DisplayListFile read_display_list(const QString& path);
// Writes the rows, one a line, in the local 8-bit encoding; 0 or -1505.
int write_display_list(const QString& path, const QList<DisplayListRow>& rows);
// The reason for a refused line's code, for the user.
QString display_list_refusal_text(int code);
