// The navigation tree, the page switch and the page refreshes that the shell itself owns.
#include "zetqvtoolmainwindow.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "lm_communications_interface_configure_widget.h"
#include "program_globals.h"
#include "result_codes.h"
#include "string_resource.h"
#include "wait_cursor.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QSlider>
#include <QSpinBox>

namespace {
// A display can report any maximum; never make more list items than this from one.
constexpr uint kMaxListedSensors = 32;

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

void selectByData(QComboBox* combo, uint value) {
    const int index = combo->findData(value);
    if (index >= 0)
        combo->setCurrentIndex(index);
}

// Pages that only switch: no connection is opened for them.
bool pageWithoutRefresh(int page) {
    static const QList<int> pages = {23, 25, 28, 29, 30, 31, 32, 33, 34, 41, 42, 43};
    return pages.contains(page);
}
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
        {23, "Commands/Auto ID"},
        {24, "Commands/Auto Tile Matrix"},
        {25, "Commands/Proof Of Play"},
        {28, "Alternate Commands/Simple & ASCII Commands"},
        {29, "Advanced/Analog Video"},
        {30, "Advanced/Scripting"},
        {31, "Advanced/Scripting/OpCode Info"},
        {32, "Advanced/IP Scan"},
        {33, "Advanced/Operating Mode"},
        {34, "Advanced/OpCode Scanner"},
        {35, "Advanced/Test Patterns (raw)"},
        {36, "Advanced/Test Patterns (with correction)"},
    };
    return paths;
}

void ZETQVToolMainWindow::build_page_tree() {
    QTreeWidgetItem* root = ui.treeWidget->invisibleRootItem();
    ui.stackedWidget->setCurrentIndex(1);
    const int current_page = 1;
    for (const PagePath& row : pagePaths()) {
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
            if (last && row.page == current_page)
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
    connect(ui.stackedWidget, SIGNAL(currentChanged(int)), this, SLOT(tabChanged(int)));
    ui.treeWidget->setMinimumWidth(350);
}

void ZETQVToolMainWindow::timeout1() {
    connect(ui.treeWidget, SIGNAL(currentItemChanged(QTreeWidgetItem*, QTreeWidgetItem*)), this,
            SLOT(changePage(QTreeWidgetItem*, QTreeWidgetItem*)), Qt::UniqueConnection);
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
    const bool dummy =
        ui.communications_interface_widget->get_interface_info().communicationsInterfaceType == 3;
    if (pageWithoutRefresh(tab)) {
        ui.reload_settings_pushButton->setEnabled(false);
        return;
    }
    ui.reload_settings_pushButton->setEnabled(true);
    if (!open_for_command())
        return;
    {
        WaitCursor wait;
        // Let the page show before the exchange blocks; no user input meanwhile.
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 1000);
        switch (tab) {
        case 2:
            update_power_tab(dummy);
            break;
        case 3:
            update_power_save_tab(dummy);
            break;
        case 6:
            update_group_ID_ui();
            break;
        case 7:
            // With the dummy interface the page shows a single display; without it the tile-matrix
            // refresh of the page itself reads the display.
            if (dummy) {
                for (QSpinBox* spin :
                     {ui.horizontal_monitors_spinBox, ui.vertical_monitors_spinBox}) {
                    spin->setMaximum(10);
                    spin->setValue(1);
                }
                ui.display_array_size_diagram_widget->setColumns(1);
                ui.display_array_size_diagram_widget->setRows(1);
                ui.display_array_size_diagram_widget->setCurrentlySelectedDisplay(0, 0);
                ui.enable_tile_matrix_groupBox->setEnabled(true);
            }
            break;
        case 8:
            if (dummy)
                for (QWidget* w : std::initializer_list<QWidget*>{
                         ui.use_tile_comp_checkBox, ui.tile_matrix_memory_comboBox,
                         ui.frame_comp_mode_comboBox, ui.v_scan_reverse_mode_comboBox,
                         ui.v_scan_reverse_manual_comboBox})
                    w->setEnabled(true);
            break;
        case 9:
            update_cooling_fans_tab(dummy);
            break;
        default:
            break;
        }
    }
    close_after_command();
}

int ZETQVToolMainWindow::read_value_max(uint opcode, uint* current, uint* max, QWidget* widget,
                                        bool dummy, bool dummy_rule) {
    const int result = g_basic_monitor->get_vcp_value_max(opcode, current, max);
    if (widget)
        widget->setEnabled(result == 0 || (dummy_rule && dummy));
    return result;
}

void ZETQVToolMainWindow::update_power_tab(bool dummy) {
    unsigned char state = 0;
    const int result = g_basic_monitor->power_status_read(&state);
    show_error_status(result);
    if (result != 0) {
        ui.power_state_label->setText(QString());
        return;
    }
    update_power_status(state);
    uint current = 0, max = 0;
    if (read_value_max(0x02D8, &current, &max, ui.power_on_delay_horizontalSlider, dummy) != 0)
        return;
    const QSignalBlocker blocker(ui.power_on_delay_horizontalSlider);
    ui.power_on_delay_horizontalSlider->setMaximum(int(max));
    ui.power_on_delay_horizontalSlider->setValue(int(current));
    update_power_on_delay_label(int(current));
}

void ZETQVToolMainWindow::update_power_status(int value) {
    QString text;
    if (value == 1)
        text = tr("<img src=\":/images/Resources/power-on16.png\">  On", "power status=on");
    else if (value == 2 || value == 3)
        text = tr("Standby", "power status=standby");
    else if (value == 4)
        text = tr("<img src=\":/images/Resources/power-off16.png\"> Off", "power status=off");
    ui.power_state_label->setText(text);
}

void ZETQVToolMainWindow::update_power_on_delay_label(int value) {
    ui.power_on_delay_label->setText(value == 1 ? tr("%1 second").arg(value)
                                                : tr("%1 seconds").arg(value));
}

void ZETQVToolMainWindow::update_power_save_tab(bool dummy) {
    ui.power_save_status_lineEdit->clear();
    uint value = 0;
    int result = g_basic_monitor->get_vcp_value(0x00E1, &value);
    show_error_status(result);
    ui.power_saving_mode_groupBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker a(ui.power_saving_mode_enable_radioButton);
        const QSignalBlocker b(ui.power_saving_mode_disable_radioButton);
        (value >= 1 ? ui.power_saving_mode_enable_radioButton
                    : ui.power_saving_mode_disable_radioButton)
            ->setChecked(true);
    }
    unsigned char byte = 0;
    result = g_basic_monitor->power_save_mode_read(&byte);
    ui.power_save_mode_comboBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_mode_comboBox);
        selectByData(ui.power_save_mode_comboBox, byte);
    }
    result = g_basic_monitor->power_save_time_read(&byte);
    ui.power_save_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.power_save_time_spinBox);
        ui.power_save_time_spinBox->setValue(byte);
        ui.power_save_time_label->setText(tr("Time: %1 seconds").arg(byte * 5));
    }
    result = g_basic_monitor->auto_standby_time_read(&byte);
    ui.standby_time_spinBox->setEnabled(result == 0 || dummy);
    if (result == 0) {
        const QSignalBlocker blocker(ui.standby_time_spinBox);
        ui.standby_time_spinBox->setMaximum(255);
        ui.standby_time_spinBox->setValue(byte);
        ui.standby_time_label->setText(tr("Time: %1 seconds").arg(byte * 5));
        ui.statusBar->showMessage(QString());
    } else {
        show_error_status(result);
    }
}

namespace {
QList<QCheckBox*> groupCheckBoxes(Ui::ZETQVToolMainWindowClass& ui) {
    return {ui.group_ID_a_checkBox, ui.group_ID_b_checkBox, ui.group_ID_c_checkBox,
            ui.group_ID_d_checkBox, ui.group_ID_e_checkBox, ui.group_ID_f_checkBox,
            ui.group_ID_g_checkBox, ui.group_ID_h_checkBox, ui.group_ID_i_checkBox,
            ui.group_ID_j_checkBox};
}
} // namespace

void ZETQVToolMainWindow::update_group_ID_ui() {
    uint current = 0, max = 0;
    const int result = g_basic_monitor->get_vcp_value_max(0x107F, &current, &max);
    ui.group_ID_groupBox->setEnabled(result == 0);
    if (result != 0)
        return;
    const QList<QCheckBox*> boxes = groupCheckBoxes(ui);
    for (int bit = 0; bit < boxes.size(); ++bit) {
        const QSignalBlocker blocker(boxes[bit]);
        boxes[bit]->setChecked(current & (1u << bit));
    }
}

void ZETQVToolMainWindow::update_monitor_group_ID_from_ui() {
    const QList<QCheckBox*> boxes = groupCheckBoxes(ui);
    uint mask = 0;
    for (int bit = 0; bit < boxes.size(); ++bit)
        if (boxes[bit]->isChecked())
            mask |= 1u << bit;
    if (!open_for_command())
        return;
    {
        WaitCursor wait;
        const int result = g_basic_monitor->set_vcp_value(0x107F, &mask);
        show_error_status(result);
        if (result == 0) {
            emit settings_dirty(true);
            update_group_ID_ui();
        }
    }
    close_after_command();
}

void ZETQVToolMainWindow::on_group_ID_a_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_b_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_c_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_d_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_e_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_f_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_g_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_h_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_i_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}
void ZETQVToolMainWindow::on_group_ID_j_checkBox_stateChanged(int) {
    update_monitor_group_ID_from_ui();
}

void ZETQVToolMainWindow::on_control_horizontalSlider_valueChanged(int) {}

void ZETQVToolMainWindow::update_cooling_fans_tab(bool dummy) {
    uint current = 0, max = 0;
    int result = read_value_max(0x0278, &current, &max, ui.cooling_fan_sensor_comboBox, dummy);
    show_error_status(result);
    if (result == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_sensor_comboBox);
        ui.cooling_fan_sensor_comboBox->clear();
        for (uint i = 1; i <= qMin(max, kMaxListedSensors); ++i)
            ui.cooling_fan_sensor_comboBox->addItem(StringResource(1601).arg(i), i);
        selectByData(ui.cooling_fan_sensor_comboBox, current);
    }
    if (read_value_max(0x103F, &current, &max, ui.cooling_fan_speed_comboBox, dummy) == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_speed_comboBox);
        selectByData(ui.cooling_fan_speed_comboBox, current);
    }
    if (dummy)
        return;
    if (read_value_max(0x027D, &current, &max, ui.cooling_fan_mode_comboBox, dummy, false) == 0) {
        const QSignalBlocker blocker(ui.cooling_fan_mode_comboBox);
        ui.cooling_fan_mode_comboBox->clear();
        // Mode 2 comes before mode 1, then 3 to 7, as far as the maximum reaches.
        const QList<QPair<uint, int>> modes = {{2, 1702}, {1, 1701}, {3, 1703}, {4, 1704},
                                               {5, 1705}, {6, 1706}, {7, 1707}};
        for (const auto& m : modes)
            if (max >= m.first)
                ui.cooling_fan_mode_comboBox->addItem(StringResource(m.second), m.first);
        selectByData(ui.cooling_fan_mode_comboBox, current);
    }
    uint set_current = 0, set_max = 0;
    if (read_value_max(0x10E0, &set_current, &set_max, ui.fan_sensor_temp_groupBox, dummy, false) !=
        0)
        return;
    const QList<QPair<QSlider*, QSpinBox*>> sensors = {
        {ui.fan_sensor1_temp_horizontalSlider, ui.fan_sensor1_temp_spinBox},
        {ui.fan_sensor2_temp_horizontalSlider, ui.fan_sensor2_temp_spinBox},
        {ui.fan_sensor3_temp_horizontalSlider, ui.fan_sensor3_temp_spinBox}};
    for (int n = 0; n < sensors.size(); ++n) {
        QSlider* slider = sensors[n].first;
        QSpinBox* spin = sensors[n].second;
        const uint set_opcode = 0x10E0 + 2 * uint(n);
        if (n > 0) {
            result = g_basic_monitor->get_vcp_value_max(set_opcode, &set_current, &set_max);
            slider->setEnabled(result == 0);
            spin->setEnabled(result == 0);
            if (result != 0)
                return;
        }
        uint range_current = 0, range = 0;
        result = g_basic_monitor->get_vcp_value_max(set_opcode + 1, &range_current, &range);
        if (n == 0) {
            slider->setEnabled(result == 0);
            spin->setEnabled(result == 0);
        }
        if (result != 0) {
            if (n == 2)
                return;
            continue;
        }
        const QSignalBlocker a(slider), b(spin);
        slider->setRange(int(set_max) - int(range), int(set_max));
        slider->setValue(int(set_current));
        spin->setRange(int(set_max) - int(range), int(set_max));
        spin->setValue(int(set_current));
    }
}
