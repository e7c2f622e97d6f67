#include "power_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "opcodes.h"
#include "page_lists.h"
#include "result_codes.h"

namespace {
constexpr unsigned char kPowerOn = 1;
constexpr unsigned char kPowerOff = 4;
constexpr int kStandbyTimeMax = 255;
constexpr int kSecondsPerStep = 5;

QString timeText(int steps) {
    return QStringLiteral("Time: %1 seconds").arg(steps * kSecondsPerStep);
}
} // namespace

PowerPages::PowerPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    PageLists::fill({{ui.power_save_mode_comboBox,
                      {{"Auto Power Save", 0}, {"Auto Standby", 1}, {"Power Save Off", 2}},
                      PageLists::Fill::SignalsBlocked}});
}

QList<QWidget*> PowerPages::pages() const {
    return {ui.power_control, ui.auto_power_save};
}

void PowerPages::refresh(QWidget* page) {
    const bool dummy = dummy_interface();
    if (page == ui.power_control)
        show_failure(update_power_tab(dummy));
    else if (page == ui.auto_power_save)
        show_failure(update_power_save_tab(dummy));
}

QList<QWidget*> PowerPages::read_controls(QWidget* page) const {
    if (page == ui.power_control)
        return {ui.power_state_label, ui.power_on_delay_horizontalSlider, ui.power_on_delay_label};
    if (page == ui.auto_power_save)
        return {ui.power_saving_mode_groupBox, ui.power_save_mode_comboBox,
                ui.power_save_time_spinBox,    ui.power_save_time_label,
                ui.standby_time_spinBox,       ui.standby_time_label};
    return {};
}

QList<QLineEdit*> PowerPages::result_lines(QWidget* page) const {
    if (page == ui.auto_power_save)
        return {ui.power_save_status_lineEdit};
    return {};
}

int PowerPages::update_power_tab(bool dummy) {
    PageRead pass(read_controls(ui.power_control), dummy);
    unsigned char state = 0;
    const int result = monitor->power_status_read(&state);
    // Without the power state the delay is not read.
    if (pass.read(result, {ui.power_state_label}, [&] { update_power_status(state); }) != 0)
        return pass.failure();
    uint current = 0, max = 0;
    const int delay = monitor->get_vcp_value_max(OpCode::PowerOnDelay, &current, &max);
    pass.read(delay, {ui.power_on_delay_horizontalSlider, ui.power_on_delay_label}, [&] {
        ui.power_on_delay_horizontalSlider->setMaximum(int(max));
        ui.power_on_delay_horizontalSlider->setValue(int(current));
        update_power_on_delay_label(int(current));
    });
    return pass.failure();
}

void PowerPages::update_power_status(int value) {
    QString text;
    if (value == 1)
        text = tr("<img src=\":/images/Resources/power-on16.png\">  On", "power status=on");
    else if (value == 2 || value == 3)
        text = tr("Standby", "power status=standby");
    else if (value == 4)
        text = tr("<img src=\":/images/Resources/power-off16.png\"> Off", "power status=off");
    ui.power_state_label->setText(text);
}

void PowerPages::update_power_on_delay_label(int value) {
    ui.power_on_delay_label->setText(value == 1 ? tr("%1 second").arg(value)
                                                : tr("%1 seconds").arg(value));
}

int PowerPages::update_power_save_tab(bool dummy) {
    // Every read decides only its own controls.
    PageRead pass(read_controls(ui.auto_power_save), dummy);
    uint value = 0;
    const int saving = monitor->get_vcp_value(OpCode::PowerSaving, &value);
    pass.read(saving, {ui.power_saving_mode_groupBox}, [&] { show_power_saving(value); });
    unsigned char mode = 0;
    const int mode_result = monitor->power_save_mode_read(&mode);
    pass.read(mode_result, {ui.power_save_mode_comboBox},
              [&] { select_by_data(ui.power_save_mode_comboBox, mode); });
    unsigned char time = 0;
    const int time_result = monitor->power_save_time_read(&time);
    pass.read(time_result, {ui.power_save_time_spinBox, ui.power_save_time_label}, [&] {
        ui.power_save_time_spinBox->setValue(time);
        ui.power_save_time_label->setText(timeText(time));
    });
    unsigned char standby = 0;
    const int standby_result = monitor->auto_standby_time_read(&standby);
    pass.read(standby_result, {ui.standby_time_spinBox, ui.standby_time_label}, [&] {
        ui.standby_time_spinBox->setMaximum(kStandbyTimeMax);
        ui.standby_time_spinBox->setValue(standby);
        ui.standby_time_label->setText(timeText(standby));
    });
    return pass.failure();
}

void PowerPages::show_power_saving(uint value) {
    (value >= 1 ? ui.power_saving_mode_enable_radioButton
                : ui.power_saving_mode_disable_radioButton)
        ->setChecked(true);
}

void PowerPages::power_control(unsigned char mode) {
    CommandScope frame(host);
    if (!frame)
        return;
    // The display answers with its power state, which is what the page shows.
    if (frame.report(monitor->power_control(&mode)) == 0)
        update_power_status(mode);
}

void PowerPages::on_power_on_pushButton_clicked() {
    power_control(kPowerOn);
}

void PowerPages::on_power_off_pushButton_clicked() {
    power_control(kPowerOff);
}

void PowerPages::on_power_on_delay_horizontalSlider_valueChanged(int value) {
    host.queue_slider_change(ui.power_on_delay_horizontalSlider, OpCode::PowerOnDelay);
    update_power_on_delay_label(value);
}

void PowerPages::on_power_save_mode_comboBox_currentIndexChanged(int) {
    write_in_frame(
        {ui.power_save_mode_comboBox}, ui.power_save_status_lineEdit, [this](CommandScope& frame) {
            const auto mode =
                static_cast<unsigned char>(ui.power_save_mode_comboBox->currentData().toInt());
            int display_result = 0;
            const int result = monitor->power_save_mode_write(mode, &display_result);
            const int took = command_result(result, display_result);
            frame.report(ControlState::status_code(took));
            if (result == 0)
                ui.power_save_status_lineEdit->setText(QStringLiteral("%1 (%2)")
                                                           .arg(display_result)
                                                           .arg(display_result == 0
                                                                    ? QStringLiteral("no error")
                                                                    : QStringLiteral("error")));
            return took;
        });
}

void PowerPages::on_power_save_time_spinBox_valueChanged(int value) {
    ui.power_save_status_lineEdit->clear();
    ui.power_save_time_label->setText(timeText(value));
    host.queue_spinbox_write(ui.power_save_time_spinBox, PowerSaveTimeKey,
                             [this] { power_save_time_write(); });
}

void PowerPages::on_standby_time_spinBox_valueChanged(int value) {
    ui.power_save_status_lineEdit->clear();
    ui.standby_time_label->setText(timeText(value));
    host.queue_spinbox_write(ui.standby_time_spinBox, StandbyTimeKey,
                             [this] { standby_time_write_pushButton(); });
}

void PowerPages::on_power_saving_mode_enable_radioButton_toggled(bool on) {
    if (on)
        write_power_saving(1);
}

void PowerPages::on_power_saving_mode_disable_radioButton_toggled(bool on) {
    if (on)
        write_power_saving(0);
}

void PowerPages::write_power_saving(uint value) {
    write_value(OpCode::PowerSaving, value, {ui.power_saving_mode_groupBox},
                [this](uint held) { show_power_saving(held); });
}

void PowerPages::write_time(QSpinBox* spin) {
    int result = ResultCode::NotConnected;
    int display_result = 0;
    write_in_frame({spin}, ui.power_save_status_lineEdit, [&](CommandScope& frame) {
        const auto time = static_cast<unsigned char>(spin->value());
        result = spin == ui.standby_time_spinBox
                     ? monitor->auto_standby_time_write(time, &display_result)
                     : monitor->power_save_time_write(time, &display_result);
        const int took = command_result(result, display_result);
        frame.report(ControlState::status_code(took));
        return took;
    });
    // After the spin box is settled: one put back clears the status line as a user's change
    // does.
    if (result == 0)
        ui.power_save_status_lineEdit->setText(reply_status_text(display_result));
}

void PowerPages::power_save_time_write() {
    write_time(ui.power_save_time_spinBox);
}

void PowerPages::standby_time_write_pushButton() {
    write_time(ui.standby_time_spinBox);
}
