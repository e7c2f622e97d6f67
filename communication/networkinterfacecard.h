#pragma once

#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <functional>

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
    // Where enumerate() takes the address entries from: the system's interfaces unless told
    // otherwise.
    using Source = std::function<QList<NetworkAdapter>()>;

    explicit NetworkInterfaceCard(QObject* parent = nullptr);
    // Takes the entries from the source from now on; enumerate() reads it.
    void setSource(Source source);
    // Every address entry of every valid interface, unfiltered.
    static QList<NetworkAdapter> systemEntries();

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

    Source source = systemEntries;
    QList<NetworkAdapter> adapters;
};
