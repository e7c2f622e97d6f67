// The monitor's operations made of several protocol commands: picture values by fixed op
// codes, gamma sequences, operating times, clock, firmware and network texts, inputs and
// schedules of older displays, IR sequences, programmable gamma tables and test patterns.
#include "basic_monitor.h"

#include "code_translation.h"
#include "legacy_models.h"
#include "monitor_text.h"
#include "opcodes.h"
#include "qvcommprotocol_retry.h"
#include "result_codes.h"

#include <cmath>

namespace {
// Test-pattern levels, red, green, blue, by the display's family.
constexpr unsigned int FamilyOneLevels[3] = {
    OpCode::TestPatternRedLevel, OpCode::TestPatternGreenLevel, OpCode::TestPatternBlueLevel};
constexpr unsigned int FamilyTwoLevels[3] = {OpCode::FamilyTwoRedLevel, OpCode::FamilyTwoGreenLevel,
                                             OpCode::FamilyTwoBlueLevel};

constexpr unsigned int GammaNative = 1;
constexpr unsigned int GammaProgrammable = 6;
constexpr unsigned char PatternModeNormal = 1;
constexpr unsigned char PatternModeVt = 2;
constexpr unsigned char InputModeTestPattern = 2;
constexpr unsigned char InputModeNormal = 0;

constexpr int ProgressMessage = 1;
constexpr unsigned int IrPauseCode = 0;
constexpr unsigned int IrCodePauseMs = 200;
constexpr unsigned int IrGapMs = 1000;
constexpr unsigned char IrRepeat = 3;
constexpr unsigned int LutSizeSelectPauseMs = 500;
constexpr unsigned int FlashPauseMs = 1000;

constexpr int GammaChunk = 8;
constexpr int SmallLut = 768; // three channels of 256
constexpr int LargeLut = 3072;
constexpr int SmallLutChannel = 256;
constexpr int SmallLutChannelOffset = 1024; // channel c starts at offset c * 1024
constexpr int LevelMax = 4080;
constexpr int LevelThird = 1360;
constexpr int LevelBlackTest = 816;

constexpr int VersionBufferSize = 128;
constexpr int FirmwareVersions = 4;
} // namespace

// Picture values

int basic_monitor::get_brightness(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::Brightness, current, max);
}
int basic_monitor::get_contrast(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::Contrast, current, max);
}
int basic_monitor::get_red_gain(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::RedGain, current, max);
}
int basic_monitor::get_green_gain(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::GreenGain, current, max);
}
int basic_monitor::get_blue_gain(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::BlueGain, current, max);
}
int basic_monitor::get_color_preset(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::ColorPreset, current, max);
}
int basic_monitor::get_gamma(unsigned int* current, unsigned int* max) {
    return get_vcp_value_max(OpCode::Gamma, current, max);
}
int basic_monitor::set_brightness(unsigned int* value) {
    return set_vcp_value(OpCode::Brightness, value);
}
int basic_monitor::set_contrast(unsigned int* value) {
    return set_vcp_value(OpCode::Contrast, value);
}
int basic_monitor::set_red_gain(unsigned int* value) {
    return set_vcp_value(OpCode::RedGain, value);
}
int basic_monitor::set_green_gain(unsigned int* value) {
    return set_vcp_value(OpCode::GreenGain, value);
}
int basic_monitor::set_blue_gain(unsigned int* value) {
    return set_vcp_value(OpCode::BlueGain, value);
}

int basic_monitor::set_color_preset(unsigned int* value) {
    const int result = set_vcp_value(OpCode::ColorPreset, value);
    delay(m_delay_color_preset);
    return result;
}

int basic_monitor::set_gamma(unsigned int* value) {
    const int result = set_vcp_value(OpCode::Gamma, value);
    delay(m_delay_gamma);
    return result;
}

int basic_monitor::color_reset() {
    unsigned int one = 1;
    const int result = set_vcp_value(OpCode::ColorReset, &one);
    delay(m_delay_color_reset);
    return result;
}

bool basic_monitor::answers(unsigned int opcode) {
    unsigned int current = 0;
    return get_vcp_value(opcode, &current) == 0;
}

int basic_monitor::select_native_gamma() {
    unsigned int gamma = GammaNative;
    const int result = set_gamma(&gamma);
    broadcast_message(ProgressMessage, 0);
    return result;
}

bool basic_monitor::has_gamma_programmable_reset() {
    return answers(OpCode::GammaReset);
}

int basic_monitor::gamma_programmable_reset() {
    unsigned int one = 1;
    const int result = set_vcp_value(OpCode::GammaReset, &one);
    return result != 0 ? result : refresh_gamma_table();
}

int basic_monitor::set_rgb_gains_to_max_report(unsigned int* red, unsigned int* green,
                                               unsigned int* blue) {
    const struct {
        unsigned int opcode;
        unsigned int* max;
    } gains[] = {{OpCode::RedGain, red}, {OpCode::GreenGain, green}, {OpCode::BlueGain, blue}};
    for (const auto& gain : gains) {
        unsigned int current = 0;
        if (const int result = get_vcp_value_max(gain.opcode, &current, gain.max))
            return result;
        unsigned int value = *gain.max;
        if (const int result = set_vcp_value(gain.opcode, &value))
            return result;
    }
    return 0;
}

int basic_monitor::set_rgb_gains_to_max() {
    unsigned int red = 0, green = 0, blue = 0;
    return set_rgb_gains_to_max_report(&red, &green, &blue);
}

// Operating times

namespace {
// Half hours to hours.
template <typename Get> int halfHours(double* hours, Get get) {
    unsigned int value = 0;
    const int result = get(&value);
    *hours = value * 0.5;
    return result;
}

// Minutes in two 16-bit halves to hours; hours stays 0 unless both were read.
template <typename Get>
int minutes(double* hours, unsigned int high_code, unsigned int low_code, Get get) {
    *hours = 0;
    unsigned int high = 0, low = 0;
    if (const int result = get(high_code, &high))
        return result;
    if (const int result = get(low_code, &low))
        return result;
    const quint32 total = ((high & 0xFFFFu) << 16) + (low & 0xFFFFu);
    *hours = total / 60.0;
    return 0;
}
} // namespace

int basic_monitor::get_operating_time_on(double* hours) {
    return halfHours(hours, [this](unsigned int* v) { return get_vcp_value(OpCode::TimeOn, v); });
}

int basic_monitor::get_total_operating_time(double* hours) {
    return halfHours(hours,
                     [this](unsigned int* v) { return get_vcp_value(OpCode::TotalTime, v); });
}

int basic_monitor::get_operating_time_on_minutes(double* hours) {
    return minutes(hours, OpCode::MinutesOnHigh, OpCode::MinutesOnLow,
                   [this](unsigned int code, unsigned int* v) { return get_vcp_value(code, v); });
}

int basic_monitor::get_total_operating_time_minutes(double* hours) {
    return minutes(hours, OpCode::TotalMinutesHigh, OpCode::TotalMinutesLow,
                   [this](unsigned int code, unsigned int* v) { return get_vcp_value(code, v); });
}

// Clock

namespace {
QDateTime fromRecord(const date_time_record& r) {
    return QDateTime(QDate(2000 + r.year, r.month, r.day), QTime(r.hour, r.minute, 0, 0));
}
} // namespace

int basic_monitor::date_time_read(QDateTime& when, unsigned char* daylight_saving) {
    date_time_record record;
    const int result = m_protocol->date_time_read(record);
    if (result == 0) {
        when = fromRecord(record);
        *daylight_saving = record.daylight_saving;
    }
    return result;
}

int basic_monitor::date_time_write(QDateTime& when, unsigned char* daylight_saving) {
    date_time_record record;
    const QDate date = when.date();
    const QTime time = when.time();
    record.year = date.year() - 2000;
    record.month = static_cast<unsigned char>(date.month());
    record.day = static_cast<unsigned char>(date.day());
    record.weekday = static_cast<unsigned char>(date.dayOfWeek() % 7); // Sunday 0
    record.hour = static_cast<unsigned char>(time.hour());
    record.minute = static_cast<unsigned char>(time.minute());
    record.daylight_saving = *daylight_saving != 0;
    const int result = m_protocol->date_time_write(record);
    if (result == 0)
        when = fromRecord(record);
    return result;
}

// Firmware and network texts

namespace {
template <int BufferSize>
int readFirmwareVersion(QVCommProtocol_retry& protocol, int index, QString& text) {
    return read_text<BufferSize>(text, [&](char* buffer, int size) {
        return protocol.firmware_version_read(static_cast<unsigned char>(index), buffer, size);
    });
}
} // namespace

int basic_monitor::get_firmware_versions(QString& first, QString& second, QString& third,
                                         QString& fourth) {
    QString* texts[FirmwareVersions] = {&first, &second, &third, &fourth};
    for (QString* text : texts)
        text->clear();
    auto read = [this](int index, QString& text) {
        return readFirmwareVersion<VersionBufferSize>(*m_protocol, index, text);
    };
    int result = read(0, first);
    if (result != 0) {
        // Older displays name their firmware in the capability string instead.
        if (m_capability_string[0] == '\0')
            result = read_capability_string();
        first = QString::fromLatin1(m_capabilities.mpuVersion());
        return result;
    }
    for (int index = 1; index < FirmwareVersions && read(index, *texts[index]) == 0; ++index) {
    }
    return 0;
}

int basic_monitor::get_firmware_version(int index, QString& text) {
    return readFirmwareVersion<TextBufferSize>(*m_protocol, index, text);
}

int basic_monitor::lan_mac_address_read(unsigned int kind, QString& text) {
    int inout = int(kind);
    return read_text<TextBufferSize>(text, [&](char* buffer, int size) {
        return m_protocol->lan_mac_address_read(&inout, buffer, size);
    });
}

int basic_monitor::lan_mac_address_read_ipv4_ipv6(unsigned int result, unsigned int value,
                                                  QString& text) {
    int outResult = int(result), outValue = int(value);
    return read_text<TextBufferSize>(text, [&](char* buffer, int size) {
        return m_protocol->lan_mac_address_read_ipv4_ipv6(&outResult, &outValue, buffer, size);
    });
}

// Video input and schedules of older displays

bool basic_monitor::is_legacy_model() {
    QString model;
    model_name_read(model);
    return LegacyModels::contains(LegacyModels::builtIn(), model);
}

int basic_monitor::get_video_input(unsigned int* value) {
    const int result = get_vcp_value(OpCode::VideoInput, value);
    if (is_legacy_model())
        *value = unsigned(input_from_legacy_code(int(*value)));
    return result;
}

int basic_monitor::set_video_input(unsigned int* value) {
    const bool legacy = is_legacy_model();
    if (legacy) {
        *value = unsigned(input_to_legacy_code(int(*value)));
        if (*value == 0)
            return ResultCode::Unsupported;
    }
    const int result = set_vcp_value(OpCode::VideoInput, value);
    if (legacy)
        *value = unsigned(input_from_legacy_code(int(*value)));
    return result;
}

// The plain dialect numbers the input and picture-mode bytes its own way: the caller's entry is
// translated there and back on a copy, which replaces the entry only when the command succeeded.
int basic_monitor::schedule_fallback(int program, schedule_entry* e, bool write) {
    schedule_entry copy = *e;
    copy.input = static_cast<unsigned char>(schedule_input_to_plain(copy.input));
    copy.picture_mode = static_cast<unsigned char>(schedule_field_to_plain(copy.picture_mode));
    const int result = write ? m_protocol->schedule_write(program, &copy)
                             : m_protocol->schedule_read(program, &copy);
    if (result != 0)
        return result;
    copy.input = static_cast<unsigned char>(schedule_input_from_plain(copy.input));
    copy.picture_mode = static_cast<unsigned char>(schedule_field_from_plain(copy.picture_mode));
    *e = copy;
    return 0;
}

int basic_monitor::read_schedule(int program, schedule_entry* e) {
    if (is_legacy_model()) {
        const int result = m_protocol->schedule_read_legacy(program, e);
        e->input = static_cast<unsigned char>(schedule_input_from_legacy(e->input));
        return result;
    }
    const schedule_entry original = *e;
    if (m_protocol->schedule_read_extended(0, program, e) == 0)
        return 0;
    *e = original;
    return schedule_fallback(program, e, false);
}

int basic_monitor::write_schedule(int program, schedule_entry* e) {
    if (is_legacy_model()) {
        e->input = static_cast<unsigned char>(schedule_input_to_legacy(e->input));
        const int result = m_protocol->schedule_write_legacy(program, e);
        e->input = static_cast<unsigned char>(schedule_input_from_legacy(e->input));
        return result;
    }
    // A failed write may have left the display's echo in the entry: the fallback writes what the
    // caller asked for.
    const schedule_entry original = *e;
    if (m_protocol->schedule_write_extended(0, program, e) == 0)
        return 0;
    *e = original;
    return schedule_fallback(program, e, true);
}

int basic_monitor::advanced_schedule_read(int program, schedule_entry* e) {
    return m_protocol->schedule_read_extended(QVCommProtocol::AdvancedScheduleKind, program, e);
}

int basic_monitor::advanced_schedule_write(int program, schedule_entry* e) {
    return m_protocol->schedule_write_extended(QVCommProtocol::AdvancedScheduleKind, program, e);
}

// IR codes

namespace {
// The pause after a code: the pause code is a gap of its own.
unsigned int irPauseMs(unsigned char code) {
    return code == IrPauseCode ? IrGapMs : IrCodePauseMs;
}
} // namespace

unsigned int basic_monitor::ir_codes_pause_ms(const QList<unsigned char>& codes) {
    unsigned int ms = 0;
    for (unsigned char code : codes)
        ms += irPauseMs(code);
    return ms;
}

int basic_monitor::send_ir_remote_codes(QList<unsigned char> codes) {
    const int total = codes.size();
    emit progress(0, total);
    for (int i = 0; i < total; ++i) {
        const unsigned char code = codes[i];
        const int result =
            code == IrPauseCode ? 0 : m_protocol->send_ir_remote_code(code, IrRepeat);
        delay(irPauseMs(code));
        if (result != 0)
            return result;
        emit progress(i + 1, total);
    }
    return 0;
}

// Programmable gamma

int basic_monitor::lut_table_size(unsigned int* size) {
    *size = answers(OpCode::LutSize) ? SmallLut : LargeLut;
    return 0;
}

int basic_monitor::build_lut_test_table(int pattern, QVector<int>& table) {
    unsigned int size = 0;
    lut_table_size(&size);
    const int m = int(size) / 3;
    table.resize(int(size));
    for (int i = 0; i < m; ++i) {
        int v = int(std::trunc(double(i) / (m - 1) * LevelMax + 0.5));
        if (pattern == 1) { // black test: a few bright steps at the bottom, then black
            if (i == 1 || i == 2)
                v = LevelMax;
            else if (i == 3)
                v = LevelThird;
            else if (i < 10)
                v = LevelBlackTest;
            else
                v = 0;
        } else if (pattern == 2) { // white test: black up to the last seven steps
            if (i < m - 7)
                v = 0;
            else if (i == m - 5 || i == m - 4)
                v = LevelMax;
            else
                v = LevelThird;
        }
        for (int channel = 0; channel < 3; ++channel)
            table[channel * m + i] = v;
    }
    return 0;
}

void basic_monitor::step_done(int done, int total) {
    broadcast_message(ProgressMessage, 0);
    emit progress(done, total);
}

int basic_monitor::write_table_chunks(const QVector<int>& table, ChunkWrite write, int steps_before,
                                      int steps_after) {
    const int n = table.size();
    if (n % GammaChunk != 0)
        return ResultCode::TooManyValues; // the last chunk would run past the table
    const int total = steps_before + n / GammaChunk + steps_after;
    for (int k = 0; k < n; k += GammaChunk) {
        // The small table's three channels go to offsets 0, 1024 and 2048.
        const int offset =
            n == SmallLut ? k / SmallLutChannel * SmallLutChannelOffset + k % SmallLutChannel : k;
        unsigned int values[GammaChunk];
        for (int i = 0; i < GammaChunk; ++i)
            values[i] = static_cast<unsigned int>(table[k + i]);
        if (const int result = (m_protocol->*write)(values, offset, GammaChunk))
            return result;
        step_done(steps_before + k / GammaChunk + 1, total);
    }
    return 0;
}

int basic_monitor::write_gamma_table(QVector<int>& table) {
    return write_table_chunks(table, &QVCommProtocol::gamma_table_write_raw_chunk);
}

int basic_monitor::write_theoretical_curve(QVector<int>& table) {
    return write_table_chunks(table, &QVCommProtocol::theoretical_curve_write_raw_chunk);
}

int basic_monitor::write_programmable_gamma(QVector<int>& table) {
    // The gamma mode before the table's chunks; its refresh and save after them.
    constexpr int before = 1, after = 2;
    const int total = before + table.size() / GammaChunk + after;
    // Announced before the gamma mode's pause, so that the pause is no step of its own.
    emit progress(0, total);
    unsigned int gamma = GammaProgrammable;
    if (const int result = set_gamma(&gamma))
        return result;
    step_done(before, total);
    if (table.size() == SmallLut) {
        unsigned int select = 1;
        set_vcp_value(OpCode::LutSize,
                      &select); // not checked: without the selector the write goes on
        delay(LutSizeSelectPauseMs);
    }
    if (const int result =
            write_table_chunks(table, &QVCommProtocol::gamma_table_write_raw_chunk, before, after))
        return result;
    if (const int result = refresh_gamma_table())
        return result;
    step_done(total - 1, total);
    if (const int result = save_gamma_table())
        return result;
    step_done(total, total);
    return 0;
}

// Test patterns

int basic_monitor::detect_model_family() {
    m_model_family = 0;
    if (answers(FamilyOneLevels[0])) {
        m_model_family = 1;
    } else {
        unsigned char mode = InputModeTestPattern;
        mode_change_request(&mode);
        if (answers(FamilyTwoLevels[0]))
            m_model_family = 2;
        mode = InputModeNormal;
        mode_change_request(&mode);
    }
    return m_model_family;
}

int basic_monitor::with_test_pattern_codes(
    const std::function<int(const unsigned int* codes)>& steps) {
    if (m_model_family == 0)
        detect_model_family();
    if (m_model_family != 2)
        return steps(FamilyOneLevels);
    unsigned char mode = InputModeTestPattern;
    if (const int result = mode_change_request(&mode))
        return result;
    const int failure = steps(FamilyTwoLevels);
    mode = InputModeNormal;
    const int restored = mode_change_request(&mode);
    return failure != 0 ? failure : restored;
}

int basic_monitor::get_test_pattern_levels(unsigned int* red, unsigned int* green,
                                           unsigned int* blue, unsigned int* red_max,
                                           unsigned int* green_max, unsigned int* blue_max) {
    unsigned int* values[3] = {red, green, blue};
    unsigned int* maxima[3] = {red_max, green_max, blue_max};
    return with_test_pattern_codes([&](const unsigned int* codes) {
        for (int c = 0; c < 3; ++c)
            if (const int result = get_vcp_value_max(codes[c], values[c], maxima[c]))
                return result;
        return 0;
    });
}

int basic_monitor::set_test_pattern_levels(unsigned int* red, unsigned int* green,
                                           unsigned int* blue) {
    unsigned int* values[3] = {red, green, blue};
    return with_test_pattern_codes([&](const unsigned int* codes) {
        for (int c = 0; c < 3; ++c)
            if (const int result = set_vcp_value(codes[c], values[c]))
                return result;
        return 0;
    });
}

int basic_monitor::set_test_pattern_red_level(unsigned int* value) {
    return with_test_pattern_codes(
        [&](const unsigned int* codes) { return set_vcp_value(codes[0], value); });
}

int basic_monitor::set_test_pattern_green_level(unsigned int* value) {
    return with_test_pattern_codes(
        [&](const unsigned int* codes) { return set_vcp_value(codes[1], value); });
}

int basic_monitor::set_test_pattern_blue_level(unsigned int* value) {
    return with_test_pattern_codes(
        [&](const unsigned int* codes) { return set_vcp_value(codes[2], value); });
}

int basic_monitor::get_test_pattern_mode(unsigned int* mode) {
    return get_vcp_value(OpCode::TestPatternMode, mode);
}

int basic_monitor::set_test_pattern_mode(unsigned int* mode) {
    return set_vcp_value(OpCode::TestPatternMode, mode);
}

int basic_monitor::flash_test_pattern_white_black() {
    unsigned int mode = PatternModeVt;
    if (const int result = set_test_pattern_mode(&mode))
        return result;
    unsigned int level[3] = {}, max[3] = {};
    if (const int result =
            get_test_pattern_levels(&level[0], &level[1], &level[2], &max[0], &max[1], &max[2]))
        return result;
    if (const int result = set_test_pattern_levels(&max[0], &max[1], &max[2]))
        return result;
    delay(FlashPauseMs);
    unsigned int black[3] = {};
    if (const int result = set_test_pattern_levels(&black[0], &black[1], &black[2]))
        return result;
    delay(FlashPauseMs);
    mode = PatternModeNormal;
    return set_test_pattern_mode(&mode);
}
