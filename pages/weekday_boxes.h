#pragma once

#include <array>

class QCheckBox;

// The seven day check boxes of a page, Monday first: box n stands for bit n of a day mask
// (Monday 01h .. Sunday 40h), as the schedule and weekend commands carry days.
using WeekdayBoxes = std::array<QCheckBox*, 7>;

// The mask of the checked boxes, whether they are enabled or not.
unsigned char checked_days(const WeekdayBoxes& boxes);
// Checks each box by its bit of days.
void check_days(const WeekdayBoxes& boxes, unsigned days);
// Enables or disables all seven.
void enable_days(const WeekdayBoxes& boxes, bool enabled);
