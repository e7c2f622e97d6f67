#include "page_controller.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "latin1_text.h"
#include "result_codes.h"
#include "string_resource.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QSettings>
#include <QSignalBlocker>

#include <vector>

namespace {
// Runs show with the signals of the controls' value widgets blocked: what the program puts in
// writes nothing back.
void showBlocked(const QList<QWidget*>& controls, const std::function<void()>& show) {
    if (!show)
        return;
    std::vector<QSignalBlocker> blockers;
    for (QWidget* control : controls)
        for (QWidget* w : ControlState::value_widgets(control))
            blockers.emplace_back(w);
    show();
}
} // namespace

PageRead::PageRead(const QList<QWidget*>& controls, bool keep_enabled)
    : keep_enabled(keep_enabled) {
    ControlState::show_unread(controls, keep_enabled);
}

int PageRead::read(int result, const QList<QWidget*>& controls, const std::function<void()>& show) {
    ControlState::apply_read(result, controls, keep_enabled);
    if (result == 0) {
        showBlocked(controls, show);
        ControlState::confirm(controls);
    }
    first.note(ControlState::status_code(result));
    return result;
}

bool PageRead::ends(int result) {
    return ControlState::status_code(result) != 0;
}

PageController::PageController(const PageContext& context, QObject* parent)
    : QObject(parent), ui(context.ui), monitor(context.monitor), host(context.host) {}

void PageController::refresh(QWidget*) {}

QList<QWidget*> PageController::read_controls(QWidget*) const {
    return {};
}

void PageController::show_unread(QWidget* page) {
    ControlState::show_unread(read_controls(page));
}

QList<QWidget*> PageController::form_fields() const {
    return {};
}

QList<QLineEdit*> PageController::result_lines(QWidget*) const {
    return {};
}

void PageController::read_settings(const QSettings&) {}

void PageController::write_settings(QSettings&) const {}

void PageController::definitions_loaded() {}

void PageController::write_pending() {}

bool PageController::dummy_interface() const {
    return host.interface_info().isDummy();
}

void PageController::show_failure(int failure) {
    if (failure != 0)
        host.show_error_status(failure);
}

void PageController::select_by_data(QComboBox* combo, uint value) {
    combo->setCurrentIndex(combo->findData(value));
}

QString PageController::reply_status_text(int value) {
    return QStringLiteral("%1 (%2)").arg(value).arg(value == 0 ? QStringLiteral("OK")
                                                               : QStringLiteral("Error"));
}

int PageController::command_result(int result, int status) {
    if (result != 0)
        return result;
    return status == 0 ? 0 : ResultCode::ReplyError;
}

int PageController::show_answer(QLineEdit* result_line, int result, int status) {
    if (result == 0)
        result_line->setText(reply_status_text(status));
    return command_result(result, status);
}

int PageController::write_combo_value(QComboBox* combo, int index, uint opcode) {
    uint value = combo->itemData(index).toUInt();
    const int result = monitor->set_vcp_value(opcode, &value);
    if (result == 0) {
        host.set_settings_dirty(true);
        uint read_back = 0;
        const int read = monitor->get_vcp_value(opcode, &read_back);
        if (read == 0)
            value = read_back;
        showBlocked({combo}, [combo, value] { select_by_data(combo, value); });
    }
    return result;
}

void PageController::write_choice(QComboBox* combo, int index, uint opcode,
                                  const std::function<int()>& refresh) {
    const QSignalBlocker blocker(combo);
    write_in_frame({combo}, [&](CommandScope& frame) {
        const int written = write_combo_value(combo, index, opcode);
        FirstFailure failure;
        failure.note(ControlState::status_code(written));
        if (refresh)
            failure.note(refresh());
        frame.report(failure.result());
        return written;
    });
}

int PageController::write_value(uint opcode, uint value, const QList<QWidget*>& controls,
                                const std::function<void(uint)>& show) {
    const int result = host.update_vcp(opcode, value);
    if (result == 0 && show)
        showBlocked(controls, [&show, value] { show(value); });
    ControlState::apply_write(result, controls);
    return result;
}

void PageController::read_in_frame(QWidget* page, const std::function<void(CommandScope&)>& read) {
    read_in_frame(page, nullptr, read);
}

void PageController::read_in_frame(QWidget* page, QLineEdit* result_line,
                                   const std::function<void(CommandScope&)>& read) {
    read_or_unread(
        result_line, [this, page] { show_unread(page); }, read);
}

void PageController::read_in_frame(const QList<QWidget*>& controls, QLineEdit* result_line,
                                   const std::function<void(CommandScope&)>& read) {
    read_or_unread(
        result_line, [&controls] { ControlState::show_unread(controls); }, read);
}

void PageController::read_or_unread(QLineEdit* result_line, const std::function<void()>& unread,
                                    const std::function<void(CommandScope&)>& read) {
    if (result_line)
        result_line->clear();
    CommandScope frame(host);
    if (frame)
        read(frame);
    else
        unread();
}

int PageController::write_in_frame(const QList<QWidget*>& controls,
                                   const std::function<int(CommandScope&)>& send) {
    return write_in_frame(controls, nullptr, send);
}

int PageController::write_in_frame(const QList<QWidget*>& controls, QLineEdit* result_line,
                                   const std::function<int(CommandScope&)>& send) {
    if (result_line)
        result_line->clear();
    // Settled before the frame reports and closes, as a read shows its values before then.
    CommandScope frame(host);
    const int result = frame ? send(frame) : ResultCode::NotConnected;
    ControlState::apply_write(result, controls);
    return result;
}

bool PageController::confirm_warning(const QString& question) {
    return QMessageBox::warning(host.dialog_parent(), StringResource(StringId::ApplicationName),
                                question, QMessageBox::Yes | QMessageBox::Cancel,
                                QMessageBox::NoButton) == QMessageBox::Yes;
}

void PageController::refuse_input(int code, const QString& sentence, QLineEdit* result_line) {
    if (result_line)
        result_line->clear();
    host.show_error_status(code, sentence);
}

bool PageController::refuses_outside_latin1(const QString& what, const QString& text,
                                            QLineEdit* result_line) {
    const QString character = firstCharacterOutsideLatin1(text);
    if (character.isEmpty())
        return false;
    refuse_input(ResultCode::ScriptInvalidParameter,
                 tr("%1 Nothing was sent.").arg(outsideLatin1Sentence(what, character)),
                 result_line);
    return true;
}
