#include "hexlistvalidator.h"

#include <QStringList>

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
        if (!ok)
            return Intermediate;
        if (byte > 0xFF)
            return Invalid;
    }
    return emptyPart ? Intermediate : Acceptable;
}
