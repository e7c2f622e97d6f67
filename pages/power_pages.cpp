#include "power_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"

#include <QSignalBlocker>

namespace {
constexpr uint kPowerOnDelayOpcode = 0x02D8;
constexpr uint kPowerSavingOpcode = 0x00E1;
constexpr unsigned char kPowerOn = 1;
constexpr unsigned char kPowerOff = 4;
constexpr int kStandbyTimeMax = 255;
constexpr int kSecondsPerStep = 5;

QString timeText(int steps) {
    return QStringLiteral("Time: %1 seconds").arg(steps * kSecondsPerStep);
}
} // namespace

PowerPages::PowerPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {}

QList<QWidget*> PowerPages::pages() const {
    return {ui.power_control, ui.auto_power_save};
}

void PowerPages::refresh(QWidget* page) {
    if (page == ui.power_control)
        update_power_tab(dummy_interface());
    else if (page == ui.auto_power_save)
        update_power_save_tab(dummy_interface());
}

void PowerPages::update_power_tab(bool dummy) {
    FirstFailure failure;
    unsigned char state = 0;
    if (failure.note(monitor->power_status_read(&state)) != 0) {
        ui.power_state_label->setText(QString());
        host.show_error_status(failure.result());
        return;
    }
    update_power_status(state);
    uint current = 0, max = 0;
    if (failure.note(read_value_max(kPowerOnDelayOpcode, &current, &max,
                                    ui.power_on_delay_horizontalSlider, dummy)) == 0) {
        const QSignalBlocker blocker(ui.power_on_delay_horizontalSlider);
        ui.power_on_delay_horizontalSlider->setMaximum(int(max));
        ui.power_on_delay_horizontalSlider->setValue(int(current));
        update_power_on_delay_label(int(current));
    }
    host.show_error_status(failure.result());
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

void PowerPages::update_power_save_tab(bool dummy) {
    // Every read decides only its own control; the status bar shows the first failure.
    FirstFailure failure;
    ui.power_save_status_lineEdit->clear();
    uint value = 0;
    int result = failure.note(monitor->get_vcp_value(kPowerSavingOpcode, &value));
    ui.power_saving_mode_groupBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker a(ui.power_saving_mode_enable_radioButton);
        const QSignalBlocker b(ui.power_saving_mode_disable_radioButton);
        (value >= 1 ? ui.power_saving_mode_enable_radioButton
                    : ui.power_saving_mode_disable_radioButton)
            ->setChecked(true);
    }
    unsigned char byte = 0;
    result = failure.note(monitor->power_save_mode_read(&byte));
    ui.power_save_mode_comboBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_mode_comboBox);
        select_by_data(ui.power_save_mode_comboBox, byte);
    }
    result = failure.note(monitor->power_save_time_read(&byte));
    ui.power_save_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_time_spinBox);
        ui.power_save_time_spinBox->setValue(byte);
        ui.power_save_time_label->setText(timeText(byte));
    }
    result = failure.note(monitor->auto_standby_time_read(&byte));
    ui.standby_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.standby_time_spinBox);
        ui.standby_time_spinBox->setMaximum(kStandbyTimeMax);
        ui.standby_time_spinBox->setValue(byte);
        ui.standby_time_label->setText(timeText(byte));
    }
    host.show_error_status(failure.result());
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
    host.queue_slider_change(ui.power_on_delay_horizontalSlider, kPowerOnDelayOpcode);
    update_power_on_delay_label(value);
}

void PowerPages::on_power_save_mode_comboBox_currentIndexChanged(int) {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.power_save_status_lineEdit->clear();
    const auto mode =
        static_cast<unsigned char>(ui.power_save_mode_comboBox->currentData().toInt());
    int display_result = 0;
    if (frame.report(monitor->power_save_mode_write(mode, &display_result)) == 0)
        ui.power_save_status_lineEdit->setText(
            QStringLiteral("%1 (%2)")
                .arg(display_result)
                .arg(display_result == 0 ? QStringLiteral("no error") : QStringLiteral("error")));
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
    uint value = 1;
    if (on)
        host.update_vcp(kPowerSavingOpcode, value);
}

void PowerPages::on_power_saving_mode_disable_radioButton_toggled(bool on) {
    uint value = 0;
    if (on)
        host.update_vcp(kPowerSavingOpcode, value);
}

void PowerPages::write_time(QSpinBox* spin) {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.power_save_status_lineEdit->clear();
    const auto time = static_cast<unsigned char>(spin->value());
    int display_result = 0;
    const int result = spin == ui.standby_time_spinBox
                           ? monitor->auto_standby_time_write(time, &display_result)
                           : monitor->power_save_time_write(time, &display_result);
    if (frame.report(result) == 0)
        ui.power_save_status_lineEdit->setText(reply_status_text(display_result));
}

void PowerPages::power_save_time_write() {
    write_time(ui.power_save_time_spinBox);
}

void PowerPages::standby_time_write_pushButton() {
    write_time(ui.standby_time_spinBox);
}
