#pragma once

// The occurrence in the view range of a day of the year taken from an appointment line, for the
// blocks that count years from a date at the start of the line.

#include "core/engine/evaluation.h"

#include <string>
#include <string_view>

namespace notavi {

// "TT.MM." followed by the year written with four digits.
std::string dateInYear(std::string_view dayAndMonth, int year);

struct YearlyOccurrence
{
    bool validDate = false; // the line's "TT.MM.JJJJ" passed the date check
    bool hit = false;       // its day of the year lies in the range (dayOffset set)
    int startYear = 0;      // the year written in the line
    int occurrenceYear = 0; // the year of the hit: the range year, or the next on a next-year hit
};

// Checks positions 1-10 under checkName, then tests the line's day and month in the range year
// under rangeName.
YearlyOccurrence findYearlyOccurrence(Evaluation& evaluation, std::string_view checkName,
                                      std::string_view rangeName);

} // namespace notavi
