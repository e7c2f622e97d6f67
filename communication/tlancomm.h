#pragma once

#include "tbasiccomm.h"

#include <QTcpSocket>

// TCP to port 7142 of a display, with blocking connect, write and per-byte reads.
class TLANComm : public TBasicComm {
public:
    static constexpr quint16 Port = 7142;
    static constexpr int ConnectTimeoutMs = 2000;

    ~TLANComm() override;
    int Open(QString address) override;
    int IsOpen() override { return connected; }
    int ReadByte(unsigned char* out, int timeoutMs) override;
    int Write(QList<unsigned char> bytes, int timeoutMs) override;
    virtual int Close();
    virtual int Connect(QString address);
    virtual int Unused() { return 0; }

private:
    void discardPendingInput();
    // Reads what the system holds for the socket, without waiting; false when it holds nothing.
    bool fillReceived();

    QTcpSocket socket;
    bool connected = false;
    // Bytes read from the system; those from received_at to received_size are not handed out.
    char received[512];
    int received_size = 0;
    int received_at = 0;
};
