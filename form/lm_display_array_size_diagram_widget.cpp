#include "lm_display_array_size_diagram_widget.h"

#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace {
const QColor grey(128, 128, 128);
const QColor black(0, 0, 0);
const QColor tileColour(255, 255, 192);
const QColor hoveredColour(255, 255, 205);
const QColor selectedColour(225, 225, 255);
const QColor selectedHoveredColour(235, 235, 255);
const QColor pathColour(0, 0, 64);
const QColor veilColour(192, 192, 255, 220);

QRect shrunk(const QRect& r, int by) {
    return r.adjusted(by, by, -by, -by);
}
QPoint centre(const QRect& r) {
    return QPoint(r.left() + r.width() / 2, r.top() + r.height() / 2);
}
} // namespace

LM_display_array_size_diagram_widget::LM_display_array_size_diagram_widget(QWidget* parent)
    : QWidget(parent), base_point_size(font().pointSize()) {
    setAttribute(Qt::WA_Hover);
    setAttribute(Qt::WA_MouseTracking);
}

QVector<QPoint> LM_display_array_size_diagram_widget::numberingOrder(int rows, int columns,
                                                                     int startingCorner,
                                                                     bool firstX, bool zigZag) {
    bool mirrorColumns = false;
    bool mirrorRows = false;
    bool reference = true;
    switch (startingCorner) {
    case 0:
        break;
    case 1:
        mirrorColumns = true;
        reference = false;
        break;
    case 2:
        mirrorRows = true;
        reference = false;
        break;
    default:
        mirrorColumns = mirrorRows = true;
        break;
    }
    // Walk an outer and an inner count; across means rows outside, down means columns outside.
    const bool across = firstX == reference;
    const int outerCount = across ? rows : columns;
    const int innerCount = across ? columns : rows;
    const bool mirrorOuter = across ? mirrorRows : mirrorColumns;
    const bool mirrorInner = across ? mirrorColumns : mirrorRows;
    QVector<QPoint> order;
    for (int o = 0; o < outerCount; ++o) {
        const int outer = mirrorOuter ? outerCount - 1 - o : o;
        const bool reversed = mirrorInner != (zigZag && o % 2 == 1);
        for (int i = 0; i < innerCount; ++i) {
            const int inner = reversed ? innerCount - 1 - i : i;
            order.append(across ? QPoint(inner, outer) : QPoint(outer, inner));
        }
    }
    return order;
}

void LM_display_array_size_diagram_widget::showHover(bool show) {
    show_hover = show;
    update();
}

void LM_display_array_size_diagram_widget::setRows(int in_rows) {
    rows = in_rows;
    update();
}

void LM_display_array_size_diagram_widget::setColumns(int in_columns) {
    columns = in_columns;
    update();
}

QSize LM_display_array_size_diagram_widget::minimumSizeHint() const {
    return QSize(60, 60);
}

QSize LM_display_array_size_diagram_widget::sizeHint() const {
    return QSize(60, 60);
}

void LM_display_array_size_diagram_widget::setStartingCorner(int in_corner) {
    starting_corner = in_corner;
    update();
}

void LM_display_array_size_diagram_widget::showLayoutDirection(bool in_show_layout_direction) {
    show_layout_direction = in_show_layout_direction;
    update();
}

void LM_display_array_size_diagram_widget::setLayoutDirection(bool in_first_x) {
    first_x = in_first_x;
    update();
}

void LM_display_array_size_diagram_widget::setLineOrder(bool in_zig_zag) {
    zig_zag = in_zig_zag;
    update();
}

void LM_display_array_size_diagram_widget::getCurrentlySelectedDisplay(
    int& in_currently_selected_display_x, int& in_currently_selected_display_y) {
    in_currently_selected_display_x = selected_x;
    in_currently_selected_display_y = selected_y;
}

void LM_display_array_size_diagram_widget::showCurrentlySelectedDisplay(
    bool in_show_currently_selected_display) {
    show_selected = in_show_currently_selected_display;
    update();
}

void LM_display_array_size_diagram_widget::setCurrentlySelectedDisplay(
    int in_currently_selected_display_x, int in_currently_selected_display_y) {
    selected_x = in_currently_selected_display_x;
    selected_y = in_currently_selected_display_y;
    update();
}

LM_display_array_size_diagram_widget::Grid LM_display_array_size_diagram_widget::grid() const {
    Grid g;
    if (!hasTiles())
        return g; // no tiles: nothing to divide by
    g.size = std::min(height() / rows, width() / columns);
    g.x0 = width() / 2 - (columns * g.size) / 2;
    g.y0 = height() / 2 - (rows * g.size) / 2;
    return g;
}

void LM_display_array_size_diagram_widget::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const Grid g = grid();
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            if (g.tile(x, y).contains(event->pos()))
                emit clicked(x, y);
    update();
}

void LM_display_array_size_diagram_widget::mouseMoveEvent(QMouseEvent* event) {
    if (!show_hover)
        return;
    const Grid g = grid();
    bool changed = false;
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            if (!g.tile(x, y).contains(event->pos()))
                continue;
            changed = changed || hover_x != x || hover_y != y;
            hover_x = x;
            hover_y = y;
        }
    }
    if (changed)
        update();
}

void LM_display_array_size_diagram_widget::enterEvent(QEvent* event) {
    mouse_inside = true;
    update();
    QWidget::enterEvent(event);
}

void LM_display_array_size_diagram_widget::leaveEvent(QEvent* event) {
    mouse_inside = false;
    update();
    QWidget::leaveEvent(event);
}

bool LM_display_array_size_diagram_widget::isHovered(int x, int y) const {
    return isEnabled() && show_hover && mouse_inside && hover_x == x && hover_y == y;
}

void LM_display_array_size_diagram_widget::paintTile(QPainter& painter, const QRect& tile, int x,
                                                     int y) const {
    const bool hovered = isHovered(x, y);
    if (!isEnabled()) {
        painter.setPen(grey);
        painter.setBrush(palette().color(QPalette::Disabled, QPalette::Button));
    } else if (!hovered) {
        painter.setPen(grey);
        painter.setBrush(tileColour);
    } else {
        painter.setPen(black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(shrunk(tile, 1));
        painter.setPen(grey);
        painter.setBrush(hoveredColour);
    }
    painter.drawRect(shrunk(tile, show_layout_direction ? 4 : 2));

    if (!show_selected || selected_x != x || selected_y != y)
        return;
    if (!isEnabled()) {
        painter.setBrush(palette().color(QPalette::Disabled, QPalette::Dark));
    } else if (hovered) {
        painter.setPen(black);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(shrunk(tile, 1));
        painter.setPen(grey);
        painter.setBrush(selectedHoveredColour);
    } else {
        painter.setBrush(selectedColour);
    }
    painter.drawRect(shrunk(tile, 2));
}

void LM_display_array_size_diagram_widget::paintNumbering(QPainter& painter, const Grid& g) const {
    const QVector<QPoint> order = numberingOrder(rows, columns, starting_corner, first_x, zig_zag);

    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(pathColour, 3));
    for (int i = 1; i < order.size(); ++i)
        painter.drawLine(centre(g.tile(order[i - 1].x(), order[i - 1].y())),
                         centre(g.tile(order[i].x(), order[i].y())));
    painter.restore();

    painter.setPen(grey);
    painter.setBrush(veilColour);
    for (const QPoint& p : order)
        painter.drawRect(shrunk(g.tile(p.x(), p.y()), 4));

    painter.setPen(black);
    for (int i = 0; i < order.size(); ++i)
        painter.drawText(g.tile(order[i].x(), order[i].y()), Qt::AlignCenter,
                         QString::number(i + 1));
}

void LM_display_array_size_diagram_widget::paintEvent(QPaintEvent*) {
    if (!hasTiles())
        return;
    const Grid g = grid();
    if (base_point_size > 0) { // a font sized in pixels keeps its size
        QFont numberFont = font();
        numberFont.setPointSize(base_point_size + std::max(g.size - 20, 0) / 4);
        setFont(numberFont);
    }

    QPainter painter(this);
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            paintTile(painter, g.tile(x, y), x, y);
    if (show_layout_direction)
        paintNumbering(painter, g);
}
