#ifndef HEXLISTVALIDATOR_H
#define HEXLISTVALIDATOR_H

#include <QValidator>

// Accepts a list of hexadecimal bytes separated by single spaces ("01 A2 ff").
class HexListValidator : public QValidator {
    Q_OBJECT

public:
    explicit HexListValidator(QObject* parent = nullptr);

    State validate(QString& input, int& pos) const override;
};

#endif
