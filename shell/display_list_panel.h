#pragma once

#include "display_list.h"

#include <QModelIndex>
#include <QObject>
#include <QString>

class LM_communications_interface_configure_widget;
class QPushButton;
class QStandardItemModel;
class QTableView;

// The widgets of the display list on the main window's bottom bar. The view's model is a standard
// item model of three columns: interface type (hidden), port or address, monitor-ID text.
struct DisplayListWidgets {
    QTableView* view = nullptr;
    QPushButton* add = nullptr;
    QPushButton* remove = nullptr;
    QPushButton* open = nullptr;
    QPushButton* save = nullptr;
    LM_communications_interface_configure_widget* interface = nullptr;
};

// Keeps sets of displays in the table, saves them to and opens them from text files, and makes the
// display of a chosen row the current one in the communications-interface widget.
class DisplayListPanel : public QObject {
    Q_OBJECT
public:
    DisplayListPanel(const DisplayListWidgets& widgets, QObject* parent);

    QList<DisplayListRow> rows() const;
    // Where the file dialogs start; after a successful open or save, that file's name.
    QString folder() const { return list_folder; }
    void set_folder(const QString& folder) { list_folder = folder; }

    // The open and save buttons ask for a name and then call these.
    void open_file(const QString& path);
    void save_file(QString path);

signals:
    // The interface widget now names the chosen row's display: read the page again from it.
    void display_chosen();
    // Rows were added: the table may need to be as wide as its columns again.
    void rows_added();

public slots:
    void add_to_list();
    void on_delete_row_pushButton_clicked();
    void on_display_list_open_pushButton_clicked();
    void on_display_list_save_pushButton_clicked();
    void ondisplay_list_tableViewselectionChanged(const QModelIndex& selected,
                                                  const QModelIndex& deselected);

private:
    void choose_row(int row);
    void append_row(const DisplayListRow& row);
    void select_row(int row);
    int find_row(const DisplayListRow& row) const;
    DisplayListRow row_at(int row) const;
    void enable_buttons(bool row_selected);
    QWidget* dialog_parent() const;

    DisplayListWidgets ui;
    QStandardItemModel* model = nullptr;
    QString list_folder;
    bool selecting_by_code = false;
};
