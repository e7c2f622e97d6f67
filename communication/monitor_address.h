#pragma once

#include "monitor_data.h"

#include <QString>

// The destination byte that reaches every display.
constexpr int kAllDisplaysAddress = 0x2A;

// The destination byte of a monitor-ID text: "1".."100" give 41h..A4h, "ALL" (any case) 2Ah,
// "Group A".."Group J" (any case) 31h..3Ah. Anything else gives 0, never a wrong display.
int monitor_id_to_address(QString monitor_id);

// True when the monitor ID of the choice names a display, all displays or a group and its
// destination byte is the one that ID names: only then may a command be sent.
bool names_a_destination(const monitor_data& choice);
