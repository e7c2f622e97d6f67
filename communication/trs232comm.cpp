#include "trs232comm.h"

#include "byte_buffer.h"
#include "result_codes.h"

TRS232Comm::~TRS232Comm() {
    if (open) {
        Purge();
        port.close();
        port_name.clear();
    }
}

int TRS232Comm::OpenPort(QString portName) {
    if (open)
        Close();
    port_name = portName;
    // Opening includes the configuration: a port that cannot be set up does not count as open.
    if (Configure() != 0)
        return ResultCode::SerialOpenFailed;
    Purge();
    open = true;
    return 0;
}

int TRS232Comm::Configure() {
    return port.open(port_name) ? 0 : -1;
}

int TRS232Comm::Purge() {
    port.purge();
    return 0;
}

int TRS232Comm::ClearErrors() {
    port.clearErrors();
    return 0;
}

int TRS232Comm::Close() {
    Purge();
    port.close();
    open = false;
    port_name.clear();
    return 0;
}

int TRS232Comm::ReadByte(unsigned char* out, int timeoutMs) {
    if (!open)
        return ResultCode::PortNotOpen;
    return port.readByte(out, timeoutMs) ? 0 : ResultCode::NoReply;
}

int TRS232Comm::Write(QList<unsigned char> bytes, int timeoutMs) {
    Q_UNUSED(timeoutMs); // the port's own write time-outs apply
    if (bytes.isEmpty())
        return 0;
    if (!open)
        return ResultCode::PortNotOpen;
    Purge();
    const QByteArray data = toByteArray(bytes);
    const int limit = WriteTimeoutConstantMs + WriteTimeoutPerByteMs * data.size();
    if (port.write(data, limit) < data.size()) {
        ClearErrors();
        return ResultCode::SendFailed;
    }
    return 0;
}
