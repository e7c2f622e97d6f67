#pragma once

#include "communications_log.h"
#include "page_host.h"
#include "write_behind_queue.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QMainWindow>

#include <memory>

class checkForSoftwareUpdates;
class PageSet;
class QSlider;
class QSpinBox;
class QTableView;
class QTreeWidgetItem;

// The program's one main window: builds the form, keeps the settings, runs the command frame
// and the write-behind queues, and switches pages. What the pages do lives in their
// controllers (PageSet), which reach the window through PageHost.
class ZETQVToolMainWindow : public QMainWindow, public PageHost {
    Q_OBJECT

public:
    explicit ZETQVToolMainWindow(QWidget* parent = nullptr);
    ~ZETQVToolMainWindow() override;

    Ui::ZETQVToolMainWindowClass ui;
    PageSet& pages() const { return *page_set; }

    // PageHost: the command frame. Every exchange runs between a true open_for_command and
    // close_after_command; show_error_status reports its result. A frame opened inside another
    // for the same display shares its connection, which closes with the outer frame.
    bool open_for_command() override;
    void close_after_command() override;
    void show_error_status(int result) override;
    void show_error_status(int result, const QString& text) override;
    int update_vcp(uint opcode, uint& value) override;
    void set_settings_dirty(bool dirty) override;
    void queue_slider_change(QSlider* slider, uint opcode) override;
    void queue_spinbox_change(QSpinBox* spinbox, uint opcode) override;
    void queue_slider_write(QSlider* slider, uint key, Write write) override;
    void queue_spinbox_write(QSpinBox* spinbox, uint key, Write write) override;
    void write_slider_value(QSlider* slider, uint opcode) override;
    void set_long_operation(bool running) override;
    void flush_queued_writes() override;
    bool command_running() const override { return frame_busy(); }
    void set_process_events_while_logging(bool on) override;
    monitor_data interface_info() const override;
    void refresh_current_page() override;
    void fit_table_to_columns(QTableView* table) override;
    void show_page(int page) override;
    QWidget* dialog_parent() override { return this; }
    void set_unattended(bool on) override {
        unattended = on;
        // An unattended run closes the program at its end, log unseen: standard error has its
        // failures, and a long run would only fill memory with lines.
        communications_log.set_kept(!on);
    }
    void set_exit_code(int code) override { program_exit_code = code; }

    // The scripts named on the command line (the program's own name first): listed on the
    // scripting page; a single one runs shortly after start-up and the program then closes.
    void take_command_line_scripts(const QStringList& arguments);
    int exit_code() const { return program_exit_code; }

    // The pages of the stack that the window shows: index, where the navigation tree shows it
    // (none for pages it does not list), and whether showing it reads the display. Pages not
    // listed read nothing.
    struct PagePath {
        int page;
        const char* path;
        bool reads = true;
    };
    static const QList<PagePath>& pagePaths();

signals:
    void update_slider_control(QSlider* control, int value);
    void update_spinbox_control(QSpinBox* control, int value);
    void settings_dirty(bool value);
    void communications_test_result(int value);

public slots:
    void slider_timer_timeout();
    void spinbox_timer_timeout();
    void on_save_settings_pushButton_clicked();
    void on_reload_settings_pushButton_clicked();
    void setting_dirty_changed(bool value);
    void communications_interface_verify();
    void auto_detect_monitor_ID();
    void update_silder_control_value(QSlider* control, int value);
    void update_spinbox_control_value(QSpinBox* control, int value);

    // Navigation.
    void timeout1();
    void changePage(QTreeWidgetItem* current, QTreeWidgetItem* previous);
    void tabChanged(int tab);

    // Communications log: a line handed to the log's sink. The monitor's own lines reach the
    // sink directly, since the log observes the monitor.
    void transfer_data_in(QList<unsigned char> output_buffer, int type);
    void comment_text_in(QString comment_string, int type);
    void show_information_dialog();
    void itemMenuAboutToShow();

    // Menus.
    void on_actionAbout_triggered();
    void on_actionCheck_for_updates_triggered();
    void check_for_update_reply(QString message, int reply);
    void on_actionUser_s_Guide_triggered();
    void on_actionOpen_triggered();
    void on_actionExit_triggered();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    // The command frame's open for the given choice; refuses a monitor ID that names no
    // destination before anything is opened.
    bool open_interface(const monitor_data& choice);
    // An error of the window's own: red in the status bar and in the log.
    void show_error_text(const QString& text);
    void read_settings();
    void write_settings();
    void make_connections();
    void build_page_tree();
    // Runs the entries of a queue whose time has come, unless a command is running.
    void run_queue(WriteBehindQueue& queue);
    // After a command or long operation ends, queued writes that came due inside it run.
    void release_held_writes();
    bool frame_busy() const { return frame_depth > 0 || long_operation; }

    std::unique_ptr<PageSet> page_set;
    // The frames open on the connection, and what it was opened for.
    int frame_depth = 0;
    monitor_data opened_link;
    std::unique_ptr<WriteBehindQueue> slider_queue;
    std::unique_ptr<WriteBehindQueue> spinbox_queue;
    bool writes_held = false;
    bool settings_dirty_flag = false;
    bool long_operation = false;
    bool unattended = false;
    int program_exit_code = 0;
    CommunicationsLog communications_log;
    checkForSoftwareUpdates* update_checker = nullptr; // made on the first check
};
