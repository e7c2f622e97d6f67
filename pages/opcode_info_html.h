#pragma once

#include "display_capabilities.h"

#include <QList>
#include <QString>

#include <optional>

struct ControlDefinition;

// The op-code reference for script writers: an HTML table of every definition that can be set,
// with its short name, its op code and the names of its values, reduced by the capability
// filter when one is on.
QString opcode_info_html(const QList<ControlDefinition>& definitions,
                         const std::optional<DisplayCapabilities>& filter);
