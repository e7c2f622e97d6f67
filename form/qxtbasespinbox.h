#ifndef QXTBASESPINBOX_H
#define QXTBASESPINBOX_H

#include <QSpinBox>

#include <memory>

struct QxtBaseSpinBoxPrivate;

// An integer spin box that shows and accepts its value in any base from 2 to 36.
class QxtBaseSpinBox : public QSpinBox {
    Q_OBJECT
    Q_PROPERTY(int base READ base WRITE setBase NOTIFY baseChanged)
    Q_PROPERTY(bool upperCase READ isUpperCase WRITE setUpperCase)

public:
    explicit QxtBaseSpinBox(QWidget* parent = nullptr);
    ~QxtBaseSpinBox() override;

    int base() const;
    bool isUpperCase() const;
    void setUpperCase(bool upperCase);

    QValidator::State validate(QString& input, int& pos) const override;
    void fixup(QString& input) const override;

public slots:
    void setBase(int base);

signals:
    void baseChanged(int base);

protected:
    int valueFromText(const QString& text) const override;
    QString textFromValue(int value) const override;

private:
    QString inChosenCase(const QString& text) const;

    std::unique_ptr<QxtBaseSpinBoxPrivate> d;
};

#endif
