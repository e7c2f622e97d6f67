#include "capability_filter.h"

std::optional<DisplayCapabilities> CapabilityFilter::parse(const QString& text) {
    if (text.isEmpty())
        return std::nullopt;
    DisplayCapabilities capabilities;
    if (capabilities.parse(text.toLatin1().constData()) != DisplayCapabilities::ParseOk)
        return std::nullopt;
    return capabilities;
}

bool CapabilityFilter::lists(const std::optional<DisplayCapabilities>& filter, uint opcode) {
    return !filter || filter->hasVcpCode(opcode);
}

bool CapabilityFilter::lists(const std::optional<DisplayCapabilities>& filter, uint opcode,
                             uint value) {
    return !filter || !filter->hasVcpValueList(opcode) || filter->hasVcpValue(opcode, value);
}
