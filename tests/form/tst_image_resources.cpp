#include <QDirIterator>
#include <QImage>
#include <QtTest>

namespace {
// Every image the program names, with the size it is drawn for (an empty size: any).
struct Image {
    const char* path;
    QSize size;
};

const QSize icon(16, 16);
const QSize branch(20, 20);

const Image images[] = {
    {":/images/Resources/zet icon.png", {}},
    {":/images/Resources/splash small.png", {}},
    {":/images/Resources/splash blank.png", {}},
    {":/images/Resources/blank16.png", icon},
    {":/images/Resources/refresh16.png", icon},
    {":/images/Resources/search 16.png", icon},
    {":/images/Resources/power-on16.png", icon},
    {":/images/Resources/power-off16.png", icon},
    {":/images/Resources/warning.png", icon},
    {":/images/Resources/help-tip.png", icon},
    {":/images/Resources/delete.png", icon},
    {":/images/Resources/play.png", icon},
    {":/images/Resources/file open small icon.png", icon},
    {":/images/Resources/file save small icon.png", icon},
    {":/images/Resources/Clipbooard Copy.png", icon},
    {":/images/Resources/green circle icon.png", icon},
    {":/images/Resources/red circle icon.png", icon},
    {":/images/Resources/alerts_red_icon_20.png", {20, 20}},
    {":/images/Resources/activevideo.png", {}},
    {":/images/Resources/colorbar.png", {}},
    {":/images/Resources/frame gap.png", {}},
    {":/images/Resources/frame comp on.png", {}},
    {":/images/Resources/panel scan reverse.png", {}},
    {":/images/Resources/black 16.png", icon},
    {":/images/Resources/white 16.png", icon},
    {":/images/Resources/red 16.png", icon},
    {":/images/Resources/green 16.png", icon},
    {":/images/Resources/blue 16.png", icon},
    {":/images/Resources/magenta 16.png", icon},
    {":/images/Resources/cyan 16.png", icon},
    {":/images/Resources/yellow 16.png", icon},
    {":/images/Resources/gray10 16.png", icon},
    {":/images/Resources/gray25 16.png", icon},
    {":/images/Resources/gray50 16.png", icon},
    {":/images/Resources/gray75 16.png", icon},
    {":Resources/tv-vertline.png", branch},
    {":Resources/tv-vlinebr.png", branch},
    {":Resources/tv-vlinebrlast.png", branch},
    {":Resources/tv-vlinebrclosed.png", branch},
    {":Resources/tv-vlinebropen.png", branch},
    {":Resources/tv-vlinebrlastclosed.png", branch},
    {":Resources/tv-vlinebrlastopen.png", branch},
};
} // namespace

class ImageResourcesTest : public QObject {
    Q_OBJECT

private slots:
    void everyImageLoads_data() {
        QTest::addColumn<QString>("path");
        QTest::addColumn<QSize>("size");
        for (const Image& image : images)
            QTest::newRow(image.path) << QString::fromUtf8(image.path) << image.size;
    }

    void everyImageLoads() {
        QFETCH(QString, path);
        QFETCH(QSize, size);
        const QImage image(path);
        QVERIFY(!image.isNull());
        if (size.isValid())
            QCOMPARE(image.size(), size);
    }

    // Nothing is served that the program does not name, so a misspelt name cannot hide.
    void servesExactlyTheNamedImages() {
        QStringList named;
        for (const Image& image : images)
            named << QString::fromUtf8(image.path)
                         .replace(QStringLiteral(":Resources/"), QStringLiteral(":/Resources/"));
        QStringList served;
        for (const char* folder : {":/images/Resources", ":/Resources"}) {
            QDirIterator it(QString::fromLatin1(folder), {QStringLiteral("*.png")}, QDir::Files);
            while (it.hasNext())
                served << it.next();
        }
        named.sort();
        served.sort();
        QCOMPARE(served, named);
        QCOMPARE(served.size(), 42);
    }

    // The splash screen is the logo with a margin and a line of text below, on the blank
    // picture, which must cover all of it.
    void splashBackgroundCoversTheLogo() {
        const QImage logo(QStringLiteral(":/images/Resources/splash small.png"));
        const QImage blank(QStringLiteral(":/images/Resources/splash blank.png"));
        QVERIFY(blank.width() >= logo.width() + 10);
        QVERIFY(blank.height() >= logo.height() + 10 + 2 * 24);
    }

    void swatchesShowTheirColour_data() {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("black") << "black" << QColor(0, 0, 0);
        QTest::newRow("white") << "white" << QColor(255, 255, 255);
        QTest::newRow("red") << "red" << QColor(255, 0, 0);
        QTest::newRow("green") << "green" << QColor(0, 255, 0);
        QTest::newRow("blue") << "blue" << QColor(0, 0, 255);
        QTest::newRow("magenta") << "magenta" << QColor(255, 0, 255);
        QTest::newRow("cyan") << "cyan" << QColor(0, 255, 255);
        QTest::newRow("yellow") << "yellow" << QColor(255, 255, 0);
        QTest::newRow("gray10") << "gray10" << QColor(26, 26, 26);
        QTest::newRow("gray25") << "gray25" << QColor(64, 64, 64);
        QTest::newRow("gray50") << "gray50" << QColor(128, 128, 128);
        QTest::newRow("gray75") << "gray75" << QColor(191, 191, 191);
    }

    void swatchesShowTheirColour() {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        const QImage image(QStringLiteral(":/images/Resources/%1 16.png").arg(name));
        QCOMPARE(image.pixelColor(8, 8), colour);
    }
};

QTEST_MAIN(ImageResourcesTest)
#include "tst_image_resources.moc"
