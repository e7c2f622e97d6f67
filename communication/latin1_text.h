#pragma once

#include <QString>

// Names and tags travel to a display as Latin-1 bytes, one byte a character. A character that
// Latin-1 has no byte for would arrive as "?"; such text is refused, never sent altered.

// The first character of the text that Latin-1 has no byte for (a character written as two
// UTF-16 halves counts as one), or an empty string when Latin-1 holds them all.
QString firstCharacterOutsideLatin1(const QString& text);
// The sentence that refuses it: '<what> holds "ő" (U+0151), a character that Latin-1, the
// displays' character set, does not have.'
QString outsideLatin1Sentence(const QString& what, const QString& character);
