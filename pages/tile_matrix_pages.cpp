#include "tile_matrix_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "lm_display_array_size_diagram_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
constexpr int kDummyMaxMonitors = 10;
constexpr uint kColumnsOpcode = 0x02D0;
constexpr uint kRowsOpcode = 0x02D1;
constexpr uint kPositionOpcode = 0x02D2;
constexpr uint kTileMatrixModeOpcode = 0x02D3;
constexpr uint kTileCompOpcode = 0x02D5;
constexpr uint kMemoryOpcode = 0x104A;
constexpr uint kFrameCompModeOpcode = 0x1101;
constexpr uint kFrameCompAutoOpcode = 0x1102;
constexpr uint kFrameCompManualOpcode = 0x1103;
constexpr uint kVScanModeOpcode = 0x1104;
constexpr uint kVScanManualOpcode = 0x1105;
constexpr uint kModeOn = 2;
constexpr uint kModeOffWithFrame = 1;
constexpr uint kModeOffHideFrame = 3;
constexpr uint kTileCompOn = 2;
constexpr uint kTileCompOff = 1;
// Frame compensation travels in hundredths.
constexpr double kHundredths = 100.0;
} // namespace

TileMatrixPages::TileMatrixPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    ui.display_array_size_diagram_widget->showHover(true);
    ui.display_array_size_diagram_widget->showCurrentlySelectedDisplay(true);
    connect(ui.display_array_size_diagram_widget, &LM_display_array_size_diagram_widget::clicked,
            this, &TileMatrixPages::tile_matrix_selection_changed);
    connect(this, &TileMatrixPages::update_tile_matrix_selection,
            ui.display_array_size_diagram_widget,
            &LM_display_array_size_diagram_widget::setCurrentlySelectedDisplay);
    frame_comp_spinbox_timer.setSingleShot(true);
    connect(&frame_comp_spinbox_timer, &QTimer::timeout, this,
            &TileMatrixPages::frame_comp_spinbox_timer_timeout);
}

QList<QWidget*> TileMatrixPages::pages() const {
    return {ui.tile_matrix, ui.tile_matrix_advanced};
}

void TileMatrixPages::refresh(QWidget* page) {
    const bool dummy = dummy_interface();
    if (page == ui.tile_matrix)
        dummy ? show_dummy_tile_matrix() : update_tile_matrix_tab();
    else if (page == ui.tile_matrix_advanced)
        dummy ? show_dummy_tile_matrix_advanced() : update_tile_matrix_advanced_tab();
}

void TileMatrixPages::show_dummy_tile_matrix() {
    // Not blocked: the spin boxes' own handlers follow, as after a user's change.
    for (QSpinBox* spin : {ui.horizontal_monitors_spinBox, ui.vertical_monitors_spinBox}) {
        spin->setMaximum(kDummyMaxMonitors);
        spin->setValue(1);
    }
    ui.display_array_size_diagram_widget->setColumns(1);
    ui.display_array_size_diagram_widget->setRows(1);
    ui.display_array_size_diagram_widget->setCurrentlySelectedDisplay(0, 0);
    ui.enable_tile_matrix_groupBox->setEnabled(true);
}

void TileMatrixPages::show_dummy_tile_matrix_advanced() {
    for (QWidget* w : std::initializer_list<QWidget*>{
             ui.use_tile_comp_checkBox, ui.tile_matrix_memory_comboBox, ui.frame_comp_mode_comboBox,
             ui.v_scan_reverse_mode_comboBox, ui.v_scan_reverse_manual_comboBox})
        w->setEnabled(true);
}

void TileMatrixPages::select_position(uint position, uint columns) {
    // Positions count from 1; a 0 names no tile and leaves the selection as it was.
    if (columns == 0 || position == 0)
        return;
    ui.display_array_size_diagram_widget->setCurrentlySelectedDisplay(
        int((position - 1) % columns), int((position - 1) / columns));
}

void TileMatrixPages::update_tile_matrix_tab() {
    LM_display_array_size_diagram_widget* diagram = ui.display_array_size_diagram_widget;
    uint columns = 0, rows = 0, max = 0;
    if (read_value_max(kColumnsOpcode, &columns, &max, ui.horizontal_monitors_spinBox, false) ==
        0) {
        const QSignalBlocker blocker(ui.horizontal_monitors_spinBox);
        ui.horizontal_monitors_spinBox->setMaximum(int(max));
        ui.horizontal_monitors_spinBox->setValue(int(columns));
        diagram->setColumns(int(columns));
    } else {
        columns = 0;
    }
    const int result =
        read_value_max(kRowsOpcode, &rows, &max, ui.vertical_monitors_spinBox, false);
    diagram->setEnabled(result == 0);
    if (result == 0) {
        const QSignalBlocker blocker(ui.vertical_monitors_spinBox);
        ui.vertical_monitors_spinBox->setMaximum(int(max));
        ui.vertical_monitors_spinBox->setValue(int(rows));
        diagram->setRows(int(rows));
    }
    uint position = 0;
    if (monitor->get_vcp_value_max(kPositionOpcode, &position, &max) == 0)
        select_position(position, columns);
    uint mode = 0;
    if (read_value_max(kTileMatrixModeOpcode, &mode, &max, ui.enable_tile_matrix_groupBox, false) ==
        0) {
        const QSignalBlocker blocker(ui.enable_tile_matrix_groupBox);
        ui.enable_tile_matrix_groupBox->setChecked(mode == kModeOn);
    }
}

void TileMatrixPages::update_tile_matrix_advanced_tab() {
    uint current = 0, max = 0;
    if (read_value_max(kTileCompOpcode, &current, &max, ui.use_tile_comp_checkBox, false) == 0) {
        const QSignalBlocker blocker(ui.use_tile_comp_checkBox);
        ui.use_tile_comp_checkBox->setCheckState(current > 1 ? Qt::Checked : Qt::Unchecked);
    }
    if (read_value_max(kMemoryOpcode, &current, &max, ui.tile_matrix_memory_groupBox, false) == 0) {
        const QSignalBlocker blocker(ui.tile_matrix_memory_comboBox);
        select_by_data(ui.tile_matrix_memory_comboBox, current);
    }
    const QList<QPair<QDoubleSpinBox*, uint>> values = {
        {ui.frame_comp_auto_value_doubleSpinBox, kFrameCompAutoOpcode},
        {ui.frame_comp_manual_value_doubleSpinBox, kFrameCompManualOpcode}};
    if (read_value_max(kFrameCompModeOpcode, &current, &max, ui.frame_comp_groupBox, false) == 0) {
        {
            const QSignalBlocker blocker(ui.frame_comp_mode_comboBox);
            select_by_data(ui.frame_comp_mode_comboBox, current);
        }
        for (const auto& value : values)
            if (read_value_max(value.second, &current, &max, value.first, false) == 0) {
                const QSignalBlocker blocker(value.first);
                value.first->setMaximum(max / kHundredths);
                value.first->setValue(current / kHundredths);
            }
    } else {
        for (const auto& value : values)
            value.first->setEnabled(false);
    }
    if (read_value_max(kVScanModeOpcode, &current, &max, ui.v_scan_reverse_groupBox, false) != 0) {
        ui.v_scan_reverse_manual_comboBox->setEnabled(false);
        return;
    }
    {
        const QSignalBlocker blocker(ui.v_scan_reverse_mode_comboBox);
        select_by_data(ui.v_scan_reverse_mode_comboBox, current);
    }
    if (read_value_max(kVScanManualOpcode, &current, &max, ui.v_scan_reverse_manual_comboBox,
                       false) == 0) {
        const QSignalBlocker blocker(ui.v_scan_reverse_manual_comboBox);
        select_by_data(ui.v_scan_reverse_manual_comboBox, current);
    }
}

void TileMatrixPages::on_enable_tile_matrix_groupBox_toggled(bool on) {
    CommandScope frame(host);
    if (!frame)
        return;
    uint current = 0, max = 0;
    int result = monitor->get_vcp_value_max(kTileMatrixModeOpcode, &current, &max);
    if (result == 0) {
        // Off keeps the frame on displays that know only two modes.
        uint mode = on ? kModeOn : max == 2 ? kModeOffWithFrame : kModeOffHideFrame;
        result = monitor->set_vcp_value(kTileMatrixModeOpcode, &mode);
        if (result == 0)
            host.set_settings_dirty(true);
    }
    frame.report(result);
}

void TileMatrixPages::resize_diagram(uint opcode, int value) {
    if (opcode == kColumnsOpcode)
        ui.display_array_size_diagram_widget->setColumns(value);
    else
        ui.display_array_size_diagram_widget->setRows(value);
}

void TileMatrixPages::write_wall_size(uint opcode, int value) {
    {
        CommandScope frame(host);
        if (!frame)
            return;
        uint written = uint(value);
        int result = monitor->set_vcp_value(opcode, &written);
        if (result == 0) {
            host.set_settings_dirty(true);
            resize_diagram(opcode, int(written));
            uint columns = 0, max = 0;
            result = monitor->get_vcp_value_max(kColumnsOpcode, &columns, &max);
            if (result == 0 && columns != 0) {
                uint position = 0;
                result = monitor->get_vcp_value_max(kPositionOpcode, &position, &max);
                if (result == 0)
                    select_position(position, columns);
            }
        }
        frame.report(result);
    }
    // With no display attached the diagram follows the spin box.
    if (dummy_interface())
        resize_diagram(opcode, value);
}

void TileMatrixPages::on_horizontal_monitors_spinBox_valueChanged(int value) {
    write_wall_size(kColumnsOpcode, value);
}

void TileMatrixPages::on_vertical_monitors_spinBox_valueChanged(int value) {
    write_wall_size(kRowsOpcode, value);
}

void TileMatrixPages::tile_matrix_selection_changed(int x, int y) {
    CommandScope frame(host);
    if (!frame)
        return;
    if (dummy_interface()) {
        uint position = uint(ui.horizontal_monitors_spinBox->value() * y + x + 1);
        frame.report(monitor->set_vcp_value(kPositionOpcode, &position));
        emit update_tile_matrix_selection(x, y);
        return;
    }
    uint columns = 0, max = 0;
    int result = monitor->get_vcp_value_max(kColumnsOpcode, &columns, &max);
    if (result == 0) {
        uint position = columns * uint(y) + uint(x) + 1;
        result = monitor->set_vcp_value(kPositionOpcode, &position);
        if (result == 0) {
            host.set_settings_dirty(true);
            // The selection moves only once the display has taken the position.
            emit update_tile_matrix_selection(x, y);
        }
    }
    frame.report(result);
}

void TileMatrixPages::on_use_tile_comp_checkBox_stateChanged(int state) {
    CommandScope frame(host);
    if (!frame)
        return;
    uint value = state != Qt::Unchecked ? kTileCompOn : kTileCompOff;
    if (frame.report(monitor->set_vcp_value(kTileCompOpcode, &value)) == 0)
        host.set_settings_dirty(true);
}

int TileMatrixPages::write_current_choice(QComboBox* combo, uint opcode) {
    const int data = combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
    if (data < 0)
        return 0;
    uint value = uint(data);
    const int result = monitor->set_vcp_value(opcode, &value);
    if (result == 0)
        host.set_settings_dirty(true);
    return result;
}

void TileMatrixPages::on_tile_matrix_memory_comboBox_currentIndexChanged(int) {
    CommandScope frame(host);
    if (frame)
        frame.report(write_current_choice(ui.tile_matrix_memory_comboBox, kMemoryOpcode));
}

void TileMatrixPages::write_mode_choice(QComboBox* combo, uint opcode) {
    {
        CommandScope frame(host);
        if (!frame)
            return;
        frame.report(write_current_choice(combo, opcode));
    }
    // The controls that depend on the mode follow it.
    host.refresh_current_page();
}

void TileMatrixPages::on_frame_comp_mode_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.frame_comp_mode_comboBox, kFrameCompModeOpcode);
}

void TileMatrixPages::on_v_scan_reverse_mode_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.v_scan_reverse_mode_comboBox, kVScanModeOpcode);
}

void TileMatrixPages::on_v_scan_reverse_manual_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.v_scan_reverse_manual_comboBox, kVScanManualOpcode);
}

void TileMatrixPages::start_frame_comp_timer() {
    frame_comp_spinbox_timer.start(FrameCompensationWaitMs);
}

void TileMatrixPages::on_frame_comp_auto_value_doubleSpinBox_valueChanged(double) {
    frame_comp_auto_value_changed = true;
    start_frame_comp_timer();
}

void TileMatrixPages::on_frame_comp_manual_value_doubleSpinBox_valueChanged(double) {
    frame_comp_manual_value_changed = true;
    start_frame_comp_timer();
}

void TileMatrixPages::write_pending() {
    if (frame_comp_spinbox_timer.isActive()) {
        frame_comp_spinbox_timer.stop();
        frame_comp_spinbox_timer_timeout();
    }
}

void TileMatrixPages::frame_comp_spinbox_timer_timeout() {
    // A write now would take over the connection of a command or script run still going on.
    if (host.command_running()) {
        start_frame_comp_timer();
        return;
    }
    {
        CommandScope frame(host);
        if (!frame)
            return; // the values stay pending for the next change
        // A failed write stays reported although the other one succeeds.
        FirstFailure failure;
        // Rounded: 1.15 is 114.99... as a double and must still be sent as 115.
        const auto hundredths = [](const QDoubleSpinBox* spin) {
            return uint(qRound(spin->value() * kHundredths));
        };
        if (frame_comp_manual_value_changed) {
            uint value = hundredths(ui.frame_comp_manual_value_doubleSpinBox);
            failure.note(monitor->set_vcp_value(kFrameCompManualOpcode, &value));
            frame_comp_manual_value_changed = false;
        }
        if (frame_comp_auto_value_changed) {
            uint value = hundredths(ui.frame_comp_auto_value_doubleSpinBox);
            failure.note(monitor->set_vcp_value(kFrameCompAutoOpcode, &value));
            frame_comp_auto_value_changed = false;
        }
        if (failure.result() == 0)
            host.set_settings_dirty(true);
        frame.report(failure.result());
    }
    host.refresh_current_page();
}
