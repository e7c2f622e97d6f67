#pragma once

#include "byte_buffer.h"
#include "display_capabilities.h"
#include "display_records.h"
#include "lut3d_entry.h"
#include "monitor_data.h"

#include <QDateTime>
#include <QObject>
#include <QString>
#include <QVector>

#include <functional>

class QVCommProtocol;
class QVCommProtocol_retry;

// The one object through which the user interface and the script engine reach a display. It
// owns the protocol engine (with its retry layer), forwards the commands to it, turns a display's
// refusal of an op code into Unsupported, pauses after the commands that keep a display busy,
// and passes the protocol's two log signals on under its own names.
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
    // Applies the Unsupported rule to a value operation: an exchange that succeeded with a
    // display result byte other than 0 is Unsupported.
    static int value_result(int result, unsigned char display_result);

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
    // Pauses through the protocol's delay in slices of at most WaitSliceMs, each reported
    // with waiting().
    virtual void delay(unsigned int ms);
    virtual void broadcast_message(unsigned int message, unsigned int value);
    // count: in, the capacity of codes; out, the number of codes.
    virtual int self_diagnosis_status_read(unsigned char* codes, unsigned int* count);
    // mode: in, the requested mode; out, the mode the display reports. A non-zero result
    // byte, or a mode other than the one asked for, is a refusal (ReplyError).
    virtual int mode_change_request(unsigned char* mode);
    // mode: in, the requested power mode; out, the mode the display reports.
    virtual int power_control(unsigned char* mode);
    virtual int power_status_read(unsigned char* mode);
    virtual int get_timing_report(unsigned char* status, float* horizontal_khz, float* vertical_hz);

    // Command families: forwarded to the protocol unchanged; the retry layer decides which
    // of them repeat.
    virtual int picture_mode_name_read(unsigned char mode, char* name, int capacity, int* result);
    virtual int picture_mode_name_write(unsigned char mode, const char* name, int* result);
    int daylight_saving_onoff_read(unsigned char* on, int* result);
    int daylight_saving_onoff_write(unsigned char on, int* result);
    int daylight_saving_read(daylight_saving_rule* rule, int* result);
    int daylight_saving_write(daylight_saving_rule* rule, int* result);
    int holiday_read(unsigned char number, int* status, holiday_entry* h);
    int holiday_write(unsigned char number, int* status, holiday_entry* h);
    int weekend_read(unsigned char* bits, int* status);
    int weekend_write(unsigned char* bits, int* status);
    int set_proof_of_play_mode(int* status, unsigned char mode);
    int get_proof_of_play_current(int* status, proof_of_play_log* entry);
    int get_proof_of_play_status(int* status, int* total, int* maximum, int* current);
    int get_proof_of_play_number_to_number(int from, int to, int* status, int* count,
                                           proof_of_play_log* entries, int capacity);
    int auto_id_execute(int* result);
    int auto_id_reset(int* result);
    int auto_id_get_complete(int* result, int* value);
    int auto_tile_matrix_execute(unsigned char h_monitors, unsigned char v_monitors,
                                 unsigned char input, unsigned char memory, int* result);
    int auto_tile_matrix_reset(int* result);
    int auto_tile_matrix_complete(int* result);
    int auto_tile_matrix_read(unsigned char* h_monitors, unsigned char* v_monitors, int* result);
    int auto_tile_matrix_write(unsigned char h_monitors, unsigned char v_monitors, int* result);
    int security_enable_read(unsigned char* enable);
    int security_enable_write(unsigned char enable, const Passcode& password, int* result);
    int security_lock_control(unsigned char* enable, const Passcode& password, int* status);
    int compute_module_setting_lock(unsigned char* enable, const Passcode& passcode, int* status);
    int input_name_read(char* name, int capacity);
    int input_name_reset(int* result);
    int input_name_write(const char* name, int* result);
    int terminal_input_name_read(unsigned char terminal, char* name, int capacity, int* result);
    int terminal_input_name_reset(unsigned char terminal, int* result);
    int terminal_input_name_write(unsigned char terminal, const char* name, int* result);
    int power_save_mode_read(unsigned char* mode);
    int power_save_mode_write(unsigned char mode, int* result);
    int power_save_time_read(unsigned char* time);
    int power_save_time_write(unsigned char time, int* result);
    int auto_standby_time_read(unsigned char* time);
    int auto_standby_time_write(unsigned char time, int* result);
    int direct_tv_channel_read(int* major, int* minor);
    int direct_tv_channel_write(int* major, int* minor);
    int tile_matrix_profile_read(unsigned char profile, unsigned char* h_monitors,
                                 unsigned char* v_monitors, unsigned char* position,
                                 unsigned char* tile_comp, unsigned char* status);
    int tile_matrix_profile_write(unsigned char profile, unsigned char h_monitors,
                                  unsigned char v_monitors, unsigned char position,
                                  unsigned char tile_comp, unsigned char* status);
    int tile_matrix_profile_select(unsigned char profile, unsigned char* status);
    int pip_pbp_profile_read(unsigned char profile, int* status, pip_pbp_profile* contents);
    int pip_pbp_profile_select(unsigned char profile, int* status);
    int pip_pbp_profile_write(unsigned char profile, int* status, pip_pbp_profile contents);

    // Capability, asset, gamma and LUT transfers
    // Reads the capability string into the cache and parses it: the parser's result (0, -1 or
    // -2), or the read's failure with the parsed form left cleared.
    virtual int read_capability_string();
    const DisplayCapabilities& capabilities() const { return m_capabilities; }
    // Each pauses afterwards whatever the result.
    virtual int refresh_gamma_table();
    virtual int save_gamma_table();
    virtual int init_gamma_table();
    virtual int reset_gamma_table();
    virtual int lut3d_read(lut3d_entry* entries, int n);
    // The asset area as 8-bit text; on failure the text is left as it was.
    int read_asset_data(QString& text);
    // The first 64 bytes of the text's 8-bit form, padded with zeros to the whole area.
    int write_asset_data(QString text);

    // Composite operations
    // Picture values by their fixed op codes.
    virtual int get_brightness(unsigned int* current, unsigned int* max);
    virtual int get_contrast(unsigned int* current, unsigned int* max);
    virtual int get_red_gain(unsigned int* current, unsigned int* max);
    virtual int get_green_gain(unsigned int* current, unsigned int* max);
    virtual int get_blue_gain(unsigned int* current, unsigned int* max);
    virtual int set_brightness(unsigned int* value);
    virtual int set_contrast(unsigned int* value);
    virtual int set_red_gain(unsigned int* value);
    virtual int set_green_gain(unsigned int* value);
    virtual int set_blue_gain(unsigned int* value);
    virtual int get_color_preset(unsigned int* current, unsigned int* max);
    virtual int set_color_preset(unsigned int* value);
    virtual int get_gamma(unsigned int* current, unsigned int* max);
    virtual int set_gamma(unsigned int* value);
    virtual int color_reset();
    virtual bool has_gamma_programmable_reset();
    virtual int gamma_programmable_reset();
    virtual int select_native_gamma();
    virtual int set_rgb_gains_to_max();
    // Each gain's maximum lands in the caller's pointer.
    virtual int set_rgb_gains_to_max_report(unsigned int* red, unsigned int* green,
                                            unsigned int* blue);
    // Operating times in hours.
    virtual int get_operating_time_on(double* hours);
    virtual int get_total_operating_time(double* hours);
    virtual int get_operating_time_on_minutes(double* hours);
    virtual int get_total_operating_time_minutes(double* hours);
    // The display clock as a date and time; seconds are always 0.
    virtual int date_time_read(QDateTime& when, unsigned char* daylight_saving);
    virtual int date_time_write(QDateTime& when, unsigned char* daylight_saving);
    // Index 0 alone decides the result; without it the capability string's firmware text is
    // given instead.
    virtual int get_firmware_versions(QString& first, QString& second, QString& third,
                                      QString& fourth);
    int get_firmware_version(int index, QString& text);
    int lan_mac_address_read(unsigned int kind, QString& text);
    int lan_mac_address_read_ipv4_ipv6(unsigned int result, unsigned int value, QString& text);
    // Video input in the common numbering, translated for older displays.
    int get_video_input(unsigned int* value);
    int set_video_input(unsigned int* value);
    // Reads the model name (one exchange each call) and looks it up in the list of older models.
    bool is_legacy_model();
    // Schedule entries in the display's dialect: older displays, then the extended dialect with
    // the plain one as fallback.
    int read_schedule(int program, schedule_entry* e);
    int write_schedule(int program, schedule_entry* e);
    int advanced_schedule_read(int program, schedule_entry* e);
    int advanced_schedule_write(int program, schedule_entry* e);
    // Code 0 is a pause of a second; each code counts as a step of progress().
    virtual int send_ir_remote_codes(QList<unsigned char> codes);
    // The pauses that sending the codes takes, exchanges left out.
    static unsigned int ir_codes_pause_ms(const QList<unsigned char>& codes);
    // Programmable gamma: 768 entries (three channels of 256) or 3072.
    int lut_table_size(unsigned int* size);
    int build_lut_test_table(int pattern, QVector<int>& table);
    // The table goes out in chunks of 8, so its size must be a multiple of 8 (TooManyValues
    // otherwise, before anything is sent).
    virtual int write_gamma_table(QVector<int>& table);
    virtual int write_programmable_gamma(QVector<int>& table);
    virtual int write_theoretical_curve(QVector<int>& table);
    // Test patterns, by the op codes of the display's family (detected on first use). A family-2
    // display takes them between a mode change to 2 and one back to 0; the mode is restored
    // after a failed step too, and the first failure is returned.
    virtual int set_test_pattern_levels(unsigned int* red, unsigned int* green, unsigned int* blue);
    virtual int set_test_pattern_mode(unsigned int* mode);
    virtual int get_test_pattern_mode(unsigned int* mode);
    virtual int get_test_pattern_levels(unsigned int* red, unsigned int* green, unsigned int* blue,
                                        unsigned int* red_max, unsigned int* green_max,
                                        unsigned int* blue_max);
    virtual int set_test_pattern_red_level(unsigned int* value);
    virtual int set_test_pattern_green_level(unsigned int* value);
    virtual int set_test_pattern_blue_level(unsigned int* value);
    virtual int detect_model_family();
    virtual int flash_test_pattern_white_black();

protected:
    DisplayCapabilities m_capabilities;

private:
    using ChunkWrite = int (QVCommProtocol::*)(const unsigned int*, int, int);
    // The chunks count as steps after steps_before of a transfer that takes steps_after more.
    int write_table_chunks(const QVector<int>& table, ChunkWrite write, int steps_before = 0,
                           int steps_after = 0);
    // A step of a transfer is done: the progress message, and progress().
    void step_done(int done, int total);
    // Runs the steps with the test-pattern op codes (red, green, blue) of the display's family.
    int with_test_pattern_codes(const std::function<int(const unsigned int* codes)>& steps);
    int schedule_fallback(int program, schedule_entry* e, bool write);

signals:
    void Broadcast_MessageOut(unsigned int message, unsigned int value);
    void transfer_data_out(QList<unsigned char> output_buffer, int type);
    void comment_text_out(QString text, int type);
    // A sliced wait goes on, the protocol's for a message of the display's own (the
    // completion waits) or a pause of delay(): milliseconds waited so far, and the most it
    // waits.
    void waiting(int elapsed_ms, int total_ms);
    // A sequence of many exchanges (a gamma table, a 3D LUT, IR codes) goes on: steps done of
    // all, from 0 at its start where pauses come before its first step.
    void progress(int done, int total);

public slots:
    // Re-emit a log line as the monitor's own. The protocol's lines do not pass here: the
    // constructor connects its signals straight to the two signals above.
    void transfer_data(QList<unsigned char> output_buffer, int type);
    void comment_text(QString text, int type);

protected:
    // Empties the cached capability string; a new display or link invalidates it.
    void forget_capability_string() { m_capability_string[0] = '\0'; }
    // The display reads the op code with result byte 0.
    bool answers(unsigned int opcode);

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
