#pragma once

#include <QVector>

#include <functional>

class basic_monitor;

// The display operations behind the analog, gamma and 3D LUT pages, apart from their widgets.
// The set-up sequences pause through `wait`, which the page shows as progress.
namespace AnalogSequences {
using Wait = std::function<void(unsigned int ms)>;

constexpr unsigned int AutoGainBiasPauseMs = 12000;
constexpr unsigned int AutoSetupPauseMs = 11000;
constexpr unsigned int RetryPauseMs = 5000;
constexpr int LutGrid = 17;

// Tile-matrix mode on (2): the guard takes the display out of it for a set-up (3 when the op
// code's maximum is 3, else 1) and restores it afterwards; any other mode is left alone.
// Expert mode on and off around the gain/bias set-up. Both report the first failure of their
// steps and restore what they changed whatever failed before.
int auto_setup(basic_monitor& monitor, const Wait& wait);
int auto_gain_bias(basic_monitor& monitor, const Wait& wait);
// Loads the normal (0), black (1) or white (2) LUT into the programmable gamma.
int load_lut(basic_monitor& monitor, int pattern);
// The table of the gamma page's test writes: the ramp 0..255 four times over.
QVector<int> raw_test_table();
} // namespace AnalogSequences
