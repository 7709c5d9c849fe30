#pragma once

// The fixed table of the thirteen user blocks of the appointment file and the four internal blocks.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace notavi {

enum class BlockKind : std::uint16_t
{
    Birthdays = 0,
    NameDays = 1,
    Weekly = 2,
    TwoWeekly = 3,
    FourWeekly = 4,
    SixWeekly = 5,
    Monthly = 6,
    Yearly = 7,
    SinceYears = 8,
    XthWeekday = 9,
    EveryXDays = 10,
    SchoolHolidays = 11,
    OneTime = 12,
    Easter = 13,
    Advent = 14,
    Holidays = 15,
    MoonPhases = 16,
};

constexpr int kUserBlockCount = 13;
constexpr int kBlockCount = 17;

constexpr int blockNumber(BlockKind kind)
{
    return static_cast<int>(kind);
}

struct BlockInfo
{
    std::string code;        // "GEB" ...; empty for internal blocks (Windows-1252)
    std::string displayName; // "Geburtstage" ...
    std::string headerText;  // the syntax hint written as header line; empty for internal blocks
};

class BlockCatalogue
{
  public:
    // Block number 0..16; anything else is a programming error and yields block 0.
    static const BlockInfo& info(int blockNumber);

    static const std::string& code(int blockNumber) { return info(blockNumber).code; }

    static const std::string& displayName(int blockNumber) { return info(blockNumber).displayName; }

    static const std::string& headerText(int blockNumber) { return info(blockNumber).headerText; }

    // The user block whose code equals the text exactly (case-sensitive, e.g. "JÄH").
    static std::optional<int> blockOfCode(std::string_view code);
    // Block identification: the user block whose code equals the line's first three characters,
    // upper-cased in Windows-1252 ("geburtstage:" opens block 0).
    static std::optional<int> headerBlock(std::string_view line);

    static bool isHeaderLine(std::string_view line) { return headerBlock(line).has_value(); }
};

} // namespace notavi
