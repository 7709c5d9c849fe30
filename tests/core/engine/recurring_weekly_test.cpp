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

TEST(WeeklyEvaluator, FindsEveryWeekdayOfTheRange)
{
    const std::vector<Case> cases = {
        {"Mo Turnen", "06.01.2025", 0, {"06.01.2025", "13.01.2025"}}, // offsets 0 and 7
        {"Mo Turnen", "07.01.2025", 0, {"13.01.2025"}},
        {"so Turnen", "06.01.2025", 0, {"12.01.2025"}},
        {"Sa Turnen", "20.12.2024", 1, {"21.12.2024", "28.12.2024", "04.01.2025", "11.01.2025"}},
        {"Do Turnen", "20.12.2024", 1, {"26.12.2024", "02.01.2025", "09.01.2025", "16.01.2025"}},
        {"Fr Turnen", "10.01.2025", 3, {"20.12.2024", "27.12.2024", "03.01.2025", "10.01.2025"}},
        {"Sa Turnen", "10.01.2025", 3, {"14.12.2024", "21.12.2024", "28.12.2024", "04.01.2025"}},
        {"DO Turnen",
         "15.02.2024",
         2,
         {"01.02.2024", "08.02.2024", "15.02.2024", "22.02.2024", "29.02.2024"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        HarnessRun run = runBlock(BlockKind::Weekly, {c.line}, c.evaluationDate, c.viewMode);
        EXPECT_THAT(entryDates(run), ElementsAreArray(c.dates));
        EXPECT_THAT(run.errorMessages(), IsEmpty());
    }
}

TEST(WeeklyEvaluator, YieldsFiftyTwoOrFiftyThreeEntriesInTheYearView)
{
    struct YearCase
    {
        const char* line;
        const char* evaluationDate;
        std::size_t count;
    };

    // 2024 is a leap year beginning on a Monday, 2023 begins on a Sunday.
    const std::vector<YearCase> cases = {{"Mo X", "01.06.2024", 53}, {"Di X", "01.06.2024", 53},
                                         {"Mi X", "01.06.2024", 52}, {"So X", "01.06.2024", 52},
                                         {"So X", "01.06.2023", 53}, {"Mo X", "01.06.2023", 52}};
    for (const YearCase& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        EXPECT_EQ(entryDates(runBlock(BlockKind::Weekly, {c.line}, c.evaluationDate, 4)).size(), c.count);
    }
}

TEST(WeeklyEvaluator, WordsTheEntriesByView)
{
    EXPECT_THAT(runBlock(BlockKind::Weekly, {"Mo Turnen"}, "06.01.2025", 0).entryTexts(),
                ElementsAre("Heute (Montag) Turnen", "In einer Woche (Montag) Turnen"));
    EXPECT_THAT(runBlock(BlockKind::Weekly, {"Fr Turnen"}, "10.01.2025", 3).entryTexts(),
                ElementsAre("Am Freitag, dem 20.12.2024 Turnen", "Am Freitag, dem 27.12.2024 Turnen",
                            "Am Freitag, dem 03.01.2025 Turnen", "Am Freitag, dem 10.01.2025 Turnen"));
}

TEST(WeeklyEvaluator, EveryEntryGetsTheOptionsOfTheLine)
{
    HarnessRun run = runBlock(BlockKind::Weekly, {"Mo ~12~ Turnen"}, "06.01.2025", 1);
    EXPECT_THAT(run.entryTexts(),
                ElementsAre("Am Montag, dem 06.01.2025 Turnen", "Am Montag, dem 13.01.2025 Turnen",
                            "Am Montag, dem 20.01.2025 Turnen", "Am Montag, dem 27.01.2025 Turnen"));
    for (const ViewEntry& entry : run.result.entries) {
        EXPECT_EQ(entry.colour, 12);
        EXPECT_EQ(entry.block, blockNumber(BlockKind::Weekly));
        EXPECT_EQ(entry.sourceLine, 12);
    }
}

TEST(WeeklyEvaluator, ReportsAnUnknownWeekdayAsWritten)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"Xy Turnen", "Xy"}, {"Mö Turnen", "Mö"}, {"M", "M"}};
    for (const auto& [line, written] : cases) {
        SCOPED_TRACE(line);
        HarnessRun run = runBlock(BlockKind::Weekly, {line}, "06.01.2025", 1);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(run.errorMessages(),
                    ElementsAre(firstLineError(
                        BlockKind::Weekly, "\"" + std::string(line) +
                                               "\" enthält den ungültigen Wochentag \"" + written + "\".")));
    }
}

} // namespace
} // namespace notavi::test
