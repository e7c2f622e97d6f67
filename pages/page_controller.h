#pragma once

#include "page_host.h"
#include "zetqvtoolmainwindow_ui.h"

#include <QList>
#include <QObject>

class QComboBox;
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

// The behaviour of one group of pages. Its on_<object>_<signal> slots are bound to the form by
// name; the shell asks it to refresh a page it owns when that page is shown.
class PageController : public QObject {
    Q_OBJECT

public:
    explicit PageController(const PageContext& context, QObject* parent = nullptr);

    // The page widgets of the page stack that this controller owns.
    virtual QList<QWidget*> pages() const = 0;
    // Reads the page from the display; runs inside the page switch's command frame.
    virtual void refresh(QWidget* page);
    virtual void read_settings(const QSettings& settings);
    virtual void write_settings(QSettings& settings) const;
    // Another op-code definitions file was loaded into the store.
    virtual void definitions_loaded();
    // Runs at once a write that the page's own timer holds back.
    virtual void write_pending();

protected:
    bool dummy_interface() const;
    // Reads one op code's current value and maximum; the widget is enabled when the read
    // succeeded, and always with the dummy interface when dummy_rule is set.
    int read_value_max(uint opcode, uint* current, uint* max, QWidget* widget, bool dummy,
                       bool dummy_rule = true);
    // Selects the item whose data is exactly value; none when no item has it.
    static void select_by_data(QComboBox* combo, uint value);
    // The display's result value on a status line: "0 (OK)", "1 (Error)".
    static QString reply_status_text(int value);
    // Writes the data of the combo box's item at index to the op code; on success marks the
    // settings dirty and reads the value back. Then selects the item of the value the display
    // holds (of the value sent when the write failed). Returns the write's result.
    int write_combo_value(QComboBox* combo, int index, uint opcode);
    // Asks before an action that cannot be undone: a warning with Yes and Cancel; true for Yes.
    bool confirm_warning(const QString& question);
    // Text that goes to the display as Latin-1 (names, tags): when a character has no Latin-1
    // byte the status bar says which (-2105) and true is returned: send nothing, rather than
    // the text with "?" in its place.
    bool refuses_outside_latin1(const QString& what, const QString& text);

    Ui::ZETQVToolMainWindowClass& ui;
    basic_monitor* monitor;
    PageHost& host;
};
