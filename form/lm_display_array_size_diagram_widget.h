#ifndef LM_DISPLAY_ARRAY_SIZE_DIAGRAM_WIDGET_H
#define LM_DISPLAY_ARRAY_SIZE_DIAGRAM_WIDGET_H

#include <QPoint>
#include <QRect>
#include <QVector>
#include <QWidget>

class QPainter;

// A video wall drawn as a grid of square tiles; the user picks a tile with the mouse.
class LM_display_array_size_diagram_widget : public QWidget {
    Q_OBJECT

public:
    explicit LM_display_array_size_diagram_widget(QWidget* parent = nullptr);

    // The tiles (column, row) in the order they are numbered from a starting corner.
    static QVector<QPoint> numberingOrder(int rows, int columns, int startingCorner, bool firstX,
                                          bool zigZag);

signals:
    void clicked(int x, int y);

public slots:
    void showHover(bool show);
    void setRows(int rows);
    void setColumns(int columns);
    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;
    void setStartingCorner(int in_corner);
    void showLayoutDirection(bool in_show_layout_direction);
    void setLayoutDirection(bool first_x);
    void setLineOrder(bool zig_zag);
    void getCurrentlySelectedDisplay(int& in_currently_selected_display_x,
                                     int& in_currently_selected_display_y);
    void showCurrentlySelectedDisplay(bool in_show_currently_selected_display);
    void setCurrentlySelectedDisplay(int in_currently_selected_display_x,
                                     int in_currently_selected_display_y);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void enterEvent(QEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    // Square tiles of one size, centred in the widget; none when rows or columns are below 1.
    struct Grid {
        int size = 0;
        int x0 = 0;
        int y0 = 0;
        QRect tile(int x, int y) const { return QRect(x0 + x * size, y0 + y * size, size, size); }
    };
    Grid grid() const;
    bool hasTiles() const { return rows >= 1 && columns >= 1; }
    bool isHovered(int x, int y) const;
    void paintTile(QPainter& painter, const QRect& tile, int x, int y) const;
    void paintNumbering(QPainter& painter, const Grid& g) const;

    int rows = 1;
    int columns = 1;
    int starting_corner = 0;
    bool show_layout_direction = false;
    bool first_x = true;
    bool zig_zag = false;
    int base_point_size;
    int selected_x = 0;
    int selected_y = 0;
    bool show_selected = false;
    bool mouse_inside = false;
    bool show_hover = false;
    int hover_x = -1;
    int hover_y = -1;
};

#endif
