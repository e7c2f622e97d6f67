#pragma once

#include "page_controller.h"

class QTimer;
class QTreeWidgetItem;

// The op-code control page (any display control read and set by its op code, picked from the
// definitions tree), the op-code reference page for script writers, and the capability filter
// that reduces the lists of both to what the connected display declares.
class OpcodePages : public PageController {
    Q_OBJECT

public:
    // The write-behind wait after the last change of the value.
    static constexpr int WriteBehindMs = 1500;
    // A typed op code is read once the typing pauses this long.
    static constexpr int TypingPauseMs = 300;

    explicit OpcodePages(const PageContext& context, QObject* parent = nullptr);

    QList<QWidget*> pages() const override;
    void refresh(QWidget* page) override;
    QList<QWidget*> read_controls(QWidget* page) const override;
    // The value, its slider and its list while "Automatically set when changed" is off: the
    // user enters a value and Set sends it. While it is on they write as they change.
    QList<QWidget*> form_fields() const override;
    void read_settings(const QSettings& settings) override;
    void write_settings(QSettings& settings) const override;
    void definitions_loaded() override;
    void write_pending() override;

    // Rebuilds the tree from the definitions store, by category or flat, filtered.
    void fill_control_tree();
    // Makes the op code's first item current, or "Unknown" when the tree has none.
    void select_control_tree_item(int opcode);
    // Rebuilds the value list and the range widgets for the op code's definitions.
    void update_control_value_widgets(int opcode);
    // Rebuilds the reference table from the definitions store, filtered.
    void build_opcode_info_html();

    // The display's capability string while the filter is on; empty while it is off.
    QString filter_capability_string;
    bool vcp_widgets_updating = false;
    QTimer* const vcp_timer;
    // Reads the op code shown once the user stops changing it.
    QTimer* const read_timer;

public slots:
    void on_get_vcp_pushButton_clicked();
    void on_set_vcp_pushButton_clicked();
    void vcp_timer_timeout();
    void read_timer_timeout();
    void on_vcp_spinBox_valueChanged(int value);
    void on_vcp_value_spinBox_valueChanged(int current_value);
    void on_control_value_comboBox_activated(int index);
    void selectedControlTreeItemChanged(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void on_categories_checkBox_toggled(bool checked);
    void on_search_opcode_pushButton_clicked();
    void on_opcode_list_filter_by_capability_checkBox_toggled(bool checked);
    void on_scripting_info_show_only_supported_controls_checkBox_toggled(bool checked);
    void on_scripting_info_copy_pushButton_clicked();

private:
    // Reads the display's capability string into the filter in a frame of its own, which
    // leaves the read's result to the caller; false when the interface did not open.
    bool read_filter_string(int& result);
    void set_filter_boxes(bool checked);
    // The value, its maximum and the matching list item, without starting the write-behind.
    void show_value(uint value, uint max);
    void show_reply(uint max, unsigned char result_byte, unsigned char type);
    void show_supported(bool supported);
    // The value spin box and the value group: what a Get reads and a Set writes.
    QList<QWidget*> value_controls() const;
    // Declares the value controls' kind anew from form_fields, as the check box changes it.
    void declare_kinds();
};
