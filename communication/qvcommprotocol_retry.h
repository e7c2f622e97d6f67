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

protected:
    // Runs command() until it succeeds or the retry count is spent; before each repetition
    // pauses pause_ms and re-opens the remembered interface (a failed re-open counts as a
    // failed try). Returns the last try's result; a success is followed by SuccessPauseMs.
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
        if (result == 0)
            result = command();
        ++attempt;
        if (result == 0) {
            delay(SuccessPauseMs);
            return 0;
        }
        if (attempt >= tries)
            return result;
    }
}
