#pragma once

// The checks of the numbers typed into the small input dialog, with their refusal messages
// (Windows-1252). Kept free of widgets so that the rules are tested on their own.

#include <optional>
#include <string>
#include <string_view>

namespace notavi {

enum class NumberQuestion
{
    LineNumber,  // "Gehe zu": 0 or more
    Countdown,   // "Timer setzen": 0 (off) or 6 and more seconds
    TooltipTime, // 1 to 60000 milliseconds
    DeletionAge, // 1 to 9999 days
};

struct NumberAnswer
{
    std::optional<int> value; // the accepted number
    std::string refusal;      // the warning to show when the answer is refused
};

// A whole number is an optional sign and decimal digits, leading blanks allowed, within 32 bits.
std::optional<int> parseWholeNumber(std::string_view typed);

NumberAnswer checkNumberAnswer(NumberQuestion question, std::string_view typed);

} // namespace notavi
