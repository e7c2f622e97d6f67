#pragma once

#include <QString>

// A dotted IPv4 text with each part read as decimal ("192.168.000.010" -> "192.168.0.10").
// Any other text is returned unchanged.
QString normalizedIPv4(const QString& text);
// True for digits and dots that make no dotted IPv4 address ("999.1.1.1", "10.1", "..."): such
// a text is no host name either, so it must never go to a name lookup.
bool namesNoHost(const QString& text);

// "a.b.c.d" of a 32-bit address, most significant part first.
QString ipUIntToText(uint ip);
// 0 unless the text is exactly four dot-separated decimal numbers from 0 to 255.
uint ipTextToUInt(QString text);
