#include "cprojectorbrowsedlg.h"

#include "pjsearchudp.h"
#include "program_globals.h"
#include "string_resource.h"
#include "ui_cprojectorbrowsedlg.h"

#include <QHeaderView>
#include <QProgressDialog>

namespace {
constexpr int kTickMs = 500;
// A search still running after this many ticks (about 5.5 s) is stopped.
constexpr int kMaxSearchTicks = 10;
constexpr int kAutoEnumerateMs = 200;
constexpr int kProgressShowMs = 10;
// Results with this value are not displays.
constexpr uint kNotADisplay = 255;

enum Column { AddressColumn = 0, NameColumn = 1 };

// The computer's adapters, as the program-wide list reads them now.
QList<NetworkAdapter> computerAdapters() {
    NetworkInterfaceCard own;
    NetworkInterfaceCard* cards = g_network_interface_cards ? g_network_interface_cards : &own;
    cards->enumerate();
    QList<NetworkAdapter> list;
    for (int i = 0; i < cards->count(); ++i) {
        NetworkAdapter a;
        cards->name(i, a.name);
        cards->ipAddress(i, a.ip);
        cards->broadcastAddress(i, a.broadcast);
        list << a;
    }
    return list;
}
} // namespace

CProjectorBrowseDlg::CProjectorBrowseDlg(QWidget* parent, int mode)
    : CProjectorBrowseDlg(parent, mode, computerAdapters(), QHostAddress(QHostAddress::AnyIPv4)) {}

CProjectorBrowseDlg::CProjectorBrowseDlg(QWidget* parent, int mode,
                                         const QList<NetworkAdapter>& adapter_list,
                                         const QHostAddress& bindAddress)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      ui(new Ui::CProjectorBrowseDlg), adapters(adapter_list), bind_address(bindAddress),
      mode(mode) {
    ui->setupUi(this);
    const bool projectors = mode == ModeProjectors;
    setWindowTitle(projectors ? tr("Browse for ZET projector")
                              : tr("Search for ZET large-screen display"));
    ui->tableWidget->setHorizontalHeaderLabels(
        {tr("IP Address"), projectors ? tr("Projector Name") : tr("Monitor Name")});
    ui->tableWidget->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);

    for (const NetworkAdapter& a : qAsConst(adapters))
        ui->comboBoxNic->addItem(a.name);

    timer.setInterval(kTickMs);
    connect(&timer, &QTimer::timeout, this, &CProjectorBrowseDlg::OnPJSearchTimerTimeout);
    connect(ui->tableWidget, &QTableWidget::itemSelectionChanged, this,
            &CProjectorBrowseDlg::tableSelectionChanged);
    connect(ui->tableWidget, &QTableWidget::cellDoubleClicked, this,
            &CProjectorBrowseDlg::tableItemClicked);
    connect(ui->cancel_pushButton, &QPushButton::clicked, this, &QDialog::reject);
    ui->ok_pushButton->setEnabled(false);

    if (adapters.size() == 1)
        QTimer::singleShot(kAutoEnumerateMs, this,
                           &CProjectorBrowseDlg::on_networkPJEnumBtn_clicked);
}

CProjectorBrowseDlg::~CProjectorBrowseDlg() = default;

QString CProjectorBrowseDlg::selectedIp() {
    const QList<QTableWidgetItem*> selected = ui->tableWidget->selectedItems();
    for (const QTableWidgetItem* item : selected)
        if (item->column() == AddressColumn)
            return item->text();
    return QString();
}

void CProjectorBrowseDlg::on_networkPJEnumBtn_clicked() {
    ui->tableWidget->setRowCount(0);

    const int index = ui->comboBoxNic->currentIndex();
    if (index < 0 || index >= adapters.size()) {
        // A search without an adapter has nowhere to go: say why nothing happens.
        showMessageBox(this,
                       tr("No network adapter was found. The search needs a network connection "
                          "with an IPv4 address."),
                       MessageIcon::Information);
        return;
    }
    QList<QHostAddress> targets;
    const NetworkAdapter& a = adapters.at(index);
    if (!a.ip.isNull())
        targets << a.ip;
    if (!a.broadcast.isNull())
        targets << a.broadcast;
    if (!search) {
        search = new PJSearchUdp(this, mode, targets);
        search->SetLocalAddress(bind_address);
    } else {
        search->SetTargets(targets);
    }

    if (search->IsSearching() || search->StartSearch(PJSearchUdp::TypeDisplays)) {
        // Counted afresh for every search, so that one search's ticks do not cut the next short.
        search_ticks = 0;
        ui->networkPJEnumBtn->setEnabled(false);
        showProgress();
    }
    timer.start();
}

void CProjectorBrowseDlg::showProgress() {
    if (progress)
        return;
    const QString label = mode == ModeProjectors ? tr("Searching for projectors...")
                                                 : tr("Searching for large-screen displays...");
    progress = new QProgressDialog(label, QString(), 0, 0, this);
    progress->setWindowTitle(tr("Network Enumeration"));
    progress->setWindowModality(Qt::WindowModal);
    progress->setCancelButton(nullptr);
    progress->setWindowFlags(progress->windowFlags() & ~Qt::WindowContextHelpButtonHint &
                             ~Qt::WindowCloseButtonHint);
    progress->setMinimumDuration(kProgressShowMs);
    progress->setAutoReset(true);
}

void CProjectorBrowseDlg::OnPJSearchTimerTimeout() {
    if (progress)
        progress->setValue(progress->value() + 1);
    if (search && search->IsSearching() && ++search_ticks > kMaxSearchTicks) {
        search->StopSearch();
        search_ticks = 0;
    }
    if (search && search->IsSearching())
        return;
    ui->networkPJEnumBtn->setEnabled(true);
    timer.stop();
    listResults();
}

void CProjectorBrowseDlg::listResults() {
    QTableWidget* table = ui->tableWidget;
    table->setSortingEnabled(false);
    for (int i = 0; search && i < search->GetCount(); ++i) {
        PJSearchResult r;
        if (!search->GetResult(i, r) || r.value == kNotADisplay)
            continue;
        const int row = table->rowCount();
        table->insertRow(row);
        table->setItem(row, AddressColumn, new QTableWidgetItem(r.address.toString()));
        table->setItem(row, NameColumn, new QTableWidgetItem(r.name));
    }
    delete progress;
    progress = nullptr;
    table->setSortingEnabled(true);
    if (table->rowCount() > 0) {
        ui->ok_pushButton->setEnabled(true);
        table->selectRow(0);
    }
}

void CProjectorBrowseDlg::tableSelectionChanged() {
    ui->ok_pushButton->setEnabled(!ui->tableWidget->selectedItems().isEmpty());
}

void CProjectorBrowseDlg::on_ok_pushButton_clicked() {
    accept();
}

void CProjectorBrowseDlg::tableItemClicked(int, int) {
    accept();
}
