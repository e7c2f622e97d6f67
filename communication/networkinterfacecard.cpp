#include "networkinterfacecard.h"

#include <QNetworkInterface>

NetworkInterfaceCard::NetworkInterfaceCard(QObject* parent) : QObject(parent) {
    enumerate();
}

QList<NetworkAdapter> NetworkInterfaceCard::usable(const QList<NetworkAdapter>& entries) {
    const quint32 localHost = QHostAddress(QHostAddress::LocalHost).toIPv4Address();
    QList<NetworkAdapter> kept;
    for (const NetworkAdapter& entry : entries) {
        const quint32 ip = entry.ip.toIPv4Address();
        if (ip != 0 && ip != localHost && entry.netmask.toIPv4Address() != 0 &&
            !entry.name.isEmpty())
            kept.append(entry);
    }
    return kept;
}

void NetworkInterfaceCard::setSource(Source s) {
    source = std::move(s);
}

QList<NetworkAdapter> NetworkInterfaceCard::systemEntries() {
    QList<NetworkAdapter> entries;
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface& iface : interfaces) {
        if (!iface.isValid())
            continue;
        const auto addresses = iface.addressEntries();
        for (const QNetworkAddressEntry& entry : addresses)
            entries.append(
                {iface.humanReadableName(), entry.ip(), entry.netmask(), entry.broadcast()});
    }
    return entries;
}

void NetworkInterfaceCard::enumerate() {
    adapters = usable(source());
}

const NetworkAdapter* NetworkInterfaceCard::at(int i) const {
    return i >= 0 && i < adapters.size() ? &adapters.at(i) : nullptr;
}

bool NetworkInterfaceCard::name(int i, QString& out) const {
    const NetworkAdapter* a = at(i);
    if (a)
        out = a->name;
    return a != nullptr;
}

bool NetworkInterfaceCard::ipAddress(int i, QHostAddress& out) const {
    const NetworkAdapter* a = at(i);
    if (a)
        out = a->ip;
    return a != nullptr;
}

bool NetworkInterfaceCard::broadcastAddress(int i, QHostAddress& out) const {
    const NetworkAdapter* a = at(i);
    if (a)
        out = a->broadcast;
    return a != nullptr;
}
