#pragma once

#include "control_state.h"
#include "page_host.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QList>
#include <QObject>

#include <functional>

class CommandScope;
class QComboBox;
class QLineEdit;
class QSettings;
class basic_monitor;

// What every page controller works with: the window's form, the one monitor object and the
// window itself as its host.
struct PageContext {
    Ui::ZETQVToolMainWindowClass& ui;
    basic_monitor* monitor;
    PageHost& host;
};

// The first failure among the results of several exchanges, so that a later success cannot hide
// it; 0 while all succeeded.
class FirstFailure {
public:
    int note(int result) {
        if (first == 0)
            first = result;
        return result;
    }
    int result() const { return first; }

private:
    int first = 0;
};

// One refresh of a page, on the connection its caller opened, under the rule of ControlState.
// Made with every control the refresh reads, which show unread at once (disabled, no tick) until
// a read of theirs succeeds: a refresh that ends early leaves the rest so. With keep_enabled (a
// page that stays usable on the dummy interface) they stay enabled.
//
//     PageRead pass(read_controls(ui.some_page), dummy);
//     uint current = 0, max = 0;
//     const int result = monitor->get_vcp_value_max(opcode, &current, &max);
//     if (PageRead::ends(pass.read(result, {slider}, [&] { slider->setValue(int(current)); })))
//         return pass.failure();
//     ...
//     return pass.failure(); // the caller reports it with the frame
class PageRead {
public:
    explicit PageRead(const QList<QWidget*>& controls, bool keep_enabled = false);

    // A read's result on its controls; on success show() puts the values in, with the signals
    // of the controls' value widgets blocked, and they become the confirmed values. Returns the
    // result.
    int read(int result, const QList<QWidget*>& controls, const std::function<void()>& show = {});
    // The first failure other than unsupported, for the status bar; 0 when there was none.
    int failure() const { return first.result(); }
    // A failure that can end a refresh: anything but a control the display does not have.
    static bool ends(int result);

private:
    bool keep_enabled;
    FirstFailure first;
};

// The behaviour of one group of pages. Its on_<object>_<signal> slots are bound to the form by
// name; the shell asks it to refresh a page it owns when that page is shown.
//
// Every value a page shows follows ControlState's rule: refreshes read through PageRead and
// report its failure(); a button's read runs in read_in_frame; writes go through
// write_in_frame, write_choice or write_value, which settle the controls by their kind:
// a live control goes back when its write fails, a form field (form_fields) keeps what the
// user entered.
class PageController : public QObject {
    Q_OBJECT

public:
    explicit PageController(const PageContext& context, QObject* parent = nullptr);

    // The page widgets of the page stack that this controller owns.
    virtual QList<QWidget*> pages() const = 0;
    // Reads the page from the display; runs inside the page switch's command frame and shows
    // the first failure on the status bar.
    virtual void refresh(QWidget* page);
    // The controls whose values the refresh of page reads (none: the page reads nothing).
    virtual QList<QWidget*> read_controls(QWidget* page) const;
    // The page could not be read at all (its link did not open): its controls show unread.
    virtual void show_unread(QWidget* page);
    // The controls whose values a button sends together (Write, Set, Update, Save, Lock): form
    // fields, which a failed send leaves as the user entered them. Every other control that
    // writes is live: it writes as it changes and goes back when that fails. Declared to
    // ControlState when the pages are made, and again by a page whose kinds follow a setting of
    // its own.
    virtual QList<QWidget*> form_fields() const;
    // The lines of page that show the display's answer to a command ("0 (OK)"). A refresh of
    // the page empties them before its link opens, so that no answer from before stands beside
    // what the refresh reads now, or fails to read.
    virtual QList<QLineEdit*> result_lines(QWidget* page) const;
    virtual void read_settings(const QSettings& settings);
    virtual void write_settings(QSettings& settings) const;
    // Another op-code definitions file was loaded into the store.
    virtual void definitions_loaded();
    // Runs at once a write that the page's own timer holds back.
    virtual void write_pending();

protected:
    bool dummy_interface() const;
    // A refresh's first failure on the status bar. A refresh without one leaves the bar as it
    // is (the page switch and the reload button clear it before), so that the error of a
    // write that ran before it stays.
    void show_failure(int failure);
    // Selects the item whose data is exactly value; none when no item has it.
    static void select_by_data(QComboBox* combo, uint value);
    // The display's result value on a status line: "0 (OK)", "1 (Error)".
    static QString reply_status_text(int value);
    // The result of a command whose reply also carries the display's own status, as
    // ControlState takes it: the exchange's failure, else ReplyError when the display refused
    // (a status other than 0), else 0. The status bar still shows the exchange's own result.
    static int command_result(int result, int status);
    // A command's answer: once the exchange succeeded, the display's status goes to its result
    // line. Returns command_result.
    static int show_answer(QLineEdit* result_line, int result, int status);
    // Writes the data of the combo box's item at index to the op code, on the caller's
    // connection; on success marks the settings dirty, reads the value back and selects its
    // item (signals blocked). Returns the write's own result (unsupported included), which the
    // caller settles the combo box with (write_in_frame).
    int write_combo_value(QComboBox* combo, int index, uint opcode);
    // A live combo box's choice written in a frame of its own (write_combo_value), then
    // refresh, when given, reads again what the choice changes, on the same connection, with
    // the combo box's signals blocked so that rebuilding lists writes nothing. The frame reports
    // the first failure; the combo box is settled after the refresh.
    void write_choice(QComboBox* combo, int index, uint opcode,
                      const std::function<int()>& refresh = {});
    // Writes value to the op code in a frame of its own with its read-back
    // (PageHost::update_vcp); on success show() puts the value the display holds into the
    // controls (their signals blocked). Then ControlState::apply_write. Returns the result.
    int write_value(uint opcode, uint value, const QList<QWidget*>& controls,
                    const std::function<void(uint)>& show = {});
    // A button's read in a frame of its own. When the link does not open, read does not run and
    // what it would read shows unread: the page's controls (show_unread), or the controls
    // given. result_line, the line that shows the display's answer, is emptied first, so that
    // the answer to an earlier command does not stand for this one.
    void read_in_frame(QWidget* page, const std::function<void(CommandScope&)>& read);
    void read_in_frame(QWidget* page, QLineEdit* result_line,
                       const std::function<void(CommandScope&)>& read);
    void read_in_frame(const QList<QWidget*>& controls, QLineEdit* result_line,
                       const std::function<void(CommandScope&)>& read);
    // A write in a frame of its own, of the controls it sends. send runs the exchanges, reports
    // on the frame what the status bar is to show and returns the result as ControlState takes
    // it (command_result for a command that carries the display's status); then
    // ControlState::apply_write settles the controls by their kind, also when the link did not
    // open: success confirms them; on failure live controls go back and form fields keep what
    // the user entered. Returns that result. result_line is emptied first, as for a read.
    int write_in_frame(const QList<QWidget*>& controls,
                       const std::function<int(CommandScope&)>& send);
    int write_in_frame(const QList<QWidget*>& controls, QLineEdit* result_line,
                       const std::function<int(CommandScope&)>& send);
    // Asks before an action that cannot be undone: a warning with Yes and Cancel; true for Yes.
    bool confirm_warning(const QString& question);
    // Input the user can mend: nothing is sent, and the status bar shows the code with a
    // sentence that says what to enter, in place of the code's general text. result_line, the
    // line of the press's answer, is emptied: an earlier answer does not stand beside this press.
    void refuse_input(int code, const QString& sentence, QLineEdit* result_line = nullptr);
    // Text that goes to the display as Latin-1 (names, tags): when a character has no Latin-1
    // byte the status bar says which (-2105) and true is returned: send nothing, rather than
    // the text with "?" in its place. result_line as for refuse_input.
    bool refuses_outside_latin1(const QString& what, const QString& text,
                                QLineEdit* result_line = nullptr);

    Ui::ZETQVToolMainWindowClass& ui;
    basic_monitor* monitor;
    PageHost& host;

private:
    // read_in_frame with what shows unread when the link does not open.
    void read_or_unread(QLineEdit* result_line, const std::function<void()>& unread,
                        const std::function<void(CommandScope&)>& read);
};
