#pragma once

// Date-times are day numbers with the time of day as fraction (45000.75 = 15.03.2023, 18:00).
// Astronomical computations count in Julian Days, which begin at noon.

#include "core/calendar/day_number.h"

namespace notavi {

// Julian Day of day 0 at midnight (30.12.1899, 00:00).
constexpr double kJulianDayOfDayZero = 2415018.5;

constexpr double toJulianDay(double dateTime)
{
    return dateTime + kJulianDayOfDayZero;
}

// Our day numbers are Gregorian throughout, so this equals taking the calendar date of the Julian
// Day's noon and adding the time since midnight.
constexpr double fromJulianDay(double julianDay)
{
    return julianDay - kJulianDayOfDayZero;
}

struct DayAndMinute
{
    DayNumber day = 0;
    int minuteOfDay = 0; // 0 ... 1439, seconds cut off
    friend bool operator==(const DayAndMinute&, const DayAndMinute&) = default;
};

// The calendar day and clock time of a date-time; the day is the one whose midnight comes last
// before the moment, also for moments a hair before midnight.
DayAndMinute splitDateTime(double dateTime);

} // namespace notavi
