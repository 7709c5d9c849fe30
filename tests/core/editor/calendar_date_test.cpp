#include "core/calendar/day_number.h"
#include "core/editor/calendar_date.h"
#include "core/model/block_catalogue.h"

#include <gtest/gtest.h>

namespace notavi {
namespace {

struct DateCase
{
    const char* name;
    BlockKind block;
    std::string line;
    std::size_t caret;
    CivilDate date;
    std::string expected;
    std::size_t expectedCaret;
};

class CalendarDate : public ::testing::TestWithParam<DateCase>
{
};

TEST_P(CalendarDate, WritesTheDateInTheFormOfTheBlock)
{
    const DateCase& c = GetParam();
    const auto result = takeDateIntoLine(c.line, blockNumber(c.block), toDayNumber(c.date), c.caret);
    ASSERT_TRUE(result);
    EXPECT_EQ(result->line, c.expected);
    EXPECT_EQ(result->caret, c.expectedCaret);
}

constexpr CivilDate kChristmasEve{2025, 12, 24};
constexpr CivilDate kLeapDay{2024, 2, 29};
constexpr CivilDate kHolidayEnd{2025, 8, 15};

INSTANTIATE_TEST_SUITE_P(
    Lines, CalendarDate,
    ::testing::Values(
        DateCase{"BirthdayReplaced", BlockKind::Birthdays, "01.01.1990 Anna", 3, kChristmasEve,
                 "24.12.2025 Anna", 11},
        DateCase{"BirthdayWithoutDate", BlockKind::Birthdays, "Anna", 0, kChristmasEve, "24.12.2025 Anna",
                 11},
        DateCase{"InvalidDateIsKept", BlockKind::OneTime, "31.02.2025 Anna", 0, kChristmasEve,
                 "24.12.2025 31.02.2025 Anna", 11},
        DateCase{"EmptyLine", BlockKind::EveryXDays, "", 0, kChristmasEve, "24.12.2025 ", 11},
        DateCase{"SinceYears", BlockKind::SinceYears, "09.09.1999 Hochzeit", 0, kChristmasEve,
                 "24.12.2025 Hochzeit", 11},
        DateCase{"TwoWeekly", BlockKind::TwoWeekly, "05.01.2024 M\xFCll", 0, kChristmasEve,
                 "24.12.2025 M\xFCll", 11},
        DateCase{"NameDayOnLeapDay", BlockKind::NameDays, "29.02 Roman", 0, kChristmasEve, "24.12 Roman", 6},
        DateCase{"LeapDayIntoNameDay", BlockKind::NameDays, "Roman", 0, kLeapDay, "29.02 Roman", 6},
        DateCase{"YearlyLastOfFebruaryIsNoDate", BlockKind::Yearly, "99.02 Monatsende", 0, kChristmasEve,
                 "24.12 99.02 Monatsende", 6},
        DateCase{"HolidayEndByCaretColumn", BlockKind::SchoolHolidays, "01.07.2025-10.08.2025 Sommerferien",
                 14, kHolidayEnd, "01.07.2025-15.08.2025 Sommerferien", 22},
        DateCase{"HolidayEndRightAfterTheBeginDate", BlockKind::SchoolHolidays,
                 "01.07.2025-10.08.2025 Sommerferien", 10, kHolidayEnd, "01.07.2025-15.08.2025 Sommerferien",
                 22},
        DateCase{"HolidayBeginByCaretColumn", BlockKind::SchoolHolidays, "01.07.2025-10.08.2025 Sommerferien",
                 9, kHolidayEnd, "15.08.2025-10.08.2025 Sommerferien", 11},
        DateCase{"HolidayEndMissing", BlockKind::SchoolHolidays, "01.07.2025-Sommerferien", 15, kHolidayEnd,
                 "01.07.2025-15.08.2025 Sommerferien", 22},
        DateCase{"HolidayOnlyABeginDate", BlockKind::SchoolHolidays, "01.07.2025", 10, kHolidayEnd,
                 "01.07.2025-15.08.2025 ", 22},
        DateCase{"HolidayWithoutBegin", BlockKind::SchoolHolidays, "Sommerferien", 8, kHolidayEnd,
                 "15.08.2025-Sommerferien", 11}),
    [](const auto& testCase) { return std::string(testCase.param.name); });

TEST(CalendarDate, BlocksWithoutADateAreLeftAlone)
{
    const DayNumber day = toDayNumber(kChristmasEve);
    for (const BlockKind kind : {BlockKind::Weekly, BlockKind::Monthly, BlockKind::XthWeekday})
        EXPECT_FALSE(takeDateIntoLine("2.So 05 Muttertag", blockNumber(kind), day, 0)) << blockNumber(kind);
    EXPECT_FALSE(takeDateIntoLine("irgendwas", -1, day, 0));
    EXPECT_FALSE(takeDateIntoLine("irgendwas", 13, day, 0));
}

} // namespace
} // namespace notavi
