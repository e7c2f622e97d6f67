#include "qxtbasespinbox.h"

#include <QtGlobal>

struct QxtBaseSpinBoxPrivate {
    int base = 10;
    bool upperCase = false;
};

namespace {
constexpr int minimumDigits = 4;
}

QxtBaseSpinBox::QxtBaseSpinBox(QWidget* parent)
    : QSpinBox(parent), d(std::make_unique<QxtBaseSpinBoxPrivate>()) {}

QxtBaseSpinBox::~QxtBaseSpinBox() = default;

int QxtBaseSpinBox::base() const {
    return d->base;
}

bool QxtBaseSpinBox::isUpperCase() const {
    return d->upperCase;
}

void QxtBaseSpinBox::setBase(int base) {
    base = qBound(2, base, 36);
    if (base == d->base)
        return;
    d->base = base;
    emit baseChanged(base);
    setValue(value());
}

void QxtBaseSpinBox::setUpperCase(bool upperCase) {
    if (upperCase == d->upperCase)
        return;
    d->upperCase = upperCase;
    setValue(value());
}

QString QxtBaseSpinBox::inChosenCase(const QString& text) const {
    return d->upperCase ? text.toUpper() : text.toLower();
}

QString QxtBaseSpinBox::textFromValue(int value) const {
    // The sign goes in front of the padding zeros, so the text reads back as the same value.
    const qint64 magnitude = qAbs(qint64(value));
    const QString digits = QString::number(magnitude, d->base).rightJustified(minimumDigits, '0');
    return inChosenCase(value < 0 ? QLatin1Char('-') + digits : digits);
}

int QxtBaseSpinBox::valueFromText(const QString& text) const {
    bool ok = false;
    const int value = text.toInt(&ok, d->base);
    return ok ? value : 0;
}

QValidator::State QxtBaseSpinBox::validate(QString& input, int& pos) const {
    const QString pre = prefix();
    if (pos < pre.length())
        return QValidator::Invalid;
    const QString rest = input.mid(pre.length());
    if (rest.isEmpty())
        return QValidator::Intermediate;
    bool ok = false;
    const int value = rest.toInt(&ok, d->base);
    if (!ok)
        return QValidator::Invalid;
    if (value < minimum() || value > maximum())
        return QValidator::Intermediate;
    return input == pre + inChosenCase(rest) ? QValidator::Acceptable : QValidator::Intermediate;
}

void QxtBaseSpinBox::fixup(QString& input) const {
    const QString pre = prefix();
    input = pre + inChosenCase(input.mid(pre.length()));
}
