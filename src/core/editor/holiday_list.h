#pragma once

// The editor's list of the holidays and feast days of a year, beside its calendar.

#include "core/calendar/day_number.h"

#include <string>
#include <vector>

namespace notavi {

struct HolidayItem
{
    DayNumber day = 0;
    std::string text; // "TT.MM. Name", Windows-1252
};

// The days of the year in calendar order, two of the same day ordered by their text regardless of
// case. The days that hang on Easter are left out for years without an Easter date (outside
// 1900 ... 2099). Years outside 1 ... 9999 have none.
std::vector<HolidayItem> holidayList(int year);

// " Feiertage im Jahr 2024": the heading above the list.
std::string holidayListHeading(int year);

} // namespace notavi
