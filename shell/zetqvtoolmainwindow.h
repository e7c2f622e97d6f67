#pragma once

#include "log_line_formatter.h"
#include "write_behind_queue.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QMainWindow>

#include <memory>

class QSlider;
class QSpinBox;
class QTableView;
class QTimer;
class QTreeWidgetItem;

// The program's one main window: builds the form, keeps the settings, and runs every command
// of its pages inside one frame (open the interface, exchange, report, close).
class ZETQVToolMainWindow : public QMainWindow {
    Q_OBJECT

public:
    explicit ZETQVToolMainWindow(QWidget* parent = nullptr);
    ~ZETQVToolMainWindow() override;

    Ui::ZETQVToolMainWindowClass ui;

    // The command frame: every exchange runs between a true open_for_command and
    // close_after_command; show_error_status reports its result.
    bool open_for_command();
    void close_after_command();
    void show_error_status(int result);
    void queue_slider_change(QSlider* slider, uint opcode);
    void queue_spinbox_change(QSpinBox* spinbox, uint opcode);

    // Pages, by their index in the page stack, and where the navigation tree shows them.
    struct PagePath {
        int page;
        const char* path;
    };
    static const QList<PagePath>& pagePaths();

signals:
    void update_tile_matrix_selection(int x, int y);
    void update_slider_control(QSlider* control, int value);
    void update_spinbox_control(QSpinBox* control, int value);
    void settings_dirty(bool value);
    void communications_test_result(int value);

public slots:
    void update_vcp(uint opcode, uint& value);
    void slider_timer_timeout();
    void spinbox_timer_timeout();
    void standby_time_write_pushButton();
    void on_save_settings_pushButton_clicked();
    void on_reload_settings_pushButton_clicked();
    void setting_dirty_changed(bool value);
    void communications_interface_verify();
    void auto_detect_monitor_ID();
    void update_silder_control_value(QSlider* control, int value);
    void update_spinbox_control_value(QSpinBox* control, int value);

    // Navigation and the refreshes the shell owns.
    void timeout1();
    void changePage(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void tabChanged(int tab);
    void update_power_tab(bool dummy);
    void update_power_status(int value);
    void update_power_on_delay_label(int value);
    void update_group_ID_ui();
    void update_monitor_group_ID_from_ui();
    void update_cooling_fans_tab(bool dummy);
    void update_power_save_tab(bool dummy);
    void on_group_ID_a_checkBox_stateChanged(int);
    void on_group_ID_b_checkBox_stateChanged(int);
    void on_group_ID_c_checkBox_stateChanged(int);
    void on_group_ID_d_checkBox_stateChanged(int);
    void on_group_ID_e_checkBox_stateChanged(int);
    void on_group_ID_f_checkBox_stateChanged(int);
    void on_group_ID_g_checkBox_stateChanged(int);
    void on_group_ID_h_checkBox_stateChanged(int);
    void on_group_ID_i_checkBox_stateChanged(int);
    void on_group_ID_j_checkBox_stateChanged(int);
    void on_control_horizontalSlider_valueChanged(int);

    // Communications log.
    void transfer_data_in(QList<unsigned char> output_buffer, int type);
    void comment_text_in(QString comment_string, int type);
    void show_information_dialog();
    void itemMenuAboutToShow();

    // Menus.
    void on_actionAbout_triggered();
    void on_actionUser_s_Guide_triggered();
    void on_actionOpen_triggered();
    void on_actionExit_triggered();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void read_settings();
    void write_settings();
    void fill_lists();
    void make_connections();
    void build_page_tree();
    void fit_table_to_columns(QTableView* table);
    // After a command or long operation ends, queued writes that came due inside it run.
    void release_held_writes();
    bool frame_busy() const { return connection_opened || long_operation; }
    // Reads one op code's current value and maximum, enabling the widget on success (always
    // with the dummy interface when dummy_rule is set).
    int read_value_max(uint opcode, uint* current, uint* max, QWidget* widget, bool dummy,
                       bool dummy_rule = true);

    bool connection_opened = false;
    std::unique_ptr<WriteBehindQueue<QSlider>> slider_queue;
    std::unique_ptr<WriteBehindQueue<QSpinBox>> spinbox_queue;
    bool writes_held = false;
    bool settings_dirty_flag = false;
    bool long_operation = false;
    // Kept while the IP-scan page has no line edits of its own, so the stored range survives.
    QString scan_ip_from;
    QString scan_ip_to;
    LogLineFormatter log_formatter;
};
