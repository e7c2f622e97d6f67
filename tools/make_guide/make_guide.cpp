// Renders the user's guide from its Markdown text to a PDF, A4 with numbered pages:
//   make_guide <guide.md> <output.pdf>
// Runs offscreen unless a platform is chosen with QT_QPA_PLATFORM.
#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextStream>
#include <QTextTable>

namespace {
constexpr int kResolution = 300;     // dots per inch of the PDF's page
constexpr qreal kMarginInches = 0.8; // around the text on every side
constexpr qreal kScreenDpi = 96;     // the unit of the document's own margins and spacing
constexpr int kFontPoints = 10;
constexpr qreal kCellPadding = 4;
constexpr int kLinesWithHeading = 3; // a heading starts a page unless this much text follows

// Markdown tables come without lines; draw them as a grid.
void drawTableGrids(QTextFrame* frame) {
    for (QTextFrame* child : frame->childFrames()) {
        if (auto* table = qobject_cast<QTextTable*>(child)) {
            QTextTableFormat format = table->format();
            format.setBorder(1);
            format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
            format.setCellSpacing(0);
            format.setCellPadding(kCellPadding);
            table->setFormat(format);
        }
        drawTableGrids(child);
    }
}

// Code blocks and examples in a fixed-width font.
void setCodeFont(QTextDocument& document) {
    QFont fixed(QStringLiteral("monospace"));
    fixed.setStyleHint(QFont::Monospace);
    fixed.setPointSize(kFontPoints);
    QTextCharFormat format;
    format.setFont(fixed);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlockFormat b = block.blockFormat();
        if (!b.nonBreakableLines() && !b.hasProperty(QTextFormat::BlockCodeFence))
            continue;
        QTextCursor cursor(block);
        cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

// Moves a heading that would end a page, without the text below it, to the next page.
void keepHeadingsWithText(QTextDocument& document) {
    QAbstractTextDocumentLayout* layout = document.documentLayout();
    const qreal pageHeight = document.pageSize().height();
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QTextBlock next = block.next();
        if (block.blockFormat().headingLevel() == 0 || !next.isValid())
            continue;
        const QRectF heading = layout->blockBoundingRect(block);
        const QRectF text = layout->blockBoundingRect(next);
        const qreal lines = QFontMetricsF(next.charFormat().font()).lineSpacing() *
                            kLinesWithHeading * kResolution / kScreenDpi;
        const qreal end = text.top() + qMin(text.height(), lines);
        if (int(heading.top() / pageHeight) != int(end / pageHeight)) {
            QTextCursor cursor(block);
            QTextBlockFormat format = block.blockFormat();
            format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
            cursor.setBlockFormat(format);
        }
    }
}
} // namespace

int main(int argc, char* argv[]) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    if (argc != 3) {
        err << "usage: make_guide <guide.md> <output.pdf>\n";
        return 2;
    }
    QFile source(QString::fromLocal8Bit(argv[1]));
    if (!source.open(QIODevice::ReadOnly)) {
        err << "cannot read " << source.fileName() << "\n";
        return 1;
    }
    const QString output = QString::fromLocal8Bit(argv[2]);
    QPdfWriter writer(output);
    writer.setTitle(QStringLiteral("ZET QV Comms Tool User's Guide"));
    writer.setCreator(QStringLiteral("ZET QV Comms Tool"));
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));

    QTextDocument document;
    document.documentLayout()->setPaintDevice(&writer);
    QFont font = document.defaultFont();
    font.setPointSize(kFontPoints);
    document.setDefaultFont(font);
    document.setMarkdown(QString::fromUtf8(source.readAll()));
    drawTableGrids(document.rootFrame());
    setCodeFont(document);
    QTextFrameFormat page = document.rootFrame()->frameFormat();
    page.setMargin(kMarginInches * kScreenDpi);
    document.rootFrame()->setFrameFormat(page);
    const QRectF paper(0, 0, writer.width(), writer.height());
    document.setPageSize(paper.size());
    keepHeadingsWithText(document);

    QPainter painter;
    if (!painter.begin(&writer)) {
        err << "cannot write " << output << "\n";
        return 1;
    }
    const int pages = document.pageCount();
    const qreal numberTop = paper.height() - kMarginInches * kResolution * 0.75;
    for (int i = 0; i < pages; ++i) {
        if (i > 0)
            writer.newPage();
        painter.save();
        painter.translate(0, -i * paper.height());
        QAbstractTextDocumentLayout::PaintContext context;
        context.clip = paper.translated(0, i * paper.height());
        document.documentLayout()->draw(&painter, context);
        painter.restore();
        painter.setFont(font);
        painter.drawText(QRectF(0, numberTop, paper.width(), paper.height() - numberTop),
                         Qt::AlignHCenter | Qt::AlignTop,
                         QStringLiteral("%1 / %2").arg(i + 1).arg(pages));
    }
    painter.end();
    return 0;
}
