#include "input_name_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "page_lists.h"

InputNamePage::InputNamePage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    PageLists::fill({{ui.inputname_name_designated_terminal_input_comboBox,
                      PageLists::video_inputs(), PageLists::Fill::Sorted}});
}

QList<QWidget*> InputNamePage::pages() const {
    return {ui.input_name};
}

void InputNamePage::refresh(QWidget* page) {
    if (page != ui.input_name)
        return;
    // The terminal's name is read on its own: none from before stays as if it were current.
    ControlState::show_unread(terminal_controls(), true);
    on_inputname_read_pushButton_clicked();
}

QList<QWidget*> InputNamePage::read_controls(QWidget* page) const {
    if (page == ui.input_name)
        return {ui.inputname_name_lineEdit, ui.inputname_write_pushButton};
    return {};
}

QList<QWidget*> InputNamePage::form_fields() const {
    return {ui.inputname_name_lineEdit, ui.inputname_name_designated_terminal_name_lineEdit};
}

QList<QLineEdit*> InputNamePage::result_lines(QWidget* page) const {
    if (page == ui.input_name)
        return {ui.inputname_status_lineEdit,
                ui.inputname_name_designated_terminal_status_lineEdit};
    return {};
}

QList<QWidget*> InputNamePage::terminal_controls() const {
    return {ui.inputname_name_designated_terminal_name_lineEdit,
            ui.inputname_name_designated_terminal_write_pushButton};
}

unsigned char InputNamePage::terminal() const {
    return static_cast<unsigned char>(
        ui.inputname_name_designated_terminal_input_comboBox->currentData().toUInt());
}

QString InputNamePage::name_text(const QLineEdit* field) {
    return field->text().left(NameLength);
}

QByteArray InputNamePage::name_of(const QLineEdit* field) {
    return name_text(field).toLatin1();
}

bool InputNamePage::name_refused(const QLineEdit* field, QLineEdit* status_line) {
    return refuses_outside_latin1(tr("The input name"), name_text(field), status_line);
}

bool InputNamePage::name_command(QLineEdit* status_line,
                                 const std::function<int(int* result)>& command,
                                 QLineEdit* name_field) {
    QList<QWidget*> sent;
    if (name_field)
        sent << name_field;
    return write_in_frame(sent, status_line, [&](CommandScope& frame) {
               int result = 0;
               const int code = frame.report(command(&result));
               if (code == 0 || result != 0)
                   status_line->setText(reply_status_text(result));
               return command_result(code, result);
           }) == 0;
}

// A failed read shows no name: the one shown may be another input's, and Write
// would give it to this one.
void InputNamePage::on_inputname_read_pushButton_clicked() {
    read_in_frame(ui.input_name, ui.inputname_status_lineEdit, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.input_name));
        char name[NameBufferSize] = {};
        const int code = frame.report(monitor->input_name_read(name, NameBufferSize));
        pass.read(code, read_controls(ui.input_name), [this, &name] {
            ui.inputname_name_lineEdit->setText(QString::fromLatin1(name));
        });
    });
}

void InputNamePage::on_inputname_write_pushButton_clicked() {
    if (name_refused(ui.inputname_name_lineEdit, ui.inputname_status_lineEdit))
        return;
    const QByteArray name = name_of(ui.inputname_name_lineEdit);
    name_command(
        ui.inputname_status_lineEdit,
        [&](int* result) { return monitor->input_name_write(name.constData(), result); },
        ui.inputname_name_lineEdit);
}

void InputNamePage::on_inputname_reset_pushButton_clicked() {
    if (name_command(ui.inputname_status_lineEdit,
                     [&](int* result) { return monitor->input_name_reset(result); }))
        on_inputname_read_pushButton_clicked();
}

// A read that failed, or that the display answered with an error, shows no name: Write would
// give it to this terminal.
void InputNamePage::on_inputname_name_designated_terminal_read_pushButton_clicked() {
    QLineEdit* status_line = ui.inputname_name_designated_terminal_status_lineEdit;
    read_in_frame(terminal_controls(), status_line, [this, status_line](CommandScope& frame) {
        PageRead pass(terminal_controls());
        char name[NameBufferSize] = {};
        int result = 0;
        const int code = frame.report(
            monitor->terminal_input_name_read(terminal(), name, NameBufferSize, &result));
        pass.read(code, terminal_controls(), [this, &name] {
            ui.inputname_name_designated_terminal_name_lineEdit->setText(QString::fromLatin1(name));
        });
        if (code == 0 || result != 0)
            status_line->setText(QStringLiteral("%1 (%2)").arg(result).arg(
                result == 0 ? QStringLiteral("no error") : QStringLiteral("error")));
    });
}

void InputNamePage::on_inputname_name_designated_terminal_write_pushButton_clicked() {
    if (name_refused(ui.inputname_name_designated_terminal_name_lineEdit,
                     ui.inputname_name_designated_terminal_status_lineEdit))
        return;
    const QByteArray name = name_of(ui.inputname_name_designated_terminal_name_lineEdit);
    name_command(
        ui.inputname_name_designated_terminal_status_lineEdit,
        [&](int* result) {
            return monitor->terminal_input_name_write(terminal(), name.constData(), result);
        },
        ui.inputname_name_designated_terminal_name_lineEdit);
}

void InputNamePage::on_inputname_name_designated_terminal_reset_pushButton_clicked() {
    if (name_command(ui.inputname_name_designated_terminal_status_lineEdit, [&](int* result) {
            return monitor->terminal_input_name_reset(terminal(), result);
        }))
        on_inputname_name_designated_terminal_read_pushButton_clicked();
}
