#include "power_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"

#include <QSignalBlocker>

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
    unsigned char state = 0;
    const int result = monitor->power_status_read(&state);
    host.show_error_status(result);
    if (result != 0) {
        ui.power_state_label->setText(QString());
        return;
    }
    update_power_status(state);
    uint current = 0, max = 0;
    if (read_value_max(0x02D8, &current, &max, ui.power_on_delay_horizontalSlider, dummy) != 0)
        return;
    const QSignalBlocker blocker(ui.power_on_delay_horizontalSlider);
    ui.power_on_delay_horizontalSlider->setMaximum(int(max));
    ui.power_on_delay_horizontalSlider->setValue(int(current));
    update_power_on_delay_label(int(current));
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
    ui.power_save_status_lineEdit->clear();
    uint value = 0;
    int result = monitor->get_vcp_value(0x00E1, &value);
    host.show_error_status(result);
    ui.power_saving_mode_groupBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker a(ui.power_saving_mode_enable_radioButton);
        const QSignalBlocker b(ui.power_saving_mode_disable_radioButton);
        (value >= 1 ? ui.power_saving_mode_enable_radioButton
                    : ui.power_saving_mode_disable_radioButton)
            ->setChecked(true);
    }
    unsigned char byte = 0;
    result = monitor->power_save_mode_read(&byte);
    ui.power_save_mode_comboBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_mode_comboBox);
        select_by_data(ui.power_save_mode_comboBox, byte);
    }
    result = monitor->power_save_time_read(&byte);
    ui.power_save_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_time_spinBox);
        ui.power_save_time_spinBox->setValue(byte);
        ui.power_save_time_label->setText(tr("Time: %1 seconds").arg(byte * 5));
    }
    result = monitor->auto_standby_time_read(&byte);
    ui.standby_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.standby_time_spinBox);
        ui.standby_time_spinBox->setMaximum(255);
        ui.standby_time_spinBox->setValue(byte);
        ui.standby_time_label->setText(tr("Time: %1 seconds").arg(byte * 5));
        ui.statusBar->showMessage(QString());
    } else {
        host.show_error_status(result);
    }
}

void PowerPages::standby_time_write_pushButton() {
    CommandScope frame(host);
    if (!frame)
        return;
    ui.power_save_status_lineEdit->clear();
    int display_result = 0;
    const int result = frame.report(monitor->auto_standby_time_write(
        static_cast<unsigned char>(ui.standby_time_spinBox->value()), &display_result));
    if (result == 0)
        ui.power_save_status_lineEdit->setText(
            QStringLiteral("%1 (%2)")
                .arg(display_result)
                .arg(display_result == 0 ? QStringLiteral("OK") : QStringLiteral("Error")));
}
