#include "tile_matrix_memory_page.h"

#include "basic_monitor.h"
#include "command_scope.h"
#include "page_lists.h"
#include "result_codes.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QSpinBox>

namespace {
constexpr unsigned char kTileCompOn = 2;
constexpr unsigned char kTileCompOff = 1;
constexpr int kMemories = 5; // numbered from 0

unsigned char byteOf(const QSpinBox* spin) {
    return static_cast<unsigned char>(spin->value());
}
} // namespace

TileMatrixMemoryPage::TileMatrixMemoryPage(const PageContext& context, QObject* parent)
    : PageController(context, parent) {
    PageLists::fill(
        {{ui.tile_matrix_memory_memorynum_comboBox, PageLists::numbered(0, kMemories - 1)}});
}

QList<QWidget*> TileMatrixMemoryPage::pages() const {
    return {ui.tile_matrix_memory};
}

unsigned char TileMatrixMemoryPage::profile() const {
    return static_cast<unsigned char>(
        ui.tile_matrix_memory_memorynum_comboBox->currentData().toUInt());
}

void TileMatrixMemoryPage::show_status(int result, unsigned char status) {
    // A status byte other than 0 comes as a reply error, yet the reply was read: show it.
    if (result == 0 || result == ResultCode::ReplyError)
        ui.tile_matrix_memory_status_lineEdit->setText(reply_status_text(status));
}

// What Save sends.
QList<QWidget*> TileMatrixMemoryPage::form_fields() const {
    return {ui.tile_matrix_memory_columns_spinBox, ui.tile_matrix_memory_rows_spinBox,
            ui.tile_matrix_memory_position_spinBox, ui.tile_matrix_memory_usetilecomp_checkBox};
}

void TileMatrixMemoryPage::on_tile_matrix_memory_read_pushButton_clicked() {
    read_in_frame(
        ui.tile_matrix_memory, ui.tile_matrix_memory_status_lineEdit, [this](CommandScope& frame) {
            unsigned char columns = 1, rows = 1, position = 1, tile_comp = 0, status = 0;
            const int result = frame.report(monitor->tile_matrix_profile_read(
                profile(), &columns, &rows, &position, &tile_comp, &status));
            show_status(result, status);
            // A refused read leaves the profile shown as it was.
            if (result != 0 || status != 0)
                return;
            ui.tile_matrix_memory_columns_spinBox->setValue(columns);
            ui.tile_matrix_memory_rows_spinBox->setValue(rows);
            ui.tile_matrix_memory_position_spinBox->setValue(position);
            ui.tile_matrix_memory_usetilecomp_checkBox->setChecked(tile_comp == kTileCompOn);
        });
}

void TileMatrixMemoryPage::on_tile_matrix_memory_save_pushButton_clicked() {
    write_in_frame(form_fields(), ui.tile_matrix_memory_status_lineEdit,
                   [this](CommandScope& frame) {
                       const unsigned char tile_comp =
                           ui.tile_matrix_memory_usetilecomp_checkBox->isChecked() ? kTileCompOn
                                                                                   : kTileCompOff;
                       unsigned char status = 0;
                       const int result = frame.report(monitor->tile_matrix_profile_write(
                           profile(), byteOf(ui.tile_matrix_memory_columns_spinBox),
                           byteOf(ui.tile_matrix_memory_rows_spinBox),
                           byteOf(ui.tile_matrix_memory_position_spinBox), tile_comp, &status));
                       show_status(result, status);
                       return result;
                   });
}

void TileMatrixMemoryPage::on_tile_matrix_memory_recall_pushButton_clicked() {
    write_in_frame({}, ui.tile_matrix_memory_status_lineEdit, [this](CommandScope& frame) {
        unsigned char status = 0;
        const int result = frame.report(monitor->tile_matrix_profile_select(profile(), &status));
        show_status(result, status);
        return result;
    });
}
