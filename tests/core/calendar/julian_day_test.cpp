#include "core/calendar/julian_day.h"

#include <cmath>

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(JulianDay, KnownEpochs)
{
    struct Case
    {
        int y, m, d;
        double hours;
        double julianDay;
    };

    for (Case c : {Case{1899, 12, 31, 12.0, 2415020.0}, // the 1900 January 0.5 epoch
                   Case{2000, 1, 1, 12.0, 2451545.0},   // J2000.0
                   Case{1957, 10, 4, 19.44, 2436116.31}, Case{1987, 1, 27, 0.0, 2446822.5},
                   Case{1858, 11, 17, 0.0, 2400000.5}}) { // origin of the modified Julian Day
        const double dateTime = toDayNumber(c.y, c.m, c.d) + c.hours / 24.0;
        EXPECT_NEAR(toJulianDay(dateTime), c.julianDay, 1e-6) << c.y;
        EXPECT_NEAR(fromJulianDay(c.julianDay), dateTime, 1e-6) << c.y;
    }
}

TEST(JulianDay, SplitCutsOffTheSeconds)
{
    const double day = toDayNumber(2024, 4, 8);

    struct Case
    {
        double dateTime;
        DayAndMinute expected;
    };

    for (Case c : {Case{day, {toDayNumber(2024, 4, 8), 0}},
                   Case{day + (23 * 60 + 58 + 0.99) / 1440.0, {toDayNumber(2024, 4, 8), 23 * 60 + 58}},
                   Case{day + (24 * 60 + 2.5) / 1440.0, {toDayNumber(2024, 4, 9), 2}},
                   Case{day - 0.5 / 1440.0, {toDayNumber(2024, 4, 7), 23 * 60 + 59}},
                   Case{std::nextafter(day, 0.0), {toDayNumber(2024, 4, 7), 23 * 60 + 59}}})
        EXPECT_EQ(splitDateTime(c.dateTime), c.expected) << c.dateTime;
}

} // namespace
} // namespace notavi
