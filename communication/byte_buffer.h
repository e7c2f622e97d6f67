#pragma once

#include <QList>
#include <QMetaType>

// The byte buffer that carries messages between protocol, monitor object and window.
using ByteBuffer = QList<unsigned char>;

// Makes the type usable in queued signals and QVariant; call once before use.
void registerByteBufferType();
