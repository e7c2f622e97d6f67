#include "zetqvtoolmainwindow.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "controldefinitions.h"
#include "display_list_panel.h"
#include "lm_communications_interface_configure_widget.h"
#include "lm_information_dialog.h"
#include "monitor_address.h"
#include "networkinterfacecard.h"
#include "page_set.h"
#include "program_globals.h"
#include "scripting_page.h"
#include "stored_setting.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <QTimer>

namespace {
const StoredSetting kIncreasedLanTimeout{"increased_lan_timeout", false};
const StoredSetting kRetry{"communications_retry", false};
const StoredSetting kInterfaceType{"communicationsInterfaceType", InterfaceType::Lan};
const StoredSetting kMonitorId{"m_monitor_id", 0x41};
const StoredSetting kMonitorIdText{"m_monitor_id_string", QStringLiteral("1")};
const StoredSetting kPortName{"s_communicationsInterfacePortName",
                              QLatin1String(kDefaultLanAddress)};
constexpr int kConnectNavigationMs = 200;

QString controlName(int opcode) {
    return controlDefinitions().find(opcode) ? controlDefinitions().opcodeName(opcode, true)
                                             : QString();
}
} // namespace

ZETQVToolMainWindow::ZETQVToolMainWindow(QWidget* parent)
    : QMainWindow(parent, Qt::WindowFlags()),
      communications_log(controlName, [this] { return interface_info().isDummy(); }) {
    ui.setupUi(this);
    g_network_interface_cards = new NetworkInterfaceCard(this);

    int line = 0;
    // A built-in file that fails to load leaves the definitions empty, without a message.
    controlDefinitions().load(QStringLiteral(":/text/Resources/controls.txt"), &line);
    page_set = std::make_unique<PageSet>(PageContext{ui, g_basic_monitor, *this}, this);

    read_settings();
    make_connections();

    ui.display_list_tableView->setSelectionMode(QAbstractItemView::SingleSelection);
    ui.display_list_tableView->setSelectionBehavior(QAbstractItemView::SelectRows);
    ui.display_list_tableView->setEditTriggers(QAbstractItemView::NoEditTriggers);
    auto* display_list_model = new QStandardItemModel(0, 3, this);
    display_list_model->setHorizontalHeaderLabels(
        {tr("Connection"), tr("Interface"), tr("Monitor ID")});
    ui.display_list_tableView->setModel(display_list_model);
    ui.display_list_tableView->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ui.display_list_tableView->hideColumn(0);
    auto* display_list =
        new DisplayListPanel({ui.display_list_tableView, ui.display_list_add_current_pushButton,
                              ui.delete_row_pushButton, ui.display_list_open_pushButton,
                              ui.display_list_save_pushButton, ui.communications_interface_widget},
                             this);
    connect(display_list, &DisplayListPanel::display_chosen, this,
            [this] { tabChanged(ui.stackedWidget->currentIndex()); });
    connect(display_list, &DisplayListPanel::rows_added, this,
            [this] { fit_table_to_columns(ui.display_list_tableView); });

    setWindowFlags(windowFlags() ^ Qt::WindowContextHelpButtonHint);

    slider_queue = std::make_unique<WriteBehindQueue>(new QTimer(this));
    spinbox_queue = std::make_unique<WriteBehindQueue>(new QTimer(this));
    connect(slider_queue->queueTimer(), &QTimer::timeout, this,
            &ZETQVToolMainWindow::slider_timer_timeout);
    connect(spinbox_queue->queueTimer(), &QTimer::timeout, this,
            &ZETQVToolMainWindow::spinbox_timer_timeout);

    build_page_tree();
    QTimer::singleShot(kConnectNavigationMs, this, &ZETQVToolMainWindow::timeout1);
}

ZETQVToolMainWindow::~ZETQVToolMainWindow() {
    write_settings();
}

void ZETQVToolMainWindow::take_command_line_scripts(const QStringList& arguments) {
    page_set->find<ScriptingPage>()->take_command_line(arguments, windowsAreSeen());
}

void ZETQVToolMainWindow::read_settings() {
    const QSettings settings;
    ui.increased_lan_timeout_checkBox->setChecked(kIncreasedLanTimeout.read(settings).toBool());
    ui.communications_retry_checkBox->setChecked(kRetry.read(settings).toBool());
    monitor_data data;
    data.communicationsInterfaceType = kInterfaceType.read(settings).toInt();
    data.m_monitor_id = kMonitorId.read(settings).toInt();
    data.m_monitor_id_string = kMonitorIdText.read(settings).toString();
    data.s_communicationsInterfacePortName = kPortName.read(settings).toString();
    if (data.s_communicationsInterfacePortName.isEmpty() ||
        data.s_communicationsInterfacePortName == QLatin1String("..."))
        data.s_communicationsInterfacePortName = QLatin1String(kDefaultLanAddress);
    ui.communications_interface_widget->set_interface_info(data);
    if (!names_a_destination(interface_info())) {
        // An ID that names no display would leave the box blank and every command refused:
        // the default stands in, and the user is told. The box follows the stored byte, so the
        // stored text is quoted only when it names no display either.
        const QString stored = data.m_monitor_id_string;
        data.m_monitor_id = kMonitorId.fallback.toInt();
        data.m_monitor_id_string = kMonitorIdText.fallback.toString();
        ui.communications_interface_widget->set_interface_info(data);
        ui.statusBar->showMessage(
            !stored.isEmpty() && monitor_id_to_address(stored) == 0
                ? tr("The stored monitor ID %1 names no display; it was replaced by %2.")
                      .arg(stored, data.m_monitor_id_string)
                : tr("The stored monitor ID names no display; it was replaced by %1.")
                      .arg(data.m_monitor_id_string));
    }
    page_set->read_settings(settings);
}

void ZETQVToolMainWindow::write_settings() {
    QSettings settings;
    kIncreasedLanTimeout.write(settings, ui.increased_lan_timeout_checkBox->isChecked());
    kRetry.write(settings, ui.communications_retry_checkBox->isChecked());
    const monitor_data data = interface_info();
    kInterfaceType.write(settings, data.communicationsInterfaceType);
    kMonitorId.write(settings, data.m_monitor_id);
    kMonitorIdText.write(settings, data.m_monitor_id_string);
    kPortName.write(settings, data.s_communicationsInterfacePortName);
    page_set->write_settings(settings);
}

void ZETQVToolMainWindow::make_connections() {
    LM_communications_interface_configure_widget* interface = ui.communications_interface_widget;
    connect(interface, &LM_communications_interface_configure_widget::verify2, this,
            &ZETQVToolMainWindow::communications_interface_verify);
    connect(this, &ZETQVToolMainWindow::communications_test_result, interface,
            &LM_communications_interface_configure_widget::communications_test_result);
    connect(interface, &LM_communications_interface_configure_widget::auto_detect_monitor_ID, this,
            &ZETQVToolMainWindow::auto_detect_monitor_ID);
    if (g_basic_monitor)
        communications_log.observe(g_basic_monitor);
    connect(ui.menuView, &QMenu::aboutToShow, this, &ZETQVToolMainWindow::itemMenuAboutToShow);
    connect(ui.action_Information_Window, &QAction::triggered, this,
            &ZETQVToolMainWindow::show_information_dialog);
    connect(this, &ZETQVToolMainWindow::update_slider_control, this,
            &ZETQVToolMainWindow::update_silder_control_value);
    connect(this, &ZETQVToolMainWindow::update_spinbox_control, this,
            &ZETQVToolMainWindow::update_spinbox_control_value);
    connect(this, &ZETQVToolMainWindow::settings_dirty, this,
            &ZETQVToolMainWindow::setting_dirty_changed);
}

monitor_data ZETQVToolMainWindow::interface_info() const {
    return ui.communications_interface_widget->get_interface_info();
}

void ZETQVToolMainWindow::resizeEvent(QResizeEvent*) {
    fit_table_to_columns(ui.ip_tableWidget);
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
