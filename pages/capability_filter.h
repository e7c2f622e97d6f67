#pragma once

#include "display_capabilities.h"

#include <QString>

#include <optional>

// The capability filter of the op-code pages: on only while it holds a capability string that
// parses. A filter that is off lets every op code and value through.
struct CapabilityFilter {
    // The string parsed afresh; none when it is empty or does not parse.
    static std::optional<DisplayCapabilities> parse(const QString& text);

    // An op code shows when the display lists it.
    static bool lists(const std::optional<DisplayCapabilities>& filter, uint opcode);
    // A value shows unless the display lists the op code with values and not this one.
    static bool lists(const std::optional<DisplayCapabilities>& filter, uint opcode, uint value);
};
