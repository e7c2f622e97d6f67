// Paints every image of the program's resources. All images are drawn here from scratch.
//
// Usage: draw_images <output folder> [contact sheet file]

#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QTextStream>

#include <functional>
#include <vector>

namespace {

using Draw = std::function<void(QPainter&, const QRectF&)>;

struct Picture {
    QString file;
    QSize size;
    Draw draw;
};

const QColor outline(64, 64, 64);

QFont boldFont(int pixelSize) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixelSize);
    f.setBold(true);
    return f;
}

// A shaded ball: the base of the status circles and round buttons.
void ball(QPainter& p, const QRectF& r, const QColor& base) {
    QRadialGradient g(r.left() + r.width() * 0.35, r.top() + r.height() * 0.3, r.width() * 0.7);
    g.setColorAt(0, base.lighter(175));
    g.setColorAt(0.5, base);
    g.setColorAt(1, base.darker(160));
    p.setPen(QPen(base.darker(220), 1));
    p.setBrush(g);
    p.drawEllipse(r.adjusted(0.5, 0.5, -0.5, -0.5));
}

// An exclamation mark drawn as a bar and a dot, centred on x.
void exclamation(QPainter& p, qreal x, qreal top, qreal bottom, qreal width, const QColor& c) {
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    const qreal dot = width;
    const qreal barBottom = bottom - dot * 1.6;
    QPolygonF bar;
    bar << QPointF(x - width / 2, top) << QPointF(x + width / 2, top)
        << QPointF(x + width * 0.3, barBottom) << QPointF(x - width * 0.3, barBottom);
    p.drawPolygon(bar);
    p.drawEllipse(QRectF(x - dot / 2, bottom - dot, dot, dot));
}

void powerSymbol(QPainter& p, const QRectF& r, const QColor& c) {
    const QRectF arc =
        r.adjusted(r.width() * 0.27, r.height() * 0.3, -r.width() * 0.27, -r.height() * 0.2);
    p.setPen(QPen(c, r.width() / 9, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(arc, 120 * 16, 300 * 16);
    p.drawLine(QPointF(r.center().x(), r.top() + r.height() * 0.2),
               QPointF(r.center().x(), r.center().y()));
}

void powerIcon(QPainter& p, const QRectF& r, const QColor& c) {
    ball(p, r.adjusted(0.5, 0.5, -0.5, -0.5), c);
    powerSymbol(p, r, Qt::white);
}

void swatch(QPainter& p, const QRectF& r, const QColor& c) {
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(outline);
    p.setBrush(c);
    p.drawRect(r.adjusted(0, 0, -1, -1));
    p.setPen(QColor(255, 255, 255, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(1, 1, -2, -2));
}

QColor grey(int percent) {
    const int level = (255 * percent + 50) / 100;
    return QColor(level, level, level);
}

// A polygon shaded from top to bottom of the picture, with a thin edge.
void shaded(QPainter& p, const QRectF& r, const QPolygonF& shape, const QColor& top,
            const QColor& bottom, const QColor& edge) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.setPen(QPen(edge, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(shape);
}

void warningIcon(QPainter& p, const QRectF& r) {
    QPolygonF t;
    t << QPointF(r.center().x(), r.top() + 0.5) << QPointF(r.right() - 0.5, r.bottom() - 1)
      << QPointF(r.left() + 0.5, r.bottom() - 1);
    shaded(p, r, t, QColor(255, 236, 110), QColor(242, 176, 20), QColor(150, 100, 0));
    exclamation(p, r.center().x(), r.top() + 5, r.bottom() - 2.5, 2.2, QColor(40, 30, 0));
}

void helpTip(QPainter& p, const QRectF& r) {
    ball(p, r.adjusted(0.5, 0.5, -0.5, -0.5), QColor(40, 110, 210));
    p.setPen(Qt::white);
    p.setFont(boldFont(12));
    p.drawText(r.translated(0, 0.5), Qt::AlignCenter, QStringLiteral("?"));
}

void alertIcon(QPainter& p, const QRectF& r) {
    ball(p, r.adjusted(0.5, 0.5, -0.5, -0.5), QColor(215, 30, 30));
    exclamation(p, r.center().x(), r.top() + 4, r.bottom() - 3.5, 2.8, Qt::white);
}

void refreshIcon(QPainter& p, const QRectF& r) {
    const QColor c(30, 130, 60);
    const QRectF ring = r.adjusted(3, 3, -3, -3);
    p.setPen(QPen(c, 2.2, Qt::SolidLine, Qt::FlatCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(ring, 90 * 16, 270 * 16);
    // Arrow head at the open end of the ring, pointing along the turn.
    const QPointF tip(ring.center().x() + 0.5, ring.top());
    QPolygonF head;
    head << QPointF(tip.x() + 4, tip.y()) << QPointF(tip.x() - 1, tip.y() - 3.5)
         << QPointF(tip.x() - 1, tip.y() + 3.5);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(head);
}

void searchIcon(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(90, 60, 30), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(r.left() + 9.5, r.top() + 9.5), QPointF(r.right() - 2, r.bottom() - 2));
    QRadialGradient glass(r.left() + 5, r.top() + 5, 6);
    glass.setColorAt(0, QColor(255, 255, 255, 230));
    glass.setColorAt(1, QColor(150, 200, 240, 200));
    p.setPen(QPen(QColor(70, 70, 80), 1.6));
    p.setBrush(glass);
    p.drawEllipse(QRectF(r.left() + 1.5, r.top() + 1.5, 9, 9));
}

void deleteIcon(QPainter& p, const QRectF& r) {
    const QRectF a = r.adjusted(3.5, 3.5, -3.5, -3.5);
    for (const auto& [colour, width] : {std::pair<QColor, qreal>{QColor(130, 0, 0), 4.2},
                                        std::pair<QColor, qreal>{QColor(230, 40, 40), 2.2}}) {
        p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(a.topLeft(), a.bottomRight());
        p.drawLine(a.topRight(), a.bottomLeft());
    }
}

void playIcon(QPainter& p, const QRectF& r) {
    QPolygonF t;
    t << QPointF(r.left() + 3.5, r.top() + 2) << QPointF(r.right() - 2, r.center().y())
      << QPointF(r.left() + 3.5, r.bottom() - 2);
    shaded(p, r, t, QColor(120, 215, 110), QColor(30, 140, 40), QColor(20, 90, 25));
}

void folderIcon(QPainter& p, const QRectF& r) {
    const QColor edge(150, 100, 10);
    p.setPen(QPen(edge, 1));
    p.setBrush(QColor(230, 180, 60));
    QPolygonF back;
    back << QPointF(1.5, 3.5) << QPointF(6, 3.5) << QPointF(7.5, 5) << QPointF(13.5, 5)
         << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
    p.drawPolygon(back.translated(r.topLeft()));
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(255, 230, 130));
    g.setColorAt(1, QColor(245, 195, 70));
    p.setBrush(g);
    QPolygonF front;
    front << QPointF(4, 7.5) << QPointF(15.5, 7.5) << QPointF(13.5, 13.5) << QPointF(1.5, 13.5);
    p.drawPolygon(front.translated(r.topLeft()));
}

void floppyIcon(QPainter& p, const QRectF& r) {
    QPolygonF body;
    body << QPointF(1.5, 1.5) << QPointF(12.5, 1.5) << QPointF(14.5, 3.5) << QPointF(14.5, 14.5)
         << QPointF(1.5, 14.5);
    QLinearGradient g(r.topLeft(), r.bottomRight());
    g.setColorAt(0, QColor(80, 120, 200));
    g.setColorAt(1, QColor(30, 60, 140));
    p.setPen(QPen(QColor(20, 35, 90), 1));
    p.setBrush(g);
    p.drawPolygon(body.translated(r.topLeft()));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(205, 210, 220));
    p.drawRect(QRectF(4, 2, 7, 4.5).translated(r.topLeft()));
    p.setBrush(QColor(60, 90, 160));
    p.drawRect(QRectF(8.5, 2.5, 1.5, 3).translated(r.topLeft()));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(3.5, 9, 9, 5).translated(r.topLeft()));
    p.setPen(QPen(QColor(170, 170, 190), 0.8));
    p.drawLine(QPointF(5, 11), QPointF(11, 11));
}

void clipboardIcon(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(110, 70, 30), 1));
    p.setBrush(QColor(190, 130, 70));
    p.drawRoundedRect(QRectF(1.5, 2.5, 10, 12).translated(r.topLeft()), 1.5, 1.5);
    p.setPen(QPen(QColor(90, 90, 100), 1));
    p.setBrush(QColor(200, 200, 210));
    p.drawRoundedRect(QRectF(4, 1.5, 5, 2.5).translated(r.topLeft()), 1, 1);
    // The copied sheet, lying over the board's lower right.
    p.setPen(QPen(QColor(110, 110, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(6.5, 5.5, 8, 9.5).translated(r.topLeft()));
    p.setPen(QPen(QColor(100, 140, 210), 1));
    for (qreal y : {8.0, 10.0, 12.0})
        p.drawLine(QPointF(8, y + 0.5) + r.topLeft(), QPointF(13, y + 0.5) + r.topLeft());
}

// A small video wall of lit tiles, the picture behind the logo and the window icon.
void tiles(QPainter& p, const QRectF& r, int columns, int rows, qreal gap) {
    const qreal w = (r.width() - gap * (columns - 1)) / columns;
    const qreal h = (r.height() - gap * (rows - 1)) / rows;
    for (int x = 0; x < columns; ++x) {
        for (int y = 0; y < rows; ++y) {
            const QRectF t(r.left() + x * (w + gap), r.top() + y * (h + gap), w, h);
            QLinearGradient g(t.topLeft(), t.bottomRight());
            g.setColorAt(0, QColor(120, 200, 255));
            g.setColorAt(1, QColor(20, 110, 200));
            p.setPen(Qt::NoPen);
            p.setBrush(g);
            p.drawRect(t);
        }
    }
}

void windowIcon(QPainter& p, const QRectF& r) {
    QLinearGradient bg(r.topLeft(), r.bottomLeft());
    bg.setColorAt(0, QColor(40, 50, 80));
    bg.setColorAt(1, QColor(10, 15, 35));
    p.setPen(Qt::NoPen);
    p.setBrush(bg);
    p.drawRoundedRect(r.adjusted(1, 1, -1, -1), r.width() * 0.18, r.width() * 0.18);
    const qreal m = r.width() * 0.16;
    tiles(p, r.adjusted(m, m, -m, -m), 2, 2, r.width() * 0.05);
    QFont f = boldFont(int(r.height() * 0.62));
    p.setFont(f);
    QPainterPath z;
    z.addText(0, 0, f, QStringLiteral("Z"));
    const QRectF b = z.boundingRect();
    z.translate(r.center() - b.center());
    p.setPen(
        QPen(QColor(10, 20, 50), r.width() * 0.06, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(z);
}

void splashLogo(QPainter& p, const QRectF& r) {
    tiles(p, QRectF(r.left() + 8, r.top() + 16, 78, 58), 3, 2, 3);
    p.setPen(QColor(20, 40, 90));
    p.setFont(boldFont(52));
    p.drawText(QRectF(r.left() + 98, r.top() + 4, 180, 60), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("ZET"));
    QFont small = boldFont(11);
    small.setLetterSpacing(QFont::AbsoluteSpacing, 2.2);
    p.setFont(small);
    p.setPen(QColor(90, 100, 120));
    p.drawText(QRectF(r.left() + 100, r.top() + 62, 180, 16), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("DISPLAY SOLUTIONS"));
}

void splashBlank(QPainter& p, const QRectF& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, Qt::white);
    g.setColorAt(1, QColor(214, 224, 240));
    p.fillRect(r, g);
}

// Tree branch lines: a vertical line through the cell, or from its top to its middle, a stub to
// the right, and an open or closed box where the item has children.
enum Branch { Through = 1, UpperHalf = 2, Stub = 4, Closed = 8, Open = 16 };

void branch(QPainter& p, const QRectF& r, int parts) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int cx = int(r.width()) / 2 - 1;
    const int cy = int(r.height()) / 2 - 1;
    p.setPen(QColor(165, 175, 190));
    if (parts & Through)
        p.drawLine(cx, 0, cx, int(r.height()) - 1);
    if (parts & UpperHalf)
        p.drawLine(cx, 0, cx, cy);
    if (parts & Stub)
        p.drawLine(cx, cy, int(r.width()) - 1, cy);
    if (parts & (Open | Closed)) {
        const QRect box(cx - 4, cy - 4, 8, 8);
        QLinearGradient g(box.topLeft(), box.bottomLeft());
        g.setColorAt(0, Qt::white);
        g.setColorAt(1, QColor(220, 228, 240));
        p.setPen(QColor(110, 125, 150));
        p.setBrush(g);
        p.drawRect(box);
        p.setPen(QColor(30, 40, 70));
        p.drawLine(cx - 2, cy, cx + 2, cy);
        if (parts & Closed)
            p.drawLine(cx, cy - 2, cx, cy + 2);
    }
}

// Example test patterns shown in the confirmation questions.
void activeVideo(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const int columns = 5, rows = 3;
    const qreal w = r.width() / columns, h = r.height() / rows;
    for (int x = 0; x < columns; ++x)
        for (int y = 0; y < rows; ++y)
            p.fillRect(QRectF(x * w, y * h, w, h), (x + y) % 2 ? Qt::black : Qt::white);
    p.setPen(QColor(128, 128, 128));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

void colourBars(QPainter& p, const QRectF& r) {
    p.setRenderHint(QPainter::Antialiasing, false);
    const QColor bars[] = {Qt::white,   Qt::yellow, Qt::cyan, Qt::green,
                           Qt::magenta, Qt::red,    Qt::blue, Qt::black};
    const qreal w = r.width() / 8;
    for (int i = 0; i < 8; ++i)
        p.fillRect(QRectF(i * w, 0, w, r.height()), bars[i]);
    p.setPen(QColor(128, 128, 128));
    p.drawRect(r.adjusted(0, 0, -1, -1));
}

// Two rows of tiled displays showing a bar that moves to the right. Each panel draws its picture
// line by line over one frame, so the bar leans; how the rows meet shows the frame gap.
enum class Scan { BothDown, Compensated, Reversed };

void tiledRows(QPainter& p, const QRectF& r, Scan scan) {
    p.fillRect(r, Qt::white);
    const QRectF wall(r.left() + 4, r.top() + 4, r.width() - 34, r.height() - 8);
    const int bezel = 3;
    const qreal tileW = wall.width() / 2, tileH = wall.height() / 2;
    const qreal lean = 22, barWidth = 12, barX = wall.left() + tileW * 0.55;
    // Time within the frame at which the panel row draws height fraction f.
    auto when = [&](int row, qreal f) {
        switch (scan) {
        case Scan::BothDown:
            return f;
        case Scan::Compensated:
            return (row + f) / 2;
        case Scan::Reversed:
            return row == 0 ? 1 - f : f;
        }
        return f;
    };
    p.fillRect(wall, QColor(35, 35, 35));
    for (int row = 0; row < 2; ++row) {
        for (int column = 0; column < 2; ++column) {
            const QRectF screen(wall.left() + column * tileW + bezel,
                                wall.top() + row * tileH + bezel, tileW - 2 * bezel,
                                tileH - 2 * bezel);
            QLinearGradient g(screen.topLeft(), screen.bottomLeft());
            g.setColorAt(0, QColor(40, 90, 170));
            g.setColorAt(1, QColor(20, 50, 110));
            p.fillRect(screen, g);
            p.save();
            p.setClipRect(screen);
            const qreal top = wall.top() + row * tileH, bottom = top + tileH;
            const qreal x0 = barX + lean * when(row, 0), x1 = barX + lean * when(row, 1);
            QPolygonF bar;
            bar << QPointF(x0, top) << QPointF(x0 + barWidth, top) << QPointF(x1 + barWidth, bottom)
                << QPointF(x1, bottom);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 250, 235));
            p.drawPolygon(bar);
            p.restore();
        }
        // Scan direction of the row, at its right.
        const bool up = scan == Scan::Reversed && row == 0;
        const qreal ax = wall.right() + 15;
        const qreal top = wall.top() + row * tileH + 8, bottom = top + tileH - 16;
        p.setPen(QPen(QColor(200, 40, 40), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(ax, top), QPointF(ax, bottom));
        const qreal tipY = up ? top : bottom, dir = up ? 1 : -1;
        QPolygonF head;
        head << QPointF(ax, tipY - dir * 2) << QPointF(ax - 6, tipY + dir * 7)
             << QPointF(ax + 6, tipY + dir * 7);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(200, 40, 40));
        p.drawPolygon(head);
    }
}

std::vector<Picture> pictures() {
    const QSize icon(16, 16);
    std::vector<Picture> list = {
        {"zet icon.png", {64, 64}, windowIcon},
        {"splash small.png", {280, 90}, splashLogo},
        {"splash blank.png", {300, 160}, splashBlank},
        {"blank16.png", icon, [](QPainter&, const QRectF&) {}},
        {"refresh16.png", icon, refreshIcon},
        {"search 16.png", icon, searchIcon},
        {"power-on16.png", icon,
         [](QPainter& p, const QRectF& r) { powerIcon(p, r, QColor(40, 170, 50)); }},
        {"power-off16.png", icon,
         [](QPainter& p, const QRectF& r) { powerIcon(p, r, QColor(200, 35, 35)); }},
        {"warning.png", icon, warningIcon},
        {"help-tip.png", icon, helpTip},
        {"delete.png", icon, deleteIcon},
        {"play.png", icon, playIcon},
        {"file open small icon.png", icon, folderIcon},
        {"file save small icon.png", icon, floppyIcon},
        {"Clipbooard Copy.png", icon, clipboardIcon},
        {"green circle icon.png", icon,
         [](QPainter& p, const QRectF& r) {
             ball(p, r.adjusted(1, 1, -1, -1), QColor(40, 180, 50));
         }},
        {"red circle icon.png", icon,
         [](QPainter& p, const QRectF& r) {
             ball(p, r.adjusted(1, 1, -1, -1), QColor(215, 35, 35));
         }},
        {"alerts_red_icon_20.png", {20, 20}, alertIcon},
        {"activevideo.png", {200, 120}, activeVideo},
        {"colorbar.png", {200, 120}, colourBars},
        {"frame gap.png",
         {220, 130},
         [](QPainter& p, const QRectF& r) { tiledRows(p, r, Scan::BothDown); }},
        {"frame comp on.png",
         {220, 130},
         [](QPainter& p, const QRectF& r) { tiledRows(p, r, Scan::Compensated); }},
        {"panel scan reverse.png",
         {220, 130},
         [](QPainter& p, const QRectF& r) { tiledRows(p, r, Scan::Reversed); }},
    };
    const std::pair<const char*, QColor> swatches[] = {
        {"black", Qt::black}, {"white", Qt::white},   {"red", Qt::red},
        {"green", Qt::green}, {"blue", Qt::blue},     {"magenta", Qt::magenta},
        {"cyan", Qt::cyan},   {"yellow", Qt::yellow}, {"gray10", grey(10)},
        {"gray25", grey(25)}, {"gray50", grey(50)},   {"gray75", grey(75)},
    };
    for (const auto& [name, colour] : swatches) {
        const QColor c = colour;
        list.push_back({QString::fromLatin1(name) + " 16.png", icon,
                        [c](QPainter& p, const QRectF& r) { swatch(p, r, c); }});
    }
    const std::pair<const char*, int> branches[] = {
        {"tv-vertline.png", Through},
        {"tv-vlinebr.png", Through | Stub},
        {"tv-vlinebrlast.png", UpperHalf | Stub},
        {"tv-vlinebrclosed.png", Through | Stub | Closed},
        {"tv-vlinebropen.png", Through | Stub | Open},
        {"tv-vlinebrlastclosed.png", UpperHalf | Stub | Closed},
        {"tv-vlinebrlastopen.png", UpperHalf | Stub | Open},
    };
    for (const auto& [name, parts] : branches) {
        const int pr = parts;
        list.push_back({QString::fromLatin1(name), {20, 20}, [pr](QPainter& p, const QRectF& r) {
                            branch(p, r, pr);
                        }});
    }
    return list;
}

QImage paint(const Picture& picture) {
    QImage image(picture.size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    picture.draw(p, QRectF(QPointF(0, 0), QSizeF(picture.size)));
    return image;
}

// All images side by side, each also on a dark ground, enlarged so small icons can be judged.
QImage contactSheet(const std::vector<std::pair<QString, QImage>>& images) {
    const int cell = 240, perRow = 6;
    const int rows = int(images.size() + perRow - 1) / perRow;
    QImage sheet(cell * perRow, cell * rows, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(QColor(236, 236, 236));
    QPainter p(&sheet);
    p.setFont(boldFont(11));
    for (size_t i = 0; i < images.size(); ++i) {
        const QRect box(int(i % perRow) * cell, int(i / perRow) * cell, cell, cell);
        const QImage& image = images[i].second;
        const int zoom = image.width() <= 20 ? 4 : (image.width() <= 64 ? 2 : 1);
        const QImage big = image.scaled(image.size() * zoom);
        p.fillRect(QRect(box.left() + 4, box.top() + 4, cell - 8, 100), Qt::white);
        p.fillRect(QRect(box.left() + 4, box.top() + 108, cell - 8, 100), QColor(60, 60, 70));
        for (int half = 0; half < 2; ++half) {
            const QRect area(box.left() + 4, box.top() + 4 + half * 104, cell - 8, 100);
            const QImage shown = big.width() > area.width() || big.height() > area.height()
                                     ? big.scaled(area.size(), Qt::KeepAspectRatio)
                                     : big;
            p.drawImage(area.center() - QPoint(shown.width() / 2, shown.height() / 2), shown);
        }
        p.setPen(Qt::black);
        p.drawText(QRect(box.left(), box.bottom() - 28, cell, 26), Qt::AlignCenter,
                   images[i].first);
    }
    return sheet;
}

} // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc < 2) {
        err << "usage: draw_images <output folder> [contact sheet file]\n";
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    std::vector<std::pair<QString, QImage>> drawn;
    for (const Picture& picture : pictures()) {
        const QImage image = paint(picture);
        if (!image.save(out.filePath(picture.file), "PNG")) {
            err << "cannot write " << out.filePath(picture.file) << '\n';
            return 1;
        }
        drawn.emplace_back(picture.file, image);
    }
    if (argc > 2 && !contactSheet(drawn).save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        err << "cannot write " << argv[2] << '\n';
        return 1;
    }
    return 0;
}
