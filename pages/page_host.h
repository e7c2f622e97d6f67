#pragma once

#include "monitor_data.h"

#include <QString>

#include <functional>

class QSlider;
class QSpinBox;
class QTableView;
class QWidget;

// What a page may ask of the main window: the command frame, the write-behind queues, the log
// and the interface the user chose. Pages reach the window through nothing else.
class PageHost {
public:
    using Write = std::function<void()>;

    virtual ~PageHost() = default;

    // The command frame; CommandScope runs the three in their order.
    virtual bool open_for_command() = 0;
    virtual void close_after_command() = 0;
    virtual void show_error_status(int result) = 0;
    // The same with a sentence of the caller's in place of the code's own text, where that
    // text would not tell the user what to mend.
    virtual void show_error_status(int result, const QString& text) = 0;

    // Writes one op code in a frame of its own and reads the value back into value: on
    // success value is what the display holds. Returns the write's result (a link that did
    // not open is -5003); the frame reports the read-back's after a successful write, and
    // nothing for unsupported (-1027), which the caller shows on its control.
    virtual int update_vcp(uint opcode, uint& value) = 0;
    // Marks the display's settings as changed and unsaved (or saved).
    virtual void set_settings_dirty(bool dirty) = 0;

    // Write-behind: the widget's value is written 1500 ms after its last change, once per key.
    // The plain form writes the op code and puts a different read-back into the widget, or,
    // when the write fails, the widget's confirmed value (ControlState); the form with a
    // writer runs the page's own write instead (pseudo op codes, writes that must re-read
    // their page). A change made while ControlState reverts a widget queues nothing.
    virtual void queue_slider_change(QSlider* slider, uint opcode) = 0;
    virtual void queue_spinbox_change(QSpinBox* spinbox, uint opcode) = 0;
    virtual void queue_slider_write(QSlider* slider, uint key, Write write) = 0;
    virtual void queue_spinbox_write(QSpinBox* spinbox, uint key, Write write) = 0;
    // The plain write of a queued slider, for a page's own writer that adds to it.
    virtual void write_slider_value(QSlider* slider, uint opcode) = 0;

    // While a long operation runs, queued writes wait for its end.
    virtual void set_long_operation(bool running) = 0;
    // Runs every write that waits for its timer now (the window's queues and the pages' own),
    // so that none of them falls into the long operation that follows.
    virtual void flush_queued_writes() = 0;
    // True while a command's connection is open or a long operation runs: a page's own
    // delayed write must wait, since its frame would close that connection.
    virtual bool command_running() const = 0;
    // While set, the window keeps painting after each logged message.
    virtual void set_process_events_while_logging(bool on) = 0;

    // The interface, address and monitor ID of the communications-interface widget.
    virtual monitor_data interface_info() const = 0;
    // Runs the page switch's refresh of the page shown, in a frame of its own.
    virtual void refresh_current_page() = 0;
    // Makes a table exactly as wide as its columns (as the window does when it is resized).
    virtual void fit_table_to_columns(QTableView* table) = 0;
    // Shows a page of the stack as its item in the navigation tree would.
    virtual void show_page(int page) = 0;
    virtual QWidget* dialog_parent() = 0;

    // While set, nobody is there to close a message box (a run from the command line): errors
    // that would show one go to standard error and the log instead.
    virtual void set_unattended(bool on) = 0;
    // The program's exit code once its windows have closed.
    virtual void set_exit_code(int code) = 0;
};
