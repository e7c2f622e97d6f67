#pragma once

#include "display_families.h"
#include "display_model.h"
#include "transfer_display.h"

// A display that answers every read of the status page: operating hours by the minute and by
// the half hour, identity texts, power, MAC address, self-diagnosis, three temperature sensors
// and three fans, timing, asset data and four firmware versions. Tests change the model's
// answers for their cases after construction.
struct StatusDisplay {
    explicit StatusDisplay(DisplayModel& model);

    DisplayFamilies families;
    TransferDisplay transfers;
};
