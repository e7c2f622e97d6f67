#include "tlancomm.h"

#include "byte_buffer.h"
#include "ip_address.h"
#include "result_codes.h"

#include <QElapsedTimer>

TLANComm::~TLANComm() {
    if (socket.state() == QAbstractSocket::ConnectedState)
        socket.close();
    name.clear();
}

int TLANComm::Open(QString address) {
    if (connected)
        Close();
    return Connect(address);
}

int TLANComm::Close() {
    if (socket.state() == QAbstractSocket::ConnectedState)
        socket.close();
    connected = false;
    name.clear();
    return 0;
}

static int mapSocketError(QAbstractSocket::SocketError error) {
    switch (error) {
    case QAbstractSocket::ConnectionRefusedError:
        return ResultCode::ConnectionRefused;
    case QAbstractSocket::HostNotFoundError:
        return ResultCode::HostNotFound;
    case QAbstractSocket::SocketAccessError:
        return ResultCode::SocketAccess;
    case QAbstractSocket::SocketTimeoutError:
        return ResultCode::SocketTimeout;
    case QAbstractSocket::NetworkError:
        return ResultCode::NetworkError;
    default:
        return ResultCode::SocketOther;
    }
}

int TLANComm::Connect(QString address) {
    name.clear();
    connected = false;
    if (socket.state() != QAbstractSocket::UnconnectedState)
        socket.abort();
    if (namesNoHost(address))
        return ResultCode::HostNotFound;
    // Leading zeros are decimal here, never octal: "010" is display 10.
    const QString host = normalizedIPv4(address);
    // Unbuffered: reads and writes go straight to the system, without Qt's own buffers and the
    // events that keep them filled.
    socket.connectToHost(host, Port, QIODevice::ReadWrite | QIODevice::Unbuffered,
                         QAbstractSocket::AnyIPProtocol);
    if (socket.waitForConnected(ConnectTimeoutMs)) {
        name = address;
        connected = true;
        return 0;
    }
    const int result = mapSocketError(socket.error());
    socket.abort();
    return result;
}

int TLANComm::ReadByte(unsigned char* out, int timeoutMs) {
    if (!connected)
        return ResultCode::PortNotOpen;
    // Whatever has arrived is taken in one call; each byte still has the whole time-out.
    while (received_at == received_size) {
        if (!socket.waitForReadyRead(timeoutMs) || !fillReceived())
            return ResultCode::NoReply;
    }
    *out = static_cast<unsigned char>(received[received_at++]);
    return 0;
}

bool TLANComm::fillReceived() {
    const qint64 n = socket.read(received, sizeof received);
    received_size = n > 0 ? int(n) : 0;
    received_at = 0;
    return n > 0;
}

void TLANComm::discardPendingInput() {
    // Late bytes of an earlier exchange must never be taken for the next reply.
    while (fillReceived()) {
    }
}

int TLANComm::Write(QList<unsigned char> bytes, int timeoutMs) {
    if (bytes.isEmpty())
        return 0;
    if (!connected)
        return ResultCode::PortNotOpen;
    discardPendingInput();
    const QByteArray data = toByteArray(bytes);
    if (socket.write(data) != data.size())
        return ResultCode::SendFailed;
    QElapsedTimer timer;
    timer.start();
    while (socket.bytesToWrite() > 0) {
        const int left = timeoutMs - int(timer.elapsed());
        if (left <= 0 || !socket.waitForBytesWritten(left))
            return ResultCode::SendFailed;
    }
    return 0;
}
