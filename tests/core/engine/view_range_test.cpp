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
