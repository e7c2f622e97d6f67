#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

// One IPv4 address of a network adapter.
struct NetworkAdapter {
    QString name; // the interface's human-readable name
    QHostAddress ip;
    QHostAddress netmask;
    QHostAddress broadcast;
};

// The computer's usable IPv4 network adapters, in the order the system reports them.
class NetworkInterfaceCard : public QObject {
    Q_OBJECT
public:
    explicit NetworkInterfaceCard(QObject* parent = nullptr);

    // Keeps the entries that can carry a LAN search: an IPv4 address other than 127.0.0.1, a
    // netmask and a name. Order is kept.
    static QList<NetworkAdapter> usable(const QList<NetworkAdapter>& entries);

    int count() const { return adapters.size(); }
    bool name(int i, QString& out) const;
    bool ipAddress(int i, QHostAddress& out) const;
    bool broadcastAddress(int i, QHostAddress& out) const;

public slots:
    void enumerate();

private:
    const NetworkAdapter* at(int i) const;

    QList<NetworkAdapter> adapters;
};
