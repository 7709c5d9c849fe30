#pragma once

// The five view ranges of the main window's tabs and their captions.

#include "core/calendar/day_number.h"

#include <array>
#include <string>

namespace notavi {

enum class ViewMode
{
    Week = 0,          // today and the next week
    FourWeeks = 1,     // the next four weeks
    Month = 2,         // the current month
    LastFourWeeks = 3, // the last four weeks, ending on the evaluation date
    Year = 4,          // the current year
};

constexpr int kViewModeCount = 5;

struct ViewRange
{
    DayNumber start = 0;
    int length = 0; // the range holds the days start ... start + length

    bool contains(DayNumber day) const { return day >= start && day <= start + length; }
};

ViewRange viewRange(ViewMode mode, DayNumber evaluationDate);
// "&H Montag, der 04.12.2023", "&N 04.12.2023 - 31.12.2023", ... (Windows-1252).
std::string tabCaption(ViewMode mode, DayNumber evaluationDate);
std::array<std::string, kViewModeCount> tabCaptions(DayNumber evaluationDate);
const std::string& tabHint(ViewMode mode);

} // namespace notavi
