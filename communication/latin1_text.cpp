#include "latin1_text.h"

#include <QCoreApplication>
#include <QVector>

namespace {
constexpr ushort kLastLatin1 = 0xFF;
} // namespace

QString firstCharacterOutsideLatin1(const QString& text) {
    for (int i = 0; i < text.size(); ++i) {
        if (text[i].unicode() <= kLastLatin1)
            continue;
        const bool pair =
            text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate();
        return text.mid(i, pair ? 2 : 1);
    }
    return QString();
}

QString outsideLatin1Sentence(const QString& what, const QString& character) {
    const QVector<uint> code = character.toUcs4();
    return QCoreApplication::translate("Latin1Text",
                                       "%1 holds \"%2\" (U+%3), a character that Latin-1, the "
                                       "displays' character set, does not have.")
        .arg(what, character,
             QStringLiteral("%1").arg(code.value(0), 4, 16, QLatin1Char('0')).toUpper());
}
