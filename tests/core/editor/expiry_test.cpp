// When an appointment line has expired, and the period of a line that decides it.

#include "core/editor/appointment_period.h"
#include "core/editor/expiry.h"
#include "support/engine_harness.h"

#include <gtest/gtest.h>

namespace notavi::test {
namespace {

TEST(AppointmentPeriod, FoundAtTheOptionStartOfEachBlock)
{
    const struct
    {
        const char* what;
        BlockKind block;
        const char* line;
        std::size_t start; // 0-based index of the period's "~"; 0 = no period
    } kCases[] = {
        {"birthday", BlockKind::Birthdays, "01.02.1990 ~01.01.2024-31.01.2024~ Anna", 11},
        {"name day", BlockKind::NameDays, "01.02 ~01.01.2024-31.01.2024~ Anna", 6},
        {"weekly", BlockKind::Weekly, "Mo ~01.01.2024-31.01.2024~ Sport", 3},
        {"monthly", BlockKind::Monthly, "+15 ~01.01.2024-31.01.2024~ Miete", 4},
        {"x-th weekday", BlockKind::XthWeekday, "1.Mo 00 ~01.01.2024-31.01.2024~ A", 8},
        {"every x days, three digits", BlockKind::EveryXDays, "05.07.2002 021 ~01.01.2024-31.01.2024~ A", 15},
        {"every x days, two digits", BlockKind::EveryXDays, "05.07.2002 21 ~01.01.2024-31.01.2024~ A", 14},
        {"after the holiday flag", BlockKind::Weekly, "Mo ~f~ ~01.01.2024-31.01.2024~ Sport", 7},
        {"a period out of place is none", BlockKind::Weekly, "Mo ~08:00~ ~01.01.2024-31.01.2024~ A", 0},
        {"end before the beginning", BlockKind::Weekly, "Mo ~01.02.2024-31.01.2024~ A", 0},
        {"an invalid date", BlockKind::Weekly, "Mo ~01.01.2024-32.01.2024~ A", 0},
        {"one-time lines have none", BlockKind::OneTime, "05.12.2024 ~01.01.2024-31.01.2024~ A", 0},
        {"school holidays have none", BlockKind::SchoolHolidays,
         "01.08.2024-10.08.2024 ~01.01.2024-31.01.2024~ A", 0},
        {"a line ending before its options", BlockKind::Birthdays, "01.02.1990", 0},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        const std::optional<AppointmentPeriod> period = appointmentPeriod(c.block, c.line);
        ASSERT_EQ(period.has_value(), c.start != 0);
        if (!period)
            continue;
        EXPECT_EQ(period->start, c.start);
        EXPECT_EQ(period->first, date("01.01.2024"));
        EXPECT_EQ(period->last, date("31.01.2024"));
    }
}

TEST(Expiry, DecisiveDayAgainstTheLimitDay)
{
    const struct
    {
        const char* what;
        BlockKind block;
        const char* line;
        const char* limitDay;
        bool expired;
    } kCases[] = {
        {"one-time yesterday", BlockKind::OneTime, "09.03.2024 Arzt", "10.03.2024", true},
        {"one-time today", BlockKind::OneTime, "10.03.2024 Arzt", "10.03.2024", false},
        {"holidays by their last day", BlockKind::SchoolHolidays, "01.03.2024-10.03.2024 Ferien",
         "10.03.2024", false},
        {"holidays after their last day", BlockKind::SchoolHolidays, "01.03.2024-09.03.2024 Ferien",
         "10.03.2024", true},
        {"weekly period on its last day", BlockKind::Weekly, "Mo ~01.01.2024-31.01.2024~ Sport", "31.01.2024",
         false},
        {"weekly period the day after", BlockKind::Weekly, "Mo ~01.01.2024-31.01.2024~ Sport", "01.02.2024",
         true},
        {"weekly without period never", BlockKind::Weekly, "Mo Sport", "01.01.9999", false},
        {"birthday without period never", BlockKind::Birthdays, "01.02.1900 Anna", "01.01.9999", false},
        {"a running period after the holiday flag", BlockKind::Monthly,
         "+15 ~F~ ~01.01.2024-31.01.2024~ Miete", "01.02.2024", true},
        {"deactivated one-time never", BlockKind::OneTime, "~09.03.2020 Arzt", "10.03.2024", false},
        {"comment never", BlockKind::OneTime, "*09.03.2020 Arzt", "10.03.2024", false},
        {"an invalid date never", BlockKind::OneTime, "31.02.2020 Arzt", "10.03.2024", false},
        {"an invalid period never", BlockKind::Weekly, "Mo ~01.01.2024-31.13.2024~ Sport", "10.03.2025",
         false},
        {"blank never", BlockKind::OneTime, "   ", "10.03.2024", false},
    };

    for (const auto& c : kCases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(isExpired(c.block, cp(c.line), date(c.limitDay)), c.expired);
    }
}

TEST(Expiry, AgeLimitOfTheAutomaticDeletion)
{
    const DayNumber appointment = date("01.03.2024");
    const auto expiredOn = [&](DayNumber today, int ageLimit) {
        return appointment < automaticLimitDay(today, ageLimit);
    };
    EXPECT_TRUE(expiredOn(appointment + 1, 1)) << "limit 1: gone the day after";
    EXPECT_FALSE(expiredOn(appointment, 1));
    EXPECT_FALSE(expiredOn(appointment + 6, 7)) << "limit 7: kept for six days";
    EXPECT_TRUE(expiredOn(appointment + 7, 7));
    // A limit of 0 or less from a hand-edited notavi.ini would delete today's appointments.
    EXPECT_FALSE(expiredOn(appointment, 0));
    EXPECT_FALSE(expiredOn(appointment, -5));
    EXPECT_EQ(automaticLimitDay(appointment, 100000), appointment - 9998);
    EXPECT_EQ(interactiveLimitDay(appointment), appointment);
}

} // namespace
} // namespace notavi::test
