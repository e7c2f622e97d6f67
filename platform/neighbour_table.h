#pragma once

#include <QString>

// The hardware address that the system's neighbour (ARP) table holds for an IPv4 address,
// as six lower-case hex bytes joined by "-", or "" when it holds none. Sends no traffic.
QString neighbourMacAddress(const QString& ipv4);

// Reads the address out of a table in the Linux /proc/net/arp layout.
QString macFromArpTable(const QString& table, const QString& ipv4);
