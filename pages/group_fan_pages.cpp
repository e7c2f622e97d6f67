#include "group_fan_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "opcodes.h"
#include "page_lists.h"
#include "string_resource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>

namespace {
// A display can report any maximum; never make more list items than this from one.
constexpr uint kMaxListedSensors = 32;
constexpr int kFanSpeeds = 2;
} // namespace

GroupFanPages::GroupFanPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    PageLists::fill({{ui.cooling_fan_speed_comboBox,
                      PageLists::resource_range(StringId::FanSpeeds, kFanSpeeds)}});
    for (QCheckBox* box : group_boxes())
        connect(box, &QCheckBox::stateChanged, this,
                &GroupFanPages::update_monitor_group_ID_from_ui);
    const QList<Sensor> fan_sensors = sensors();
    for (int n = 0; n < fan_sensors.size(); ++n) {
        QSlider* slider = fan_sensors[n].slider;
        const uint opcode = FanSetTemperatures[n];
        PageLists::pair(slider, fan_sensors[n].spin);
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
        show_failure(update_group_ID_ui());
    else if (page == ui.cooling_fans)
        show_failure(update_cooling_fans_tab(dummy_interface()));
}

QList<QWidget*> GroupFanPages::read_controls(QWidget* page) const {
    if (page == ui.group_id)
        return {ui.group_ID_groupBox};
    if (page == ui.cooling_fans)
        return fan_lists() + fan_controls();
    return {};
}

QList<QWidget*> GroupFanPages::fan_lists() const {
    return {ui.cooling_fan_sensor_comboBox, ui.cooling_fan_speed_comboBox};
}

QList<QWidget*> GroupFanPages::fan_controls() const {
    QList<QWidget*> controls{ui.cooling_fan_mode_comboBox, ui.fan_sensor_temp_groupBox};
    for (const Sensor& sensor : sensors())
        controls << sensor.slider << sensor.spin;
    return controls;
}

QList<GroupFanPages::Sensor> GroupFanPages::sensors() const {
    return {{ui.fan_sensor1_temp_horizontalSlider, ui.fan_sensor1_temp_spinBox},
            {ui.fan_sensor2_temp_horizontalSlider, ui.fan_sensor2_temp_spinBox},
            {ui.fan_sensor3_temp_horizontalSlider, ui.fan_sensor3_temp_spinBox}};
}

QList<QCheckBox*> GroupFanPages::group_boxes() const {
    return {ui.group_ID_a_checkBox, ui.group_ID_b_checkBox, ui.group_ID_c_checkBox,
            ui.group_ID_d_checkBox, ui.group_ID_e_checkBox, ui.group_ID_f_checkBox,
            ui.group_ID_g_checkBox, ui.group_ID_h_checkBox, ui.group_ID_i_checkBox,
            ui.group_ID_j_checkBox};
}

int GroupFanPages::update_group_ID_ui() {
    PageRead pass(read_controls(ui.group_id));
    uint current = 0, max = 0;
    const int result = monitor->get_vcp_value_max(OpCode::GroupMask, &current, &max);
    pass.read(result, {ui.group_ID_groupBox}, [&] {
        const QList<QCheckBox*> boxes = group_boxes();
        for (int bit = 0; bit < boxes.size(); ++bit)
            boxes[bit]->setChecked(current & (1u << bit));
    });
    return pass.failure();
}

void GroupFanPages::update_monitor_group_ID_from_ui() {
    const QList<QCheckBox*> boxes = group_boxes();
    uint mask = 0;
    for (int bit = 0; bit < boxes.size(); ++bit)
        if (boxes[bit]->isChecked())
            mask |= 1u << bit;
    write_in_frame({ui.group_ID_groupBox}, [this, mask](CommandScope& frame) mutable {
        const int result = monitor->set_vcp_value(OpCode::GroupMask, &mask);
        FirstFailure failure;
        failure.note(ControlState::status_code(result));
        if (result == 0) {
            host.set_settings_dirty(true);
            failure.note(update_group_ID_ui());
        }
        frame.report(failure.result());
        return result;
    });
}

void GroupFanPages::queue_fan_temperature(QSlider* slider, uint opcode) {
    host.queue_slider_write(slider, opcode, [this, slider, opcode] {
        host.write_slider_value(slider, opcode);
        host.refresh_current_page();
    });
}

void GroupFanPages::write_fan_choice(QComboBox* combo, int index, uint opcode, bool refresh) {
    const bool dummy = dummy_interface();
    write_choice(combo, index, opcode,
                 [this, refresh, dummy] { return refresh ? update_cooling_fans_tab(dummy) : 0; });
}

void GroupFanPages::onCooling_fan_sensor_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_sensor_comboBox, index, OpCode::SensorSelect, true);
}

void GroupFanPages::onCooling_fan_mode_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_mode_comboBox, index, OpCode::FanMode, true);
}

void GroupFanPages::onCooling_fan_speed_comboBoxChanged(int index) {
    write_fan_choice(ui.cooling_fan_speed_comboBox, index, OpCode::FanSpeed, false);
}

int GroupFanPages::update_cooling_fans_tab(bool dummy) {
    // With the dummy interface the sensor and speed lists stay usable; nothing else is read.
    PageRead lists(fan_lists(), dummy);
    PageRead pass(fan_controls());
    uint current = 0, max = 0;
    int result = monitor->get_vcp_value_max(OpCode::SensorSelect, &current, &max);
    lists.read(result, {ui.cooling_fan_sensor_comboBox}, [&] {
        ui.cooling_fan_sensor_comboBox->clear();
        for (uint i = 1; i <= qMin(max, kMaxListedSensors); ++i)
            ui.cooling_fan_sensor_comboBox->addItem(
                StringResource(StringId::FanSensorNumber).arg(i), i);
        select_by_data(ui.cooling_fan_sensor_comboBox, current);
    });
    result = monitor->get_vcp_value_max(OpCode::FanSpeed, &current, &max);
    lists.read(result, {ui.cooling_fan_speed_comboBox},
               [&] { select_by_data(ui.cooling_fan_speed_comboBox, current); });
    FirstFailure failure;
    failure.note(lists.failure());
    if (!dummy)
        failure.note(read_fan_controls(pass));
    return failure.result();
}

int GroupFanPages::read_fan_controls(PageRead& pass) {
    uint current = 0, max = 0;
    int result = monitor->get_vcp_value_max(OpCode::FanMode, &current, &max);
    pass.read(result, {ui.cooling_fan_mode_comboBox}, [&] {
        ui.cooling_fan_mode_comboBox->clear();
        // Mode 2 comes before mode 1, then 3 to 7, as far as the maximum reaches.
        for (const uint mode : {2u, 1u, 3u, 4u, 5u, 6u, 7u})
            if (max >= mode)
                ui.cooling_fan_mode_comboBox->addItem(
                    StringResource(StringId::FanModes + int(mode)), mode);
        select_by_data(ui.cooling_fan_mode_comboBox, current);
    });
    // The first sensor's set temperature stands for the group.
    uint set_current = 0, set_max = 0;
    result = monitor->get_vcp_value_max(FanSetTemperatures[0], &set_current, &set_max);
    if (pass.read(result, {ui.fan_sensor_temp_groupBox}) != 0)
        return pass.failure();
    const QList<Sensor> rows = sensors();
    for (int n = 0; n < rows.size(); ++n) {
        const uint set_opcode = FanSetTemperatures[n];
        if (n > 0)
            result = monitor->get_vcp_value_max(set_opcode, &set_current, &set_max);
        // A sensor is shown only with its range: without it the slider has no true limits.
        uint range_current = 0, range = 0;
        if (result == 0)
            result = monitor->get_vcp_value_max(set_opcode + 1, &range_current, &range);
        const Sensor& sensor = rows[n];
        if (PageRead::ends(pass.read(result, {sensor.slider, sensor.spin}, [&] {
                sensor.slider->setRange(int(set_max) - int(range), int(set_max));
                sensor.slider->setValue(int(set_current));
                sensor.spin->setRange(int(set_max) - int(range), int(set_max));
                sensor.spin->setValue(int(set_current));
            })))
            break;
    }
    return pass.failure();
}
