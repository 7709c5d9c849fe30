#include "core/dialogs/number_answer.h"

#include <charconv>
#include <cstdint>
#include <limits>

namespace notavi {
namespace {

std::string notAWholeNumber(std::string_view typed)
{
    return "Die eingegebene Zahl \"" + std::string(typed) + "\" ist keine ganze Zahl oder zu gro\xDF.\r\r" +
           "Bitte korrigieren sie die Zahl !";
}

// The refusal for a number outside the question's bounds, empty when it is inside them.
std::string boundsRefusal(NumberQuestion question, int value)
{
    switch (question) {
    case NumberQuestion::LineNumber:
        return value < 0 ? "Bitte geben sie keine negativen Werte vor!" : "";
    case NumberQuestion::Countdown:
        return value < 6 && value != 0 ? "Bitte geben sie mindestens 6 Sekunden vor !" : "";
    case NumberQuestion::TooltipTime:
        return value < 1 || value > 60000
                   ? "Bitte geben sie mindestens 1 und maximal 60000 Millisekunden vor !"
                   : "";
    case NumberQuestion::DeletionAge:
        return value < 1 || value > 9999 ? "Bitte geben sie mindestens 1 und maximal 9999 Tage vor !" : "";
    }
    return {};
}

} // namespace

std::optional<int> parseWholeNumber(std::string_view typed)
{
    std::size_t start = typed.find_first_not_of(' ');
    if (start == std::string_view::npos)
        return std::nullopt;
    std::string_view text = typed.substr(start);
    bool negative = false;
    if (text.front() == '+' || text.front() == '-') {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    if (text.empty() || text.front() < '0' || text.front() > '9')
        return std::nullopt;
    std::int64_t magnitude = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), magnitude);
    if (error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value < std::numeric_limits<int>::min() || value > std::numeric_limits<int>::max())
        return std::nullopt;
    return static_cast<int>(value);
}

NumberAnswer checkNumberAnswer(NumberQuestion question, std::string_view typed)
{
    std::optional<int> value = parseWholeNumber(typed);
    if (!value)
        return {std::nullopt, notAWholeNumber(typed)};
    std::string refusal = boundsRefusal(question, *value);
    if (!refusal.empty())
        return {std::nullopt, std::move(refusal)};
    return {value, {}};
}

} // namespace notavi
