#pragma once

#include <QString>
#include <QStringList>

// Cuts one command line into tokens. Spaces separate tokens outside quotes (a tab is part of a
// token); a double-quoted part is one token with its quotes, spaces and all, also when the
// closing quote is missing. Quotes split a word too: ab"c d"e gives ab, "c d", e.
QStringList tokenizeScriptLine(const QString& line);
