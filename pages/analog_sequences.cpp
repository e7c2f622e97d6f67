#include "analog_sequences.h"

#include "basic_monitor.h"
#include "opcodes.h"

#include <initializer_list>

namespace {
constexpr unsigned int kTileMatrixOn = 2;
constexpr unsigned int kTileMatrixOffFrameHidden = 3;
constexpr unsigned int kTileMatrixOff = 1;
constexpr unsigned int kStart = 1;
constexpr unsigned char kExpertMode = 2;
constexpr unsigned char kNormalMode = 0;
constexpr int kRampLength = 256;

int first_failure(std::initializer_list<int> results) {
    for (int r : results)
        if (r != 0)
            return r;
    return 0;
}

// Runs the step; after a failure waits and runs it once more.
int with_one_retry(const AnalogSequences::Wait& wait, const std::function<int()>& step) {
    const int result = step();
    if (result == 0)
        return 0;
    wait(AnalogSequences::RetryPauseMs);
    return step();
}

// Takes a display out of tile-matrix mode for a set-up and puts it back.
class TileMatrixGuard {
public:
    explicit TileMatrixGuard(basic_monitor& monitor) : monitor(monitor) {
        unsigned int current = 0, maximum = 0;
        const int read = monitor.get_vcp_value_max(OpCode::TileMatrixMode, &current, &maximum);
        // A display without the op code has no tile matrix to leave.
        if (read != 0 || current != kTileMatrixOn)
            return;
        engaged = true;
        unsigned int off =
            maximum == kTileMatrixOffFrameHidden ? kTileMatrixOffFrameHidden : kTileMatrixOff;
        switched = monitor.set_vcp_value(OpCode::TileMatrixMode, &off);
    }
    int restore(const AnalogSequences::Wait& wait) {
        if (!engaged)
            return 0;
        return with_one_retry(wait, [this] {
            unsigned int on = kTileMatrixOn;
            return monitor.set_vcp_value(OpCode::TileMatrixMode, &on);
        });
    }
    int switched = 0; // the result of switching the tile matrix off

private:
    basic_monitor& monitor;
    bool engaged = false;
};

int start(basic_monitor& monitor, unsigned int opcode) {
    unsigned int value = kStart;
    return monitor.set_vcp_value(opcode, &value);
}

int change_mode(basic_monitor& monitor, unsigned char mode) {
    return monitor.mode_change_request(&mode);
}
} // namespace

int AnalogSequences::auto_setup(basic_monitor& monitor, const Wait& wait) {
    TileMatrixGuard guard(monitor);
    const int started = start(monitor, OpCode::AutoSetup);
    if (started == 0)
        wait(AutoSetupPauseMs);
    const int restored = guard.restore(wait);
    return first_failure({guard.switched, started, restored});
}

int AnalogSequences::auto_gain_bias(basic_monitor& monitor, const Wait& wait) {
    TileMatrixGuard guard(monitor);
    const int expert = change_mode(monitor, kExpertMode);
    const int started = start(monitor, OpCode::AutoGainBias);
    if (started == 0)
        wait(AutoGainBiasPauseMs);
    const int normal =
        with_one_retry(wait, [&monitor] { return change_mode(monitor, kNormalMode); });
    const int restored = guard.restore(wait);
    return first_failure({guard.switched, expert, started, normal, restored});
}

int AnalogSequences::load_lut(basic_monitor& monitor, int pattern) {
    unsigned int size = 0;
    monitor.lut_table_size(&size);
    QVector<int> table;
    const int built = monitor.build_lut_test_table(pattern, table);
    if (built != 0)
        return built;
    return monitor.write_programmable_gamma(table);
}

QVector<int> AnalogSequences::raw_test_table() {
    QVector<int> table;
    for (int i = 0; i < kRampLength; ++i)
        table << i;
    // Each append copies the table as it stood before it.
    for (int twice = 0; twice < 2; ++twice) {
        const QVector<int> before = table;
        table += before;
    }
    return table;
}
