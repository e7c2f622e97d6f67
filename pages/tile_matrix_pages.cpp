#include "tile_matrix_pages.h"

#include "lm_display_array_size_diagram_widget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QSpinBox>

namespace {
constexpr int kDummyMaxMonitors = 10;
}

TileMatrixPages::TileMatrixPages(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    ui.display_array_size_diagram_widget->showHover(true);
    ui.display_array_size_diagram_widget->showCurrentlySelectedDisplay(true);
    connect(this, &TileMatrixPages::update_tile_matrix_selection,
            ui.display_array_size_diagram_widget,
            &LM_display_array_size_diagram_widget::setCurrentlySelectedDisplay);
}

QList<QWidget*> TileMatrixPages::pages() const {
    return {ui.tile_matrix, ui.tile_matrix_advanced};
}

void TileMatrixPages::refresh(QWidget* page) {
    // On a display the pages' own refreshes read it; they come with the tile-matrix pages.
    if (!dummy_interface())
        return;
    if (page == ui.tile_matrix)
        show_dummy_tile_matrix();
    else if (page == ui.tile_matrix_advanced)
        show_dummy_tile_matrix_advanced();
}

void TileMatrixPages::show_dummy_tile_matrix() {
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
