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

// The first and the last day the program can show: 01.01.0001 and 31.12.9999.
DayNumber firstValidDay();
DayNumber lastValidDay();

enum class DateStep
{
    Moved,
    OutOfRange,  // the new date would leave 01.01.0001-31.12.9999: the date stays
    UnknownMode, // the view mode is none of the five
};

struct SteppedDate
{
    DateStep step = DateStep::Moved;
    DayNumber date = 0;
};

// The evaluation date moved by one view range forwards (direction +1) or backwards (-1): seven days
// in the week view (its last day becomes the first of the next), 28 days in the four-week views, a
// month or a year with the day clipped to the target month.
SteppedDate stepEvaluationDate(int viewMode, DayNumber date, int direction);
// "&H Montag, der 04.12.2023", "&N 04.12.2023 - 31.12.2023", ... (Windows-1252).
std::string tabCaption(ViewMode mode, DayNumber evaluationDate);
std::array<std::string, kViewModeCount> tabCaptions(DayNumber evaluationDate);
const std::string& tabHint(ViewMode mode);

} // namespace notavi
