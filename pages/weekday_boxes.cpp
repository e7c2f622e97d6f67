#include "weekday_boxes.h"

#include <QCheckBox>

unsigned char checked_days(const WeekdayBoxes& boxes) {
    unsigned days = 0;
    for (size_t n = 0; n < boxes.size(); ++n)
        if (boxes[n]->isChecked())
            days |= 1u << n;
    return static_cast<unsigned char>(days);
}

void check_days(const WeekdayBoxes& boxes, unsigned days) {
    for (size_t n = 0; n < boxes.size(); ++n)
        boxes[n]->setChecked(days & (1u << n));
}

void enable_days(const WeekdayBoxes& boxes, bool enabled) {
    for (QCheckBox* box : boxes)
        box->setEnabled(enabled);
}
