#include "basic_monitor.h"

#include "monitor_text.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"

#include <algorithm>
#include <climits>
#include <cstring>

basic_monitor::basic_monitor(QObject* parent, QVCommProtocol_retry* protocol)
    : QObject(parent), m_protocol(protocol ? protocol : new QVCommProtocol_retry) {
    // The protocol's log channel goes on as the monitor's own, without a stop on the way.
    connect(m_protocol, &QVCommProtocol::transfer_data, this, &basic_monitor::transfer_data_out);
    connect(m_protocol, &QVCommProtocol::comment_text, this, &basic_monitor::comment_text_out);
    connect(m_protocol, &QVCommProtocol::waiting, this, &basic_monitor::waiting);
    connect(m_protocol, &QVCommProtocol::progress, this, &basic_monitor::progress);
}

basic_monitor::~basic_monitor() {
    delete m_protocol;
}

void basic_monitor::transfer_data(QList<unsigned char> output_buffer, int type) {
    emit transfer_data_out(output_buffer, type);
}

void basic_monitor::comment_text(QString text, int type) {
    emit comment_text_out(text, type);
}

// Connection

void basic_monitor::set_retry_count(int count) {
    m_protocol->set_retry_count(count);
}

void basic_monitor::set_long_timeout(bool on) {
    m_long_timeout = on;
    m_protocol->set_long_timeout(on);
}

int basic_monitor::set_interface_info(monitor_data data) {
    set_monitor_id(data.m_monitor_id);
    return open_interface(data.s_communicationsInterfacePortName, data.communicationsInterfaceType);
}

monitor_data basic_monitor::get_interface_info() {
    monitor_data data;
    fill_interface_info(data);
    data.m_monitor_id_string.clear();
    return data;
}

int basic_monitor::fill_interface_info(monitor_data& data) {
    data.m_monitor_id = monitor_id();
    data.communicationsInterfaceType = interface_type();
    data.s_communicationsInterfacePortName = port_name();
    return 0;
}

int basic_monitor::open_interface(QString port, int type) {
    const int result = m_protocol->open_interface(port, type);
    if (result == 0)
        m_protocol->set_long_timeout(m_long_timeout);
    forget_capability_string();
    return result;
}

QString basic_monitor::port_name() {
    return m_protocol->address();
}

int basic_monitor::interface_type() {
    return m_protocol->interface_type();
}

bool basic_monitor::is_connected() {
    return m_protocol->is_connected();
}

void basic_monitor::set_monitor_id(int id) {
    forget_capability_string();
    m_protocol->set_destination(id);
}

int basic_monitor::monitor_id() {
    return m_protocol->destination();
}

int basic_monitor::send_raw(QList<unsigned char> bytes) {
    return m_protocol->send_raw(bytes);
}

int basic_monitor::receive_raw(QList<unsigned char>& out, unsigned char terminator) {
    return m_protocol->receive_raw(out, terminator);
}

int basic_monitor::copy_capability_string(char* dst, unsigned int len) {
    if (len > 0)
        strncpy(dst, m_capability_string, len);
    return 0;
}

QString basic_monitor::capability_string() const {
    return QString::fromLatin1(m_capability_string);
}

// Core display commands

int basic_monitor::save_current_settings() {
    const int result = m_protocol->save_current_settings();
    delay(m_delay_save_settings);
    return result;
}

int basic_monitor::serial_number_read(QString& text) {
    return read_text<TextBufferSize>(text, [this](char* buffer, int size) {
        return m_protocol->serial_number_read(buffer, size);
    });
}

int basic_monitor::model_name_read(QString& text) {
    return read_text<TextBufferSize>(
        text, [this](char* buffer, int size) { return m_protocol->model_name_read(buffer, size); });
}

int basic_monitor::value_result(int result, unsigned char display_result) {
    return result == 0 && display_result != 0 ? ResultCode::Unsupported : result;
}

int basic_monitor::get_vcp_value(unsigned int opcode, unsigned int* current) {
    unsigned int max = 0;
    return get_vcp_value_max(opcode, current, &max);
}

int basic_monitor::get_vcp_value_max(unsigned int opcode, unsigned int* current,
                                     unsigned int* max) {
    unsigned char result = 0;
    unsigned char type = 0;
    const int code = get_parameter(opcode, current, max, &result, &type);
    return value_result(code, result);
}

int basic_monitor::get_parameter(unsigned int opcode, unsigned int* current, unsigned int* max,
                                 unsigned char* result, unsigned char* type) {
    return m_protocol->get_parameter(static_cast<unsigned char>(opcode >> 8),
                                     static_cast<unsigned char>(opcode), *current, *max, *result,
                                     *type);
}

int basic_monitor::set_vcp_value(unsigned int opcode, unsigned int* value) {
    unsigned int max = 0;
    unsigned char result = 0;
    unsigned char type = 0;
    const int code = set_parameter(opcode, value, &max, &result, &type);
    return value_result(code, result);
}

int basic_monitor::set_parameter(unsigned int opcode, unsigned int* value, unsigned int* max,
                                 unsigned char* result, unsigned char* type) {
    return m_protocol->set_parameter(static_cast<unsigned char>(opcode >> 8),
                                     static_cast<unsigned char>(opcode), *value, *max, *result,
                                     *type);
}

void basic_monitor::delay(unsigned int ms) {
    // In slices, as the protocol's own waits, each reported so that a caller keeps its window
    // painted through a pause of a second or more.
    for (unsigned int waited = 0; waited < ms;) {
        const unsigned int step = std::min(unsigned(QVCommProtocol::WaitSliceMs), ms - waited);
        m_protocol->delay(int(step));
        waited += step;
        emit waiting(int(waited), int(ms));
    }
}

void basic_monitor::broadcast_message(unsigned int message, unsigned int value) {
    emit Broadcast_MessageOut(message, value);
}

int basic_monitor::self_diagnosis_status_read(unsigned char* codes, unsigned int* count) {
    int counted = int(std::min(*count, unsigned(INT_MAX)));
    const int result = m_protocol->self_diagnosis_status_read(codes, counted);
    *count = unsigned(counted);
    return result;
}

int basic_monitor::mode_change_request(unsigned char* mode) {
    return m_protocol->mode_change_request(*mode);
}

int basic_monitor::power_control(unsigned char* mode) {
    return m_protocol->power_control(*mode);
}

int basic_monitor::power_status_read(unsigned char* mode) {
    return m_protocol->power_status_read(*mode);
}

int basic_monitor::get_timing_report(unsigned char* status, float* horizontal_khz,
                                     float* vertical_hz) {
    return m_protocol->get_timing_report(*status, *horizontal_khz, *vertical_hz);
}
