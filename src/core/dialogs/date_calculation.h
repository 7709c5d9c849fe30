#pragma once

// An appointment date as a number of days, weeks, calendar months or years before or after a start
// date. Month and year steps keep the day of the month and clip it to the target month's length.

#include "core/calendar/day_number.h"

#include <optional>

namespace notavi {

// The item index 0..3 of the unit lists ("Tag(e)" ... "Jahr(e)").
enum class DateUnit
{
    Days,
    Weeks,
    Months,
    Years,
};

enum class DateDirection
{
    Before, // "vor"
    After,  // "nach"
};

// nullopt when the result falls outside the years 1 to 9999, which no date field can show.
std::optional<DayNumber> calculateDate(DayNumber start, int count, DateUnit unit, DateDirection direction);

} // namespace notavi
