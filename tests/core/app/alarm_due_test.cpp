#include "core/app/alarm_due.h"
#include "core/app/day_watch.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

using Texts = std::vector<std::string>;

TEST(TakeDueAlarms, RaisesEachAlarmOnceAtItsMinute)
{
    Alarms alarms = {{7 * 60 + 30, "Heute Zahnarzt"}, {9 * 60, "Heute Friseur"}};
    EXPECT_EQ(takeDueAlarms(alarms, 7 * 60 + 29), Texts{});
    EXPECT_EQ(takeDueAlarms(alarms, 7 * 60 + 30), Texts{"Heute Zahnarzt"});
    EXPECT_EQ(alarms[0].minuteOfDay, kRaisedAlarmMinute);
    // The next tick of the same minute, and every later one, leaves it alone.
    EXPECT_EQ(takeDueAlarms(alarms, 7 * 60 + 30), Texts{});
    EXPECT_EQ(takeDueAlarms(alarms, 1439), Texts{"Heute Friseur"});
    EXPECT_EQ(takeDueAlarms(alarms, 1439), Texts{});
}

TEST(TakeDueAlarms, AlarmsOfOneMinuteRingTogetherInListOrder)
{
    Alarms alarms = {{600, "Heute B"}, {601, "Heute C"}, {600, "Heute A"}};
    EXPECT_EQ(takeDueAlarms(alarms, 600), (Texts{"Heute B", "Heute A"}));
    EXPECT_EQ(alarms[1].minuteOfDay, 601);
}

TEST(TakeDueAlarms, AMinuteWithoutATickDoesNotLoseItsAlarm)
{
    Alarms alarms = {{600, "Heute verschlafen"}};
    EXPECT_EQ(takeDueAlarms(alarms, 605), Texts{"Heute verschlafen"});
}

TEST(TakeDueAlarms, MidnightAlarmRingsAtMidnight)
{
    Alarms alarms = {{0, "Heute Neujahr"}};
    EXPECT_EQ(takeDueAlarms(alarms, 0), Texts{"Heute Neujahr"});
}

TEST(AlarmClockRings, OnlyWhenSetForThisMinuteAndThenSwitchesOff)
{
    struct Case
    {
        bool active;
        int minute;
        int now;
        bool rings;
    };

    const Case cases[] = {
        {true, 420, 420, true},   // its minute
        {true, 420, 419, false},  // before
        {true, 420, 421, false},  // a time already passed waits for tomorrow
        {false, 420, 420, false}, // switched off
        {true, 0, 0, true},       // midnight
    };
    for (const Case& c : cases) {
        AlarmClockSettings alarmClock{.active = c.active, .minuteOfDay = c.minute, .message = "Tee"};
        EXPECT_EQ(alarmClockRings(alarmClock, c.now), c.rings) << c.minute << " at " << c.now;
        EXPECT_EQ(alarmClock.active, c.active && !c.rings);
        EXPECT_EQ(alarmClock.minuteOfDay, c.minute);
    }
}

TEST(DayWatch, NoticesEachLaterDayOnce)
{
    DayWatch watch(45000);
    EXPECT_FALSE(watch.newDayBegun(45000));
    EXPECT_TRUE(watch.newDayBegun(45001));
    EXPECT_FALSE(watch.newDayBegun(45001));
    EXPECT_EQ(watch.lastKnownDate(), 45001);
    // Waking after three days is one change; a clock set back is none.
    EXPECT_TRUE(watch.newDayBegun(45004));
    EXPECT_FALSE(watch.newDayBegun(45002));
    EXPECT_EQ(watch.lastKnownDate(), 45004);
}

TEST(EvaluationDateOnNewDay, FollowsTheCalendarOnlyFromTheOldToday)
{
    EXPECT_EQ(evaluationDateOnNewDay(45000, 45000, 45001), 45001);
    EXPECT_EQ(evaluationDateOnNewDay(44600, 45000, 45001), 44600); // last year's view stays
    EXPECT_EQ(evaluationDateOnNewDay(45001, 45000, 45001), 45001); // already on the new day
}

} // namespace
} // namespace notavi
