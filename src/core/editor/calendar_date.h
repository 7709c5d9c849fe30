#pragma once

// Taking a date chosen in the editor's calendar or holiday list into the appointment line under
// the caret, in the form the line's block needs.

#include "core/calendar/day_number.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

struct LineWithCaret
{
    std::string line;
    std::size_t caret = 0; // characters before the caret
};

// `caret`: characters before the caret in the line. The date replaces a valid date at the start of
// the line or is put in front of it ("TT.MM.JJJJ", "TT.MM" for name days and yearly appointments;
// on a school-holiday line the end date when the caret stands after the begin date). nullopt for
// the blocks whose lines carry no date (weekly, monthly, x-th weekday) and for no block.
std::optional<LineWithCaret> takeDateIntoLine(std::string_view line, int block, DayNumber date,
                                              std::size_t caret);

} // namespace notavi
