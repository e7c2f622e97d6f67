#include "hexlistvalidator.h"

#include <QStringList>

#include <algorithm>

namespace {
bool onlyHexDigits(const QString& text) {
    const QString digits = QStringLiteral("0123456789abcdefABCDEF");
    return std::all_of(text.cbegin(), text.cend(), [&](QChar c) { return digits.contains(c); });
}
} // namespace

HexListValidator::HexListValidator(QObject* parent) : QValidator(parent) {}

QValidator::State HexListValidator::validate(QString& input, int&) const {
    bool emptyPart = false;
    const QStringList parts = input.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    for (const QString& part : parts) {
        if (part.isEmpty()) {
            emptyPart = true;
            continue;
        }
        bool ok = false;
        const uint byte = part.toUInt(&ok, 16);
        if (!ok) // hexadecimal digits too many for a number are far above a byte
            return onlyHexDigits(part) ? Invalid : Intermediate;
        if (byte > 0xFF)
            return Invalid;
    }
    return emptyPart ? Intermediate : Acceptable;
}
