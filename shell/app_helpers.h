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
// Text on standard error as it is, without a newline added: for a line redrawn in place.
void writeStandardErrorText(const QString& text);
// In a run from the command line, what Qt's platform layer says of itself (a plugin that does
// not support a window call, the runtime-folder notice) is not printed: the caller reads
// standard error for the run's own lines. Every other message goes on as before.
void quietPlatformChatter();
// Whether a person can see the program's windows: not on the platforms without a screen
// (offscreen, minimal) that a run without a desktop session uses.
bool windowsAreSeen();
// The manufacture month encoded in a serial number, or a null date.
QDate manufactureDateFromSerial(QString serial);
QDate manufactureDateFromSerial(QString serial, const QDate& today);
