#pragma once

#include <QString>

// The destination byte of a monitor-ID text: "1".."100" give 41h..A4h, "ALL" (any case) 2Ah,
// "Group A".."Group J" (any case) 31h..3Ah. Anything else gives 0, never a wrong display.
int monitor_id_to_address(QString monitor_id);
