#include "core/engine/view_range.h"
#include "core/model/block_catalogue.h"
#include "core/model/windows1252.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::date;

TEST(ViewRange, TheFiveRanges)
{
    struct Case
    {
        ViewMode mode;
        const char* evaluation;
        const char* start;
        int length;
    };

    for (Case c : {Case{ViewMode::Week, "07.12.2026", "07.12.2026", 7},
                   Case{ViewMode::FourWeeks, "07.12.2026", "07.12.2026", 27},
                   Case{ViewMode::Month, "29.02.2024", "01.02.2024", 28},
                   Case{ViewMode::Month, "15.02.2023", "01.02.2023", 27},
                   Case{ViewMode::LastFourWeeks, "07.12.2026", "10.11.2026", 27},
                   Case{ViewMode::Year, "07.12.2024", "01.01.2024", 365},
                   Case{ViewMode::Year, "07.12.2026", "01.01.2026", 364}}) {
        ViewRange range = viewRange(c.mode, date(c.evaluation));
        EXPECT_EQ(range.start, date(c.start)) << c.evaluation;
        EXPECT_EQ(range.length, c.length) << c.evaluation;
    }
}

TEST(ViewRange, TabCaptions)
{
    auto captions = tabCaptions(date("07.03.2026"));
    EXPECT_EQ(captions[0], "&H Samstag, der 07.03.2026");
    EXPECT_EQ(captions[1], "&N 07.03.2026 - 03.04.2026");
    EXPECT_EQ(toUtf8(captions[2]), "&M März 2026");
    EXPECT_EQ(captions[3], "&L 08.02.2026 - 07.03.2026");
    EXPECT_EQ(captions[4], "&J 2026");
    EXPECT_EQ(toUtf8(tabHint(ViewMode::Week)), "Termine für heute und der nächsten Woche.");
}

TEST(ViewRange, NeverLeavesTheYears1To9999)
{
    const struct
    {
        const char* label;
        ViewMode mode;
        const char* evaluation;
        const char* first;
        const char* last;
        const char* caption;
    } kCases[] = {
        {"week at the end", ViewMode::Week, "31.12.9999", "31.12.9999", "31.12.9999",
         "&H Freitag, der 31.12.9999"},
        {"week near the end", ViewMode::Week, "28.12.9999", "28.12.9999", "31.12.9999", nullptr},
        {"four weeks at the end", ViewMode::FourWeeks, "31.12.9999", "31.12.9999", "31.12.9999",
         "&N 31.12.9999 - 31.12.9999"},
        {"four weeks near the end", ViewMode::FourWeeks, "20.12.9999", "20.12.9999", "31.12.9999",
         "&N 20.12.9999 - 31.12.9999"},
        {"last four weeks at the start", ViewMode::LastFourWeeks, "01.01.0001", "01.01.0001", "01.01.0001",
         "&L 01.01.0001 - 01.01.0001"},
        {"last four weeks near the start", ViewMode::LastFourWeeks, "10.01.0001", "01.01.0001", "10.01.0001",
         "&L 01.01.0001 - 10.01.0001"},
        {"last four weeks at the end", ViewMode::LastFourWeeks, "31.12.9999", "04.12.9999", "31.12.9999",
         nullptr},
        {"week at the start", ViewMode::Week, "01.01.0001", "01.01.0001", "08.01.0001", nullptr},
        {"year at the end", ViewMode::Year, "31.12.9999", "01.01.9999", "31.12.9999", "&J 9999"},
        {"month at the start", ViewMode::Month, "01.01.0001", "01.01.0001", "31.01.0001", nullptr},
    };

    for (const auto& row : kCases) {
        SCOPED_TRACE(row.label);
        const ViewRange range = viewRange(row.mode, date(row.evaluation));
        EXPECT_EQ(formatDate(range.start), row.first);
        EXPECT_EQ(formatDate(range.start + range.length), row.last);
        if (row.caption) {
            EXPECT_EQ(tabCaption(row.mode, date(row.evaluation)), row.caption);
        }
    }
}

TEST(ViewRange, ValidLinesGiveNoErrorsAtTheYearLimits)
{
    // Valid lines of every user block; the evaluators look around their range (a year back, the next
    // year's hit, the day before) and must find no dates of the year 0 or 10000 there.
    const std::vector<std::pair<BlockKind, std::vector<std::string>>> blocks = {
        {BlockKind::Birthdays, {"05.01.1970 Anna", "30.12.9999 Unbekannt"}},
        {BlockKind::NameDays, {"02.01. Basilius", "31.12. Silvester"}},
        {BlockKind::Weekly, {"Mo Sport"}},
        {BlockKind::TwoWeekly, {"01.01.0001 Zwei"}},
        {BlockKind::FourWeekly, {"01.01.0001 Vier"}},
        {BlockKind::SixWeekly, {"01.01.0001 Sechs"}},
        {BlockKind::Monthly, {"+01 Miete", "-01 Letzter"}},
        {BlockKind::Yearly, {"01.01. Neujahr", "31.12. Silvester"}},
        {BlockKind::SinceYears, {"01.01.0001 Seit |Jahren"}},
        {BlockKind::XthWeekday, {"1.Mo 00 Erster Montag", "9.Fr 12 Letzter Freitag"}},
        {BlockKind::EveryXDays, {"01.01.0001 003 Drei"}},
        {BlockKind::SchoolHolidays, {"01.01.0001-05.01.0001 Anfang", "27.12.9999-31.12.9999 Ende"}},
        {BlockKind::OneTime, {"01.01.0001 Erster", "31.12.9999 Letzter"}},
    };
    std::vector<std::string> file = test::infoAreaLines();
    for (const auto& [block, lines] : blocks) {
        file.push_back(toUtf8(BlockCatalogue::headerText(blockNumber(block))));
        file.insert(file.end(), lines.begin(), lines.end());
        file.emplace_back("@ E N D E");
    }
    test::EngineHarness harness;
    for (const char* evaluation : {"01.01.0001", "05.01.0001", "31.12.9999", "25.12.9999"}) {
        for (int mode = 0; mode < kViewModeCount; ++mode) {
            SCOPED_TRACE(std::string(evaluation) + " view " + std::to_string(mode));
            for (const auto pass : {EvaluationPass::Normal, EvaluationPass::ErrorCheck}) {
                const auto run = harness.run(file, evaluation, mode, pass);
                EXPECT_EQ(run.errorMessages(), std::vector<std::string>{});
                for (const std::string& text : run.texts())
                    EXPECT_EQ(text.find(".0000"), std::string::npos) << text;
            }
        }
    }
}

} // namespace
} // namespace notavi

namespace notavi {
namespace {

TEST(StepEvaluationDate, MovesByTheRangeAndStopsAtTheValidYears)
{
    struct Case
    {
        const char* name;
        ViewMode mode;
        const char* from;
        int direction;
        DateStep step;
        const char* to; // the date after the step (the old one when refused)
    };

    const Case cases[] = {
        {"week: seven days", ViewMode::Week, "07.12.2026", +1, DateStep::Moved, "14.12.2026"},
        {"four weeks back", ViewMode::LastFourWeeks, "07.12.2026", -1, DateStep::Moved, "09.11.2026"},
        {"month clips the day", ViewMode::Month, "31.01.2025", +1, DateStep::Moved, "28.02.2025"},
        {"year from a leap day", ViewMode::Year, "29.02.2024", +1, DateStep::Moved, "28.02.2025"},
        {"last year reachable", ViewMode::Year, "31.12.9998", +1, DateStep::Moved, "31.12.9999"},
        {"beyond 9999 refused", ViewMode::Year, "31.12.9999", +1, DateStep::OutOfRange, "31.12.9999"},
        {"month beyond 9999 refused", ViewMode::Month, "15.12.9999", +1, DateStep::OutOfRange, "15.12.9999"},
        {"week beyond 9999 refused", ViewMode::Week, "28.12.9999", +1, DateStep::OutOfRange, "28.12.9999"},
        {"last week of 9999 reachable", ViewMode::Week, "24.12.9999", +1, DateStep::Moved, "31.12.9999"},
        {"before year 1 refused", ViewMode::Year, "31.12.0001", -1, DateStep::OutOfRange, "31.12.0001"},
        {"four weeks before year 1 refused", ViewMode::FourWeeks, "10.01.0001", -1, DateStep::OutOfRange,
         "10.01.0001"},
        {"January of year 2 back to year 1", ViewMode::Month, "31.01.0002", -1, DateStep::Moved,
         "31.12.0001"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SteppedDate stepped =
            stepEvaluationDate(static_cast<int>(c.mode), test::date(c.from), c.direction);
        EXPECT_EQ(stepped.step, c.step);
        EXPECT_EQ(stepped.date, test::date(c.to));
    }
    EXPECT_EQ(stepEvaluationDate(7, test::date("07.12.2026"), +1).step, DateStep::UnknownMode);
}

} // namespace
} // namespace notavi
