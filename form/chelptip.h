#ifndef CHELPTIP_H
#define CHELPTIP_H

#include <QPushButton>

// A small help button: resting the pointer on it enters What's This mode, so a click shows the
// help text of the widget under the pointer.
class CHelpTip : public QPushButton {
    Q_OBJECT

public:
    explicit CHelpTip(QWidget* parent = nullptr);
    ~CHelpTip() override;

protected:
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
};

#endif
