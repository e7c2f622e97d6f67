#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

class QSerialPort;

// A serial port as the RS-232 transport needs it: opened by name, 9600 8N1 raw,
// DTR and RTS on, no flow control; one-byte reads with a time-out, bounded writes.
// Names are the platform's own: COMn on Windows, a device name (ttyS0) or a full path elsewhere.
class SerialPort {
public:
    SerialPort();
    ~SerialPort();
    SerialPort(const SerialPort&) = delete;
    SerialPort& operator=(const SerialPort&) = delete;

    // Opens and configures the port; false when either step fails (the port is then closed).
    bool open(const QString& name);
    void close();
    // Discards unsent output and unread input.
    void purge();
    // Clears the port's error state.
    void clearErrors();
    // Reads one byte, waiting at most timeoutMs for it.
    bool readByte(unsigned char* out, int timeoutMs);
    // Writes the bytes; returns how many were written within timeoutMs.
    qint64 write(const QByteArray& bytes, int timeoutMs);

private:
    bool configure();
    QSerialPort* port;
};

// The system's serial ports, as the interface widget lists them.
struct SerialPortInfo {
    QString portName;
    QString friendName;
    QString physName;
    QString enumName;
    int vendorID = 0;
    int productID = 0;
    bool operator==(const SerialPortInfo& o) const {
        return portName == o.portName && friendName == o.friendName && physName == o.physName &&
               enumName == o.enumName && vendorID == o.vendorID && productID == o.productID;
    }
};

QList<SerialPortInfo> availableSerialPorts();

// True when a name written by the user is a serial device path of this platform ("/dev/ttyS0");
// Windows has none, its ports are named "COMn".
bool isSerialDevicePath(const QString& name);
// True when a name is a serial port named this platform's own way, beside "COMn": a device name
// as the port list shows it ("ttyUSB0") or a device path ("/dev/ttyUSB0"); Windows has none.
bool isPlatformSerialPortName(const QString& name);
