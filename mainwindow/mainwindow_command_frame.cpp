// The frame every command runs in, the write-behind queues and the bottom bar's buttons.
#include "zetqvtoolmainwindow.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "command_scope.h"
#include "control_state.h"
#include "ip_address.h"
#include "lm_communications_interface_configure_widget.h"
#include "monitor_address.h"
#include "opcodes.h"
#include "page_set.h"
#include "program_globals.h"
#include "result_codes.h"
#include "status_bar_style.h"
#include "string_resource.h"
#include "wait_cursor.h"
#include "wait_progress.h"

#include <QApplication>
#include <QSlider>
#include <QSpinBox>
#include <QToolTip>

namespace {
const char kDirtyNotice[] =
    "<img src=\":/images/Resources/warning.png\"><font COLOR=red>Notice: Unsaved changes. Click "
    "<b>Save All Settings</b> when done to save changes to the display.";

QString errorText(int result) {
    QString text;
    errorCodeToMessage(result, &text, nullptr);
    return text;
}

// The sentence for an interface that did not open: an address left empty or partly typed is
// asked for rather than looked for.
QString openFailureText(const monitor_data& choice, int result) {
    QString address = choice.s_communicationsInterfacePortName;
    address.remove(QLatin1Char(' ')); // the address field's empty places
    if (choice.communicationsInterfaceType == InterfaceType::Lan && namesNoHost(address))
        return ZETQVToolMainWindow::tr("Enter the display's IP address.");
    return errorText(result);
}

bool sameLink(const monitor_data& a, const monitor_data& b) {
    return a.communicationsInterfaceType == b.communicationsInterfaceType &&
           a.s_communicationsInterfacePortName == b.s_communicationsInterfacePortName &&
           a.m_monitor_id == b.m_monitor_id && a.m_monitor_id_string == b.m_monitor_id_string;
}
} // namespace

bool ZETQVToolMainWindow::open_for_command() {
    return open_interface(interface_info());
}

bool ZETQVToolMainWindow::open_interface(const monitor_data& choice) {
    // A frame inside an open one (a page's read run by the page switch) goes on the same
    // connection: closing it to open another would leave one that carried nothing.
    if (frame_depth > 0 && sameLink(choice, opened_link)) {
        ++frame_depth;
        return true;
    }
    if (frame_depth > 0) {
        frame_depth = 1;
        close_after_command();
    }
    emit communications_test_result(0);
    // Nothing is sent to a destination that the monitor ID does not name: the byte would
    // reach another display, a group, or none, and the user would only see "No reply".
    if (!names_a_destination(choice)) {
        show_error_text(tr("Error: The monitor ID names no display; choose 1 to 100, All or a "
                           "group A to J"));
        return false;
    }
    g_basic_monitor->set_long_timeout(ui.increased_lan_timeout_checkBox->isChecked());
    g_basic_monitor->set_retry_count(ui.communications_retry_checkBox->isChecked() ? 3 : 0);
    const int result = g_basic_monitor->set_interface_info(choice);
    if (result == 0) {
        frame_depth = 1;
        opened_link = choice;
        return true;
    }
    const QString text = openFailureText(choice, result);
    show_error_status(result, text);
    if (unattended)
        writeStandardError(
            tr("Failed: %1")
                .arg(failureLine(
                    tr("connection to %1").arg(choice.s_communicationsInterfacePortName), result,
                    text)));
    else
        showMessageBox(this, text, MessageIcon::Critical);
    communications_log.failure(text);
    return false;
}

void ZETQVToolMainWindow::show_error_text(const QString& text) {
    ui.statusBar->setStyleSheet(QLatin1String(kErrorStatusStyle));
    ui.statusBar->showMessage(text);
    if (unattended)
        writeStandardError(text);
    communications_log.failure(text);
}

void ZETQVToolMainWindow::close_after_command() {
    if (frame_depth == 0 || --frame_depth > 0)
        return;
    g_basic_monitor->set_interface_info(monitor_data());
    release_held_writes();
}

void ZETQVToolMainWindow::show_error_status(int result) {
    show_error_status(result, errorText(result));
}

void ZETQVToolMainWindow::show_error_status(int result, const QString& text) {
    if (result == 0) {
        ui.statusBar->showMessage(QString());
        return;
    }
    ui.statusBar->setStyleSheet(QLatin1String(kErrorStatusStyle));
    ui.statusBar->showMessage(QStringLiteral("%2 (%1)").arg(result).arg(text));
    communications_log.comment(text, LogKinds::CommentError);
}

int ZETQVToolMainWindow::update_vcp(uint opcode, uint& value) {
    CommandScope frame(*this);
    if (!frame)
        return ResultCode::NotConnected;
    uint written = value;
    const int result = g_basic_monitor->set_vcp_value(opcode, &written);
    if (result != 0) {
        frame.report(ControlState::status_code(result));
        return result;
    }
    emit settings_dirty(true);
    // The display took the value its reply names; a read-back that fails leaves that one.
    value = written;
    uint read_back = 0;
    const int read = g_basic_monitor->get_vcp_value(opcode, &read_back);
    if (read == 0)
        value = read_back;
    frame.report(ControlState::status_code(read));
    return result;
}

void ZETQVToolMainWindow::set_settings_dirty(bool dirty) {
    emit settings_dirty(dirty);
}

void ZETQVToolMainWindow::queue_slider_change(QSlider* slider, uint opcode) {
    queue_slider_write(slider, opcode,
                       [this, slider, opcode] { write_slider_value(slider, opcode); });
}

void ZETQVToolMainWindow::queue_spinbox_change(QSpinBox* spinbox, uint opcode) {
    queue_spinbox_write(spinbox, opcode, [this, spinbox, opcode] {
        uint value = uint(spinbox->value());
        const uint before = value;
        const int result = update_vcp(opcode, value);
        if (result == 0 && value != before)
            emit update_spinbox_control(spinbox, int(value));
        ControlState::apply_write(result, {spinbox});
    });
}

void ZETQVToolMainWindow::queue_slider_write(QSlider* slider, uint key, Write write) {
    // A value put back after a failed write is the display's, not a change of the user's.
    if (!ControlState::reverting())
        slider_queue->queue(slider, key, std::move(write));
}

void ZETQVToolMainWindow::queue_spinbox_write(QSpinBox* spinbox, uint key, Write write) {
    if (!ControlState::reverting())
        spinbox_queue->queue(spinbox, key, std::move(write));
}

void ZETQVToolMainWindow::write_slider_value(QSlider* slider, uint opcode) {
    uint value = uint(slider->value());
    const uint before = value;
    const int result = update_vcp(opcode, value);
    // Moved to the display's own value, which the queue then writes once more.
    if (result == 0 && value != before)
        emit update_slider_control(slider, int(value));
    ControlState::apply_write(result, {slider});
}

void ZETQVToolMainWindow::set_long_operation(bool running) {
    long_operation = running;
    release_held_writes();
}

void ZETQVToolMainWindow::flush_queued_writes() {
    page_set->write_pending();
    for (WriteBehindQueue* queue : {slider_queue.get(), spinbox_queue.get()}) {
        queue->queueTimer()->stop();
        run_queue(*queue);
    }
}

void ZETQVToolMainWindow::set_process_events_while_logging(bool on) {
    communications_log.set_process_events(on);
}

void ZETQVToolMainWindow::release_held_writes() {
    if (!writes_held || frame_busy())
        return;
    writes_held = false;
    // From the event loop, after the command that held them has returned.
    if (!slider_queue->isEmpty())
        slider_queue->queueTimer()->start(0);
    if (!spinbox_queue->isEmpty())
        spinbox_queue->queueTimer()->start(0);
}

void ZETQVToolMainWindow::run_queue(WriteBehindQueue& queue) {
    // A write must never replace the connection of a command or refresh still running.
    if (frame_busy()) {
        writes_held = true;
        return;
    }
    queue.run();
}

void ZETQVToolMainWindow::slider_timer_timeout() {
    run_queue(*slider_queue);
}

void ZETQVToolMainWindow::spinbox_timer_timeout() {
    run_queue(*spinbox_queue);
}

void ZETQVToolMainWindow::update_silder_control_value(QSlider* control, int value) {
    if (control)
        control->setValue(value);
}

void ZETQVToolMainWindow::update_spinbox_control_value(QSpinBox* control, int value) {
    if (control)
        control->setValue(value);
}

void ZETQVToolMainWindow::on_save_settings_pushButton_clicked() {
    // The display answers once it has saved, and is given a second more.
    LongAction action(*this, *g_basic_monitor, ui.statusBar,
                      tr("Saving all settings in the display..."));
    if (!action)
        return;
    if (action.finish(g_basic_monitor->save_current_settings(),
                      tr("All settings saved in the display.")) == 0)
        emit settings_dirty(false);
}

void ZETQVToolMainWindow::on_reload_settings_pushButton_clicked() {
    // As a page switch does: what the refresh finds replaces what was said before.
    ui.statusBar->showMessage(QString());
    refresh_current_page();
}

void ZETQVToolMainWindow::refresh_current_page() {
    tabChanged(ui.stackedWidget->currentIndex());
}

void ZETQVToolMainWindow::setting_dirty_changed(bool value) {
    QPushButton* button = ui.save_settings_pushButton;
    if (value) {
        const QString notice = QLatin1String(kDirtyNotice);
        if (!settings_dirty_flag)
            QToolTip::showText(button->mapToGlobal(QPoint(0, 0)), notice, button);
        button->setToolTip(notice);
        button->setIcon(QIcon(QStringLiteral(":/images/Resources/warning.png")));
    } else {
        button->setIcon(QIcon(QStringLiteral(":/images/Resources/blank16.png")));
        button->setToolTip(QString());
    }
    settings_dirty_flag = value;
}

void ZETQVToolMainWindow::communications_interface_verify() {
    if (!open_for_command()) {
        emit communications_test_result(2);
        return;
    }
    int result;
    {
        WaitCursor wait;
        uint current = 0, max = 0;
        unsigned char display_result = 0, type = 0;
        result = g_basic_monitor->get_parameter(OpCode::Brightness, &current, &max, &display_result,
                                                &type);
        close_after_command();
    }
    if (result != 0) {
        emit communications_test_result(2);
        show_error_status(result);
        showErrorMessageBox(this, result);
        return;
    }
    showConfirmation(ui.statusBar, tr("Communications with display successful"));
    emit communications_test_result(1);
}

void ZETQVToolMainWindow::auto_detect_monitor_ID() {
    // The question goes to all displays, so it needs no valid monitor ID: it is how a user
    // finds one.
    monitor_data all = interface_info();
    all.m_monitor_id = kAllDisplaysAddress;
    all.m_monitor_id_string = QStringLiteral("All");
    if (!open_interface(all))
        return;
    WaitCursor wait;
    uint current = 0, max = 0;
    unsigned char display_result = 0, type = 0;
    int result =
        g_basic_monitor->get_parameter(OpCode::MonitorId, &current, &max, &display_result, &type);
    // A refusal or an ID outside 1..100 is reported and the chosen ID stays: taking it would
    // select another display, a group, or nothing.
    if (result == 0 && display_result != 0)
        result = ResultCode::ReplyError;
    else if (result == 0 && (current < 1 || current > 100))
        result = ResultCode::IncorrectReply;
    if (result == 0) {
        monitor_data data = interface_info();
        data.m_monitor_id = int(current) + 0x40;
        ui.communications_interface_widget->set_interface_info(data);
    }
    show_error_status(result);
    close_after_command();
}
