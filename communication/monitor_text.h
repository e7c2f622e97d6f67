#pragma once

#include <QString>

// Reads a text through read(buffer, Size) into a buffer of Size bytes; the text is the buffer up
// to its first NUL as 8-bit characters, or empty when the read failed.
template <int Size, typename Read> int read_text(QString& text, Read read) {
    char buffer[Size] = {};
    const int result = read(buffer, Size);
    text = result == 0 ? QString::fromLatin1(buffer) : QString();
    return result;
}
