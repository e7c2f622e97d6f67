#include "byte_buffer.h"

void registerByteBufferType() {
    qRegisterMetaType<QList<unsigned char>>("QList<unsigned char>");
}

QByteArray toByteArray(const ByteBuffer& bytes) {
    QByteArray data;
    data.reserve(bytes.size());
    for (unsigned char b : bytes)
        data.append(static_cast<char>(b));
    return data;
}
