#pragma once

#include "byte_buffer.h"
#include "monitor_data.h"

#include <QObject>
#include <QString>

class QVCommProtocol_retry;

// The one object through which the user interface and the script engine reach a display. It
// owns the protocol engine (with its retry layer), forwards the commands to it, turns a display's
// refusal of an op code into Unsupported, pauses after the commands that keep a display busy,
// and relays the protocol's two log signals under its own names.
//
// Operations are grouped by command family; each family adds its own block here and its
// definitions in a basic_monitor_<family>.cpp of its own.
class basic_monitor : public QObject {
    Q_OBJECT

public:
    static constexpr int CapabilityStringSize = 8192;
    // The buffer the identity texts are read into.
    static constexpr int TextBufferSize = 200;

    // protocol: the engine to own; null makes a new QVCommProtocol_retry.
    explicit basic_monitor(QObject* parent = nullptr, QVCommProtocol_retry* protocol = nullptr);
    ~basic_monitor() override;

    // Connection
    virtual void set_retry_count(int count);
    virtual void set_long_timeout(bool on);
    // Sets the destination, then opens the interface; type 0 (the close request) and any other
    // type but LAN and RS-232 select the unopened dummy link.
    virtual int set_interface_info(monitor_data data);
    virtual monitor_data get_interface_info();
    virtual int fill_interface_info(monitor_data& data);
    virtual int open_interface(QString port, int type);
    virtual QString port_name();
    virtual int interface_type();
    virtual bool is_connected();
    virtual void set_monitor_id(int id);
    virtual int monitor_id();
    virtual int send_raw(QList<unsigned char> bytes);
    virtual int receive_raw(QList<unsigned char>& out, unsigned char terminator);
    // strncpy semantics: at most len bytes, NUL-filled, no terminator when the string is longer.
    virtual int copy_capability_string(char* dst, unsigned int len);
    QString capability_string() const;

    // Core display commands
    // Pauses m_delay_save_settings afterwards, whatever the result.
    virtual int save_current_settings();
    // On failure the text is empty.
    virtual int serial_number_read(QString& text);
    virtual int model_name_read(QString& text);
    // The three value operations return Unsupported when the exchange succeeded but the
    // display's result byte is not 0; get_parameter and set_parameter hand that byte back.
    virtual int get_vcp_value(unsigned int opcode, unsigned int* current);
    virtual int get_vcp_value_max(unsigned int opcode, unsigned int* current, unsigned int* max);
    virtual int get_parameter(unsigned int opcode, unsigned int* current, unsigned int* max,
                              unsigned char* result, unsigned char* type);
    virtual int set_vcp_value(unsigned int opcode, unsigned int* value);
    virtual int set_parameter(unsigned int opcode, unsigned int* value, unsigned int* max,
                              unsigned char* result, unsigned char* type);
    virtual void delay(unsigned int ms);
    virtual void broadcast_message(unsigned int message, unsigned int value);
    // count: in, the capacity of codes; out, the number of codes.
    virtual int self_diagnosis_status_read(unsigned char* codes, unsigned int* count);
    virtual int mode_change_request(unsigned char* mode);
    // mode: in, the requested power mode; out, the mode the display reports.
    virtual int power_control(unsigned char* mode);
    virtual int power_status_read(unsigned char* mode);
    virtual int get_timing_report(unsigned char* status, float* horizontal_khz, float* vertical_hz);

signals:
    void Broadcast_MessageOut(unsigned int message, unsigned int value);
    void transfer_data_out(QList<unsigned char> output_buffer, int type);
    void comment_text_out(QString text, int type);

public slots:
    void transfer_data(QList<unsigned char> output_buffer, int type);
    void comment_text(QString text, int type);

protected:
    // Empties the cached capability string; a new display or link invalidates it.
    void forget_capability_string() { m_capability_string[0] = '\0'; }
    // Applies the Unsupported rule to a value operation.
    static int value_result(int result, unsigned char display_result);

    char m_capability_string[CapabilityStringSize] = {};
    QVCommProtocol_retry* m_protocol;
    unsigned int m_delay_save_settings = 1000;
    unsigned int m_delay_gamma_table = 1000;
    unsigned int m_delay_refresh_gamma_table = 100;
    unsigned int m_delay_color_preset = 1000;
    unsigned int m_delay_gamma = 1000;
    unsigned int m_delay_color_reset = 1000;
    int m_model_family = 0; // test-pattern family: 0 not yet known, 1 or 2
    bool m_long_timeout = false;
};
