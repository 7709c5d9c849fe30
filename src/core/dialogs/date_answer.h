#pragma once

// The check of the evaluation date typed into the small input dialog, with its refusal messages
// (Windows-1252). The dialog judges the text as typed, so that nothing the user wrote is replaced.

#include "core/calendar/day_number.h"

#include <optional>
#include <string>
#include <string_view>

namespace notavi {

// The view of the year after the evaluation date must stay within the calendar's last year.
inline constexpr CivilDate kLatestEvaluationDate{9998, 12, 31};

struct DateAnswer
{
    std::optional<DayNumber> day; // the accepted date
    std::string refusal;          // the warning to show when the answer is refused
};

// Accepts a complete "TT.MM.JJJJ" of a real date up to kLatestEvaluationDate.
DateAnswer checkEvaluationDate(std::string_view typed);

} // namespace notavi
