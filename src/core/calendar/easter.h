#pragma once

// The movable feasts of the church year, as day numbers of a calendar year.

#include "core/calendar/day_number.h"

namespace notavi {

// The years for which the Easter rule below holds.
constexpr int kFirstEasterYear = 1900;
constexpr int kLastEasterYear = 2099;

// Easter Sunday of the Gregorian calendar; 0 for years outside 1900 ... 2099.
DayNumber easterSunday(int year);

// The fourth Sunday of Advent: the last Sunday on or before 24 December of the year.
DayNumber fourthAdventSunday(int year);

} // namespace notavi
