// The evaluation of large and hostile lists: many blocks without end lines, appointments far down a
// file, very long lines, NUL bytes.

#include "core/model/info_area.h"
#include "support/engine_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::cp;
using test::date;
using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::SizeIs;

const char* kOneTimeHeader = "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis";
const char* kBirthdayHeader = "Geburtstage:  TT.MM.JJJJ [~F~ ][~TT.MM.JJJJ-TT.MM.JJJJ~ ][~hh:mm~ ][~xx~ "
                              "]Name (unbekanntes Geburtsjahr = "
                              "9999)";
const char* kHolidayHeader = "Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname";

struct CheckRun
{
    Lines lines;
    Lines editor;
    std::vector<std::string> messages;
};

CheckRun checkPass(Lines lines)
{
    CheckRun run;
    run.editor = lines;
    DisplayOptions options;
    FixedClock clock(date("07.12.2026"), 12 * 60);
    CollectingLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms, &run.editor};
    evaluateView(lines, context, date("07.12.2026"), 0, EvaluationPass::ErrorCheck);
    run.lines = std::move(lines);
    for (const LineError& error : sink.errors)
        run.messages.push_back(toUtf8(lineErrorCheckListText(error)));
    return run;
}

std::string endLineAdded(const std::string& block, int line)
{
    return "Der Terminblock \"" + block + "\" wurde um die fehlende \"@ E N D E\"-Zeile erweitert. (" +
           block + ";" + std::to_string(line) + ")";
}

// The last holiday block is evaluated before all others; each missing end line is still reported
// with the line it has at the moment its block is reached, and the editor's text gets them all.
TEST(LargeFileEvaluation, MissingEndLinesAroundTheHolidayBlockAreReportedInWalkOrder)
{
    const CheckRun run =
        checkPass(test::cpLines({kOneTimeHeader, "07.12.2026 A", kBirthdayHeader, "07.12.1950 B",
                                 kHolidayHeader, "01.12.2026-31.12.2026 W", kOneTimeHeader, "08.12.2026 C"}));
    EXPECT_EQ(run.lines,
              test::cpLines({kOneTimeHeader, "07.12.2026 A", "@ E N D E", kBirthdayHeader, "07.12.1950 B",
                             "@ E N D E", kHolidayHeader, "01.12.2026-31.12.2026 W", "@ E N D E",
                             kOneTimeHeader, "08.12.2026 C", "@ E N D E"}));
    EXPECT_EQ(run.editor, run.lines);
    EXPECT_THAT(run.messages,
                ElementsAre(endLineAdded("Ferien", 7), endLineAdded("Einmalige Termine", 3),
                            endLineAdded("Geburtstage", 6), endLineAdded("Einmalige Termine", 12)));
}

// One insertion per block moved all later lines: fifty thousand headers took a minute.
TEST(LargeFileEvaluation, FiftyThousandBlocksWithoutEndLines)
{
    constexpr std::size_t kBlocks = 50'000;
    Lines lines = standardInfoArea();
    lines.insert(lines.end(), kBlocks, "GEB");
    const CheckRun run = checkPass(lines);
    ASSERT_THAT(run.lines, SizeIs(11 + 2 * kBlocks));
    EXPECT_EQ(run.lines[11], cp(kBirthdayHeader));
    EXPECT_EQ(run.lines[12], "@ E N D E");
    EXPECT_EQ(run.lines.back(), "@ E N D E");
    EXPECT_EQ(run.editor, run.lines);
    ASSERT_THAT(run.messages, SizeIs(2 * kBlocks)); // adapted header and added end line, per block
    EXPECT_EQ(run.messages.back(), endLineAdded("Geburtstage", static_cast<int>(11 + 2 * kBlocks)));
}

// The holiday block is evaluated first; its entries move down by the end lines inserted above it.
TEST(LargeFileEvaluation, HolidayEntriesBelowManyRepairedBlocksPointToTheirLines)
{
    constexpr std::size_t kBlocks = 20'000;
    constexpr std::size_t kHolidays = 2'000;
    Lines lines = standardInfoArea();
    lines.insert(lines.end(), kBlocks, "GEB");
    lines.push_back("FER");
    for (std::size_t i = 0; i < kHolidays; ++i)
        lines.push_back("07.12.2026-08.12.2026 Ferien " + std::to_string(i));
    lines.push_back("@ E N D E");
    test::EngineHarness h = test::EngineHarness::userBlocksOnly();
    const auto run = h.runLines(lines, date("07.12.2026"), 0);
    ASSERT_THAT(run.result.entries, SizeIs(2 * kHolidays)); // first and last day of each
    for (const ViewEntry& entry : run.result.entries)
        ASSERT_THAT(run.lines[static_cast<std::size_t>(entry.sourceLine)], HasSubstr("Ferien"));
}

// Line indices 99998 and 99999 are ordinary lines of a large file, not the marks of computed entries
// and separator lines.
TEST(LargeFileEvaluation, AppointmentsFarDownTheFileKeepTheirLine)
{
    Lines lines = standardInfoArea();
    lines.push_back(cp(kOneTimeHeader));
    lines.resize(99'998, "*");
    lines.insert(lines.end(), {"07.12.2026 A", "07.12.2026 B", "@ E N D E"});
    test::EngineHarness h;
    h.options.separatorLines = true;
    const auto run = h.runLines(lines, date("07.12.2026"), 0);
    std::vector<int> sourceLines;
    for (const ViewEntry& entry : run.result.entries)
        if (!entry.isSeparator() && entry.sourceLine != kInternalSourceLine)
            sourceLines.push_back(entry.sourceLine);
    EXPECT_THAT(sourceLines, ElementsAre(99'998, 99'999));
}

TEST(LargeFileEvaluation, TenMegabyteLines)
{
    const std::string longText(10'000'000, 'x');
    Lines lines = standardInfoArea();
    lines.insert(lines.end(), {cp(kOneTimeHeader), "07.12.2026 " + longText, "@ E N D E", longText});
    test::EngineHarness h = test::EngineHarness::userBlocksOnly();
    const auto run = h.runLines(lines, date("07.12.2026"), 0);
    ASSERT_THAT(run.result.entries, SizeIs(1));
    EXPECT_EQ(run.result.entries[0].text(), "Heute (Montag) " + std::string(999, 'x')); // texts end at 999
    ASSERT_THAT(run.errors, SizeIs(1)); // the line outside the block
    EXPECT_THAT(run.errors[0].message, HasSubstr("befindet sich au\xDF"
                                                 "erhalb eines g\xFCltigen Terminblocks."));
    EXPECT_EQ(run.lines.back(), longText);
}

TEST(LargeFileEvaluation, NulBytesStayInTheText)
{
    const std::string text("A\0B\0", 4);
    test::EngineHarness h = test::EngineHarness::userBlocksOnly();
    Lines lines = test::cpLines(test::fileWithBlock(kOneTimeHeader, {}));
    lines.insert(lines.end() - 1, "07.12.2026 " + text);
    const auto run = h.runLines(lines, date("07.12.2026"), 0);
    ASSERT_THAT(run.result.entries, SizeIs(1));
    EXPECT_EQ(run.result.entries[0].text(), "Heute (Montag) " + text);
}

} // namespace
} // namespace notavi
