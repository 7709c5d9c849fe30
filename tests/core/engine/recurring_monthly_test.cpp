#include "support/recurring_blocks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;
using ::testing::IsEmpty;

struct Case
{
    const char* line;
    const char* evaluationDate;
    int viewMode;
    std::vector<std::string> dates;
};

TEST(MonthlyEvaluator, CountsTheDayFromTheStartOrTheEndOfTheMonth)
{
    const std::vector<Case> cases = {
        {"-01 Miete", "10.02.2024", 2, {"29.02.2024"}},
        {"-01 Miete", "10.02.2023", 2, {"28.02.2023"}},
        {"+29 Miete", "10.02.2024", 2, {"29.02.2024"}},
        {"+29 Miete", "10.02.2023", 2, {}},
        {"+30 Miete", "10.02.2024", 2, {}},
        {"-31 Miete", "10.02.2024", 2, {}},
        {"-31 Miete", "10.01.2025", 2, {"01.01.2025"}},
        {"+31 Miete", "10.04.2025", 2, {}}, // a month shorter than the day count is left out
        {"+31 Miete", "10.03.2025", 2, {"31.03.2025"}},
        {"-02 Miete", "10.04.2025", 2, {"29.04.2025"}},
        {" 15 Miete", "10.04.2025", 2, {"15.04.2025"}},
        {"+24 Miete", "20.12.2024", 1, {"24.12.2024"}},
        {"-01 Miete", "20.12.2024", 1, {"31.12.2024"}},
        {"+03 Miete", "20.12.2024", 1, {"03.01.2025"}},
        {"+16 Miete", "20.12.2024", 1, {"16.01.2025"}},
        {"+20 Miete", "20.12.2024", 1, {"20.12.2024"}},
        {"+19 Miete", "20.12.2024", 1, {}},
        {"+14 Miete", "10.01.2025", 3, {"14.12.2024"}},
        {"+05 Miete", "10.01.2025", 3, {"05.01.2025"}},
        {"+03 Miete", "30.12.2024", 0, {"03.01.2025"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        HarnessRun run = runBlock(BlockKind::Monthly, {c.line}, c.evaluationDate, c.viewMode);
        EXPECT_THAT(entryDates(run), ElementsAreArray(c.dates));
        EXPECT_THAT(run.errorMessages(), IsEmpty());
    }
}

TEST(MonthlyEvaluator, VisitsEveryMonthOfTheYearView)
{
    struct YearCase
    {
        const char* line;
        const char* evaluationDate;
        std::size_t count;
    };

    const std::vector<YearCase> cases = {{"+31 X", "01.06.2025", 7},  {"-31 X", "01.06.2025", 7},
                                         {"+29 X", "01.06.2023", 11}, {"+29 X", "01.06.2024", 12},
                                         {"-01 X", "01.06.2025", 12}, {"+01 X", "01.06.2025", 12}};
    for (const YearCase& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        EXPECT_EQ(entryDates(runBlock(BlockKind::Monthly, {c.line}, c.evaluationDate, 4)).size(), c.count);
    }
    EXPECT_THAT(runBlock(BlockKind::Monthly, {"-01 Miete"}, "10.02.2024", 2).entryTexts(),
                ElementsAre("Am Donnerstag, dem 29.02.2024 Miete"));
}

TEST(MonthlyEvaluator, ReportsAnInvalidDay)
{
    for (const char* day : {"+00", "-00", "+32", "-32", "abc", "+ 5", "15 "}) {
        const std::string line = std::string(day) + " Miete";
        SCOPED_TRACE(line);
        HarnessRun run = runBlock(BlockKind::Monthly, {line}, "10.01.2025", 4);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(
            run.errorMessages(),
            ElementsAre(firstLineError(
                BlockKind::Monthly, "\"" + line + "\" enthält die ungültige Tagesangabe: \"" + day + "\".")));
    }
}

} // namespace
} // namespace notavi::test
