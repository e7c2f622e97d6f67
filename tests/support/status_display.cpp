#include "status_display.h"

StatusDisplay::StatusDisplay(DisplayModel& model) : families(model) {
    transfers.attach(model);
    model.setParameter(0x11FE, 0, 0xFFFF); // minutes on, high and low word: 630
    model.setParameter(0x11FF, 630, 0xFFFF);
    model.setParameter(0x11FA, 1, 0xFFFF); // total minutes: 65540
    model.setParameter(0x11FB, 4, 0xFFFF);
    model.setParameter(0x00FF, 23, 0xFFFF); // the same counters in half hours
    model.setParameter(0x00FA, 41, 0xFFFF);
    model.modelName = "ZQ-<b>5500</b>";
    model.serialNumber = "5X1234567";
    model.powerMode = 3;
    model.diagnostics = {0x80, 0xA1};
    model.setParameter(0x0278, 0, 3); // sensor select: three sensors
    model.setSelectedParameter(0x0279, 0x0278, {51, 0, 100, 9, 9});
    model.setParameter(0x027A, 0, 3); // fan select: three fans
    model.setSelectedParameter(0x027B, 0x027A, {0, 1, 2});
    model.timingStatus = 0xC3;
    model.horizontalHundredths = 6750;
    model.verticalHundredths = 6000;
    transfers.asset = QByteArray("Lobby <i>wall</i>").leftJustified(64, '\0');
    model.firmwareVersions = {"R1.204", "B2", "C3", "D4"};
}
