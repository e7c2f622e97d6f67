#include "serial_port.h"

#include <QElapsedTimer>
#include <QSerialPort>
#include <QSerialPortInfo>

SerialPort::SerialPort() : port(new QSerialPort) {}

SerialPort::~SerialPort() {
    close();
    delete port;
}

bool SerialPort::open(const QString& name) {
    close();
    port->setPortName(name);
    if (!port->open(QIODevice::ReadWrite))
        return false;
    if (!configure()) {
        port->close();
        return false;
    }
    return true;
}

// Modem lines are absent on some devices (a pseudo-terminal, some adapters): that is no failure.
static bool setLine(QSerialPort* port, bool (QSerialPort::*setter)(bool)) {
    if ((port->*setter)(true))
        return true;
    const bool unsupported = port->error() == QSerialPort::UnsupportedOperationError;
    port->clearError();
    return unsupported;
}

bool SerialPort::configure() {
    return port->setBaudRate(QSerialPort::Baud9600) && port->setDataBits(QSerialPort::Data8) &&
           port->setParity(QSerialPort::NoParity) && port->setStopBits(QSerialPort::OneStop) &&
           port->setFlowControl(QSerialPort::NoFlowControl) &&
           setLine(port, &QSerialPort::setDataTerminalReady) &&
           setLine(port, &QSerialPort::setRequestToSend);
}

void SerialPort::close() {
    if (port->isOpen())
        port->close();
}

void SerialPort::purge() {
    if (!port->isOpen())
        return;
    port->clear(QSerialPort::AllDirections);
    port->readAll();
}

void SerialPort::clearErrors() {
    port->clearError();
}

bool SerialPort::readByte(unsigned char* out, int timeoutMs) {
    if (!port->isOpen())
        return false;
    if (port->bytesAvailable() == 0 && !port->waitForReadyRead(timeoutMs))
        return false;
    char byte = 0;
    if (port->read(&byte, 1) != 1)
        return false;
    *out = static_cast<unsigned char>(byte);
    return true;
}

qint64 SerialPort::write(const QByteArray& bytes, int timeoutMs) {
    if (!port->isOpen())
        return 0;
    const qint64 queued = port->write(bytes);
    if (queued < 0)
        return 0;
    QElapsedTimer timer;
    timer.start();
    while (port->bytesToWrite() > 0) {
        const int left = timeoutMs - int(timer.elapsed());
        if (left <= 0 || !port->waitForBytesWritten(left))
            break;
    }
    return queued - port->bytesToWrite();
}

QList<SerialPortInfo> availableSerialPorts() {
    QList<SerialPortInfo> list;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        SerialPortInfo p;
        p.portName = info.portName();
        p.friendName = info.description();
        p.physName = info.systemLocation();
        p.enumName = info.manufacturer();
        p.vendorID = info.hasVendorIdentifier() ? info.vendorIdentifier() : 0;
        p.productID = info.hasProductIdentifier() ? info.productIdentifier() : 0;
        list << p;
    }
    return list;
}

bool isSerialDevicePath(const QString& name) {
#ifdef Q_OS_WIN
    Q_UNUSED(name)
    return false;
#else
    return name.startsWith(QLatin1String("/dev/"));
#endif
}

bool isPlatformSerialPortName(const QString& name) {
#ifdef Q_OS_WIN
    Q_UNUSED(name)
    return false;
#else
    return isSerialDevicePath(name) || name.startsWith(QLatin1String("tty"));
#endif
}
