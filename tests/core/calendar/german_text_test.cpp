#include "core/calendar/german_text.h"
#include "core/model/windows1252.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

TEST(GermanText, DatesAndTimes)
{
    EXPECT_EQ(formatDate(toDayNumber(2024, 3, 5)), "05.03.2024");
    EXPECT_EQ(formatDate(CivilDate{7, 1, 2}), "02.01.0007");
    EXPECT_EQ(formatTime(0), "00:00");
    EXPECT_EQ(formatTime(23 * 60 + 59), "23:59");
    EXPECT_EQ(dateKey(toDayNumber(2024, 3, 5)), "20240305");
    EXPECT_EQ(twoDigits(7), "07");
    EXPECT_EQ(twoDigits(123), "123");
}

TEST(GermanText, NamesComeFromTheProgramsOwnTables)
{
    EXPECT_EQ(weekdayName(0), "Sonntag");
    EXPECT_EQ(weekdayName(6), "Samstag");
    EXPECT_EQ(weekdayNameOf(toDayNumber(2026, 12, 7)), "Montag");
    EXPECT_EQ(toUtf8(monthName(3)), "März");
    EXPECT_EQ(monthName(12), "Dezember");
}

TEST(GermanText, DateTextParsing)
{
    struct Case
    {
        const char* text;
        bool wellFormed;
        bool valid;
    };

    for (Case c :
         {Case{"29.02.2024", true, true}, Case{"29.02.2023", true, false}, Case{"31.04.2023", true, false},
          Case{"00.01.2023", true, false}, Case{"01.01.0000", true, false}, Case{"01.01.0001", true, true},
          Case{"1.1.2023", false, false}, Case{"01-01-2023", false, false}, Case{"01.01.20a3", false, false},
          Case{"01.01.2023 Text", true, true}, Case{"", false, false}, Case{"01.01.202", false, false}}) {
        EXPECT_EQ(isWellFormedDateText(c.text), c.wellFormed) << c.text;
        EXPECT_EQ(parseDateText(c.text).has_value(), c.valid) << c.text;
    }
    EXPECT_EQ(parseDateText("24.12.2026"), toDayNumber(2026, 12, 24));
}

} // namespace
} // namespace notavi
