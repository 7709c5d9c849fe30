// The sentence of an entry and the effect of the line options, seen through one-time appointments.

#include "core/engine/evaluation.h"
#include "support/engine_harness.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

namespace notavi {
namespace {

using test::EngineHarness;
using test::fileWithBlock;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const char* kOneTime = "Einmalige Termine:  TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ereignis";

std::vector<std::string> oneTime(const std::vector<std::string>& lines)
{
    return fileWithBlock(kOneTime, lines);
}

TEST(Composition, DayWordsOfTheWeekView)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    // 07.12.2026 is a Monday.
    auto run = h.run(oneTime({"07.12.2026 A", "08.12.2026 B", "09.12.2026 C", "10.12.2026 D", "13.12.2026 E",
                              "14.12.2026 F", "15.12.2026 G"}),
                     "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) A", "Morgen (Dienstag) B",
                                              "Übermorgen (Mittwoch) C", "In 3 Tagen (Donnerstag) D",
                                              "In 6 Tagen (Sonntag) E", "In einer Woche (Montag) F"));
    h.options.weekdayToday = false;
    run = h.run(oneTime({"09.12.2026 C"}), "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Übermorgen C"));
}

TEST(Composition, DatePhraseOfTheOtherViews)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    for (int view : {1, 2, 3, 4}) {
        h.options.weekdayRest = true;
        auto run = h.run(oneTime({"09.12.2026 C"}), "09.12.2026", view);
        EXPECT_THAT(run.entryTexts(), ElementsAre("Am Mittwoch, dem 09.12.2026 C")) << view;
        h.options.weekdayRest = false;
        run = h.run(oneTime({"09.12.2026 C"}), "09.12.2026", view);
        EXPECT_THAT(run.entryTexts(), ElementsAre("Am 09.12.2026 C")) << view;
    }
}

TEST(Composition, ColourAndSourceLine)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(oneTime({"07.12.2026 ~17~ Orange", "07.12.2026 ~18~ Falsch"}), "07.12.2026", 0);
    ASSERT_EQ(run.result.entries.size(), 2u);
    EXPECT_EQ(run.result.entries[0].text(), "Heute (Montag) Falsch");
    EXPECT_EQ(run.result.entries[0].colour, 0);
    EXPECT_EQ(run.result.entries[1].colour, 17);
    EXPECT_EQ(run.result.entries[1].sourceLine, 12);
    EXPECT_EQ(run.result.entries[1].block, 12);
    EXPECT_EQ(run.result.entries[1].sortKey(), "20261207 ");
    EXPECT_THAT(
        run.errorMessages(),
        ElementsAre("Die Terminzeile  \"07.12.2026 ~18~ Falsch\" enthält den ungültigen Farbcode \"18\".  "
                    "Es wird daher der Standardfarbcode berücksichtigt. (Einmalige Termine;14)"));
}

TEST(Composition, PeriodIsIgnoredWithAMessageInOneTimeLines)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(oneTime({"07.12.2026 ~01.01.2020-02.01.2020~ Text"}), "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) Text"));
    EXPECT_THAT(
        run.errorMessages(),
        ElementsAre("Die Terminzeile \"07.12.2026 ~01.01.2020-02.01.2020~ Text\" enthält einen "
                    "Terminzeitraum. Termine im Terminblock Einmalige Termine dürfen keinen Terminzeitraum "
                    "enthalten. Der Terminzeitraum wird daher ignoriert. (Einmalige Termine;13)"));
}

TEST(Composition, InvalidAlarmIsReportedAndDropped)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    h.today = test::date("07.12.2026");
    h.minuteOfDay = 0;
    auto run = h.run(oneTime({"07.12.2026 ~24:00~ Text"}), "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) Text"));
    EXPECT_THAT(run.alarms, IsEmpty());
    EXPECT_THAT(run.errorMessages(),
                ElementsAre("Die Terminzeile  \"07.12.2026 ~24:00~ Text\" enthält die ungültige "
                            "Alarmzeit \"24:00\". (Einmalige Termine;13)"));
}

TEST(Composition, AlarmsOfToday)
{
    struct Case
    {
        int now;
        const char* alarm;
        bool registered;
    };

    for (Case c : {Case{0, "00:00", true}, Case{7 * 60 + 59, "08:00", true}, Case{8 * 60, "08:00", false},
                   Case{9 * 60, "08:00", false}, Case{1, "00:00", false}}) {
        EngineHarness h = EngineHarness::userBlocksOnly();
        h.today = test::date("07.12.2026");
        h.minuteOfDay = c.now;
        auto run = h.run(
            oneTime({std::string("07.12.2026 ~") + c.alarm + "~ Zahnarzt", "08.12.2026 ~09:00~ Morgen"}),
            "07.12.2026", 1);
        if (c.registered) {
            ASSERT_EQ(run.alarms.size(), 1u) << c.alarm << " at " << c.now;
            EXPECT_EQ(run.alarms[0].text, "Heute Zahnarzt");
        } else {
            EXPECT_THAT(run.alarms, IsEmpty()) << c.alarm << " at " << c.now;
        }
    }
}

TEST(Composition, AlarmPassCollectsAlarmsWithoutEntries)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    h.today = test::date("07.12.2026");
    h.minuteOfDay = 60;
    auto run = h.run(oneTime({"07.12.2026 ~08:00~ Zahnarzt"}), "07.12.2026", 4, EvaluationPass::Alarm);
    EXPECT_THAT(run.result.entries, IsEmpty());
    ASSERT_EQ(run.alarms.size(), 1u);
    EXPECT_EQ(run.alarms[0].minuteOfDay, 8 * 60);
}

TEST(Composition, ARangeWithoutTodayKeepsTheAlarms)
{
    DisplayOptions options;
    FixedClock clock(test::date("07.12.2026"), 60);
    SilentLineErrorSink sink;
    Alarms alarms = {{8 * 60, "Heute Alt"}};
    EvaluationContext context{options, clock, sink, alarms};
    Lines lines = test::cpLines(oneTime({"07.12.2026 ~09:00~ Neu"}));
    evaluateView(lines, context, test::date("01.01.2027"), 0);
    EXPECT_EQ(alarms.size(), 1u);
    evaluateView(lines, context, test::date("07.12.2026"), 0);
    ASSERT_EQ(alarms.size(), 1u);
    EXPECT_EQ(alarms[0].text, "Heute Neu");
}

TEST(Composition, HolidayFlagHidesEntryButStillChecksTheLine)
{
    EngineHarness h = EngineHarness::userBlocksOnly();
    h.today = test::date("07.12.2026");
    h.minuteOfDay = 0;
    std::vector<std::string> file =
        oneTime({"07.12.2026 ~F~ ~08:00~ ~99~ Schule", "08.12.2026 ~F~ Schule 2"});
    file.insert(file.end(), {"Ferien:  TT.MM.JJJJ-TT.MM.JJJJ [~F~ ][~hh:mm~ ][~xx~ ]Ferienname",
                             "01.12.2026-07.12.2026 Herbstferien", "@ E N D E"});
    auto run = h.run(file, "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(),
                ElementsAre("Heute (Montag) enden die Herbstferien.", "Morgen (Dienstag) Schule 2"));
    EXPECT_THAT(run.alarms, IsEmpty());
    ASSERT_EQ(run.errors.size(), 1u);
    EXPECT_NE(run.errorMessages()[0].find("ungültigen Farbcode \"99\""), std::string::npos);
}

TEST(Composition, PeriodOfOtherBlocksIsCheckedThroughTheDateCheck)
{
    // A period in a holiday line is refused like in one-time lines.
    EngineHarness h = EngineHarness::userBlocksOnly();
    auto run = h.run(fileWithBlock("Ferien:", {"07.12.2026-07.12.2026 ~01.01.2026-31.12.2026~ Tag"}),
                     "07.12.2026", 0);
    EXPECT_THAT(run.entryTexts(), ElementsAre("Heute (Montag) sind die Tag."));
    ASSERT_EQ(run.errors.size(), 1u); // the header is adapted silently outside the check pass
    EXPECT_TRUE(run.result.corrected);
    EXPECT_NE(run.errorMessages()[0].find("Termine im Terminblock Ferien dürfen keinen"), std::string::npos);
}

struct PeriodCase
{
    const char* period;
    int dayOffset;
    bool shown;
    const char* message; // part of the one message, or nullptr
};

class PeriodOfARecurringLine : public ::testing::TestWithParam<PeriodCase>
{
};

TEST_P(PeriodOfARecurringLine, HidesOutsideAndReportsFaults)
{
    const PeriodCase& c = GetParam();
    DisplayOptions options;
    FixedClock clock(0, 0);
    CollectingLineErrorSink sink;
    Alarms alarms;
    EvaluationContext context{options, clock, sink, alarms};
    Lines lines = {std::string("Mo ") + c.period + " Text"};
    Evaluation ev(lines, context, EvaluationPass::Normal, ViewMode::FourWeeks,
                  ViewRange{test::date("01.12.2026"), 27});
    ev.dayOffset = c.dayOffset;
    ev.entryText = lines[0].substr(3);
    ev.compose("", true, BlockKind::Weekly);
    EXPECT_EQ(ev.entryCount(), c.shown ? 1u : 0u) << c.period;
    if (c.message) {
        ASSERT_EQ(sink.errors.size(), 1u) << c.period;
        EXPECT_NE(toUtf8(sink.errors[0].message).find(c.message), std::string::npos)
            << sink.errors[0].message;
        EXPECT_EQ(toUtf8(sink.errors[0].blockName), "Wöchentliche Termine");
    } else {
        EXPECT_TRUE(sink.errors.empty()) << c.period;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Composition, PeriodOfARecurringLine,
    ::testing::Values(PeriodCase{"~01.12.2026-10.12.2026~", 0, true, nullptr},
                      PeriodCase{"~01.12.2026-10.12.2026~", 9, true, nullptr},
                      PeriodCase{"~01.12.2026-10.12.2026~", 10, false, nullptr},
                      PeriodCase{"~02.12.2026-10.12.2026~", 0, false, nullptr},
                      PeriodCase{"~10.12.2026-01.12.2026~", 20, true,
                                 "enthält unsinnige Angaben zum Terminzeitram.\rDas Ende des Terminzeiraums "
                                 "(01.12.2026) liegt vor dem Beginn des Terminzeitraums (10.12.2026).\rDer "
                                 "Terminzeitraum wird daher ignoriert."},
                      PeriodCase{"~31.11.2026-10.12.2026~", 20, true,
                                 "enthält im Terminzeitraum das nicht korrekte Datum \"31.11.2026\". Der "
                                 "Terminzeitraum wird daher ignoriert."}));

} // namespace
} // namespace notavi
