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

TEST(YearlyEvaluator, FindsTheDayOfTheRangeYearOrOfTheNextYear)
{
    const std::vector<Case> cases = {
        {"99.02 Ende", "10.02.2024", 2, {"29.02.2024"}},
        {"99.02 Ende", "10.02.2025", 2, {"28.02.2025"}},
        {"99.02 Ende", "10.06.2024", 4, {"29.02.2024"}},
        {"29.02 Schalttag", "10.02.2025", 2, {"28.02.2025"}},
        {"29.02 Schalttag", "10.02.2024", 2, {"29.02.2024"}},
        {"29.02 Schalttag", "10.06.2025", 4, {"28.02.2025"}},
        {"28.02 X", "10.02.2024", 2, {"28.02.2024"}},
        {"05.01 X", "20.12.2024", 1, {"05.01.2025"}},
        {"05.01 X", "29.12.2024", 0, {"05.01.2025"}},
        {"31.12 X", "20.12.2024", 1, {"31.12.2024"}},
        {"19.12 X", "20.12.2024", 1, {}},
        {"20.12 X", "10.01.2025", 3, {"20.12.2024"}},
        {"05.01 X", "10.01.2025", 3, {"05.01.2025"}},
        {"01.01 X", "10.06.2025", 4, {"01.01.2025"}},
        {"31.12 X", "10.06.2025", 4, {"31.12.2025"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        HarnessRun run = runBlock(BlockKind::Yearly, {c.line}, c.evaluationDate, c.viewMode);
        EXPECT_THAT(entryDates(run), ElementsAreArray(c.dates));
        EXPECT_THAT(run.errorMessages(), IsEmpty());
    }
}

TEST(YearlyEvaluator, WordsTheEntriesByView)
{
    EXPECT_THAT(runBlock(BlockKind::Yearly, {"05.01 Dreikönig"}, "29.12.2024", 0).entryTexts(),
                ElementsAre("In einer Woche (Sonntag) Dreikönig"));
    EXPECT_THAT(runBlock(BlockKind::Yearly, {"05.01 Dreikönig"}, "10.01.2025", 3).entryTexts(),
                ElementsAre("Am Sonntag, dem 05.01.2025 Dreikönig"));
}

TEST(YearlyEvaluator, ReportsAFaultyDayWithTheRangeYear)
{
    const std::vector<std::pair<const char*, const char*>> cases = {{"31.04 X", "31.04.2025"},
                                                                    {"1.5. X", "1.5. .2025"}};
    for (const auto& [line, shown] : cases) {
        SCOPED_TRACE(line);
        HarnessRun run = runBlock(BlockKind::Yearly, {line}, "10.04.2025", 2);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(run.errorMessages(),
                    ElementsAre(firstLineError(
                        BlockKind::Yearly, "\"" + std::string(line) +
                                               "\" enthält das nicht korrekte Datum \"" + shown + "\".")));
    }
}

} // namespace
} // namespace notavi::test
