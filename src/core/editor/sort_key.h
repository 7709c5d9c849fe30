#pragma once

// The key by which "Sortieren" orders the lines of a block: the line's date part rearranged so that
// comparing keys as text compares the dates (month before day, year before month, weekday by
// number), followed by the rest of the line.

#include "core/model/block_catalogue.h"

#include <string>
#include <string_view>

namespace notavi {

// The weekday abbreviation at the 0-based position, case-insensitive: "MO" 0 ... "SO" 6; anything
// else, a line too short included, 9 (after the real weekdays).
char weekdayDigit(std::string_view line, std::size_t at);

// Comment and deactivated lines are their own key, in every block. Short or malformed lines get
// whatever their key characters hold.
std::string sortKey(BlockKind block, std::string_view line);

} // namespace notavi
