// The reference of bench_startup: a minimal Qt program with a main window, the program's
// navigation tree and empty pages, linked with Qt Widgets only.
//   minimal_window <pages>   the tree's paths come on standard input, one a line
#include "process_figures.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QStackedWidget>
#include <QTextStream>
#include <QTreeWidget>

namespace {
QTreeWidgetItem* childByText(QTreeWidgetItem* parent, const QString& text) {
    for (int i = 0; i < parent->childCount(); ++i)
        if (parent->child(i)->text(0) == text)
            return parent->child(i);
    return nullptr;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int pageCount = argc > 1 ? QByteArray(argv[1]).toInt() : 0;
    QTextStream in(stdin);
    QStringList paths;
    for (QString line; in.readLineInto(&line);)
        paths << line;

    QMainWindow window;
    auto* central = new QWidget(&window);
    auto* layout = new QHBoxLayout(central);
    auto* tree = new QTreeWidget(central);
    auto* pages = new QStackedWidget(central);
    for (int i = 0; i < pageCount; ++i)
        pages->addWidget(new QWidget(pages));
    for (const QString& path : paths) {
        QTreeWidgetItem* item = tree->invisibleRootItem();
        for (const QString& part : path.split(QLatin1Char('/'))) {
            QTreeWidgetItem* child = childByText(item, part);
            item = child ? child : new QTreeWidgetItem(item, QStringList{part});
        }
    }
    tree->expandAll();
    layout->addWidget(tree);
    layout->addWidget(pages);
    window.setCentralWidget(central);
    window.resize(941, 990);
    window.show();
    return idleAndReport(monotonicNs());
}
