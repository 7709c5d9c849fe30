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
    BlockKind block;
    const char* line;
    const char* evaluationDate;
    int viewMode;
    std::vector<std::string> dates;
};

TEST(EveryNDaysEvaluator, FindsTheStartDateAndEveryPeriodAfterIt)
{
    const std::vector<Case> cases = {
        {BlockKind::TwoWeekly, "10.01.2025 X", "20.01.2025", 0, {"24.01.2025"}}, // 10 days before: offset 4
        {BlockKind::TwoWeekly, "06.01.2025 X", "20.01.2025", 0, {"20.01.2025"}}, // 14 days before: offset 0
        {BlockKind::TwoWeekly, "23.01.2025 X", "20.01.2025", 0, {"23.01.2025"}}, // starts inside the range
        {BlockKind::TwoWeekly, "27.01.2025 X", "20.01.2025", 0, {"27.01.2025"}}, // on its last day
        {BlockKind::TwoWeekly, "28.01.2025 X", "20.01.2025", 0, {}},             // after it
        {BlockKind::TwoWeekly, "06.01.2025 X", "10.01.2025", 3, {"06.01.2025"}}, // never before the start
        {BlockKind::TwoWeekly, "15.02.2024 X", "01.03.2024", 2, {"14.03.2024", "28.03.2024"}},
        {BlockKind::TwoWeekly, "15.02.2023 X", "01.03.2023", 2, {"01.03.2023", "15.03.2023", "29.03.2023"}},
        {BlockKind::FourWeekly, "02.12.2024 X", "20.12.2024", 1, {"30.12.2024"}},
        {BlockKind::SixWeekly, "03.12.2024 X", "20.12.2024", 1, {"14.01.2025"}},
        {BlockKind::EveryXDays, "05.07.2002 021 X", "01.02.2025", 2, {"07.02.2025", "28.02.2025"}},
        {BlockKind::EveryXDays, "05.07.2002 21 X", "01.02.2025", 2, {"07.02.2025", "28.02.2025"}},
        {BlockKind::EveryXDays, "05.07.2002 021 X", "27.12.2024", 1, {"27.12.2024", "17.01.2025"}},
        {BlockKind::EveryXDays,
         "01.01.2025 10 X",
         "15.01.2025",
         2,
         {"01.01.2025", "11.01.2025", "21.01.2025", "31.01.2025"}},
        {BlockKind::EveryXDays,
         "01.01.2025 100 X",
         "15.01.2025",
         4,
         {"01.01.2025", "11.04.2025", "20.07.2025", "28.10.2025"}},
        {BlockKind::EveryXDays, "01.01.2025 999 X", "15.01.2025", 4, {"01.01.2025"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.line) + " @ " + c.evaluationDate);
        HarnessRun run = runBlock(c.block, {c.line}, c.evaluationDate, c.viewMode);
        EXPECT_THAT(entryDates(run), ElementsAreArray(c.dates));
        EXPECT_THAT(run.errorMessages(), IsEmpty());
    }
}

TEST(EveryNDaysEvaluator, CountsTheYearView)
{
    HarnessRun fourWeekly = runBlock(BlockKind::FourWeekly, {"01.01.2024 X"}, "01.06.2024", 4);
    ASSERT_EQ(entryDates(fourWeekly).size(), 14u);
    EXPECT_EQ(entryDates(fourWeekly).back(), "30.12.2024");

    std::vector<std::string> stairs =
        entryDates(runBlock(BlockKind::EveryXDays, {"05.07.2002 021 X"}, "01.06.2025", 4));
    ASSERT_EQ(stairs.size(), 17u);
    EXPECT_EQ(stairs.front(), "17.01.2025");
    EXPECT_EQ(stairs.back(), "19.12.2025");
    EXPECT_EQ(entryDates(runBlock(BlockKind::EveryXDays, {"01.01.2025 001 X"}, "15.01.2025", 2)).size(), 31u);
}

TEST(EveryNDaysEvaluator, TakesTheTextAfterTheInterval)
{
    for (const char* line : {"05.07.2002 021 Treppe wischen.", "05.07.2002 21 Treppe wischen."}) {
        SCOPED_TRACE(line);
        EXPECT_THAT(runBlock(BlockKind::EveryXDays, {line}, "01.02.2025", 2).entryTexts(),
                    ElementsAre("Am Freitag, dem 07.02.2025 Treppe wischen.",
                                "Am Freitag, dem 28.02.2025 Treppe wischen."));
    }
    EXPECT_THAT(runBlock(BlockKind::TwoWeekly, {"06.01.2025 Sport"}, "06.01.2025", 0).entryTexts(),
                ElementsAre("Heute (Montag) Sport"));
}

TEST(EveryNDaysEvaluator, ReportsAnInvalidInterval)
{
    const std::vector<std::pair<const char*, const char*>> cases = {
        {"01.01.2025 000 X", "000"}, {"01.01.2025 00 X", "00"}, {"01.01.2025 abc X", "ab"},
        {"01.01.2025 0 X", "0 "},    {"01.01.2025 -5 X", "-5"}, {"01.01.2025", ""}};
    for (const auto& [line, written] : cases) {
        SCOPED_TRACE(line);
        HarnessRun run = runBlock(BlockKind::EveryXDays, {line}, "15.01.2025", 2);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(run.errorMessages(),
                    ElementsAre(firstLineError(BlockKind::EveryXDays,
                                               "\"" + std::string(line) +
                                                   "\" enthält die ungültige Anzahl an Tagen: \"" + written +
                                                   "\".")));
    }
}

TEST(EveryNDaysEvaluator, ReportsAFaultyStartDateUnderTheBlockName)
{
    const std::vector<std::pair<BlockKind, const char*>> cases = {
        {BlockKind::TwoWeekly, "31.02.2025 X"},
        {BlockKind::SixWeekly, "31.02.2025 X"},
        {BlockKind::EveryXDays, "31.02.2025 007 X"}};
    for (const auto& [block, line] : cases) {
        SCOPED_TRACE(line);
        HarnessRun run = runBlock(block, {line}, "15.01.2025", 4);
        EXPECT_THAT(run.entryTexts(), IsEmpty());
        EXPECT_THAT(
            run.errorMessages(),
            ElementsAre(firstLineError(block, "\"" + std::string(line) +
                                                  "\" enthält das nicht korrekte Datum \"31.02.2025\".")));
    }
}

} // namespace
} // namespace notavi::test
