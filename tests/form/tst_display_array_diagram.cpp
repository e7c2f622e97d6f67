#include "lm_display_array_size_diagram_widget.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

using Diagram = LM_display_array_size_diagram_widget;
using Tiles = QVector<QPoint>;
Q_DECLARE_METATYPE(Qt::MouseButton)

namespace {
const QColor tileColour(255, 255, 192);
const QColor hoveredColour(255, 255, 205);
const QColor selectedColour(225, 225, 255);
const QColor selectedHoveredColour(235, 235, 255);
const QColor grey(128, 128, 128);

void send(QWidget& w, QEvent::Type type) {
    QEvent e(type);
    QApplication::sendEvent(&w, &e);
}

void mouse(QWidget& w, QEvent::Type type, QPoint pos, Qt::MouseButton button = Qt::NoButton) {
    QMouseEvent e(type, pos, w.mapToGlobal(pos), button,
                  type == QEvent::MouseMove ? Qt::NoButton : button, Qt::NoModifier);
    QApplication::sendEvent(&w, &e);
}

QColor pixel(QWidget& w, QPoint p) {
    return w.grab().toImage().pixelColor(p);
}

// A 300 x 200 diagram of 3 columns and 2 rows: tiles of 100 pixels from the top left corner.
struct Wall {
    Diagram d;
    Wall(int columns = 3, int rows = 2, QSize size = {300, 200}) {
        d.resize(size);
        d.setColumns(columns);
        d.setRows(rows);
    }
    static QPoint centre(int x, int y) { return {x * 100 + 50, y * 100 + 50}; }
    static QPoint corner(int x, int y) { return {x * 100 + 10, y * 100 + 10}; }
};
} // namespace

class DisplayArrayDiagramTest : public QObject {
    Q_OBJECT

private slots:
    void startsWithOneTileNothingMarked() {
        Diagram d;
        QCOMPARE(d.sizeHint(), QSize(60, 60));
        QCOMPARE(d.minimumSizeHint(), QSize(60, 60));
        QVERIFY(d.testAttribute(Qt::WA_Hover));
        QVERIFY(d.hasMouseTracking());
        int x = -1, y = -1;
        d.getCurrentlySelectedDisplay(x, y);
        QCOMPARE(QPoint(x, y), QPoint(0, 0));
        d.resize(60, 60);
        QCOMPARE(pixel(d, {30, 30}), tileColour);
        d.setCurrentlySelectedDisplay(2, 1);
        d.getCurrentlySelectedDisplay(x, y);
        QCOMPARE(QPoint(x, y), QPoint(2, 1));
    }

    void hitTest_data() {
        QTest::addColumn<QSize>("size");
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::addColumn<Qt::MouseButton>("button");
        QTest::addColumn<QPoint>("pos");
        QTest::addColumn<Tiles>("clicked");
        const QSize wide(300, 100), wall(300, 200);
        QTest::newRow("middle tile")
            << wall << 3 << 2 << Qt::LeftButton << QPoint(150, 150) << Tiles{{1, 1}};
        QTest::newRow("top left pixel")
            << wall << 3 << 2 << Qt::LeftButton << QPoint(0, 0) << Tiles{{0, 0}};
        QTest::newRow("last pixel of a tile")
            << wall << 3 << 2 << Qt::LeftButton << QPoint(99, 99) << Tiles{{0, 0}};
        QTest::newRow("first pixel of the next")
            << wall << 3 << 2 << Qt::LeftButton << QPoint(100, 99) << Tiles{{1, 0}};
        QTest::newRow("bottom right pixel")
            << wall << 3 << 2 << Qt::LeftButton << QPoint(299, 199) << Tiles{{2, 1}};
        QTest::newRow("right button")
            << wall << 3 << 2 << Qt::RightButton << QPoint(150, 150) << Tiles{};
        QTest::newRow("middle button")
            << wall << 3 << 2 << Qt::MiddleButton << QPoint(150, 150) << Tiles{};
        // 2 x 2 tiles of 50 in a 300 x 100 widget are centred: x from 100 to 199.
        QTest::newRow("left of centred grid")
            << wide << 2 << 2 << Qt::LeftButton << QPoint(99, 50) << Tiles{};
        QTest::newRow("centred grid first tile")
            << wide << 2 << 2 << Qt::LeftButton << QPoint(100, 0) << Tiles{{0, 0}};
        QTest::newRow("centred grid last tile")
            << wide << 2 << 2 << Qt::LeftButton << QPoint(199, 99) << Tiles{{1, 1}};
        QTest::newRow("right of centred grid")
            << wide << 2 << 2 << Qt::LeftButton << QPoint(200, 50) << Tiles{};
        QTest::newRow("ten by ten")
            << QSize(200, 200) << 10 << 10 << Qt::LeftButton << QPoint(195, 45) << Tiles{{9, 2}};
        QTest::newRow("tiles of zero size")
            << QSize(5, 5) << 10 << 10 << Qt::LeftButton << QPoint(2, 2) << Tiles{};
        QTest::newRow("no rows") << wall << 3 << 0 << Qt::LeftButton << QPoint(150, 150) << Tiles{};
        QTest::newRow("no columns")
            << wall << 0 << 2 << Qt::LeftButton << QPoint(150, 150) << Tiles{};
        QTest::newRow("negative rows")
            << wall << 3 << -2 << Qt::LeftButton << QPoint(150, 150) << Tiles{};
    }

    void hitTest() {
        QFETCH(QSize, size);
        QFETCH(int, columns);
        QFETCH(int, rows);
        QFETCH(Qt::MouseButton, button);
        QFETCH(QPoint, pos);
        QFETCH(Tiles, clicked);
        Wall w(columns, rows, size);
        QSignalSpy spy(&w.d, &Diagram::clicked);
        mouse(w.d, QEvent::MouseButtonPress, pos, button);
        mouse(w.d, QEvent::MouseButtonRelease, pos, button);
        Tiles got;
        for (const QList<QVariant>& args : spy)
            got.append(QPoint(args.at(0).toInt(), args.at(1).toInt()));
        QCOMPARE(got, clicked);
    }

    void onlyLeftReleaseRepaints() {
        Wall w;
        w.d.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w.d));
        int paints = 0;
        struct Counter : QObject {
            int& n;
            explicit Counter(int& count) : n(count) {}
            bool eventFilter(QObject*, QEvent* e) override {
                n += e->type() == QEvent::Paint;
                return false;
            }
        } counter(paints);
        w.d.installEventFilter(&counter);
        QTest::qWait(50);
        paints = 0;
        mouse(w.d, QEvent::MouseButtonRelease, Wall::centre(1, 1), Qt::RightButton);
        QTest::qWait(50);
        QCOMPARE(paints, 0);
        mouse(w.d, QEvent::MouseButtonRelease, QPoint(-5, -5), Qt::LeftButton);
        QTRY_VERIFY(paints > 0);
    }

    void tileColours_data() {
        QTest::addColumn<bool>("enabled");
        QTest::addColumn<bool>("hover");
        QTest::addColumn<bool>("selected");
        QTest::addColumn<QColor>("colour"); // an invalid colour: from the disabled palette
        QTest::addColumn<bool>("outlined");
        QTest::newRow("plain") << true << false << false << tileColour << false;
        QTest::newRow("hovered") << true << true << false << hoveredColour << true;
        QTest::newRow("selected") << true << false << true << selectedColour << false;
        QTest::newRow("selected and hovered")
            << true << true << true << selectedHoveredColour << true;
        QTest::newRow("disabled") << false << true << false << QColor() << false;
        QTest::newRow("disabled selected") << false << true << true << QColor() << false;
    }

    // Tile (1, 0) in each state. Just inside the tile's edge lies the black outline of a hovered
    // tile, else the window's ground; the tile's edge is drawn 2 pixels in.
    void tileColours() {
        QFETCH(bool, enabled);
        QFETCH(bool, hover);
        QFETCH(bool, selected);
        QFETCH(QColor, colour);
        QFETCH(bool, outlined);
        Wall w;
        w.d.showHover(hover);
        w.d.showCurrentlySelectedDisplay(selected);
        w.d.setCurrentlySelectedDisplay(1, 0);
        send(w.d, QEvent::Enter);
        mouse(w.d, QEvent::MouseMove, Wall::centre(1, 0));
        w.d.setEnabled(enabled);
        const QPalette& palette = w.d.palette();
        const QColor disabledTile = palette.color(QPalette::Disabled, QPalette::Button);
        if (!colour.isValid())
            colour =
                palette.color(QPalette::Disabled, selected ? QPalette::Dark : QPalette::Button);
        const QColor ground = palette.color(QPalette::Window);
        const QImage image = w.d.grab().toImage();
        QCOMPARE(image.pixelColor(Wall::centre(1, 0)), colour);
        QCOMPARE(image.pixelColor(101, 50), outlined ? QColor(Qt::black) : ground);
        QCOMPARE(image.pixelColor(102, 50), grey);
        QCOMPARE(image.pixelColor(Wall::centre(0, 0)), enabled ? tileColour : disabledTile);
        QCOMPARE(image.pixelColor(100, 50), ground);
    }

    void hoverFollowsMouseOnlyWhenShown() {
        Wall w;
        send(w.d, QEvent::Enter);
        mouse(w.d, QEvent::MouseMove, Wall::centre(2, 1));
        QCOMPARE(pixel(w.d, Wall::centre(2, 1)), tileColour);

        w.d.showHover(true);
        mouse(w.d, QEvent::MouseMove, Wall::centre(2, 1));
        QCOMPARE(pixel(w.d, Wall::centre(2, 1)), hoveredColour);
        mouse(w.d, QEvent::MouseMove, Wall::corner(0, 0));
        QImage image = w.d.grab().toImage();
        QCOMPARE(image.pixelColor(Wall::centre(0, 0)), hoveredColour);
        QCOMPARE(image.pixelColor(Wall::centre(2, 1)), tileColour);

        // Turning hover off freezes the mark where it was.
        w.d.showHover(false);
        mouse(w.d, QEvent::MouseMove, Wall::centre(1, 1));
        w.d.showHover(true);
        QCOMPARE(pixel(w.d, Wall::centre(0, 0)), hoveredColour);
        QCOMPARE(pixel(w.d, Wall::centre(1, 1)), tileColour);
    }

    void hoverOutsideTilesAndAfterLeaving() {
        Wall w(2, 2, {300, 200}); // tiles of 100 from x = 50 to 249
        w.d.showHover(true);
        send(w.d, QEvent::Enter);
        mouse(w.d, QEvent::MouseMove, {60, 150});
        QCOMPARE(pixel(w.d, {100, 150}), hoveredColour);
        mouse(w.d, QEvent::MouseMove, {20, 20});
        QCOMPARE(pixel(w.d, {100, 150}), hoveredColour);
        send(w.d, QEvent::Leave);
        QCOMPARE(pixel(w.d, {100, 150}), tileColour);
        send(w.d, QEvent::Enter);
        QCOMPARE(pixel(w.d, {100, 150}), hoveredColour);
    }

    void numberingOrder_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<bool>("firstX");
        QTest::addColumn<bool>("zigZag");
        QTest::addColumn<Tiles>("order");
        // Two rows of three columns.
        QTest::newRow("top left across")
            << 0 << true << false << Tiles{{0, 0}, {1, 0}, {2, 0}, {0, 1}, {1, 1}, {2, 1}};
        QTest::newRow("top left across zig zag")
            << 0 << true << true << Tiles{{0, 0}, {1, 0}, {2, 0}, {2, 1}, {1, 1}, {0, 1}};
        QTest::newRow("top left down")
            << 0 << false << false << Tiles{{0, 0}, {0, 1}, {1, 0}, {1, 1}, {2, 0}, {2, 1}};
        QTest::newRow("top left down zig zag")
            << 0 << false << true << Tiles{{0, 0}, {0, 1}, {1, 1}, {1, 0}, {2, 0}, {2, 1}};
        QTest::newRow("top right, first x")
            << 1 << true << false << Tiles{{2, 0}, {2, 1}, {1, 0}, {1, 1}, {0, 0}, {0, 1}};
        QTest::newRow("top right, first x, zig zag")
            << 1 << true << true << Tiles{{2, 0}, {2, 1}, {1, 1}, {1, 0}, {0, 0}, {0, 1}};
        QTest::newRow("top right, not first x")
            << 1 << false << false << Tiles{{2, 0}, {1, 0}, {0, 0}, {2, 1}, {1, 1}, {0, 1}};
        QTest::newRow("top right, not first x, zig zag")
            << 1 << false << true << Tiles{{2, 0}, {1, 0}, {0, 0}, {0, 1}, {1, 1}, {2, 1}};
        QTest::newRow("bottom left, first x")
            << 2 << true << false << Tiles{{0, 1}, {0, 0}, {1, 1}, {1, 0}, {2, 1}, {2, 0}};
        QTest::newRow("bottom left, first x, zig zag")
            << 2 << true << true << Tiles{{0, 1}, {0, 0}, {1, 0}, {1, 1}, {2, 1}, {2, 0}};
        QTest::newRow("bottom left, not first x")
            << 2 << false << false << Tiles{{0, 1}, {1, 1}, {2, 1}, {0, 0}, {1, 0}, {2, 0}};
        QTest::newRow("bottom right across")
            << 3 << true << false << Tiles{{2, 1}, {1, 1}, {0, 1}, {2, 0}, {1, 0}, {0, 0}};
        QTest::newRow("bottom right across zig zag")
            << 3 << true << true << Tiles{{2, 1}, {1, 1}, {0, 1}, {0, 0}, {1, 0}, {2, 0}};
        QTest::newRow("bottom right down zig zag")
            << 3 << false << true << Tiles{{2, 1}, {2, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 0}};
        QTest::newRow("other corner is bottom right")
            << 7 << true << false << Tiles{{2, 1}, {1, 1}, {0, 1}, {2, 0}, {1, 0}, {0, 0}};
    }

    void numberingOrder() {
        QFETCH(int, corner);
        QFETCH(bool, firstX);
        QFETCH(bool, zigZag);
        QFETCH(Tiles, order);
        QCOMPARE(Diagram::numberingOrder(2, 3, corner, firstX, zigZag), order);
    }

    void numberingOfEmptyGridIsEmpty() {
        QVERIFY(Diagram::numberingOrder(0, 3, 0, true, true).isEmpty());
        QVERIFY(Diagram::numberingOrder(3, 0, 3, false, false).isEmpty());
        QVERIFY(Diagram::numberingOrder(-1, -4, 1, true, false).isEmpty());
    }

    void paintedPathJoinsConsecutiveTiles_data() {
        QTest::addColumn<int>("corner");
        QTest::addColumn<bool>("firstX");
        QTest::addColumn<bool>("zigZag");
        QTest::addColumn<QVector<bool>>("joined"); // top, bottom, left, right gap
        QTest::newRow("across") << 0 << true << false << QVector<bool>{true, true, false, false};
        QTest::newRow("across zig zag")
            << 0 << true << true << QVector<bool>{true, true, false, true};
        QTest::newRow("down") << 0 << false << false << QVector<bool>{false, false, true, true};
        QTest::newRow("bottom left down zig zag")
            << 2 << true << true << QVector<bool>{true, false, true, true};
    }

    // A 2 x 2 wall of 100-pixel tiles; the gaps between neighbouring tiles are crossed by the
    // path only where the numbering goes from one tile to the other.
    void paintedPathJoinsConsecutiveTiles() {
        QFETCH(int, corner);
        QFETCH(bool, firstX);
        QFETCH(bool, zigZag);
        QFETCH(QVector<bool>, joined);
        Wall w(2, 2, {200, 200});
        w.d.setStartingCorner(corner);
        w.d.setLayoutDirection(firstX);
        w.d.setLineOrder(zigZag);
        w.d.showLayoutDirection(true);
        const QImage image = w.d.grab().toImage();
        const QPoint gaps[] = {{100, 50}, {100, 150}, {50, 100}, {150, 100}};
        for (int i = 0; i < 4; ++i) {
            const QColor c = image.pixelColor(gaps[i]);
            QVERIFY2((c.blue() < 100 && c.red() < 60) == joined[i], qPrintable(QString::number(i)));
        }
        // Veiled tiles, their edges drawn 4 pixels in.
        const QColor veil = image.pixelColor(20, 20);
        QVERIFY(veil.blue() > veil.red() + 40);
        QCOMPARE(image.pixelColor(4, 20), grey);
        QCOMPARE(image.pixelColor(2, 20), w.d.palette().color(QPalette::Window));
    }

    void numberFontGrowsWithTiles_data() {
        QTest::addColumn<int>("tile");
        QTest::addColumn<int>("extraPoints");
        QTest::newRow("20") << 20 << 0;
        QTest::newRow("23") << 23 << 0;
        QTest::newRow("24") << 24 << 1;
        QTest::newRow("100") << 100 << 20;
        QTest::newRow("8") << 8 << 0;
    }

    void numberFontGrowsWithTiles() {
        QFETCH(int, tile);
        QFETCH(int, extraPoints);
        Diagram d;
        const int base = d.font().pointSize();
        d.resize(tile * 3, tile * 2 + 1);
        d.setColumns(3);
        d.setRows(2);
        d.showLayoutDirection(true);
        d.grab();
        QCOMPARE(d.font().pointSize(), base + extraPoints);
        d.resize(20, 20); // tiles of 6: back to the first size
        d.grab();
        QCOMPARE(d.font().pointSize(), base);
    }

    void pixelSizedFontKeepsItsSize() {
        QWidget parent;
        QFont pixelFont = parent.font();
        pixelFont.setPixelSize(13);
        parent.setFont(pixelFont);
        Diagram& d = *new Diagram(&parent);
        d.resize(300, 200);
        d.grab();
        QCOMPARE(d.font().pixelSize(), 13);
        QCOMPARE(d.font().pointSize(), -1);
    }

    void noRowsOrColumnsDrawNothing_data() {
        QTest::addColumn<int>("columns");
        QTest::addColumn<int>("rows");
        QTest::newRow("no rows") << 3 << 0;
        QTest::newRow("no columns") << 0 << 2;
        QTest::newRow("neither") << 0 << 0;
        QTest::newRow("negative") << -3 << 2;
    }

    void noRowsOrColumnsDrawNothing() {
        QFETCH(int, columns);
        QFETCH(int, rows);
        Wall w(columns, rows);
        w.d.showLayoutDirection(true);
        w.d.showHover(true);
        w.d.showCurrentlySelectedDisplay(true);
        send(w.d, QEvent::Enter);
        mouse(w.d, QEvent::MouseMove, {150, 100});
        const QImage image = w.d.grab().toImage();
        const QColor ground = w.d.palette().color(QPalette::Window);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixelColor(x, y) != ground)
                    QFAIL(qPrintable(QStringLiteral("drawn at %1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(DisplayArrayDiagramTest)
#include "tst_display_array_diagram.moc"
