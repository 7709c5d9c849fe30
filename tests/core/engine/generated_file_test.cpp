// A generated file with every block, every option combination and faulty lines, in every view
// around the turns of month, year and leap day: no crash, a sound view, stable output.

#include "sample/sample_file.h"
#include "support/engine_harness.h"

#include <algorithm>

#include <gtest/gtest.h>

namespace notavi {
namespace {

void expectSoundView(const test::HarnessRun& run, std::size_t lineCount, const std::string& where)
{
    const ViewEntries& entries = run.result.entries;
    EXPECT_TRUE(std::is_sorted(entries.begin(), entries.end(), [](const ViewEntry& a, const ViewEntry& b) {
        return a.sortKey() != b.sortKey() ? a.sortKey() < b.sortKey() : a.text() < b.text();
    })) << where;
    for (const ViewEntry& entry : entries) {
        EXPECT_EQ(entry.text().find("*** Fehler"), std::string::npos) << where << ": " << entry.text();
        EXPECT_TRUE(entry.isSeparator() || entry.textLength() != 0) << where;
        EXPECT_TRUE(entry.sourceLine == kInternalSourceLine || entry.sourceLine == kSeparatorSourceLine ||
                    static_cast<std::size_t>(entry.sourceLine) < lineCount)
            << where;
        EXPECT_LE(entry.colour, 17) << where;
    }
    EXPECT_TRUE(entries.empty() || !entries.back().isSeparator()) << where;
}

TEST(GeneratedFile, EveryViewAtTheTurnsOfTheCalendar)
{
    test::EngineHarness h;
    h.options.thousandDayBirthdays = true;
    const Lines file = bench::sampleFileWithFaults(3000, 7);
    for (const char* date :
         {"28.12.2026", "31.12.2024", "01.01.2025", "29.02.2024", "28.02.2023", "31.01.2025"}) {
        h.today = test::date(date);
        for (int view = 0; view < 5; ++view) {
            const std::string where = std::string(date) + " view " + std::to_string(view);
            test::HarnessRun first = h.runLines(file, test::date(date), view);
            ASSERT_TRUE(first.result.ok) << where;
            EXPECT_TRUE(first.result.corrected) << where << ": outdated headers and a missing end line";
            expectSoundView(first, first.lines.size(), where);
            // The repaired file gives the same view and needs no further repair.
            test::HarnessRun second = h.runLines(first.lines, test::date(date), view);
            EXPECT_FALSE(second.result.corrected) << where;
            EXPECT_EQ(second.result.entries, first.result.entries) << where;
        }
    }
}

TEST(GeneratedFile, CheckAndAlarmPassesShowNothingAndAreStable)
{
    test::EngineHarness h;
    h.today = test::date("07.12.2026");
    h.minuteOfDay = 0;
    const Lines file = bench::sampleFileWithFaults(3000, 11);
    test::HarnessRun check = h.runLines(file, h.today, 0, EvaluationPass::ErrorCheck);
    EXPECT_TRUE(check.result.entries.empty());
    EXPECT_GT(check.errors.size(), 100u) << "a fifth of the lines is faulty";
    test::HarnessRun again = h.runLines(file, h.today, 0, EvaluationPass::ErrorCheck);
    EXPECT_EQ(again.errors, check.errors);
    test::HarnessRun alarms = h.runLines(file, h.today, 4, EvaluationPass::Alarm);
    EXPECT_TRUE(alarms.result.entries.empty());
    for (const Alarm& alarm : alarms.alarms) {
        EXPECT_GE(alarm.minuteOfDay, 0);
        EXPECT_LT(alarm.minuteOfDay, 24 * 60);
        EXPECT_EQ(alarm.text.rfind("Heute ", 0), 0u);
    }
}

} // namespace
} // namespace notavi
