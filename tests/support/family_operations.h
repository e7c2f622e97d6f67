#pragma once

#include "qvcommprotocol.h"

#include <QMap>
#include <QString>

#include <array>
#include <functional>

// Every exchange of the command families, each with fixed harmless arguments and small
// buffers, by operation name. The completion waits are left out: they send nothing, so a
// display that answers requests never answers them.
using Operation = std::function<int(QVCommProtocol&)>;

inline const QMap<QString, Operation>& familyOperations() {
    static schedule_entry entry;
    static holiday_entry holiday;
    static daylight_saving_rule rule;
    static proof_of_play_log entries[4];
    static pip_pbp_profile pip;
    static char text[40];
    static int a, b, c, d;
    static unsigned char u, v, w, x, y;
    static std::array<unsigned char, 4> ip;
    static const Passcode code(QStringLiteral("0000"));
    static const QMap<QString, Operation> table = {
        {"schedule_read_extended",
         [](QVCommProtocol& p) { return p.schedule_read_extended(0, 1, &entry); }},
        {"schedule_write_extended",
         [](QVCommProtocol& p) { return p.schedule_write_extended(0, 1, &entry); }},
        {"schedule_enable_write",
         [](QVCommProtocol& p) { return p.schedule_enable_write(0, 1, &(a = 1), &u); }},
        {"schedule_read_legacy",
         [](QVCommProtocol& p) { return p.schedule_read_legacy(1, &entry); }},
        {"schedule_read", [](QVCommProtocol& p) { return p.schedule_read(1, &entry); }},
        {"schedule_write_legacy",
         [](QVCommProtocol& p) { return p.schedule_write_legacy(1, &entry); }},
        {"schedule_write", [](QVCommProtocol& p) { return p.schedule_write(1, &entry); }},
        {"daylight_saving_write",
         [](QVCommProtocol& p) { return p.daylight_saving_write(&rule, &a); }},
        {"daylight_saving_read",
         [](QVCommProtocol& p) { return p.daylight_saving_read(&rule, &a); }},
        {"daylight_saving_onoff_read",
         [](QVCommProtocol& p) { return p.daylight_saving_onoff_read(&u, &a); }},
        {"daylight_saving_onoff_write",
         [](QVCommProtocol& p) { return p.daylight_saving_onoff_write(1, &a); }},
        {"weekend_write", [](QVCommProtocol& p) { return p.weekend_write(&(u = 0x40), &a); }},
        {"weekend_read", [](QVCommProtocol& p) { return p.weekend_read(&u, &a); }},
        {"holiday_write", [](QVCommProtocol& p) { return p.holiday_write(1, &a, &holiday); }},
        {"holiday_read", [](QVCommProtocol& p) { return p.holiday_read(1, &a, &holiday); }},
        {"set_proof_of_play_mode",
         [](QVCommProtocol& p) { return p.set_proof_of_play_mode(&a, 1); }},
        {"get_proof_of_play_current",
         [](QVCommProtocol& p) { return p.get_proof_of_play_current(&a, entries); }},
        {"get_proof_of_play_status",
         [](QVCommProtocol& p) { return p.get_proof_of_play_status(&a, &b, &c, &d); }},
        {"get_proof_of_play_number_to_number",
         [](QVCommProtocol& p) {
             return p.get_proof_of_play_number_to_number(1, 10, &a, &b, entries, 4);
         }},
        {"lan_mac_address_read_ipv4_ipv6",
         [](QVCommProtocol& p) {
             return p.lan_mac_address_read_ipv4_ipv6(&a, &b, text, int(sizeof text));
         }},
        {"lan_mac_address_read",
         [](QVCommProtocol& p) {
             return p.lan_mac_address_read(&(a = 1), text, int(sizeof text));
         }},
        {"lan_ip_address_status_request",
         [](QVCommProtocol& p) { return p.lan_ip_address_status_request(&a, &b, &ip); }},
        {"auto_id_execute", [](QVCommProtocol& p) { return p.auto_id_execute(&a); }},
        {"auto_id_reset", [](QVCommProtocol& p) { return p.auto_id_reset(&a); }},
        {"auto_tile_matrix_execute",
         [](QVCommProtocol& p) { return p.auto_tile_matrix_execute(2, 2, 1, 1, &a); }},
        {"auto_tile_matrix_reset", [](QVCommProtocol& p) { return p.auto_tile_matrix_reset(&a); }},
        {"auto_tile_matrix_read",
         [](QVCommProtocol& p) { return p.auto_tile_matrix_read(&u, &v, &a); }},
        {"auto_tile_matrix_write",
         [](QVCommProtocol& p) { return p.auto_tile_matrix_write(2, 2, &a); }},
        {"security_enable_write",
         [](QVCommProtocol& p) { return p.security_enable_write(1, code, &a); }},
        {"security_enable_read", [](QVCommProtocol& p) { return p.security_enable_read(&u); }},
        {"security_lock_control",
         [](QVCommProtocol& p) { return p.security_lock_control(&(u = 1), code, &a); }},
        {"compute_module_setting_lock",
         [](QVCommProtocol& p) { return p.compute_module_setting_lock(&(u = 1), code, &a); }},
        {"input_name_reset", [](QVCommProtocol& p) { return p.input_name_reset(&a); }},
        {"input_name_read",
         [](QVCommProtocol& p) { return p.input_name_read(text, int(sizeof text)); }},
        {"input_name_write", [](QVCommProtocol& p) { return p.input_name_write("PC", &a); }},
        {"terminal_input_name_reset",
         [](QVCommProtocol& p) { return p.terminal_input_name_reset(1, &a); }},
        {"terminal_input_name_read",
         [](QVCommProtocol& p) {
             return p.terminal_input_name_read(1, text, int(sizeof text), &a);
         }},
        {"terminal_input_name_write",
         [](QVCommProtocol& p) { return p.terminal_input_name_write(1, "PC", &a); }},
        {"power_save_mode_read", [](QVCommProtocol& p) { return p.power_save_mode_read(&u); }},
        {"power_save_mode_write", [](QVCommProtocol& p) { return p.power_save_mode_write(1, &a); }},
        {"power_save_time_read", [](QVCommProtocol& p) { return p.power_save_time_read(&u); }},
        {"power_save_time_write", [](QVCommProtocol& p) { return p.power_save_time_write(1, &a); }},
        {"auto_standby_time_read", [](QVCommProtocol& p) { return p.auto_standby_time_read(&u); }},
        {"auto_standby_time_write",
         [](QVCommProtocol& p) { return p.auto_standby_time_write(1, &a); }},
        {"picture_mode_name_read",
         [](QVCommProtocol& p) { return p.picture_mode_name_read(1, text, int(sizeof text), &a); }},
        {"picture_mode_name_write",
         [](QVCommProtocol& p) { return p.picture_mode_name_write(1, "Mine", &a); }},
        {"direct_tv_channel_read",
         [](QVCommProtocol& p) { return p.direct_tv_channel_read(&a, &b); }},
        {"direct_tv_channel_write",
         [](QVCommProtocol& p) { return p.direct_tv_channel_write(&(a = 7), &(b = 1)); }},
        {"tile_matrix_profile_read",
         [](QVCommProtocol& p) { return p.tile_matrix_profile_read(1, &u, &v, &w, &x, &y); }},
        {"tile_matrix_profile_write",
         [](QVCommProtocol& p) { return p.tile_matrix_profile_write(1, 2, 2, 1, 1, &y); }},
        {"tile_matrix_profile_select",
         [](QVCommProtocol& p) { return p.tile_matrix_profile_select(1, &y); }},
        {"pip_pbp_profile_write",
         [](QVCommProtocol& p) { return p.pip_pbp_profile_write(1, &a, pip); }},
        {"pip_pbp_profile_read",
         [](QVCommProtocol& p) { return p.pip_pbp_profile_read(1, &a, &pip); }},
        {"pip_pbp_profile_select",
         [](QVCommProtocol& p) { return p.pip_pbp_profile_select(1, &a); }},
    };
    return table;
}
