#pragma once

// When an appointment line has expired: its decisive day (the last day it falls due) lies before
// the limit day. One-time appointments expire after their day, holidays after their last day,
// every other appointment only after the last day of its period; without a period it never does.

#include "core/calendar/day_number.h"
#include "core/model/block_catalogue.h"

#include <optional>
#include <string_view>

namespace notavi {

// The age limit for the automatic deletion when the settings hold none.
inline constexpr int kDefaultAgeLimit = 1;
inline constexpr int kMaxAgeLimit = 9999;

// nullopt for a line that never expires: comments, deactivated and blank lines, recurring lines
// without a valid period, and lines whose decisive date is no valid date.
std::optional<DayNumber> decisiveDay(BlockKind block, std::string_view line);

// The interactive command deletes what fell due before today.
inline DayNumber interactiveLimitDay(DayNumber today)
{
    return today;
}

// The automatic deletion keeps a line until ageLimit days have passed since its decisive day. An
// age limit below 1 (a hand-edited notavi.ini) counts as 1, so that no appointment of today or
// later is ever deleted; one above 9999 as 9999.
DayNumber automaticLimitDay(DayNumber today, int ageLimit);

inline bool isExpired(BlockKind block, std::string_view line, DayNumber limitDay)
{
    const std::optional<DayNumber> day = decisiveDay(block, line);
    return day && *day < limitDay;
}

} // namespace notavi
