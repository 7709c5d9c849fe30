#include "core/editor/calendar_date.h"

#include "core/calendar/german_text.h"
#include "core/model/block_catalogue.h"

namespace notavi {
namespace {

// The line from a character position on (counted from 1); empty beyond its end.
std::string_view from(std::string_view line, std::size_t position)
{
    return position - 1 < line.size() ? line.substr(position - 1) : std::string_view();
}

bool startsWithDate(std::string_view text)
{
    return parseDateText(text).has_value();
}

// "TT.MM" counts when it is a date of the leap year 2000, so that 29.02 is one.
bool startsWithDayAndMonth(std::string_view line)
{
    return line.size() >= 5 && parseDateText(std::string(line.substr(0, 5)) + ".2000").has_value();
}

LineWithCaret replaceOrPrefix(std::string_view line, const std::string& dateText, bool hasDate,
                              char separator)
{
    std::string result = dateText;
    if (hasDate) {
        result += from(line, dateText.size() + 1);
    } else {
        result += separator;
        result += line;
    }
    return {result, dateText.size() + 1};
}

// A school-holiday line "TT.MM.JJJJ-TT.MM.JJJJ Name": the date becomes its end date.
LineWithCaret holidayEnd(std::string_view line, const std::string& dateText)
{
    std::string result(line.substr(0, 11));
    // A line that ends with its begin date gets the dash between the two dates.
    if (result.size() < 11)
        result += '-';
    result += dateText;
    if (startsWithDate(from(line, 12))) {
        result += from(line, 22);
    } else {
        result += ' ';
        result += from(line, 12);
    }
    return {result, 22};
}

bool isBlock(int block, BlockKind kind)
{
    return block == blockNumber(kind);
}

} // namespace

std::optional<LineWithCaret> takeDateIntoLine(std::string_view line, int block, DayNumber date,
                                              std::size_t caret)
{
    const std::string dateText = formatDate(date);
    if (isBlock(block, BlockKind::NameDays) || isBlock(block, BlockKind::Yearly))
        return replaceOrPrefix(line, dateText.substr(0, 5), startsWithDayAndMonth(line), ' ');
    if (isBlock(block, BlockKind::SchoolHolidays)) {
        const bool hasBegin = startsWithDate(line);
        if (caret >= 10 && hasBegin)
            return holidayEnd(line, dateText);
        return replaceOrPrefix(line, dateText, hasBegin, '-');
    }
    for (const BlockKind kind :
         {BlockKind::Birthdays, BlockKind::TwoWeekly, BlockKind::FourWeekly, BlockKind::SixWeekly,
          BlockKind::SinceYears, BlockKind::EveryXDays, BlockKind::OneTime})
        if (isBlock(block, kind))
            return replaceOrPrefix(line, dateText, startsWithDate(line), ' ');
    return std::nullopt;
}

} // namespace notavi
