#pragma once

#include "page_controller.h"

#include <QTimer>

class QComboBox;

// The tile matrix page (wall size, position, diagram) and its advanced page (tile compensation,
// memory, frame compensation, v-scan reverse).
class TileMatrixPages : public PageController {
    Q_OBJECT

public:
    static constexpr int FrameCompensationWaitMs = 1500;

    explicit TileMatrixPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    void write_pending() override;

    // The refreshes, on a connection the caller opened; no read ends them early except where
    // a group's mode decides its dependent controls. Each returns its first failure.
    int update_tile_matrix_tab();
    int update_tile_matrix_advanced_tab();

signals:
    void update_tile_matrix_selection(int x, int y);

public slots:
    void on_enable_tile_matrix_groupBox_toggled(bool on);
    void on_horizontal_monitors_spinBox_valueChanged(int value);
    void on_vertical_monitors_spinBox_valueChanged(int value);
    void tile_matrix_selection_changed(int x, int y);
    void on_use_tile_comp_checkBox_stateChanged(int state);
    void on_tile_matrix_memory_comboBox_currentIndexChanged(int index);
    void on_frame_comp_mode_comboBox_currentIndexChanged(int index);
    void on_v_scan_reverse_mode_comboBox_currentIndexChanged(int index);
    void on_v_scan_reverse_manual_comboBox_currentIndexChanged(int index);
    void on_frame_comp_auto_value_doubleSpinBox_valueChanged(double value);
    void on_frame_comp_manual_value_doubleSpinBox_valueChanged(double value);
    void frame_comp_spinbox_timer_timeout();

private:
    // With the dummy interface the pages show a single display that can be set up freely.
    void show_dummy_tile_matrix();
    void show_dummy_tile_matrix_advanced();
    // Writes a wall dimension (columns or rows); then moves the diagram's selection to the
    // display's position.
    void write_wall_size(uint opcode, int value);
    void resize_diagram(uint opcode, int value);
    // Reads the wall's columns and the display's position and selects its cell; the first
    // failure.
    int select_display_position();
    // Selects the diagram cell of a 1-based position on a wall columns wide.
    void select_position(uint position, uint columns);
    // Writes the data of the combo box's current item in a frame of its own; nothing when it
    // has none. Returns the write's result.
    int write_current_choice(QComboBox* combo, uint opcode);
    void write_mode_choice(QComboBox* combo, uint opcode);
    void start_frame_comp_timer();

    QTimer frame_comp_spinbox_timer;
    bool frame_comp_auto_value_changed = false;
    bool frame_comp_manual_value_changed = false;
};
