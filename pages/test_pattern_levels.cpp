#include "test_pattern_levels.h"

namespace {
constexpr int kPercentWidth = 5;
constexpr int kPercentDecimals = 1;

const QList<TestPatternLevels::Preset> kPresets = {
    {"black", {0, 0, 0}, false},
    {"white", {1, 1, 1}, false},
    {"ggray10", {0.1, 0.1, 0.1}, false},
    {"ggray25", {0.25, 0.25, 0.25}, false},
    {"ggray50", {0.5, 0.5, 0.5}, false},
    {"ggray75", {0.75, 0.75, 0.75}, false},
    {"red", {1, 0, 0}, true},
    {"green", {0, 1, 0}, true},
    {"blue", {0, 0, 1}, true},
    {"cyan", {0, 1, 1}, true},
    {"magenta", {1, 0, 1}, true},
    {"yellow", {1, 1, 0}, true},
};
} // namespace

QString TestPatternLevels::percent_text(int value, int maximum) {
    const double percent = maximum > 0 ? value * 100.0 / maximum : 0.0;
    return QStringLiteral("%1%").arg(percent, kPercentWidth, 'f', kPercentDecimals);
}

std::optional<TestPatternLevels::Levels> TestPatternLevels::levels(const Levels& maxima,
                                                                   const Fractions& fractions) {
    Levels out{};
    for (int c = 0; c < 3; ++c) {
        if (!(fractions[c] >= 0.0 && fractions[c] <= 1.0))
            return std::nullopt;
        out[c] = int(maxima[c] * fractions[c]);
    }
    return out;
}

const QList<TestPatternLevels::Preset>& TestPatternLevels::presets() {
    return kPresets;
}
