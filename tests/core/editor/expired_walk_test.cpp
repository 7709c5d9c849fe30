// "Verstrichene Termine löschen": the walk from expired line to expired line, its questions and
// answers, and the automatic deletion at start-up.

#include "core/editor/expired_walk.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

std::string header(BlockKind block)
{
    return toUtf8(BlockCatalogue::headerText(blockNumber(block)));
}

struct Step
{
    std::size_t line;
    std::string question; // UTF-8; empty when not asked
};

// Runs the walk with the answers in order (Yes once they run out) and applies its deletions.
struct WalkRun
{
    Lines text;
    std::vector<Step> steps;
    bool nothingFoundToReport = false;
};

WalkRun walkWith(const std::vector<std::string>& utf8Lines, std::string_view today,
                 std::vector<WalkAnswer> answers)
{
    WalkRun run;
    run.text = cpLines(utf8Lines);
    const Lines original = run.text;
    ExpiredWalk walk(original, date(today), false);
    std::size_t nextAnswer = 0;
    while (const std::optional<ExpiredLine> expired = walk.next()) {
        run.steps.push_back({expired->line, toUtf8(expired->question)});
        EXPECT_EQ(expired->ask, !expired->question.empty());
        const WalkAnswer answer = nextAnswer < answers.size() ? answers[nextAnswer++] : WalkAnswer::Yes;
        if (walk.answer(expired->ask ? answer : WalkAnswer::Yes))
            run.text.erase(run.text.begin() + static_cast<std::ptrdiff_t>(expired->line));
    }
    run.nothingFoundToReport = walk.nothingFoundToReport();
    return run;
}

std::vector<std::string> threeBlocks()
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(),
                {header(BlockKind::OneTime), "09.03.2024 Arzt", "10.03.2024 Heute", "~01.01.2020 Aus",
                 "01.03.2024 Friseur", "@ E N D E", header(BlockKind::SchoolHolidays),
                 "01.03.2024-05.03.2024 Ferien", "@ E N D E", header(BlockKind::TwoWeekly),
                 "01.01.2024 ~01.01.2024-29.02.2024~ Kurs", "@ E N D E"});
    return file;
}

TEST(ExpiredWalk, AsksForEachExpiredLineInTheWordsOfItsBlock)
{
    const WalkRun run = walkWith(threeBlocks(), "10.03.2024",
                                 {WalkAnswer::No, WalkAnswer::No, WalkAnswer::No, WalkAnswer::No});
    ASSERT_EQ(run.steps.size(), 4u);
    EXPECT_EQ(run.steps[0].line, 12u);
    EXPECT_EQ(run.steps[0].question, "Soll der einmalige Termin\r\r09.03.2024 Arzt\r\rgelöscht werden?");
    EXPECT_EQ(run.steps[1].line, 15u);
    EXPECT_EQ(run.steps[2].question,
              "Soll der Ferientermin\r\r01.03.2024-05.03.2024 Ferien\r\rgelöscht werden?");
    EXPECT_EQ(run.steps[3].question,
              "Soll im Terminblock Zweiwöchentl. Termine der Termin (mit Terminzeitraum)"
              "\r\r01.01.2024 ~01.01.2024-29.02.2024~ Kurs\r\rgelöscht werden?");
    EXPECT_EQ(run.text, cpLines(threeBlocks())) << "No keeps every line";
    EXPECT_FALSE(run.nothingFoundToReport);
}

TEST(ExpiredWalk, YesDeletesAndTheNextLineMovesUp)
{
    const WalkRun run =
        walkWith(threeBlocks(), "10.03.2024", {WalkAnswer::Yes, WalkAnswer::No, WalkAnswer::YesToAll});
    ASSERT_EQ(run.steps.size(), 4u);
    EXPECT_EQ(run.steps[1].line, 14u) << "one line above where it stood";
    EXPECT_EQ(run.steps[3].question, "") << "Yes to all asks no more";
    std::vector<std::string> expected = infoAreaLines();
    expected.insert(expected.end(), {header(BlockKind::OneTime), "10.03.2024 Heute", "~01.01.2020 Aus",
                                     "01.03.2024 Friseur", "@ E N D E", header(BlockKind::SchoolHolidays),
                                     "@ E N D E", header(BlockKind::TwoWeekly), "@ E N D E"});
    EXPECT_EQ(run.text, cpLines(expected));
}

TEST(ExpiredWalk, NoToAllEndsTheWalkAtOnce)
{
    const WalkRun run = walkWith(threeBlocks(), "10.03.2024", {WalkAnswer::NoToAll});
    EXPECT_EQ(run.steps.size(), 1u);
    EXPECT_EQ(run.text, cpLines(threeBlocks()));
    EXPECT_FALSE(run.nothingFoundToReport) << "no final message either";
}

TEST(ExpiredWalk, NothingExpiredIsReportedOnlyInTheInteractiveRun)
{
    const WalkRun run = walkWith(threeBlocks(), "01.01.2024", {});
    EXPECT_TRUE(run.steps.empty());
    EXPECT_TRUE(run.nothingFoundToReport);
    const Lines text = cpLines(threeBlocks());
    EXPECT_FALSE(ExpiredWalk(text, date("01.01.2024"), true).nothingFoundToReport());
}

// A line outside the blocks whose first letter is that of a block code ("Erledigt!" as "EIN") once
// opened a block, and the two-weekly lines after it were deleted by their start dates.
TEST(ExpiredWalk, OnlyARealHeaderOpensABlock)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {"Erledigt!", header(BlockKind::TwoWeekly), "01.01.2020 Kurs", "@ E N D E",
                             "Erledigt!", "01.01.2020 draußen"});
    EXPECT_TRUE(walkWith(file, "10.03.2024", {}).steps.empty());
}

// A one-time block without end line once went on into the next block in one-time syntax.
TEST(ExpiredWalk, AHeaderEndsABlockWithoutEndLineAndOpensItsOwn)
{
    std::vector<std::string> file = infoAreaLines();
    file.insert(file.end(), {header(BlockKind::OneTime), "01.01.2020 Alt", header(BlockKind::TwoWeekly),
                             "01.01.2020 Kurs", "01.01.2020 ~01.01.2020-31.12.2020~ Vorbei", "@ E N D E"});
    const WalkRun run = walkWith(file, "10.03.2024", {});
    ASSERT_EQ(run.steps.size(), 2u);
    EXPECT_EQ(run.steps[0].line, 12u);
    EXPECT_EQ(run.steps[1].line, 14u) << "the period's line, after the deleted one-time line";
    EXPECT_EQ(run.text.size(), file.size() - 2);
    EXPECT_EQ(run.text[13], "01.01.2020 Kurs");
}

TEST(AutomaticDeletion, DeletesWhatPassedTheAgeLimitWithoutAsking)
{
    const Lines text = cpLines(threeBlocks());
    const AutomaticDeletion limitOne = deleteExpiredLines(text, date("10.03.2024"), 1);
    EXPECT_EQ(limitOne.deleted, (std::vector<std::size_t>{12, 15, 18, 21}));
    EXPECT_EQ(limitOne.text.size(), text.size() - 4);
    EXPECT_EQ(limitOne.text[12], "10.03.2024 Heute");

    // Limit 7 on 10.03.: only what fell due on 03.03. or earlier.
    const AutomaticDeletion limitSeven = deleteExpiredLines(text, date("10.03.2024"), 7);
    EXPECT_EQ(limitSeven.deleted, (std::vector<std::size_t>{15, 21}));

    const AutomaticDeletion none = deleteExpiredLines(text, date("01.01.2024"), 1);
    EXPECT_TRUE(none.deleted.empty());
    EXPECT_EQ(none.text, text);
}

} // namespace
} // namespace notavi::test
