// The walk over the file: dispatch of blocks, repairs, separator lines, sorting and the passes.

#include "support/engine_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::cp;
using test::EngineHarness;
using test::fileWithBlock;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const char* kOneTimeHeader = "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis";
const char* kHolidayHeader = "Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname";

std::vector<std::string> infoArea()
{
    return test::infoAreaLines();
}

std::vector<std::string> concat(std::vector<std::string> a, const std::vector<std::string>& b)
{
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST(ViewDriver, TextOutsideABlockIsReportedAndKept)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = concat(fileWithBlock(kOneTimeHeader, {"07.12.2026 A"}),
                       {"Notiz: Gartenarbeit", "Gartenarbeit", "~x", "@"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) A"));
    EXPECT_FALSE(run.result.corrected);
    EXPECT_EQ(run.lines, test::cpLines(file)) << "no line of the user may be overwritten";
    EXPECT_THAT(
        run.errorMessages(),
        ElementsAre("Die Terminzeile \"Notiz: Gartenarbeit\" befindet sich außerhalb eines gültigen "
                    "Terminblocks. (;15)",
                    "Die Terminzeile \"Gartenarbeit\" befindet sich außerhalb eines gültigen Terminblocks. "
                    "(;16)",
                    "Die Terminzeile \"~x\" befindet sich außerhalb eines gültigen Terminblocks. (;17)",
                    "Die Terminzeile \"@\" befindet sich außerhalb eines gültigen Terminblocks. (;18)"));
}

TEST(ViewDriver, LowerCaseHeaderOpensTheBlockAndIsAdapted)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(fileWithBlock("einmalige termine", {"07.12.2026 A"}), "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) A"));
    EXPECT_TRUE(run.result.corrected);
    EXPECT_EQ(run.lines[11], cp(kOneTimeHeader));
    EXPECT_THAT(run.errors, IsEmpty()) << "adapted silently outside the check pass";

    auto check = h.run(fileWithBlock("einmalige termine", {"07.12.2026 A"}), "07.12.2026", 0,
                       EvaluationPass::ErrorCheck);
    EXPECT_THAT(
        check.errorMessages(),
        ElementsAre("Die einleitende Terminblockzeile des Terminblocks \"Einmalige Termine\" wurde an die "
                    "aktuelle Terminsyntax angepasst. (Einmalige Termine;12)"));
}

TEST(ViewDriver, AdaptingInTheCheckPassAlsoRepairsTheEditorsText)
{
    Lines lines = test::cpLines({"einmalige termine", "07.12.2026 A", "* next", "Ferien:"});
    Lines editor = lines;
    DisplayOptions options;
    FixedClock clock(0, 0);
    CollectingLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms, &editor};
    evaluateView(lines, context, test::date("07.12.2026"), 0, EvaluationPass::ErrorCheck);
    EXPECT_EQ(editor, lines);
    EXPECT_EQ(lines[2], "@ E N D E");
}

struct EndLineCase
{
    const char* name;
    std::vector<std::string> file;
    std::vector<std::string> repaired;
    int reportedLine; // 1-based
};

class EndLineCheck : public ::testing::TestWithParam<EndLineCase>
{
};

TEST_P(EndLineCheck, InsertsTheMissingEndLine)
{
    const EndLineCase& c = GetParam();
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(c.file, "07.12.2026", 0);
    EXPECT_EQ(run.lines, test::cpLines(c.repaired)) << c.name;
    EXPECT_TRUE(run.result.corrected);
    ASSERT_FALSE(run.errors.empty());
    EXPECT_THAT(run.errorMessages().back(),
                HasSubstr("wurde um die fehlende \"@ E N D E\"-Zeile erweitert. (Einmalige Termine;" +
                          std::to_string(c.reportedLine) + ")"));
    EXPECT_TRUE(run.errors.back().blockLevel);
}

INSTANTIATE_TEST_SUITE_P(
    ViewDriver, EndLineCheck,
    ::testing::Values(EndLineCase{"before the comments of the next block",
                                  {kOneTimeHeader, "07.12.2026 A", "*", "* - -", kHolidayHeader, "@ E N D E"},
                                  {kOneTimeHeader, "07.12.2026 A", "@ E N D E", "*", "* - -", kHolidayHeader,
                                   "@ E N D E"},
                                  3},
                      EndLineCase{"at the end of the file",
                                  {kOneTimeHeader, "07.12.2026 A"},
                                  {kOneTimeHeader, "07.12.2026 A", "@ E N D E"},
                                  3},
                      EndLineCase{"header as last line", {kOneTimeHeader}, {kOneTimeHeader, "@ E N D E"}, 2},
                      EndLineCase{"header right after header",
                                  {kOneTimeHeader, kHolidayHeader, "@ E N D E"},
                                  {kOneTimeHeader, "@ E N D E", kHolidayHeader, "@ E N D E"},
                                  2}));

TEST(ViewDriver, OnlyTheLastHolidayBlockMarksDays)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = concat(infoArea(), {kOneTimeHeader, "08.12.2026 ~F~ Schule", "09.12.2026 ~F~ Sport",
                                    "@ E N D E", kHolidayHeader, "08.12.2026-08.12.2026 Alt", "@ E N D E",
                                    kHolidayHeader, "09.12.2026-09.12.2026 Neu", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(),
                ElementsAre("Morgen (Dienstag) Schule", "Übermorgen (Mittwoch) sind die Neu."));
}

TEST(ViewDriver, HolidayBlockWithoutEndLineDoesNotSwallowTheNextBlock)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = concat(infoArea(), {kHolidayHeader, "08.12.2026-08.12.2026 Tag", "*", kOneTimeHeader,
                                    "07.12.2026 Termin", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) Termin", "Morgen (Dienstag) sind die Tag."));
    EXPECT_EQ(run.lines[13], "@ E N D E");
}

TEST(ViewDriver, HolidayEntriesPointToTheirLineAfterEndLinesWereInserted)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = concat(infoArea(), {kOneTimeHeader, "07.12.2026 Termin", kHolidayHeader,
                                    "08.12.2026-08.12.2026 Tag", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    ASSERT_EQ(run.result.entries.size(), 2u);
    const ViewEntry& holiday = run.result.entries[1];
    EXPECT_EQ(holiday.block, blockNumber(BlockKind::SchoolHolidays));
    EXPECT_EQ(run.lines[static_cast<std::size_t>(holiday.sourceLine)], "08.12.2026-08.12.2026 Tag");
}

TEST(ViewDriver, SeparatorLinesBetweenDaysButNotAtTheEnd)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    h.options.separatorLines = true;
    auto file =
        fileWithBlock(kOneTimeHeader, {"08.12.2026 b", "07.12.2026 B", "08.12.2026 a", "07.12.2026 Ä"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.texts(), ElementsAre("Heute (Montag) B", "Heute (Montag) Ä", "", "Morgen (Dienstag) a",
                                         "Morgen (Dienstag) b"));
    EXPECT_EQ(run.result.entries[2].sourceLine, kSeparatorSourceLine);
    EXPECT_EQ(run.result.entries[2].sortKey(), "202612079");
    h.options.separatorLines = false;
    EXPECT_EQ(h.run(file, "07.12.2026", 0).texts().size(), 4u);
}

TEST(ViewDriver, UnknownViewMode)
{
    EngineHarness h;
    auto run = h.run(infoArea(), "07.12.2026", 5);
    EXPECT_FALSE(run.result.ok);
    EXPECT_EQ(run.result.failure, "Unbekanntes TabControl Nr. 5");
    EXPECT_THAT(run.result.entries, IsEmpty());
}

TEST(ViewDriver, CheckPassReportsEveryLineButShowsNothing)
{
    EngineHarness h;
    auto file =
        fileWithBlock(kOneTimeHeader, {"01.01.2020 ~1x~ Alt", "31.02.2026 Falsch", "07.12.2026 Heute"});
    auto run = h.run(file, "07.12.2026", 2, EvaluationPass::ErrorCheck);
    EXPECT_THAT(run.result.entries, IsEmpty());
    EXPECT_THAT(run.errorMessages(), ElementsAre(HasSubstr("ungültigen Farbcode \"1x\""),
                                                 HasSubstr("nicht korrekte Datum \"31.02.2026\"")));
}

TEST(ViewDriver, ErrorsOfALineAreReportedOnceWhenItYieldsTwoEntries)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto file = fileWithBlock(kHolidayHeader, {"07.12.2026-10.12.2026 ~99~ Ferien"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_EQ(run.entryTexts().size(), 2u);
    EXPECT_EQ(run.errors.size(), 1u);
}

TEST(ViewDriver, EmptyAndCommentOnlyFiles)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    EXPECT_THAT(h.run({}, "07.12.2026", 4).result.entries, IsEmpty());
    auto run = h.run({"*", "", "* x"}, "07.12.2026", 4);
    EXPECT_THAT(run.errors, IsEmpty());
}

} // namespace
} // namespace notavi
