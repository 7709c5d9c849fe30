#pragma once

// The validity period "~TT.MM.JJJJ-TT.MM.JJJJ~ " of an appointment line, found at its block's
// option start (after the holiday flag "~F~ " when there is one).

#include "core/calendar/day_number.h"
#include "core/model/block_catalogue.h"

#include <cstddef>
#include <optional>
#include <string_view>

namespace notavi {

// 0-based index where the option fields of a line of the block begin; nullopt for school holidays
// and one-time appointments, which have no period.
std::optional<std::size_t> optionStart(BlockKind block, std::string_view line);

struct AppointmentPeriod
{
    std::size_t start = 0; // 0-based index of the period's opening "~"
    DayNumber first = 0;
    DayNumber last = 0;

    bool runsOn(DayNumber day) const { return first <= day && day <= last; }
};

// The line's period when it has one with two valid dates in order; nullopt otherwise.
std::optional<AppointmentPeriod> appointmentPeriod(BlockKind block, std::string_view line);

} // namespace notavi
