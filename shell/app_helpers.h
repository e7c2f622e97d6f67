#pragma once

#include <QDate>
#include <QString>

class QTreeWidgetItem;

// "Version 1.4.00.0 (Build 180105)", translated.
QString versionString();
constexpr int kCurrentBuild = 180105;

// The program's data folder under the shared documents folder; "" when it does not exist and
// create is false or making it failed.
QString appDataFolder(bool create);
// Same, below the given base folder; falls back to fallbackBase when base cannot hold it.
QString appDataFolderUnder(const QString& base, const QString& fallbackBase, bool create);

// The MAC address of an IPv4 address, "00-1a-2b-3c-4d-5e", or "" when unknown.
QString macAddressForIp(QString ip);
QTreeWidgetItem* findTreeChildByText(QTreeWidgetItem* parent, QString text);
// One line on standard error, for whoever started the program from a command line.
void writeStandardError(const QString& line);
// The manufacture month encoded in a serial number, or a null date.
QDate manufactureDateFromSerial(QString serial);
QDate manufactureDateFromSerial(QString serial, const QDate& today);
