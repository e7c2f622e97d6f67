#include "byte_buffer.h"

void registerByteBufferType() {
    qRegisterMetaType<QList<unsigned char>>("QList<unsigned char>");
}
