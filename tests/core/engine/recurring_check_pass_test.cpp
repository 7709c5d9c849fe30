#include "support/recurring_blocks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi::test {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::SizeIs;

std::string colourError(BlockKind block, const std::string& line)
{
    return firstLineError(block, " \"" + line +
                                     "\" enthält den ungültigen Farbcode \"99\".  Es wird daher der "
                                     "Standardfarbcode berücksichtigt.");
}

struct Case
{
    BlockKind block;
    const char* line;
};

// 07.01.2025 is a Tuesday: the first ten lines have no occurrence on the checked day, the last three
// have one; the colour field of each is checked once.
const std::vector<Case> kLinesWithBadColour = {
    {BlockKind::Weekly, "Mo ~99~ Turnen"},
    {BlockKind::TwoWeekly, "06.01.2025 ~99~ X"},
    {BlockKind::FourWeekly, "01.03.2025 ~99~ X"}, // starts after the checked day
    {BlockKind::EveryXDays, "01.01.2025 005 ~99~ X"},
    {BlockKind::EveryXDays, "01.01.2025 05 ~99~ X"},
    {BlockKind::Monthly, "+15 ~99~ X"},
    {BlockKind::Yearly, "24.12 ~99~ X"},
    {BlockKind::Yearly, "29.02 ~99~ X"},
    {BlockKind::XthWeekday, "1.Mo 01 ~99~ X"},
    {BlockKind::XthWeekday, "9.Fr 00 ~99~ X"},
    {BlockKind::Weekly, "Di ~99~ Turnen"},
    {BlockKind::Monthly, "+07 ~99~ X"},
    {BlockKind::XthWeekday, "1.Di 01 ~99~ X"},
};

TEST(RecurringCheckPass, ChecksTheOptionsOfEveryValidLineOnce)
{
    for (const Case& c : kLinesWithBadColour) {
        SCOPED_TRACE(c.line);
        HarnessRun run = runBlock(c.block, {c.line}, "07.01.2025", 0, EvaluationPass::ErrorCheck);
        EXPECT_THAT(run.result.entries, IsEmpty());
        EXPECT_THAT(run.errorMessages(), ElementsAre(colourError(c.block, c.line)));
    }
}

TEST(RecurringCheckPass, ReportsOnlyTheRuleOfAFaultyLine)
{
    HarnessRun run =
        runBlock(BlockKind::Weekly, {"Xy ~99~ Turnen"}, "07.01.2025", 0, EvaluationPass::ErrorCheck);
    EXPECT_THAT(run.errorMessages(),
                ElementsAre(firstLineError(BlockKind::Weekly,
                                           "\"Xy ~99~ Turnen\" enthält den ungültigen Wochentag \"Xy\".")));
}

TEST(RecurringCheckPass, ChecksAPeriodOfALineWithoutEntry)
{
    HarnessRun run = runBlock(BlockKind::Monthly, {"+15 ~01.01.2025-32.01.2025~ X"}, "07.01.2025", 0,
                              EvaluationPass::ErrorCheck);
    EXPECT_THAT(
        run.errorMessages(),
        ElementsAre(firstLineError(
            BlockKind::Monthly, "\"+15 ~01.01.2025-32.01.2025~ X\" enthält im Terminzeitraum das nicht "
                                "korrekte Datum \"32.01.2025\". Der Terminzeitraum wird daher ignoriert.")));
}

TEST(RecurringNormalPass, ReportsTheErrorsOfALineWithItsFirstEntryOnly)
{
    const std::vector<std::pair<Case, std::size_t>> cases = {
        {{BlockKind::Weekly, "Mi ~99~ Turnen"}, 53},
        {{BlockKind::EveryXDays, "01.01.2025 007 ~99~ X"}, 53},
        {{BlockKind::Monthly, "-01 ~99~ X"}, 12},
        {{BlockKind::XthWeekday, "9.Sa 00 ~99~ X"}, 12},
    };
    for (const auto& [c, entries] : cases) {
        SCOPED_TRACE(c.line);
        HarnessRun run = runBlock(c.block, {c.line, c.line}, "10.06.2025", 4);
        EXPECT_THAT(run.result.entries, SizeIs(2 * entries));
        ASSERT_THAT(run.errors, SizeIs(2)); // one per line
        EXPECT_EQ(run.errors[1].lineIndex, run.errors[0].lineIndex + 1);
    }
}

} // namespace
} // namespace notavi::test
