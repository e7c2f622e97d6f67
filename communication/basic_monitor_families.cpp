#include "basic_monitor.h"

#include "qvcommprotocol_retry.h"

int basic_monitor::picture_mode_name_read(unsigned char mode, char* name, int capacity,
                                          int* result) {
    return m_protocol->picture_mode_name_read(mode, name, capacity, result);
}

int basic_monitor::picture_mode_name_write(unsigned char mode, const char* name, int* result) {
    return m_protocol->picture_mode_name_write(mode, name, result);
}

int basic_monitor::daylight_saving_onoff_read(unsigned char* on, int* result) {
    return m_protocol->daylight_saving_onoff_read(on, result);
}

int basic_monitor::daylight_saving_onoff_write(unsigned char on, int* result) {
    return m_protocol->daylight_saving_onoff_write(on, result);
}

int basic_monitor::daylight_saving_read(daylight_saving_rule* rule, int* result) {
    return m_protocol->daylight_saving_read(rule, result);
}

int basic_monitor::daylight_saving_write(daylight_saving_rule* rule, int* result) {
    return m_protocol->daylight_saving_write(rule, result);
}

int basic_monitor::holiday_read(unsigned char number, int* status, holiday_entry* h) {
    return m_protocol->holiday_read(number, status, h);
}

int basic_monitor::holiday_write(unsigned char number, int* status, holiday_entry* h) {
    return m_protocol->holiday_write(number, status, h);
}

int basic_monitor::weekend_read(unsigned char* bits, int* status) {
    return m_protocol->weekend_read(bits, status);
}

int basic_monitor::weekend_write(unsigned char* bits, int* status) {
    return m_protocol->weekend_write(bits, status);
}

int basic_monitor::set_proof_of_play_mode(int* status, unsigned char mode) {
    return m_protocol->set_proof_of_play_mode(status, mode);
}

int basic_monitor::get_proof_of_play_current(int* status, proof_of_play_log* entry) {
    return m_protocol->get_proof_of_play_current(status, entry);
}

int basic_monitor::get_proof_of_play_status(int* status, int* total, int* maximum, int* current) {
    return m_protocol->get_proof_of_play_status(status, total, maximum, current);
}

int basic_monitor::get_proof_of_play_number_to_number(int from, int to, int* status, int* count,
                                                      proof_of_play_log* entries, int capacity) {
    return m_protocol->get_proof_of_play_number_to_number(from, to, status, count, entries,
                                                          capacity);
}

int basic_monitor::auto_id_execute(int* result) {
    return m_protocol->auto_id_execute(result);
}

int basic_monitor::auto_id_reset(int* result) {
    return m_protocol->auto_id_reset(result);
}

int basic_monitor::auto_id_get_complete(int* result, int* value) {
    return m_protocol->auto_id_get_complete(result, value);
}

int basic_monitor::auto_tile_matrix_execute(unsigned char h_monitors, unsigned char v_monitors,
                                            unsigned char input, unsigned char memory,
                                            int* result) {
    return m_protocol->auto_tile_matrix_execute(h_monitors, v_monitors, input, memory, result);
}

int basic_monitor::auto_tile_matrix_reset(int* result) {
    return m_protocol->auto_tile_matrix_reset(result);
}

int basic_monitor::auto_tile_matrix_complete(int* result) {
    return m_protocol->auto_tile_matrix_complete(result);
}

int basic_monitor::auto_tile_matrix_read(unsigned char* h_monitors, unsigned char* v_monitors,
                                         int* result) {
    return m_protocol->auto_tile_matrix_read(h_monitors, v_monitors, result);
}

int basic_monitor::auto_tile_matrix_write(unsigned char h_monitors, unsigned char v_monitors,
                                          int* result) {
    return m_protocol->auto_tile_matrix_write(h_monitors, v_monitors, result);
}

int basic_monitor::security_enable_read(unsigned char* enable) {
    return m_protocol->security_enable_read(enable);
}

int basic_monitor::security_enable_write(unsigned char enable, const Passcode& password,
                                         int* result) {
    return m_protocol->security_enable_write(enable, password, result);
}

int basic_monitor::security_lock_control(unsigned char* enable, const Passcode& password,
                                         int* status) {
    return m_protocol->security_lock_control(enable, password, status);
}

int basic_monitor::compute_module_setting_lock(unsigned char* enable, const Passcode& passcode,
                                               int* status) {
    return m_protocol->compute_module_setting_lock(enable, passcode, status);
}

int basic_monitor::input_name_read(char* name, int capacity) {
    return m_protocol->input_name_read(name, capacity);
}

int basic_monitor::input_name_reset(int* result) {
    return m_protocol->input_name_reset(result);
}

int basic_monitor::input_name_write(const char* name, int* result) {
    return m_protocol->input_name_write(name, result);
}

int basic_monitor::terminal_input_name_read(unsigned char terminal, char* name, int capacity,
                                            int* result) {
    return m_protocol->terminal_input_name_read(terminal, name, capacity, result);
}

int basic_monitor::terminal_input_name_reset(unsigned char terminal, int* result) {
    return m_protocol->terminal_input_name_reset(terminal, result);
}

int basic_monitor::terminal_input_name_write(unsigned char terminal, const char* name,
                                             int* result) {
    return m_protocol->terminal_input_name_write(terminal, name, result);
}

int basic_monitor::power_save_mode_read(unsigned char* mode) {
    return m_protocol->power_save_mode_read(mode);
}

int basic_monitor::power_save_mode_write(unsigned char mode, int* result) {
    return m_protocol->power_save_mode_write(mode, result);
}

int basic_monitor::power_save_time_read(unsigned char* time) {
    return m_protocol->power_save_time_read(time);
}

int basic_monitor::power_save_time_write(unsigned char time, int* result) {
    return m_protocol->power_save_time_write(time, result);
}

int basic_monitor::auto_standby_time_read(unsigned char* time) {
    return m_protocol->auto_standby_time_read(time);
}

int basic_monitor::auto_standby_time_write(unsigned char time, int* result) {
    return m_protocol->auto_standby_time_write(time, result);
}

int basic_monitor::direct_tv_channel_read(int* major, int* minor) {
    return m_protocol->direct_tv_channel_read(major, minor);
}

int basic_monitor::direct_tv_channel_write(int* major, int* minor) {
    return m_protocol->direct_tv_channel_write(major, minor);
}

int basic_monitor::tile_matrix_profile_read(unsigned char profile, unsigned char* h_monitors,
                                            unsigned char* v_monitors, unsigned char* position,
                                            unsigned char* tile_comp, unsigned char* status) {
    return m_protocol->tile_matrix_profile_read(profile, h_monitors, v_monitors, position,
                                                tile_comp, status);
}

int basic_monitor::tile_matrix_profile_write(unsigned char profile, unsigned char h_monitors,
                                             unsigned char v_monitors, unsigned char position,
                                             unsigned char tile_comp, unsigned char* status) {
    return m_protocol->tile_matrix_profile_write(profile, h_monitors, v_monitors, position,
                                                 tile_comp, status);
}

int basic_monitor::tile_matrix_profile_select(unsigned char profile, unsigned char* status) {
    return m_protocol->tile_matrix_profile_select(profile, status);
}

int basic_monitor::pip_pbp_profile_read(unsigned char profile, int* status,
                                        pip_pbp_profile* contents) {
    return m_protocol->pip_pbp_profile_read(profile, status, contents);
}

int basic_monitor::pip_pbp_profile_select(unsigned char profile, int* status) {
    return m_protocol->pip_pbp_profile_select(profile, status);
}

int basic_monitor::pip_pbp_profile_write(unsigned char profile, int* status,
                                         pip_pbp_profile contents) {
    return m_protocol->pip_pbp_profile_write(profile, status, contents);
}
