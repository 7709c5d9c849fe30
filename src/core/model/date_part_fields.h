#pragma once

// The fields of the block date parts as they stand in an appointment line, read the same way by the
// view evaluation and by the entry dialog. Each reader only reads; reporting is the caller's.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

// Up to count characters of the line from the 1-based position; fewer where the line ends.
std::string charactersAt(std::string_view line, std::size_t position, std::size_t count);

// "Mo" ... "So" in any case: 1 = Monday ... 7 = Sunday.
std::optional<int> weekdayOfPair(std::string_view pair);

// Optional leading blanks, then digits only ("021", " 7").
std::optional<int> wholeNumber(std::string_view text);
// Optional leading blanks, an optional sign, then digits only ("+15", "-02").
std::optional<int> signedNumber(std::string_view text);

// The ordinal of an x-th weekday line: "1" ... "5", or 9 for the last such weekday.
constexpr int kLastWeekdayOrdinal = 9;
std::optional<int> xthOrdinal(char written);
// The month of an x-th weekday line: "01" ... "12", "00" for every month; a blank may stand for the
// leading zero.
std::optional<int> xthMonth(std::string_view written);

// The interval of an every-x-days line: three digits in positions 12-14 (text from 16), or two in
// 12-13 when position 14 is no digit (text from 15).
struct IntervalField
{
    std::string written;
    std::size_t textPosition = 16;
};

IntervalField intervalFieldOf(std::string_view line);

} // namespace notavi
