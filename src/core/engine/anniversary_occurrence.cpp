#include "core/engine/anniversary_occurrence.h"

namespace notavi {

std::string dateInYear(std::string_view dayAndMonth, int year)
{
    std::string yearText = std::to_string(year);
    if (yearText.size() < 4)
        yearText.insert(0, 4 - yearText.size(), '0');
    return std::string(dayAndMonth) + yearText;
}

YearlyOccurrence findYearlyOccurrence(Evaluation& ev, std::string_view checkName, std::string_view rangeName)
{
    YearlyOccurrence occurrence;
    const std::string date = ev.line().substr(0, 10);
    if (!ev.dateCheck(date, checkName))
        return occurrence;
    occurrence.validDate = true;
    occurrence.startYear = std::stoi(date.substr(6, 4)); // four digits: the check passed
    occurrence.hit = ev.anniversaryRangeTest(dateInYear(date.substr(0, 6), ev.rangeDate.year), rangeName);
    occurrence.occurrenceYear = ev.rangeDate.year + (ev.nextYearHit ? 1 : 0);
    return occurrence;
}

} // namespace notavi
