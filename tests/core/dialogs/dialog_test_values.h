#pragma once

#include "core/calendar/day_number.h"
#include "core/dialogs/entry_form.h"

namespace notavi::test {

// The day the dialog tests run on: Sunday, 15 June 2025, 08:15.
inline DayNumber dayOf(int day, int month, int year)
{
    return toDayNumber(year, month, day);
}

inline const DayNumber kToday = toDayNumber(2025, 6, 15);
constexpr int kMinuteNow = 8 * 60 + 15;

// Every option of the line "~F~ ~01.07.2025-31.12.2025~ ~07:05~ ~cc~ ".
inline void setEveryOption(EntryForm& form, int colour)
{
    form.notInHolidays = true;
    form.periodOn = true;
    form.periodBegin = dayOf(1, 7, 2025);
    form.periodEnd = dayOf(31, 12, 2025);
    form.alarmOn = true;
    form.alarmMinute = 7 * 60 + 5;
    form.colourItem = colour;
}

} // namespace notavi::test
