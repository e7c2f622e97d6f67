#pragma once

#include "qvcommprotocol.h"

#include <algorithm>

// The protocol engine that the monitor object owns. It repeats a failed command: before each
// repetition it pauses and re-opens the interface that was opened last (a fresh transport, so a
// dropped connection or a confused serial line starts over). Only the commands overridden below
// repeat; every other operation runs once.
class QVCommProtocol_retry : public QVCommProtocol {
    Q_OBJECT

public:
    // The pause before a repetition, by command.
    static constexpr int ShortRetryPauseMs = 500;
    static constexpr int RetryPauseMs = 1000;
    static constexpr int LongRetryPauseMs = 2000;
    // Every successful repeated command is followed by this pause.
    static constexpr int SuccessPauseMs = 50;

    explicit QVCommProtocol_retry(QObject* parent = nullptr);

    // Remembers the address and type for the re-opens, then opens (once).
    int open_interface(QString address, int interface_type) override;
    // The total number of tries of one command; below 2 (negative too) means a single try.
    virtual void set_retry_count(int count);
    virtual int retry_count();
    virtual int interface_type();
    QString address() const { return remembered_address; }

    // Core display commands
    int power_control(unsigned char& mode) override {
        return retried(RetryPauseMs, [&] { return QVCommProtocol::power_control(mode); });
    }
    int power_status_read(unsigned char& mode) override {
        return retried(RetryPauseMs, [&] { return QVCommProtocol::power_status_read(mode); });
    }
    int save_current_settings() override {
        return retried(RetryPauseMs, [&] { return QVCommProtocol::save_current_settings(); });
    }
    int get_timing_report(unsigned char& status, float& horizontal_khz,
                          float& vertical_hz) override {
        return retried(RetryPauseMs, [&] {
            return QVCommProtocol::get_timing_report(status, horizontal_khz, vertical_hz);
        });
    }
    // get_vcp and set_vcp reach the repeated get_parameter and set_parameter in turn, so one
    // call may run up to the square of the retry count exchanges.
    int set_vcp(unsigned int opcode, unsigned int& value, unsigned int& max, unsigned char& result,
                unsigned char& type) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::set_vcp(opcode, value, max, result, type); });
    }
    int set_parameter(unsigned char page, unsigned char code, unsigned int& value,
                      unsigned int& max, unsigned char& result, unsigned char& type) override {
        return retried(RetryPauseMs, [&] {
            return QVCommProtocol::set_parameter(page, code, value, max, result, type);
        });
    }
    int get_vcp(unsigned int opcode, unsigned int& current, unsigned int& max,
                unsigned char& result, unsigned char& type) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::get_vcp(opcode, current, max, result, type); });
    }
    int get_parameter(unsigned char page, unsigned char code, unsigned int& current,
                      unsigned int& max, unsigned char& result, unsigned char& type) override {
        return retried(RetryPauseMs, [&] {
            return QVCommProtocol::get_parameter(page, code, current, max, result, type);
        });
    }
    int serial_number_read(char* text, int capacity) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::serial_number_read(text, capacity); });
    }
    int model_name_read(char* text, int capacity) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::model_name_read(text, capacity); });
    }
    int self_diagnosis_status_read(unsigned char* codes, int& count) override {
        // Each try starts again from the caller's capacity.
        const int capacity = count;
        return retried(RetryPauseMs, [&] {
            count = capacity;
            return QVCommProtocol::self_diagnosis_status_read(codes, count);
        });
    }
    int date_time_read(date_time_record& when) override {
        return retried(RetryPauseMs, [&] { return QVCommProtocol::date_time_read(when); });
    }
    int date_time_write(date_time_record& when) override {
        // A failed try may have written part of the reply back: each try sends the caller's clock.
        const date_time_record wanted = when;
        return retried(RetryPauseMs, [&] {
            when = wanted;
            return QVCommProtocol::date_time_write(when);
        });
    }
    int firmware_version_read(unsigned char index, char* text, int capacity) override {
        return retried(RetryPauseMs, [&] {
            return QVCommProtocol::firmware_version_read(index, text, capacity);
        });
    }

    // Command families
    int schedule_read_extended(int kind, int program, schedule_entry* e) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::schedule_read_extended(kind, program, e); });
    }
    int schedule_write_extended(int kind, int program, schedule_entry* e) override {
        // A failed try may have stored the display's echo: each try sends the caller's entry.
        const schedule_entry wanted = *e;
        return retried(RetryPauseMs, [&] {
            *e = wanted;
            return QVCommProtocol::schedule_write_extended(kind, program, e);
        });
    }
    int schedule_enable_write(int kind, int program, int* enable, unsigned char* result) override {
        const int wanted = *enable;
        return retried(RetryPauseMs, [&] {
            *enable = wanted;
            return QVCommProtocol::schedule_enable_write(kind, program, enable, result);
        });
    }
    int set_proof_of_play_mode(int* status, unsigned char mode) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::set_proof_of_play_mode(status, mode); });
    }
    int get_proof_of_play_current(int* status, proof_of_play_log* entry) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::get_proof_of_play_current(status, entry); });
    }
    int get_proof_of_play_status(int* status, int* total, int* maximum, int* current) override {
        return retried(LongRetryPauseMs, [&] {
            return QVCommProtocol::get_proof_of_play_status(status, total, maximum, current);
        });
    }
    int get_proof_of_play_number_to_number(int from, int to, int* status, int* count,
                                           proof_of_play_log* entries, int capacity) override {
        return retried(LongRetryPauseMs, [&] {
            return QVCommProtocol::get_proof_of_play_number_to_number(from, to, status, count,
                                                                      entries, capacity);
        });
    }
    int lan_mac_address_read_ipv4_ipv6(int* result, int* value, char* text, int capacity) override {
        return retried(LongRetryPauseMs, [&] {
            return QVCommProtocol::lan_mac_address_read_ipv4_ipv6(result, value, text, capacity);
        });
    }
    int lan_mac_address_read(int* inout, char* text, int capacity) override {
        const int wanted = *inout;
        return retried(LongRetryPauseMs, [&] {
            *inout = wanted;
            return QVCommProtocol::lan_mac_address_read(inout, text, capacity);
        });
    }
    int power_save_mode_read(unsigned char* mode) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::power_save_mode_read(mode); });
    }
    int power_save_mode_write(unsigned char mode, int* result) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::power_save_mode_write(mode, result); });
    }
    int power_save_time_read(unsigned char* time) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::power_save_time_read(time); });
    }
    int power_save_time_write(unsigned char time, int* result) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::power_save_time_write(time, result); });
    }
    int auto_standby_time_read(unsigned char* time) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::auto_standby_time_read(time); });
    }
    int auto_standby_time_write(unsigned char time, int* result) override {
        return retried(LongRetryPauseMs,
                       [&] { return QVCommProtocol::auto_standby_time_write(time, result); });
    }
    int direct_tv_channel_read(int* major, int* minor) override {
        return retried(ShortRetryPauseMs,
                       [&] { return QVCommProtocol::direct_tv_channel_read(major, minor); });
    }
    int direct_tv_channel_write(int* major, int* minor) override {
        const int wanted_major = *major, wanted_minor = *minor;
        return retried(LongRetryPauseMs, [&] {
            *major = wanted_major;
            *minor = wanted_minor;
            return QVCommProtocol::direct_tv_channel_write(major, minor);
        });
    }

    // Capability, asset, gamma and LUT transfers: each try starts again from the caller's room.
    int read_capability_string(char* text, int& capacity) override {
        const int room = capacity;
        return retried(RetryPauseMs, [&] {
            capacity = room;
            return QVCommProtocol::read_capability_string(text, capacity);
        });
    }
    int read_asset_data(char* data, int& capacity) override {
        const int room = capacity;
        return retried(RetryPauseMs, [&] {
            capacity = room;
            return QVCommProtocol::read_asset_data(data, capacity);
        });
    }
    int write_asset_data(const char* data, int length, int chunk) override {
        return retried(RetryPauseMs,
                       [&] { return QVCommProtocol::write_asset_data(data, length, chunk); });
    }
    int refresh_gamma_table() override {
        return retried(LongRetryPauseMs, [&] { return QVCommProtocol::refresh_gamma_table(); });
    }
    int save_gamma_table() override {
        return retried(LongRetryPauseMs, [&] { return QVCommProtocol::save_gamma_table(); });
    }
    int gamma_table_write_raw_chunk(const unsigned int* values, int offset, int count) override {
        return retried(LongRetryPauseMs, [&] {
            return QVCommProtocol::gamma_table_write_raw_chunk(values, offset, count);
        });
    }

protected:
    // Runs command() until it succeeds or the retry count is spent; before each repetition
    // pauses pause_ms and re-opens the remembered interface (a failed re-open counts as a
    // failed try). Returns the last try's result; a success is followed by SuccessPauseMs.
    // A request that the engine refused before sending anything (a value out of range, a body
    // too long) is not repeated: it would be refused again.
    template <typename Command> int retried(int pause_ms, Command command);

private:
    QString remembered_address;
    int remembered_type = 3;
};

template <typename Command> int QVCommProtocol_retry::retried(int pause_ms, Command command) {
    const int tries = std::max(QVCommProtocol::retry_count, 1);
    int result = 0;
    for (int attempt = 0;;) {
        if (attempt > 0) {
            delay(pause_ms);
            result = QVCommProtocol::open_interface(remembered_address, remembered_type);
        }
        if (result == 0) {
            const int handed_over = messages_handed_over;
            const bool connected = transport != nullptr;
            result = command();
            if (result != 0 && connected && messages_handed_over == handed_over)
                return result;
        }
        ++attempt;
        if (result == 0) {
            delay(SuccessPauseMs);
            return 0;
        }
        if (attempt >= tries)
            return result;
    }
}
