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

void expectDates(const std::vector<Case>& cases)
{
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        HarnessRun run = runBlock(BlockKind::XthWeekday, {c.line}, c.evaluationDate, c.viewMode);
        EXPECT_THAT(entryDates(run), ElementsAreArray(c.dates));
        EXPECT_THAT(run.errorMessages(), IsEmpty());
    }
}

TEST(XthWeekdayEvaluator, FindsTheDayInEveryMonthOfTheRange)
{
    expectDates({
        {"9.Sa 00 Markt",
         "10.06.2025",
         4,
         {"25.01.2025", "22.02.2025", "29.03.2025", "26.04.2025", "31.05.2025", "28.06.2025", "26.07.2025",
          "30.08.2025", "27.09.2025", "25.10.2025", "29.11.2025", "27.12.2025"}},
        {"5.Mo 00 Markt", "10.06.2025", 4, {"31.03.2025", "30.06.2025", "29.09.2025", "29.12.2025"}},
        {"9.Di 00 Markt", "20.12.2024", 1, {"31.12.2024"}},
        {"1.Mi 00 Markt", "20.12.2024", 1, {"01.01.2025"}},
        {"2.Mo 00 Markt", "20.12.2024", 1, {"13.01.2025"}},
        {"1.Mo 00 Markt", "10.01.2025", 3, {"06.01.2025"}},
    });
}

TEST(XthWeekdayEvaluator, FindsTheDayOfAFixedMonth)
{
    expectDates({
        {"2.Di 03 X", "10.03.2025", 2, {"11.03.2025"}},
        {"2.Di  3 X", "10.03.2025", 2, {"11.03.2025"}},
        {"9.Do 02 X", "10.02.2024", 2, {"29.02.2024"}}, // the leap day is the fifth Thursday
        {"5.Do 02 X", "10.02.2024", 2, {"29.02.2024"}},
        {"5.Do 02 X", "10.02.2025", 2, {}},
        {"9.Mi 02 X", "10.02.2023", 2, {"22.02.2023"}},
        {"4.Mi 02 X", "10.02.2023", 2, {"22.02.2023"}},
        {"9.Di 12 X", "20.12.2024", 1, {"31.12.2024"}},
        {"1.Fr 12 X", "20.12.2024", 1, {}},
        {"9.Mo 01 X", "10.06.2025", 4, {"27.01.2025"}},
    });
}

TEST(XthWeekdayEvaluator, FindsJanuaryOfTheNextYearFromDecember)
{
    expectDates({
        {"1.Mo 01 X", "20.12.2024", 1, {"06.01.2025"}},
        {"1.Mo 01 X", "30.12.2024", 0, {"06.01.2025"}},
        {"1.Mo 01 X", "10.01.2025", 3, {"06.01.2025"}},
        {"2.Mo 01 X", "10.01.2025", 3, {}},
        // The last weekday gets the same retry: 27.01.2025 is the last Monday of January.
        {"9.Mo 01 X", "31.12.2024", 1, {"27.01.2025"}},
        {"9.Mo 01 X", "27.01.2025", 3, {"27.01.2025"}},
        {"9.Mo 02 X", "31.12.2024", 1, {}},
    });
}

TEST(XthWeekdayEvaluator, ReportsAFaultyRule)
{
    struct ErrorCase
    {
        const char* line;
        std::string message;
    };

    const std::vector<ErrorCase> cases = {
        {"6.Mo 01 X", "beginnt nicht mit \"9\" bzw. einer Zahl zwischen \"1\" und \"5\" sondern mit \"6\"."},
        {"0.Mo 01 X", "beginnt nicht mit \"9\" bzw. einer Zahl zwischen \"1\" und \"5\" sondern mit \"0\"."},
        {"1.Xx 01 X", "enthält den ungültigen Wochentag \"Xx\"."},
        {"1.Mo 13 X", "enthält den ungültigen Monat \"13\"."},
        {"1.Mo 2x X", "enthält den ungültigen Monat \"2x\"."},
        {"1.Mo -1 X", "enthält den ungültigen Monat \"-1\"."},
        {"1.Mo 1", "enthält den ungültigen Monat \"1\"."},
    };
    for (const ErrorCase& c : cases) {
        SCOPED_TRACE(c.line);
        HarnessRun run = runBlock(BlockKind::XthWeekday, {c.line}, "10.06.2025", 4);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(run.errorMessages(),
                    ElementsAre(firstLineError(BlockKind::XthWeekday,
                                               "\"" + std::string(c.line) + "\" " + c.message)));
    }
}

} // namespace
} // namespace notavi::test
