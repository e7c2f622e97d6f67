#pragma once

#include <QString>

// A dotted IPv4 text with each part read as decimal ("192.168.000.010" -> "192.168.0.10").
// Any other text is returned unchanged.
QString normalizedIPv4(const QString& text);
