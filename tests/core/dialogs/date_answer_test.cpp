#include "core/dialogs/date_answer.h"

#include <optional>
#include <string>

#include <gtest/gtest.h>

namespace notavi {
namespace {

const std::string kCorrectIt = "\r\rBitte korrigieren sie das Datum !";

std::string incomplete(const std::string& typed)
{
    return "Das Datum \"" + typed + "\" ist unvollst\xE4ndig: bitte im Format TT.MM.JJJJ eingeben." +
           kCorrectIt;
}

std::string nonexistent(const std::string& typed)
{
    return "Das Datum \"" + typed + "\" gibt es nicht." + kCorrectIt;
}

const std::string kTooLate = "Das Auswertungsdatum darf h\xF6"
                             "chstens der 31.12.9998 sein." +
                             kCorrectIt;

struct DateCase
{
    const char* name;
    std::string typed;
    std::optional<DayNumber> day;
    std::string refusal;
};

TEST(CheckEvaluationDate, TakesRealDatesUpToTheLatestAndNamesWhatIsWrongWithTheRest)
{
    const DateCase cases[] = {
        {"an ordinary date", "07.12.2026", toDayNumber(2026, 12, 7), ""},
        {"leap day", "29.02.2024", toDayNumber(2024, 2, 29), ""},
        {"the latest date", "31.12.9998", toDayNumber(9998, 12, 31), ""},
        {"the first date of the calendar", "01.01.0001", toDayNumber(1, 1, 1), ""},
        {"31 February is not clamped to the month's end", "31.02.2025", std::nullopt,
         nonexistent("31.02.2025")},
        {"29 February outside a leap year", "29.02.2025", std::nullopt, nonexistent("29.02.2025")},
        {"month 13", "01.13.2025", std::nullopt, nonexistent("01.13.2025")},
        {"day 0", "00.05.2025", std::nullopt, nonexistent("00.05.2025")},
        {"year 0", "01.01.0000", std::nullopt, nonexistent("01.01.0000")},
        {"year 9999 keeps its digits and is refused", "01.01.9999", std::nullopt, kTooLate},
        {"year cut short", "07.12.20", std::nullopt, incomplete("07.12.20")},
        {"empty", "", std::nullopt, incomplete("")},
        {"blanks in a section", "07. 2.2026", std::nullopt, incomplete("07. 2.2026")},
        {"more than ten characters", "07.12.20261", std::nullopt, incomplete("07.12.20261")},
    };
    for (const DateCase& c : cases) {
        SCOPED_TRACE(c.name);
        const DateAnswer answer = checkEvaluationDate(c.typed);
        EXPECT_EQ(answer.day, c.day);
        EXPECT_EQ(answer.refusal, c.refusal);
    }
}

} // namespace
} // namespace notavi
