#include "opcode_pages.h"

#include "app_helpers.h"
#include "basic_monitor.h"
#include "capability_filter.h"
#include "command_scope.h"
#include "controldefinitions.h"
#include "opcode_info_html.h"
#include "opcodes.h"
#include "program_globals.h"
#include "result_codes.h"
#include "search_opcode_dialog.h"
#include "status_bar_style.h"
#include "stored_setting.h"
#include "string_resource.h"

#include <QCheckBox>
#include <QComboBox>
#include <QProgressDialog>
#include <QSignalBlocker>
#include <QSlider>
#include <QSpinBox>
#include <QTextEdit>
#include <QTimer>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

namespace {
const StoredSetting kListByCategory{"list_opcode_by_category", true};
constexpr int kFirstOpcode = 0x10;
// User-role data of the tree items that stand for no op code, and of the list's first item.
constexpr int kUnknownItem = -1;
constexpr int kCategoryItem = -2;
// What the dummy interface pretends a control's maximum is.
constexpr uint kDummyMaximum = 65535;
// While another command runs, a due write-behind looks again this much later.
constexpr int kBusyRetryMs = 100;
constexpr int kStatusMessageMs = 10000;
const QChar kPathArrow(0x2192);

int itemData(const QTreeWidgetItem* item) {
    return item->data(0, Qt::UserRole).toInt();
}

QTreeWidgetItem* addItem(QTreeWidgetItem* parent, const QString& text, const QString& tip,
                         int data) {
    auto* item = new QTreeWidgetItem(parent, QStringList{text});
    item->setToolTip(0, tip);
    item->setData(0, Qt::UserRole, data);
    return item;
}
} // namespace

OpcodePages::OpcodePages(const PageContext& context, QObject* parent)
    : PageController(context, parent), vcp_timer(new QTimer(this)), read_timer(new QTimer(this)) {
    vcp_timer->setSingleShot(true);
    connect(vcp_timer, &QTimer::timeout, this, &OpcodePages::vcp_timer_timeout);
    read_timer->setSingleShot(true);
    connect(read_timer, &QTimer::timeout, this, &OpcodePages::read_timer_timeout);
    connect(ui.control_horizontalSlider, &QSlider::valueChanged, ui.vcp_value_spinBox,
            &QSpinBox::setValue);
    connect(ui.vcp_value_spinBox, qOverload<int>(&QSpinBox::valueChanged),
            ui.control_horizontalSlider, &QSlider::setValue);
    connect(ui.update_on_change_checkBox, &QCheckBox::toggled, this, &OpcodePages::declare_kinds);
    // Labels from a definitions file are shown as they stand.
    ui.value_min_label->setTextFormat(Qt::PlainText);
    ui.value_max_label->setTextFormat(Qt::PlainText);
    {
        const QSignalBlocker blocker(ui.vcp_spinBox);
        ui.vcp_spinBox->setBase(16);
        ui.vcp_spinBox->setValue(kFirstOpcode);
        ui.vcp_spinBox->setUpperCase(true);
        ui.vcp_spinBox->setMaximum(int(OpCode::Last));
        update_control_value_widgets(kFirstOpcode);
    }
    // The tree is filled once the listing is known (read_settings), with its signals blocked:
    // the first selection reads nothing from a display.
    connect(ui.control_list_treeWidget, &QTreeWidget::currentItemChanged, this,
            &OpcodePages::selectedControlTreeItemChanged);
    build_opcode_info_html();
}

QList<QWidget*> OpcodePages::pages() const {
    return {ui.opcode, ui.opcode_info};
}

void OpcodePages::refresh(QWidget* page) {
    if (page == ui.opcode)
        on_get_vcp_pushButton_clicked();
}

QList<QWidget*> OpcodePages::read_controls(QWidget* page) const {
    if (page != ui.opcode)
        return {};
    return value_controls() << ui.vcp_maximum_label << ui.vcp_type_label << ui.vcp_supported_label;
}

QList<QWidget*> OpcodePages::value_controls() const {
    return {ui.vcp_value_spinBox, ui.value_group_widget};
}

QList<QWidget*> OpcodePages::form_fields() const {
    if (ui.update_on_change_checkBox->isChecked())
        return {};
    return value_controls();
}

void OpcodePages::declare_kinds() {
    ControlState::declare_live(value_controls());
    ControlState::declare_form(form_fields());
}

void OpcodePages::read_settings(const QSettings& settings) {
    // Set as stored, not toggled by the user: the tree is filled here once.
    {
        const QSignalBlocker blocker(ui.categories_checkBox);
        ui.categories_checkBox->setChecked(kListByCategory.read(settings).toBool());
    }
    const QSignalBlocker blocker(ui.control_list_treeWidget);
    fill_control_tree();
    select_control_tree_item(ui.vcp_spinBox->value());
}

void OpcodePages::write_settings(QSettings& settings) const {
    kListByCategory.write(settings, ui.categories_checkBox->isChecked());
}

void OpcodePages::definitions_loaded() {
    fill_control_tree();
}

void OpcodePages::write_pending() {
    if (vcp_timer->isActive())
        vcp_timer_timeout();
}

void OpcodePages::fill_control_tree() {
    QTreeWidget* tree = ui.control_list_treeWidget;
    const QSignalBlocker blocker(tree);
    tree->setSortingEnabled(false);
    tree->clear();
    auto* unknown = new QTreeWidgetItem(tree, QStringList{tr("Unknown")});
    unknown->setData(0, Qt::UserRole, kUnknownItem);
    const auto filter = CapabilityFilter::parse(filter_capability_string);
    const bool by_category = ui.categories_checkBox->isChecked();
    for (const ControlDefinition& def : controlDefinitions().list) {
        if (!CapabilityFilter::lists(filter, uint(def.opcode)))
            continue;
        const QStringList parts = def.name.split(QLatin1Char('|'));
        if (!by_category) {
            addItem(unknown, parts.last(), parts.join(kPathArrow), def.opcode);
            continue;
        }
        // A part that names an existing child reuses it as it stands, op code and all.
        QTreeWidgetItem* parent = unknown;
        for (int i = 0; i < parts.size(); ++i) {
            QTreeWidgetItem* child = findTreeChildByText(parent, parts[i]);
            parent = child ? child
                           : addItem(parent, parts[i], parts[i],
                                     i == parts.size() - 1 ? def.opcode : kCategoryItem);
        }
    }
    // Clicking the header may have reversed the order; a fill sorts ascending again.
    tree->sortByColumn(0, Qt::AscendingOrder);
    tree->setSortingEnabled(true);
    tree->expandAll();
}

void OpcodePages::select_control_tree_item(int opcode) {
    QTreeWidgetItem* unknown = nullptr;
    for (QTreeWidgetItemIterator it(ui.control_list_treeWidget); *it; ++it) {
        const int data = itemData(*it);
        if (data == opcode) {
            ui.control_list_treeWidget->setCurrentItem(*it);
            return;
        }
        if (data == kUnknownItem)
            unknown = *it;
    }
    if (unknown)
        ui.control_list_treeWidget->setCurrentItem(unknown);
}

void OpcodePages::update_control_value_widgets(int opcode) {
    QComboBox* combo = ui.control_value_comboBox;
    combo->clear();
    combo->addItem(tr("Unknown"), kUnknownItem);
    ui.value_min_label->setText(tr("Min"));
    ui.value_max_label->setText(tr("Max"));
    const auto filter = CapabilityFilter::parse(filter_capability_string);
    bool defined = false, any_range = false;
    for (const ControlDefinition& def : controlDefinitions().list) {
        if (def.opcode != opcode)
            continue;
        defined = true;
        for (const ControlValueItem& item : def.items)
            if (CapabilityFilter::lists(filter, uint(opcode), uint(item.value)))
                combo->addItem(QStringLiteral("%1. %2").arg(item.value).arg(item.label),
                               item.value);
        ui.value_min_label->setText(def.low_label);
        ui.value_max_label->setText(def.high_label);
        any_range = any_range || def.type == ControlDefinition::Range;
    }
    const bool range = !defined || any_range;
    ui.value_min_label->setEnabled(range);
    ui.value_max_label->setEnabled(range);
    ui.control_horizontalSlider->setEnabled(range);
    combo->setEnabled(!range);
    vcp_widgets_updating = true;
    on_vcp_value_spinBox_valueChanged(ui.vcp_value_spinBox->value());
    vcp_widgets_updating = false;
}

void OpcodePages::build_opcode_info_html() {
    ui.scripting_info_textEdit->setHtml(opcode_info_html(
        controlDefinitions().list, CapabilityFilter::parse(filter_capability_string)));
}

void OpcodePages::on_scripting_info_copy_pushButton_clicked() {
    ui.scripting_info_textEdit->selectAll();
    ui.scripting_info_textEdit->copy();
}

void OpcodePages::show_value(uint value, uint max) {
    vcp_widgets_updating = true;
    ui.vcp_value_spinBox->setMaximum(int(max));
    ui.control_horizontalSlider->setMaximum(int(max));
    ui.vcp_value_spinBox->setValue(int(value));
    ui.control_horizontalSlider->setValue(int(value));
    const int index = ui.control_value_comboBox->findData(int(value));
    ui.control_value_comboBox->setCurrentIndex(index < 0 ? 0 : index);
    vcp_widgets_updating = false;
}

void OpcodePages::show_reply(uint max, unsigned char result_byte, unsigned char type) {
    ui.vcp_maximum_label->setText(QString::number(max));
    show_supported(result_byte == 0);
    ui.vcp_type_label->setText(type == 0 ? tr("Set Parameter") : tr("Momentary"));
}

void OpcodePages::show_supported(bool supported) {
    ui.vcp_supported_label->setText(supported ? tr("<font COLOR=green>Yes</font>")
                                              : tr("<font COLOR=red>No</font>"));
}

void OpcodePages::on_get_vcp_pushButton_clicked() {
    // A write still waiting belongs to the value that this read replaces.
    vcp_timer->stop();
    read_timer->stop();
    read_in_frame(ui.opcode, [this](CommandScope& frame) {
        PageRead pass(read_controls(ui.opcode));
        uint current = 0, max = 0;
        unsigned char result_byte = 0, type = 0;
        const int result = monitor->get_parameter(uint(ui.vcp_spinBox->value()), &current, &max,
                                                  &result_byte, &type);
        // The display's verdict on the op code comes in the result byte.
        int outcome = basic_monitor::value_result(result, result_byte);
        const bool dummy = dummy_interface();
        if (dummy) {
            outcome = 0;
            result_byte = 0;
            max = kDummyMaximum;
        }
        pass.read(outcome, read_controls(ui.opcode), [&] {
            show_value(current, max);
            show_reply(max, result_byte, type);
        });
        if (outcome == ResultCode::Unsupported)
            show_supported(false);
        // Nothing answers the dummy interface, and the status bar says so.
        frame.report(dummy ? result : pass.failure());
    });
}

void OpcodePages::on_set_vcp_pushButton_clicked() {
    // This write sends what is shown now; nothing is left to write later.
    vcp_timer->stop();
    const int outcome = write_in_frame(value_controls(), [this](CommandScope& frame) {
        uint value = uint(ui.vcp_value_spinBox->value()), max = 0;
        unsigned char result_byte = 0, type = 0;
        const int result = monitor->set_parameter(uint(ui.vcp_spinBox->value()), &value, &max,
                                                  &result_byte, &type);
        if (dummy_interface()) {
            // Nothing answers: the value stays as sent, and the status bar says why.
            show_value(value, kDummyMaximum);
            show_reply(kDummyMaximum, 0, type);
            frame.report(result);
            return 0;
        }
        const int outcome = basic_monitor::value_result(result, result_byte);
        ui.vcp_maximum_label->clear();
        ui.vcp_type_label->clear();
        ui.vcp_supported_label->clear();
        if (outcome == 0) {
            host.set_settings_dirty(true);
            show_value(value, max);
            show_reply(max, result_byte, type);
        }
        frame.report(ControlState::status_code(outcome));
        return outcome;
    });
    if (outcome == ResultCode::Unsupported)
        show_supported(false);
}

void OpcodePages::vcp_timer_timeout() {
    // A write now would close the connection of the read-out or scan that is running.
    if (host.command_running()) {
        vcp_timer->start(kBusyRetryMs);
        return;
    }
    on_set_vcp_pushButton_clicked();
}

void OpcodePages::read_timer_timeout() {
    if (host.command_running()) {
        read_timer->start(kBusyRetryMs);
        return;
    }
    on_get_vcp_pushButton_clicked();
}

void OpcodePages::on_vcp_spinBox_valueChanged(int value) {
    const QSignalBlocker blocker(ui.control_list_treeWidget);
    select_control_tree_item(value);
    update_control_value_widgets(value);
    // A value waiting to be written belonged to the op code shown before.
    vcp_timer->stop();
    // One read once the typing pauses, not one connection per keystroke.
    read_timer->start(TypingPauseMs);
}

void OpcodePages::on_vcp_value_spinBox_valueChanged(int current_value) {
    const int index = ui.control_value_comboBox->findData(current_value);
    ui.control_value_comboBox->setCurrentIndex(index < 0 ? 0 : index);
    vcp_timer->stop();
    // Neither a value the program shows nor one put back after a failed write is written.
    if (!vcp_widgets_updating && !ControlState::reverting() &&
        ui.update_on_change_checkBox->isChecked())
        vcp_timer->start(WriteBehindMs);
}

void OpcodePages::on_control_value_comboBox_activated(int index) {
    const int value = ui.control_value_comboBox->itemData(index).toInt();
    if (value >= 0)
        ui.vcp_value_spinBox->setValue(value);
}

void OpcodePages::selectedControlTreeItemChanged(QTreeWidgetItem* current,
                                                 QTreeWidgetItem* previous) {
    const QTreeWidgetItem* item = current ? current : previous;
    if (!item)
        return;
    const int opcode = itemData(item);
    if (opcode <= 0)
        return;
    {
        const QSignalBlocker blocker(ui.vcp_spinBox);
        ui.vcp_spinBox->setValue(opcode);
    }
    update_control_value_widgets(opcode);
    on_get_vcp_pushButton_clicked();
}

void OpcodePages::on_categories_checkBox_toggled(bool) {
    fill_control_tree();
    select_control_tree_item(ui.vcp_spinBox->value());
}

void OpcodePages::on_search_opcode_pushButton_clicked() {
    search_opcode_dialog dialog(host.dialog_parent());
    if (dialog.exec() != QDialog::Accepted || dialog.selected_opcode() <= 0)
        return;
    ui.vcp_spinBox->setValue(dialog.selected_opcode());
    // A chosen op code is no typing to wait for.
    if (read_timer->isActive())
        on_get_vcp_pushButton_clicked();
}

void OpcodePages::on_opcode_list_filter_by_capability_checkBox_toggled(bool) {
    int read_result = 0;
    if (!filter_capability_string.isEmpty()) {
        // Switching off contacts no display.
        filter_capability_string.clear();
    } else if (!read_filter_string(read_result)) {
        set_filter_boxes(false);
        return;
    }
    bool on = false, unparsable = false;
    if (!filter_capability_string.isEmpty()) {
        on = CapabilityFilter::parse(filter_capability_string).has_value();
        unparsable = !on;
        if (unparsable)
            filter_capability_string.clear();
    }
    set_filter_boxes(on);
    fill_control_tree();
    select_control_tree_item(ui.vcp_spinBox->value());
    update_control_value_widgets(ui.vcp_spinBox->value());
    build_opcode_info_html();
    // Reported only now: the reselection above reads the op code, and that read's own report
    // would clear the status bar.
    if (unparsable) {
        ui.statusBar->setStyleSheet(QLatin1String(kErrorStatusStyle));
        ui.statusBar->showMessage(QStringLiteral("Error determining monitor capabilities"),
                                  kStatusMessageMs);
    } else if (read_result != 0) {
        host.show_error_status(read_result);
    }
}

bool OpcodePages::read_filter_string(int& result) {
    CommandScope frame(host);
    if (!frame)
        return false;
    filter_capability_string.clear();
    QProgressDialog busy(tr("Reading Capabilities..."), QString(), 0, 0, host.dialog_parent());
    busy.setWindowTitle(StringResource(StringId::ApplicationName));
    busy.setWindowFlags((busy.windowFlags() | Qt::CustomizeWindowHint) &
                        ~(Qt::WindowCloseButtonHint | Qt::WindowContextHelpButtonHint));
    busy.setWindowModality(Qt::WindowModal);
    busy.setMinimumDuration(1);
    busy.setAutoReset(true);
    busy.show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    host.set_process_events_while_logging(true);
    result = monitor->read_capability_string();
    const QString text = monitor->capability_string();
    // The monitor parses what it read: a string that came whole but does not parse gives the
    // parser's result, and is taken here so that the filter names the fault for what it is.
    if (result == 0 ||
        (!text.isEmpty() && DisplayCapabilities().parse(text.toLatin1().constData()) == result))
        filter_capability_string = text;
    host.set_process_events_while_logging(false);
    return true;
}

void OpcodePages::on_scripting_info_show_only_supported_controls_checkBox_toggled(bool checked) {
    on_opcode_list_filter_by_capability_checkBox_toggled(checked);
}

void OpcodePages::set_filter_boxes(bool checked) {
    for (QCheckBox* box : {ui.opcode_list_filter_by_capability_checkBox,
                           ui.scripting_info_show_only_supported_controls_checkBox}) {
        const QSignalBlocker blocker(box);
        box->setChecked(checked);
    }
}
