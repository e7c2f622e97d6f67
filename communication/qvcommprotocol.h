#pragma once

#include "byte_buffer.h"
#include "date_time_record.h"
#include "display_records.h"
#include "frame_codec.h"
#include "lut3d_entry.h"
#include "protocol_log.h"
#include "retried_operation.h"

#include <QObject>
#include <QString>

#include <functional>

class TBasicComm;

// The display control protocol engine: frames each command, writes it through the one
// transport it owns, reads and checks the reply, and leaves the reply body for the field
// readers. Every step is logged through its log channel, which emits transfer_data and
// comment_text with the kinds of LogKinds.
class QVCommProtocol : public QObject, public LogKinds {
    Q_OBJECT

public:
    static constexpr int MaxBodyLength = FrameCodec::MaxBodyLength;
    // receive_raw gives up past this many bytes instead of growing while bytes trickle in.
    static constexpr int MaxRawReplyLength = 1024;
    static constexpr int WriteTimeoutMs = 1000;
    static constexpr int LongWriteTimeoutMs = 6000;
    static constexpr int NextByteTimeoutMs = 2000;
    static constexpr int LongFirstByteExtraMs = 8000;
    static constexpr int RawFirstByteTimeoutMs = 2000;
    static constexpr int LongRawFirstByteTimeoutMs = 8000;

    explicit QVCommProtocol(QObject* parent = nullptr);
    ~QVCommProtocol() override;

    virtual int open_interface(QString address, int interface_type);
    virtual QString interface_name();
    virtual void set_long_timeout(bool on);
    virtual void set_destination(int destination);
    virtual int destination();
    virtual int send_message();
    virtual int receive_reply(int first_byte_timeout_ms, bool accept_any_source);
    // A wait for a message that the display sends on its own runs in slices of this length:
    // each listens for WaitListenMs, pauses through delay() for the rest and is reported with
    // waiting(), so that the caller can keep its window painted and a test can shorten the wait.
    static constexpr int WaitSliceMs = 250;
    static constexpr int WaitListenMs = 10;
    virtual int send_raw(QList<unsigned char> bytes);
    virtual int receive_raw(QList<unsigned char>& out, unsigned char terminator);

    // Core display commands
    // mode: in, the requested mode; out, the mode the display reports. A non-zero result
    // byte, or a mode other than the one asked for, is a refusal (ReplyError).
    virtual int mode_change_request(unsigned char& mode);
    virtual int power_control(unsigned char& mode);
    virtual int power_status_read(unsigned char& mode);
    virtual int save_current_settings();
    virtual int get_timing_report(unsigned char& status, float& horizontal_khz, float& vertical_hz);
    // Every pause of the protocol, the retry layer and the monitor object goes through here,
    // and on to the pause clock.
    virtual void delay(int ms);
    // How the pauses are waited out; without a clock of its own (a test's), the platform's sleep.
    using PauseClock = std::function<void(int ms)>;
    void set_pause_clock(PauseClock clock) { pause_clock = std::move(clock); }
    virtual int send_ir_remote_code(unsigned short code, unsigned char repeat);
    // A value above 0xFFFF does not fit the 16-bit field and is refused with TooManyValues.
    virtual int set_vcp(unsigned int opcode, unsigned int& value, unsigned int& max,
                        unsigned char& result, unsigned char& type);
    virtual int set_parameter(unsigned char page, unsigned char code, unsigned int& value,
                              unsigned int& max, unsigned char& result, unsigned char& type);
    virtual int get_vcp(unsigned int opcode, unsigned int& current, unsigned int& max,
                        unsigned char& result, unsigned char& type);
    virtual int get_parameter(unsigned char page, unsigned char code, unsigned int& current,
                              unsigned int& max, unsigned char& result, unsigned char& type);
    // Texts: at most capacity - 1 characters, then a terminating 0.
    virtual int serial_number_read(char* text, int capacity);
    virtual int model_name_read(char* text, int capacity);
    // count: in, the capacity of codes; out, the number of codes stored before the terminating 0.
    virtual int self_diagnosis_status_read(unsigned char* codes, int& count);
    virtual int date_time_read(date_time_record& when);
    virtual int date_time_write(date_time_record& when);
    virtual int firmware_version_read(unsigned char index, char* text, int capacity);

    virtual QString address_text(unsigned char address);
    virtual unsigned char checksum();

    bool is_connected();

    // Command families
    // Calendar: schedules in their dialects (kind 12 is the advanced schedule), holidays,
    // weekend and daylight saving.
    static constexpr int AdvancedScheduleKind = 12;
    virtual int schedule_read_extended(int kind, int program, schedule_entry* e);
    virtual int schedule_read_legacy(int program, schedule_entry* e);
    virtual int schedule_read(int program, schedule_entry* e);
    virtual int schedule_write_extended(int kind, int program, schedule_entry* e);
    virtual int schedule_write_legacy(int program, schedule_entry* e);
    virtual int schedule_write(int program, schedule_entry* e);
    virtual int schedule_enable_write(int kind, int program, int* enable, unsigned char* result);
    virtual int daylight_saving_write(daylight_saving_rule* rule, int* result);
    virtual int daylight_saving_read(daylight_saving_rule* rule, int* result);
    virtual int daylight_saving_onoff_read(unsigned char* on, int* result);
    virtual int daylight_saving_onoff_write(unsigned char on, int* result);
    virtual int weekend_write(unsigned char* bits, int* status);
    virtual int weekend_read(unsigned char* bits, int* status);
    virtual int holiday_write(unsigned char number, int* status, holiday_entry* h);
    virtual int holiday_read(unsigned char number, int* status, holiday_entry* h);
    // Network and proof of play. Texts go into `text` of `capacity` bytes with their NUL;
    // a range read fills at most `capacity` entries.
    virtual int set_proof_of_play_mode(int* status, unsigned char mode);
    virtual int get_proof_of_play_current(int* status, proof_of_play_log* entry);
    virtual int get_proof_of_play_status(int* status, int* total, int* maximum, int* current);
    virtual int get_proof_of_play_number_to_number(int from, int to, int* status, int* count,
                                                   proof_of_play_log* entries, int capacity);
    virtual int lan_mac_address_read_ipv4_ipv6(int* result, int* value, char* text, int capacity);
    virtual int lan_mac_address_read(int* inout, char* text, int capacity);
    virtual int lan_ip_address_status_request(int* result, int* status,
                                              std::array<unsigned char, 4>* address);
    // Auto ID and auto tile matrix; the completion reads wait for an unsolicited message.
    static constexpr int CompletionTimeoutMs = 60000;
    virtual int auto_id_execute(int* result);
    virtual int auto_id_reset(int* result);
    virtual int auto_id_get_complete(int* result, int* value);
    virtual int auto_tile_matrix_execute(unsigned char h_monitors, unsigned char v_monitors,
                                         unsigned char input, unsigned char memory, int* result);
    virtual int auto_tile_matrix_reset(int* result);
    virtual int auto_tile_matrix_complete(int* result);
    virtual int auto_tile_matrix_read(unsigned char* h_monitors, unsigned char* v_monitors,
                                      int* result);
    virtual int auto_tile_matrix_write(unsigned char h_monitors, unsigned char v_monitors,
                                       int* result);
    // Security and compute-module lock.
    virtual int security_enable_write(unsigned char enable, const Passcode& password, int* result);
    virtual int security_enable_read(unsigned char* enable);
    virtual int security_lock_control(unsigned char* enable, const Passcode& password, int* status);
    virtual int compute_module_setting_lock(unsigned char* enable, const Passcode& passcode,
                                            int* status);
    // Input names, power save and standby. Names read go into `name` of `capacity` bytes.
    static constexpr int InputNameLength = 14;
    virtual int input_name_reset(int* result);
    virtual int input_name_read(char* name, int capacity);
    virtual int input_name_write(const char* name, int* result);
    virtual int terminal_input_name_reset(unsigned char terminal, int* result);
    virtual int terminal_input_name_read(unsigned char terminal, char* name, int capacity,
                                         int* result);
    virtual int terminal_input_name_write(unsigned char terminal, const char* name, int* result);
    virtual int power_save_mode_read(unsigned char* mode);
    virtual int power_save_mode_write(unsigned char mode, int* result);
    virtual int power_save_time_read(unsigned char* time);
    virtual int power_save_time_write(unsigned char time, int* result);
    virtual int auto_standby_time_read(unsigned char* time);
    virtual int auto_standby_time_write(unsigned char time, int* result);
    // Picture-mode names, TV channel, tile-matrix and PIP/PBP profiles.
    static constexpr int PictureModeNameLength = 13;
    virtual int picture_mode_name_read(unsigned char mode, char* name, int capacity, int* result);
    virtual int picture_mode_name_write(unsigned char mode, const char* name, int* result);
    virtual int direct_tv_channel_read(int* major, int* minor);
    virtual int direct_tv_channel_write(int* major, int* minor);
    virtual int tile_matrix_profile_read(unsigned char profile, unsigned char* h_monitors,
                                         unsigned char* v_monitors, unsigned char* position,
                                         unsigned char* tile_comp, unsigned char* status);
    virtual int tile_matrix_profile_write(unsigned char profile, unsigned char h_monitors,
                                          unsigned char v_monitors, unsigned char position,
                                          unsigned char tile_comp, unsigned char* status);
    virtual int tile_matrix_profile_select(unsigned char profile, unsigned char* status);
    virtual int pip_pbp_profile_write(unsigned char profile, int* status, pip_pbp_profile contents);
    virtual int pip_pbp_profile_read(unsigned char profile, int* status, pip_pbp_profile* contents);
    virtual int pip_pbp_profile_select(unsigned char profile, int* status);

    // Capability, asset, gamma and LUT transfers
    // Their chunks carry raw characters; every copy is bounded by the room the caller gives, and
    // text that does not fit is refused with TooManyValues after the part that fits was kept.
    // capacity: in, the size of text; out, the characters read (a terminating 0 follows).
    virtual int read_capability_string(char* text, int& capacity);
    // count: in, the room at out, terminator included; out, the characters copied.
    virtual int get_capability_string_chunk(int offset, char* out, int& count);
    virtual int read_asset_data(char* data, int& capacity);
    virtual int asset_data_read_request(int offset, char* out, int& count);
    // Sends one 32-byte chunk: the first `length` bytes of data (at most 32), then zeros. Returns
    // the display's own result field when it refused the data (a positive number).
    virtual int asset_data_write(int offset, const char* data, int length);
    // chunk: 1 to 32 bytes a message; a shorter last chunk is padded with zeros.
    virtual int write_asset_data(const char* data, int length, int chunk);
    virtual int refresh_gamma_table();
    virtual int save_gamma_table();
    virtual int init_gamma_table();
    virtual int reset_gamma_table();
    // Writes and reads back, up to retry count + 1 passes; a read-back that still differs after
    // the last pass is IncorrectReply.
    virtual int gamma_table_write_verified(const unsigned int* values, int offset, int count);
    // 1 to MaxCurveChunk values a chunk; of each value its low 16 bits travel.
    virtual int gamma_table_write_raw_chunk(const unsigned int* values, int offset, int count);
    virtual int theoretical_curve_write_raw_chunk(const unsigned int* values, int offset,
                                                  int count);
    virtual int gamma_table_read(unsigned int* values, int offset, int count);
    virtual int theoretical_curve_read(unsigned int* values, int offset, int count);
    // count: in, the entries wanted (the room at out); out, the entries read.
    virtual int lut3d_read_from_ram(lut3d_entry* out, int first, int second, int third, int& count);
    virtual int lut3d_write_from_ram(lut3d_entry* out, int first, int second, int third,
                                     int& count);
    // Reads all n x n x n entries; a reply without entries ends it with ReplyTooShort.
    virtual int lut3d_read(lut3d_entry* entries, int n);
    // One chunk into bytes, two per value.
    int gamma_table_read_raw_chunk(unsigned char* bytes, int offset, int count);
    int theoretical_curve_read_raw_chunk(unsigned char* bytes, int offset, int count);
    static constexpr int MaxCurveChunk = 16;
    static constexpr int MaxLutChunk = 8;
    static constexpr int AssetChunk = 32;
    static constexpr int AssetSize = 64;

private:
    PauseClock pause_clock;
    enum class Curve { Gamma, Theoretical };
    int table_command(const char* title, unsigned short command, bool check_type);
    int curve_write_chunk(Curve curve, const unsigned int* values, int offset, int count);
    int curve_read_chunk(Curve curve, unsigned char* bytes, int offset, int count);
    // Copies the rest of the reply body unchanged into out (room bytes, terminator included);
    // false when it did not all fit.
    bool take_reply_text(char* out, int room, int& count);

signals:
    void transfer_data(QList<unsigned char> output_buffer, int type);
    void comment_text(QString text, int type);
    // A sliced wait goes on: milliseconds waited so far, and the most it waits.
    void waiting(int elapsed_ms, int total_ms);
    // A read of many chunks goes on: entries read so far, of all.
    void progress(int done, int total);

protected:
    QList<unsigned char> build_header(unsigned char message_type);
    static QList<unsigned char> byte_to_hex2(unsigned char value);
    static unsigned char nibble_to_hex(int value);
    static unsigned char hex_pair_to_byte(char high, char low);
    QList<unsigned char> write_hex2(unsigned char value);
    QList<unsigned char> write_hex4(unsigned short value);
    unsigned char read_hex2(const char* label = "");
    unsigned short read_hex4(const char* label = "");
    // A field of `count` hexadecimal digits (2 or 4), logged as it goes out or comes in.
    QList<unsigned char> write_digits(unsigned short value, int count);
    unsigned short read_digits(int count, const char* label);

    // Starts a new message in the send buffer: its header, then the body text appended later.
    void begin_message(unsigned char message_type);
    int write_timeout() const;

    // Runs an operation that may be repeated after a failure (each try through `attempt`,
    // which starts from the caller's inputs): here once; the retry layer repeats it as its
    // table says.
    virtual int repeatable(RetriedOperation operation, const std::function<int()>& attempt);

    int retry_count = 3;
    // Counts the messages handed to the transport, so that a caller can tell a request that
    // was refused before sending from one that failed on the link.
    int messages_handed_over = 0;
    TBasicComm* transport;
    int destination_address = 0x41;
    QList<unsigned char> send_buffer;
    QList<unsigned char> reply_body;
    // Every line the engine logs goes through here.
    ProtocolLog log{*this};
    unsigned char reply_message_type = 0;
    bool long_timeout = false;

    // Steps of one command exchange shared by the command families.
    // The first-byte time-out of most replies.
    static constexpr int ReplyTimeoutMs = 2000;
    enum class SendFailure { Returned, Ignored };
    // Sends the message built so far and reads one reply with the command's first-byte
    // time-out. A failed write ends the command at once, or, for the commands that await the
    // reply regardless, is left to the read to report.
    int send_and_receive(int first_byte_timeout_ms,
                         SendFailure send_failure = SendFailure::Returned);
    struct BodyLength {
        int min;
        int max;
        static BodyLength exactly(int n) { return {n, n}; }
        static BodyLength atLeast(int n) { return {n, MaxBodyLength}; }
    };
    // The title line and its detail line, then a type "A" message that starts with the
    // command code.
    void begin_command(const QString& title, unsigned short code, const QString& detail = {});
    void put_hex2(unsigned char value) { send_buffer.append(write_hex2(value)); }
    void put_hex4(unsigned short value) { send_buffer.append(write_hex4(value)); }
    // Sends the message and reads the reply; with `command_reply` the reply must be of type
    // "B", then the body length must fit the rule.
    int exchange(BodyLength length, bool command_reply = false);
    // Reads a reply without sending first (a message the display sends on its own); the
    // wait for its first byte is sliced.
    int await_message(int first_byte_timeout_ms, BodyLength length);
    // receive_reply, with the first byte awaited in slices when `sliced` is set.
    int receive_message(int first_byte_timeout_ms, bool accept_any_source, bool sliced);
    // Feeds the decoder from the transport until the frame ends or a read fails.
    int read_frame(FrameDecoder& decoder, int first_byte_timeout_ms, bool sliced);
    // Polls for the first byte of a message until it comes or timeout_ms of pauses passed.
    int wait_for_first_byte(unsigned char& byte, int timeout_ms);
    int check_length(BodyLength length) const;
    // Reads a field that must hold the given value.
    bool expect_hex2(unsigned char expected, const char* label = "");
    bool expect_hex4(unsigned short expected, const char* label = "");
    // Reads the echo of a request: its code plus 0100h, then the sub-command when one is given.
    bool expect_reply(unsigned short request_code, int sub_command = -1, const char* label = "");
    // Text after the fixed fields, bounded by the caller's buffer and always NUL-terminated:
    // two hexadecimal digits a character, the characters as they stand, or a MAC address.
    void read_hex_text(char* out, int capacity);
    // read_plain_text returns the characters kept.
    int read_plain_text(char* out, int capacity);
    void read_mac_text(char* out, int capacity);
    static void clear_text(char* out, int capacity) {
        if (capacity > 0)
            out[0] = '\0';
    }
    // Text that goes into a frame as it stands must be printable ASCII: a control byte would
    // break the frame.
    static bool is_printable_text(const char* text, int length);
    // A name goes out as hexadecimal digits, one byte a character: any printable Latin-1
    // character may be in it, no control byte.
    static bool is_printable_latin1(const char* text, int length);
    // What an output holds when its command fails before the output was read.
    enum class OnFailure { Cleared, Kept };
    // A request of the code and fields whose reply echoes the code and the first field (the
    // sub-command), then carries one byte for `out`: cleared first, or written only when read.
    int one_byte_command(const QString& title, unsigned short code,
                         const QList<unsigned char>& fields, BodyLength length, int* out,
                         const char* label = "", const char* echo_label = "",
                         OnFailure on_failure = OnFailure::Cleared);
    int one_byte_command(const QString& title, unsigned short code,
                         const QList<unsigned char>& fields, BodyLength length, unsigned char* out,
                         const char* label = "", const char* echo_label = "",
                         OnFailure on_failure = OnFailure::Cleared);
    int parse_schedule_record(int request_code, int program, schedule_entry* e);
    int schedule_read_plain(const char* title, int program, schedule_entry* e, bool picture_mode);
    int schedule_write_plain(const char* title, int program, schedule_entry* e, bool picture_mode);
    void read_plain_schedule_fields(schedule_entry* e);
    int parse_holiday_record(int op, int number, holiday_entry* out);
    void read_proof_of_play_entry(proof_of_play_log* entry);
    int security_lock(const char* title, unsigned short code, unsigned char* enable,
                      const Passcode& passcode, int* status);
    int name_write_reply(const char* name, unsigned char sub_command, int* result);
    int await_completion(const QString& title, unsigned short code, BodyLength length, int* result);

    // Steps of the core display commands.
    // Appends a command's own code, 4 or 2 digits, to the message being built; unlike a value
    // it has no log line of its own.
    void put_code(unsigned short code, int digits = 4);
    int reply_length() const { return reply_body.size(); }
    bool reply_type_is(char type) const { return reply_message_type == type; }
    // Ends a text at its first line feed, as the identity and version texts are stored.
    static void end_at_line_feed(char* text, int capacity);

private:
    unsigned char take_reply_char();
    int parameter_reply(unsigned char page, unsigned char code, unsigned int& current,
                        unsigned int& max, unsigned char& result, unsigned char& type);
    // A text that the display sends hex-encoded after the reply code.
    int text_read(const char* title, unsigned short command, char* text, int capacity);
    void append_clock(const date_time_record& when);
    void read_clock(date_time_record& when);
};
