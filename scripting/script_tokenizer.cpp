#include "script_tokenizer.h"

QStringList tokenizeScriptLine(const QString& line) {
    const QLatin1Char quote('"');
    // The pieces alternate: outside quotes, inside, outside, ...
    const QStringList pieces = line.split(quote);
    QStringList tokens;
    for (int i = 0; i < pieces.size(); ++i) {
        if (i % 2 == 0)
            tokens << pieces[i].split(QLatin1Char(' '), Qt::SkipEmptyParts);
        else
            tokens << quote + pieces[i] + quote;
    }
    return tokens;
}
