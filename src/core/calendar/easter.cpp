#include "core/calendar/easter.h"

namespace notavi {

DayNumber easterSunday(int year)
{
    if (year < kFirstEasterYear || year > kLastEasterYear)
        return 0;
    // Gauss's rule with the lunar and solar corrections of 1900-2099 folded into the constants:
    // e is the number of days from 21 March to the Paschal full moon.
    const int golden = year % 19;
    int e = (204 - 11 * golden) % 30;
    if (e == 28 || e == 29)
        --e;
    const int d = e + 28 - ((year + year / 4 + e - 13) % 7); // days from 1 March, 1-based
    return d > 31 ? toDayNumber(year, 4, d - 31) : toDayNumber(year, 3, d);
}

DayNumber fourthAdventSunday(int year)
{
    const DayNumber christmasEve = toDayNumber(year, 12, 24);
    return christmasEve - sundayBasedWeekday(christmasEve);
}

} // namespace notavi
