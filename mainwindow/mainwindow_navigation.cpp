// The navigation tree and the page switch, which runs the refresh of the page shown.
#include "zetqvtoolmainwindow.h"

#include "app_helpers.h"
#include "command_scope.h"
#include "page_set.h"

#include <QApplication>
#include <QTreeWidgetItemIterator>

#include <algorithm>

namespace {
const char kTreeStyle[] =
    "QTreeView { background: white; padding: 5px; outline: 0; }"
    "QTreeView::item:hover { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, stop: 0 "
    "#e7effd, stop: 1 #cbdaf1); }"
    "QTreeView::item:selected { border: 1px solid #567dbc; color: white; }"
    "QTreeView::item:selected:active { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #6ea1f1, stop: 1 #567dbc); }"
    "QTreeView::item:selected:!active { background: qlineargradient(x1: 0, y1: 0, x2: 0, y2: 1, "
    "stop: 0 #6b9be8, stop: 1 #577fbf); }"
    "QTreeView::branch { background: palette(base); }"
    "QTreeView::branch:has-siblings:!adjoins-item { border-image: url(:Resources/tv-vertline.png) "
    "0; }"
    "QTreeView::branch:has-siblings:adjoins-item { border-image: url(:Resources/tv-vlinebr.png) 0; "
    "}"
    "QTreeView::branch:!has-children:!has-siblings:adjoins-item { border-image: "
    "url(:Resources/tv-vlinebrlast.png) 0; }"
    "QTreeView::branch:has-children:!has-siblings:closed, QTreeView::branch:closed:has-children:"
    "!has-siblings { border-image: url(:Resources/tv-vlinebrlastclosed.png) 0; }"
    "QTreeView::branch:open:has-children:!has-siblings { border-image: "
    "url(:Resources/tv-vlinebrlastopen.png) 0; }"
    "QTreeView::branch:has-children:has-siblings:closed, QTreeView::branch:closed:has-children:"
    "has-siblings { border-image: url(:Resources/tv-vlinebrclosed.png) 0; }"
    "QTreeView::branch:open:has-children:has-siblings { border-image: "
    "url(:Resources/tv-vlinebropen.png) 0; }";

QString groupTitle(const QString& text) {
    QString title = text;
    return title.replace(QLatin1Char('&'), QLatin1String("&&"));
}

constexpr int kFirstPage = 1;
constexpr int kIpScanPage = 32;
constexpr int kMaxPendingEventsMs = 1000;
} // namespace

const QList<ZETQVToolMainWindow::PagePath>& ZETQVToolMainWindow::pagePaths() {
    static const QList<PagePath> paths = {
        {1, "Controls/By OpCode"},
        {2, "Controls/Power"},
        {3, "Controls/Power Save Mode"},
        {4, "Controls/Video & Color"},
        {5, "Controls/Size & Position"},
        {6, "Controls/Group ID"},
        {7, "Controls/Tile Matrix"},
        {8, "Controls/Tile Matrix (Advanced)"},
        {9, "Controls/Cooling Fans"},
        {10, "Status"},
        {11, "IR Remote"},
        {12, "Commands/Clock"},
        {13, "Commands/Daylight Savings"},
        {14, "Commands/Schedule (Basic)"},
        {15, "Commands/Schedule (Advanced)"},
        {16, "Commands/Schedule (Advanced)/Holiday"},
        {17, "Commands/Schedule (Advanced)/Weekend"},
        {18, "Commands/Firmware Version"},
        {19, "Commands/LAN MAC Address"},
        {20, "Commands/TV Tuner Channel"},
        {21, "Commands/Security"},
        {22, "Commands/Input Name"},
        {23, "Commands/Auto ID", false},
        {24, "Commands/Auto Tile Matrix"},
        {25, "Commands/Proof Of Play", false},
        {28, "Alternate Commands/Simple & ASCII Commands", false},
        {29, "Advanced/Analog Video", false},
        {30, "Advanced/Scripting", false},
        {31, "Advanced/Scripting/OpCode Info", false},
        {32, "Advanced/IP Scan", false},
        {33, "Advanced/Operating Mode", false},
        {34, "Advanced/OpCode Scanner", false},
        {35, "Advanced/Test Patterns (raw)"},
        {36, "Advanced/Test Patterns (with correction)"},
        {41, nullptr, false},
        {42, nullptr, false},
        {43, nullptr, false},
    };
    return paths;
}

void ZETQVToolMainWindow::build_page_tree() {
    QTreeWidgetItem* root = ui.treeWidget->invisibleRootItem();
    ui.stackedWidget->setCurrentIndex(kFirstPage);
    for (const PagePath& row : pagePaths()) {
        if (!row.path)
            continue;
        const QStringList parts = QString::fromLatin1(row.path).split(QLatin1Char('/'));
        QTreeWidgetItem* item = root;
        for (int i = 0; i < parts.size(); ++i) {
            if (QTreeWidgetItem* child = findTreeChildByText(item, parts[i])) {
                item = child;
                continue;
            }
            item = new QTreeWidgetItem(item, QStringList{parts[i]});
            const bool last = i == parts.size() - 1;
            item->setData(0, Qt::UserRole, last ? row.page : 0);
            if (last && row.page == kFirstPage)
                ui.treeWidget->setCurrentItem(item);
        }
    }
    ui.treeWidget->expandAll();
    if (ui.treeWidget->currentItem())
        ui.main_groupBox->setTitle(groupTitle(ui.treeWidget->currentItem()->text(0)));
    ui.treeWidget->setStyleSheet(QLatin1String(kTreeStyle));
    ui.control_list_treeWidget->setStyleSheet(QLatin1String(kTreeStyle));
    ui.treeWidget->setHeaderHidden(false);
    ui.control_list_treeWidget->setHeaderHidden(false);
    connect(ui.stackedWidget, &QStackedWidget::currentChanged, this,
            &ZETQVToolMainWindow::tabChanged);
    ui.treeWidget->setMinimumWidth(350);
}

void ZETQVToolMainWindow::show_page(int page) {
    for (QTreeWidgetItemIterator it(ui.treeWidget); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toInt() != page)
            continue;
        // The page and its title are set here, whether or not the tree switches pages yet.
        const QSignalBlocker blocker(ui.treeWidget);
        ui.treeWidget->setCurrentItem(*it);
        ui.main_groupBox->setTitle(groupTitle((*it)->text(0)));
        break;
    }
    ui.stackedWidget->setCurrentIndex(page);
}

void ZETQVToolMainWindow::timeout1() {
    connect(ui.treeWidget, &QTreeWidget::currentItemChanged, this, &ZETQVToolMainWindow::changePage,
            Qt::UniqueConnection);
}

void ZETQVToolMainWindow::changePage(QTreeWidgetItem* current, QTreeWidgetItem* previous) {
    QTreeWidgetItem* item = current ? current : previous;
    if (!item)
        return;
    ui.statusBar->showMessage(QString());
    const int page = item->data(0, Qt::UserRole).toInt();
    if (page < 0)
        return;
    ui.main_groupBox->setTitle(groupTitle(item->text(0)));
    ui.stackedWidget->setCurrentIndex(page);
}

void ZETQVToolMainWindow::tabChanged(int tab) {
    if (tab == kIpScanPage)
        fit_table_to_columns(ui.ip_tableWidget);
    const auto row = std::find_if(pagePaths().begin(), pagePaths().end(),
                                  [tab](const PagePath& p) { return p.page == tab; });
    // Pages that show nothing of the display (the group items' page among them) open no
    // connection.
    const bool reads = row != pagePaths().end() && row->reads;
    ui.reload_settings_pushButton->setEnabled(reads);
    if (!reads)
        return;
    QWidget* page = ui.stackedWidget->widget(tab);
    page_set->clear_result_lines(page);
    CommandScope frame(*this);
    if (!frame) {
        // Nothing the page shows was read from the display now.
        page_set->show_unread(page);
        return;
    }
    // Let the page show before the exchange blocks; no user input meanwhile.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, kMaxPendingEventsMs);
    page_set->refresh(page);
}
