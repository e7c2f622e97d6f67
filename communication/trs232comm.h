#pragma once

#include "serial_port.h"
#include "tbasiccomm.h"

// A display on a serial port at 9600 baud, 8 data bits, no parity, one stop bit.
class TRS232Comm : public TBasicComm {
public:
    // Writes wait 10 ms a byte plus this constant, as the port's write time-outs.
    static constexpr int WriteTimeoutConstantMs = 1000;
    static constexpr int WriteTimeoutPerByteMs = 10;

    ~TRS232Comm() override;
    int Open(QString address) override { return OpenPort(address); }
    int IsOpen() override { return open; }
    int ReadByte(unsigned char* out, int timeoutMs) override;
    int Write(QList<unsigned char> bytes, int timeoutMs) override;
    virtual int Close();
    virtual int Purge();
    virtual int ClearErrors();
    virtual int Configure();
    virtual int OpenPort(QString portName);

private:
    bool open = false;
    QString port_name;
    SerialPort port;
};
