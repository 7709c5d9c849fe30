#include "core/calendar/easter.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

// The anonymous Gregorian algorithm, which holds for every Gregorian year: an independent check.
CivilDate anonymousGregorianEaster(int year)
{
    const int a = year % 19;
    const int b = year / 100;
    const int c = year % 100;
    const int d = b / 4;
    const int e = b % 4;
    const int f = (b + 8) / 25;
    const int g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4;
    const int k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int n = h + l - 7 * m + 114;
    return {year, n / 31, n % 31 + 1};
}

TEST(Easter, AgreesWithTheAnonymousGregorianAlgorithmFrom1900To2099)
{
    for (int year = kFirstEasterYear; year <= kLastEasterYear; ++year)
        ASSERT_EQ(toCivil(easterSunday(year)), anonymousGregorianEaster(year)) << year;
}

TEST(Easter, KnownDatesAndTheEdgesOfTheSpan)
{
    EXPECT_EQ(toCivil(easterSunday(1900)), (CivilDate{1900, 4, 15}));
    EXPECT_EQ(toCivil(easterSunday(1981)), (CivilDate{1981, 4, 19})); // the corrected 26 April
    EXPECT_EQ(toCivil(easterSunday(2008)), (CivilDate{2008, 3, 23}));
    EXPECT_EQ(toCivil(easterSunday(2024)), (CivilDate{2024, 3, 31}));
    EXPECT_EQ(toCivil(easterSunday(2025)), (CivilDate{2025, 4, 20}));
    EXPECT_EQ(toCivil(easterSunday(2099)), (CivilDate{2099, 4, 12}));
    EXPECT_EQ(easterSunday(1899), 0);
    EXPECT_EQ(easterSunday(2100), 0);
}

TEST(Advent, FourthSundayIsTheLastSundayOnOrBeforeChristmasEve)
{
    EXPECT_EQ(toCivil(fourthAdventSunday(2023)), (CivilDate{2023, 12, 24})); // 24 December a Sunday
    EXPECT_EQ(toCivil(fourthAdventSunday(2024)), (CivilDate{2024, 12, 22}));
    EXPECT_EQ(toCivil(fourthAdventSunday(2022)), (CivilDate{2022, 12, 18})); // 24 December a Saturday
    for (int year = 1900; year <= 2100; ++year) {
        const CivilDate sunday = toCivil(fourthAdventSunday(year));
        ASSERT_EQ(sundayBasedWeekday(fourthAdventSunday(year)), 0) << year;
        ASSERT_EQ(sunday.month, 12) << year;
        ASSERT_GE(sunday.day, 18) << year;
        ASSERT_LE(sunday.day, 24) << year;
    }
}

} // namespace
} // namespace notavi
