// The moon-phase block in the view: range, clock times, the time-zone bias and the year views.

#include "support/internal_blocks.h"

#include <array>
#include <string_view>

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

EngineHarness moonOnly(std::initializer_list<MoonPhase> phases)
{
    EngineHarness h = internalBlocksOnly({BlockKind::MoonPhases});
    h.options.moonPhaseShown.fill(false);
    for (MoonPhase phase : phases)
        h.options.moonPhaseShown[static_cast<std::size_t>(phase)] = true;
    return h;
}

EngineHarness allPhases()
{
    return moonOnly(
        {MoonPhase::NewMoon, MoonPhase::FirstQuarter, MoonPhase::FullMoon, MoonPhase::LastQuarter});
}

TEST(MoonPhaseView, PhasesOfJanuary2000InUniversalTime)
{
    EngineHarness h = allPhases();
    auto run = h.run({}, "01.01.2000", kMonth);
    EXPECT_THAT(run.entryTexts(),
                ElementsAre("Am Donnerstag, dem 06.01.2000 ist Neumond (18:14 Uhr).",
                            "Am Freitag, dem 14.01.2000 ist zunehmender Halbmond (13:35 Uhr).",
                            "Am Freitag, dem 21.01.2000 ist Vollmond (04:41 Uhr).",
                            "Am Freitag, dem 28.01.2000 ist abnehmender Halbmond (07:57 Uhr)."));
    for (const ViewEntry& entry : run.result.entries) {
        EXPECT_EQ(entry.block, blockNumber(BlockKind::MoonPhases));
        EXPECT_EQ(entry.sourceLine, kInternalSourceLine);
    }
}

TEST(MoonPhaseView, LocalTimeIsUniversalTimeMinusTheBias)
{
    // Full moon of 16 June 2000 at 22:28 universal time.
    EngineHarness h = moonOnly({MoonPhase::FullMoon});

    struct Case
    {
        int bias;
        const char* text;
    };

    for (Case c : {Case{0, "Am Freitag, dem 16.06.2000 ist Vollmond (22:28 Uhr)."},
                   Case{-60, "Am Freitag, dem 16.06.2000 ist Vollmond (23:28 Uhr)."},
                   Case{-90, "Am Freitag, dem 16.06.2000 ist Vollmond (23:58 Uhr)."},
                   Case{-94, "Am Samstag, dem 17.06.2000 ist Vollmond (00:02 Uhr)."},
                   Case{-120, "Am Samstag, dem 17.06.2000 ist Vollmond (00:28 Uhr)."},
                   Case{300, "Am Freitag, dem 16.06.2000 ist Vollmond (17:28 Uhr)."}}) {
        h.utcBias = c.bias;
        EXPECT_THAT(h.run({}, "01.06.2000", kMonth).entryTexts(), ElementsAre(c.text)) << c.bias;
    }
}

TEST(MoonPhaseView, BiasDecidesWhetherAnEventIsInTheRange)
{
    EngineHarness h = moonOnly({MoonPhase::FullMoon});
    h.utcBias = -120;
    EXPECT_THAT(h.run({}, "17.06.2000", kWeek).entryTexts(),
                ElementsAre("Heute (Samstag) ist Vollmond (00:28 Uhr)."));
    EXPECT_THAT(h.run({}, "10.06.2000", kWeek).entryTexts(),
                ElementsAre("In einer Woche (Samstag) ist Vollmond (00:28 Uhr)."));
    // In universal time the event is on the 16th: before the first range, inside the second.
    h.utcBias = 0;
    EXPECT_THAT(h.run({}, "17.06.2000", kWeek).entryTexts(), IsEmpty());
    EXPECT_THAT(h.run({}, "10.06.2000", kWeek).entryTexts(),
                ElementsAre("In 6 Tagen (Freitag) ist Vollmond (22:28 Uhr)."));
    // An event just after midnight UT moves to the evening before with a bias west of Greenwich.
    h = moonOnly({MoonPhase::LastQuarter});
    h.utcBias = 60;
    EXPECT_THAT(h.run({}, "28.03.2000", kWeek).entryTexts(), IsEmpty());
    EXPECT_THAT(h.run({}, "27.03.2000", kWeek).entryTexts(),
                ElementsAre("Heute (Montag) ist abnehmender Halbmond (23:21 Uhr)."));
}

TEST(MoonPhaseView, TwoFullMoonsInOneMonth)
{
    EngineHarness h = moonOnly({MoonPhase::FullMoon});
    EXPECT_THAT(h.run({}, "15.08.2023", kMonth).entryTexts(),
                ElementsAre("Am Dienstag, dem 01.08.2023 ist Vollmond (18:32 Uhr).",
                            "Am Donnerstag, dem 31.08.2023 ist Vollmond (01:36 Uhr)."));
}

// Without the clock time each text ends with the phase and a full stop.
TEST(MoonPhaseView, LastFourWeeksSayWarBeforeTheEvaluationDate)
{
    EngineHarness h = allPhases();
    h.options.moonPhaseTime = false;
    EXPECT_THAT(h.run({}, "28.01.2000", kLastFourWeeks).entryTexts(),
                ElementsAre("Am Donnerstag, dem 06.01.2000 war Neumond.",
                            "Am Freitag, dem 14.01.2000 war zunehmender Halbmond.",
                            "Am Freitag, dem 21.01.2000 war Vollmond.",
                            "Am Freitag, dem 28.01.2000 ist abnehmender Halbmond."));
}

int phaseOf(std::string_view text)
{
    static constexpr std::array<std::string_view, 4> kEndings = {" Neumond.", " zunehmender Halbmond.",
                                                                 " Vollmond.", " abnehmender Halbmond."};
    for (std::size_t phase = 0; phase < kEndings.size(); ++phase)
        if (text.ends_with(kEndings[phase]))
            return static_cast<int>(phase);
    return -1;
}

DayNumber dayOfSortKey(const std::string& key)
{
    return toDayNumber(std::stoi(key.substr(0, 4)), std::stoi(key.substr(4, 2)), std::stoi(key.substr(6, 2)));
}

// Every year view from 1900 to 2099, in Central European time: each phase 12 or 13 times a year,
// the phases in their cycle without a gap or a repetition, also across the turns of the years.
TEST(MoonPhaseView, YearViewsOf1900To2099HaveEveryEventOnce)
{
    EngineHarness h = allPhases();
    h.options.moonPhaseTime = false;
    h.utcBias = -60;
    int previousPhase = -1;
    std::array<DayNumber, 4> previousDay{};
    for (int year = 1900; year <= 2099; ++year) {
        auto run = h.run({}, "01.07." + std::to_string(year), kYear);
        std::array<int, 4> count{};
        for (const ViewEntry& entry : run.result.entries) {
            const int phase = phaseOf(entry.text());
            ASSERT_GE(phase, 0) << entry.text();
            if (previousPhase >= 0) {
                ASSERT_EQ(phase, (previousPhase + 1) % 4) << entry.text();
            }
            const DayNumber day = dayOfSortKey(entry.sortKey());
            const std::size_t p = static_cast<std::size_t>(phase);
            if (previousDay[p] != 0) {
                ASSERT_GE(day - previousDay[p], 29) << entry.text();
                ASSERT_LE(day - previousDay[p], 30) << entry.text();
            }
            previousPhase = phase;
            previousDay[p] = day;
            ++count[p];
        }
        for (int phaseCount : count) {
            EXPECT_GE(phaseCount, 12) << year;
            EXPECT_LE(phaseCount, 13) << year;
        }
    }
}

} // namespace
} // namespace notavi
