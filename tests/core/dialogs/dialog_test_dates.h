#pragma once

#include "core/calendar/day_number.h"

namespace notavi::test {

// The day the dialog tests run on: Sunday, 15 June 2025, 08:15.
inline DayNumber dayOf(int day, int month, int year)
{
    return toDayNumber(year, month, day);
}

inline const DayNumber kToday = toDayNumber(2025, 6, 15);
constexpr int kMinuteNow = 8 * 60 + 15;

} // namespace notavi::test
