#include "security_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "result_codes.h"

SecurityPage::SecurityPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> SecurityPage::pages() const {
    return {ui.security};
}

void SecurityPage::refresh(QWidget* page) {
    if (page != ui.security)
        return;
    // Only a lock command reports the module's lock: none from before stays as if current, and
    // the box stays enabled, since it is what the user chooses to send.
    ControlState::show_unread({ui.compute_module_setting_lock_enable_checkBox});
    ui.compute_module_setting_lock_enable_checkBox->setEnabled(true);
    on_security_read_pushButton_clicked();
}

// Write and Lock Control send the box's state: neither goes out before the state was read.
QList<QWidget*> SecurityPage::read_controls(QWidget* page) const {
    if (page == ui.security)
        return {ui.security_enable_checkBox, ui.security_write_pushButton,
                ui.security_lock_control_pushButton};
    return {};
}

QList<QWidget*> SecurityPage::form_fields() const {
    return {ui.security_enable_checkBox, ui.compute_module_setting_lock_enable_checkBox};
}

QList<QLineEdit*> SecurityPage::result_lines(QWidget* page) const {
    if (page == ui.security)
        return {ui.security_status_lineEdit, ui.compute_module_setting_lock_status_lineEdit};
    return {};
}

std::optional<Passcode> SecurityPage::passcode_of(const QLineEdit* field, QLineEdit* status_line) {
    const Passcode passcode(field->text());
    if (passcode.isValid())
        return passcode;
    refuse_input(ResultCode::ScriptInvalidParameter, tr("The password must be 4 digits."),
                 status_line);
    return std::nullopt;
}

void SecurityPage::on_security_read_pushButton_clicked() {
    read_in_frame(ui.security, ui.security_status_lineEdit, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.security));
        unsigned char enable = 0;
        const int result = frame.report(monitor->security_enable_read(&enable));
        pass.read(result, read_controls(ui.security),
                  [this, enable] { ui.security_enable_checkBox->setChecked(enable != 0); });
    });
}

// Write never changes the box: a refused password leaves the state the user chose, so that
// the next press sends it again.
void SecurityPage::on_security_write_pushButton_clicked() {
    const std::optional<Passcode> password =
        passcode_of(ui.security_password_lineEdit, ui.security_status_lineEdit);
    if (!password)
        return;
    write_in_frame({ui.security_enable_checkBox}, ui.security_status_lineEdit,
                   [this, &password](CommandScope& frame) {
                       const unsigned char enable =
                           ui.security_enable_checkBox->isChecked() ? 1 : 0;
                       int result = 0;
                       const int written =
                           frame.report(monitor->security_enable_write(enable, *password, &result));
                       return show_answer(ui.security_status_lineEdit, written, result);
                   });
}

void SecurityPage::send_lock(const LockCommand& command, QCheckBox* enable_box,
                             const QLineEdit* field, QLineEdit* status_line) {
    const std::optional<Passcode> password = passcode_of(field, status_line);
    if (!password)
        return;
    write_in_frame({enable_box}, status_line, [&](CommandScope& frame) {
        unsigned char enable = enable_box->isChecked() ? 1 : 0;
        int result = 0;
        const int sent = frame.report(command(&enable, *password, &result));
        const int took = show_answer(status_line, sent, result);
        // The state the display reports once it took the command. A refused one changed
        // nothing there, so the state in its reply is not the display's: the box keeps the
        // user's choice, as it does when no answer came.
        if (took == 0)
            enable_box->setChecked(enable != 0);
        return took;
    });
}

void SecurityPage::on_security_lock_control_pushButton_clicked() {
    send_lock(
        [this](unsigned char* enable, const Passcode& password, int* result) {
            return monitor->security_lock_control(enable, password, result);
        },
        ui.security_enable_checkBox, ui.security_password_lineEdit, ui.security_status_lineEdit);
}

void SecurityPage::on_compute_module_setting_lock_pushButton_clicked() {
    send_lock(
        [this](unsigned char* enable, const Passcode& passcode, int* result) {
            return monitor->compute_module_setting_lock(enable, passcode, result);
        },
        ui.compute_module_setting_lock_enable_checkBox,
        ui.compute_module_setting_lock_passcode_lineEdit,
        ui.compute_module_setting_lock_status_lineEdit);
}
