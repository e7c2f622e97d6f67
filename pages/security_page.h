#pragma once

#include "page_controller.h"

#include <functional>
#include <optional>

class Passcode;
class QCheckBox;
class QLineEdit;

// The security page: the display's password protection (read, write, lock
// control) and the setting lock of an attached compute module, each sent with
// the four digits of its field.
class SecurityPage : public PageController {
    Q_OBJECT

public:
    explicit SecurityPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    QList<QWidget*> form_fields() const override;
    QList<QLineEdit*> result_lines(QWidget* page) const override;

public slots:
    void on_security_read_pushButton_clicked();
    void on_security_write_pushButton_clicked();
    void on_security_lock_control_pushButton_clicked();
    void on_compute_module_setting_lock_pushButton_clicked();

private:
    // The password of a field; a field without four characters reports the bad
    // input, empties the status line and gives none, so that nothing is sent.
    std::optional<Passcode> passcode_of(const QLineEdit* field, QLineEdit* status_line);
    // A lock command: sends the box's state with the field's password, shows the
    // display's result on the status line and, when it took the command, the state it
    // reports in the box.
    using LockCommand =
        std::function<int(unsigned char* enable, const Passcode& password, int* result)>;
    void send_lock(const LockCommand& command, QCheckBox* enable_box, const QLineEdit* field,
                   QLineEdit* status_line);
};
