#pragma once

#include <QList>
#include <QString>

#include <array>
#include <optional>

// The arithmetic of the test-pattern pages: percent texts and preset colours.
namespace TestPatternLevels {
// "%1%" with the level in percent of the maximum, five wide with one decimal ("100.0%",
// " 50.0%"); a maximum of 0 or less shows 0.0.
QString percent_text(int value, int maximum);

using Levels = std::array<int, 3>;       // red, green, blue
using Fractions = std::array<double, 3>; // of each colour's maximum
// Each level := maximum x fraction, truncated toward zero; none unless every fraction lies in
// [0, 1].
std::optional<Levels> levels(const Levels& maxima, const Fractions& fractions);

// A preset button (test_pattern_preset_<name>_pushButton, with lme_ in front on the other
// page): its colour, and whether it first clears the link check box.
struct Preset {
    const char* name;
    Fractions colour;
    bool clears_link;
};
const QList<Preset>& presets();
} // namespace TestPatternLevels
