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

protected:
    bool dummy_interface() const;
    // Reads one op code's current value and maximum; the widget is enabled when the read
    // succeeded, and always with the dummy interface when dummy_rule is set.
    int read_value_max(uint opcode, uint* current, uint* max, QWidget* widget, bool dummy,
                       bool dummy_rule = true);
    // Selects the item whose data is exactly value; none when no item has it.
    static void select_by_data(QComboBox* combo, uint value);

    Ui::ZETQVToolMainWindowClass& ui;
    basic_monitor* monitor;
    PageHost& host;
};
