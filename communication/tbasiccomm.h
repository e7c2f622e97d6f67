#pragma once

#include <QList>
#include <QString>

// A transport moves bytes between the program and one display; it knows nothing of the protocol.
// Every operation blocks until it finishes or times out and returns 0 or a negative result code.
class TBasicComm {
public:
    virtual ~TBasicComm() { name.clear(); }
    virtual int Open(QString address) {
        Q_UNUSED(address);
        return -1;
    }
    virtual QString Name() { return name; }
    virtual int IsOpen() { return 0; }
    virtual int ReadByte(unsigned char* out, int timeoutMs) {
        Q_UNUSED(out);
        Q_UNUSED(timeoutMs);
        return -1;
    }
    virtual int Write(QList<unsigned char> bytes, int timeoutMs) {
        Q_UNUSED(bytes);
        Q_UNUSED(timeoutMs);
        return -1;
    }

protected:
    QString name;
};
