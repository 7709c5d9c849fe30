#include "core/model/date_part_fields.h"

#include "core/model/windows1252.h"

#include <array>

namespace notavi {
namespace {

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// More digits than any field of a line has would overflow.
constexpr std::size_t kMaxDigits = 9;

// Digits only from the first character on; nullopt for no digit at all or any other character.
std::optional<int> digitsFrom(std::string_view text, std::size_t i)
{
    if (i >= text.size() || text.size() - i > kMaxDigits)
        return std::nullopt;
    int value = 0;
    for (; i < text.size(); ++i) {
        if (!isDigit(text[i]))
            return std::nullopt;
        value = value * 10 + (text[i] - '0');
    }
    return value;
}

} // namespace

std::string charactersAt(std::string_view line, std::size_t position, std::size_t count)
{
    return position - 1 < line.size() ? std::string(line.substr(position - 1, count)) : std::string();
}

std::optional<int> weekdayOfPair(std::string_view pair)
{
    static constexpr std::array<std::string_view, 7> kPairs = {"MO", "DI", "MI", "DO", "FR", "SA", "SO"};
    const std::string upper = toUpper1252(pair);
    for (std::size_t i = 0; i < kPairs.size(); ++i)
        if (upper == kPairs[i])
            return static_cast<int>(i) + 1;
    return std::nullopt;
}

std::optional<int> wholeNumber(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    return first == std::string_view::npos ? std::nullopt : digitsFrom(text, first);
}

std::optional<int> signedNumber(std::string_view text)
{
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos)
        return std::nullopt;
    const bool negative = text[i] == '-';
    if (text[i] == '+' || text[i] == '-')
        ++i;
    const std::optional<int> value = digitsFrom(text, i);
    if (!value)
        return std::nullopt;
    return negative ? -*value : *value;
}

std::optional<int> xthOrdinal(char written)
{
    if ((written >= '1' && written <= '5') || written == '9')
        return written - '0';
    return std::nullopt;
}

std::optional<int> xthMonth(std::string_view written)
{
    if (written.size() != 2 || (written[0] != ' ' && written[0] != '0' && written[0] != '1') ||
        !isDigit(written[1]))
        return std::nullopt;
    const int month = (written[0] == '1' ? 10 : 0) + (written[1] - '0');
    return month <= 12 ? std::optional<int>(month) : std::nullopt;
}

IntervalField intervalFieldOf(std::string_view line)
{
    const bool threeDigits = line.size() >= 14 && isDigit(line[13]);
    return IntervalField{charactersAt(line, 12, threeDigits ? 3 : 2), threeDigits ? 16u : 15u};
}

} // namespace notavi
