#pragma once

#include "monitor_data.h"
#include "serial_port.h"

#include <QString>
#include <QValidator>
#include <QWidget>

#include <memory>

namespace Ui {
class LM_communications_interface_configure_widgetClass;
}
class QCompleter;
class SerialPortWatcher;

// Accepts a dotted IPv4 address while it is being typed: up to four decimal parts of 0 to 255.
// A part above 255 is kept as typed but makes the address not acceptable.
class IP4Validator : public QValidator {
    Q_OBJECT
public:
    explicit IP4Validator(QObject* parent = nullptr);
    State validate(QString& input, int& pos) const override;
    // A complete address: four parts of 0 to 255.
    static bool isAcceptable(QString text);
};

// The panel in which the user chooses how to reach the display (RS-232 port, LAN address or the
// dummy interface) and which display (monitor ID, all displays or a group).
class LM_communications_interface_configure_widget : public QWidget {
    Q_OBJECT
public:
    explicit LM_communications_interface_configure_widget(QWidget* parent = nullptr);
    ~LM_communications_interface_configure_widget() override;

    monitor_data get_interface_info();
    // Follows the ports that appear and disappear.
    SerialPortWatcher* port_watcher() const { return watcher; }
    // Takes an address picked from the LAN browse dialog and starts monitor-ID detection.
    void use_browsed_address(const QString& address);

signals:
    void status_message(QString message, int timeout);
    void record_updated();
    void verify2();
    void auto_detect_monitor_ID();

public slots:
    void set_interface_info(monitor_data in_monitor_data);
    void selection_changed(int selection);
    void update_ui_state();
    void verify_clicked();
    void onDeviceRemoved(const SerialPortInfo& m_SerialPortInfo);
    void onDeviceDiscovered(const SerialPortInfo& m_SerialPortInfo);
    void communications_test_result(int value);
    void on_verify_pushButton_clicked();
    void on_search_pushButton_clicked();
    void on_auto_detect_monitor_ID_pushButton_clicked();

private:
    void fill_com_port_list(const QString& keep);
    void rebuild_com_port_list();
    void select_com_port(const QString& name);
    // An address that is not complete and valid is drawn in red.
    void show_address_validity();

    std::unique_ptr<Ui::LM_communications_interface_configure_widgetClass> ui;
    std::unique_ptr<QCompleter> completer;
    SerialPortWatcher* watcher = nullptr;
    int selection = 0;
};
