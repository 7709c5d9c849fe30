#include "core/calendar/day_number.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(DayNumber, KnownAnchors)
{
    struct Case
    {
        int y, m, d;
        DayNumber day;
    };

    for (Case c : {Case{1899, 12, 30, 0}, Case{1900, 1, 1, 2}, Case{1900, 3, 1, 61}, Case{2000, 1, 1, 36526},
                   Case{2024, 2, 29, 45351}, Case{1, 1, 1, -693593}, Case{9999, 12, 31, 2958465}}) {
        EXPECT_EQ(toDayNumber(c.y, c.m, c.d), c.day) << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(toCivil(c.day), (CivilDate{c.y, c.m, c.d}));
    }
}

TEST(DayNumber, RoundTripsEveryDayOfTheSupportedYears)
{
    DayNumber expected = toDayNumber(1, 1, 1);
    for (int y = 1; y <= 9999; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= daysInMonth(y, m); ++d, ++expected) {
                ASSERT_EQ(toDayNumber(y, m, d), expected);
                ASSERT_EQ(toCivil(expected), (CivilDate{y, m, d}));
            }
}

TEST(DayNumber, LeapYearsFollowTheGregorianRules)
{
    EXPECT_TRUE(isLeapYear(2024));
    EXPECT_TRUE(isLeapYear(2000));
    EXPECT_FALSE(isLeapYear(1900));
    EXPECT_FALSE(isLeapYear(2023));
    EXPECT_EQ(daysInYear(2100), 365);
    EXPECT_EQ(daysInMonth(2024, 2), 29);
    EXPECT_EQ(daysInMonth(2023, 2), 28);
    EXPECT_FALSE(isValidDate(2023, 2, 29));
    EXPECT_FALSE(isValidDate(0, 1, 1));
    EXPECT_FALSE(isValidDate(10000, 1, 1));
    EXPECT_FALSE(isValidDate(2023, 13, 1));
    EXPECT_FALSE(isValidDate(2023, 4, 31));
}

TEST(DayNumber, Weekdays)
{
    EXPECT_EQ(sundayBasedWeekday(0), 6); // 30.12.1899 was a Saturday
    EXPECT_EQ(isoWeekday(0), 6);
    EXPECT_EQ(isoWeekday(toDayNumber(2026, 12, 7)), 1);
    EXPECT_EQ(sundayBasedWeekday(toDayNumber(2026, 12, 6)), 0);
    EXPECT_EQ(isoWeekday(toDayNumber(1, 1, 1)), 1); // proleptic: a Monday
    EXPECT_EQ(isoWeekday(-1), 5);
}

TEST(DayNumber, AddingMonthsAndYearsClipsToTheMonth)
{
    struct Case
    {
        CivilDate from;
        int months;
        CivilDate to;
    };

    for (Case c : {Case{{2024, 1, 31}, 1, {2024, 2, 29}}, Case{{2023, 1, 31}, 1, {2023, 2, 28}},
                   Case{{2023, 3, 31}, -1, {2023, 2, 28}}, Case{{2023, 12, 15}, 1, {2024, 1, 15}},
                   Case{{2024, 1, 15}, -13, {2022, 12, 15}}, Case{{2023, 5, 31}, 12, {2024, 5, 31}}})
        EXPECT_EQ(toCivil(addMonths(toDayNumber(c.from), c.months)), c.to);
    EXPECT_EQ(toCivil(addYears(toDayNumber(2024, 2, 29), 1)), (CivilDate{2025, 2, 28}));
    EXPECT_EQ(toCivil(addYears(toDayNumber(2023, 3, 1), 1)), (CivilDate{2024, 3, 1}));
}

} // namespace
} // namespace notavi
