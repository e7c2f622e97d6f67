#include "qvcommprotocol_retry.h"

QVCommProtocol_retry::QVCommProtocol_retry(QObject* parent) : QVCommProtocol(parent) {}

int QVCommProtocol_retry::open_interface(QString address, int interface_type) {
    remembered_address = address;
    remembered_type = interface_type;
    return QVCommProtocol::open_interface(address, interface_type);
}

void QVCommProtocol_retry::set_retry_count(int count) {
    QVCommProtocol::retry_count = count;
}

int QVCommProtocol_retry::retry_count() {
    return QVCommProtocol::retry_count;
}

int QVCommProtocol_retry::interface_type() {
    return remembered_type;
}
