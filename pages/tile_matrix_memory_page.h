#pragma once

#include "page_controller.h"

// The tile matrix memory page: a tile-matrix profile (wall size, position, tile compensation)
// read from, written to or recalled in one of the display's profile memories.
class TileMatrixMemoryPage : public PageController {
    Q_OBJECT

public:
    explicit TileMatrixMemoryPage(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    QList<QWidget*> form_fields() const override;

public slots:
    void on_tile_matrix_memory_read_pushButton_clicked();
    void on_tile_matrix_memory_save_pushButton_clicked();
    void on_tile_matrix_memory_recall_pushButton_clicked();

private:
    unsigned char profile() const;
    // The status line after an exchange: the display's status byte when its reply was read;
    // the result goes to the status bar with the frame.
    void show_status(int result, unsigned char status);
};
