#pragma once

#include <QByteArray>
#include <QList>
#include <QMetaType>

// The byte buffer that carries messages between protocol, monitor object and window.
using ByteBuffer = QList<unsigned char>;

// Makes the type usable in queued signals and QVariant; call once before use.
void registerByteBufferType();

// The same bytes as a QByteArray, as sockets and serial ports take them.
QByteArray toByteArray(const ByteBuffer& bytes);
