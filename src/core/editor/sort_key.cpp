#include "core/editor/sort_key.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {
namespace {

// Characters from..to of the line, 1-based and inclusive, as far as the line reaches.
std::string_view characters(std::string_view line, std::size_t from, std::size_t to)
{
    if (from > line.size())
        return {};
    return line.substr(from - 1, to - from + 1);
}

std::string_view charactersFrom(std::string_view line, std::size_t from)
{
    return from > line.size() ? std::string_view{} : line.substr(from - 1);
}

template <typename... Parts> std::string joined(Parts... parts)
{
    std::string key;
    key.reserve((parts.size() + ...));
    (key.append(parts), ...);
    return key;
}

} // namespace

char weekdayDigit(std::string_view line, std::size_t at)
{
    static constexpr std::array<std::string_view, 7> kMondayFirst = {"MO", "DI", "MI", "DO",
                                                                     "FR", "SA", "SO"};
    if (at + 2 > line.size())
        return '9';
    const char pair[2] = {toUpper1252(line[at]), toUpper1252(line[at + 1])};
    for (std::size_t i = 0; i < kMondayFirst.size(); ++i)
        if (kMondayFirst[i] == std::string_view(pair, 2))
            return static_cast<char>('0' + i);
    return '9';
}

std::string sortKey(BlockKind block, std::string_view line)
{
    if (!line.empty() && (line[0] == '*' || line[0] == '~'))
        return std::string(line);
    switch (block) {
    case BlockKind::Birthdays:
    case BlockKind::NameDays:
    case BlockKind::Yearly:
    case BlockKind::SinceYears:
    case BlockKind::EveryXDays:
        // "TT.MM..." -> "MM" "TT." "...": month, day, then the year where there is one.
        return joined(characters(line, 4, 5), characters(line, 1, 3), charactersFrom(line, 6));
    case BlockKind::TwoWeekly:
    case BlockKind::FourWeekly:
    case BlockKind::SixWeekly:
    case BlockKind::SchoolHolidays:
    case BlockKind::OneTime:
        // "TT.MM.JJJJ..." -> "JJJJ" ".MM." "TT" "...".
        return joined(characters(line, 7, 10), characters(line, 3, 6), characters(line, 1, 2),
                      charactersFrom(line, 11));
    case BlockKind::Weekly:
        return weekdayDigit(line, 0) + std::string(line);
    case BlockKind::XthWeekday:
        // "2.So 05 ..." -> "2." weekday "So 05 ...": the ordinal first, then the weekday.
        return joined(characters(line, 1, 2), std::string(1, weekdayDigit(line, 2)), charactersFrom(line, 3));
    default:
        return std::string(line);
    }
}

} // namespace notavi
