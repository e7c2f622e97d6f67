#include "zetqvtoolmainwindow.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "controldefinitions.h"
#include "lm_communications_interface_configure_widget.h"
#include "networkinterfacecard.h"
#include "program_globals.h"
#include "string_resource.h"

#include <QHeaderView>
#include <QLineEdit>
#include <QScrollBar>
#include <QSettings>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace {
const char kDefaultAddress[] = "192.168.0.10";

QString controlName(int opcode) {
    return controlDefinitions().find(opcode) ? controlDefinitions().opcodeName(opcode, true)
                                             : QString();
}
} // namespace

ZETQVToolMainWindow::ZETQVToolMainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowFlags()), log_formatter(controlName) {
    ui.setupUi(this);
    long_operation = false;
    g_network_interface_cards = new NetworkInterfaceCard(this);

    read_settings();
    make_connections();

    ui.display_list_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.display_list_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.display_list_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);

    int line = 0;
    // A built-in file that fails to load leaves the definitions empty, without a message.
    controlDefinitions().load(QStringLiteral(":/text/Resources/controls.txt"), &line);

    auto* display_list_model = new QStandardItemModel(0, 3, this);
    display_list_model->setHorizontalHeaderLabels(
        {tr("Connection"), tr("Interface"), tr("Monitor ID")});
    ui.display_list_tableView->setModel(display_list_model);
    ui.display_list_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui.display_list_tableView->hideColumn(0);

    fill_lists();
    ui.display_array_size_diagram_widget->showHover(true);
    ui.display_array_size_diagram_widget->showCurrentlySelectedDisplay(true);

    setWindowFlags(windowFlags() ^ Qt::WindowContextHelpButtonHint);

    // The op-code and frame-compensation timers come with the pages that arm them.
    slider_queue.reset(new WriteBehindQueue<QSlider>(new QTimer(this)));
    spinbox_queue.reset(new WriteBehindQueue<QSpinBox>(new QTimer(this)));
    connect(slider_queue->queueTimer(), SIGNAL(timeout()), this, SLOT(slider_timer_timeout()));
    connect(spinbox_queue->queueTimer(), SIGNAL(timeout()), this, SLOT(spinbox_timer_timeout()));

    settings_dirty_flag = false;
    connect(ui.control_horizontalSlider, SIGNAL(valueChanged(int)), ui.vcp_value_spinBox,
            SLOT(setValue(int)));
    connect(ui.vcp_value_spinBox, SIGNAL(valueChanged(int)), ui.control_horizontalSlider,
            SLOT(setValue(int)));
    {
        const QSignalBlocker blocker(ui.vcp_spinBox);
        ui.vcp_spinBox->setBase(16);
        ui.vcp_spinBox->setValue(0x10);
        ui.vcp_spinBox->setUpperCase(true);
        ui.vcp_spinBox->setMaximum(0x11FF);
    }
    build_page_tree();
    QTimer::singleShot(200, this, SLOT(timeout1()));
}

ZETQVToolMainWindow::~ZETQVToolMainWindow() {
    write_settings();
}

void ZETQVToolMainWindow::read_settings() {
    QSettings settings;
    ui.increased_lan_timeout_checkBox->setChecked(
        settings.value(QStringLiteral("increased_lan_timeout"), false).toBool());
    ui.communications_retry_checkBox->setChecked(
        settings.value(QStringLiteral("communications_retry"), false).toBool());
    ui.categories_checkBox->setChecked(
        settings.value(QStringLiteral("list_opcode_by_category"), true).toBool());
    scan_ip_from =
        settings.value(QStringLiteral("scan_ip_address_from"), kDefaultAddress).toString();
    scan_ip_to = settings.value(QStringLiteral("scan_ip_address_to"), "192.168.0.20").toString();
    if (auto* from = findChild<QLineEdit*>(QStringLiteral("ip_address_from_lineEdit")))
        from->setText(scan_ip_from);
    if (auto* to = findChild<QLineEdit*>(QStringLiteral("ip_address_to_lineEdit")))
        to->setText(scan_ip_to);

    monitor_data data;
    data.communicationsInterfaceType =
        settings.value(QStringLiteral("communicationsInterfaceType"), 1).toInt();
    data.m_monitor_id = settings.value(QStringLiteral("m_monitor_id"), 65).toInt();
    data.m_monitor_id_string =
        settings.value(QStringLiteral("m_monitor_id_string"), "1").toString();
    data.s_communicationsInterfacePortName =
        settings.value(QStringLiteral("s_communicationsInterfacePortName"), kDefaultAddress)
            .toString();
    if (data.s_communicationsInterfacePortName.isEmpty() ||
        data.s_communicationsInterfacePortName == QLatin1String("..."))
        data.s_communicationsInterfacePortName = QLatin1String(kDefaultAddress);
    ui.communications_interface_widget->set_interface_info(data);
}

void ZETQVToolMainWindow::write_settings() {
    QSettings settings;
    settings.setValue(QStringLiteral("increased_lan_timeout"),
                      ui.increased_lan_timeout_checkBox->isChecked());
    settings.setValue(QStringLiteral("communications_retry"),
                      ui.communications_retry_checkBox->isChecked());
    settings.setValue(QStringLiteral("list_opcode_by_category"),
                      ui.categories_checkBox->isChecked());
    if (auto* from = findChild<QLineEdit*>(QStringLiteral("ip_address_from_lineEdit")))
        scan_ip_from = from->text();
    if (auto* to = findChild<QLineEdit*>(QStringLiteral("ip_address_to_lineEdit")))
        scan_ip_to = to->text();
    settings.setValue(QStringLiteral("scan_ip_address_from"), scan_ip_from);
    settings.setValue(QStringLiteral("scan_ip_address_to"), scan_ip_to);
    const monitor_data data = ui.communications_interface_widget->get_interface_info();
    settings.setValue(QStringLiteral("communicationsInterfaceType"),
                      data.communicationsInterfaceType);
    settings.setValue(QStringLiteral("m_monitor_id"), data.m_monitor_id);
    settings.setValue(QStringLiteral("m_monitor_id_string"), data.m_monitor_id_string);
    settings.setValue(QStringLiteral("s_communicationsInterfacePortName"),
                      data.s_communicationsInterfacePortName);
}

void ZETQVToolMainWindow::resizeEvent(QResizeEvent*) {
    if (auto* ip_table = findChild<QTableView*>(QStringLiteral("ip_tableWidget")))
        fit_table_to_columns(ip_table);
    fit_table_to_columns(ui.display_list_tableView);
}

void ZETQVToolMainWindow::showEvent(QShowEvent*) {
    resizeEvent(nullptr);
}

void ZETQVToolMainWindow::closeEvent(QCloseEvent*) {}

void ZETQVToolMainWindow::fit_table_to_columns(QTableView* table) {
    if (!table || !table->model())
        return;
    int width = 0;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        width += table->columnWidth(c);
    if (table->verticalScrollBar()->isVisible())
        width += table->verticalScrollBar()->width();
    if (table->verticalHeader()->isVisible())
        width += table->verticalHeader()->width();
    width += 2;
    table->resize(width, table->height());
    table->setMinimumWidth(width);
}
