#pragma once

#include "page_controller.h"

// The tile matrix page (wall size, position, diagram) and its advanced page (tile compensation,
// memory, frame compensation, v-scan reverse).
class TileMatrixPages : public PageController {
    Q_OBJECT

public:
    explicit TileMatrixPages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;

signals:
    void update_tile_matrix_selection(int x, int y);

private:
    // With the dummy interface the pages show a single display that can be set up freely.
    void show_dummy_tile_matrix();
    void show_dummy_tile_matrix_advanced();
};
