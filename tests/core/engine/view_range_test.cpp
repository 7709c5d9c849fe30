#include "core/engine/view_range.h"
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
