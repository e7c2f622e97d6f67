#include "group_fan_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "string_resource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
// A display can report any maximum; never make more list items than this from one.
constexpr uint kMaxListedSensors = 32;
constexpr uint kGroupMaskOpcode = 0x107F;
constexpr uint kSensorOpcode = 0x0278;
constexpr uint kFanModeOpcode = 0x027D;
constexpr uint kFanSpeedOpcode = 0x103F;
} // namespace

GroupFanPages::GroupFanPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    for (QCheckBox* box : group_boxes())
        connect(box, &QCheckBox::stateChanged, this,
                &GroupFanPages::update_monitor_group_ID_from_ui);
    QSlider* const sliders[] = {ui.fan_sensor1_temp_horizontalSlider,
                                ui.fan_sensor2_temp_horizontalSlider,
                                ui.fan_sensor3_temp_horizontalSlider};
    for (int n = 0; n < 3; ++n) {
        QSlider* slider = sliders[n];
        const uint opcode = FanSetTemperatures[n];
        connect(slider, &QSlider::valueChanged, this,
                [this, slider, opcode] { queue_fan_temperature(slider, opcode); });
    }
    const auto changed = qOverload<int>(&QComboBox::currentIndexChanged);
    connect(ui.cooling_fan_sensor_comboBox, changed, this,
            &GroupFanPages::onCooling_fan_sensor_comboBoxChanged);
    connect(ui.cooling_fan_mode_comboBox, changed, this,
            &GroupFanPages::onCooling_fan_mode_comboBoxChanged);
    connect(ui.cooling_fan_speed_comboBox, changed, this,
            &GroupFanPages::onCooling_fan_speed_comboBoxChanged);
}

QList<QWidget*> GroupFanPages::pages() const {
    return {ui.group_id, ui.cooling_fans};
}

void GroupFanPages::refresh(QWidget* page) {
    if (page == ui.group_id)
        update_group_ID_ui();
    else if (page == ui.cooling_fans) {
        FirstFailure failure;
        update_cooling_fans_tab(dummy_interface(), failure);
        host.show_error_status(failure.result());
    }
}

QList<QCheckBox*> GroupFanPages::group_boxes() const {
    return {ui.group_ID_a_checkBox, ui.group_ID_b_checkBox, ui.group_ID_c_checkBox,
            ui.group_ID_d_checkBox, ui.group_ID_e_checkBox, ui.group_ID_f_checkBox,
            ui.group_ID_g_checkBox, ui.group_ID_h_checkBox, ui.group_ID_i_checkBox,
            ui.group_ID_j_checkBox};
}

void GroupFanPages::update_group_ID_ui() {
    uint current = 0, max = 0;
    if (read_value_max(kGroupMaskOpcode, &current, &max, ui.group_ID_groupBox, false) != 0)
        return;
    const QList<QCheckBox*> boxes = group_boxes();
    for (int bit = 0; bit < boxes.size(); ++bit) {
        const QSignalBlocker blocker(boxes[bit]);
        boxes[bit]->setChecked(current & (1u << bit));
    }
}

void GroupFanPages::update_monitor_group_ID_from_ui() {
    const QList<QCheckBox*> boxes = group_boxes();
    uint mask = 0;
    for (int bit = 0; bit < boxes.size(); ++bit)
        if (boxes[bit]->isChecked())
            mask |= 1u << bit;
    CommandScope frame(host);
    if (!frame)
        return;
    if (frame.report(monitor->set_vcp_value(kGroupMaskOpcode, &mask)) == 0) {
        host.set_settings_dirty(true);
        update_group_ID_ui();
    }
}

void GroupFanPages::queue_fan_temperature(QSlider* slider, uint opcode) {
    host.queue_slider_write(slider, opcode, [this, slider, opcode] {
        host.write_slider_value(slider, opcode);
        host.refresh_current_page();
    });
}

void GroupFanPages::write_fan_choice(QComboBox* combo, int index, uint opcode, bool refresh) {
    CommandScope frame(host);
    if (!frame)
        return;
    const bool dummy = dummy_interface();
    // Blocked until the page is read again: rebuilding the lists must write nothing.
    const QSignalBlocker blocker(combo);
    FirstFailure failure;
    failure.note(write_combo_value(combo, index, opcode));
    if (refresh)
        update_cooling_fans_tab(dummy, failure);
    frame.report(failure.result());
}

void GroupFanPages::onCooling_fan_sensor_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_sensor_comboBox, index, kSensorOpcode, true);
}

void GroupFanPages::onCooling_fan_mode_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_mode_comboBox, index, kFanModeOpcode, true);
}

void GroupFanPages::onCooling_fan_speed_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_speed_comboBox, index, kFanSpeedOpcode, false);
}

void GroupFanPages::update_cooling_fans_tab(bool dummy, FirstFailure& failure) {
    uint current = 0, max = 0;
    int result = failure.note(
        read_value_max(kSensorOpcode, &current, &max, ui.cooling_fan_sensor_comboBox, dummy));
    if (result == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_sensor_comboBox);
        ui.cooling_fan_sensor_comboBox->clear();
        for (uint i = 1; i <= qMin(max, kMaxListedSensors); ++i)
            ui.cooling_fan_sensor_comboBox->addItem(StringResource(1601).arg(i), i);
        select_by_data(ui.cooling_fan_sensor_comboBox, current);
    }
    if (failure.note(read_value_max(kFanSpeedOpcode, &current, &max, ui.cooling_fan_speed_comboBox,
                                    dummy)) == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_speed_comboBox);
        select_by_data(ui.cooling_fan_speed_comboBox, current);
    }
    if (dummy)
        return;
    if (failure.note(read_value_max(kFanModeOpcode, &current, &max, ui.cooling_fan_mode_comboBox,
                                    dummy, false)) == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_mode_comboBox);
        ui.cooling_fan_mode_comboBox->clear();
        // Mode 2 comes before mode 1, then 3 to 7, as far as the maximum reaches.
        const QList<QPair<uint, int>> modes = {{2, 1702}, {1, 1701}, {3, 1703}, {4, 1704},
                                               {5, 1705}, {6, 1706}, {7, 1707}};
        for (const auto& m : modes)
            if (max >= m.first)
                ui.cooling_fan_mode_comboBox->addItem(StringResource(m.second), m.first);
        select_by_data(ui.cooling_fan_mode_comboBox, current);
    }
    uint set_current = 0, set_max = 0;
    if (failure.note(read_value_max(FanSetTemperatures[0], &set_current, &set_max,
                                    ui.fan_sensor_temp_groupBox, dummy, false)) != 0)
        return;
    const QList<QPair<QSlider*, QSpinBox*>> sensors = {
        {ui.fan_sensor1_temp_horizontalSlider, ui.fan_sensor1_temp_spinBox},
        {ui.fan_sensor2_temp_horizontalSlider, ui.fan_sensor2_temp_spinBox},
        {ui.fan_sensor3_temp_horizontalSlider, ui.fan_sensor3_temp_spinBox}};
    for (int n = 0; n < sensors.size(); ++n) {
        QSlider* slider = sensors[n].first;
        QSpinBox* spin = sensors[n].second;
        const uint set_opcode = FanSetTemperatures[n];
        if (n > 0) {
            result = failure.note(monitor->get_vcp_value_max(set_opcode, &set_current, &set_max));
            slider->setEnabled(result == 0);
            spin->setEnabled(result == 0);
            if (result != 0)
                return;
        }
        uint range_current = 0, range = 0;
        result = failure.note(monitor->get_vcp_value_max(set_opcode + 1, &range_current, &range));
        if (n == 0) {
            slider->setEnabled(result == 0);
            spin->setEnabled(result == 0);
        }
        if (result != 0)
            continue;
        const QSignalBlocker a(slider), b(spin);
        slider->setRange(int(set_max) - int(range), int(set_max));
        slider->setValue(int(set_current));
        spin->setRange(int(set_max) - int(range), int(set_max));
        spin->setValue(int(set_current));
    }
}
