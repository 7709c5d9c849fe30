#include "core/calendar/julian_day.h"

#include <cmath>

namespace notavi {

DayAndMinute splitDateTime(double dateTime)
{
    const double day = std::floor(dateTime);
    // dateTime - day is exact and below 1, so the product stays below 1440.
    return {static_cast<DayNumber>(day), static_cast<int>((dateTime - day) * 1440.0)};
}

} // namespace notavi
