// The Easter cycle and the Advent and Christmas cycle.

#include "support/internal_blocks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::EngineHarness;
using test::internalBlocksOnly;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kWeek = 0;
constexpr int kMonth = 2;
constexpr int kLastFourWeeks = 3;
constexpr int kYear = 4;

TEST(EasterCycle, AllFeastsOf2024)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Easter});
    auto run = h.run({}, "15.06.2024", kYear);
    EXPECT_THAT(
        run.entryTexts(),
        ElementsAre(
            "Am Donnerstag, dem 08.02.2024 ist Altweiberfastnacht.",
            "Am Montag, dem 12.02.2024 ist Rosenmontag.", "Am Mittwoch, dem 14.02.2024 ist Aschermittwoch.",
            "Am Sonntag, dem 24.03.2024 ist Palmsonntag.",
            "Am Donnerstag, dem 28.03.2024 ist Gründonnerstag.", "Am Freitag, dem 29.03.2024 ist Karfreitag.",
            "Am Sonntag, dem 31.03.2024 ist Ostersonntag.", "Am Montag, dem 01.04.2024 ist Ostermontag.",
            "Am Donnerstag, dem 09.05.2024 ist Christi Himmelfahrt (Vatertag).",
            "Am Sonntag, dem 19.05.2024 ist Pfingstsonntag.", "Am Montag, dem 20.05.2024 ist Pfingstmontag.",
            "Am Donnerstag, dem 30.05.2024 ist Fronleichnam."));
    for (const ViewEntry& entry : run.result.entries) {
        EXPECT_EQ(entry.block, blockNumber(BlockKind::Easter));
        EXPECT_EQ(entry.sourceLine, kInternalSourceLine);
    }
}

TEST(EasterCycle, EarlyEasterOf2008MeetsMayDay)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Easter, BlockKind::Holidays});
    auto run = h.run({}, "01.01.2008", kYear);
    const std::vector<std::string> texts = run.entryTexts();
    EXPECT_THAT(std::vector<std::string>(texts.begin(), texts.begin() + 3),
                ElementsAre("Am Dienstag, dem 01.01.2008 ist Neujahr.",
                            "Am Sonntag, dem 06.01.2008 ist der Feiertag \"Heilige Drei Könige\".",
                            "Am Donnerstag, dem 31.01.2008 ist Altweiberfastnacht."));
    EXPECT_THAT(texts, ::testing::Contains("Am Sonntag, dem 23.03.2008 ist Ostersonntag."));
    EXPECT_THAT(texts, ::testing::Contains("Am Donnerstag, dem 22.05.2008 ist Fronleichnam."));
    // Ascension and May Day fall on one day; the view orders them by text.
    auto mayDay = std::find(texts.begin(), texts.end(),
                            "Am Donnerstag, dem 01.05.2008 ist Christi Himmelfahrt (Vatertag).");
    ASSERT_NE(mayDay, texts.end());
    EXPECT_EQ(*(mayDay + 1), "Am Donnerstag, dem 01.05.2008 ist Maifeiertag.");
}

TEST(EasterCycle, NothingOutsideTheYearsOfTheRule)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Easter});
    EXPECT_THAT(h.run({}, "01.04.2100", kYear).entryTexts(), IsEmpty());
    EXPECT_THAT(h.run({}, "01.04.1899", kYear).entryTexts(), IsEmpty());
    EXPECT_EQ(h.run({}, "01.04.2099", kYear).entryTexts().size(), 12u);
}

TEST(EasterCycle, OnlyTheFeastsInTheRange)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Easter});
    EXPECT_THAT(h.run({}, "10.02.2024", kMonth).entryTexts(),
                ElementsAre("Am Donnerstag, dem 08.02.2024 ist Altweiberfastnacht.",
                            "Am Montag, dem 12.02.2024 ist Rosenmontag.",
                            "Am Mittwoch, dem 14.02.2024 ist Aschermittwoch."));
    // The range ends on the seventh day after the evaluation date, inclusive.
    EXPECT_THAT(h.run({}, "29.03.2024", kWeek).entryTexts(),
                ElementsAre("Heute (Freitag) ist Karfreitag.", "Übermorgen (Sonntag) ist Ostersonntag.",
                            "In 3 Tagen (Montag) ist Ostermontag."));
    EXPECT_THAT(h.run({}, "02.05.2024", kWeek).entryTexts(),
                ElementsAre("In einer Woche (Donnerstag) ist Christi Himmelfahrt (Vatertag)."));
}

TEST(EasterCycle, LastFourWeeksSayWarBeforeTheEvaluationDate)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Easter});
    h.options.weekdayRest = false;
    EXPECT_THAT(h.run({}, "29.03.2024", kLastFourWeeks).entryTexts(),
                ElementsAre("Am 24.03.2024 war Palmsonntag.", "Am 28.03.2024 war Gründonnerstag.",
                            "Am 29.03.2024 ist Karfreitag."));
}

TEST(AdventCycle, ChristmasEveOnASunday)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Advent});
    auto run = h.run({}, "01.01.2023", kYear);
    // On 24 December the fourth Advent and Christmas Eve share the day, ordered by text.
    EXPECT_THAT(run.entryTexts(), ElementsAre("Am Sonntag, dem 19.11.2023 ist Volkstrauertag.",
                                              "Am Mittwoch, dem 22.11.2023 ist Buß- und Bettag.",
                                              "Am Sonntag, dem 26.11.2023 ist Totensonntag.",
                                              "Am Sonntag, dem 03.12.2023 ist der 1. Advent.",
                                              "Am Sonntag, dem 10.12.2023 ist der 2. Advent.",
                                              "Am Sonntag, dem 17.12.2023 ist der 3. Advent.",
                                              "Am Sonntag, dem 24.12.2023 ist Heiligabend.",
                                              "Am Sonntag, dem 24.12.2023 ist der 4. Advent.",
                                              "Am Montag, dem 25.12.2023 ist der 1. Weihnachtstag.",
                                              "Am Dienstag, dem 26.12.2023 ist der 2. Weihnachtstag."));
    for (const ViewEntry& entry : run.result.entries)
        EXPECT_EQ(entry.block, blockNumber(BlockKind::Advent));
}

TEST(AdventCycle, ChristmasEveOnATuesday)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Advent});
    EXPECT_THAT(h.run({}, "01.12.2024", kMonth).entryTexts(),
                ElementsAre("Am Sonntag, dem 01.12.2024 ist der 1. Advent.",
                            "Am Sonntag, dem 08.12.2024 ist der 2. Advent.",
                            "Am Sonntag, dem 15.12.2024 ist der 3. Advent.",
                            "Am Sonntag, dem 22.12.2024 ist der 4. Advent.",
                            "Am Dienstag, dem 24.12.2024 ist Heiligabend.",
                            "Am Mittwoch, dem 25.12.2024 ist der 1. Weihnachtstag.",
                            "Am Donnerstag, dem 26.12.2024 ist der 2. Weihnachtstag."));
    EXPECT_THAT(h.run({}, "30.11.2024", kMonth).entryTexts(),
                ElementsAre("Am Sonntag, dem 17.11.2024 ist Volkstrauertag.",
                            "Am Mittwoch, dem 20.11.2024 ist Buß- und Bettag.",
                            "Am Sonntag, dem 24.11.2024 ist Totensonntag."));
}

} // namespace
} // namespace notavi
