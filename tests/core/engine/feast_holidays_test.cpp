// The fixed public and commemorative days.

#include "support/internal_blocks.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::EngineHarness;
using test::internalBlocksOnly;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kFourWeeks = 1;
constexpr int kMonth = 2;
constexpr int kLastFourWeeks = 3;
constexpr int kYear = 4;

TEST(Holidays, AllFixedDaysOf2024)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Holidays});
    auto run = h.run({}, "15.06.2024", kYear);
    EXPECT_THAT(
        run.entryTexts(),
        ElementsAre(
            "Am Montag, dem 01.01.2024 ist Neujahr.",
            "Am Samstag, dem 06.01.2024 ist der Feiertag \"Heilige Drei Könige\".",
            "Am Freitag, dem 02.02.2024 ist Mariä Lichtmess.",
            "Am Mittwoch, dem 14.02.2024 ist Valentinstag.", "Am Mittwoch, dem 01.05.2024 ist Maifeiertag.",
            "Am Donnerstag, dem 15.08.2024 ist Mariä Himmelfahrt.",
            "Am Donnerstag, dem 03.10.2024 ist Tag der Deutschen Einheit.",
            "Am Donnerstag, dem 31.10.2024 ist Reformationstag.",
            "Am Freitag, dem 01.11.2024 ist Allerheiligen.", "Am Samstag, dem 02.11.2024 ist Allerseelen.",
            "Am Freitag, dem 06.12.2024 ist Nikolaustag.", "Am Dienstag, dem 31.12.2024 ist Silvester."));
    for (const ViewEntry& entry : run.result.entries) {
        EXPECT_EQ(entry.block, blockNumber(BlockKind::Holidays));
        EXPECT_EQ(entry.sourceLine, kInternalSourceLine);
    }
}

TEST(Holidays, RangeFromDecemberFindsNewYearAndEpiphanyOfTheNextYear)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Advent, BlockKind::Holidays});
    EXPECT_THAT(h.run({}, "20.12.2024", kFourWeeks).entryTexts(),
                ElementsAre("Am Sonntag, dem 22.12.2024 ist der 4. Advent.",
                            "Am Dienstag, dem 24.12.2024 ist Heiligabend.",
                            "Am Mittwoch, dem 25.12.2024 ist der 1. Weihnachtstag.",
                            "Am Donnerstag, dem 26.12.2024 ist der 2. Weihnachtstag.",
                            "Am Dienstag, dem 31.12.2024 ist Silvester.",
                            "Am Mittwoch, dem 01.01.2025 ist Neujahr.",
                            "Am Montag, dem 06.01.2025 ist der Feiertag \"Heilige Drei Könige\"."));
    // The last four weeks up to 10 January start in December as well.
    h = internalBlocksOnly({BlockKind::Holidays});
    EXPECT_THAT(h.run({}, "10.01.2025", kLastFourWeeks).entryTexts(),
                ElementsAre("Am Dienstag, dem 31.12.2024 war Silvester.",
                            "Am Mittwoch, dem 01.01.2025 war Neujahr.",
                            "Am Montag, dem 06.01.2025 war der Feiertag \"Heilige Drei Könige\"."));
    // Ranges starting in January take the days of their own year.
    EXPECT_THAT(h.run({}, "02.02.2025", kLastFourWeeks).entryTexts(),
                ElementsAre("Am Montag, dem 06.01.2025 war der Feiertag \"Heilige Drei Könige\".",
                            "Am Sonntag, dem 02.02.2025 ist Mariä Lichtmess."));
    EXPECT_THAT(h.run({}, "06.01.2025", kFourWeeks).entryTexts(),
                ElementsAre("Am Montag, dem 06.01.2025 ist der Feiertag \"Heilige Drei Könige\".",
                            "Am Sonntag, dem 02.02.2025 ist Mariä Lichtmess."));
}

TEST(Holidays, DecemberRangeEndingInTheOldYearHasNoJanuaryDays)
{
    EngineHarness h = internalBlocksOnly({BlockKind::Holidays});
    EXPECT_THAT(h.run({}, "01.12.2024", kMonth).entryTexts(),
                ElementsAre("Am Freitag, dem 06.12.2024 ist Nikolaustag.",
                            "Am Dienstag, dem 31.12.2024 ist Silvester."));
    EXPECT_THAT(h.run({}, "01.03.2024", kMonth).entryTexts(), IsEmpty());
}

} // namespace
} // namespace notavi
