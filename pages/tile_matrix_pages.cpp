#include "tile_matrix_pages.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "lm_display_array_size_diagram_widget.h"
#include "opcodes.h"
#include "page_lists.h"
#include "result_codes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSignalBlocker>
#include <QSpinBox>

namespace {
constexpr int kDummyMaxMonitors = 10;
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
    // Texts translated in QObject's context.
    using PageLists::Fill;
    const PageLists::Items modes{
        {QObject::tr("None"), 1}, {QObject::tr("Auto"), 2}, {QObject::tr("Manual"), 3}};
    PageLists::fill({
        {ui.tile_matrix_memory_comboBox,
         {{QObject::tr("Common"), 1}, {QObject::tr("Input"), 2}},
         Fill::SignalsBlocked},
        {ui.frame_comp_mode_comboBox, modes, Fill::SignalsBlocked},
        {ui.v_scan_reverse_mode_comboBox, modes, Fill::SignalsBlocked},
        {ui.v_scan_reverse_manual_comboBox,
         {{QObject::tr("Non-reverse"), 1}, {QObject::tr("Reverse"), 2}},
         Fill::SignalsBlocked},
    });
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
        dummy ? show_dummy_tile_matrix() : show_failure(update_tile_matrix_tab());
    else if (page == ui.tile_matrix_advanced)
        dummy ? show_dummy_tile_matrix_advanced() : show_failure(update_tile_matrix_advanced_tab());
}

QList<QWidget*> TileMatrixPages::read_controls(QWidget* page) const {
    if (page == ui.tile_matrix)
        return {ui.horizontal_monitors_spinBox, ui.vertical_monitors_spinBox,
                ui.display_array_size_diagram_widget, ui.enable_tile_matrix_groupBox};
    if (page == ui.tile_matrix_advanced)
        return {ui.use_tile_comp_checkBox,
                ui.tile_matrix_memory_groupBox,
                ui.frame_comp_groupBox,
                ui.frame_comp_auto_value_doubleSpinBox,
                ui.frame_comp_manual_value_doubleSpinBox,
                ui.v_scan_reverse_groupBox,
                ui.v_scan_reverse_manual_comboBox};
    return {};
}

void TileMatrixPages::show_dummy_tile_matrix() {
    ControlState::show_unread(read_controls(ui.tile_matrix), true);
    // Not blocked: the spin boxes' own handlers follow, as after a user's change.
    for (QSpinBox* spin : {ui.horizontal_monitors_spinBox, ui.vertical_monitors_spinBox}) {
        spin->setMaximum(kDummyMaxMonitors);
        spin->setValue(1);
    }
    ui.display_array_size_diagram_widget->setColumns(1);
    ui.display_array_size_diagram_widget->setRows(1);
    ui.display_array_size_diagram_widget->setCurrentlySelectedDisplay(0, 0);
}

void TileMatrixPages::show_dummy_tile_matrix_advanced() {
    ControlState::show_unread(read_controls(ui.tile_matrix_advanced), true);
}

void TileMatrixPages::select_position(uint position, uint columns) {
    // Positions count from 1; a 0 names no tile and leaves the selection as it was.
    if (columns == 0 || position == 0)
        return;
    ui.display_array_size_diagram_widget->setCurrentlySelectedDisplay(
        int((position - 1) % columns), int((position - 1) / columns));
}

int TileMatrixPages::update_tile_matrix_tab() {
    PageRead pass(read_controls(ui.tile_matrix));
    LM_display_array_size_diagram_widget* diagram = ui.display_array_size_diagram_widget;
    uint columns = 0, columns_max = 0;
    const int columns_result =
        monitor->get_vcp_value_max(OpCode::TileColumns, &columns, &columns_max);
    pass.read(columns_result, {ui.horizontal_monitors_spinBox}, [&] {
        ui.horizontal_monitors_spinBox->setMaximum(int(columns_max));
        ui.horizontal_monitors_spinBox->setValue(int(columns));
        diagram->setColumns(int(columns));
    });
    if (columns_result != 0)
        columns = 0;
    uint rows = 0, rows_max = 0;
    const int rows_result = monitor->get_vcp_value_max(OpCode::TileRows, &rows, &rows_max);
    pass.read(rows_result, {ui.vertical_monitors_spinBox, diagram}, [&] {
        ui.vertical_monitors_spinBox->setMaximum(int(rows_max));
        ui.vertical_monitors_spinBox->setValue(int(rows));
        diagram->setRows(int(rows));
    });
    uint position = 0, max = 0;
    const int position_result = monitor->get_vcp_value_max(OpCode::TilePosition, &position, &max);
    // A position not read selects no tile.
    if (pass.read(position_result, {}, [&] { select_position(position, columns); }) != 0)
        diagram->setCurrentlySelectedDisplay(-1, -1);
    uint mode = 0;
    const int mode_result = monitor->get_vcp_value_max(OpCode::TileMatrixMode, &mode, &max);
    pass.read(mode_result, {ui.enable_tile_matrix_groupBox},
              [&] { ui.enable_tile_matrix_groupBox->setChecked(mode == kModeOn); });
    return pass.failure();
}

int TileMatrixPages::update_tile_matrix_advanced_tab() {
    PageRead pass(read_controls(ui.tile_matrix_advanced));
    uint current = 0, max = 0;
    int result = monitor->get_vcp_value_max(OpCode::TileComp, &current, &max);
    pass.read(result, {ui.use_tile_comp_checkBox}, [&] {
        ui.use_tile_comp_checkBox->setCheckState(current > 1 ? Qt::Checked : Qt::Unchecked);
    });
    result = monitor->get_vcp_value_max(OpCode::TileMatrixMemory, &current, &max);
    pass.read(result, {ui.tile_matrix_memory_groupBox},
              [&] { select_by_data(ui.tile_matrix_memory_comboBox, current); });
    // A group's mode decides whether its dependent controls are read.
    result = monitor->get_vcp_value_max(OpCode::FrameCompMode, &current, &max);
    if (pass.read(result, {ui.frame_comp_groupBox},
                  [&] { select_by_data(ui.frame_comp_mode_comboBox, current); }) == 0) {
        const QList<QPair<QDoubleSpinBox*, uint>> values = {
            {ui.frame_comp_auto_value_doubleSpinBox, OpCode::FrameCompAuto},
            {ui.frame_comp_manual_value_doubleSpinBox, OpCode::FrameCompManual}};
        for (const auto& value : values) {
            result = monitor->get_vcp_value_max(value.second, &current, &max);
            pass.read(result, {value.first}, [&] {
                value.first->setMaximum(max / kHundredths);
                value.first->setValue(current / kHundredths);
            });
        }
    }
    result = monitor->get_vcp_value_max(OpCode::VScanMode, &current, &max);
    if (pass.read(result, {ui.v_scan_reverse_groupBox},
                  [&] { select_by_data(ui.v_scan_reverse_mode_comboBox, current); }) == 0) {
        result = monitor->get_vcp_value_max(OpCode::VScanManual, &current, &max);
        pass.read(result, {ui.v_scan_reverse_manual_comboBox},
                  [&] { select_by_data(ui.v_scan_reverse_manual_comboBox, current); });
    }
    return pass.failure();
}

void TileMatrixPages::on_enable_tile_matrix_groupBox_toggled(bool on) {
    write_in_frame({ui.enable_tile_matrix_groupBox}, [this, on](CommandScope& frame) {
        uint current = 0, max = 0;
        int result = monitor->get_vcp_value_max(OpCode::TileMatrixMode, &current, &max);
        if (result == 0) {
            // Off keeps the frame on displays that know only two modes.
            uint mode = on ? kModeOn : max == 2 ? kModeOffWithFrame : kModeOffHideFrame;
            result = monitor->set_vcp_value(OpCode::TileMatrixMode, &mode);
            if (result == 0)
                host.set_settings_dirty(true);
        }
        frame.report(ControlState::status_code(result));
        return result;
    });
}

void TileMatrixPages::resize_diagram(uint opcode, int value) {
    if (opcode == OpCode::TileColumns)
        ui.display_array_size_diagram_widget->setColumns(value);
    else
        ui.display_array_size_diagram_widget->setRows(value);
}

void TileMatrixPages::write_wall_size(uint opcode, int value) {
    QSpinBox* spin = opcode == OpCode::TileColumns ? ui.horizontal_monitors_spinBox
                                                   : ui.vertical_monitors_spinBox;
    {
        // Blocked while the program sets the spin box: its own slot would write again.
        const QSignalBlocker blocker(spin);
        write_in_frame({spin}, [&](CommandScope& frame) {
            uint written = uint(value);
            const int result = monitor->set_vcp_value(opcode, &written);
            FirstFailure failure;
            failure.note(ControlState::status_code(result));
            if (result == 0) {
                host.set_settings_dirty(true);
                spin->setValue(int(written));
                resize_diagram(opcode, int(written));
                failure.note(select_display_position());
            }
            frame.report(failure.result());
            return result;
        });
    }
    // With no display attached the diagram follows the spin box.
    if (dummy_interface())
        resize_diagram(opcode, value);
}

int TileMatrixPages::select_display_position() {
    uint columns = 0, max = 0;
    const int result = monitor->get_vcp_value_max(OpCode::TileColumns, &columns, &max);
    if (result != 0 || columns == 0)
        return result;
    uint position = 0;
    const int position_result = monitor->get_vcp_value_max(OpCode::TilePosition, &position, &max);
    if (position_result == 0)
        select_position(position, columns);
    return position_result;
}

void TileMatrixPages::on_horizontal_monitors_spinBox_valueChanged(int value) {
    write_wall_size(OpCode::TileColumns, value);
}

void TileMatrixPages::on_vertical_monitors_spinBox_valueChanged(int value) {
    write_wall_size(OpCode::TileRows, value);
}

void TileMatrixPages::tile_matrix_selection_changed(int x, int y) {
    CommandScope frame(host);
    if (!frame)
        return;
    if (dummy_interface()) {
        uint position = uint(ui.horizontal_monitors_spinBox->value() * y + x + 1);
        frame.report(monitor->set_vcp_value(OpCode::TilePosition, &position));
        emit update_tile_matrix_selection(x, y);
        return;
    }
    uint columns = 0, max = 0;
    int result = monitor->get_vcp_value_max(OpCode::TileColumns, &columns, &max);
    if (result == 0) {
        uint position = columns * uint(y) + uint(x) + 1;
        result = monitor->set_vcp_value(OpCode::TilePosition, &position);
        if (result == 0) {
            host.set_settings_dirty(true);
            // The selection moves only once the display has taken the position.
            emit update_tile_matrix_selection(x, y);
        }
    }
    frame.report(result);
}

void TileMatrixPages::on_use_tile_comp_checkBox_stateChanged(int state) {
    write_in_frame({ui.use_tile_comp_checkBox}, [this, state](CommandScope& frame) {
        uint value = state != Qt::Unchecked ? kTileCompOn : kTileCompOff;
        const int result = monitor->set_vcp_value(OpCode::TileComp, &value);
        if (result == 0)
            host.set_settings_dirty(true);
        frame.report(ControlState::status_code(result));
        return result;
    });
}

int TileMatrixPages::write_current_choice(QComboBox* combo, uint opcode) {
    return write_in_frame({combo}, [this, combo, opcode](CommandScope& frame) {
        // No current item: nothing is sent, and the status bar is cleared.
        const int data = combo->currentIndex() < 0 ? -1 : combo->currentData().toInt();
        if (data < 0)
            return frame.report(0);
        uint value = uint(data);
        const int result = monitor->set_vcp_value(opcode, &value);
        if (result == 0)
            host.set_settings_dirty(true);
        frame.report(ControlState::status_code(result));
        return result;
    });
}

void TileMatrixPages::on_tile_matrix_memory_comboBox_currentIndexChanged(int) {
    write_current_choice(ui.tile_matrix_memory_comboBox, OpCode::TileMatrixMemory);
}

void TileMatrixPages::write_mode_choice(QComboBox* combo, uint opcode) {
    // The controls that depend on the mode follow it, when the display can be reached.
    if (write_current_choice(combo, opcode) != ResultCode::NotConnected)
        host.refresh_current_page();
}

void TileMatrixPages::on_frame_comp_mode_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.frame_comp_mode_comboBox, OpCode::FrameCompMode);
}

void TileMatrixPages::on_v_scan_reverse_mode_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.v_scan_reverse_mode_comboBox, OpCode::VScanMode);
}

void TileMatrixPages::on_v_scan_reverse_manual_comboBox_currentIndexChanged(int) {
    write_mode_choice(ui.v_scan_reverse_manual_comboBox, OpCode::VScanManual);
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
    // The values that wait, manual first.
    QList<QPair<QDoubleSpinBox*, uint>> pending;
    if (frame_comp_manual_value_changed)
        pending.append({ui.frame_comp_manual_value_doubleSpinBox, OpCode::FrameCompManual});
    if (frame_comp_auto_value_changed)
        pending.append({ui.frame_comp_auto_value_doubleSpinBox, OpCode::FrameCompAuto});
    frame_comp_manual_value_changed = false;
    frame_comp_auto_value_changed = false;
    QList<QWidget*> values;
    for (const auto& value : pending)
        values << value.first;
    // The values are settled with the first failure: the page read again then shows each as
    // the display holds it.
    const int result = write_in_frame(values, [&](CommandScope& frame) {
        // A failed write stays reported although the other one succeeds.
        FirstFailure failure;
        // Unsupported included, which the status bar does not show: such a write changed nothing.
        FirstFailure written;
        for (const auto& value : pending) {
            // Rounded: 1.15 is 114.99... as a double and must still be sent as 115.
            uint hundredths = uint(qRound(value.first->value() * kHundredths));
            failure.note(ControlState::status_code(
                written.note(monitor->set_vcp_value(value.second, &hundredths))));
        }
        if (written.result() == 0)
            host.set_settings_dirty(true);
        frame.report(failure.result());
        return written.result();
    });
    if (result != ResultCode::NotConnected)
        host.refresh_current_page();
}
