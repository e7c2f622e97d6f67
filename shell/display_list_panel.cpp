#include "display_list_panel.h"

#include "app_helpers.h"
#include "lm_communications_interface_configure_widget.h"
#include "monitor_address.h"
#include "string_resource.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QItemSelectionModel>
#include <QPushButton>
#include <QStandardItemModel>
#include <QTableView>

namespace {
enum Column { TypeColumn = 0, PortColumn = 1, IdColumn = 2 };
// Refused lines named in one message; the rest are counted.
constexpr int kListedRefusals = 10;

DisplayListRow rowOf(const monitor_data& d) {
    return {d.communicationsInterfaceType, d.s_communicationsInterfacePortName,
            d.m_monitor_id_string};
}
} // namespace

DisplayListPanel::DisplayListPanel(const DisplayListWidgets& widgets, QObject* parent)
    : QObject(parent), ui(widgets), model(qobject_cast<QStandardItemModel*>(widgets.view->model())),
      list_folder(appDataFolder(false)) {
    Q_ASSERT(model && model->columnCount() == 3);
    connect(ui.add, &QPushButton::clicked, this, &DisplayListPanel::add_to_list);
    connect(ui.remove, &QPushButton::clicked, this,
            &DisplayListPanel::on_delete_row_pushButton_clicked);
    connect(ui.open, &QPushButton::clicked, this,
            &DisplayListPanel::on_display_list_open_pushButton_clicked);
    connect(ui.save, &QPushButton::clicked, this,
            &DisplayListPanel::on_display_list_save_pushButton_clicked);
    connect(ui.view->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &DisplayListPanel::ondisplay_list_tableViewselectionChanged);
    // Choosing the current row again (the only row of a list, say) applies it as well.
    connect(ui.view, &QTableView::clicked, this,
            [this](const QModelIndex& index) { choose_row(index.row()); });
}

QList<DisplayListRow> DisplayListPanel::rows() const {
    QList<DisplayListRow> out;
    for (int r = 0; r < model->rowCount(); ++r)
        out << row_at(r);
    return out;
}

void DisplayListPanel::add_to_list() {
    const monitor_data d = ui.interface->get_interface_info();
    if (d.isDummy())
        return;
    if (d.communicationsInterfaceType == InterfaceType::Lan &&
        !IP4Validator::isAcceptable(d.s_communicationsInterfacePortName))
        return;
    const DisplayListRow row = rowOf(d);
    const int existing = find_row(row);
    if (existing >= 0) {
        select_row(existing);
        return;
    }
    append_row(row);
    selecting_by_code = true;
    select_row(model->rowCount() - 1);
    selecting_by_code = false;
    emit rows_added();
    enable_buttons(true);
}

void DisplayListPanel::on_delete_row_pushButton_clicked() {
    const QModelIndexList selected = ui.view->selectionModel()->selectedRows(TypeColumn);
    QList<int> rows;
    for (const QModelIndex& index : selected)
        rows << index.row();
    std::sort(rows.begin(), rows.end(), std::greater<int>());
    for (int r : rows)
        model->removeRow(r);
    // The selection handler ran while the rows were still there.
    enable_buttons(ui.view->selectionModel()->currentIndex().isValid());
}

void DisplayListPanel::on_display_list_open_pushButton_clicked() {
    const QString path = QFileDialog::getOpenFileName(
        dialog_parent(), StringResource(StringId::OpenDisplayListTitle), list_folder,
        StringResource(StringId::DisplayListFilter));
    open_file(path);
}

void DisplayListPanel::on_display_list_save_pushButton_clicked() {
    const QString path = QFileDialog::getSaveFileName(
        dialog_parent(), StringResource(StringId::SaveDisplayListTitle), list_folder,
        StringResource(StringId::DisplayListFilter));
    save_file(path);
}

void DisplayListPanel::open_file(const QString& path) {
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    const DisplayListFile file = read_display_list(path);
    if (file.result != 0) {
        showErrorMessageBox(dialog_parent(), file.result);
        return;
    }
    list_folder = path;
    model->removeRows(0, model->rowCount());
    selecting_by_code = true;
    for (const DisplayListRow& row : file.rows)
        append_row(row);
    emit rows_added();
    selecting_by_code = false;
    // The current row went with the old rows, so row 0 becomes current anew and is applied.
    if (model->rowCount() > 0)
        select_row(0);
    enable_buttons(model->rowCount() > 0);

    if (file.refused.isEmpty())
        return;
    QString text =
        tr("These lines of %1 name no display and were not read:").arg(QFileInfo(path).fileName());
    for (int i = 0; i < file.refused.size() && i < kListedRefusals; ++i)
        text += QLatin1Char('\n') + tr("Line %1: %2")
                                        .arg(QString::number(file.refused[i].line),
                                             display_list_refusal_text(file.refused[i].code));
    if (file.refused.size() > kListedRefusals)
        text += QLatin1Char('\n') +
                tr("and %n more", nullptr, int(file.refused.size() - kListedRefusals));
    showMessageBox(dialog_parent(), text, MessageIcon::Warning);
}

void DisplayListPanel::save_file(QString path) {
    if (path.isEmpty())
        return;
    const QString extension = StringResource(StringId::DisplayListExtension);
    if (!path.endsWith(extension))
        path += extension;
    const int result = write_display_list(path, rows());
    if (result != 0) {
        showErrorMessageBox(dialog_parent(), result);
        return;
    }
    list_folder = path;
}

void DisplayListPanel::ondisplay_list_tableViewselectionChanged(const QModelIndex& selected,
                                                                const QModelIndex&) {
    if (selecting_by_code)
        return;
    enable_buttons(selected.isValid());
    const QModelIndex current = ui.view->selectionModel()->currentIndex();
    if (current.isValid())
        choose_row(current.row());
}

void DisplayListPanel::choose_row(int r) {
    if (selecting_by_code || r < 0 || r >= model->rowCount())
        return;
    const DisplayListRow row = row_at(r);
    if (rowOf(ui.interface->get_interface_info()) == row)
        return;
    monitor_data d;
    d.communicationsInterfaceType = row.type;
    d.s_communicationsInterfacePortName = row.port;
    d.m_monitor_id_string = row.id;
    d.m_monitor_id = monitor_id_to_address(row.id);
    ui.interface->set_interface_info(d);
    emit display_chosen();
}

void DisplayListPanel::append_row(const DisplayListRow& row) {
    auto* type = new QStandardItem;
    type->setData(row.type, Qt::EditRole);
    model->appendRow({type, new QStandardItem(row.port), new QStandardItem(row.id)});
}

void DisplayListPanel::select_row(int r) {
    ui.view->selectionModel()->setCurrentIndex(model->index(r, PortColumn),
                                               QItemSelectionModel::ClearAndSelect |
                                                   QItemSelectionModel::Rows);
}

int DisplayListPanel::find_row(const DisplayListRow& row) const {
    for (int r = 0; r < model->rowCount(); ++r)
        if (row_at(r) == row)
            return r;
    return -1;
}

DisplayListRow DisplayListPanel::row_at(int r) const {
    return {model->index(r, TypeColumn).data(Qt::EditRole).toInt(),
            model->index(r, PortColumn).data(Qt::EditRole).toString(),
            model->index(r, IdColumn).data(Qt::EditRole).toString()};
}

void DisplayListPanel::enable_buttons(bool row_selected) {
    ui.remove->setEnabled(row_selected);
    ui.save->setEnabled(model->rowCount() > 0);
}

QWidget* DisplayListPanel::dialog_parent() const {
    return ui.view->window();
}
